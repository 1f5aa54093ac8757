// The skinned progress bar: how much of it is filled (0% and 100% for positions outside
// the range, an empty range taken as one step), the fill stretched or tiled along either
// direction and inside the record's rectangle, the percentage switch, the system's own
// painting without a background image, applying a record, and its factory.
#include "ControlParent.h"
#include "ControlTestSupport.h"
#include "GdiCount.h"
#include "UIWndTestSupport.h"

#include "skin/model/MiscControlProperties.h"
#include "skin/ui/controls/SkinProgressCtrl.h"
#include "skin/ui/factories/ControlKinds.h"

#include <gtest/gtest.h>

#include <commctrl.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

// --- Geometry ----------------------------------------------------------------------

TEST(ProgressGeometry, FillAndPercentageOfARange)
{
    struct Case {
        const char* what;
        int lower, upper, position;
        int filled;   // of 200 pixels
        int percent;
    };
    const Case cases[] = {
        {"empty", 0, 100, 0, 0, 0},
        {"a quarter", 0, 100, 25, 50, 25},
        {"full", 0, 100, 100, 200, 100},
        {"below the range", 0, 100, -20, 0, 0},
        {"above the range", 0, 100, 150, 200, 100},
        {"upper equal to lower, at it", 50, 50, 50, 0, 0},
        {"upper equal to lower, above it", 50, 50, 60, 200, 100},
        {"upper below lower", 10, 5, 7, 0, 0},
        {"a third, rounded", 0, 3, 1, 67, 33},           // MulDiv(1, 200, 3) = 66.7
        {"a wide range", 0, 2000000000, 1000000000, 100, 50},
        {"below zero", -100, 100, 0, 100, 50},
    };
    for (const Case& c : cases) {
        const ProgressSpan span = MakeProgressSpan(c.lower, c.upper, c.position);
        EXPECT_EQ(ProgressFilledLength(span, 200), c.filled) << c.what;
        EXPECT_EQ(ProgressPercent(span), c.percent) << c.what;
    }
}

// --- The window --------------------------------------------------------------------

constexpr COLORREF kProgressBackground = RGB(210, 210, 210);
constexpr COLORREF kProgressBackgroundDisabled = RGB(240, 240, 240);
constexpr COLORREF kProgressFill = RGB(30, 160, 60);
constexpr COLORREF kFillDisabled = RGB(120, 120, 120);

// Four columns of their own colours: tells a stretched fill from a tiled one.
COLORREF Columns(int x, int)
{
    const COLORREF colors[] = {RGB(250, 0, 0), RGB(0, 250, 0), RGB(0, 0, 250), RGB(250, 250, 0)};
    return colors[x % 4];
}

class SkinProgressTest : public ::testing::Test {
protected:
    bool Make(CSkinProgressCtrl& progress, DWORD style = 0, RECT rect = {10, 10, 210, 22})
    {
        if (!progress.Create(style | WS_VISIBLE, rect, &host, 401))
            return false;
        progress.SetRange32(0, 100);
        return true;
    }

    // The filled columns (or rows) of a drawn fill, counted along the bar from its start.
    static int FilledAlong(const Canvas& canvas, bool vertical, COLORREF fill)
    {
        int filled = 0;
        const int length = vertical ? canvas.Height() : canvas.Width();
        for (int i = 0; i < length; ++i) {
            const COLORREF pixel = vertical ? canvas.At(canvas.Width() / 2, canvas.Height() - 1 - i)
                                            : canvas.At(i, canvas.Height() / 2);
            filled += pixel == fill ? 1 : 0;
        }
        return filled;
    }

    WindowSkin skin;
    ControlParent host{0, 0, 300, 200};
};

