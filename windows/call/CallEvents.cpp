// The engine's registration and call events on the call page. Each call event finds its line
// by the record's session id and does nothing more when no line holds that session.
#include "windows/call/CallPhonesWnd.h"

#include "core/AccountRecord.h"
#include "core/TextConvert.h"
#include "texts/UiTextTable.h"
#include "windows/call/CallTimers.h"
#include "windows/call/EngineOperations.h"
#include "windows/main/MainFrame.h"

#include <cstddef>
#include <iterator>

namespace {

constexpr std::size_t kTextSize = SIPCallbackCommand::kMinTextBuffer;

using TextGetter = bool (SIPCallbackCommand::*)(char*, std::size_t) const;

// One of the record's texts, as the windows show it.
CString WideRecordText(const SIPCallbackCommand& record, TextGetter getter)
{
    char text[kTextSize] = {};
    if (!(record.*getter)(text, kTextSize))
        return CString();
    return AnsiToWide(text);
}

} // namespace

void CCallPhonesWnd::OnSipEvent(SIPCallbackCommand* record)
{
    if (!record)
        return;
    using Handler = void (CCallPhonesWnd::*)(SIPCallbackCommand*);
    // Types 1 to 20 by index; the empty slots (9 to 12) are not the call page's.
    static constexpr Handler kHandlers[] = {
        nullptr,
        &CCallPhonesWnd::OnRegisterSuccess,
        &CCallPhonesWnd::OnRegisterFailure,
        &CCallPhonesWnd::OnIncomingCall,
        &CCallPhonesWnd::OnCallEvent4,
        &CCallPhonesWnd::OnCallEvent5,
        &CCallPhonesWnd::OnCallConnected,
        &CCallPhonesWnd::OnCallClosed,
        &CCallPhonesWnd::OnCallEnded,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        &CCallPhonesWnd::OnCallEvent13,
        &CCallPhonesWnd::OnCallEvent14,
        &CCallPhonesWnd::OnCallEvent15,
        &CCallPhonesWnd::OnCallEvent16,
        &CCallPhonesWnd::OnRemoteVideo,
        &CCallPhonesWnd::OnCallEvent18,
        &CCallPhonesWnd::OnCallEvent19,
        &CCallPhonesWnd::OnCallEvent20,
    };
    const int type = record->GetEventType();
    if (type < 1 || type >= static_cast<int>(std::size(kHandlers)) || !kHandlers[type])
        return;
    (this->*kHandlers[type])(record);
}

void CCallPhonesWnd::OnRegisterSuccess(SIPCallbackCommand*)
{
    // Later refreshes of the registration change nothing.
    if (!g_pMainFrame || g_pMainFrame->IsSignedIn())
        return;
    SetTimer(kPresenceNoticeTimer, kPresenceNoticeDelayMs);
    g_pMainFrame->SetSignedIn(1);
    g_pMainFrame->SetStatusText(AnsiToWide(g_account.UserName));
    const CString texts[] = {CString(), g_uiTexts.callWnd.t30002, g_uiTexts.callWnd.t30003};
    for (int n = 1; n <= 3; ++n) {
        for (int line = 1; line <= kLineCount; ++line)
            SetLineInfoText(texts[n - 1], line, n, true, true);
    }
    g_pMainFrame->RefreshLists();
}

void CCallPhonesWnd::OnRegisterFailure(SIPCallbackCommand* record)
{
    if (!g_pMainFrame)
        return;
    // The sign-out that follows no longer hangs up (the user is signed out by then): calls
    // still up are ended and recorded here, while the engine runs.
    HangUpAllLines();
    g_pMainFrame->SetSignedIn(0);
    g_pMainFrame->SetStatusText(AnsiToWide(g_account.UserName) + L": " + g_uiTexts.callWnd.t30013);
    for (int line = 1; line <= kLineCount; ++line)
        SetLineInfoText(CString(), line, 1, true, true);
    CString text;
    text.Format(L"%ls %d - %ls", g_uiTexts.callWnd.t30014.GetString(), record->GetStatusCode(),
                WideRecordText(*record, &SIPCallbackCommand::GetStatusText).GetString());
    for (int line = 1; line <= kLineCount; ++line)
        SetLineInfoText(text, line, 2, true, true);
    g_pMainFrame->ReSignIn();
}

void CCallPhonesWnd::OnIncomingCall(SIPCallbackCommand* record)
{
    m_numberIsStale = 1;
    const int line = FindFreeLine();
    if (line < 1) {
        engine_ops::RejectBusy(record->GetSessionId());
        return;
    }
    Session& session = Line(line);
    const CString remote = WideRecordText(*record, &SIPCallbackCommand::GetRemoteAddress);
    session.info.MarkStartTime();
    session.info.SetCaller(remote);
    session.info.SetCallee(AnsiToWide(g_account.UserName));
    session.info.callType = 1;
    session.video = record->HasVideo() ? 1 : 0;

    CString arriving;
    arriving.Format(L"%ls%d: ", g_uiTexts.callWnd.t30015.GetString(), line);
    SetLineInfoText(arriving, line, 2, true, true);
    SetLineInfoText(WideRecordText(*record, &SIPCallbackCommand::GetDisplayName) + L" <" + remote + L">", line, 1, true,
                    true);

    if (IsDoNotDisturbOn()) {
        engine_ops::RejectBusy(record->GetSessionId());
        SetLineInfoText(g_uiTexts.callWnd.t30016, m_currentLine, 2, true, true);
        WriteHistory(line);
        // The refused call leaves nothing in the record (its video byte would follow the line).
        session.Reset();
        return;
    }
    session.SetIncomingPending(1);
    if (g_pMainFrame) {
        g_pMainFrame->BringToFront();
        g_pMainFrame->ShowCallPage();
    }
    const bool anyBusy = BusyLineCount() > 0;
    session.SetSessionId(record->GetSessionId());
    if (!anyBusy && IsAutoAnswerOn()) {
        AutoAnswer(line, record);
        return;
    }
    // A call that arrives beside another, or on a line that is not current, rings silently.
    if (line == m_currentLine && !anyBusy) {
        PlayKeyTone('i');
        SetTimer(kRingInTimer, kRingRepeatMs);
    }
}

