// Initialising and uninitialising the engine, its thread, handle 0, and the release of
// event records.
#include "tests/engine/EngineTestSupport.h"

#include <gmock/gmock.h>

#include <atomic>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

using namespace engine_test;
using ::testing::Contains;
using ::testing::ElementsAre;

namespace {

using EngineLifetime = EngineTest;

TEST_F(EngineLifetime, InitializeGivesFreshHandlesEachWithItsOwnThread)
{
    RecordingCallback callback;
    EngineSession first(&callback);
    EngineSession second(&callback);
    ASSERT_NE(0u, first.Handle());
    ASSERT_NE(0u, second.Handle());
    EXPECT_NE(first.Handle(), second.Handle());
    EXPECT_EQ(0, first.Error());
    EXPECT_EQ(2, EngineControl_GetEngineCount());

    const DWORD firstThread = EngineControl_GetEngineThreadId(first.Handle());
    const DWORD secondThread = EngineControl_GetEngineThreadId(second.Handle());
    EXPECT_NE(0u, firstThread);
    EXPECT_NE(GetCurrentThreadId(), firstThread);
    EXPECT_NE(firstThread, secondThread);

    const TavikHandle old = first.Handle();
    ASSERT_EQ(0, first.UnInitialize());
    EXPECT_TRUE(ThreadHasEnded(firstThread));
    EXPECT_EQ(1, EngineControl_GetEngineCount());

    // A handle is never handed out again.
    EngineSession third(&callback);
    EXPECT_NE(old, third.Handle());
}

TEST_F(EngineLifetime, ScriptedInitializeFailures)
{
    RecordingCallback callback;
    const struct {
        int giveHandle;
        int error;
    } cases[] = {{0, 7}, {1, 5}};
    for (const auto& c : cases) {
        EngineControl_ScriptInitialize(c.giveHandle, c.error);
        int error = 0;
        const TavikHandle handle = Tavik_initialize(&callback, 0, 0, "", 2, "agent", "", 0, 0, 0, &error);
        EXPECT_EQ(c.error, error);
        EXPECT_EQ(c.giveHandle != 0, handle != 0);
        // A handle given with an error is a running engine, released by the next sign-out.
        EXPECT_EQ(c.giveHandle, EngineControl_GetEngineCount());
        if (handle) {
            EXPECT_EQ(0, Tavik_unInitialize(handle));
        }
    }
}

TEST_F(EngineLifetime, InitializeWithoutCallbackFails)
{
    int error = 0;
    EXPECT_EQ(0u, Tavik_initialize(nullptr, 0, 0, "", 2, "agent", "", 0, 0, 0, &error));
    EXPECT_NE(0, error);
    EXPECT_EQ(0, EngineControl_GetEngineCount());
}

struct HandleCall {
    const char* name;
    std::function<int(TavikHandle)> call;
    int withoutEngine = -1; // refused; the count and volume getters report 0
};

// Every engine call that takes a handle, made with the handle given.
const std::vector<HandleCall>& EveryHandleCall()
{
    static const HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x1234));
    static const std::vector<HandleCall> calls = {
        {"unInitialize", [](TavikHandle h) { return Tavik_unInitialize(h); }},
        {"getLocalIP", [](TavikHandle h) { char b[64] = {}; return Tavik_getLocalIP(h, 0, b, 64); }},
        {"getLocalIP6", [](TavikHandle h) { char b[64] = {}; return Tavik_getLocalIP6(h, 0, b, 64); }},
        {"setUserInfo",
         [](TavikHandle h) {
             return Tavik_setUserInfo(h, "u", "d", "a", "p", "127.0.0.1", 5060, "dom", "proxy", 5060, "", 0);
         }},
        {"registerServer", [](TavikHandle h) { return Tavik_registerServer(h, 90); }},
        {"unRegisterServer", [](TavikHandle h) { return Tavik_unRegisterServer(h); }},
        {"setAudioDeviceId", [](TavikHandle h) { return Tavik_setAudioDeviceId(h, 1, 1); }},
        {"setVideoDeviceId", [](TavikHandle h) { return Tavik_setVideoDeviceId(h, 1); }},
        {"enableAEC", [](TavikHandle h) { return Tavik_enableAEC(h, 1); }},
        {"enableAGC", [](TavikHandle h) { return Tavik_enableAGC(h, 1); }},
        {"enableVAD", [](TavikHandle h) { return Tavik_enableVAD(h, 1); }},
        {"enableCNG", [](TavikHandle h) { return Tavik_enableCNG(h, 1); }},
        {"setVideoBitrate", [](TavikHandle h) { return Tavik_setVideoBitrate(h, 512); }},
        {"setVideoResolution", [](TavikHandle h) { return Tavik_setVideoResolution(h, 2); }},
        {"setLocalVideoWindow", [](TavikHandle h) { return Tavik_setLocalVideoWindow(h, window); }},
        {"viewLocalVideo", [](TavikHandle h) { return Tavik_viewLocalVideo(h, 1); }},
        {"enableDTMFOfInfo", [](TavikHandle h) { return Tavik_enableDTMFOfInfo(h); }},
        {"enableDTMFOfRFC2833", [](TavikHandle h) { return Tavik_enableDTMFOfRFC2833(h, 101); }},
        {"setDTMFSamples", [](TavikHandle h) { return Tavik_setDTMFSamples(h, 160); }},
        {"setSrtpPolicy", [](TavikHandle h) { return Tavik_setSrtpPolicy(h, 2); }},
        {"setRtpPortRange", [](TavikHandle h) { return Tavik_setRtpPortRange(h, 1, 2, 3, 4); }},
        {"enableSessionTimer", [](TavikHandle h) { return Tavik_enableSessionTimer(h, 90, 0); }},
        {"setRtpKeepAlive", [](TavikHandle h) { return Tavik_setRtpKeepAlive(h, 1, 126, 30000); }},
        {"enableCheckMwi", [](TavikHandle h) { return Tavik_enableCheckMwi(h, 1); }},
        {"setAudioQos", [](TavikHandle h) { return Tavik_setAudioQos(h, 1, 46, 1); }},
        {"setVideoQos", [](TavikHandle h) { return Tavik_setVideoQos(h, 1, 34); }},
        {"enableCallForwarding", [](TavikHandle h) { return Tavik_enableCallForwarding(h, 0, "sip:x@y"); }},
        {"disableCallForwarding", [](TavikHandle h) { return Tavik_disableCallForwarding(h); }},
        {"clearAudioCodec", [](TavikHandle h) { return Tavik_clearAudioCodec(h); }},
        {"addAudioCodec", [](TavikHandle h) { return Tavik_addAudioCodec(h, 0); }},
        {"clearVideoCodec", [](TavikHandle h) { return Tavik_clearVideoCodec(h); }},
        {"addVideoCodec", [](TavikHandle h) { return Tavik_addVideoCodec(h, 34); }},
        {"call", [](TavikHandle h) { int e = 0; return Tavik_call(h, "bob@example.com", 1, &e); }},
        {"setRemoteVideoWindow", [](TavikHandle h) { return Tavik_setRemoteVideoWindow(h, 1, window); }},
        {"answerCall", [](TavikHandle h) { return Tavik_answerCall(h, 1); }},
        {"rejectCall", [](TavikHandle h) { return Tavik_rejectCall(h, 1, 486, "Busy here"); }},
        {"terminateCall", [](TavikHandle h) { return Tavik_terminateCall(h, 1); }},
        {"hold", [](TavikHandle h) { return Tavik_hold(h, 1); }},
        {"unHold", [](TavikHandle h) { return Tavik_unHold(h, 1); }},
        {"sendDTMF", [](TavikHandle h) { return Tavik_sendDTMF(h, 1, '5'); }},
        {"refer", [](TavikHandle h) { return Tavik_refer(h, 1, "carol"); }},
        {"createConference", [](TavikHandle h) { return Tavik_createConference(h, window, 2, 0); }},
        {"joinToConference", [](TavikHandle h) { return Tavik_joinToConference(h, 1); }},
        {"destroyConference", [](TavikHandle h) { return Tavik_destroyConference(h); }},
        {"startAudioRecording",
         [](TavikHandle h) { return Tavik_startAudioRecording(h, "C:\\rec", "record_audio_file", 1, 1, 3); }},
        {"stopAudioRecording", [](TavikHandle h) { return Tavik_stopAudioRecording(h); }},
        {"startVideoSending", [](TavikHandle h) { return Tavik_startVideoSending(h, 1, 1); }},
        {"muteMicrophone", [](TavikHandle h) { return Tavik_muteMicrophone(h, 1); }},
        {"muteSpeaker", [](TavikHandle h) { return Tavik_muteSpeaker(h, 1); }},
        {"getMicVolume", [](TavikHandle h) { return Tavik_getMicVolume(h); }, 0},
        {"getSpeakerVolume", [](TavikHandle h) { return Tavik_getSpeakerVolume(h); }, 0},
        {"setMicVolume", [](TavikHandle h) { return Tavik_setMicVolume(h, 7); }},
        {"setSpeakerVolume", [](TavikHandle h) { return Tavik_setSpeakerVolume(h, 9); }},
        {"getNumOfPlayoutDevices", [](TavikHandle h) { return Tavik_getNumOfPlayoutDevices(h); }, 0},
        {"getPlayoutDeviceName", [](TavikHandle h) { char b[512]; return Tavik_getPlayoutDeviceName(h, 0, b, 512); }},
        {"getNumOfRecordingDevices", [](TavikHandle h) { return Tavik_getNumOfRecordingDevices(h); }, 0},
        {"getRecordingDeviceName",
         [](TavikHandle h) { char b[512]; return Tavik_getRecordingDeviceName(h, 0, b, 512); }},
        {"getNumOfVideoCaptureDevices", [](TavikHandle h) { return Tavik_getNumOfVideoCaptureDevices(h); }, 0},
        {"getVideoCaptureDeviceName",
         [](TavikHandle h) {
             char a[512], b[512];
             return Tavik_getVideoCaptureDeviceName(h, 0, a, 512, b, 512);
         }},
        {"showVideoCaptureSettingsDialogBox",
         [](TavikHandle h) { return Tavik_showVideoCaptureSettingsDialogBox(h, "id", 2, "", window, 200, 200); }},
        {"audioPlayLoopbackTest", [](TavikHandle h) { return Tavik_audioPlayLoopbackTest(h, 1); }},
        {"sendPagerMessage", [](TavikHandle h) { return Tavik_sendPagerMessage(h, "sip:bob@example.com", "hi"); }},
        {"presenceSubscribeContact",
         [](TavikHandle h) { return Tavik_presenceSubscribeContact(h, "sip:bob@example.com", "Hello"); }},
        {"presenceAcceptSubscribe", [](TavikHandle h) { return Tavik_presenceAcceptSubscribe(h, 3); }},
        {"presenceRejectSubscribe", [](TavikHandle h) { return Tavik_presenceRejectSubscribe(h, 3); }},
        {"presenceOnline", [](TavikHandle h) { return Tavik_presenceOnline(h, 3, "Available"); }},
        {"presenceOffline", [](TavikHandle h) { return Tavik_presenceOffline(h, 3); }},
    };
    return calls;
}

