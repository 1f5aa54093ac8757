// The wave graph: where points, baseline and grid lines fall for a scale; the pixels of a
// known series (curve, gradient under a single series, its lowest-point line, the grid kept
// out of the area under the curve, the parent's information area); panning by dragging,
// which moves the curve and the area under it; records, styles and the region operation.
#include "ControlParent.h"
#include "GdiCount.h"
#include "Pixels.h"
#include "TestSkin.h"
#include "UIWndTestSupport.h"

#include "skin/model/ButtonProperties.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/ui/controls/WaveCtrl.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr UINT kWaveId = 40;
constexpr int kWidth = 300;
constexpr int kHeight = 200;   // baseline at 180 with the default bottom area of 20
constexpr COLORREF kCurve = RGB(250, 0, 0);
constexpr COLORREF kInfoArea = RGB(0, 0, 250);

TEST(WaveGeometry, PointsBaselineAndGridFollowTheScale)
{
    const RECT client{0, 0, kWidth, kHeight};
    const struct {
        const char* name;
        WaveScale scale;
        POINT data;
        POINT screen;
    } kCases[] = {
        {"defaults", {}, {2, 1}, {120, 150}},
        {"panned", {60, 20, 30, 30, 1, 1, 40}, {2, 1}, {80, 150}},
        {"units", {60, 20, 30, 30, 10, 100, 0}, {25, 250}, {135, 105}},
        {"zero cells and units count as 1", {10, 0, 0, 0, 0, 0, 0}, {5, 7}, {15, 193}},
        {"a negative offset counts as 0", {60, 20, 30, 30, 1, 1, -9}, {0, 0}, {60, 180}},
    };
    for (const auto& c : kCases) {
        const POINT mapped = MapWavePoint(c.scale, client, c.data);
        EXPECT_EQ(mapped.x, c.screen.x) << c.name;
        EXPECT_EQ(mapped.y, c.screen.y) << c.name;
    }

    // The vertical lines: cols + 1 of them, none left of the information area.
    const struct {
        int offset;
        int firstX;
    } kPans[] = {{0, 60}, {40, 80}, {30, 60}, {31, 89}};
    for (const auto& pan : kPans) {
        WaveScale scale;
        scale.offset = pan.offset;
        const WaveVerticalLines lines = VerticalGridLines(scale, client);
        EXPECT_EQ(lines.firstX, pan.firstX) << pan.offset;
        EXPECT_EQ(lines.step, 30) << pan.offset;
        EXPECT_EQ(lines.count, 9) << pan.offset;   // (300 - 60) / 30 + 1
    }
    WaveScale flat;
    flat.cellWidth = 0;
    flat.cellHeight = 0;
    EXPECT_EQ(VerticalGridLines(flat, client).step, 1) << "a zero grid step still moves on";
    EXPECT_EQ(HorizontalGridRows(flat, client), 180);
    EXPECT_EQ(HorizontalGridRows(WaveScale{}, client), 6);
}

// A parent that paints the left information area when asked and notes the notifications.
class WaveParent : public ControlParent {
public:
    WaveParent() : ControlParent(50, 50, 400, 300) {}

    int offsetChanges = 0;
    int infoAreaDraws = 0;
    LRESULT offsetAnswer = 0;
    RECT infoClient{};

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY) {
            const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (static_cast<int>(header.code) == WVN_OFFSETCHANGED) {
                ++offsetChanges;
                return offsetAnswer;
            }
            if (static_cast<int>(header.code) == WVN_DRAWINFOAREA) {
                const auto& info = *reinterpret_cast<const NMWAVEINFOAREA*>(lParam);
                ++infoAreaDraws;
                infoClient = info.client;
                CDC* const dc = CDC::FromHandle(info.dc);
                dc->FillSolidRect(0, 0, 60, info.client.bottom, kInfoArea);
                return 0;
            }
        }
        return ControlParent::WindowProc(message, wParam, lParam);
    }
};

class WaveCtrlTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(wave.Create(WS_CHILD | WS_VISIBLE, {10, 10, 10 + kWidth, 10 + kHeight}, &parent, kWaveId)); }

    void Add(std::initializer_list<POINT> points, COLORREF color = kCurve)
    {
        WAVESERIES series;
        series.points = points;
        series.color = color;
        wave.AddSeries(series);
    }
    // The graph as a paint draws it.
    std::unique_ptr<Canvas> Draw()
    {
        auto canvas = std::make_unique<Canvas>(kWidth, kHeight);
        EXPECT_EQ(wave.DrawView(canvas->Cdc()), 0);
        return canvas;
    }
    static bool AnyIn(const Canvas& canvas, int x0, int x1, int y, COLORREF color)
    {
        for (int x = x0; x <= x1; ++x) {
            if (canvas.At(x, y) == color)
                return true;
        }
        return false;
    }
    void Drag(int fromX, int toX)
    {
        wave.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(fromX, 100));
        wave.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, 100));
        wave.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(toX, 100));
    }

    WaveParent parent;
    CWaveCtrl wave;
    const COLORREF background = ::GetSysColor(COLOR_WINDOW);
};

TEST_F(WaveCtrlTest, ASingleSeriesIsDrawnWithItsGradientLowLineAndTheParentsInfoArea)
{
    Add({{0, 0}, {2, 1}, {4, 0}});
    const auto canvas = Draw();
    EXPECT_EQ(canvas->At(120, 150), kCurve) << "(2, 1) lies at x 120, 50 above the client bottom";
    EXPECT_EQ(canvas->At(90, 165), kCurve) << "on the segment from (60, 180)";
    EXPECT_EQ(canvas->At(130, 168), RGB(58, 72, 104)) << "the gradient row 84 under the curve";
    EXPECT_EQ(canvas->At(130, 140), background) << "above the curve";
    EXPECT_EQ(canvas->At(250, 180), CWaveCtrl::kLowLineColor) << "the lowest point's line";
    EXPECT_EQ(canvas->At(30, 100), kInfoArea) << "the parent drew the left information area";
    EXPECT_EQ(parent.infoAreaDraws, 1);
    EXPECT_EQ(CRect(parent.infoClient), CRect(0, 0, kWidth, kHeight));
}

TEST_F(WaveCtrlTest, TheGridStaysOutOfTheAreaUnderASingleCurve)
{
    Add({{0, 3}, {4, 3}});   // a flat curve at y 90 from x 60 to 180
    const auto canvas = Draw();
    const COLORREF grid = CWaveCtrl::kDefaultGridColor;
    EXPECT_FALSE(AnyIn(*canvas, 100, 110, 150, grid)) << "grid row 150 under the curve";
    EXPECT_TRUE(AnyIn(*canvas, 200, 210, 150, grid)) << "grid row 150 right of the curve";
    EXPECT_TRUE(AnyIn(*canvas, 200, 210, 60, grid)) << "grid row 60 above the curve";
    EXPECT_EQ(canvas->At(150, 130), grid) << "the vertical grid over the gradient";
    EXPECT_EQ(canvas->At(250, 90), CWaveCtrl::kLowLineColor);
}

TEST_F(WaveCtrlTest, WithoutSeriesOnlyTheBackgroundAndTheGridShow)
{
    const auto canvas = Draw();
    const COLORREF grid = CWaveCtrl::kDefaultGridColor;
    EXPECT_EQ(canvas->At(90, 50), grid) << "a vertical line";
    EXPECT_TRUE(AnyIn(*canvas, 100, 110, 120, grid)) << "a horizontal line";
    EXPECT_EQ(canvas->At(100, 100), background);
    EXPECT_EQ(canvas->At(250, 180 - 1), background) << "no lowest-point line";
}

TEST_F(WaveCtrlTest, ASegmentEndingInTheLeftInformationAreaIsLeftOut)
{
    Add({{1, 1}, {-1, 3}, {3, 1}});   // (90, 150) -> (30, 90) -> (150, 150)
    Add({});                          // two series: no gradient, no lowest-point line
    const auto canvas = Draw();
    EXPECT_EQ(canvas->At(110, 130), kCurve) << "the segment back out of the area";
    EXPECT_NE(canvas->At(75, 135), kCurve) << "the segment into the area";
}

