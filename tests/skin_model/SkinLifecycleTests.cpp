#include <gtest/gtest.h>

#include "skin/model/SkinGlobals.h"
#include "skin/model/SkinLifecycle.h"
#include "tests/skin_model/CountedRecords.h"

using namespace Vexel;
using record_test::Counted;
using record_test::g_alive;
using record_test::WithId;

namespace {

// What one legacy import leaves in the staging lists.
void StageImport(LPCWSTR windowId, LPCWSTR fontId, LPCWSTR colorId)
{
    WindowRecordPtr window(WithId(new Counted<UIWNDPROPERTIES>, windowId));
    window->Controls().push_back(new Counted<CTRLPROPERTIES>);
    g_legacyImport.stagedWindows.push_back(std::move(window));
    g_legacyImport.stagedFonts.emplace_back(WithId(new Counted<RESFONTPROPERTIES>, fontId));
    g_legacyImport.stagedColors.emplace_back(WithId(new Counted<RESCOLORPROPERTIES>, colorId));
}

void AdoptAll()
{
    AdoptStagedWindows();
    AdoptStagedFonts();
    AdoptStagedColors();
}

class SkinLifecycle : public testing::Test {
protected:
    void SetUp() override { g_alive = 0; }
    void TearDown() override { ReleaseSkin(); }
};

TEST_F(SkinLifecycle, TheGlobalsStartEmptyWithUnsetValues)
{
    EXPECT_EQ(-1, DesignDpi.LogPixelsX);
    EXPECT_EQ(-1, DesignDpi.LogPixelsY);
    EXPECT_EQ(0, ConvertingSkin);
    EXPECT_EQ(-1, g_legacyImport.designDpiX);
    EXPECT_TRUE(g_legacyImport.stagedWindows.empty());
    EXPECT_EQ(-1, g_skinStore.versionMajor);
}

TEST_F(SkinLifecycle, ImportReleaseImportHandsOverEachImportOnce)
{
    StageImport(L"IDW_FIRST", L"IDR_FONT_1", L"IDR_COLOR_1");
    AdoptAll();
    EXPECT_TRUE(g_legacyImport.stagedWindows.empty());
    EXPECT_TRUE(g_legacyImport.stagedFonts.empty());
    EXPECT_TRUE(g_legacyImport.stagedColors.empty());
    ASSERT_EQ(1u, g_skinStore.windows.size());
    EXPECT_NE(nullptr, g_skinStore.FindWindowProperties(L"IDW_FIRST"));
    EXPECT_NE(nullptr, g_skinStore.FindResourceByID(kFontResource, L"IDR_FONT_1"));
    EXPECT_NE(nullptr, g_skinStore.FindResourceByID(kColorResource, L"IDR_COLOR_1"));
    EXPECT_EQ(4, g_alive);

    EXPECT_EQ(0, ReleaseSkin());
    EXPECT_EQ(0, g_alive);

    StageImport(L"IDW_SECOND", L"IDR_FONT_2", L"IDR_COLOR_2");
    AdoptAll();
    EXPECT_EQ(4, g_alive);
    ASSERT_EQ(1u, g_skinStore.windows.size());
    ASSERT_EQ(1u, g_skinStore.fonts.size());
    ASSERT_EQ(1u, g_skinStore.colors.size());
    EXPECT_EQ(nullptr, g_skinStore.FindWindowProperties(L"IDW_FIRST"));
    EXPECT_NE(nullptr, g_skinStore.FindWindowProperties(L"IDW_SECOND"));

    EXPECT_EQ(0, ReleaseSkin());
    EXPECT_EQ(0, g_alive);
}

TEST_F(SkinLifecycle, AdoptingAnEmptyStagingListEmptiesTheStoresList)
{
    g_skinStore.windows.emplace_back(new Counted<UIWNDPROPERTIES>);
    g_skinStore.AddResource(kColorResource, new Counted<RESCOLORPROPERTIES>);
    AdoptStagedWindows();
    AdoptStagedColors();
    EXPECT_TRUE(g_skinStore.windows.empty());
    EXPECT_TRUE(g_skinStore.colors.empty());
    EXPECT_EQ(0, g_alive);
}

TEST_F(SkinLifecycle, ReleaseSkinTwiceLeavesTheStoreEmptyAndTheMenuWordsZero)
{
    StageImport(L"IDW_MAIN", L"IDR_FONT_1", L"IDR_COLOR_1");
    AdoptAll();
    g_skinStore.uiFilePath = L"C:\\skins\\the.xui";
    g_skinStore.AddStyle(StyleKind::Menu, new Counted<CTRLPROPERTIES>);
    ASSERT_TRUE(g_skinStore.resourceHText.LoadFromResource(L"MEMTEXT_SAMPLE", RT_RCDATA));
    ASSERT_TRUE(g_legacyImport.legacyText.LoadFromResource(L"MEMTEXT_SAMPLE", RT_RCDATA));
    g_skinStore.AddID(L"IDW_MAIN", 1000);
    MenuTrackInfo.owner = reinterpret_cast<HWND>(0x10);
    MenuTrackInfo.menu = reinterpret_cast<HMENU>(0x20);
    MenuTrackInfo.popup = reinterpret_cast<HWND>(0x30);

    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(0, ReleaseSkin());
        EXPECT_EQ(0, g_alive);
        EXPECT_TRUE(g_skinStore.uiFilePath.IsEmpty());
        EXPECT_TRUE(g_skinStore.windows.empty());
        EXPECT_TRUE(g_skinStore.styles[static_cast<int>(StyleKind::Menu)].empty());
        EXPECT_EQ(nullptr, MenuTrackInfo.owner);
        EXPECT_EQ(nullptr, MenuTrackInfo.menu);
        EXPECT_EQ(nullptr, MenuTrackInfo.popup);
        EXPECT_EQ(0u, g_skinStore.resourceHText.GetLength());
        EXPECT_EQ(0u, g_legacyImport.legacyText.GetLength());
        EXPECT_EQ(1000, g_skinStore.GetIDByName(L"IDW_MAIN"));  // the id table stays
    }
    g_skinStore.ClearIDTable();
}

} // namespace
