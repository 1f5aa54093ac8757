#include "core/TextConvert.h"

#include <gtest/gtest.h>

namespace {

// The tests run with the ANSI code page 1252.

TEST(AnsiUtf8, ConvertsBothWaysAndRefusesInvalidInput)
{
    struct Case {
        std::string ansi;
        std::string utf8;
    } const cases[] = {
        {"", ""},
        {"plain", "plain"},
        {"\xC4rger \xE9t\xE9", "\xC3\x84rger \xC3\xA9t\xC3\xA9"},
        {"\x80", "\xE2\x82\xAC"}, // the euro sign
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AnsiToUtf8(c.ansi), c.utf8) << c.ansi;
        EXPECT_EQ(Utf8ToAnsi(c.utf8), c.ansi) << c.ansi;
    }

    const char* const invalidUtf8[] = {"\xC3\x28", "\xFF", "ok\xE2\x82", "\xC0\xAF"};
    for (const char* text : invalidUtf8)
        EXPECT_EQ(Utf8ToAnsi(text), "") << text;

    // A character the code page lacks becomes its default character.
    EXPECT_EQ(Utf8ToAnsi("x\xE4\xB8\xAD"), "x?");
}

TEST(Utf8Wide, NoLimitAndSurrogatePairs)
{
    const CString wide = L"\u00C4rger \U0001F600";
    const std::string utf8 = "\xC3\x84rger \xF0\x9F\x98\x80";
    EXPECT_EQ(WideToUtf8(wide), utf8);
    EXPECT_EQ(Utf8ToWide(utf8), wide);
    EXPECT_EQ(wide.GetLength(), 8); // the emoji is a surrogate pair
    EXPECT_EQ(Utf8ToWide(""), L"");
    EXPECT_EQ(WideToUtf8(L""), "");

    const CString longText(L'\u00E9', 10000);
    EXPECT_EQ(Utf8ToWide(WideToUtf8(longText)), longText);

    // Invalid UTF-8 is not refused here: it becomes the replacement character.
    EXPECT_EQ(Utf8ToWide("a\xFF" "b"), L"a\uFFFDb");
}

TEST(AnsiWide, ConvertAndCutAt4095Units)
{
    EXPECT_EQ(WideToAnsi(L"\u00C4rger \u20AC"), "\xC4rger \x80");
    EXPECT_EQ(AnsiToWide("\xC4rger \x80"), L"\u00C4rger \u20AC");
    EXPECT_EQ(WideToAnsi(L"x\u4E2D"), "x?");
    EXPECT_EQ(WideToAnsi(L""), "");
    EXPECT_EQ(AnsiToWide(""), L"");

    struct Case {
        size_t length;
        size_t expected;
    } const cases[] = {{4094, 4094}, {4095, 4095}, {4096, 4095}, {5000, 4095}};
    for (const Case& c : cases) {
        std::wstring wide;
        for (size_t i = 0; i < c.length; ++i)
            wide += static_cast<wchar_t>(L'a' + i % 26);
        const std::string ansi = WideToAnsi(CString(wide));
        ASSERT_EQ(ansi.size(), c.expected) << c.length;
        EXPECT_EQ(AnsiToWide(ansi).Str(), wide.substr(0, c.expected));

        const std::string longAnsi(c.length, '\xE9');
        EXPECT_EQ(AnsiToWide(longAnsi).Str(), std::wstring(c.expected, L'\u00E9')) << c.length;
    }
}

} // namespace
