// How the contacts backup import stores (what it refuses whole is in ContactBackupTests.cpp):
// as many rows as the limit are read, a row without an address is never stored, every row of
// one import is stored in one transaction, and a commit that is refused stores nothing.
#include "tests/windows/ContactTestSupport.h"

#include "core/SqlStatement.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "tests/support/TempDir.h"
#include "windows/contacts/ContactsBackup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace windows_test {
namespace {

using lumeo_test::TempDir;
using testing::ElementsAre;

class ContactBackupLimits : public ContactTest {
protected:
    // A backup file made by `sql` on a new file.
    void MakeBackup(const std::string& sql)
    {
        TavikSQL file;
        ASSERT_TRUE(file.Open(WideToUtf8(CString(path.c_str()))));
        std::string error;
        ASSERT_TRUE(file.Exec(sql, nullptr, nullptr, &error)) << error;
    }

    TempDir folder;
    const std::wstring path = folder.File(L"backup.db");
};

TEST_F(ContactBackupLimits, AsManyRowsAsTheLimitAreRead)
{
    MakeBackup(std::string(kContactsBackupTableSql) +
               "; insert into Contacts(SIPUri) with recursive n(i) as (select 1 union all select i + 1 from n "
               "limit " + std::to_string(kMaxBackupRows) + ") select 'sip:n' || i from n");
    const BackupImport imported = ImportContactsBackup(path.c_str(), g_database, nullptr);
    EXPECT_TRUE(imported.isBackup) << imported.error;
    EXPECT_EQ(kMaxBackupRows, imported.rows);
    EXPECT_EQ(kMaxBackupRows, imported.stored);
}

TEST_F(ContactBackupLimits, ARowWithoutAnAddressIsNeverStored)
{
    // SQLite lets a text key be NULL, and more than once.
    MakeBackup(std::string(kContactsBackupTableSql) +
               "; insert into Contacts(SIPUri) values(NULL)"
               "; insert into Contacts(SIPUri, FirstName) values(NULL, 'QQ')"
               "; insert into Contacts(SIPUri, NickName, subscribed) values('', 'Tm8', 1)"
               "; insert into Contacts(SIPUri) values('sip:kept@sip.example')");
    RecordingSink sink;
    const BackupImport imported = ImportContactsBackup(path.c_str(), g_database, &sink);
    EXPECT_TRUE(imported.isBackup) << imported.error;
    EXPECT_EQ(4, imported.rows);
    EXPECT_EQ(3, imported.refused);
    EXPECT_EQ(1, imported.stored);
    EXPECT_EQ(0, imported.failedRows);
    EXPECT_THAT(sink.addresses, ElementsAre("sip:kept@sip.example"));
    const TableRows rows = ContactsOf(g_database);
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ("sip:kept@sip.example", rows[0][0]);
}

// The file change counter in the database header (bytes 24-27, big-endian) counts the write
// transactions that reached the file.
// Read beside the open connection, so its sharing is allowed.
unsigned ChangeCounter(const CString& databasePath)
{
    const HANDLE file = ::CreateFileW(databasePath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    unsigned char header[28] = {};
    DWORD got = 0;
    const BOOL read = ::ReadFile(file, header, sizeof header, &got, nullptr);
    ::CloseHandle(file);
    if (!read || got != sizeof header)
        return 0;
    unsigned counter = 0;
    for (int b = 24; b < 28; ++b)
        counter = counter << 8 | header[b];
    return counter;
}

TEST_F(ContactBackupLimits, EveryRowOfOneImportIsStoredInOneTransaction)
{
    MakeBackup(std::string(kContactsBackupTableSql) +
               "; insert into Contacts(SIPUri) values('sip:a@sip.example'), ('sip:b@sip.example'), "
               "('sip:c@sip.example'), ('sip:d@sip.example')");
    const CString database = Utf8ToWide(g_database.Path());
    const unsigned before = ChangeCounter(database);
    ASSERT_NE(0u, before);
    const BackupImport imported = ImportContactsBackup(path.c_str(), g_database, nullptr);
    EXPECT_EQ(4, imported.stored);
    EXPECT_EQ(before + 1, ChangeCounter(database));
}

TEST_F(ContactBackupLimits, ACommitTheDatabaseRefusesStoresNothingAndShowsNothing)
{
    MakeBackup(std::string(kContactsBackupTableSql) +
               "; insert into Contacts(SIPUri, GroupName) values('sip:a@sip.example', 'Tm9uZQ'), "
               "('sip:b@sip.example', 'Tm9uZQ')");
    // A key checked only at commit: no Groups row names the file's group.
    ASSERT_TRUE(g_database.Exec("drop table Contacts"));
    ASSERT_TRUE(g_database.Exec(std::string(kContactsBackupTableSql).insert(
        std::string(kContactsBackupTableSql).size() - 1,
        ", foreign key(GroupName) references Groups(GroupName) deferrable initially deferred")));
    ASSERT_TRUE(g_database.Exec("pragma foreign_keys = on"));
    RecordingSink sink;
    const BackupImport imported = ImportContactsBackup(path.c_str(), g_database, &sink);
    g_database.Exec("pragma foreign_keys = off");
    EXPECT_TRUE(imported.isBackup);
    EXPECT_EQ(0, imported.stored);
    EXPECT_EQ(2, imported.failedRows);
    EXPECT_NE(std::string::npos, imported.error.find("FOREIGN KEY")) << imported.error;
    EXPECT_TRUE(sink.addresses.empty());
    EXPECT_TRUE(ContactsOf(g_database).empty());
    EXPECT_FALSE(g_database.InTransaction());
}

} // namespace
} // namespace windows_test
