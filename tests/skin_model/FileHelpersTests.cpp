#include <gtest/gtest.h>

#include "skin/model/FileHelpers.h"
#include "skin/model/SkinGlobals.h"

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

} // namespace
