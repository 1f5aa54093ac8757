#include "ClientPixels.h"

namespace skin_ui_test {
namespace {

COLORREF PixelOf(HWND window, HDC dc, int x, int y)
{
    const COLORREF pixel = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return pixel;
}

} // namespace

COLORREF ClientPixel(HWND window, int x, int y)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return PixelOf(window, ::GetDC(window), x, y);
}

COLORREF WholeWindowPixel(HWND window, int x, int y)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return PixelOf(window, ::GetWindowDC(window), x, y);
}

} // namespace skin_ui_test

#include "Pixels.h"

namespace skin_ui_test {

void CopyClient(HWND window, Canvas& canvas)
{
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const HDC dc = ::GetDC(window);
    ::BitBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), dc, 0, 0, SRCCOPY);
    ::ReleaseDC(window, dc);
}

} // namespace skin_ui_test
