// The INI reader and LoadUiTexts: what reaches the table for empty paths, missing files,
// sections and keys, empty values, long values, names in other letter case, the MISC gap,
// quoted values and files that end in zero padding; the text forms the reader takes; and that a
// file filling no text fails.
#include "core/CoreUiTexts.h"
#include "texts/IniFile.h"
#include "texts/UiTextLoader.h"

#include "tests/config/UiTextTestSupport.h"
#include "tests/support/Mutations.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using config_test::Slots;
using config_test::TextSlot;
using config_test::Utf16File;

class UiTextLoader : public testing::Test {
protected:
    CString WriteIni(const std::wstring& text, const std::string& tail = std::string())
    {
        const std::wstring path = dir.File(L"texts.INI");
        EXPECT_TRUE(lumeo_test::WriteFileBytes(path, Utf16File(text) + tail));
        return CString(path);
    }

    lumeo_test::TempDir dir;
    std::unique_ptr<UiTextTable> table = std::make_unique<UiTextTable>();
};

TEST_F(UiTextLoader, AnEmptyPathIsRefusedAndTouchesNoText)
{
    config_test::MarkEveryText(*table);
    EXPECT_FALSE(LoadUiTexts(CString(), *table));
    for (const TextSlot& slot : Slots(*table))
        EXPECT_EQ(slot.section + L"/" + slot.key, slot.text);
}

TEST_F(UiTextLoader, AMissingFileLoadsEveryTextEmptyAndFails)
{
    config_test::MarkEveryText(*table);
    EXPECT_FALSE(LoadUiTexts(CString(dir.File(L"absent.INI").c_str()), *table));
    for (const TextSlot& slot : Slots(*table))
        EXPECT_TRUE(slot.text.empty()) << slot.section << L" " << slot.key;
}

TEST_F(UiTextLoader, AMissingSectionLeavesOnlyItsTextsEmpty)
{
    config_test::MarkEveryText(*table);
    const CString path = WriteIni(L"[Info]\r\nlanguage=English\r\n[VIDEO_WND]\r\n36000=Video\r\n36004=Mine\r\n");
    EXPECT_TRUE(LoadUiTexts(path, *table));
    EXPECT_STREQ(L"English", table->info.language.GetString());
    EXPECT_STREQ(L"Video", table->videoWnd.t36000.GetString());
    EXPECT_STREQ(L"Mine", table->videoWnd.t36004.GetString());
    EXPECT_TRUE(table->info.option.IsEmpty());
    for (const TextSlot& slot : Slots(*table)) {
        if (slot.section != L"Info" && slot.section != L"VIDEO_WND") {
            EXPECT_TRUE(slot.text.empty()) << slot.section << L" " << slot.key;
        }
    }
}

TEST_F(UiTextLoader, AnAbsentKeyAndAnEmptyValueBothGiveAnEmptyText)
{
    config_test::MarkEveryText(*table);
    const CString path = WriteIni(L"[CHAT_WND]\r\n31000=\r\n31002=says:\r\n");
    EXPECT_TRUE(LoadUiTexts(path, *table));
    EXPECT_TRUE(table->chatWnd.t31000.IsEmpty());  // empty value
    EXPECT_TRUE(table->chatWnd.t31001.IsEmpty());  // absent key
    EXPECT_STREQ(L"says:", table->chatWnd.t31002.GetString());
}

TEST_F(UiTextLoader, AValueLongerThan1023CharactersIsCut)
{
    const std::wstring longText = L"a" + std::wstring(1500, L'\x0416') + L"z";
    const CString path = WriteIni(L"[MAIN_WND]\r\n35010=" + longText + L"\r\n35011=" + longText.substr(0, 1023) + L"\r\n");
    EXPECT_TRUE(LoadUiTexts(path, *table));
    EXPECT_EQ(longText.substr(0, 1023), table->mainWnd.t35010.Str());
    EXPECT_EQ(longText.substr(0, 1023), table->mainWnd.t35011.Str());
}

TEST_F(UiTextLoader, SectionAndKeyNamesAreFoundInAnyLetterCase)
{
    const CString path = WriteIni(L"[info]\r\nLANGUAGE=English\r\nOption=Language\r\n[call_wnd]\r\n30046=Duration:\r\n"
                                  L"[Dlg_VideoSetp]\r\n25001=Show video\r\n");
    EXPECT_TRUE(LoadUiTexts(path, *table));
    EXPECT_STREQ(L"English", table->info.language.GetString());
    EXPECT_STREQ(L"Language", table->info.option.GetString());
    EXPECT_STREQ(L"Duration:", table->callWnd.t30046.GetString());
    EXPECT_STREQ(L"Show video", table->dlgVideoSetup.t25001.GetString());
}

