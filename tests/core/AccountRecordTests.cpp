#include "core/AccountRecord.h"
#include "core/CoreUiTexts.h"
#include "core/Database.h"
#include "core/OptionsRecord.h"
#include "core/TavikSQL.h"
#include "tests/core/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// A fresh Data.db in a temporary folder on g_database, with clean globals around each test.
class AccountRecordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folders_.program = core_test::AnsiPath(dir_.Path());
        folders_.localAppData = core_test::AnsiPath(dir_.Path());
        ASSERT_TRUE(OpenDatabase(g_database, folders_));
        g_options = OptionsRecord();
        g_account = AccountRecord();
        CoreUiTextSlots slots;
        slots.defaultGroupName = &defaultGroup_;
        BindCoreUiTexts(slots);
    }

    void TearDown() override
    {
        g_database.Close();
        BindCoreUiTexts(CoreUiTextSlots());
        g_options = OptionsRecord();
        g_account = AccountRecord();
    }

    static Rows Query(const std::string& sql)
    {
        SqlTable table;
        std::string error;
        EXPECT_TRUE(g_database.GetTable(sql, table, &error)) << sql << ": " << error;
        Rows rows;
        for (int r = 0; r < table.Rows(); ++r) {
            rows.emplace_back();
            for (int c = 0; c < table.Columns(); ++c)
                rows.back().push_back(table.Value(r, c) ? table.Value(r, c) : "<null>");
        }
        return rows;
    }

    static void Exec(const std::string& sql)
    {
        std::string error;
        ASSERT_TRUE(g_database.Exec(sql, nullptr, nullptr, &error)) << sql << ": " << error;
    }

    // A complete account whose key is sip:alice@proxy.example.org:<port>.
    static AccountRecord Account(int port = 5060)
    {
        AccountRecord account;
        account.UserName = "alice";
        account.Password = "7210FE2426E1293A";
        account.ProxyServer = "proxy.example.org";
        account.ProxyPort = port;
        account.SIPUri = "sip:alice@proxy.example.org:" + std::to_string(port);
        return account;
    }

    lumeo_test::TempDir dir_;
    DatabaseFolders folders_;
    CString defaultGroup_ = L"Standard caf\u00E9";
};

TEST_F(AccountRecordTest, SavingTheSameKeyTwiceKeepsOneRowAnotherPortAddsOne)
{
    g_account = Account();
    g_account.AuthName = "first";
    ASSERT_TRUE(SaveAccount());
    g_account.AuthName = "second";
    ASSERT_TRUE(SaveAccount());
    EXPECT_EQ((Rows{{"sip:alice@proxy.example.org:5060", "second"}}), Query("select SIPUri, AuthName from User"));

    g_account = Account(5070);
    ASSERT_TRUE(SaveAccount());
    EXPECT_EQ((Rows{{"sip:alice@proxy.example.org:5060"}, {"sip:alice@proxy.example.org:5070"}}),
              Query("select SIPUri from User order by SIPUri"));
}

TEST_F(AccountRecordTest, SavedRowHoldsEveryFieldWithKeepAliveAndRportSet)
{
    g_account = Account();
    g_account.AuthName = "auth";
    g_account.UserDomain = "example.org";
    g_account.StunServer = "stun.example.org";
    g_account.StunServerPort = 3478;
    g_account.RegVal = 300;
    g_account.XMPPUserName = "xu";
    g_account.XMPPPassword = "xp";
    g_account.XMPPServer = "xs";
    g_account.XMPPServerPort = 5222;
    g_account.XMPPTLS = true;
    g_account.XMPPResource = "xr";
    g_account.Tls = true;
    g_account.Srtp = false;
    g_account.displayName = "Alice";
    g_account.Transport = 2;
    g_account.OutboundServer = "out.example.org";
    g_account.OutboundPort = 5080;
    g_account.ipv6 = 1;
    ASSERT_TRUE(SaveAccount());
    EXPECT_EQ((Rows{{"sip:alice@proxy.example.org:5060", "alice", "auth", "7210FE2426E1293A", "proxy.example.org",
                     "5060", "example.org", "stun.example.org", "3478", "300", "1", "1", "xu", "xp", "xs", "5222", "1",
                     "xr", "1", "0", "Alice", "2", "out.example.org", "5080", "1"}}),
              Query("select * from User"));
}

