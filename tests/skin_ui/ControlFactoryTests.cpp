// The child-control factories behind the control-kind table: the one registration call
// fills the rows, and each factory makes its control from the skin record as the window
// creates its children: the window styles each type word asks for, the default push
// button's hand-over, the parts of the window's backgrounds a control paints with, and
// every image freed once when the window goes.
#include "ControlTestSupport.h"
#include "GdiCount.h"

#include "skin/model/ButtonProperties.h"
#include "skin/model/EditProperties.h"
#include "skin/model/SliderProperties.h"
#include "skin/ui/RectCtrl.h"
#include "skin/ui/SplitterBar.h"
#include "skin/ui/factories/ControlKinds.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kFactoryWindowId = 3800;

void NoRelease(CObject&) {}

TEST(ControlKindTable, RegistrationFillsTheRowOfItsWordOnly)
{
    const ControlKind* const row = FindControlKind(L"WAVECTRL");
    ASSERT_NE(row, nullptr);
    const ControlKind before = *row;
    EXPECT_TRUE(RegisterControlKind(L"WAVECTRL", nullptr, &NoRelease));
    EXPECT_EQ(row->release, &NoRelease);
    EXPECT_EQ(row->designRect, before.designRect);   // the table keeps its own layout source
    EXPECT_FALSE(RegisterControlKind(L"wavectrl", nullptr, nullptr));   // words are exact
    EXPECT_FALSE(RegisterControlKind(nullptr, nullptr, nullptr));
    ReplaceControlKind(before);
}

class ControlFactory : public ::testing::Test {
protected:
    void SetUp() override { RegisterSkinControlKinds(); }

    UIWNDPROPERTIES& Window(int w, int h)
    {
        UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_FACTORY", kFactoryWindowId);
        skin.SetImage(window, CtrlVar::BackgroundNormal, L"bk.bmp", w, h, &Tag);
        return window;
    }

    WindowSkin skin;
};

// The child made from the record whose ID has this number.
CWnd* ChildWindow(const CUIWnd& wnd, UINT id)
{
    for (const ChildControlRecord& child : wnd.GetChildControls()) {
        if (child.window && static_cast<UINT>(child.window->GetDlgCtrlID()) == id)
            return child.window;
    }
    return nullptr;
}

TEST_F(ControlFactory, PlaceholdersTakeTheRecordsRectAndIdAndIgnoreItsSwitches)
{
    UIWNDPROPERTIES& window = Window(200, 100);
    CTRLPROPERTIES& rect = skin.AddControl<RECTPROPERTIES>(window, L"IDC_RECT_AREA", 1801, {10, 10, 90, 90});
    CTRLPROPERTIES& splitter = skin.AddControl<SPLITTERPROPERTIES>(window, L"IDC_SPLITTER", 1802, {95, 0, 99, 100});
    for (CTRLPROPERTIES* record : {&rect, &splitter}) {
        SetSwitch(*record, CtrlVar::IsDisabled, true);
        SetSwitch(*record, CtrlVar::IsTabStop, true);
    }
    TestUIWnd wnd(kFactoryWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 0));

    const std::vector<ChildControlRecord>& children = wnd.GetChildControls();
    ASSERT_EQ(children.size(), 2u);
    const struct {
        LPCWSTR type;
        UINT id;
        RECT rect;
        const CRuntimeClass* cls;
    } kExpected[] = {
        {L"RECT", 1801, {10, 10, 90, 90}, RUNTIME_CLASS(CRectCtrl)},
        {L"SPLITTER", 1802, {95, 0, 99, 100}, RUNTIME_CLASS(CSplitterBar)},
    };
    for (size_t i = 0; i < std::size(kExpected); ++i) {
        const CRectCtrl* const placeholder = children[i].placeholder;
        ASSERT_NE(placeholder, nullptr) << i;
        EXPECT_STREQ(children[i].type, kExpected[i].type);
        EXPECT_EQ(children[i].window, nullptr) << i;
        EXPECT_TRUE(placeholder->IsKindOf(kExpected[i].cls)) << i;
        EXPECT_EQ(placeholder->GetID(), kExpected[i].id) << i;
        EXPECT_EQ(placeholder->GetStyle(), static_cast<DWORD>(WS_CHILD)) << i;
        EXPECT_TRUE(placeholder->GetName().IsEmpty()) << i;
        EXPECT_EQ(CRect(placeholder->GetDesignRect()), CRect(kExpected[i].rect)) << i;
    }
    EXPECT_EQ(wnd.GetRectCtrl(1801), children[0].placeholder);
    EXPECT_EQ(::GetPropW(wnd, kSplitterProperty), static_cast<HANDLE>(children[1].placeholder));

    wnd.DestroyWindow();   // the splitter lets go of its window while the window goes
    EXPECT_TRUE(wnd.stringIdGoneAtNcDestroy);
}

