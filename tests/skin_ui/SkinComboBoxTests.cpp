// The skinned combo box: the selection field's height from the record, the edit narrowed
// to end at the skin's drop button, the edit's images cut out of the combo's, the pressed
// image only while the button is held over it, an empty list closed at once on the 5.x
// systems, applying a record, and its factory in a skinned window.
#include "ControlParent.h"
#include "ControlTestSupport.h"
#include "FakeSystem.h"
#include "GdiCount.h"
#include "UIWndTestSupport.h"

#include "skin/model/EditProperties.h"
#include "skin/ui/controls/SkinComboBox.h"
#include "skin/ui/factories/ControlKinds.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Vexel;

namespace skin_ui_test {
namespace {

// A colour per pixel that also names the state image it belongs to.
ColorRule StateTag(int state)
{
    return [state](int x, int y) { return RGB((20 + 2 * x) & 0xFF, (30 + 8 * y) & 0xFF, 40 * state + 20); };
}

// The edit's window in the combo's client coordinates.
CRect EditRect(CSkinComboBox& combo)
{
    CRect edit;
    combo.GetSkinEdit().GetWindowRect(&edit);
    combo.ScreenToClient(&edit);
    return edit;
}

class SkinComboBoxTest : public ::testing::Test {
protected:
    bool Make(CSkinComboBox& combo, DWORD style)
    {
        return combo.Create(style | WS_VISIBLE | WS_VSCROLL, RECT{10, 10, 210, 210}, &host, 201) != FALSE;
    }

    // A record of a 200 x 28 box with a 26-pixel drop button and 24-pixel list items.
    CMBPROPERTIES& Record()
    {
        SetRect(record, CtrlVar::Rect, RECT{10, 10, 210, 38});
        SetNumber(record, CmbVar::ButtonWidth, 26);
        SetNumber(record, CmbVar::DropListItemHeight, 24);
        return record;
    }

