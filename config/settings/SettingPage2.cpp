#include "config/settings/SettingPage2.h"

#include "core/OptionsRecord.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "skin/ui/controls/SliderCtrlEx.h"
#include "texts/UiTextTable.h"
#include "windows/main/EngineSettings.h"

#include <cstring>

namespace {

constexpr int kCameraDialogX = 200;
constexpr int kCameraDialogY = 200;

// The stored row when the list is long enough for it, else row 0.
int StoredOrFirst(int stored, int count)
{
    return stored + 1 <= count ? stored : 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CSettingPage2, CSettingPage)
    ON_WM_DESTROY()
    ON_CBN_SELCHANGE(IDC_CMB_SPEAKER, &CSettingPage2::OnSpeakerSelChange)
    ON_CBN_SELCHANGE(IDC_CMB_MICROPHONE, &CSettingPage2::OnMicrophoneSelChange)
    ON_BN_CLICKED(IDC_BTN_AUDIOTEST, &CSettingPage2::OnAudioTest)
    ON_CBN_SELCHANGE(IDC_CMB_CAMERA, &CSettingPage2::OnCameraSelChange)
    ON_BN_CLICKED(IDC_BTN_OPTIONS, &CSettingPage2::OnOptions)
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

CSettingPage2::CSettingPage2() = default;

CSettingPage2::~CSettingPage2() = default;

void CSettingPage2::SetWindowID()
{
    m_nWindowID = IDW_SETTING_PAGE2;
}

void CSettingPage2::SetTexts()
{
    const UiPageWndTexts& texts = g_uiTexts.pageWnd;
    SetItemTexts({{IDC_STA_LINE1, &texts.t40010},
                  {IDC_STA_LINE2, &texts.t40011},
                  {IDC_STA_LINE3, &texts.t40013},
                  {IDC_BTN_AUDIOTEST, &texts.t40012},
                  {IDC_BTN_OPTIONS, &texts.t40014}});
}

void CSettingPage2::LoadValues()
{
    if (const TavikHandle engine = SettingsEngineHandle())
        LoadDevices(engine);
}

void CSettingPage2::LoadDevices(TavikHandle engine)
{
    const struct {
        int listId;
        int(TAVIK_CALL* count)(TavikHandle);
        int(TAVIK_CALL* name)(TavikHandle, int, char*, int);
        int stored;
    } kAudioLists[] = {
        {IDC_CMB_SPEAKER, &Tavik_getNumOfPlayoutDevices, &Tavik_getPlayoutDeviceName, g_options.AudioOutputDeviceId},
        {IDC_CMB_MICROPHONE, &Tavik_getNumOfRecordingDevices, &Tavik_getRecordingDeviceName,
         g_options.AudioInputDeviceId},
    };
    for (const auto& list : kAudioLists) {
        const int count = list.count(engine);
        for (int index = 0; index < count; ++index) {
            char name[kNameSize] = {};
            list.name(engine, index, name, kNameSize);
            name[kNameSize - 1] = '\0';
            AddRow(list.listId, Utf8ToWide(name));
        }
        SelectRow(list.listId, StoredOrFirst(list.stored, count));
    }
    RefreshVolume(IDC_SLDEX_SPKVOLUMETEST, Tavik_getSpeakerVolume(engine));
    RefreshVolume(IDC_SLDEX_MICVOLUMETEST, Tavik_getMicVolume(engine));

    const int cameras = Tavik_getNumOfVideoCaptureDevices(engine);
    for (int index = 0; index < cameras; ++index) {
        char uniqueId[kNameSize];
        char name[kNameSize];
        ReadCamera(engine, index, uniqueId, name);
        AddRow(IDC_CMB_CAMERA, Utf8ToWide(name));
    }
    SelectRow(IDC_CMB_CAMERA, StoredOrFirst(g_options.VideoDeviceId, cameras));
}

void CSettingPage2::ReadCamera(TavikHandle engine, int row, char (&uniqueId)[kNameSize], char (&name)[kNameSize]) const
{
    std::memset(uniqueId, 0, sizeof uniqueId);
    std::memset(name, 0, sizeof name);
    Tavik_getVideoCaptureDeviceName(engine, row, uniqueId, kNameSize, name, kNameSize);
    uniqueId[kNameSize - 1] = '\0';
    name[kNameSize - 1] = '\0';
}

void CSettingPage2::RefreshVolume(int sliderId, int volume)
{
    if (auto* slider = dynamic_cast<Vexel::CSliderCtrlEx*>(GetDlgItem(sliderId))) {
        slider->SetRange(0, kMaxVolume, FALSE);
        slider->SetPos(volume);
    }
}

void CSettingPage2::RefreshSpeakerVolume()
{
    RefreshVolume(IDC_SLDEX_SPKVOLUMETEST, Tavik_getSpeakerVolume(SettingsEngineHandle()));
}

void CSettingPage2::RefreshMicVolume()
{
    RefreshVolume(IDC_SLDEX_MICVOLUMETEST, Tavik_getMicVolume(SettingsEngineHandle()));
}

void CSettingPage2::SetAudioDevices(TavikHandle engine)
{
    Tavik_setAudioDeviceId(engine, SelectedRow(IDC_CMB_MICROPHONE), SelectedRow(IDC_CMB_SPEAKER));
}

void CSettingPage2::OnSpeakerSelChange()
{
    if (const TavikHandle engine = SettingsEngineHandle()) {
        SetAudioDevices(engine);
        RefreshSpeakerVolume();
    }
}

void CSettingPage2::OnMicrophoneSelChange()
{
    if (const TavikHandle engine = SettingsEngineHandle()) {
        SetAudioDevices(engine);
        RefreshMicVolume();
    }
}

void CSettingPage2::OnCameraSelChange()
{
    if (const TavikHandle engine = SettingsEngineHandle())
        Tavik_setVideoDeviceId(engine, SelectedRow(IDC_CMB_CAMERA));
}

void CSettingPage2::OnAudioTest()
{
    const TavikHandle engine = SettingsEngineHandle();
    if (!engine)
        return;
    m_testing = m_testing ? 0 : 1;
    Tavik_audioPlayLoopbackTest(engine, m_testing);
    SetDlgItemText(IDC_BTN_AUDIOTEST, m_testing ? g_uiTexts.dlgAudioSetup.t24008 : g_uiTexts.dlgAudioSetup.t24007);
}

void CSettingPage2::OnOptions()
{
    const TavikHandle engine = SettingsEngineHandle();
    if (!engine)
        return;
    char uniqueId[kNameSize];
    char name[kNameSize];
    ReadCamera(engine, SelectedRow(IDC_CMB_CAMERA), uniqueId, name);
    Tavik_showVideoCaptureSettingsDialogBox(engine, uniqueId, static_cast<int>(std::strlen(uniqueId)), "", m_hWnd,
                                            kCameraDialogX, kCameraDialogY);
}

void CSettingPage2::OnHScroll(UINT code, UINT position, CWnd* bar)
{
    const TavikHandle engine = SettingsEngineHandle();
    const HWND scrolled = bar ? bar->GetSafeHwnd() : nullptr;
    if (engine && scrolled) {
        if (auto* slider = dynamic_cast<Vexel::CSliderCtrlEx*>(CWnd::FromHandlePermanent(scrolled))) {
            if (scrolled == ::GetDlgItem(m_hWnd, IDC_SLDEX_MICVOLUMETEST))
                Tavik_setMicVolume(engine, slider->GetPos());
            else if (scrolled == ::GetDlgItem(m_hWnd, IDC_SLDEX_SPKVOLUMETEST))
                Tavik_setSpeakerVolume(engine, slider->GetPos());
        }
    }
    CSettingPage::OnHScroll(code, position, bar);
}

void CSettingPage2::StopLoopbackTest()
{
    if (const TavikHandle engine = SettingsEngineHandle())
        Tavik_audioPlayLoopbackTest(engine, 0);
    m_testing = 0;
}

void CSettingPage2::OnDestroy()
{
    // However the dialog goes, the engine must not keep playing the microphone back.
    if (m_testing)
        StopLoopbackTest();
    CSettingPage::OnDestroy();
}

void CSettingPage2::SaveValues()
{
    StopLoopbackTest();
    // A list the page could not fill (no engine, no such device) keeps the stored device.
    const auto chosen = [this](int listId, int stored) {
        const int row = SelectedRow(listId);
        return row >= 0 ? row : stored;
    };
    OptionsRecord updated = g_options;
    updated.AudioOutputDeviceId = chosen(IDC_CMB_SPEAKER, g_options.AudioOutputDeviceId);
    updated.AudioInputDeviceId = chosen(IDC_CMB_MICROPHONE, g_options.AudioInputDeviceId);
    updated.VideoDeviceId = chosen(IDC_CMB_CAMERA, g_options.VideoDeviceId);
    if (OptionsUpdate()
            .Number("AudioInputDeviceId", updated.AudioInputDeviceId)
            .Number("AudioOutputDeviceId", updated.AudioOutputDeviceId)
            .Number("VideoDeviceId", updated.VideoDeviceId)
            .Run())
        g_options = updated;
}
