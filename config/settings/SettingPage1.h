#pragma once
// CSettingPage1: the general page of the settings dialog (skin window IDW_SETTING_PAGE1): the
// recordings folder with a folder picker and a button that opens it, and six on/off choices:
// default softphone, automatic upgrade, idle display, time stamps, call immediately (all five
// stored in Options) and start with Windows (the Run value, not stored in Options). Saving also
// registers the program for "sip" links again, whatever the default-softphone box says.
#include "config/settings/SettingPage.h"

class CSettingPage1 : public CSettingPage {
public:
    CSettingPage1();
    ~CSettingPage1() override;

protected:
    void SetWindowID() override;
    void SetTexts() override;
    void LoadValues() override;
    void SaveValues() override;

    void OnBrowse();
    void OnOpenFolder();

    DECLARE_MESSAGE_MAP()
};
