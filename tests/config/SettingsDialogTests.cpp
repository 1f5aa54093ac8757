// Proves the settings dialog: the seven page names in the tree, its texts, pages made (and
// loaded) only when first shown with the one before hidden, OK saving only the pages that were
// shown while Cancel, the close button and Escape save nothing, and, signed out, opening and
// confirming every page leaving the stored row and g_options as they were.
#include "config/settings/SettingDlg.h"
#include "core/OptionsRecord.h"
#include "core/TavikSQL.h"
#include "resources/Resource.h"
#include "tests/config/SettingsTestSupport.h"

namespace settings_test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

TEST_F(SettingsTest, TheTreeNamesTheSevenPagesAndTheDialogTakesItsTexts)
{
    std::vector<std::wstring> names;
    std::wstring caption;
    std::vector<std::wstring> texts;
    bool firstShown = false;
    RunDialog([&](const SettingsDriver& dialog) {
        names = dialog.PageNames();
        wchar_t text[256] = {};
        ::GetWindowTextW(dialog.Dialog(), text, 256);
        caption = text;
        for (const int id : {IDC_STA_TITLE, IDC_BTN_OK, IDC_BTN_CANCEL})
            texts.push_back(SettingsDriver::Text(dialog.Dialog(), id));
        firstShown = SettingsDriver::Shown(dialog.Page(0));
        dialog.Cancel();
    });
    EXPECT_THAT(names, ElementsAre(L"DLG_OPTIONS/27043", L"PAGE_WND/40048", L"DLG_OPTIONS/27044", L"DLG_OPTIONS/27045",
                                   L"DLG_OPTIONS/27051", L"PAGE_WND/40049", L"DLG_OPTIONS/27048"));
    EXPECT_EQ(L"MENU_MAIN/12001", caption);
    EXPECT_THAT(texts, ElementsAre(L"MENU_MAIN/12001", L"DLG_UPDATE/26005", L"DLG_AUDIOSETUP/24010"));
    EXPECT_TRUE(firstShown) << "the first page shows when the dialog opens";
}

TEST_F(SettingsTest, APageIsMadeWhenFirstShownAndHidesThePageBefore)
{
    RunDialog([&](const SettingsDriver& dialog) {
        for (int index = 1; index < CSettingDlg::kPageCount; ++index)
            EXPECT_EQ(nullptr, dialog.Page(index)) << "page " << index + 1 << " made before it was shown";
        for (int index = 1; index < CSettingDlg::kPageCount; ++index) {
            const HWND page = dialog.ShowPage(index);
            ASSERT_NE(nullptr, page) << "page " << index + 1;
            EXPECT_TRUE(SettingsDriver::Shown(page)) << "page " << index + 1;
            EXPECT_FALSE(SettingsDriver::Shown(dialog.Page(index - 1))) << "page " << index << " still shown";
            // The page's texts are set by its creation.
            EXPECT_EQ(L"PAGE_WND/", SettingsDriver::Text(page, IDC_STA_LINE1).substr(0, 9)) << "page " << index + 1;
        }
        // Back to a page already made: the same window shows again.
        const HWND first = dialog.Page(0);
        EXPECT_EQ(first, dialog.ShowPage(0));
        EXPECT_TRUE(SettingsDriver::Shown(first));
        dialog.Cancel();
    });
}

TEST_F(SettingsTest, OkSavesOnlyThePagesThatWereShown)
{
    // In memory the forwarding and QoS differ from the row: a save of pages 5 or 7 would
    // write them.
    g_options.ForwardTo = "memory@example";
    g_options.AudioDSCP = 10;
    g_options.callImmediately = false;   // page 1, which shows and saves it as shown
    const StoredRow before = ReadRow();
    EXPECT_EQ(CSettingDlg::kClosedResult, RunDialog([](const SettingsDriver& dialog) {
                  dialog.ShowPage(2);
                  dialog.Ok();
              }));
    EXPECT_THAT(Differences(before, ReadRow()), ElementsAre("callImmediately: 1 -> 0"));
    EXPECT_EQ("memory@example", g_options.ForwardTo);
}

