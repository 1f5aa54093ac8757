#pragma once
// The program's one SQLite connection (and the short-lived ones of the contacts backup).
#include <string>

struct sqlite3;

// SQLite's row callback: (argument, column count, column values, column names) -> 0 to go on.
// NULL values arrive as null pointers. It must not let an exception escape: SQLite is C.
using SqlRowCallback = int (*)(void* argument, int columns, char** values, char** names);

// A result table of TavikSQL::GetTable, freed when it goes away. SQLite's layout: the first
// Columns() cells are the column names, then the rows' values row by row; NULL is a null
// pointer.
class SqlTable {
public:
    SqlTable() = default;
    ~SqlTable() { Reset(); }
    SqlTable(SqlTable&& other) noexcept;
    SqlTable& operator=(SqlTable&& other) noexcept;
    SqlTable(const SqlTable&) = delete;
    SqlTable& operator=(const SqlTable&) = delete;

    int Rows() const { return rows_; }
    int Columns() const { return columns_; }
    // Column name c (0-based).
    const char* Name(int c) const { return cells_[c]; }
    // Value of data row r (0-based), column c; null for NULL.
    const char* Value(int r, int c) const { return cells_[(r + 1) * columns_ + c]; }

    void Reset();
    // Takes over a table SQLite handed out.
    void Adopt(char** cells, int rows, int columns);

private:
    char** cells_ = nullptr;
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

    // Whether the database holds a table of that name.
    bool TableExists(const std::string& name);

private:
    bool EnsureOpen();
    bool OpenWithFlags(const std::string& utf8Path, int flags);

    sqlite3* connection_ = nullptr;
    std::string path_;
    int flags_ = 0;   // SQLite's open flags of the remembered path
};

// The program's connection on data\Data.db, opened at start-up and used from the
// user-interface thread only.
extern TavikSQL g_database;
