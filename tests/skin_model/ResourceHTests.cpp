#include <gtest/gtest.h>

#include "skin/model/ResourceH.h"
#include "skin/model/SkinStore.h"

#include "tests/skin_model/RecordTestSupport.h"
#include "tests/support/TempDir.h"

#include <string>

using namespace Vexel;
using lumeo_test::ReadFileBytes;
using lumeo_test::TempDir;
using lumeo_test::WriteFileBytes;

namespace {

CTRLPROPERTIES* Control(LPCWSTR id)
{
    auto* record = new CTRLPROPERTIES;
    if (id)
        record->GetVar(CtrlVar::ID).SetString(id);
    return record;
}

WindowRecordPtr Window(LPCWSTR id, std::initializer_list<LPCWSTR> controls)
{
    WindowRecordPtr window(new UIWNDPROPERTIES);
    window->GetVar(CtrlVar::ID).SetString(id);
    for (LPCWSTR control : controls)
        window->Controls().push_back(Control(control));
    return window;
}

TEST(BuildIDList, NumbersWindowsThenTheirControlsFromOneThousand)
{
    SkinStore store;
    store.windows.push_back(Window(L"IDW_MAIN", {L"IDC_BTN_MIN", L"IDC_BTN_CLOSE", L"IDOK", L"IDC_BTN_MIN"}));
    store.windows.back()->Controls().push_back(nullptr);
    store.windows.back()->Controls().push_back(Control(nullptr));  // a control without an id
    store.windows.push_back(Window(L"IDW_LOGIN", {L"IDC_STATIC", L"IDC_BTN_CLOSE", L"IDC_EDIT_USER"}));
    store.AddResource(kFontResource, new RESFONTPROPERTIES);  // fonts get no number

    ResourceIDList list = {{L"stale", 1}};
    EXPECT_EQ(1, BuildIDList(store, list));
    const ResourceID expected[] = {
        {L"IDW_MAIN", 1000}, {L"IDC_BTN_MIN", 1001}, {L"IDC_BTN_CLOSE", 1002},
        {L"IDW_LOGIN", 1003}, {L"IDC_EDIT_USER", 1004},
    };
    ASSERT_EQ(std::size(expected), list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(expected[i].name, list[i].name);
        EXPECT_EQ(expected[i].id, list[i].id);
    }
}

TEST(AddUniqueID, NumbersNewNamesAndSkipsReservedDuplicateAndEmptyOnes)
{
    ResourceIDList list;
    int next = 1000;
    const struct {
        const wchar_t* name;
        int added;
    } offers[] = {
        {L"IDW_MAIN", 1}, {L"IDOK", 0},       {L"IDC_BTN_MIN", 1}, {L"IDC_STATIC", 0},
        {L"IDW_MAIN", 0}, {L"idw_main", 1},   {L"", 0},            {nullptr, 0},
        {L"IDCONTINUE", 0}, {L"IDOK2", 1},
    };
    for (const auto& offer : offers)
        EXPECT_EQ(offer.added, AddUniqueID(offer.name, next, list))
            << (offer.name ? testing::PrintToString(std::wstring(offer.name)) : "null");
    ASSERT_EQ(4u, list.size());
    EXPECT_EQ(1004, next);
    const ResourceID expected[] = {{L"IDW_MAIN", 1000}, {L"IDC_BTN_MIN", 1001}, {L"idw_main", 1002}, {L"IDOK2", 1003}};
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(expected[i].name, list[i].name);
        EXPECT_EQ(expected[i].id, list[i].id);
    }
}

TEST(FormatDefineLines, PadsTheNumberToColumnFortyOrUsesOneBlank)
{
    const std::wstring name31(31, L'A');  // "#define " + 31 = 39 characters
    const std::wstring name30(30, L'B');  // 38 characters: one blank fills up to 39
    const std::wstring name40(40, L'C');
    const ResourceIDList list = {
        {L"IDW_MAIN", 1000},
        {L"IDC_TREECTRL_DISABLEAUDIOCODECS", 1172},
        {CString(name30), 7},
        {CString(name31), -3},
        {CString(name40), 12},
    };
    std::string lines = "kept\r\n";
    EXPECT_EQ(1, FormatDefineLines(list, lines));
    const std::string expected = "kept\r\n"
                                 "#define IDW_MAIN" + std::string(23, ' ') + "1000\r\n"
                                 "#define IDC_TREECTRL_DISABLEAUDIOCODECS 1172\r\n"
                                 "#define " + std::string(30, 'B') + " 7\r\n"
                                 "#define " + std::string(31, 'A') + " -3\r\n"
                                 "#define " + std::string(40, 'C') + " 12\r\n";
    EXPECT_EQ(expected, lines);
    // The number of the first line starts in column 40.
    EXPECT_EQ(39u + 6u, lines.find("1000"));
}

void ExpectTable(const SkinStore& store, std::initializer_list<ResourceID> expected)
{
    ASSERT_EQ(expected.size(), store.idTable.size());
    std::size_t i = 0;
    for (const ResourceID& entry : expected) {
        EXPECT_EQ(entry.name, store.idTable[i].name) << "entry " << i;
        EXPECT_EQ(entry.id, store.idTable[i].id) << "entry " << i;
        ++i;
    }
}

