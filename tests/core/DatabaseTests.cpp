#include "core/Base64.h"
#include "core/Database.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"

#include "tests/core/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace {

using core_test::CountRows;
using core_test::DatabaseFixtureFolders;
using core_test::QueryValue;

const char* const kDataTables[] = {"Options", "Groups", "History", "Contacts", "User"};

using Row = std::vector<std::pair<std::string, std::string>>;

// The Options row a fresh file holds, column by column in the table's order, as SQLite gives
// it back.
Row ExpectedDefaultRow(const std::string& program, const std::string& recordFolder)
{
    Row row = {
        {"ID", "1"}, {"AGC", "1"}, {"AEC", "1"}, {"VAD", "0"}, {"CNG", "0"},
        {"ARPath", Base64Encode(program, true)}, {"ARName", "UmVjb3JkRmlsZXM."},
        {"VRPath", Base64Encode(program, true)}, {"VRName", "UmVjb3JkRmlsZXM."},
        {"DTMFMode", "0"}, {"DTMFPayload", "101"}, {"DTMFDuration", "160"}, {"Jitbuffer", "4"},
        {"AudioInputDeviceId", "0"}, {"AudioOutputDeviceId", "0"}, {"VideoDeviceId", "0"}, {"KeepLive", "1"},
        {"AutoLoginSIPUri", ""},
        {"EnableAudioCodec1", "G.729"}, {"EnableAudioCodec2", "G.711 aLaw"}, {"EnableAudioCodec3", "G.711 uLaw"},
    };
    for (int n = 4; n <= 11; ++n)
        row.emplace_back("EnableAudioCodec" + std::to_string(n), "");
    row.insert(row.end(), {
        {"DisableAudioCodec1", "G.722.1"}, {"DisableAudioCodec2", "G.722"}, {"DisableAudioCodec3", "AMR-WB"},
        {"DisableAudioCodec4", "SPEEX-WB"}, {"DisableAudioCodec5", "SPEEX"}, {"DisableAudioCodec6", "GSM"},
        {"DisableAudioCodec7", "iLBC"}, {"DisableAudioCodec8", "AMR"},
    });
    for (int n = 9; n <= 11; ++n)
        row.emplace_back("DisableAudioCodec" + std::to_string(n), "");
    row.insert(row.end(), {
        {"EnableVideoCodec1", "H.264"}, {"EnableVideoCodec2", "H.263"}, {"EnableVideoCodec3", ""},
        {"DisableVideoCodec1", "H.263+(1998)"}, {"DisableVideoCodec2", ""}, {"DisableVideoCodec3", ""},
        {"ReverseLocalVideo", "0"}, {"ReverseReceivedVideo", "0"}, {"ReverseSendingVideo", "0"},
        {"VideoImageQualityLevel", "2"}, {"ForwardTo", ""}, {"BusyForwardTo", ""}, {"NetworkInterface", ""},
        {"DisableCABAC", "0"}, {"NoAnswerForwardTo", ""}, {"NoAnwerWaitSeconds", "0"},
        {"AudioRtpMiniPort", "0"}, {"AudioRtpMaxPort", "0"}, {"VideoRtpMiniPort", "0"}, {"VideoRtpMaxPort", "0"},
        {"Language", "SP_ENG"}, {"EnableMwi", "0"}, {"RtpKeepLive", "1"}, {"LastLoginUri", ""},
        {"AutoUpgrade", "1"}, {"VideoResolution", "1"}, {"SessionTimerTime", "0"}, {"AudioDSCP", "0"},
        {"AudioServiceType", "0"}, {"VideoDSCP", "0"}, {"VideoServiceType", "0"}, {"logLevel", "-1"},
        {"logPath", Base64Encode(recordFolder, true)}, {"RtpKeepAlivePayload", "126"},
        {"DeltaTransmitTimeMS", "40"}, {"Priority", "0"}, {"defaultSoftphone", "1"}, {"displayIdle", "0"},
        {"showTimeStamp", "1"}, {"callImmediately", "0"}, {"recordFolder", Base64Encode(recordFolder, true)},
        {"ANS", "0"},
    });
    return row;
}

void ExpectCurrentVersionRow(TavikSQL& db)
{
    SqlTable table;
    ASSERT_TRUE(db.GetTable("select * from Version", table));
    ASSERT_EQ(table.Rows(), 1);
    const std::map<std::string, std::string> expected = {
        {"ID", "1"}, {"MainVer", "1.8"}, {"OptionsVer", "1.8.2014.0.06"}, {"UserVer", "1.8.2014.0.06"},
        {"ContactsVer", "1.8.2014.0.06"}, {"HistoryVer", "1.8.2014.0.06"}, {"MessagesVer", "1.8.2014.0.06"},
        {"GroupsVer", "1.8.2014.0.06"}};
    std::map<std::string, std::string> actual;
    for (int c = 0; c < table.Columns(); ++c)
        actual[table.Name(c)] = table.Value(0, c) ? table.Value(0, c) : "<NULL>";
    EXPECT_EQ(actual, expected);
}

