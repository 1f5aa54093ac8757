// Message dispatch through the framework's message maps against a plain window procedure.
#include "bench/BenchHarness.h"
#include "framework/Wnd.h"

#include <cstdio>

namespace {

constexpr UINT WM_BENCH = WM_USER + 100;

LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_USER + 1:
    case WM_USER + 2:
    case WM_USER + 3:
        return 0;
    case WM_BENCH:
        return static_cast<LRESULT>(wParam) + 1;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// A base map with the handler and a derived map of a typical window's size in front of
// it, so the lookup walks the derived entries first.
class BaseWnd : public CWnd {
protected:
    LRESULT OnBench(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam) + 1; }
    void OnPaint() { Default(); }
    void OnTimer(UINT_PTR) {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_MESSAGE(WM_BENCH, &BaseWnd::OnBench)
END_MESSAGE_MAP()

class PageWnd : public BaseWnd {
protected:
    int OnCreate(LPCREATESTRUCT cs) { return CWnd::OnCreate(cs); }
    void OnSize(UINT, int, int) {}
    void OnDestroy() { CWnd::OnDestroy(); }
    void OnClose() {}
    void OnMouseMove(UINT, CPoint) {}
    void OnLButtonDown(UINT, CPoint) {}
    void OnLButtonUp(UINT, CPoint) {}
    void OnRButtonUp(UINT, CPoint) {}
    void OnHScroll(UINT, UINT, CWnd*) {}
    void OnGetMinMaxInfo(MINMAXINFO*) {}
    void OnWindowPosChanging(WINDOWPOS*) {}
    void OnCommandAny() {}
    LRESULT OnUser(WPARAM, LPARAM) { return 0; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PageWnd, BaseWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONUP()
    ON_WM_HSCROLL()
    ON_WM_GETMINMAXINFO()
    ON_WM_WINDOWPOSCHANGING()
    ON_COMMAND(1002, &PageWnd::OnCommandAny)
    ON_COMMAND(1003, &PageWnd::OnCommandAny)
    ON_COMMAND(1004, &PageWnd::OnCommandAny)
    ON_COMMAND(1005, &PageWnd::OnCommandAny)
    ON_COMMAND(32774, &PageWnd::OnCommandAny)
    ON_COMMAND(32775, &PageWnd::OnCommandAny)
    ON_MESSAGE(WM_USER + 1, &PageWnd::OnUser)
    ON_MESSAGE(WM_USER + 2, &PageWnd::OnUser)
    ON_MESSAGE(WM_USER + 3, &PageWnd::OnUser)
END_MESSAGE_MAP()

} // namespace

int main()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"BenchPlainDispatch";
    RegisterClassW(&wc);
    const HWND plain = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       wc.hInstance, nullptr);
    PageWnd page;
    if (!plain || !page.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr))
        return 1;

    const int runs = 7;
    const long sends = 100000;
    const auto sendPlain = bench::Measure("SendMessage, plain window procedure", runs, sends, [&] {
        for (long i = 0; i < sends; ++i)
            SendMessageW(plain, WM_BENCH, static_cast<WPARAM>(i), 0);
    });
    const auto sendMap = bench::Measure("SendMessage, message map (entry in base map)", runs, sends, [&] {
        for (long i = 0; i < sends; ++i)
            SendMessageW(page.m_hWnd, WM_BENCH, static_cast<WPARAM>(i), 0);
    });

    // The same dispatch without the system's SendMessage around it: what the framework adds.
    const long calls = 2000000;
    volatile LRESULT sink = 0;
    WNDPROC volatile plainProc = &PlainProc;   // called through memory, so it is not inlined away
    WNDPROC volatile frameworkProc = &AfxWndProc;
    const auto callPlain = bench::Measure("direct call, plain window procedure", runs, calls, [&] {
        for (long i = 0; i < calls; ++i)
            sink = sink + plainProc(plain, WM_BENCH, static_cast<WPARAM>(i), 0);
    });
    const auto callMap = bench::Measure("direct call, AfxWndProc + message map", runs, calls, [&] {
        for (long i = 0; i < calls; ++i)
            sink = sink + frameworkProc(page.m_hWnd, WM_BENCH, static_cast<WPARAM>(i), 0);
    });
    const auto callUnmapped = bench::Measure("direct call, AfxWndProc, no entry (default)", runs, calls / 10, [&] {
        for (long i = 0; i < calls / 10; ++i)
            sink = sink + frameworkProc(page.m_hWnd, WM_NULL, 0, 0);
    });
    const auto callPlainDefault = bench::Measure("direct call, plain procedure, default", runs, calls / 10, [&] {
        for (long i = 0; i < calls / 10; ++i)
            sink = sink + plainProc(plain, WM_NULL, 0, 0);
    });

    // Ratios of the fastest runs: the least disturbed by whatever else the machine does.
    std::printf("ratio map/plain through SendMessage: %.2f\n", sendMap.minSeconds / sendPlain.minSeconds);
    std::printf("ratio map/plain, direct call:        %.2f\n", callMap.minSeconds / callPlain.minSeconds);
    std::printf("ratio map/plain, default processing: %.2f\n", callUnmapped.minSeconds / callPlainDefault.minSeconds);
    DestroyWindow(plain);
    return 0;
}
