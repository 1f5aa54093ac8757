// A task-window manager in a live skinned host: pages are made on their first switch, one
// is shown at a time (with or without the host's radio buttons following), the host is
// told before and after, the pages follow the host's size, and a slide runs tick by tick.
#include "UIWndTestSupport.h"

#include "skin/model/ButtonProperties.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/TaskWndMgr.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kHostId = 3400;
constexpr SIZE kHostBackground{300, 200};
constexpr POINT kHostResizingPoint{150, 100};
constexpr RECT kTaskRect{20, 30, 280, 170};
constexpr int kPageRadio = 1400;   // radio buttons 1400 to 1403, one per page key in sync mode

// A host that keeps the switch notices it receives.
class TaskHostWnd : public TestUIWnd {
public:
    TaskHostWnd() : TestUIWnd(kHostId) {}

    struct Notice {
        UINT message;
        WPARAM manager;
        TASKWNDINFO* newEntry;
        TASKWNDINFO* oldEntry;
    };
    std::vector<Notice> notices;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_VXL_TASKWNDCHANGING || message == WM_VXL_TASKWNDCHANGED) {
            const auto* pair = reinterpret_cast<const TaskWndSwitch*>(lParam);
            notices.push_back({message, wParam, pair->newEntry, pair->oldEntry});
        }
        return TestUIWnd::WindowProc(message, wParam, lParam);
    }
};

// A task window that counts its creations and can refuse to be made.
class PageWnd : public CWnd {
public:
    int creations = 0;
    bool refuse = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CREATE) {
            ++creations;
            if (refuse)
                return -1;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class TaskWndMgrTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_HOST", kHostId);
        skin.SetImage(window, CtrlVar::BackgroundNormal, L"host.bmp", kHostBackground.cx, kHostBackground.cy, &Grey);
        SetPoint(window, UiWndVar::ResizingPoint, kHostResizingPoint);
        for (int i = 0; i < 4; ++i) {
            const std::wstring id = L"IDC_RAD_" + std::to_wstring(i);
            names.push_back(id);
            skin.AddControl<RADPROPERTIES>(window, names.back().c_str(), kPageRadio + i,
                                           {10 + 60 * i, 180, 60 + 60 * i, 195});
        }
        skin.AddControl<RADPROPERTIES>(window, L"IDC_RAD_LOOSE", 1499, {250, 180, 290, 195});
        ASSERT_TRUE(host.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    }

    // A manager hosted by the window with pages 0 to 3 under `firstKey` + index.
    std::unique_ptr<CTaskWndMgr> Manager(int id, int noButtonSync, int firstKey)
    {
        auto manager = std::make_unique<CTaskWndMgr>(id, noButtonSync);
        EXPECT_EQ(manager->SetParent(&host), 0);
        EXPECT_EQ(manager->SetTaskWndRect(kTaskRect), 0);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(manager->AddTaskWindow(firstKey + i, &pages[i], 2000 + i, nullptr, 0x56000000), 0);
        return manager;
    }

    bool Checked(int id) const { return ::SendMessageW(::GetDlgItem(host, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool Shown(int page) const { return pages[page].GetSafeHwnd() && pages[page].IsWindowVisible(); }
    RECT PageRect(int page) const { return ChildRect(host, pages[page]); }
    void ClickRadio(int id) { host.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(host, id))); }

    WindowSkin skin;
    TestControlKinds kinds;
    std::vector<std::wstring> names;
    TaskHostWnd host;
    PageWnd pages[4];
};

TEST_F(TaskWndMgrTest, PagesAreMadeOnTheirFirstSwitchAndTheRadioButtonsFollow)
{
    auto manager = Manager(7, 0, kPageRadio);
    for (const PageWnd& page : pages)
        EXPECT_EQ(page.GetSafeHwnd(), nullptr);   // registering makes nothing

    EXPECT_EQ(manager->SwitchTo(kPageRadio, TRUE), 0);
    ASSERT_EQ(host.notices.size(), 2u);
    EXPECT_EQ(host.notices[0].message, static_cast<UINT>(WM_VXL_TASKWNDCHANGING));
    EXPECT_EQ(host.notices[0].manager, 7u);
    EXPECT_EQ(host.notices[0].newEntry->window, &pages[0]);
    EXPECT_EQ(host.notices[0].oldEntry, nullptr);   // nothing was shown before
    EXPECT_EQ(host.notices[1].message, static_cast<UINT>(WM_VXL_TASKWNDCHANGED));
    EXPECT_TRUE(Shown(0));
    EXPECT_EQ(pages[0].GetDlgCtrlID(), 2000);
    EXPECT_EQ(Text(PageRect(0)), Text(kTaskRect));
    EXPECT_EQ(::GetFocus(), pages[0].m_hWnd);
    EXPECT_EQ(pages[1].GetSafeHwnd(), nullptr);

    host.notices.clear();
    EXPECT_EQ(manager->SwitchTo(kPageRadio + 3, FALSE), 0);
    ASSERT_EQ(host.notices.size(), 2u);
    for (const auto& notice : host.notices) {
        EXPECT_EQ(notice.newEntry->window, &pages[3]);
        EXPECT_EQ(notice.oldEntry->window, &pages[0]);
    }
    EXPECT_EQ(host.notices[0].message, static_cast<UINT>(WM_VXL_TASKWNDCHANGING));
    EXPECT_EQ(host.notices[1].message, static_cast<UINT>(WM_VXL_TASKWNDCHANGED));
    EXPECT_TRUE(Shown(3));
    EXPECT_FALSE(Shown(0));
    EXPECT_NE(::GetFocus(), pages[3].m_hWnd);   // not asked for
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Checked(kPageRadio + i), i == 3) << i;
    EXPECT_EQ(pages[1].GetSafeHwnd(), nullptr);
    EXPECT_EQ(pages[0].creations + pages[3].creations, 2);
}

