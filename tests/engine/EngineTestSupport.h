#pragma once
// Helpers shared by the engine tests: a callback that records what it receives, a plain
// window that takes WM_ENGINE_EVENT like the main window, and an engine that is
// uninitialised when the test ends.
#include "engine/TavikControl.h"
#include "engine/TavikCore.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

namespace engine_test {

// Long enough never to be reached by a test that passes.
constexpr DWORD kPatienceMs = 10000;

// What tests look at in one event, read through the record's accessors.
struct ReceivedEvent {
    int type = 0;
    int sessionId = 0;
    int statusCode = 0;
    int subscribeId = 0;
    bool earlyMedia = false;
    bool hasVideo = false;
    std::string remoteAddress;
    std::string displayName;
    std::string statusText;
    bool hasBody = false;
    std::string body;
    DWORD threadId = 0; // where the record arrived

    static ReceivedEvent Read(const SIPCallbackCommand& record);
};

// An event to inject, with empty texts and no body unless set.
EngineEventSpec Event(int type, int sessionId = 0);

// Simulated service delays of 0 ms, so that flows complete at once.
void UseInstantTimings();

// A callback that copies each event and releases the record at once (or keeps the records,
// for tests of late release).
class RecordingCallback final : public SIPCallbackEvent {
public:
    explicit RecordingCallback(bool keepRecords = false) : keepRecords_(keepRecords) {}
    RecordingCallback(const RecordingCallback&) = delete;
    RecordingCallback& operator=(const RecordingCallback&) = delete;

    void OnEvent(SIPCallbackCommand* record) override;

    std::vector<ReceivedEvent> Events() const;
    std::vector<SIPCallbackCommand*> TakeKeptRecords();
    // Waits until at least `count` events have arrived; false when they do not come.
    bool WaitFor(std::size_t count) const;
    // From now on every arrival is counted as late.
    void Close();
    int LateArrivals() const;

private:
    const bool keepRecords_;
    mutable std::mutex mutex_;
    mutable std::condition_variable arrived_;
    std::vector<ReceivedEvent> events_;
    std::vector<SIPCallbackCommand*> kept_;
    bool closed_ = false;
    int late_ = 0;
};

// An engine initialised for one test; uninitialised at the end unless the test did it.
class EngineSession {
public:
    explicit EngineSession(SIPCallbackEvent* callback);
    ~EngineSession();
    EngineSession(const EngineSession&) = delete;
    EngineSession& operator=(const EngineSession&) = delete;

    TavikHandle Handle() const { return handle_; }
    int Error() const { return error_; }
    int UnInitialize();

private:
    TavikHandle handle_ = 0;
    int error_ = -1;
    bool running_ = false;
};

// A plain top-level window of the test thread that handles WM_ENGINE_EVENT as the main
// window does: it reads the record, then releases it.
class EventWindow {
public:
    EventWindow();
    ~EventWindow();
    EventWindow(const EventWindow&) = delete;
    EventWindow& operator=(const EventWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    void Destroy();

    const std::vector<ReceivedEvent>& Events() const { return events_; }
    int NonZeroLParams() const { return nonZeroLParams_; }
    int NullRecords() const { return nullRecords_; }

    // Runs this thread's message loop until `count` events have been handled.
    bool PumpUntil(std::size_t count);

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    std::vector<ReceivedEvent> events_;
    int nonZeroLParams_ = 0;
    int nullRecords_ = 0;
};

// Whether the thread has ended (or no longer exists).
bool ThreadHasEnded(DWORD threadId);

// Every engine test starts from a fresh simulation with instant timings and no event window,
// and must end with no engine running and every record released exactly once.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace engine_test