TEST_F(SkinProgressTest, TheFillGrowsAlongTheBarsDirection)
{
    for (const bool vertical : {false, true}) {
        CSkinProgressCtrl progress;
        ASSERT_TRUE(Make(progress, vertical ? PBS_VERTICAL : 0, vertical ? RECT{10, 10, 22, 210} : RECT{10, 10, 210, 22}));
        progress.SetProgressBitmaps(Solid(kProgressFill, 4, 12), Solid(kFillDisabled, 4, 12));
        for (const int position : {0, 25, 100}) {
            progress.SetPos(position);
            Canvas canvas(vertical ? 12 : 200, vertical ? 200 : 12);
            EXPECT_EQ(progress.DrawProgress(canvas.Cdc()), 0);
            EXPECT_EQ(FilledAlong(canvas, vertical, kProgressFill), 2 * position) << vertical << " at " << position;
            // The fill starts at the bar's start: the left, or the bottom.
            if (position > 0) {
                EXPECT_EQ(vertical ? canvas.At(6, 199) : canvas.At(0, 6), kProgressFill);
            }
        }
        progress.EnableWindow(FALSE);
        progress.SetPos(50);
        Canvas canvas(vertical ? 12 : 200, vertical ? 200 : 12);
        progress.DrawProgress(canvas.Cdc());
        EXPECT_EQ(FilledAlong(canvas, vertical, kFillDisabled), 100) << vertical;
        progress.DestroyWindow();
    }
}

TEST_F(SkinProgressTest, AnEmptyRangeIsOneStepWide)
{
    CSkinProgressCtrl progress;
    ASSERT_TRUE(Make(progress));
    progress.SetProgressBitmaps(Solid(kProgressFill, 4, 12), nullptr);
    progress.SetRange32(50, 50);
    progress.SetPos(50);
    Canvas canvas(200, 12);
    EXPECT_EQ(progress.DrawProgress(canvas.Cdc()), 0);
    EXPECT_EQ(FilledAlong(canvas, false, kProgressFill), 0);
}

TEST_F(SkinProgressTest, AStretchedFillSqueezesItsImageATiledOneRepeatsIt)
{
    for (const int mode : {CSkinProgressCtrl::kStretch, CSkinProgressCtrl::kTile}) {
        PRGPROPERTIES record;
        SetEnum(record, PrgVar::ProgressMode, ValueKind::ProgressMode, mode);
        skin.SetImage(record, PrgVar::ThumbN, L"fill.bmp", 4, 12, &Columns);
        CSkinProgressCtrl progress;
        ASSERT_TRUE(Make(progress));
        ASSERT_EQ(progress.ApplyProperties(&record), 0);
        EXPECT_EQ(progress.GetProgressMode(), mode);
        progress.SetPos(25);   // 50 pixels
        Canvas canvas(200, 12);
        ASSERT_EQ(progress.DrawProgress(canvas.Cdc()), 0);
        EXPECT_EQ(canvas.At(0, 6), Columns(0, 0)) << mode;
        if (mode == CSkinProgressCtrl::kStretch) {
            EXPECT_EQ(canvas.At(45, 6), Columns(3, 0));   // the last of 4 columns spread over 50
        } else {
            EXPECT_EQ(canvas.At(45, 6), Columns(1, 0));   // column 1 repeats from the point on
        }
        EXPECT_EQ(canvas.At(50, 6), Canvas::kFill) << mode;
        progress.DestroyWindow();
    }
}

TEST_F(SkinProgressTest, ASpecifiedRectangleHoldsTheFill)
{
    PRGPROPERTIES record;
    SetEnum(record, PrgVar::ThumbPositionMode, ValueKind::ThumbPositionMode, CSkinProgressCtrl::kFillSpecified);
    SetRect(record, PrgVar::ThumbOriginalPosition, RECT{20, 2, 120, 10});
    skin.SetImage(record, PrgVar::ThumbN, L"fill.bmp", 4, 12, [](int, int) { return kProgressFill; });
    CSkinProgressCtrl progress;
    ASSERT_TRUE(Make(progress));
    ASSERT_EQ(progress.ApplyProperties(&record), 0);
    progress.SetPos(25);
    Canvas canvas(200, 12);
    ASSERT_EQ(progress.DrawProgress(canvas.Cdc()), 0);
    EXPECT_EQ(canvas.At(19, 6), Canvas::kFill);
    EXPECT_EQ(canvas.At(20, 6), kProgressFill);
    EXPECT_EQ(canvas.At(44, 6), kProgressFill);
    EXPECT_EQ(canvas.At(45, 6), Canvas::kFill);
}

