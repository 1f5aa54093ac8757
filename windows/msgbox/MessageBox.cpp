#include "windows/msgbox/MessageBox.h"

#include "framework/SystemAnswers.h"
#include "resources/Resource.h"
#include "texts/UiTextTable.h"

#include <optional>

using Vexel::CUIWnd;

IMPLEMENT_DYNAMIC(CMessageBox, CUIWnd)

BEGIN_MESSAGE_MAP(CMessageBox, Vexel::CUIWnd)
    ON_WM_CREATE()
    ON_BN_CLICKED(IDC_BTN_OK, &CMessageBox::OnOK)
END_MESSAGE_MAP()

CMessageBox::CMessageBox(CWnd* owner) : CUIWnd(owner)
{
}

CMessageBox::~CMessageBox() = default;

void CMessageBox::SetWindowID()
{
    m_nWindowID = IDW_MESSAGEWINDOW1;
}

int CMessageBox::OnCreate(LPCREATESTRUCT cs)
{
    if (CUIWnd::OnCreate(cs) == -1)
        return -1;   // the skin's children already exist here
    // A label the skin lacks is simply not there to fill.
    SetDlgItemText(IDC_STA_TEXT, m_message);
    SetDlgItemText(IDC_STA_TITLE, m_caption);
    SetWindowText(m_caption);
    // The one button says what it does, in the user's language.
    SetDlgItemText(IDC_BTN_OK, g_uiTexts.misc.t38002);
    return 0;
}

namespace {

int RunMessageBox(const CString& caption, const CString& message, CWnd* owner)
{
    CMessageBox box(owner);
    box.m_caption = caption;
    box.SetMessage(message);
    return box.DoModal();
}

} // namespace

int ShowMessageBox(const CString& message, CWnd* owner)
{
    const CString caption = g_uiTexts.dlgLogin.t20000;
    if (const std::optional<int> answer = GetSystemAnswers().AnswerMessageBox(caption, message, owner))
        return *answer;
    return RunMessageBox(caption, message, owner);
}
