#pragma once
// CSettingPage6: the media quality page of the settings dialog (skin window
// IDW_SETTING_PAGE6): the video resolution and bitrate rows and the five audio processing
// switches (AEC, ANS, AGC, VAD, CNG). A changed resolution is flagged in g_options so that the
// main window's push restarts the local video.
#include "config/settings/SettingPage.h"

class CSettingPage6 : public CSettingPage {
    DECLARE_DYNAMIC(CSettingPage6)
public:
    CSettingPage6();
    ~CSettingPage6() override;

protected:
    void SetWindowID() override;
    void SetTexts() override;
    void LoadValues() override;
    void SaveValues() override;

    DECLARE_MESSAGE_MAP()
};