TEST_F(EngineLifetime, EveryCallWithHandleZeroChangesNothing)
{
    RecordingCallback callback;
    EngineSession engine(&callback);
    ASSERT_EQ(0, Tavik_setMicVolume(engine.Handle(), 33));
    ASSERT_EQ(0, Tavik_setSpeakerVolume(engine.Handle(), 44));
    EngineControl_ClearJournal();

    ASSERT_EQ(67u, EveryHandleCall().size()); // all but Tavik_initialize and Tavik_delSIPCallbackCommand
    for (const HandleCall& c : EveryHandleCall())
        EXPECT_EQ(c.withoutEngine, c.call(0)) << c.name;

    // Each call was journaled with its handle 0...
    const std::vector<std::string> journal = engine_control::JournalLines();
    ASSERT_EQ(EveryHandleCall().size(), journal.size());
    for (size_t i = 0; i < journal.size(); ++i)
        EXPECT_EQ("Tavik_" + std::string(EveryHandleCall()[i].name) + "(0",
                  journal[i].substr(0, journal[i].find_first_of(",)")));

    // ...and the running engine saw none of them.
    EXPECT_EQ(1, EngineControl_GetEngineCount());
    EXPECT_EQ(33, Tavik_getMicVolume(engine.Handle()));
    EXPECT_EQ(44, Tavik_getSpeakerVolume(engine.Handle()));
    int error = 0;
    EXPECT_EQ(1, Tavik_call(engine.Handle(), "bob@example.com", 1, &error)); // no session id was used up
    EXPECT_EQ(0, EngineControl_WaitIdle(engine.Handle(), kPatienceMs));
    for (const ReceivedEvent& event : callback.Events())
        EXPECT_EQ(1, event.sessionId) << "event " << event.type; // nothing from the registration or message
}

