#pragma once
// The window of the start-up benchmark's yardsticks: one class, one shown window and the message
// loop until it is closed, the least a Win32 program does to show a window.
#include <windows.h>

namespace bench {

inline LRESULT CALLBACK YardstickWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// Shows a window of class `className` titled `title` and runs until it is closed: 0, or 1 when
// the window cannot be made.
inline int RunYardstickWindow(LPCWSTR className, LPCWSTR title)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &YardstickWindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));   // the arrow
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    if (!::RegisterClassW(&windowClass))
        return 1;
    const HWND window = ::CreateWindowExW(0, className, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 320,
                                          560, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window)
        return 1;
    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}

} // namespace bench
