#pragma once
// CLoginWnd: the modal sign-in window (skin window IDW_LOGINWINDOW). It lists the accounts of
// table User, lets the user pick or type one and, on Login, fills g_account with it (password
// enciphered) and ends with IDOK. Its caller saves the account and decides how often to ask.
// Any result other than IDOK (8 from its own close button) means no account was confirmed.
#include "skin/ui/UIWnd.h"

class CLoginWnd : public Vexel::CUIWnd {
public:
    // The result of the window's own close button.
    static constexpr int kClosedResult = 8;

    CLoginWnd();
    ~CLoginWnd() override;

protected:
    void SetWindowID() override;
    void OnBtnClose();

    DECLARE_MESSAGE_MAP()
};
