#include "framework/ActiveBoxCaption.h"

namespace {

bool IsDialogBox(HWND window)
{
    wchar_t className[8] = {};
    return ::GetClassNameW(window, className, ARRAYSIZE(className)) > 0 && ::lstrcmpW(className, L"#32770") == 0;
}

// After the window procedure: by then the box is on the screen and the system has made it
// the foreground window, or not.
LRESULT CALLBACK AfterWindowProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const CWPRETSTRUCT& sent = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (sent.message == WM_WINDOWPOSCHANGED &&
            (reinterpret_cast<const WINDOWPOS*>(sent.lParam)->flags & SWP_SHOWWINDOW) && IsDialogBox(sent.hwnd) &&
            ::GetForegroundWindow() == sent.hwnd)
            ::SendMessageW(sent.hwnd, WM_NCACTIVATE, TRUE, 0);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

ActiveBoxCaptionScope::ActiveBoxCaptionScope()
    : m_hook(::SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterWindowProc, nullptr, ::GetCurrentThreadId()))
{
}

ActiveBoxCaptionScope::~ActiveBoxCaptionScope()
{
    if (m_hook)
        ::UnhookWindowsHookEx(m_hook);
}
