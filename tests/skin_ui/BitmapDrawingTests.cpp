// Plain, centred, stretched, tiled and key-colour drawing.
#include "Pixels.h"

#include "skin/ui/BitmapDrawing.h"
#include "skin/ui/DcScopes.h"

#include <gtest/gtest.h>

using namespace skin_ui_test;

namespace {

constexpr COLORREF kInk = RGB(10, 120, 30);

TEST(TileBlt, ThePatternStartsAtTheDestinationsTopLeft)
{
    CBitmap source;
    source.Attach(MakeBitmap(3, 2, Tag));
    Vexel::BitmapDC sourceDC(nullptr, source);
    Canvas canvas(16, 12);

    ASSERT_EQ(1, Vexel::TileBlt(canvas.Dc(), 5, 4, 7, 5, sourceDC, 0, 0, 3, 2));
    EXPECT_EQ("", CompareArea(canvas, 0, 0, 16, 12, [](int x, int y) {
        if (x < 5 || y < 4 || x >= 12 || y >= 9)
            return Canvas::kFill;
        return Tag((x - 5) % 3, (y - 4) % 2);
    }));
}

TEST(TileBlt, RepeatsAPartOfTheSource)
{
    CBitmap source;
    source.Attach(MakeBitmap(4, 4, Tag));
    Vexel::BitmapDC sourceDC(nullptr, source);
    Canvas canvas(8, 8);

    ASSERT_EQ(1, Vexel::TileBlt(canvas.Dc(), 0, 0, 8, 8, sourceDC, 1, 2, 2, 1));
    EXPECT_EQ("", CompareArea(canvas, 0, 0, 8, 8, [](int x, int) { return Tag(1 + x % 2, 2); }));
}

TEST(TileBlt, ResultsOfTheRefusals)
{
    CBitmap source;
    source.Attach(MakeBitmap(3, 2, Tag));
    Vexel::BitmapDC sourceDC(nullptr, source);
    Canvas canvas(8, 8);
    const struct {
        const char* name;
        HDC destination;
        HDC from;
        int w, h, srcX, srcY, srcW, srcH;
        int result;
    } cases[] = {
        {"null destination", nullptr, sourceDC, 4, 4, 0, 0, 3, 2, 0},
        {"null source", canvas.Dc(), nullptr, 4, 4, 0, 0, 3, 2, 0},
        {"empty width", canvas.Dc(), sourceDC, 0, 4, 0, 0, 3, 2, 1},
        {"empty height", canvas.Dc(), sourceDC, 4, 0, 0, 0, 3, 2, 1},
        {"negative source x", canvas.Dc(), sourceDC, 4, 4, -1, 0, 3, 2, 0},
        {"negative source y", canvas.Dc(), sourceDC, 4, 4, 0, -1, 3, 2, 0},
        {"empty source width", canvas.Dc(), sourceDC, 4, 4, 0, 0, 0, 2, 0},
        {"empty source height", canvas.Dc(), sourceDC, 4, 4, 0, 0, 3, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.result, Vexel::TileBlt(c.destination, 1, 1, c.w, c.h, c.from, c.srcX, c.srcY, c.srcW, c.srcH))
            << c.name;
    }
    EXPECT_EQ("", CompareArea(canvas, 0, 0, 8, 8, [](int, int) { return Canvas::kFill; }));
}

// A 4 x 3 image whose middle column is the key colour.
COLORREF KeyedImage(int x, int)
{
    return x == 1 ? kMagenta : kInk;
}

TEST(DrawTransparentBitmap, KeyPixelsKeepTheDestination)
{
    CBitmap source;
    source.Attach(MakeBitmap(4, 3, KeyedImage));
    Vexel::BitmapDC sourceDC(nullptr, source);
    Canvas canvas(8, 6);

    Vexel::DrawTransparentBitmap(canvas.Dc(), 2, 1, 4, 3, sourceDC, 0, 0, 4, 3, kMagenta);
    EXPECT_EQ("", CompareArea(canvas, 0, 0, 8, 6, [](int x, int y) {
        if (x < 2 || y < 1 || x >= 6 || y >= 4 || x == 3)
            return Canvas::kFill;
        return kInk;
    }));
    EXPECT_EQ(RGB(255, 255, 255), ::GetBkColor(canvas.Dc()));
    EXPECT_EQ(RGB(0, 0, 0), ::GetTextColor(canvas.Dc()));
}

TEST(DrawTransparentBitmap, StretchesWhenTheSizesDiffer)
{
    CBitmap source;
    source.Attach(MakeBitmap(4, 3, KeyedImage));
    Vexel::BitmapDC sourceDC(nullptr, source);
    Canvas canvas(8, 6);

    Vexel::DrawTransparentBitmap(canvas.Dc(), 0, 0, 8, 6, sourceDC, 0, 0, 4, 3, kMagenta);
    EXPECT_EQ("", CompareArea(canvas, 0, 0, 8, 6, [](int x, int) {
        return x / 2 == 1 ? Canvas::kFill : kInk;
    }));
}

TEST(DrawTransparentBitmap, WithoutTheKeyColourTheImageIsOpaque)
{
    CBitmap source;
    source.Attach(MakeBitmap(3, 3, Tag));
    Vexel::BitmapDC sourceDC(nullptr, source);
    Canvas canvas(3, 3);

    Vexel::DrawTransparentBitmap(canvas.Dc(), 0, 0, 3, 3, sourceDC, 0, 0, 3, 3, kMagenta);
    EXPECT_EQ("", CompareArea(canvas, 0, 0, 3, 3, Tag));
}

TEST(DrawTransparentBitmap, AnEmptySizeDrawsNothing)
{
    CBitmap source;
    source.Attach(MakeBitmap(3, 3, Tag));
    Vexel::BitmapDC sourceDC(nullptr, source);
    Canvas canvas(3, 3);
    const COLORREF background = ::GetBkColor(canvas.Dc());

    Vexel::DrawTransparentBitmap(canvas.Dc(), 0, 0, 0, 3, sourceDC, 0, 0, 3, 3, kMagenta);
    Vexel::DrawTransparentBitmap(canvas.Dc(), 0, 0, 3, 3, sourceDC, 0, 0, 3, 0, kMagenta);
    EXPECT_EQ("", CompareArea(canvas, 0, 0, 3, 3, [](int, int) { return Canvas::kFill; }));
    EXPECT_EQ(background, ::GetBkColor(canvas.Dc()));
}

TEST(DrawBitmap, CopiesFromTheSourceOrigin)
{
    CBitmap bitmap;
    bitmap.Attach(MakeBitmap(5, 5, Tag));
    Canvas canvas(6, 6);

    EXPECT_EQ(0, Vexel::DrawBitmap(canvas.Dc(), 1, 2, 3, 2, bitmap, 2, 1, SRCCOPY));
    EXPECT_EQ("", CompareArea(canvas, 0, 0, 6, 6, [](int x, int y) {
        if (x < 1 || y < 2 || x >= 4 || y >= 4)
            return Canvas::kFill;
        return Tag(x - 1 + 2, y - 2 + 1);
    }));
    EXPECT_EQ(-1, Vexel::DrawBitmap(canvas.Dc(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
}

TEST(DrawBitmapInRect, TakesABandOfTheStrip)
{
    CBitmap strip;
    strip.Attach(MakeBitmap(4, 6, Tag));
    Canvas canvas(6, 6);

    EXPECT_EQ(0, Vexel::DrawBitmapInRect(canvas.Dc(), 1, 1, 5, 3, strip, 4));
    EXPECT_EQ("", CompareArea(canvas, 1, 1, 4, 2, [](int x, int y) { return Tag(x - 1, y - 1 + 4); }));
}

TEST(DrawBitmapCentered, CentresAndOverhangsToTheLeft)
{
    CBitmap bitmap;
    bitmap.Attach(MakeBitmap(3, 2, Tag));
    Canvas canvas(10, 10);

    EXPECT_EQ(0, Vexel::DrawBitmapCentered(RECT{2, 2, 8, 7}, canvas.Dc(), bitmap));
    // left = 2 + (6 - 3) / 2 = 3, top = 2 + (5 - 2) / 2 = 3
    EXPECT_EQ("", CompareArea(canvas, 0, 0, 10, 10, [](int x, int y) {
        if (x < 3 || y < 3 || x >= 6 || y >= 5)
            return Canvas::kFill;
        return Tag(x - 3, y - 3);
    }));

    Canvas small(10, 10);
    EXPECT_EQ(0, Vexel::DrawBitmapCentered(RECT{4, 4, 5, 5}, small.Dc(), bitmap));
    // left = 4 + (1 - 3) / 2 = 3, top = 4 + (1 - 2) / 2 = 4 (division toward zero)
    EXPECT_EQ(Tag(0, 0), small.At(3, 4));
    EXPECT_EQ(-1, Vexel::DrawBitmapCentered(RECT{0, 0, 1, 1}, small.Dc(), nullptr));
}

TEST(StretchBitmapToRect, FillsTheRectangle)
{
    CBitmap bitmap;
    bitmap.Attach(MakeBitmap(2, 2, Tag));
    Canvas canvas(6, 6);

    EXPECT_EQ(0, Vexel::StretchBitmapToRect(bitmap, canvas.Dc(), RECT{1, 1, 5, 5}));
    EXPECT_EQ("", CompareArea(canvas, 1, 1, 4, 4, [](int x, int y) { return Tag((x - 1) / 2, (y - 1) / 2); }));
    EXPECT_EQ(-1, Vexel::StretchBitmapToRect(nullptr, canvas.Dc(), RECT{0, 0, 1, 1}));
}

TEST(DrawBitmapKeyWhite, LeavesWhiteOutAndReadsRowZero)
{
    CBitmap bitmap;
    bitmap.Attach(MakeBitmap(4, 2, [](int x, int y) { return x == 2 ? RGB(255, 255, 255) : Tag(x, y); }));
    Canvas canvas(4, 2);

    EXPECT_EQ(0, Vexel::DrawBitmapKeyWhite(canvas.Dc(), 0, 0, 3, 2, bitmap, 1, 3, 2));
    EXPECT_EQ("", CompareArea(canvas, 0, 0, 3, 2, [](int x, int y) {
        return x == 1 ? Canvas::kFill : Tag(x + 1, y);
    }));
    EXPECT_EQ(-1, Vexel::DrawBitmapKeyWhite(canvas.Dc(), 0, 0, 1, 1, nullptr, 0, 1, 1));
}

} // namespace
