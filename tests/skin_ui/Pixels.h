#pragma once
// Pixel fixtures of the skin drawing tests: bitmaps made from a colour rule, BMP files
// written by the tests themselves, a memory canvas to draw on, and pixel read-back.
#include "framework/Gdi.h"

#include <functional>
#include <string>
#include <vector>

namespace skin_ui_test {

using ColorRule = std::function<COLORREF(int x, int y)>;

// The colour a skin image paints where it is see-through: masks, colour keys, thumbs.
constexpr COLORREF kMagenta = RGB(255, 0, 255);

// A colour per source pixel that names its position, so a drawn pixel tells where it
// came from.
COLORREF Tag(int x, int y);

// A screen-compatible w x h bitmap coloured by `rule` (the caller owns it).
HBITMAP MakeBitmap(int w, int h, const ColorRule& rule);

// A 24-bit BMP file coloured by `rule`.
bool WriteBmp(const std::wstring& path, int w, int h, const ColorRule& rule);

// Every pixel of a bitmap, top row first (the bitmap must not be selected into a DC).
std::vector<COLORREF> ReadBitmap(HBITMAP bitmap, SIZE* size = nullptr);
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);

// A w x h screen-compatible bitmap in a memory DC, filled with `fill`.
class Canvas {
public:
    static constexpr COLORREF kFill = RGB(1, 2, 3);

    Canvas(int w, int h, COLORREF fill = kFill);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return m_dc.GetSafeHdc(); }
    CDC* Cdc() { return &m_dc; }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }
    int Width() const { return m_w; }
    int Height() const { return m_h; }

private:
    int m_w, m_h;
    CDC m_dc;
    CBitmap m_bitmap;
    HGDIOBJ m_previous = nullptr;
};

// The pixels of (x, y, w, h) of a canvas equal `expected`(x, y) for each; the first
// mismatch is described in the returned text (empty when all match).
std::string CompareArea(const Canvas& canvas, int x, int y, int w, int h, const ColorRule& expected);

} // namespace skin_ui_test
