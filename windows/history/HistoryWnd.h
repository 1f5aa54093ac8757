#pragma once
// CHistoryWnd: the history page, the third of the main window's three pages: one row per
// finished call, newest first, each also kept in table History. Its list (CHistoryList) lies
// over the skin's placeholder IDC_RECT_HISTORY; the page owns it and the images of the four
// call types, which all rows share.
//
// A row is shown only once table History holds it, and leaves the list only once the table
// has let it go, so the two never disagree while the user is signed in. Signing out empties
// the list alone; the next load shows the stored rows again.
#include "skin/ui/UIWnd.h"
#include "windows/history/CallTypeImages.h"

#include <memory>
#include <string>
#include <vector>

class CHistoryList;
struct HistoryItem;
struct HistoryRow;

class CHistoryWnd : public Vexel::CUIWnd {
public:
    CHistoryWnd();
    ~CHistoryWnd() override;

    // A row for a finished call (call type 1..4; ANSI texts) stored in table History, then
    // shown on top of the list. A row the table refuses (its history text is stored already,
    // or the database fails) is not shown. Before the page has its list, the row is only
    // stored.
    virtual void AddHistory(const std::string& history, const std::string& number, int callType);
    // Shows every row of table History, the last stored first, in place of what the list
    // showed.
    virtual void LoadHistory();
    // Empties the list; with `alsoFromDatabase` the listed rows leave table History as well
    // (and when the table refuses, nothing changes).
    virtual void DeleteAllItems(bool alsoFromDatabase);

    // The list; null before the page is created.
    CHistoryList* GetList() const { return m_list.get(); }

protected:
    void SetWindowID() override;
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    static constexpr UINT kListId = 1111;

    static bool HistoryRowCallback(void* load, const HistoryRow& row);
    // The record of a row for stored texts.
    std::unique_ptr<HistoryItem> MakeRecord(const std::string& history, const std::string& number,
                                            int callType) const;
    void SetListImages();

    CallTypeImages m_callTypeImages;       // before the list: its rows show these
    std::unique_ptr<CHistoryList> m_list;
};
