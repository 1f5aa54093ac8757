#include "framework/Geometry.h"

#include <gtest/gtest.h>

#include <ostream>

static std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

TEST(CRectTests, MeasuresAndCorners)
{
    struct Case {
        CRect rect;
        int width;
        int height;
        CPoint center;
        bool empty;
        bool null;
    };
    const Case cases[] = {
        {CRect(), 0, 0, CPoint(0, 0), true, true},
        {CRect(10, 20, 110, 70), 100, 50, CPoint(60, 45), false, false},
        {CRect(5, 5, 5, 9), 0, 4, CPoint(5, 7), true, false},
        {CRect(0, 0, 1, 1), 1, 1, CPoint(0, 0), false, false},
        {CRect(10, 10, 0, 0), -10, -10, CPoint(5, 5), true, false},     // not normalized
        {CRect(-3, -3, 0, 0), 3, 3, CPoint(-1, -1), false, false},       // rounds toward zero
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.width, c.rect.Width()) << c.rect;
        EXPECT_EQ(c.height, c.rect.Height()) << c.rect;
        EXPECT_EQ(CSize(c.width, c.height), c.rect.Size()) << c.rect;
        EXPECT_EQ(c.center, c.rect.CenterPoint()) << c.rect;
        EXPECT_EQ(c.empty, c.rect.IsRectEmpty()) << c.rect;
        EXPECT_EQ(c.empty, ::IsRectEmpty(c.rect) != FALSE) << c.rect;  // same rule as the system
        EXPECT_EQ(c.null, c.rect.IsRectNull()) << c.rect;
        EXPECT_EQ(CPoint(c.rect.left, c.rect.top), c.rect.TopLeft());
        EXPECT_EQ(CPoint(c.rect.right, c.rect.bottom), c.rect.BottomRight());
    }
}

TEST(CRectTests, PointInsideIncludesLeftTopOnly)
{
    const CRect r(10, 10, 20, 20);
    struct Case {
        CPoint point;
        bool inside;
    };
    const Case cases[] = {
        {CPoint(10, 10), true},  {CPoint(19, 19), true},  {CPoint(20, 10), false},
        {CPoint(10, 20), false}, {CPoint(9, 15), false},  {CPoint(15, 15), true},
        {CPoint(-15, -15), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.inside, r.PtInRect(c.point)) << c.point.x << "," << c.point.y;
        EXPECT_EQ(c.inside, ::PtInRect(r, c.point) != FALSE);
    }
    EXPECT_FALSE(CRect().PtInRect(CPoint(0, 0)));
}

TEST(CRectTests, IntersectAndUnionMatchTheSystem)
{
    struct Case {
        CRect a;
        CRect b;
        CRect intersection;  // all zero when there is none
        CRect unionRect;
    };
    const Case cases[] = {
        {CRect(0, 0, 10, 10), CRect(5, 5, 15, 15), CRect(5, 5, 10, 10), CRect(0, 0, 15, 15)},
        {CRect(0, 0, 10, 10), CRect(10, 0, 20, 10), CRect(), CRect(0, 0, 20, 10)},       // touching
        {CRect(0, 0, 10, 10), CRect(20, 20, 30, 30), CRect(), CRect(0, 0, 30, 30)},
        {CRect(0, 0, 10, 10), CRect(2, 2, 4, 4), CRect(2, 2, 4, 4), CRect(0, 0, 10, 10)},  // inside
        {CRect(0, 0, 10, 10), CRect(), CRect(), CRect(0, 0, 10, 10)},                     // empty operand
        {CRect(), CRect(3, 3, 3, 9), CRect(), CRect()},                                   // both empty
        {CRect(-5, -5, 5, 5), CRect(-10, 0, 0, 10), CRect(-5, 0, 0, 5), CRect(-10, -5, 5, 10)},
    };
    for (const Case& c : cases) {
        CRect got(99, 99, 99, 99);
        EXPECT_EQ(!c.intersection.IsRectEmpty(), got.IntersectRect(c.a, c.b)) << c.a << c.b;
        EXPECT_EQ(c.intersection, got) << c.a << c.b;
        RECT system;
        ::IntersectRect(&system, c.a, c.b);
        EXPECT_EQ(CRect(system), got) << c.a << c.b;
        EXPECT_EQ(c.intersection, c.a & c.b);

        CRect u(99, 99, 99, 99);
        EXPECT_EQ(!c.unionRect.IsRectEmpty(), u.UnionRect(c.a, c.b)) << c.a << c.b;
        EXPECT_EQ(c.unionRect, u) << c.a << c.b;
        ::UnionRect(&system, c.a, c.b);
        EXPECT_EQ(CRect(system), u) << c.a << c.b;
        EXPECT_EQ(c.unionRect, c.a | c.b);
    }
    CRect self(0, 0, 10, 10);
    self &= CRect(5, -5, 20, 5);
    EXPECT_EQ(CRect(5, 0, 10, 5), self);
    self |= CRect(0, 0, 1, 1);
    EXPECT_EQ(CRect(0, 0, 10, 5), self);
}

