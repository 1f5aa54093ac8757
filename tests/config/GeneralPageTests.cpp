// Proves the general settings page: it shows the stored flags, the record folder and the
// auto-start value; a save stores every control column by column (the folders as URL-safe
// Base64, a quote in the folder included), sets or removes the Run value and writes the five
// "sip" keys whatever the default-softphone box says; the folder chooser and the open-folder
// button.
#include "config/AutoStart.h"
#include "core/OptionsRecord.h"
#include "resources/Resource.h"
#include "tests/config/SettingsTestSupport.h"

namespace settings_test {
namespace {

using testing::ElementsAre;

constexpr int kFlagBoxes[] = {IDC_CHK_DEFAULTSOFTPHONE, IDC_CHK_UPDATE, IDC_CHK_IDLE, IDC_CHK_TIMESTAMP,
                              IDC_CHK_CALLIMMEDIATE};

std::string SipCommand()
{
    char text[1024] = {};
    DWORD size = sizeof text;
    if (::RegGetValueA(HKEY_CLASSES_ROOT, "sip\\shell\\open\\command", nullptr, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS)
        return "<none>";
    return text;
}

TEST_F(SettingsTest, GeneralPageShowsTheStoredValuesAndSavesEveryControl)
{
    SetAutoStart();
    std::vector<bool> shown;
    std::wstring folder;
    bool runShown = false;
    RunDialog([&](const SettingsDriver& dialog) {
        const HWND page = dialog.Page(0);
        for (const int id : kFlagBoxes)
            shown.push_back(SettingsDriver::IsChecked(page, id));
        runShown = SettingsDriver::IsChecked(page, IDC_CHK_RUNWINDOWS);
        folder = SettingsDriver::Text(page, IDC_EDT_FILEFOLDER);
        // Every control the other way.
        for (const int id : kFlagBoxes)
            SettingsDriver::SetCheck(page, id, !SettingsDriver::IsChecked(page, id));
        SettingsDriver::SetCheck(page, IDC_CHK_RUNWINDOWS, false);
        SettingsDriver::SetText(page, IDC_EDT_FILEFOLDER, L"D:\\Calls 'n' more");
        dialog.Ok();
    });
    EXPECT_THAT(shown, ElementsAre(true, false, true, false, true));
    EXPECT_TRUE(runShown);
    EXPECT_EQ(L"C:\\Record's", folder);

    const StoredRow row = ReadRow();
    EXPECT_EQ(StoredFolder("D:\\Calls 'n' more"), row.at("recordFolder"));
    EXPECT_EQ(StoredFolder("C:\\Audio Records"), row.at("ARPath")) << "written back as stored";
    EXPECT_EQ(StoredFolder("C:\\Video Records"), row.at("VRPath")) << "written back as stored";
    EXPECT_EQ("0", row.at("defaultSoftphone"));
    EXPECT_EQ("1", row.at("AutoUpgrade"));
    EXPECT_EQ("0", row.at("displayIdle"));
    EXPECT_EQ("1", row.at("showTimeStamp"));
    EXPECT_EQ("0", row.at("callImmediately"));
    EXPECT_EQ("D:\\Calls 'n' more", g_options.recordFolder);
    EXPECT_FALSE(g_options.defaultSoftphone);
    EXPECT_TRUE(g_options.AutoUpgrade);
    EXPECT_FALSE(g_options.displayIdle);
    EXPECT_TRUE(g_options.showTimeStamp);
    EXPECT_FALSE(g_options.callImmediately);
    EXPECT_FALSE(IsAutoStart());
}

TEST_F(SettingsTest, SavingRegistersSipLinksEvenWithTheDefaultSoftphoneBoxCleared)
{
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "sip");
    RunDialog([](const SettingsDriver& dialog) {
        SettingsDriver::SetCheck(dialog.Page(0), IDC_CHK_DEFAULTSOFTPHONE, false);
        SettingsDriver::SetCheck(dialog.Page(0), IDC_CHK_RUNWINDOWS, true);
        dialog.Ok();
    });
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    EXPECT_EQ('"' + std::string(module) + "\" \"%1\"", SipCommand());
    EXPECT_EQ("0", ReadRow().at("defaultSoftphone"));
    EXPECT_TRUE(IsAutoStart());
}

TEST_F(SettingsTest, ClearingStartWithWindowsWithoutAValueChangesNothing)
{
    ASSERT_FALSE(IsAutoStart());
    RunDialog([](const SettingsDriver& dialog) {
        EXPECT_FALSE(SettingsDriver::IsChecked(dialog.Page(0), IDC_CHK_RUNWINDOWS));
        dialog.Ok();
    });
    EXPECT_FALSE(IsAutoStart());
}

TEST_F(SettingsTest, TheFolderChooserReplacesTheFolderOnlyWhenOneIsChosen)
{
    const std::wstring chosen = folder.Path(L"Recordings");
    ASSERT_TRUE(::CreateDirectoryW(chosen.c_str(), nullptr));
    std::vector<std::wstring> folders;
    RunDialog([&](const SettingsDriver& dialog) {
        const HWND page = dialog.Page(0);
        s_folderAnswer.clear();   // Cancel
        SettingsDriver::Click(page, IDC_BTN_BROSWE);
        folders.push_back(SettingsDriver::Text(page, IDC_EDT_FILEFOLDER));
        s_folderAnswer = chosen;
        SettingsDriver::Click(page, IDC_BTN_BROSWE);
        folders.push_back(SettingsDriver::Text(page, IDC_EDT_FILEFOLDER));
        dialog.Cancel();
    });
    EXPECT_EQ(2, s_folderCalls);
    EXPECT_EQ(L"DLG_OPTIONS/27030", s_folderTitle);
    ASSERT_EQ(2u, folders.size());
    EXPECT_EQ(L"C:\\Record's", folders[0]);
    EXPECT_EQ(0, _wcsicmp(chosen.c_str(), folders[1].c_str())) << std::string(folders[1].begin(), folders[1].end());
    EXPECT_EQ("C:\\Record's", g_options.recordFolder) << "the choice reaches the options only through a save";
}

TEST_F(SettingsTest, OpenFolderOpensTheFolderAsTyped)
{
    RunDialog([](const SettingsDriver& dialog) {
        SettingsDriver::SetText(dialog.Page(0), IDC_EDT_FILEFOLDER, L"C:\\Not There");
        SettingsDriver::Click(dialog.Page(0), IDC_BTN_OPENFOLDER);
        dialog.Cancel();
    });
    ASSERT_EQ(1u, s_shell.size());
    EXPECT_EQ(L"", s_shell[0].verb) << "the default verb";
    EXPECT_EQ(L"C:\\Not There", s_shell[0].file);
}

} // namespace
} // namespace settings_test
