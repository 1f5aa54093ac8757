#pragma once
// Scaling skin coordinates, fonts and bitmaps from the DPI the skin was designed at to the
// screen's. The skin's design DPI is the store's (LogPixelsX, LogPixelsY); a value below
// 1 (the file's -1, or 0) is unset and leaves that direction alone. The screen's DPI is
// read on every call. Results are truncated toward zero.
#include "framework/Gdi.h"
#include "skin/model/PropertyValue.h"

namespace Vexel {

// A design DPI and a screen DPI: the whole input of a scaling.
struct DpiPair {
    SIZE skin;     // the design DPI; below 1 = unset
    SIZE screen;

    bool HasX() const { return skin.cx >= 1; }
    bool HasY() const { return skin.cy >= 1; }
    // Rectangles, points, font heights and images scale only with both design values set.
    bool HasBoth() const { return HasX() && HasY(); }
};

// A pair that scales nothing.
constexpr DpiPair kUnscaledDpi = {{-1, -1}, {-1, -1}};

// The store's design DPI and the screen's DPI now.
DpiPair CurrentDpi();

// v = v * screen / skin, the product in integers, when that direction's design DPI is set.
int ScaleXToDpi(int& v);
int ScaleXToDpi(long& v);
int ScaleYToDpi(int& v);
int ScaleYToDpi(long& v);

// Only when both design values are set: the left and top are scaled, and the right and
// bottom follow from the scaled width and height (so the size scales with the position).
int ScaleRectToDpi(RECT& rect);

// Only when both design values are set: the height scaled vertically (negative stays
// negative).
int ScaleFontHeightToDpi(LOGFONTW& font);

// A font variable: its LOGFONT read, its height scaled, and stored back as a font.
int ScaleFontPropertyToDpi(PropertyValue& font);

// A scaled copy of the bitmap into `out` (an unscaled copy when a design value is unset).
// -1 for a null `out`; a null bitmap leaves `out` alone and gives 0.
int ScaleBitmapToDpi(HBITMAP bitmap, CBitmap* out);

// Whether skin images are scaled as they load: when the skin was designed at another DPI
// than the screen's. The first form asks the screen; the second answers for `dpi` in hand.
bool IsImageScalingOn();
bool IsImageScalingOn(const DpiPair& dpi);

// With image scaling on, the bitmap is replaced by its scaled copy (the old one deleted);
// otherwise it stays as it is.
void ScaleBitmapToDpiInPlace(CBitmap& bitmap);

// The scalings themselves, on a given DPI pair.
int ScaleX(int v, const DpiPair& dpi);
int ScaleY(int v, const DpiPair& dpi);
RECT ScaleRect(const RECT& rect, const DpiPair& dpi);
// Only when both design values are set, like a rectangle.
POINT ScalePoint(POINT point, const DpiPair& dpi);
LONG ScaleFontHeight(LONG height, const DpiPair& dpi);
SIZE ScaleBitmapSize(SIZE size, const DpiPair& dpi);

} // namespace Vexel
