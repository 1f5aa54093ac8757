// A user's day with the real Lumeo.exe, one story per test, each from a fresh copy of the
// program folder: the first start, a second start while it runs, exit and the next start,
// and a switch to Russian.
#include "tests/e2e/SignInChecks.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

namespace {

using e2e::LumeoProcess;
using e2e::ProgramCopy;
using namespace e2e_test;

constexpr UINT kNimAdd = NIM_ADD;
constexpr UINT kNimDelete = NIM_DELETE;

// The tray calls of a run, as "<message> <icon id>".
std::vector<std::wstring> TrayCalls(const LumeoProcess& lumeo)
{
    std::vector<std::wstring> calls;
    for (const e2e::SeamLine& line : lumeo.ShellCalls()) {
        if (line.kind == "tray")
            calls.push_back(line.first + L" " + line.second);
    }
    return calls;
}

std::wstring TrayCall(UINT message)
{
    return std::to_wstring(message) + L" 128";
}

// The main window of a run that signs in with `account`, once the registration has come back:
// the status line then shows the user's name.
HWND SignedInMainWindow(const LumeoProcess& lumeo, const e2e::TypedAccount& account)
{
    const HWND main = lumeo.WaitForWindow(L"IDW_MAIN");
    EXPECT_NE(nullptr, main);
    if (!main)
        return nullptr;
    ExpectSignedInWith(lumeo, account);
    EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::ControlText(main, IDC_STA_USERNAME) == Wide(account.userName); }))
        << "status: " << ::testing::PrintToString(e2e::ControlText(main, IDC_STA_USERNAME));
    return main;
}

TEST(Story, FirstStart)
{
    const ProgramCopy copy;
    ASSERT_TRUE(copy.Ready());
    const LumeoProcess lumeo(copy);
    const HWND login = lumeo.WaitForWindow(L"IDW_LOGINWINDOW");
    ASSERT_NE(nullptr, login);
    EXPECT_TRUE(lumeo.Journal().empty()) << "the engine started before an account was given";

    const e2e::TypedAccount account;
    TypeAccount(login, account);
    ASSERT_TRUE(e2e::SetCheck(login, IDC_CHECK_AUTOLOGIN, true));
    ASSERT_TRUE(e2e::Click(login, IDC_BTN_LOGIN));
    const HWND main = SignedInMainWindow(lumeo, account);
    ASSERT_NE(nullptr, main);
    EXPECT_EQ((std::vector<std::wstring>{TrayCall(kNimAdd)}), TrayCalls(lumeo));
    EXPECT_TRUE(lumeo.Prompts().empty()) << Describe(lumeo.Prompts());
    ExitThroughMenu(lumeo, main);

    // What the sign-in window stored: the account, and it as the one to sign in with next time.
    EXPECT_EQ((e2e::SqlRows{{e2e::SipUriOf(account), account.userName, account.server, "5060"}}),
              e2e::QuerySql(copy, "select SIPUri, UserName, ProxyServer, ProxyPort from User"));
    EXPECT_EQ((e2e::SqlRows{{e2e::SipUriOf(account)}}), e2e::QuerySql(copy, "select AutoLoginSIPUri from Options"));
}

TEST(Story, SecondStartWhileRunning)
{
    const ProgramCopy copy;
    ASSERT_TRUE(copy.Ready());
    const e2e::TypedAccount account;
    ASSERT_TRUE(e2e::StoreAccount(copy, account));
    const LumeoProcess first(copy);
    const HWND main = SignedInMainWindow(first, account);
    ASSERT_NE(nullptr, main);
    const size_t firstCalls = first.Journal().size();
    const std::string tables[] = {"select * from Options", "select * from User", "select * from Groups"};
    std::vector<e2e::SqlRows> before;
    for (const std::string& query : tables)
        before.push_back(e2e::QuerySql(copy, query));

    {
        const LumeoProcess second(copy);
        ASSERT_TRUE(second.WaitForExit()) << "the second start kept running";
        const std::vector<e2e::ShownPrompt> prompts = second.Prompts();
        ASSERT_EQ(1u, prompts.size()) << Describe(prompts);
        EXPECT_EQ(L"Lumeo is already running.", prompts[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), prompts[0].style);
        EXPECT_TRUE(second.Journal().empty()) << "the second start reached the engine";
        EXPECT_TRUE(second.ShellCalls().empty()) << "the second start touched the tray";
    }

    EXPECT_TRUE(first.Running());
    EXPECT_EQ(main, first.WaitForWindow(L"IDW_MAIN", 0)) << "the first copy's window went";
    EXPECT_EQ(Wide(account.userName), e2e::ControlText(main, IDC_STA_USERNAME));
    EXPECT_EQ(firstCalls, first.Journal().size()) << "the first copy's engine was called";
    for (size_t i = 0; i < std::size(tables); ++i)
        EXPECT_EQ(before[i], e2e::QuerySql(copy, tables[i])) << tables[i];
    ExitThroughMenu(first, main);
}