TEST_F(WaveCtrlTest, DraggingPansTheCurveAndTheAreaUnderItButNeverBelowZero)
{
    Add({{0, 0}, {2, 1}, {4, 0}});
    Draw();   // the area under the curve is made for offset 0
    Drag(200, 160);
    EXPECT_EQ(wave.GetOffset(), 40);
    EXPECT_EQ(parent.offsetChanges, 1);
    const auto panned = Draw();
    EXPECT_EQ(panned->At(80, 150), kCurve) << "(2, 1) moved 40 pixels left";
    EXPECT_EQ(panned->At(100, 168), RGB(58, 72, 104)) << "the gradient moved with the curve";
    EXPECT_EQ(panned->At(130, 160), background) << "under the curve before the drag";

    wave.SetOffset(0);
    Drag(100, 150);
    EXPECT_EQ(wave.GetOffset(), 0) << "dragging right from 0 keeps 0";
    EXPECT_EQ(::GetCapture(), nullptr) << "the capture goes with the button";
}

TEST_F(WaveCtrlTest, TheParentMayKeepADragMoveFromDefaultProcessingAndRecordsMayStopPanning)
{
    parent.offsetAnswer = 1;
    Drag(200, 150);
    EXPECT_EQ(wave.GetOffset(), 50) << "the offset is stored before the parent is asked";

    WAVECTRLPROPERTIES record;
    SetSwitch(record, WaveVar::IsEnableDragMove, false);
    ASSERT_EQ(wave.ApplyProperties(&record), 0);
    const int before = parent.offsetChanges;
    Drag(200, 100);
    EXPECT_EQ(wave.GetOffset(), 50);
    EXPECT_EQ(parent.offsetChanges, before);
}

TEST_F(WaveCtrlTest, SeriesAreKeptAsGivenAndCanBeChangedOrRemoved)
{
    Add({{1, 2}, {3, 4}}, RGB(1, 2, 3));
    Add({{5, 6}});
    ASSERT_EQ(wave.GetSeriesCount(), 2);
    const WAVESERIES* const first = wave.GetSeries(0);
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(first->points.size(), 2u);
    EXPECT_EQ(first->points[1].x, 3);
    EXPECT_EQ(first->points[1].y, 4);
    EXPECT_EQ(first->color, RGB(1, 2, 3));
    WAVESERIES changed;
    changed.points = {{7, 8}};
    EXPECT_TRUE(wave.SetSeries(1, changed));
    EXPECT_EQ(wave.GetSeries(1)->points[0].y, 8);
    EXPECT_FALSE(wave.SetSeries(2, changed));
    EXPECT_EQ(wave.GetSeries(-1), nullptr);
    EXPECT_TRUE(wave.RemoveSeries(0));
    EXPECT_EQ(wave.GetSeriesCount(), 1);
    EXPECT_FALSE(wave.RemoveSeries(1));
    wave.RemoveAllSeries();
    EXPECT_EQ(wave.GetSeriesCount(), 0);
    wave.SetOffset(-5);
    EXPECT_EQ(wave.GetOffset(), 0);
}

