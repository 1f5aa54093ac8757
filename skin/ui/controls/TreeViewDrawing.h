#pragma once
// What the skinned trees (CSkinTreeCtrl, the tree list's CTreeList) share in drawing a
// tree view's rows themselves.
#include "framework/TreeCtrl.h"

namespace Vexel {

// The colours the tree view draws its text and background with. It answers CLR_NONE for
// "the system colour"; these answer the colour that stands for.
COLORREF TreeTextColor(const CTreeCtrl& tree);
COLORREF TreeBackColor(const CTreeCtrl& tree);

// The record with which a tree offers one row to its parent to draw (WM_VXL_DRAWCHILDITEM,
// WM_VXL_DRAWCHILDITEMBK): CtlType VXL_ODT_TREE, the tree's id and window, `dc`, the row's
// full rectangle `row` and the item's data. Only the low half of the item's handle fits in
// itemID on 64-bit systems: TreeRowItem finds the item.
DRAWITEMSTRUCT TreeRowOffer(const CTreeCtrl& tree, CDC* dc, HTREEITEM item, const RECT& row);
// The item of such a record: the one its row rectangle holds.
HTREEITEM TreeRowItem(const DRAWITEMSTRUCT& offer);

} // namespace Vexel
