// CMenu: the per-thread handle maps, making, loading and destroying menus, their items and
// sub-menus, owner-drawn items that reach the object of their menu, and a tracked popup
// whose items reach it while the thread records what it tracks.
#include "tests/framework/FrameworkTestIds.h"
#include "tests/framework/WindowTestSupport.h"

#include "framework/Menu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(Menu, AttachedMenusArePermanentAndGoWithTheirObject)
{
    HMENU handle = nullptr;
    {
        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        handle = menu.m_hMenu;
        EXPECT_EQ(CMenu::FromHandlePermanent(handle), &menu);
        EXPECT_EQ(CMenu::FromHandle(handle), &menu);
        EXPECT_FALSE(menu.CreatePopupMenu());   // holds one already
        CMenu second;
        EXPECT_FALSE(second.Attach(handle));    // bound to another object
        EXPECT_FALSE(second.Attach(nullptr));
    }
    EXPECT_FALSE(IsMenu(handle));
    EXPECT_EQ(CMenu::FromHandlePermanent(handle), nullptr);
}

TEST(Menu, DetachingHandsTheMenuBackWithoutDestroyingIt)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreateMenu());
    const HMENU handle = menu.Detach();
    EXPECT_EQ(menu.m_hMenu, nullptr);
    EXPECT_EQ(CMenu::FromHandlePermanent(handle), nullptr);
    EXPECT_TRUE(IsMenu(handle));
    EXPECT_FALSE(menu.DestroyMenu());   // nothing held
    EXPECT_TRUE(menu.Attach(handle));
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_FALSE(IsMenu(handle));
}

TEST(Menu, ForeignMenusGetTemporaryWrappersThatLeaveThemAlive)
{
    const HMENU foreign = CreatePopupMenu();
    CMenu* const wrapper = CMenu::FromHandle(foreign);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->m_hMenu, foreign);
    EXPECT_EQ(CMenu::FromHandle(foreign), wrapper);   // the same wrapper until idle
    EXPECT_EQ(CMenu::FromHandlePermanent(foreign), nullptr);
    EXPECT_EQ(CMenu::FromHandle(nullptr), nullptr);
    CMenu::DeleteTempMap();
    EXPECT_TRUE(IsMenu(foreign));
    DestroyMenu(foreign);
}

class LoadedMenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bar.LoadMenu(IDR_TEST_MENU));
        file = bar.GetSubMenu(0);
        ASSERT_NE(file, nullptr);
    }
    CMenu bar;
    CMenu* file = nullptr;
};

