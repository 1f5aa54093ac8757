// The call page's controls that act on running calls: hold and unhold, the two-step blind
// transfer, the conference, recording, muting, the two volume sliders, video sending on the
// current line, and the controls' state at creation.
#include "windows/call/CallPhonesWnd.h"

#include "config/WindowsVersion.h"
#include "core/OptionsRecord.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "skin/ui/controls/SliderCtrlEx.h"
#include "texts/UiTextTable.h"
#include "windows/call/EngineOperations.h"
#include "windows/main/EngineSettings.h"
#include "windows/main/MainFrame.h"

namespace {

// The engine's recording: its file name and the three settings passed with it.
constexpr wchar_t kRecordFileName[] = L"record_audio_file";
constexpr int kRecordOptions[] = {1, 1, 3};

bool EngineRuns()
{
    return g_pMainFrame && g_pMainFrame->HasEngine();
}

} // namespace

void CCallPhonesWnd::InitControls()
{
    SetCheck(IDC_CHK_LINE1, true);
    // Every line can be chosen by hand: a call that arrives on lines 3 to 5 is answered there.
    for (int line = 1; line <= kLineCount; ++line)
        EnableControl(IDC_CHK_LINE1 + line - 1, true);
    EnableControl(IDC_CHK_HOLD, false);
    EnableControl(IDC_CHK_TRANSFER, false);
    EnableControl(IDC_CHK_CONFERENCE, true);
    SetCheck(IDC_CHK_CONFERENCE, false);
    // The newer combo boxes draw an empty list as nothing at all: one empty item gives the
    // drop-down a row until the first number is dialled (AddDialledNumber takes it out).
    if (CWnd* const field = NumberField(); field && IsVistaOrLater())
        field->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
    SetDlgItemText(IDC_STA_CONFERENCE, g_uiTexts.callWnd.t30010);
}

void CCallPhonesWnd::InitVolumeSliders()
{
    const TavikHandle handle = EngineHandle();
    const struct {
        Vexel::CSliderCtrlEx* slider;
        int volume;
    } sliders[] = {{m_pMicSlider, Tavik_getMicVolume(handle)}, {m_pSpeakerSlider, Tavik_getSpeakerVolume(handle)}};
    for (const auto& entry : sliders) {
        if (entry.slider) {
            entry.slider->SetRange(0, kMaxVolume, TRUE);
            entry.slider->SetPos(entry.volume);
        }
    }
}

void CCallPhonesWnd::OnHScroll(UINT code, UINT position, CWnd* scrollBar)
{
    const HWND sender = scrollBar ? scrollBar->GetSafeHwnd() : nullptr;
    if (sender && m_pMicSlider && sender == m_pMicSlider->GetSafeHwnd())
        Tavik_setMicVolume(EngineHandle(), m_pMicSlider->GetPos());
    else if (sender && m_pSpeakerSlider && sender == m_pSpeakerSlider->GetSafeHwnd())
        Tavik_setSpeakerVolume(EngineHandle(), m_pSpeakerSlider->GetPos());
    Vexel::CUIWnd::OnHScroll(code, position, scrollBar);
}

void CCallPhonesWnd::OnMuteMic()
{
    if (EngineRuns())
        Tavik_muteMicrophone(EngineHandle(), IsChecked(IDC_CHK_MUTEMIC) ? 1 : 0);
}

void CCallPhonesWnd::OnMuteSpeaker()
{
    if (EngineRuns())
        Tavik_muteSpeaker(EngineHandle(), IsChecked(IDC_CHK_MUTESPK) ? 1 : 0);
}

void CCallPhonesWnd::OnRecord()
{
    if (!EngineRuns())
        return;
    if (!IsChecked(IDC_CHK_RECORD)) {
        Tavik_stopAudioRecording(EngineHandle());
        return;
    }
    const std::string folder = WideToUtf8(AnsiToWide(g_options.recordFolder));
    const std::string fileName = WideToUtf8(kRecordFileName);
    Tavik_startAudioRecording(EngineHandle(), folder.c_str(), fileName.c_str(), kRecordOptions[0], kRecordOptions[1],
                              kRecordOptions[2]);
}

void CCallPhonesWnd::StopRecordingWithoutCalls()
{
    // The recording is the calls' sound: once the last call is over it would only grow.
    if (!IsChecked(IDC_CHK_RECORD) || BusyLineCount() > 0)
        return;
    SetCheck(IDC_CHK_RECORD, false);
    if (EngineRuns())
        Tavik_stopAudioRecording(EngineHandle());
}

std::vector<int> CCallPhonesWnd::BusyLines(bool held) const
{
    std::vector<int> lines;
    for (int number = 1; number <= kLineCount; ++number) {
        const Session& line = GetLine(number);
        if (line.IsBusy() && (line.IsHeld() != 0) == held)
            lines.push_back(number);
    }
    return lines;
}

void CCallPhonesWnd::OnHold()
{
    if (IsChecked(IDC_CHK_HOLD))
        HoldCalls();
    else
        UnholdCalls();
}

