#include "skin/ui/GradientBitmap.h"

#include <algorithm>
#include <array>
#include <vector>

namespace Vexel {
namespace {

using Ramp = std::array<DWORD, 256>;

BYTE Blend(BYTE a, BYTE b, int step)
{
    return static_cast<BYTE>(b + ::MulDiv(a - b, step, 255));
}

// Entry i runs from colour B (i = 0) to colour A (i = 255), each as a 32-bit DIB pixel
// (blue in the lowest byte), so the colours come out as given.
Ramp MakeRamp(COLORREF a, COLORREF b)
{
    Ramp ramp;
    for (int i = 0; i < 256; ++i) {
        const BYTE red = Blend(GetRValue(a), GetRValue(b), i);
        const BYTE green = Blend(GetGValue(a), GetGValue(b), i);
        const BYTE blue = Blend(GetBValue(a), GetBValue(b), i);
        ramp[i] = static_cast<DWORD>(blue) | static_cast<DWORD>(green) << 8 | static_cast<DWORD>(red) << 16;
    }
    return ramp;
}

// The ramp entry of position i of n; MulDiv's rounding gives 256 near the far end of
// sizes above 512, which takes the last entry.
DWORD EntryAt(const Ramp& ramp, int i, int n)
{
    return ramp[std::min(::MulDiv(256, i, n), 255)];
}

} // namespace

HBITMAP CreateGradientBitmap(COLORREF colorA, HDC hdc, COLORREF colorB, int w, int h, int direction)
{
    if (w < 1 || h < 1)
        return nullptr;
    const Ramp ramp = MakeRamp(colorA, colorB);

    std::vector<DWORD> pixels(static_cast<size_t>(w) * static_cast<size_t>(h), ramp[0]);
    if (direction == kGradientVertical) {
        // The buffer is bottom-up: row 0 is the bottom row.
        for (int row = 0; row < h; ++row)
            std::fill_n(pixels.begin() + static_cast<ptrdiff_t>(row) * w, w, EntryAt(ramp, row, h));
    } else if (direction == kGradientHorizontal) {
        for (int column = 0; column < w; ++column)
            pixels[column] = EntryAt(ramp, column, w);
        for (int row = 1; row < h; ++row)
            std::copy_n(pixels.begin(), w, pixels.begin() + static_cast<ptrdiff_t>(row) * w);
    }

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return ::CreateDIBitmap(hdc, &info.bmiHeader, CBM_INIT, pixels.data(), &info, DIB_RGB_COLORS);
}

} // namespace Vexel
