// Proves the program's system integration in the test prefix's real registry: the five "sip"
// keys naming the running program with its path quoted, auto-start on and off (a value naming
// another program still counts as on), a path with blanks surviving the system's reading of
// the command line, and the Windows version test.
#include "config/AutoStart.h"
#include "config/RegistryKey.h"
#include "config/SipUrlProtocol.h"
#include "config/WindowsVersion.h"
#include "tests/support/SystemAnswersScope.h"

#include <gtest/gtest.h>
#include <shellapi.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The value's text, or "<none>" when the key or value is missing.
std::string RegistryText(HKEY root, const char* key, const char* name)
{
    char text[1024] = {};
    DWORD size = sizeof text;
    if (::RegGetValueA(root, key, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return "<none>";
    return text;
}

std::string ModulePath()
{
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    return module;
}

// The arguments the system makes of a command line.
std::vector<std::wstring> Arguments(const std::string& commandLine)
{
    const std::wstring wide(commandLine.begin(), commandLine.end());
    int count = 0;
    LPWSTR* const arguments = ::CommandLineToArgvW(wide.c_str(), &count);
    std::vector<std::wstring> result(arguments, arguments + (arguments ? count : 0));
    ::LocalFree(arguments);
    return result;
}

std::string ReplaceLink(std::string command, const std::string& link)
{
    const size_t at = command.find("%1");
    if (at != std::string::npos)
        command.replace(at, 2, link);
    return command;
}

TEST(SipUrlProtocol, RegistersTheRunningProgramQuotedAsTheHandlerOfSipLinks)
{
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "sip");
    RegisterSipUrlProtocol();
    const std::string module = ModulePath();
    EXPECT_EQ("URL:sip Protocol", RegistryText(HKEY_CLASSES_ROOT, "sip", nullptr));
    EXPECT_EQ("", RegistryText(HKEY_CLASSES_ROOT, "sip", "URL Protocol"));
    EXPECT_EQ(module, RegistryText(HKEY_CLASSES_ROOT, "sip\\DefaultIcon", nullptr));
    EXPECT_EQ('"' + module + "\" \"%1\"", RegistryText(HKEY_CLASSES_ROOT, "sip\\shell\\open\\command", nullptr));
    for (const char* key : {"sip\\shell", "sip\\shell\\open"}) {
        HKEY opened = nullptr;
        EXPECT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CLASSES_ROOT, key, 0, KEY_READ, &opened)) << key;
        ::RegCloseKey(opened);
    }
    // Run again it leaves the same keys.
    RegisterSipUrlProtocol();
    EXPECT_EQ("URL:sip Protocol", RegistryText(HKEY_CLASSES_ROOT, "sip", nullptr));
    // The registered command, read as the system reads it, starts this program with the link.
    const std::vector<std::wstring> arguments = Arguments(
        ReplaceLink(RegistryText(HKEY_CLASSES_ROOT, "sip\\shell\\open\\command", nullptr), "sip:bob@example.com"));
    ASSERT_EQ(2u, arguments.size());
    EXPECT_EQ(std::wstring(module.begin(), module.end()), arguments[0]);
    EXPECT_EQ(L"sip:bob@example.com", arguments[1]);
}

TEST(SipUrlProtocol, AProgramPathWithBlanksStaysOneArgument)
{
    const std::string path = "C:\\Program Files\\Lumeo Soft\\Lumeo.exe";
    const std::wstring widePath(path.begin(), path.end());

    const std::vector<std::wstring> link = Arguments(ReplaceLink(SipOpenCommand(path), "sip:carol@example.com"));
    ASSERT_EQ(2u, link.size());
    EXPECT_EQ(widePath, link[0]);
    EXPECT_EQ(L"sip:carol@example.com", link[1]);

    // The auto-start value is read the same way.
    const std::vector<std::wstring> run = Arguments(QuotePath(path));
    ASSERT_EQ(1u, run.size());
    EXPECT_EQ(widePath, run[0]);
}

class AutoStart : public testing::Test {
protected:
    void SetUp() override { ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "Lumeo"); }
    void TearDown() override { ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "Lumeo"); }
    static std::string RunValue() { return RegistryText(HKEY_CURRENT_USER, kRunKey, "Lumeo"); }
    static void WriteRunValue(const std::string& text)
    {
        ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueA(HKEY_CURRENT_USER, kRunKey, "Lumeo", REG_SZ, text.c_str(),
                                                   static_cast<DWORD>(text.size() + 1)));
    }
};

TEST_F(AutoStart, OnWritesTheQuotedProgramPathAndOffDeletesIt)
{
    const std::string module = ModulePath();
    EXPECT_FALSE(IsAutoStart());
    SetAutoStart();
    EXPECT_TRUE(IsAutoStart());
    EXPECT_EQ('"' + module + '"', RunValue());
    const std::vector<std::wstring> arguments = Arguments(RunValue());
    ASSERT_EQ(1u, arguments.size());
    EXPECT_EQ(std::wstring(module.begin(), module.end()), arguments[0]);

    RemoveAutoStart();
    EXPECT_FALSE(IsAutoStart());
    EXPECT_EQ("<none>", RunValue());
    // Off when there is no value is no error and changes nothing.
    RemoveAutoStart();
    EXPECT_FALSE(IsAutoStart());
}

TEST_F(AutoStart, AnyNonEmptyValueCountsAsOnWhicheverProgramItNames)
{
    const struct {
        const char* value;
        bool on;
    } kCases[] = {
        {"C:\\Other\\other.exe", true},
        {"\"C:\\Program Files\\Other\\other.exe\" /tray", true},
        {"", false},
    };
    for (const auto& row : kCases) {
        WriteRunValue(row.value);
        EXPECT_EQ(row.on, IsAutoStart()) << row.value;
        EXPECT_EQ(row.value, RunValue()) << "reading changed the value " << row.value;
    }
}

// Answers the version question as a given system would.
class VersionAnswers : public lumeo_test::SystemAnswersScope {
public:
    VersionAnswers(bool succeeds, DWORD major) : m_succeeds(succeeds), m_major(major) {}
    bool GetVersion(OSVERSIONINFOW& info) const override
    {
        info.dwMajorVersion = m_major;
        return m_succeeds;
    }

private:
    bool m_succeeds;
    DWORD m_major;
};

TEST(WindowsVersion, VistaOrLaterFromMajorVersionSix)
{
    const struct {
        bool succeeds;
        DWORD major;
        bool expected;
    } kCases[] = {{true, 5, false}, {true, 6, true}, {true, 10, true}, {false, 10, false}};
    for (const auto& row : kCases) {
        const VersionAnswers answers(row.succeeds, row.major);
        EXPECT_EQ(row.expected, IsVistaOrLater()) << row.major << (row.succeeds ? "" : " (failed)");
    }
}

} // namespace