TEST_F(ControlFactory, EachTypeWordCreatesItsWindowStyleAndCaption)
{
    UIWNDPROPERTIES& window = Window(200, 100);
    struct Case {
        CTRLPROPERTIES* record;
        std::vector<int> switches;   // turned on; the other common switches are off
        DWORD style;                 // the whole style expected, WS_CHILD aside
        LPCWSTR className;
    };
    auto& push = skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_DEF", 1811, {0, 0, 40, 20});
    auto& plain = skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_OFF", 1812, {40, 0, 80, 20});
    auto& check = skin.AddControl<CHKPROPERTIES>(window, L"IDC_CHK_ONE", 1813, {80, 0, 120, 20});
    auto& radio = skin.AddControl<RADPROPERTIES>(window, L"IDC_RAD_ONE", 1814, {120, 0, 160, 20});
    auto& label = skin.AddControl<TXTPROPERTIES>(window, L"IDC_TXT_ONE", 1815, {0, 40, 100, 60});
    auto& hidden = skin.AddControl<TXTPROPERTIES>(window, L"IDC_TXT_TWO", 1816, {0, 60, 100, 80});
    const Case kCases[] = {
        {&push, {CtrlVar::IsVisible, BtnVar::IsDefPushButton, BtnBaseVar::IsMultiline, CtrlVar::IsTabStop},
         WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON | BS_MULTILINE, L"Button"},
        {&plain, {CtrlVar::IsVisible, CtrlVar::IsDisabled, CtrlVar::IsClipChildren},
         WS_VISIBLE | WS_DISABLED | WS_CLIPCHILDREN | BS_PUSHBUTTON, L"Button"},
        {&check, {CtrlVar::IsVisible, BtnBaseVar::IsMultiline, CtrlVar::IsClipSiblings},
         WS_VISIBLE | WS_CLIPSIBLINGS | BS_AUTOCHECKBOX | BS_MULTILINE, L"Button"},
        {&radio, {CtrlVar::IsVisible, RadVar::IsGroup}, WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, L"Button"},
        {&label, {CtrlVar::IsVisible}, WS_VISIBLE | SS_NOTIFY, L"Static"},
        {&hidden, {CtrlVar::IsTabStop}, WS_TABSTOP | SS_NOTIFY, L"Static"},
    };
    const int captions[] = {BtnBaseVar::Caption, BtnBaseVar::Caption, BtnBaseVar::Caption, BtnBaseVar::Caption,
                            TxtVar::Caption, TxtVar::Caption};
    for (size_t i = 0; i < std::size(kCases); ++i) {
        for (const int variable : {CtrlVar::IsVisible, CtrlVar::IsDisabled, CtrlVar::IsTabStop, CtrlVar::IsClipChildren,
                                   CtrlVar::IsClipSiblings})
            SetSwitch(*kCases[i].record, variable, false);
        for (const int variable : kCases[i].switches)
            SetSwitch(*kCases[i].record, variable, true);
        SetText(*kCases[i].record, captions[i], L"Caption");
    }
    ProbeWnd wnd(kFactoryWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 0));
    for (size_t i = 0; i < std::size(kCases); ++i) {
        const UINT id = static_cast<UINT>(1811 + i);
        CWnd* const control = ChildWindow(wnd, id);
        ASSERT_NE(control, nullptr) << id;
        EXPECT_EQ(control->GetStyle(), WS_CHILD | kCases[i].style) << id;
        WCHAR cls[32] = {};
        ::GetClassNameW(*control, cls, 32);
        EXPECT_STREQ(cls, kCases[i].className) << id;
        CString caption;
        control->GetWindowText(caption);
        EXPECT_EQ(caption, CString(L"Caption")) << id;
    }
}

