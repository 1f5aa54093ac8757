#include "config/LoginWnd.h"

#include "config/AdvancedWindow.h"
#include "config/AutoStart.h"
#include "config/ControlValues.h"
#include "config/EditTab.h"
#include "core/AccountRecord.h"
#include "core/Crypto.h"
#include "core/OptionsRecord.h"
#include "core/TavikSQL.h"
#include "core/TavikUtility.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"
#include "windows/msgbox/MessageBox.h"

#include <string>
#include <string_view>

namespace {

constexpr wchar_t kWindowText[] = L"Lumeo Softphone";
constexpr int kHighestPort = 65535;

// The port a text names: the default for an empty text, else its number (0 for no number).
int PortOf(const CString& text)
{
    return text.IsEmpty() ? CLoginWnd::kDefaultPort : TextNumber(text);
}

// The XMPP columns belong to the chat account, which this window does not touch.
bool IsChatColumn(const char* name)
{
    return TavikUtility::CompareNoCase(std::string_view(name).substr(0, 4), "XMPP") == 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CLoginWnd, Vexel::CUIWnd)
    ON_WM_CREATE()
    ON_COMMAND(IDC_BTN_CLOSE, &CLoginWnd::OnBtnClose)
    ON_CBN_SELCHANGE(IDC_CMB_USERNAME, &CLoginWnd::OnUserNameSelChange)
    ON_COMMAND(IDC_BTN_ADVANCED, &CLoginWnd::OnAdvanced)
    ON_COMMAND(IDC_BTN_LOGIN, &CLoginWnd::OnLogin)
END_MESSAGE_MAP()

CLoginWnd::CLoginWnd() = default;

CLoginWnd::~CLoginWnd() = default;

void CLoginWnd::SetWindowID()
{
    m_nWindowID = IDW_LOGINWINDOW;
}

BOOL CLoginWnd::PreTranslateMessage(MSG* msg)
{
    if (msg && MoveFocusOnEditTab(*msg))
        return TRUE;
    return CUIWnd::PreTranslateMessage(msg);
}

int CLoginWnd::OnCreate(LPCREATESTRUCT cs)
{
    if (CUIWnd::OnCreate(cs) == -1)
        return -1;
    if (FindControls() != 0)
        return -1;
    InitTexts();
    InitFields();
    LoadSelectedAccount();
    SetControlChecked(m_autoRun, IsAutoStart());
    return 0;
}

int CLoginWnd::FindControls()
{
    m_userName = GetDlgItem(IDC_CMB_USERNAME);
    m_password = GetDlgItem(IDC_EDT_PASSWORD);
    m_server = GetDlgItem(IDC_EDT_SIPSERVER);
    m_port = GetDlgItem(IDC_EDT_SIPSERVERPORT);
    m_autoLogin = GetDlgItem(IDC_CHECK_AUTOLOGIN);
    m_autoRun = GetDlgItem(IDC_CHECK_AUTORUN);
    return 0;
}

void CLoginWnd::InitTexts()
{
    const UiDlgLoginTexts& texts = g_uiTexts.dlgLogin;
    SetWindowText(kWindowText);
    SetControlTexts(*this, {
        {IDC_STA_TITLE, texts.t20000},       {IDC_STATIC_LINE3, texts.t20003}, {IDC_STATIC_LINE4, texts.t20004},
        {IDC_STATIC_LINE5, texts.t20005},    {IDC_STATIC_LINE6, texts.t20006}, {IDC_STATIC_LINE7, texts.t20007},
        {IDC_STATIC_LINE8, texts.t20008},    {IDC_BTN_ADVANCED, texts.t20009}, {IDC_BTN_LOGIN, texts.t20010},
    });
}

void CLoginWnd::InitFields()
{
    SetControlText(m_port, std::to_wstring(kDefaultPort).c_str());
    LoadAccountList();
}

void CLoginWnd::LoadAccountList()
{
    m_accountUris.clear();
    if (!m_userName)
        return;
    SqlTable table;
    if (!g_database.GetTable("select SIPUri, UserName from User", table) || table.Rows() < 1 || table.Columns() < 1)
        return;

    int uriColumn = -1;
    int nameColumn = -1;
    for (int c = 0; c < table.Columns(); ++c) {
        if (TavikUtility::CompareNoCase(table.Name(c) ? table.Name(c) : "", "SIPUri") == 0)
            uriColumn = c;
        else if (TavikUtility::CompareNoCase(table.Name(c) ? table.Name(c) : "", "UserName") == 0)
            nameColumn = c;
    }
    if (uriColumn < 0 || nameColumn < 0)
        return;

    // The combo's entries and the addresses stay in step: a row the combo refuses is left out
    // of both.
    for (int row = 0; row < table.Rows() && static_cast<int>(m_accountUris.size()) < kMaxAccounts; ++row) {
        const char* const name = table.Value(row, nameColumn);
        const char* const uri = table.Value(row, uriColumn);
        const CString shownName = AnsiToWide(name ? name : "");
        if (m_userName->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCWSTR>(shownName))) < 0)
            continue;
        m_accountUris.push_back(AnsiToWide(uri ? uri : ""));
    }

    int selected = m_accountUris.empty() ? -1 : 0;
    const std::string& lastUri = g_options.LastLoginUri;
    for (size_t i = 0; i < m_accountUris.size(); ++i) {
        if (TavikUtility::CompareNoCase(WideToAnsi(m_accountUris[i]), lastUri) == 0) {
            selected = static_cast<int>(i);
            break;
        }
    }
    if (selected >= 0)
        m_userName->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(selected));
}

