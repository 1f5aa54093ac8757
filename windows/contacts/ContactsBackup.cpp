#include "windows/contacts/ContactsBackup.h"

#include "core/SqlStatement.h"
#include "core/SqlTransaction.h"
#include "core/TavikSQL.h"
#include "core/TavikUtility.h"
#include "core/TextConvert.h"
#include "framework/CallbackGuard.h"

#include <windows.h>

#include <cstring>
#include <unordered_set>

const wchar_t kContactsBackupName[] = L"Lumeo_Back.db";
const int kMaxBackupRows = 50000;
const size_t kMaxBackupBytes = 64u << 20;

namespace {

constexpr wchar_t kPartSuffix[] = L".part";

CString InFolder(const CString& folder, LPCWSTR name)
{
    CString path = folder;
    if (!path.IsEmpty() && path[path.GetLength() - 1] != L'\\')
        path += L'\\';
    return path + name;
}

struct ExportRun {
    SqlStatement* insert;
    BackupExport* outcome;
};

void NoteFailure(std::string& first, const std::string& error)
{
    if (first.empty())
        first = error.empty() ? "refused" : error;
}

int ExportRowCallback(void* argument, int columns, char** values, char** names)
{
    auto& run = *static_cast<ExportRun*>(argument);
    try {
        ++run.outcome->rows;
        std::string error;
        if (!InsertContact(*run.insert, ReadContactRow(columns, values, names), &error)) {
            ++run.outcome->failedRows;
            NoteFailure(run.outcome->error, error);
        }
    } catch (...) {
        ++run.outcome->failedRows;
        NoteFailure(run.outcome->error, "");
        AfxReportCallbackException("contacts export row");
    }
    return 0;
}

// Every column the table must have, by name ignoring letter case.
bool HasContactColumns(TavikSQL& file, std::string& error)
{
    // A view would be read by running its query, which may never end (a recursive one).
    SqlTable kind;
    if (!file.Query("select type from sqlite_master where name = 'Contacts' collate nocase", {}, kind, &error))
        return false;
    if (kind.Rows() != 1 || !kind.Value(0, 0) || std::string(kind.Value(0, 0)) != "table") {
        error = "no table Contacts";
        return false;
    }
    SqlTable table;
    if (!file.GetTable("pragma table_info(Contacts)", table, &error))
        return false;
    int nameColumn = -1;
    for (int c = 0; c < table.Columns(); ++c) {
        if (table.Name(c) && TavikUtility::CompareNoCase(table.Name(c), "name") == 0)
            nameColumn = c;
    }
    if (nameColumn < 0) {
        error = "no table Contacts";
        return false;
    }
    for (const char* wanted : kContactColumns) {
        bool found = false;
        for (int r = 0; r < table.Rows() && !found; ++r) {
            const char* const name = table.Value(r, nameColumn);
            found = name && TavikUtility::CompareNoCase(name, wanted) == 0;
        }
        if (!found) {
            error = std::string("no column ") + wanted;
            return false;
        }
    }
    return true;
}

} // namespace

BackupExport ExportContactsBackup(TavikSQL& source, const CString& folder)
{
    BackupExport outcome;
    const CString finalPath = InFolder(folder, kContactsBackupName);
    const CString partPath = finalPath + kPartSuffix;
    ::DeleteFileW(partPath);   // left by an export that did not finish

    {
        TavikSQL backup;
        if (!backup.Open(WideToUtf8(partPath)))
            return outcome;
        outcome.opened = true;
        bool written = backup.Exec(kContactsBackupTableSql, nullptr, nullptr, &outcome.error);
        if (written) {
            // One transaction: the rows are written together, and much faster.
            SqlTransaction transaction(backup);
            SqlStatement insert(backup, kContactInsertSql);
            written = transaction.Began() && insert.Ok();
            if (written) {
                ExportRun run{&insert, &outcome};
                std::string error;
                if (!source.Exec("select * from Contacts", &ExportRowCallback, &run, &error))
                    NoteFailure(outcome.error, error);
                written = outcome.error.empty() && outcome.failedRows == 0 && transaction.Commit(&outcome.error);
            } else {
                NoteFailure(outcome.error, insert.Error());
            }
        }
        if (!written) {
            backup.Close();
            ::DeleteFileW(partPath);
            return outcome;
        }
    }
    if (!::MoveFileExW(partPath, finalPath, MOVEFILE_REPLACE_EXISTING)) {
        NoteFailure(outcome.error, "the backup file could not be replaced (" + std::to_string(::GetLastError()) + ")");
        ::DeleteFileW(partPath);
        return outcome;
    }
    outcome.replaced = true;
    return outcome;
}

