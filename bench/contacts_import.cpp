// The contacts tree's "Import contacts" command, as the user runs it, on a backup of 5,000
// contacts in 50 groups into an empty book: the file read, every row stored, the groups made
// and every contact shown in the tree. The goal is at most 2 s. The tree and both tables are
// emptied again, untimed, before each run.
// Arguments: [contacts] [runs], for a quick look or a slow build.
#include "bench/BenchHarness.h"
#include "bench/BenchProgram.h"

#include "core/Base64.h"
#include "framework/FileDialog.h"
#include "windows/contacts/ContactRow.h"

#include <sqlite3.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

int g_contacts = 5000;
int g_runs = 3;
constexpr int kImportGroups = 50;

CString g_backupPath;

// The bench's folder, and the backup as the file the user picks.
class ImportAnswers : public bench::FolderAnswers {
public:
    using FolderAnswers::FolderAnswers;
    BOOL ChooseFile(OPENFILENAMEW* ofn, BOOL) const override
    {
        std::wcsncpy(ofn->lpstrFile, g_backupPath, ofn->nMaxFile - 1);
        return TRUE;
    }
};

// The backup file as the export writes it, its values bound one by one.
bool WriteBackup(const std::string& utf8Path)
{
    sqlite3* file = nullptr;
    if (sqlite3_open(utf8Path.c_str(), &file) != SQLITE_OK) {
        sqlite3_close(file);
        return false;
    }
    sqlite3_stmt* insert = nullptr;
    bool ok = sqlite3_exec(file, kContactsBackupTableSql, nullptr, nullptr, nullptr) == SQLITE_OK &&
              sqlite3_exec(file, "begin", nullptr, nullptr, nullptr) == SQLITE_OK &&
              sqlite3_prepare_v2(file,
                                 "insert into Contacts(SIPUri, Email, FirstName, LastName, NickName, GroupName, "
                                 "subscribed) values(?, ?, ?, ?, ?, ?, 0)",
                                 -1, &insert, nullptr) == SQLITE_OK;
    for (int i = 0; ok && i < g_contacts; ++i) {
        const std::string n = std::to_string(i);
        const std::string texts[] = {"sip:peer" + n + "@example.org",
                                     "peer" + n + "@example.org",
                                     Base64Encode("First" + n, true),
                                     Base64Encode("Last" + n, true),
                                     i % 3 == 0 ? Base64Encode("Nick" + n, true) : std::string(),
                                     Base64Encode("Group " + std::to_string(i % kImportGroups), true)};
        for (int t = 0; t < 6; ++t)
            sqlite3_bind_text(insert, t + 1, texts[t].c_str(), -1, SQLITE_TRANSIENT);
        ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
    }
    sqlite3_finalize(insert);
    ok = ok && sqlite3_exec(file, "commit", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(file);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        g_contacts = std::atoi(argv[1]);
    if (argc > 2)
        g_runs = std::atoi(argv[2]);
    if (!bench::PrepareProgramFolder(L"lumeo_bench_import"))
        return 1;
    g_backupPath = bench::g_programFolder + L"backup.db";
    ::DeleteFileW(g_backupPath);
    if (!WriteBackup(WideToUtf8(g_backupPath))) {
        std::printf("could not make the backup\n");
        return 1;
    }
    const ImportAnswers answers(bench::g_programFolder);
    const SystemAnswers* const previous = SetSystemAnswers(&answers);

    int status = 1;
    CContactsWnd page;
    if (bench::CreateContactsPage(page)) {
        bool emptied = true;
        const auto empty = [&] {
            bench::EmptyContactsPage(page);
            emptied = emptied && g_database.Exec("delete from Contacts") && g_database.Exec("delete from Groups");
        };
        const double seconds = bench::Fastest(g_runs, empty, [&] { page.GetTree().OnImportContacts(); });
        const UINT shown = bench::ShownContacts(page.GetTree());
        std::printf("%d contacts in %d groups, fastest of %d runs\n", g_contacts, kImportGroups, g_runs);
        std::printf("%-40s %10.2f ms  (%u contacts shown; goal: at most 2000 ms)\n", "Import contacts",
                    seconds * 1e3, shown);
        empty();
        if (static_cast<int>(shown) == g_contacts && emptied)
            status = 0;
        page.DestroyWindow();
    }
    SetSystemAnswers(previous);
    g_database.Close();
    Vexel::ReleaseSkin();
    return status;
}
