#include "ControlTestSupport.h"

#include "skin/ui/SkinMessages.h"

using namespace Vexel;

namespace skin_ui_test {

HBITMAP Solid(COLORREF color, int w, int h)
{
    return MakeBitmap(w, h, [color](int, int) { return color; });
}

void SetLeftButton(bool down)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_LBUTTON] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

COLORREF WindowPixel(HWND window, int x, int y)
{
    ::UpdateWindow(window);
    const HDC dc = ::GetDC(window);
    const COLORREF pixel = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return pixel;
}

COLORREF WholeWindowPixel(HWND window, int x, int y)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_FRAME);
    const HDC dc = ::GetWindowDC(window);
    const COLORREF pixel = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return pixel;
}

void CopyClient(HWND window, Canvas& canvas)
{
    ::UpdateWindow(window);
    const HDC dc = ::GetDC(window);
    ::BitBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), dc, 0, 0, SRCCOPY);
    ::ReleaseDC(window, dc);
}

LRESULT ProbeWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(NM_VXL_DRAWTEXT)) {
        textColors.push_back(::GetTextColor(reinterpret_cast<const NMVXLDRAWTEXT*>(lParam)->hdc));
        return takeText;
    }
    if (message == WM_VXL_DRAWCHILDITEM) {
        items.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return takeItem;
    }
    if (message == WM_VXL_GETBKDC && hideComposed)
        return 0;
    return TestUIWnd::WindowProc(message, wParam, lParam);
}

void PaintInto(CWnd& control, Canvas& canvas)
{
    control.SendMessage(WM_VXL_NOTIFYCHILD, reinterpret_cast<WPARAM>(canvas.Dc()));
}

} // namespace skin_ui_test