TEST_F(EngineLifetime, CallsWithAnUninitialisedHandleDoNothing)
{
    RecordingCallback callback;
    EngineSession engine(&callback);
    const TavikHandle stale = engine.Handle();
    ASSERT_EQ(0, engine.UnInitialize());
    for (const HandleCall& c : EveryHandleCall())
        EXPECT_EQ(c.withoutEngine, c.call(stale)) << c.name;
    EXPECT_EQ(0, EngineControl_GetEngineCount());
    EXPECT_TRUE(callback.Events().empty());
}

TEST_F(EngineLifetime, EventsArriveOnTheEngineThreadInOrder)
{
    RecordingCallback callback;
    EngineSession engine(&callback);
    for (int type = 1; type <= 32; ++type) {
        const EngineEventSpec spec = Event(type, type);
        ASSERT_EQ(0, EngineControl_InjectEvent(engine.Handle(), &spec, EngineDelivery_EngineThread));
    }
    ASSERT_TRUE(callback.WaitFor(32));
    const DWORD engineThread = EngineControl_GetEngineThreadId(engine.Handle());
    const std::vector<ReceivedEvent> events = callback.Events();
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(i + 1, events[static_cast<size_t>(i)].type);
        EXPECT_EQ(engineThread, events[static_cast<size_t>(i)].threadId);
    }
    EXPECT_EQ(32, EngineControl_GetDeliveredCount());
}