TEST_F(AccountRecordTest, AutoSignInChoosesWhatTheNextStartLoads)
{
    g_options.NetworkInterface = "eth0";
    g_options.LastLoginUri = "sip:last@example.org";
    g_account = Account();
    g_account.AutoSignIn = true;
    ASSERT_TRUE(SaveAccount());
    EXPECT_EQ((Rows{{"sip:alice@proxy.example.org:5060", "eth0", "sip:last@example.org"}}),
              Query("select AutoLoginSIPUri, NetworkInterface, LastLoginUri from Options where ID = 1"));

    g_account.AutoSignIn = false;
    ASSERT_TRUE(SaveAccount());
    EXPECT_EQ((Rows{{"", "eth0", "sip:last@example.org"}}),
              Query("select AutoLoginSIPUri, NetworkInterface, LastLoginUri from Options where ID = 1"));
    EXPECT_EQ("", g_options.AutoLoginSIPUri) << "the record itself is not changed";
}

TEST_F(AccountRecordTest, TheAutoSignInChoiceStoresItsValuesAsTheyAreForEitherChoice)
{
    OptionsRecord options;
    options.NetworkInterface = "eth0";
    options.LastLoginUri = "sip:o'neil@example.org";
    AccountRecord account;
    account.SIPUri = "sip:alice@proxy.example.org:5060";
    const struct {
        bool autoSignIn;
        const char* address;
    } kCases[] = {{true, "sip:alice@proxy.example.org:5060"}, {false, ""}};
    for (const auto& c : kCases) {
        account.AutoSignIn = c.autoSignIn;
        EXPECT_TRUE(RecordAutoSignIn(g_database, account, options)) << "automatic sign-in " << c.autoSignIn;
        EXPECT_EQ((Rows{{c.address, "eth0", "sip:o'neil@example.org"}}),
                  Query("select AutoLoginSIPUri, NetworkInterface, LastLoginUri from Options where ID = 1"))
            << "automatic sign-in " << c.autoSignIn;
    }
    Exec("drop table Options");
    EXPECT_FALSE(RecordAutoSignIn(g_database, account, options));
}

TEST_F(AccountRecordTest, FirstSaveAddsTheDefaultGroupOnce)
{
    g_account = Account();
    ASSERT_TRUE(SaveAccount());
    ASSERT_TRUE(SaveAccount());
    g_account = Account(5070);
    ASSERT_TRUE(SaveAccount());
    // "Standard café" in the ANSI code page, URL-safe Base64.
    EXPECT_EQ((Rows{{"U3RhbmRhcmQgY2Fm6Q..", "10"}}), Query("select GroupName, GroupKey from Groups"));
}

TEST_F(AccountRecordTest, NoDefaultGroupWhenGroupsAlreadyHoldOne)
{
    Exec("insert into Groups(GroupName, GroupKey) values('RnJpZW5kcw..', 3)");
    g_account = Account();
    ASSERT_TRUE(SaveAccount());
    EXPECT_EQ((Rows{{"RnJpZW5kcw..", "3"}}), Query("select GroupName, GroupKey from Groups"));
}

TEST_F(AccountRecordTest, IncompleteAccountsAreRefusedAndWriteNothing)
{
    const std::function<void(AccountRecord&)> spoilers[] = {
        [](AccountRecord& a) { a.UserName.clear(); },
        [](AccountRecord& a) { a.Password.clear(); },
        [](AccountRecord& a) { a.ProxyServer.clear(); },
        [](AccountRecord& a) { a.ProxyPort = 0; },
        [](AccountRecord& a) { a.ProxyPort = -5060; },
    };
    g_options.NetworkInterface = "eth0";
    const Rows optionsBefore = Query("select AutoLoginSIPUri, NetworkInterface, LastLoginUri from Options");
    for (const auto& spoil : spoilers) {
        g_account = Account();
        g_account.AutoSignIn = true;
        spoil(g_account);
        EXPECT_FALSE(g_account.IsComplete());
        EXPECT_FALSE(SaveAccount());
    }
    EXPECT_TRUE(Query("select * from User").empty());
    EXPECT_TRUE(Query("select * from Groups").empty());
    EXPECT_EQ(optionsBefore, Query("select AutoLoginSIPUri, NetworkInterface, LastLoginUri from Options"));
}

