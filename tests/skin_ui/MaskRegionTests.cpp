// Window shapes from mask bitmaps.
#include "Pixels.h"
#include "TestWindow.h"

#include "skin/ui/MaskRegion.h"
#include "skin/ui/WindowRegions.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace skin_ui_test;

namespace {


Vexel::PixelRows RowsFrom(int w, int h, const ColorRule& rule)
{
    Vexel::PixelRows rows;
    rows.width = w;
    rows.height = h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = rule(x, y);
            rows.pixels.push_back(static_cast<DWORD>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c));
        }
    return rows;
}

// The scan as first described: one XOR per vertical run, columns 0 through width, rows 0
// through height.
void ReferenceRegion(const Vexel::PixelRows& rows, COLORREF mask, int width, int height, CRgn& region)
{
    const DWORD key = Vexel::PixelFromColor(mask);
    region.Attach(::CreateRectRgn(0, 0, width, height));
    for (int x = 0; x <= width; ++x) {
        for (int y = 0; y <= height; ++y) {
            if (!rows.Matches(x, y, key))
                continue;
            int end = y + 1;
            while (rows.Matches(x, end, key))
                ++end;
            CRgn run;
            run.Attach(::CreateRectRgn(x, y, x + 1, end));
            region.CombineRgn(&region, &run, RGN_XOR);
            y = end;
        }
    }
}

// An 8 x 6 mask: column 2 magenta in rows 1-3, column 5 magenta from row 3 to the bottom
// edge, and the top-left corner pixel.
COLORREF Shape(int x, int y)
{
    if ((x == 2 && y >= 1 && y <= 3) || (x == 5 && y >= 3) || (x == 0 && y == 0))
        return kMagenta;
    return RGB(40, 40, 40);
}

bool In(const CRgn& region, int x, int y)
{
    return region.PtInRegion(x, y) != FALSE;
}

// The window's region into `region`; false when the window has none.
bool WindowRegionOf(HWND window, CRgn& region)
{
    region.CreateRectRgn(0, 0, 0, 0);
    return ::GetWindowRgn(window, region) != ERROR;
}

TEST(MaskRegion, MagentaRunsAreCutOut)
{
    CRgn region;
    ASSERT_TRUE(Vexel::CreateMaskRegion(RowsFrom(8, 6, Shape), kMagenta, 8, 6, region));
    const struct {
        int x, y;
        bool inside;
    } points[] = {
        {0, 0, false}, {1, 0, true}, {2, 0, true}, {2, 1, false}, {2, 3, false}, {2, 4, true},
        {5, 2, true},  {5, 3, false}, {5, 5, false}, {4, 5, true}, {7, 5, true}, {8, 0, false},
        {3, 6, false},
    };
    for (const auto& p : points)
        EXPECT_EQ(p.inside, In(region, p.x, p.y)) << p.x << "," << p.y;
}

TEST(MaskRegion, AColourWithAHighByteMatchesNothing)
{
    // CLR_INVALID is what a pixel outside the bitmap reads as: it must not make the run
    // below the bitmap endless, in a window larger than the bitmap.
    for (const COLORREF mask : {COLORREF{0x01FF00FF}, COLORREF{CLR_INVALID}}) {
        CRgn region;
        ASSERT_TRUE(Vexel::CreateMaskRegion(RowsFrom(8, 6, Shape), mask, 12, 9, region));
        CRgn whole;
        whole.Attach(::CreateRectRgn(0, 0, 12, 9));
        EXPECT_TRUE(region.EqualRgn(&whole))
            << std::hex << mask;
    }
}

// A deterministic speckled mask, so the runs fall everywhere.
COLORREF Speckle(int x, int y)
{
    const unsigned value = (static_cast<unsigned>(x) * 2654435761u) ^ (static_cast<unsigned>(y) * 40503u);
    return (value >> 7) % 3 == 0 ? kMagenta : RGB(x, y, 9);
}

TEST(MaskRegion, EqualsTheRunByRunScan)
{
    const Vexel::PixelRows rows = RowsFrom(40, 30, Speckle);
    const struct {
        const char* name;
        int width, height;
    } windows[] = {
        {"window of the bitmap's size", 40, 30},
        {"window smaller than the bitmap", 25, 17},
        {"window larger than the bitmap", 55, 44},
        {"window as wide, shorter", 40, 12},
        {"empty window", 0, 0},
    };
    for (const auto& w : windows) {
        CRgn fast;
        CRgn reference;
        ASSERT_TRUE(Vexel::CreateMaskRegion(rows, kMagenta, w.width, w.height, fast)) << w.name;
        ReferenceRegion(rows, kMagenta, w.width, w.height, reference);
        EXPECT_TRUE(fast.EqualRgn(&reference)) << w.name;
    }
}

TEST(WindowRegion, ShapesAWindowFromABitmap)
{
    TestWindow window(8, 6);
    CBitmap mask;
    mask.Attach(MakeBitmap(8, 6, Shape));

    ASSERT_EQ(0, Vexel::SetWindowRegionFromBitmap(window, mask, kMagenta));
    CRgn region;
    ASSERT_TRUE(WindowRegionOf(window, region));
    EXPECT_FALSE(In(region, 2, 2));
    EXPECT_FALSE(In(region, 5, 4));
    EXPECT_TRUE(In(region, 3, 2));
    EXPECT_TRUE(In(region, 7, 5));
    // The bitmap stays the caller's and usable.
    EXPECT_EQ(kMagenta, BitmapPixel(mask, 2, 2));
}

TEST(WindowRegion, ABitmapSmallerThanTheWindowLeavesTheRestOpaque)
{
    TestWindow window(20, 10);
    CBitmap mask;
    mask.Attach(MakeBitmap(8, 6, Shape));

    ASSERT_EQ(0, Vexel::SetWindowRegionFromBitmap(window, mask, kMagenta));
    CRgn region;
    ASSERT_TRUE(WindowRegionOf(window, region));
    EXPECT_FALSE(In(region, 5, 5));
    EXPECT_TRUE(In(region, 5, 6));
    EXPECT_TRUE(In(region, 19, 9));
}

TEST(WindowRegion, FromAFile)
{
    lumeo_test::TempDir folder;
    const std::wstring path = folder.File(L"mask.bmp");
    ASSERT_TRUE(WriteBmp(path, 8, 6, Shape));
    TestWindow window(8, 6);

    ASSERT_EQ(0, Vexel::SetWindowRegionFromFile(window, path.c_str(), kMagenta));
    CRgn region;
    ASSERT_TRUE(WindowRegionOf(window, region));
    EXPECT_FALSE(In(region, 2, 1));
    EXPECT_TRUE(In(region, 1, 1));
}

TEST(WindowRegion, MissingMaskLeavesTheWindowRectangular)
{
    lumeo_test::TempDir folder;
    TestWindow window(8, 6);
    EXPECT_EQ(-1, Vexel::SetWindowRegionFromFile(window, folder.File(L"absent.bmp").c_str(), kMagenta));
    EXPECT_EQ(-1, Vexel::SetWindowRegionFromBitmap(window, nullptr, kMagenta));
    CRgn region;
    EXPECT_FALSE(WindowRegionOf(window, region));
}

} // namespace
