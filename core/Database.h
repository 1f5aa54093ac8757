#pragma once
// Opening data\Data.db beside the program: schema versions, stale tables, missing tables and
// the default Options row.
#include <string>

class TavikSQL;

// Where the database and the default record folder live. ANSI texts, no trailing backslash.
struct DatabaseFolders {
    std::string program;      // the running program's folder; the file is <program>\data\Data.db
    std::string localAppData; // the user's local application data folder; records go below it
    std::string keptCopies;   // where the file is copied before a table is dropped; empty:
                              // beside the file, in <program>\data
};

// The real folders of this program and user; false when the program folder cannot be read.
bool GetDatabaseFolders(DatabaseFolders& folders);

// Opens (creating when missing) <program>\data\Data.db on database, drops every table whose
// stored version differs from the program's, creates what is missing, the Options table with
// its default row included. True when the file is open and every statement succeeded.
// Before the first table is dropped the whole file is copied, as it was, to a new file
// "Data-<yyyymmdd>-<hhmmss>.db" in folders.keptCopies; *keptCopy (when given) receives its
// path, and stays empty when nothing was dropped. When the copy cannot be made nothing is
// dropped, and the result is false.
bool OpenDatabase(TavikSQL& database, const DatabaseFolders& folders, std::string* keptCopy = nullptr);

// The start-up form: g_database on the real folders.
bool OpenDatabase(std::string* keptCopy = nullptr);
