#include "core/Database.h"

#include "core/DatabaseSchema.h"
#include "core/TavikSQL.h"
#include "core/TavikUtility.h"
#include "core/TextConvert.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <cwchar>
#include <vector>

namespace {

constexpr int kVersionColumns = 7; // MainVer, then one per data table below

// The data tables in the order of their version columns after MainVer.
constexpr const char* kVersionedTables[kVersionColumns - 1] = {"Options",  "User",     "Contacts",
                                                               "History",  "Messages", "Groups"};

// What the stored versions ask for: the tables to drop, and whether the Version table itself
// has to be rebuilt (unreadable, or another main version).
struct StaleTables {
    std::vector<std::string> tables;
    bool version = false;
};

StaleTables CompareVersions(TavikSQL& database)
{
    StaleTables stale;
    SqlTable table;
    stale.version = true;
    if (!database.GetTable(
            "select MainVer, OptionsVer, UserVer, ContactsVer, HistoryVer, MessagesVer, GroupsVer from Version",
            table))
        return stale;
    // A table without a row, or with a NULL version, cannot be read either.
    if (table.Rows() < 1 || table.Columns() != kVersionColumns)
        return stale;
    for (int c = 0; c < kVersionColumns; ++c) {
        if (!table.Value(0, c))
            return stale;
    }
    for (int t = 0; t < kVersionColumns - 1; ++t) {
        if (std::strcmp(table.Value(0, t + 1), kTableVersion) != 0)
            stale.tables.push_back(kVersionedTables[t]);
    }
    stale.version = std::strcmp(table.Value(0, 0), kMainVersion) != 0;
    return stale;
}

// "<folder>\Data-<date>-<time>.db", with "-2", "-3" ... when that name is taken.
std::wstring KeptCopyPath(const std::wstring& folder)
{
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    wchar_t stamp[32];
    std::swprintf(stamp, sizeof stamp / sizeof stamp[0], L"Data-%04u%02u%02u-%02u%02u%02u", now.wYear, now.wMonth,
                  now.wDay, now.wHour, now.wMinute, now.wSecond);
    std::wstring path = folder + L"\\" + stamp + L".db";
    for (int n = 2; ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; ++n)
        path = folder + L"\\" + stamp + L"-" + std::to_wstring(n) + L".db";
    return path;
}

// Copies the database file, as it is, to a new file in `folder` (created when missing). The
// connection is closed meanwhile, so the copy holds every byte the file has, and opened again.
bool KeepCopy(TavikSQL& database, const std::string& file, const std::string& folder, std::string& copy)
{
    const CString wideFolder = AnsiToWide(folder);
    const CString wideFile = AnsiToWide(file);
    ::CreateDirectoryW(wideFolder, nullptr);
    const std::wstring target = KeptCopyPath(static_cast<LPCWSTR>(wideFolder));
    database.Close();
    const bool copied = ::CopyFileW(wideFile, target.c_str(), TRUE) != FALSE;
    if (!database.Reopen() || !copied) {
        if (copied)
            ::DeleteFileW(target.c_str());
        return false;
    }
    copy = WideToAnsi(CString(target.c_str()));
    return true;
}

// Drops those of `names` that exist, once a copy of the file is kept; nothing is dropped when
// the copy fails. False when the copy or a drop failed.
bool DropKeepingACopy(TavikSQL& database, const std::vector<std::string>& names, const std::string& file,
                      const std::string& folder, std::string& copy)
{
    std::vector<std::string> present;
    for (const std::string& name : names) {
        if (database.TableExists(name))
            present.push_back(name);
    }
    if (present.empty())
        return true;
    if (!KeepCopy(database, file, folder, copy))
        return false;
    for (const std::string& name : present) {
        // The names are the program's own tables, never a value.
        if (!database.Run("drop table " + name))
            return false;
    }
    return true;
}

bool UpdateVersions(TavikSQL& database)
{
    return database.Run("update Version set MainVer = ?, OptionsVer = ?, UserVer = ?, ContactsVer = ?, "
                        "HistoryVer = ?, MessagesVer = ?, GroupsVer =?",
                        {kMainVersion, kTableVersion, kTableVersion, kTableVersion, kTableVersion, kTableVersion,
                         kTableVersion});
}

bool InsertVersions(TavikSQL& database)
{
    return database.Run("insert into Version (ID, MainVer, OptionsVer, UserVer, ContactsVer, HistoryVer, "
                        "MessagesVer, GroupsVer)  values(1, ?, ?, ?, ?, ?, ?, ?)",
                        {kMainVersion, kTableVersion, kTableVersion, kTableVersion, kTableVersion, kTableVersion,
                         kTableVersion});
}

// <local application data>\Lumeo\RecordFiles, created along the way.
std::string MakeDefaultRecordFolder(const std::string& localAppData)
{
    std::string folder = localAppData + "\\Lumeo\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    folder += "RecordFiles";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

} // namespace

bool GetDatabaseFolders(DatabaseFolders& folders)
{
    if (!TavikUtility::GetAppDirectory(folders.program, true))
        return false;
    char localAppData[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, localAppData)))
        localAppData[0] = '\0';
    folders.localAppData = localAppData;
    return true;
}

bool OpenDatabase(TavikSQL& database, const DatabaseFolders& folders, std::string* keptCopy)
{
    const std::string folder = folders.program + "\\data";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + "\\Data.db";
    // Only the path goes to SQLite as UTF-8; statements stay in the program's ANSI text.
    if (!database.Open(AnsiToUtf8(path)))
        return false;

    // No table goes before the file as it was is kept beside it.
    const std::string copyFolder = folders.keptCopies.empty() ? folder : folders.keptCopies;
    std::string copy;
    bool updateVersions = false;
    std::vector<std::string> drops;
    if (database.TableExists("Version")) {
        const StaleTables stale = CompareVersions(database);
        drops = stale.tables;
        if (stale.version)
            drops.push_back("Version");
        updateVersions = !stale.version;
    } else {
        // A file without versions: every table but the accounts is rebuilt.
        drops = {"Options", "Contacts", "History", "Messages", "Groups"};
    }
    const bool dropped = DropKeepingACopy(database, drops, path, copyFolder, copy);
    if (keptCopy)
        *keptCopy = copy;
    if (!dropped)
        return false;
    if (updateVersions && !UpdateVersions(database))
        return false;

    if (!database.TableExists("Version")) {
        if (!database.Run(kCreateVersionTable) || !InsertVersions(database))
            return false;
    }

    if (!database.TableExists("Options")) {
        if (!database.Run(CreateOptionsTableStatement()))
            return false;
        const std::string recordFolder = MakeDefaultRecordFolder(folders.localAppData);
        if (!InsertDefaultOptions(database, folders.program, recordFolder))
            return false;
    }

    const struct {
        const char* name;
        const char* create;
    } kDataTables[] = {{"Groups", kCreateGroupsTable},
                       {"History", kCreateHistoryTable},
                       {"Contacts", kCreateContactsTable},
                       {"User", kCreateUserTable}};
    for (const auto& table : kDataTables) {
        if (!database.TableExists(table.name) && !database.Run(table.create))
            return false;
    }
    return true;
}

bool OpenDatabase(std::string* keptCopy)
{
    DatabaseFolders folders;
    if (!GetDatabaseFolders(folders))
        return false;
    return OpenDatabase(g_database, folders, keptCopy);
}
