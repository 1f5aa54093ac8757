#include "windows/history/HistoryTable.h"

#include "core/SqlStatement.h"
#include "core/SqlTransaction.h"
#include "core/TavikSQL.h"
#include "core/TavikUtility.h"

#include <cstdlib>

namespace {

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
    return g_database.Run("insert into History(History, Number, CallType) values(?, ?, ?)",
                          {history, number, callType});
}

bool DeleteHistoryRows(const std::vector<std::string>& keys)
{
    if (keys.empty())
        return true;
    SqlTransaction transaction(g_database);
    SqlStatement remove(g_database, "delete from History where History = ?");
    if (!transaction.Began() || !remove.Ok())
        return false;
    for (const std::string& key : keys) {
        if (!remove.Run({key}))
            return false;
    }
    return transaction.Commit();
}

bool ReadHistoryRows(HistoryRowVisitor visit, void* argument)
{
    ReadContext context{visit, argument};
    // Row ids grow with every insert, so this is the order in which the rows were stored,
    // newest first: the order the list shows them in.
    return g_database.Exec("select History, Number, CallType from History order by rowid desc", &OnHistoryRow,
                           &context);
}
