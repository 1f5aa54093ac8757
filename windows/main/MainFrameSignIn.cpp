// Signing in and out: the engine brought up with the account of g_account and taken down again.
#include "windows/main/MainFrame.h"

#include "config/LoginWnd.h"
#include "core/AccountRecord.h"
#include "core/Crypto.h"
#include "core/OptionsRecord.h"
#include "core/TextConvert.h"
#include "framework/Prompt.h"
#include "framework/SystemAnswers.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"
#include "windows/call/CallPhonesWnd.h"
#include "windows/contacts/ContactsWnd.h"
#include "windows/history/HistoryWnd.h"

#include <cstdlib>
#include <ctime>
#include <string>

namespace {

constexpr char kAgentText[] = "Lumeo v8.1, Build 01220214";
constexpr int kEngineMode = 2;
constexpr int kDefaultExpirySeconds = 90;
constexpr int kFirstLocalPort = 5000;
constexpr int kLocalPortCount = 4000;
constexpr int kLocalAddressSize = 64;
constexpr int kSignInAttempts = 3;
constexpr DWORD kOfflineNoticeMs = 200;

// A text that wipes itself when it goes: the deciphered password lives only in the sign-in.
class PlainText {
public:
    ~PlainText()
    {
        volatile char* bytes = m_text.data();
        for (size_t i = 0; i < m_text.size(); ++i)
            bytes[i] = 0;
    }
    std::string& get() { return m_text; }

private:
    std::string m_text;
};

} // namespace

bool CMainFrame::SignIn()
{
    const CString userPrefix = AnsiToWide(g_account.UserName) + L": ";
    // The status line and every line's text 2 follow each step.
    const auto report = [&](const CString& text, bool withUser) {
        SetStatusText(text);
        if (CCallPhonesWnd* const page = CallPage())
            page->SetInfoTextAllLines(withUser ? userPrefix + text : text, 2);
    };
    report(g_uiTexts.mainWnd.t35005, true);

    // A handle left by an earlier failed start still calls the old callback object: shut it
    // down before that object goes.
    ShutDownEngine();
    m_pVoipEvent = std::make_unique<__VOIP_EVENT>();

    std::srand(static_cast<unsigned>(std::time(nullptr)));
    const int localPort = std::rand() % kLocalPortCount + kFirstLocalPort;
    PlainText password;
    Crypto().Decrypt(g_account.Password, password.get());
    ShowCallPage();

    int error = 0;
    m_engineHandle = Tavik_initialize(m_pVoipEvent.get(), g_account.Transport, g_options.logLevel,
                                      g_options.logPath.c_str(), kEngineMode, kAgentText,
                                      g_account.StunServer.c_str(), g_account.StunServerPort, 0, 0, &error);
    if (m_engineHandle == 0 || error != 0) {
        report(g_uiTexts.mainWnd.t35006, false);
        return false;
    }
    if (CCallPhonesWnd* const page = CallPage())
        page->InitVolumeSliders();

    char localAddress[kLocalAddressSize] = {};
    if (g_account.ProxyServer.find(':') != std::string::npos)
        Tavik_getLocalIP6(m_engineHandle, 0, localAddress, kLocalAddressSize);
    else
        Tavik_getLocalIP(m_engineHandle, 0, localAddress, kLocalAddressSize);

    if (Tavik_setUserInfo(m_engineHandle, g_account.UserName.c_str(), g_account.displayName.c_str(),
                          g_account.AuthName.c_str(), password.get().c_str(), localAddress, localPort,
                          g_account.UserDomain.c_str(), g_account.ProxyServer.c_str(), g_account.ProxyPort,
                          g_account.OutboundServer.c_str(), g_account.OutboundPort) != 0) {
        report(g_uiTexts.mainWnd.t35018, false);
        ShutDownEngine();
        return false;
    }

    ApplyEngineSettings();

    const int expiry = g_account.RegVal > 0 ? g_account.RegVal : kDefaultExpirySeconds;
    if (Tavik_registerServer(m_engineHandle, expiry) != 0) {
        ShutDownEngine();
        report(g_uiTexts.mainWnd.t35007, true);
        return false;
    }
    report(g_uiTexts.mainWnd.t35008, true);
    return true;
}

void CMainFrame::ShutDownEngine()
{
    // Once Tavik_unInitialize has returned no callback runs, so the object can go.
    if (m_engineHandle != 0)
        Tavik_unInitialize(m_engineHandle);
    m_engineHandle = 0;
    m_pVoipEvent.reset();
}

void CMainFrame::SignOut(bool clearAccount)
{
    StopLocalVideo();
    if (m_engineHandle != 0)
        ShutDownSession(clearAccount);
    // After the hang-ups, whose history rows would otherwise come back into the list. The chat
    // windows stay: a conversation lives only in its window.
    if (CHistoryWnd* const page = HistoryPage())
        page->DeleteAllItems(false);
    if (m_pContactsWnd)
        m_pContactsWnd->EmptyTree();
}

void CMainFrame::ShutDownSession(bool clearAccount)
{
    if (m_signedIn) {
        if (CCallPhonesWnd* const page = MadeCallPage())
            page->HangUpAllLines();
        Tavik_unRegisterServer(m_engineHandle);
    }
    Tavik_unInitialize(m_engineHandle);
    m_engineHandle = 0;
    SetSignedIn(0);
    SetStatusText(g_uiTexts.mainWnd.t35004);
    if (CCallPhonesWnd* const page = MadeCallPage()) {
        page->ResetConference();
        for (int n = 1; n <= 3; ++n) {
            for (int line = 1; line <= CCallPhonesWnd::kLineCount; ++line)
                page->SetLineInfoText(CString(), line, n, true, true);
        }
    }
    if (clearAccount)
        g_account.Clear();
    m_pVoipEvent.reset();
}

void CMainFrame::PublishOffline()
{
    if (HasEngine() && IsSignedIn())
        CContactsWnd::NotifyPresenceOffline();
}

void CMainFrame::ReSignIn()
{
    // Signed out is a status of its own ("Offline"), not the command that led to it.
    SetStatusButtonText(g_uiTexts.misc.t38008);
    PublishOffline();
    // Lets the offline notices leave before the engine goes.
    GetSystemAnswers().Pause(kOfflineNoticeMs);
    SignOut(true);
    if (RunSignInDialog())
        SignIn();
}

bool CMainFrame::RunSignInDialog()
{
    for (int attempt = 1; attempt <= kSignInAttempts; ++attempt) {
        CLoginWnd login;
        if (login.DoModal() != IDOK)
            return false;
        if (SaveAccount())
            return true;
        AfxMessageBox(g_uiTexts.mainWnd.t35010, MB_ICONINFORMATION);
    }
    return false;
}

void CMainFrame::SetStatusButtonText(const CString& text)
{
    if (m_hWnd)
        SetDlgItemText(IDC_BTN_STATUSLIST, text);
}
