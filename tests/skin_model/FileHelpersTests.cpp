#include <gtest/gtest.h>

#include "skin/model/FileHelpers.h"
#include "skin/model/SkinGlobals.h"

#include "tests/skin_model/RecordTestSupport.h"
#include "tests/support/TempDir.h"

#include <string>

using namespace Vexel;

namespace {

TEST(GetFileExtension, KeepsOrDropsTheDot)
{
    const struct {
        const wchar_t* path;
        BOOL keepDot;
        const wchar_t* expected;
    } cases[] = {
        {L"C:\\skins\\skin.xui", TRUE, L".xui"},
        {L"C:\\skins\\skin.xui", FALSE, L"xui"},
        {L"C:\\skins\\old.UI", TRUE, L".UI"},
        {L"C:\\skins\\a.b.c", FALSE, L"c"},
        {L"C:\\skins\\noext", TRUE, L""},
        {L"C:\\skins\\noext", FALSE, L""},
        {L"C:\\dotted.dir\\file", TRUE, L""},  // a dot in a folder is no extension
        {L"skin.xui", TRUE, L".xui"},
        {L"", TRUE, L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.expected), GetFileExtension(c.path, c.keepDot))
            << testing::PrintToString(std::wstring(c.path)) << " keepDot " << c.keepDot;
}

TEST(GetFileExtension, LongPathsAreNotCut)
{
    const std::wstring longFolder(400, L'a');
    EXPECT_EQ(CString(L".xui"), GetFileExtension((L"C:\\" + longFolder + L"\\skin.xui").c_str(), TRUE));
}

TEST(GetSkinFileTitle, IsTheLoadedFilesNameWithoutFolderAndExtension)
{
    const CString saved = g_skinStore.uiFilePath;
    const struct {
        const wchar_t* uiFile;
        const wchar_t* title;
    } cases[] = {
        {L"C:\\Lumeo\\Skins\\Lumeo\\the.xui", L"the"},
        {L"C:\\old skins\\my.skin.ui", L"my.skin"},
        {L"D:/skins/plain", L"plain"},
        {L"", L""},
    };
    for (const auto& c : cases) {
        g_skinStore.uiFilePath = c.uiFile;
        EXPECT_EQ(CString(c.title), GetSkinFileTitle()) << testing::PrintToString(std::wstring(c.uiFile));
    }
    g_skinStore.uiFilePath = saved;
}

TEST(GetFileFolder, RemovesTheLastComponentAndEndsWithBackslash)
{
    const struct {
        const wchar_t* path;
        const wchar_t* expected;
        bool removed;
    } cases[] = {
        {L"C:\\a\\skin.xui", L"C:\\a\\", true},
        {L"C:\\a\\b\\", L"C:\\a\\b\\", true},  // the trailing backslash is the removed part
        {L"skin.xui", L"\\", true},             // a bare file name leaves an empty folder
        {L"C:\\skin.xui", L"C:\\", true},
        {L"C:\\", L"C:\\", false},
    };
    for (const auto& c : cases) {
        CString folder = L"old";
        const BOOL removed = GetFileFolder(c.path, folder);
        EXPECT_EQ(CString(c.expected), folder) << testing::PrintToString(std::wstring(c.path));
        EXPECT_EQ(c.removed, removed != FALSE) << testing::PrintToString(std::wstring(c.path));
    }
}

TEST(CheckFileWritable, CreatesAMissingFileAndRefusesAReadOnlyOneWithAMessage)
{
    lumeo_test::TempDir dir;
    const std::wstring missing = dir.File(L"missing.h");
    const std::wstring writable = dir.File(L"writable.h");
    const std::wstring readOnly = dir.File(L"readonly.h");
    ASSERT_TRUE(lumeo_test::WriteFileBytes(writable, "text"));
    ASSERT_TRUE(lumeo_test::WriteFileBytes(readOnly, "text"));
    ASSERT_TRUE(SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::wstring noFolder = dir.File(L"no such folder\\x.h");

    const struct {
        const std::wstring& path;
        int result;
        bool exists;
        bool prompted;
    } cases[] = {
        {missing, 0, true, false},
        {writable, 0, true, false},
        {readOnly, -2, true, true},
        {noFolder, -1, false, false},
    };
    for (const auto& c : cases) {
        record_test::ScriptedPrompts prompts;
        EXPECT_EQ(c.result, CheckFileWritable(c.path.c_str())) << testing::PrintToString(c.path);
        EXPECT_EQ(c.exists, GetFileAttributesW(c.path.c_str()) != INVALID_FILE_ATTRIBUTES);
        ASSERT_EQ(c.prompted ? 1u : 0u, prompts.Prompts().size());
        if (c.prompted) {
            EXPECT_EQ(L"The file \"" + c.path + L"\" is readonly!", prompts.Prompts()[0].text);
            EXPECT_EQ(static_cast<UINT>(MB_OK), prompts.Prompts()[0].type & MB_TYPEMASK);
        }
    }
    EXPECT_EQ("", lumeo_test::ReadFileBytes(missing));  // created empty
    EXPECT_EQ("text", lumeo_test::ReadFileBytes(writable));
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(-1, CheckFileWritable(nullptr));
}

} // namespace
