#include "skin/ui/BitmapCopies.h"

#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/NineGrid.h"

namespace Vexel {
namespace {

// A new screen-compatible w x h bitmap into `out`, painted by `paint`(memory DC, screen
// DC). `out` is emptied when the bitmap cannot be made.
template <class Paint>
void MakeScreenBitmap(CBitmap& out, int w, int h, Paint paint)
{
    ScreenDC screen;
    CBitmap made;
    if (made.CreateCompatibleBitmap(&screen, w, h)) {
        BitmapDC target(screen, made);
        paint(target, screen);
    }
    HandBitmap(out, static_cast<HBITMAP>(made.Detach()));
}

} // namespace

int CopyBitmap(CBitmap* out, HBITMAP source)
{
    if (!out)
        return -1;
    SIZE size;
    if (GetBitmapSize(source, size) != 0) {
        out->DeleteObject();
        return 0;
    }
    MakeScreenBitmap(*out, size.cx, size.cy, [&](HDC target, HDC screen) {
        BitmapDC from(screen, source);
        ::BitBlt(target, 0, 0, size.cx, size.cy, from, 0, 0, SRCCOPY);
    });
    return 0;
}

int CropBitmap(const RECT& rect, HBITMAP source, CBitmap* out)
{
    if (!source || !out)
        return -1;
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    MakeScreenBitmap(*out, w, h, [&](HDC target, HDC screen) {
        BitmapDC from(screen, source);
        ::BitBlt(target, 0, 0, w, h, from, rect.left, rect.top, SRCCOPY);
    });
    return 0;
}

int CropBitmapXYWH(int left, int top, int width, int height, HBITMAP source, CBitmap* out)
{
    const RECT rect = {left, top, left + width, top + height};
    return CropBitmap(rect, source, out);
}

SharedBitmap CroppedCopy(const RECT& rect, HBITMAP source)
{
    CBitmap cut;
    CropBitmap(rect, source, &cut);
    return SharedBitmap::Adopt(static_cast<HBITMAP>(cut.Detach()));
}

int CropTwoBitmaps(const RECT& rect, HBITMAP a, HBITMAP b, CBitmap* outA, CBitmap* outB)
{
    const auto cropOne = [&](HBITMAP source, CBitmap* out) {
        if (!out)
            return;
        if (source)
            CropBitmap(rect, source, out);
        else
            out->DeleteObject();
    };
    cropOne(a, outA);
    cropOne(b, outB);
    return 0;
}

int CreateStretchedBitmap(HBITMAP source, CBitmap* out, int w, int h)
{
    if (!source || !out)
        return -1;
    SIZE size = {0, 0};
    GetBitmapSize(source, size);
    MakeScreenBitmap(*out, w, h, [&](HDC target, HDC screen) {
        BitmapDC from(screen, source);
        ::SetStretchBltMode(target, COLORONCOLOR);
        ::StretchBlt(target, 0, 0, w, h, from, 0, 0, size.cx, size.cy, SRCCOPY);
    });
    return 0;
}

int CreateResizedBitmap(HBITMAP source, CBitmap* out, int resizeX, int resizeY, int w, int h, int repeatWidth,
                        int repeatHeight)
{
    if (!source || !out)
        return -1;
    MakeScreenBitmap(*out, w, h, [&](HDC target, HDC) {
        DrawResizedBitmapEx(target, 0, 0, w, h, source, repeatWidth, repeatHeight, resizeX, resizeY);
    });
    return 0;
}

} // namespace Vexel
