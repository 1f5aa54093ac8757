// Bounded fuzzing of the language loader: a few thousand damaged copies of a plain language
// file, and of the program's own enciphered one through start-up's whole chain, from fixed
// seeds. None may crash or hang the process; a file that is accepted must fill a text; and the
// file read is never changed.
#include "core/LanguageFile.h"
#include "core/OptionsRecord.h"
#include "core/ProgramResources.h"
#include "texts/UiTextLoader.h"

#include "tests/config/UiTextTestSupport.h"
#include "tests/support/Mutations.h"
#include "tests/support/ProgramFolderScope.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

namespace {

using config_test::Slots;
using config_test::TextSlot;

constexpr int kPlainCases = 2000;
constexpr int kEncipheredCases = 400;

bool FillsAText(const UiTextTable& table)
{
    for (const TextSlot& slot : Slots(table)) {
        if (!slot.text.empty())
            return true;
    }
    return false;
}

UiTextTable* g_fuzzTarget = nullptr;

bool LoadIntoFuzzTarget(const CString& path)
{
    return LoadUiTexts(path, *g_fuzzTarget);
}

TEST(LanguageFuzz, DamagedPlainFilesFailOrFillATextAndAreNeverChanged)
{
    lumeo_test::Mutations mutations(4603, {"[", "]", "\r\n", "=", "\"", ";", std::string("\0\0", 2),
                                           std::string("\xFF\xFE", 2), std::string("\xFE\xFF", 2), "\xEF\xBB\xBF"});
    const std::string seed = config_test::Utf16File(
        L"[Info]\r\nlanguage=English\r\noption=Language\r\n[APP_INSTANCE]\r\n37000=The database could not be opened.\r\n"
        L"[MAIN_WND]\r\n35012=Contacts\r\n35013=\"Call \"\r\n[PAGE_WND]\r\n40049=Media quality\r\n");
    lumeo_test::TempDir dir;
    const std::wstring path = dir.File(L"SP_ENG.INI");
    const auto table = std::make_unique<UiTextTable>();
    int accepted = 0;
    for (int i = 0; i < kPlainCases; ++i) {
        const std::string bytes = mutations.Next(seed);
        ASSERT_TRUE(lumeo_test::WriteFileBytes(path, bytes));
        *table = UiTextTable();
        if (LoadUiTexts(CString(path.c_str()), *table)) {
            ++accepted;
            EXPECT_TRUE(FillsAText(*table)) << "case " << i << ": accepted without a text";
        }
        EXPECT_EQ(bytes, lumeo_test::ReadFileBytes(path)) << "case " << i;
        if (testing::Test::HasFailure())
            break;
    }
    EXPECT_GT(accepted, kPlainCases / 10);
}

TEST(LanguageFuzz, DamagedEncipheredFilesFailOrFillATextAndAreNeverChanged)
{
    const std::string savedLanguage = g_options.Language;
    const lumeo_test::ProgramFolderScope folder;
    ASSERT_TRUE(CreateDirectoryW(folder.Path(L"Language").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(folder.Path(L"Language\\Lumeo").c_str(), nullptr));
    WriteLanguageResources(LanguageFolder());
    g_options.Language = "SP_ENG";
    const std::wstring cipher = folder.Path(L"Language\\Lumeo\\SP_ENG.txt");
    const std::string seed = lumeo_test::ReadFileBytes(cipher);
    ASSERT_FALSE(seed.empty());

    lumeo_test::Mutations mutations(4604, {std::string(8, '\0'), seed.substr(0, 8), seed.substr(seed.size() - 8)});
    const auto table = std::make_unique<UiTextTable>();
    g_fuzzTarget = table.get();
    int accepted = 0;
    for (int i = 0; i < kEncipheredCases; ++i) {
        const std::string bytes = mutations.Next(seed);
        ASSERT_TRUE(lumeo_test::WriteFileBytes(cipher, bytes));
        *table = UiTextTable();
        if (LoadLanguageFile(&LoadIntoFuzzTarget)) {
            ++accepted;
            EXPECT_TRUE(FillsAText(*table)) << "case " << i << ": accepted without a text";
        }
        EXPECT_EQ(bytes, lumeo_test::ReadFileBytes(cipher)) << "case " << i;
        if (testing::Test::HasFailure())
            break;
    }
    g_fuzzTarget = nullptr;
    DeleteLanguageFiles();
    g_options.Language = savedLanguage;
    EXPECT_GT(accepted, 0);
}

} // namespace
