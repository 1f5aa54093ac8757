#include "config/settings/SettingPage4.h"

#include "config/settings/CodecInfo.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"

#include <iterator>

namespace {

using R = OptionsRecord;

constexpr CCodecSettingPage::Slot kVideoEnabled[] = {&R::EnableVideoCodec1, &R::EnableVideoCodec2,
                                                     &R::EnableVideoCodec3};
constexpr CCodecSettingPage::Slot kVideoDisabled[] = {&R::DisableVideoCodec1, &R::DisableVideoCodec2,
                                                      &R::DisableVideoCodec3};
static_assert(std::size(kVideoEnabled) == std::size(kVideoDisabled));

constexpr const char* kVideoHidden[] = {"H.264"};
// The names the rest of the program knows these codecs by (the engine's codec table too).
constexpr const char* kFallback[] = {"H.263", "H.263+(1998)", "H.264"};

const CCodecSettingPage::Layout kVideoLayout = {
    IDC_TREECTRL_ENABLEVIDEOCODECS,
    IDC_TREECTRL_DISABLEVIDEOCODECS,
    "EnableVideoCodec",
    "DisableVideoCodec",
    kVideoEnabled,
    kVideoDisabled,
    static_cast<int>(std::size(kVideoEnabled)),
    kVideoHidden,
    static_cast<int>(std::size(kVideoHidden)),
    kFallback,
    static_cast<int>(std::size(kFallback)),
    false,
};

} // namespace

IMPLEMENT_DYNAMIC(CSettingPage4, CCodecSettingPage)

BEGIN_MESSAGE_MAP(CSettingPage4, CCodecSettingPage)
    ON_NOTIFY(TVN_SELCHANGED, IDC_TREECTRL_DISABLEVIDEOCODECS, &CSettingPage4::OnCodecSelChanged)
    ON_NOTIFY(TVN_SELCHANGED, IDC_TREECTRL_ENABLEVIDEOCODECS, &CSettingPage4::OnCodecSelChanged)
END_MESSAGE_MAP()

CSettingPage4::CSettingPage4() : CCodecSettingPage(kVideoLayout) {}

CSettingPage4::~CSettingPage4() = default;

void CSettingPage4::SetWindowID()
{
    m_nWindowID = IDW_SETTING_PAGE4;
}

void CSettingPage4::SetTexts()
{
    const UiPageWndTexts& texts = g_uiTexts.pageWnd;
    SetItemTexts({{IDC_STA_LINE1, &texts.t40015},
                  {IDC_STA_LINE2, &texts.t40016},
                  {IDC_STA_LINE3, &texts.t40017},
                  {IDC_STA_LINE4, &texts.t40018},
                  {IDC_STA_LINE6, &g_uiTexts.dlgAudioCodec.t22007},
                  {IDC_STA_LINE8, &texts.t40021},
                  {IDC_STA_LINE9, &texts.t40022},
                  {IDC_STA_LINE10, &texts.t40023}});
}

void CSettingPage4::ShowCodecInfo(const CString& name)
{
    const VideoCodecInfo* const info = FindVideoCodecInfo(WideToAnsi(name));
    if (!info)
        return;
    SetDlgItemText(IDC_STA_LINE5, info->description);
    SetBar(IDC_PRG_CPUUSAGE, info->cpuUsage);
    SetBar(IDC_PRG_QUALITY, info->quality);
}

void CSettingPage4::ClearCodecInfo()
{
    SetDlgItemText(IDC_STA_LINE5, L"");
    SetBar(IDC_PRG_CPUUSAGE, 0);
    SetBar(IDC_PRG_QUALITY, 0);
}
