#include "windows/history/HistoryWnd.h"

#include "core/SqlText.h"
#include "core/TavikSQL.h"
#include "resources/Resource.h"

#include <string>

// The list of rows is a class of its own; until the page holds it, a row goes to table
// History only and loading shows nothing.

BEGIN_MESSAGE_MAP(CHistoryWnd, Vexel::CUIWnd)
END_MESSAGE_MAP()

CHistoryWnd::CHistoryWnd() = default;

CHistoryWnd::~CHistoryWnd() = default;

void CHistoryWnd::SetWindowID()
{
    m_nWindowID = IDW_HISTORY;
}

void CHistoryWnd::AddHistory(const std::string& history, const std::string& number, int callType)
{
    std::string sql = "insert into History(History, Number, CallType) values(";
    AppendSqlLiteral(sql, history);
    sql += ", ";
    AppendSqlLiteral(sql, number);
    sql += ", " + std::to_string(callType) + ")";
    // A row whose text is stored already is refused by the key and changes nothing.
    g_database.Exec(sql);
}

void CHistoryWnd::LoadHistory()
{
}

void CHistoryWnd::DeleteAllItems(bool alsoFromDatabase)
{
    if (alsoFromDatabase)
        g_database.Exec("delete from History");
}
