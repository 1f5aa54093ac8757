// The extended slider: where the thumb lies and which position a click or a drag makes
// (with an empty track or range guarded), one scroll message per change with the previous
// position in the low word, NM_RELEASEDCAPTURE on every release, the drawing of channel,
// mark and thumb, the tip text offered to the parent, and two sliders in one skinned
// window made by the factory.
#include "ControlParent.h"
#include "ControlTestSupport.h"
#include "GdiCount.h"
#include "UIWndTestSupport.h"

#include "skin/model/SliderProperties.h"
#include "skin/ui/controls/SliderCtrlEx.h"
#include "skin/ui/factories/ControlKinds.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

using namespace Vexel;

namespace skin_ui_test {
namespace {

// --- Geometry ----------------------------------------------------------------------

constexpr SliderLayout kHorizontal = {{120, 20}, {10, 14}, 0, 100, false};
constexpr SliderLayout kVertical = {{20, 120}, {14, 10}, 0, 100, true};

TEST(SliderExGeometry, TheThumbLiesAlongTheTrackByPosition)
{
    struct Case {
        const char* what;
        SliderLayout layout;
        int position;
        RECT thumb;
    };
    const Case cases[] = {
        {"horizontal minimum", kHorizontal, 0, {0, 3, 10, 17}},
        {"horizontal middle", kHorizontal, 50, {55, 3, 65, 17}},
        {"horizontal maximum", kHorizontal, 100, {110, 3, 120, 17}},
        {"vertical maximum at the top", kVertical, 100, {3, 0, 17, 10}},
        {"vertical minimum at the bottom", kVertical, 0, {3, 110, 17, 120}},
        {"an empty range", {{120, 20}, {10, 14}, 40, 40, false}, 40, {0, 3, 10, 17}},
        {"a thumb as wide as the slider", {{120, 20}, {120, 14}, 0, 100, false}, 70, {0, 3, 120, 17}},
        {"a thumb wider than the slider", {{120, 20}, {130, 14}, 0, 100, false}, 70, {0, 3, 130, 17}},
        {"a range below zero", {{120, 20}, {10, 14}, -50, 50, false}, 0, {55, 3, 65, 17}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text(SliderThumbRect(c.layout, c.position)), Text(c.thumb)) << c.what;
}

TEST(SliderExGeometry, PositionsAreClampedToTheRange)
{
    EXPECT_EQ(ClampSliderPosition(kHorizontal, 150), 100);
    EXPECT_EQ(ClampSliderPosition(kHorizontal, -5), 0);
    EXPECT_EQ(ClampSliderPosition(kHorizontal, 37), 37);
}

TEST(SliderExGeometry, AClickInTheChannelJumpsByItsDistanceFromTheThumbsCentre)
{
    struct Case {
        const char* what;
        SliderLayout layout;
        int position;
        POINT click;
        int expected;
    };
    const SliderLayout empty = {{120, 20}, {10, 14}, 40, 40, false};
    const SliderLayout noTrack = {{120, 20}, {120, 14}, 0, 100, false};
    const Case cases[] = {
        {"right of the thumb", kHorizontal, 0, {100, 10}, 86},      // (100 - 5) * 100 / 110
        {"left of the thumb", kHorizontal, 100, {20, 10}, 14},      // 100 + (20 - 115) * 100 / 110
        {"far right, clamped", kHorizontal, 90, {119, 10}, 100},
        {"on the thumb", kHorizontal, 50, {60, 10}, 50},
        {"at the left edge", kHorizontal, 50, {0, 10}, 50},
        {"above the thumb", kVertical, 0, {10, 10}, 95},             // 0 - (10 - 115) * 100 / 110
        {"below the thumb", kVertical, 100, {10, 100}, 14},
        {"an empty range", empty, 40, {100, 10}, 40},
        {"no track", noTrack, 50, {119, 10}, 50},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SliderClickPosition(c.layout, c.position, c.click), c.expected) << c.what;
}

TEST(SliderExGeometry, ADragMovesTheThumbByTheCursorsDistanceWithinTheSlider)
{
    struct Case {
        const char* what;
        SliderLayout layout;
        POINT start;
        POINT to;
        int expected;
        RECT thumb;
    };
    const Case cases[] = {
        {"right by 11", kHorizontal, {60, 10}, {71, 10}, 60, {66, 3, 76, 17}},
        {"left by 11", kHorizontal, {60, 10}, {49, 10}, 40, {44, 3, 54, 17}},
        {"across the slider, moving up and down too", kHorizontal, {60, 10}, {61, 50}, 50, {56, 3, 66, 17}},
        {"past the right end", kHorizontal, {60, 10}, {400, 10}, 100, {110, 3, 120, 17}},
        {"past the left end", kHorizontal, {60, 10}, {-300, 10}, 0, {0, 3, 10, 17}},
        {"up by 11", kVertical, {10, 60}, {10, 49}, 60, {3, 44, 17, 54}},
        {"to the bottom", kVertical, {10, 60}, {10, 500}, 0, {3, 110, 17, 120}},
        {"to the top", kVertical, {10, 60}, {10, -500}, 100, {3, 0, 17, 10}},
        {"no track", {{120, 20}, {120, 14}, 0, 100, false}, {60, 10}, {90, 10}, 50, {0, 3, 120, 17}},
    };
    for (const Case& c : cases) {
        RECT thumb{};
        EXPECT_EQ(SliderDragPosition(c.layout, 50, c.start, c.to, thumb), c.expected) << c.what;
        EXPECT_EQ(Text(thumb), Text(c.thumb)) << c.what;
    }
}

// --- The window --------------------------------------------------------------------

constexpr COLORREF kSliderExBackground = RGB(200, 200, 200);
constexpr COLORREF kMark = RGB(40, 120, 220);
constexpr COLORREF kMarkDisabled = RGB(120, 120, 120);
constexpr COLORREF kSliderExBackgroundDisabled = RGB(230, 230, 230);
constexpr COLORREF kSliderExThumbColors[CSliderCtrlEx::kThumbs] = {RGB(10, 10, 90), RGB(10, 90, 10), RGB(90, 10, 10),
                                                            RGB(60, 60, 60)};

// A 10 x 14 thumb of one colour whose top-left pixel is the transparent magenta.
HBITMAP Thumb(COLORREF color)
{
    return MakeBitmap(10, 14, [color](int x, int y) { return x == 0 && y == 0 ? kMagenta : color; });
}

class SliderCtrlExTest : public ::testing::Test {
protected:
    // A 120 x 20 slider at (10, 10) of the host, range 0..100, with images.
    bool Make(CSliderCtrlEx& slider, DWORD style = 0, UINT id = 301)
    {
        const RECT rect = (style & TBS_VERT) ? RECT{10, 10, 30, 130} : RECT{10, 10, 130, 30};
        if (!slider.Create(style | WS_VISIBLE, rect, &host, id))
            return false;
        const int w = rect.right - rect.left;
        const int h = rect.bottom - rect.top;
        slider.SetBackgroundBitmaps(Solid(kSliderExBackground, w, h), Solid(kMark, w, h),
                                    Solid(kMarkDisabled, w, h), Solid(kSliderExBackgroundDisabled, w, h));
        slider.SetThumbBitmaps(Thumb(kSliderExThumbColors[0]), Thumb(kSliderExThumbColors[1]),
                               Thumb(kSliderExThumbColors[2]), Thumb(kSliderExThumbColors[3]));
        slider.SetRange(0, 100);
        return true;
    }

    static void Press(CSliderCtrlEx& slider, int x, int y) { slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(x, y)); }
    static void Move(CSliderCtrlEx& slider, int x, int y) { slider.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(x, y)); }
    static void Release(CSliderCtrlEx& slider, int x, int y) { slider.SendMessage(WM_LBUTTONUP, 0, At(x, y)); }

