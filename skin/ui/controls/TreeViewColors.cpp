#include "skin/ui/controls/TreeViewColors.h"

namespace Vexel {

COLORREF TreeTextColor(const CTreeCtrl& tree)
{
    const COLORREF color = tree.GetTextColor();
    return color == CLR_NONE ? ::GetSysColor(COLOR_WINDOWTEXT) : color;
}

COLORREF TreeBackColor(const CTreeCtrl& tree)
{
    const COLORREF color = tree.GetBkColor();
    return color == CLR_NONE ? ::GetSysColor(COLOR_WINDOW) : color;
}

} // namespace Vexel