TEST_F(UiTextLoader, TheMiscGapAndKeysBeyondTheTableAreNeverRead)
{
    std::wstring misc = L"[MISC]\r\n";
    for (int key = 37990; key <= 38020; ++key)
        misc += std::to_wstring(key) + L"=misc " + std::to_wstring(key) + L"\r\n";
    const CString path = WriteIni(misc + L"[EXTRA]\r\n38004=extra\r\n[CALL_WND]\r\n30049=beyond\r\n29999=before\r\n");
    EXPECT_TRUE(LoadUiTexts(path, *table));

    std::vector<std::wstring> miscKeys;
    for (const TextSlot& slot : Slots(*table)) {
        if (slot.section == L"MISC") {
            miscKeys.push_back(slot.key);
            EXPECT_EQ(L"misc " + slot.key, slot.text);  // each slot got its own key's value
        } else {
            EXPECT_TRUE(slot.text.empty()) << slot.section << L" " << slot.key;
        }
    }
    const std::vector<std::wstring> expected = {L"38000", L"38001", L"38002", L"38003", L"38006", L"38007", L"38008",
                                                L"38009", L"38010", L"38011", L"38012", L"38013", L"38014", L"38015"};
    EXPECT_EQ(expected, miscKeys);
}

TEST_F(UiTextLoader, QuotesKeepTheBlanksAtTheEndsOfAValue)
{
    // The language files quote the texts that other text is appended to.
    const CString path = WriteIni(L"[CALL_WND]\r\n30015=\"Incoming call on line \"\r\n30022=  Transfer failed:  \r\n");
    EXPECT_TRUE(LoadUiTexts(path, *table));
    EXPECT_STREQ(L"Incoming call on line ", table->callWnd.t30015.GetString());
    EXPECT_STREQ(L"Transfer failed:", table->callWnd.t30022.GetString());
}

TEST_F(UiTextLoader, TheZeroPaddingOfALastCipherBlockIsTolerated)
{
    // A deciphered file is whole 8-byte blocks, the last one filled with zero bytes: 0, 2, 4 or 6
    // of them after UTF-16 text, 0 to 7 after ANSI text. The last line here has no line end, so
    // the zeros follow its value directly.
    const std::wstring head = L"[PAGE_WND]\r\n40048=Devices\r\n40049=";
    for (const bool unicode : {true, false}) {
        for (int extra = 0; extra < 8; ++extra) {
            const std::wstring value = L"Media quality" + std::wstring(static_cast<size_t>(extra), L'!');
            std::string bytes = unicode ? Utf16File(head + value) : std::string(head.begin(), head.end()) + "Media quality" +
                                                                        std::string(static_cast<size_t>(extra), '!');
            const size_t padding = (8 - bytes.size() % 8) % 8;
            bytes.append(padding, '\0');
            const std::wstring path = dir.File(L"padded.INI");
            ASSERT_TRUE(lumeo_test::WriteFileBytes(path, bytes));

            EXPECT_TRUE(LoadUiTexts(CString(path.c_str()), *table));
            EXPECT_STREQ(L"Devices", table->pageWnd.t40048.GetString()) << unicode << " " << padding;
            EXPECT_EQ(value, table->pageWnd.t40049.Str()) << unicode << " " << padding;
        }
    }
}

TEST_F(UiTextLoader, LoadingIntoTheProgramsTableBindsTheCoreTexts)
{
    struct Restore {
        ~Restore()
        {
            g_uiTexts = UiTextTable();
            BindCoreUiTexts(CoreUiTextSlots{});
        }
    } restore;
    const CString path = WriteIni(L"[CALL_WND]\r\n30046=Duration:\r\n[CONTACTDETAILS_WND]\r\n32000=Friends\r\n");
    EXPECT_FALSE(LoadUiTexts(CString()));
    EXPECT_TRUE(CallDurationPrefixText().IsEmpty());

    EXPECT_TRUE(LoadUiTexts(path));
    EXPECT_STREQ(L"Duration:", g_uiTexts.callWnd.t30046.GetString());
    EXPECT_STREQ(L"Duration:", CallDurationPrefixText().GetString());
    EXPECT_STREQ(L"Friends", DefaultGroupNameText().GetString());
}

