// A skinned popup tracked for real under Wine: the owner's procedure is replaced only for
// the call (also when tracks nest), the program's own popup-menu class frames the popup,
// the items are measured and drawn from the style, and a chosen command reaches the owner.
// Each track is ended from a timer inside its modal loop.
#include "MenuTestSupport.h"
#include "SkinUiTestIds.h"
#include "TestWindow.h"
#include "UIWndTestSupport.h"

#include "framework/WinApp.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/WndProcSlot.h"
#include "skin/ui/controls/SkinMenu.h"
#include "skin/ui/controls/SkinMenuClass.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kItemHeight = 31;

// A framework window that owns the popups: it records the commands and answers the menu
// bar's questions as told.
class OwnerWnd : public CWnd {
public:
    OwnerWnd() { CreateEx(0, nullptr, L"menu owner", WS_POPUP | WS_VISIBLE, 600, 500, 200, 100, nullptr, nullptr); }
    ~OwnerWnd() override { DestroyWindow(); }

    std::vector<UINT> commands;
    LRESULT menuBarTracking = 0;
    LRESULT menuBarTakesMove = 0;
    std::vector<WPARAM> menuBarMoves;
    LONG_PTR procedureInMenuLoop = 0;   // the window's procedure when its menu loop began

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_COMMAND:
            commands.push_back(LOWORD(wParam));
            break;
        case WM_ENTERMENULOOP:
            procedureInMenuLoop = ::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC);
            break;
        case WM_VXL_MENUBARTRACKING:
            return menuBarTracking;
        case WM_VXL_MENUBARMOUSEMOVE:
            menuBarMoves.push_back(wParam);
            return menuBarTakesMove;
        default:
            break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

LONG_PTR CurrentProcedureOf(HWND window)
{
    return ::GetWindowLongPtrW(window, GWLP_WNDPROC);
}

HANDLE SavedProcedureOf(HWND window)
{
    return ::GetPropW(window, kOldWndProcProperty);
}

class SkinMenuTrack : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSkinMenuClass();   // once for the program; later calls change nothing
        MENUPROPERTIES& style = AddMenuStyle(kMenuStyleId);
        SetNumber(style, MenuVar::MenuItemHeight, kItemHeight);
        style.GetVar(MenuVar::NormalBkColor).SetInt(static_cast<int>(kMenuNormalBk));
        style.GetVar(MenuVar::IconAreaStartColor).SetInt(static_cast<int>(kMenuBandStart));
        ASSERT_EQ(menu.ApplyStyle(kMenuStyleId), 0);
        ASSERT_TRUE(menu.LoadMenu(IDM_TEST_MENU));
        popup = static_cast<CSkinMenu*>(CMenu::FromHandlePermanent(::GetSubMenu(menu, 0)));
        ASSERT_NE(popup, nullptr);
        ::SetCursorPos(1200, 1000);   // away from the popups
    }

    BOOL Track(CWnd* owner, int x = 40, int y = 40) { return popup->TrackPopupMenu(0, x, y, owner); }

    WindowSkin skin;
    CSkinMenu menu;
    CSkinMenu* popup = nullptr;
};

TEST_F(SkinMenuTrack, TheOwnersProcedureIsReplacedOnlyForTheCall)
{
    OwnerWnd owner;
    const LONG_PTR own = CurrentProcedureOf(owner);
    LONG_PTR during = 0;
    HANDLE saved = nullptr;
    MenuTrackRecord tracked;
    HWND shown = nullptr;
    {
        WhileTracked check([&] {
            during = CurrentProcedureOf(owner);
            saved = SavedProcedureOf(owner);
            tracked = MenuTrackInfo;
            shown = TrackedPopup();
        });
        Track(&owner);
        ASSERT_TRUE(check.Ran());
    }
    EXPECT_NE(during, own);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(saved), own);
    EXPECT_EQ(tracked.owner, owner.m_hWnd);
    EXPECT_EQ(tracked.menu, popup->m_hMenu);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(tracked.popup, shown);   // recorded by the program's popup-menu class

    EXPECT_EQ(CurrentProcedureOf(owner), own);
    EXPECT_EQ(SavedProcedureOf(owner), nullptr);
    EXPECT_EQ(MenuTrackInfo.owner, nullptr);
    EXPECT_EQ(MenuTrackInfo.menu, nullptr);
    EXPECT_EQ(MenuTrackInfo.popup, nullptr);
}

