// CThumbnailCtrl: the items, their records and states, and what the item store reports.
#include "skin/ui/controls/ThumbnailCtrl.h"

#include "skin/ui/BitmapFiles.h"
#include "skin/ui/controls/ThumbnailCtrlPrivate.h"

namespace Vexel {

// --- Items ---------------------------------------------------------------------------

int CThumbnailCtrl::InsertItem(int index, LPCWSTR label)
{
    if (!m_private->store.GetSafeHwnd())
        return -1;
    const int inserted = m_private->store.InsertItem(index, label ? label : L"");
    if (inserted >= 0)
        Refresh();
    return inserted;
}

BOOL CThumbnailCtrl::DeleteItem(int index)
{
    if (!m_private->store.GetSafeHwnd() || !m_private->store.DeleteItem(index))
        return FALSE;
    Refresh();   // the store reports a deletion while it still counts the item
    return TRUE;
}

BOOL CThumbnailCtrl::DeleteAllItems()
{
    if (!m_private->store.GetSafeHwnd() || !m_private->store.DeleteAllItems())
        return FALSE;
    Refresh();
    return TRUE;
}

int CThumbnailCtrl::GetItemCount() const
{
    const CListCtrl& store = m_private->store;
    return store.GetSafeHwnd() ? store.GetItemCount() : 0;
}

CString CThumbnailCtrl::GetItemText(int index) const
{
    const CListCtrl& store = m_private->store;
    return store.GetSafeHwnd() ? store.GetItemText(index, 0) : CString();
}

BOOL CThumbnailCtrl::SetItemText(int index, LPCWSTR label)
{
    if (!m_private->store.GetSafeHwnd() || !m_private->store.SetItemText(index, 0, label ? label : L""))
        return FALSE;
    Invalidate(FALSE);
    return TRUE;
}

THUMBNAILITEM* CThumbnailCtrl::RecordOf(int index) const
{
    const ThumbnailCtrlPrivate& p = *m_private;
    if (!p.store.GetSafeHwnd() || index < 0 || index >= p.store.GetItemCount())
        return nullptr;
    // Only what the view made itself counts: an owner may have put anything into the data.
    const auto* const data = reinterpret_cast<const THUMBNAILITEM*>(p.store.GetItemData(index));
    const auto found = p.records.find(data);
    return found != p.records.end() ? found->second.get() : nullptr;
}

BOOL CThumbnailCtrl::SetItemThumbnail(int index, HBITMAP thumbnail)
{
    THUMBNAILITEM* const record = RecordOf(index);
    if (!record) {
        DeleteBitmapHandle(thumbnail);   // taken over either way
        return FALSE;
    }
    HandBitmap(record->thumbnail, thumbnail);
    Invalidate(FALSE);
    return TRUE;
}

BOOL CThumbnailCtrl::SetItemData(int index, DWORD_PTR data)
{
    THUMBNAILITEM* const record = RecordOf(index);
    if (!record)
        return FALSE;
    record->userData = data;
    return TRUE;
}

DWORD_PTR CThumbnailCtrl::GetItemData(int index) const
{
    const THUMBNAILITEM* const record = RecordOf(index);
    return record ? record->userData : 0;
}

BOOL CThumbnailCtrl::SetItemToolTip(int index, LPCWSTR text)
{
    THUMBNAILITEM* const record = RecordOf(index);
    if (!record)
        return FALSE;
    record->toolTip = text ? text : L"";
    return TRUE;
}

CString CThumbnailCtrl::GetItemToolTip(int index) const
{
    const THUMBNAILITEM* const record = RecordOf(index);
    return record ? record->toolTip : CString();
}

UINT CThumbnailCtrl::GetItemState(int index, UINT mask) const
{
    const CListCtrl& store = m_private->store;
    return store.GetSafeHwnd() ? store.GetItemState(index, mask) : 0;
}

BOOL CThumbnailCtrl::SetItemState(int index, UINT state, UINT mask)
{
    CListCtrl& store = m_private->store;
    if (!store.GetSafeHwnd() || !store.SetItemState(index, state, mask))
        return FALSE;
    Invalidate(FALSE);
    return TRUE;
}

// --- Selection and focus ---------------------------------------------------------------

UINT CThumbnailCtrl::GetSelectedCount() const
{
    const CListCtrl& store = m_private->store;
    return store.GetSafeHwnd() ? store.GetSelectedCount() : 0;
}

int CThumbnailCtrl::GetFirstSelectedItemPosition() const
{
    const CListCtrl& store = m_private->store;
    return store.GetSafeHwnd() ? store.GetNextItem(-1, LVNI_SELECTED) + 1 : 0;
}

int CThumbnailCtrl::GetNextSelectedItem(int& position) const
{
    const int index = position - 1;
    const int next = m_private->store.GetNextItem(index, LVNI_SELECTED);
    position = next + 1;
    return index;
}

int CThumbnailCtrl::GetFocusedItem() const
{
    const CListCtrl& store = m_private->store;
    return store.GetSafeHwnd() ? store.GetNextItem(-1, LVNI_FOCUSED) : -1;
}

BOOL CThumbnailCtrl::SetFocusedItem(int index)
{
    CListCtrl& store = m_private->store;
    if (!store.GetSafeHwnd())
        return FALSE;
    if (index < 0) {
        const int focused = GetFocusedItem();
        return focused < 0 || store.SetItemState(focused, 0, LVIS_FOCUSED);
    }
    return store.SetItemState(index, LVIS_FOCUSED, LVIS_FOCUSED);
}

void CThumbnailCtrl::DeselectAll()
{
    if (m_private->store.GetSafeHwnd())
        m_private->store.SetItemState(-1, 0, LVIS_SELECTED);
}

int CThumbnailCtrl::GetHotItem() const
{
    return m_private->hot;
}

bool CThumbnailCtrl::IsSelected(int index) const
{
    return (GetItemState(index, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void CThumbnailCtrl::SelectOnly(int index)
{
    DeselectAll();
    m_private->store.SetItemState(index, LVIS_SELECTED, LVIS_SELECTED);
}

void CThumbnailCtrl::SelectRange(int from, int to)
{
    const int low = from < to ? from : to;
    const int high = from < to ? to : from;
    DeselectAll();
    for (int i = low; i <= high; ++i)
        m_private->store.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
}

// --- The item store's notifications -------------------------------------------------------

LRESULT CThumbnailCtrl::NotifyParent(NMHDR& header, int code) const
{
    header.hwndFrom = m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd));
    header.code = static_cast<UINT>(code);
    const HWND parent = ::GetParent(m_hWnd);
    return parent ? ::SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header)) : 0;
}

