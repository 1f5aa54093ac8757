// CHistoryList: drawing a row. The tree part offers every visible row; this class draws each
// one whole: background, the call type's image at the top left, the number and below it the
// history text, both in the list's one row font.
#include "windows/history/HistoryList.h"

#include "skin/ui/BitmapDrawing.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/TreeList.h"
#include "skin/ui/controls/TreeViewDrawing.h"

namespace {

constexpr COLORREF kRowBackground = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kNumberColor = RGB(0, 0, 0);
constexpr COLORREF kHistoryColor = RGB(152, 166, 175);
constexpr int kTextLeft = 40;       // right of the image
constexpr int kLineHeight = 14;

} // namespace

LRESULT CHistoryList::OnDrawRow(WPARAM, LPARAM lParam)
{
    const auto* const offer = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    // The header offers its items too: only the tree part's rows are ours.
    if (!offer || offer->CtlType != Vexel::VXL_ODT_TREE || !offer->hDC || !::IsWindow(m_hWnd))
        return 0;
    const HTREEITEM item = Vexel::TreeRowItem(*offer);
    const HistoryItem* const record = GetRecord(item);
    if (!record)
        return 0;
    const RECT& row = offer->rcItem;
    BorrowedDC dc(offer->hDC);

    // One pixel of the tree's white stays above and below, parting the rows.
    const bool selected = (GetTreeList()->GetItemState(item, TVIS_SELECTED) & TVIS_SELECTED) != 0;
    const RECT background{row.left, row.top + 1, row.right, row.bottom - 1};
    dc.FillSolidRect(&background, selected ? m_selectedBkColor : kRowBackground);

    SIZE image{};
    if (record->icon && Vexel::GetBitmapSize(record->icon, image) == 0)
        Vexel::DrawBitmap(dc, row.left, row.top, image.cx, image.cy, record->icon, 0, 0, SRCCOPY);

    const Vexel::SelectedObject font(dc, m_rowFont.GetSafeHandle());
    const int previousMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF previousColor = dc.SetTextColor(kNumberColor);
    RECT line{row.left + kTextLeft, row.top + 1, row.right, row.top + kLineHeight};
    dc.DrawText(record->number, &line, DT_SINGLELINE);
    dc.SetTextColor(kHistoryColor);
    line = RECT{row.left + kTextLeft, row.top + kLineHeight, row.right, row.top + 2 * kLineHeight};
    dc.DrawText(record->history, &line, DT_SINGLELINE | DT_VCENTER);
    dc.SetTextColor(previousColor);
    dc.SetBkMode(previousMode);
    return 1;
}