TEST_F(SkinProgressTest, TheStateNeedsItsProgressImageAndTheTextItsSwitch)
{
    CSkinProgressCtrl progress;
    ASSERT_TRUE(Make(progress));
    progress.SetPos(40);
    Canvas canvas(200, 12);
    EXPECT_EQ(progress.DrawProgress(canvas.Cdc()), -1);
    EXPECT_EQ(progress.DrawProgress(nullptr), -1);
    EXPECT_EQ(CompareArea(canvas, 0, 0, 200, 12, [](int, int) { return Canvas::kFill; }), "");

    progress.SetShowText(false);
    EXPECT_EQ(progress.DrawProgressText(canvas.Cdc()), 0);
    EXPECT_EQ(CompareArea(canvas, 0, 0, 200, 12, [](int, int) { return Canvas::kFill; }), "");
    progress.SetShowText(true);
    EXPECT_EQ(progress.DrawProgressText(canvas.Cdc()), 0);
    EXPECT_NE(CompareArea(canvas, 0, 0, 200, 12, [](int, int) { return Canvas::kFill; }), "") << "a percentage is written";
    EXPECT_EQ(progress.DrawProgressText(nullptr), -1);
}

TEST_F(SkinProgressTest, WithoutABackgroundImageTheSystemPaintsTheBar)
{
    CSkinProgressCtrl skinned;
    ASSERT_TRUE(Make(skinned));
    CProgressCtrl plain;
    ASSERT_TRUE(plain.Create(WS_VISIBLE, RECT{10, 40, 210, 52}, &host, 402));
    plain.SetRange32(0, 100);
    for (CProgressCtrl* bar : {static_cast<CProgressCtrl*>(&skinned), &plain})
        bar->SetPos(40);
    // A progress image alone does not take the painting over.
    skinned.SetProgressBitmaps(Solid(kProgressFill, 4, 12), nullptr);
    int differing = 0;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 200; x += 3)
            differing += WindowPixel(skinned, x, y) != WindowPixel(plain, x, y) ? 1 : 0;
    }
    EXPECT_EQ(differing, 0);

    // A background image does.
    skinned.SetBackgroundBitmaps(Solid(kProgressBackground, 200, 12), Solid(kProgressBackgroundDisabled, 200, 12));
    skinned.Invalidate();
    EXPECT_EQ(WindowPixel(skinned, 10, 6), kProgressFill);
    EXPECT_EQ(WindowPixel(skinned, 150, 6), kProgressBackground);
    skinned.EnableWindow(FALSE);
    skinned.Invalidate();
    EXPECT_EQ(WindowPixel(skinned, 150, 6), kProgressBackgroundDisabled);
}

TEST_F(SkinProgressTest, ApplyingARecord)
{
    skin.AddFont(L"IDR_FONT_BAR", -11, L"Tahoma");
    PRGPROPERTIES record;
    SetSwitch(record, CtrlVar::IsSpecifyImages, true);
    SetSwitch(record, PrgVar::IsShowText, false);
    SetText(record, CtrlVar::FontResN, L"IDR_FONT_BAR");
    skin.SetImage(record, CtrlVar::BackgroundNormal, L"bar.bmp", 200, 12, [](int, int) { return kProgressBackground; });
    skin.SetImage(record, CtrlVar::BackgroundDisabled, L"bard.bmp", 200, 12,
                  [](int, int) { return kProgressBackgroundDisabled; });
    skin.SetImage(record, PrgVar::ThumbN, L"fill.bmp", 4, 12, [](int, int) { return kProgressFill; });
    skin.SetImage(record, PrgVar::ThumbD, L"filld.bmp", 4, 12, [](int, int) { return kFillDisabled; });
    CSkinProgressCtrl progress;
    ASSERT_TRUE(Make(progress));
    ASSERT_EQ(progress.ApplyProperties(&record), 0);
    EXPECT_EQ(progress.GetPositionMode(), CSkinProgressCtrl::kFillClient);
    progress.SetPos(50);
    EXPECT_EQ(WindowPixel(progress, 40, 6), kProgressFill);
    EXPECT_EQ(WindowPixel(progress, 160, 6), kProgressBackground);
    progress.EnableWindow(FALSE);
    progress.Invalidate();
    EXPECT_EQ(WindowPixel(progress, 40, 6), kFillDisabled);
    EXPECT_EQ(WindowPixel(progress, 160, 6), kProgressBackgroundDisabled);

    PRGPROPERTIES other;
    SetText(other, CtrlVar::Type, L"SLIDER");
    CSkinProgressCtrl windowless;
    EXPECT_EQ(windowless.ApplyProperties(&record), -1);
    EXPECT_EQ(progress.ApplyProperties(nullptr), -2);
    EXPECT_EQ(progress.ApplyProperties(&other), -3);
    EXPECT_EQ(progress.ApplyStyle(nullptr), -2);
    EXPECT_EQ(progress.ApplyStyle(L"IDS_NO_SUCH_STYLE"), -2);
    EXPECT_EQ(windowless.ApplyStyle(L"IDS_NO_SUCH_STYLE"), -1);
}

