// Proves the settings push: the codec table (names the engine cannot take never reach it, the
// telephone events always do, last), the default codecs of a new database (audio 8, 0, 101 and
// video 34), the bitrate and resolution tables, forwarding, DTMF and the calls made in order,
// and a push without an engine going out with handle 0, which the engine ignores.
#include "core/AccountRecord.h"
#include "core/OptionsRecord.h"
#include "resources/ProgramIds.h"
#include "tests/windows/MainFrameTestSupport.h"
#include "windows/main/EngineSettings.h"

namespace windows_test {
namespace {

using testing::ElementsAre;

TEST(CodecTable, NamesMapToTheEnginesIdsWithoutRegardToCase)
{
    const struct {
        const char* name;
        int id;
    } kAudio[] = {{"G.711 uLaw", 0}, {"g.711 ULAW", 0}, {"G.711 aLaw", 8}, {"GSM", 3},       {"iLBC", 97},
                  {"G.722", 9},      {"SPEEX", 100},    {"speex-wb", 102}, {"G.729", -1},    {"G.722.1", -2},
                  {"AMR-WB", -3},    {"AMR", -4},       {"", -1},          {"Opus", -1}};
    for (const auto& row : kAudio)
        EXPECT_EQ(row.id, GetAudioCodecId(row.name)) << row.name;
    const struct {
        const char* name;
        int id;
    } kVideo[] = {{"H.263", 34}, {"h.263+(1998)", 115}, {"H.264", -6}, {"", -1}, {"VP8", -1}};
    for (const auto& row : kVideo)
        EXPECT_EQ(row.id, GetVideoCodecId(row.name)) << row.name;
}

TEST(MediaTables, QualityRowsGiveBitratesAndResolutionRowsGiveCodes)
{
    const int kBitrates[] = {128, 256, 512, 1024, 1200, 1500, 2000};
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(kBitrates[row], GetVideoBitrate(row)) << row;
    for (const int row : {-1, 7, 200})
        EXPECT_EQ(0, GetVideoBitrate(row)) << row;
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(row + 1, GetVideoResolutionCode(row)) << row;
    for (const int row : {-1, 6, 99})
        EXPECT_EQ(2, GetVideoResolutionCode(row)) << row;
}

class SettingsPush : public MainFrameTest {
protected:
    void SignedInEngine()
    {
        CreateFrame();
        UseAccount();
        ASSERT_TRUE(frame->SignIn());
        EngineControl_ClearJournal();
    }
};

TEST_F(SettingsPush, DefaultCodecsGiveAudioEightZeroAndTelephoneEventsAndVideoThirtyFour)
{
    SignedInEngine();
    frame->ApplyEngineSettings();
    EXPECT_THAT(JournalOf("Tavik_addAudioCodec"),
                ElementsAre("Tavik_addAudioCodec(H,8)", "Tavik_addAudioCodec(H,0)", "Tavik_addAudioCodec(H,101)"));
    EXPECT_THAT(JournalOf("Tavik_addVideoCodec"), ElementsAre("Tavik_addVideoCodec(H,34)"));
}

TEST_F(SettingsPush, OnlyCodecsTheEngineTakesAreOfferedAndTelephoneEventsAlwaysLast)
{
    SignedInEngine();
    g_options.EnableAudioCodec1 = "G.729";
    g_options.EnableAudioCodec2 = "";
    g_options.EnableAudioCodec3 = "";
    g_options.EnableVideoCodec1 = "H.264";
    g_options.EnableVideoCodec2 = "H.263+(1998)";
    frame->ApplyEngineSettings();
    EXPECT_THAT(JournalOf("Tavik_addAudioCodec"), ElementsAre("Tavik_addAudioCodec(H,101)"));
    EXPECT_THAT(JournalOf("Tavik_addVideoCodec"), ElementsAre("Tavik_addVideoCodec(H,115)"));
}

TEST_F(SettingsPush, PushesEverySettingInOrder)
{
    SignedInEngine();
    g_options.ForwardTo = "sip:desk@example";
    g_options.VideoImageQualityLevel = 3;
    g_options.AEC = true;
    g_options.AGC = false;
    g_options.VAD = true;
    g_options.CNG = false;
    g_options.VideoResolution = 4;
    g_options.DTMFMode = 1;
    g_options.DTMFDuration = 160;
    g_account.Srtp = true;
    g_options.AudioRtpMiniPort = 10000;
    g_options.AudioRtpMaxPort = 10100;
    g_options.VideoRtpMiniPort = 20000;
    g_options.VideoRtpMaxPort = 20100;
    g_options.SessionTimerTime = 1800;
    g_options.RtpKeepLive = true;
    g_options.RtpKeepAlivePayload = 126;
    g_options.DeltaTransmitTimeMS = 30000;
    g_options.EnableMwi = true;
    g_options.AudioDSCP = 46;
    g_options.VideoDSCP = 0;
    g_options.Priority = 5;
    g_options.AudioInputDeviceId = 1;
    g_options.AudioOutputDeviceId = 2;
    g_options.VideoDeviceId = 0;
    g_options.EnableAudioCodec1 = "GSM";
    g_options.EnableAudioCodec2 = "";
    g_options.EnableAudioCodec3 = "";
    g_options.EnableVideoCodec1 = "";
    g_options.EnableVideoCodec2 = "";
    g_options.VideoResolutionChanged = false;
    frame->ApplyEngineSettings();
    std::vector<std::string> calls;
    for (const std::string& line : Journal()) {
        if (line.find("Tavik_get") != 0)   // the volume reads of the call page
            calls.push_back(line);
    }
    EXPECT_THAT(calls, ElementsAre("Tavik_enableCallForwarding(H,0,\"sip:desk@example\")",
                                   "Tavik_setAudioDeviceId(H,1,2)", "Tavik_setVideoDeviceId(H,0)",
                                   "Tavik_setVideoBitrate(H,1024)", "Tavik_enableAEC(H,1)", "Tavik_enableAGC(H,0)",
                                   "Tavik_enableVAD(H,1)", "Tavik_enableCNG(H,0)", "Tavik_setVideoResolution(H,5)",
                                   "Tavik_enableDTMFOfInfo(H)", "Tavik_setDTMFSamples(H,160)",
                                   "Tavik_setSrtpPolicy(H,2)", "Tavik_setRtpPortRange(H,10000,10100,20000,20100)",
                                   "Tavik_enableSessionTimer(H,1800,0)", "Tavik_setRtpKeepAlive(H,1,126,30000)",
                                   "Tavik_enableCheckMwi(H,1)", "Tavik_clearAudioCodec(H)", "Tavik_addAudioCodec(H,3)",
                                   "Tavik_addAudioCodec(H,101)", "Tavik_clearVideoCodec(H)",
                                   "Tavik_setVideoQos(H,0,0)", "Tavik_setAudioQos(H,1,46,5)"));
}

TEST_F(SettingsPush, ForwardingAndDtmfFollowTheirOptions)
{
    SignedInEngine();
    const struct {
        const char* forwardTo;
        const char* busyForwardTo;
        const char* expected;
    } kForwarding[] = {
        {"a@x", "b@x", "Tavik_enableCallForwarding(H,0,\"a@x\")"},
        {"", "b@x", "Tavik_enableCallForwarding(H,1,\"b@x\")"},
        {"", "", "Tavik_disableCallForwarding(H)"},
    };
    for (const auto& row : kForwarding) {
        g_options.ForwardTo = row.forwardTo;
        g_options.BusyForwardTo = row.busyForwardTo;
        EngineControl_ClearJournal();
        frame->ApplyForwarding();
        EXPECT_THAT(Journal(), ElementsAre(row.expected));
    }
    g_options.DTMFMode = 0;
    g_options.DTMFPayload = 101;
    EngineControl_ClearJournal();
    frame->ApplyMediaOptions();
    EXPECT_THAT(JournalOf("Tavik_enableDTMFOfRFC2833"), ElementsAre("Tavik_enableDTMFOfRFC2833(H,101)"));
}

TEST_F(SettingsPush, AResolutionChangeRestartsARunningPreviewOnceAndIsCleared)
{
    SignedInEngine();
    frame->SetSignedIn(1);
    frame->GetVideoWnd().StartShowTimer();
    frame->StartLocalVideo();
    g_options.VideoResolutionChanged = true;
    EngineControl_ClearJournal();
    frame->ApplyMediaOptions();
    EXPECT_THAT(JournalOf("Tavik_viewLocalVideo"),
                ElementsAre("Tavik_viewLocalVideo(H,0)", "Tavik_viewLocalVideo(H,1)"));
    EXPECT_FALSE(g_options.VideoResolutionChanged);
    EngineControl_ClearJournal();
    frame->ApplyMediaOptions();
    EXPECT_TRUE(JournalOf("Tavik_viewLocalVideo").empty());
}

TEST_F(SettingsPush, WithoutAnEngineEveryCallGoesWithHandleZeroAndQosIsSkipped)
{
    CreateFrame();
    frame->ApplyEngineSettings();
    const std::vector<std::string> journal = engine_control::JournalLines();
    ASSERT_FALSE(journal.empty());
    for (const std::string& line : journal)
        EXPECT_NE(std::string::npos, line.find("(0")) << line;
    EXPECT_TRUE(JournalOf("Tavik_setAudioQos").empty());
    EXPECT_TRUE(JournalOf("Tavik_setVideoQos").empty());
}

TEST_F(SettingsPush, OptionsClosedWithOneRePushesTheSettings)
{
    CreateFrame();
    ModalAnswers answers({1});
    frame->Command(ID_MAIN_OPTIONS);
    EXPECT_THAT(answers.Windows(), ElementsAre(L"IDW_SETTING"));
    EXPECT_EQ(1u, JournalOf("Tavik_clearAudioCodec").size());
}

} // namespace
} // namespace windows_test
