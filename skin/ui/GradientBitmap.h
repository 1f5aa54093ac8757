#pragma once
// Two-colour gradient bands (the skinned menu's icon area and title).
#include <windows.h>

namespace Vexel {

enum GradientDirection : int {
    kGradientVertical = 0,     // colour B at the bottom, colour A at the top
    kGradientHorizontal = 2,   // colour B at the left, colour A at the right
};

// A new w x h device-dependent bitmap made on `hdc` holding the gradient from colour B
// to colour A over 256 steps. A direction other than the two above gives a bitmap of
// colour B alone. The caller owns the handle; null on failure or for an empty size.
HBITMAP CreateGradientBitmap(COLORREF colorA, HDC hdc, COLORREF colorB, int w, int h, int direction);

} // namespace Vexel
