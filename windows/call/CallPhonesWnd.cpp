// The call page's window: creation, message map, timers, Enter, the line texts on the labels
// and the number field.
#include "windows/call/CallPhonesWnd.h"

#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "skin/ui/controls/SkinButton.h"
#include "skin/ui/controls/SliderCtrlEx.h"
#include "texts/UiTextTable.h"
#include "windows/call/CallTimers.h"
#include "windows/call/EngineOperations.h"
#include "windows/call/KeyTones.h"
#include "windows/main/MainFrame.h"

BEGIN_MESSAGE_MAP(CCallPhonesWnd, Vexel::CUIWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_WM_HSCROLL()
    ON_COMMAND(IDC_BTN_DIAL, &CCallPhonesWnd::OnDial)
    ON_COMMAND(IDC_BTN_CLEAR, &CCallPhonesWnd::OnClear)
    ON_COMMAND(IDC_BTN_HANGUP, &CCallPhonesWnd::OnHangUp)
    ON_COMMAND(IDC_BTN_NUM1, &CCallPhonesWnd::OnNum1)
    ON_COMMAND(IDC_BTN_NUM2, &CCallPhonesWnd::OnNum2)
    ON_COMMAND(IDC_BTN_NUM3, &CCallPhonesWnd::OnNum3)
    ON_COMMAND(IDC_BTN_NUM4, &CCallPhonesWnd::OnNum4)
    ON_COMMAND(IDC_BTN_NUM5, &CCallPhonesWnd::OnNum5)
    ON_COMMAND(IDC_BTN_NUM6, &CCallPhonesWnd::OnNum6)
    ON_COMMAND(IDC_BTN_NUM7, &CCallPhonesWnd::OnNum7)
    ON_COMMAND(IDC_BTN_NUM8, &CCallPhonesWnd::OnNum8)
    ON_COMMAND(IDC_BTN_NUM9, &CCallPhonesWnd::OnNum9)
    ON_COMMAND(IDC_BTN_NUMSTAR, &CCallPhonesWnd::OnNumStar)
    ON_COMMAND(IDC_BTN_NUM0, &CCallPhonesWnd::OnNum0)
    ON_COMMAND(IDC_BTN_NUMSHARP, &CCallPhonesWnd::OnNumSharp)
    ON_COMMAND(IDC_CHK_RECORD, &CCallPhonesWnd::OnRecord)
    ON_COMMAND(IDC_CHK_TRANSFER, &CCallPhonesWnd::OnTransfer)
    ON_COMMAND(IDC_CHK_HOLD, &CCallPhonesWnd::OnHold)
    ON_COMMAND(IDC_CHK_CONFERENCE, &CCallPhonesWnd::OnConference)
    ON_COMMAND(IDC_CHK_MUTEMIC, &CCallPhonesWnd::OnMuteMic)
    ON_COMMAND(IDC_CHK_LINE1, &CCallPhonesWnd::OnLine1)
    ON_COMMAND(IDC_CHK_LINE2, &CCallPhonesWnd::OnLine2)
    ON_COMMAND(IDC_CHK_LINE3, &CCallPhonesWnd::OnLine3)
    ON_COMMAND(IDC_CHK_LINE4, &CCallPhonesWnd::OnLine4)
    ON_COMMAND(IDC_CHK_LINE5, &CCallPhonesWnd::OnLine5)
    ON_COMMAND(IDC_CHK_MUTESPK, &CCallPhonesWnd::OnMuteSpeaker)
    ON_CBN_DROPDOWN(IDC_CMB_PHONENUMBER, &CCallPhonesWnd::OnPhoneNumberDropDown)
END_MESSAGE_MAP()

CCallPhonesWnd::CCallPhonesWnd() = default;

CCallPhonesWnd::~CCallPhonesWnd() = default;

void CCallPhonesWnd::SetWindowID()
{
    m_nWindowID = IDW_CALLPHONES;
}

int CCallPhonesWnd::OnCreate(LPCREATESTRUCT cs)
{
    if (Vexel::CUIWnd::OnCreate(cs) == -1)
        return -1;
    m_pMicSlider = dynamic_cast<Vexel::CSliderCtrlEx*>(GetDlgItem(IDC_SLDEX_MIC));
    m_pSpeakerSlider = dynamic_cast<Vexel::CSliderCtrlEx*>(GetDlgItem(IDC_SLDEX_VOLUME));
    InitVolumeSliders();
    InitControls();
    SetButtonToolTips();
    SetLineButtonTexts();
    return 0;
}

void CCallPhonesWnd::SetButtonToolTips()
{
    const auto& texts = g_uiTexts.callWnd;
    const ButtonTip tips[] = {
        {IDC_CHK_RECORD, &texts.t30040},     {IDC_CHK_TRANSFER, &texts.t30041}, {IDC_CHK_HOLD, &texts.t30042},
        {IDC_CHK_AA, &texts.t30043},         {IDC_CHK_DND, &texts.t30044},      {IDC_CHK_CONFERENCE, &texts.t30045},
        {IDC_BTN_CLEAR, &texts.t30032},      {IDC_BTN_DIAL, &texts.t30039},     {IDC_BTN_HANGUP, &texts.t30012},
        {IDC_CHK_MUTESPK, &texts.t30047},    {IDC_CHK_MUTEMIC, &texts.t30048},
    };
    SetButtonTips(*this, tips);
}

void CCallPhonesWnd::SetLineButtonTexts()
{
    if (!m_hWnd)
        return;
    const CString* const captions[] = {&g_uiTexts.callWnd.t30027, &g_uiTexts.callWnd.t30028,
                                       &g_uiTexts.callWnd.t30029, &g_uiTexts.callWnd.t30030,
                                       &g_uiTexts.callWnd.t30031};
    for (int line = 1; line <= kLineCount; ++line) {
        SetDlgItemText(IDC_CHK_LINE1 + line - 1, *captions[line - 1]);
        if (auto* button = dynamic_cast<Vexel::CSkinButton*>(GetDlgItem(IDC_CHK_LINE1 + line - 1)))
            SetWhiteText(*button);
    }
}

void CCallPhonesWnd::OnTimer(UINT_PTR id)
{
    if (id == kRingInTimer) {
        PlayKeyTone('i');
    } else if (id == kRingBackTimer) {
        PlayKeyTone('v');
    } else if (const int line = LineOfClockTimer(id); line != 0) {
        SetLineInfoText(Line(line).TickDuration(), line, 3, line == m_currentLine, true);
    } else if (id == kPresenceNoticeTimer) {
        KillTimer(id);
        if (g_pMainFrame)
            g_pMainFrame->SetPresenceNoticeSwitch(1);
    }
    Default();
}

BOOL CCallPhonesWnd::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
        DialEnteredNumber();
        return TRUE;
    }
    if (PreTranslateKeys(msg))
        return TRUE;
    return Vexel::CUIWnd::PreTranslateMessage(msg);
}