void CCallPhonesWnd::OnCallEvent4(SIPCallbackCommand* record)
{
    const int line = FindLineBySession(record);
    if (line >= 1)
        SetLineStatus(line, g_uiTexts.callWnd.t30001);
}

void CCallPhonesWnd::OnCallEvent5(SIPCallbackCommand* record)
{
    m_numberIsStale = 0;
    const int line = FindLineBySession(record);
    if (line < 1)
        return;
    // Media of the other side's own (early media) replaces our ring-back tone.
    if (!record->HasEarlyMedia()) {
        PlayKeyTone('v');
        SetTimer(kRingBackTimer, kRingRepeatMs);
    }
    SetLineStatus(line, g_uiTexts.callWnd.t30017);
}

void CCallPhonesWnd::OnCallConnected(SIPCallbackCommand* record)
{
    KillTimer(kRingBackTimer);
    const int line = FindLineBySession(record);
    if (line < 1)
        return;
    Session& session = Line(line);
    session.SetBusy(1);
    session.video = record->HasVideo() ? 1 : 0;
    session.info.MarkStartTick();
    SetLineStatus(line, g_uiTexts.callWnd.t30004);
    if (g_pMainFrame) {
        g_pMainFrame->BringToFront();
        g_pMainFrame->ShowCallPage();
    }
    StartClock(line);
    OnLineEstablished(line);
    EnableHoldButton(true);
    EnableTransferButton(true);
}

void CCallPhonesWnd::OnCallClosed(SIPCallbackCommand* record)
{
    CString text;
    text.Format(L"%ls %d", WideRecordText(*record, &SIPCallbackCommand::GetStatusText).GetString(),
                record->GetStatusCode());
    EndCallOnEvent(record, text);
}

void CCallPhonesWnd::OnCallEnded(SIPCallbackCommand* record)
{
    EndCallOnEvent(record, g_uiTexts.callWnd.t30012);
}

void CCallPhonesWnd::EndCallOnEvent(SIPCallbackCommand* record, const CString& status)
{
    StopRingTones();
    m_numberIsStale = 1;
    PlayKeyTone('t');
    const int line = FindLineBySession(record);
    if (line < 1)
        return;
    SetLineStatus(line, status);
    StopClock(line);
    WriteHistory(line);
    ReleaseLine(line);
}

void CCallPhonesWnd::OnCallEvent13(SIPCallbackCommand* record)
{
    const int line = FindLineBySession(record);
    if (line >= 1)
        SetLineStatus(line, g_uiTexts.callWnd.t30018);
}

void CCallPhonesWnd::OnCallEvent14(SIPCallbackCommand* record)
{
    const int line = FindLineBySession(record);
    if (line >= 1)
        SetLineStatus(line, g_uiTexts.callWnd.t30004);
}

void CCallPhonesWnd::OnCallEvent15(SIPCallbackCommand* record)
{
    const int line = FindLineBySession(record);
    if (line < 1)
        return;
    const CString note = WideRecordText(*record, &SIPCallbackCommand::GetNoteText);
    SetLineStatus(line, g_uiTexts.callWnd.t30019 + (note.IsEmpty() ? CString(L"...") : L": " + note));
}

void CCallPhonesWnd::OnCallEvent16(SIPCallbackCommand* record)
{
    const int line = FindLineBySession(record);
    if (line >= 1)
        SetLineStatus(line, g_uiTexts.callWnd.t30020);
}

void CCallPhonesWnd::OnRemoteVideo(SIPCallbackCommand* record)
{
    const int line = FindLineBySession(record);
    if (line < 1)
        return;
    engine_ops::SetRemoteVideoWindow(record->GetSessionId());
    // Only the shown clock starts again: the start tick, and so the history's duration, stay.
    StopClock(line);
    Line(line).ResetDurationClock();
    StartClock(line);
    SetLineStatus(line, g_uiTexts.callWnd.t30021);
}

void CCallPhonesWnd::OnCallEvent18(SIPCallbackCommand* record)
{
    const int line = FindLineBySession(record);
    if (line < 1)
        return;
    // A call that is gone no longer rings, either way, nor stays in the conference.
    StopRingTones();
    m_conference.Remove(GetLine(line).GetSessionId());
    Line(line).Reset();
    StopClock(line);
    SetLineStatus(line, g_uiTexts.callWnd.t30021);
}

void CCallPhonesWnd::OnCallEvent19(SIPCallbackCommand* record)
{
    const int line = FindLineBySession(record);
    if (line >= 1)
        SetLineStatus(line, g_uiTexts.callWnd.t30022 + WideRecordText(*record, &SIPCallbackCommand::GetStatusText));
}

void CCallPhonesWnd::OnCallEvent20(SIPCallbackCommand* record)
{
    const int line = FindLineBySession(record);
    if (line < 1)
        return;
    SetLineStatus(line, g_uiTexts.callWnd.t30022 + WideRecordText(*record, &SIPCallbackCommand::GetStatusText));
    // The event's own call, which need not be the current line's.
    engine_ops::UnHold(GetLine(line).GetSessionId());
}
