#pragma once
// A plain popup window for the tests, destroyed when the object goes. Optionally a child
// of another one, and it can answer the resizing-point question as a skinned window does.
#include <windows.h>

namespace skin_ui_test {

class TestWindow {
public:
    // A popup of w x h at (0, 0) of the screen, without frame; hidden unless `visible`.
    TestWindow(int w, int h, bool visible = false);
    // A child at (x, y) of `parent`, with `style` added to WS_CHILD | WS_VISIBLE.
    TestWindow(HWND parent, int x, int y, int w, int h, DWORD style = 0);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    operator HWND() const { return m_window; }

    // The window answers WM_VXL_GETRESIZEPOINT with this point.
    void SetResizePoint(POINT point);

private:
    HWND m_window = nullptr;
};

// The window's current window procedure.
inline WNDPROC ProcedureOf(HWND window)
{
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC));
}

} // namespace skin_ui_test
