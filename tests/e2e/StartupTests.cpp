// Proves the program's start-up and exit end to end: the real Lumeo.exe in a fresh folder asks
// for an account or signs in with the stored one, refuses to start with the right message at
// each failed check, and ends when its sign-in window is closed or Exit is chosen.
#include "tests/e2e/SignInChecks.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>

namespace {

using e2e::LumeoProcess;
using e2e::ProgramCopy;

using namespace e2e_test;

constexpr UINT kInformation = MB_ICONINFORMATION;

TEST(Startup, AFreshFolderAsksForAnAccountAndClosingTheSignInWindowEndsQuietly)
{
    const ProgramCopy copy;
    ASSERT_TRUE(copy.Ready());
    const LumeoProcess lumeo(copy);
    ASSERT_TRUE(lumeo.Started());
    const HWND login = lumeo.WaitForWindow(L"IDW_LOGINWINDOW");
    ASSERT_NE(nullptr, login);
    ASSERT_TRUE(e2e::Click(login, IDC_BTN_CLOSE));
    ASSERT_TRUE(lumeo.WaitForExit());
    EXPECT_TRUE(lumeo.Prompts().empty()) << Describe(lumeo.Prompts());
    EXPECT_TRUE(lumeo.Journal().empty()) << "the engine was started without an account";
}

TEST(Startup, AStoredCompleteAccountOpensTheMainWindowAndSignsIn)
{
    const ProgramCopy copy;
    ASSERT_TRUE(copy.Ready());
    const e2e::TypedAccount account;
    ASSERT_TRUE(e2e::StoreAccount(copy, account));
    const LumeoProcess lumeo(copy);
    const HWND main = lumeo.WaitForWindow(L"IDW_MAIN");
    ASSERT_NE(nullptr, main);
    for (const auto& [window, id] : lumeo.VisibleWindows())
        EXPECT_NE(L"IDW_LOGINWINDOW", id) << "the sign-in window was shown for a complete account";
    ExpectSignedInWith(lumeo, account);
    ExitThroughMenu(lumeo, main);
    EXPECT_TRUE(lumeo.Prompts().empty()) << Describe(lumeo.Prompts());
}

TEST(Startup, AProxyPortOfZeroAsksForTheAccountAndTheTypedOneSignsIn)
{
    const ProgramCopy copy;
    ASSERT_TRUE(copy.Ready());
    e2e::TypedAccount account;
    ASSERT_TRUE(e2e::StoreAccount(copy, account));
    ASSERT_TRUE(e2e::ExecSql(copy, "update User set ProxyPort = 0"));
    const LumeoProcess lumeo(copy);
    const HWND login = lumeo.WaitForWindow(L"IDW_LOGINWINDOW");
    ASSERT_NE(nullptr, login);

    account.port = 5070;
    TypeAccount(login, account);
    ASSERT_TRUE(e2e::Click(login, IDC_BTN_LOGIN));
    const HWND main = lumeo.WaitForWindow(L"IDW_MAIN");
    ASSERT_NE(nullptr, main);
    ExpectSignedInWith(lumeo, account);
    ExitThroughMenu(lumeo, main);
    const e2e::SqlRows rows = e2e::QuerySql(copy, "select ProxyPort from User where SIPUri = '" + e2e::SipUriOf(account) + "'");
    EXPECT_EQ((e2e::SqlRows{{"5070"}}), rows) << "the typed account was not stored";
}

// A start that is refused: the one message shown, and no window.
void ExpectRefused(const ProgramCopy& copy, const std::wstring& text, const char* row,
                   const e2e::Environment& extra = {})
{
    const LumeoProcess lumeo(copy, extra);
    ASSERT_TRUE(lumeo.Started()) << row;
    EXPECT_TRUE(lumeo.WaitForExit()) << row << ": still running";
    const std::vector<e2e::ShownPrompt> prompts = lumeo.Prompts();
    ASSERT_EQ(1u, prompts.size()) << row << "\n" << Describe(prompts);
    EXPECT_EQ("prompt", prompts[0].kind) << row;
    EXPECT_EQ(kInformation, prompts[0].style) << row;
    EXPECT_EQ(text, prompts[0].text) << row;
    EXPECT_TRUE(lumeo.Journal().empty()) << row << ": the engine was started";
}

// The deciphered language file cannot be written: a folder stands where it goes.
bool BreakLanguageFile(const ProgramCopy& copy)
{
    for (const wchar_t* folder : {L"Language", L"Language\\Lumeo", L"Language\\Lumeo\\SP_ENG.INI"})
        ::CreateDirectoryW(copy.Path(folder).c_str(), nullptr);
    const DWORD attributes = ::GetFileAttributesW(copy.Path(L"Language\\Lumeo\\SP_ENG.INI").c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A folder stands where a skin file goes, so it can be neither read nor written.
bool BlockSkinFile(const ProgramCopy& copy, const wchar_t* file)
{
    for (const std::wstring& folder : {std::wstring(L"Skins"), std::wstring(L"Skins\\Lumeo"),
                                      std::wstring(L"Skins\\Lumeo\\") + file})
        ::CreateDirectoryW(copy.Path(folder).c_str(), nullptr);
    const DWORD attributes = ::GetFileAttributesW(copy.Path(std::wstring(L"Skins\\Lumeo\\") + file).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring NamingSkinFile(const ProgramCopy& copy, const std::wstring& text, const wchar_t* file)
{
    return text + L"\r\n" + copy.Path(std::wstring(L"Skins\\Lumeo\\") + file);
}

const std::wstring kLanguageFailed = L"Load language file failed, Softphone will exit.";
const std::wstring kAlreadyRunning = L"Lumeo is already running.";

TEST(Startup, EachFailedCheckShowsItsTextAndEndsTheProgram)
{
    struct Case {
        const char* row;
        std::function<bool(const ProgramCopy&)> breakIt;
        std::wstring text;
        const wchar_t* file = nullptr;   // the skin file named on the text's next line
    };
    const Case cases[] = {
        {"a skin that cannot be read",
         [](const ProgramCopy& copy) { return copy.ReplaceResource(L"SKINFILES", IDR_SKIN_XUI, "<not a skin"); },
         L"The skin files could not be loaded. Lumeo will close."},
        // Mended: without a row start-up would wait for ever for the options.
        {"an Options table without its row",
         [](const ProgramCopy& copy) {
             return e2e::StoreAccount(copy, e2e::TypedAccount()) && e2e::ExecSql(copy, "delete from Options");
         },
         L"The database could not be opened. Lumeo will close."},
        {"a database file that is not a database",
         [](const ProgramCopy& copy) {
             return ::CreateDirectoryW(copy.Path(L"data").c_str(), nullptr) &&
                    e2e::WriteFileBytes(copy.Database(), std::string(4096, 'x'));
         },
         L"The database could not be opened. Lumeo will close."},
        {"a language file that cannot be written out", &BreakLanguageFile, kLanguageFailed},
        // Mended: these were reported as a failed language file.
        {"a skin file that cannot be written out", [](const ProgramCopy& copy) { return BlockSkinFile(copy, L"the.xui"); },
         L"A skin file could not be written. Lumeo will close.", L"the.xui"},
        {"a skin id table that cannot be written out",
         [](const ProgramCopy& copy) { return BlockSkinFile(copy, L"Resource.h"); },
         L"A skin file could not be written. Lumeo will close.", L"Resource.h"},
        // Mended: the program ended without a word.
        {"a main window image that can be neither read nor written out",
         [](const ProgramCopy& copy) {
             return e2e::StoreAccount(copy, e2e::TypedAccount()) && BlockSkinFile(copy, L"Main.bmp");
         },
         L"The main window's skin image could not be read.", L"Main.bmp"},
    };
    for (const Case& c : cases) {
        const ProgramCopy copy;
        ASSERT_TRUE(copy.Ready());
        ASSERT_TRUE(c.breakIt(copy)) << c.row;
        ExpectRefused(copy, c.file ? NamingSkinFile(copy, c.text, c.file) : c.text, c.row);
    }
}

TEST(Startup, WhileOneCopyRunsASecondIsRefusedAndABrokenLanguageFileIsReportedFirst)
{
    const ProgramCopy first;
    ASSERT_TRUE(first.Ready());
    const LumeoProcess running(first);
    ASSERT_NE(nullptr, running.WaitForWindow(L"IDW_LOGINWINDOW"));

    // The same program started again.
    ExpectRefused(first, kAlreadyRunning, "a second start");
    {
        const ProgramCopy broken;
        ASSERT_TRUE(broken.Ready());
        ASSERT_TRUE(BreakLanguageFile(broken));
        ExpectRefused(broken, kLanguageFailed, "a second copy without its language file");
    }
    EXPECT_TRUE(running.Running()) << "the first copy ended";
    EXPECT_NE(nullptr, running.WaitForWindow(L"IDW_LOGINWINDOW", 0));
}

} // namespace
