#pragma once
// CSettingPage7: the forwarding and network page of the settings dialog (skin window
// IDW_SETTING_PAGE7): forwarding always or when busy, the audio and video RTP port ranges, RTP
// keep-alive, message-waiting indication and the session timer. It works from g_options
// alone, signed in or not; the forwarding on no answer has no control here and is written back
// as stored.
#include "config/settings/SettingPage.h"

class CSettingPage7 : public CSettingPage {
    DECLARE_DYNAMIC(CSettingPage7)
public:
    CSettingPage7();
    ~CSettingPage7() override;

protected:
    void SetWindowID() override;
    void SetTexts() override;
    void LoadValues() override;
    void SaveValues() override;

    DECLARE_MESSAGE_MAP()
};