// --- The factory -------------------------------------------------------------------

constexpr int kProgressWindowId = 3940;

class ProgressFactoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSkinControlKinds();
        window = &skin.AddWindow(L"IDW_BARS", kProgressWindowId);
        skin.SetImage(*window, CtrlVar::BackgroundNormal, L"bk.bmp", 300, 100, &Tag);
    }

    WindowSkin skin;
    UIWNDPROPERTIES* window = nullptr;
};

TEST_F(ProgressFactoryTest, ABarWithoutImagesOfItsOwnShowsTheWindowUnderIt)
{
    PRGPROPERTIES& flat = skin.AddControl<PRGPROPERTIES>(*window, L"IDC_PRG_QUALITY", 1990, {140, 30, 240, 42});
    SetSwitch(flat, CtrlVar::IsVisible, true);
    skin.SetImage(flat, PrgVar::ThumbN, L"fill.bmp", 4, 12, [](int, int) { return kProgressFill; });
    PRGPROPERTIES& upright = skin.AddControl<PRGPROPERTIES>(*window, L"IDC_PRG_UP", 1991, {10, 10, 22, 90});
    SetSwitch(upright, PrgVar::IsVertical, true);

    TestUIWnd wnd(kProgressWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
    ASSERT_EQ(wnd.GetChildControls().size(), 2u);
    auto* bar = dynamic_cast<CSkinProgressCtrl*>(wnd.GetChildControls()[0].window);
    auto* up = dynamic_cast<CSkinProgressCtrl*>(wnd.GetChildControls()[1].window);
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(up, nullptr);
    EXPECT_EQ(bar->GetDlgCtrlID(), 1990);
    EXPECT_TRUE(up->GetStyle() & PBS_VERTICAL);
    EXPECT_FALSE(bar->GetStyle() & PBS_VERTICAL);

    bar->SetRange32(0, 100);
    bar->SetPos(30);
    bar->Invalidate();
    EXPECT_EQ(WindowPixel(*bar, 10, 6), kProgressFill);
    EXPECT_EQ(WindowPixel(*bar, 90, 1), Tag(140 + 90, 30 + 1));
    wnd.DestroyWindow();
}

TEST_F(ProgressFactoryTest, TheWindowReleasesTheBarsImagesAndFonts)
{
    PRGPROPERTIES& own = skin.AddControl<PRGPROPERTIES>(*window, L"IDC_PRG_OWN", 1992, {140, 30, 240, 42});
    SetSwitch(own, CtrlVar::IsSpecifyImages, true);
    skin.SetImage(own, CtrlVar::BackgroundNormal, L"bar.bmp", 100, 12, &Tag);
    skin.SetImage(own, CtrlVar::BackgroundDisabled, L"bard.bmp", 100, 12, &Tag);
    skin.SetImage(own, PrgVar::ThumbN, L"fill.bmp", 4, 12, &Tag);
    skin.AddControl<PRGPROPERTIES>(*window, L"IDC_PRG_PARTS", 1993, {140, 50, 240, 62});
    const auto makeAndDestroy = [&] {
        TestUIWnd wnd(kProgressWindowId);
        ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
        ASSERT_EQ(wnd.GetChildControls().size(), 2u);
        wnd.UpdateWindow();
        wnd.DestroyWindow();
    };
    const int before = LiveGdiObjects();
    makeAndDestroy();
    EXPECT_EQ(LiveGdiObjects(), before);
}

} // namespace
} // namespace skin_ui_test
