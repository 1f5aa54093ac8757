// Placing, answering and ending calls on the call page's lines, and the history row every
// finished call leaves.
#include "windows/call/CallPhonesWnd.h"

#include "core/AccountRecord.h"
#include "core/TextConvert.h"
#include "texts/UiTextTable.h"
#include "windows/call/CallHistoryRow.h"
#include "windows/call/CallTimers.h"
#include "windows/call/EngineOperations.h"
#include "windows/main/MainFrame.h"

namespace {

// A line that is busy or ringing in is never dialled over: a new call would orphan the
// incoming session.
bool IsTaken(const Session& line)
{
    return line.IsBusy() || line.IsIncomingPending();
}

} // namespace

bool CCallPhonesWnd::MakeCall(const CString& address)
{
    SetNumberFieldText(address);
    CurrentLine().SetPhoneNumber(address);
    m_lastDialledNumber = address;
    AddDialledNumber(address);

    const std::string narrow = WideToAnsi(address);
    const int sessionId = engine_ops::Call(narrow);
    if (sessionId <= 0)
        return false;
    engine_ops::SetRemoteVideoWindow(sessionId);
    SetLineInfoText(AnsiToWide(DialledPartyName(narrow)), m_currentLine, 1, true, true);
    SetLineInfoText(g_uiTexts.callWnd.t30001, m_currentLine, 2, true, true);

    Session& line = CurrentLine();
    // Whatever an earlier call left in the record (a refused call's parties, its video byte)
    // goes before the new call is written in.
    line.Reset();
    line.SetBusy(1);
    line.SetSessionId(sessionId);
    line.info.MarkStartTime();
    line.info.callType = 2;
    line.info.SetCallee(address);
    line.info.SetCaller(AnsiToWide(g_account.UserName));
    return true;
}

bool CCallPhonesWnd::PlaceCall(const CString& address)
{
    const bool placed = MakeCall(address);
    SetLineInfoText(placed ? g_uiTexts.callWnd.t30001 : g_uiTexts.callWnd.t30000, m_currentLine, 2, true, true);
    return placed;
}

bool CCallPhonesWnd::Dial(const CString& address)
{
    if (!UserSignedIn())
        return false;
    g_pMainFrame->ShowCallPage();
    if (IsTaken(CurrentLine()))
        return false;
    return PlaceCall(address);
}

void CCallPhonesWnd::OnDial()
{
    if (!UserSignedIn())
        return;
    CString number = GetNumberFieldText();
    if (number.IsEmpty())
        number = m_lastDialledNumber;
    if (CurrentLine().IsBusy())
        return;
    if (AnswerCall())
        return;
    if (!number.IsEmpty())
        PlaceCall(number);
}

void CCallPhonesWnd::DialEnteredNumber()
{
    const CString number = GetNumberFieldText();
    if (number.IsEmpty() || IsTaken(CurrentLine()) || EngineHandle() == 0 || !UserSignedIn())
        return;
    PlaceCall(number);
}

bool CCallPhonesWnd::AnswerCall()
{
    Session& line = CurrentLine();
    if (!line.IsIncomingPending())
        return false;
    KillTimer(kRingInTimer);
    line.SetBusy(1);
    line.SetIncomingPending(0);
    engine_ops::SetRemoteVideoWindow(line.GetSessionId());
    engine_ops::Answer(line.GetSessionId());
    line.info.MarkStartTick();
    SetLineInfoText(g_uiTexts.callWnd.t30004, m_currentLine, 2, true, true);
    StartClock(m_currentLine);
    EnableHoldButton(true);
    EnableTransferButton(true);
    OnLineEstablished(m_currentLine);
    return true;
}

void CCallPhonesWnd::AutoAnswer(int line, SIPCallbackCommand* record)
{
    if (LineIndex(line) == 0 || !record)
        return;
    if (g_pMainFrame)
        g_pMainFrame->BringToFront();
    Line(line).SetSessionId(record->GetSessionId());
    if (line != m_currentLine)
        SwitchLine(line);
    AnswerCall();
    PlayKeyTone('m');
}

void CCallPhonesWnd::OnHangUp()
{
    PlayKeyTone('t');
    if (IsTaken(CurrentLine())) {
        m_numberIsStale = 1;
        EndCurrentCall();
    } else {
        ClearNumber(true);
    }
}

void CCallPhonesWnd::EndCurrentCall()
{
    Session& line = CurrentLine();
    if (line.IsIncomingPending()) {
        line.SetIncomingPending(0);
        line.SetBusy(0);
        KillTimer(kRingInTimer);
        engine_ops::RejectBusy(line.GetSessionId());
    } else {
        StopRingTones();
        engine_ops::Terminate(line.GetSessionId());
        StopClock(m_currentLine);
    }
    SetLineInfoText(g_uiTexts.callWnd.t30012, m_currentLine, 2, true, true);
    WriteHistory(m_currentLine);
    ReleaseLine(m_currentLine);
}

void CCallPhonesWnd::HangUpAllLines()
{
    for (int number = 1; number <= kLineCount; ++number) {
        Session& line = Line(number);
        if (line.IsBusy())
            engine_ops::Terminate(line.GetSessionId());
        else if (line.IsIncomingPending())
            engine_ops::RejectBusy(line.GetSessionId());
        else
            continue;
        StopClock(number);
        WriteHistory(number);
        line.Reset();
    }
    StopRingTones();
    StopRecordingWithoutCalls();
}

void CCallPhonesWnd::WriteHistory(int line)
{
    if (LineIndex(line) == 0)
        return;
    SessionInfo& info = Line(line).info;
    info.MarkEndTick();
    info.MarkEndTime();
    const CallHistoryRow row = MakeCallHistoryRow(info, g_account.ProxyServer);
    if (g_pMainFrame)
        g_pMainFrame->AddHistoryRecord(row.text, row.number, row.callType);
}

void CCallPhonesWnd::ReleaseLine(int line)
{
    Session& record = Line(line);
    const int sessionId = record.GetSessionId();
    record.Reset();
    OnLineReleased(line, sessionId);
}

void CCallPhonesWnd::OnLineEstablished(int line)
{
    if (line == m_currentLine) {
        if (GetLine(line).video == 1 && g_pMainFrame)
            g_pMainFrame->StartLocalVideo();
        UpdateHoldTransferButtons();
    }
    JoinLineToConference(line);
    ShowConferenceText(CString());
}

void CCallPhonesWnd::OnLineReleased(int line, int sessionId)
{
    if (line == m_currentLine && m_conference.GetCount() < 2 && g_pMainFrame) {
        g_pMainFrame->StartLocalVideo();
        g_pMainFrame->SetVideoToggleState(false);
    }
    m_conference.Remove(sessionId);
    ShowConferenceText(CString());
    UpdateHoldTransferButtons();
    StopRecordingWithoutCalls();
}

void CCallPhonesWnd::StartClock(int line)
{
    SetTimer(ClockTimerOf(line), kClockTickMs);
}

void CCallPhonesWnd::StopClock(int line)
{
    KillTimer(ClockTimerOf(line));
}

void CCallPhonesWnd::StopRingTones()
{
    KillTimer(kRingInTimer);
    KillTimer(kRingBackTimer);
}
