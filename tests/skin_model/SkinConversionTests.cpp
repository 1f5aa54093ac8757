#include <gtest/gtest.h>

#include "skin/model/SkinReader.h"

#include "tests/skin_model/LegacyImportFixtures.h"
#include "tests/skin_model/SkinFileFixtures.h"
#include "tests/support/Mutations.h"

#include <string>

using namespace Vexel;
using skin_test::ExpectSameVariables;

namespace {

// A legacy skin: design DPI, two windows, controls of a few kinds sharing a font and a
// colour, a mask colour.
std::string LegacySkin()
{
    const LOGFONTW normal = legacy_test::MakeFont(L"Tahoma", -12, 400);
    const LOGFONTW bold = legacy_test::MakeFont(L"Arial", -16, 700);
    const legacy_test::Encoding ansi = legacy_test::Encoding::Ansi;
    const std::wstring text =
        L"[Settings]\r\nLogPixelsX=120\r\nLogPixelsY=144\r\n"
        L"[Main]\r\nType=Window\r\nIDs=Main\r\nBkN=main.bmp\r\nIsUseMaskColor=1\r\nTitleBarHeight=24\r\n"
        L"[Main_Close]\r\nType=PUSHBUTTON\r\nIDs=IDC_BTN_CLOSE\r\nRect=250,4,272,23\r\nCaption=>>\r\n"
        L"FontN=" + legacy_test::FontText(normal, ansi) + L"\r\nFontH=" + legacy_test::FontText(bold, ansi) +
        L"\r\nColorN=0x0000FF\r\n"
        L"[Main_Name]\r\nType=STATIC\r\nIDs=IDC_STA_NAME\r\nRect=10,10,110,30\r\nIsVisible=0\r\n"
        L"FontN=" + legacy_test::FontText(normal, ansi) + L"\r\nColorN=255\r\n"
        L"[Main_Edit]\r\nType=EDIT\r\nIDs=IDC_EDT_NUMBER\r\nRect=10,40,200,60\r\n"
        L"[Other]\r\nType=Window\r\nIDs=Other\r\n"
        L"[Other_Check]\r\nType=CHECK\r\nIDs=IDC_CHK_ONE\r\nColorN=0x00FF00\r\n";
    return legacy_test::FileBytes(text, ansi);
}

class SkinConversionTest : public skin_test::SkinTest {
protected:
    std::wstring WriteLegacy(const wchar_t* name = L"old.ui") { return WriteSkin(LegacySkin(), name); }
};

TEST_F(SkinConversionTest, LegacySkinIsConvertedBesideItselfAndReloadsEqual)
{
    const std::wstring legacy = WriteLegacy();
    const std::string legacyBytes = lumeo_test::ReadFileBytes(legacy);
    const std::wstring converted = folder.File(L"old.xui");

    ASSERT_EQ(0, OpenSkin(legacy.c_str(), 1));
    ASSERT_EQ(1u, prompts.Prompts().size());
    EXPECT_NE(std::wstring::npos, prompts.Prompts()[0].text.find(L"'" + legacy + L"'"));
    EXPECT_EQ(converted, std::wstring(GetUIFilePath()));
    EXPECT_EQ(folder.File(L"Resource.h"), std::wstring(GetResourceHeaderPath()));
    EXPECT_EQ(legacyBytes, lumeo_test::ReadFileBytes(legacy));
    EXPECT_EQ(0, ConvertingSkin);
    EXPECT_EQ(120, DesignDpi.LogPixelsX);
    EXPECT_EQ(144, DesignDpi.LogPixelsY);
    EXPECT_EQ(7, g_skinStore.versionMajor);
    EXPECT_EQ(0, g_skinStore.versionMinor);
    EXPECT_EQ(4467, g_skinStore.versionBuild);
    ASSERT_EQ(2u, g_skinStore.windows.size());
    ASSERT_EQ(3u, g_skinStore.windows[0]->Controls().size());
    ASSERT_EQ(1u, g_skinStore.windows[1]->Controls().size());
    EXPECT_EQ(2u, g_skinStore.fonts.size());
    EXPECT_LE(3u, g_skinStore.colors.size());   // red, green and the mask colour
    const std::string xui = lumeo_test::ReadFileBytes(converted);
    ASSERT_GE(xui.size(), 3u);
    EXPECT_EQ("\xEF\xBB\xBF", xui.substr(0, 3));
    EXPECT_NE(std::string::npos, xui.find("<DPI LogPixelsX=\"120\" LogPixelsY=\"144\"/>"));
    EXPECT_NE(std::string::npos, xui.find("&gt;&gt;"));
    // Written with the values it was designed with, at its design DPI: nothing is scaled
    // on the way from the legacy file to the new one.
    EXPECT_NE(std::string::npos, xui.find("<Rect Size=\"22,19\" Location=\"250,4\"/>"));
    EXPECT_NE(std::string::npos, xui.find("<TitleBarHeight Value=\"24\"/>"));
    EXPECT_NE(std::string::npos, xui.find("Height=\"-16\""));
    EXPECT_NE(std::string::npos, lumeo_test::ReadFileBytes(folder.File(L"Resource.h")).find("IDC_BTN_CLOSE"));

    // Reloading the converted file gives the same records, without a question.
    SkinStore imported;
    imported.windows.swap(g_skinStore.windows);
    imported.fonts.swap(g_skinStore.fonts);
    imported.colors.swap(g_skinStore.colors);
    ReleaseSkin();
    skin_test::ScriptedPrompts reloadPrompts(IDNO);
    ASSERT_EQ(0, OpenSkin(converted.c_str(), 1));
    EXPECT_TRUE(reloadPrompts.Prompts().empty());
    int compared = 0;
    ASSERT_EQ(imported.windows.size(), g_skinStore.windows.size());
    for (size_t w = 0; w < imported.windows.size(); ++w) {
        compared += ExpectSameVariables(*imported.windows[w], *g_skinStore.windows[w]);
        const auto& expected = imported.windows[w]->Controls();
        const auto& actual = g_skinStore.windows[w]->Controls();
        ASSERT_EQ(expected.size(), actual.size());
        for (size_t c = 0; c < expected.size(); ++c)
            compared += ExpectSameVariables(*expected[c], *actual[c]);
    }
    ASSERT_EQ(imported.fonts.size(), g_skinStore.fonts.size());
    for (size_t i = 0; i < imported.fonts.size(); ++i)
        compared += ExpectSameVariables(*imported.fonts[i], *g_skinStore.fonts[i]);
    ASSERT_EQ(imported.colors.size(), g_skinStore.colors.size());
    for (size_t i = 0; i < imported.colors.size(); ++i)
        compared += ExpectSameVariables(*imported.colors[i], *g_skinStore.colors[i]);
    EXPECT_GT(compared, 200);
    EXPECT_TRUE(g_skinStore.windows[0]->Controls()[0]->GetVar(CtrlVar::FontResN) ==
                g_skinStore.fonts[0]->GetVar(CtrlVar::ID).GetString());
}

TEST_F(SkinConversionTest, DeclinedConversionOfAnUpperCaseExtension)
{
    const std::wstring legacy = WriteLegacy(L"OLD.UI");
    prompts.SetAnswer(IDNO);
    EXPECT_EQ(-1, OpenSkin(legacy.c_str(), 1));
    EXPECT_EQ(1u, prompts.Prompts().size());
    EXPECT_TRUE(skin_test::StoreHoldsNoRecord());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(folder.File(L"OLD.xui").c_str()));
    EXPECT_EQ(legacy, std::wstring(GetUIFilePath()));
}

