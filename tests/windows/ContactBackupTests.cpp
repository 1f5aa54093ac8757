// The contacts backup against real SQLite files: export then import into a fresh database
// gives the same rows byte for byte; a second export replaces the first; a row the backup
// refuses keeps the earlier backup and says how many failed; import skips stored addresses,
// tells the tree only of rows it stored, and refuses a truncated, foreign or half-shaped file,
// a view in place of the table and a file past the row limit with a message, leaving the
// database and the file as they were.
#include "tests/windows/ContactTestSupport.h"

#include "core/Base64.h"
#include "core/Database.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "tests/support/TempDir.h"
#include "windows/contacts/ContactsBackup.h"
#include "windows/contacts/ContactsBackupCommands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace windows_test {
namespace {

using lumeo_test::ReadFileBytes;
using lumeo_test::TempDir;
using lumeo_test::WriteFileBytes;
using testing::ElementsAre;

// A second database with the program's schema, in a folder of its own.
class FreshDatabase {
public:
    FreshDatabase()
    {
        const std::string path = WideToAnsi(CString(m_folder.Path().c_str()));
        ok = OpenDatabase(database, DatabaseFolders{path, path});
    }
    TavikSQL database;
    bool ok = false;

private:
    TempDir m_folder;
};

class ContactBackup : public ContactTest {
protected:
    void StoreSamples()
    {
        for (const char* key : {"carol", "alice", "bob"})
            Store(SampleContact(key));
    }
    std::wstring BackupPath() const { return backupFolder.File(kContactsBackupName); }

    TempDir backupFolder;
};

TEST_F(ContactBackup, ExportThenImportIntoAFreshDatabaseGivesTheSameRowsByteForByte)
{
    StoreSamples();
    ContactRow bare;   // empty texts and the default numbers travel as they are too
    bare.sipUri = "sip:bare@sip.example";
    Store(bare);
    const BackupExport exported = ExportContactsBackup(g_database, backupFolder.Path().c_str());
    EXPECT_TRUE(exported.opened);
    EXPECT_TRUE(exported.replaced);
    EXPECT_EQ(4, exported.rows);
    EXPECT_EQ(0, exported.failedRows);

    FreshDatabase fresh;
    ASSERT_TRUE(fresh.ok);
    RecordingSink sink;
    const BackupImport imported = ImportContactsBackup(BackupPath().c_str(), fresh.database, &sink);
    EXPECT_TRUE(imported.isBackup);
    EXPECT_EQ(4, imported.stored);
    EXPECT_EQ(4u, sink.addresses.size());
    const TableRows original = ContactsOf(g_database);
    ASSERT_EQ(4u, original.size());
    EXPECT_EQ(original, ContactsOf(fresh.database));

    // The backup's own table holds the same cells.
    TavikSQL backup;
    ASSERT_TRUE(backup.OpenReadOnly(WideToUtf8(BackupPath().c_str())));
    EXPECT_EQ(original, ContactsOf(backup));
}

TEST_F(ContactBackup, ExportingTwiceReplacesTheEarlierBackupAndLeavesNoWorkFile)
{
    StoreSamples();
    ASSERT_TRUE(ExportContactsBackup(g_database, backupFolder.Path().c_str()).replaced);
    ASSERT_TRUE(g_database.Exec("delete from Contacts where SIPUri = 'sip:alice@sip.example'"));
    ASSERT_TRUE(ExportContactsBackup(g_database, backupFolder.Path().c_str()).replaced);

    TavikSQL backup;
    ASSERT_TRUE(backup.OpenReadOnly(WideToUtf8(BackupPath().c_str())));
    const TableRows rows = ContactsOf(backup);
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ("sip:bob@sip.example", rows[0][0]);
    EXPECT_EQ("sip:carol@sip.example", rows[1][0]);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((BackupPath() + L".part").c_str()));
}

