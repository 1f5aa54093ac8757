// Images laid onto a control's window: foreground, resized background, one-pixel frame.
#include "Pixels.h"
#include "TestWindow.h"

#include "skin/ui/WindowImages.h"

#include <gtest/gtest.h>

#include <vector>

using namespace skin_ui_test;

namespace {


TEST(ForegroundImage, PlacedByModesAndOffsets)
{
    TestWindow window(20, 10);
    CBitmap image;
    // 4 x 2, its top-right pixel in the key colour.
    image.Attach(MakeBitmap(4, 2, [](int x, int y) { return x == 3 && y == 0 ? kMagenta : Tag(x, y); }));
    const struct {
        int horizontal, vertical;
        int left, top;
    } cases[] = {
        {Vexel::kAlignCenter, Vexel::kAlignCenter, (20 - 4 - 2) / 2 + 2, (10 - 2 - 1) / 2 + 1},
        {Vexel::kAlignNear, Vexel::kAlignNear, 2, 1},
        {Vexel::kAlignFar, Vexel::kAlignFar, 20 - 4 - 2, 10 - 2 - 1},
        {7, 9, 0, 0},
    };
    for (const auto& c : cases) {
        Canvas canvas(20, 10);
        ASSERT_EQ(0, Vexel::DrawForegroundImage(window, canvas.Cdc(), 2, 1, image, c.horizontal, c.vertical, kMagenta));
        EXPECT_EQ("", CompareArea(canvas, 0, 0, 20, 10, [&](int x, int y) {
            const int sx = x - c.left;
            const int sy = y - c.top;
            if (sx < 0 || sy < 0 || sx >= 4 || sy >= 2 || (sx == 3 && sy == 0))
                return Canvas::kFill;
            return Tag(sx, sy);
        })) << c.horizontal << "/" << c.vertical;
    }
    Canvas canvas(4, 4);
    EXPECT_EQ(-1, Vexel::DrawForegroundImage(window, canvas.Cdc(), 0, 0, nullptr, 0, 0, kMagenta));
}

class ResizedBackgroundTest : public testing::Test {
protected:
    ResizedBackgroundTest() : parent(100, 80) { image.Attach(MakeBitmap(4, 3, Tag)); }

    std::string Check(const Canvas& canvas, const std::vector<int>& columns, const std::vector<int>& rows)
    {
        return CompareArea(canvas, 0, 0, static_cast<int>(columns.size()), static_cast<int>(rows.size()),
                           [&](int x, int y) { return Tag(columns[x], rows[y]); });
    }

    TestWindow parent;
    CBitmap image;
};

TEST_F(ResizedBackgroundTest, ContinuesTheParentsResizePoint)
{
    TestWindow control(parent, 10, 20, 7, 5);
    parent.SetResizePoint(POINT{12, 21});   // (2, 1) in the control
    Canvas canvas(7, 5);

    ASSERT_EQ(0, Vexel::DrawResizedBackground(control, canvas.Cdc(), image, TRUE, 0, 0));
    EXPECT_EQ("", Check(canvas, {0, 1, 2, 2, 2, 2, 3}, {0, 1, 1, 1, 2}));
}

TEST_F(ResizedBackgroundTest, UsesItsOwnPointWhenNotAsked)
{
    TestWindow control(parent, 10, 20, 7, 5);
    parent.SetResizePoint(POINT{50, 50});
    Canvas canvas(7, 5);

    ASSERT_EQ(0, Vexel::DrawResizedBackground(control, canvas.Cdc(), image, FALSE, 2, 1));
    EXPECT_EQ("", Check(canvas, {0, 1, 2, 2, 2, 2, 3}, {0, 1, 1, 1, 2}));
}

TEST_F(ResizedBackgroundTest, ABorderCoversTheOuterPixels)
{
    TestWindow control(parent, 10, 20, 9, 7, WS_BORDER);
    Canvas canvas(7, 5);

    ASSERT_EQ(0, Vexel::DrawResizedBackground(control, canvas.Cdc(), image, FALSE, 2, 1));
    // The 9 x 7 image has columns {0,1,2,2,2,2,2,2,3} and rows {0,1,1,1,1,1,2}; the client
    // shows it from (1, 1).
    EXPECT_EQ("", Check(canvas, {1, 2, 2, 2, 2, 2, 2}, {1, 1, 1, 1, 1}));
}

TEST_F(ResizedBackgroundTest, Refusals)
{
    TestWindow control(parent, 10, 20, 7, 5);
    Canvas canvas(7, 5);
    EXPECT_EQ(-1, Vexel::DrawResizedBackground(nullptr, canvas.Cdc(), image, FALSE, 0, 0));
    EXPECT_EQ(-2, Vexel::DrawResizedBackground(control, nullptr, image, FALSE, 0, 0));
    EXPECT_EQ(-3, Vexel::DrawResizedBackground(control, canvas.Cdc(), nullptr, FALSE, 0, 0));
    EXPECT_EQ(-4, Vexel::DrawResizedBackground(parent, canvas.Cdc(), image, FALSE, 0, 0));
    EXPECT_EQ("", CompareArea(canvas, 0, 0, 7, 5, [](int, int) { return Canvas::kFill; }));
}

// The pixel of a shown window's window DC.
COLORREF WindowDCPixel(HWND window, int x, int y)
{
    const HDC dc = ::GetWindowDC(window);
    const COLORREF pixel = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return pixel;
}

TEST(Frame, FromABitmapOneToOne)
{
    TestWindow window(6, 5, true);
    ::UpdateWindow(window);
    CBitmap image;
    image.Attach(MakeBitmap(6, 5, Tag));

    ASSERT_EQ(0, Vexel::DrawFrameFromBitmap(window, image));
    const POINT edge[] = {{0, 0}, {0, 4}, {3, 0}, {5, 2}, {5, 4}, {2, 4}};
    for (const POINT& p : edge)
        EXPECT_EQ(Tag(p.x, p.y), WindowDCPixel(window, p.x, p.y)) << p.x << "," << p.y;
    EXPECT_EQ(-3, Vexel::DrawFrameFromBitmap(window, nullptr));
    EXPECT_EQ(-1, Vexel::DrawFrameFromBitmap(nullptr, image));
}

TEST(Frame, FromTheBitmapResizedToTheWindow)
{
    TestWindow parent(100, 80, true);
    TestWindow control(parent, 10, 20, 7, 5);
    parent.SetResizePoint(POINT{12, 21});
    ::UpdateWindow(parent);
    CBitmap image;
    image.Attach(MakeBitmap(4, 3, Tag));

    ASSERT_EQ(0, Vexel::DrawFrameFromResizedBitmap(control, image, TRUE, 0, 0));
    // Columns {0,1,2,2,2,2,3}, rows {0,1,1,1,2}.
    EXPECT_EQ(Tag(3, 0), WindowDCPixel(control, 6, 0));
    EXPECT_EQ(Tag(2, 2), WindowDCPixel(control, 4, 4));
    EXPECT_EQ(Tag(0, 1), WindowDCPixel(control, 0, 2));
    EXPECT_EQ(Tag(3, 1), WindowDCPixel(control, 6, 3));
    EXPECT_EQ(-3, Vexel::DrawFrameFromResizedBitmap(control, nullptr, TRUE, 0, 0));
    EXPECT_EQ(-4, Vexel::DrawFrameFromResizedBitmap(parent, image, FALSE, 0, 0));
    EXPECT_EQ(-1, Vexel::DrawFrameFromResizedBitmap(nullptr, image, FALSE, 0, 0));
}

} // namespace
