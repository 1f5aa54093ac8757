// Proves what start-up writes beside the program: every skin bitmap as a valid BMP of its
// resource's size, the skin files byte for byte, the record folder; that a second start
// replaces files the user edited; that the chosen language (English for any code outside the
// six) is deciphered from a file opened only for reading and handed to the text loader; that no
// language file is left once the texts are loaded; and that the skin opens from what was written.
#include "core/DIBSectionLite.h"
#include "core/LanguageFile.h"
#include "core/OptionsRecord.h"
#include "core/ProgramResources.h"
#include "core/TavikSQL.h"
#include "core/TextConvert.h"
#include "resources/ProgramIds.h"
#include "skin/model/SkinLifecycle.h"
#include "tests/support/ProgramFolderScope.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <string>

using lumeo_test::At;
using lumeo_test::ProgramFolderScope;
using lumeo_test::ReadFileBytes;
using lumeo_test::WriteFileBytes;

namespace {

std::string ResourceBytes(const wchar_t* type, UINT id)
{
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!found)
        return std::string();
    const void* bytes = ::LockResource(::LoadResource(module, found));
    return std::string(static_cast<const char*>(bytes), ::SizeofResource(module, found));
}

SIZE ResourceBitmapSize(UINT id)
{
    BITMAP bitmap{};
    if (const HBITMAP loaded = static_cast<HBITMAP>(
            ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {
        ::GetObjectW(loaded, sizeof bitmap, &bitmap);
        ::DeleteObject(loaded);
    }
    return SIZE{bitmap.bmWidth, bitmap.bmHeight};
}

bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class StartUpFiles : public testing::Test {
protected:
    void SetUp() override { savedLanguage = g_options.Language; }
    void TearDown() override { g_options.Language = savedLanguage; }

    std::wstring Skin(const wchar_t* file) const { return folder.Path((std::wstring(L"Skins\\Lumeo\\") + file).c_str()); }
    std::wstring Language(const wchar_t* file) const
    {
        return folder.Path((std::wstring(L"Language\\Lumeo\\") + file).c_str());
    }

    ProgramFolderScope folder;
    std::string savedLanguage;
};

TEST_F(StartUpFiles, EveryBitmapIsWrittenAsAValidBmpOfItsResourcesSize)
{
    WriteProgramResources();
    for (const SkinBitmapFile& bitmap : SkinBitmapFiles()) {
        SCOPED_TRACE(testing::Message() << std::wstring(bitmap.file));
        const std::string file = ReadFileBytes(Skin(bitmap.file));
        ASSERT_GE(file.size(), 54u);
        EXPECT_EQ('B', file[0]);
        EXPECT_EQ('M', file[1]);
        EXPECT_EQ(file.size(), At<DWORD>(file, 2));
        const auto header = At<BITMAPINFOHEADER>(file, 14);
        EXPECT_EQ(40u, header.biSize);
        const SIZE expected = ResourceBitmapSize(bitmap.id);
        EXPECT_EQ(expected.cx, header.biWidth);
        EXPECT_EQ(expected.cy, header.biHeight);
        const DWORD colors = header.biBitCount <= 8 ? (1u << header.biBitCount) : 0u;
        EXPECT_EQ(14 + 40 + 4 * colors, At<DWORD>(file, 10));
        const DWORD stride = ((header.biWidth * header.biBitCount + 31) & ~31) / 8;
        EXPECT_EQ(stride * header.biHeight, header.biSizeImage);
        EXPECT_EQ(At<DWORD>(file, 10) + header.biSizeImage, file.size());
    }
}

// Start-up may write a bitmap straight from the program's image; the file must be byte for
// byte what the DIB object makes of the same resource.
TEST_F(StartUpFiles, EveryBitmapFileEqualsWhatTheDibObjectSaves)
{
    WriteProgramResources();
    CDIBSectionLite image;
    const std::wstring saved = folder.Path(L"saved.bmp");
    for (const SkinBitmapFile& bitmap : SkinBitmapFiles()) {
        SCOPED_TRACE(testing::Message() << std::wstring(bitmap.file));
        ASSERT_TRUE(image.LoadResourceId(bitmap.id));
        ASSERT_TRUE(image.Save(saved.c_str()));
        EXPECT_TRUE(ReadFileBytes(saved) == ReadFileBytes(Skin(bitmap.file)));
    }
}

TEST_F(StartUpFiles, TheNotifierBitmapIs261By84WithPaddedRowsAndNoColourTable)
{
    WriteProgramResources();
    const std::string file = ReadFileBytes(Skin(L"MsgBox.bmp"));
    EXPECT_EQ(14u + 40u + 784u * 84u, file.size());
    EXPECT_EQ(261, At<BITMAPINFOHEADER>(file, 14).biWidth);
    EXPECT_EQ(84, At<BITMAPINFOHEADER>(file, 14).biHeight);
    EXPECT_EQ(54u, At<DWORD>(file, 10));
}

TEST_F(StartUpFiles, TheSkinFilesAreWrittenByteForByteAndTheFoldersMade)
{
    WriteProgramResources();
    EXPECT_EQ(ResourceBytes(L"SKINFILES", IDR_SKIN_XUI), ReadFileBytes(Skin(L"the.xui")));
    EXPECT_EQ(ResourceBytes(L"SKINFILES", IDR_SKIN_RESOURCE_H), ReadFileBytes(Skin(L"Resource.h")));
    EXPECT_EQ(0u, ReadFileBytes(Skin(L"the.xui")).rfind("\xEF\xBB\xBF<?xml", 0));
    EXPECT_TRUE(Exists(Skin(L"avatars")));
    for (const wchar_t* code : {L"SP_ENG.txt", L"SP_FRE.txt", L"SP_ITA.txt", L"SP_RUS.txt", L"SP_SPA.txt", L"SP_POR.txt"})
        EXPECT_TRUE(Exists(Language(code))) << std::wstring(code);
    EXPECT_TRUE(CreateRecordFolder());
    EXPECT_TRUE(Exists(folder.Path(L"RecordFiles")));
}

TEST_F(StartUpFiles, ASecondStartReplacesFilesTheUserEdited)
{
    WriteProgramResources();
    const wchar_t* const kEdited[] = {L"Main.bmp", L"CONTACT_OK_BUTTONS.bmp", L"the.xui", L"Resource.h"};
    std::string originals[std::size(kEdited)];
    for (size_t i = 0; i < std::size(kEdited); ++i) {
        originals[i] = ReadFileBytes(Skin(kEdited[i]));
        ASSERT_TRUE(WriteFileBytes(Skin(kEdited[i]), "edited by hand"));
    }
    ASSERT_TRUE(WriteFileBytes(Language(L"SP_ENG.txt"), "x"));

    WriteProgramResources();
    for (size_t i = 0; i < std::size(kEdited); ++i)
        EXPECT_EQ(originals[i], ReadFileBytes(Skin(kEdited[i]))) << std::wstring(kEdited[i]);
    EXPECT_EQ(ResourceBytes(L"LGFILE", IDR_LANGUAGE_ENG), ReadFileBytes(Language(L"SP_ENG.txt")));
}

// A skin file that cannot be written is named, so start-up can say what failed, and the
// language files are written all the same (they used to be skipped, and start-up then blamed
// the language).
TEST_F(StartUpFiles, ASkinFileThatCannotBeWrittenIsNamedAndTheLanguagesAreStillWritten)
{
    WriteProgramResources();
    ASSERT_TRUE(WriteFileBytes(Skin(L"the.xui"), "a skin of an older program"));
    for (const wchar_t* blocked : {L"Resource.h", L"the.xui"}) {
        SCOPED_TRACE(testing::Message() << std::wstring(blocked));
        ASSERT_TRUE(::DeleteFileW(Skin(blocked).c_str()));
        ASSERT_TRUE(::CreateDirectoryW(Skin(blocked).c_str(), nullptr));   // neither readable nor writable
        DeleteLanguageFiles();

        EXPECT_EQ(Skin(blocked), std::wstring(WriteProgramResources()));
        for (const wchar_t* code : {L"SP_ENG.txt", L"SP_FRE.txt", L"SP_ITA.txt", L"SP_RUS.txt", L"SP_SPA.txt", L"SP_POR.txt"})
            EXPECT_TRUE(Exists(Language(code))) << std::wstring(code);
        ASSERT_TRUE(::RemoveDirectoryW(Skin(blocked).c_str()));
    }
    EXPECT_TRUE(WriteProgramResources().IsEmpty());
}

FILETIME WriteTime(const std::wstring& path)
{
    FILETIME written{};
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        written = data.ftLastWriteTime;
    return written;
}

bool SetWriteTime(const std::wstring& path, const FILETIME& time)
{
    const HANDLE file = ::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool set = ::SetFileTime(file, nullptr, nullptr, &time) != FALSE;
    ::CloseHandle(file);
    return set;
}

// A file already holding exactly what would be written keeps its write time (it is not
// written again); one differing only in a byte, or in length, is replaced.
TEST_F(StartUpFiles, AFileAlreadyHoldingTheSameBytesIsLeftAndAnyOtherReplaced)
{
    WriteProgramResources();
    const FILETIME kOld{0x12345678, 0x01D00000};   // some day in 2015
    enum class Change { None, LastByte, Shorter };
    const struct {
        const wchar_t* file;
        Change change;
    } kCases[] = {
        {L"Main.bmp", Change::None},        {L"the.xui", Change::None},
        {L"Resource.h", Change::None},      {L"Tick_N.bmp", Change::LastByte},
        {L"the.xui", Change::LastByte},     {L"MsgBox.bmp", Change::Shorter},
        {L"Resource.h", Change::Shorter},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << std::wstring(c.file) << " change " << static_cast<int>(c.change));
        const std::wstring path = Skin(c.file);
        const std::string original = ReadFileBytes(path);
        ASSERT_FALSE(original.empty());
        std::string edited = original;
        if (c.change == Change::LastByte)
            edited.back() = static_cast<char>(edited.back() ^ 0x5A);
        else if (c.change == Change::Shorter)
            edited.pop_back();
        ASSERT_TRUE(WriteFileBytes(path, edited));
        ASSERT_TRUE(SetWriteTime(path, kOld));

        WriteProgramResources();
        EXPECT_EQ(original, ReadFileBytes(path));
        const FILETIME now = WriteTime(path);
        const bool untouched = now.dwLowDateTime == kOld.dwLowDateTime && now.dwHighDateTime == kOld.dwHighDateTime;
        EXPECT_EQ(c.change == Change::None, untouched);
    }
}

// A later start of the same program checks the skin folder against the record of what it
// wrote, not against the program's resources: files as written stay untouched, an edit that
// keeps the size and the write time is still found and replaced, and a record of another
// program, or a file that could not be written, brings the full compare back.
TEST_F(StartUpFiles, ALaterStartChecksTheSkinFolderAgainstTheRecordOfWhatItWrote)
{
    ASSERT_TRUE(WriteProgramResources().IsEmpty());
    const std::wstring record = folder.Path(L"Skins\\Lumeo.written");
    ASSERT_TRUE(Exists(record));
    const std::string written = ReadFileBytes(record);
    const std::wstring image = Skin(L"Main.bmp");
    const std::string original = ReadFileBytes(image);
    ASSERT_GT(original.size(), 100u);
    const FILETIME kOld{0x12345678, 0x01D00000};
    ASSERT_TRUE(SetWriteTime(image, kOld));

    ASSERT_TRUE(WriteProgramResources().IsEmpty());
    const FILETIME now = WriteTime(image);
    EXPECT_EQ(0, CompareFileTime(&kOld, &now)) << "a file as written is left untouched";
    EXPECT_EQ(written, ReadFileBytes(record));

    std::string disguised = original;
    disguised[disguised.size() / 2] = static_cast<char>(disguised[disguised.size() / 2] ^ 0x5A);
    ASSERT_TRUE(WriteFileBytes(image, disguised));
    ASSERT_TRUE(SetWriteTime(image, kOld));
    ASSERT_TRUE(WriteProgramResources().IsEmpty());
    EXPECT_EQ(original, ReadFileBytes(image)) << "an edit that kept the size and the time";

    std::string other = ReadFileBytes(record);
    other[std::string("program ").size()] = '9';
    ASSERT_TRUE(WriteFileBytes(record, other));
    ASSERT_TRUE(WriteProgramResources().IsEmpty());
    EXPECT_EQ(written.substr(written.find('\n')), ReadFileBytes(record).substr(ReadFileBytes(record).find('\n')))
        << "a record of another program is made again";

    // A file that cannot be written leaves no record behind.
    ASSERT_TRUE(::DeleteFileW(image.c_str()));
    ASSERT_TRUE(::CreateDirectoryW(image.c_str(), nullptr));
    WriteProgramResources();
    EXPECT_FALSE(Exists(record));
    ASSERT_TRUE(::RemoveDirectoryW(image.c_str()));
}

// The record a first start makes from the bytes it writes is the record a later start makes by
// reading the files back: the later start finds it holds, and neither writes nor records again.
TEST_F(StartUpFiles, TheRecordMadeWhileWritingMatchesTheFilesAsALaterStartReadsThem)
{
    ASSERT_TRUE(WriteProgramResources().IsEmpty());
    const std::wstring record = folder.Path(L"Skins\\Lumeo.written");
    const std::string written = ReadFileBytes(record);
    ASSERT_FALSE(written.empty());
    const FILETIME kOld{0x12345678, 0x01D00000};
    ASSERT_TRUE(SetWriteTime(record, kOld));
    ASSERT_TRUE(SetWriteTime(Skin(L"the.xui"), kOld));

    ASSERT_TRUE(WriteProgramResources().IsEmpty());
    FILETIME now = WriteTime(record);
    EXPECT_EQ(0, CompareFileTime(&kOld, &now)) << "the record was made again";
    now = WriteTime(Skin(L"the.xui"));
    EXPECT_EQ(0, CompareFileTime(&kOld, &now)) << "a skin file was written again";
    EXPECT_EQ(written, ReadFileBytes(record));
}

// What the text loader was handed, for the test to look at.
struct LoaderCall {
    int calls = 0;
    std::wstring path;
    std::string text;
};
LoaderCall g_loaded;

bool RecordingLoader(const CString& path)
{
    ++g_loaded.calls;
    g_loaded.path = static_cast<LPCWSTR>(path);
    g_loaded.text = ReadFileBytes(g_loaded.path);
    return true;
}

TEST_F(StartUpFiles, TheChosenLanguageIsDecipheredAndHandedToTheLoader)
{
    struct Case {
        const char* language;
        const wchar_t* file;
        const char* text;
    };
    const Case kCases[] = {
        {"", L"SP_ENG.INI", "[Info]\r\nlanguage=ENG\r\n[MAIN_WND]\r\n35012=Contacts ENG\r\n"},
        {"SP_FRE", L"SP_FRE.INI", "[Info]\r\nlanguage=FRE\r\n[MAIN_WND]\r\n35012=Contacts FRE\r\n"},
        {"SP_RUS", L"SP_RUS.INI", "[Info]\r\nlanguage=RUS\r\n[MAIN_WND]\r\n35012=Contacts RUS\r\n"},
    };
    WriteProgramResources();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.language);
        g_options.Language = c.language;
        g_loaded = LoaderCall{};
        ASSERT_TRUE(LoadLanguageFile(&RecordingLoader));
        EXPECT_EQ(1, g_loaded.calls);
        EXPECT_EQ(Language(c.file), g_loaded.path);
        // The last block was padded with zero bytes when it was enciphered.
        const std::string text = c.text;
        ASSERT_EQ(0u, g_loaded.text.size() % 8);
        EXPECT_EQ(text, g_loaded.text.substr(0, text.size()));
        EXPECT_EQ(std::string(g_loaded.text.size() - text.size(), '\0'), g_loaded.text.substr(text.size()));
    }
}

