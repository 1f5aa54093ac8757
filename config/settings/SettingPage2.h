#pragma once
// CSettingPage2: the devices page of the settings dialog (skin window IDW_SETTING_PAGE2). It
// lists the engine's speakers, microphones and cameras (row n is the engine's device n), runs
// the engine's loop-back test, and sets the speaker and microphone volumes live. Device and
// volume choices reach the engine at once; the devices reach the Options row when the dialog
// saves. Signed out (no engine) the lists stay empty and a save keeps the stored devices.
#include "config/settings/SettingPage.h"

class CSettingPage2 : public CSettingPage {
public:
    CSettingPage2();
    ~CSettingPage2() override;

    // Switches the loop-back test off (when an engine is there) and clears the testing flag.
    void StopLoopbackTest();
    void CancelStep() override { StopLoopbackTest(); }

protected:
    void SetWindowID() override;
    void SetTexts() override;
    void LoadValues() override;
    void SaveValues() override;

    void OnDestroy();
    void OnSpeakerSelChange();
    void OnMicrophoneSelChange();
    void OnCameraSelChange();
    void OnAudioTest();
    void OnOptions();
    void OnHScroll(UINT code, UINT position, CWnd* bar);

    DECLARE_MESSAGE_MAP()

private:
    static constexpr int kNameSize = 512;   // the engine's device texts, terminator included

    void LoadDevices(TavikHandle engine);
    void SetAudioDevices(TavikHandle engine);
    void RefreshSpeakerVolume();
    void RefreshMicVolume();
    void RefreshVolume(int sliderId, int volume);
    // Row `row` of the engine's capture devices: (the text the camera dialog is given, the
    // name shown).
    void ReadCamera(TavikHandle engine, int row, char (&uniqueId)[kNameSize], char (&name)[kNameSize]) const;

    int m_testing = 0;   // 1 while the loop-back test runs
};
