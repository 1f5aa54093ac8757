#pragma once
// The shape of a window cut out of a rectangle by the pixels of a mask colour.
#include "framework/Gdi.h"

#include <vector>

namespace Vexel {

// The pixels of a bitmap as 32-bit words, blue in the lowest byte, top row first.
struct PixelRows {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;

    bool Matches(int x, int y, DWORD key) const
    {
        return x >= 0 && y >= 0 && x < width && y < height
            && (pixels[static_cast<size_t>(y) * width + x] & 0x00FFFFFF) == key;
    }
};

// Reads a bitmap's pixels in one GetDIBits call (the bitmap must not be selected into a
// DC). False, with `rows` empty, when it cannot be read.
bool ReadPixelRows(HBITMAP bitmap, HDC reference, PixelRows& rows);

// The pixel word a COLORREF is stored as in PixelRows; a colour with a non-zero high byte
// (a palette reference or "no colour") matches no pixel and gives kNoPixel.
constexpr DWORD kNoPixel = 0xFFFFFFFF;
DWORD PixelFromColor(COLORREF color);

// The region (0, 0, width, height) less every vertical run of mask-colour pixels: the
// columns 0 through `width` are scanned from row 0 through `height`, and a run found
// there is followed down to its last matching pixel and toggled out of (XOR) the
// rectangle. Pixels outside the bitmap never match. Built as one banded rectangle list,
// with consecutive equal rows merged, in a single region creation.
BOOL CreateMaskRegion(const PixelRows& rows, COLORREF mask, int width, int height, CRgn& region);

// One region from a list of rectangles in a single region creation; an empty list gives an
// empty region.
BOOL CreateRegionFromRects(const std::vector<RECT>& rects, CRgn& region);

} // namespace Vexel
