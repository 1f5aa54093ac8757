#include "windows/contacts/OnlineRequestWnd.h"

#include "config/ControlValues.h"
#include "core/TextConvert.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"
#include "windows/contacts/GroupCombo.h"

using Vexel::CUIWnd;

IMPLEMENT_DYNAMIC(COnlineRequestWnd, CUIWnd)

BEGIN_MESSAGE_MAP(COnlineRequestWnd, Vexel::CUIWnd)
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
    ON_BN_CLICKED(IDC_BTN_ALLOW, &COnlineRequestWnd::OnAllow)
    ON_BN_CLICKED(IDC_BTN_REJECT, &COnlineRequestWnd::OnReject)
END_MESSAGE_MAP()

COnlineRequestWnd::COnlineRequestWnd(CWnd* owner) : CUIWnd(owner)
{
}

COnlineRequestWnd::~COnlineRequestWnd() = default;

void COnlineRequestWnd::SetWindowID()
{
    m_nWindowID = IDW_ONLINEREQUEST;
}

void COnlineRequestWnd::SetRequest(const std::string& requester, const std::string& requestText)
{
    m_requester = requester;
    m_requestText = requestText;
}

CString COnlineRequestWnd::GetGroupName()
{
    if (m_groupName.IsEmpty())
        m_groupName = g_uiTexts.contactDetailsWnd.t32000;
    return m_groupName;
}

int COnlineRequestWnd::OnCreate(LPCREATESTRUCT cs)
{
    if (CUIWnd::OnCreate(cs) == -1)
        return -1;   // the skin's children already exist here
    CenterWindow();
    FillGroupCombo(GetDlgItem(IDC_CMB_GROUP));
    SetDlgItemText(IDC_STA_INFO, AnsiToWide(m_requester) + L" " + g_uiTexts.onlineWnd.t34000);
    SetDlgItemText(IDC_STA_SUBJECT, AnsiToWide(m_requestText));
    SetTexts();
    return 0;
}

void COnlineRequestWnd::SetTexts()
{
    const UiOnlineWndTexts& texts = g_uiTexts.onlineWnd;
    SetControlTexts(*this, {
        {IDC_STA_TITLE, texts.t34001},    {IDC_STA_MESSAGEFROM, texts.t34002}, {IDC_STA_ADDGROUP, texts.t34003},
        {IDC_BTN_ALLOW, texts.t34004},    {IDC_BTN_REJECT, texts.t34005},
    });
}

void COnlineRequestWnd::OnLButtonDown(UINT flags, CPoint point)
{
    if (!IsZoomed() && !IsIconic()) {
        // The caption drag starts from the press in screen coordinates.
        CPoint screen = point;
        ClientToScreen(&screen);
        SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
    }
    CUIWnd::OnLButtonDown(flags, point);
}

void COnlineRequestWnd::OnAllow()
{
    m_groupName = ControlText(GetDlgItem(IDC_CMB_GROUP));
    EndDialog(1);
}

void COnlineRequestWnd::OnReject()
{
    EndDialog(2);
}
