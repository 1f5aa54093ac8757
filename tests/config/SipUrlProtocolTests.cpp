// Proves the "sip" link registration: the five keys under HKEY_CLASSES_ROOT with the texts that
// make the running program the handler, the link passed quoted after the unquoted path.
#include "config/SipUrlProtocol.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

// The value's text, or "<none>" when the key or value is missing.
std::string ClassesText(const char* key, const char* name)
{
    char text[1024] = {};
    DWORD size = sizeof text;
    if (::RegGetValueA(HKEY_CLASSES_ROOT, key, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return "<none>";
    return text;
}

TEST(SipUrlProtocol, RegistersTheRunningProgramAsTheHandlerOfSipLinks)
{
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "sip");
    RegisterSipUrlProtocol();
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    EXPECT_EQ("URL:sip Protocol", ClassesText("sip", nullptr));
    EXPECT_EQ("", ClassesText("sip", "URL Protocol"));
    EXPECT_EQ(module, ClassesText("sip\\DefaultIcon", nullptr));
    EXPECT_EQ(std::string(module) + " \"%1\"", ClassesText("sip\\shell\\open\\command", nullptr));
    HKEY shell = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CLASSES_ROOT, "sip\\shell\\open", 0, KEY_READ, &shell));
    ::RegCloseKey(shell);
    // Run again it leaves the same keys.
    RegisterSipUrlProtocol();
    EXPECT_EQ("URL:sip Protocol", ClassesText("sip", nullptr));
}

} // namespace
