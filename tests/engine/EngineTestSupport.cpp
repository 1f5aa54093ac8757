#include "tests/engine/EngineTestSupport.h"

#include "core/VoipEvent.h"

#include <chrono>

namespace engine_test {

ReceivedEvent ReceivedEvent::Read(const SIPCallbackCommand& record)
{
    ReceivedEvent event;
    event.type = record.GetEventType();
    event.sessionId = record.GetSessionId();
    event.statusCode = record.GetStatusCode();
    event.subscribeId = record.GetSubscribeId();
    event.earlyMedia = record.HasEarlyMedia();
    event.hasVideo = record.HasVideo();
    char text[SIPCallbackCommand::kMinTextBuffer] = {};
    record.GetRemoteAddress(text, sizeof text);
    event.remoteAddress = text;
    record.GetDisplayName(text, sizeof text);
    event.displayName = text;
    record.GetStatusText(text, sizeof text);
    event.statusText = text;
    std::string body(SIPCallbackCommand::kMinBodyBuffer, '\0');
    event.hasBody = record.GetMessageBody(body.data(), body.size());
    event.body = body.c_str();
    event.threadId = GetCurrentThreadId();
    return event;
}

EngineEventSpec Event(int type, int sessionId)
{
    EngineEventSpec spec = {};
    spec.type = type;
    spec.sessionId = sessionId;
    return spec;
}

void UseInstantTimings()
{
    for (int timing = EngineTiming_Register; timing <= EngineTiming_Message; ++timing)
        EngineControl_SetTiming(timing, 0);
}

void RecordingCallback::OnEvent(SIPCallbackCommand* record)
{
    ReceivedEvent event = ReceivedEvent::Read(*record);
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (closed_)
            ++late_;
        events_.push_back(std::move(event));
        if (keepRecords_)
            kept_.push_back(record);
    }
    if (!keepRecords_)
        Tavik_delSIPCallbackCommand(record);
    arrived_.notify_all();
}

std::vector<ReceivedEvent> RecordingCallback::Events() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return events_;
}

std::vector<SIPCallbackCommand*> RecordingCallback::TakeKeptRecords()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return std::move(kept_);
}

bool RecordingCallback::WaitFor(std::size_t count) const
{
    std::unique_lock<std::mutex> lock(mutex_);
    return arrived_.wait_for(lock, std::chrono::milliseconds(kPatienceMs),
                             [&] { return events_.size() >= count; });
}

void RecordingCallback::Close()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
}

int RecordingCallback::LateArrivals() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return late_;
}

EngineSession::EngineSession(SIPCallbackEvent* callback)
{
    handle_ = Tavik_initialize(callback, 0, 0, "", 2, "Lumeo tests", "", 3478, 0, 0, &error_);
    running_ = handle_ != 0;
}

EngineSession::~EngineSession()
{
    UnInitialize();
}

int EngineSession::UnInitialize()
{
    if (!running_)
        return -1;
    running_ = false;
    return Tavik_unInitialize(handle_);
}

namespace {

constexpr wchar_t kWindowClass[] = L"LumeoEngineTestWindow";

} // namespace

EventWindow::EventWindow()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc = {};
    if (!GetClassInfoW(instance, kWindowClass, &wc)) {
        wc.lpfnWndProc = Proc;
        wc.hInstance = instance;
        wc.lpszClassName = kWindowClass;
        RegisterClassW(&wc);
    }
    hwnd_ = CreateWindowExW(0, kWindowClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, instance, this);
}

EventWindow::~EventWindow()
{
    Destroy();
}

void EventWindow::Destroy()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

LRESULT CALLBACK EventWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<EventWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_ENGINE_EVENT && self) {
        auto* record = reinterpret_cast<SIPCallbackCommand*>(wParam);
        if (lParam != 0)
            ++self->nonZeroLParams_;
        if (!record) {
            ++self->nullRecords_;
            return 1;
        }
        try {
            self->events_.push_back(ReceivedEvent::Read(*record));
        } catch (...) {
            // Out of memory: the event is not recorded, and the test will see it missing.
        }
        Tavik_delSIPCallbackCommand(record);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool EventWindow::PumpUntil(std::size_t count)
{
    const DWORD start = GetTickCount();
    while (events_.size() < count) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (events_.size() >= count)
            break;
        if (GetTickCount() - start > kPatienceMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    return true;
}

void EngineTest::SetUp()
{
    EngineControl_Reset();
    UseInstantTimings();
    SetEngineEventWindow(nullptr);
}

void EngineTest::TearDown()
{
    SetEngineEventWindow(nullptr);
    EXPECT_EQ(0, EngineControl_GetEngineCount());
    EXPECT_EQ(0, EngineControl_GetLiveRecordCount());
    EXPECT_EQ(0, EngineControl_GetBadReleaseCount());
}

bool ThreadHasEnded(DWORD threadId)
{
    const HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, threadId);
    if (!thread)
        return true;
    const bool ended = WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
    CloseHandle(thread);
    return ended;
}

} // namespace engine_test