    WindowSkin skin;
    ControlParent host{0, 0, 300, 300};
    CMBPROPERTIES record;
};

// The field is the record's height less the borders, which puts the box at the record's
// height. (Wine answers CB_GETITEMHEIGHT with the field's inner height, and sets list item
// heights of owner-drawn combos only, so the box is what is compared here.)
TEST_F(SkinComboBoxTest, TheSelectionFieldIsTheRecordsHeightLessTheBorders)
{
    for (const int height : {22, 28, 34}) {
        CSkinComboBox combo;
        ASSERT_TRUE(Make(combo, CBS_DROPDOWN));
        SetRect(Record(), CtrlVar::Rect, RECT{10, 10, 210, 10 + height});
        ASSERT_EQ(combo.ApplyProperties(&record), 0);
        CRect window;
        combo.GetWindowRect(&window);
        EXPECT_EQ(window.Height(), height);
        combo.DestroyWindow();
    }
}

TEST_F(SkinComboBoxTest, TheEditEndsWhereTheSkinsDropButtonBegins)
{
    CSkinComboBox combo;
    ASSERT_TRUE(Make(combo, CBS_DROPDOWN));
    ASSERT_TRUE(combo.GetSkinEdit().GetSafeHwnd()) << "the edit child is taken over at creation";
    EXPECT_EQ(combo.GetSkinEdit().GetSafeHwnd(), combo.GetEditWindow());
    ASSERT_EQ(combo.ApplyProperties(&Record()), 0);
    ASSERT_GT(26, ::GetSystemMetrics(SM_CXVSCROLL)) << "the skin's button is the wider one";

    CRect client;
    combo.GetClientRect(&client);
    EXPECT_EQ(EditRect(combo).right, client.right - 26);

    // The combo's own layout after a resize puts the edit against its own narrower button
    // again; the skin's button still wins.
    combo.SetWindowPos(nullptr, 0, 0, 240, 28, SWP_NOMOVE | SWP_NOZORDER);
    combo.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 240);
    EXPECT_EQ(EditRect(combo).right, client.right - 26);
}

TEST_F(SkinComboBoxTest, TheEditsImagesAreCutFromTheCombosImages)
{
    CSkinComboBox combo;
    ASSERT_TRUE(Make(combo, CBS_DROPDOWN));
    ASSERT_EQ(combo.ApplyProperties(&Record()), 0);
    CRect window;
    combo.GetWindowRect(&window);
    const CRect edit = EditRect(combo);
    ASSERT_GT(edit.Width(), 0);

    // Images of the combo's own size are laid out 1:1.
    combo.SetImages(MakeBitmap(window.Width(), window.Height(), StateTag(0)),
                    MakeBitmap(window.Width(), window.Height(), StateTag(1)),
                    MakeBitmap(window.Width(), window.Height(), StateTag(2)),
                    MakeBitmap(window.Width(), window.Height(), StateTag(3)));
    HBITMAP parts[CSkinEdit::kStates] = {};
    combo.GetSkinEdit().GetImages(&parts[0], &parts[1], &parts[2], &parts[3]);
    for (int state = 0; state < CSkinEdit::kStates; ++state) {
        ASSERT_NE(parts[state], nullptr) << state;
        SIZE size{};
        ReadBitmap(parts[state], &size);
        EXPECT_EQ(size.cx, edit.Width()) << state;
        EXPECT_EQ(size.cy, edit.Height()) << state;
        for (const POINT at : {POINT{0, 0}, POINT{edit.Width() - 1, edit.Height() - 1}, POINT{17, 3}})
            EXPECT_EQ(BitmapPixel(parts[state], at.x, at.y), StateTag(state)(edit.left + at.x, edit.top + at.y))
                << state << " at " << at.x << "," << at.y;
    }

    // A narrower image is stretched to the combo around the combo's point before it is
    // cut: the edit's middle repeats the image's column 8. A null image keeps its state.
    record.GetVar(CtrlVar::IsSpecifyImages).SetBool(true);
    SetPoint(record, CtrlVar::ResizingPoint, POINT{8, 10});
    skin.SetImage(record, CtrlVar::BackgroundNormal, L"combo.bmp", 40, window.Height(), StateTag(0));
    ASSERT_EQ(combo.ApplyProperties(&record), 0);
    HBITMAP normal = nullptr;
    HBITMAP hover = nullptr;
    combo.GetSkinEdit().GetImages(&normal, &hover, nullptr, nullptr);
    EXPECT_EQ(BitmapPixel(normal, 60, 4), StateTag(0)(8, edit.top + 4));
    EXPECT_EQ(BitmapPixel(hover, 60, 4), StateTag(1)(edit.left + 60, edit.top + 4));
}

TEST_F(SkinComboBoxTest, ThePressedImageShowsOnlyWhileTheButtonIsHeldOverTheCombo)
{
    CSkinComboBox combo;
    ASSERT_TRUE(Make(combo, CBS_DROPDOWN));
    ASSERT_EQ(combo.ApplyProperties(&Record()), 0);
    CRect window;
    combo.GetWindowRect(&window);
    const COLORREF colors[] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(90, 90, 90)};
    combo.SetImages(Solid(colors[0], window.Width(), window.Height()),
                    Solid(colors[1], window.Width(), window.Height()),
                    Solid(colors[2], window.Width(), window.Height()),
                    Solid(colors[3], window.Width(), window.Height()));
    const auto shown = [&] {
        combo.Invalidate();
        return WindowPixel(combo, window.Width() - 6, window.Height() / 2);   // on the drop button
    };

    EXPECT_EQ(combo.CurrentState(), CSkinComboBox::kNormal);
    EXPECT_EQ(shown(), colors[0]);
    SetLeftButton(true);
    EXPECT_EQ(combo.CurrentState(), CSkinComboBox::kNormal) << "held elsewhere";
    combo.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(5, 5));
    EXPECT_EQ(combo.CurrentState(), CSkinComboBox::kPressed);
    EXPECT_EQ(shown(), colors[2]);
    SetLeftButton(false);
    EXPECT_EQ(combo.CurrentState(), CSkinComboBox::kHover);
    EXPECT_EQ(shown(), colors[1]);
    combo.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(combo.CurrentState(), CSkinComboBox::kNormal);

    // Disabled, the combo still shows the image of the mouse, never its disabled one.
    combo.EnableWindow(FALSE);
    EXPECT_EQ(shown(), colors[0]);
}

