#pragma once
// CLoginWnd: the modal sign-in window (skin window IDW_LOGINWINDOW). It lists the accounts of
// table User, lets the user pick or type one and, on Login, fills g_account with it (password
// enciphered), g_options' last sign-in address and the auto-start value, and ends with IDOK.
// Its caller saves the account and decides how often to ask. Any result other than IDOK (8
// from its own close button, IDCANCEL from Escape) means no account was confirmed. The window
// writes nothing to the database and leaves the shared connection open.
#include "skin/ui/UIWnd.h"

#include <vector>

class SqlTable;

class CLoginWnd : public Vexel::CUIWnd {
public:
    // The result of the window's own close button.
    static constexpr int kClosedResult = 8;
    // No more accounts than this are listed.
    static constexpr int kMaxAccounts = 500;
    // The port shown and used when none is given.
    static constexpr int kDefaultPort = 5060;

    CLoginWnd();
    ~CLoginWnd() override;

    // Tab from an edit moves to the next window at its level (EditTab.h); the rest as the base.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void SetWindowID() override;
    int OnCreate(LPCREATESTRUCT cs);
    void OnBtnClose();
    void OnUserNameSelChange();
    void OnAdvanced();
    void OnLogin();

    DECLARE_MESSAGE_MAP()

private:
    // The six controls by id; a control the skin lacks stays null and is skipped. 0.
    int FindControls();
    void InitTexts();
    // The port edit shows the default port; then the account list.
    void InitFields();
    // The User rows' names into the combo box, their addresses into m_accountUris, and the
    // entry of the last sign-in (else the first) selected.
    void LoadAccountList();
    // The selected entry's row into g_account and the server and port edits.
    void LoadSelectedAccount();
    void OnAccountRow(const SqlTable& table, int row);

    CWnd* m_userName = nullptr;     // editable drop-down combo box
    CWnd* m_password = nullptr;
    CWnd* m_server = nullptr;
    CWnd* m_port = nullptr;
    CWnd* m_autoLogin = nullptr;    // check box
    CWnd* m_autoRun = nullptr;      // check box
    // The SIP address of each listed account: entry i of the combo box is m_accountUris[i].
    std::vector<CString> m_accountUris;
};
