#include "skin/ui/controls/SkinMenuItem.h"

namespace Vexel {

CSkinMenuItem::~CSkinMenuItem()
{
    if (icon)
        ::DestroyIcon(icon);
}

CSkinMenuText::CSkinMenuText(LPCWSTR itemText, UINT commandId, CSkinMenu* popup)
{
    text = itemText ? itemText : L"";
    id = commandId;
    subMenu = popup;
}

} // namespace Vexel
