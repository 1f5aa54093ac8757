#include "skin/ui/WindowShape.h"

#include "skin/ui/MaskRegion.h"

#include <algorithm>
#include <cstddef>

namespace Vexel {
namespace {

// The pixels of (left, top)-(right, bottom) of `pixels` that the bitmap holds, as a
// bitmap of their own (smaller than the rectangle where the bitmap ends first).
PixelRows Part(const PixelRows& pixels, int left, int top, int right, int bottom)
{
    PixelRows part;
    part.width = std::max(0, std::min(right, pixels.width) - left);
    part.height = std::max(0, std::min(bottom, pixels.height) - top);
    part.pixels.resize(static_cast<size_t>(part.width) * part.height);
    for (int y = 0; y < part.height; ++y) {
        const DWORD* const row = pixels.pixels.data() + static_cast<size_t>(top + y) * pixels.width + left;
        std::copy(row, row + part.width, part.pixels.begin() + static_cast<std::ptrdiff_t>(y) * part.width);
    }
    return part;
}

// The quadrant less its mask runs; pixels beyond the bitmap stay in.
void CutQuadrant(const PixelRows& pixels, COLORREF mask, int left, int top, int right, int bottom, CRgn& region)
{
    if (right <= left || bottom <= top)
        return;
    CreateMaskRegion(Part(pixels, left, top, right, bottom), mask, right - left, bottom - top, region);
    region.OffsetRgn(left, top);
}

} // namespace

bool WindowShape::IsEmpty() const
{
    return std::none_of(quadrants.begin(), quadrants.end(), [](const CRgn& r) { return r.GetSafeHandle() != nullptr; });
}

void WindowShape::Clear()
{
    for (CRgn& region : quadrants)
        region.DeleteObject();
    for (std::vector<int>& strip : strips)
        strip.clear();
    pointMasked = 0;
}

int BuildWindowShape(const PixelRows& pixels, COLORREF mask, POINT p, WindowShape& shape)
{
    shape.Clear();
    if (pixels.width <= 0 || pixels.height <= 0)
        return -1;
    const int w = pixels.width;
    const int h = pixels.height;
    const DWORD key = PixelFromColor(mask);

    if (p.x > 0 && p.y > 0)
        CutQuadrant(pixels, mask, 0, 0, p.x, p.y, shape.quadrants[WindowShape::kTopLeft]);
    if (p.x < w - 1 && p.y > 0)
        CutQuadrant(pixels, mask, p.x + 1, 0, w, p.y, shape.quadrants[WindowShape::kTopRight]);
    if (p.x > 0 && p.y < h - 1)
        CutQuadrant(pixels, mask, 0, p.y + 1, p.x, h, shape.quadrants[WindowShape::kBottomLeft]);
    if (p.x < w - 1 && p.y < h - 1)
        CutQuadrant(pixels, mask, p.x + 1, p.y + 1, w, h, shape.quadrants[WindowShape::kBottomRight]);

    for (int x = 0; x < p.x; ++x) {
        if (!pixels.Matches(x, p.y, key))
            shape.strips[WindowShape::kLeft].push_back(x);
    }
    for (int y = 0; y < p.y; ++y) {
        if (!pixels.Matches(p.x, y, key))
            shape.strips[WindowShape::kAbove].push_back(y);
    }
    for (int x = p.x + 1; x < w; ++x) {
        if (!pixels.Matches(x, p.y, key))
            shape.strips[WindowShape::kRight].push_back(x);
    }
    for (int y = p.y + 1; y < h; ++y) {
        if (!pixels.Matches(p.x, y, key))
            shape.strips[WindowShape::kBelow].push_back(y);
    }
    shape.pointMasked = pixels.Matches(p.x, p.y, key) ? 1 : 0;
    return 0;
}

BOOL ComposeWindowShape(const WindowShape& shape, POINT p, SIZE growth, CRgn& region)
{
    const int dx = std::max<int>(growth.cx, 0);
    const int dy = std::max<int>(growth.cy, 0);

    std::vector<RECT> rects;
    for (const int y : shape.strips[WindowShape::kAbove])
        rects.push_back({p.x, y, p.x + dx + 1, y + 1});
    for (const int y : shape.strips[WindowShape::kBelow])
        rects.push_back({p.x, y + dy, p.x + dx + 1, y + dy + 1});
    for (const int x : shape.strips[WindowShape::kLeft])
        rects.push_back({x, p.y, x + 1, p.y + dy + 1});
    for (const int x : shape.strips[WindowShape::kRight])
        rects.push_back({x + dx, p.y, x + dx + 1, p.y + dy + 1});
    if (!shape.pointMasked)
        rects.push_back({p.x, p.y, p.x + dx + 1, p.y + dy + 1});
    if (!CreateRegionFromRects(rects, region))
        return FALSE;

    const POINT offsets[4] = {{0, 0}, {dx, 0}, {0, dy}, {dx, dy}};
    for (int i = 0; i < 4; ++i) {
        if (!shape.quadrants[i].GetSafeHandle())
            continue;
        CRgn moved;
        moved.CreateRectRgn(0, 0, 0, 0);
        moved.CopyRgn(&shape.quadrants[i]);
        moved.OffsetRgn(offsets[i]);
        region.CombineRgn(&region, &moved, RGN_OR);
    }
    return TRUE;
}

BYTE ClampAlpha(int alpha)
{
    return static_cast<BYTE>(std::clamp(alpha, 0, 255));
}

BLENDFUNCTION LayeredBlend(int alpha, int alphaFormat)
{
    BLENDFUNCTION blend{};
    blend.BlendOp = AC_SRC_OVER;
    blend.BlendFlags = 0;
    blend.SourceConstantAlpha = ClampAlpha(alpha);
    blend.AlphaFormat = alphaFormat == 1 ? AC_SRC_ALPHA : 0;
    return blend;
}

} // namespace Vexel