TEST_F(TaskWndMgrTest, WithoutButtonSyncTheRadioButtonsAreLeftAlone)
{
    auto manager = Manager(18, 1, 0);   // the settings dialog's pages
    ::SendMessageW(::GetDlgItem(host, kPageRadio + 1), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(manager->SwitchTo(0, TRUE), 0);
    EXPECT_EQ(manager->SwitchTo(2, TRUE), 0);
    EXPECT_TRUE(Shown(2));
    EXPECT_FALSE(Shown(0));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Checked(kPageRadio + i), i == 1) << i;
}

TEST_F(TaskWndMgrTest, TheShownKeyAndUnknownKeysChangeNothing)
{
    auto manager = Manager(7, 0, kPageRadio);
    ASSERT_EQ(manager->SwitchTo(kPageRadio, TRUE), 0);
    host.notices.clear();

    EXPECT_EQ(manager->SwitchTo(kPageRadio, TRUE), 1);
    EXPECT_EQ(manager->SwitchTo(42, TRUE), -1);
    ClickRadio(1499);   // a radio button of the host that names no page
    EXPECT_TRUE(host.notices.empty());
    EXPECT_TRUE(Shown(0));
    EXPECT_EQ(pages[0].creations, 1);

    ClickRadio(kPageRadio + 2);   // the host switches on a click
    EXPECT_TRUE(Shown(2));
    EXPECT_FALSE(Shown(0));
    EXPECT_EQ(::GetFocus(), pages[2].m_hWnd);
}

