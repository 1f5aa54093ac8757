// The menu bar: one skinned button per menu in a row; a click or a key on a button opens
// its menu, the mouse over another button or Left and Right switch to that button's menu
// any number of times, a chosen command reaches the bar's parent once, and the bar frees
// what it holds once.
#include "ControlParent.h"
#include "GdiCount.h"
#include "MenuTestSupport.h"
#include "Pixels.h"
#include "SkinUiTestIds.h"
#include "TestSkin.h"
#include "UIWndTestSupport.h"

#include "skin/model/MenuProperties.h"
#include "skin/ui/SkinFonts.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/MenuBar.h"
#include "skin/ui/controls/SkinButton.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr UINT kBarId = 95;
constexpr int kImageHeight = 30;

// A parent that notes the commands and the popups that reach it.
class BarParent : public ControlParent {
public:
    BarParent() : ControlParent(50, 50, 400, 300) {}

    std::vector<UINT> commands;
    std::vector<HMENU> popups;   // WM_INITMENUPOPUP, in order

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND) {
            commands.push_back(LOWORD(wParam));
            return 0;
        }
        if (message == WM_INITMENUPOPUP)
            popups.push_back(reinterpret_cast<HMENU>(wParam));
        return ControlParent::WindowProc(message, wParam, lParam);
    }
};

// Runs one step in each menu that opens, in turn: a step runs once the parent has seen
// its menu initialised and the popup is on the screen. Ends the menu should the steps not.
class StepsInMenus {
public:
    StepsInMenus(BarParent& parent, std::vector<std::function<void()>> steps) : m_parent(parent), m_steps(std::move(steps))
    {
        s_running = this;
        m_timer = ::SetTimer(nullptr, 0, 1, &StepsInMenus::Tick);
    }
    ~StepsInMenus()
    {
        ::KillTimer(nullptr, m_timer);
        s_running = nullptr;
    }
    size_t Done() const { return m_done; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        StepsInMenus* const self = s_running;
        if (!self || !TrackedPopup())
            return;
        if (self->m_done >= self->m_steps.size()) {
            if (++self->m_idleTicks > 5000)
                ::EndMenu();
            return;
        }
        if (self->m_parent.popups.size() <= self->m_done)
            return;
        self->m_steps[self->m_done++]();
    }

    static inline StepsInMenus* s_running = nullptr;
    BarParent& m_parent;
    std::vector<std::function<void()>> m_steps;
    size_t m_done = 0;
    int m_idleTicks = 0;
    UINT_PTR m_timer = 0;
};

class MenuBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(bar.SetMenuProperties(&style), 0);
        bar.SetButtonImages(MakeBitmap(40, kImageHeight, &Tag), MakeBitmap(40, kImageHeight, &Tag),
                            MakeBitmap(40, kImageHeight, &Tag), MakeBitmap(40, kImageHeight, &Tag));
        ASSERT_TRUE(bar.Create(WS_VISIBLE, RECT{10, 10, 20, 20}, &parent, kBarId));
        ASSERT_TRUE(bar.LoadMenu(IDM_TEST_MENUBAR));
        ::SetCursorPos(1200, 1000);   // away from the popups
    }
    UINT ButtonId(int position) const { return CMenuBar::kFirstButtonId + static_cast<UINT>(position); }
    HMENU MenuOf(int position) { return ::GetSubMenu(bar.GetBarMenu(), position); }
    HWND Button(int position) const { return bar.GetButton(position)->GetSafeHwnd(); }
    // The centre of a button, on the screen.
    LPARAM ScreenCentre(int position) const
    {
        RECT place;
        ::GetWindowRect(Button(position), &place);
        return MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    }
    // A message as the pump would offer it; TRUE when the bar took it.
    BOOL Offer(HWND window, UINT message, WPARAM wParam)
    {
        MSG msg{window, message, wParam, 0, 0, {0, 0}};
        return CWnd::WalkPreTranslateTree(&msg);
    }
    static void Key(UINT key) { ::PostMessageW(TrackedPopup(), WM_KEYDOWN, key, 0); }

    TestSkin skin;
    MENUPROPERTIES style;
    BarParent parent;
    CMenuBar bar;
};

TEST_F(MenuBarTest, ButtonsStandInARowAsWideAsTheirTextsAndAsHighAsTheTallest)
{
    ASSERT_EQ(bar.GetButtonCount(), 3);
    const wchar_t* const texts[] = {L"File", L"Edit", L"Help"};
    int x = 0;
    for (int i = 0; i < 3; ++i) {
        CString text;
        bar.GetButton(i)->GetWindowText(text);
        EXPECT_EQ(text, texts[i]);
        const CRect place(ChildRect(bar, Button(i)));
        EXPECT_EQ(place.left, x) << i;
        EXPECT_EQ(place.top, 0) << i;
        EXPECT_EQ(place.Height(), kImageHeight) << i;
        EXPECT_GT(place.Width(), 16) << "the margin and the text";
        EXPECT_EQ(::GetDlgCtrlID(Button(i)), static_cast<int>(ButtonId(i)));
        x = place.right;
    }
    const CRect whole(ChildRect(parent, bar));
    EXPECT_EQ(whole.TopLeft(), CPoint(10, 10));
    EXPECT_EQ(whole.Width(), x);
    EXPECT_EQ(whole.Height(), kImageHeight);
}

