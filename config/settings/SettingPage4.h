#pragma once
// CSettingPage4: the video codec page of the settings dialog (skin window IDW_SETTING_PAGE4):
// three enabled and three disabled slots; "H.264" is hidden; a page with both lists empty
// offers "H.263", "H.263+(1998)" and "H.264" as disabled; the information area shows the
// description and bars of CPU usage and quality.
#include "config/settings/CodecSettingPage.h"

class CSettingPage4 : public CCodecSettingPage {
    DECLARE_DYNAMIC(CSettingPage4)
public:
    CSettingPage4();
    ~CSettingPage4() override;

protected:
    void SetWindowID() override;
    void SetTexts() override;
    void ShowCodecInfo(const CString& name) override;
    void ClearCodecInfo() override;

    DECLARE_MESSAGE_MAP()
};