TEST_F(EngineLifetime, NoCallbackRunsAfterUnInitializeReturns)
{
    RecordingCallback callback;
    EngineSession engine(&callback);
    // Plenty queued, and a call whose progress is still to come.
    EngineControl_SetTiming(EngineTiming_CallAnswer, 200);
    const EngineEventSpec spec = Event(13, 0);
    ASSERT_EQ(0, EngineControl_InjectEvents(engine.Handle(), &spec, 2000));
    int error = 0;
    ASSERT_GT(Tavik_call(engine.Handle(), "bob@example.com", 1, &error), 0);
    const DWORD engineThread = EngineControl_GetEngineThreadId(engine.Handle());

    ASSERT_EQ(0, engine.UnInitialize());
    callback.Close();

    EXPECT_TRUE(ThreadHasEnded(engineThread));
    EXPECT_EQ(0, callback.LateArrivals());
    const size_t delivered = callback.Events().size();
    EXPECT_LT(delivered, 2003u); // the answer was still pending
    EXPECT_EQ(static_cast<int>(delivered), EngineControl_GetDeliveredCount());
}

// A callback that lingers in OnEvent and notes whether it was still running once the test
// had seen Tavik_unInitialize return.
class LingeringCallback final : public SIPCallbackEvent {
public:
    LingeringCallback() : entered_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~LingeringCallback() { CloseHandle(entered_); }
    LingeringCallback(const LingeringCallback&) = delete;
    LingeringCallback& operator=(const LingeringCallback&) = delete;

    void OnEvent(SIPCallbackCommand* record) override
    {
        SetEvent(entered_);
        Sleep(200); // long enough for an unInitialize that does not wait to return meanwhile
        if (closed_.load())
            ++lateExits_;
        Tavik_delSIPCallbackCommand(record);
    }

