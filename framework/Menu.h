#pragma once
// CMenu: a C++ object bound to a menu handle.
//
// Handle maps are per thread, like the window maps: FromHandlePermanent finds the object
// attached to a menu on the calling thread; FromHandle also wraps other menus in
// temporary objects that live until the thread next goes idle (CWinThread::OnIdle) or
// ends. An attached object destroys its menu when it goes, unless it was detached first.
//
// Owner-drawn items (MF_OWNERDRAW) are drawn and measured by the object of the menu that
// holds them: the WM_DRAWITEM and WM_MEASUREITEM their owner window receives reach its
// DrawItem and MeasureItem (CWnd's default handling). While TrackPopupMenu runs, the
// thread records the owner window and the menu being tracked (AfxGetTrackingWindow,
// AfxGetTrackingMenu); that is how a measured item is found in a popup.
#include "framework/Object.h"
#include "framework/String.h"

#include <windows.h>

class CWnd;

class CMenu : public CObject {
    DECLARE_DYNAMIC(CMenu)
public:
    CMenu() = default;
    // Destroys the menu when this object still holds one.
    ~CMenu() override;

    HMENU m_hMenu = nullptr;

    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }

    // --- handle maps
    // The object attached to `menu` on this thread, else a temporary wrapper; null for null.
    static CMenu* FromHandle(HMENU menu);
    // The object attached to `menu` on this thread, or null.
    static CMenu* FromHandlePermanent(HMENU menu);
    // Deletes the calling thread's temporary wrappers.
    static void DeleteTempMap();
    // Binds this object to `menu`; FALSE for null, or when either is bound already.
    BOOL Attach(HMENU menu);
    // Unbinds without destroying; answers the handle.
    HMENU Detach();

    // --- making and destroying; each FALSE (holding nothing new) when it fails
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // A menu resource of the resource module (AfxGetResourceModule).
    BOOL LoadMenu(UINT id) { return LoadMenu(MAKEINTRESOURCEW(id)); }
    BOOL LoadMenu(LPCWSTR name);
    // Destroys the menu and its sub-menus; FALSE when there is none.
    BOOL DestroyMenu();

    // --- items; `flags` says whether `item` is a command id (MF_BYCOMMAND) or a
    // position (MF_BYPOSITION)
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    // The command id at `position`; 0 for a separator, -1 for a sub-menu or none.
    UINT GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
    // MF_* state bits; for a sub-menu the item count in the high byte. -1 when no such item.
    UINT GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }
    int GetMenuString(UINT item, LPWSTR text, int maxCount, UINT flags) const
    {
        return ::GetMenuStringW(m_hMenu, item, text, maxCount, flags);
    }
    int GetMenuString(UINT item, CString& text, UINT flags) const;
    // The sub-menu at `position` (a temporary wrapper unless it has its own object), or null.
    CMenu* GetSubMenu(int position) const { return FromHandle(::GetSubMenu(m_hMenu, position)); }
    BOOL GetMenuItemInfo(UINT item, LPMENUITEMINFOW info, BOOL byPosition = FALSE) const
    {
        return ::GetMenuItemInfoW(m_hMenu, item, byPosition, info);
    }
    BOOL SetMenuItemInfo(UINT item, LPCMENUITEMINFOW info, BOOL byPosition = FALSE)
    {
        return ::SetMenuItemInfoW(m_hMenu, item, byPosition, info);
    }
    UINT GetDefaultItem(UINT flags, BOOL byPosition = FALSE) const { return ::GetMenuDefaultItem(m_hMenu, byPosition, flags); }
    BOOL SetDefaultItem(UINT item, BOOL byPosition = FALSE) { return ::SetMenuDefaultItem(m_hMenu, item, byPosition); }

    // `idOrSubMenu` is the command id, or the sub-menu's handle with MF_POPUP. `text` is the
    // item's text, or its item data (any value) with MF_OWNERDRAW.
    BOOL AppendMenu(UINT flags, UINT_PTR idOrSubMenu = 0, LPCWSTR text = nullptr)
    {
        return ::AppendMenuW(m_hMenu, flags, idOrSubMenu, text);
    }
    BOOL InsertMenu(UINT item, UINT flags, UINT_PTR idOrSubMenu = 0, LPCWSTR text = nullptr)
    {
        return ::InsertMenuW(m_hMenu, item, flags, idOrSubMenu, text);
    }
    BOOL ModifyMenu(UINT item, UINT flags, UINT_PTR idOrSubMenu = 0, LPCWSTR text = nullptr)
    {
        return ::ModifyMenuW(m_hMenu, item, flags, idOrSubMenu, text);
    }
    // Takes the item out; a sub-menu is kept (RemoveMenu) or destroyed (DeleteMenu).
    BOOL RemoveMenu(UINT item, UINT flags) { return ::RemoveMenu(m_hMenu, item, flags); }
    BOOL DeleteMenu(UINT item, UINT flags) { return ::DeleteMenu(m_hMenu, item, flags); }
    // Each answers the previous MF_CHECKED / MF_ENABLED-MF_GRAYED state, or -1.
    UINT CheckMenuItem(UINT item, UINT check) { return static_cast<UINT>(::CheckMenuItem(m_hMenu, item, check)); }
    UINT EnableMenuItem(UINT item, UINT enable) { return static_cast<UINT>(::EnableMenuItem(m_hMenu, item, enable)); }
    BOOL CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags)
    {
        return ::CheckMenuRadioItem(m_hMenu, first, last, item, flags);
    }

    // Shows this menu as a popup at (x, y) (screen coordinates) and returns when it closes.
    // The chosen command goes to `owner` as WM_COMMAND, or is answered with TPM_RETURNCMD.
    // While it runs the thread's tracking window is `owner` and its tracking menu this
    // one; both are what they were before when it returns. FALSE without an owner.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);

    // An owner-drawn item of this menu; the base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT item);
    // The size of an owner-drawn item of this menu; the base leaves what the system proposed.
    virtual void MeasureItem(LPMEASUREITEMSTRUCT item);

    // The object of the menu that holds item `id` in `menu` or its sub-menus: the menu
    // with a command of that id, or the menu with the sub-menu whose handle is `id` (as
    // the system names a sub-menu's item when it measures it). Null when no menu holds it
    // or the menu that does has no object.
    static CMenu* FindPopupMenuFromID(HMENU menu, UINT id);
};

// The owner window and the menu of the calling thread's TrackPopupMenu now running; null
// when none runs.
HWND AfxGetTrackingWindow();
HMENU AfxGetTrackingMenu();

// Owner drawing of menu items, as CWnd routes it: the object of the menu that holds the
// item draws it (the item's hwndItem is its menu) or measures it (found from the tracking
// menu when `owner` is the tracking window, else from `owner`'s menu bar). FALSE when no
// object answered.
BOOL AfxDrawMenuItem(LPDRAWITEMSTRUCT item);
BOOL AfxMeasureMenuItem(HWND owner, LPMEASUREITEMSTRUCT item);

// Frees what the calling thread kept for its menus: the last step of a framework thread.
void AfxTermThreadMenus();
