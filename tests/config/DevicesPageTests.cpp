// Proves the devices page: the engine's devices listed with their UTF-8 names, the stored
// choices selected (row 0 for a stored index past the list), choices and volumes reaching the
// engine at once, the camera's own dialog, the loop-back test switched off before OK saves and
// by Cancel, and a signed-out page keeping the stored devices.
#include "core/OptionsRecord.h"
#include "resources/Resource.h"
#include "tests/config/SettingsTestSupport.h"

#include <algorithm>

namespace settings_test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class DevicesPage : public SettingsTest {
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        if (HasFatalFailure())
            return;
        const char* const speakers[] = {"Speakers", "Casque (R\xC3\xA9" "altek)"};
        const char* const microphones[] = {"Mic A", "Mic B", "Mic C"};
        const char* const cameras[] = {"Cam A", "Cam\xC3\xA9ra B"};
        const char* const cameraIds[] = {"uid-a", "uid-b"};
        ASSERT_EQ(0, EngineControl_SetDevices(EngineDevice_Playout, speakers, nullptr, 2));
        ASSERT_EQ(0, EngineControl_SetDevices(EngineDevice_Recording, microphones, nullptr, 3));
        ASSERT_EQ(0, EngineControl_SetDevices(EngineDevice_VideoCapture, cameras, cameraIds, 2));
        SignIn();
    }

    // Journal lines of the calls that change something (no reads).
    std::vector<std::string> Changes() const
    {
        std::vector<std::string> lines;
        for (const std::string& line : Journal()) {
            if (line.rfind("Tavik_get", 0) != 0)
                lines.push_back(line);
        }
        return lines;
    }
};

TEST_F(DevicesPage, ListsTheEnginesDevicesAndSelectsTheStoredOnes)
{
    std::vector<std::vector<std::wstring>> rows;
    std::vector<int> selections;
    std::vector<int> volumes;
    RunDialog([&](const SettingsDriver& dialog) {
        const HWND page = dialog.ShowPage(1);
        for (const int id : {IDC_CMB_SPEAKER, IDC_CMB_MICROPHONE, IDC_CMB_CAMERA}) {
            rows.push_back(SettingsDriver::Rows(page, id));
            selections.push_back(SettingsDriver::Selection(page, id));
        }
        volumes = {SettingsDriver::SliderPos(page, IDC_SLDEX_SPKVOLUMETEST),
                   SettingsDriver::SliderPos(page, IDC_SLDEX_MICVOLUMETEST)};
        EXPECT_EQ(L"PAGE_WND/40012", SettingsDriver::Text(page, IDC_BTN_AUDIOTEST));
        dialog.Cancel();
    });
    ASSERT_EQ(3u, rows.size());
    EXPECT_THAT(rows[0], ElementsAre(L"Speakers", L"Casque (R\u00e9altek)"));
    EXPECT_THAT(rows[1], ElementsAre(L"Mic A", L"Mic B", L"Mic C"));
    EXPECT_THAT(rows[2], ElementsAre(L"Cam A", L"Cam\u00e9ra B"));
    // Stored: speaker 2 (past the two speakers: row 0), microphone 1, camera 1.
    EXPECT_THAT(selections, ElementsAre(0, 1, 1));
    EXPECT_THAT(volumes, ElementsAre(128, 128));
}

