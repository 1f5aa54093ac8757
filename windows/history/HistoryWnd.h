#pragma once
// CHistoryWnd: the history page, the third of the main window's three pages: one row per
// finished call, newest first, each also kept in table History.
#include "skin/ui/UIWnd.h"

#include <string>

class CHistoryWnd : public Vexel::CUIWnd {
public:
    CHistoryWnd();
    ~CHistoryWnd() override;

    // A row for a finished call (call type 1..4), on top of the list and in table History.
    virtual void AddHistory(const std::string& history, const std::string& number, int callType);
    // Fills the list from table History.
    virtual void LoadHistory();
    // Empties the list; with `alsoFromDatabase` table History as well.
    virtual void DeleteAllItems(bool alsoFromDatabase);

protected:
    void SetWindowID() override;

    DECLARE_MESSAGE_MAP()
};
