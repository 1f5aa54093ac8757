// What a skinned window looks like: the composed background its controls copy from
// (nine-grid stretched or a single copy), its mask-colour shape, and its layered
// attributes. Pixels are read from the composed bitmap, not from the screen.
#include "UIWndTestSupport.h"

#include "skin/model/ButtonProperties.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/WindowShape.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kPaintWindowId = 3400;

class UIWndPaint : public ::testing::Test {
protected:
    UIWNDPROPERTIES& Window(int w, int h, const ColorRule& rule)
    {
        UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_PAINT", kPaintWindowId);
        skin.SetImage(window, CtrlVar::BackgroundNormal, L"bk.bmp", w, h, rule);
        return window;
    }

    WindowSkin skin;
    TestControlKinds kinds;
};

TEST_F(UIWndPaint, AResizingWindowStretchesItsBackgroundAroundTheResizingPoint)
{
    UIWNDPROPERTIES& window = Window(40, 30, &Tag);
    SetSwitch(window, UiWndVar::IsResizing, true);
    SetPoint(window, UiWndVar::ResizingPoint, {20, 15});
    TestUIWnd wnd(kPaintWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    wnd.SetWindowPos(nullptr, 0, 0, 100, 70, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    const HBITMAP composed = ComposedBackground(wnd);
    ASSERT_NE(composed, nullptr);
    SIZE size{};
    ReadBitmap(composed, &size);
    EXPECT_EQ(size.cx, 100);
    EXPECT_EQ(size.cy, 70);
    struct Probe {
        POINT at;
        POINT source;
    };
    const Probe probes[] = {
        {{5, 5}, {5, 5}},        // top-left corner 1:1
        {{60, 5}, {20, 5}},      // the repeated column
        {{95, 5}, {35, 5}},      // the right part, moved by the growth
        {{60, 40}, {20, 15}},    // the centre repeats the point
        {{5, 50}, {5, 15}},      // the repeated row
        {{99, 69}, {39, 29}},    // bottom-right corner 1:1
    };
    for (const Probe& p : probes)
        EXPECT_EQ(BitmapPixel(composed, p.at.x, p.at.y), Tag(p.source.x, p.source.y)) << p.at.x << "," << p.at.y;
}

TEST_F(UIWndPaint, WithoutResizingTheBackgroundIsDrawnOnceAtTheTopLeft)
{
    Window(40, 30, &Tag);
    TestUIWnd wnd(kPaintWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    wnd.SetWindowPos(nullptr, 0, 0, 100, 70, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const HBITMAP composed = ComposedBackground(wnd);
    ASSERT_NE(composed, nullptr);
    EXPECT_EQ(BitmapPixel(composed, 5, 5), Tag(5, 5));
    EXPECT_EQ(BitmapPixel(composed, 39, 29), Tag(39, 29));
    for (const POINT& beyond : {POINT{60, 5}, POINT{45, 29}, POINT{5, 50}}) {
        const COLORREF pixel = BitmapPixel(composed, beyond.x, beyond.y);
        EXPECT_NE(pixel, Tag(20, 5)) << beyond.x << "," << beyond.y;
        EXPECT_NE(pixel, Tag(39, 5)) << beyond.x << "," << beyond.y;
        EXPECT_NE(pixel, Tag(5, 29)) << beyond.x << "," << beyond.y;
    }
}

TEST_F(UIWndPaint, TheBackgroundBitmapIsComposedOnDemandBeforeTheFirstPaint)
{
    Window(40, 30, &Tag);
    TestUIWnd wnd(kPaintWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));   // hidden: never painted
    const HBITMAP first = ComposedBackground(wnd);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(BitmapPixel(first, 12, 7), Tag(12, 7));
    EXPECT_EQ(ComposedBackground(wnd), first);   // kept until the next paint

    // A paint composes it anew, at the current size.
    wnd.ShowWindow(SW_SHOWNA);
    wnd.SetWindowPos(nullptr, 0, 0, 50, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    wnd.Invalidate(FALSE);
    wnd.UpdateWindow();
    const HBITMAP resized = ComposedBackground(wnd);
    SIZE size{};
    ReadBitmap(resized, &size);
    EXPECT_EQ(size.cx, 50);
    EXPECT_EQ(size.cy, 40);

    // A paint at the same size draws over the same bitmap: a handle a control holds stays good.
    wnd.Invalidate(FALSE);
    wnd.UpdateWindow();
    EXPECT_EQ(ComposedBackground(wnd), resized);
    EXPECT_EQ(BitmapPixel(resized, 12, 7), Tag(12, 7));
}

COLORREF Shaped(int x, int y)
{
    // 40 x 30: a 3 x 3 magenta notch at each corner and a magenta column x = 10 in rows 5..9.
    const bool corner = (x < 3 || x > 36) && (y < 3 || y > 26);
    const bool column = x == 10 && y >= 5 && y <= 9;
    return corner || column ? kMagenta : Tag(x, y);
}

TEST_F(UIWndPaint, AMaskedWindowTakesItsShapeAndStretchesIt)
{
    UIWNDPROPERTIES& window = Window(40, 30, &Shaped);
    SetSwitch(window, UiWndVar::IsUseMaskColor, true);   // no colour id: magenta
    SetSwitch(window, UiWndVar::IsResizing, true);
    SetPoint(window, UiWndVar::ResizingPoint, {20, 15});
    TestUIWnd wnd(kPaintWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    EXPECT_FALSE(wnd.GetExStyle() & WS_EX_LAYERED);

    CRgn region;
    region.CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(wnd, region), ERROR);
    struct Probe {
        POINT at;
        bool inside;
    };
    const Probe atDesignSize[] = {
        {{0, 0}, false}, {{2, 2}, false}, {{3, 3}, true}, {{39, 29}, false}, {{36, 26}, true},
        {{10, 7}, false}, {{11, 7}, true}, {{20, 15}, true}, {{39, 0}, false},
    };
    for (const Probe& p : atDesignSize)
        EXPECT_EQ(region.PtInRegion(p.at) != FALSE, p.inside) << p.at.x << "," << p.at.y;

    wnd.SetWindowPos(nullptr, 0, 0, 100, 70, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_NE(::GetWindowRgn(wnd, region), ERROR);
    const Probe grown[] = {
        {{0, 0}, false}, {{99, 69}, false}, {{97, 67}, false}, {{96, 66}, true}, {{99, 0}, false},
        {{60, 40}, true}, {{10, 7}, false}, {{60, 1}, true}, {{1, 40}, true}, {{99, 40}, true},
    };
    for (const Probe& p : grown)
        EXPECT_EQ(region.PtInRegion(p.at) != FALSE, p.inside) << p.at.x << "," << p.at.y;
}

TEST_F(UIWndPaint, LayeredAttributesTakeTheKeyColourAndAClampedAlpha)
{
    struct Case {
        const char* what;
        LPCWSTR colorId;       // MaskColorResID
        int alpha;
        COLORREF expectedKey;
        BYTE expectedAlpha;
    };
    const Case cases[] = {
        {"no colour id", L"", 128, kMagenta, 128},
        {"a named colour", L"IDR_COLOR_KEY", 200, RGB(1, 2, 3), 200},
        {"a colour resource holding no colour", L"IDR_COLOR_TEXT", 255, kMagenta, 255},
        {"alpha above the range", L"", 300, kMagenta, 255},
        {"alpha below the range", L"", -20, kMagenta, 0},
    };
    for (const Case& c : cases) {
        WindowSkin local;
        local.AddColor(L"IDR_COLOR_KEY", RGB(1, 2, 3));
        local.AddTextColor(L"IDR_COLOR_TEXT");
        UIWNDPROPERTIES& window = local.AddWindow(L"IDW_LAYERED", 3401);
        local.SetImage(window, CtrlVar::BackgroundNormal, L"bk.bmp", 40, 30, &Tag);
        SetSwitch(window, UiWndVar::IsLayeredWindow, true);
        SetSwitch(window, UiWndVar::IsUseMaskColor, true);
        SetSwitch(window, UiWndVar::IsAlpha, true);
        SetNumber(window, UiWndVar::Alpha, c.alpha);
        SetText(window, UiWndVar::MaskColorResID, c.colorId);
        TestUIWnd wnd(3401);
        ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1)) << c.what;
        EXPECT_TRUE(wnd.GetExStyle() & WS_EX_LAYERED) << c.what;
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(::GetLayeredWindowAttributes(wnd, &key, &alpha, &flags)) << c.what;
        EXPECT_EQ(key, c.expectedKey) << c.what;
        EXPECT_EQ(alpha, c.expectedAlpha) << c.what;
        EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA)) << c.what;
        EXPECT_EQ(wnd.SendMessage(WM_VXL_ISDRAWCHILDBK), 0) << c.what;
    }
}

TEST_F(UIWndPaint, TheLayeredBlendClampsItsAlpha)
{
    struct Case {
        int alpha;
        int format;
        BYTE expectedAlpha;
        BYTE expectedFormat;
    };
    const Case cases[] = {
        {128, 1, 128, AC_SRC_ALPHA}, {300, 1, 255, AC_SRC_ALPHA}, {-5, 0, 0, 0}, {255, -1, 255, 0}, {0, 2, 0, 0},
    };
    for (const Case& c : cases) {
        const BLENDFUNCTION blend = LayeredBlend(c.alpha, c.format);
        EXPECT_EQ(blend.BlendOp, AC_SRC_OVER);
        EXPECT_EQ(blend.BlendFlags, 0);
        EXPECT_EQ(blend.SourceConstantAlpha, c.expectedAlpha) << c.alpha;
        EXPECT_EQ(blend.AlphaFormat, c.expectedFormat) << c.format;
    }
}

TEST_F(UIWndPaint, AnUpdateLayeredWindowHasItsParentDrawTheChildren)
{
    UIWNDPROPERTIES& window = Window(40, 30, &Tag);
    SetSwitch(window, UiWndVar::IsLayeredWindow, true);
    SetSwitch(window, UiWndVar::IsUpdateLayeredWindow, true);
    SetNumber(window, UiWndVar::Alpha, 400);
    TestUIWnd wnd(kPaintWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    EXPECT_TRUE(wnd.GetExStyle() & WS_EX_LAYERED);
    EXPECT_EQ(wnd.SendMessage(WM_VXL_ISDRAWCHILDBK), 1);
    EXPECT_EQ(wnd.UpdateLayeredBackground(-7), 0);

    // A window that is not layered is left alone.
    WindowSkin local;
    UIWNDPROPERTIES& plainRecord = local.AddWindow(L"IDW_PLAIN", 3402);
    local.SetImage(plainRecord, CtrlVar::BackgroundNormal, L"bk.bmp", 40, 30, &Tag);
    TestUIWnd plain(3402);
    ASSERT_TRUE(plain.Create(0, WS_POPUP, nullptr, 1, 1));
    EXPECT_EQ(plain.UpdateLayeredBackground(255), -1);
    EXPECT_EQ(plain.SendMessage(WM_VXL_ISDRAWCHILDBK), 0);
}

TEST_F(UIWndPaint, NotifyChildrenReachesTheVisibleOnesInOrder)
{
    UIWNDPROPERTIES& window = Window(200, 100, &Tag);
    skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_A", 1401, {10, 10, 50, 30});
    BTNPROPERTIES& hidden = skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_B", 1402, {60, 10, 100, 30});
    SetSwitch(hidden, CtrlVar::IsVisible, false);
    skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_C", 1403, {110, 10, 150, 30});
    TestUIWnd wnd(kPaintWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    EXPECT_EQ(wnd.NotifyChildren(7), 0);
    const auto& children = wnd.GetChildControls();
    ASSERT_EQ(children.size(), 3u);
    const auto codes = [&](size_t i) { return static_cast<TestControl*>(children[i].window)->notifications; };
    EXPECT_EQ(codes(0), (std::vector<WPARAM>{7}));
    EXPECT_TRUE(codes(1).empty());
    EXPECT_EQ(codes(2), (std::vector<WPARAM>{7}));
}

// --- the shape arithmetic on its own ---------------------------------------------------

PixelRows Rows(int w, int h, const ColorRule& rule)
{
    PixelRows rows;
    rows.width = w;
    rows.height = h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            rows.pixels.push_back(PixelFromColor(rule(x, y)));
    return rows;
}

TEST(WindowShapeCut, QuadrantsStripsAndThePointWord)
{
    // 6 x 5, point (2, 2); magenta at (0, 0), on the row at x = 4 and on the column at y = 0.
    const auto rule = [](int x, int y) {
        return (x == 0 && y == 0) || (y == 2 && x == 4) || (x == 2 && y == 0) ? kMagenta : RGB(9, 9, 9);
    };
    WindowShape shape;
    ASSERT_EQ(BuildWindowShape(Rows(6, 5, rule), kMagenta, {2, 2}, shape), 0);
    EXPECT_EQ(shape.strips[WindowShape::kLeft], (std::vector<int>{0, 1}));
    EXPECT_EQ(shape.strips[WindowShape::kAbove], (std::vector<int>{1}));
    EXPECT_EQ(shape.strips[WindowShape::kRight], (std::vector<int>{3, 5}));
    EXPECT_EQ(shape.strips[WindowShape::kBelow], (std::vector<int>{3, 4}));
    EXPECT_EQ(shape.pointMasked, 0);
    ASSERT_NE(shape.quadrants[WindowShape::kTopLeft].GetSafeHandle(), nullptr);
    EXPECT_FALSE(shape.quadrants[WindowShape::kTopLeft].PtInRegion(0, 0));
    EXPECT_TRUE(shape.quadrants[WindowShape::kTopLeft].PtInRegion(1, 1));
    EXPECT_FALSE(shape.quadrants[WindowShape::kTopLeft].PtInRegion(2, 1));   // the stretch column
    EXPECT_TRUE(shape.quadrants[WindowShape::kBottomRight].PtInRegion(5, 4));

    // Composed for a window 10 wider and 4 taller.
    CRgn region;
    ASSERT_TRUE(ComposeWindowShape(shape, {2, 2}, {10, 4}, region));
    EXPECT_FALSE(region.PtInRegion(0, 0));
    EXPECT_TRUE(region.PtInRegion(1, 0));
    EXPECT_FALSE(region.PtInRegion(2, 0));    // masked on the column: not stretched
    EXPECT_FALSE(region.PtInRegion(12, 0));
    EXPECT_TRUE(region.PtInRegion(13, 0));    // the top-right quadrant, moved
    EXPECT_TRUE(region.PtInRegion(7, 1));     // the column's opaque pixel, drawn across
    EXPECT_TRUE(region.PtInRegion(0, 5));     // the row's opaque pixel, drawn down
    EXPECT_FALSE(region.PtInRegion(14, 4));   // the row's masked pixel x = 4, moved by 10
    EXPECT_TRUE(region.PtInRegion(7, 4));     // the centre block
    EXPECT_TRUE(region.PtInRegion(15, 8));    // the bottom-right quadrant, moved
    EXPECT_FALSE(region.PtInRegion(16, 8));
}

TEST(WindowShapeCut, APointOnTheLastColumnAndRowLeavesTheFarQuadrantsEmpty)
{
    WindowShape shape;
    ASSERT_EQ(BuildWindowShape(Rows(6, 5, [](int, int) { return RGB(9, 9, 9); }), kMagenta, {5, 4}, shape), 0);
    EXPECT_NE(shape.quadrants[WindowShape::kTopLeft].GetSafeHandle(), nullptr);
    EXPECT_EQ(shape.quadrants[WindowShape::kTopRight].GetSafeHandle(), nullptr);
    EXPECT_EQ(shape.quadrants[WindowShape::kBottomLeft].GetSafeHandle(), nullptr);
    EXPECT_EQ(shape.quadrants[WindowShape::kBottomRight].GetSafeHandle(), nullptr);
    EXPECT_TRUE(shape.strips[WindowShape::kRight].empty());
    EXPECT_TRUE(shape.strips[WindowShape::kBelow].empty());

    // A masked point leaves the centre block out.
    WindowShape masked;
    ASSERT_EQ(BuildWindowShape(Rows(3, 3, [](int x, int y) { return x == 1 && y == 1 ? kMagenta : RGB(9, 9, 9); }),
                               kMagenta, {1, 1}, masked),
              0);
    EXPECT_EQ(masked.pointMasked, 1);
    CRgn region;
    ASSERT_TRUE(ComposeWindowShape(masked, {1, 1}, {4, 4}, region));
    EXPECT_FALSE(region.PtInRegion(3, 3));
    EXPECT_TRUE(region.PtInRegion(3, 0));

    WindowShape none;
    EXPECT_EQ(BuildWindowShape(PixelRows{}, kMagenta, {0, 0}, none), -1);
}

} // namespace
} // namespace skin_ui_test
