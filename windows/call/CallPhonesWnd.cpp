#include "windows/call/CallPhonesWnd.h"

#include "config/UiTextTable.h"
#include "core/AccountRecord.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "skin/ui/controls/SkinButton.h"
#include "skin/ui/controls/SliderCtrlEx.h"
#include "windows/main/MainFrame.h"

namespace {

constexpr int kPresenceNoticeTimer = 41;
constexpr UINT kPresenceNoticeDelayMs = 10000;
constexpr int kRejectBusyCode = 486;
constexpr int kMaxVolume = 255;
constexpr char kRejectBusyReason[] = "Busy here";

TavikHandle EngineHandle()
{
    return g_pMainFrame ? g_pMainFrame->GetEngineHandle() : 0;
}

bool SignedIn()
{
    return g_pMainFrame && g_pMainFrame->IsSignedIn();
}

} // namespace

BEGIN_MESSAGE_MAP(CCallPhonesWnd, Vexel::CUIWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
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
    SetLineButtonTexts();
    return 0;
}

void CCallPhonesWnd::OnTimer(UINT_PTR id)
{
    if (id == kPresenceNoticeTimer) {
        KillTimer(id);
        if (g_pMainFrame)
            g_pMainFrame->SetPresenceNoticeSwitch(1);
    }
    Default();
}

void CCallPhonesWnd::OnSipEvent(SIPCallbackCommand* record)
{
    if (!record)
        return;
    switch (record->GetEventType()) {
    case 1:
        OnRegisterSuccess(record);
        break;
    case 2:
        OnRegisterFailure(record);
        break;
    default:
        break;
    }
}

void CCallPhonesWnd::OnRegisterSuccess(SIPCallbackCommand*)
{
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
    g_pMainFrame->SetSignedIn(0);
    g_pMainFrame->SetStatusText(AnsiToWide(g_account.UserName) + L": " + g_uiTexts.callWnd.t30013);
    for (int line = 1; line <= kLineCount; ++line)
        SetLineInfoText(CString(), line, 1, true, true);
    char reason[SIPCallbackCommand::kMinTextBuffer] = {};
    record->GetStatusText(reason, sizeof reason);
    CString text;
    text.Format(L"%ls %d - %ls", static_cast<LPCWSTR>(g_uiTexts.callWnd.t30014), record->GetStatusCode(),
                static_cast<LPCWSTR>(AnsiToWide(reason)));
    for (int line = 1; line <= kLineCount; ++line)
        SetLineInfoText(text, line, 2, true, true);
    g_pMainFrame->ReSignIn();
}

bool CCallPhonesWnd::Dial(const CString& address)
{
    if (!SignedIn())
        return false;
    g_pMainFrame->ShowCallPage();
    if (Line(m_currentLine).IsBusy())
        return false;
    const bool placed = MakeCall(address);
    SetLineInfoText(placed ? g_uiTexts.callWnd.t30001 : g_uiTexts.callWnd.t30000, m_currentLine, 2, true, true);
    return placed;
}

bool CCallPhonesWnd::MakeCall(const CString& address)
{
    const std::string narrow = WideToAnsi(address);
    int error = 0;
    const int sessionId = Tavik_call(EngineHandle(), narrow.c_str(), 1, &error);
    if (sessionId <= 0)
        return false;
    Tavik_setRemoteVideoWindow(EngineHandle(), sessionId, g_pMainFrame->GetRemoteVideoHwnd());
    Session& line = Line(m_currentLine);
    line.SetBusy(1);
    line.SetSessionId(sessionId);
    line.SetPhoneNumber(address);
    line.info.MarkStartTime();
    line.info.callType = 2;
    line.info.SetCallee(address);
    line.info.SetCaller(AnsiToWide(g_account.UserName));
    return true;
}

void CCallPhonesWnd::HangUpAllLines()
{
    for (int number = 1; number <= kLineCount; ++number) {
        Session& line = Line(number);
        if (line.IsBusy())
            Tavik_terminateCall(EngineHandle(), line.GetSessionId());
        else if (line.IsIncomingPending())
            Tavik_rejectCall(EngineHandle(), line.GetSessionId(), kRejectBusyCode, kRejectBusyReason);
        else
            continue;
        line.Reset();
    }
}

CString CCallPhonesWnd::NumberFieldText() const
{
    CString text;
    if (const CWnd* field = GetDlgItem(IDC_CMB_PHONENUMBER))
        field->GetWindowText(text);
    return text;
}

void CCallPhonesWnd::DialEnteredNumber()
{
    const CString number = NumberFieldText();
    if (number.IsEmpty() || Line(m_currentLine).IsBusy() || EngineHandle() == 0 || !SignedIn())
        return;
    const bool placed = MakeCall(number);
    SetLineInfoText(placed ? g_uiTexts.callWnd.t30001 : g_uiTexts.callWnd.t30000, m_currentLine, 2, true, true);
}

bool CCallPhonesWnd::PreTranslateKeys(MSG*)
{
    return false;
}

bool CCallPhonesWnd::UpdateVideoSending(bool on)
{
    Session& line = Line(m_currentLine);
    if (!line.IsBusy() || line.GetSessionId() == 0)
        return false;
    if (Tavik_startVideoSending(EngineHandle(), line.GetSessionId(), on ? 1 : 0) != 0)
        return false;
    line.SetSendingVideo(on ? 1 : 0);
    return true;
}

bool CCallPhonesWnd::IsCurrentLineVideo() const
{
    const Session& line = GetLine(m_currentLine);
    return line.IsBusy() && line.video != 0;
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

void CCallPhonesWnd::InitVolumeSliders()
{
    const TavikHandle handle = EngineHandle();
    const struct {
        int id;
        int volume;
    } sliders[] = {{IDC_SLDEX_MIC, Tavik_getMicVolume(handle)}, {IDC_SLDEX_VOLUME, Tavik_getSpeakerVolume(handle)}};
    for (const auto& entry : sliders) {
        if (auto* slider = m_hWnd ? dynamic_cast<Vexel::CSliderCtrlEx*>(GetDlgItem(entry.id)) : nullptr) {
            slider->SetRange(0, kMaxVolume, TRUE);
            slider->SetPos(entry.volume);
        }
    }
}