TEST_F(SkinConversionTest, ReadOnlyTargetIsLeftAlone)
{
    const std::wstring legacy = WriteLegacy();
    const std::wstring target = folder.File(L"old.xui");
    ASSERT_TRUE(lumeo_test::WriteFileBytes(target, "kept"));
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));

    EXPECT_EQ(-3, OpenSkin(legacy.c_str(), 1));
    ASSERT_EQ(2u, prompts.Prompts().size());
    EXPECT_EQ(L"The file \"" + target + L"\" is readonly!", prompts.Prompts()[1].text);
    EXPECT_EQ("kept", lumeo_test::ReadFileBytes(target));
    EXPECT_EQ(0, ConvertingSkin);
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(SkinConversionTest, FailedSaveRemovesTheFileItMadeAndKeepsAnOldOne)
{
    const std::wstring legacy = WriteLegacy();
    const std::wstring target = folder.File(L"old.xui");
    // The writer saves through target + "~": a folder of that name makes the save fail.
    ASSERT_TRUE(CreateDirectoryW((target + L"~").c_str(), nullptr));

    EXPECT_EQ(-3, OpenSkin(legacy.c_str(), 1));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(target.c_str()));
    EXPECT_EQ(0, ConvertingSkin);

    ReleaseSkin();
    ASSERT_TRUE(lumeo_test::WriteFileBytes(target, "an older conversion"));
    EXPECT_EQ(-3, OpenSkin(legacy.c_str(), 1));
    EXPECT_EQ("an older conversion", lumeo_test::ReadFileBytes(target));
    RemoveDirectoryW((target + L"~").c_str());
}

