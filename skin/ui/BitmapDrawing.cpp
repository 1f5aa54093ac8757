#include "skin/ui/BitmapDrawing.h"

#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DcScopes.h"

namespace Vexel {

int DrawBitmap(HDC hdc, int x, int y, int w, int h, HBITMAP bitmap, int srcX, int srcY, DWORD rop)
{
    if (!bitmap)
        return -1;
    BitmapDC source(hdc, bitmap);
    ::BitBlt(hdc, x, y, w, h, source, srcX, srcY, rop);
    return 0;
}

int DrawBitmapInRect(HDC hdc, int left, int top, int right, int bottom, HBITMAP bitmap, int srcY)
{
    return DrawBitmap(hdc, left, top, right - left, bottom - top, bitmap, 0, srcY, SRCCOPY);
}

int DrawBitmapCentered(const RECT& rect, HDC hdc, HBITMAP bitmap)
{
    if (!bitmap)
        return -1;
    SIZE size;
    if (GetBitmapSize(bitmap, size) != 0)
        return -2;
    const int left = rect.left + (rect.right - rect.left - size.cx) / 2;
    const int top = rect.top + (rect.bottom - rect.top - size.cy) / 2;
    return DrawBitmap(hdc, left, top, size.cx, size.cy, bitmap, 0, 0, SRCCOPY);
}

int StretchBitmapToRect(HBITMAP bitmap, HDC hdc, const RECT& rect)
{
    if (!bitmap)
        return -1;
    SIZE size;
    if (GetBitmapSize(bitmap, size) != 0)
        return 0;
    BitmapDC source(hdc, bitmap);
    ::StretchBlt(hdc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source, 0, 0, size.cx,
                 size.cy, SRCCOPY);
    return 0;
}

int DrawBitmapKeyWhite(HDC hdc, int x, int y, int w, int h, HBITMAP bitmap, int srcX, int srcW, int srcH)
{
    if (!bitmap)
        return -1;
    BitmapDC source(hdc, bitmap);
    ::TransparentBlt(hdc, x, y, w, h, source, srcX, 0, srcW, srcH, RGB(255, 255, 255));
    return 0;
}

void DrawTransparentBitmap(HDC hdc, int x, int y, int w, int h, HDC source, int srcX, int srcY, int srcW, int srcH,
                           COLORREF key)
{
    if (w < 1 || h < 1 || srcW < 1 || srcH < 1)
        return;

    CBitmap colour;
    CBitmap mask;
    {
        BorrowedDC destination(hdc);
        if (!colour.CreateCompatibleBitmap(&destination, w, h) || !mask.CreateBitmap(w, h, 1, 1, nullptr))
            return;
    }
    BitmapDC colourDC(hdc, colour);
    BitmapDC maskDC(hdc, mask);

    if (w == srcW && h == srcH)
        ::BitBlt(colourDC, 0, 0, w, h, source, srcX, srcY, SRCCOPY);
    else
        ::StretchBlt(colourDC, 0, 0, w, h, source, srcX, srcY, srcW, srcH, SRCCOPY);

    // Key pixels become 1 in the mask, everything else 0.
    ::SetBkColor(colourDC, key);
    ::BitBlt(maskDC, 0, 0, w, h, colourDC, 0, 0, SRCCOPY);

    // Black out the key pixels of the colour copy.
    ::SetBkColor(colourDC, RGB(0, 0, 0));
    ::SetTextColor(colourDC, RGB(255, 255, 255));
    ::BitBlt(colourDC, 0, 0, w, h, maskDC, 0, 0, SRCAND);

    // Clear the opaque pixels of the destination, then lay the colour copy into them.
    ::SetBkColor(hdc, RGB(255, 255, 255));
    ::SetTextColor(hdc, RGB(0, 0, 0));
    ::BitBlt(hdc, x, y, w, h, maskDC, 0, 0, SRCAND);
    ::BitBlt(hdc, x, y, w, h, colourDC, 0, 0, SRCPAINT);
}

int TileBlt(HDC hdc, int x, int y, int w, int h, HDC source, int srcX, int srcY, int srcW, int srcH)
{
    if (!hdc || !source)
        return 0;
    if (w < 1 || h < 1)
        return 1;
    if (srcX < 0 || srcY < 0 || srcW < 1 || srcH < 1)
        return 0;

    CBitmap pattern;
    {
        BorrowedDC destination(hdc);
        if (!pattern.CreateCompatibleBitmap(&destination, srcW, srcH))
            return 0;
    }
    {
        BitmapDC patternDC(hdc, pattern);
        ::BitBlt(patternDC, 0, 0, srcW, srcH, source, srcX, srcY, SRCCOPY);
    }
    CBrush brush;
    if (!brush.CreatePatternBrush(&pattern))
        return 0;

    POINT previousOrigin;
    ::SetBrushOrgEx(hdc, x, y, &previousOrigin);
    const RECT area = {x, y, x + w, y + h};
    ::FillRect(hdc, &area, brush);
    ::SetBrushOrgEx(hdc, previousOrigin.x, previousOrigin.y, nullptr);
    return 1;
}

} // namespace Vexel
