#pragma once
// What a CTreeListCtrl holds; shared by its files, seen by nothing else.
#include "skin/ui/controls/ScrollBarEx.h"
#include "skin/ui/controls/SkinHeaderCtrl.h"
#include "skin/ui/controls/TreeList.h"
#include "skin/ui/controls/TreeListCtrl.h"

namespace Vexel {

struct TreeListCtrlPrivate {
    CTreeList tree;
    CSkinHeaderCtrl header;
    CScrollBarEx vScroll;
    BOOL ownScrollBar = FALSE;
    int scrollBarWidth = CTreeListCtrl::kDefaultScrollBarWidth;
    int headerHeight = 0;
    SIZE clip{-1, -1};       // the window region the tree part has (its size); cx -1: none
};

} // namespace Vexel