TEST_F(AccountRecordTest, TextsHoldingQuotesRoundTrip)
{
    const std::string awkward = "O'Brien's \"box\" %s ; -- caf\xE9";
    g_account = Account();
    for (std::string* field : {&g_account.AuthName, &g_account.UserDomain, &g_account.StunServer,
                               &g_account.XMPPUserName, &g_account.XMPPPassword, &g_account.XMPPServer,
                               &g_account.XMPPResource, &g_account.displayName, &g_account.OutboundServer})
        *field = awkward;
    g_account.UserName = "o'neil";
    g_account.Password = "pass'word";
    g_account.ProxyServer = "proxy'quoted";
    g_account.SIPUri = "sip:o'neil@proxy'quoted:5060";
    g_account.AutoSignIn = true;
    g_options.NetworkInterface = "if'0";
    g_options.LastLoginUri = "sip:it's@example.org";
    const AccountRecord saved = g_account;
    ASSERT_TRUE(SaveAccount());
    ASSERT_TRUE(SaveAccount()) << "the delete of the old row must survive the quote too";
    EXPECT_EQ(1u, Query("select * from User").size());

    g_options = OptionsRecord();
    bool loaded = false;
    ASSERT_TRUE(LoadOptions(loaded));
    EXPECT_EQ("if'0", g_options.NetworkInterface);
    EXPECT_EQ("sip:it's@example.org", g_options.LastLoginUri);
    ASSERT_EQ(saved.SIPUri, g_options.AutoLoginSIPUri);

    g_account.Clear();
    LoadAccount();
    EXPECT_EQ(saved.SIPUri, g_account.SIPUri);
    EXPECT_EQ(saved.UserName, g_account.UserName);
    EXPECT_EQ(saved.Password, g_account.Password);
    EXPECT_EQ(saved.ProxyServer, g_account.ProxyServer);
    for (const std::string* field : {&g_account.AuthName, &g_account.UserDomain, &g_account.StunServer,
                                     &g_account.XMPPUserName, &g_account.XMPPPassword, &g_account.XMPPServer,
                                     &g_account.XMPPResource, &g_account.displayName, &g_account.OutboundServer})
        EXPECT_EQ(awkward, *field);
}

TEST_F(AccountRecordTest, FailedInsertKeepsTheOldRowAndReportsFalse)
{
    g_account = Account();
    g_account.AuthName = "kept";
    ASSERT_TRUE(SaveAccount());
    Exec("create trigger refuse before insert on User when new.AuthName = 'refused' "
         "begin select raise(abort, 'refused'); end");
    g_account.AuthName = "refused";
    g_account.AutoSignIn = true;
    EXPECT_FALSE(SaveAccount());
    EXPECT_EQ((Rows{{"sip:alice@proxy.example.org:5060", "kept"}}), Query("select SIPUri, AuthName from User"));
    EXPECT_EQ((Rows{{""}}), Query("select AutoLoginSIPUri from Options"));

    g_account.AuthName = "next";
    EXPECT_TRUE(SaveAccount()) << "no transaction may be left open";
    EXPECT_EQ((Rows{{"next"}}), Query("select AuthName from User"));
}

TEST_F(AccountRecordTest, SaveCreatesTheUserTableWhenMissing)
{
    Exec("drop table User");
    g_account = Account();
    ASSERT_TRUE(SaveAccount());
    EXPECT_EQ(1u, Query("select * from User").size());
}

struct StoredValueCase {
    const char* column;
    const char* stored;  // an SQL literal, NULL included
    std::function<int(const AccountRecord&)> read;
    int expected;
};

TEST_F(AccountRecordTest, LoadConvertsStoredValuesAsTheRulesSay)
{
    const auto transport = [](const AccountRecord& a) { return a.Transport; };
    const auto tls = [](const AccountRecord& a) { return int{a.Tls}; };
    const auto srtp = [](const AccountRecord& a) { return int{a.Srtp}; };
    const auto xmppTls = [](const AccountRecord& a) { return int{a.XMPPTLS}; };
    const auto ipv6 = [](const AccountRecord& a) { return a.ipv6; };
    const auto proxyPort = [](const AccountRecord& a) { return a.ProxyPort; };
    const auto regVal = [](const AccountRecord& a) { return a.RegVal; };
    const StoredValueCase cases[] = {
        {"Transport", "7", transport, 0},      {"Transport", "3", transport, 3},
        {"Transport", "-1", transport, 0},     {"Transport", "'2'", transport, 2},
        {"Tls", "2", tls, 0},                  {"Tls", "1", tls, 1},
        {"Srtp", "2", srtp, 0},                {"Srtp", "1", srtp, 1},
        {"XMPPTLS", "2", xmppTls, 1},          {"XMPPTLS", "0", xmppTls, 0},
        {"ipv6", "2", ipv6, 0},                {"ipv6", "1", ipv6, 1},
        {"ProxyPort", "'12abc'", proxyPort, 12}, {"ProxyPort", "' -7'", proxyPort, -7},
        {"RegVal", "'none'", regVal, 0},       {"RegVal", "NULL", regVal, 0},
        {"Transport", "NULL", transport, 0},
    };
    const std::string uri = "sip:bob@example.org:5060";
    g_options.AutoLoginSIPUri = uri;
    for (const auto& c : cases) {
        Exec("delete from User");
        Exec(std::string("insert into User(SIPUri, ") + c.column + ") values('" + uri + "', " + c.stored + ")");
        g_account = AccountRecord();
        g_account.Tls = g_account.Srtp = g_account.XMPPTLS = true;  // so that false must be stored
        g_account.ipv6 = 1;
        g_account.RegVal = 77;
        LoadAccount();
        EXPECT_EQ(c.expected, c.read(g_account)) << c.column << " stored as " << c.stored;
    }
}

