#include "config/settings/SettingPage7.h"

#include "core/OptionsRecord.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"

namespace {

struct PortEdit {
    int id;
    const char* column;
    int OptionsRecord::*field;
};
constexpr PortEdit kPorts[] = {
    {IDC_EDT_AUDIO_MINPORTS, "AudioRtpMiniPort", &OptionsRecord::AudioRtpMiniPort},
    {IDC_EDT_AUDIO_MAXPORTS, "AudioRtpMaxPort", &OptionsRecord::AudioRtpMaxPort},
    {IDC_EDT_VIDEO_MINPORTS, "VideoRtpMiniPort", &OptionsRecord::VideoRtpMiniPort},
    {IDC_EDT_VIDEO_MAXPORTS, "VideoRtpMaxPort", &OptionsRecord::VideoRtpMaxPort},
};

} // namespace

IMPLEMENT_DYNAMIC(CSettingPage7, CSettingPage)

BEGIN_MESSAGE_MAP(CSettingPage7, CSettingPage)
END_MESSAGE_MAP()

CSettingPage7::CSettingPage7() = default;

CSettingPage7::~CSettingPage7() = default;

void CSettingPage7::SetWindowID()
{
    m_nWindowID = IDW_SETTING_PAGE7;
}

void CSettingPage7::SetTexts()
{
    const UiPageWndTexts& texts = g_uiTexts.pageWnd;
    SetItemTexts({{IDC_STA_LINE1, &texts.t40041},
                  {IDC_STA_LINE2, &texts.t40042},
                  {IDC_STA_LINE3, &texts.t40043},
                  {IDC_STA_LINE4, &texts.t40044},
                  {IDC_STA_LINE5, &texts.t40045},
                  {IDC_STA_LINE6, &texts.t40046},
                  {IDC_STA_LINE7, &texts.t40047},
                  {IDC_STA_LINE8, &g_uiTexts.dlgOptions.t27024},
                  {IDC_STA_LINE9, &g_uiTexts.dlgOptions.t27025}});
}

void CSettingPage7::LoadValues()
{
    for (const PortEdit& port : kPorts)
        SetItemNumber(port.id, g_options.*port.field);
    SetChecked(IDC_CHK_RTPKEEPALIVE, g_options.RtpKeepLive);
    SetChecked(IDC_CHK_MWI, g_options.EnableMwi);
    SetChecked(IDC_CHK_SESSIONTIMER, g_options.SessionTimerTime != 0);
    SetItemNumber(IDC_EDT_TIMER_TIME, g_options.SessionTimerTime);

    // One forwarding shows, always before busy.
    const struct {
        int box;
        int edit;
        const std::string& address;
    } shown[] = {{IDC_CHK_ALWAYSFORWARD, IDC_EDT_ALWAYS_FORWARDTO, g_options.ForwardTo},
                 {IDC_CHK_BUSYFORWARD, IDC_EDT_BUSY_FORWARDTO, g_options.BusyForwardTo}};
    const int chosen = !g_options.ForwardTo.empty() ? 0 : !g_options.BusyForwardTo.empty() ? 1 : -1;
    if (chosen < 0)
        return;
    for (int i = 0; i < 2; ++i) {
        SetChecked(shown[i].box, i == chosen);
        SetDlgItemText(shown[i].edit, i == chosen ? AnsiToWide(shown[i].address) : CString());
    }
}

void CSettingPage7::SaveValues()
{
    OptionsRecord updated = g_options;
    for (const PortEdit& port : kPorts)
        updated.*port.field = ItemNumber(port.id);
    updated.RtpKeepLive = IsChecked(IDC_CHK_RTPKEEPALIVE);
    updated.EnableMwi = IsChecked(IDC_CHK_MWI);
    updated.SessionTimerTime = IsChecked(IDC_CHK_SESSIONTIMER) ? ItemNumber(IDC_EDT_TIMER_TIME) : 0;
    updated.ForwardTo = IsChecked(IDC_CHK_ALWAYSFORWARD) ? WideToAnsi(ItemText(IDC_EDT_ALWAYS_FORWARDTO)) : "";
    updated.BusyForwardTo = IsChecked(IDC_CHK_BUSYFORWARD) ? WideToAnsi(ItemText(IDC_EDT_BUSY_FORWARDTO)) : "";

    OptionsUpdate update;
    update.Text("ForwardTo", updated.ForwardTo)
        .Text("BusyForwardTo", updated.BusyForwardTo)
        .Text("NoAnswerForwardTo", updated.NoAnswerForwardTo)
        .Number("NoAnwerWaitSeconds", updated.NoAnwerWaitSeconds);
    for (const PortEdit& port : kPorts)
        update.Number(port.column, updated.*port.field);
    update.Number("SessionTimerTime", updated.SessionTimerTime)
        .Flag("EnableMwi", updated.EnableMwi)
        .Flag("RtpKeepLive", updated.RtpKeepLive);
    if (update.Run())
        g_options = updated;
}
