// The language files: the six that the program carries decipher into complete texts (every
// slot non-empty in every language), the deciphering itself, the choice of file from a stored
// code, and their removal.
#include "config/LanguageFiles.h"
#include "core/CoreUiTexts.h"
#include "core/Des.h"

#include "tests/config/UiTextTestSupport.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

namespace {

using config_test::Slots;
using config_test::TextSlot;

// The enciphered bytes of one language resource of this program, as start-up writes them out.
std::string ResourceBytes(int id)
{
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), kLanguageResourceType);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return std::string();
    return std::string(static_cast<const char*>(data), SizeofResource(module, found));
}

std::string Encipher(const std::string& plain)
{
    std::string out((plain.size() + 7) / 8 * 8, '\0');
    int written = 0;
    Des3EcbEncryptFixedKey(reinterpret_cast<const unsigned char*>(plain.data()), static_cast<int>(plain.size()),
                           reinterpret_cast<unsigned char*>(&out[0]), &written);
    out.resize(static_cast<size_t>(written));
    return out;
}

class LanguageFiles : public testing::Test {
protected:
    CString Folder() const { return CString((dir.Path() + L"\\").c_str()); }
    std::wstring File(const std::wstring& name) const { return dir.File(name); }

    lumeo_test::TempDir dir;
    std::unique_ptr<UiTextTable> table = std::make_unique<UiTextTable>();
};

TEST_F(LanguageFiles, EachShippedLanguageDefinesEveryTextOfTheTable)
{
    struct Language {
        const wchar_t* code;
        const wchar_t* name;  // its Info language text
    } const languages[] = {
        {L"SP_ENG", L"English"}, {L"SP_FRE", L"Fran\x00e7" L"ais"}, {L"SP_ITA", L"Italiano"},
        {L"SP_RUS", L"\x0420\x0443\x0441\x0441\x043a\x0438\x0439"}, {L"SP_SPA", L"Espa\x00f1" L"ol"},
        {L"SP_POR", L"Portugu\x00ea" L"s"},
    };
    ASSERT_EQ(std::size(kLanguageFiles), std::size(languages));
    for (size_t i = 0; i < std::size(languages); ++i) {
        const Language& language = languages[i];
        SCOPED_TRACE(testing::Message() << language.code);
        EXPECT_STREQ(language.code, kLanguageFiles[i].code);

        const std::string enciphered = ResourceBytes(kLanguageFiles[i].resourceId);
        ASSERT_FALSE(enciphered.empty()) << "resource " << kLanguageFiles[i].resourceId;
        EXPECT_EQ(0u, enciphered.size() % 8);
        ASSERT_TRUE(lumeo_test::WriteFileBytes(File(std::wstring(language.code) + L".txt"), enciphered));

        *table = UiTextTable();
        const std::string storedCode(language.code, language.code + wcslen(language.code));
        ASSERT_TRUE(LoadLanguageFile(Folder(), storedCode, *table));

        // The plain file is UTF-16 with a byte-order mark, a whole number of cipher blocks.
        const std::string plain = lumeo_test::ReadFileBytes(File(std::wstring(language.code) + L".INI"));
        EXPECT_EQ(enciphered.size(), plain.size());
        EXPECT_EQ(std::string("\xFF\xFE"), plain.substr(0, 2));

        for (const TextSlot& slot : Slots(*table))
            EXPECT_FALSE(slot.text.empty()) << slot.section << L" " << slot.key;
        EXPECT_STREQ(language.name, table->info.language.GetString());
        // Texts that others are appended to keep their closing blank through the whole chain.
        EXPECT_EQ(L' ', table->callWnd.t30015.Str().back());
        EXPECT_EQ(L' ', table->callWnd.t30022.Str().back());
    }
}

TEST_F(LanguageFiles, DecipheringDropsAnIncompleteLastBlockAndReplacesAnOlderPlainFile)
{
    const std::string plain = "[Info]\r\nlanguage=Sample\r\n";  // 25 bytes: three blocks and one byte
    const std::string enciphered = Encipher(plain);
    ASSERT_EQ(32u, enciphered.size());
    ASSERT_TRUE(lumeo_test::WriteFileBytes(File(L"in.txt"), enciphered + "xyz"));
    ASSERT_TRUE(lumeo_test::WriteFileBytes(File(L"out.INI"), std::string(100, 'o')));

    ASSERT_TRUE(DecipherLanguageFile(File(L"in.txt").c_str(), File(L"out.INI").c_str()));
    EXPECT_EQ(plain + std::string(7, '\0'), lumeo_test::ReadFileBytes(File(L"out.INI")));
}

