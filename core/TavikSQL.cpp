#include "core/TavikSQL.h"

#include "core/SqlStatement.h"

#include <sqlite3.h>
#include <windows.h>

#include <cstdio>
#include <utility>

namespace {

// Copies SQLite's message into the caller's text (when it wants one) and frees it.
void TakeMessage(char* message, int code, std::string* error)
{
    if (error)
        *error = message ? message : sqlite3_errstr(code);
    sqlite3_free(message);
}

} // namespace

SqlTable::SqlTable(SqlTable&& other) noexcept
    : cells_(std::move(other.cells_)),
      nulls_(std::move(other.nulls_)),
      rows_(std::exchange(other.rows_, 0)),
      columns_(std::exchange(other.columns_, 0))
{
    other.Reset();
}

SqlTable& SqlTable::operator=(SqlTable&& other) noexcept
{
    if (this != &other) {
        cells_ = std::move(other.cells_);
        nulls_ = std::move(other.nulls_);
        rows_ = std::exchange(other.rows_, 0);
        columns_ = std::exchange(other.columns_, 0);
        other.Reset();
    }
    return *this;
}

void SqlTable::Reset()
{
    cells_.clear();
    nulls_.clear();
    rows_ = 0;
    columns_ = 0;
}

void SqlTable::Adopt(char** cells, int rows, int columns)
{
    Reset();
    if (cells) {
        try {
            Begin(columns);
            const int count = (rows + 1) * columns;
            for (int i = 0; i < count; ++i)
                Add(cells[i]);
        } catch (...) {
            sqlite3_free_table(cells);
            Reset();
            throw;
        }
    }
    sqlite3_free_table(cells);
}

void SqlTable::Begin(int columns)
{
    Reset();
    columns_ = columns;
}

void SqlTable::Add(const char* cell)
{
    cells_.emplace_back(cell ? cell : "");
    nulls_.push_back(cell == nullptr);
    if (columns_ > 0 && cells_.size() > static_cast<size_t>(columns_) && cells_.size() % columns_ == 0)
        ++rows_;
}

TavikSQL::~TavikSQL()
{
    Close();
}

bool TavikSQL::Open(const std::string& utf8Path)
{
    return OpenWithFlags(utf8Path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

bool TavikSQL::OpenReadOnly(const std::string& utf8Path)
{
    return OpenWithFlags(utf8Path, SQLITE_OPEN_READONLY);
}

bool TavikSQL::OpenWithFlags(const std::string& utf8Path, int flags)
{
    if (utf8Path.empty())
        return false;
    Close();
    sqlite3* connection = nullptr;
    if (sqlite3_open_v2(utf8Path.c_str(), &connection, flags, nullptr) != SQLITE_OK) {
        // SQLite hands out a handle even when the open fails; it still has to be closed.
        sqlite3_close(connection);
        return false;
    }
    connection_ = connection;
    path_ = utf8Path;
    flags_ = flags;
    return true;
}

bool TavikSQL::Reopen()
{
    return !path_.empty() && OpenWithFlags(path_, flags_);
}

bool TavikSQL::InTransaction() const
{
    return connection_ && sqlite3_get_autocommit(connection_) == 0;
}

void TavikSQL::Close()
{
    if (connection_) {
        sqlite3_close(connection_);
        connection_ = nullptr;
    }
}

bool TavikSQL::EnsureOpen()
{
    return connection_ || Reopen();
}

bool TavikSQL::Exec(const std::string& sql, SqlRowCallback callback, void* argument, std::string* error)
{
    if (sql.empty() || !EnsureOpen())
        return false;
    char* message = nullptr;
    const int code = sqlite3_exec(connection_, sql.c_str(), callback, argument, &message);
    if (code == SQLITE_OK) {
        sqlite3_free(message);
        return true;
    }
    NoteResult(code);
    TakeMessage(message, code, error);
    return false;
}

bool TavikSQL::GetTable(const std::string& sql, char*** table, int* rows, int* columns, std::string* error)
{
    if (sql.empty() || !EnsureOpen())
        return false;
    char** cells = nullptr;
    int rowCount = 0;
    int columnCount = 0;
    char* message = nullptr;
    const int code = sqlite3_get_table(connection_, sql.c_str(), &cells, &rowCount, &columnCount, &message);
    if (code != SQLITE_OK) {
        sqlite3_free_table(cells);
        NoteResult(code);
        TakeMessage(message, code, error);
        return false;
    }
    sqlite3_free(message);
    *table = cells;
    *rows = rowCount;
    *columns = columnCount;
    return true;
}

bool TavikSQL::GetTable(const std::string& sql, SqlTable& table, std::string* error)
{
    char** cells = nullptr;
    int rows = 0;
    int columns = 0;
    if (!GetTable(sql, &cells, &rows, &columns, error))
        return false;
    table.Adopt(cells, rows, columns);
    return true;
}

void TavikSQL::FreeTable(char** table)
{
    if (table)
        sqlite3_free_table(table);
}

bool TavikSQL::Run(std::string_view sql, std::initializer_list<SqlValue> values, std::string* error)
{
    if (sql.empty() || !EnsureOpen())
        return false;
    SqlStatement statement(*this, sql);
    return statement.Run(values, error);
}

bool TavikSQL::Query(std::string_view sql, std::initializer_list<SqlValue> values, SqlTable& table,
                     std::string* error)
{
    if (sql.empty() || !EnsureOpen())
        return false;
    SqlStatement statement(*this, sql);
    return statement.Bind(values) ? statement.Fetch(table, error) : statement.Told(error);
}

bool TavikSQL::Query(std::string_view sql, std::initializer_list<SqlValue> values, SqlRowCallback callback,
                     void* argument, std::string* error)
{
    if (sql.empty() || !EnsureOpen())
        return false;
    SqlStatement statement(*this, sql);
    return statement.Bind(values) ? statement.Each(callback, argument, error) : statement.Told(error);
}

bool TavikSQL::TableExists(const std::string& name)
{
    if (name.empty())
        return false;
    SqlTable table;
    if (!Query("select * from sqlite_master where type = 'table' and name = ?", {name}, table))
        return false;
    return table.Rows() > 0 || table.Columns() > 0;
}

void TavikSQL::ReportFailure(const char* what, const std::string& error)
{
    ++reportedFailures_;
    lastReportedFailure_ = std::string(what) + ": " + error;
    const std::string line = "Lumeo: database " + lastReportedFailure_ + "\n";
    OutputDebugStringA(line.c_str());
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}

TavikSQL g_database;
