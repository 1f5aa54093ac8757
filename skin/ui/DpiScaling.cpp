#include "skin/ui/DpiScaling.h"

#include "framework/SystemAnswers.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapFiles.h"

namespace Vexel {
namespace {

int ScaleInt(int v, LONG screen, LONG skin)
{
    return static_cast<int>(static_cast<long long>(v) * screen / skin);
}

// trunc(length * screen / skin + start), in integers so that an exact result is not
// truncated to one less (816 * 110 / 96 is 935, not 934.99...).
LONG ScaleFrom(LONG start, LONG length, LONG screen, LONG skin)
{
    return static_cast<LONG>((static_cast<long long>(length) * screen + static_cast<long long>(start) * skin) / skin);
}

} // namespace

DpiPair CurrentDpi()
{
    return DpiPair{SIZE{DesignDpi.LogPixelsX, DesignDpi.LogPixelsY}, GetSystemAnswers().GetScreenDpi()};
}

int ScaleX(int v, const DpiPair& dpi)
{
    return dpi.HasX() ? ScaleInt(v, dpi.screen.cx, dpi.skin.cx) : v;
}

int ScaleY(int v, const DpiPair& dpi)
{
    return dpi.HasY() ? ScaleInt(v, dpi.screen.cy, dpi.skin.cy) : v;
}

RECT ScaleRect(const RECT& rect, const DpiPair& dpi)
{
    if (!dpi.HasBoth())
        return rect;
    RECT scaled;
    scaled.left = ScaleInt(rect.left, dpi.screen.cx, dpi.skin.cx);
    scaled.top = ScaleInt(rect.top, dpi.screen.cy, dpi.skin.cy);
    scaled.right = ScaleFrom(scaled.left, rect.right - rect.left, dpi.screen.cx, dpi.skin.cx);
    scaled.bottom = ScaleFrom(scaled.top, rect.bottom - rect.top, dpi.screen.cy, dpi.skin.cy);
    return scaled;
}

POINT ScalePoint(POINT point, const DpiPair& dpi)
{
    if (!dpi.HasBoth())
        return point;
    return POINT{ScaleX(point.x, dpi), ScaleY(point.y, dpi)};
}

LONG ScaleFontHeight(LONG height, const DpiPair& dpi)
{
    if (!dpi.HasBoth())
        return height;
    return ScaleInt(height, dpi.screen.cy, dpi.skin.cy);
}

SIZE ScaleBitmapSize(SIZE size, const DpiPair& dpi)
{
    if (!dpi.HasBoth())
        return size;
    return SIZE{static_cast<LONG>(static_cast<double>(size.cx) * dpi.screen.cx / dpi.skin.cx),
                static_cast<LONG>(static_cast<double>(size.cy) * dpi.screen.cy / dpi.skin.cy)};
}

int ScaleXToDpi(int& v)
{
    v = ScaleX(v, CurrentDpi());
    return 0;
}

int ScaleXToDpi(long& v)
{
    v = ScaleX(static_cast<int>(v), CurrentDpi());
    return 0;
}

int ScaleYToDpi(int& v)
{
    v = ScaleY(v, CurrentDpi());
    return 0;
}

int ScaleYToDpi(long& v)
{
    v = ScaleY(static_cast<int>(v), CurrentDpi());
    return 0;
}

int ScaleRectToDpi(RECT& rect)
{
    rect = ScaleRect(rect, CurrentDpi());
    return 0;
}

int ScaleFontHeightToDpi(LOGFONTW& font)
{
    font.lfHeight = ScaleFontHeight(font.lfHeight, CurrentDpi());
    return 0;
}

int ScaleFontPropertyToDpi(PropertyValue& font)
{
    // Only a font is rewritten: another variable would otherwise become a zero font.
    if (font.Kind() != ValueKind::Font)
        return 0;
    LOGFONTW logFont = {};
    font.GetLogFont(logFont);
    ScaleFontHeightToDpi(logFont);
    font.InitArray(ValueKind::Font, &logFont);
    return 0;
}

int ScaleBitmapToDpi(HBITMAP bitmap, CBitmap* out)
{
    if (!out)
        return -1;
    SIZE size;
    if (GetBitmapSize(bitmap, size) != 0)
        return 0;
    const SIZE scaled = ScaleBitmapSize(size, CurrentDpi());
    CreateStretchedBitmap(bitmap, out, scaled.cx, scaled.cy);
    return 0;
}

bool IsImageScalingOn(const DpiPair& dpi)
{
    return dpi.HasBoth() && (dpi.skin.cx != dpi.screen.cx || dpi.skin.cy != dpi.screen.cy);
}

bool IsImageScalingOn()
{
    return IsImageScalingOn(CurrentDpi());
}

void ScaleBitmapToDpiInPlace(CBitmap& bitmap)
{
    if (IsImageScalingOn())
        ScaleBitmapToDpi(bitmap, &bitmap);
}

} // namespace Vexel
