// The skinned button: which state image it paints as the mouse presses, drags out and
// back and leaves (read from the painted pixels of one-colour state images), the checked
// set, the text colour of every state, which record fits which button style, who owns its
// bitmaps, what it does under a layered parent, and what its parent may take over.
#include "ControlTestSupport.h"
#include "GdiCount.h"

#include "skin/model/ButtonProperties.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/SkinButton.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kButtonWindowId = 3900;
constexpr UINT kButtonId = 1901;
constexpr RECT kButtonRect = {20, 10, 80, 34};   // 60 x 24

// Solid state colours: unchecked Normal, Highlight, Selected, Disabled, then checked.
constexpr COLORREF kFill[8] = {RGB(10, 20, 30),  RGB(40, 50, 60),  RGB(70, 80, 90),  RGB(100, 110, 120),
                               RGB(130, 140, 150), RGB(160, 170, 180), RGB(190, 200, 210), RGB(220, 230, 240)};
constexpr COLORREF kText[8] = {RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0), RGB(4, 0, 0),
                               RGB(5, 0, 0), RGB(6, 0, 0), RGB(7, 0, 0), RGB(8, 0, 0)};

// A state image of the button's size.
HBITMAP StateImage(COLORREF color)
{
    return Solid(color, 60, 24);
}

class SkinButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_BUTTONS", kButtonWindowId);
        skin.SetImage(window, CtrlVar::BackgroundNormal, L"bk.bmp", 200, 100, &Tag);
        ASSERT_TRUE(parent.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
        SetLeftButton(false);
    }
    void TearDown() override { SetLeftButton(false); }

    // A button of `style` with the eight solid state images and text colours.
    std::unique_ptr<CSkinButton> MakeButton(DWORD style, LPCWSTR caption = L"Go")
    {
        auto button = std::make_unique<CSkinButton>();
        EXPECT_TRUE(button->Create(caption, WS_VISIBLE | style, kButtonRect, &parent, kButtonId));
        button->SetBitmaps(StateImage(kFill[0]), StateImage(kFill[1]), StateImage(kFill[2]), StateImage(kFill[3]), TRUE, FALSE);
        button->SetCheckedBitmaps(StateImage(kFill[4]), StateImage(kFill[5]), StateImage(kFill[6]), StateImage(kFill[7]), TRUE);
        button->SetTextColors(kText[0], kText[1], kText[2], kText[3]);
        button->SetCheckedTextColors(kText[4], kText[5], kText[6], kText[7]);
        return button;
    }

    // The button painted as its parent composes it; the pixel at a corner, clear of the
    // caption.
    static COLORREF Painted(CSkinButton& button)
    {
        Canvas canvas(60, 24);
        PaintInto(button, canvas);
        return canvas.At(2, 2);
    }

    WindowSkin skin;
    ProbeWnd parent{kButtonWindowId};
};

LPARAM Inside()
{
    return MAKELPARAM(30, 12);
}

LPARAM Outside()
{
    return MAKELPARAM(90, 40);
}

void MoveIn(CSkinButton& b) { b.SendMessage(WM_MOUSEMOVE, 0, Inside()); }
void Press(CSkinButton& b)
{
    SetLeftButton(true);
    b.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, Inside());
}
void DragOut(CSkinButton& b) { b.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, Outside()); }
void DragIn(CSkinButton& b) { b.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, Inside()); }
void ReleaseOutside(CSkinButton& b)
{
    SetLeftButton(false);
    b.SendMessage(WM_LBUTTONUP, 0, Outside());
}
void Leave(CSkinButton& b) { b.SendMessage(WM_MOUSELEAVE); }
void Disable(CSkinButton& b) { b.EnableWindow(FALSE); }

struct StateCase {
    const char* name;
    std::vector<void (*)(CSkinButton&)> steps;
    int state;   // the image and text colour expected: 0 Normal .. 3 Disabled
};

