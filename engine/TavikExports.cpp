// The engine's exported functions (undecorated through TavikCore.def).
#include "engine/CallerText.h"
#include "engine/Dispatch.h"
#include "engine/Scenario.h"

#include <cstring>
#include <vector>

using namespace tavik_sim;

namespace {

constexpr int kNoCount = 0; // getters without an engine: no devices, volume 0

// Tavik_initialize's own errors.
constexpr int kErrorNoCallback = 1;
constexpr int kErrorInternal = 2;

// Copies a zero-terminated text into a caller's buffer of `size` bytes; -1 when it does not
// fit whole.
int FillBuffer(const std::string& text, char* buffer, int size)
{
    if (!buffer || size <= 0 || text.size() >= static_cast<size_t>(size))
        return kRefused;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return 0;
}

// Copies a device name, cut to the buffer, never inside a UTF-8 sequence.
int FillName(const std::string& name, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return kRefused;
    size_t length = name.size();
    if (length >= static_cast<size_t>(size)) {
        length = static_cast<size_t>(size) - 1;
        while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80)
            --length;
    }
    std::memcpy(buffer, name.data(), length);
    buffer[length] = '\0';
    return 0;
}

// A call about one session: accepted while the engine knows the call.
template <typename... Extra>
int OnSession(const char* function, TavikHandle handle, int sessionId, const Extra&... extra)
{
    return Dispatch(
        function, kRefused, [sessionId](Engine& engine) { return engine.UseSession(sessionId); }, handle, sessionId,
        extra...);
}

int DeviceCount(const char* function, TavikHandle handle, DeviceKind kind)
{
    return Dispatch(function, kNoCount, [kind](Engine&) { return Sim().devices.Count(kind); }, handle);
}

int DeviceName(const char* function, TavikHandle handle, DeviceKind kind, int index, char* name, int size)
{
    return Dispatch(
        function, kRefused,
        [=](Engine&) {
            DeviceCatalog::Device device;
            if (!Sim().devices.Get(kind, index, device))
                return kRefused;
            return FillName(device.name, name, size);
        },
        handle, index, OutArg{}, size);
}

} // namespace

