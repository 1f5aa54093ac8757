#include <gtest/gtest.h>

#include "skin/model/LegacyText.h"
#include "skin/model/LegacyValues.h"

#include <string>

using namespace Vexel;

namespace {

std::string Show(const CString& text)
{
    return testing::PrintToString(std::wstring(text.GetString()));
}

TEST(LegacyText, SectionHeadersAndTheirNames)
{
    EXPECT_TRUE(IsLegacySectionHeader(L"[Dlg]"));
    EXPECT_TRUE(IsLegacySectionHeader(L"["));
    EXPECT_FALSE(IsLegacySectionHeader(L"Dlg]"));
    EXPECT_FALSE(IsLegacySectionHeader(L""));

    const struct {
        const wchar_t* header;
        const wchar_t* name;
    } cases[] = {
        {L"[Dlg]", L"Dlg"},
        {L"[Dlg_OK]]]", L"Dlg_OK"},
        {L"[Dlg ]", L"Dlg "},       // blanks go before the brackets, not between
        {L"[ Dlg]", L" Dlg"},
        {L"[]", L""},
        {L"[Dlg] x", L"Dlg] x"},
        {L"[Settings]", L"Settings"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.name), LegacySectionName(c.header)) << Show(c.header);
}

TEST(LegacyText, TypeLineBeginsWithTypeEqualsExactly)
{
    const struct {
        const wchar_t* line;
        bool isType;
        const wchar_t* word;
    } cases[] = {
        {L"Type=Window", true, L"Window"},
        {L"Type=PUSHBUTTON \t", true, L"PUSHBUTTON"},
        {L"Type= X", true, L" X"},          // only trailing blanks go
        {L"Type=", true, L""},
        {L"type=Window", false, L""},
        {L"Type =Window", false, L""},
        {L"IDs=Dlg", false, L""},
        {L"", false, L""},
    };
    for (const auto& c : cases) {
        CString word = L"unchanged";
        EXPECT_EQ(c.isType, LegacyTypeWord(c.line, word)) << Show(c.line);
        if (c.isType) {
            EXPECT_EQ(CString(c.word), word) << Show(c.line);
        }
    }
}

TEST(LegacyText, KeyLineSplitsAtTheFirstEqualsAndValueEndsAtTheSecond)
{
    const struct {
        const wchar_t* line;
        bool split;
        const wchar_t* key;
        const wchar_t* value;
    } cases[] = {
        {L"Caption=a=b", true, L"Caption", L"a"},
        {L"Key  =  v  w  ", true, L"Key", L"v  w"},
        {L"K=", true, L"K", L""},
        {L"=v", true, L"", L"v"},
        {L"K==v", true, L"K", L""},
        {L"NoEquals", false, L"", L""},
        {L"", false, L"", L""},
    };
    for (const auto& c : cases) {
        CString key;
        CString value;
        EXPECT_EQ(c.split, SplitLegacyKeyLine(c.line, key, value)) << Show(c.line);
        if (c.split) {
            EXPECT_EQ(CString(c.key), key) << Show(c.line);
            EXPECT_EQ(CString(c.value), value) << Show(c.line);
        }
    }
}

TEST(LegacyValues, DecimalTakesLeadingDigitsOnly)
{
    const struct {
        const wchar_t* text;
        int expected;
    } cases[] = {
        {L"12", 12}, {L" -5", -5}, {L"+3", 3}, {L"7px", 7}, {L"0x10", 0},
        {L"abc", 0}, {L"", 0},     {L"True", 0}, {L"2147483647", 2147483647},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, DecimalToInt(c.text)) << Show(c.text);
    EXPECT_EQ(0, DecimalToInt(nullptr));
}

TEST(LegacyValues, RectangleFieldsTheTextDoesNotReachAreZero)
{
    const struct {
        const wchar_t* text;
        RECT expected;
    } cases[] = {
        {L"10,20,30", {10, 20, 30, 0}},
        {L"1,2,3,4", {1, 2, 3, 4}},
        {L" 1, -2 ,3,4,9", {1, -2, 3, 4}},
        {L"1,,3,4", {1, 0, 3, 4}},
        {L"5", {5, 0, 0, 0}},
        {L"", {0, 0, 0, 0}},
        {L"0x10,2,3,4", {0, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        const RECT r = ParseRectText(c.text);
        EXPECT_EQ(c.expected.left, r.left) << Show(c.text);
        EXPECT_EQ(c.expected.top, r.top) << Show(c.text);
        EXPECT_EQ(c.expected.right, r.right) << Show(c.text);
        EXPECT_EQ(c.expected.bottom, r.bottom) << Show(c.text);
    }
}

} // namespace
