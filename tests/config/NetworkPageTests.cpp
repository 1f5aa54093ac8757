// Proves the forwarding and network page: the stored ports, switches, session timer and one
// forwarding (always before busy) shown; every control saved column by column with the
// forwarding on no answer written back as stored; numbers read from their leading digits; and
// addresses holding a quote stored as typed.
#include "core/OptionsRecord.h"
#include "resources/Resource.h"
#include "tests/config/SettingsTestSupport.h"

namespace settings_test {
namespace {

using testing::ElementsAre;

constexpr int kNetworkPage = 6;
constexpr int kPortEdits[] = {IDC_EDT_AUDIO_MINPORTS, IDC_EDT_AUDIO_MAXPORTS, IDC_EDT_VIDEO_MINPORTS,
                              IDC_EDT_VIDEO_MAXPORTS};

// Forwarding as the page shows it: (box, edit) always, then busy.
struct Forwarding {
    bool always;
    std::wstring alwaysTo;
    bool busy;
    std::wstring busyTo;
};

Forwarding ReadForwarding(HWND page)
{
    return {SettingsDriver::IsChecked(page, IDC_CHK_ALWAYSFORWARD),
            SettingsDriver::Text(page, IDC_EDT_ALWAYS_FORWARDTO), SettingsDriver::IsChecked(page, IDC_CHK_BUSYFORWARD),
            SettingsDriver::Text(page, IDC_EDT_BUSY_FORWARDTO)};
}

TEST_F(SettingsTest, TheNetworkPageShowsTheStoredValuesAndSavesEveryControl)
{
    std::vector<std::wstring> ports;
    std::vector<bool> boxes;
    std::wstring timer;
    Forwarding forwarding{};
    RunDialog([&](const SettingsDriver& dialog) {
        const HWND page = dialog.ShowPage(kNetworkPage);
        for (const int id : kPortEdits)
            ports.push_back(SettingsDriver::Text(page, id));
        for (const int id : {IDC_CHK_RTPKEEPALIVE, IDC_CHK_MWI, IDC_CHK_SESSIONTIMER})
            boxes.push_back(SettingsDriver::IsChecked(page, id));
        timer = SettingsDriver::Text(page, IDC_EDT_TIMER_TIME);
        forwarding = ReadForwarding(page);

        const wchar_t* const newPorts[] = {L"40000", L"abc", L"50000", L"50100x"};
        for (size_t i = 0; i < std::size(kPortEdits); ++i)
            SettingsDriver::SetText(page, kPortEdits[i], newPorts[i]);
        SettingsDriver::SetCheck(page, IDC_CHK_RTPKEEPALIVE, true);
        SettingsDriver::SetCheck(page, IDC_CHK_MWI, false);
        SettingsDriver::SetText(page, IDC_EDT_TIMER_TIME, L"900");
        SettingsDriver::SetCheck(page, IDC_CHK_ALWAYSFORWARD, false);
        SettingsDriver::SetCheck(page, IDC_CHK_BUSYFORWARD, true);
        SettingsDriver::SetText(page, IDC_EDT_BUSY_FORWARDTO, L"o'brien@example");
        dialog.Ok();
    });
    EXPECT_THAT(ports, ElementsAre(L"10000", L"10100", L"20000", L"20100"));
    EXPECT_THAT(boxes, ElementsAre(false, true, true));
    EXPECT_EQ(L"1800", timer);
    EXPECT_TRUE(forwarding.always);
    EXPECT_EQ(L"alice@example", forwarding.alwaysTo);
    EXPECT_FALSE(forwarding.busy);
    EXPECT_EQ(L"", forwarding.busyTo);

    const StoredRow row = ReadRow();
    EXPECT_EQ("40000", row.at("AudioRtpMiniPort"));
    EXPECT_EQ("0", row.at("AudioRtpMaxPort")) << "no number gives 0";
    EXPECT_EQ("50000", row.at("VideoRtpMiniPort"));
    EXPECT_EQ("50100", row.at("VideoRtpMaxPort"));
    EXPECT_EQ("1", row.at("RtpKeepLive"));
    EXPECT_EQ("0", row.at("EnableMwi"));
    EXPECT_EQ("900", row.at("SessionTimerTime"));
    EXPECT_EQ("", row.at("ForwardTo"));
    EXPECT_EQ("o'brien@example", row.at("BusyForwardTo")) << "a quote is stored as typed";
    EXPECT_EQ("desk@example", row.at("NoAnswerForwardTo"));
    EXPECT_EQ("20", row.at("NoAnwerWaitSeconds"));
    EXPECT_EQ(40000, g_options.AudioRtpMiniPort);
    EXPECT_EQ(0, g_options.AudioRtpMaxPort);
    EXPECT_TRUE(g_options.RtpKeepLive);
    EXPECT_FALSE(g_options.EnableMwi);
    EXPECT_EQ(900, g_options.SessionTimerTime);
    EXPECT_EQ("", g_options.ForwardTo);
    EXPECT_EQ("o'brien@example", g_options.BusyForwardTo);
}

TEST_F(SettingsTest, ForwardingAndTheSessionTimerShowAndSaveAsStored)
{
    // Both forwardings checked: both stored; next time only "always" shows, and saving again
    // empties "busy". A cleared timer box stores 0 whatever the edit holds.
    RunDialog([](const SettingsDriver& dialog) {
        const HWND page = dialog.ShowPage(kNetworkPage);
        SettingsDriver::SetCheck(page, IDC_CHK_BUSYFORWARD, true);
        SettingsDriver::SetText(page, IDC_EDT_BUSY_FORWARDTO, L"bob@example");
        SettingsDriver::SetCheck(page, IDC_CHK_SESSIONTIMER, false);
        dialog.Ok();
    });
    EXPECT_EQ("alice@example", ReadRow().at("ForwardTo"));
    EXPECT_EQ("bob@example", ReadRow().at("BusyForwardTo"));
    EXPECT_EQ("0", ReadRow().at("SessionTimerTime"));

    Forwarding shown{};
    bool timerBox = true;
    std::wstring timer;
    RunDialog([&](const SettingsDriver& dialog) {
        const HWND page = dialog.ShowPage(kNetworkPage);
        shown = ReadForwarding(page);
        timerBox = SettingsDriver::IsChecked(page, IDC_CHK_SESSIONTIMER);
        timer = SettingsDriver::Text(page, IDC_EDT_TIMER_TIME);
        dialog.Ok();
    });
    EXPECT_TRUE(shown.always);
    EXPECT_EQ(L"alice@example", shown.alwaysTo);
    EXPECT_FALSE(shown.busy);
    EXPECT_EQ(L"", shown.busyTo);
    EXPECT_FALSE(timerBox);
    EXPECT_EQ(L"0", timer);
    EXPECT_EQ("", ReadRow().at("BusyForwardTo"));

    // Only "busy" stored: it shows, "always" stays cleared.
    StoreOptions({{"ForwardTo", ""}, {"BusyForwardTo", "carol@example"}});
    RunDialog([&](const SettingsDriver& dialog) {
        shown = ReadForwarding(dialog.ShowPage(kNetworkPage));
        dialog.Cancel();
    });
    EXPECT_FALSE(shown.always);
    EXPECT_TRUE(shown.busy);
    EXPECT_EQ(L"carol@example", shown.busyTo);
}

} // namespace
} // namespace settings_test
