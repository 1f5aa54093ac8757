#pragma once
// CSettingPage3: the audio codec page of the settings dialog (skin window IDW_SETTING_PAGE3):
// eleven enabled and eleven disabled slots; "G.729", "AMR-WB" and "AMR" are hidden and are the
// enabled fall-back; the information area shows description, bitrate range, sample rate and
// a quality bar.
#include "config/settings/CodecSettingPage.h"

class CSettingPage3 : public CCodecSettingPage {
    DECLARE_DYNAMIC(CSettingPage3)
public:
    CSettingPage3();
    ~CSettingPage3() override;

protected:
    void SetWindowID() override;
    void SetTexts() override;
    void ShowCodecInfo(const CString& name) override;
    void ClearCodecInfo() override;

    DECLARE_MESSAGE_MAP()
};
