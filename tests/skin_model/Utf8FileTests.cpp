#include <gtest/gtest.h>

#include "skin/model/Utf8File.h"

#include "tests/support/TempDir.h"

#include <string>

using namespace Vexel;
using lumeo_test::ReadFileBytes;
using lumeo_test::TempDir;
using lumeo_test::WriteFileBytes;

namespace {

TEST(FinishUtf8File, MovesTheTemporaryFileWithExactlyOneByteOrderMark)
{
    const struct {
        std::string temporary;
        std::string expected;
    } cases[] = {
        {"<a/>\r\n", "\xEF\xBB\xBF<a/>\r\n"},
        {"\xEF\xBB\xBF<a/>\r\n", "\xEF\xBB\xBF<a/>\r\n"},  // already marked: moved unchanged
        {"", "\xEF\xBB\xBF"},
        {"\xEF\xBB", "\xEF\xBB\xBF\xEF\xBB"},              // too short to be a mark
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::wstring target = dir.File(L"skin.xui");
        const std::wstring temporary = target + L"~";
        ASSERT_TRUE(WriteFileBytes(target, "old contents"));
        ASSERT_TRUE(WriteFileBytes(temporary, c.temporary));
        EXPECT_EQ(0, FinishUtf8File(target.c_str(), temporary.c_str()));
        EXPECT_EQ(c.expected, ReadFileBytes(target));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(temporary.c_str()));
    }
}

TEST(FinishUtf8File, CreatesAMissingDestination)
{
    TempDir dir;
    const std::wstring target = dir.File(L"new.xui");
    ASSERT_TRUE(WriteFileBytes(target + L"~", "x"));
    EXPECT_EQ(0, FinishUtf8File(target.c_str(), (target + L"~").c_str()));
    EXPECT_EQ("\xEF\xBB\xBFx", ReadFileBytes(target));
}

TEST(FinishUtf8File, LeavesTheDestinationAloneWhenTheTemporaryFileIsMissing)
{
    TempDir dir;
    const std::wstring target = dir.File(L"skin.xui");
    ASSERT_TRUE(WriteFileBytes(target, "old contents"));
    EXPECT_EQ(-1, FinishUtf8File(target.c_str(), (target + L"~").c_str()));
    EXPECT_EQ("old contents", ReadFileBytes(target));
}

TEST(FinishUtf8File, LeavesAReadOnlyDestinationAndKeepsTheTemporaryFile)
{
    TempDir dir;
    const std::wstring target = dir.File(L"skin.xui");
    const std::wstring temporary = target + L"~";
    ASSERT_TRUE(WriteFileBytes(target, "old contents"));
    ASSERT_TRUE(WriteFileBytes(temporary, "\xEF\xBB\xBFnew"));
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(-2, FinishUtf8File(target.c_str(), temporary.c_str()));
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("old contents", ReadFileBytes(target));
    EXPECT_EQ("\xEF\xBB\xBFnew", ReadFileBytes(temporary));
}

} // namespace
