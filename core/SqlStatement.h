#pragma once
// A prepared statement on a TavikSQL connection: prepared once, values bound to its "?",
// run as often as needed. For a statement run once, TavikSQL::Run and Query say it shorter.
#include "core/TavikSQL.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3_stmt;

class SqlStatement {
public:
    // Prepares one statement on `database` (reopening it when closed). When SQLite refuses
    // it, Ok() is false, every call fails and Error() says why.
    SqlStatement(TavikSQL& database, std::string_view sql);
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    bool Ok() const { return statement_ != nullptr; }

    // Starts the statement again with `values` bound to its "?" in order (earlier values
    // are cleared; "?" without a value are NULL). False when one cannot be bound.
    bool Bind(std::initializer_list<SqlValue> values) { return Bind(values.begin(), values.size()); }
    bool Bind(const std::vector<SqlValue>& values) { return Bind(values.data(), values.size()); }
    // Runs the bound statement to its end, rows passed over. True when SQLite says done.
    bool Run(std::string* error = nullptr);
    // Bind, then Run: *error (when given) says why either failed.
    bool Run(std::initializer_list<SqlValue> values, std::string* error = nullptr)
    {
        return Bind(values) ? Run(error) : Told(error);
    }
    bool Run(const std::vector<SqlValue>& values, std::string* error = nullptr)
    {
        return Bind(values) ? Run(error) : Told(error);
    }
    // The next row: true with a row to read; false at the end, or on a failure (Failed()).
    bool Next();
    bool Failed() const { return failed_; }
    // The current row after Next() answered true; null for NULL.
    int Columns() const;
    const char* Name(int column) const;
    const char* Text(int column) const;
    // Every remaining row into `table` / to `callback` in TavikSQL::Exec's form (a callback
    // answering non-zero stops the read, which then fails).
    bool Fetch(SqlTable& table, std::string* error = nullptr);
    bool Each(SqlRowCallback callback, void* argument, std::string* error = nullptr);

    // SQLite's primary result code of the last failure (SQLITE_OK when none) and its text.
    int ErrorCode() const { return errorCode_; }
    const std::string& Error() const { return error_; }

    // False, with Error() in *error when given: for a failure already recorded.
    bool Told(std::string* error) const
    {
        if (error)
            *error = error_;
        return false;
    }

private:
    bool Bind(const SqlValue* values, size_t count);
    // Records a failure (SQLite's message of the connection unless `message` is given) and
    // answers false.
    bool Fail(int code, std::string* error, const char* message);

    TavikSQL& database_;
    sqlite3_stmt* statement_ = nullptr;
    bool failed_ = false;
    int errorCode_ = 0;
    std::string error_;
};
