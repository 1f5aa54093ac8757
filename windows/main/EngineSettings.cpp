// The settings push: every stored option and the account's media choices handed to the engine.
#include "windows/main/EngineSettings.h"

#include "core/AccountRecord.h"
#include "core/OptionsRecord.h"
#include "core/TavikUtility.h"
#include "windows/call/CallPhonesWnd.h"
#include "windows/main/MainFrame.h"

#include <iterator>
#include <string>

namespace {

struct Codec {
    const char* name;
    int id;
};

constexpr Codec kAudioCodecs[] = {
    {"G.711 uLaw", 0}, {"G.711 aLaw", 8}, {"GSM", 3},      {"iLBC", 97},    {"G.722", 9},  {"SPEEX", 100},
    {"SPEEX-WB", 102}, {"G.729", -1},     {"G.722.1", -2}, {"AMR-WB", -3},  {"AMR", -4},
};
constexpr Codec kVideoCodecs[] = {{"H.263", 34}, {"H.263+(1998)", 115}, {"H.264", -6}};
constexpr int kUnknownCodec = -1;

constexpr int kBitrates[] = {128, 256, 512, 1024, 1200, 1500, 2000};
constexpr int kResolutionRows = 6;
constexpr int kDefaultResolutionCode = 2;
constexpr int kSrtpPolicy = 2;

template <size_t N>
int FindCodec(const Codec (&table)[N], std::string_view name)
{
    for (const Codec& codec : table) {
        if (TavikUtility::CompareNoCase(codec.name, name) == 0)
            return codec.id;
    }
    return kUnknownCodec;
}

} // namespace

int GetAudioCodecId(std::string_view name)
{
    return FindCodec(kAudioCodecs, name);
}

int GetVideoCodecId(std::string_view name)
{
    return FindCodec(kVideoCodecs, name);
}

int GetVideoBitrate(int qualityLevel)
{
    if (qualityLevel < 0 || qualityLevel >= static_cast<int>(std::size(kBitrates)))
        return 0;
    return kBitrates[qualityLevel];
}

int GetVideoResolutionCode(int resolutionRow)
{
    return resolutionRow >= 0 && resolutionRow < kResolutionRows ? resolutionRow + 1 : kDefaultResolutionCode;
}

int GetVideoResolutionCode()
{
    return GetVideoResolutionCode(g_options.VideoResolution);
}

void CMainFrame::ApplyEngineSettings()
{
    ApplyForwarding();
    ApplyDevices();
    ApplyMediaOptions();
    ApplyAudioCodecs();
    ApplyVideoCodecs();
    ApplyQos();
}

void CMainFrame::ApplyForwarding()
{
    if (!g_options.ForwardTo.empty())
        Tavik_enableCallForwarding(m_engineHandle, 0, g_options.ForwardTo.c_str());
    else if (!g_options.BusyForwardTo.empty())
        Tavik_enableCallForwarding(m_engineHandle, 1, g_options.BusyForwardTo.c_str());
    else
        Tavik_disableCallForwarding(m_engineHandle);
}

void CMainFrame::ApplyDevices()
{
    Tavik_setAudioDeviceId(m_engineHandle, g_options.AudioInputDeviceId, g_options.AudioOutputDeviceId);
    Tavik_setVideoDeviceId(m_engineHandle, g_options.VideoDeviceId);
    if (CCallPhonesWnd* const page = CallPage())
        page->InitVolumeSliders();
}

void CMainFrame::ApplyMediaOptions()
{
    CVideoWnd& video = VideoWnd();
    if (video.GetSafeHwnd()) {
        video.UpdateWindow();
        video.RepaintVideo();
    }
    if (const int bitrate = GetVideoBitrate(g_options.VideoImageQualityLevel))
        Tavik_setVideoBitrate(m_engineHandle, bitrate);
    Tavik_enableAEC(m_engineHandle, g_options.AEC ? 1 : 0);
    Tavik_enableAGC(m_engineHandle, g_options.AGC ? 1 : 0);
    Tavik_enableVAD(m_engineHandle, g_options.VAD ? 1 : 0);
    Tavik_enableCNG(m_engineHandle, g_options.CNG ? 1 : 0);
    Tavik_setVideoResolution(m_engineHandle, GetVideoResolutionCode());
    if (g_options.VideoResolutionChanged) {
        const bool previewRunning = m_localVideo != 0;
        if (previewRunning)
            Tavik_viewLocalVideo(m_engineHandle, 0);
        video.LayoutVideo();
        if (previewRunning)
            Tavik_viewLocalVideo(m_engineHandle, 1);
        g_options.VideoResolutionChanged = false;
    }
    if (g_options.DTMFMode == 1)
        Tavik_enableDTMFOfInfo(m_engineHandle);
    else
        Tavik_enableDTMFOfRFC2833(m_engineHandle, g_options.DTMFPayload);
    Tavik_setDTMFSamples(m_engineHandle, g_options.DTMFDuration);
    if (g_account.Srtp)
        Tavik_setSrtpPolicy(m_engineHandle, kSrtpPolicy);
    Tavik_setRtpPortRange(m_engineHandle, g_options.AudioRtpMiniPort, g_options.AudioRtpMaxPort,
                          g_options.VideoRtpMiniPort, g_options.VideoRtpMaxPort);
    if (g_options.SessionTimerTime > 0)
        Tavik_enableSessionTimer(m_engineHandle, g_options.SessionTimerTime, 0);
    Tavik_setRtpKeepAlive(m_engineHandle, g_options.RtpKeepLive ? 1 : 0, g_options.RtpKeepAlivePayload,
                          g_options.DeltaTransmitTimeMS);
    Tavik_enableCheckMwi(m_engineHandle, g_options.EnableMwi ? 1 : 0);
    if (CCallPhonesWnd* const page = CallPage())
        page->InitVolumeSliders();
}

void CMainFrame::ApplyAudioCodecs()
{
    const std::string* const names[] = {
        &g_options.EnableAudioCodec1, &g_options.EnableAudioCodec2, &g_options.EnableAudioCodec3,
        &g_options.EnableAudioCodec4, &g_options.EnableAudioCodec5, &g_options.EnableAudioCodec6,
        &g_options.EnableAudioCodec7, &g_options.EnableAudioCodec8, &g_options.EnableAudioCodec9,
        &g_options.EnableAudioCodec10, &g_options.EnableAudioCodec11,
    };
    Tavik_clearAudioCodec(m_engineHandle);
    for (const std::string* name : names) {
        const int id = GetAudioCodecId(*name);
        if (id >= 0)
            Tavik_addAudioCodec(m_engineHandle, id);
    }
    Tavik_addAudioCodec(m_engineHandle, kTelephoneEventCodec);
}

void CMainFrame::ApplyVideoCodecs()
{
    const std::string* const names[] = {&g_options.EnableVideoCodec1, &g_options.EnableVideoCodec2,
                                        &g_options.EnableVideoCodec3};
    Tavik_clearVideoCodec(m_engineHandle);
    for (const std::string* name : names) {
        const int id = GetVideoCodecId(*name);
        if (id > 0)
            Tavik_addVideoCodec(m_engineHandle, id);
    }
    EnsureVideoWindow();
}

void CMainFrame::ApplyQos()
{
    if (m_engineHandle == 0)
        return;
    Tavik_setVideoQos(m_engineHandle, g_options.VideoDSCP != 0 ? 1 : 0, g_options.VideoDSCP);
    Tavik_setAudioQos(m_engineHandle, g_options.AudioDSCP != 0 ? 1 : 0, g_options.AudioDSCP, g_options.Priority);
}