void CLoginWnd::LoadSelectedAccount()
{
    if (!m_userName || m_accountUris.empty())
        return;
    // A typed name leaves no selection (CB_ERR): there is no row to show.
    const LRESULT selected = m_userName->SendMessage(CB_GETCURSEL);
    if (selected < 0 || selected >= static_cast<LRESULT>(m_accountUris.size()))
        return;
    const CString& uri = m_accountUris[static_cast<size_t>(selected)];
    if (uri.IsEmpty())
        return;
    SqlTable table;
    if (!g_database.Query("select * from User where SIPUri = ?", {WideToAnsi(uri)}, table))
        return;
    for (int row = 0; row < table.Rows(); ++row)
        OnAccountRow(table, row);
}

void CLoginWnd::OnAccountRow(const SqlTable& table, int row)
{
    for (int c = 0; c < table.Columns(); ++c) {
        const char* const name = table.Name(c);
        const char* const value = table.Value(row, c);
        if (!name || !value)
            continue;
        if (IsChatColumn(name))
            continue;
        if (!StoreAccountColumn(name, value, g_account))
            continue;
        if (TavikUtility::CompareNoCase(name, "ProxyServer") == 0) {
            SetControlText(m_server, AnsiToWide(g_account.ProxyServer));
        } else if (TavikUtility::CompareNoCase(name, "ProxyPort") == 0) {
            const int port = g_account.ProxyPort != 0 ? g_account.ProxyPort : kDefaultPort;
            SetControlText(m_port, std::to_wstring(port).c_str());
        }
    }
}

void CLoginWnd::OnUserNameSelChange()
{
    LoadSelectedAccount();
}

void CLoginWnd::OnAdvanced()
{
    CAdvancedWindow advanced(this);
    advanced.DoModal();
}

void CLoginWnd::OnLogin()
{
    const CString userName = ControlText(m_userName);
    const CString password = ControlText(m_password);
    const CString server = ControlText(m_server);
    const int port = PortOf(ControlText(m_port));
    if (userName.IsEmpty() || password.IsEmpty() || server.IsEmpty() || port < 1 || port > kHighestPort) {
        ShowMessageBox(g_uiTexts.dlgLogin.t20021, this);
        return;
    }

    std::string cipherText;
    if (!Crypto().Encrypt(WideToAnsi(password), cipherText)) {
        ShowMessageBox(g_uiTexts.dlgLogin.t20021, this);
        return;
    }
    g_account.UserName = WideToAnsi(userName);
    g_account.Password = cipherText;
    g_account.ProxyServer = WideToAnsi(server);
    g_account.ProxyPort = port;
    g_options.NetworkInterface.clear();
    g_account.SIPUri = "sip:" + g_account.UserName + "@" + g_account.ProxyServer + ":" + std::to_string(port);

    if (IsControlChecked(m_autoRun))
        SetAutoStart();
    else
        RemoveAutoStart();
    g_account.AutoSignIn = IsControlChecked(m_autoLogin);
    g_options.LastLoginUri = g_account.SIPUri;
    OnOK();
}

void CLoginWnd::OnBtnClose()
{
    // The database stays open: start-up, which owns it, closes it when it gives up.
    EndDialog(kClosedResult);
}
