// A bounded fuzz of the contacts backup import: a few thousand mutations of one small backup
// (bytes flipped, runs overwritten, the file cut short or a run repeated, mostly in its first
// page, where the schema lies), each from a fixed seed. Every import returns (a hang ends the
// run at its time limit); no file is changed; a refused file stores nothing; an accepted one
// stores exactly the rows it counts, each with an address, and tells of exactly those.
#include "core/Database.h"
#include "core/SqlStatement.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "tests/support/TempDir.h"
#include "windows/contacts/ContactsBackup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace windows_test {
namespace {

using lumeo_test::ReadFileBytes;
using lumeo_test::TempDir;
using lumeo_test::WriteFileBytes;

constexpr int kBackupMutations = 2000;
constexpr int kFuzzContacts = 30;

class CountingImportSink : public ContactImportSink {
public:
    void ContactImported(const ContactRow& row) override
    {
        ++told;
        if (row.sipUri.empty())
            ++toldWithoutAddress;
    }
    int told = 0;
    int toldWithoutAddress = 0;
};

// A backup as the export writes it, with texts long enough to spread over a few pages.
std::string MakeFuzzSeedBackup(const std::wstring& path)
{
    {
        TavikSQL file;
        if (!file.Open(WideToUtf8(CString(path.c_str()))) || !file.Exec(kContactsBackupTableSql))
            return {};
        SqlStatement insert(file, kContactInsertSql);
        for (int i = 0; i < kFuzzContacts; ++i) {
            ContactRow row;
            const std::string n = std::to_string(i);
            row.sipUri = "sip:fuzz" + n + "@sip.example";
            row.email = "fuzz" + n + "@mail.example";
            row.firstName = "Rmlyc3Q" + std::string(static_cast<size_t>(20 + i), 'x');
            row.groupName = i % 2 ? "R3JvdXA" : "RnJpZW5kcw";
            row.icon = "QzpcYXZhdGFyc1xmYWNlMDIuaWNv";
            row.subscribed = i % 3;
            if (!InsertContact(insert, row))
                return {};
        }
    }
    return ReadFileBytes(path);
}

// One mutation of `seed`; three in four land in the first page.
std::string MutateBackup(const std::string& seed, std::mt19937& random)
{
    std::string bytes = seed;
    const auto upTo = [&random](size_t limit) {
        return limit == 0 ? size_t{0} : std::uniform_int_distribution<size_t>(0, limit - 1)(random);
    };
    const size_t area = random() % 4 != 0 ? std::min<size_t>(bytes.size(), 4096) : bytes.size();
    switch (random() % 5) {
    case 0:
    case 1:   // a few bytes flipped
        for (int n = 1 + static_cast<int>(random() % 8); n > 0; --n)
            bytes[upTo(area)] ^= static_cast<char>(1 + random() % 255);
        break;
    case 2: {   // a run overwritten
        const size_t at = upTo(area);
        for (size_t i = at; i < bytes.size() && i < at + 1 + random() % 64; ++i)
            bytes[i] = static_cast<char>(random());
        break;
    }
    case 3:   // cut short
        bytes.resize(upTo(bytes.size()));
        break;
    default: {   // a run repeated further on
        const size_t from = upTo(bytes.size());
        const size_t length = std::min<size_t>(1 + random() % 512, bytes.size() - from);
        const size_t to = upTo(area);
        bytes.replace(to, std::min(length, bytes.size() - to), bytes.substr(from, length));
        break;
    }
    }
    return bytes;
}

int StoredContacts(TavikSQL& database, const char* where = "")
{
    SqlTable table;
    if (!database.GetTable(std::string("select count(*) from Contacts") + where, table) || table.Rows() != 1)
        return -1;
    return std::atoi(table.Value(0, 0));
}

TEST(ContactBackupFuzz, MutatedBackupsNeverChangeTheFileAndStoreOnlyWhatTheyCount)
{
    TempDir folder;
    const std::wstring path = folder.File(L"backup.db");
    const std::string seed = MakeFuzzSeedBackup(path);
    ASSERT_GT(seed.size(), 2u * 4096u) << "the seed spans several pages";

    TavikSQL target;
    const std::string program = WideToAnsi(CString(folder.Path().c_str()));
    ASSERT_TRUE(OpenDatabase(target, DatabaseFolders{program, program}));
    // Only the imports are under test: no need to wait for the disk, or keep a journal file,
    // for each one.
    ASSERT_TRUE(target.Exec("pragma synchronous = off"));
    ASSERT_TRUE(target.Exec("pragma journal_mode = memory"));

    int accepted = 0;
    int refused = 0;
    for (int mutation = 0; mutation < kBackupMutations; ++mutation) {
        std::mt19937 random(static_cast<std::mt19937::result_type>(mutation));
        const std::string bytes = MutateBackup(seed, random);
        ASSERT_TRUE(WriteFileBytes(path, bytes)) << mutation;
        CountingImportSink sink;
        const BackupImport outcome = ImportContactsBackup(path.c_str(), target, &sink);
        ASSERT_EQ(bytes, ReadFileBytes(path)) << "mutation " << mutation << " changed the file";
        const int stored = StoredContacts(target);
        if (!outcome.isBackup) {
            ++refused;
            ASSERT_EQ(0, stored) << "mutation " << mutation << " was refused but stored rows";
            ASSERT_EQ(0, sink.told) << mutation;
            ASSERT_FALSE(outcome.error.empty()) << mutation;
            continue;
        }
        ++accepted;
        ASSERT_EQ(outcome.rows, outcome.refused + outcome.skipped + outcome.stored + outcome.failedRows) << mutation;
        ASSERT_LE(outcome.rows, kMaxBackupRows) << mutation;
        ASSERT_EQ(outcome.stored, stored) << mutation;
        ASSERT_EQ(outcome.stored, sink.told) << mutation;
        ASSERT_EQ(0, sink.toldWithoutAddress) << mutation;
        ASSERT_EQ(0, StoredContacts(target, " where SIPUri is null or SIPUri = ''"))
            << "mutation " << mutation << " stored a contact without an address";
        ASSERT_TRUE(target.Exec("delete from Contacts")) << mutation;
    }
    // Both ways out are taken often, or the mutations miss the point.
    EXPECT_GT(accepted, kBackupMutations / 20) << refused << " refused";
    EXPECT_GT(refused, kBackupMutations / 20) << accepted << " accepted";
}

} // namespace
} // namespace windows_test