TEST_F(AccountRecordTest, NullTextsLoadAsEmpty)
{
    Exec("insert into User(SIPUri) values('sip:bob@example.org:5060')");
    g_options.AutoLoginSIPUri = "sip:bob@example.org:5060";
    g_account = Account();
    g_account.displayName = "old";
    LoadAccount();
    EXPECT_EQ("sip:bob@example.org:5060", g_account.SIPUri);
    EXPECT_EQ("", g_account.UserName);
    EXPECT_EQ("", g_account.Password);
    EXPECT_EQ("", g_account.displayName);
    EXPECT_EQ(0, g_account.ProxyPort);
}

TEST_F(AccountRecordTest, LoadMatchesColumnNamesWithoutRegardToCase)
{
    Exec("drop table User");
    Exec("create table User(SIPURI nvarchar(1024) primary key, username char(128), PROXYPORT integer, "
         "TLS integer, DisplayName nvarchar(1024))");
    Exec("insert into User values('sip:x@y:1', 'carol', 5061, 1, 'Carol')");
    g_options.AutoLoginSIPUri = "sip:x@y:1";
    LoadAccount();
    EXPECT_EQ("sip:x@y:1", g_account.SIPUri);
    EXPECT_EQ("carol", g_account.UserName);
    EXPECT_EQ(5061, g_account.ProxyPort);
    EXPECT_TRUE(g_account.Tls);
    EXPECT_EQ("Carol", g_account.displayName);
}

TEST_F(AccountRecordTest, NoMatchingRowOrNoTableLeavesTheRecordAlone)
{
    g_account = Account();
    g_account.AuthName = "unchanged";
    const AccountRecord before = g_account;
    g_options.AutoLoginSIPUri = "sip:nobody@example.org:5060";
    LoadAccount();
    EXPECT_EQ(before.AuthName, g_account.AuthName);
    EXPECT_EQ(before.SIPUri, g_account.SIPUri);

    Exec("drop table User");
    LoadAccount();
    EXPECT_EQ(before.AuthName, g_account.AuthName);
}

TEST(AccountRecord, ConstructionAndClearDefaults)
{
    AccountRecord account;
    EXPECT_EQ(90, account.RegVal);
    EXPECT_EQ(1, account.Transport);
    EXPECT_FALSE(account.AutoSignIn);
    EXPECT_FALSE(account.IsComplete());

    account.SIPUri = account.UserName = account.AuthName = account.Password = "x";
    account.ProxyServer = account.UserDomain = account.StunServer = account.displayName = "x";
    account.XMPPUserName = account.XMPPPassword = account.XMPPServer = account.XMPPResource = "x";
    account.OutboundServer = "x";
    account.ProxyPort = account.StunServerPort = account.XMPPServerPort = account.OutboundPort = 9;
    account.RegVal = 600;
    account.AutoSignIn = account.XMPPTLS = account.Tls = account.Srtp = true;
    account.Transport = 3;
    account.ipv6 = 1;
    account.LatestVersion = "2.0";
    EXPECT_TRUE(account.IsComplete());

    account.Clear();
    AccountRecord expected;
    expected.Transport = 0;
    expected.LatestVersion = "2.0";
    for (const auto& [got, want] : {std::pair{&account.SIPUri, &expected.SIPUri}, {&account.UserName, &expected.UserName},
                                    {&account.AuthName, &expected.AuthName}, {&account.Password, &expected.Password},
                                    {&account.ProxyServer, &expected.ProxyServer},
                                    {&account.UserDomain, &expected.UserDomain},
                                    {&account.StunServer, &expected.StunServer},
                                    {&account.XMPPUserName, &expected.XMPPUserName},
                                    {&account.XMPPPassword, &expected.XMPPPassword},
                                    {&account.XMPPServer, &expected.XMPPServer},
                                    {&account.XMPPResource, &expected.XMPPResource},
                                    {&account.displayName, &expected.displayName},
                                    {&account.LatestVersion, &expected.LatestVersion},
                                    {&account.OutboundServer, &expected.OutboundServer}})
        EXPECT_EQ(*want, *got);
    EXPECT_EQ(0, account.ProxyPort);
    EXPECT_EQ(0, account.StunServerPort);
    EXPECT_EQ(0, account.XMPPServerPort);
    EXPECT_EQ(0, account.OutboundPort);
    EXPECT_EQ(90, account.RegVal);
    EXPECT_FALSE(account.AutoSignIn);
    EXPECT_FALSE(account.XMPPTLS);
    EXPECT_FALSE(account.Tls);
    EXPECT_FALSE(account.Srtp);
    EXPECT_EQ(0, account.Transport);
    EXPECT_EQ(0, account.ipv6);
    EXPECT_EQ("2.0", account.LatestVersion);
}

} // namespace
