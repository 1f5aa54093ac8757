#include "windows/contacts/ContactsBackup.h"

#include "core/SqlText.h"
#include "core/TavikSQL.h"
#include "core/TavikUtility.h"
#include "core/TextConvert.h"
#include "framework/CallbackGuard.h"

#include <windows.h>

const wchar_t kContactsBackupName[] = L"Lumeo_Back.db";

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
    TavikSQL* backup;
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
        if (!run.backup->Exec(ContactInsertSql(ReadContactRow(columns, values, names)), nullptr, nullptr, &error)) {
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

int ReadRowCallback(void* argument, int columns, char** values, char** names)
{
    try {
        static_cast<std::vector<ContactRow>*>(argument)->push_back(ReadContactRow(columns, values, names));
        return 0;
    } catch (...) {
        AfxReportCallbackException("contacts import row");
        return 1;   // the read fails as a whole
    }
}

// Every column the table must have, by name ignoring letter case.
bool HasContactColumns(TavikSQL& file, std::string& error)
{
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

bool IsContactStored(TavikSQL& database, const std::string& sipUri)
{
    SqlTable table;
    if (!database.GetTable("select SIPUri from Contacts where SIPUri = " + SqlLiteral(sipUri), table))
        return true;
    return table.Rows() > 0;
}

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
        // One transaction: the rows are written together, and much faster.
        bool written = backup.Exec(kContactsBackupTableSql, nullptr, nullptr, &outcome.error) &&
                       backup.Exec("begin", nullptr, nullptr, &outcome.error);
        if (written) {
            ExportRun run{&backup, &outcome};
            std::string error;
            if (!source.Exec("select * from Contacts", &ExportRowCallback, &run, &error))
                NoteFailure(outcome.error, error);
            written = outcome.error.empty() && outcome.failedRows == 0 &&
                      backup.Exec("commit", nullptr, nullptr, &outcome.error);
        }
        if (!written) {
            backup.Exec("rollback");
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
        if (!HasContactColumns(file, outcome.error))
            return outcome;
        if (!file.Exec("select * from Contacts", &ReadRowCallback, &rows, &outcome.error))
            return outcome;
    }
    outcome.isBackup = true;
    outcome.rows = static_cast<int>(rows.size());
    for (const ContactRow& row : rows) {
        if (IsContactStored(target, row.sipUri)) {
            ++outcome.skipped;
            continue;
        }
        std::string error;
        if (!target.Exec(ContactInsertSql(row), nullptr, nullptr, &error)) {
            ++outcome.failedRows;
            NoteFailure(outcome.error, error);
            continue;
        }
        ++outcome.stored;
        if (sink)
            sink->ContactImported(row);
    }
    return outcome;
}
