#include "skin/ui/controls/TreeViewDrawing.h"

#include "skin/ui/SkinMessages.h"

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

DRAWITEMSTRUCT TreeRowOffer(const CTreeCtrl& tree, CDC* dc, HTREEITEM item, const RECT& row)
{
    DRAWITEMSTRUCT offer{};
    offer.CtlType = VXL_ODT_TREE;
    offer.CtlID = static_cast<UINT>(tree.GetDlgCtrlID());
    offer.itemID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(item));
    offer.hwndItem = tree.GetSafeHwnd();
    offer.hDC = dc ? dc->GetSafeHdc() : nullptr;
    offer.rcItem = row;
    offer.itemData = tree.GetItemData(item);
    return offer;
}

HTREEITEM TreeRowItem(const DRAWITEMSTRUCT& offer)
{
    TVHITTESTINFO hit{};
    hit.pt.x = offer.rcItem.left;
    hit.pt.y = offer.rcItem.top + (offer.rcItem.bottom - offer.rcItem.top) / 2;
    return reinterpret_cast<HTREEITEM>(::SendMessageW(offer.hwndItem, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

} // namespace Vexel
