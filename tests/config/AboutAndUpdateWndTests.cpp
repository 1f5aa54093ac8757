// Proves the about and update windows: their texts (the about window with the shipped English
// file shows the running build), the web buttons opening their pages through the shell seam
// with the window left open, the update window showing the running and the offered build, and
// the offer rule: one update window at a time, the same text not offered twice, the offered
// text kept in the account record.
#include "tests/config/ConfigWindowTestSupport.h"

#include "config/AboutWnd.h"
#include "config/ProductInfo.h"
#include "config/UpdateWnd.h"
#include "core/AccountRecord.h"
#include "core/LanguageFile.h"
#include "core/OptionsRecord.h"
#include "core/ProgramResources.h"
#include "resources/Resource.h"
#include "texts/UiTextLoader.h"

#include <gtest/gtest.h>

#include <string>

namespace config_test {
namespace {

using lumeo_test::ChildText;
using lumeo_test::WindowText;

class AboutWindow : public ConfigWindowTest {};

TEST_F(AboutWindow, ShowsItsTextsAndTheOkTextOfTheSettings)
{
    AboutWnd about;
    RunModal(about, [](HWND window) {
        EXPECT_EQ(L"DLG_ABOUT/21000", WindowText(window));
        ExpectChildTexts(window, {
            {IDC_STA_TITLE, L"DLG_ABOUT/21000"},      {IDC_STA_LINE1, L"DLG_ABOUT/21001"},
            {IDC_STA_LINE2, L"DLG_ABOUT/21002"},      {IDC_STA_LINE3, L"DLG_ABOUT/21003"},
            {IDC_BTN_OK, L"DLG_AUDIOCODEC/22009"},
        });
    });
}

// The web button has no text slot: the skin's caption is the address it opens, the same in
// every language.
TEST_F(AboutWindow, TheWebButtonShowsTheAddressItOpens)
{
    std::wstring shown = kMakerSite;
    shown = shown.substr(shown.find(L"//") + 2);
    shown.pop_back();   // the closing slash
    AboutWnd about;
    RunModal(about, [&](HWND window) { EXPECT_EQ(shown, ChildText(window, IDC_BTN_URL)); });
}

TEST_F(AboutWindow, InEnglishItShowsTheRunningBuild)
{
    // Start-up's chain: the enciphered files written out, the chosen one read into the table.
    WriteLanguageResources(LanguageFolder());
    g_options.Language = "SP_ENG";
    ASSERT_TRUE(LoadLanguageFile(&LoadUiTexts));
    DeleteLanguageFiles();
    AboutWnd about;
    RunModal(about, [](HWND window) {
        EXPECT_NE(std::wstring::npos, ChildText(window, IDC_STA_LINE2).find(kBuildTextWide))
            << ChildText(window, IDC_STA_LINE2);
    });
}

TEST_F(AboutWindow, TheWebButtonOpensTheMakersPageAndTheWindowStays)
{
    AboutWnd about;
    const int result = RunModal(about, [](HWND window) {
        Click(window, IDC_BTN_URL);
        EXPECT_TRUE(::IsWindow(window));
    });
    EXPECT_EQ(kLeftOpen, result);
    ASSERT_EQ(1u, s_shell.size());
    EXPECT_EQ(L"OPEN", s_shell[0].verb);
    EXPECT_EQ(kMakerSite, s_shell[0].file);
}

TEST_F(AboutWindow, OkEndsIt)
{
    AboutWnd about;
    EXPECT_EQ(IDC_BTN_OK, RunModal(about, [](HWND window) { Click(window, IDC_BTN_OK); }));
}

class UpdateWindow : public ConfigWindowTest {};

TEST_F(UpdateWindow, ShowsTheRunningAndTheLatestBuildWithItsTexts)
{
    CUpdateWnd update;
    update.m_latestVersion = L"8.2, Build 02012015";
    RunModal(update, [](HWND window) {
        EXPECT_EQ(L"DLG_UPDATE/26000", WindowText(window));
        ExpectChildTexts(window, {
            {IDC_STA_TITLE, L"DLG_UPDATE/26000"},    {IDC_STA_LINE1, L"DLG_UPDATE/26001"},
            {IDC_STA_LINE2, L"DLG_UPDATE/26002"},    {IDC_STA_LINE3, L"DLG_UPDATE/26003"},
            {IDC_BTN_WEBSITE1, L"DLG_UPDATE/26004"}, {IDC_BTN_OK, L"DLG_UPDATE/26005"},
            {IDC_STA_OLDVERSION, kBuildTextWide},    {IDC_STA_NEWVERSION, L"8.2, Build 02012015"},
        });
    });
}

TEST_F(UpdateWindow, TheWebButtonOpensTheDownloadPageAndOkEndsIt)
{
    CUpdateWnd update;
    const int result = RunModal(update, [](HWND window) {
        Click(window, IDC_BTN_WEBSITE1);
        EXPECT_TRUE(::IsWindow(window));
        Click(window, IDC_BTN_OK);
    });
    EXPECT_EQ(IDC_BTN_OK, result);
    ASSERT_EQ(1u, s_shell.size());
    EXPECT_EQ(L"OPEN", s_shell[0].verb);
    EXPECT_EQ(kDownloadPage, s_shell[0].file);
}

TEST_F(UpdateWindow, ABuildIsOfferedOnceAndNeverWhileAnUpdateWindowIsOpen)
{
    std::wstring shown;
    bool offeredWhileOpen = true;
    actions.Post([&] {
        const HWND window = ::GetActiveWindow();
        shown = ChildText(window, IDC_STA_NEWVERSION);
        // A second result arriving while the window is up.
        offeredWhileOpen = OfferNewVersion("8.3, Build 03012015");
        Click(window, IDC_BTN_OK);
    });
    EXPECT_TRUE(OfferNewVersion("8.2, Build 02012015"));
    EXPECT_EQ(L"8.2, Build 02012015", shown);
    EXPECT_FALSE(offeredWhileOpen);
    EXPECT_EQ("8.2, Build 02012015", g_account.LatestVersion);

    // The same text again: no window (one would wait here for the test to end it).
    EXPECT_FALSE(OfferNewVersion("8.2, Build 02012015"));
    // The build that could not be shown while the window was up comes again later.
    actions.Post([] { Click(::GetActiveWindow(), IDC_BTN_OK); });
    EXPECT_TRUE(OfferNewVersion("8.3, Build 03012015"));
    EXPECT_EQ("8.3, Build 03012015", g_account.LatestVersion);
}

} // namespace
} // namespace config_test