TEST(CRectTests, MovingGrowingAndNormalizing)
{
    CRect r(10, 20, 30, 40);
    r.OffsetRect(5, -5);
    EXPECT_EQ(CRect(15, 15, 35, 35), r);
    r.OffsetRect(CPoint(-15, -15));
    EXPECT_EQ(CRect(0, 0, 20, 20), r);
    r.OffsetRect(CSize(1, 2));
    EXPECT_EQ(CRect(1, 2, 21, 22), r);
    r.InflateRect(1, 2);
    EXPECT_EQ(CRect(0, 0, 22, 24), r);
    r.DeflateRect(2, 2);
    EXPECT_EQ(CRect(2, 2, 20, 22), r);
    r.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(1, 0, 23, 26), r);
    r.DeflateRect(CRect(1, 2, 3, 4));
    EXPECT_EQ(CRect(2, 2, 20, 22), r);
    r.DeflateRect(CSize(20, 20));        // past its own size: inverted, not clamped
    EXPECT_EQ(CRect(22, 22, 0, 2), r);
    EXPECT_TRUE(r.IsRectEmpty());
    r.NormalizeRect();
    EXPECT_EQ(CRect(0, 2, 22, 22), r);
    r.MoveToXY(100, 200);
    EXPECT_EQ(CRect(100, 200, 122, 220), r);
    EXPECT_EQ(CRect(101, 202, 123, 222), r + CSize(1, 2));
    EXPECT_EQ(CRect(99, 198, 121, 218), r - CPoint(1, 2));
    r.SetRectEmpty();
    EXPECT_TRUE(r.IsRectNull());
    r.SetRect(CPoint(1, 2), CPoint(3, 4));
    EXPECT_EQ(CRect(1, 2, 3, 4), r);
    EXPECT_EQ(CRect(1, 2, 3, 4), CRect(CPoint(1, 2), CSize(2, 2)));
    r.CopyRect(nullptr);                  // ignored
    EXPECT_EQ(CRect(1, 2, 3, 4), r);
}

TEST(CRectTests, HandsItselfToTheSystem)
{
    CRect r(0, 0, 100, 50);
    ::OffsetRect(r, 10, 10);             // LPRECT
    EXPECT_EQ(CRect(10, 10, 110, 60), r);
    const CRect& cr = r;
    EXPECT_TRUE(::EqualRect(cr, &r));    // LPCRECT
    RECT plain = r;
    EXPECT_EQ(r, CRect(&plain));
    EXPECT_EQ(CRect(), CRect(static_cast<LPCRECT>(nullptr)));
    static_assert(sizeof(CRect) == sizeof(RECT) && sizeof(CPoint) == sizeof(POINT) && sizeof(CSize) == sizeof(SIZE),
                  "the wrappers add no data");
}

TEST(CPointSizeTests, Arithmetic)
{
    CPoint p(3, 4);
    p.Offset(1, 1);
    EXPECT_EQ(CPoint(4, 5), p);
    p += CSize(1, 1);
    p -= CPoint(2, 2);
    EXPECT_EQ(CPoint(3, 4), p);
    EXPECT_EQ(CSize(2, 2), CPoint(5, 6) - CPoint(3, 4));
    EXPECT_EQ(CPoint(6, 8), p + CPoint(3, 4));
    EXPECT_EQ(CPoint(2, 3), p - CSize(1, 1));
    EXPECT_EQ(CPoint(-3, -4), -p);
    EXPECT_NE(CPoint(3, 5), p);
    // Mouse-message coordinates are signed 16-bit halves.
    EXPECT_EQ(CPoint(-2, 300), CPoint(static_cast<LPARAM>(MAKELPARAM(-2, 300))));

    CSize s(2, 3);
    s += CSize(1, 1);
    EXPECT_EQ(CSize(3, 4), s);
    s -= CSize(3, 4);
    EXPECT_EQ(CSize(0, 0), s);
    EXPECT_EQ(CSize(-1, 2), -CSize(1, -2));
    EXPECT_EQ(CSize(4, 6), CSize(1, 2) + CSize(3, 4));
}
