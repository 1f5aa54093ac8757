#pragma once
// CSettingPage5: the quality-of-service page of the settings dialog (skin window
// IDW_SETTING_PAGE5): how audio and video packets are marked, not at all, with a DSCP value or
// with a service type. The radio choice is not stored; it follows from the stored values.
#include "config/settings/SettingPage.h"

class CSettingPage5 : public CSettingPage {
    DECLARE_DYNAMIC(CSettingPage5)
public:
    CSettingPage5();
    ~CSettingPage5() override;

protected:
    void SetWindowID() override;
    void SetTexts() override;
    void LoadValues() override;
    void SaveValues() override;

    DECLARE_MESSAGE_MAP()
};
