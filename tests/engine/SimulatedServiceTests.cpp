// The stand-in's simulated SIP service, its device lists and volumes, and the test
// controls' journal and scripted results.
#include "tests/engine/EngineTestSupport.h"

#include <gmock/gmock.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

using namespace engine_test;
using ::testing::ElementsAre;

namespace {

using SimulatedService = EngineTest;

std::vector<int> Types(const std::vector<ReceivedEvent>& events)
{
    std::vector<int> types;
    for (const ReceivedEvent& event : events)
        types.push_back(event.type);
    return types;
}

int SetUser(TavikHandle handle, const char* proxy)
{
    return Tavik_setUserInfo(handle, "alice", "Alice", "alice", "secret", "127.0.0.1", 5070, "example.com", proxy,
                             5060, "", 0);
}

TEST_F(SimulatedService, RegistrationSucceedsWithAProxyAndFailsWithout)
{
    const struct {
        const char* proxy;
        int type;
        int statusCode;
    } cases[] = {{"sip.example.com", 1, 200}, {"", 2, 503}};
    for (const auto& c : cases) {
        RecordingCallback callback;
        EngineSession engine(&callback);
        ASSERT_EQ(0, SetUser(engine.Handle(), c.proxy));
        ASSERT_EQ(0, Tavik_registerServer(engine.Handle(), 90));
        ASSERT_TRUE(callback.WaitFor(1));
        const ReceivedEvent event = callback.Events()[0];
        EXPECT_EQ(c.type, event.type) << c.proxy;
        EXPECT_EQ(c.statusCode, event.statusCode) << c.proxy;
        EXPECT_FALSE(event.statusText.empty()) << c.proxy;
        EXPECT_EQ(EngineControl_GetEngineThreadId(engine.Handle()), event.threadId);
    }
}

TEST_F(SimulatedService, RegistrationWithoutUserInfoIsRefused)
{
    RecordingCallback callback;
    EngineSession engine(&callback);
    EXPECT_LT(Tavik_registerServer(engine.Handle(), 90), 0);
    EXPECT_EQ(0, EngineControl_WaitIdle(engine.Handle(), kPatienceMs));
    EXPECT_TRUE(callback.Events().empty());
}

TEST_F(SimulatedService, AnOutgoingCallIsTriedRingsAndIsAnswered)
{
    RecordingCallback callback;
    EngineSession engine(&callback);
    int error = -1;
    const int session = Tavik_call(engine.Handle(), "sip:bob@example.com", 1, &error);
    ASSERT_EQ(1, session);
    EXPECT_EQ(0, error);
    ASSERT_TRUE(callback.WaitFor(3));
    const std::vector<ReceivedEvent> events = callback.Events();
    EXPECT_THAT(Types(events), ElementsAre(4, 5, 6));
    for (const ReceivedEvent& event : events) {
        EXPECT_EQ(session, event.sessionId);
        EXPECT_EQ("bob@example.com", event.remoteAddress);
        EXPECT_EQ("bob", event.displayName);
        EXPECT_FALSE(event.earlyMedia);
    }
}

TEST_F(SimulatedService, HangingUpBeforeTheAnswerDropsTheRestOfTheCall)
{
    EngineControl_SetTiming(EngineTiming_CallAnswer, 600000); // never reached while the test runs
    RecordingCallback callback;
    EngineSession engine(&callback);
    int error = 0;
    const int session = Tavik_call(engine.Handle(), "bob@example.com", 1, &error);
    ASSERT_TRUE(callback.WaitFor(2));
    ASSERT_EQ(0, Tavik_terminateCall(engine.Handle(), session));
    // Nothing is left to deliver: the answer was dropped with the call.
    EXPECT_EQ(0, EngineControl_WaitIdle(engine.Handle(), kPatienceMs));
    EXPECT_THAT(Types(callback.Events()), ElementsAre(4, 5));
    EXPECT_LT(Tavik_refer(engine.Handle(), session, "carol"), 0); // the call is gone
}

TEST_F(SimulatedService, APagerMessageIsEchoedBack)
{
    RecordingCallback callback;
    EngineSession engine(&callback);
    const char* const body = "h\xC3\xA9llo"; // UTF-8
    ASSERT_EQ(0, Tavik_sendPagerMessage(engine.Handle(), "sip:bob@example.com", body));
    ASSERT_TRUE(callback.WaitFor(1));
    const ReceivedEvent event = callback.Events()[0];
    EXPECT_EQ(21, event.type);
    EXPECT_EQ("bob@example.com", event.remoteAddress);
    EXPECT_TRUE(event.hasBody);
    EXPECT_EQ("h\xE9llo", event.body); // read in the ANSI code page
    EXPECT_LT(Tavik_sendPagerMessage(engine.Handle(), "sip:bob@example.com", nullptr), 0);
}

TEST_F(SimulatedService, VolumesAreKeptPerChosenDevice)
{
    const char* const microphones[] = {"Mic A", "Mic B"};
    ASSERT_EQ(0, EngineControl_SetDevices(EngineDevice_Recording, microphones, nullptr, 2));
    RecordingCallback callback;
    EngineSession engine(&callback);
    const TavikHandle h = engine.Handle();

    ASSERT_EQ(0, Tavik_setMicVolume(h, 200));
    ASSERT_EQ(0, Tavik_setSpeakerVolume(h, 50));
    EXPECT_EQ(200, Tavik_getMicVolume(h));
    EXPECT_EQ(50, Tavik_getSpeakerVolume(h));

    ASSERT_EQ(0, Tavik_setAudioDeviceId(h, 1, 0)); // another microphone, same speaker
    EXPECT_EQ(128, Tavik_getMicVolume(h));
    EXPECT_EQ(50, Tavik_getSpeakerVolume(h));
    Tavik_setMicVolume(h, 300);
    EXPECT_EQ(255, Tavik_getMicVolume(h));
    Tavik_setAudioDeviceId(h, 0, 0);
    EXPECT_EQ(200, Tavik_getMicVolume(h));

    // An index beyond the list: the engine keeps a volume of its own.
    Tavik_setAudioDeviceId(h, -1, 0);
    Tavik_setMicVolume(h, 17);
    EXPECT_EQ(17, Tavik_getMicVolume(h));
}

TEST_F(SimulatedService, DeviceListsKeepTheirUtf8Names)
{
    const char* const speakers[] = {"Lautsprecher (High Definition Audio) \xC2\xAE", "\xD0\x9D\xD0\xB0\xD1\x83"};
    const char* const cameras[] = {"Cam\xC3\xA9ra USB"};
    const char* const cameraIds[] = {"\\\\?\\usb#vid_0001"};
    ASSERT_EQ(0, EngineControl_SetDevices(EngineDevice_Playout, speakers, nullptr, 2));
    ASSERT_EQ(0, EngineControl_SetDevices(EngineDevice_VideoCapture, cameras, cameraIds, 1));
    RecordingCallback callback;
    EngineSession engine(&callback);
    const TavikHandle h = engine.Handle();

    ASSERT_EQ(2, Tavik_getNumOfPlayoutDevices(h));
    char name[512];
    for (int i = 0; i < 2; ++i) {
        std::memset(name, 0, sizeof name);
        ASSERT_EQ(0, Tavik_getPlayoutDeviceName(h, i, name, 512));
        EXPECT_STREQ(speakers[i], name);
    }
    EXPECT_LT(Tavik_getPlayoutDeviceName(h, 2, name, 512), 0);
    // Cut to a small buffer, never inside a character: "Н" and a terminator fit in 4 bytes.
    ASSERT_EQ(0, Tavik_getPlayoutDeviceName(h, 1, name, 4));
    EXPECT_STREQ("\xD0\x9D", name);

    EXPECT_EQ(1, Tavik_getNumOfRecordingDevices(h)); // the default list
    ASSERT_EQ(1, Tavik_getNumOfVideoCaptureDevices(h));
    char uniqueId[512] = {};
    ASSERT_EQ(0, Tavik_getVideoCaptureDeviceName(h, 0, uniqueId, 512, name, 512));
    EXPECT_STREQ(cameraIds[0], uniqueId);
    EXPECT_STREQ(cameras[0], name);
}

TEST_F(SimulatedService, ScriptedResultsAreReturnedOnceInOrder)
{
    RecordingCallback callback;
    EngineSession engine(&callback);
    const TavikHandle h = engine.Handle();
    int error = 0;
    ASSERT_EQ(1, Tavik_call(h, "bob@example.com", 1, &error)); // a session to act on
    const struct {
        const char* function;
        std::function<int()> call;
        int scripted;
        int unscripted;
    } cases[] = {
        {"Tavik_setUserInfo", [&] { return SetUser(h, "proxy"); }, 3, 0},
        {"Tavik_registerServer", [&] { return Tavik_registerServer(h, 90); }, 408, 0},
        {"Tavik_call", [&] { return Tavik_call(h, "carol@example.com", 1, &error); }, -5, 2}, // no id used up
        {"Tavik_refer", [&] { return Tavik_refer(h, 1, "dave"); }, 1, 0},
        {"Tavik_createConference", [&] { return Tavik_createConference(h, nullptr, 2, 0); }, -2, 0},
        {"Tavik_startVideoSending", [&] { return Tavik_startVideoSending(h, 1, 1); }, 9, 0},
        {"Tavik_getMicVolume", [&] { return Tavik_getMicVolume(h); }, 77, 128},
        {"Tavik_getSpeakerVolume", [&] { return Tavik_getSpeakerVolume(h); }, 88, 128},
        {"Tavik_getNumOfRecordingDevices", [&] { return Tavik_getNumOfRecordingDevices(h); }, 4, 1},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(0, EngineControl_ScriptResult(c.function, c.scripted));
        EXPECT_EQ(c.scripted, c.call()) << c.function;
        EXPECT_EQ(c.unscripted, c.call()) << c.function;
    }

    // A call with handle 0 does not use up a scripted result.
    EngineControl_ScriptResult("Tavik_call", 42);
    EXPECT_LT(Tavik_call(0, "bob@example.com", 1, &error), 0);
    EXPECT_EQ(42, Tavik_call(h, "bob@example.com", 1, &error));

    // Several results for one function come in order.
    EngineControl_ScriptResult("Tavik_refer", 5);
    EngineControl_ScriptResult("Tavik_refer", 6);
    EXPECT_EQ(5, Tavik_refer(h, 1, "x"));
    EXPECT_EQ(6, Tavik_refer(h, 1, "x"));
    EXPECT_EQ(-1, EngineControl_ScriptResult("NotAnEngineCall", 0));
}

TEST_F(SimulatedService, AScriptedRegistrationStartsNothing)
{
    RecordingCallback callback;
    EngineSession engine(&callback);
    ASSERT_EQ(0, SetUser(engine.Handle(), "sip.example.com"));
    EngineControl_ScriptResult("Tavik_registerServer", -3);
    EXPECT_EQ(-3, Tavik_registerServer(engine.Handle(), 90));
    EXPECT_EQ(0, EngineControl_WaitIdle(engine.Handle(), kPatienceMs));
    EXPECT_TRUE(callback.Events().empty());
}

TEST_F(SimulatedService, TheJournalCopiesEveryArgument)
{
    RecordingCallback callback;
    EngineSession engine(&callback);
    const std::string h = std::to_string(engine.Handle());
    EngineControl_ClearJournal();

    char target[] = "sip:bob@example.com";
    Tavik_enableCallForwarding(engine.Handle(), 1, target);
    std::strcpy(target, "sip:changed@later");
    const HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x00A1B2C4));
    Tavik_createConference(engine.Handle(), window, 3, 0);
    int error = 0;
    Tavik_call(engine.Handle(), "say \"hi\"\\\t\xC3\xA9", 1, &error);
    char ip[64];
    Tavik_getLocalIP(engine.Handle(), 0, ip, sizeof ip);
    Tavik_presenceOnline(engine.Handle(), 4, nullptr);

    EXPECT_THAT(engine_control::JournalLines(),
                ElementsAre("Tavik_enableCallForwarding(" + h + ",1,\"sip:bob@example.com\")",
                            "Tavik_createConference(" + h + "," + engine_control::HwndText(window) + ",3,0)",
                            "Tavik_call(" + h + ",\"say \\\"hi\\\"\\\\\\x09\xC3\xA9\",1,out)",
                            "Tavik_getLocalIP(" + h + ",0,out,64)", "Tavik_presenceOnline(" + h + ",4,null)"));
    EXPECT_EQ("hwnd:00A1B2C4", engine_control::HwndText(window));
    EXPECT_STREQ("127.0.0.1", ip);

    EngineControl_ClearJournal();
    EXPECT_EQ(0, EngineControl_GetJournalCount());
    EXPECT_EQ(-1, EngineControl_GetJournalEntry(0, nullptr, 0));
}

TEST_F(SimulatedService, InitializeIsJournaledWithItsTexts)
{
    RecordingCallback callback;
    int error = 0;
    const TavikHandle handle =
        Tavik_initialize(&callback, 1, 3, "C:\\logs", 2, "Lumeo v8.1, Build 01220214", "stun.example.com", 3478, 0,
                         0, &error);
    ASSERT_NE(0u, handle);
    EXPECT_THAT(engine_control::JournalLines(),
                ElementsAre("Tavik_initialize(callback,1,3,\"C:\\\\logs\",2,\"Lumeo v8.1, Build 01220214\","
                            "\"stun.example.com\",3478,0,0,out)"));
    Tavik_unInitialize(handle);
}

} // namespace
