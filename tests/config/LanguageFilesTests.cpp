// The six language files the program carries, through start-up's own chain: written out of the
// program's resources, deciphered and read into the text table. Every slot has a non-empty text
// in every language, and the start-up loader binds the core's two texts to the program's table.
#include "core/CoreUiTexts.h"
#include "core/LanguageFile.h"
#include "core/OptionsRecord.h"
#include "core/ProgramResources.h"
#include "resources/ProgramIds.h"
#include "texts/UiTextLoader.h"

#include "tests/config/UiTextTestSupport.h"
#include "tests/support/ProgramFolderScope.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

namespace {

using config_test::Slots;
using config_test::TextSlot;

UiTextTable* g_target = nullptr;

bool LoadIntoTarget(const CString& path)
{
    return LoadUiTexts(path, *g_target);
}

class ShippedLanguages : public testing::Test {
protected:
    void SetUp() override
    {
        savedLanguage = g_options.Language;
        ASSERT_TRUE(CreateDirectoryW(folder.Path(L"Language").c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryW(folder.Path(L"Language\\Lumeo").c_str(), nullptr));
        WriteLanguageResources(LanguageFolder());
        g_target = table.get();
    }
    void TearDown() override
    {
        g_target = nullptr;
        g_options.Language = savedLanguage;
        g_uiTexts = UiTextTable();
        BindCoreUiTexts(CoreUiTextSlots{});
    }

    std::string PlainFile(const wchar_t* code) const
    {
        return lumeo_test::ReadFileBytes(folder.Path((std::wstring(L"Language\\Lumeo\\") + code + L".INI").c_str()));
    }

    lumeo_test::ProgramFolderScope folder;
    std::unique_ptr<UiTextTable> table = std::make_unique<UiTextTable>();
    std::string savedLanguage;
};

TEST_F(ShippedLanguages, EachDefinesEveryTextOfTheTable)
{
    struct Language {
        const char* code;
        const wchar_t* name;  // its own Info language text
    } const languages[] = {
        {"SP_ENG", L"English"},
        {"SP_FRE", L"Fran\x00e7" L"ais"},
        {"SP_ITA", L"Italiano"},
        {"SP_RUS", L"\x0420\x0443\x0441\x0441\x043a\x0438\x0439"},
        {"SP_SPA", L"Espa\x00f1" L"ol"},
        {"SP_POR", L"Portugu\x00ea" L"s"},
    };
    for (const Language& language : languages) {
        SCOPED_TRACE(language.code);
        *table = UiTextTable();
        g_options.Language = language.code;
        ASSERT_TRUE(LoadLanguageFile(&LoadIntoTarget));

        // UTF-16 with a byte-order mark, padded by the build to whole cipher blocks.
        const std::string plain = PlainFile(LanguageCodeForFiles(language.code));
        EXPECT_EQ(0u, plain.rfind("\xFF\xFE", 0));
        EXPECT_EQ(0u, plain.size() % 8);

        for (const TextSlot& slot : Slots(*table))
            EXPECT_FALSE(slot.text.empty()) << slot.section << L" " << slot.key;
        EXPECT_STREQ(language.name, table->info.language.GetString());
        // Texts that others are appended to keep their closing blank through the whole chain.
        EXPECT_EQ(L' ', table->callWnd.t30015.Str().back());
        EXPECT_EQ(L' ', table->callWnd.t30022.Str().back());
    }
    DeleteLanguageFiles();
}

TEST_F(ShippedLanguages, TheStartUpLoaderFillsTheProgramsTableAndBindsTheCore)
{
    g_options.Language = "SP_SPA";
    ASSERT_TRUE(LoadLanguageFile(&LoadUiTexts));
    DeleteLanguageFiles();
    EXPECT_STREQ(L"Amigos", g_uiTexts.contactDetailsWnd.t32000.GetString());
    EXPECT_STREQ(L"Amigos", DefaultGroupNameText().GetString());
    EXPECT_STREQ(L"Duraci\x00f3n:", CallDurationPrefixText().GetString());
}

} // namespace
