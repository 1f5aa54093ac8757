#include "config/settings/SettingPage5.h"

#include "core/OptionsRecord.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"

#include <algorithm>

namespace {

// The controls of one medium and the two values they store.
struct QosControls {
    int noneRadio;
    int dscpRadio;
    int serviceTypeRadio;
    int dscpEdit;
    int serviceTypeList;
    int OptionsRecord::*dscp;
    int OptionsRecord::*serviceType;
};
constexpr QosControls kMedia[] = {
    {IDC_RAD_NONEAUDIOQOS, IDC_RAD_AUDIOQOSDSCP, IDC_RAD_AUDIOQOSSERVICETYPE, IDC_EDT_AUDIODSCP,
     IDC_CMB_AUDIOSERVICETYPE, &OptionsRecord::AudioDSCP, &OptionsRecord::AudioServiceType},
    {IDC_RAD_NONEVIDEOQOS, IDC_RAD_VIDEOQOSDSCP, IDC_RAD_VIDEOQOSSERVICETYPE, IDC_EDT_VIDEODSCP,
     IDC_CMB_VIDEOSERVICETYPE, &OptionsRecord::VideoDSCP, &OptionsRecord::VideoServiceType},
};

// Rows of the service-type lists; a service type is stored as its row.
constexpr const wchar_t* kServiceTypes[] = {L"Best effort", L"Controlled Load", L"Guaranteed"};
constexpr int kControlledLoad = 1;
constexpr int kGuaranteed = 2;

} // namespace

IMPLEMENT_DYNAMIC(CSettingPage5, CSettingPage)

BEGIN_MESSAGE_MAP(CSettingPage5, CSettingPage)
END_MESSAGE_MAP()

CSettingPage5::CSettingPage5() = default;

CSettingPage5::~CSettingPage5() = default;

void CSettingPage5::SetWindowID()
{
    m_nWindowID = IDW_SETTING_PAGE5;
}

void CSettingPage5::SetTexts()
{
    // The video labels repeat the audio ones.
    const UiPageWndTexts& texts = g_uiTexts.pageWnd;
    SetItemTexts({{IDC_STA_LINE1, &texts.t40024},
                  {IDC_STA_LINE2, &texts.t40025},
                  {IDC_STA_LINE3, &texts.t40026},
                  {IDC_STA_LINE4, &texts.t40027},
                  {IDC_STA_LINE5, &texts.t40028},
                  {IDC_STA_LINE6, &texts.t40025},
                  {IDC_STA_LINE7, &texts.t40026},
                  {IDC_STA_LINE8, &texts.t40027}});
}

void CSettingPage5::LoadValues()
{
    // Filled from the stored values alone, signed in or not, so that a save keeps them.
    for (const QosControls& medium : kMedia) {
        for (const wchar_t* type : kServiceTypes)
            AddRow(medium.serviceTypeList, type);
        SelectRow(medium.serviceTypeList, 0);
        const int serviceType = g_options.*medium.serviceType;
        const int dscp = g_options.*medium.dscp;
        if (serviceType == kControlledLoad || serviceType == kGuaranteed) {
            SetChecked(medium.serviceTypeRadio, true);
            SelectRow(medium.serviceTypeList, serviceType);
        } else if (dscp != 0) {
            SetChecked(medium.dscpRadio, true);
            SetItemNumber(medium.dscpEdit, dscp);
        } else {
            SetChecked(medium.noneRadio, true);
        }
    }
}

void CSettingPage5::SaveValues()
{
    OptionsRecord updated = g_options;
    for (const QosControls& medium : kMedia) {
        int& dscp = updated.*medium.dscp;
        int& serviceType = updated.*medium.serviceType;
        if (IsChecked(medium.dscpRadio)) {
            dscp = ItemText(medium.dscpEdit).IsEmpty() ? 0 : ItemNumber(medium.dscpEdit);
            serviceType = 0;
        } else if (IsChecked(medium.serviceTypeRadio)) {
            // A list without a selection is no service type.
            serviceType = std::max(SelectedRow(medium.serviceTypeList), 0);
            dscp = 0;
        } else if (IsChecked(medium.noneRadio)) {
            serviceType = 0;
            dscp = 0;
        }
    }
    if (OptionsUpdate()
            .Number("AudioDSCP", updated.AudioDSCP)
            .Number("AudioServiceType", updated.AudioServiceType)
            .Number("VideoDSCP", updated.VideoDSCP)
            .Number("VideoServiceType", updated.VideoServiceType)
            .Run())
        g_options = updated;
}
