#include <gtest/gtest.h>

#include "skin/model/SkinStore.h"
#include "skin/model/StandardFont.h"
#include "tests/skin_model/CountedRecords.h"

#include <string>

using namespace Vexel;
using record_test::Counted;
using record_test::g_alive;
using record_test::WithId;

namespace {

WindowRecordPtr Window(LPCWSTR id)
{
    return WindowRecordPtr(WithId(new UIWNDPROPERTIES, id));
}

RESCOLORPROPERTIES* Color(LPCWSTR id, COLORREF value)
{
    auto* record = WithId(new RESCOLORPROPERTIES, id);
    record->GetVar(ResourceVar::Value).SetInt(static_cast<int>(value));
    return record;
}

RESFONTPROPERTIES* Font(LPCWSTR id, LONG height)
{
    auto* record = WithId(new RESFONTPROPERTIES, id);
    LOGFONTW font = GetStandardFont();
    font.lfHeight = height;
    record->GetVar(ResourceVar::Value).SetLogFont(font);
    return record;
}

TEST(SkinStore, StartsEmptyWithUnsetVersion)
{
    SkinStore store;
    EXPECT_TRUE(store.uiFilePath.IsEmpty());
    EXPECT_TRUE(store.windows.empty());
    EXPECT_TRUE(store.fonts.empty());
    EXPECT_TRUE(store.colors.empty());
    for (const auto& list : store.styles)
        EXPECT_TRUE(list.empty());
    EXPECT_EQ(-1, store.versionMajor);
    EXPECT_EQ(-1, store.versionMinor);
    EXPECT_EQ(-1, store.versionBuild);
}

TEST(SkinStore, WindowIdsCompareExactlyAndTheFirstDuplicateWins)
{
    SkinStore store;
    store.windows.push_back(Window(L"IDW_MAIN"));
    store.windows.push_back(Window(L"IDW_LOGIN"));
    store.windows.push_back(Window(L"IDW_MAIN"));
    EXPECT_EQ(store.windows[0].get(), store.FindWindowProperties(L"IDW_MAIN"));
    EXPECT_EQ(store.windows[1].get(), store.FindWindowProperties(L"IDW_LOGIN"));
    EXPECT_EQ(nullptr, store.FindWindowProperties(L"idw_main"));
    EXPECT_EQ(nullptr, store.FindWindowProperties(L"IDW_MAIN "));
    EXPECT_EQ(nullptr, store.FindWindowProperties(nullptr));  // not found rather than raised
}

TEST(SkinStore, GetColorByIDTable)
{
    SkinStore store;
    ASSERT_EQ(0, store.AddResource(kColorResource, Color(L"IDR_COLOR_1", RGB(0x41, 0x69, 0xE1))));
    auto* text = WithId(new RESCOLORPROPERTIES, L"IDR_COLOR_2");
    text->GetVar(ResourceVar::Value).SetString(L"red");
    ASSERT_EQ(1, store.AddResource(kColorResource, text));

    const struct {
        LPCWSTR id;
        int result;
        COLORREF out;
    } cases[] = {
        {L"IDR_COLOR_1", 0, RGB(0x41, 0x69, 0xE1)},
        {L"IDR_COLOR_2", 0, 0xFFFFFFFF},   // a text colour counts as no colour
        {L"idr_color_1", -1, 0x12345678},  // unknown id: out untouched
        {L"IDR_COLOR_3", -1, 0x12345678},
        {nullptr, -1, 0x12345678},
    };
    for (const auto& c : cases) {
        COLORREF out = 0x12345678;
        EXPECT_EQ(c.result, store.GetColorByID(c.id, &out)) << (c.id ? testing::PrintToString(std::wstring(c.id)) : "null");
        EXPECT_EQ(c.out, out) << (c.id ? testing::PrintToString(std::wstring(c.id)) : "null");
    }
    EXPECT_EQ(-1, store.GetColorByID(L"IDR_COLOR_1", nullptr));
}

TEST(SkinStore, AddResourceTakesOnlyMatchingRecords)
{
    SkinStore store;
    std::unique_ptr<CTRLPROPERTIES> color(Color(L"IDR_COLOR_1", 0));
    std::unique_ptr<CTRLPROPERTIES> font(Font(L"IDR_FONT_1", -12));
    std::unique_ptr<CTRLPROPERTIES> window(new UIWNDPROPERTIES);
    // A record of another kind that calls itself a font is refused as well.
    std::unique_ptr<CTRLPROPERTIES> impostor(new RESCOLORPROPERTIES);
    impostor->GetVar(CtrlVar::Type).SetString(L"FONT");
    std::unique_ptr<CTRLPROPERTIES> lowerCase(new RESFONTPROPERTIES);
    lowerCase->GetVar(CtrlVar::Type).SetString(L"font");

    const struct {
        int kind;
        CTRLPROPERTIES* record;
    } refusals[] = {
        {kFontResource, color.get()}, {kColorResource, font.get()}, {kFontResource, window.get()},
        {kFontResource, impostor.get()}, {kFontResource, lowerCase.get()}, {2, font.get()},
        {-1, color.get()}, {kFontResource, nullptr},
    };
    for (const auto& refusal : refusals)
        EXPECT_EQ(-1, store.AddResource(refusal.kind, refusal.record));
    EXPECT_TRUE(store.fonts.empty());
    EXPECT_TRUE(store.colors.empty());

    EXPECT_EQ(0, store.AddResource(kFontResource, font.release()));
    EXPECT_EQ(0, store.AddResource(kColorResource, color.release()));
    EXPECT_EQ(1, store.AddResource(kColorResource, Color(L"IDR_COLOR_2", 1)));
    EXPECT_EQ(store.fonts[0].get(), store.FindResourceByID(kFontResource, L"IDR_FONT_1"));
    EXPECT_EQ(store.colors[1].get(), store.FindResourceByID(kColorResource, L"IDR_COLOR_2"));
    EXPECT_EQ(nullptr, store.FindResourceByID(kColorResource, L"IDR_FONT_1"));
    EXPECT_EQ(nullptr, store.FindResourceByID(2, L"IDR_FONT_1"));
}

TEST(SkinStore, FindsResourcesByValue)
{
    SkinStore store;
    store.AddResource(kFontResource, Font(L"IDR_FONT_1", -12));
    store.AddResource(kFontResource, Font(L"IDR_FONT_2", -13));
    store.AddResource(kFontResource, Font(L"IDR_FONT_3", -13));
    store.AddResource(kColorResource, Color(L"IDR_COLOR_1", 0xFF00FF));
    store.AddResource(kColorResource, Color(L"IDR_COLOR_2", 0x00FF00));
    store.AddResource(kColorResource, Color(L"IDR_COLOR_3", 0x00FF00));

    PropertyValue font;
    LOGFONTW wanted = GetStandardFont();
    wanted.lfHeight = -13;
    font.SetLogFont(wanted);
    EXPECT_EQ(store.fonts[1].get(), store.FindFontByLogFont(font));
    wanted.lfWeight = 700;
    font.SetLogFont(wanted);
    EXPECT_EQ(nullptr, store.FindFontByLogFont(font));

    EXPECT_EQ(store.colors[1].get(), store.FindColorByValue(PropertyValue(0x00FF00)));
    EXPECT_EQ(nullptr, store.FindColorByValue(PropertyValue(0x0000FF)));
    PropertyValue text;
    text.SetString(L"magenta");  // reads as no number: matches nothing, raises nothing
    EXPECT_EQ(nullptr, store.FindColorByValue(text));
}

TEST(SkinStore, StylesAreFoundInTheirKindsListOnly)
{
    SkinStore store;
    EXPECT_EQ(nullptr, store.FindStyle(StyleKind::Menu, L"IDR_MENU_DEFAULT"));  // empty list
    auto* menu = WithId(new CTRLPROPERTIES, L"IDR_MENU_DEFAULT");
    EXPECT_EQ(0, store.AddStyle(StyleKind::Menu, menu));
    EXPECT_EQ(0, store.AddStyle(StyleKind::PushButton, WithId(new CTRLPROPERTIES, L"IDS_BUTTON")));
    EXPECT_EQ(1, store.AddStyle(StyleKind::Menu, WithId(new CTRLPROPERTIES, L"IDR_MENU_DEFAULT")));
    EXPECT_EQ(menu, store.FindStyle(StyleKind::Menu, L"IDR_MENU_DEFAULT"));
    EXPECT_EQ(nullptr, store.FindStyle(StyleKind::MenuBar, L"IDR_MENU_DEFAULT"));
    EXPECT_EQ(nullptr, store.FindStyle(StyleKind::Menu, nullptr));
    EXPECT_EQ(nullptr, store.FindStyle(static_cast<StyleKind>(24), L"IDR_MENU_DEFAULT"));
    EXPECT_EQ(nullptr, store.FindStyle(static_cast<StyleKind>(-1), L"IDR_MENU_DEFAULT"));

    std::unique_ptr<CTRLPROPERTIES> refused(new CTRLPROPERTIES);
    EXPECT_EQ(-1, store.AddStyle(static_cast<StyleKind>(24), refused.get()));
    EXPECT_EQ(-1, store.AddStyle(StyleKind::Menu, nullptr));
    EXPECT_EQ(2u, store.styles[static_cast<int>(StyleKind::Menu)].size());
}

TEST(SkinStore, IdTableLookupsFindTheFirstEntry)
{
    SkinStore store;
    store.AddID(L"IDW_MAIN", 1000);
    store.AddID(L"IDC_BTN_MIN", 1001);
    store.AddID(L"IDW_MAIN", 2000);
    store.AddID(L"IDC_ALIAS", 1001);
    EXPECT_EQ(1000, store.GetIDByName(L"IDW_MAIN"));
    EXPECT_EQ(-1, store.GetIDByName(L"idw_main"));
    EXPECT_EQ(-1, store.GetIDByName(nullptr));

    CString name = L"old";
    store.GetNameByID(1001, name);
    EXPECT_EQ(CString(L"IDC_BTN_MIN"), name);
    store.GetNameByID(4242, name);
    EXPECT_TRUE(name.IsEmpty());

    store.ClearIDTable();
    EXPECT_EQ(-1, store.GetIDByName(L"IDW_MAIN"));
}

TEST(SkinStore, SkinFolderEndsWithABackslash)
{
    const struct {
        LPCWSTR uiFile;
        LPCWSTR folder;
    } cases[] = {
        {L"C:\\Lumeo\\Skins\\Lumeo\\the.xui", L"C:\\Lumeo\\Skins\\Lumeo\\"},
        {L"D:/skins/a.xui", L"D:/skins/"},
        {L"the.xui", L"\\"},
        {L"", L"\\"},
    };
    for (const auto& c : cases) {
        SkinStore store;
        store.uiFilePath = c.uiFile;
        EXPECT_EQ(CString(c.folder), store.GetSkinFolder());
        EXPECT_EQ(CString(c.folder), store.skinFolder);
    }
}

TEST(SkinStore, ReleaseDeletesEveryRecordAndKeepsIdsAndVersion)
{
    g_alive = 0;
    SkinStore store;
    store.uiFilePath = L"C:\\s\\the.xui";
    store.skinFolder = L"C:\\s\\";
    store.resourceHPath = L"C:\\s\\Resource.h";
    WindowRecordPtr window(WithId(new Counted<UIWNDPROPERTIES>, L"IDW_MAIN"));
    window->Controls().push_back(WithId(new Counted<CTRLPROPERTIES>, L"IDC_A"));
    window->Controls().push_back(nullptr);
    window->Controls().push_back(WithId(new Counted<CTRLPROPERTIES>, L"IDC_B"));
    store.windows.push_back(std::move(window));
    store.windows.push_back(WindowRecordPtr(new Counted<UIWNDPROPERTIES>));
    ASSERT_EQ(0, store.AddResource(kFontResource, new Counted<RESFONTPROPERTIES>));
    ASSERT_EQ(0, store.AddResource(kColorResource, new Counted<RESCOLORPROPERTIES>));
    for (int kind = 0; kind < kStyleKindCount; ++kind)
        ASSERT_EQ(0, store.AddStyle(static_cast<StyleKind>(kind), new Counted<CTRLPROPERTIES>));
    store.AddID(L"IDW_MAIN", 1000);
    store.versionMajor = 7;
    ASSERT_EQ(4 + 2 + kStyleKindCount, g_alive);

    for (int round = 0; round < 2; ++round) {
        store.Release();
        EXPECT_EQ(0, g_alive);
        EXPECT_TRUE(store.uiFilePath.IsEmpty());
        EXPECT_TRUE(store.skinFolder.IsEmpty());
        EXPECT_TRUE(store.resourceHPath.IsEmpty());
        EXPECT_TRUE(store.windows.empty());
        EXPECT_TRUE(store.fonts.empty());
        EXPECT_TRUE(store.colors.empty());
        for (const auto& list : store.styles)
            EXPECT_TRUE(list.empty());
        EXPECT_EQ(1000, store.GetIDByName(L"IDW_MAIN"));
        EXPECT_EQ(7, store.versionMajor);
    }
}

} // namespace
