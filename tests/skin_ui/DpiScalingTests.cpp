// Scaling from the skin's design DPI to the screen's.
#include "FakeSystem.h"
#include "Pixels.h"

#include "skin/ui/DpiScaling.h"

#include <gtest/gtest.h>

using namespace skin_ui_test;
using Vexel::DpiPair;

namespace {

constexpr DpiPair kSkin96Screen120 = {{96, 96}, {120, 120}};

TEST(DpiArithmetic, LengthsAreScaledAndTruncated)
{
    const struct {
        DpiPair dpi;
        int in, outX, outY;
    } cases[] = {
        {kSkin96Screen120, 100, 125, 125},
        {kSkin96Screen120, 3, 3, 3},      // 3.75 truncated
        {kSkin96Screen120, -3, -3, -3},   // toward zero
        {kSkin96Screen120, 0, 0, 0},
        {{{120, 120}, {96, 96}}, 125, 100, 100},
        {{{-1, -1}, {120, 120}}, 100, 100, 100},
        {{{0, 0}, {120, 120}}, 100, 100, 100},
        {{{96, -1}, {120, 144}}, 100, 125, 100},
        {{{-1, 96}, {120, 144}}, 100, 100, 150},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.outX, Vexel::ScaleX(c.in, c.dpi)) << c.in << " skin " << c.dpi.skin.cx;
        EXPECT_EQ(c.outY, Vexel::ScaleY(c.in, c.dpi)) << c.in << " skin " << c.dpi.skin.cy;
    }
}

TEST(DpiArithmetic, RectanglesKeepAScaledSizeAndNeedBothValues)
{
    const RECT rect = {3, 10, 103, 30};
    const RECT scaled = Vexel::ScaleRect(rect, kSkin96Screen120);
    EXPECT_EQ(3, scaled.left);                 // 3.75
    EXPECT_EQ(12, scaled.top);                 // 12.5
    EXPECT_EQ(3 + 125, scaled.right);          // width 100 -> 125, from the scaled left
    EXPECT_EQ(12 + 25, scaled.bottom);         // height 20 -> 25

    const DpiPair onlyX = {{96, -1}, {120, 120}};
    const RECT same = Vexel::ScaleRect(rect, onlyX);
    EXPECT_EQ(rect.left, same.left);
    EXPECT_EQ(rect.top, same.top);
    EXPECT_EQ(rect.right, same.right);
    EXPECT_EQ(rect.bottom, same.bottom);
    EXPECT_EQ(125, Vexel::ScaleX(100, onlyX));   // while a length still scales
}

TEST(DpiArithmetic, FontHeightsAndBitmapSizes)
{
    EXPECT_EQ(-15, Vexel::ScaleFontHeight(-12, kSkin96Screen120));
    EXPECT_EQ(-12, Vexel::ScaleFontHeight(-12, DpiPair{{96, 0}, {120, 120}}));
    const SIZE size = Vexel::ScaleBitmapSize(SIZE{10, 7}, kSkin96Screen120);
    EXPECT_EQ(12, size.cx);   // 12.5
    EXPECT_EQ(8, size.cy);    // 8.75
    const SIZE unscaled = Vexel::ScaleBitmapSize(SIZE{10, 7}, DpiPair{{-1, 96}, {120, 120}});
    EXPECT_EQ(10, unscaled.cx);
    EXPECT_EQ(7, unscaled.cy);
}

} // namespace
