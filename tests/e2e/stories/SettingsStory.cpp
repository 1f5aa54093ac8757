// Settings with the real Lumeo.exe from a fresh program copy: every page of the settings dialog
// opened, one value changed on each, OK; the engine receives the new settings, and a restart
// keeps them.
#include "tests/e2e/SignInChecks.h"

#include <gtest/gtest.h>

namespace {

using e2e::LumeoProcess;
using e2e::ProgramCopy;
using namespace e2e_test;

// The engine calls that carry the changed settings.
const std::vector<std::string> kWatched = {"Tavik_enableCallForwarding", "Tavik_disableCallForwarding",
                                           "Tavik_enableAEC", "Tavik_addAudioCodec", "Tavik_addVideoCodec",
                                           "Tavik_setAudioQos"};
// What they carry once the dialog is confirmed, and at every sign-in after.
const std::vector<std::string> kPushed = {
    "Tavik_enableCallForwarding(H,0,\"400\")", "Tavik_enableAEC(H,0)", "Tavik_addAudioCodec(H,0)",
    "Tavik_addAudioCodec(H,101)", "Tavik_setAudioQos(H,1,46,0)"};

// The lines of `functions`, in order, with the engine handle written as H.
std::vector<std::string> Settings(const std::vector<std::string>& journal, const std::vector<std::string>& functions)
{
    std::vector<std::string> lines;
    for (const std::string& line : journal) {
        const size_t open = line.find('(');
        if (open == std::string::npos)
            continue;
        for (const std::string& function : functions) {
            if (line.compare(0, open, function) != 0 || function.size() != open)
                continue;
            const size_t end = line.find_first_of(",)", open);
            lines.push_back(line.substr(0, open + 1) + "H" + line.substr(end));
        }
    }
    return lines;
}

// The settings dialog's page `index` (0 first), shown by choosing its name in the page tree.
HWND ShowPage(const LumeoProcess& lumeo, HWND dialog, int index)
{
    EXPECT_TRUE(e2e::SelectTreeEntry(dialog, IDC_TREECTRL_CONTROLS, index)) << "page " << index;
    const std::wstring id = L"IDW_SETTING_PAGE" + std::to_wstring(index + 1);
    HWND page = nullptr;
    EXPECT_TRUE(e2e::WaitUntil([&] { return (page = lumeo.FindChild(dialog, id)) != nullptr && ::IsWindowVisible(page); }))
        << "page " << index;
    return page;
}

TEST(Story, EverySettingsPageChangedAndKept)
{
    const ProgramCopy copy;
    ASSERT_TRUE(copy.Ready());
    const e2e::TypedAccount account;
    ASSERT_TRUE(e2e::StoreAccount(copy, account));
    {
        const LumeoProcess lumeo(copy);
        const HWND main = lumeo.WaitForWindow(L"IDW_MAIN");
        ASSERT_NE(nullptr, main);
        ExpectSignedInWith(lumeo, account);
        ASSERT_TRUE(e2e::Command(main, ID_MAIN_OPTIONS));
        const HWND dialog = lumeo.WaitForWindow(L"IDW_SETTING");
        ASSERT_NE(nullptr, dialog);
        const size_t mark = lumeo.Journal().size();

        // General: the idle display off.
        HWND page = ShowPage(lumeo, dialog, 0);
        ASSERT_NE(nullptr, page);
        ASSERT_TRUE(e2e::SetCheck(page, IDC_CHK_IDLE, false));
        // Devices: a click near the low end of the speaker volume reaches the engine at once.
        page = ShowPage(lumeo, dialog, 1);
        ASSERT_NE(nullptr, page);
        ASSERT_TRUE(e2e::ClickAt(page, IDC_SLDEX_SPKVOLUMETEST, 2, 5));
        // Audio and video codecs: the first enabled codec moved to the disabled list.
        page = ShowPage(lumeo, dialog, 2);
        ASSERT_NE(nullptr, page);
        ASSERT_TRUE(e2e::SelectTreeEntry(page, IDC_TREECTRL_ENABLEAUDIOCODECS, 0));
        ASSERT_TRUE(e2e::Click(page, IDC_BTN_LEFT));
        page = ShowPage(lumeo, dialog, 3);
        ASSERT_NE(nullptr, page);
        ASSERT_TRUE(e2e::SelectTreeEntry(page, IDC_TREECTRL_ENABLEVIDEOCODECS, 0));
        ASSERT_TRUE(e2e::Click(page, IDC_BTN_LEFT));
        // Quality of service: audio marked with DSCP 46.
        page = ShowPage(lumeo, dialog, 4);
        ASSERT_NE(nullptr, page);
        ASSERT_TRUE(e2e::SetCheck(page, IDC_RAD_NONEAUDIOQOS, false));
        ASSERT_TRUE(e2e::SetCheck(page, IDC_RAD_AUDIOQOSDSCP, true));
        ASSERT_TRUE(e2e::TypeInto(page, IDC_EDT_AUDIODSCP, L"46"));
        // Media quality: echo cancelling off.
        page = ShowPage(lumeo, dialog, 5);
        ASSERT_NE(nullptr, page);
        ASSERT_TRUE(e2e::SetCheck(page, IDC_CHK_AEC, false));
        // Forwarding: every call to 400.
        page = ShowPage(lumeo, dialog, 6);
        ASSERT_NE(nullptr, page);
        ASSERT_TRUE(e2e::SetCheck(page, IDC_CHK_ALWAYSFORWARD, true));
        ASSERT_TRUE(e2e::TypeInto(page, IDC_EDT_ALWAYS_FORWARDTO, L"400"));

        ASSERT_TRUE(e2e::Click(dialog, IDC_BTN_OK));
        ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindow(dialog); }));
        ASSERT_TRUE(e2e::WaitUntil([&] {
            const std::vector<std::string> journal = lumeo.Journal();
            for (size_t i = mark; i < journal.size(); ++i) {
                if (journal[i].rfind("Tavik_setVideoQos(", 0) == 0)
                    return true;
            }
            return false;
        })) << Lines(lumeo.Journal());
        const std::vector<std::string> journal = lumeo.Journal();
        const std::vector<std::string> changed(journal.begin() + static_cast<std::ptrdiff_t>(mark), journal.end());
        // The volume went to the engine while the page was open.
        const std::vector<std::string> volumes = Settings(changed, {"Tavik_setSpeakerVolume"});
        ASSERT_EQ(1u, volumes.size()) << Lines(changed);
        EXPECT_LT(std::stoi(volumes[0].substr(volumes[0].find(',') + 1)), 128) << volumes[0];
        EXPECT_EQ(kPushed, Settings(changed, kWatched)) << Lines(changed);
        ExitThroughMenu(lumeo, main);
    }
    EXPECT_EQ((e2e::SqlRows{{"0", "0", "400", "46"}}),
              e2e::QuerySql(copy, "select displayIdle, AEC, ForwardTo, AudioDSCP from Options"));

    // The next start signs in with the kept settings.
    const LumeoProcess again(copy);
    const HWND main = again.WaitForWindow(L"IDW_MAIN");
    ASSERT_NE(nullptr, main);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !again.JournalOf("Tavik_setAudioQos").empty(); }));
    EXPECT_EQ(kPushed, Settings(again.Journal(), kWatched)) << Lines(again.Journal());
    ExitThroughMenu(again, main);
}

} // namespace
