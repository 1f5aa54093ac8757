#include "core/SqlStatement.h"

#include <sqlite3.h>

#include <climits>
#include <vector>

SqlStatement::SqlStatement(TavikSQL& database, std::string_view sql) : database_(database)
{
    if (sql.empty() || sql.size() > static_cast<size_t>(INT_MAX)) {
        Fail(SQLITE_MISUSE, nullptr, "no statement");
        return;
    }
    if (!database.EnsureOpen()) {
        Fail(SQLITE_CANTOPEN, nullptr, "the database is not open");
        return;
    }
    const int code = sqlite3_prepare_v2(database.connection_, sql.data(), static_cast<int>(sql.size()),
                                        &statement_, nullptr);
    if (code != SQLITE_OK || !statement_) {
        // Only white space or a comment prepares to no statement at all.
        sqlite3_finalize(statement_);
        statement_ = nullptr;
        Fail(code == SQLITE_OK ? SQLITE_MISUSE : code, nullptr, code == SQLITE_OK ? "no statement" : nullptr);
    }
}

SqlStatement::~SqlStatement()
{
    sqlite3_finalize(statement_);
}

bool SqlStatement::Fail(int code, std::string* error, const char* message)
{
    failed_ = true;
    errorCode_ = code & 0xff;
    if (message)
        error_ = message;
    else if (database_.connection_)
        error_ = sqlite3_errmsg(database_.connection_);
    else
        error_ = sqlite3_errstr(code);
    database_.NoteResult(code);
    if (error)
        *error = error_;
    return false;
}

bool SqlStatement::Bind(const SqlValue* values, size_t count)
{
    if (!statement_)
        return false;
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
    failed_ = false;
    for (size_t i = 0; i < count; ++i) {
        const SqlValue& value = values[i];
        const int index = static_cast<int>(i) + 1;
        int code = SQLITE_OK;
        switch (value.GetKind()) {
        case SqlValue::Kind::Null:
            code = sqlite3_bind_null(statement_, index);
            break;
        case SqlValue::Kind::Text:
            if (value.Text().size() > static_cast<size_t>(INT_MAX))
                code = SQLITE_TOOBIG;
            else
                code = sqlite3_bind_text(statement_, index, value.Text().data(), static_cast<int>(value.Text().size()),
                                         SQLITE_TRANSIENT);
            break;
        case SqlValue::Kind::Number:
            code = sqlite3_bind_int64(statement_, index, value.Number());
            break;
        }
        if (code != SQLITE_OK)
            return Fail(code, nullptr, nullptr);
    }
    return true;
}

bool SqlStatement::Run(std::string* error)
{
    while (Next()) {
    }
    if (failed_ && error)
        *error = error_;
    return !failed_;
}

bool SqlStatement::Next()
{
    if (!statement_ || failed_)
        return false;
    const int code = sqlite3_step(statement_);
    if (code == SQLITE_ROW)
        return true;
    if (code != SQLITE_DONE)
        Fail(code, nullptr, nullptr);
    return false;
}

int SqlStatement::Columns() const
{
    return statement_ ? sqlite3_column_count(statement_) : 0;
}

const char* SqlStatement::Name(int column) const
{
    return sqlite3_column_name(statement_, column);
}

const char* SqlStatement::Text(int column) const
{
    return reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
}

bool SqlStatement::Fetch(SqlTable& table, std::string* error)
{
    table.Reset();
    bool first = true;
    while (Next()) {
        const int columns = Columns();
        if (first) {
            table.Begin(columns);
            for (int c = 0; c < columns; ++c)
                table.Add(Name(c));
            first = false;
        }
        for (int c = 0; c < columns; ++c)
            table.Add(Text(c));
    }
    if (failed_) {
        table.Reset();
        if (error)
            *error = error_;
    }
    return !failed_;
}

bool SqlStatement::Each(SqlRowCallback callback, void* argument, std::string* error)
{
    std::vector<char*> values;
    std::vector<char*> names;
    while (Next()) {
        if (!callback)
            continue;
        const int columns = Columns();
        values.resize(static_cast<size_t>(columns));
        names.resize(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            values[c] = const_cast<char*>(Text(c));
            names[c] = const_cast<char*>(Name(c));
        }
        if (callback(argument, columns, values.data(), names.data()) != 0)
            return Fail(SQLITE_ABORT, error, sqlite3_errstr(SQLITE_ABORT));
    }
    if (failed_ && error)
        *error = error_;
    return !failed_;
}