// A file that fills no text of the table is no language file: start-up must say so rather than
// go on with blank windows.
TEST_F(UiTextLoader, AFileThatFillsNoTextFails)
{
    const std::string garbled = lumeo_test::RandomBytes(46, 4096);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"garbled", garbled},
        {"only empty values", Utf16File(L"[MAIN_WND]\r\n35012=\r\n35013=  \r\n")},
        {"only sections beyond the table", Utf16File(L"[EXTRA]\r\n35012=Contacts\r\n")},
        {"keys before any section", Utf16File(L"35012=Contacts\r\n")},
        {"zeros", std::string(64, '\0')},
    };
    for (const auto& c : cases) {
        const std::wstring path = dir.File(L"texts.INI");
        ASSERT_TRUE(lumeo_test::WriteFileBytes(path, c.bytes));
        EXPECT_FALSE(LoadUiTexts(CString(path.c_str()), *table)) << c.name;
    }
    EXPECT_TRUE(LoadUiTexts(WriteIni(L"[MAIN_WND]\r\n35012=Contacts\r\n"), *table));
}

// The forms the platform's profile service reads: UTF-16 in either byte order or UTF-8 behind a
// byte-order mark, else the ANSI code page; any line end; comments and lines without "=".
TEST_F(UiTextLoader, TheReaderTakesEveryTextFormAndLineEnd)
{
    const std::wstring text = L"; a comment=not a key\n[CHAT_WND]\r31000=caf\x00e9\n  31001  =  two words \r\n"
                              L"a line without an equals sign\r\n31002=a=b\r\n[CHAT_WND]\r\n31000=second section\r\n";
    std::string utf16be = "\xFE\xFF";
    std::string utf8 = "\xEF\xBB\xBF";
    std::string ansi;
    for (const wchar_t ch : text) {
        utf16be += static_cast<char>((ch >> 8) & 0xFF);
        utf16be += static_cast<char>(ch & 0xFF);
        if (ch == L'\x00e9') {
            utf8 += "\xC3\xA9";
            ansi += '\xE9';
        } else {
            utf8 += static_cast<char>(ch);
            ansi += static_cast<char>(ch);
        }
    }
    const struct {
        const char* name;
        std::string bytes;
    } forms[] = {{"UTF-16LE", Utf16File(text)}, {"UTF-16BE", utf16be}, {"UTF-8", utf8}, {"ANSI", ansi}};
    for (const auto& form : forms) {
        SCOPED_TRACE(form.name);
        *table = UiTextTable();
        const std::wstring path = dir.File(L"texts.INI");
        ASSERT_TRUE(lumeo_test::WriteFileBytes(path, form.bytes));
        EXPECT_TRUE(LoadUiTexts(CString(path.c_str()), *table));
        EXPECT_STREQ(L"caf\x00e9", table->chatWnd.t31000.GetString());
        EXPECT_STREQ(L"two words", table->chatWnd.t31001.GetString());
        EXPECT_STREQ(L"a=b", table->chatWnd.t31002.GetString());
    }
}

// --- the reader underneath

TEST_F(UiTextLoader, TheReaderLeavesItsOutputAloneWhenItFindsNothing)
{
    const CString path = WriteIni(L"[S]\r\nkey=value\r\nempty=\r\n");
    IniReader reader;
    EXPECT_FALSE(reader.SetPath(CString()));
    CString out = L"before";
    EXPECT_FALSE(reader.Read(L"S", L"key", out)) << "no path yet";
    EXPECT_TRUE(reader.SetPath(path));

    struct Case {
        const wchar_t* section;
        const wchar_t* key;
    } const misses[] = {{L"", L"key"}, {L"S", L""}, {L"S", L"absent"}, {L"T", L"key"}, {L"S", L"empty"}};
    for (const Case& c : misses) {
        out = L"before";
        EXPECT_FALSE(reader.Read(c.section, c.key, out)) << c.section << L"/" << c.key;
        EXPECT_STREQ(L"before", out.GetString()) << c.section << L"/" << c.key;
    }
    EXPECT_TRUE(reader.Read(L"S", L"key", out));
    EXPECT_STREQ(L"value", out.GetString());
}

TEST_F(UiTextLoader, ReadStringEmptiesItsOutputOnAMissButNotOnEmptyNames)
{
    const CString path = WriteIni(L"[S]\r\nkey=value\r\n");
    const IniFile file(path);
    CString out = L"before";
    file.ReadString(L"", L"key", out);
    EXPECT_STREQ(L"before", out.GetString());
    file.ReadString(L"S", L"", out);
    EXPECT_STREQ(L"before", out.GetString());
    IniFile(CString()).ReadString(L"S", L"key", out);
    EXPECT_STREQ(L"before", out.GetString());

    file.ReadString(L"S", L"absent", out);
    EXPECT_TRUE(out.IsEmpty());
    file.ReadString(L"S", L"key", out);
    EXPECT_STREQ(L"value", out.GetString());
}

} // namespace
