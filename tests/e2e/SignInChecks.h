#pragma once
// Checks the end-to-end tests share: the exact sign-in calls in the engine journal, the
// sign-in window filled as a user fills it, and Exit from the main menu.
#include "resources/ProgramIds.h"
#include "resources/Resource.h"
#include "tests/e2e/driver/LumeoProcess.h"
#include "tests/e2e/driver/StoredData.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace e2e_test {

inline std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

inline std::string Describe(const std::vector<e2e::ShownPrompt>& prompts)
{
    std::string text;
    for (const e2e::ShownPrompt& prompt : prompts) {
        const int length = ::WideCharToMultiByte(CP_UTF8, 0, prompt.text.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(static_cast<size_t>(length > 0 ? length - 1 : 0), '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, prompt.text.c_str(), -1, utf8.data(), length, nullptr, nullptr);
        text += prompt.kind + " " + std::to_string(prompt.style) + " \"" + utf8 + "\"\n";
    }
    return text;
}

// Journal lines, one to a line, for a failure message.
inline std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// The sign-in window's fields, as the user fills them.
inline void TypeAccount(HWND login, const e2e::TypedAccount& account)
{
    ASSERT_TRUE(e2e::TypeInto(login, IDC_CMB_USERNAME, Wide(account.userName)));
    ASSERT_TRUE(e2e::TypeInto(login, IDC_EDT_PASSWORD, Wide(account.password)));
    ASSERT_TRUE(e2e::TypeInto(login, IDC_EDT_SIPSERVER, Wide(account.server)));
    ASSERT_TRUE(e2e::TypeInto(login, IDC_EDT_SIPSERVERPORT, std::to_wstring(account.port)));
}

// The engine was brought up and registered with `account`, once, with exactly these
// arguments (the local port is drawn from 5000 to 8999).
inline void ExpectSignedInWith(const e2e::LumeoProcess& lumeo, const e2e::TypedAccount& account)
{
    ASSERT_TRUE(e2e::WaitUntil([&] { return !lumeo.JournalOf("Tavik_registerServer").empty(); }))
        << "no registration; journal:\n"
        << ::testing::PrintToString(lumeo.Journal());
    const std::vector<std::string> users = lumeo.JournalOf("Tavik_setUserInfo");
    ASSERT_EQ(1u, users.size()) << ::testing::PrintToString(users);
    std::smatch match;
    const std::regex shape("Tavik_setUserInfo\\((\\d+),\"" + account.userName + "\",\"\",\"\",\"" + account.password +
                           "\",\"127\\.0\\.0\\.1\",(\\d+),\"\",\"" + account.server + "\"," +
                           std::to_string(account.port) + ",\"\",0\\)");
    ASSERT_TRUE(std::regex_match(users[0], match, shape)) << users[0];
    const int localPort = std::stoi(match[2].str());
    EXPECT_GE(localPort, 5000);
    EXPECT_LE(localPort, 8999);
    EXPECT_EQ(std::vector<std::string>{"Tavik_registerServer(" + match[1].str() + ",90)"},
              lumeo.JournalOf("Tavik_registerServer"));
}

// Exit from the main menu ends the program.
inline void ExitThroughMenu(const e2e::LumeoProcess& lumeo, HWND main)
{
    ASSERT_TRUE(e2e::Command(main, ID_MAIN_EXIT));
    EXPECT_TRUE(lumeo.WaitForExit()) << "Exit did not end the program";
}

} // namespace e2e_test