TEST_F(SettingsTest, CancelCloseAndEscapeSaveNothing)
{
    // Escape arrives as IDCANCEL, on which the skinned window base ends a modal run itself
    // before the dialog's cancel runs; in the modal loop the dialog's later end wins, but the
    // test acts while the dialog starts, where the first end is kept: its result is not checked.
    const struct {
        const char* name;
        std::function<void(const SettingsDriver&)> end;
        bool resultChecked;
    } kEnds[] = {
        {"Cancel", [](const SettingsDriver& dialog) { dialog.Cancel(); }, true},
        {"close button", [](const SettingsDriver& dialog) { dialog.Close(); }, true},
        {"Escape", [](const SettingsDriver& dialog) { ::SendMessageW(dialog.Dialog(), WM_COMMAND, IDCANCEL, 0); },
         false},
    };
    for (const auto& row : kEnds) {
        const StoredRow before = ReadRow();
        const OptionsRecord memory = g_options;
        const int result = RunDialog([&](const SettingsDriver& dialog) {
            const HWND general = dialog.Page(0);
            SettingsDriver::SetCheck(general, IDC_CHK_UPDATE, true);
            SettingsDriver::SetText(general, IDC_EDT_FILEFOLDER, L"C:\\Elsewhere");
            const HWND network = dialog.ShowPage(6);
            SettingsDriver::SetText(network, IDC_EDT_AUDIO_MINPORTS, L"30000");
            const HWND codecs = dialog.ShowPage(2);
            SettingsDriver::Select(codecs, IDC_TREECTRL_DISABLEAUDIOCODECS, L"GSM");
            SettingsDriver::Click(codecs, IDC_BTN_RIGHT);
            row.end(dialog);
        });
        if (row.resultChecked) {
            EXPECT_EQ(CSettingDlg::kClosedResult, result) << row.name;
        }
        EXPECT_THAT(Differences(before, ReadRow()), IsEmpty()) << row.name;
        EXPECT_FALSE(g_options.AutoUpgrade) << row.name;
        EXPECT_EQ(memory.recordFolder, g_options.recordFolder) << row.name;
        EXPECT_EQ(memory.AudioRtpMiniPort, g_options.AudioRtpMiniPort) << row.name;
        EXPECT_EQ(memory.EnableAudioCodec3, g_options.EnableAudioCodec3) << row.name;
    }
}

TEST_F(SettingsTest, SignedOutEveryPageOpenedAndConfirmedLeavesTheRowAsStored)
{
    const StoredRow before = ReadRow();
    const OptionsRecord memory = g_options;
    RunDialog([](const SettingsDriver& dialog) {
        for (int index = 0; index < CSettingDlg::kPageCount; ++index)
            ASSERT_NE(nullptr, dialog.ShowPage(index)) << "page " << index + 1;
        dialog.Ok();
    });
    EXPECT_THAT(Differences(before, ReadRow()), IsEmpty());
    // And memory as it was: devices, resolution and quality included.
    EXPECT_EQ(memory.AudioInputDeviceId, g_options.AudioInputDeviceId);
    EXPECT_EQ(memory.AudioOutputDeviceId, g_options.AudioOutputDeviceId);
    EXPECT_EQ(memory.VideoDeviceId, g_options.VideoDeviceId);
    EXPECT_EQ(memory.VideoResolution, g_options.VideoResolution);
    EXPECT_EQ(memory.VideoImageQualityLevel, g_options.VideoImageQualityLevel);
    EXPECT_EQ(memory.AudioDSCP, g_options.AudioDSCP);
    EXPECT_EQ(memory.VideoServiceType, g_options.VideoServiceType);
    EXPECT_EQ(memory.EnableAudioCodec1, g_options.EnableAudioCodec1);
    EXPECT_EQ(memory.ForwardTo, g_options.ForwardTo);
    EXPECT_EQ(memory.recordFolder, g_options.recordFolder);
    EXPECT_FALSE(g_options.VideoResolutionChanged);
    EXPECT_THAT(engine_control::JournalLines(), IsEmpty()) << "no engine call without an engine";
}

TEST_F(SettingsTest, AFailedSaveLeavesMemoryAsTheTableHasIt)
{
    // A table that refuses every change: each page's statement fails.
    ASSERT_TRUE(g_database.Exec("create trigger refuse before update on Options begin select raise(abort, 'no'); end"));
    const OptionsRecord memory = g_options;
    RunDialog([](const SettingsDriver& dialog) {
        SettingsDriver::SetText(dialog.Page(0), IDC_EDT_FILEFOLDER, L"C:\\Elsewhere");
        SettingsDriver::SetCheck(dialog.ShowPage(6), IDC_CHK_MWI, false);
        const HWND quality = dialog.ShowPage(5);
        SettingsDriver::Choose(quality, IDC_CMB_RESOLUTION, 0);
        dialog.Ok();
    });
    EXPECT_EQ(memory.recordFolder, g_options.recordFolder);
    EXPECT_EQ(memory.EnableMwi, g_options.EnableMwi);
    EXPECT_EQ(memory.VideoResolution, g_options.VideoResolution);
    EXPECT_FALSE(g_options.VideoResolutionChanged);
}

} // namespace
} // namespace settings_test