void ExpectFreshDatabase(const DatabaseFixtureFolders& f)
{
    TavikSQL db;
    ASSERT_TRUE(OpenDatabase(db, f.folders));
    EXPECT_EQ(db.Path(), AnsiToUtf8(f.DataFile()));
    EXPECT_NE(GetFileAttributesA(f.DataFile().c_str()), INVALID_FILE_ATTRIBUTES);

    ExpectCurrentVersionRow(db);
    for (const char* table : kDataTables)
        EXPECT_TRUE(db.TableExists(table)) << table;
    EXPECT_FALSE(db.TableExists("Messages"));
    EXPECT_EQ(CountRows(db, "Groups"), 0);
    EXPECT_EQ(CountRows(db, "History"), 0);
    EXPECT_EQ(CountRows(db, "Contacts"), 0);
    EXPECT_EQ(CountRows(db, "User"), 0);

    SqlTable options;
    ASSERT_TRUE(db.GetTable("select * from Options", options));
    ASSERT_EQ(options.Rows(), 1);
    Row row;
    for (int c = 0; c < options.Columns(); ++c)
        row.emplace_back(options.Name(c), options.Value(0, c) ? options.Value(0, c) : "<NULL>");
    EXPECT_EQ(row, ExpectedDefaultRow(f.folders.program, f.RecordFolder()));

    std::map<std::string, std::string> byName(row.begin(), row.end());
    EXPECT_EQ(Base64Decode(byName["ARPath"]), f.folders.program);
    EXPECT_EQ(Base64Decode(byName["VRName"]), "RecordFiles");
    EXPECT_EQ(Base64Decode(byName["recordFolder"]), f.RecordFolder());
    EXPECT_EQ(Base64Decode(byName["logPath"]), f.RecordFolder());
    EXPECT_TRUE(core_test::IsFolder(f.RecordFolder()));
}

TEST(OpenDatabase, FreshStartCreatesEveryTableAndTheDefaultRow)
{
    DatabaseFixtureFolders f;
    ExpectFreshDatabase(f);
}

TEST(OpenDatabase, TablesAreCreatedWithTheirExactStatements)
{
    // Other windows read and write these tables by column position too.
    const struct {
        const char* table;
        const char* sql;
    } cases[] = {
        {"Version", "create table Version(ID integer primary key,MainVer char(64), OptionsVer char(64), "
                    "UserVer char(64), ContactsVer char(64), HistoryVer char(64), MessagesVer char(64), "
                    "GroupsVer char(64))"},
        {"Groups", "create table Groups(GroupName char(128) primary key, GroupKey integer)"},
        {"History", "create table History(History nvarchar(1024) primary key, Number char(128), CallType integer)"},
        {"Contacts", "create table Contacts(SIPUri nvarchar(1024) primary key, Email char(128), HomePhone char(128), "
                     "WorkPhone char(128), MobilePhone char(128), FirstName char(128), LastName char(128), "
                     "NickName char(128), JobTitle char(128), GroupName char(128), Icon varchar(1024), "
                     "blocked integer, subscribed integer, acceptedsubscribed integer, subscribeid integer)"},
        {"User", "create table User(SIPUri nvarchar(1024) primary key, UserName char(128), AuthName char(128), "
                 "Password char(128), ProxyServer nvarchar(512), ProxyPort integer, UserDomain char(512), "
                 "StunServer nvarchar(512), StunServerPort integer, RegVal integer, KeepLive integer, "
                 "rport integer, XMPPUserName char(128), XMPPPassword char(128), XMPPServer nvarchar(512), "
                 "XMPPServerPort integer, XMPPTLS integer, XMPPResource char(128), Tls integer, Srtp integer, "
                 "displayName nvarchar(1024), Transport integer, OutboundServer nvarchar(512), "
                 "OutboundPort integer, ipv6 integer)"},
    };
    DatabaseFixtureFolders f;
    TavikSQL db;
    ASSERT_TRUE(OpenDatabase(db, f.folders));
    // SQLite keeps each statement as it ran, but for its first two words in capitals.
    const std::string create = "create table";
    for (const auto& c : cases) {
        const std::string expected = "CREATE TABLE" + std::string(c.sql).substr(create.size());
        SqlTable stored;
        ASSERT_TRUE(db.Query("select sql from sqlite_master where name = ?", {c.table}, stored)) << c.table;
        ASSERT_EQ(1, stored.Rows()) << c.table;
        EXPECT_EQ(stored.Value(0, 0), expected)
            << c.table;
    }
}