TEST_F(StartUpFiles, TheEncipheredFileIsOnlyReadSoAReadOnlyCopyStillLoads)
{
    WriteProgramResources();
    g_options.Language = "SP_ITA";
    const std::wstring cipher = Language(L"SP_ITA.txt");
    const std::string before = ReadFileBytes(cipher);
    ASSERT_TRUE(::SetFileAttributesW(cipher.c_str(), FILE_ATTRIBUTE_READONLY));
    g_loaded = LoaderCall{};
    const bool loaded = LoadLanguageFile(&RecordingLoader);
    ::SetFileAttributesW(cipher.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(1, g_loaded.calls);
    EXPECT_EQ(before, ReadFileBytes(cipher));
}

// A language file that start-up could not write again and that was cut short is refused, so
// start-up says the language failed rather than signing in with blank texts.
TEST_F(StartUpFiles, ALanguageFileCutShortIsRefused)
{
    WriteProgramResources();
    g_options.Language = "SP_FRE";
    const std::wstring cipher = Language(L"SP_FRE.txt");
    const std::string whole = ReadFileBytes(cipher);
    ASSERT_GE(whole.size(), 16u);
    const size_t cuts[] = {1, 3, 7, 8, 16};   // inside the last block, and whole blocks off
    for (const size_t cut : cuts) {
        SCOPED_TRACE(cut);
        ASSERT_TRUE(WriteFileBytes(cipher, whole.substr(0, whole.size() - cut)));
        g_loaded = LoaderCall{};
        EXPECT_FALSE(LoadLanguageFile(&RecordingLoader));
        EXPECT_EQ(0, g_loaded.calls);
    }
    ASSERT_TRUE(WriteFileBytes(cipher, whole));
    EXPECT_TRUE(LoadLanguageFile(&RecordingLoader));
    DeleteLanguageFiles();
}

TEST_F(StartUpFiles, AStoredLanguageOutsideTheSixLoadsEnglish)
{
    WriteProgramResources();
    for (const char* stored : {"SP_XXX", "..\\..\\evil"}) {
        SCOPED_TRACE(stored);
        g_options.Language = stored;
        g_loaded = LoaderCall{};
        EXPECT_TRUE(LoadLanguageFile(&RecordingLoader));
        EXPECT_EQ(Language(L"SP_ENG.INI"), g_loaded.path);
        EXPECT_EQ(0u, g_loaded.text.rfind("[Info]\r\nlanguage=ENG\r\n", 0));
    }
    EXPECT_FALSE(Exists(Language(L"SP_XXX.INI")));
    EXPECT_FALSE(Exists(folder.Path(L"evil.INI")));
}

TEST(LanguageCode, OnlyTheSixCodesReachAFileNameAndAnythingElseIsEnglish)
{
    struct Case {
        const char* stored;
        const wchar_t* code;
    } const cases[] = {
        {"SP_ENG", L"SP_ENG"}, {"SP_FRE", L"SP_FRE"}, {"SP_ITA", L"SP_ITA"}, {"SP_RUS", L"SP_RUS"},
        {"SP_SPA", L"SP_SPA"}, {"SP_POR", L"SP_POR"}, {"sp_rus", L"SP_RUS"}, {"Sp_Por", L"SP_POR"},
        {"", L"SP_ENG"},       {"SP_GER", L"SP_ENG"}, {"SP_FRE ", L"SP_ENG"}, {"C:\\x", L"SP_ENG"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.code, LanguageCodeForFiles(c.stored).GetString()) << c.stored;
}

TEST_F(StartUpFiles, NoLanguageFileRemainsAfterStartUp)
{
    WriteProgramResources();
    g_options.Language = "SP_SPA";
    ASSERT_TRUE(LoadLanguageFile(&RecordingLoader));
    DeleteLanguageFiles();
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(Language(L"SP_*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "left behind: " << std::wstring(found.cFileName);
        ::FindClose(search);
    }
}

int g_menuRegistrations = 0;
bool CountMenuRegistration()
{
    ++g_menuRegistrations;
    return true;
}

TEST_F(StartUpFiles, TheSkinOpensFromWhatWasWrittenAndAMissingOneClosesTheDatabase)
{
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    const std::string database = WideToUtf8(CString(folder.Path(L"Data.db").c_str()));

    ASSERT_TRUE(g_database.Open(database));
    g_menuRegistrations = 0;
    Vexel::ReleaseSkin();
    EXPECT_FALSE(LoadSkin(&CountMenuRegistration));   // nothing written yet
    EXPECT_EQ(0, g_menuRegistrations);
    EXPECT_FALSE(g_database.IsOpen());

    WriteProgramResources();
    ASSERT_TRUE(g_database.Open(database));
    Vexel::ReleaseSkin();
    EXPECT_TRUE(LoadSkin(&CountMenuRegistration));
    EXPECT_EQ(1, g_menuRegistrations);
    EXPECT_TRUE(g_database.IsOpen());

    Vexel::ReleaseSkin();
    g_database.Close();
    OleUninitialize();
}

} // namespace