// A legacy file that gives no window is no skin: it is refused with its message, as the XML
// reader refuses a skin without windows, and an earlier skin of that name stays as it was.
TEST_F(SkinConversionTest, ALegacyFileWithoutWindowsIsRefusedAndReplacesNothing)
{
    const std::string randomBytes = lumeo_test::RandomBytes(46, 512);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"plain text", "Lumeo skin, version 7\r\nnothing else\r\n"},
        {"random bytes", randomBytes},
        {"headers only", legacy_test::FileBytes(L"[Settings]\r\n[Main]\r\n[Main_OK]\r\n[", legacy_test::Encoding::Utf16)},
        {"a control without its window", "[Main_OK]\r\nType=PUSHBUTTON\r\nIDs=IDOK\r\n"},
    };
    const std::string earlier = LegacySkin() + " stands for an earlier conversion";
    const std::wstring target = folder.File(L"old.xui");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReleaseSkin();
        const size_t shown = prompts.Prompts().size();
        DesignDpi = DesignDpiPair{};
        ASSERT_TRUE(lumeo_test::WriteFileBytes(target, earlier));
        const std::wstring legacy = WriteSkin(c.bytes, L"old.ui");

        EXPECT_EQ(kSkinNoWindows, OpenSkin(legacy.c_str(), 1));
        ASSERT_EQ(shown + 2, prompts.Prompts().size());   // the question, then why it failed
        EXPECT_EQ(L"The file\r\n\r\n'" + legacy + L"'\r\n\r\nholds no skin windows and was not converted.",
                  prompts.Prompts()[shown + 1].text);
        EXPECT_TRUE(skin_test::StoreHoldsNoRecord());
        EXPECT_TRUE(g_legacyImport.stagedWindows.empty() && g_legacyImport.stagedFonts.empty() &&
                    g_legacyImport.stagedColors.empty());
        EXPECT_EQ(-1, DesignDpi.LogPixelsX);
        EXPECT_EQ(legacy, std::wstring(GetUIFilePath()));
        EXPECT_EQ(earlier, lumeo_test::ReadFileBytes(target));
        EXPECT_EQ(c.bytes, lumeo_test::ReadFileBytes(legacy));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((target + L"~").c_str()));

        // Without an earlier skin none is made.
        ASSERT_TRUE(DeleteFileW(target.c_str()));
        ReleaseSkin();
        EXPECT_EQ(kSkinNoWindows, OpenSkin(legacy.c_str(), 1));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(target.c_str()));
    }
}

TEST_F(SkinConversionTest, AnUnreadableLegacyFileIsRefusedWithItsMessage)
{
    const std::wstring legacy = WriteLegacy();
    const std::wstring target = folder.File(L"old.xui");
    ASSERT_TRUE(lumeo_test::WriteFileBytes(target, "kept"));
    const HANDLE locked = CreateFileW(legacy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, locked);

    EXPECT_EQ(kSkinFileNotParsed, OpenSkin(legacy.c_str(), 1));
    CloseHandle(locked);
    ASSERT_EQ(2u, prompts.Prompts().size());
    EXPECT_EQ(L"The file\r\n\r\n'" + legacy + L"'\r\n\r\ncould not be read and was not converted.",
              prompts.Prompts()[1].text);
    EXPECT_TRUE(skin_test::StoreHoldsNoRecord());
    EXPECT_EQ("kept", lumeo_test::ReadFileBytes(target));
}

} // namespace