TEST(OpenDatabase, ProgramFolderWithQuotePercentAndAnsiLetters)
{
    // The path reaches SQLite as UTF-8, the folder is stored in Base64 inside a statement.
    DatabaseFixtureFolders f("O'Brien's 100%s \xC4rger");
    ExpectFreshDatabase(f);
    EXPECT_NE(GetFileAttributesW((f.dir.Path() + L"\\O'Brien's 100%s \u00C4rger\\data\\Data.db").c_str()),
              INVALID_FILE_ATTRIBUTES);
}

// A current file with a row in every table and an edited option, tampered with, then
// opened again.
struct VersionCase {
    const char* name;
    const char* tamper;
    std::vector<std::string> emptied; // data tables that come back empty (Options: default row)
};

class VersionRules : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionRules, DropOnlyWhatIsStale)
{
    const VersionCase& c = GetParam();
    DatabaseFixtureFolders f;
    {
        TavikSQL db;
        ASSERT_TRUE(OpenDatabase(db, f.folders));
        ASSERT_TRUE(db.Exec("update Options set DTMFPayload = 99 where ID = 1"));
        ASSERT_TRUE(db.Exec("insert into Groups(GroupName, GroupKey) values('R3JvdXA.', 10)"));
        ASSERT_TRUE(db.Exec("insert into History(History, Number, CallType) values('h1', '100', 1)"));
        ASSERT_TRUE(db.Exec("insert into Contacts(SIPUri) values('sip:a@b')"));
        ASSERT_TRUE(db.Exec("insert into User(SIPUri, UserName) values('sip:u@p:5060', 'u')"));
        if (*c.tamper) {
            ASSERT_TRUE(db.Exec(c.tamper));
        }
    }

    const std::string before = lumeo_test::ReadFileBytes(std::wstring(AnsiToWide(f.DataFile())));
    TavikSQL db;
    std::string keptCopy = "unchanged";
    ASSERT_TRUE(OpenDatabase(db, f.folders, &keptCopy));
    ExpectCurrentVersionRow(db);
    EXPECT_FALSE(db.TableExists("Messages"));
    for (const char* table : {"Groups", "History", "Contacts", "User"}) {
        const bool emptied = std::find(c.emptied.begin(), c.emptied.end(), table) != c.emptied.end();
        EXPECT_EQ(CountRows(db, table), emptied ? 0 : 1) << table;
    }
    const bool optionsRebuilt = std::find(c.emptied.begin(), c.emptied.end(), "Options") != c.emptied.end();
    EXPECT_EQ(CountRows(db, "Options"), 1);
    EXPECT_EQ(QueryValue(db, "select DTMFPayload from Options"), optionsRebuilt ? "101" : "99");

    // Whatever was dropped (a data table or Version itself) is in a copy of the file as it was,
    // beside it.
    if (!*c.tamper) {
        EXPECT_EQ("", keptCopy);
        return;
    }
    ASSERT_EQ(f.folders.program + "\\data\\", keptCopy.substr(0, f.folders.program.size() + 6)) << keptCopy;
    EXPECT_EQ(before, lumeo_test::ReadFileBytes(std::wstring(AnsiToWide(keptCopy))));
}

TEST(OpenDatabase, ADamagedUserVersionKeepsTheAccountInACopyAndASecondCopyGetsANameOfItsOwn)
{
    DatabaseFixtureFolders f;
    std::vector<std::string> copies;
    for (int start = 0; start < 2; ++start) {
        {
            TavikSQL db;
            ASSERT_TRUE(OpenDatabase(db, f.folders));
            ASSERT_TRUE(db.Run("insert into User(SIPUri, UserName) values(?, ?)", {"sip:u@p:5060", "u"}));
            // One damaged byte: 1.8 read as 0.8.
            ASSERT_TRUE(db.Exec("update Version set UserVer = '0.8.2014.0.06'"));
        }
        TavikSQL db;
        std::string keptCopy;
        ASSERT_TRUE(OpenDatabase(db, f.folders, &keptCopy));
        EXPECT_EQ(0, CountRows(db, "User"));
        ASSERT_FALSE(keptCopy.empty());
        TavikSQL copy;
        ASSERT_TRUE(copy.OpenReadOnly(AnsiToUtf8(keptCopy)));
        EXPECT_EQ(QueryValue(copy, "select UserName from User where SIPUri = 'sip:u@p:5060'"), "u");
        EXPECT_EQ(QueryValue(copy, "select UserVer from Version"), "0.8.2014.0.06");
        copies.push_back(keptCopy);
    }
    EXPECT_NE(copies[0], copies[1]);
}

