#include "config/settings/SettingPage6.h"

#include "core/OptionsRecord.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"

namespace {

constexpr const wchar_t* kResolutions[] = {L"QCIF", L"CIF", L"VGA", L"SVGA", L"XVGA", L"720P"};
constexpr const wchar_t* kBitrateTexts[] = {L"128", L"256", L"512", L"640", L"1024", L"1500", L"2000"};

// The audio processing switches, in the order they are saved.
struct Switch {
    int id;
    const char* column;
    bool OptionsRecord::*field;
};
constexpr Switch kSwitches[] = {
    {IDC_CHK_AEC, "AEC", &OptionsRecord::AEC}, {IDC_CHK_AGC, "AGC", &OptionsRecord::AGC},
    {IDC_CHK_ANS, "ANS", &OptionsRecord::ANS}, {IDC_CHK_VAD, "VAD", &OptionsRecord::VAD},
    {IDC_CHK_CNG, "CNG", &OptionsRecord::CNG},
};

} // namespace

IMPLEMENT_DYNAMIC(CSettingPage6, CSettingPage)

BEGIN_MESSAGE_MAP(CSettingPage6, CSettingPage)
END_MESSAGE_MAP()

CSettingPage6::CSettingPage6() = default;

CSettingPage6::~CSettingPage6() = default;

void CSettingPage6::SetWindowID()
{
    m_nWindowID = IDW_SETTING_PAGE6;
}

void CSettingPage6::SetTexts()
{
    const UiPageWndTexts& texts = g_uiTexts.pageWnd;
    SetItemTexts({{IDC_STA_LINE1, &texts.t40029},
                  {IDC_STA_LINE2, &texts.t40031},
                  {IDC_STA_LINE3, &texts.t40032},
                  {IDC_STA_LINE4, &texts.t40033},
                  {IDC_STA_LINE5, &texts.t40034},
                  {IDC_STA_LINE6, &texts.t40035},
                  {IDC_STA_LINE7, &texts.t40036},
                  {IDC_STA_LINE8, &texts.t40037},
                  {IDC_STA_LINE9, &texts.t40038},
                  {IDC_STA_LINE10, &texts.t40039},
                  {IDC_STA_LINE11, &texts.t40040}});
}

void CSettingPage6::LoadValues()
{
    // Filled from the stored values alone, signed in or not, so that a save keeps them.
    for (const wchar_t* resolution : kResolutions)
        AddRow(IDC_CMB_RESOLUTION, resolution);
    for (const wchar_t* bitrate : kBitrateTexts)
        AddRow(IDC_CMB_BITRATE, bitrate);
    for (const Switch& box : kSwitches)
        SetChecked(box.id, g_options.*box.field);
    // A stored row outside a list leaves it without a selection.
    SelectRow(IDC_CMB_RESOLUTION, g_options.VideoResolution);
    SelectRow(IDC_CMB_BITRATE, g_options.VideoImageQualityLevel);
}

void CSettingPage6::SaveValues()
{
    OptionsRecord updated = g_options;
    // A list without a selection keeps the stored row: it showed none.
    const int resolution = SelectedRow(IDC_CMB_RESOLUTION);
    if (resolution >= 0) {
        updated.VideoResolutionChanged = resolution != g_options.VideoResolution;
        updated.VideoResolution = resolution;
    } else {
        updated.VideoResolutionChanged = false;
    }
    if (SelectedRow(IDC_CMB_BITRATE) >= 0)
        updated.VideoImageQualityLevel = SelectedRow(IDC_CMB_BITRATE);
    for (const Switch& box : kSwitches)
        updated.*box.field = IsChecked(box.id);

    if (OptionsUpdate()
            .Flag("AGC", updated.AGC)
            .Flag("VAD", updated.VAD)
            .Flag("CNG", updated.CNG)
            .Flag("AEC", updated.AEC)
            .Flag("ANS", updated.ANS)
            .Number("VideoImageQualityLevel", updated.VideoImageQualityLevel)
            .Number("VideoResolution", updated.VideoResolution)
            .Run())
        g_options = updated;
}
