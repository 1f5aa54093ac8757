#pragma once
// The outline of a shaped skinned window, cut once from its background by the mask
// colour and stretched on every resize without scanning pixels again. The row and the
// column through the resizing point are the stretch lines: what lies on them repeats as
// the window grows, the four quadrants around them only move.
//
// Also the blend a layered window is drawn with.
#include "framework/Gdi.h"
#include "skin/ui/MaskRegion.h"

#include <array>
#include <vector>

namespace Vexel {

struct WindowShape {
    enum Quadrant : int { kTopLeft = 0, kTopRight = 1, kBottomLeft = 2, kBottomRight = 3 };
    enum Strip : int { kLeft = 0, kAbove = 1, kRight = 2, kBelow = 3 };

    // Each quadrant less its mask-colour runs; empty where the point leaves no room.
    std::array<CRgn, 4> quadrants;
    // The opaque pixels of the stretch lines: x left of the point on its row, y above it
    // on its column, x right of it, y below it.
    std::array<std::vector<int>, 4> strips;
    // 1 when the pixel at the resizing point itself has the mask colour.
    int pointMasked = 0;

    bool IsEmpty() const;
    void Clear();
};

// Cuts `shape` out of a background's pixels around the resizing point. Pixels outside the
// bitmap never match the mask. -1 for empty pixels (no bitmap), else 0.
int BuildWindowShape(const PixelRows& pixels, COLORREF mask, POINT resizingPoint, WindowShape& shape);

// The window's region for a window `growth` larger than its background (each at least 0):
// the quadrants moved out by the growth, the stretch lines' opaque pixels drawn out
// across it, and the centre block unless the point is masked.
BOOL ComposeWindowShape(const WindowShape& shape, POINT resizingPoint, SIZE growth, CRgn& region);

// The constant alpha of a layered window, held to 0..255.
BYTE ClampAlpha(int alpha);

// Source-over with the clamped constant alpha; per-pixel alpha when `alphaFormat` is the
// AlphaFormat value 1 ("AC_SRC_ALPHA").
BLENDFUNCTION LayeredBlend(int alpha, int alphaFormat);

} // namespace Vexel
