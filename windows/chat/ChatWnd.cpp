#include "windows/chat/ChatWnd.h"

#include "core/AccountRecord.h"
#include "core/TextConvert.h"
#include "engine/TavikCore.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"
#include "windows/chat/ChatTranscript.h"
#include "windows/main/MainFrame.h"
#include "windows/msgbox/MessageBox.h"

using Vexel::CUIWnd;

namespace {

// Counted in the ANSI code page, one byte per letter of a Cyrillic or Western text; the
// UTF-8 the engine gets is at most three times as long.
constexpr size_t kLongestMessage = 1024;

CString ChildText(const CWnd& window, int id)
{
    CString text;
    if (CWnd* const child = window.GetDlgItem(id))
        child->GetWindowText(text);
    return text;
}

} // namespace

IMPLEMENT_DYNAMIC(CChatWnd, CUIWnd)

BEGIN_MESSAGE_MAP(CChatWnd, CUIWnd)
    ON_WM_CREATE()
    ON_WM_SHOWWINDOW()
    ON_WM_CLOSE()
    ON_COMMAND(IDC_BTN_CLOSE, &CChatWnd::OnHideCommand)
    ON_COMMAND(IDC_STA_TITLE, &CChatWnd::OnTitleCommand)
END_MESSAGE_MAP()

CChatWnd::CChatWnd() = default;

CChatWnd::~CChatWnd() = default;

void CChatWnd::SetWindowID()
{
    m_nWindowID = IDW_CHAT;
}

void CChatWnd::SetContact(const CString& displayName, const CString& sipUri)
{
    m_peerName = displayName;
    m_peerUri = sipUri;
}

std::string CChatWnd::GetPeerUri() const
{
    return WideToAnsi(m_peerUri);
}

void CChatWnd::UpdateTitle()
{
    if (m_peerUri.IsEmpty())
        return;
    SetDlgItemText(IDC_STA_TITLE, ChatTitle(m_peerName, m_peerUri));
}

int CChatWnd::OnCreate(LPCREATESTRUCT cs)
{
    if (CUIWnd::OnCreate(cs) == -1)
        return -1;   // the skin's children already exist here
    CenterWindow();
    if (CWnd* const sendBox = GetDlgItem(IDC_EDT_SENDMESSAGETEXT))
        sendBox->SetFocus();
    return 0;
}

void CChatWnd::OnShowWindow(BOOL show, UINT status)
{
    CUIWnd::OnShowWindow(show, status);
    if (CWnd* const sendBox = GetDlgItem(IDC_EDT_SENDMESSAGETEXT))
        sendBox->SetFocus();
}

void CChatWnd::OnHideCommand()
{
    ShowWindow(SW_HIDE);
}

void CChatWnd::OnTitleCommand()
{
    // The title label is the drag handle.
    if (IsZoomed() || IsIconic())
        return;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
}

void CChatWnd::OnClose()
{
    // Off the list first, so that no look-up finds a window on its way out.
    LeaveMainWindowList();
    CUIWnd::OnClose();   // destroys the window, and PostNcDestroy this object
}

void CChatWnd::PostNcDestroy()
{
    // Whatever destroyed the window, the list must not keep the object this deletes.
    LeaveMainWindowList();
    CUIWnd::PostNcDestroy();
    delete this;
}

void CChatWnd::LeaveMainWindowList()
{
    if (g_pMainFrame)
        g_pMainFrame->ForgetChatWindow(this);
}

bool CChatWnd::IsSendKey(const MSG& msg) const
{
    const HWND sendBox = ::GetDlgItem(m_hWnd, IDC_EDT_SENDMESSAGETEXT);
    if (!sendBox || msg.hwnd != sendBox)
        return false;
    if (msg.message == WM_KEYDOWN)
        return msg.wParam == VK_RETURN;
    return msg.message == WM_SYSKEYDOWN && msg.wParam == 'S' && ::GetKeyState(VK_MENU) < 0;
}

BOOL CChatWnd::PreTranslateMessage(MSG* msg)
{
    if (msg && IsSendKey(*msg))
        OnSend();
    return CUIWnd::PreTranslateMessage(msg);
}

CString CChatWnd::Transcript() const
{
    return ChildText(*this, IDC_EDT_RECVMESSAGETEXT);
}

void CChatWnd::ShowTranscript(const CString& transcript)
{
    CWnd* const box = GetDlgItem(IDC_EDT_RECVMESSAGETEXT);
    if (!box)
        return;
    box->SetWindowText(transcript);
    const LRESULT lines = box->SendMessage(EM_GETLINECOUNT);
    box->SendMessage(EM_LINESCROLL, 0, lines);
    UpdateWindow();
}

void CChatWnd::OnSend()
{
    if (m_peerUri.IsEmpty() || !g_pMainFrame || !g_pMainFrame->IsSignedIn() || !g_pMainFrame->HasEngine())
        return;
    const CString text = ChildText(*this, IDC_EDT_SENDMESSAGETEXT);
    if (text.IsEmpty())
        return;
    if (WideToAnsi(text).size() > kLongestMessage) {
        ShowMessageBox(g_uiTexts.chatWnd.t31000, this);
        return;
    }
    // Sent as UTF-8 straight from the wide text: nothing is lost to the ANSI code page.
    const std::string body = WideToUtf8(text);
    // The engine's answer is not looked at: the text shows as sent in every case.
    Tavik_sendPagerMessage(g_pMainFrame->GetEngineHandle(), GetPeerUri().c_str(), body.c_str());

    CString transcript = Transcript();
    CString header;
    if (!m_sentLast || transcript.IsEmpty())
        header = OwnHeader(AnsiToWide(g_account.displayName), AnsiToWide(g_account.UserName),
                           AnsiToWide(g_account.ProxyServer), g_uiTexts.chatWnd.t31002);
    AppendToTranscript(transcript, header, text);
    SetDlgItemText(IDC_EDT_SENDMESSAGETEXT, L"");
    m_sentLast = 1;
    ShowTranscript(transcript);
}

void CChatWnd::OnMessageReceived(const std::string& from, const std::string& body)
{
    const CString text = Utf8ToWide(ExtractMessageText(body));
    CString transcript = Transcript();
    CString header;
    if (m_sentLast || transcript.IsEmpty()) {
        header = PeerHeader(m_peerName, AnsiToWide(from), g_uiTexts.chatWnd.t31002);
        m_sentLast = 0;
    }
    AppendToTranscript(transcript, header, text);
    ShowTranscript(transcript);
    UpdateTitle();
}
