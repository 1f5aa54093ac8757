#include "windows/history/HistoryTable.h"

#include "core/SqlText.h"
#include "core/TavikSQL.h"
#include "core/TavikUtility.h"

#include <cstdlib>

namespace {

std::string DeleteStatement(const std::string& key)
{
    std::string sql = "delete from History where History = ";
    AppendSqlLiteral(sql, key);
    return sql;
}

struct ReadContext {
    HistoryRowVisitor visit;
    void* argument;
};

// SQLite calls this from C: nothing may be thrown through it.
int OnHistoryRow(void* argument, int columns, char** values, char** names)
{
    const auto& context = *static_cast<const ReadContext*>(argument);
    HistoryRow row;
    row.history = "";
    row.number = "";
    for (int c = 0; c < columns; ++c) {
        if (!values[c] || !names[c])
            continue;
        if (TavikUtility::CompareNoCase(names[c], "History") == 0)
            row.history = values[c];
        else if (TavikUtility::CompareNoCase(names[c], "Number") == 0)
            row.number = values[c];
        else if (TavikUtility::CompareNoCase(names[c], "CallType") == 0)
            row.callType = std::atoi(values[c]);
    }
    try {
        return context.visit(context.argument, row) ? 0 : 1;
    } catch (...) {
        return 1;   // out of memory: stop, the statement reports the failure
    }
}

} // namespace

bool InsertHistoryRow(const std::string& history, const std::string& number, int callType)
{
    std::string sql = "insert into History(History, Number, CallType) values(";
    AppendSqlLiteral(sql, history);
    sql += ", ";
    AppendSqlLiteral(sql, number);
    sql += ", " + std::to_string(callType) + ")";
    return g_database.Exec(sql);
}

bool DeleteHistoryRows(const std::vector<std::string>& keys)
{
    if (keys.empty())
        return true;
    if (keys.size() == 1)
        return g_database.Exec(DeleteStatement(keys.front()));
    if (!g_database.Exec("begin transaction"))
        return false;
    for (const std::string& key : keys) {
        if (!g_database.Exec(DeleteStatement(key))) {
            g_database.Exec("rollback transaction");
            return false;
        }
    }
    if (!g_database.Exec("commit transaction")) {
        g_database.Exec("rollback transaction");
        return false;
    }
    return true;
}

bool ReadHistoryRows(HistoryRowVisitor visit, void* argument)
{
    ReadContext context{visit, argument};
    // Row ids grow with every insert, so this is the order in which the rows were stored,
    // newest first: the order the list shows them in.
    return g_database.Exec("select History, Number, CallType from History order by rowid desc", &OnHistoryRow,
                           &context);
}
