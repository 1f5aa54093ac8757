#include "ControlTestSupport.h"

#include "skin/ui/SkinMessages.h"

namespace skin_ui_test {

ControlHost::ControlHost(int w, int h)
{
    CreateEx(WS_EX_TOOLWINDOW, nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, w, h, nullptr, nullptr);
}

ControlHost::~ControlHost()
{
    DestroyWindow();
}

LRESULT ControlHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case Vexel::WM_VXL_GETRESIZEPOINT:
        if (resizePoint.x != -1 || resizePoint.y != -1)
            return wParam == Vexel::kResizePointX ? resizePoint.x : resizePoint.y;
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        scrolls.push_back(Scroll{message, wParam, reinterpret_cast<HWND>(lParam)});
        break;
    case WM_NOTIFY:
        notifications.push_back(reinterpret_cast<const NMHDR*>(lParam)->code);
        break;
    case Vexel::WM_VXL_LISTTIPTEXT: {
        auto* text = reinterpret_cast<CString*>(wParam);
        tipTexts.push_back(static_cast<LPCWSTR>(*text));
        if (!tipReplacement.IsEmpty())
            *text = tipReplacement;
        return 0;
    }
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

COLORREF WindowPixel(HWND window, int x, int y)
{
    ::UpdateWindow(window);
    const HDC dc = ::GetDC(window);
    const COLORREF pixel = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return pixel;
}

HBITMAP SolidBitmap(int w, int h, COLORREF color)
{
    return MakeBitmap(w, h, [color](int, int) { return color; });
}

LeftButtonHeld::LeftButtonHeld()
{
    ::GetKeyboardState(m_saved);
    BYTE held[256];
    ::GetKeyboardState(held);
    held[VK_LBUTTON] = 0x80;
    ::SetKeyboardState(held);
}

LeftButtonHeld::~LeftButtonHeld()
{
    ::SetKeyboardState(m_saved);
}

} // namespace skin_ui_test
