#include <gtest/gtest.h>

#include "skin/model/TextHelpers.h"

#include <string>

using namespace Vexel;

namespace {

struct IntCase {
    const wchar_t* text;
    int expected;
};

TEST(StringToInt, ReadsHexOnlyAfterLowerCaseXAndDecimalOtherwise)
{
    const IntCase cases[] = {
        {L"0x1F", 31},   {L"0x1A", 26},  {L"0X1F", 0},  // the decimal parse stops at the X
        {L" -5", -5},    {L"+7", 7},     {L"12abc", 12}, {L"", 0},
        {L"abc", 0},     {L"0x", 0},     {L"0xffffff", 0xFFFFFF},
        {L"-2147483648", INT_MIN},       {L"2147483647", INT_MAX},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, StringToInt(c.text)) << "text \"" << testing::PrintToString(std::wstring(c.text)) << "\"";
    EXPECT_EQ(0, StringToInt(nullptr));
}

TEST(StringToBool, OnlyFalseAndZeroInAnyCaseAreFalse)
{
    const struct {
        const wchar_t* text;
        BOOL expected;
    } cases[] = {
        {L"False", FALSE}, {L"FALSE", FALSE}, {L"false", FALSE}, {L"0", FALSE},
        {L"True", TRUE},   {L"no", TRUE},     {L"", TRUE},       {L"00", TRUE},
        {L" 0", TRUE},     {L"1", TRUE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, StringToBool(c.text)) << testing::PrintToString(std::wstring(c.text));
}

TEST(VariantToString, GivesTheValueAsTextAndNullAsEmpty)
{
    PropertyValue text;
    text.SetString(L"IDR_FONT_1");
    EXPECT_EQ(CString(L"IDR_FONT_1"), VariantToString(text));
    EXPECT_EQ(CString(L"-42"), VariantToString(PropertyValue(-42)));
    EXPECT_EQ(CString(), VariantToString(PropertyValue()));  // empty value

    VARIANT null;
    VariantInit(&null);
    null.vt = VT_NULL;
    EXPECT_EQ(CString(), VariantToString(PropertyValue(null)));
}

TEST(LineToString, AnsiLineEndsAtCarriageReturnZeroByteOrCount)
{
    const struct {
        std::string bytes;
        std::size_t count;
        std::string expected;
    } cases[] = {
        {"A\r\nB", 4, "A"},
        {"\nB", 2, "\nB"},           // a line feed is no line end
        {"abc", 3, "abc"},           // no carriage return: all the bytes
        {"abc\r", 2, "ab"},          // only `count` bytes are looked at
        {std::string("a\0b\r", 4), 4, "a"},
        {"\r", 1, ""},
        {"", 0, ""},
    };
    for (const auto& c : cases) {
        std::string line = "old";
        EXPECT_EQ(1, AnsiLineToString(c.count, line, c.bytes.data()));
        EXPECT_EQ(c.expected, line);
    }
    std::string untouched = "old";
    EXPECT_EQ(0, AnsiLineToString(3, untouched, nullptr));
    EXPECT_EQ("old", untouched);
}

TEST(LineToString, WideLineEndsAtCarriageReturnZeroUnitOrCount)
{
    const struct {
        std::wstring units;
        std::size_t count;
        std::wstring expected;
    } cases[] = {
        {L"\xFEFF" L"A\rB", 4, L"\xFEFF" L"A"},
        {L"\nB", 2, L"\nB"},
        {L"abc", 3, L"abc"},
        {L"abc\r", 2, L"ab"},
        {std::wstring(L"a\0b", 3), 3, L"a"},
        {L"", 0, L""},
    };
    for (const auto& c : cases) {
        std::wstring line = L"old";
        EXPECT_EQ(1, WideLineToString(c.count, line, c.units.data()));
        EXPECT_EQ(c.expected, line);
    }
    std::wstring untouched = L"old";
    EXPECT_EQ(0, WideLineToString(3, untouched, nullptr));
    EXPECT_EQ(L"old", untouched);
}

} // namespace