TEST_F(ControlFactory, ALaterDefaultPushButtonTakesTheDefaultFromTheEarlierOne)
{
    UIWNDPROPERTIES& window = Window(200, 100);
    for (const auto& b : {std::make_pair(L"IDC_BTN_FIRST", 1821), std::make_pair(L"IDC_BTN_SECOND", 1822)}) {
        auto& record = skin.AddControl<BTNPROPERTIES>(window, b.first, b.second, {0, 0, 40, 20});
        SetSwitch(record, BtnVar::IsDefPushButton, true);
    }
    ProbeWnd wnd(kFactoryWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 0));
    EXPECT_EQ(wnd.SendMessage(DM_GETDEFID), MAKELRESULT(1822, DC_HASDEFID));
    EXPECT_EQ(ChildWindow(wnd, 1821)->GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON));
    EXPECT_EQ(ChildWindow(wnd, 1822)->GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
}

// The window's state backgrounds: a pattern that names each pixel, and the highlight one
// another pattern, so a part tells which background and which place it came from.
COLORREF Highlight(int x, int y)
{
    return RGB(255 - (x & 0xFF), 255 - (y & 0xFF), 77);
}

TEST_F(ControlFactory, ControlsPaintThePartsOfTheWindowsBackgroundsUnderThem)
{
    UIWNDPROPERTIES& window = Window(200, 100);
    skin.SetImage(window, CtrlVar::BackgroundHighlight, L"bkh.bmp", 200, 100, &Highlight);
    constexpr COLORREF kCheckedFile = RGB(9, 99, 199);
    struct Case {
        const char* name;
        RECT rect;
        bool changes;         // IsCanBackgroundChange
        bool specified;       // IsSpecifyImages
        bool hover, checked;
        ColorRule expected;   // in the window's client coordinates; null: nothing painted
    };
    const Case kCases[] = {
        {"push button, changing background, hovered", {10, 10, 40, 30}, true, false, true, false, &Highlight},
        {"push button, changing background", {50, 10, 80, 30}, true, false, false, false, &Tag},
        {"push button, fixed background, hovered", {90, 10, 120, 30}, false, false, true, false, &Tag},
        {"push button, own images", {130, 10, 160, 30}, true, true, true, false, nullptr},
        {"check box, fixed background, checked and hovered", {10, 50, 40, 70}, false, false, true, true, &Tag},
        {"check box, changing background, checked", {50, 50, 80, 70}, true, false, false, true,
         [](int, int) { return kCheckedFile; }},
        {"static", {90, 50, 150, 70}, true, false, false, false, &Tag},
    };
    const int kinds[] = {0, 0, 0, 0, 1, 1, 2};   // push button, check box, static
    for (size_t i = 0; i < std::size(kCases); ++i) {
        const Case& c = kCases[i];
        const CString id = CString(L"IDC_PART_") + static_cast<wchar_t>(L'A' + i);
        CTRLPROPERTIES* record = nullptr;
        if (kinds[i] == 0)
            record = &skin.AddControl<BTNPROPERTIES>(window, id, static_cast<int>(1830 + i), c.rect);
        else if (kinds[i] == 1)
            record = &skin.AddControl<CHKPROPERTIES>(window, id, static_cast<int>(1830 + i), c.rect);
        else
            record = &skin.AddControl<TXTPROPERTIES>(window, id, static_cast<int>(1830 + i), c.rect);
        SetSwitch(*record, CtrlVar::IsCanBackgroundChange, c.changes);
        SetSwitch(*record, CtrlVar::IsSpecifyImages, c.specified);
        if (kinds[i] == 1 && c.changes)
            skin.SetImage(*record, ToggleBtnVar::BackgroundCheckedNormal, L"checked.bmp", c.rect.right - c.rect.left,
                          c.rect.bottom - c.rect.top, c.expected);
    }
    ProbeWnd wnd(kFactoryWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
    wnd.hideComposed = true;   // only the control's own images show
    for (size_t i = 0; i < std::size(kCases); ++i) {
        const Case& c = kCases[i];
        CWnd* const control = ChildWindow(wnd, static_cast<UINT>(1830 + i));
        ASSERT_NE(control, nullptr) << c.name;
        if (c.checked)
            control->SendMessage(BM_SETCHECK, BST_CHECKED);
        if (c.hover)
            control->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        const CRect rect(c.rect);
        Canvas canvas(rect.Width(), rect.Height());
        PaintInto(*control, canvas);
        const ColorRule expected = c.expected ? ColorRule([&](int x, int y) { return c.expected(x + rect.left, y + rect.top); })
                                              : ColorRule([](int, int) { return Canvas::kFill; });
        EXPECT_EQ(CompareArea(canvas, 0, 0, rect.Width(), rect.Height(), expected), "") << c.name;
    }
}

TEST_F(ControlFactory, ACheckBoxOnAFixedBackgroundThatIsNotThereGetsNoImages)
{
    UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_FACTORY", kFactoryWindowId);
    skin.SetImage(window, UiWndVar::BackgroundHide, L"hide.bmp", 100, 50, &Tag);   // no normal background
    auto& check = skin.AddControl<CHKPROPERTIES>(window, L"IDC_CHK_BARE", 1841, {10, 10, 40, 30});
    SetSwitch(check, CtrlVar::IsCanBackgroundChange, false);
    ProbeWnd wnd(kFactoryWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 0));
    wnd.hideComposed = true;
    CWnd* const control = ChildWindow(wnd, 1841);
    ASSERT_NE(control, nullptr);
    for (const WPARAM state : {BST_UNCHECKED, BST_CHECKED}) {
        control->SendMessage(BM_SETCHECK, state);
        Canvas canvas(30, 20);
        PaintInto(*control, canvas);
        EXPECT_EQ(CompareArea(canvas, 0, 0, 30, 20, [](int, int) { return Canvas::kFill; }), "") << state;
    }
}