bool CThumbnailCtrl::OnStoreNotify(NMHDR& header, LRESULT& result)
{
    ThumbnailCtrlPrivate& p = *m_private;
    const UINT code = header.code;
    switch (code) {
    case LVN_INSERTITEM: {
        NMLISTVIEW copy = *reinterpret_cast<const NMLISTVIEW*>(&header);
        auto record = std::make_unique<THUMBNAILITEM>();
        const THUMBNAILITEM* const key = record.get();
        p.records.emplace(key, std::move(record));
        p.settingRecord = true;
        p.store.SetItemData(copy.iItem, reinterpret_cast<DWORD_PTR>(key));
        p.settingRecord = false;
        Refresh();
        result = NotifyParent(copy.hdr, static_cast<int>(code));
        return true;
    }
    case LVN_DELETEITEM: {
        NMLISTVIEW copy = *reinterpret_cast<const NMLISTVIEW*>(&header);
        result = NotifyParent(copy.hdr, static_cast<int>(code));
        // The parent may still have looked at the record; it goes now, with its item.
        p.records.erase(reinterpret_cast<const THUMBNAILITEM*>(copy.lParam));
        UpdateScrollBar();
        Invalidate(TRUE);
        return true;
    }
    case LVN_DELETEALLITEMS: {
        NMLISTVIEW copy = *reinterpret_cast<const NMLISTVIEW*>(&header);
        p.anchor = -1;
        p.hot = -1;
        Refresh();
        NotifyParent(copy.hdr, static_cast<int>(code));
        result = FALSE;   // each item is still reported, so each record is freed
        return true;
    }
    case LVN_ITEMCHANGING:
    case LVN_ITEMCHANGED: {
        if (p.settingRecord) {
            result = 0;
            return true;
        }
        NMLISTVIEW copy = *reinterpret_cast<const NMLISTVIEW*>(&header);
        result = NotifyParent(copy.hdr, static_cast<int>(code));
        return true;
    }
    case LVN_ITEMACTIVATE: {
        NMITEMACTIVATE copy = *reinterpret_cast<const NMITEMACTIVATE*>(&header);
        result = NotifyParent(copy.hdr, static_cast<int>(code));
        return true;
    }
    case LVN_KEYDOWN: {
        NMLVKEYDOWN copy = *reinterpret_cast<const NMLVKEYDOWN*>(&header);
        result = NotifyParent(copy.hdr, static_cast<int>(code));
        return true;
    }
    default:
        return false;
    }
}

} // namespace Vexel