TEST_F(ContactBackup, AnEmptyTableExportsAnEmptyTableAndSaysSo)
{
    s_folderAnswer = backupFolder.Path();
    const BackupExport exported = RunContactsExport(nullptr);
    EXPECT_TRUE(exported.replaced);
    EXPECT_EQ(L"CONTACTTREE_WND/33005", s_folderTitle);
    ASSERT_EQ(1u, prompts.Prompts().size());
    EXPECT_EQ(L"CONTACTTREE_WND/33007", prompts.Prompts()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), prompts.Prompts()[0].type);
    TavikSQL backup;
    ASSERT_TRUE(backup.OpenReadOnly(WideToUtf8(BackupPath().c_str())));
    EXPECT_TRUE(backup.TableExists("Contacts"));
    EXPECT_TRUE(ContactsOf(backup).empty());
}

TEST_F(ContactBackup, CancellingTheFolderChoiceWritesNothing)
{
    StoreSamples();
    const BackupExport exported = RunContactsExport(nullptr);
    EXPECT_FALSE(exported.opened);
    EXPECT_TRUE(prompts.Prompts().empty());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(BackupPath().c_str()));
}

TEST_F(ContactBackup, RowsTheBackupRefusesKeepTheEarlierBackupAndAreCountedInTheMessage)
{
    StoreSamples();
    ASSERT_TRUE(ExportContactsBackup(g_database, backupFolder.Path().c_str()).replaced);
    const std::string earlier = ReadFileBytes(BackupPath());
    ASSERT_FALSE(earlier.empty());

    // A source table without its key holds one address twice: the backup's key refuses the
    // second.
    ASSERT_TRUE(g_database.Exec("alter table Contacts rename to OldContacts"));
    ASSERT_TRUE(g_database.Exec("create table Contacts as select * from OldContacts"));
    ASSERT_TRUE(g_database.Exec("insert into Contacts select * from OldContacts where SIPUri = 'sip:bob@sip.example'"));

    ModalAnswers answers({IDOK});
    std::wstring message;
    answers.inspect = [&](Vexel::CUIWnd& box) { message = lumeo_test::ChildText(box.GetSafeHwnd(), IDC_STA_TEXT); };
    s_folderAnswer = backupFolder.Path();
    const BackupExport exported = RunContactsExport(nullptr);
    EXPECT_TRUE(exported.opened);
    EXPECT_FALSE(exported.replaced);
    EXPECT_EQ(4, exported.rows);
    EXPECT_EQ(1, exported.failedRows);
    EXPECT_NE(std::string::npos, exported.error.find("UNIQUE")) << exported.error;
    EXPECT_THAT(answers.Windows(), ElementsAre(L"IDW_MESSAGEWINDOW1"));
    EXPECT_EQ(L"CONTACTTREE_WND/33006 (1/4)", message);
    EXPECT_TRUE(prompts.Prompts().empty());
    EXPECT_EQ(earlier, ReadFileBytes(BackupPath()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((BackupPath() + L".part").c_str()));
}

TEST_F(ContactBackup, AFolderWhereNoFileCanBeMadeShowsTheFailure)
{
    ModalAnswers answers({IDOK});
    std::wstring message;
    answers.inspect = [&](Vexel::CUIWnd& box) { message = lumeo_test::ChildText(box.GetSafeHwnd(), IDC_STA_TEXT); };
    s_folderAnswer = backupFolder.Path();
    // A folder in the way of the work file.
    ASSERT_TRUE(::CreateDirectoryW((BackupPath() + L".part").c_str(), nullptr));
    const BackupExport exported = RunContactsExport(nullptr);
    ::RemoveDirectoryW((BackupPath() + L".part").c_str());
    EXPECT_FALSE(exported.opened);
    EXPECT_EQ(L"CONTACTTREE_WND/33006", message);
    EXPECT_TRUE(prompts.Prompts().empty());
}

TEST_F(ContactBackup, ImportSkipsStoredAddressesAndKeepsTheFilesSubscriptionValues)
{
    StoreSamples();
    ASSERT_TRUE(ExportContactsBackup(g_database, backupFolder.Path().c_str()).replaced);
    ASSERT_TRUE(g_database.Exec("delete from Contacts where SIPUri <> 'sip:bob@sip.example'"));
    ASSERT_TRUE(g_database.Exec("update Contacts set subscribeid = 7, acceptedsubscribed = 0"));

    RecordingSink sink;
    s_fileAnswer = BackupPath();
    const BackupImport imported = RunContactsImport(nullptr, &sink);
    EXPECT_EQ(L"CONTACTTREE_WND/33009 (*.db)|*.db|", s_fileFilter);
    EXPECT_EQ(L"c:\\", s_fileFolder);
    EXPECT_TRUE(imported.isBackup);
    EXPECT_EQ(3, imported.rows);
    EXPECT_EQ(1, imported.skipped);
    EXPECT_EQ(2, imported.stored);
    EXPECT_THAT(sink.addresses, ElementsAre("sip:carol@sip.example", "sip:alice@sip.example"));
    EXPECT_TRUE(prompts.Prompts().empty());

    const TableRows rows = ContactsOf(g_database);
    ASSERT_EQ(3u, rows.size());
    // The stored contact wins; the imported ones keep the file's values (columns 13, 14).
    EXPECT_EQ("sip:bob@sip.example", rows[1][0]);
    EXPECT_EQ("0", rows[1][13]);
    EXPECT_EQ("7", rows[1][14]);
    EXPECT_EQ("1", rows[0][13]);
    EXPECT_EQ(std::to_string(SampleContact("alice").subscribeId), rows[0][14]);
}

TEST_F(ContactBackup, OnlyARowThatWasStoredReachesTheTree)
{
    StoreSamples();
    ASSERT_TRUE(ExportContactsBackup(g_database, backupFolder.Path().c_str()).replaced);
    ASSERT_TRUE(g_database.Exec("delete from Contacts"));
    ASSERT_TRUE(g_database.Exec("create trigger refuse before insert on Contacts when new.SIPUri = "
                                "'sip:alice@sip.example' begin select raise(abort, 'refused'); end"));
    RecordingSink sink;
    const BackupImport imported = ImportContactsBackup(BackupPath().c_str(), g_database, &sink);
    EXPECT_EQ(2, imported.stored);
    EXPECT_EQ(1, imported.failedRows);
    EXPECT_THAT(sink.addresses, ElementsAre("sip:carol@sip.example", "sip:bob@sip.example"));
    EXPECT_EQ(2u, ContactsOf(g_database).size());
}

TEST_F(ContactBackup, CancellingTheFileChoiceImportsNothing)
{
    RecordingSink sink;
    const BackupImport imported = RunContactsImport(nullptr, &sink);
    EXPECT_EQ(1, s_fileCalls);
    EXPECT_FALSE(imported.isBackup);
    EXPECT_TRUE(imported.error.empty());
    EXPECT_TRUE(prompts.Prompts().empty());
}

// Each file is refused as a whole: a message, no row stored, no tree change, the file untouched.
struct Refused {
    const char* name;
    // Makes the file at `path` from a good backup's bytes.
    bool (*make)(const std::wstring& path, const std::string& backup);
};

bool MakeSchema(const std::wstring& path, const char* sql)
{
    TavikSQL file;
    return file.Open(WideToUtf8(CString(path.c_str()))) && file.Exec(sql);
}

// The fifteen columns of a backup row, as a view's select list would name them.
constexpr char kViewColumns[] =
    "SIPUri, Email, HomePhone, WorkPhone, MobilePhone, FirstName, LastName, NickName, JobTitle, GroupName, Icon, "
    "blocked, subscribed, acceptedsubscribed, subscribeid";

// A backup row per number n of a recursive select; `limit` empty gives no end.
std::string NumberedRows(const std::string& limit)
{
    return "with recursive n(i) as (select 1 union all select i + 1 from n" + limit +
           ") select 'sip:n' || i || '@sip.example', '', '', '', '', '', '', '', '', '', '', 0, 0, 0, 0 from n";
}

bool MakeContactsView(const std::wstring& path, const std::string& limit)
{
    return MakeSchema(path, (std::string("create view Contacts(") + kViewColumns + ") as " + NumberedRows(limit)).c_str());
}

const Refused kRefused[] = {
    {"truncated to its header", [](const std::wstring& path, const std::string& backup) {
         return WriteFileBytes(path, backup.substr(0, 60));
     }},
    {"truncated to its first page", [](const std::wstring& path, const std::string& backup) {
         return WriteFileBytes(path, backup.substr(0, 4096));
     }},
    {"plain text", [](const std::wstring& path, const std::string&) {
         return WriteFileBytes(path, "sip:alice@sip.example,Alice\r\n");
     }},
    {"empty file", [](const std::wstring& path, const std::string&) { return WriteFileBytes(path, ""); }},
    {"another program's database", [](const std::wstring& path, const std::string&) {
         return MakeSchema(path, "create table Notes(id integer, text char(128)); insert into Notes values(1, 'x')");
     }},
    {"a Contacts table of another shape", [](const std::wstring& path, const std::string&) {
         return MakeSchema(path, "create table Contacts(SIPUri char(128), Email char(128));"
                                 "insert into Contacts values('sip:dave@sip.example', 'd@x')");
     }},
    // Reading a view runs its query, which need not end.
    {"a recursive view without end", [](const std::wstring& path, const std::string&) {
         return MakeContactsView(path, "");
     }},
    {"a view of three rows", [](const std::wstring& path, const std::string&) {
         return MakeContactsView(path, " limit 3");
     }},
    {"one row more than the limit", [](const std::wstring& path, const std::string&) {
         return MakeSchema(path, (std::string(kContactsBackupTableSql) +
                                  "; insert into Contacts(SIPUri) with recursive n(i) as (select 1 union all "
                                  "select i + 1 from n limit " + std::to_string(kMaxBackupRows + 1) +
                                  ") select 'sip:n' || i from n").c_str());
     }},
};

TEST_F(ContactBackup, AFileThatIsNoContactsBackupIsRefusedWithAMessageAndNoChange)
{
    StoreSamples();
    ASSERT_TRUE(ExportContactsBackup(g_database, backupFolder.Path().c_str()).replaced);
    const std::string backup = ReadFileBytes(BackupPath());
    ASSERT_GT(backup.size(), 4096u) << "the sample backup spans more than one page";
    ASSERT_TRUE(g_database.Exec("delete from Contacts where SIPUri <> 'sip:bob@sip.example'"));
    const TableRows before = ContactsOf(g_database);

    for (const Refused& file : kRefused) {
        const std::wstring path = backupFolder.File(L"other.db");
        ::DeleteFileW(path.c_str());
        ASSERT_TRUE(file.make(path, backup)) << file.name;
        const std::string bytes = ReadFileBytes(path);
        lumeo_test::ScriptedPrompts seen(IDOK);
        RecordingSink sink;
        s_fileAnswer = path;
        const BackupImport imported = RunContactsImport(nullptr, &sink);
        EXPECT_FALSE(imported.isBackup) << file.name;
        EXPECT_FALSE(imported.error.empty()) << file.name;
        ASSERT_EQ(1u, seen.Prompts().size()) << file.name;
        EXPECT_EQ(L"CONTACTTREE_WND/33010", seen.Prompts()[0].text) << file.name;
        EXPECT_TRUE(sink.addresses.empty()) << file.name;
        EXPECT_EQ(before, ContactsOf(g_database)) << file.name;
        EXPECT_EQ(bytes, ReadFileBytes(path)) << file.name << ": opened for reading only";
    }
}

TEST_F(ContactBackup, AMissingFileIsRefusedAndNotCreated)
{
    const std::wstring path = backupFolder.File(L"missing.db");
    s_fileAnswer = path;
    const BackupImport imported = RunContactsImport(nullptr, nullptr);
    EXPECT_FALSE(imported.isBackup);
    ASSERT_EQ(1u, prompts.Prompts().size());
    EXPECT_EQ(L"CONTACTTREE_WND/33010", prompts.Prompts()[0].text);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(path.c_str()));
}

} // namespace
} // namespace windows_test
