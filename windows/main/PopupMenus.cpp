#include "windows/main/PopupMenus.h"

#include "framework/SystemAnswers.h"
#include "framework/Wnd.h"
#include "skin/ui/controls/SkinMenu.h"
#include "windows/main/LocalizeMenu.h"

#include <optional>

namespace {

BOOL Track(CMenu* popup, int x, int y, CWnd* owner)
{
    if (auto* skinned = dynamic_cast<Vexel::CSkinMenu*>(popup))
        return skinned->TrackPopupMenu(0, x, y, owner, nullptr);
    return popup->TrackPopupMenu(0, x, y, owner, nullptr);
}

} // namespace

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
    if (const std::optional<BOOL> answer = GetSystemAnswers().AnswerPopupMenu(popup, menuId, x, y, owner))
        return *answer;
    return Track(popup, x, y, owner);
}
