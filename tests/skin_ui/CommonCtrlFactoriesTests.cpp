// The factories of the slider, spin button, hot-key box and rich edit: each makes its
// control where its record says with the style bits its switches ask for, hands it the
// parts of the window's backgrounds under it, and the window frees those once as it goes.
#include "ControlTestSupport.h"
#include "GdiCount.h"
#include "UIWndTestSupport.h"

#include "skin/model/EditProperties.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/model/SliderProperties.h"
#include "skin/ui/controls/SkinHotKeyCtrl.h"
#include "skin/ui/controls/SkinRichEditCtrl.h"
#include "skin/ui/controls/SkinSliderCtrl.h"
#include "skin/ui/controls/SkinSpinButtonCtrl.h"
#include "skin/ui/factories/ControlKinds.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kCommonCtrlWindowId = 4100;
constexpr RECT kSliderRect{10, 10, 160, 40};
constexpr RECT kSpinRect{170, 10, 190, 50};
constexpr RECT kHotKeyRect{10, 60, 110, 84};
constexpr RECT kRichEditRect{10, 100, 210, 180};

COLORREF DisabledTag(int x, int y)
{
    return RGB(x, y, 7);
}

class CommonCtrlFactoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSkinControlKinds();
        window = &skin.AddWindow(L"IDW_COMMON", kCommonCtrlWindowId);
        skin.SetImage(*window, CtrlVar::BackgroundNormal, L"bk.bmp", 300, 200, &Tag);
        skin.SetImage(*window, CtrlVar::BackgroundDisabled, L"bkd.bmp", 300, 200, &DisabledTag);

        SLDPROPERTIES& slider = skin.AddControl<SLDPROPERTIES>(*window, L"IDC_SLIDER", 4101, kSliderRect);
        SetSwitch(slider, CtrlVar::IsVisible, true);
        SPNPROPERTIES& spin = skin.AddControl<SPNPROPERTIES>(*window, L"IDC_SPIN", 4102, kSpinRect);
        SetSwitch(spin, CtrlVar::IsVisible, true);
        SetSwitch(spin, SpnVar::IsVertical, true);
        SetSwitch(spin, SpnVar::IsWrap, true);
        SetSwitch(spin, SpnVar::IsArrowKeys, true);
        SetEnum(spin, SpnVar::Alignment, ValueKind::SpinAlignment, 2);
        HOTPROPERTIES& hotKey = skin.AddControl<HOTPROPERTIES>(*window, L"IDC_HOTKEY", 4103, kHotKeyRect);
        SetSwitch(hotKey, CtrlVar::IsVisible, true);
        SetSwitch(hotKey, CtrlVar::IsDisabled, true);
        RICHEDITPROPERTIES& rich = skin.AddControl<RICHEDITPROPERTIES>(*window, L"IDC_RICH", 4104, kRichEditRect);
        SetSwitch(rich, CtrlVar::IsVisible, true);
        SetSwitch(rich, EdtVar::IsMultiline, true);
        SetSwitch(rich, EdtVar::IsVScroll, true);
        SetSwitch(rich, EdtVar::IsReadOnly, true);
        SetSwitch(rich, EdtVar::Border, true);
    }

    template <class Control>
    Control* Child(const TestUIWnd& wnd, size_t index)
    {
        return dynamic_cast<Control*>(wnd.GetChildControls().at(index).window);
    }

    WindowSkin skin;
    UIWNDPROPERTIES* window = nullptr;
};

TEST_F(CommonCtrlFactoryTest, EachControlIsMadeWithTheStyleItsRecordAsksFor)
{
    TestUIWnd wnd(kCommonCtrlWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
    ASSERT_EQ(wnd.GetChildControls().size(), 4u);

    auto* const slider = Child<CSkinSliderCtrl>(wnd, 0);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->GetDlgCtrlID(), 4101);
    EXPECT_EQ(CRect(ChildRect(wnd, *slider)), CRect(kSliderRect));
    EXPECT_FALSE(slider->GetStyle() & TBS_VERT);

    auto* const spin = Child<CSkinSpinButtonCtrl>(wnd, 1);
    ASSERT_NE(spin, nullptr);
    const DWORD spinStyle = spin->GetStyle();
    EXPECT_FALSE(spinStyle & UDS_HORZ) << "vertical";
    EXPECT_TRUE(spinStyle & UDS_WRAP);
    EXPECT_TRUE(spinStyle & UDS_ARROWKEYS);
    EXPECT_TRUE(spinStyle & UDS_ALIGNRIGHT);
    EXPECT_FALSE(spinStyle & (UDS_ALIGNLEFT | UDS_SETBUDDYINT | UDS_AUTOBUDDY));

    auto* const hotKey = Child<CSkinHotKeyCtrl>(wnd, 2);
    ASSERT_NE(hotKey, nullptr);
    EXPECT_TRUE(hotKey->GetStyle() & WS_DISABLED);

    auto* const rich = Child<CSkinRichEditCtrl>(wnd, 3);
    ASSERT_NE(rich, nullptr);
    const DWORD richStyle = rich->GetStyle();
    EXPECT_TRUE(richStyle & ES_MULTILINE);
    EXPECT_TRUE(richStyle & ES_READONLY);
    EXPECT_FALSE(richStyle & WS_BORDER) << "a rich edit takes no border from the record";
    EXPECT_TRUE(rich->GetExStyle() & WS_EX_TRANSPARENT);
}

TEST_F(CommonCtrlFactoryTest, ControlsShowTheWindowsBackgroundUnderThem)
{
    TestUIWnd wnd(kCommonCtrlWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
    auto* const slider = Child<CSkinSliderCtrl>(wnd, 0);
    auto* const spin = Child<CSkinSpinButtonCtrl>(wnd, 1);
    auto* const hotKey = Child<CSkinHotKeyCtrl>(wnd, 2);
    ASSERT_TRUE(slider && spin && hotKey);
    EXPECT_EQ(WindowPixel(*slider, 1, 1), Tag(kSliderRect.left + 1, kSliderRect.top + 1));
    EXPECT_EQ(WindowPixel(*spin, 3, 3), Tag(kSpinRect.left + 3, kSpinRect.top + 3));
    // The disabled box shows the part of the window's disabled background.
    EXPECT_EQ(WholeWindowPixel(*hotKey, 0, 0), DisabledTag(kHotKeyRect.left, kHotKeyRect.top));
}

TEST_F(CommonCtrlFactoryTest, ThePartsAreFreedOnceWithTheWindow)
{
    // The first round also makes what the system keeps for each kind of control.
    int before = 0;
    for (int round = 0; round < 2; ++round) {
        before = LiveGdiObjects();
        TestUIWnd wnd(kCommonCtrlWindowId);
        ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
        wnd.UpdateWindow();
        wnd.DestroyWindow();
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

} // namespace
} // namespace skin_ui_test