TEST_F(SkinComboBoxTest, AnEmptyListClosesAtOnceOnTheFiveLineSystems)
{
    struct Case {
        DWORD major, minor;
        DWORD style;
        bool withItem;
        bool closes;
    };
    const Case cases[] = {
        {5, 1, CBS_DROPDOWN, false, true},     {5, 1, CBS_DROPDOWNLIST, false, true},
        {5, 0, CBS_DROPDOWN, false, true},     {5, 1, CBS_DROPDOWN, true, false},
        {6, 1, CBS_DROPDOWN, false, false},    {5, 2, CBS_DROPDOWNLIST, false, false},
    };
    for (const Case& c : cases) {
        FakeSystem system;
        system.major = c.major;
        system.minor = c.minor;
        CSkinComboBox combo;
        ASSERT_TRUE(Make(combo, c.style));
        if (c.withItem)
            combo.AddString(L"sip:100");
        combo.ShowDropDown(TRUE);
        ASSERT_TRUE(combo.GetDroppedState());
        COMBOBOXINFO info{sizeof info};
        ASSERT_TRUE(::GetComboBoxInfo(combo, &info));
        // The list asks its combo for its colours as it paints.
        Canvas canvas(4, 4);
        combo.SendMessage(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(canvas.Dc()), reinterpret_cast<LPARAM>(info.hwndList));
        EXPECT_EQ(combo.GetDroppedState() == FALSE, c.closes) << c.major << "." << c.minor << " style " << c.style;
        combo.ShowDropDown(FALSE);
        combo.DestroyWindow();
    }
}

TEST_F(SkinComboBoxTest, ApplyingARecord)
{
    skin.AddColor(L"IDR_COLOR_TEXT", RGB(9, 8, 7));
    CMBPROPERTIES& applied = Record();
    SetText(applied, CtrlVar::ColorResN, L"IDR_COLOR_TEXT");
    SetText(applied, CmbVar::Tag, L"phone");
    CSkinComboBox combo;
    ASSERT_TRUE(Make(combo, CBS_DROPDOWN));
    ASSERT_EQ(combo.ApplyProperties(&applied), 0);
    EXPECT_EQ(combo.GetButtonWidth(), 26);
    EXPECT_EQ(combo.GetEditTextColor(), RGB(9, 8, 7));
    EXPECT_EQ(combo.GetTag(), L"phone");
    EXPECT_NE(combo.GetFont(), nullptr);

    CMBPROPERTIES other;
    SetText(other, CtrlVar::Type, L"EDIT");
    CSkinComboBox windowless;
    EXPECT_EQ(windowless.ApplyProperties(&applied), -1);
    EXPECT_EQ(combo.ApplyProperties(nullptr), -2);
    EXPECT_EQ(combo.ApplyProperties(&other), -3);
    EXPECT_EQ(combo.ApplyStyle(L"IDS_NO_SUCH_STYLE"), -2);
    EXPECT_EQ(windowless.ApplyStyle(L"IDS_NO_SUCH_STYLE"), -1);
    EXPECT_EQ(combo.SetTextFont(nullptr), -1);
    EXPECT_EQ(combo.SetTag(nullptr), -1);
    EXPECT_EQ(combo.GetTag(), L"phone");
}

// --- The factory -------------------------------------------------------------------

constexpr int kComboWindowId = 3920;

