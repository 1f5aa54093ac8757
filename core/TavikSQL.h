#pragma once
// The program's one SQLite connection (and the short-lived ones of the contacts backup).
// Statements that carry a value bind it to a "?" (Run, Query, SqlStatement.h); no value is
// ever pasted into SQL text. A change of several statements runs in an SqlTransaction
// (SqlTransaction.h). Failures are told apart by SQLite's result codes, never by its text.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

// SQLite's row callback: (argument, column count, column values, column names) -> 0 to go on.
// NULL values arrive as null pointers. It must not let an exception escape: SQLite is C.
using SqlRowCallback = int (*)(void* argument, int columns, char** values, char** names);

// One value bound to a statement's next "?": text (its bytes as given, stored as SQLite
// text), a whole number, or NULL (a null `const char*`). It refers to the caller's text, so
// it lives only for the call it is passed to.
class SqlValue {
public:
    enum class Kind { Null, Text, Number };

    SqlValue(std::string_view text) : kind_(Kind::Text), text_(text) {}
    SqlValue(const std::string& text) : kind_(Kind::Text), text_(text) {}
    SqlValue(const char* text) : kind_(text ? Kind::Text : Kind::Null), text_(text ? text : "") {}
    SqlValue(int number) : kind_(Kind::Number), number_(number) {}
    SqlValue(std::int64_t number) : kind_(Kind::Number), number_(number) {}
    SqlValue(bool) = delete;   // say 0 or 1

    Kind GetKind() const { return kind_; }
    std::string_view Text() const { return text_; }
    std::int64_t Number() const { return number_; }

private:
    Kind kind_;
    std::string_view text_;
    std::int64_t number_ = 0;
};

// A result table (TavikSQL::GetTable, Query), owned, independent of the connection. SQLite's
// layout: the first Columns() cells are the column names, then the rows' values row by row;
// NULL is a null pointer. A result without rows has no columns either.
class SqlTable {
public:
    SqlTable() = default;
    SqlTable(SqlTable&& other) noexcept;
    SqlTable& operator=(SqlTable&& other) noexcept;
    SqlTable(const SqlTable&) = delete;
    SqlTable& operator=(const SqlTable&) = delete;

    int Rows() const { return rows_; }
    int Columns() const { return columns_; }
    // Column name c (0-based).
    const char* Name(int c) const { return Cell(c); }
    // Value of data row r (0-based), column c; null for NULL.
    const char* Value(int r, int c) const { return Cell((r + 1) * columns_ + c); }

    void Reset();
    // Copies a table SQLite handed out (sqlite3_get_table's layout) and frees it.
    void Adopt(char** cells, int rows, int columns);
    // Building a table cell by cell: the names first, then the values row by row. A row
    // counts once its last column is added.
    void Begin(int columns);
    void Add(const char* cell);

private:
    const char* Cell(int index) const { return nulls_[index] ? nullptr : cells_[index].c_str(); }

    std::vector<std::string> cells_;
    std::vector<bool> nulls_;
    int rows_ = 0;
    int columns_ = 0;
};

class TavikSQL {
public:
    TavikSQL() = default;
    virtual ~TavikSQL();
    TavikSQL(const TavikSQL&) = delete;
    TavikSQL& operator=(const TavikSQL&) = delete;

    // Closes any open file and opens (creating when missing) the file at the UTF-8 path.
    // An empty path changes nothing and gives false. The path is remembered on success only.
    bool Open(const std::string& utf8Path);
    // Opens an existing file for reading only: a missing file is not created (false), and no
    // statement through this connection can change the file. Otherwise as Open.
    bool OpenReadOnly(const std::string& utf8Path);
    // Opens the remembered path again, in the mode it was opened in; false when none was
    // remembered.
    bool Reopen();
    // Safe to call repeatedly.
    void Close();
    bool IsOpen() const { return connection_ != nullptr; }
    // Whether a transaction is open on the connection (never while closed).
    bool InTransaction() const;
    const std::string& Path() const { return path_; }

    // Runs the statement(s), calling callback once per row. An empty statement gives false
    // and leaves the connection alone; a closed connection is reopened first. On failure
    // *error (when given) receives SQLite's message; on success it is left untouched.
    bool Exec(const std::string& sql, SqlRowCallback callback = nullptr, void* argument = nullptr,
              std::string* error = nullptr);

    // Fetches a whole result: the same guards as Exec. On success the caller owns *table and
    // releases it with FreeTable.
    bool GetTable(const std::string& sql, char*** table, int* rows, int* columns, std::string* error = nullptr);
    bool GetTable(const std::string& sql, SqlTable& table, std::string* error = nullptr);
    // Releases a table GetTable returned (null is fine). The table does not depend on the
    // connection, so it is freed even after Close.
    void FreeTable(char** table);

    // One statement with `values` bound to its "?" in order, run to its end (rows are
    // passed over). The same guards and error text as Exec.
    bool Run(std::string_view sql, std::initializer_list<SqlValue> values = {}, std::string* error = nullptr);
    // One statement with its values bound: every row into `table`, or to `callback` (in
    // Exec's form; a callback answering non-zero stops the read, which then fails).
    bool Query(std::string_view sql, std::initializer_list<SqlValue> values, SqlTable& table,
               std::string* error = nullptr);
    bool Query(std::string_view sql, std::initializer_list<SqlValue> values, SqlRowCallback callback,
               void* argument, std::string* error = nullptr);

    // Whether the database holds a table of that name.
    bool TableExists(const std::string& name);

    // SQLite's primary result code of the last call that failed on this connection
    // (SQLITE_OK before any); what callers tell failures apart by.
    int LastErrorCode() const { return lastErrorCode_; }

    // A failure no caller can be told of (a rollback that failed while a scope unwound):
    // written to the debugger output and standard error, counted, and kept as the last one.
    void ReportFailure(const char* what, const std::string& error);
    int ReportedFailures() const { return reportedFailures_; }
    const std::string& LastReportedFailure() const { return lastReportedFailure_; }

private:
    friend class SqlStatement;
    bool EnsureOpen();
    bool OpenWithFlags(const std::string& utf8Path, int flags);
    void NoteResult(int code) { lastErrorCode_ = code & 0xff; }

    sqlite3* connection_ = nullptr;
    std::string path_;
    int flags_ = 0;   // SQLite's open flags of the remembered path
    int lastErrorCode_ = 0;
    int reportedFailures_ = 0;
    std::string lastReportedFailure_;
};

// The program's connection on data\Data.db, opened at start-up and used from the
// user-interface thread only.
extern TavikSQL g_database;
