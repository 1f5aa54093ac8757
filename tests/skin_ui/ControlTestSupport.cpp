#include "ControlTestSupport.h"

namespace skin_ui_test {

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
