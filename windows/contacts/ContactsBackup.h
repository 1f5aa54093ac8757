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
    bool isBackup = false;   // the file opened and holds a readable table Contacts with all
                             // fifteen columns; when false, nothing was stored
    int rows = 0;            // rows of the file
    int skipped = 0;         // rows whose address was stored already (the stored row wins)
    int stored = 0;          // rows inserted
    int failedRows = 0;      // rows the insert refused
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
// that is no contacts backup (no table Contacts, a column missing, damaged) stores nothing.
// Then each row whose address `target` does not hold is inserted into `target`, and `sink`
// (may be null) hears of it once it is stored.
BackupImport ImportContactsBackup(const CString& path, TavikSQL& target, ContactImportSink* sink);

// Whether `database`'s table Contacts holds the address, exactly as typed; a failing query
// counts as held, so that it never leads to an insert.
bool IsContactStored(TavikSQL& database, const std::string& sipUri);