const StateCase kStateCases[] = {
    {"untouched", {}, 0},
    {"hovered", {MoveIn}, 1},
    {"pressed", {MoveIn, Press}, 2},
    {"pressed and dragged out", {MoveIn, Press, DragOut}, 1},
    {"dragged out and back", {MoveIn, Press, DragOut, DragIn}, 2},
    {"released outside and left", {MoveIn, Press, DragOut, ReleaseOutside, Leave}, 0},
    {"hovered, then left", {MoveIn, Leave}, 0},
    {"disabled", {Disable}, 3},
    {"disabled under the mouse", {MoveIn, Disable}, 3},
};

TEST_F(SkinButtonTest, EachMouseStatePaintsItsImageAndTextColour)
{
    for (const bool checked : {false, true}) {
        for (const StateCase& c : kStateCases) {
            // A check box, so that the checked set can be shown; released outside, it never
            // toggles.
            auto button = MakeButton(BS_AUTOCHECKBOX);
            button->SetCheck(checked ? BST_CHECKED : BST_UNCHECKED);
            for (auto step : c.steps)
                step(*button);
            parent.textColors.clear();
            const int expected = c.state + (checked ? 4 : 0);
            EXPECT_EQ(Painted(*button), kFill[expected]) << c.name << (checked ? ", checked" : "");
            ASSERT_EQ(parent.textColors.size(), 1u) << c.name;
            EXPECT_EQ(parent.textColors[0], kText[expected]) << c.name << (checked ? ", checked" : "");
            SetLeftButton(false);
            ::ReleaseCapture();
        }
    }
}

TEST_F(SkinButtonTest, ItTellsWhetherItsCaptionFitsOnOneLineOrWrapped)
{
    const auto button = MakeButton(BS_PUSHBUTTON, L"Go");
    const LRESULT room = button->SendMessage(WM_VXL_GETTEXTEXTENT, kTextRoom);
    EXPECT_EQ(MAKELRESULT(60, 24), room);
    const LRESULT shortCaption = button->SendMessage(WM_VXL_GETTEXTEXTENT, kTextNeeded);
    EXPECT_GT(LOWORD(shortCaption), 0);
    EXPECT_LT(LOWORD(shortCaption), 60);

    button->SetWindowText(L"A caption far too long for it");
    EXPECT_GT(LOWORD(button->SendMessage(WM_VXL_GETTEXTEXTENT, kTextNeeded)), 60);
    // A multi-line button wraps it instead, and then lacks the height.
    button->ModifyStyle(0, BS_MULTILINE);
    const LRESULT wrapped = button->SendMessage(WM_VXL_GETTEXTEXTENT, kTextNeeded);
    EXPECT_LE(LOWORD(wrapped), 60);
    EXPECT_GT(HIWORD(wrapped), 24);
    button->SetWindowText(L"");
    EXPECT_EQ(0, button->SendMessage(WM_VXL_GETTEXTEXTENT, kTextNeeded));
}

TEST_F(SkinButtonTest, APushButtonIsNeverChecked)
{
    auto button = MakeButton(BS_PUSHBUTTON);
    button->SetCheck(BST_CHECKED);   // a push button does not take it
    EXPECT_EQ(Painted(*button), kFill[0]);
}

TEST_F(SkinButtonTest, TheButtonStyleSaysWhichRecordFitsAndWhatTheButtonReports)
{
    CHKPROPERTIES check;
    RADPROPERTIES radio;
    BTNPROPERTIES push;
    SetText(check, CtrlVar::Type, L"CHECK");
    SetText(radio, CtrlVar::Type, L"RADIO");
    SetText(push, CtrlVar::Type, L"STYLE_PUSHBUTTON");
    const struct {
        DWORD style;
        LPCWSTR reported;
        int check, radio, push;   // ApplyProperties of each record
    } kCases[] = {
        {BS_PUSHBUTTON, L"PUSHBUTTON", -3, -3, 0},
        {BS_DEFPUSHBUTTON, L"PUSHBUTTON", -3, -3, 0},
        {BS_AUTOCHECKBOX, L"CHECK", 0, -3, -3},   // a "RADIO" record on a check box: -3
        {BS_AUTORADIOBUTTON, L"RADIO", -3, 0, -3},
    };
    for (const auto& c : kCases) {
        CSkinButton button;
        ASSERT_TRUE(button.Create(L"", WS_VISIBLE | c.style, kButtonRect, &parent, kButtonId));
        WCHAR type[256] = {};
        button.SendMessage(WM_VXL_GETCONTROLTYPE, 0, reinterpret_cast<LPARAM>(type));
        EXPECT_STREQ(type, c.reported) << c.style;
        EXPECT_EQ(button.ApplyProperties(&check), c.check) << c.style;
        EXPECT_EQ(button.ApplyProperties(&radio), c.radio) << c.style;
        EXPECT_EQ(button.ApplyProperties(&push), c.push) << c.style;
        EXPECT_EQ(button.ApplyProperties(nullptr), -2) << c.style;
        EXPECT_EQ(button.ApplyStyle(L"IDS_NO_SUCH_STYLE"), -2) << c.style;
    }
    CSkinButton windowless;
    EXPECT_EQ(windowless.ApplyProperties(&push), -1);
}