TEST(ReadResourceH, TakesEveryDefineLineInFileOrder)
{
    TempDir dir;
    SkinStore store;
    store.resourceHPath = dir.File(L"Resource.h").c_str();
    ASSERT_TRUE(WriteFileBytes(store.resourceHPath.Str(),
                               "//WARNING: DO NOT EDIT OR DELETE THIS HEADER FILE!\r\n\r\n#pragma once\r\n\r\n"
                               "#define IDW_MAIN                       1000\r\n"
                               "#define IDC_TREECTRL_DISABLEAUDIOCODECS 1172\r\n"
                               "  #define   IDC_SPACED   -7   \r\n"
                               "#define\tIDC_TABS\t1003\r\n"           // tabs only: empty name, id 0
                               "#define IDC_WORD abc\r\n"               // no number: id 0
                               "#define IDW_MAIN 2000\r\n"              // duplicates are kept
                               "int notADefine = 5;\r\n"
                               "#define IDC_LAST 1001"));               // no line end
    store.AddID(L"stale", 1);
    EXPECT_EQ(0, ReadResourceH(store));
    ExpectTable(store, {{L"IDW_MAIN", 1000}, {L"IDC_TREECTRL_DISABLEAUDIOCODECS", 1172}, {L"IDC_SPACED", -7},
                        {L"", 0}, {L"IDC_WORD", 0}, {L"IDW_MAIN", 2000}, {L"IDC_LAST", 1001}});
    EXPECT_EQ(1000, store.GetIDByName(L"IDW_MAIN"));
    EXPECT_EQ(-1, store.GetIDByName(L"idw_main"));
}

TEST(ReadResourceH, AMissingFileLeavesAnEmptyTable)
{
    TempDir dir;
    SkinStore store;
    store.resourceHPath = dir.File(L"Resource.h").c_str();
    store.AddID(L"IDW_MAIN", 1000);
    EXPECT_EQ(-1, ReadResourceH(store));
    EXPECT_TRUE(store.idTable.empty());
    EXPECT_EQ(-1, store.GetIDByName(L"IDW_MAIN"));
}

TEST(WriteResourceH, WritesTheNumberedIdsAndReadsThemBack)
{
    TempDir dir;
    SkinStore store;
    store.resourceHPath = dir.File(L"Resource.h").c_str();
    ASSERT_TRUE(WriteFileBytes(store.resourceHPath.Str(), "#define OLD 5\r\n"));
    store.windows.push_back(Window(L"IDW_MAIN", {L"IDC_BTN_MIN", L"IDC_BTN_CLOSE", L"IDOK", L"IDC_BTN_CLOSE"}));

    EXPECT_EQ(0, WriteResourceH(store));
    EXPECT_EQ("//WARNING: DO NOT EDIT OR DELETE THIS HEADER FILE!\r\n"
              "\r\n"
              "#pragma once\r\n"
              "\r\n"
              "#define IDW_MAIN                       1000\r\n"
              "#define IDC_BTN_MIN                    1001\r\n"
              "#define IDC_BTN_CLOSE                  1002\r\n",
              ReadFileBytes(store.resourceHPath.Str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(store.resourceHPath + L"~"));
    ExpectTable(store, {{L"IDW_MAIN", 1000}, {L"IDC_BTN_MIN", 1001}, {L"IDC_BTN_CLOSE", 1002}});
    EXPECT_EQ(-1, store.GetIDByName(L"IDOK"));
}

TEST(WriteResourceH, WritesNothingWithoutIds)
{
    TempDir dir;
    SkinStore store;
    store.resourceHPath = dir.File(L"Resource.h").c_str();
    store.windows.push_back(Window(L"IDOK", {L"IDC_STATIC"}));
    EXPECT_EQ(1, WriteResourceH(store));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(store.resourceHPath));
}

TEST(WriteResourceH, RefusesAReadOnlyFileWithTheMessage)
{
    TempDir dir;
    SkinStore store;
    store.resourceHPath = dir.File(L"Resource.h").c_str();
    ASSERT_TRUE(WriteFileBytes(store.resourceHPath.Str(), "#define OLD 5\r\n"));
    ASSERT_TRUE(SetFileAttributesW(store.resourceHPath, FILE_ATTRIBUTE_READONLY));
    store.windows.push_back(Window(L"IDW_MAIN", {}));

    record_test::ScriptedPrompts prompts;
    EXPECT_EQ(-2, WriteResourceH(store));
    ASSERT_EQ(1u, prompts.Prompts().size());
    EXPECT_EQ(L"The file \"" + store.resourceHPath.Str() + L"\" is readonly!", prompts.Prompts()[0].text);
    SetFileAttributesW(store.resourceHPath, FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("#define OLD 5\r\n", ReadFileBytes(store.resourceHPath.Str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(store.resourceHPath + L"~"));
}

TEST(WriteResourceH, AFolderThatDoesNotExistGivesMinusOne)
{
    TempDir dir;
    SkinStore store;
    store.resourceHPath = dir.File(L"missing\\Resource.h").c_str();
    store.windows.push_back(Window(L"IDW_MAIN", {}));
    EXPECT_EQ(-1, WriteResourceH(store));
}

} // namespace