namespace {

// Reads at most kMaxBackupRows rows and kMaxBackupBytes of text, or refuses the file.
bool ReadBackupRows(TavikSQL& file, std::vector<ContactRow>& rows, std::string& error)
{
    SqlStatement select(file, "select * from Contacts limit ?");
    if (!select.Bind({kMaxBackupRows + 1})) {
        error = select.Error();
        return false;
    }
    std::vector<char*> values;
    std::vector<char*> names;
    size_t bytes = 0;
    while (select.Next()) {
        if (rows.size() == static_cast<size_t>(kMaxBackupRows)) {
            error = "more than " + std::to_string(kMaxBackupRows) + " rows";
            return false;
        }
        const int columns = select.Columns();
        values.resize(static_cast<size_t>(columns));
        names.resize(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            values[c] = const_cast<char*>(select.Text(c));
            names[c] = const_cast<char*>(select.Name(c));
            bytes += values[c] ? std::strlen(values[c]) : 0;
        }
        if (bytes > kMaxBackupBytes) {
            error = "more than " + std::to_string(kMaxBackupBytes) + " bytes";
            return false;
        }
        rows.push_back(ReadContactRow(columns, values.data(), names.data()));
    }
    if (select.Failed()) {
        error = select.Error();
        return false;
    }
    return true;
}

// Every address `database` holds, exactly as typed; false when they cannot be read.
bool ReadStoredAddresses(TavikSQL& database, std::unordered_set<std::string>& addresses, std::string& error)
{
    SqlStatement select(database, "select SIPUri from Contacts");
    while (select.Next()) {
        if (const char* const address = select.Text(0))
            addresses.insert(address);
    }
    if (!select.Ok() || select.Failed()) {
        error = select.Error();
        return false;
    }
    return true;
}

} // namespace

BackupImport ImportContactsBackup(const CString& path, TavikSQL& target, ContactImportSink* sink)
{
    BackupImport outcome;
    std::vector<ContactRow> rows;
    {
        TavikSQL file;
        if (!file.OpenReadOnly(WideToUtf8(path))) {
            outcome.error = "not opened";
            return outcome;
        }
        if (!HasContactColumns(file, outcome.error) || !ReadBackupRows(file, rows, outcome.error))
            return outcome;
    }
    outcome.isBackup = true;
    outcome.rows = static_cast<int>(rows.size());

    // The stored addresses are read once; the file's own are added as they are stored, so an
    // address the file holds twice is stored once.
    std::unordered_set<std::string> stored;
    if (!ReadStoredAddresses(target, stored, outcome.error))
        return outcome;
    std::vector<const ContactRow*> added;
    {
        SqlTransaction transaction(target);
        SqlStatement insert(target, kContactInsertSql);
        if (!transaction.Began() || !insert.Ok()) {
            NoteFailure(outcome.error, insert.Ok() ? "no transaction" : insert.Error());
            return outcome;
        }
        for (const ContactRow& row : rows) {
            if (row.sipUri.empty()) {
                ++outcome.refused;
                continue;
            }
            if (stored.count(row.sipUri) != 0) {
                ++outcome.skipped;
                continue;
            }
            std::string error;
            if (!InsertContact(insert, row, &error)) {
                ++outcome.failedRows;
                NoteFailure(outcome.error, error);
                continue;
            }
            stored.insert(row.sipUri);
            added.push_back(&row);
        }
        std::string error;
        if (!added.empty() && !transaction.Commit(&error)) {
            outcome.failedRows += static_cast<int>(added.size());
            NoteFailure(outcome.error, error);
            return outcome;
        }
    }
    outcome.stored = static_cast<int>(added.size());
    if (sink) {
        for (const ContactRow* row : added)
            sink->ContactImported(*row);
    }
    return outcome;
}