TEST_F(MenuBarTest, AClickOpensTheButtonsMenuAndTheChosenCommandReachesTheParentOnce)
{
    StepsInMenus steps(parent, {[] {
                           Key(VK_DOWN);
                           Key(VK_RETURN);
                       }});
    EXPECT_TRUE(Offer(Button(0), WM_LBUTTONDOWN, MK_LBUTTON));
    PumpPending();
    EXPECT_EQ(parent.popups, std::vector<HMENU>{MenuOf(0)});
    EXPECT_EQ(parent.commands, std::vector<UINT>{ID_BAR_OPEN});
    EXPECT_FALSE(Offer(bar, WM_LBUTTONDOWN, MK_LBUTTON)) << "the bar's own background opens nothing";
    EXPECT_EQ(parent.popups.size(), 1u);
}

TEST_F(MenuBarTest, TheMouseOverAnotherButtonSwitchesMenusAsOftenAsItLikes)
{
    // Back and forth between File and Edit, then Help, whose About is chosen.
    std::vector<std::function<void()>> moves;
    for (int i = 0; i < 30; ++i) {
        moves.push_back([this, i] {
            const int other = i % 2 == 0 ? 1 : 0;
            EXPECT_EQ(bar.SendMessage(WM_VXL_MENUBARMOUSEMOVE, reinterpret_cast<WPARAM>(TrackedPopup()),
                                      ScreenCentre(other)),
                      1);
        });
    }
    moves.push_back([this] {
        // Over the button whose menu is open, and off the bar: nothing to switch to.
        EXPECT_EQ(bar.SendMessage(WM_VXL_MENUBARMOUSEMOVE, 0, ScreenCentre(0)), 0);
        EXPECT_EQ(bar.SendMessage(WM_VXL_MENUBARMOUSEMOVE, 0, MAKELPARAM(1200, 1000)), 0);
        bar.SendMessage(WM_VXL_MENUBARMOUSEMOVE, 0, ScreenCentre(2));
    });
    moves.push_back([] {
        Key(VK_DOWN);
        Key(VK_RETURN);
    });
    StepsInMenus steps(parent, moves);
    EXPECT_EQ(bar.ShowButtonMenu(ButtonId(0)), 0);
    PumpPending();
    ASSERT_EQ(parent.popups.size(), 32u);
    for (size_t i = 0; i < 31; ++i)
        EXPECT_EQ(parent.popups[i], MenuOf(static_cast<int>(i % 2))) << i;
    EXPECT_EQ(parent.popups.back(), MenuOf(2));
    EXPECT_EQ(parent.commands, std::vector<UINT>{ID_BAR_ABOUT});
}

TEST_F(MenuBarTest, KeysOpenAMenuAndLeftAndRightGoToTheNeighbours)
{
    StepsInMenus steps(parent, {
                                   [] { Key(VK_LEFT); },                 // File -> Help, round the end
                                   [] { Key(VK_RIGHT); },                // Help -> File
                                   [] { Key(VK_RIGHT); },                // File -> Edit
                                   [] {
                                       Key(VK_DOWN);                     // Edit: down to "More"
                                       Key(VK_DOWN);
                                       Key(VK_RIGHT);                    // opens its sub-menu
                                   },
                                   [] {
                                       Key(VK_RETURN);                   // "Inner"
                                   },
                               });
    EXPECT_TRUE(Offer(Button(0), WM_KEYDOWN, VK_DOWN));
    PumpPending();
    ASSERT_GE(parent.popups.size(), 4u);
    EXPECT_EQ(parent.popups[0], MenuOf(0));
    EXPECT_EQ(parent.popups[1], MenuOf(2));
    EXPECT_EQ(parent.popups[2], MenuOf(0));
    EXPECT_EQ(parent.popups[3], MenuOf(1));
    EXPECT_EQ(parent.commands, std::vector<UINT>{ID_BAR_INNER});
}

TEST_F(MenuBarTest, AButtonWithoutAMenuOrAnUnknownButtonShowsNothing)
{
    EXPECT_EQ(bar.ShowButtonMenu(ButtonId(7)), -1);
    EXPECT_EQ(bar.ShowButtonMenu(0), -1);
    EXPECT_TRUE(parent.popups.empty());
    EXPECT_EQ(bar.SetMenuProperties(&style), -1) << "the menu is loaded";
}

TEST(MenuBarLife, DestroyingTheBarFreesWhatItHoldsOnce)
{
    TestSkin skin;
    BarParent parent;
    // The first run also makes what the system keeps for buttons and menus.
    EXPECT_EQ(GdiObjectsLeftBy([&] {
        CMenuBar bar;
        MENUPROPERTIES style;
        bar.SetMenuProperties(&style);
        bar.SetButtonImages(MakeBitmap(40, 20, &Tag), MakeBitmap(40, 20, &Tag), MakeBitmap(40, 20, &Tag),
                            MakeBitmap(40, 20, &Tag));
        CFont font;
        font.CreateFontIndirect(&DefaultSkinFont());
        bar.SetButtonFonts(&font, &font, &font, &font);
        ASSERT_TRUE(bar.Create(WS_VISIBLE, RECT{0, 0, 10, 10}, &parent, 1));
        ASSERT_TRUE(bar.LoadMenu(IDM_TEST_MENUBAR));
        bar.UpdateWindow();
        bar.DestroyWindow();
        bar.ReleaseImages();
    }), 0);
}

} // namespace
} // namespace skin_ui_test