void CCallPhonesWnd::SetLineInfoText(const CString& text, int line, int n, bool show, bool store)
{
    if (store && LineIndex(line) != 0) {
        Session& record = Line(line);
        if (n == 1)
            record.SetLineText1(text);
        else if (n == 2)
            record.SetLineText2(text);
        else if (n == 3)
            record.SetLineText3(text);
    }
    if (show && n >= 1 && n <= 3 && m_hWnd)
        SetDlgItemText(IDC_STA_LINE1 + n - 1, text);
}

void CCallPhonesWnd::SetInfoTextAllLines(const CString& text, int n)
{
    for (int line = 1; line <= kLineCount; ++line)
        SetLineInfoText(text, line, n, false, true);
    SetLineInfoText(text, m_currentLine, n, true, false);
}

void CCallPhonesWnd::SetLineStatus(int line, const CString& text)
{
    SetLineInfoText(text, line, 2, line == m_currentLine, true);
}

CWnd* CCallPhonesWnd::NumberField() const
{
    return m_hWnd ? GetDlgItem(IDC_CMB_PHONENUMBER) : nullptr;
}

CString CCallPhonesWnd::GetNumberFieldText() const
{
    CString text;
    if (const CWnd* field = NumberField())
        field->GetWindowText(text);
    return text;
}

void CCallPhonesWnd::SetNumberFieldText(const CString& text)
{
    CWnd* const field = NumberField();
    if (!field)
        return;
    field->SetWindowText(text);
    const int end = text.GetLength();
    field->SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(end, end));
}

void CCallPhonesWnd::ClearNumber(bool all)
{
    CString text = GetNumberFieldText();
    if (all)
        text.Empty();
    else if (!text.IsEmpty())
        text = text.Left(text.GetLength() - 1);
    SetNumberFieldText(text);
    CurrentLine().SetPhoneNumber(text);
    if (!all)
        return;
    if (UserSignedIn()) {
        SetInfoTextAllLines(CString(), 1);
        SetInfoTextAllLines(g_uiTexts.callWnd.t30002, 2);
        SetInfoTextAllLines(g_uiTexts.callWnd.t30003, 3);
    } else {
        SetInfoTextAllLines(CString(), 2);
    }
}

void CCallPhonesWnd::AddDialledNumber(const CString& number)
{
    if (number.IsEmpty())
        return;
    if (CWnd* const field = NumberField()) {
        // The one empty item the list may start with goes when the first real number comes.
        if (field->SendMessage(CB_GETCOUNT) == 1 && field->SendMessage(CB_GETLBTEXTLEN, 0) == 0)
            field->SendMessage(CB_DELETESTRING, 0);
        field->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(number.GetString()));
    }
    m_dialledNumbers.push_back(WideToAnsi(number));
}

bool CCallPhonesWnd::IsChecked(int id) const
{
    return m_hWnd && ::SendDlgItemMessageW(m_hWnd, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CCallPhonesWnd::SetCheck(int id, bool checked)
{
    if (m_hWnd)
        ::SendDlgItemMessageW(m_hWnd, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CCallPhonesWnd::EnableControl(int id, bool enable)
{
    if (CWnd* const control = m_hWnd ? GetDlgItem(id) : nullptr)
        control->EnableWindow(enable ? TRUE : FALSE);
}

bool CCallPhonesWnd::IsAutoAnswerOn() const
{
    return IsChecked(IDC_CHK_AA);
}

bool CCallPhonesWnd::IsDoNotDisturbOn() const
{
    return IsChecked(IDC_CHK_DND);
}

bool CCallPhonesWnd::IsConferenceOn() const
{
    return IsChecked(IDC_CHK_CONFERENCE);
}