TEST_F(SkinButtonTest, AButtonThatDoesNotOwnItsObjectsLeavesThemAlive)
{
    const HBITMAP shared = StateImage(kFill[0]);
    const HBITMAP own = StateImage(kFill[1]);
    {
        auto button = MakeButton(BS_PUSHBUTTON);
        button->SetBitmaps(shared, shared, shared, shared, TRUE, FALSE);   // one picture, every state
        button->SendMessage(WM_VXL_SETOWNOBJECTS, 0);
        EXPECT_EQ(button->SendMessage(WM_VXL_GETOWNOBJECTS), 0);
        EXPECT_EQ(button->ReleaseImages(), 1);
    }
    EXPECT_EQ(::GetObjectType(shared), static_cast<DWORD>(OBJ_BITMAP));

    const int before = LiveGdiObjects();
    {
        auto button = MakeButton(BS_PUSHBUTTON);
        button->SetBitmaps(own, own, own, own, TRUE, FALSE);
        EXPECT_EQ(button->SendMessage(WM_VXL_GETOWNOBJECTS), 1);
        EXPECT_EQ(button->ReleaseImages(), 0);   // each held bitmap deleted once
        EXPECT_EQ(button->ReleaseImages(), 0);   // and nothing twice
    }
    EXPECT_EQ(::GetObjectType(own), 0u);
    EXPECT_EQ(LiveGdiObjects(), before - 1);   // only `own` went
    ::DeleteObject(shared);
}

TEST_F(SkinButtonTest, ReplacingBitmapsDeletesOnlyWhatNoSlotHoldsAnyMore)
{
    auto button = MakeButton(BS_AUTOCHECKBOX);
    const HBITMAP a = StateImage(kFill[0]);
    const HBITMAP b = StateImage(kFill[1]);
    button->SetBitmaps(a, a, b, b, TRUE, FALSE);
    button->SetCheckedBitmaps(b, nullptr, nullptr, nullptr, TRUE);
    button->SetBitmaps(a, a, a, a, TRUE, FALSE);   // b is still held as a checked image
    EXPECT_EQ(::GetObjectType(b), static_cast<DWORD>(OBJ_BITMAP));
    button->SetCheckedBitmaps(nullptr, nullptr, nullptr, nullptr, TRUE);
    EXPECT_EQ(::GetObjectType(b), 0u);
    EXPECT_EQ(::GetObjectType(a), static_cast<DWORD>(OBJ_BITMAP));
    button->SetBitmaps(nullptr, nullptr, nullptr, nullptr, FALSE, FALSE);   // handed back
    EXPECT_EQ(::GetObjectType(a), static_cast<DWORD>(OBJ_BITMAP));
    ::DeleteObject(a);
}

TEST_F(SkinButtonTest, ADestroyedButtonFreesWhatItHeldEvenWithoutAnyImages)
{
    const auto makeAndDestroy = [&] {
        {
            CSkinButton bare;
            ASSERT_TRUE(bare.Create(L"", WS_VISIBLE, kButtonRect, &parent, kButtonId));
            bare.UpdateWindow();
        }
        auto button = MakeButton(BS_AUTORADIOBUTTON);
        button->UpdateWindow();
    };
    EXPECT_EQ(GdiObjectsLeftBy(makeAndDestroy), 0);
}