TEST_F(SkinMenuTrack, NestedTracksPutBackOnlyWhatTheyReplaced)
{
    OwnerWnd owner;
    OwnerWnd other;
    const LONG_PTR own = CurrentProcedureOf(owner);
    const LONG_PTR otherOwn = CurrentProcedureOf(other);
    CSkinMenu inner;
    ASSERT_EQ(inner.ApplyStyle(kMenuStyleId), 0);
    ASSERT_TRUE(inner.LoadMenu(IDM_TEST_MENU));
    auto* const innerPopup = static_cast<CSkinMenu*>(CMenu::FromHandlePermanent(::GetSubMenu(inner, 0)));

    bool innerRan = false;   // Wine shows a popup of the same owner tracked from inside another
    LONG_PTR outerProcedure = 0;
    LONG_PTR afterSameOwner = 0;
    HANDLE savedAfterSameOwner = nullptr;
    LONG_PTR otherDuring = 0;
    LONG_PTR otherAfter = 0;
    HANDLE otherSavedAfter = nullptr;
    LONG_PTR ownerAfterOther = 0;
    MenuTrackRecord afterInner;
    {
        WhileTracked outer([&] {
            outerProcedure = CurrentProcedureOf(owner);
            {
                WhileTracked end([] {});
                innerPopup->TrackPopupMenu(0, 60, 60, &owner);
                innerRan = end.Ran();
            }
            afterSameOwner = CurrentProcedureOf(owner);
            savedAfterSameOwner = SavedProcedureOf(owner);
            {
                // Wine may close a popup of another owner at once; its start still reaches
                // the owner's procedure.
                WhileTracked end([] {});
                innerPopup->TrackPopupMenu(0, 60, 60, &other);
                otherDuring = other.procedureInMenuLoop;
            }
            otherAfter = CurrentProcedureOf(other);
            otherSavedAfter = SavedProcedureOf(other);
            ownerAfterOther = CurrentProcedureOf(owner);
            afterInner = MenuTrackInfo;
        });
        Track(&owner);
        ASSERT_TRUE(outer.Ran());
    }
    EXPECT_TRUE(innerRan);
    EXPECT_NE(outerProcedure, own);
    EXPECT_EQ(afterSameOwner, outerProcedure);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(savedAfterSameOwner), own);
    EXPECT_NE(otherDuring, otherOwn);
    EXPECT_EQ(otherAfter, otherOwn);
    EXPECT_EQ(otherSavedAfter, nullptr);
    EXPECT_EQ(ownerAfterOther, outerProcedure);
    EXPECT_EQ(afterInner.owner, owner.m_hWnd);
    EXPECT_EQ(afterInner.menu, popup->m_hMenu);

    EXPECT_EQ(CurrentProcedureOf(owner), own);
    EXPECT_EQ(SavedProcedureOf(owner), nullptr);
    EXPECT_EQ(MenuTrackInfo.owner, nullptr);
}

TEST_F(SkinMenuTrack, WithoutAnOwnerWindowNothingIsShown)
{
    const MenuTrackRecord before = MenuTrackInfo;
    EXPECT_FALSE(popup->TrackPopupMenu(0, 40, 40, nullptr));
    CWnd unmade;
    EXPECT_FALSE(popup->TrackPopupMenu(0, 40, 40, &unmade));
    EXPECT_EQ(MenuTrackInfo.owner, before.owner);
    EXPECT_EQ(AfxGetTrackingWindow(), nullptr);
}

TEST_F(SkinMenuTrack, TheItemsAreMeasuredWhateverTheOwnerIs)
{
    TestWindow plain(200, 100, true);   // no framework window: only the replaced procedure measures
    const LONG_PTR own = CurrentProcedureOf(plain);
    RECT text{}, separator{};
    {
        WhileTracked look([&] {
            ::GetMenuItemRect(nullptr, *popup, 0, &text);
            ::GetMenuItemRect(nullptr, *popup, 3, &separator);
        });
        Track(CWnd::FromHandle(plain));
        ASSERT_TRUE(look.Ran());
    }
    EXPECT_EQ(text.bottom - text.top, kItemHeight);
    EXPECT_EQ(separator.bottom - separator.top, ::GetSystemMetrics(SM_CYMENUCHECK) / 2);
    EXPECT_EQ(CurrentProcedureOf(plain), own);
}

TEST_F(SkinMenuTrack, ThePopupShowsTheSkinnedItems)
{
    OwnerWnd owner;
    COLORREF band = CLR_INVALID, background = CLR_INVALID;
    {
        WhileTracked look([&] {
            const HWND shown = TrackedPopup();
            RECT item{};
            ::GetMenuItemRect(nullptr, *popup, 0, &item);   // null: the popup's own window
            ::MapWindowPoints(nullptr, shown, reinterpret_cast<POINT*>(&item), 2);
            ::UpdateWindow(shown);
            const HDC dc = ::GetDC(shown);
            band = ::GetPixel(dc, item.left, (item.top + item.bottom) / 2);

            background = ::GetPixel(dc, item.left + 100, item.top + 1);
            ::ReleaseDC(shown, dc);
        });
        Track(&owner);
        ASSERT_TRUE(look.Ran());
    }
    EXPECT_EQ(band, kMenuBandStart);
    EXPECT_EQ(background, kMenuNormalBk);
}

TEST_F(SkinMenuTrack, AChosenCommandReachesTheOwner)
{
    OwnerWnd owner;
    {
        WhileTracked choose(
            [] {
                const HWND shown = TrackedPopup();
                ::PostMessageW(shown, WM_KEYDOWN, VK_DOWN, 0);
                ::PostMessageW(shown, WM_KEYDOWN, VK_RETURN, 0);
            },
            false);
        WhileTracked guard([] {}, true, 5000);   // ends the menu should the keys not
        Track(&owner);
        ASSERT_TRUE(choose.Ran());
    }
    PumpPending();
    EXPECT_EQ(owner.commands, std::vector<UINT>{ID_TEST_OPEN});
}

