#pragma once
// Small helpers of the window tests.
#include "framework/Wnd.h"

#include <string>
#include <vector>

namespace wndtest {

// Dispatches whatever is queued for this thread, without waiting.
inline void PumpPending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Drops a WM_QUIT that a test provoked, so later tests start with a clean queue.
inline bool TakeQuit(int* code = nullptr)
{
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return false;
    if (code)
        *code = static_cast<int>(msg.wParam);
    return true;
}

// A plain top-level window of the framework's class, for tests that need a parent.
class Frame : public CWnd {
public:
    bool Make(LPCWSTR title = L"frame", DWORD style = WS_OVERLAPPEDWINDOW, HWND owner = nullptr)
    {
        return CreateEx(0, nullptr, title, style, 10, 10, 300, 200, owner, nullptr) != FALSE;
    }
};

} // namespace wndtest
