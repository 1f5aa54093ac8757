// Drawing a bitmap around its resizing point: which source pixel lands where.
#include "Pixels.h"

#include "skin/ui/NineGrid.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using namespace skin_ui_test;

namespace {

// A destination pixel comes from source (columns[dx], rows[dy]); the layouts with
// 1-pixel repeats and the Ex layout with a taller repeat band are all separable so.
struct GridCase {
    const char* name;
    SIZE bitmap;
    POINT point;
    int w, h;
    std::vector<int> columns;
    std::vector<int> rows;
};

void PrintTo(const GridCase& c, std::ostream* out)
{
    *out << c.name;
}

constexpr int kLeft = 2;
constexpr int kTop = 3;

std::string CheckDrawn(const Canvas& canvas, const GridCase& c)
{
    return CompareArea(canvas, 0, 0, canvas.Width(), canvas.Height(), [&](int x, int y) {
        const int dx = x - kLeft;
        const int dy = y - kTop;
        if (dx < 0 || dy < 0 || dx >= c.w || dy >= c.h)
            return Canvas::kFill;
        return Tag(c.columns[dx], c.rows[dy]);
    });
}

class ResizedBitmapTest : public testing::TestWithParam<GridCase> {};

TEST_P(ResizedBitmapTest, PlacesEverySourcePixel)
{
    const GridCase& c = GetParam();
    CBitmap bitmap;
    bitmap.Attach(MakeBitmap(c.bitmap.cx, c.bitmap.cy, Tag));
    Canvas canvas(12, 10);

    ASSERT_EQ(0, Vexel::DrawResizedBitmap(canvas.Dc(), kLeft, kTop, c.w, c.h, bitmap, 1, c.point.x, c.point.y));
    EXPECT_EQ("", CheckDrawn(canvas, c)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Layouts, ResizedBitmapTest, testing::Values(
    GridCase{"exact size: one 1:1 copy", {4, 3}, {1, 1}, 4, 3, {0, 1, 2, 3}, {0, 1, 2}},
    GridCase{"smaller: the top-left part", {4, 3}, {1, 1}, 3, 2, {0, 1, 2}, {0, 1}},
    GridCase{"one pixel wider: two columns of the strip", {4, 3}, {1, 1}, 5, 3, {0, 1, 1, 2, 3}, {0, 1, 2}},
    GridCase{"one pixel taller: two rows of the strip", {4, 3}, {1, 1}, 4, 4, {0, 1, 2, 3}, {0, 1, 1, 2}},
    GridCase{"nine parts", {4, 3}, {2, 1}, 7, 5, {0, 1, 2, 2, 2, 2, 3}, {0, 1, 1, 1, 2}},
    GridCase{"point (0, 0): no top-left corner, first row and column repeat", {4, 3}, {0, 0}, 6, 5,
             {0, 0, 0, 1, 2, 3}, {0, 0, 0, 1, 2}},
    GridCase{"a point outside is clamped to the edge pixel", {4, 3}, {10, -5}, 6, 5, {0, 1, 2, 3, 3, 3},
             {0, 0, 0, 1, 2}}),
    [](const testing::TestParamInfo<GridCase>& info) { return "case" + std::to_string(info.index); });

TEST(ResizedBitmapEx, RepeatsABandOfTheGivenHeight)
{
    CBitmap bitmap;
    bitmap.Attach(MakeBitmap(4, 4, Tag));
    Canvas canvas(12, 10);

    ASSERT_EQ(0, Vexel::DrawResizedBitmapEx(canvas.Dc(), kLeft, kTop, 6, 6, bitmap, 1, 2, 1, 1));
    EXPECT_EQ("", CheckDrawn(canvas, {"", {4, 4}, {1, 1}, 6, 6, {0, 1, 1, 1, 2, 3}, {0, 1, 2, 1, 2, 3}}));
}

TEST(ResizedBitmapEx, StretchInOneDirectionUsesTheNinePartLayout)
{
    CBitmap bitmap;
    bitmap.Attach(MakeBitmap(4, 3, Tag));
    Canvas canvas(12, 10);

    ASSERT_EQ(0, Vexel::DrawResizedBitmapEx(canvas.Dc(), kLeft, kTop, 5, 3, bitmap, 1, 1, 1, 1));
    EXPECT_EQ("", CheckDrawn(canvas, {"", {4, 3}, {1, 1}, 5, 3, {0, 1, 1, 2, 3}, {0, 1, 2}}));
}

TEST(ResizedBitmapEx, APointInsideInOneDirectionIsEnough)
{
    // Each point lies outside the destination in one direction only; it is clamped into
    // the bitmap and the nine parts are drawn.
    const GridCase cases[] = {
        {"x left of it", {4, 3}, {-1, 1}, 6, 5, {0, 0, 0, 1, 2, 3}, {0, 1, 1, 1, 2}},
        {"y below it", {4, 3}, {2, 7}, 6, 5, {0, 1, 2, 2, 2, 3}, {0, 1, 2, 2, 2}},
    };
    for (const GridCase& c : cases) {
        CBitmap bitmap;
        bitmap.Attach(MakeBitmap(c.bitmap.cx, c.bitmap.cy, Tag));
        Canvas canvas(12, 10);
        ASSERT_EQ(0, Vexel::DrawResizedBitmapEx(canvas.Dc(), kLeft, kTop, c.w, c.h, bitmap, 1, 1, c.point.x, c.point.y));
        EXPECT_EQ("", CheckDrawn(canvas, c)) << c.name;
    }
}

TEST(ResizedBitmapEx, APointOutsideTheDestinationCopiesOneToOne)
{
    CBitmap bitmap;
    bitmap.Attach(MakeBitmap(4, 3, Tag));
    Canvas canvas(12, 10);

    ASSERT_EQ(0, Vexel::DrawResizedBitmapEx(canvas.Dc(), kLeft, kTop, 7, 5, bitmap, 1, 1, -1, 5));
    // The bitmap's own pixels, unstretched, at the destination's top-left.
    EXPECT_EQ("", CompareArea(canvas, kLeft, kTop, 4, 3, [](int x, int y) { return Tag(x - kLeft, y - kTop); }));
}

TEST(ResizedBitmap, NullBitmapDrawsNothing)
{
    Canvas canvas(4, 4);
    EXPECT_EQ(-1, Vexel::DrawResizedBitmap(canvas.Dc(), 0, 0, 4, 4, nullptr, 1, 1, 1));
    EXPECT_EQ(-1, Vexel::DrawResizedBitmapEx(canvas.Dc(), 0, 0, 4, 4, nullptr, 1, 1, 1, 1));
    EXPECT_EQ("", CompareArea(canvas, 0, 0, 4, 4, [](int, int) { return Canvas::kFill; }));
}

TEST(ResizedBitmap, InRectUsesTheRectangle)
{
    CBitmap bitmap;
    bitmap.Attach(MakeBitmap(4, 3, Tag));
    Canvas canvas(12, 10);
    const RECT rect = {kLeft, kTop, kLeft + 7, kTop + 5};

    ASSERT_EQ(0, Vexel::DrawResizedBitmapInRect(rect, canvas.Dc(), 2, 1, bitmap));
    EXPECT_EQ("", CheckDrawn(canvas, {"", {4, 3}, {2, 1}, 7, 5, {0, 1, 2, 2, 2, 2, 3}, {0, 1, 1, 1, 2}}));
}

} // namespace
