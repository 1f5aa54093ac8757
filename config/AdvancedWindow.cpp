#include "config/AdvancedWindow.h"

#include "config/ControlValues.h"
#include "config/EditTab.h"
#include "core/AccountRecord.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"

#include <iterator>
#include <string>

namespace {

constexpr int kTransportCount = static_cast<int>(std::size(CAdvancedWindow::kTransports));

} // namespace

BEGIN_MESSAGE_MAP(CAdvancedWindow, Vexel::CUIWnd)
    ON_WM_CREATE()
    ON_COMMAND(IDC_BTN_OK, &CAdvancedWindow::OnOK)
END_MESSAGE_MAP()

CAdvancedWindow::CAdvancedWindow(CWnd* owner) : CUIWnd(owner) {}

CAdvancedWindow::~CAdvancedWindow() = default;

void CAdvancedWindow::SetWindowID()
{
    m_nWindowID = IDW_ADVANCEDWINDOW;
}

BOOL CAdvancedWindow::PreTranslateMessage(MSG* msg)
{
    if (msg && MoveFocusOnEditTab(*msg))
        return TRUE;
    return CUIWnd::PreTranslateMessage(msg);
}

int CAdvancedWindow::OnCreate(LPCREATESTRUCT cs)
{
    if (CUIWnd::OnCreate(cs) == -1)
        return -1;
    if (FindControls() != 0)
        return -1;
    InitTexts();
    ShowAccount();
    return 0;
}

int CAdvancedWindow::FindControls()
{
    m_displayName = GetDlgItem(IDC_EDT_DISPLAYNAME);
    m_authName = GetDlgItem(IDC_EDT_AUTHNAME);
    m_userDomain = GetDlgItem(IDC_EDT_USERDOMAIN);
    m_registerTime = GetDlgItem(IDC_EDT_REGISTERTIME);
    m_transport = GetDlgItem(IDC_CMB_TRANSPORT);
    m_stunServer = GetDlgItem(IDC_EDT_STUNSERVER);
    m_stunPort = GetDlgItem(IDC_EDT_STUNPORT);
    m_srtp = GetDlgItem(IDC_CHECKBOX_SRTP);
    if (m_transport) {
        m_transport->SendMessage(CB_RESETCONTENT);
        for (const wchar_t* transport : kTransports)
            m_transport->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(transport));
        m_transport->SendMessage(CB_SETCURSEL, 0);
    }
    return 0;
}

void CAdvancedWindow::InitTexts()
{
    const UiDlgLoginTexts& texts = g_uiTexts.dlgLogin;
    SetWindowText(texts.t20009);
    SetControlTexts(*this, {
        {IDC_STA_TITLE, texts.t20009},      {IDC_STATIC_LINE7, texts.t20012},  {IDC_STATIC_LINE8, texts.t20013},
        {IDC_STATIC_LINE9, texts.t20014},   {IDC_STATIC_LINE10, texts.t20015}, {IDC_STATIC_LINE11, texts.t20023},
        {IDC_STATIC_LINE16, texts.t20024},  {IDC_STATIC_LINE12, texts.t20016}, {IDC_STATIC_LINE13, texts.t20017},
        {IDC_STATIC_LINE14, texts.t20019},  {IDC_BTN_OK, texts.t20025},
    });
}

void CAdvancedWindow::ShowAccount()
{
    if (g_account.Transport < 0 || g_account.Transport >= kTransportCount)
        g_account.Transport = 0;
    if (m_transport)
        m_transport->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(g_account.Transport));
    SetControlText(m_displayName, AnsiToWide(g_account.displayName));
    SetControlText(m_authName, AnsiToWide(g_account.AuthName));
    SetControlText(m_userDomain, AnsiToWide(g_account.UserDomain));
    SetControlText(m_registerTime, std::to_wstring(g_account.RegVal).c_str());
    SetControlText(m_stunServer, AnsiToWide(g_account.StunServer));
    SetControlText(m_stunPort, std::to_wstring(g_account.StunServerPort).c_str());
    SetControlChecked(m_srtp, g_account.Srtp);
}

void CAdvancedWindow::OnOK()
{
    g_account.displayName = WideToAnsi(ControlText(m_displayName));
    g_account.AuthName = WideToAnsi(ControlText(m_authName));
    g_account.UserDomain = WideToAnsi(ControlText(m_userDomain));
    g_account.RegVal = TextNumber(ControlText(m_registerTime));
    // A list with nothing selected (CB_ERR) keeps the transport shown when it opened.
    const LRESULT transport = m_transport ? m_transport->SendMessage(CB_GETCURSEL) : CB_ERR;
    if (transport >= 0 && transport < kTransportCount)
        g_account.Transport = static_cast<int>(transport);
    g_account.Tls = g_account.Transport == kTlsTransport;
    g_account.StunServer = WideToAnsi(ControlText(m_stunServer));
    g_account.StunServerPort = TextNumber(ControlText(m_stunPort));
    g_account.Srtp = IsControlChecked(m_srtp);
    CUIWnd::OnOK();
}