TEST_F(SkinMenuTrack, AMenuBarMayTakeAMoveOverThePopup)
{
    OwnerWnd owner;
    struct Row {
        LRESULT tracking, takes;
        size_t moves;
    };
    for (const Row row : {Row{0, 1, 0}, Row{1, 0, 1}, Row{1, 1, 1}}) {
        owner.menuBarTracking = row.tracking;
        owner.menuBarTakesMove = row.takes;
        owner.menuBarMoves.clear();
        HWND shown = nullptr;
        {
            WhileTracked move([&] {
                shown = TrackedPopup();
                ::SendMessageW(shown, 0x1E5, 0, 0);
            });
            Track(&owner);
            ASSERT_TRUE(move.Ran());
        }
        EXPECT_EQ(owner.menuBarMoves.size(), row.moves);
        if (!owner.menuBarMoves.empty()) {
            EXPECT_EQ(owner.menuBarMoves[0], reinterpret_cast<WPARAM>(shown));
        }
    }
}

TEST_F(SkinMenuTrack, WinePopupsComeFromTheProgramsOwnClassAndKeepTheirSize)
{
    WNDCLASSW registered{};
    ASSERT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), L"#32768", &registered));
    EXPECT_EQ(registered.lpfnWndProc, &SkinMenuWindowProc);
    EXPECT_EQ(RegisterSkinMenuClass(), 0);   // once per process

    OwnerWnd owner;
    LONG_PTR classProcedure = 0;
    WINDOWPOS pos{};
    {
        WhileTracked look([&] {
            const HWND shown = TrackedPopup();
            classProcedure = ::GetClassLongPtrW(shown, GCLP_WNDPROC);
            // Wine's popups carry no 3-D frame: nothing was taken off, nothing is shrunk.
            pos.hwnd = shown;
            pos.cx = 100;
            pos.cy = 50;
            pos.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
            SkinMenuWindowProc(shown, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        });
        Track(&owner);
        ASSERT_TRUE(look.Ran());
    }
    EXPECT_EQ(classProcedure, reinterpret_cast<LONG_PTR>(&SkinMenuWindowProc));
    EXPECT_EQ(pos.cx, 100);
    EXPECT_EQ(pos.cy, 50);
}

TEST_F(SkinMenuTrack, APlainMenuGetsNoSkinnedHandling)
{
    OwnerWnd owner;
    CMenu plain;
    ASSERT_TRUE(plain.CreatePopupMenu());
    ASSERT_TRUE(plain.AppendMenu(MF_STRING, 1, L"plain"));
    HWND recorded = reinterpret_cast<HWND>(1);
    {
        WhileTracked look([&] { recorded = MenuTrackInfo.popup; });
        plain.TrackPopupMenu(0, 40, 40, &owner);
        ASSERT_TRUE(look.Ran());
    }
    EXPECT_EQ(recorded, nullptr);
}

TEST(PopupFrame, FlatteningTakesOffOnlyTheFrameThereIs)
{
    const DWORD frame3d = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    const LONG border = ::GetSystemMetrics(SM_CXBORDER);
    const LONG dialog = ::GetSystemMetrics(SM_CXDLGFRAME);
    struct Row {
        const char* name;
        DWORD style, exStyle;
        int borderStyle;
        DWORD newStyle, newExStyle;
        LONG removed;
    };
    const Row rows[] = {
        {"3-D frame, flat", WS_POPUP | WS_BORDER, frame3d, kMenuBorderFlat, WS_POPUP | WS_BORDER, 0,
         2 * (dialog - border)},
        {"3-D frame without border, flat", WS_POPUP, frame3d, kMenuBorderFlat, WS_POPUP, 0, 2 * dialog},
        {"3-D frame, none", WS_POPUP | WS_BORDER, frame3d, kMenuBorderNone, WS_POPUP, 0, 2 * dialog},
        {"3-D frame, normal", WS_POPUP | WS_BORDER, frame3d, kMenuBorderNormal, WS_POPUP | WS_BORDER, frame3d, 0},
        {"Wine's popup, flat", WS_POPUP | WS_CLIPSIBLINGS, WS_EX_TOPMOST, kMenuBorderFlat, WS_POPUP | WS_CLIPSIBLINGS,
         WS_EX_TOPMOST, 0},
        {"Wine's popup, none", WS_POPUP | WS_CLIPSIBLINGS, WS_EX_TOPMOST, kMenuBorderNone, WS_POPUP | WS_CLIPSIBLINGS,
         WS_EX_TOPMOST, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PopupFrame frame = FlattenPopupFrame(row.style, row.exStyle, row.borderStyle);
        EXPECT_EQ(frame.style, row.newStyle);
        EXPECT_EQ(frame.exStyle, row.newExStyle);
        EXPECT_EQ(frame.removed.cx, row.removed);
        EXPECT_EQ(frame.removed.cy, row.removed);
    }
}

} // namespace
} // namespace skin_ui_test
