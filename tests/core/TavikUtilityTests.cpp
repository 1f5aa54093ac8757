#include "core/TavikUtility.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CompareNoCase, OrdersIgnoringLetterCase)
{
    struct Case {
        const char* a;
        const char* b;
        int result;
    } const cases[] = {
        {"abc", "ABD", -1},
        {"abc", "ABC", 0},
        {"ab", "abc", -1},
        {"abc", "ab", 1},
        {"", "", 0},
        {"", "a", -1},
        {"table Options already exists", "TABLE OPTIONS ALREADY EXISTS", 0},
        {"[", "a", 1},        // 'a' compares as 'A' (0x41), below '[' (0x5B)
        {"_", "A", 1},
        {"\xE9", "a", -1},    // bytes above 127 count as negative: below all ASCII
        {"a", "\xE9", 1},
        {"\xE9", "\xC9", 1},  // only a..z fold: e-acute stays above E-acute
        {"\xE9t\xE9", "\xE9T\xE9", 0},
        {"\x80", "\xFF", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TavikUtility::CompareNoCase(c.a, c.b), c.result) << c.a << " vs " << c.b;
        EXPECT_EQ(TavikUtility::FoldCase(c.a) == TavikUtility::FoldCase(c.b), c.result == 0)
            << "folds of " << c.a << " and " << c.b;
    }
}

TEST(HexToBytes, DecodesPairsWithinTheCapacity)
{
    struct Case {
        const char* hex;
        size_t capacity;
        std::vector<unsigned char> bytes; // out after the call (prefilled with 0x55)
        size_t count;                     // *count after the call
    } const cases[] = {
        {"0aFF", 4, {0x0A, 0xFF, 0x55, 0x55}, 2},
        {"ABC", 4, {0xAB, 0x0C, 0x55, 0x55}, 2},
        {"ABC", 2, {0xAB, 0x0C}, 2},
        {"ABC", 1, {0x55}, 1},                 // needs two bytes: refused, nothing written
        {"0011", 2, {0x00, 0x11}, 2},
        {"0011", 1, {0x55}, 1},
        {"zz11", 2, {0x55, 0x11}, 2},          // a piece that is not hex keeps its byte but counts
        {"1z", 1, {0x01}, 1},                  // the leading digit of a piece is read alone
        {"", 3, {0x55, 0x55, 0x55}, 0},
    };
    for (const Case& c : cases) {
        std::vector<unsigned char> out(c.capacity, 0x55);
        size_t count = c.capacity;
        TavikUtility::HexToBytes(c.hex, out.data(), &count);
        EXPECT_EQ(out, c.bytes) << c.hex << " capacity " << c.capacity;
        EXPECT_EQ(count, c.count) << c.hex << " capacity " << c.capacity;
    }
}

TEST(BytesToHex, TwoUpperCaseDigitsPerByteAndBack)
{
    const unsigned char bytes[] = {0x00, 0x0A, 0x7F, 0x80, 0xFF};
    const std::string hex = TavikUtility::BytesToHex(bytes, sizeof bytes);
    EXPECT_EQ(hex, "000A7F80FF");
    EXPECT_EQ(TavikUtility::BytesToHex(bytes, 0), "");

    unsigned char back[5] = {};
    size_t count = sizeof back;
    TavikUtility::HexToBytes(hex, back, &count);
    EXPECT_EQ(count, sizeof back);
    EXPECT_EQ(0, memcmp(back, bytes, sizeof bytes));
}

TEST(GetAppDirectory, IsTheRunningProgramsFolder)
{
    char module[MAX_PATH * 4] = {};
    const DWORD n = GetModuleFileNameA(nullptr, module, sizeof module);
    ASSERT_GT(n, 0u);
    std::string expected(module, n);
    expected.resize(expected.find_last_of('\\'));

    std::string folder = "stale";
    ASSERT_TRUE(TavikUtility::GetAppDirectory(folder, true));
    EXPECT_EQ(folder, expected);
    ASSERT_TRUE(TavikUtility::GetAppDirectory(folder, false));
    EXPECT_EQ(folder, expected + "\\");
    EXPECT_NE(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