TEST(Story, ExitSignsOutAndTheNextStartSignsInAgain)
{
    const ProgramCopy copy;
    ASSERT_TRUE(copy.Ready());
    const e2e::TypedAccount account;
    ASSERT_TRUE(e2e::StoreAccount(copy, account));
    {
        const LumeoProcess lumeo(copy);
        const HWND main = SignedInMainWindow(lumeo, account);
        ASSERT_NE(nullptr, main);
        const size_t before = lumeo.Journal().size();
        ExitThroughMenu(lumeo, main);
        const std::vector<std::string> journal = lumeo.Journal();
        const std::vector<std::string> exitCalls(journal.begin() + static_cast<std::ptrdiff_t>(before), journal.end());
        const auto called = [&](const std::string& function) {
            for (const std::string& line : exitCalls) {
                if (line.compare(0, function.size() + 1, function + "(") == 0)
                    return true;
            }
            return false;
        };
        EXPECT_TRUE(called("Tavik_unRegisterServer")) << ::testing::PrintToString(exitCalls);
        EXPECT_TRUE(called("Tavik_unInitialize")) << ::testing::PrintToString(exitCalls);
        const std::vector<std::wstring> tray = TrayCalls(lumeo);
        ASSERT_FALSE(tray.empty());
        EXPECT_EQ(TrayCall(kNimAdd), tray.front());
        EXPECT_EQ(TrayCall(kNimDelete), tray.back());
    }
    // Had the sign-in window been shown, nobody would answer it and no main window would come.
    const LumeoProcess again(copy);
    const HWND main = SignedInMainWindow(again, account);
    ASSERT_NE(nullptr, main);
    ExitThroughMenu(again, main);
}

TEST(Story, RussianAfterARestart)
{
    const ProgramCopy copy;
    ASSERT_TRUE(copy.Ready());
    const e2e::TypedAccount account;
    ASSERT_TRUE(e2e::StoreAccount(copy, account));
    {
        const LumeoProcess lumeo(copy);
        const HWND main = SignedInMainWindow(lumeo, account);
        ASSERT_NE(nullptr, main);
        ASSERT_TRUE(e2e::Command(main, ID_LANGUAGE_RUSSIAN));
        ASSERT_TRUE(e2e::WaitUntil([&] { return !lumeo.Prompts().empty(); }));
        EXPECT_EQ(L"The new language will be used the next time you start Lumeo.", lumeo.Prompts()[0].text);
        // The texts on show stay as they were until the next start.
        EXPECT_EQ(L"Contacts", e2e::ControlText(main, IDC_RAD_CONTACTS));
        ExitThroughMenu(lumeo, main);
    }
    EXPECT_EQ((e2e::SqlRows{{"SP_RUS"}}), e2e::QuerySql(copy, "select Language from Options"));

    const LumeoProcess again(copy);
    const HWND main = SignedInMainWindow(again, account);
    ASSERT_NE(nullptr, main);
    const std::pair<int, std::wstring> tabs[] = {
        {IDC_RAD_CONTACTS, L"Контакты"}, {IDC_RAD_CALLPHONES, L"Звонок"}, {IDC_RAD_HISTORY, L"Журнал"}};
    for (const auto& [id, text] : tabs)
        EXPECT_EQ(text, e2e::ControlText(main, id)) << "control " << id;
    ExitThroughMenu(again, main);
}

} // namespace
