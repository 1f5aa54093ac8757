#include "core/TavikSQL.h"

#include "core/SqlText.h"

#include <sqlite3.h>

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
    : cells_(std::exchange(other.cells_, nullptr)),
      rows_(std::exchange(other.rows_, 0)),
      columns_(std::exchange(other.columns_, 0))
{
}

SqlTable& SqlTable::operator=(SqlTable&& other) noexcept
{
    if (this != &other) {
        Reset();
        cells_ = std::exchange(other.cells_, nullptr);
        rows_ = std::exchange(other.rows_, 0);
        columns_ = std::exchange(other.columns_, 0);
    }
    return *this;
}

void SqlTable::Reset()
{
    if (cells_)
        sqlite3_free_table(cells_);
    cells_ = nullptr;
    rows_ = 0;
    columns_ = 0;
}

void SqlTable::Adopt(char** cells, int rows, int columns)
{
    Reset();
    cells_ = cells;
    rows_ = rows;
    columns_ = columns;
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

bool TavikSQL::TableExists(const std::string& name)
{
    if (name.empty())
        return false;
    std::string sql = "select * from sqlite_master where type = 'table' and name = ";
    AppendSqlLiteral(sql, name);
    SqlTable table;
    if (!GetTable(sql, table))
        return false;
    return table.Rows() > 0 || table.Columns() > 0;
}

TavikSQL g_database;