TEST_F(LanguageFiles, DecipheringFailsWithoutAnEncipheredFileToRead)
{
    EXPECT_FALSE(DecipherLanguageFile(File(L"absent.txt").c_str(), File(L"a.INI").c_str()));
    ASSERT_TRUE(lumeo_test::WriteFileBytes(File(L"empty.txt"), std::string()));
    EXPECT_FALSE(DecipherLanguageFile(File(L"empty.txt").c_str(), File(L"b.INI").c_str()));
    ASSERT_TRUE(lumeo_test::WriteFileBytes(File(L"in.txt"), Encipher("[S]\r\nk=v\r\n")));
    EXPECT_FALSE(DecipherLanguageFile(File(L"in.txt").c_str(), File(L"no such folder\\c.INI").c_str()));
}

TEST_F(LanguageFiles, AStoredCodeOutsideTheSixFallsBackToEnglish)
{
    struct Case {
        const char* stored;
        const wchar_t* code;
    } const cases[] = {
        {"SP_ENG", L"SP_ENG"}, {"SP_FRE", L"SP_FRE"}, {"SP_ITA", L"SP_ITA"}, {"SP_RUS", L"SP_RUS"},
        {"SP_SPA", L"SP_SPA"}, {"SP_POR", L"SP_POR"}, {"sp_rus", L"SP_RUS"}, {"", L"SP_ENG"},
        {"SP_GER", L"SP_ENG"}, {"SP_FRE ", L"SP_ENG"}, {"..\\..\\SP_FRE", L"SP_ENG"}, {"C:\\evil", L"SP_ENG"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.code, LanguageCodeForFiles(c.stored).GetString()) << c.stored;
}

TEST_F(LanguageFiles, AnUnknownStoredCodeLoadsTheEnglishFile)
{
    ASSERT_TRUE(lumeo_test::WriteFileBytes(File(L"SP_ENG.txt"), Encipher(config_test::Utf16File(L"[Info]\r\nlanguage=English\r\n"))));
    EXPECT_TRUE(LoadLanguageFile(Folder(), "..\\outside", *table));
    EXPECT_STREQ(L"English", table->info.language.GetString());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(File(L"..\\outside.INI").c_str()));
}

TEST_F(LanguageFiles, AMissingEncipheredFileFailsTheLoad)
{
    config_test::MarkEveryText(*table);
    EXPECT_FALSE(LoadLanguageFile(Folder(), "SP_ITA", *table));
    EXPECT_STREQ(L"Info/language", table->info.language.GetString());
}

TEST_F(LanguageFiles, TheStartUpFormFillsTheProgramsTableAndBindsTheCore)
{
    struct Restore {
        ~Restore()
        {
            g_uiTexts = UiTextTable();
            BindCoreUiTexts(CoreUiTextSlots{});
        }
    } restore;
    ASSERT_TRUE(lumeo_test::WriteFileBytes(File(L"SP_SPA.txt"), ResourceBytes(kLanguageFiles[4].resourceId)));
    ASSERT_TRUE(LoadLanguageFile(Folder(), "SP_SPA"));
    EXPECT_STREQ(L"Amigos", g_uiTexts.contactDetailsWnd.t32000.GetString());
    EXPECT_STREQ(L"Amigos", DefaultGroupNameText().GetString());
    EXPECT_FALSE(CallDurationPrefixText().IsEmpty());
}

TEST_F(LanguageFiles, DeletingRemovesAllTwelveLanguageFilesAndNothingElse)
{
    for (const LanguageFile& file : kLanguageFiles) {
        ASSERT_TRUE(lumeo_test::WriteFileBytes(File(std::wstring(file.code) + L".txt"), "x"));
        ASSERT_TRUE(lumeo_test::WriteFileBytes(File(std::wstring(file.code) + L".INI"), "x"));
    }
    ASSERT_TRUE(lumeo_test::WriteFileBytes(File(L"SP_GER.INI"), "x"));
    ASSERT_TRUE(lumeo_test::WriteFileBytes(File(L"notes.txt"), "x"));

    DeleteLanguageFiles(Folder());
    for (const LanguageFile& file : kLanguageFiles) {
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(File(std::wstring(file.code) + L".txt").c_str())) << file.code;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(File(std::wstring(file.code) + L".INI").c_str())) << file.code;
    }
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(File(L"SP_GER.INI").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(File(L"notes.txt").c_str()));
    DeleteLanguageFiles(Folder());  // nothing left to delete: no harm
}

} // namespace
