#include "skin/ui/NineGrid.h"

#include "skin/ui/BitmapDrawing.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DcScopes.h"

#include <algorithm>

namespace Vexel {
namespace {

// Where the parts of a resized bitmap go, relative to the destination's top-left corner.
struct Grid {
    int px, py;            // the resize point, inside the bitmap
    int rightW, bottomH;   // the parts right of and below the point
    int midW, midH;        // the repeated middle
    int rightX, bottomY;   // where the right and bottom parts start
};

Grid MakeGrid(SIZE bitmap, int w, int h, int px, int py)
{
    Grid g;
    g.px = std::clamp(px, 0, static_cast<int>(bitmap.cx) - 1);
    g.py = std::clamp(py, 0, static_cast<int>(bitmap.cy) - 1);
    g.rightW = static_cast<int>(bitmap.cx) - g.px - 1;
    g.bottomH = static_cast<int>(bitmap.cy) - g.py - 1;
    g.midW = w - static_cast<int>(bitmap.cx) + 1;
    g.midH = h - static_cast<int>(bitmap.cy) + 1;
    g.rightX = std::max(w - g.rightW, g.px);
    g.bottomY = std::max(h - g.bottomH, g.py);
    return g;
}

// One part: drawn only when it has an area.
class PartPainter {
public:
    PartPainter(HDC hdc, int x, int y, HDC source) : m_hdc(hdc), m_x(x), m_y(y), m_source(source) {}

    void Copy(int x, int y, int w, int h, int srcX, int srcY) const
    {
        if (w >= 1 && h >= 1)
            ::BitBlt(m_hdc, m_x + x, m_y + y, w, h, m_source, srcX, srcY, SRCCOPY);
    }
    void Repeat(int x, int y, int w, int h, int srcX, int srcY, int srcW, int srcH) const
    {
        if (w >= 1 && h >= 1)
            TileBlt(m_hdc, m_x + x, m_y + y, w, h, m_source, srcX, srcY, srcW, srcH);
    }

private:
    HDC m_hdc;
    int m_x, m_y;
    HDC m_source;
};

// The nine parts; the middle row repeats a band `r` pixels high, the middle column one
// `c` pixels wide.
void DrawNineParts(const PartPainter& p, const Grid& g, int c, int r)
{
    p.Copy(0, 0, g.px, g.py, 0, 0);
    p.Repeat(g.px, 0, g.midW, g.py, g.px, 0, c, g.py);
    p.Copy(g.rightX, 0, g.rightW, g.py, g.px + 1, 0);

    p.Repeat(0, g.py, g.px, g.midH, 0, g.py, g.px, r);
    p.Repeat(g.px, g.py, g.midW, g.midH, g.px, g.py, c, r);
    p.Repeat(g.rightX, g.py, g.rightW, g.midH, g.px + 1, g.py, g.rightW, r);

    p.Copy(0, g.bottomY, g.px, g.bottomH, 0, g.py + 1);
    p.Repeat(g.px, g.bottomY, g.midW, g.bottomH, g.px, g.py + 1, c, g.bottomH);
    p.Copy(g.rightX, g.bottomY, g.rightW, g.bottomH, g.px + 1, g.py + 1);
}

} // namespace

int DrawResizedBitmap(HDC hdc, int x, int y, int w, int h, HBITMAP bitmap, int columnWidth, int px, int py)
{
    if (!bitmap)
        return -1;
    SIZE size;
    if (GetBitmapSize(bitmap, size) != 0)
        return 0;
    BitmapDC source(hdc, bitmap);
    const PartPainter p(hdc, x, y, source);
    const Grid g = MakeGrid(size, w, h, px, py);
    const int c = columnWidth;

    if (w <= size.cx && h <= size.cy) {
        p.Copy(0, 0, w, h, 0, 0);
    } else if (h <= size.cy) {
        p.Copy(0, 0, g.px, h, 0, 0);
        p.Repeat(g.px, 0, g.midW, h, g.px, 0, c, h);
        p.Copy(g.rightX, 0, g.rightW, h, g.px + 1, 0);
    } else if (w <= size.cx) {
        p.Copy(0, 0, w, g.py, 0, 0);
        p.Repeat(0, g.py, w, g.midH, 0, g.py, w, 1);
        p.Copy(0, g.bottomY, w, g.bottomH, 0, g.py + 1);
    } else {
        DrawNineParts(p, g, c, 1);
    }
    return 0;
}

int DrawResizedBitmapEx(HDC hdc, int x, int y, int w, int h, HBITMAP bitmap, int repeatWidth, int repeatHeight,
                        int px, int py)
{
    if (!bitmap)
        return -1;
    SIZE size;
    if (GetBitmapSize(bitmap, size) != 0)
        return 0;
    BitmapDC source(hdc, bitmap);
    const PartPainter p(hdc, x, y, source);

    const bool pointInside = (px >= 0 && px < w) || (py >= 0 && py < h);
    if ((w <= size.cx && h <= size.cy) || !pointInside) {
        p.Copy(0, 0, w, h, 0, 0);
        return 0;
    }
    DrawNineParts(p, MakeGrid(size, w, h, px, py), repeatWidth, repeatHeight);
    return 0;
}

int DrawResizedBitmapInRect(const RECT& rect, HDC hdc, int px, int py, HBITMAP bitmap)
{
    return DrawResizedBitmap(hdc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, bitmap, 1, px,
                             py);
}

} // namespace Vexel