    bool WaitEntered() const { return WaitForSingleObject(entered_, kPatienceMs) == WAIT_OBJECT_0; }
    void Close() { closed_ = true; }
    int LateExits() const { return lateExits_.load(); }

private:
    const HANDLE entered_;
    std::atomic<bool> closed_{false};
    std::atomic<int> lateExits_{0};
};

TEST_F(EngineLifetime, UnInitializeWaitsOutADeliveryOnAnotherThread)
{
    LingeringCallback callback;
    EngineSession engine(&callback);
    const TavikHandle handle = engine.Handle();
    std::thread injector([handle] {
        const EngineEventSpec spec = Event(13, 0);
        EngineControl_InjectEvent(handle, &spec, EngineDelivery_Synchronous);
    });
    const bool entered = callback.WaitEntered();
    const int result = engine.UnInitialize();
    callback.Close();
    injector.join();

    ASSERT_TRUE(entered);
    EXPECT_EQ(0, result);
    EXPECT_EQ(0, callback.LateExits());
    EXPECT_EQ(1, EngineControl_GetDeliveredCount());
}

TEST_F(EngineLifetime, RecordsCanBeReleasedAfterUnInitialize)
{
    RecordingCallback keeper(/*keepRecords=*/true);
    EngineSession engine(&keeper);
    const EngineEventSpec spec = Event(21, 0);
    ASSERT_EQ(0, EngineControl_InjectEvents(engine.Handle(), &spec, 5));
    ASSERT_TRUE(keeper.WaitFor(5));
    ASSERT_EQ(0, engine.UnInitialize());
    EXPECT_EQ(5, EngineControl_GetLiveRecordCount());

    for (SIPCallbackCommand* record : keeper.TakeKeptRecords())
        Tavik_delSIPCallbackCommand(record);
    EXPECT_EQ(0, EngineControl_GetLiveRecordCount());
    Tavik_delSIPCallbackCommand(nullptr); // ignored
    EXPECT_EQ(0, EngineControl_GetBadReleaseCount());
}

TEST_F(EngineLifetime, ASecondReleaseIsCaughtAndFreesNothing)
{
    const EngineEventSpec spec = Event(1, 0);
    SIPCallbackCommand* record = EngineControl_NewRecord(&spec);
    ASSERT_NE(nullptr, record);
    EXPECT_EQ(1, EngineControl_GetLiveRecordCount());
    Tavik_delSIPCallbackCommand(record);
    EXPECT_EQ(0, EngineControl_GetLiveRecordCount());
    EXPECT_EQ(0, EngineControl_GetBadReleaseCount());
    Tavik_delSIPCallbackCommand(record);
    EXPECT_EQ(1, EngineControl_GetBadReleaseCount());
    EngineControl_Reset(); // the bad release was this test's point
}

TEST_F(EngineLifetime, SessionIdsCountFromOnePerHandle)
{
    RecordingCallback callback;
    EngineSession first(&callback);
    EngineSession second(&callback);
    int error = -1;
    std::vector<int> firstIds, secondIds;
    for (int i = 0; i < 3; ++i) {
        firstIds.push_back(Tavik_call(first.Handle(), "bob@example.com", 1, &error));
        EXPECT_EQ(0, error);
        secondIds.push_back(Tavik_call(second.Handle(), "carol@example.com", 1, &error));
    }
    EXPECT_THAT(firstIds, ElementsAre(1, 2, 3));
    EXPECT_THAT(secondIds, ElementsAre(1, 2, 3));

    // An incoming call the engine reported takes an id; the next call's id stays above it.
    EngineEventSpec incoming = Event(3, 7);
    ASSERT_EQ(0, EngineControl_InjectEvent(first.Handle(), &incoming, EngineDelivery_Synchronous));
    EXPECT_EQ(8, Tavik_call(first.Handle(), "dave@example.com", 1, &error));
    EXPECT_EQ(0, Tavik_answerCall(first.Handle(), 7));
}

} // namespace
