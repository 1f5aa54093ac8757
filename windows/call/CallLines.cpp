// The call page's five lines: finding a line, switching the current line, the hold and
// transfer boxes that follow the lines, and the conference's status line.
#include "windows/call/CallPhonesWnd.h"

#include "resources/Resource.h"
#include "texts/UiTextTable.h"
#include "windows/call/EngineOperations.h"
#include "windows/main/MainFrame.h"

int CCallPhonesWnd::FindLineBySession(const SIPCallbackCommand* record) const
{
    // An idle line's id is 0: a record without a session must not land on it.
    const int sessionId = record ? record->GetSessionId() : 0;
    if (sessionId <= 0)
        return -1;
    for (int line = 1; line <= kLineCount; ++line) {
        if (GetLine(line).GetSessionId() == sessionId)
            return line;
    }
    return -1;
}

int CCallPhonesWnd::FindFreeLine() const
{
    for (int line = 1; line <= kLineCount; ++line) {
        const Session& record = GetLine(line);
        if (!record.IsBusy() && !record.IsIncomingPending())
            return line;
    }
    return -1;
}

int CCallPhonesWnd::BusyLineCount() const
{
    int busy = 0;
    for (int line = 1; line <= kLineCount; ++line)
        busy += GetLine(line).IsBusy() ? 1 : 0;
    return busy;
}

void CCallPhonesWnd::OnLine1()
{
    SwitchLine(1);
}

void CCallPhonesWnd::OnLine2()
{
    SwitchLine(2);
}

void CCallPhonesWnd::OnLine3()
{
    SwitchLine(3);
}

void CCallPhonesWnd::OnLine4()
{
    SwitchLine(4);
}

void CCallPhonesWnd::OnLine5()
{
    SwitchLine(5);
}

void CCallPhonesWnd::SwitchLine(int line)
{
    if (LineIndex(line) == 0)
        return;
    if (line == m_currentLine) {
        // The click toggled the box off; the current line keeps its check.
        SetCheck(IDC_CHK_LINE1 + line - 1, true);
        return;
    }
    SetCheck(IDC_CHK_LINE1 + m_currentLine - 1, false);
    SetCheck(IDC_CHK_LINE1 + line - 1, true);
    if (IsConferenceOn()) {
        m_currentLine = line;
        return;
    }

    const int left = m_currentLine;
    for (int n = 1; n <= 3; ++n) {
        CString caption;
        if (const CWnd* label = GetDlgItem(IDC_STA_LINE1 + n - 1))
            label->GetWindowText(caption);
        SetLineInfoText(caption, left, n, false, true);
    }
    m_currentLine = line;
    Session& chosen = Line(line);
    SetNumberFieldText(chosen.GetPhoneNumber());
    SetLineInfoText(chosen.GetLineText1(), line, 1, true, false);
    SetLineInfoText(chosen.GetLineText2(), line, 2, true, false);
    SetLineInfoText(chosen.GetLineText3(), line, 3, true, false);

    Session& leftLine = Line(left);
    if (leftLine.IsBusy() && !leftLine.IsHeld()) {
        engine_ops::Hold(leftLine.GetSessionId());
        leftLine.SetHeld(1);
    }
    if (chosen.IsBusy() && chosen.IsHeld()) {
        engine_ops::UnHold(chosen.GetSessionId());
        chosen.SetHeld(0);
    }
    UpdateHoldTransferButtons();
    if (m_conference.GetCount() > 1 && m_conference.Contains(chosen.GetSessionId()))
        ShowConferenceText(CString());
    if (g_pMainFrame) {
        g_pMainFrame->SetVideoToggleState(chosen.IsSendingVideo() != 0);
        if (chosen.video == 1)
            g_pMainFrame->StartLocalVideo();
    }
}

void CCallPhonesWnd::UpdateHoldTransferButtons()
{
    const Session& current = GetLine(m_currentLine);
    if (IsConferenceOn() && BusyLineCount() > 0) {
        EnableControl(IDC_CHK_HOLD, true);
        SetCheck(IDC_CHK_TRANSFER, current.IsBusy() != 0);
        EnableControl(IDC_CHK_TRANSFER, current.IsBusy() != 0);
        return;
    }
    if (!current.IsBusy()) {
        SetCheck(IDC_CHK_HOLD, false);
        EnableControl(IDC_CHK_HOLD, false);
        SetCheck(IDC_CHK_TRANSFER, false);
        EnableControl(IDC_CHK_TRANSFER, false);
        return;
    }
    EnableControl(IDC_CHK_HOLD, true);
    SetCheck(IDC_CHK_HOLD, current.IsHeld() != 0);
    SetCheck(IDC_CHK_TRANSFER, false);
    EnableControl(IDC_CHK_TRANSFER, true);
}

void CCallPhonesWnd::EnableHoldButton(bool enable)
{
    EnableControl(IDC_CHK_HOLD, enable);
    const Session& current = GetLine(m_currentLine);
    SetHoldCheck(current.IsHeld() && current.IsBusy());
}

void CCallPhonesWnd::SetHoldCheck(bool checked)
{
    SetCheck(IDC_CHK_HOLD, checked);
    EnableControl(IDC_CHK_HOLD, true);
}

void CCallPhonesWnd::EnableTransferButton(bool enable)
{
    EnableControl(IDC_CHK_TRANSFER, enable);
    SetCheck(IDC_CHK_TRANSFER, false);
}

void CCallPhonesWnd::ShowConferenceText(const CString& text)
{
    if (!text.IsEmpty()) {
        SetLineInfoText(text, m_currentLine, 2, true, false);
        return;
    }
    if (!IsConferenceOn())
        return;
    if (BusyLineCount() == 0) {
        SetLineInfoText(g_uiTexts.callWnd.t30023, m_currentLine, 2, true, false);
        return;
    }
    CString status = g_uiTexts.callWnd.t30024 + L" ";
    bool first = true;
    for (int line = 1; line <= kLineCount; ++line) {
        const Session& record = GetLine(line);
        if (!record.IsBusy() || !m_conference.Contains(record.GetSessionId()))
            continue;
        CString number;
        number.Format(L"%d", line);
        status += first ? number : L", " + number;
        first = false;
    }
    SetLineInfoText(status, m_currentLine, 2, true, false);
}
