#include <gtest/gtest.h>

#include "skin/model/MemStdioFile.h"

#include "tests/support/TempDir.h"

#include <string>
#include <vector>

using namespace Vexel;
using lumeo_test::TempDir;
using lumeo_test::WriteFileBytes;

namespace {

// Every line ReadString gives until it answers FALSE.
std::vector<std::wstring> ReadAllLines(CMemStdioFile& file)
{
    std::vector<std::wstring> lines;
    CString line;
    while (file.ReadString(line)) {
        lines.push_back(line.Str());
        if (lines.size() > 100)
            break;  // a reader that never ends fails the comparison instead of hanging
    }
    return lines;
}

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<std::wstring> lines;
};

TEST(CMemStdioFile, ReadsLinesOfAnAttachedBlock)
{
    const LineCase cases[] = {
        {"CR LF leaves the LF", "A\r\nB", {L"A", L"\nB"}},
        {"UTF-16 keeps its mark", std::string("\xFF\xFE" "A\0\r\0", 6), {L"\xFEFF" L"A"}},
        {"UTF-16 lines", std::string("\xFF\xFE" "A\0\r\0\n\0B\0", 10), {L"\xFEFF" L"A", L"\nB"}},
        {"empty", "", {}},
        {"one byte is ANSI", "\xFF", {L"\x00FF"}},
        {"only the mark", "\xFF\xFE", {L"\xFEFF"}},
        {"odd UTF-16 tail ends the data", std::string("\xFF\xFE" "A\0\r\0B", 7), {L"\xFEFF" L"A"}},
        {"odd UTF-16 without CR", std::string("\xFF\xFE" "A\0B", 5), {L"\xFEFF" L"A"}},
        {"zero byte cuts a line", std::string("a\0b\rc", 5), {L"a", L"b", L"c"}},
        {"empty lines", "\r\r", {L"", L""}},
        {"ANSI code page", "caf\xE9\r", {L"caf\x00E9"}},
        {"FE FF is no mark", "\xFE\xFF", {L"\x00FE\x00FF"}},
    };
    for (const auto& c : cases) {
        std::string block = c.bytes;  // the caller's block, not the file's
        CMemStdioFile file;
        file.Attach(reinterpret_cast<BYTE*>(&block[0]), static_cast<UINT>(block.size()));
        EXPECT_EQ(c.lines, ReadAllLines(file)) << c.name;
        EXPECT_EQ(block.size(), file.GetPosition()) << c.name;
        EXPECT_EQ(reinterpret_cast<BYTE*>(&block[0]), file.Detach()) << c.name;
        EXPECT_EQ(0u, file.GetLength()) << c.name;
        EXPECT_EQ(0u, file.GetPosition()) << c.name;
    }
}

TEST(CMemStdioFile, TheEndLeavesTheLineUnchanged)
{
    std::string block = "only";
    CMemStdioFile file;
    file.Attach(reinterpret_cast<BYTE*>(&block[0]), static_cast<UINT>(block.size()));
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_EQ(CString(L"only"), line);
    file.Detach();
}

TEST(CMemStdioFile, NarrowLinesKeepTheirBytesAndTheReaderCanSeekBack)
{
    std::string block = "[a]\r\nk=v\r\n[b]";
    CMemStdioFile file;
    file.Attach(reinterpret_cast<BYTE*>(&block[0]), static_cast<UINT>(block.size()));
    std::string line;
    ASSERT_TRUE(file.ReadLineA(line));
    EXPECT_EQ("[a]", line);
    const ULONGLONG mark = file.GetPosition();
    ASSERT_TRUE(file.ReadLineA(line));
    EXPECT_EQ("\nk=v", line);
    file.Seek(static_cast<LONGLONG>(mark), CFile::begin);
    ASSERT_TRUE(file.ReadLineA(line));
    EXPECT_EQ("\nk=v", line);
    ASSERT_TRUE(file.ReadLineA(line));
    EXPECT_EQ("\n[b]", line);
    EXPECT_FALSE(file.ReadLineA(line));
    file.Detach();
}

TEST(CMemStdioFile, LoadsAResourceOfTheProgramWithTwoZeroBytes)
{
    CMemStdioFile file;
    ASSERT_TRUE(file.LoadFromResource(L"MEMTEXT_SAMPLE", MAKEINTRESOURCEW(10) /* RT_RCDATA */));
    EXPECT_EQ(5u, file.GetLength());
    EXPECT_EQ(0u, file.GetPosition());
    EXPECT_EQ((std::vector<std::wstring>{L"X", L"\n", L""}), ReadAllLines(file));

    // A second load replaces (and frees) the first block.
    ASSERT_TRUE(file.LoadFromResource(L"MEMTEXT_SAMPLE", RT_RCDATA));
    EXPECT_EQ((std::vector<std::wstring>{L"X", L"\n", L""}), ReadAllLines(file));
}

TEST(CMemStdioFile, AMissingResourceLeavesTheFileAsItWas)
{
    std::string block = "kept\rtext";
    CMemStdioFile file;
    file.Attach(reinterpret_cast<BYTE*>(&block[0]), static_cast<UINT>(block.size()));
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_FALSE(file.LoadFromResource(L"NO_SUCH_RESOURCE", RT_RCDATA));
    EXPECT_FALSE(file.LoadFromResource(L"MEMTEXT_SAMPLE", RT_BITMAP));
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(CString(L"text"), line);
    EXPECT_EQ(reinterpret_cast<BYTE*>(&block[0]), file.Detach());
}

TEST(CMemStdioFile, LoadsAWholeFile)
{
    TempDir dir;
    const std::wstring path = dir.File(L"Resource.h");
    ASSERT_TRUE(WriteFileBytes(path, std::string("\xFF\xFE" "a\0\r\0\n\0b\0", 10)));
    CMemStdioFile file;
    ASSERT_TRUE(file.LoadFromFile(path.c_str()));
    EXPECT_TRUE(file.IsUnicode());
    EXPECT_EQ((std::vector<std::wstring>{L"\xFEFF" L"a", L"\nb"}), ReadAllLines(file));

    EXPECT_FALSE(file.LoadFromFile(dir.File(L"missing.h").c_str()));
    EXPECT_EQ(0u, file.GetLength());
    CString line;
    EXPECT_FALSE(file.ReadString(line));

    ASSERT_TRUE(WriteFileBytes(path, ""));
    ASSERT_TRUE(file.LoadFromFile(path.c_str()));
    EXPECT_EQ(0u, file.GetLength());
}

} // namespace
