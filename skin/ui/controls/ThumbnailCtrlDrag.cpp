// CThumbnailCtrl: reordering the selected items by OLE drag and drop inside the view.
#include "skin/ui/controls/ThumbnailCtrl.h"

#include "framework/GlobalMemory.h"
#include "framework/OleDataSource.h"
#include "framework/WndDC.h"
#include "skin/ui/controls/ThumbnailCtrlPrivate.h"

#include <cwchar>
#include <vector>

namespace Vexel {
namespace {

constexpr wchar_t kDragText[] = L"DragItem";
constexpr COLORREF kInsertionBar = 0x2D2D91;

const COleDropInfo* InfoOf(LPARAM lParam)
{
    return reinterpret_cast<const COleDropInfo*>(lParam);
}

// Whether the block holds exactly the drag text, read no further than the block reaches.
bool HoldsDragText(HGLOBAL block)
{
    const CGlobalLock lock(block);
    const auto* const text = static_cast<const wchar_t*>(lock.Data());
    if (!text)
        return false;
    const size_t room = lock.Size() / sizeof(wchar_t);
    const size_t length = std::wcslen(kDragText);
    return room > length && std::wmemcmp(text, kDragText, length) == 0 && text[length] == L'\0';
}

// The item store's comparison during a move: by each item's place after the move.
int CALLBACK CompareForMove(LPARAM first, LPARAM second, LPARAM ranks)
{
    const auto& rank = *reinterpret_cast<const std::vector<int>*>(ranks);
    const auto* const a = reinterpret_cast<const THUMBNAILITEM*>(first);
    const auto* const b = reinterpret_cast<const THUMBNAILITEM*>(second);
    const auto place = [&rank](const THUMBNAILITEM* item) {
        return item && item->index >= 0 && static_cast<size_t>(item->index) < rank.size()
                   ? rank[static_cast<size_t>(item->index)]
                   : 0;
    };
    return place(a) - place(b);
}

} // namespace

void CThumbnailCtrl::BeginDrag()
{
    ThumbnailCtrlPrivate& p = *m_private;
    p.dragFormat = static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(kDragText));
    CGlobalMemory block;
    if (!block.Allocate(sizeof kDragText, kDragText))
        return;
    COleDataSource source;
    source.CacheGlobalData(p.dragFormat, block.Detach());
    source.DoDragDrop(DROPEFFECT_COPY);
    // The drag loop took the button's release: the press is over.
    p.tracking = false;
    p.dragDetected = false;
}

bool CThumbnailCtrl::OffersDragFormat(LPARAM lParam) const
{
    const COleDropInfo* const info = InfoOf(lParam);
    const CLIPFORMAT format = m_private->dragFormat;
    return info && info->m_dataObject && format && info->m_dataObject->IsDataAvailable(format);
}

LRESULT CThumbnailCtrl::OnDragOver(LPARAM lParam)
{
    if (!OffersDragFormat(lParam))
        return 0;
    ThumbnailCtrlPrivate& p = *m_private;
    const ThumbnailGrid grid = Grid();
    const int target = ThumbnailInsertIndex(grid, InfoOf(lParam)->m_point);
    if (target != p.dropMarkerIndex) {
        InvalidateRect(&p.dropMarker, TRUE);
        p.dropMarker = ThumbnailInsertionBar(grid, target);
        p.dropMarkerIndex = target;
    }
    CClientDC dc(this);
    dc.FillSolidRect(&p.dropMarker, kInsertionBar);
    return DROPEFFECT_COPY;
}

LRESULT CThumbnailCtrl::OnDragLeave()
{
    ThumbnailCtrlPrivate& p = *m_private;
    InvalidateRect(&p.dropMarker, TRUE);
    p.dropMarkerIndex = -2;
    return 0;
}

LRESULT CThumbnailCtrl::OnDrop(LPARAM lParam)
{
    if (!OffersDragFormat(lParam))
        return 0;
    ThumbnailCtrlPrivate& p = *m_private;
    const COleDropInfo& info = *InfoOf(lParam);
    CGlobalMemory block(info.m_dataObject->GetGlobalData(p.dragFormat));
    InvalidateRect(&p.dropMarker, TRUE);
    p.dropMarkerIndex = -2;
    if (HoldsDragText(block.Get()) && GetSelectedCount() > 0)
        MoveSelectedItems(GetInsertIndex(info.m_point));
    return 1;
}

void CThumbnailCtrl::MoveSelectedItems(int target)
{
    ThumbnailCtrlPrivate& p = *m_private;
    const int count = GetItemCount();
    std::vector<int> selected;
    for (int position = GetFirstSelectedItemPosition(); position != 0;)
        selected.push_back(GetNextSelectedItem(position));
    for (int i = 0; i < count; ++i) {
        if (THUMBNAILITEM* const record = RecordOf(i))
            record->index = i;
    }
    const std::vector<int> ranks = ThumbnailMoveRanks(count, selected, target);
    p.store.SortItems(&CompareForMove, reinterpret_cast<DWORD_PTR>(&ranks));
    Invalidate(TRUE);
    NMLISTVIEW moved{};
    NotifyParent(moved.hdr, THMN_ITEMSMOVED);
}

} // namespace Vexel
