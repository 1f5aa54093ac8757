// Scaling from the skin's design DPI to the screen's.
#include "FakeSystem.h"
#include "Pixels.h"

#include "TestSkin.h"

#include "skin/ui/DpiScaling.h"
#include "skin/ui/SkinFonts.h"

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

TEST(DpiArithmetic, PointsScaleLikeRectanglesOnlyWithBothValues)
{
    const POINT scaled = Vexel::ScalePoint(POINT{100, 3}, kSkin96Screen120);
    EXPECT_EQ(125, scaled.x);
    EXPECT_EQ(3, scaled.y);   // 3.75 truncated
    for (const DpiPair& unset : {DpiPair{{96, -1}, {120, 120}}, DpiPair{{0, 96}, {120, 120}}, Vexel::kUnscaledDpi}) {
        const POINT same = Vexel::ScalePoint(POINT{100, 100}, unset);
        EXPECT_EQ(100, same.x) << unset.skin.cx << "/" << unset.skin.cy;
        EXPECT_EQ(100, same.y) << unset.skin.cx << "/" << unset.skin.cy;
    }
}

TEST(DpiArithmetic, ARectangleWhoseScaledSizeIsWholeKeepsIt)
{
    // Sizes that scale to whole numbers keep them exactly; a ratio taken first as a
    // fraction comes out a hair low and would truncate them to one pixel less.
    const struct {
        DpiPair dpi;
        RECT in;
        RECT out;
    } cases[] = {
        {{{144, 144}, {96, 96}}, {0, 0, 3, 144}, {0, 0, 2, 96}},
        {{{144, 144}, {96, 96}}, {9, 30, 9 + 90, 30 + 3}, {6, 20, 6 + 60, 20 + 2}},
        {{{96, 96}, {110, 110}}, {0, 7, 816, 7 + 96}, {0, 8, 935, 8 + 110}},
        {{{96, 96}, {100, 100}}, {0, 0, 120, 816}, {0, 0, 125, 850}},
        // Reversed: the width is added to the scaled left before truncating, 94.52.
        {{{96, 96}, {110, 110}}, {100, 0, 100 - 17, 0}, {114, 0, 94, 0}},
    };
    for (const auto& c : cases) {
        const RECT scaled = Vexel::ScaleRect(c.in, c.dpi);
        EXPECT_EQ(c.out.left, scaled.left) << c.in.right;
        EXPECT_EQ(c.out.top, scaled.top) << c.in.right;
        EXPECT_EQ(c.out.right, scaled.right) << c.in.right;
        EXPECT_EQ(c.out.bottom, scaled.bottom) << c.in.right;
    }
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

namespace {

class DpiScalingTest : public testing::Test {
protected:
    DpiScalingTest() { system.screenDpi = SIZE{120, 120}; }

    FakeSystem system;
    TestSkin skin;
};

TEST_F(DpiScalingTest, SkinNinetySixOnAScreenOfOneHundredTwenty)
{
    skin.SetDesignDpi(96, 96);
    int x = 100, y = 3;
    long wide = 100;
    Vexel::ScaleXToDpi(x);
    Vexel::ScaleYToDpi(y);
    Vexel::ScaleXToDpi(wide);
    EXPECT_EQ(125, x);
    EXPECT_EQ(3, y);
    EXPECT_EQ(125, wide);

    RECT rect = {3, 10, 103, 30};
    Vexel::ScaleRectToDpi(rect);
    EXPECT_EQ(3, rect.left);
    EXPECT_EQ(128, rect.right);
    EXPECT_EQ(37, rect.bottom);

    LOGFONTW font = {};
    font.lfHeight = -12;
    Vexel::ScaleFontHeightToDpi(font);
    EXPECT_EQ(-15, font.lfHeight);
}

TEST_F(DpiScalingTest, UnsetDesignDpiLeavesValuesAlone)
{
    for (int unset : {-1, 0}) {
        skin.SetDesignDpi(unset, unset);
        int x = 100;
        long y = 100;
        RECT rect = {3, 10, 103, 30};
        LOGFONTW font = {};
        font.lfHeight = -12;
        Vexel::ScaleXToDpi(x);
        Vexel::ScaleYToDpi(y);
        Vexel::ScaleRectToDpi(rect);
        Vexel::ScaleFontHeightToDpi(font);
        EXPECT_EQ(100, x);
        EXPECT_EQ(100, y);
        EXPECT_EQ(103, rect.right);
        EXPECT_EQ(-12, font.lfHeight);
    }
}

TEST_F(DpiScalingTest, RectanglesAndFontsNeedBothValues)
{
    skin.SetDesignDpi(96, -1);
    RECT rect = {3, 10, 103, 30};
    Vexel::ScaleRectToDpi(rect);
    EXPECT_EQ(3, rect.left);
    EXPECT_EQ(103, rect.right);
    EXPECT_EQ(30, rect.bottom);
    LOGFONTW font = {};
    font.lfHeight = -12;
    Vexel::ScaleFontHeightToDpi(font);
    EXPECT_EQ(-12, font.lfHeight);
    int x = 100;
    Vexel::ScaleXToDpi(x);
    EXPECT_EQ(125, x);
}

TEST_F(DpiScalingTest, FontPropertiesAreScaledInPlace)
{
    skin.SetDesignDpi(96, 96);
    Vexel::PropertyValue font;
    LOGFONTW logFont = Vexel::DefaultSkinFont();
    font.SetLogFont(logFont);
    Vexel::ScaleFontPropertyToDpi(font);
    LOGFONTW scaled = {};
    font.GetLogFont(scaled);
    EXPECT_EQ(-15, scaled.lfHeight);
    EXPECT_STREQ(L"Tahoma", scaled.lfFaceName);
    EXPECT_EQ(Vexel::ValueKind::Font, font.Kind());

    Vexel::PropertyValue number(7);   // not a font: left as it is
    Vexel::ScaleFontPropertyToDpi(number);
    EXPECT_EQ(Vexel::ValueKind::None, number.Kind());
    EXPECT_EQ(7, number.GetInt());
}

TEST_F(DpiScalingTest, BitmapsAreScaledCopies)
{
    CBitmap source;
    source.Attach(MakeBitmap(8, 4, Tag));
    CBitmap scaled;

    skin.SetDesignDpi(96, 96);
    ASSERT_EQ(0, Vexel::ScaleBitmapToDpi(source, &scaled));
    SIZE size = {};
    ReadBitmap(scaled, &size);
    EXPECT_EQ(10, size.cx);
    EXPECT_EQ(5, size.cy);

    skin.SetDesignDpi(-1, 96);
    ASSERT_EQ(0, Vexel::ScaleBitmapToDpi(source, &scaled));
    EXPECT_EQ(ReadBitmap(source), ReadBitmap(scaled));   // an unscaled copy
    EXPECT_NE(source.GetSafeHandle(), scaled.GetSafeHandle());

    EXPECT_EQ(-1, Vexel::ScaleBitmapToDpi(source, nullptr));
    const HGDIOBJ held = scaled.GetSafeHandle();
    EXPECT_EQ(0, Vexel::ScaleBitmapToDpi(nullptr, &scaled));
    EXPECT_EQ(held, scaled.GetSafeHandle());
}

TEST_F(DpiScalingTest, ImagesAreScaledInPlaceOnlyWhenTheDpiDiffers)
{
    const struct {
        int skinX, skinY;
        bool on;
        LONG width;
    } cases[] = {
        {96, 96, true, 10},
        {120, 120, false, 8},
        {-1, -1, false, 8},
        {96, 0, false, 8},
    };
    for (const auto& c : cases) {
        skin.SetDesignDpi(c.skinX, c.skinY);
        EXPECT_EQ(c.on, Vexel::IsImageScalingOn()) << c.skinX << "/" << c.skinY;
        CBitmap bitmap;
        bitmap.Attach(MakeBitmap(8, 4, Tag));
        const HGDIOBJ before = bitmap.GetSafeHandle();
        Vexel::ScaleBitmapToDpiInPlace(bitmap);
        SIZE size = {};
        ReadBitmap(bitmap, &size);
        EXPECT_EQ(c.width, size.cx) << c.skinX << "/" << c.skinY;
        EXPECT_EQ(c.on, before != bitmap.GetSafeHandle()) << c.skinX << "/" << c.skinY;
    }
}

} // namespace
