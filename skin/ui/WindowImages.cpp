#include "skin/ui/WindowImages.h"

#include "skin/ui/BitmapDrawing.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/SkinMessages.h"

namespace Vexel {
namespace {

// Where an image `size` long starts in a client extent by an alignment mode and offset.
int AlignedStart(int mode, int extent, int size, int offset)
{
    switch (mode) {
    case kAlignCenter: return (extent - size - offset) / 2 + offset;
    case kAlignNear: return offset;
    case kAlignFar: return extent - size - offset;
    default: return 0;
    }
}

// Copies the four one-pixel edges of a w x h image onto the window DC at the same places.
void CopyFrame(HDC windowDC, HDC image, int w, int h)
{
    ::BitBlt(windowDC, 0, 0, 1, h, image, 0, 0, SRCCOPY);
    ::BitBlt(windowDC, 0, 0, w, 1, image, 0, 0, SRCCOPY);
    ::BitBlt(windowDC, w - 1, 0, 1, h, image, w - 1, 0, SRCCOPY);
    ::BitBlt(windowDC, 0, h - 1, w, 1, image, 0, h - 1, SRCCOPY);
}

// Paints a window-sized scratch image with `paint`(memory DC) and copies its frame out.
template <class Paint>
void PaintFrame(HWND window, Paint paint)
{
    CRect rect;
    ::GetWindowRect(window, &rect);
    const int w = rect.Width();
    const int h = rect.Height();
    WindowDCScope windowDC(window, WindowDCScope::Area::Whole);
    CBitmap image;
    if (!image.CreateCompatibleBitmap(&windowDC, w, h))
        return;
    BitmapDC imageDC(windowDC, image);
    paint(imageDC, w, h);
    CopyFrame(windowDC, imageDC, w, h);
}

} // namespace

CRect RectInParent(HWND window, HWND parent)
{
    CRect rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT ControlResizePoint(HWND window, HWND parent, const RECT& inParent, BOOL askParent, int resizeX, int resizeY)
{
    if (!askParent)
        return POINT{resizeX, resizeY};
    const auto ask = [&](WPARAM which) {
        return static_cast<int>(::SendMessageW(parent, WM_VXL_GETRESIZEPOINT, which, reinterpret_cast<LPARAM>(window)));
    };
    return POINT{ask(kResizePointX) - inParent.left, ask(kResizePointY) - inParent.top};
}

int DrawForegroundImage(HWND window, CDC* dc, int xOffset, int yOffset, HBITMAP bitmap, int horizontalMode,
                        int verticalMode, COLORREF key)
{
    if (!bitmap || !dc)
        return -1;
    SIZE size;
    if (GetBitmapSize(bitmap, size) != 0)
        return 0;
    CRect client;
    ::GetClientRect(window, &client);
    const int left = AlignedStart(horizontalMode, client.Width(), size.cx, xOffset);
    const int top = AlignedStart(verticalMode, client.Height(), size.cy, yOffset);

    BitmapDC source(*dc, bitmap);
    DrawTransparentBitmap(*dc, left, top, size.cx, size.cy, source, 0, 0, size.cx, size.cy, key);
    return 0;
}

int DrawResizedBackground(HWND window, CDC* dc, HBITMAP bitmap, BOOL askParent, int resizeX, int resizeY)
{
    if (!::IsWindow(window))
        return -1;
    if (!dc || !dc->GetSafeHdc())
        return -2;
    if (!bitmap)
        return -3;
    const HWND parent = ::GetParent(window);
    if (!parent)
        return -4;

    const CRect rect = RectInParent(window, parent);
    const int w = rect.Width();
    const int h = rect.Height();
    const POINT point = ControlResizePoint(window, parent, rect, askParent, resizeX, resizeY);

    if (!(::GetWindowLongW(window, GWL_STYLE) & WS_BORDER)) {
        DrawResizedBitmap(*dc, 0, 0, w, h, bitmap, 1, point.x, point.y);
        return 0;
    }

    CBitmap whole;
    if (!whole.CreateCompatibleBitmap(dc, w, h))
        return 0;
    BitmapDC wholeDC(*dc, whole);
    DrawResizedBitmap(wholeDC, 0, 0, w, h, bitmap, 1, point.x, point.y);
    CRect client;
    ::GetClientRect(window, &client);
    ::BitBlt(*dc, 0, 0, client.Width(), client.Height(), wholeDC, 1, 1, SRCCOPY);
    return 0;
}

int DrawFrameFromBitmap(HWND window, HBITMAP bitmap)
{
    if (!::IsWindow(window))
        return -1;
    if (!bitmap)
        return -3;
    PaintFrame(window, [&](HDC image, int w, int h) { DrawBitmap(image, 0, 0, w, h, bitmap, 0, 0, SRCCOPY); });
    return 0;
}

int DrawFrameFromResizedBitmap(HWND window, HBITMAP bitmap, BOOL askParent, int resizeX, int resizeY)
{
    if (!::IsWindow(window))
        return -1;
    if (!bitmap)
        return -3;
    const HWND parent = ::GetParent(window);
    if (!parent)
        return -4;
    const POINT point = ControlResizePoint(window, parent, RectInParent(window, parent), askParent, resizeX, resizeY);
    PaintFrame(window, [&](HDC image, int w, int h) { DrawResizedBitmap(image, 0, 0, w, h, bitmap, 1, point.x, point.y); });
    return 0;
}

} // namespace Vexel