extern "C" {

// ---- Life --------------------------------------------------------------------------------

TavikHandle TAVIK_CALL Tavik_initialize(SIPCallbackEvent* callback, int transport, int logLevel,
                                        const char* logFolder, int mode, const char* agent, const char* stunServer,
                                        int stunPort, int reserved1, int reserved2, int* error)
{
    try {
        Simulation& sim = Sim();
        sim.journal.Record(__func__, CallbackArg{callback}, transport, logLevel, logFolder, mode, agent, stunServer,
                           stunPort, reserved1, reserved2, OutArg{});
        ScriptedResults::Initialize outcome{callback != nullptr, callback ? 0 : kErrorNoCallback};
        if (const auto scripted = sim.scripts.TakeInitialize())
            outcome = *scripted;
        if (error)
            *error = outcome.error;
        if (!outcome.giveHandle)
            return 0;
        // Read before anything runs: a failure from here on must leave no engine behind.
        const std::vector<ScenarioEvent> scenario = LoadScenarioFromEnvironment();
        auto engine = std::make_shared<Engine>(sim.engines.NextHandle(), callback);
        engine->Start();
        try {
            sim.engines.Add(engine);
            for (const ScenarioEvent& scripted : scenario)
                engine->Post(scripted.event, scripted.delayMs);
        } catch (...) {
            sim.engines.Remove(engine->Handle());
            engine->Stop();
            throw;
        }
        return engine->Handle();
    } catch (...) {
        if (error)
            *error = kErrorInternal;
        return 0;
    }
}

int TAVIK_CALL Tavik_unInitialize(TavikHandle handle)
{
    try {
        Sim().journal.Record(__func__, handle);
        const std::shared_ptr<Engine> engine = Sim().engines.Remove(handle);
        if (!engine)
            return kRefused;
        engine->Stop();
        return 0;
    } catch (...) {
        return kRefused;
    }
}

// ---- Account -----------------------------------------------------------------------------

int TAVIK_CALL Tavik_getLocalIP(TavikHandle handle, int index, char* buffer, int size)
{
    // No network is touched: the simulated host has the loop-back address.
    return Dispatch(
        __func__, kRefused, [=](Engine&) { return FillBuffer("127.0.0.1", buffer, size); }, handle, index,
        OutArg{}, size);
}

int TAVIK_CALL Tavik_getLocalIP6(TavikHandle handle, int index, char* buffer, int size)
{
    return Dispatch(
        __func__, kRefused, [=](Engine&) { return FillBuffer("::1", buffer, size); }, handle, index, OutArg{},
        size);
}

int TAVIK_CALL Tavik_setUserInfo(TavikHandle handle, const char* userName, const char* displayName,
                                 const char* authName, const char* password, const char* localIp, int localPort,
                                 const char* domain, const char* proxy, int proxyPort, const char* outboundServer,
                                 int outboundPort)
{
    return Dispatch(
        __func__, kRefused,
        [=](Engine& engine) {
            return engine.SetUserInfo(
                UserInfo{OrEmpty(userName), OrEmpty(displayName), OrEmpty(domain), OrEmpty(proxy)});
        },
        handle, userName, displayName, authName, password, localIp, localPort, domain, proxy, proxyPort,
        outboundServer, outboundPort);
}

int TAVIK_CALL Tavik_registerServer(TavikHandle handle, int expirySeconds)
{
    return Dispatch(__func__, kRefused, [](Engine& engine) { return engine.Register(); }, handle, expirySeconds);
}

int TAVIK_CALL Tavik_unRegisterServer(TavikHandle handle)
{
    return Dispatch(__func__, kRefused, Accept, handle);
}

// ---- Events ------------------------------------------------------------------------------

void TAVIK_CALL Tavik_delSIPCallbackCommand(SIPCallbackCommand* record)
{
    if (!record)
        return;
    Simulation& sim = Sim();
    const bool handingOver = IsBeingHandedOver(record);
    if (!sim.records.Release(record)) {
        ++sim.badReleases;
        return;
    }
    if (handingOver)
        ++sim.failedHandOvers;
}

// ---- Devices -----------------------------------------------------------------------------

int TAVIK_CALL Tavik_setAudioDeviceId(TavikHandle handle, int inputDevice, int outputDevice)
{
    return Dispatch(
        __func__, kRefused,
        [=](Engine& engine) {
            engine.SetAudioDevices(inputDevice, outputDevice);
            return 0;
        },
        handle, inputDevice, outputDevice);
}

int TAVIK_CALL Tavik_setVideoDeviceId(TavikHandle handle, int device)
{
    return Dispatch(
        __func__, kRefused,
        [=](Engine& engine) {
            engine.SetVideoDevice(device);
            return 0;
        },
        handle, device);
}

int TAVIK_CALL Tavik_getNumOfPlayoutDevices(TavikHandle handle)
{
    return DeviceCount(__func__, handle, DeviceKind::Playout);
}

int TAVIK_CALL Tavik_getPlayoutDeviceName(TavikHandle handle, int index, char* name, int size)
{
    return DeviceName(__func__, handle, DeviceKind::Playout, index, name, size);
}

int TAVIK_CALL Tavik_getNumOfRecordingDevices(TavikHandle handle)
{
    return DeviceCount(__func__, handle, DeviceKind::Recording);
}

int TAVIK_CALL Tavik_getRecordingDeviceName(TavikHandle handle, int index, char* name, int size)
{
    return DeviceName(__func__, handle, DeviceKind::Recording, index, name, size);
}

int TAVIK_CALL Tavik_getNumOfVideoCaptureDevices(TavikHandle handle)
{
    return DeviceCount(__func__, handle, DeviceKind::VideoCapture);
}

int TAVIK_CALL Tavik_getVideoCaptureDeviceName(TavikHandle handle, int index, char* uniqueId, int uniqueIdSize,
                                               char* name, int nameSize)
{
    return Dispatch(
        __func__, kRefused,
        [=](Engine&) {
            DeviceCatalog::Device device;
            if (!Sim().devices.Get(DeviceKind::VideoCapture, index, device))
                return kRefused;
            if (FillName(device.uniqueId, uniqueId, uniqueIdSize) != 0)
                return kRefused;
            return FillName(device.name, name, nameSize);
        },
        handle, index, OutArg{}, uniqueIdSize, OutArg{}, nameSize);
}

int TAVIK_CALL Tavik_showVideoCaptureSettingsDialogBox(TavikHandle handle, const char* uniqueId, int uniqueIdLength,
                                                       const char* title, HWND parent, int x, int y)
{
    // The stand-in has no camera dialog to show: nothing may block a test.
    return Dispatch(__func__, kRefused, Accept, handle, uniqueId, uniqueIdLength, title, parent, x, y);
}

int TAVIK_CALL Tavik_audioPlayLoopbackTest(TavikHandle handle, int enable)
{
    return Dispatch(__func__, kRefused, Accept, handle, enable);
}

// ---- Volumes -----------------------------------------------------------------------------

int TAVIK_CALL Tavik_getMicVolume(TavikHandle handle)
{
    return Dispatch(__func__, kNoCount, [](Engine& engine) { return engine.Volume(DeviceKind::Recording); }, handle);
}

int TAVIK_CALL Tavik_getSpeakerVolume(TavikHandle handle)
{
    return Dispatch(__func__, kNoCount, [](Engine& engine) { return engine.Volume(DeviceKind::Playout); }, handle);
}

int TAVIK_CALL Tavik_setMicVolume(TavikHandle handle, int volume)
{
    return Dispatch(
        __func__, kRefused,
        [=](Engine& engine) {
            engine.SetVolume(DeviceKind::Recording, volume);
            return 0;
        },
        handle, volume);
}

int TAVIK_CALL Tavik_setSpeakerVolume(TavikHandle handle, int volume)
{
    return Dispatch(
        __func__, kRefused,
        [=](Engine& engine) {
            engine.SetVolume(DeviceKind::Playout, volume);
            return 0;
        },
        handle, volume);
}

int TAVIK_CALL Tavik_muteMicrophone(TavikHandle handle, int mute)
{
    return Dispatch(__func__, kRefused, Accept, handle, mute);
}

int TAVIK_CALL Tavik_muteSpeaker(TavikHandle handle, int mute)
{
    return Dispatch(__func__, kRefused, Accept, handle, mute);
}

// ---- Media processing ---------------------------------------------------------------------

int TAVIK_CALL Tavik_enableAEC(TavikHandle handle, int enable)
{
    return Dispatch(__func__, kRefused, Accept, handle, enable);
}

int TAVIK_CALL Tavik_enableAGC(TavikHandle handle, int enable)
{
    return Dispatch(__func__, kRefused, Accept, handle, enable);
}

int TAVIK_CALL Tavik_enableVAD(TavikHandle handle, int enable)
{
    return Dispatch(__func__, kRefused, Accept, handle, enable);
}

int TAVIK_CALL Tavik_enableCNG(TavikHandle handle, int enable)
{
    return Dispatch(__func__, kRefused, Accept, handle, enable);
}

int TAVIK_CALL Tavik_setVideoBitrate(TavikHandle handle, int kbitPerSecond)
{
    return Dispatch(__func__, kRefused, Accept, handle, kbitPerSecond);
}

int TAVIK_CALL Tavik_setVideoResolution(TavikHandle handle, int resolutionCode)
{
    return Dispatch(
        __func__, kRefused, [=](Engine&) { return resolutionCode >= 1 && resolutionCode <= 6 ? 0 : kRefused; },
        handle, resolutionCode);
}

// ---- Video -------------------------------------------------------------------------------

int TAVIK_CALL Tavik_setLocalVideoWindow(TavikHandle handle, HWND window)
{
    return Dispatch(__func__, kRefused, Accept, handle, window);
}

int TAVIK_CALL Tavik_viewLocalVideo(TavikHandle handle, int enable)
{
    return Dispatch(__func__, kRefused, Accept, handle, enable);
}

int TAVIK_CALL Tavik_setRemoteVideoWindow(TavikHandle handle, int sessionId, HWND window)
{
    return OnSession(__func__, handle, sessionId, window);
}

int TAVIK_CALL Tavik_startVideoSending(TavikHandle handle, int sessionId, int send)
{
    return OnSession(__func__, handle, sessionId, send);
}

// ---- DTMF --------------------------------------------------------------------------------

int TAVIK_CALL Tavik_enableDTMFOfInfo(TavikHandle handle)
{
    return Dispatch(__func__, kRefused, Accept, handle);
}

int TAVIK_CALL Tavik_enableDTMFOfRFC2833(TavikHandle handle, int payloadType)
{
    return Dispatch(__func__, kRefused, Accept, handle, payloadType);
}

int TAVIK_CALL Tavik_setDTMFSamples(TavikHandle handle, int durationMs)
{
    return Dispatch(__func__, kRefused, Accept, handle, durationMs);
}

int TAVIK_CALL Tavik_sendDTMF(TavikHandle handle, int sessionId, int key)
{
    return OnSession(__func__, handle, sessionId, key);
}

// ---- Network -----------------------------------------------------------------------------

int TAVIK_CALL Tavik_setSrtpPolicy(TavikHandle handle, int policy)
{
    return Dispatch(__func__, kRefused, Accept, handle, policy);
}

int TAVIK_CALL Tavik_setRtpPortRange(TavikHandle handle, int audioMinPort, int audioMaxPort, int videoMinPort,
                                     int videoMaxPort)
{
    return Dispatch(__func__, kRefused, Accept, handle, audioMinPort, audioMaxPort, videoMinPort, videoMaxPort);
}

int TAVIK_CALL Tavik_enableSessionTimer(TavikHandle handle, int seconds, int refresher)
{
    return Dispatch(__func__, kRefused, Accept, handle, seconds, refresher);
}

int TAVIK_CALL Tavik_setRtpKeepAlive(TavikHandle handle, int enable, int payloadType, int intervalMs)
{
    return Dispatch(__func__, kRefused, Accept, handle, enable, payloadType, intervalMs);
}

int TAVIK_CALL Tavik_enableCheckMwi(TavikHandle handle, int enable)
{
    return Dispatch(__func__, kRefused, Accept, handle, enable);
}

int TAVIK_CALL Tavik_setAudioQos(TavikHandle handle, int enable, int dscp, int priority)
{
    return Dispatch(__func__, kRefused, Accept, handle, enable, dscp, priority);
}

int TAVIK_CALL Tavik_setVideoQos(TavikHandle handle, int enable, int dscp)
{
    return Dispatch(__func__, kRefused, Accept, handle, enable, dscp);
}

// ---- Forwarding --------------------------------------------------------------------------

int TAVIK_CALL Tavik_enableCallForwarding(TavikHandle handle, int busyOnly, const char* target)
{
    return Dispatch(
        __func__, kRefused, [=](Engine&) { return target && *target ? 0 : kRefused; }, handle, busyOnly, target);
}

int TAVIK_CALL Tavik_disableCallForwarding(TavikHandle handle)
{
    return Dispatch(__func__, kRefused, Accept, handle);
}

// ---- Codecs ------------------------------------------------------------------------------

int TAVIK_CALL Tavik_clearAudioCodec(TavikHandle handle)
{
    return Dispatch(__func__, kRefused, Accept, handle);
}

int TAVIK_CALL Tavik_addAudioCodec(TavikHandle handle, int codecId)
{
    return Dispatch(__func__, kRefused, Accept, handle, codecId);
}

int TAVIK_CALL Tavik_clearVideoCodec(TavikHandle handle)
{
    return Dispatch(__func__, kRefused, Accept, handle);
}

int TAVIK_CALL Tavik_addVideoCodec(TavikHandle handle, int codecId)
{
    return Dispatch(__func__, kRefused, Accept, handle, codecId);
}

// ---- Calls -------------------------------------------------------------------------------

int TAVIK_CALL Tavik_call(TavikHandle handle, const char* callee, int mode, int* error)
{
    if (error)
        *error = 0;
    return Dispatch(
        __func__, kRefused, [=](Engine& engine) { return engine.Call(callee); }, handle, callee, mode, OutArg{});
}

int TAVIK_CALL Tavik_answerCall(TavikHandle handle, int sessionId)
{
    return OnSession(__func__, handle, sessionId);
}

int TAVIK_CALL Tavik_rejectCall(TavikHandle handle, int sessionId, int statusCode, const char* reason)
{
    return Dispatch(
        __func__, kRefused, [=](Engine& engine) { return engine.End(sessionId); }, handle, sessionId, statusCode,
        reason);
}

int TAVIK_CALL Tavik_terminateCall(TavikHandle handle, int sessionId)
{
    return Dispatch(
        __func__, kRefused, [=](Engine& engine) { return engine.End(sessionId); }, handle, sessionId);
}

int TAVIK_CALL Tavik_hold(TavikHandle handle, int sessionId)
{
    return OnSession(__func__, handle, sessionId);
}

int TAVIK_CALL Tavik_unHold(TavikHandle handle, int sessionId)
{
    return OnSession(__func__, handle, sessionId);
}

int TAVIK_CALL Tavik_refer(TavikHandle handle, int sessionId, const char* target)
{
    return Dispatch(
        __func__, kRefused, [=](Engine& engine) { return engine.Refer(sessionId, target); }, handle, sessionId,
        target);
}

// ---- Conference and recording --------------------------------------------------------------

int TAVIK_CALL Tavik_createConference(TavikHandle handle, HWND videoWindow, int resolutionCode, int option)
{
    return Dispatch(__func__, kRefused, Accept, handle, videoWindow, resolutionCode, option);
}

int TAVIK_CALL Tavik_joinToConference(TavikHandle handle, int sessionId)
{
    return OnSession(__func__, handle, sessionId);
}

int TAVIK_CALL Tavik_destroyConference(TavikHandle handle)
{
    return Dispatch(__func__, kRefused, Accept, handle);
}

int TAVIK_CALL Tavik_startAudioRecording(TavikHandle handle, const char* folder, const char* fileName, int option1,
                                         int option2, int option3)
{
    return Dispatch(__func__, kRefused, Accept, handle, folder, fileName, option1, option2, option3);
}

int TAVIK_CALL Tavik_stopAudioRecording(TavikHandle handle)
{
    return Dispatch(__func__, kRefused, Accept, handle);
}

// ---- Messages and presence ----------------------------------------------------------------

int TAVIK_CALL Tavik_sendPagerMessage(TavikHandle handle, const char* to, const char* body)
{
    return Dispatch(
        __func__, kRefused, [=](Engine& engine) { return engine.SendPagerMessage(to, body); }, handle, to, body);
}

int TAVIK_CALL Tavik_presenceSubscribeContact(TavikHandle handle, const char* address, const char* note)
{
    return Dispatch(
        __func__, kRefused, [=](Engine&) { return address && *address ? 0 : kRefused; }, handle, address, note);
}

int TAVIK_CALL Tavik_presenceAcceptSubscribe(TavikHandle handle, int subscribeId)
{
    return Dispatch(__func__, kRefused, Accept, handle, subscribeId);
}

int TAVIK_CALL Tavik_presenceRejectSubscribe(TavikHandle handle, int subscribeId)
{
    return Dispatch(__func__, kRefused, Accept, handle, subscribeId);
}

int TAVIK_CALL Tavik_presenceOnline(TavikHandle handle, int subscribeId, const char* status)
{
    return Dispatch(__func__, kRefused, Accept, handle, subscribeId, status);
}

int TAVIK_CALL Tavik_presenceOffline(TavikHandle handle, int subscribeId)
{
    return Dispatch(__func__, kRefused, Accept, handle, subscribeId);
}

} // extern "C"