// The heights combo boxes are created with on this thread while the object lives.
class ComboCreations {
public:
    ComboCreations() { s_heights.clear(); m_hook = ::SetWindowsHookExW(WH_CBT, &Hook, nullptr, ::GetCurrentThreadId()); }
    ~ComboCreations() { ::UnhookWindowsHookEx(m_hook); }
    ComboCreations(const ComboCreations&) = delete;
    ComboCreations& operator=(const ComboCreations&) = delete;
    const std::vector<int>& Heights() const { return s_heights; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND) {
            wchar_t name[32] = {};
            ::GetClassNameW(reinterpret_cast<HWND>(wParam), name, ARRAYSIZE(name));
            if (::lstrcmpiW(name, L"ComboBox") == 0)
                s_heights.push_back(reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->cy);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline std::vector<int> s_heights;
    HHOOK m_hook;
};

class ComboFactoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSkinControlKinds();
        window = &skin.AddWindow(L"IDW_COMBOS", kComboWindowId);
        skin.SetImage(*window, CtrlVar::BackgroundNormal, L"bk.bmp", 300, 300, &Tag);
    }

    WindowSkin skin;
    UIWNDPROPERTIES* window = nullptr;
};

TEST_F(ComboFactoryTest, TheComboReachesDownToItsListAndShowsTheWindowUnderItsBox)
{
    CMBPROPERTIES& record = skin.AddControl<CMBPROPERTIES>(*window, L"IDC_CMB_PHONE", 1940, {10, 20, 210, 44});
    SetNumber(record, CmbVar::DropListHeight, 200);
    SetNumber(record, CmbVar::ButtonWidth, 26);
    SetSwitch(record, CtrlVar::IsVisible, true);
    TestUIWnd wnd(kComboWindowId);
    ComboCreations creations;
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
    EXPECT_EQ(creations.Heights(), std::vector<int>{224}) << "made as high as its list reaches";
    ASSERT_EQ(wnd.GetChildControls().size(), 1u);
    const ChildControlRecord& child = wnd.GetChildControls()[0];
    auto* combo = dynamic_cast<CSkinComboBox*>(child.window);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetDlgCtrlID(), 1940);
    EXPECT_EQ(combo->GetStyle() & CBS_DROPDOWNLIST, static_cast<DWORD>(CBS_DROPDOWN));
    const RECT design{10, 20, 210, 44};
    EXPECT_TRUE(::EqualRect(&child.designRect, &design));
    CRect box;
    combo->GetWindowRect(&box);
    EXPECT_EQ(box.Height(), 24);

    // The box and its edit both show the part of the window's background under them.
    EXPECT_EQ(WindowPixel(*combo, 195, 12), Tag(10 + 195, 20 + 12));
    const CRect edit = EditRect(*combo);
    EXPECT_EQ(WindowPixel(combo->GetSkinEdit(), 40, 3), Tag(10 + edit.left + 40, 20 + edit.top + 3));
    wnd.DestroyWindow();
}

TEST_F(ComboFactoryTest, TheWindowReleasesEverythingTheComboAndItsEditHeld)
{
    skin.AddFont(L"IDR_FONT_COMBO", -13, L"Tahoma");
    CMBPROPERTIES& own = skin.AddControl<CMBPROPERTIES>(*window, L"IDC_CMB_OWN", 1950, {10, 20, 210, 48});
    SetSwitch(own, CtrlVar::IsSpecifyImages, true);
    SetText(own, CtrlVar::FontResN, L"IDR_FONT_COMBO");
    skin.SetImage(own, CtrlVar::BackgroundNormal, L"n.bmp", 60, 28, &Tag);
    skin.SetImage(own, CtrlVar::BackgroundHighlight, L"h.bmp", 60, 28, &Tag);
    CMBPROPERTIES& list = skin.AddControl<CMBPROPERTIES>(*window, L"IDC_CMB_LIST", 1951, {10, 60, 210, 88});
    SetEnum(list, CmbVar::ComboStyle, ValueKind::ComboStyle, 3);

    const auto makeAndDestroy = [&] {
        TestUIWnd wnd(kComboWindowId);
        ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
        ASSERT_EQ(wnd.GetChildControls().size(), 2u);
        wnd.UpdateWindow();
        wnd.DestroyWindow();
    };
    makeAndDestroy();   // the system's combo keeps its arrow image once it has drawn one
    const int before = LiveGdiObjects();
    makeAndDestroy();
    EXPECT_EQ(LiveGdiObjects(), before);
}

} // namespace
} // namespace skin_ui_test
