// The DLL's export table: every engine function under its plain name, nothing decorated,
// and the test controls under their own prefix.
#include "engine/TavikControl.h"
#include "engine/TavikCore.h"
#include "tests/support/ExportTable.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

using lumeo_test::ExportedNames;

namespace {

const char* const kEngineFunctions[] = {
    "Tavik_initialize", "Tavik_unInitialize", "Tavik_getLocalIP", "Tavik_getLocalIP6", "Tavik_setUserInfo",
    "Tavik_registerServer", "Tavik_unRegisterServer", "Tavik_delSIPCallbackCommand", "Tavik_setAudioDeviceId",
    "Tavik_setVideoDeviceId", "Tavik_enableAEC", "Tavik_enableAGC", "Tavik_enableVAD", "Tavik_enableCNG",
    "Tavik_setVideoBitrate", "Tavik_setVideoResolution", "Tavik_setLocalVideoWindow", "Tavik_viewLocalVideo",
    "Tavik_enableDTMFOfInfo", "Tavik_enableDTMFOfRFC2833", "Tavik_setDTMFSamples", "Tavik_setSrtpPolicy",
    "Tavik_setRtpPortRange", "Tavik_enableSessionTimer", "Tavik_setRtpKeepAlive", "Tavik_enableCheckMwi",
    "Tavik_setAudioQos", "Tavik_setVideoQos", "Tavik_enableCallForwarding", "Tavik_disableCallForwarding",
    "Tavik_clearAudioCodec", "Tavik_addAudioCodec", "Tavik_clearVideoCodec", "Tavik_addVideoCodec",
    "Tavik_call", "Tavik_setRemoteVideoWindow", "Tavik_answerCall", "Tavik_rejectCall", "Tavik_terminateCall",
    "Tavik_hold", "Tavik_unHold", "Tavik_sendDTMF", "Tavik_refer", "Tavik_createConference",
    "Tavik_joinToConference", "Tavik_destroyConference", "Tavik_startAudioRecording", "Tavik_stopAudioRecording",
    "Tavik_startVideoSending", "Tavik_muteMicrophone", "Tavik_muteSpeaker", "Tavik_getMicVolume",
    "Tavik_getSpeakerVolume", "Tavik_setMicVolume", "Tavik_setSpeakerVolume", "Tavik_getNumOfPlayoutDevices",
    "Tavik_getPlayoutDeviceName", "Tavik_getNumOfRecordingDevices", "Tavik_getRecordingDeviceName",
    "Tavik_getNumOfVideoCaptureDevices", "Tavik_getVideoCaptureDeviceName",
    "Tavik_showVideoCaptureSettingsDialogBox", "Tavik_audioPlayLoopbackTest", "Tavik_sendPagerMessage",
    "Tavik_presenceSubscribeContact", "Tavik_presenceAcceptSubscribe", "Tavik_presenceRejectSubscribe",
    "Tavik_presenceOnline", "Tavik_presenceOffline",
};

HMODULE EngineModule()
{
    return GetModuleHandleW(L"TavikCore.dll");
}

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

TEST(EngineExports, ListsSixtyNineDistinctEngineFunctions)
{
    EXPECT_EQ(69u, std::set<std::string>(std::begin(kEngineFunctions), std::end(kEngineFunctions)).size());
}

TEST(EngineExports, EveryEngineFunctionIsFoundByItsPlainName)
{
    const HMODULE module = EngineModule();
    ASSERT_NE(nullptr, module);
    for (const char* name : kEngineFunctions)
        EXPECT_NE(nullptr, reinterpret_cast<void*>(GetProcAddress(module, name))) << name;
}

TEST(EngineExports, ExportTableHoldsExactlyTheEngineFunctionsAndTheTestControls)
{
    const std::vector<std::string> exported = ExportedNames(EngineModule());
    std::set<std::string> engine;
    for (const std::string& name : exported) {
        EXPECT_EQ(std::string::npos, name.find('@')) << name;
        EXPECT_NE('_', name.front()) << name;
        if (StartsWith(name, "Tavik_"))
            engine.insert(name);
        else
            EXPECT_TRUE(StartsWith(name, "EngineControl_")) << name;
    }
    EXPECT_EQ(std::set<std::string>(std::begin(kEngineFunctions), std::end(kEngineFunctions)), engine);
}

TEST(EngineExports, ImportsBindToThePlainExports)
{
    const HMODULE module = EngineModule();
    const struct {
        const char* name;
        const void* imported;
    } cases[] = {
        {"Tavik_initialize", reinterpret_cast<const void*>(&Tavik_initialize)},
        {"Tavik_call", reinterpret_cast<const void*>(&Tavik_call)},
        {"Tavik_delSIPCallbackCommand", reinterpret_cast<const void*>(&Tavik_delSIPCallbackCommand)},
        {"Tavik_presenceOffline", reinterpret_cast<const void*>(&Tavik_presenceOffline)},
        {"EngineControl_Reset", reinterpret_cast<const void*>(&EngineControl_Reset)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reinterpret_cast<const void*>(GetProcAddress(module, c.name)), c.imported) << c.name;
}

} // namespace