TEST(OpenDatabase, ACopyThatCannotBeMadeDropsNothing)
{
    DatabaseFixtureFolders f;
    {
        TavikSQL db;
        ASSERT_TRUE(OpenDatabase(db, f.folders));
        ASSERT_TRUE(db.Exec("insert into Contacts(SIPUri) values('sip:a@b')"));
        ASSERT_TRUE(db.Exec("update Version set ContactsVer = '1.7', MainVer = '1.7'"));
    }
    const std::string before = lumeo_test::ReadFileBytes(std::wstring(AnsiToWide(f.DataFile())));
    DatabaseFolders noRoom = f.folders;
    noRoom.keptCopies = f.DataFile() + "\\copies";   // below a file: no folder, no copy
    TavikSQL db;
    std::string keptCopy;
    EXPECT_FALSE(OpenDatabase(db, noRoom, &keptCopy));
    EXPECT_EQ("", keptCopy);
    EXPECT_EQ(1, CountRows(db, "Contacts"));
    EXPECT_EQ(QueryValue(db, "select ContactsVer from Version"), "1.7");
    db.Close();
    EXPECT_EQ(before, lumeo_test::ReadFileBytes(std::wstring(AnsiToWide(f.DataFile()))));
}

INSTANTIATE_TEST_SUITE_P(
    OpenDatabase, VersionRules,
    ::testing::Values(
        VersionCase{"CurrentFileKeepsEverything", "", {}},
        VersionCase{"NoVersionTableRebuildsAllButUser", "drop table Version", {"Options", "Contacts", "History", "Groups"}},
        VersionCase{"ContactsVersionDiffers", "update Version set ContactsVer = '1.7'", {"Contacts"}},
        VersionCase{"OptionsVersionDiffers", "update Version set OptionsVer = '1.8.2014.0.05'", {"Options"}},
        VersionCase{"UserVersionDiffers", "update Version set UserVer = ''", {"User"}},
        VersionCase{"HistoryAndGroupsDiffer", "update Version set HistoryVer = 'x', GroupsVer = 'y'", {"History", "Groups"}},
        VersionCase{"MainVersionDiffersOnlyRebuildsVersion", "update Version set MainVer = '1.7'", {}},
        VersionCase{"MainAndGroupsDiffer", "update Version set MainVer = '2', GroupsVer = '1'", {"Groups"}},
        VersionCase{"VersionWithoutRow", "delete from Version", {}},
        VersionCase{"NullTableVersion", "update Version set HistoryVer = NULL", {}},
        VersionCase{"NullMainVersion", "update Version set MainVer = NULL", {}},
        VersionCase{"UnreadableVersion", "drop table Version; create table Version(ID integer)", {}}),
    [](const ::testing::TestParamInfo<VersionCase>& info) { return std::string(info.param.name); });

TEST(OpenDatabase, SecondOpenOnlyRewritesTheVersion)
{
    DatabaseFixtureFolders f;
    TavikSQL db;
    ASSERT_TRUE(OpenDatabase(db, f.folders));
    const std::string edited = "O'Neil 100% \xE9t\xE9";
    ASSERT_TRUE(db.Run("update Options set ForwardTo = ?, Language = 'SP_FRE'", {edited}));
    ASSERT_TRUE(OpenDatabase(db, f.folders)); // the same object: Open closes and reopens
    EXPECT_EQ(QueryValue(db, "select ForwardTo from Options"), edited);
    EXPECT_EQ(QueryValue(db, "select Language from Options"), "SP_FRE");
    EXPECT_EQ(CountRows(db, "Options"), 1);
    ExpectCurrentVersionRow(db);
}

TEST(OpenDatabase, UnopenableFileFails)
{
    DatabaseFixtureFolders f;
    DatabaseFolders missing = f.folders;
    missing.program += "\\no\\such\\folder";
    TavikSQL db;
    EXPECT_FALSE(OpenDatabase(db, missing));
    EXPECT_FALSE(db.IsOpen());
}

TEST(OpenDatabase, OptionsBlockedByAnotherObjectFails)
{
    DatabaseFixtureFolders f;
    {
        CreateDirectoryA((f.folders.program + "\\data").c_str(), nullptr);
        TavikSQL db;
        ASSERT_TRUE(db.Open(AnsiToUtf8(f.DataFile())));
        ASSERT_TRUE(db.Exec("create table T(a); create index Options on T(a)"));
    }
    TavikSQL db;
    EXPECT_FALSE(OpenDatabase(db, f.folders));
}

} // namespace