TEST_F(LoadedMenuTest, ItemsAndSubMenusReadBackAsTheResourceHasThem)
{
    EXPECT_EQ(bar.GetMenuItemCount(), 1);
    ASSERT_EQ(file->GetMenuItemCount(), 4);
    const struct {
        int position;
        UINT id;
        const wchar_t* text;
        UINT stateBits;
    } items[] = {
        {0, ID_TEST_OPEN, L"&Open\tCtrl+O", 0},
        {1, 0, L"", MF_SEPARATOR},
        {2, static_cast<UINT>(-1), L"&Recent", MF_POPUP},
        {3, ID_TEST_EXIT, L"E&xit", MF_GRAYED},
    };
    for (const auto& item : items) {
        SCOPED_TRACE(item.position);
        EXPECT_EQ(file->GetMenuItemID(item.position), item.id);
        CString text;
        file->GetMenuString(item.position, text, MF_BYPOSITION);
        EXPECT_EQ(text, item.text);
        EXPECT_EQ(file->GetMenuState(item.position, MF_BYPOSITION) & item.stateBits, item.stateBits);
    }
    CMenu* const recent = file->GetSubMenu(2);
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->GetMenuItemID(0), static_cast<UINT>(ID_TEST_RECENT_ONE));
    EXPECT_EQ(file->GetSubMenu(0), nullptr);
    EXPECT_EQ(file->GetMenuState(999, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(LoadedMenuTest, ItemsChangeThroughTheObject)
{
    EXPECT_EQ(file->CheckMenuItem(ID_TEST_OPEN, MF_CHECKED), static_cast<UINT>(MF_UNCHECKED));
    EXPECT_TRUE(file->GetMenuState(ID_TEST_OPEN, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(file->EnableMenuItem(ID_TEST_EXIT, MF_ENABLED), static_cast<UINT>(MF_GRAYED));
    EXPECT_FALSE(file->GetMenuState(ID_TEST_EXIT, MF_BYCOMMAND) & MF_GRAYED);

    ASSERT_TRUE(file->ModifyMenu(ID_TEST_OPEN, MF_BYCOMMAND | MF_STRING, ID_TEST_OPEN, L"Open again"));
    CString text;
    file->GetMenuString(ID_TEST_OPEN, text, MF_BYCOMMAND);
    EXPECT_EQ(text, L"Open again");

    ASSERT_TRUE(file->InsertMenu(0, MF_BYPOSITION | MF_STRING, 203, L"New"));
    ASSERT_TRUE(file->AppendMenu(MF_STRING, 204, L"Last"));
    EXPECT_EQ(file->GetMenuItemCount(), 6);
    EXPECT_EQ(file->GetMenuItemID(0), 203u);
    EXPECT_TRUE(file->SetDefaultItem(203));
    EXPECT_EQ(file->GetDefaultItem(0), 203u);

    // Removing keeps a sub-menu alive, deleting destroys it.
    const HMENU recent = ::GetSubMenu(file->m_hMenu, 3);
    ASSERT_TRUE(file->RemoveMenu(3, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(recent));
    ASSERT_TRUE(file->InsertMenu(3, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(recent), L"Recent"));
    ASSERT_TRUE(file->DeleteMenu(3, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(recent));
    EXPECT_EQ(file->GetMenuItemCount(), 5);
}

TEST(Menu, AMissingResourceLoadsNothing)
{
    CMenu menu;
    EXPECT_FALSE(menu.LoadMenu(IDR_TEST_MISSING_MENU));
    EXPECT_EQ(menu.m_hMenu, nullptr);
}

TEST_F(LoadedMenuTest, AnItemIsFoundInTheMenuThatHoldsIt)
{
    const HMENU fileHandle = file->m_hMenu;
    const HMENU recentHandle = file->GetSubMenu(2)->m_hMenu;
    CMenu::DeleteTempMap();   // the wrappers go; the menus stay
    CMenu recent;             // gives the sub-menu an object of its own
    ASSERT_TRUE(recent.Attach(recentHandle));

    const UINT popupItem = static_cast<UINT>(reinterpret_cast<UINT_PTR>(recentHandle));
    EXPECT_EQ(CMenu::FindPopupMenuFromID(bar.m_hMenu, ID_TEST_RECENT_ONE), &recent);
    EXPECT_EQ(CMenu::FindPopupMenuFromID(bar.m_hMenu, 9999), nullptr);
    // The File menu has no object: what it holds is found by nothing.
    EXPECT_EQ(CMenu::FindPopupMenuFromID(bar.m_hMenu, ID_TEST_OPEN), nullptr);
    EXPECT_EQ(CMenu::FindPopupMenuFromID(bar.m_hMenu, popupItem), nullptr);
    CMenu fileObject;
    ASSERT_TRUE(fileObject.Attach(fileHandle));
    EXPECT_EQ(CMenu::FindPopupMenuFromID(bar.m_hMenu, ID_TEST_OPEN), &fileObject);
    EXPECT_EQ(CMenu::FindPopupMenuFromID(bar.m_hMenu, popupItem), &fileObject);   // the popup item's holder
    EXPECT_EQ(CMenu::FindPopupMenuFromID(nullptr, ID_TEST_OPEN), nullptr);
    fileObject.Detach();
    recent.Detach();   // the bar destroys them
}

// A popup whose items are drawn by its object.
class DrawingMenu : public CMenu {
public:
    std::vector<UINT> measuredIds;
    std::vector<UINT> drawnIds;
    std::vector<ULONG_PTR> drawnData;

    void MeasureItem(LPMEASUREITEMSTRUCT item) override
    {
        measuredIds.push_back(item->itemID);
        item->itemWidth = 90;
        item->itemHeight = 18;
    }
    void DrawItem(LPDRAWITEMSTRUCT item) override
    {
        drawnIds.push_back(item->itemID);
        drawnData.push_back(item->itemData);
    }

    bool Measured(UINT id) const { return std::count(measuredIds.begin(), measuredIds.end(), id) > 0; }
    bool Drawn(UINT id) const { return std::count(drawnIds.begin(), drawnIds.end(), id) > 0; }
};

TEST(MenuOwnerDraw, OwnerDrawnItemsOfAMenuBarReachTheMenuObject)
{
    wndtest::Frame parent;
    ASSERT_TRUE(parent.Make(L"menu bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    DrawingMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    ASSERT_TRUE(bar.AppendMenu(MF_OWNERDRAW, 301, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(0xBEEF))));
    ASSERT_TRUE(SetMenu(parent.m_hWnd, bar.m_hMenu));
    DrawMenuBar(parent.m_hWnd);
    RedrawWindow(parent.m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    wndtest::PumpPending();

    ASSERT_FALSE(bar.measuredIds.empty());   // found through the window's menu
    EXPECT_EQ(bar.measuredIds.front(), 301u);
    ASSERT_FALSE(bar.drawnIds.empty());
    EXPECT_EQ(bar.drawnIds.front(), 301u);
    EXPECT_EQ(bar.drawnData.front(), 0xBEEFu);
    SetMenu(parent.m_hWnd, nullptr);
}

TEST(MenuOwnerDraw, MenuItemsWithoutAMenuObjectGoToTheDefaultProcedure)
{
    wndtest::Frame parent;
    ASSERT_TRUE(parent.Make());
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = 999;
    measure.itemHeight = 7;
    EXPECT_FALSE(AfxMeasureMenuItem(parent.m_hWnd, &measure));
    parent.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemHeight, 7u);

    CMenu plain;   // a menu with an object of the base class draws nothing
    ASSERT_TRUE(plain.CreatePopupMenu());
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.hwndItem = reinterpret_cast<HWND>(plain.m_hMenu);
    EXPECT_TRUE(AfxDrawMenuItem(&draw));
    draw.hwndItem = reinterpret_cast<HWND>(CreatePopupMenu());   // no object at all
    EXPECT_FALSE(AfxDrawMenuItem(&draw));
    DestroyMenu(reinterpret_cast<HMENU>(draw.hwndItem));
}

constexpr UINT_PTR kEndMenuTimer = 7;

// The owner of a tracked popup: its timer looks at what the thread tracks and ends the menu.
class MenuOwner : public wndtest::Frame {
public:
    HWND trackingWindow = nullptr;
    HMENU trackingMenu = nullptr;
    int ticks = 0;
    std::vector<BOOL> enteredLoop;
    std::vector<BOOL> exitedLoop;

protected:
    void OnTimer(UINT_PTR id)
    {
        if (id != kEndMenuTimer)
            return;
        ++ticks;
        KillTimer(id);
        trackingWindow = AfxGetTrackingWindow();
        trackingMenu = AfxGetTrackingMenu();
        EndMenu();
    }
    void OnEnterMenuLoop(BOOL popup) { enteredLoop.push_back(popup); }
    void OnExitMenuLoop(BOOL popup) { exitedLoop.push_back(popup); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuOwner, wndtest::Frame)
    ON_WM_TIMER()
    ON_WM_ENTERMENULOOP()
    ON_WM_EXITMENULOOP()
END_MESSAGE_MAP()

TEST(MenuTracking, AnOwnerDrawnPopupReachesItsObjectsWhileTheThreadRecordsTheTrack)
{
    MenuOwner owner;
    ASSERT_TRUE(owner.Make(L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    DrawingMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    DrawingMenu sub;
    ASSERT_TRUE(sub.CreatePopupMenu());
    ASSERT_TRUE(sub.AppendMenu(MF_OWNERDRAW, 411, nullptr));
    ASSERT_TRUE(popup.AppendMenu(MF_OWNERDRAW, 401, nullptr));
    ASSERT_TRUE(popup.AppendMenu(MF_OWNERDRAW, 402, nullptr));
    ASSERT_TRUE(popup.AppendMenu(MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(sub.m_hMenu), nullptr));
    const UINT subItem = static_cast<UINT>(reinterpret_cast<UINT_PTR>(sub.m_hMenu));

    // The timer's message comes only once the popup has been drawn: timers rank below
    // painting in the queue.
    owner.SetTimer(kEndMenuTimer, 1);
    EXPECT_EQ(AfxGetTrackingWindow(), nullptr);
    popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN, 40, 40, &owner);

    EXPECT_EQ(owner.ticks, 1);
    EXPECT_EQ(owner.trackingWindow, owner.m_hWnd);
    EXPECT_EQ(owner.trackingMenu, popup.m_hMenu);
    EXPECT_EQ(AfxGetTrackingWindow(), nullptr);
    EXPECT_EQ(AfxGetTrackingMenu(), nullptr);

    EXPECT_TRUE(popup.Measured(401));
    EXPECT_TRUE(popup.Measured(402));
    EXPECT_TRUE(popup.Measured(subItem));   // the sub-menu's item is its holder's
    EXPECT_TRUE(popup.Drawn(401));
    EXPECT_TRUE(popup.Drawn(402));
    EXPECT_TRUE(sub.measuredIds.empty());   // never opened
    EXPECT_EQ(owner.enteredLoop, std::vector<BOOL>{TRUE});
    EXPECT_EQ(owner.exitedLoop, std::vector<BOOL>{TRUE});
    sub.Detach();   // the popup destroys it
}

TEST(MenuTracking, NoOwnerNoTrack)
{
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    ASSERT_TRUE(popup.AppendMenu(MF_STRING, 1, L"item"));
    EXPECT_FALSE(popup.TrackPopupMenu(0, 0, 0, nullptr));
    CWnd unmade;
    EXPECT_FALSE(popup.TrackPopupMenu(0, 0, 0, &unmade));
    EXPECT_EQ(AfxGetTrackingWindow(), nullptr);
}

} // namespace
