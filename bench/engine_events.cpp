// Engine event throughput: from the engine thread through Lumeo's callback, posted to a
// window procedure on this thread, read there and released back to the engine.
#include "bench/BenchHarness.h"
#include "core/VoipEvent.h"
#include "engine/TavikControl.h"

#include <cstdio>

namespace {

long g_handled = 0;

// The engine's share alone: a callback that releases each record on the engine thread.
class ReleasingCallback final : public SIPCallbackEvent {
public:
    void OnEvent(SIPCallbackCommand* record) override { Tavik_delSIPCallbackCommand(record); }
};

void PrintRate(const char* name, const bench::Result& result)
{
    std::printf("%-48s best %10.0f /s  median %10.0f /s\n", name, 1.0 / result.minSeconds,
                1.0 / result.medianSeconds);
}

LRESULT CALLBACK EventProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_ENGINE_EVENT) {
        auto* record = reinterpret_cast<SIPCallbackCommand*>(wp);
        if (record) {
            // What a dispatcher reads of every event.
            g_handled += record->GetEventType() > 0 ? 1 : 0;
            Tavik_delSIPCallbackCommand(record);
        }
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// Runs the message loop until `target` events have been handled.
void PumpUntil(long target)
{
    MSG msg;
    while (g_handled < target && GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
}

} // namespace

int main()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = EventProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BenchEngineEvents";
    RegisterClassW(&wc);
    const HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      wc.hInstance, nullptr);
    SetEngineEventWindow(hwnd);

    __VOIP_EVENT callback;
    int error = 0;
    const TavikHandle engine = Tavik_initialize(&callback, 0, 0, "", 2, "bench", "", 0, 0, 0, &error);
    if (!engine) {
        std::printf("engine did not start\n");
        return 1;
    }

    EngineEventSpec spec = {};
    spec.type = 21;
    spec.sessionId = 1;
    spec.remoteAddress = "bob@example.com";
    spec.displayName = "Bob";
    spec.messageBody = "hello";

    // Bursts stay well below the window queue's limit of posted messages.
    const long burst = 5000;
    const bench::Result result = bench::Measure("engine event -> window procedure -> release", 7, burst, [&] {
        const long target = g_handled + burst;
        EngineControl_InjectEvents(engine, &spec, static_cast<int>(burst));
        PumpUntil(target);
    });
    PrintRate("  events per second", result);
    std::printf("  failed hand-overs %d, records alive %d\n", EngineControl_GetFailedHandOverCount(),
                EngineControl_GetLiveRecordCount());
    Tavik_unInitialize(engine);

    ReleasingCallback releasing;
    const TavikHandle direct = Tavik_initialize(&releasing, 0, 0, "", 2, "bench", "", 0, 0, 0, &error);
    const bench::Result engineOnly = bench::Measure("engine event -> release on the engine thread", 7, burst, [&] {
        EngineControl_InjectEvents(direct, &spec, static_cast<int>(burst));
        EngineControl_WaitIdle(direct, 60000);
    });
    PrintRate("  events per second", engineOnly);
    Tavik_unInitialize(direct);

    SetEngineEventWindow(nullptr);
    DestroyWindow(hwnd);
    return 0;
}
