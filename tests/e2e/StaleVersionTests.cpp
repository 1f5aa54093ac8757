// A version row damaged by one byte at start-up: the table it names is rebuilt, but only after
// the database file as it was is kept beside it, and the user is told where it went.
#include "tests/e2e/SignInChecks.h"

#include "core/TavikSQL.h"
#include "core/TextConvert.h"

#include <gtest/gtest.h>

namespace {

using e2e::LumeoProcess;
using e2e::ProgramCopy;

using namespace e2e_test;

const std::wstring kSetAside =
    L"Stored data that did not fit this version of Lumeo was set aside. The database as it was is kept in:\n";

// The copies start-up left in the data folder.
std::vector<std::wstring> KeptCopies(const ProgramCopy& copy)
{
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW entry{};
    const HANDLE search = ::FindFirstFileW(copy.Path(L"data\\Data-*.db").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    do {
        found.push_back(copy.Path(L"data\\") + entry.cFileName);
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
    return found;
}

TEST(StaleVersion, ADamagedUserVersionKeepsTheAccountInACopyAndSaysWhere)
{
    const ProgramCopy copy;
    ASSERT_TRUE(copy.Ready());
    const e2e::TypedAccount account;
    ASSERT_TRUE(e2e::StoreAccount(copy, account));
    ASSERT_TRUE(e2e::ExecSql(copy, "update Version set UserVer = '0.8.2014.0.06'"));   // 1.8 read as 0.8

    const LumeoProcess lumeo(copy);
    // The account is no longer in the database: the sign-in window asks for one.
    const HWND login = lumeo.WaitForWindow(L"IDW_LOGINWINDOW");
    ASSERT_NE(nullptr, login);
    const std::vector<std::wstring> copies = KeptCopies(copy);
    ASSERT_EQ(1u, copies.size());
    const std::vector<e2e::ShownPrompt> prompts = lumeo.Prompts();
    ASSERT_EQ(1u, prompts.size()) << Describe(prompts);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), prompts[0].style);
    EXPECT_EQ(kSetAside + copies[0], prompts[0].text);
    ASSERT_TRUE(e2e::Click(login, IDC_BTN_CLOSE));
    ASSERT_TRUE(lumeo.WaitForExit());

    TavikSQL kept;
    ASSERT_TRUE(kept.OpenReadOnly(WideToUtf8(CString(copies[0].c_str()))));
    SqlTable rows;
    ASSERT_TRUE(kept.Query("select UserName from User where SIPUri = ?", {e2e::SipUriOf(account)}, rows));
    ASSERT_EQ(1, rows.Rows());
    EXPECT_STREQ(account.userName.c_str(), rows.Value(0, 0));
}

} // namespace
