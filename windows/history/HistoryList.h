#pragma once
// CHistoryList: the history page's list, a tree list used as a flat list of root items, one
// per finished call, each drawn by this class from its HistoryItem: the call type's image,
// the number on the first line, the history text below it. A right click on a row offers
// call back, add as contact, delete and delete all (menu IDM_HISTORY); a double click calls
// back. Every row owns its record, which goes with the row however the row goes.
//
// Deleting from table History comes first: a row leaves the list only once its stored row
// is gone, so the list never shows what the table has lost, nor loses what it still holds.
#include "framework/Gdi.h"
#include "skin/ui/controls/TreeListCtrl.h"
#include "windows/history/HistoryItem.h"

#include <memory>
#include <string>
#include <vector>

class CHistoryWnd;

class CHistoryList : public Vexel::CTreeListCtrl {
public:
    CHistoryList();
    // Empties the list first, while this class can still free the rows' records.
    ~CHistoryList() override;

    // A row for `record`, on top of the list or after its last row; the row takes the
    // record over. Null when the tree refused the item (the record is freed).
    HTREEITEM AddRow(std::unique_ptr<HistoryItem> record, bool onTop);
    // Rows for `records` after the last row, in their order, in one pass with drawing held;
    // each row takes its record over (a record the tree refused is freed). The rows made.
    size_t AddRows(std::vector<std::unique_ptr<HistoryItem>> records);
    // The record of a row; null for a null item or an item without one.
    const HistoryItem* GetRecord(HTREEITEM item);

    // Every row; with `alsoFromDatabase` their rows in table History too, and then nothing
    // changes when that delete is refused (false).
    bool DeleteAll(bool alsoFromDatabase);
    // The selected row and its stored row; false without a selection or when the delete is
    // refused (the row stays).
    bool DeleteSelected();
    // The stored row of `key`; false when refused.
    static bool DeleteHistory(const std::string& key);

    // Many rows added at once: the tree and its scroll bar are brought up to date once,
    // when the batch ends, instead of after every row. Nests.
    void BeginBatch();
    void EndBatch();

    void SetHistoryPage(CHistoryWnd* page) { m_historyPage = page; }

    // A selected row's background.
    COLORREF m_selectedBkColor = RGB(0xE3, 0xFF, 0xFF);

protected:
    void OnRClick(NMHDR* header, LRESULT* result);
    void IgnoreNotify(NMHDR* header, LRESULT* result);
    void OnDeleteItem(NMHDR* header, LRESULT* result);
    LRESULT OnSkinMessage46D(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawRow(WPARAM wParam, LPARAM lParam);
    void OnCall();
    void OnAddContact();
    void OnDelete();
    void OnDeleteAllCalls();
    DECLARE_MESSAGE_MAP()

private:
    const HistoryItem* SelectedRecord();
    HTREEITEM ItemAt(POINT treePoint);
    std::vector<std::string> ListedKeys();

    CFont m_rowFont;                          // both lines of every row; owned
    CHistoryWnd* m_historyPage = nullptr;     // not owned
    int m_batchDepth = 0;
};
