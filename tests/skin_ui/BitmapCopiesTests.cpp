// Copies, cut-outs, stretched and resized bitmaps.
#include "Pixels.h"

#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapFiles.h"

#include <gtest/gtest.h>

using namespace skin_ui_test;

namespace {

SIZE SizeOf(HBITMAP bitmap)
{
    SIZE size = {-1, -1};
    Vexel::GetBitmapSize(bitmap, size);
    return size;
}

bool SameSize(SIZE a, SIZE b)
{
    return a.cx == b.cx && a.cy == b.cy;
}

TEST(CopyBitmap, MakesAnEqualSeparateBitmap)
{
    CBitmap source;
    source.Attach(MakeBitmap(5, 3, Tag));
    CBitmap copy;

    ASSERT_EQ(0, Vexel::CopyBitmap(&copy, source));
    ASSERT_NE(nullptr, copy.GetSafeHandle());
    EXPECT_NE(source.GetSafeHandle(), copy.GetSafeHandle());
    EXPECT_EQ(ReadBitmap(source), ReadBitmap(copy));
}

TEST(CopyBitmap, NullSourceEmptiesTheSlotAndNullSlotIsRefused)
{
    CBitmap held;
    held.Attach(MakeBitmap(2, 2, Tag));
    EXPECT_EQ(0, Vexel::CopyBitmap(&held, nullptr));
    EXPECT_EQ(nullptr, held.GetSafeHandle());

    CBitmap source;
    source.Attach(MakeBitmap(2, 2, Tag));
    EXPECT_EQ(-1, Vexel::CopyBitmap(nullptr, source));
}

TEST(CropBitmap, TakesThePartUnderTheRectangle)
{
    CBitmap source;
    source.Attach(MakeBitmap(6, 5, Tag));
    CBitmap part;

    ASSERT_EQ(0, Vexel::CropBitmap(RECT{2, 1, 5, 3}, source, &part));
    SIZE size = {};
    const std::vector<COLORREF> pixels = ReadBitmap(part, &size);
    ASSERT_TRUE(SameSize(SIZE{3, 2}, size));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(Tag(x + 2, y + 1), pixels[y * 3 + x]) << x << "," << y;

    CBitmap same;
    ASSERT_EQ(0, Vexel::CropBitmapXYWH(2, 1, 3, 2, source, &same));
    EXPECT_EQ(pixels, ReadBitmap(same));
    EXPECT_EQ(-1, Vexel::CropBitmap(RECT{0, 0, 1, 1}, nullptr, &part));
}

TEST(CropTwoBitmaps, CropsEachSourceAndEmptiesSlotsWithout)
{
    CBitmap a;
    a.Attach(MakeBitmap(4, 4, Tag));
    CBitmap outA;
    CBitmap outB;
    outB.Attach(MakeBitmap(1, 1, Tag));   // held before: replaced by nothing

    EXPECT_EQ(0, Vexel::CropTwoBitmaps(RECT{1, 1, 3, 2}, a, nullptr, &outA, &outB));
    EXPECT_TRUE(SameSize(SIZE{2, 1}, SizeOf(outA)));
    EXPECT_EQ(Tag(1, 1), BitmapPixel(outA, 0, 0));
    EXPECT_EQ(nullptr, outB.GetSafeHandle());
    EXPECT_EQ(0, Vexel::CropTwoBitmaps(RECT{1, 1, 3, 2}, a, a, nullptr, nullptr));
}

TEST(CreateStretchedBitmap, ScalesTheWholeSource)
{
    CBitmap source;
    source.Attach(MakeBitmap(2, 3, Tag));
    CBitmap stretched;

    ASSERT_EQ(0, Vexel::CreateStretchedBitmap(source, &stretched, 4, 6));
    EXPECT_TRUE(SameSize(SIZE{4, 6}, SizeOf(stretched)));
    EXPECT_EQ(Tag(1, 2), BitmapPixel(stretched, 3, 5));
    EXPECT_EQ(Tag(0, 1), BitmapPixel(stretched, 1, 2));
    EXPECT_EQ(-1, Vexel::CreateStretchedBitmap(nullptr, &stretched, 4, 6));
}

TEST(CreateStretchedBitmap, MayReplaceItsOwnSource)
{
    CBitmap bitmap;
    bitmap.Attach(MakeBitmap(2, 2, Tag));
    ASSERT_EQ(0, Vexel::CreateStretchedBitmap(bitmap, &bitmap, 4, 4));
    EXPECT_TRUE(SameSize(SIZE{4, 4}, SizeOf(bitmap)));
    EXPECT_EQ(Tag(1, 1), BitmapPixel(bitmap, 3, 3));
}

TEST(CreateResizedBitmap, DrawsTheNineGridAtTheOrigin)
{
    CBitmap source;
    source.Attach(MakeBitmap(4, 3, Tag));
    CBitmap resized;

    ASSERT_EQ(0, Vexel::CreateResizedBitmap(source, &resized, 2, 1, 7, 5, 1, 1));
    SIZE size = {};
    const std::vector<COLORREF> pixels = ReadBitmap(resized, &size);
    ASSERT_TRUE(SameSize(SIZE{7, 5}, size));
    const int columns[] = {0, 1, 2, 2, 2, 2, 3};
    const int rows[] = {0, 1, 1, 1, 2};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(Tag(columns[x], rows[y]), pixels[y * 7 + x]) << x << "," << y;
    EXPECT_EQ(-1, Vexel::CreateResizedBitmap(nullptr, &resized, 0, 0, 2, 2, 1, 1));
}

TEST(BitmapSize, ReadsTheSizeOrSaysWhy)
{
    CBitmap bitmap;
    bitmap.Attach(MakeBitmap(7, 2, Tag));
    SIZE size = {-5, -5};
    EXPECT_EQ(0, Vexel::GetBitmapSize(bitmap, size));
    EXPECT_TRUE(SameSize(SIZE{7, 2}, size));

    size = SIZE{-5, -5};
    EXPECT_EQ(-1, Vexel::GetBitmapSize(nullptr, size));
    EXPECT_EQ(-2, Vexel::GetBitmapSize(reinterpret_cast<HBITMAP>(::GetStockObject(WHITE_BRUSH)), size));
    EXPECT_TRUE(SameSize(SIZE{-5, -5}, size));

    HBITMAP held = MakeBitmap(1, 1, Tag);
    Vexel::DeleteBitmapHandle(held);
    EXPECT_EQ(nullptr, held);
    Vexel::DeleteBitmapHandle(held);   // already empty: nothing happens
}

} // namespace
