// CHistoryList: rows, their records, deletion and the user's commands. Drawing a row is in
// HistoryListPaint.cpp.
#include "windows/history/HistoryList.h"

#include "framework/WndMessages.h"
#include "resources/ProgramIds.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/TreeList.h"
#include "windows/history/HistoryTable.h"
#include "windows/main/MainFrame.h"
#include "windows/main/PopupMenus.h"

BEGIN_MESSAGE_MAP(CHistoryList, Vexel::CTreeListCtrl)
    ON_NOTIFY(NM_RCLICK, Vexel::CTreeListCtrl::kTreeId, &CHistoryList::OnRClick)
    ON_NOTIFY(NM_DBLCLK, Vexel::CTreeListCtrl::kTreeId, &CHistoryList::IgnoreNotify)
    ON_NOTIFY(TVN_DELETEITEMW, Vexel::CTreeListCtrl::kTreeId, &CHistoryList::OnDeleteItem)
    ON_MESSAGE(Vexel::WM_VXL_CHILDMOUSE, &CHistoryList::OnSkinMessage46D)
    ON_MESSAGE(Vexel::WM_VXL_DRAWCHILDITEM, &CHistoryList::OnDrawRow)
    ON_COMMAND(ID_HISTORY_CALL, &CHistoryList::OnCall)
    ON_COMMAND(ID_CONTACT_ADD, &CHistoryList::OnAddContact)
    ON_COMMAND(ID_HISTORY_DELETE, &CHistoryList::OnDelete)
    ON_COMMAND(ID_HISTORY_DELETEALL, &CHistoryList::OnDeleteAllCalls)
END_MESSAGE_MAP()

CHistoryList::CHistoryList()
{
    m_rowFont.CreateFont(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                         DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Tahoma");
}

CHistoryList::~CHistoryList()
{
    if (::IsWindow(m_hWnd))
        DeleteAll(false);
}

namespace {

// A row: empty text (the list draws it), the record as its data.
TVINSERTSTRUCTW RowInsert(const HistoryItem* record, bool onTop)
{
    TVINSERTSTRUCTW insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = onTop ? TVI_FIRST : TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<LPWSTR>(L"");
    insert.item.lParam = reinterpret_cast<LPARAM>(record);
    return insert;
}

} // namespace

HTREEITEM CHistoryList::AddRow(std::unique_ptr<HistoryItem> record, bool onTop)
{
    if (!record || !::IsWindow(m_hWnd))
        return nullptr;
    TVINSERTSTRUCTW insert = RowInsert(record.get(), onTop);
    const HTREEITEM item = GetTreeList()->InsertItem(&insert);
    if (item)
        record.release();   // the row's now: freed when the row goes (OnDeleteItem)
    return item;
}

size_t CHistoryList::AddRows(std::vector<std::unique_ptr<HistoryItem>> records)
{
    if (records.empty() || !::IsWindow(m_hWnd))
        return 0;
    std::vector<TVINSERTSTRUCTW> inserts;
    inserts.reserve(records.size());
    for (const std::unique_ptr<HistoryItem>& record : records)
        inserts.push_back(RowInsert(record.get(), false));
    std::vector<HTREEITEM> items(records.size());
    BeginBatch();
    const size_t added = GetTreeList()->InsertItems(inserts.data(), inserts.size(), items.data());
    EndBatch();
    for (size_t i = 0; i < records.size(); ++i) {
        if (items[i])
            records[i].release();   // the row's now, as in AddRow
    }
    return added;
}

const HistoryItem* CHistoryList::GetRecord(HTREEITEM item)
{
    if (!item || !::IsWindow(m_hWnd))
        return nullptr;
    return reinterpret_cast<const HistoryItem*>(GetTreeList()->GetItemData(item));
}

const HistoryItem* CHistoryList::SelectedRecord()
{
    return ::IsWindow(m_hWnd) ? GetRecord(GetTreeList()->GetSelectedItem()) : nullptr;
}

HTREEITEM CHistoryList::ItemAt(POINT treePoint)
{
    return GetTreeList()->HitTest(treePoint);
}

std::vector<std::string> CHistoryList::ListedKeys()
{
    std::vector<std::string> keys;
    Vexel::CTreeList& tree = *GetTreeList();
    keys.reserve(tree.GetCount());
    for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextSiblingItem(item)) {
        if (const HistoryItem* record = GetRecord(item))
            keys.push_back(record->key);
    }
    return keys;
}

bool CHistoryList::DeleteAll(bool alsoFromDatabase)
{
    if (!::IsWindow(m_hWnd))
        return false;
    if (alsoFromDatabase && !DeleteHistoryRows(ListedKeys()))
        return false;
    GetTreeList()->DeleteAllItems();
    return true;
}

bool CHistoryList::DeleteSelected()
{
    if (!::IsWindow(m_hWnd))
        return false;
    Vexel::CTreeList& tree = *GetTreeList();
    const HTREEITEM item = tree.GetSelectedItem();
    const HistoryItem* const record = GetRecord(item);
    if (!record || !DeleteHistory(record->key))
        return false;
    tree.DeleteItem(item);
    return true;
}

bool CHistoryList::DeleteHistory(const std::string& key)
{
    return DeleteHistoryRows({key});
}

void CHistoryList::BeginBatch()
{
    if (m_batchDepth++ == 0 && ::IsWindow(m_hWnd))
        GetTreeList()->SendMessage(WM_SETREDRAW, FALSE);
}

void CHistoryList::EndBatch()
{
    if (m_batchDepth == 0 || --m_batchDepth != 0 || !::IsWindow(m_hWnd))
        return;
    Vexel::CTreeList& tree = *GetTreeList();
    tree.SendMessage(WM_SETREDRAW, TRUE);
    UpdateScrollBar();
    tree.Invalidate(TRUE);
}

// --- notifications and mouse

void CHistoryList::OnRClick(NMHDR*, LRESULT* result)
{
    *result = 0;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    POINT inTree = cursor;
    Vexel::CTreeList& tree = *GetTreeList();
    tree.ScreenToClient(&inTree);
    const HTREEITEM item = ItemAt(inTree);
    if (!item)
        return;
    tree.SelectItem(item);
    ShowPopupMenu(IDM_HISTORY, cursor.x, cursor.y, this);
}

void CHistoryList::IgnoreNotify(NMHDR*, LRESULT* result)
{
    *result = 0;
}

void CHistoryList::OnDeleteItem(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const auto& notice = *reinterpret_cast<const NMTREEVIEWW*>(header);
    delete reinterpret_cast<HistoryItem*>(notice.itemOld.lParam);
}

// The tree part's mouse messages, before it handles them: a double click on a row calls
// its number back. The tree still handles the message as it would.
LRESULT CHistoryList::OnSkinMessage46D(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) != WM_LBUTTONDBLCLK)
        return 0;
    const HTREEITEM item = ItemAt(afxmap::PointOf(lParam));
    if (!item)
        return 0;
    GetTreeList()->SelectItem(item);
    OnCall();
    return 0;
}

// --- commands

void CHistoryList::OnCall()
{
    const HistoryItem* const record = SelectedRecord();
    if (record && g_pMainFrame)
        g_pMainFrame->MakeCall(record->number);
}

void CHistoryList::OnAddContact()
{
    const HistoryItem* const record = SelectedRecord();
    if (record && g_pMainFrame)
        g_pMainFrame->AddContact(record->number);
}

void CHistoryList::OnDelete()
{
    DeleteSelected();
}

void CHistoryList::OnDeleteAllCalls()
{
    DeleteAll(true);
}
