#pragma once
// The contacts backup: table Contacts copied, values unchanged, into a file "Lumeo_Back.db" of
// its own, and read back from any such file. No window here: the commands that choose the
// folder or file and show the outcome are in ContactsBackupCommands.h.
#include "framework/String.h"
#include "windows/contacts/ContactRow.h"

#include <string>
#include <vector>

class TavikSQL;

extern const wchar_t kContactsBackupName[];   // "Lumeo_Back.db"
// What an import reads at the most: a file with more rows, or more text, is refused whole, so
// that no file can keep the window waiting or fill the memory.
extern const int kMaxBackupRows;
extern const size_t kMaxBackupBytes;

struct BackupExport {
    bool opened = false;     // the new backup file could be made
    bool replaced = false;   // every row was written and the file is now the backup
    int rows = 0;            // rows of the source table
    int failedRows = 0;      // rows the backup refused
    std::string error;       // SQLite's text of the first failure; empty when none
};

// Writes table Contacts of `source` into `folder`\Lumeo_Back.db. The rows go into a new file
// beside it first, which replaces an earlier backup only when the table and every row were
// written; otherwise the new file is removed and an earlier backup stays as it was.
BackupExport ExportContactsBackup(TavikSQL& source, const CString& folder);

struct BackupImport {
    bool isBackup = false;   // the file opened and holds a readable table (not a view)
                             // Contacts with all fifteen columns, within the limits above;
                             // when false, nothing was stored
    int rows = 0;            // rows of the file
    int refused = 0;         // rows without an address, never stored
    int skipped = 0;         // rows whose address was stored already (the stored row wins)
    int stored = 0;          // rows inserted
    int failedRows = 0;      // rows the insert refused, and every row when the commit failed
    std::string error;
};

// Told of each row the import stored, so that the tree can show it.
class ContactImportSink {
public:
    virtual void ContactImported(const ContactRow& row) = 0;

protected:
    ~ContactImportSink() = default;
};

// Reads the backup file at `path` for reading only, whole, before anything is stored: a file
// that is no contacts backup (no table Contacts, a view in its place, a column missing,
// damaged, past the limits) stores nothing. Then each row with an address that `target` does
// not hold is inserted into `target`, all in one transaction, and `sink` (may be null) hears
// of each row once the transaction is committed. Addresses that `target` holds already are
// read once, before the rows are stored; when they cannot be read, nothing is stored.
BackupImport ImportContactsBackup(const CString& path, TavikSQL& target, ContactImportSink* sink);
