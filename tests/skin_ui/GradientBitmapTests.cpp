// Gradient bands: the colours come out as given, from B to A.
#include "Pixels.h"

#include "skin/ui/GradientBitmap.h"

#include <gtest/gtest.h>

using namespace skin_ui_test;

namespace {

constexpr COLORREF kA = RGB(200, 40, 10);    // red-heavy, so swapped channels would show
constexpr COLORREF kB = RGB(10, 90, 240);    // blue-heavy

HBITMAP Gradient(int w, int h, int direction)
{
    const HDC screen = ::GetDC(nullptr);
    const HBITMAP bitmap = Vexel::CreateGradientBitmap(kA, screen, kB, w, h, direction);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

TEST(GradientBitmap, VerticalRunsFromBAtTheBottomToAAtTheTop)
{
    CBitmap bitmap;
    bitmap.Attach(Gradient(3, 256, Vexel::kGradientVertical));
    ASSERT_NE(nullptr, bitmap.GetSafeHandle());

    // Bottom row = entry 0 = B; top row = entry MulDiv(256, 255, 256) = 255 = A.
    EXPECT_EQ(kB, BitmapPixel(bitmap, 0, 255));
    EXPECT_EQ(kA, BitmapPixel(bitmap, 2, 0));
    // Row 128 from the bottom takes entry 128: B + MulDiv(A - B, 128, 255) per channel.
    const COLORREF middle = RGB(10 + ::MulDiv(190, 128, 255), 90 + ::MulDiv(-50, 128, 255),
                                240 + ::MulDiv(-230, 128, 255));
    EXPECT_EQ(middle, BitmapPixel(bitmap, 1, 255 - 128));
}

TEST(GradientBitmap, HorizontalRunsFromBAtTheLeftToAAtTheRight)
{
    CBitmap bitmap;
    bitmap.Attach(Gradient(256, 2, Vexel::kGradientHorizontal));
    ASSERT_NE(nullptr, bitmap.GetSafeHandle());
    EXPECT_EQ(kB, BitmapPixel(bitmap, 0, 0));
    EXPECT_EQ(kA, BitmapPixel(bitmap, 255, 1));
    EXPECT_EQ(BitmapPixel(bitmap, 100, 0), BitmapPixel(bitmap, 100, 1));
}

TEST(GradientBitmap, LongBandsEndOnTheLastEntry)
{
    // MulDiv(256, 599, 600) rounds to 256, which takes entry 255.
    CBitmap bitmap;
    bitmap.Attach(Gradient(600, 1, Vexel::kGradientHorizontal));
    EXPECT_EQ(kA, BitmapPixel(bitmap, 599, 0));
}

TEST(GradientBitmap, AnUnknownDirectionGivesColourBThroughout)
{
    CBitmap bitmap;
    bitmap.Attach(Gradient(4, 4, 1));
    ASSERT_NE(nullptr, bitmap.GetSafeHandle());
    const std::vector<COLORREF> pixels = ReadBitmap(bitmap);
    ASSERT_EQ(16u, pixels.size());
    for (COLORREF pixel : pixels)
        EXPECT_EQ(kB, pixel);
}

TEST(GradientBitmap, AnEmptySizeGivesNoBitmap)
{
    EXPECT_EQ(nullptr, Gradient(0, 5, Vexel::kGradientVertical));
    EXPECT_EQ(nullptr, Gradient(5, 0, Vexel::kGradientHorizontal));
}

} // namespace