TEST_F(TaskWndMgrTest, RegisteringAKeyAgainReplacesItsEntry)
{
    CTaskWndMgr manager(3, 1);
    manager.SetParent(&host);
    manager.SetTaskWndRect(kTaskRect);
    manager.AddTaskWindow(0, &pages[0], 2100, L"first", 0x56000000);
    manager.AddTaskWindow(0, &pages[1], 2101, L"second", WS_CHILD | WS_VISIBLE | WS_BORDER);
    EXPECT_EQ(manager.SwitchTo(0, FALSE), 0);
    EXPECT_EQ(pages[0].GetSafeHwnd(), nullptr);
    ASSERT_NE(pages[1].GetSafeHwnd(), nullptr);
    EXPECT_EQ(pages[1].GetDlgCtrlID(), 2101);
    CString name;
    pages[1].GetWindowText(name);
    EXPECT_EQ(std::wstring(name), L"second");
    EXPECT_TRUE(pages[1].GetStyle() & WS_BORDER);
}

TEST_F(TaskWndMgrTest, CreatedPagesFollowTheHostsSizeShownOrHidden)
{
    auto manager = Manager(7, 1, 0);
    ASSERT_EQ(manager->SwitchTo(0, FALSE), 0);
    ASSERT_EQ(manager->SwitchTo(1, FALSE), 0);
    host.SetWindowPos(nullptr, 0, 0, kHostBackground.cx + 60, kHostBackground.cy + 60,
                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Right and bottom edges past the resizing point move with the growth; left and top stay.
    const RECT grown{20, 30, 340, 230};
    EXPECT_EQ(Text(PageRect(0)), Text(grown));   // hidden
    EXPECT_EQ(Text(PageRect(1)), Text(grown));
    EXPECT_FALSE(Shown(0));
    ASSERT_EQ(manager->SwitchTo(2, FALSE), 0);   // made at the grown place
    EXPECT_EQ(Text(PageRect(2)), Text(grown));
    EXPECT_EQ(pages[3].GetSafeHwnd(), nullptr);
}

TEST_F(TaskWndMgrTest, APageThatCannotBeMadeIsNotSwitchedTo)
{
    auto manager = Manager(7, 0, kPageRadio);
    ASSERT_EQ(manager->SwitchTo(kPageRadio, TRUE), 0);
    host.notices.clear();
    pages[1].refuse = true;

    EXPECT_EQ(manager->SwitchTo(kPageRadio + 1, TRUE), -2);
    EXPECT_TRUE(host.notices.empty());
    EXPECT_TRUE(Shown(0));
    EXPECT_TRUE(Checked(kPageRadio));
    EXPECT_FALSE(Checked(kPageRadio + 1));
    EXPECT_EQ(manager->SwitchTo(kPageRadio, TRUE), 1);   // still the shown page

    pages[1].refuse = false;
    EXPECT_EQ(manager->SwitchTo(kPageRadio + 1, TRUE), 0);
    EXPECT_TRUE(Shown(1));
    EXPECT_EQ(pages[1].creations, 2);
}

TEST_F(TaskWndMgrTest, WhenTheHostGoesThePagesAreForgotten)
{
    auto manager = Manager(7, 1, 0);
    ASSERT_EQ(manager->SwitchTo(0, FALSE), 0);
    host.DestroyWindow();
    EXPECT_EQ(pages[0].GetSafeHwnd(), nullptr);   // went with their parent
    EXPECT_EQ(manager->SwitchTo(1, FALSE), -1);
    manager.reset();
}

// --- Sliding ----------------------------------------------------------------------------

class TaskWndSlide : public TaskWndMgrTest {
protected:
    // The page rectangle of the slides: 200 wide, left of the resizing point.
    static constexpr RECT kSlideRect{0, 0, 200, 100};

    std::unique_ptr<CTaskWndMgr> SlidingManager()
    {
        auto manager = Manager(9, 1, 0);
        manager->SetTaskWndRect(kSlideRect);
        manager->SetTransition(TRUE, 10, 100);
        return manager;
    }
    bool Sliding() const { return ::GetPropW(host, kTaskWndTimerProperty) != nullptr; }
    // One tick as the host's timer would give it; false once the slide is over.
    bool Tick()
    {
        TaskWndTimerProc(host, WM_TIMER, kTaskWndTimerId, 0);
        return Sliding();
    }
    int TicksToEnd()
    {
        int ticks = 1;
        while (Tick() && ticks < 1000)
            ++ticks;
        return ticks;
    }
};

TEST_F(TaskWndSlide, TheOldPageSlidesOutLeftAndTheNewOneFollows)
{
    auto manager = SlidingManager();
    ASSERT_EQ(manager->SwitchTo(0, FALSE), 0);   // nothing to slide from: placed at once
    EXPECT_EQ(Text(PageRect(0)), Text(kSlideRect));
    ASSERT_EQ(manager->SwitchTo(1, FALSE), 0);
    ASSERT_TRUE(Sliding());
    host.notices.clear();

    TaskWndTimerProc(host, WM_TIMER, kTaskWndTimerId + 1, 0);   // another timer: nothing
    EXPECT_EQ(PageRect(0).right, 200);
    ASSERT_TRUE(Tick());
    EXPECT_EQ(Text(PageRect(0)), Text(RECT{-10, 0, 190, 100}));
    EXPECT_EQ(Text(PageRect(1)), Text(RECT{190, 0, 390, 100}));
    EXPECT_TRUE(host.notices.empty());

    EXPECT_EQ(TicksToEnd(), 19);   // 10 pixels a tick over 200
    EXPECT_EQ(Text(PageRect(0)), Text(RECT{-200, 0, 0, 100}));
    EXPECT_EQ(Text(PageRect(1)), Text(kSlideRect));
    ASSERT_EQ(host.notices.size(), 1u);
    EXPECT_EQ(host.notices[0].message, static_cast<UINT>(WM_VXL_TASKWNDCHANGED));
    EXPECT_EQ(host.notices[0].newEntry->window, &pages[1]);
    EXPECT_EQ(host.notices[0].oldEntry->window, &pages[0]);
    EXPECT_FALSE(::KillTimer(host, kTaskWndTimerId));   // stopped with the slide
}

TEST_F(TaskWndSlide, ASwitchDuringASlideGoesOnFromWhereThePagesAre)
{
    auto manager = SlidingManager();
    ASSERT_EQ(manager->SwitchTo(0, FALSE), 0);
    ASSERT_EQ(manager->SwitchTo(1, FALSE), 0);
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(Tick());
    ASSERT_EQ(Text(PageRect(1)), Text(RECT{150, 0, 350, 100}));

    ASSERT_EQ(manager->SwitchTo(2, FALSE), 0);
    EXPECT_EQ(Text(PageRect(2)), Text(kSlideRect));
    EXPECT_EQ(TicksToEnd(), 35);   // page 1's right edge from 350 to 0
    EXPECT_EQ(Text(PageRect(1)), Text(RECT{-200, 0, 0, 100}));
    EXPECT_EQ(Text(PageRect(2)), Text(kSlideRect));
    EXPECT_EQ(Text(PageRect(0)), Text(RECT{-50, 0, 150, 100}));   // stopped where it was
}

TEST_F(TaskWndSlide, AManagerThatGoesStopsItsSlide)
{
    auto manager = SlidingManager();
    ASSERT_EQ(manager->SwitchTo(0, FALSE), 0);
    ASSERT_EQ(manager->SwitchTo(1, FALSE), 0);
    ASSERT_TRUE(Tick());
    manager.reset();
    EXPECT_FALSE(Sliding());
    EXPECT_FALSE(::KillTimer(host, kTaskWndTimerId));
    // The host has let go of it too: a resize reaches no manager.
    host.SetWindowPos(nullptr, 0, 0, kHostBackground.cx + 20, kHostBackground.cy,
                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Text(PageRect(1)), Text(RECT{190, 0, 390, 100}));
}

} // namespace
} // namespace skin_ui_test
