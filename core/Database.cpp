#include "core/Database.h"

#include "core/DatabaseSchema.h"
#include "core/SqlText.h"
#include "core/TavikSQL.h"
#include "core/TavikUtility.h"
#include "core/TextConvert.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

namespace {

constexpr int kVersionColumns = 7; // MainVer, then one per data table below

// The data tables in the order of their version columns after MainVer.
constexpr const char* kVersionedTables[kVersionColumns - 1] = {"Options",  "User",     "Contacts",
                                                               "History",  "Messages", "Groups"};

void DropTable(TavikSQL& database, const char* name)
{
    database.Exec(std::string("drop table ") + name);
}

// Compares the stored versions with the program's and drops what is stale. False when the
// Version table has to be rebuilt (unreadable, or another main version).
bool CheckVersions(TavikSQL& database)
{
    SqlTable table;
    if (!database.GetTable(
            "select MainVer, OptionsVer, UserVer, ContactsVer, HistoryVer, MessagesVer, GroupsVer from Version",
            table))
        return false;
    // A table without a row, or with a NULL version, cannot be read either.
    if (table.Rows() < 1 || table.Columns() != kVersionColumns)
        return false;
    for (int c = 0; c < kVersionColumns; ++c) {
        if (!table.Value(0, c))
            return false;
    }
    for (int t = 0; t < kVersionColumns - 1; ++t) {
        if (std::strcmp(table.Value(0, t + 1), kTableVersion) != 0)
            DropTable(database, kVersionedTables[t]);
    }
    return std::strcmp(table.Value(0, 0), kMainVersion) == 0;
}

std::string UpdateVersionStatement()
{
    std::string sql = "update Version set MainVer = ";
    AppendSqlLiteral(sql, kMainVersion);
    static const char* const columns[] = {", OptionsVer = ", ", UserVer = ", ", ContactsVer = ",
                                          ", HistoryVer = ", ", MessagesVer = ", ", GroupsVer ="};
    for (const char* column : columns) {
        sql += column;
        AppendSqlLiteral(sql, kTableVersion);
    }
    return sql;
}

std::string InsertVersionStatement()
{
    std::string sql = "insert into Version (ID, MainVer, OptionsVer, UserVer, ContactsVer, HistoryVer, MessagesVer, "
                      "GroupsVer)  values(1,";
    AppendSqlLiteral(sql, kMainVersion);
    for (int t = 0; t < kVersionColumns - 1; ++t) {
        sql += ',';
        AppendSqlLiteral(sql, kTableVersion);
    }
    sql += ')';
    return sql;
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

bool OpenDatabase(TavikSQL& database, const DatabaseFolders& folders)
{
    std::string path = folders.program + "\\data\\";
    CreateDirectoryA(path.c_str(), nullptr);
    path += "Data.db";
    // Only the path goes to SQLite as UTF-8; statements stay in the program's ANSI text.
    if (!database.Open(AnsiToUtf8(path)))
        return false;

    if (database.TableExists("Version")) {
        if (CheckVersions(database)) {
            if (!database.Exec(UpdateVersionStatement()))
                return false;
        } else {
            DropTable(database, "Version");
        }
    } else {
        // A file without versions: every table but the accounts is rebuilt.
        for (const char* name : {"Options", "Contacts", "History", "Messages", "Groups"})
            DropTable(database, name);
    }

    if (!database.TableExists("Version")) {
        if (!database.Exec(kCreateVersionTable) || !database.Exec(InsertVersionStatement()))
            return false;
    }

    std::string error;
    if (database.Exec(CreateOptionsTableStatement(), nullptr, nullptr, &error)) {
        const std::string recordFolder = MakeDefaultRecordFolder(folders.localAppData);
        if (!database.Exec(InsertDefaultOptionsStatement(folders.program, recordFolder)))
            return false;
    } else if (TavikUtility::CompareNoCase(error, "table Options already exists") != 0) {
        return false;
    }

    // These fail harmlessly when the table is there already.
    for (const char* create : {kCreateGroupsTable, kCreateHistoryTable, kCreateContactsTable, kCreateUserTable})
        database.Exec(create);
    return true;
}

bool OpenDatabase()
{
    DatabaseFolders folders;
    if (!GetDatabaseFolders(folders))
        return false;
    return OpenDatabase(g_database, folders);
}
