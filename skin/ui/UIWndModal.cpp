// CUIWnd as a dialog: the modal run without a dialog template, WM_INITDIALOG on the first
// move, EndDialog, and the dialog keys.
#include "skin/ui/SkinWindowClass.h"
#include "skin/ui/SystemChecks.h"
#include "skin/ui/UIWndPrivate.h"

namespace Vexel {

namespace {

constexpr wchar_t kDialogClass[] = L"UIDIALOG";
constexpr DWORD kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU;
constexpr int kHelpButton = 0xE146;

bool IsKeyboardOrMouse(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= 0x20E);
}

} // namespace

int CUIWnd::DoModal(DWORD style)
{
    UIWndPrivate& p = *m_pPrivate;
    p.modal = 1;
    p.initPending = 1;   // every run gets its WM_INITDIALOG
    p.endedBeforeLoop = false;

    HWND topLevel = nullptr;
    const HWND owner = GetSafeOwner_(m_pOwner ? m_pOwner->GetSafeHwnd() : nullptr, &topLevel);
    p.topLevelOwner = topLevel;
    const bool ownerDisabledHere = owner && ::IsWindowEnabled(owner);
    if (ownerDisabledHere)
        ::EnableWindow(owner, FALSE);

    int result = -1;
    if (RegisterSkinWindowClass(kDialogClass) &&
        CreateEx(0, kDialogClass, kDialogClass, style | kDialogStyle, 0, 0, 390, 390, owner, nullptr)) {
        // A dialog that did not place itself while it was made opens over its owner, or in the
        // middle of the screen, never in the screen's corner where it was created.
        CRect placed;
        GetWindowRect(&placed);
        if (placed.left == 0 && placed.top == 0)
            CenterWindow();
        DWORD flags = MLF_SHOWONIDLE;
        if (GetStyle() & DS_NOIDLEMSG)
            flags |= MLF_NOIDLEMSG;
        if (GetExStyle() & WS_EX_LAYERED) {
            Invalidate(TRUE);
            UpdateWindow();
        }
        // A dialog its WM_INITDIALOG already ended does not run at all.
        result = p.endedBeforeLoop ? p.earlyResult : RunModalLoop(flags);
        if (m_hWnd)
            SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    }

    if (ownerDisabledHere)
        ::EnableWindow(owner, TRUE);
    if (owner && m_hWnd && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(owner);

    // A later non-modal use of this object must not act as a dialog.
    p.modal = 0;
    p.topLevelOwner = nullptr;
    DestroyWindow();   // last use of the object: a window may delete itself here
    if (topLevel && ::IsWindow(topLevel))
        ::EnableWindow(topLevel, TRUE);
    return result;
}

void CUIWnd::EndDialog(int result)
{
    UIWndPrivate& p = *m_pPrivate;
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL)) {
        EndModalLoop(result);
    } else if (p.modal && m_hWnd && !p.endedBeforeLoop) {
        // Still inside DoModal's creation (OnInitDialog): the loop must not start.
        p.endedBeforeLoop = true;
        p.earlyResult = result;
    }
    ::EndDialog(m_hWnd, result);
}

void CUIWnd::SendInitDialogOnce()
{
    // Cleared first: an OnInitDialog that moves the window must not start another.
    m_pPrivate->initPending = 0;
    SendMessage(WM_INITDIALOG, 0, 0);
}

BOOL CUIWnd::OnInitDialog()
{
    if (!m_pPrivate->modal)
        return FALSE;
    // No data exchange is declared by the skinned windows; the program offers no help,
    // so a help button stays hidden.
    if (const HWND help = ::GetDlgItem(m_hWnd, kHelpButton))
        ::ShowWindow(help, SW_HIDE);
    return TRUE;
}

void CUIWnd::OnOK()
{
    EndDialog(IDOK);
}

void CUIWnd::OnCancel()
{
    if (m_pPrivate->modal)
        EndDialog(IDCANCEL);
}

BOOL CUIWnd::PreTranslateMessage(MSG* msg)
{
    if (!msg || !IsKeyboardOrMouse(msg->message))
        return CWnd::PreTranslateMessage(msg);
    const bool escape =
        msg->message == WM_KEYDOWN && (msg->wParam == VK_ESCAPE || msg->wParam == VK_CANCEL);
    if (!m_pPrivate->modal) {
        if (escape)
            return CWnd::PreTranslateMessage(msg);   // Escape does not close a window that is no dialog
    } else if (escape && (::GetWindowLongW(msg->hwnd, GWL_STYLE) & ES_MULTILINE) && IsEditWindow(msg->hwnd)) {
        // A multi-line edit would swallow Escape.
        const HWND cancel = ::GetDlgItem(m_hWnd, IDCANCEL);
        if (!cancel || ::IsWindowEnabled(cancel)) {
            SendMessage(WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        }
    }
    return PreTranslateInput(msg);
}

} // namespace Vexel