    ControlParent host{0, 0, 300, 200};
};

TEST_F(SliderCtrlExTest, AClickInTheChannelSendsOneScrollMessageAndTheLandedThumbIsHeld)
{
    CSliderCtrlEx slider;
    ASSERT_TRUE(Make(slider));
    Press(slider, 100, 10);
    EXPECT_EQ(slider.GetPos(), 86);
    ASSERT_EQ(host.scrolls.size(), 1u);
    EXPECT_EQ(host.scrolls[0].message, static_cast<UINT>(WM_HSCROLL));
    EXPECT_EQ(host.scrolls[0].code, 0) << "the position before the change";
    EXPECT_EQ(host.scrolls[0].position, 86);
    EXPECT_EQ(host.scrolls[0].from, slider.GetSafeHwnd());
    // The thumb now lies under the cursor: the press holds it.
    EXPECT_EQ(::GetCapture(), slider.GetSafeHwnd());

    Release(slider, 100, 10);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(host.releasedCaptures, 1);
    EXPECT_EQ(host.scrolls.size(), 1u);
}

TEST_F(SliderCtrlExTest, ADragSendsOneScrollMessagePerChangeWithThePreviousPosition)
{
    CSliderCtrlEx slider;
    ASSERT_TRUE(Make(slider));
    slider.SetPos(50);   // thumb at 55..65
    Press(slider, 60, 10);
    EXPECT_TRUE(host.scrolls.empty()) << "taking the thumb moves nothing";
    EXPECT_EQ(::GetCapture(), slider.GetSafeHwnd());

    Move(slider, 71, 10);    // 60
    Move(slider, 71, 12);    // still 60: nothing sent
    Move(slider, 82, 10);    // 70
    Move(slider, 500, 10);   // 100
    Move(slider, 49, 10);    // 40
    const std::vector<std::pair<int, int>> expected = {{50, 60}, {60, 70}, {70, 100}, {100, 40}};
    ASSERT_EQ(host.scrolls.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(host.scrolls[i].code, expected[i].first) << i;
        EXPECT_EQ(host.scrolls[i].position, expected[i].second) << i;
    }
    EXPECT_EQ(slider.GetPos(), 40);
    EXPECT_EQ(Text(slider.GetThumbRect()), Text(RECT{44, 3, 54, 17}));
    Release(slider, 49, 10);
    EXPECT_EQ(host.releasedCaptures, 1);
}

TEST_F(SliderCtrlExTest, EveryReleaseIsReportedDraggingOrNot)
{
    CSliderCtrlEx slider;
    ASSERT_TRUE(Make(slider));
    slider.SetPos(50);
    Press(slider, 0, 10);     // on the channel's edge: no jump
    Release(slider, 0, 10);
    Release(slider, 5, 5);    // a release without a press on the slider
    Press(slider, 60, 10);    // the thumb
    Release(slider, 60, 10);
    EXPECT_EQ(host.releasedCaptures, 3);
    EXPECT_TRUE(host.scrolls.empty());
    EXPECT_EQ(slider.GetPos(), 50);
}

TEST_F(SliderCtrlExTest, AVerticalSliderScrollsVerticallyWithItsMaximumAtTheTop)
{
    CSliderCtrlEx slider;
    ASSERT_TRUE(Make(slider, TBS_VERT));
    Press(slider, 10, 10);
    ASSERT_EQ(host.scrolls.size(), 1u);
    EXPECT_EQ(host.scrolls[0].message, static_cast<UINT>(WM_VSCROLL));
    EXPECT_EQ(host.scrolls[0].position, 97);   // 0 - (10 - 113) * 100 / 106
    EXPECT_EQ(slider.GetPos(), 97);
}

TEST_F(SliderCtrlExTest, AnEmptyRangeOrTrackMakesTheMouseChangeNothing)
{
    CSliderCtrlEx equal;
    ASSERT_TRUE(Make(equal));
    equal.SetRange(30, 30);
    equal.SetPos(80);
    EXPECT_EQ(equal.GetPos(), 30);
    EXPECT_EQ(equal.GetThumbRect().left, 0);

    CSliderCtrlEx wide;
    ASSERT_TRUE(Make(wide, 0, 302));
    wide.SetThumbBitmaps(Solid(kSliderExThumbColors[0], 150, 14), nullptr, nullptr, nullptr);
    wide.SetPos(50);
    for (CSliderCtrlEx* slider : {&equal, &wide}) {
        Press(*slider, 100, 10);
        Move(*slider, 20, 10);
        Move(*slider, 119, 10);
        Release(*slider, 119, 10);
    }
    EXPECT_TRUE(host.scrolls.empty());
    EXPECT_EQ(equal.GetPos(), 30);
    EXPECT_EQ(wide.GetPos(), 50);
    EXPECT_EQ(host.releasedCaptures, 2);
}

TEST_F(SliderCtrlExTest, TheRangeLeavesThePositionUntilItIsSetAgain)
{
    CSliderCtrlEx slider;
    ASSERT_TRUE(Make(slider));
    slider.SetPos(90);
    slider.SetRange(0, 50, TRUE);
    EXPECT_EQ(slider.GetPos(), 90);
    slider.SetPos(slider.GetPos());
    EXPECT_EQ(slider.GetPos(), 50);
    slider.SetPos(-3);
    EXPECT_EQ(slider.GetPos(), 0);
}

TEST_F(SliderCtrlExTest, DrawsTheChannelTheMarkUpToTheThumbsCentreAndTheThumb)
{
    CSliderCtrlEx slider;
    ASSERT_TRUE(Make(slider));
    slider.SetPos(50);   // thumb 55..65 x 3..17, centre 60
    struct Probe {
        const char* what;
        POINT at;
        COLORREF withMark;
        COLORREF withoutMark;
    };
    const Probe probes[] = {
        {"channel left of the centre", {20, 1}, kMark, kSliderExBackground},
        {"just left of the centre", {59, 1}, kMark, kSliderExBackground},
        {"right of the centre", {60, 1}, kSliderExBackground, kSliderExBackground},
        {"thumb", {60, 10}, kSliderExThumbColors[0], kSliderExThumbColors[0]},
        {"thumb's transparent pixel", {55, 3}, kMark, kSliderExBackground},
    };
    // The mark is off until a record turns it on; both ways are drawn here.
    for (const bool mark : {false, true}) {
        if (mark) {
            SLDEXPROPERTIES record;
            SetSwitch(record, SldVar::IsUseMark, true);
            ASSERT_EQ(slider.ApplyProperties(&record), 0);
            // The record named no thumb images: put them back.
            slider.SetThumbBitmaps(Thumb(kSliderExThumbColors[0]), Thumb(kSliderExThumbColors[1]),
                                   Thumb(kSliderExThumbColors[2]), Thumb(kSliderExThumbColors[3]));
        }
        Canvas canvas(120, 20);
        EXPECT_EQ(slider.DrawHorizontal(canvas.Cdc()), 0);
        for (const Probe& p : probes)
            EXPECT_EQ(canvas.At(p.at.x, p.at.y), mark ? p.withMark : p.withoutMark) << p.what << " mark " << mark;
    }
    EXPECT_EQ(slider.DrawHorizontal(nullptr), -1);

    // The window shows the same.
    EXPECT_EQ(WindowPixel(slider, 20, 1), kMark);
    EXPECT_EQ(WindowPixel(slider, 100, 1), kSliderExBackground);
}

TEST_F(SliderCtrlExTest, TheThumbShowsTheMouseAndTheDisabledState)
{
    CSliderCtrlEx slider;
    ASSERT_TRUE(Make(slider));
    slider.SetPos(50);
    const auto thumb = [&] {
        Canvas canvas(120, 20);
        slider.DrawHorizontal(canvas.Cdc());
        return canvas.At(60, 10);
    };
    EXPECT_EQ(thumb(), kSliderExThumbColors[CSliderCtrlEx::kThumbNormal]);
    slider.SendMessage(WM_MOUSEMOVE, 0, At(60, 10));
    EXPECT_EQ(thumb(), kSliderExThumbColors[CSliderCtrlEx::kThumbHighlight]);
    SetLeftButton(true);
    Press(slider, 60, 10);
    EXPECT_EQ(thumb(), kSliderExThumbColors[CSliderCtrlEx::kThumbSelected]);
    Move(slider, 60, 40);   // held, off the thumb
    EXPECT_EQ(thumb(), kSliderExThumbColors[CSliderCtrlEx::kThumbHighlight]);
    SetLeftButton(false);
    Release(slider, 60, 40);
    slider.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(thumb(), kSliderExThumbColors[CSliderCtrlEx::kThumbNormal]);
    slider.EnableWindow(FALSE);
    EXPECT_EQ(thumb(), kSliderExThumbColors[CSliderCtrlEx::kThumbDisabled]);
    Canvas canvas(120, 20);
    slider.DrawHorizontal(canvas.Cdc());
    EXPECT_EQ(canvas.At(100, 1), kSliderExBackgroundDisabled);
}

TEST_F(SliderCtrlExTest, TheParentMayRewordThePositionsTip)
{
    CSliderCtrlEx slider;
    ASSERT_TRUE(Make(slider));
    SLDEXPROPERTIES record;
    SetSwitch(record, SldVar::ToolTipEnable, true);
    ASSERT_EQ(slider.ApplyProperties(&record), 0);
    slider.SetPos(40);
    MSG move{slider.GetSafeHwnd(), WM_MOUSEMOVE, 0, At(5, 5)};
    host.tipReplacement = L"40 %";
    slider.PreTranslateMessage(&move);
    slider.SetRange(0, 30);   // the position now lies outside: no number to offer
    slider.PreTranslateMessage(&move);
    EXPECT_EQ(host.tipTexts, std::vector<std::wstring>{L"40"});

    // Without the tip nothing is offered.
    CSliderCtrlEx plain;
    ASSERT_TRUE(Make(plain, 0, 303));
    move.hwnd = plain.GetSafeHwnd();
    plain.PreTranslateMessage(&move);
    EXPECT_EQ(host.tipTexts.size(), 1u);
}

TEST_F(SliderCtrlExTest, ApplyingARecordFollowsTheResultConvention)
{
    CSliderCtrlEx slider;
    ASSERT_TRUE(Make(slider));
    SLDEXPROPERTIES record;
    SLDEXPROPERTIES other;
    SetText(other, CtrlVar::Type, L"SLIDER");
    CSliderCtrlEx windowless;
    EXPECT_EQ(windowless.ApplyProperties(&record), -1);
    EXPECT_EQ(slider.ApplyProperties(nullptr), -2);
    EXPECT_EQ(slider.ApplyProperties(&other), -3);
    EXPECT_EQ(slider.ApplyStyle(L"IDS_NO_SUCH_STYLE"), -2);
    EXPECT_EQ(windowless.ApplyStyle(L"IDS_NO_SUCH_STYLE"), -1);
}

// --- The factory -------------------------------------------------------------------

constexpr int kSliderExWindowId = 3930;

class SliderFactoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSkinControlKinds();
        window = &skin.AddWindow(L"IDW_SLIDERS", kSliderExWindowId);
        skin.SetImage(*window, CtrlVar::BackgroundNormal, L"bk.bmp", 300, 100, &Tag);
    }

    // A slider record as the call page has them: its images from strips.
    SLDEXPROPERTIES& VolumeSlider(LPCWSTR id, int number, RECT rect)
    {
        SLDEXPROPERTIES& record = skin.AddControl<SLDEXPROPERTIES>(*window, id, number, rect);
        SetSwitch(record, CtrlVar::IsVisible, true);
        SetSwitch(record, CtrlVar::IsSpecifyImages, true);
        SetSwitch(record, CtrlVar::IsCombineImages, true);
        SetPoint(record, CtrlVar::ResizingPoint, POINT{12, 10});
        const COLORREF parts[] = {kSliderExBackground, kMark, kMarkDisabled, kSliderExBackgroundDisabled};
        skin.SetImage(record, CtrlVar::BkCombine, L"volume.bmp", 4 * 30, 20,
                      [parts](int x, int) { return parts[x / 30]; });
        SetSwitch(record, SldVar::IsCombineThumbImages, true);
        skin.SetImage(record, SldVar::ThumbCombine, L"thumbs.bmp", 4 * 10, 14,
                      [](int x, int) { return kSliderExThumbColors[x / 10]; });
        return record;
    }

    WindowSkin skin;
    UIWNDPROPERTIES* window = nullptr;
};

