#include "config/LoginWnd.h"

#include "resources/Resource.h"

BEGIN_MESSAGE_MAP(CLoginWnd, Vexel::CUIWnd)
    ON_COMMAND(IDC_BTN_CLOSE, &CLoginWnd::OnBtnClose)
END_MESSAGE_MAP()

CLoginWnd::CLoginWnd() = default;

CLoginWnd::~CLoginWnd() = default;

void CLoginWnd::SetWindowID()
{
    m_nWindowID = IDW_LOGINWINDOW;
}

void CLoginWnd::OnBtnClose()
{
    EndDialog(kClosedResult);
}
