#include "config/settings/SettingPage3.h"

#include "config/settings/CodecInfo.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"

#include <iterator>

namespace {

using R = OptionsRecord;

constexpr CCodecSettingPage::Slot kAudioEnabled[] = {
    &R::EnableAudioCodec1, &R::EnableAudioCodec2, &R::EnableAudioCodec3, &R::EnableAudioCodec4,
    &R::EnableAudioCodec5, &R::EnableAudioCodec6, &R::EnableAudioCodec7, &R::EnableAudioCodec8,
    &R::EnableAudioCodec9, &R::EnableAudioCodec10, &R::EnableAudioCodec11,
};
constexpr CCodecSettingPage::Slot kAudioDisabled[] = {
    &R::DisableAudioCodec1, &R::DisableAudioCodec2, &R::DisableAudioCodec3, &R::DisableAudioCodec4,
    &R::DisableAudioCodec5, &R::DisableAudioCodec6, &R::DisableAudioCodec7, &R::DisableAudioCodec8,
    &R::DisableAudioCodec9, &R::DisableAudioCodec10, &R::DisableAudioCodec11,
};
static_assert(std::size(kAudioEnabled) == std::size(kAudioDisabled));

// The codecs the engine cannot take: never listed from the row, but offered on an empty page.
constexpr const char* kAudioHidden[] = {"G.729", "AMR-WB", "AMR"};

const CCodecSettingPage::Layout kAudioLayout = {
    IDC_TREECTRL_ENABLEAUDIOCODECS,
    IDC_TREECTRL_DISABLEAUDIOCODECS,
    "EnableAudioCodec",
    "DisableAudioCodec",
    kAudioEnabled,
    kAudioDisabled,
    static_cast<int>(std::size(kAudioEnabled)),
    kAudioHidden,
    static_cast<int>(std::size(kAudioHidden)),
    kAudioHidden,
    static_cast<int>(std::size(kAudioHidden)),
    true,
};

} // namespace

IMPLEMENT_DYNAMIC(CSettingPage3, CCodecSettingPage)

BEGIN_MESSAGE_MAP(CSettingPage3, CCodecSettingPage)
    ON_NOTIFY(TVN_SELCHANGED, IDC_TREECTRL_DISABLEAUDIOCODECS, &CSettingPage3::OnCodecSelChanged)
    ON_NOTIFY(TVN_SELCHANGED, IDC_TREECTRL_ENABLEAUDIOCODECS, &CSettingPage3::OnCodecSelChanged)
END_MESSAGE_MAP()

CSettingPage3::CSettingPage3() : CCodecSettingPage(kAudioLayout) {}

CSettingPage3::~CSettingPage3() = default;

void CSettingPage3::SetWindowID()
{
    m_nWindowID = IDW_SETTING_PAGE3;
}

void CSettingPage3::SetTexts()
{
    const UiPageWndTexts& texts = g_uiTexts.pageWnd;
    SetItemTexts({{IDC_STA_LINE1, &texts.t40015},
                  {IDC_STA_LINE2, &texts.t40016},
                  {IDC_STA_LINE3, &texts.t40017},
                  {IDC_STA_LINE4, &texts.t40018},
                  {IDC_STA_LINE6, &texts.t40019},
                  {IDC_STA_LINE8, &texts.t40020},
                  {IDC_STA_LINE10, &texts.t40021}});
}

void CSettingPage3::ShowCodecInfo(const CString& name)
{
    const AudioCodecInfo* const info = FindAudioCodecInfo(WideToAnsi(name));
    if (!info)
        return;
    SetDlgItemText(IDC_STA_LINE5, info->description);
    SetDlgItemText(IDC_STA_LINE7, info->bitrateRange);
    SetDlgItemText(IDC_STA_LINE9, info->sampleRate);
    SetBar(IDC_PRG_QUALITY, info->quality);
}

void CSettingPage3::ClearCodecInfo()
{
    for (const int id : {IDC_STA_LINE5, IDC_STA_LINE7, IDC_STA_LINE9})
        SetDlgItemText(id, L"");
    SetBar(IDC_PRG_QUALITY, 0);
}