TEST_F(SliderFactoryTest, TwoSlidersOfOneWindowEachMoveTheirOwnPosition)
{
    VolumeSlider(L"IDC_SLDEX_MIC", 1960, {44, 40, 162, 60});
    VolumeSlider(L"IDC_SLDEX_VOLUME", 1961, {170, 40, 290, 60});
    TestUIWnd wnd(kSliderExWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
    ASSERT_EQ(wnd.GetChildControls().size(), 2u);

    CSliderCtrlEx* sliders[2] = {};
    for (int i = 0; i < 2; ++i) {
        sliders[i] = dynamic_cast<CSliderCtrlEx*>(wnd.GetChildControls()[i].window);
        ASSERT_NE(sliders[i], nullptr) << i;
        wchar_t name[64] = {};
        ::GetClassNameW(*sliders[i], name, ARRAYSIZE(name));
        EXPECT_STREQ(name, L"msctls_trackbar32ex");
        EXPECT_EQ(sliders[i]->GetDlgCtrlID(), 1960 + i);
        sliders[i]->SetRange(0, 255);
    }
    sliders[1]->SetPos(128);
    EXPECT_EQ(sliders[0]->GetPos(), 0);
    EXPECT_EQ(sliders[1]->GetPos(), 128);

    // Each draws from its strips: the mark up to its own thumb.
    EXPECT_EQ(WindowPixel(*sliders[0], 100, 1), kSliderExBackground);
    EXPECT_EQ(WindowPixel(*sliders[1], 20, 1), kMark);
    EXPECT_EQ(WindowPixel(*sliders[1], 100, 1), kSliderExBackground);
    const RECT thumb = sliders[1]->GetThumbRect();
    EXPECT_EQ(WindowPixel(*sliders[1], thumb.left + 5, 10), kSliderExThumbColors[0]);
    wnd.DestroyWindow();
}

TEST_F(SliderFactoryTest, StyleExtendedStyleAndTheWindowsPartsWithoutImagesOfItsOwn)
{
    SLDEXPROPERTIES& upright = skin.AddControl<SLDEXPROPERTIES>(*window, L"IDC_SLDEX_UP", 1970, {10, 10, 30, 90});
    SetSwitch(upright, SldVar::IsVertical, true);
    SetEnum(upright, SldVar::ExtendedStyle, ValueKind::SliderExtendedStyle, 2);
    SLDEXPROPERTIES& plain = skin.AddControl<SLDEXPROPERTIES>(*window, L"IDC_SLDEX_PLAIN", 1971, {40, 10, 160, 30});
    SetSwitch(plain, CtrlVar::IsVisible, true);
    SetSwitch(plain, SldVar::IsUseMark, false);
    TestUIWnd wnd(kSliderExWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
    ASSERT_EQ(wnd.GetChildControls().size(), 2u);
    auto* up = dynamic_cast<CSliderCtrlEx*>(wnd.GetChildControls()[0].window);
    auto* flat = dynamic_cast<CSliderCtrlEx*>(wnd.GetChildControls()[1].window);
    ASSERT_NE(up, nullptr);
    ASSERT_NE(flat, nullptr);
    EXPECT_TRUE(up->GetStyle() & TBS_VERT);
    EXPECT_EQ(up->GetExtendedStyle(), CSliderCtrlEx::kExtendedSplitProgress);
    EXPECT_EQ(flat->GetExtendedStyle(), 0u);
    // The channel is the window's background under the slider.
    EXPECT_EQ(WindowPixel(*flat, 100, 2), Tag(40 + 100, 10 + 2));
    wnd.DestroyWindow();
}

TEST_F(SliderFactoryTest, TheWindowReleasesTheSlidersImages)
{
    VolumeSlider(L"IDC_SLDEX_MIC", 1980, {44, 40, 162, 60});
    skin.AddControl<SLDEXPROPERTIES>(*window, L"IDC_SLDEX_PARTS", 1981, {40, 10, 160, 30});
    const auto makeAndDestroy = [&] {
        TestUIWnd wnd(kSliderExWindowId);
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