TEST_F(SkinButtonTest, HidingOrShowingUnderALayeredParentRepaintsWhatTheParentWouldNot)
{
    const DWORD hide = SWP_HIDEWINDOW | SWP_NOREDRAW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    const DWORD show = SWP_SHOWWINDOW | SWP_NOREDRAW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    for (const bool layered : {false, true}) {
        parent.ModifyStyleEx(layered ? 0 : WS_EX_LAYERED, layered ? WS_EX_LAYERED : 0);
        if (layered)
            ::SetLayeredWindowAttributes(parent, 0, 255, LWA_ALPHA);
        auto button = MakeButton(BS_PUSHBUTTON);
        parent.UpdateWindow();
        ::ValidateRect(parent, nullptr);
        ::ValidateRect(*button, nullptr);

        ::SetWindowPos(*button, nullptr, 0, 0, 0, 0, hide);
        RECT update{};
        const bool parentInvalid = ::GetUpdateRect(parent, &update, FALSE) != FALSE;
        EXPECT_EQ(parentInvalid, layered) << layered;
        if (layered) {
            EXPECT_EQ(CRect(update), CRect(kButtonRect));
        }

        ::SetWindowPos(*button, nullptr, 0, 0, 0, 0, show);
        EXPECT_EQ(::GetUpdateRect(*button, &update, FALSE) != FALSE, layered) << layered;
    }
}

TEST_F(SkinButtonTest, TheParentMayTakeOverTheWholeButtonOrItsCaption)
{
    auto button = MakeButton(BS_PUSHBUTTON, L"Caption");
    const auto paint = [&] {
        parent.items.clear();
        parent.textColors.clear();
        button->Invalidate(FALSE);
        button->UpdateWindow();
    };

    parent.takeItem = 1;
    paint();
    ASSERT_EQ(parent.items.size(), 1u);
    const DRAWITEMSTRUCT& item = parent.items[0];
    EXPECT_EQ(item.CtlType, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(item.CtlID, kButtonId);
    EXPECT_EQ(item.hwndItem, button->GetSafeHwnd());
    EXPECT_EQ(CRect(item.rcItem), CRect(0, 0, 60, 24));
    EXPECT_TRUE(parent.textColors.empty());   // the button drew nothing itself

    parent.takeItem = 0;
    paint();
    EXPECT_EQ(parent.textColors.size(), 1u);   // now it draws, and offers the caption

    // The caption in pure red: the button's own drawing leaves red pixels, the parent's
    // takeover none.
    button->SetTextColors(RGB(255, 0, 0), RGB(255, 0, 0), RGB(255, 0, 0), RGB(255, 0, 0));
    const auto redPixels = [&] {
        Canvas canvas(60, 24);
        PaintInto(*button, canvas);
        int red = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 60; ++x)
                red += canvas.At(x, y) == RGB(255, 0, 0);
        return red;
    };
    parent.takeText = 0;
    EXPECT_GT(redPixels(), 0);
    parent.takeText = 1;
    EXPECT_EQ(redPixels(), 0);
}

TEST_F(SkinButtonTest, EachToolTipCallAddsATool)
{
    auto button = MakeButton(BS_PUSHBUTTON);
    EXPECT_EQ(button->GetToolTip().GetSafeHwnd(), nullptr);
    EXPECT_EQ(button->SetToolTip(L"First"), 0);
    EXPECT_EQ(button->SetToolTip(L"Second"), 0);
    ASSERT_NE(button->GetToolTip().GetSafeHwnd(), nullptr);
    EXPECT_EQ(button->GetToolTip().GetToolCount(), 2);
}

TEST_F(SkinButtonTest, NullArgumentsAreRefused)
{
    auto button = MakeButton(BS_PUSHBUTTON);
    EXPECT_EQ(button->SetResizePoint(nullptr), -1);
    EXPECT_EQ(button->SetTag(nullptr), -1);
    EXPECT_EQ(button->SetTag(L"tagged"), 0);
    EXPECT_EQ(button->GetTag(), CString(L"tagged"));
    EXPECT_EQ(button->DrawButton(nullptr), -1);
}

} // namespace
} // namespace skin_ui_test