TEST_F(DevicesPage, ChoicesAndVolumesReachTheEngineAtOnceAndOkStoresTheDevices)
{
    std::vector<std::string> live;
    std::vector<int> sliders;
    std::wstring testing;
    HWND page = nullptr;
    RunDialog([&](const SettingsDriver& dialog) {
        page = dialog.ShowPage(1);
        EngineControl_ClearJournal();
        SettingsDriver::Slide(page, IDC_SLDEX_MICVOLUMETEST, 200);
        SettingsDriver::Slide(page, IDC_SLDEX_SPKVOLUMETEST, 50);
        // Another microphone: its own volume shows, the speaker's stays.
        SettingsDriver::Choose(page, IDC_CMB_MICROPHONE, 2);
        sliders = {SettingsDriver::SliderPos(page, IDC_SLDEX_SPKVOLUMETEST),
                   SettingsDriver::SliderPos(page, IDC_SLDEX_MICVOLUMETEST)};
        SettingsDriver::Choose(page, IDC_CMB_SPEAKER, 1);
        SettingsDriver::Choose(page, IDC_CMB_CAMERA, 0);
        SettingsDriver::Click(page, IDC_BTN_OPTIONS);
        SettingsDriver::Click(page, IDC_BTN_AUDIOTEST);
        testing = SettingsDriver::Text(page, IDC_BTN_AUDIOTEST);
        live = Changes();
        EngineControl_ClearJournal();
        dialog.Ok();
    });
    EXPECT_THAT(live, ElementsAre("Tavik_setMicVolume(H,200)", "Tavik_setSpeakerVolume(H,50)",
                                  "Tavik_setAudioDeviceId(H,2,0)", "Tavik_setAudioDeviceId(H,2,1)",
                                  "Tavik_setVideoDeviceId(H,0)",
                                  "Tavik_showVideoCaptureSettingsDialogBox(H,\"uid-a\",5,\"\"," +
                                      engine_control::HwndText(page) + ",200,200)",
                                  "Tavik_audioPlayLoopbackTest(H,1)"));
    EXPECT_THAT(sliders, ElementsAre(50, 128));
    EXPECT_EQ(L"DLG_AUDIOSETUP/24008", testing);

    // OK: the test is off first; then the main window pushes the stored devices.
    const std::vector<std::string> after = Changes();
    ASSERT_FALSE(after.empty());
    EXPECT_EQ("Tavik_audioPlayLoopbackTest(H,0)", after.front());
    EXPECT_EQ(1, std::count(after.begin(), after.end(), "Tavik_audioPlayLoopbackTest(H,0)"));
    EXPECT_NE(after.end(), std::find(after.begin(), after.end(), "Tavik_setAudioDeviceId(H,2,1)"));
    const StoredRow row = ReadRow();
    EXPECT_EQ("1", row.at("AudioOutputDeviceId"));
    EXPECT_EQ("2", row.at("AudioInputDeviceId"));
    EXPECT_EQ("0", row.at("VideoDeviceId"));
    EXPECT_EQ(1, g_options.AudioOutputDeviceId);
    EXPECT_EQ(2, g_options.AudioInputDeviceId);
    EXPECT_EQ(0, g_options.VideoDeviceId);
}

TEST_F(DevicesPage, TheTestButtonTogglesAndCancelSwitchesTheTestOffWithoutSaving)
{
    const StoredRow before = ReadRow();
    std::vector<std::wstring> captions;
    RunDialog([&](const SettingsDriver& dialog) {
        const HWND page = dialog.ShowPage(1);
        EngineControl_ClearJournal();
        for (int click = 0; click < 3; ++click) {
            SettingsDriver::Click(page, IDC_BTN_AUDIOTEST);
            captions.push_back(SettingsDriver::Text(page, IDC_BTN_AUDIOTEST));
        }
        SettingsDriver::Choose(page, IDC_CMB_MICROPHONE, 0);
        dialog.ShowPage(0);   // leaving the page does not stop it
        EXPECT_THAT(JournalOf("Tavik_audioPlayLoopbackTest"),
                    ElementsAre("Tavik_audioPlayLoopbackTest(H,1)", "Tavik_audioPlayLoopbackTest(H,0)",
                                "Tavik_audioPlayLoopbackTest(H,1)"));
        EngineControl_ClearJournal();
        dialog.Cancel();
    });
    EXPECT_THAT(captions, ElementsAre(L"DLG_AUDIOSETUP/24008", L"DLG_AUDIOSETUP/24007", L"DLG_AUDIOSETUP/24008"));
    const std::vector<std::string> after = Changes();
    ASSERT_FALSE(after.empty());
    EXPECT_EQ("Tavik_audioPlayLoopbackTest(H,0)", after.front());
    EXPECT_THAT(Differences(before, ReadRow()), IsEmpty());
    EXPECT_EQ(1, g_options.AudioInputDeviceId);
    // The main window puts the stored devices back.
    EXPECT_NE(after.end(), std::find(after.begin(), after.end(), "Tavik_setAudioDeviceId(H,1,2)"));
}

TEST_F(SettingsTest, SignedOutTheDevicesPageIsEmptyAndKeepsTheStoredDevices)
{
    RunDialog([](const SettingsDriver& dialog) {
        const HWND page = dialog.ShowPage(1);
        for (const int id : {IDC_CMB_SPEAKER, IDC_CMB_MICROPHONE, IDC_CMB_CAMERA})
            EXPECT_THAT(SettingsDriver::Rows(page, id), IsEmpty());
        SettingsDriver::Click(page, IDC_BTN_AUDIOTEST);
        SettingsDriver::Click(page, IDC_BTN_OPTIONS);
        EXPECT_EQ(L"PAGE_WND/40012", SettingsDriver::Text(page, IDC_BTN_AUDIOTEST)) << "no test without an engine";
        dialog.Ok();
    });
    const StoredRow row = ReadRow();
    EXPECT_EQ("2", row.at("AudioOutputDeviceId"));
    EXPECT_EQ("1", row.at("AudioInputDeviceId"));
    EXPECT_EQ("1", row.at("VideoDeviceId"));
    EXPECT_THAT(engine_control::JournalLines(), IsEmpty());
}

} // namespace
} // namespace settings_test
