#pragma once
// CPoint, CSize and CRect: the Win32 POINT, SIZE and RECT with the arithmetic windows need.
// Each is layout-identical to its Win32 structure and converts to its pointer, so it can be
// handed straight to the API.
#include <windows.h>

class CSize : public SIZE {
public:
    constexpr CSize() : SIZE{0, 0} {}
    constexpr CSize(int x, int y) : SIZE{x, y} {}
    constexpr CSize(SIZE size) : SIZE(size) {}

    bool operator==(SIZE other) const { return cx == other.cx && cy == other.cy; }
    bool operator!=(SIZE other) const { return !(*this == other); }
    CSize& operator+=(SIZE other) { cx += other.cx; cy += other.cy; return *this; }
    CSize& operator-=(SIZE other) { cx -= other.cx; cy -= other.cy; return *this; }
    CSize operator+(SIZE other) const { return CSize(cx + other.cx, cy + other.cy); }
    CSize operator-(SIZE other) const { return CSize(cx - other.cx, cy - other.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
};

class CPoint : public POINT {
public:
    constexpr CPoint() : POINT{0, 0} {}
    constexpr CPoint(int x, int y) : POINT{x, y} {}
    constexpr CPoint(POINT point) : POINT(point) {}
    constexpr explicit CPoint(SIZE size) : POINT{size.cx, size.cy} {}
    // A packed point as in the lParam of mouse messages (signed 16-bit halves).
    explicit CPoint(LPARAM packed)
        : POINT{static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))} {}

    void Offset(int dx, int dy) { x += dx; y += dy; }
    void Offset(POINT delta) { Offset(delta.x, delta.y); }
    void Offset(SIZE delta) { Offset(delta.cx, delta.cy); }
    void SetPoint(int newX, int newY) { x = newX; y = newY; }

    bool operator==(POINT other) const { return x == other.x && y == other.y; }
    bool operator!=(POINT other) const { return !(*this == other); }
    CPoint& operator+=(SIZE delta) { Offset(delta); return *this; }
    CPoint& operator-=(SIZE delta) { Offset(-delta.cx, -delta.cy); return *this; }
    CPoint& operator+=(POINT delta) { Offset(delta); return *this; }
    CPoint& operator-=(POINT delta) { Offset(-delta.x, -delta.y); return *this; }
    CPoint operator+(SIZE delta) const { return CPoint(x + delta.cx, y + delta.cy); }
    CPoint operator-(SIZE delta) const { return CPoint(x - delta.cx, y - delta.cy); }
    CPoint operator+(POINT delta) const { return CPoint(x + delta.x, y + delta.y); }
    CSize operator-(POINT other) const { return CSize(x - other.x, y - other.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
};

class CRect : public RECT {
public:
    constexpr CRect() : RECT{0, 0, 0, 0} {}
    constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& rect) : RECT(rect) {}
    CRect(LPCRECT rect) : RECT(rect ? *rect : RECT{0, 0, 0, 0}) {}
    constexpr CRect(POINT topLeft, SIZE size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    constexpr CRect(POINT topLeft, POINT bottomRight)
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    // Rounds toward zero, as integer halving does.
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    // Empty: no area (width or height zero or negative). Null: all four edges zero.
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // Left and top edges are inside, right and bottom edges are outside.
    bool PtInRect(POINT point) const
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }
    bool EqualRect(const RECT& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }

    void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    void SetRect(POINT topLeft, POINT bottomRight) { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(LPCRECT source) { if (source) *static_cast<RECT*>(this) = *source; }

    void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
    void OffsetRect(POINT delta) { OffsetRect(delta.x, delta.y); }
    void OffsetRect(SIZE delta) { OffsetRect(delta.cx, delta.cy); }
    void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }
    void MoveToXY(POINT point) { MoveToXY(point.x, point.y); }

    void InflateRect(int dx, int dy) { InflateRect(dx, dy, dx, dy); }
    void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    void InflateRect(int l, int t, int r, int b) { left -= l; top -= t; right += r; bottom += b; }
    void InflateRect(const RECT& by) { InflateRect(by.left, by.top, by.right, by.bottom); }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void DeflateRect(const RECT& by) { DeflateRect(by.left, by.top, by.right, by.bottom); }

    // Swaps edges so that left <= right and top <= bottom.
    void NormalizeRect()
    {
        if (left > right) { const LONG t = left; left = right; right = t; }
        if (top > bottom) { const LONG t = top; top = bottom; bottom = t; }
    }

    // The overlap of a and b; when there is none the result is all zero and the
    // answer false (as the system's IntersectRect).
    bool IntersectRect(const RECT& a, const RECT& b)
    {
        const CRect out(a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                        a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom);
        if (CRect(a).IsRectEmpty() || CRect(b).IsRectEmpty() || out.IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        *this = out;
        return true;
    }
    // The smallest rectangle holding both; an empty operand is ignored. Both empty: all
    // zero and false (as the system's UnionRect).
    bool UnionRect(const RECT& a, const RECT& b)
    {
        const bool emptyA = CRect(a).IsRectEmpty();
        const bool emptyB = CRect(b).IsRectEmpty();
        if (emptyA && emptyB) {
            SetRectEmpty();
            return false;
        }
        if (emptyA) { *this = b; return true; }
        if (emptyB) { *this = a; return true; }
        SetRect(a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
                a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom);
        return true;
    }

    bool operator==(const RECT& other) const { return EqualRect(other); }
    bool operator!=(const RECT& other) const { return !EqualRect(other); }
    CRect& operator+=(POINT delta) { OffsetRect(delta); return *this; }
    CRect& operator+=(SIZE delta) { OffsetRect(delta); return *this; }
    CRect& operator-=(POINT delta) { OffsetRect(-delta.x, -delta.y); return *this; }
    CRect& operator-=(SIZE delta) { OffsetRect(-delta.cx, -delta.cy); return *this; }
    CRect& operator&=(const RECT& other) { IntersectRect(*this, other); return *this; }
    CRect& operator|=(const RECT& other) { UnionRect(*this, other); return *this; }
    CRect operator+(POINT delta) const { CRect r(*this); r += delta; return r; }
    CRect operator+(SIZE delta) const { CRect r(*this); r += delta; return r; }
    CRect operator-(POINT delta) const { CRect r(*this); r -= delta; return r; }
    CRect operator-(SIZE delta) const { CRect r(*this); r -= delta; return r; }
    CRect operator&(const RECT& other) const { CRect r; r.IntersectRect(*this, other); return r; }
    CRect operator|(const RECT& other) const { CRect r; r.UnionRect(*this, other); return r; }
};