void CCallPhonesWnd::HoldCalls()
{
    if (!UserSignedIn())
        return;
    if (IsConferenceOn() && BusyLineCount() > 0) {
        for (const int number : BusyLines(false)) {
            engine_ops::Hold(Line(number).GetSessionId());
            Line(number).SetHeld(1);
            SetLineStatus(number, g_uiTexts.callWnd.t30011);
        }
        return;
    }
    Session& line = CurrentLine();
    if (!line.IsBusy() || line.IsHeld())
        return;
    engine_ops::Hold(line.GetSessionId());
    line.SetHeld(1);
    SetLineStatus(m_currentLine, g_uiTexts.callWnd.t30009);
}

void CCallPhonesWnd::UnholdCalls()
{
    if (!UserSignedIn())
        return;
    if (IsConferenceOn() && BusyLineCount() > 0) {
        for (const int number : BusyLines(true)) {
            engine_ops::UnHold(Line(number).GetSessionId());
            Line(number).SetHeld(0);
        }
        ShowConferenceText(CString());
        return;
    }
    Session& line = CurrentLine();
    if (!line.IsBusy() || !line.IsHeld())
        return;
    engine_ops::UnHold(line.GetSessionId());
    line.SetHeld(0);
    SetLineStatus(m_currentLine, g_uiTexts.callWnd.t30004);
}

void CCallPhonesWnd::OnTransfer()
{
    Session& line = CurrentLine();
    if (!UserSignedIn() || !line.IsBusy())
        return;
    const int sessionId = line.GetSessionId();
    if (IsChecked(IDC_CHK_TRANSFER)) {
        // The call waits on hold in the engine while the target is typed; the line's own held
        // flag stays as it was, so a resumed call needs no switch back.
        if (!line.IsHeld())
            engine_ops::Hold(sessionId);
        ClearNumber(true);
        SetLineStatus(m_currentLine, g_uiTexts.callWnd.t30005);
        return;
    }
    const CString target = GetNumberFieldText();
    if (target.IsEmpty()) {
        engine_ops::UnHold(sessionId);
        return;
    }
    // The target goes as typed: no scheme and no domain are added.
    if (Tavik_refer(EngineHandle(), sessionId, WideToAnsi(target).c_str()) == 0)
        return;
    SetLineStatus(m_currentLine, g_uiTexts.callWnd.t30006);
    engine_ops::UnHold(sessionId);
    SetCheck(IDC_CHK_TRANSFER, false);
}

void CCallPhonesWnd::OnConference()
{
    if (!UserSignedIn()) {
        SetCheck(IDC_CHK_CONFERENCE, false);
        return;
    }
    const int resolution = GetVideoResolutionCode();
    if (IsConferenceOn()) {
        const HWND video = g_pMainFrame->GetRemoteVideoHwnd();
        if (Tavik_createConference(EngineHandle(), video, resolution, 0) != 0) {
            SetCheck(IDC_CHK_CONFERENCE, false);
            return;
        }
        m_conference.Clear();
        int joined = 0;
        for (int line = 1; line <= kLineCount; ++line) {
            if (!GetLine(line).IsBusy())
                continue;
            ++joined;
            JoinLineToConference(line);
        }
        ShowConferenceText(joined > 0 ? CString() : g_uiTexts.callWnd.t30007);
        SetDlgItemText(IDC_STA_CONFERENCE, g_uiTexts.callWnd.t30008);
        return;
    }
    // Leaving the conference: every call still talking waits on hold.
    for (const int number : BusyLines(false)) {
        Session& line = Line(number);
        engine_ops::Hold(line.GetSessionId());
        line.SetHeld(1);
        SetCheck(IDC_CHK_HOLD, true);
        m_conference.Remove(line.GetSessionId());
    }
    Tavik_destroyConference(EngineHandle());
    m_conference.Clear();
    SetDlgItemText(IDC_STA_CONFERENCE, g_uiTexts.callWnd.t30010);
}

void CCallPhonesWnd::JoinLineToConference(int line)
{
    if (!UserSignedIn() || !IsConferenceOn() || LineIndex(line) == 0)
        return;
    Session& record = Line(line);
    Tavik_joinToConference(EngineHandle(), record.GetSessionId());
    m_conference.Add(record.GetSessionId());
    record.SetHeld(0);
    if (line == m_currentLine)
        SetCheck(IDC_CHK_HOLD, false);
}

void CCallPhonesWnd::ResetConference()
{
    m_conference.Clear();
    SetCheck(IDC_CHK_CONFERENCE, false);
    if (m_hWnd)
        SetDlgItemText(IDC_STA_CONFERENCE, g_uiTexts.callWnd.t30010);
}

bool CCallPhonesWnd::UpdateVideoSending(bool on)
{
    Session& line = CurrentLine();
    if (!line.IsBusy())
        return false;
    const auto previous = line.IsSendingVideo();
    line.SetSendingVideo(on ? 1 : 0);
    if (Tavik_startVideoSending(EngineHandle(), line.GetSessionId(), on ? 1 : 0) == 0)
        return true;
    line.SetSendingVideo(previous);
    return false;
}

bool CCallPhonesWnd::IsCurrentLineVideo() const
{
    const Session& line = GetLine(m_currentLine);
    return line.IsBusy() && line.video != 0;
}