TEST_F(WaveCtrlTest, ARecordSetsTheScaleColoursAndGridWithStepsOfAtLeastOne)
{
    TestSkin skin;
    skin.AddColor(L"IDR_COLOR_GRID", RGB(1, 200, 3));
    auto style = std::make_unique<WAVECTRLPROPERTIES>();
    SetText(*style, CtrlVar::Type, L"STYLE_WAVECTRL");
    SetText(*style, CtrlVar::ID, L"IDR_WAVE_1");
    SetNumber(*style, WaveVar::GridWidth, 0);
    SetNumber(*style, WaveVar::GridHeight, 25);
    SetNumber(*style, WaveVar::GridUnitX, 10);
    SetNumber(*style, WaveVar::GridUnitY, 0);
    SetNumber(*style, WaveVar::InfoAreaWidth, 40);
    SetNumber(*style, WaveVar::InfoAreaHeight, 30);
    SetText(*style, WaveVar::GridLineColorResID, L"IDR_COLOR_GRID");
    ASSERT_GE(g_skinStore.AddStyle(StyleKind::WaveCtrl, style.get()), 0);
    style.release();

    ASSERT_EQ(wave.ApplyStyle(L"IDR_WAVE_1"), 0);
    const WaveScale& scale = wave.GetScale();
    EXPECT_EQ(scale.cellWidth, 1);
    EXPECT_EQ(scale.cellHeight, 25);
    EXPECT_EQ(scale.unitX, 10);
    EXPECT_EQ(scale.unitY, 1);
    EXPECT_EQ(scale.infoWidth, 40);
    EXPECT_EQ(scale.infoHeight, 30);
    EXPECT_EQ(wave.GetGridColor(), RGB(1, 200, 3));
    EXPECT_EQ(Draw()->At(41, 100), RGB(1, 200, 3)) << "grid lines one pixel apart";

    WAVECTRLPROPERTIES noColor;
    ASSERT_EQ(wave.ApplyProperties(&noColor), 0);
    EXPECT_EQ(wave.GetGridColor(), CWaveCtrl::kDefaultGridColor);
    EXPECT_TRUE(wave.IsPanningEnabled());

    BTNPROPERTIES button;
    EXPECT_EQ(wave.ApplyProperties(&button), -3);
    EXPECT_EQ(wave.ApplyProperties(nullptr), -2);
    EXPECT_EQ(wave.ApplyStyle(L"IDR_NO_SUCH_STYLE"), -2);
    EXPECT_EQ(wave.ApplyStyle(nullptr), -2);
    CWaveCtrl windowless;
    EXPECT_EQ(windowless.ApplyProperties(&noColor), -1);
    EXPECT_EQ(windowless.ApplyStyle(L"IDR_WAVE_1"), -1);
}

TEST_F(WaveCtrlTest, TheSeriesRegionIsTheAreaBetweenCurveAndBaseline)
{
    WAVESERIES series;
    series.points = {{0, 0}, {2, 2}, {4, 0}};   // (60, 180), (120, 120), (180, 180)
    CRgn region;
    ASSERT_EQ(wave.CreateSeriesRegion(&series, &region), 0);
    EXPECT_TRUE(region.PtInRegion(120, 170));
    EXPECT_FALSE(region.PtInRegion(120, 110));
    EXPECT_FALSE(region.PtInRegion(70, 130));
    EXPECT_EQ(wave.CreateSeriesRegion(&series, &region), -3) << "the region holds one already";
    EXPECT_EQ(wave.CreateSeriesRegion(nullptr, &region), -1);
    EXPECT_EQ(wave.CreateSeriesRegion(&series, nullptr), -2);
    CRgn empty;
    ASSERT_EQ(wave.CreateSeriesRegion(std::make_unique<WAVESERIES>().get(), &empty), 0);
    RECT box{1, 1, 1, 1};
    EXPECT_EQ(empty.GetRgnBox(&box), NULLREGION);
}

TEST(WaveCtrl, TwoGraphsShareTheirClassAndGiveBackEveryGdiObject)
{
    WaveParent parent;
    int before = 0;
    for (int round = 0; round < 2; ++round) {
        before = LiveGdiObjects();
        CWaveCtrl first;
        CWaveCtrl second;
        ASSERT_TRUE(first.Create(WS_CHILD | WS_VISIBLE, {0, 0, 100, 100}, &parent, 1)) << round;
        ASSERT_TRUE(second.Create(WS_CHILD | WS_VISIBLE, {100, 0, 200, 100}, &parent, 2)) << "already registered";
        WAVESERIES series;
        series.points = {{0, 0}, {1, 1}};
        first.AddSeries(series);
        first.SetBackgroundImage(MakeBitmap(10, 10, &Tag));
        first.UpdateWindow();
        second.UpdateWindow();
        first.DestroyWindow();
        second.DestroyWindow();
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

} // namespace
} // namespace skin_ui_test
