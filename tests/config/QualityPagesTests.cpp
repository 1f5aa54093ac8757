// Proves the quality-of-service and media quality pages: the radio shown follows the stored
// values (a service type wins over a DSCP value), each way of marking saves its pair of values,
// the resolution, bitrate and five audio switches load and save column by column, a changed
// resolution is flagged for the main window's push (which clears the flag), and a stored row
// outside a list is kept.
#include "core/OptionsRecord.h"
#include "resources/Resource.h"
#include "tests/config/SettingsTestSupport.h"

namespace settings_test {
namespace {

using testing::ElementsAre;

constexpr int kQosPage = 4;
constexpr int kMediaPage = 5;

// What the QoS page shows for one medium: the radio checked ("none", "dscp", "type"), the
// DSCP edit and the service-type row.
struct QosShown {
    std::string radio;
    std::wstring dscp;
    int serviceType;
};

QosShown ReadQos(HWND page, bool audio)
{
    const int none = audio ? IDC_RAD_NONEAUDIOQOS : IDC_RAD_NONEVIDEOQOS;
    const int dscp = audio ? IDC_RAD_AUDIOQOSDSCP : IDC_RAD_VIDEOQOSDSCP;
    const int type = audio ? IDC_RAD_AUDIOQOSSERVICETYPE : IDC_RAD_VIDEOQOSSERVICETYPE;
    std::string radio;
    for (const auto& [id, name] : {std::pair<int, const char*>{none, "none"}, {dscp, "dscp"}, {type, "type"}}) {
        if (SettingsDriver::IsChecked(page, id))
            radio += radio.empty() ? name : std::string("+") + name;
    }
    return {radio, SettingsDriver::Text(page, audio ? IDC_EDT_AUDIODSCP : IDC_EDT_VIDEODSCP),
            SettingsDriver::Selection(page, audio ? IDC_CMB_AUDIOSERVICETYPE : IDC_CMB_VIDEOSERVICETYPE)};
}

TEST_F(SettingsTest, TheQosPageShowsTheMarkingTheStoredValuesName)
{
    const struct {
        int dscp;
        int serviceType;
        QosShown shown;
    } kCases[] = {
        {46, 0, {"dscp", L"46", 0}}, {0, 0, {"none", L"", 0}},   {10, 2, {"type", L"", 2}},
        {5, 1, {"type", L"", 1}},    {0, 3, {"none", L"", 0}},   {-7, 0, {"dscp", L"-7", 0}},
    };
    for (const auto& row : kCases) {
        for (const bool audio : {true, false}) {
            const std::string prefix = audio ? "Audio" : "Video";
            StoreOptions({{prefix + "DSCP", std::to_string(row.dscp)},
                          {prefix + "ServiceType", std::to_string(row.serviceType)}});
            QosShown shown{};
            std::vector<std::wstring> types;
            RunDialog([&](const SettingsDriver& dialog) {
                const HWND page = dialog.ShowPage(kQosPage);
                shown = ReadQos(page, audio);
                types = SettingsDriver::Rows(page, audio ? IDC_CMB_AUDIOSERVICETYPE : IDC_CMB_VIDEOSERVICETYPE);
                dialog.Cancel();
            });
            const std::string name = prefix + " " + std::to_string(row.dscp) + "/" + std::to_string(row.serviceType);
            EXPECT_EQ(row.shown.radio, shown.radio) << name;
            EXPECT_EQ(row.shown.dscp, shown.dscp) << name;
            EXPECT_EQ(row.shown.serviceType, shown.serviceType) << name;
            EXPECT_THAT(types, ElementsAre(L"Best effort", L"Controlled Load", L"Guaranteed")) << name;
        }
    }
}

TEST_F(SettingsTest, EachMarkingSavesItsPairOfValues)
{
    const struct {
        const char* name;
        int radio;          // 0 none, 1 DSCP, 2 service type
        const wchar_t* dscp;
        int serviceType;
        int storedDscp;
        int storedServiceType;
    } kCases[] = {
        {"DSCP 46", 1, L"46", 2, 46, 0},
        {"DSCP empty", 1, L"", 2, 0, 0},
        {"DSCP with letters after", 1, L"12ab", 0, 12, 0},
        {"DSCP no number", 1, L"ab", 0, 0, 0},
        {"best effort", 2, L"33", 0, 0, 0},
        {"guaranteed", 2, L"33", 2, 0, 2},
        {"none", 0, L"33", 1, 0, 0},
    };
    for (const auto& row : kCases) {
        StoreOptions({{"AudioDSCP", "7"}, {"AudioServiceType", "1"}, {"VideoDSCP", "8"}, {"VideoServiceType", "0"}});
        RunDialog([&](const SettingsDriver& dialog) {
            const HWND page = dialog.ShowPage(kQosPage);
            const int audioRadios[] = {IDC_RAD_NONEAUDIOQOS, IDC_RAD_AUDIOQOSDSCP, IDC_RAD_AUDIOQOSSERVICETYPE};
            const int videoRadios[] = {IDC_RAD_NONEVIDEOQOS, IDC_RAD_VIDEOQOSDSCP, IDC_RAD_VIDEOQOSSERVICETYPE};
            SettingsDriver::ChooseRadio(page, {audioRadios[0], audioRadios[1], audioRadios[2]},
                                        audioRadios[row.radio]);
            SettingsDriver::ChooseRadio(page, {videoRadios[0], videoRadios[1], videoRadios[2]},
                                        videoRadios[row.radio]);
            for (const int edit : {IDC_EDT_AUDIODSCP, IDC_EDT_VIDEODSCP})
                SettingsDriver::SetText(page, edit, row.dscp);
            for (const int list : {IDC_CMB_AUDIOSERVICETYPE, IDC_CMB_VIDEOSERVICETYPE})
                SettingsDriver::Choose(page, list, row.serviceType);
            dialog.Ok();
        });
        const StoredRow stored = ReadRow();
        for (const char* medium : {"Audio", "Video"}) {
            EXPECT_EQ(std::to_string(row.storedDscp), stored.at(medium + std::string("DSCP"))) << row.name << medium;
            EXPECT_EQ(std::to_string(row.storedServiceType), stored.at(medium + std::string("ServiceType")))
                << row.name << medium;
        }
        EXPECT_EQ(row.storedDscp, g_options.AudioDSCP) << row.name;
        EXPECT_EQ(row.storedServiceType, g_options.VideoServiceType) << row.name;
    }
    // Best effort is stored as no marking: the page shows the first radio next time.
    StoreOptions({{"AudioDSCP", "0"}, {"AudioServiceType", "0"}});
    RunDialog([](const SettingsDriver& dialog) {
        EXPECT_EQ("none", ReadQos(dialog.ShowPage(kQosPage), true).radio);
        dialog.Cancel();
    });
}

TEST_F(SettingsTest, TheMediaPageLoadsAndSavesResolutionBitrateAndSwitches)
{
    constexpr int kSwitches[] = {IDC_CHK_AEC, IDC_CHK_AGC, IDC_CHK_ANS, IDC_CHK_VAD, IDC_CHK_CNG};
    std::vector<std::wstring> resolutions;
    std::vector<std::wstring> bitrates;
    std::vector<int> rows;
    std::vector<bool> switches;
    RunDialog([&](const SettingsDriver& dialog) {
        const HWND page = dialog.ShowPage(kMediaPage);
        resolutions = SettingsDriver::Rows(page, IDC_CMB_RESOLUTION);
        bitrates = SettingsDriver::Rows(page, IDC_CMB_BITRATE);
        rows = {SettingsDriver::Selection(page, IDC_CMB_RESOLUTION), SettingsDriver::Selection(page, IDC_CMB_BITRATE)};
        for (const int id : kSwitches) {
            switches.push_back(SettingsDriver::IsChecked(page, id));
            SettingsDriver::SetCheck(page, id, !SettingsDriver::IsChecked(page, id));
        }
        SettingsDriver::Choose(page, IDC_CMB_RESOLUTION, 5);
        SettingsDriver::Choose(page, IDC_CMB_BITRATE, 6);
        dialog.Ok();
    });
    EXPECT_THAT(resolutions, ElementsAre(L"QCIF", L"CIF", L"VGA", L"SVGA", L"XVGA", L"720P"));
    EXPECT_THAT(bitrates, ElementsAre(L"128", L"256", L"512", L"640", L"1024", L"1500", L"2000"));
    EXPECT_THAT(rows, ElementsAre(3, 4));
    EXPECT_THAT(switches, ElementsAre(false, true, true, false, true));   // AEC AGC ANS VAD CNG

    const StoredRow row = ReadRow();
    EXPECT_EQ("5", row.at("VideoResolution"));
    EXPECT_EQ("6", row.at("VideoImageQualityLevel"));
    EXPECT_EQ("1", row.at("AEC"));
    EXPECT_EQ("0", row.at("AGC"));
    EXPECT_EQ("0", row.at("ANS"));
    EXPECT_EQ("1", row.at("VAD"));
    EXPECT_EQ("0", row.at("CNG"));
    EXPECT_EQ(5, g_options.VideoResolution);
    EXPECT_EQ(6, g_options.VideoImageQualityLevel);
    EXPECT_TRUE(g_options.AEC);
    EXPECT_FALSE(g_options.ANS);
    EXPECT_TRUE(g_options.VideoResolutionChanged);

    // The same resolution again: no change to flag.
    RunDialog([](const SettingsDriver& dialog) {
        dialog.ShowPage(kMediaPage);
        dialog.Ok();
    });
    EXPECT_FALSE(g_options.VideoResolutionChanged);
}

TEST_F(SettingsTest, AStoredRowOutsideAListIsShownAsNoneAndKept)
{
    StoreOptions({{"VideoResolution", "9"}, {"VideoImageQualityLevel", "200"}});
    RunDialog([](const SettingsDriver& dialog) {
        const HWND page = dialog.ShowPage(kMediaPage);
        EXPECT_EQ(-1, SettingsDriver::Selection(page, IDC_CMB_RESOLUTION));
        EXPECT_EQ(-1, SettingsDriver::Selection(page, IDC_CMB_BITRATE));
        dialog.Ok();
    });
    const StoredRow row = ReadRow();
    EXPECT_EQ("9", row.at("VideoResolution"));
    EXPECT_EQ("200", row.at("VideoImageQualityLevel"));
    EXPECT_FALSE(g_options.VideoResolutionChanged);
}

TEST_F(SettingsTest, AChangedResolutionReachesTheEngineAfterOkAndTheFlagIsCleared)
{
    SignIn();
    RunDialog([](const SettingsDriver& dialog) {
        const HWND page = dialog.ShowPage(kMediaPage);
        SettingsDriver::Choose(page, IDC_CMB_RESOLUTION, 0);
        SettingsDriver::Choose(page, IDC_CMB_BITRATE, 1);
        dialog.Ok();
    });
    EXPECT_THAT(JournalOf("Tavik_setVideoResolution"), ElementsAre("Tavik_setVideoResolution(H,1)"));
    EXPECT_THAT(JournalOf("Tavik_setVideoBitrate"), ElementsAre("Tavik_setVideoBitrate(H,256)"));
    EXPECT_EQ(0, g_options.VideoResolution);
    EXPECT_FALSE(g_options.VideoResolutionChanged) << "the push cleared it";
}

} // namespace
} // namespace settings_test
