// CTreeList: painting. Every paint composes the background and the visible rows in one
// client-sized bitmap and copies it once, so the tree view's own painting never shows.
#include "skin/ui/controls/TreeList.h"

#include "framework/WndDC.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/controls/SkinHeaderCtrl.h"
#include "skin/ui/controls/TreeViewDrawing.h"

namespace Vexel {
namespace {

constexpr int kColumnTextInset = 5;   // columns after the first start this far into their item
constexpr UINT kColumnTextFormat = DT_SINGLELINE | DT_VCENTER;

} // namespace

void CTreeList::Paint()
{
    CPaintDC paint(this);
    RECT client;
    GetClientRect(&client);
    const SIZE size{client.right, client.bottom};
    const HBITMAP canvas = m_canvas.Get(paint, size);
    if (!canvas)
        return;
    BitmapDC memory(paint, canvas);
    DrawBackground(memory, client);
    memory.SetTextColor(TreeTextColor(*this));
    // Rows are drawn in the tree's own font, as the tree view would.
    HGDIOBJ previousFont = nullptr;
    if (const HFONT font = GetFont())
        previousFont = memory.SelectObject(font);
    const UINT count = GetVisibleCount();
    HTREEITEM item = GetFirstVisibleItem();
    // One more than fit: the last row may be partly visible.
    for (UINT drawn = 0; item && drawn <= count; ++drawn, item = GetNextVisibleItem(item))
        DrawItem(&memory, item);
    if (previousFont)
        memory.SelectObject(previousFont);
    paint.BitBlt(0, 0, size.cx, size.cy, &memory, 0, 0, SRCCOPY);
}

// The background images are the parts of the window's backgrounds under the whole tree
// list, so they are laid out at the tree list's size and the window's resize point, and
// the tree part shows its share of them.
void CTreeList::DrawBackground(CDC& dc, const RECT& client)
{
    const HBITMAP image = IsWindowEnabled() ? m_backgroundNormal : m_backgroundDisabled;
    if (!m_backgroundNormal.GetSafeHandle() || !image) {
        dc.FillSolidRect(&client, TreeBackColor(*this));
        return;
    }
    const HWND treeList = ::GetParent(m_hWnd);
    const HWND window = ::GetParent(treeList);
    const CRect part = RectInParent(m_hWnd, treeList);
    const CRect list = RectInParent(treeList, window);
    RECT listClient{};
    ::GetClientRect(treeList, &listClient);
    const POINT resizePoint = ControlResizePoint(m_hWnd, window, list, TRUE, 0, 0);
    DrawResizedBitmap(dc, -part.left, -part.top, listClient.right, listClient.bottom, image, 1, resizePoint.x,
                      resizePoint.y);
}

int CTreeList::DrawItem(CDC* dc, HTREEITEM item)
{
    RECT row{};
    if (!dc || !item || !GetItemRect(item, &row, FALSE))
        return 0;
    const DRAWITEMSTRUCT offer = TreeRowOffer(*this, dc, item, row);
    if (SendToTreeList(WM_VXL_DRAWCHILDITEM, offer.CtlID, reinterpret_cast<LPARAM>(&offer)))
        return 1;

    if (GetItemState(item, TVIS_SELECTED) & TVIS_SELECTED)
        dc->FillSolidRect(&row, m_selectedBkColor);
    dc->SetBkMode(TRANSPARENT);
    const int columns = ColumnCount();
    if (columns <= 0)
        return 0;
    RECT label{};
    GetItemRect(item, &label, TRUE);
    wchar_t text[kColumnTextCapacity];
    for (int column = 0; column < columns; ++column) {
        RECT area{};
        if (!m_headerCtrl->GetItemRect(column, &area))
            continue;
        area.left = column == 0 ? label.left : area.left + kColumnTextInset;
        area.top = row.top;
        area.bottom = row.bottom;
        ColumnTextInto(item, column, text, kColumnTextCapacity);
        if (text[0])
            dc->DrawText(text, -1, &area, kColumnTextFormat);
    }
    return 0;
}

} // namespace Vexel
