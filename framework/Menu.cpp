#include "framework/Menu.h"

#include "framework/ResourceModule.h"
#include "framework/ThreadSlot.h"
#include "framework/Wnd.h"

#include <memory>
#include <unordered_map>

namespace {

// What each thread keeps for its menus (an AfxThreadLocal); a framework thread frees it
// when it ends (AfxTermThreadMenus).
struct MenuThreadState {
    std::unordered_map<HMENU, CMenu*> permanent;
    std::unordered_map<HMENU, std::unique_ptr<CMenu>> temporary;
    HWND trackingWindow = nullptr;
    HMENU trackingMenu = nullptr;

    MenuThreadState() = default;
    MenuThreadState(const MenuThreadState&) = delete;
    MenuThreadState& operator=(const MenuThreadState&) = delete;
    ~MenuThreadState() { ForgetTemporaries(); }

    // The wrappers go without destroying the menus they wrap.
    void ForgetTemporaries()
    {
        for (auto& entry : temporary)
            entry.second->m_hMenu = nullptr;
        temporary.clear();
    }
};

const AfxThreadLocal<MenuThreadState>& MenuStates()
{
    static const AfxThreadLocal<MenuThreadState> states;
    return states;
}

UINT ItemIdOf(HMENU subMenu)
{
    // The system names a sub-menu's item by the handle's low 32 bits.
    return static_cast<UINT>(reinterpret_cast<UINT_PTR>(subMenu));
}

// Binds a menu just made; one that cannot be bound is destroyed again.
BOOL AttachNew(CMenu& object, HMENU menu)
{
    if (!menu)
        return FALSE;
    if (object.Attach(menu))
        return TRUE;
    ::DestroyMenu(menu);
    return FALSE;
}

} // namespace

IMPLEMENT_DYNAMIC(CMenu, CObject)

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* CMenu::FromHandlePermanent(HMENU menu)
{
    MenuThreadState* const s = MenuStates().IfAny();
    if (!menu || !s)
        return nullptr;
    const auto it = s->permanent.find(menu);
    return it == s->permanent.end() ? nullptr : it->second;
}

CMenu* CMenu::FromHandle(HMENU menu)
{
    if (!menu)
        return nullptr;
    if (CMenu* const permanent = FromHandlePermanent(menu))
        return permanent;
    std::unique_ptr<CMenu>& temporary = MenuStates().Get().temporary[menu];
    if (!temporary) {
        temporary = std::make_unique<CMenu>();
        temporary->m_hMenu = menu;
    }
    return temporary.get();
}

void CMenu::DeleteTempMap()
{
    if (MenuThreadState* const s = MenuStates().IfAny())
        s->ForgetTemporaries();
}

BOOL CMenu::Attach(HMENU menu)
{
    if (!menu || m_hMenu)
        return FALSE;
    MenuThreadState& s = MenuStates().Get();
    if (!s.permanent.emplace(menu, this).second)
        return FALSE;
    m_hMenu = menu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    const HMENU menu = m_hMenu;
    if (!menu)
        return nullptr;
    if (MenuThreadState* const s = MenuStates().IfAny()) {
        const auto it = s->permanent.find(menu);
        if (it != s->permanent.end() && it->second == this)
            s->permanent.erase(it);
    }
    m_hMenu = nullptr;
    return menu;
}

BOOL CMenu::CreateMenu()
{
    return !m_hMenu && AttachNew(*this, ::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return !m_hMenu && AttachNew(*this, ::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCWSTR name)
{
    return !m_hMenu && AttachNew(*this, ::LoadMenuW(AfxGetResourceModule(), name));
}

BOOL CMenu::DestroyMenu()
{
    const HMENU menu = Detach();
    return menu ? ::DestroyMenu(menu) : FALSE;
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const
{
    const int length = ::GetMenuStringW(m_hMenu, item, nullptr, 0, flags);
    if (length <= 0) {
        text.Empty();
        return 0;
    }
    LPWSTR buffer = text.GetBufferSetLength(length);
    const int copied = ::GetMenuStringW(m_hMenu, item, buffer, length + 1, flags);
    text.ReleaseBuffer(copied);
    return copied;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect)
{
    if (!owner || !owner->m_hWnd)
        return FALSE;
    MenuThreadState& s = MenuStates().Get();
    const HWND outerWindow = s.trackingWindow;
    const HMENU outerMenu = s.trackingMenu;
    s.trackingWindow = owner->m_hWnd;
    s.trackingMenu = m_hMenu;
    const BOOL result = ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner->m_hWnd, rect);
    s.trackingWindow = outerWindow;
    s.trackingMenu = outerMenu;
    return result;
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}

CMenu* CMenu::FindPopupMenuFromID(HMENU menu, UINT id)
{
    const int count = menu ? ::GetMenuItemCount(menu) : 0;
    for (int position = 0; position < count; ++position) {
        if (const HMENU subMenu = ::GetSubMenu(menu, position)) {
            if (ItemIdOf(subMenu) == id)
                return FromHandlePermanent(menu);
            if (CMenu* const holder = FindPopupMenuFromID(subMenu, id))
                return holder;
        } else if (::GetMenuItemID(menu, position) == id) {
            return FromHandlePermanent(menu);
        }
    }
    return nullptr;
}

HWND AfxGetTrackingWindow()
{
    const MenuThreadState* const s = MenuStates().IfAny();
    return s ? s->trackingWindow : nullptr;
}

HMENU AfxGetTrackingMenu()
{
    const MenuThreadState* const s = MenuStates().IfAny();
    return s ? s->trackingMenu : nullptr;
}

BOOL AfxDrawMenuItem(LPDRAWITEMSTRUCT item)
{
    if (!item || item->CtlType != ODT_MENU)
        return FALSE;
    CMenu* const menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(item->hwndItem));
    if (!menu)
        return FALSE;
    menu->DrawItem(item);
    return TRUE;
}

BOOL AfxMeasureMenuItem(HWND owner, LPMEASUREITEMSTRUCT item)
{
    if (!owner || !item || item->CtlType != ODT_MENU)
        return FALSE;
    // A popup being tracked for this window, else the window's menu bar.
    const HMENU start = AfxGetTrackingWindow() == owner ? AfxGetTrackingMenu() : ::GetMenu(owner);
    CMenu* const menu = CMenu::FindPopupMenuFromID(start, item->itemID);
    if (!menu)
        return FALSE;
    menu->MeasureItem(item);
    return TRUE;
}

void AfxTermThreadMenus()
{
    MenuStates().Free();
}
