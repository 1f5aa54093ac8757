#include "windows/main/PopupMenus.h"

#include "framework/Wnd.h"
#include "skin/ui/controls/SkinMenu.h"
#include "windows/main/LocalizeMenu.h"

namespace {

BOOL SystemTrack(CMenu* popup, UINT, int x, int y, CWnd* owner)
{
    if (auto* skinned = dynamic_cast<Vexel::CSkinMenu*>(popup))
        return skinned->TrackPopupMenu(0, x, y, owner, nullptr);
    return popup->TrackPopupMenu(0, x, y, owner, nullptr);
}

PopupMenuTracker g_tracker = &SystemTrack;

} // namespace

PopupMenuTracker SetPopupMenuTracker(PopupMenuTracker tracker)
{
    const PopupMenuTracker previous = g_tracker;
    g_tracker = tracker ? tracker : &SystemTrack;
    return previous;
}

BOOL ShowPopupMenu(UINT menuId, int x, int y, CWnd* owner)
{
    Vexel::CSkinMenu menu;
    menu.ApplyStyle(L"IDR_MENU_DEFAULT");
    if (!menu.LoadMenu(menuId))
        return FALSE;
    CMenu* const popup = menu.GetSubMenu(0);
    if (!popup)
        return FALSE;
    LocalizeMenu(popup, menuId);
    return g_tracker(popup, menuId, x, y, owner);
}