TEST_F(ControlFactory, EveryImageAControlHeldIsFreedOnceWhenItsWindowGoes)
{
    UIWNDPROPERTIES& window = Window(200, 100);
    skin.SetImage(window, CtrlVar::BackgroundHighlight, L"bkh.bmp", 200, 100, &Highlight);
    auto& push = skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_IMG", 1851, {0, 0, 40, 20});
    SetSwitch(push, BtnBaseVar::IsSpecifyForegroundImages, true);
    skin.SetImage(push, BtnBaseVar::ForegroundNormal, L"fg.bmp", 8, 8, &Tag);
    auto& check = skin.AddControl<CHKPROPERTIES>(window, L"IDC_CHK_IMG", 1852, {40, 0, 80, 20});
    SetSwitch(check, CtrlVar::IsSpecifyImages, true);
    SetSwitch(check, CtrlVar::IsCanBackgroundChange, false);
    skin.SetImage(check, ToggleBtnVar::BackgroundCheckedNormal, L"cn.bmp", 40, 20, &Tag);
    skin.AddControl<RADPROPERTIES>(window, L"IDC_RAD_IMG", 1853, {80, 0, 120, 20});
    skin.AddControl<TXTPROPERTIES>(window, L"IDC_TXT_IMG", 1854, {0, 40, 100, 60});
    const auto makeAndDestroy = [&] {
        ProbeWnd wnd(kFactoryWindowId);
        ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
        ASSERT_EQ(wnd.GetChildControls().size(), 4u);
        wnd.UpdateWindow();
        wnd.DestroyWindow();
    };
    EXPECT_EQ(GdiObjectsLeftBy(makeAndDestroy), 0);
}

} // namespace
} // namespace skin_ui_test
