// CWnd: modal runs, the safe-owner rule and the pre-translation walk.
#include "framework/Wnd.h"

#include "framework/WinApp.h"
#include "framework/WinThread.h"

int CWnd::RunModalLoop(DWORD flags)
{
    // Nothing could end a loop without a window; and a second loop on the same window
    // could not tell the first one that the window (and perhaps the object) went away.
    if (!::IsWindow(m_hWnd) || (m_nFlags & WF_MODALLOOP))
        return -1;
    ModalRun run;
    m_pModalRun = &run;
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;

    const HWND self = m_hWnd;
    const HWND owner = ::GetParent(self);   // the owner, for a popup
    bool showPending = (flags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    bool idle = true;
    MSG msg;
    for (;;) {
        if (!ContinueModal())
            break;
        // The queue ran dry after a burst of input: show the window, tell the owner.
        if (idle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (showPending) {
                ::ShowWindow(self, SW_SHOWNORMAL);
                ::UpdateWindow(self);
                showPending = false;
            }
            if (!(flags & MLF_NOIDLEMSG) && owner)
                ::SendMessageW(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(self));
            idle = false;
        }
        if (!AfxPumpMessage(msg)) {
            // WM_QUIT: leave, and let the loop outside see it too.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            if (run.windowGone)
                return -1;
            m_nModalResult = -1;
            break;
        }
        // The window went away during the message (and the object perhaps with it):
        // only the frame on this stack may be read now.
        if (run.windowGone)
            return run.result;
        if (AfxIsIdleMessage(msg))
            idle = true;
    }
    m_pModalRun = nullptr;
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int result)
{
    m_nModalResult = result;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);   // wakes the loop should it be waiting
    }
}

HWND CWnd::GetSafeOwner_(HWND parent, HWND* topLevel)
{
    HWND start = parent;
    if (!start) {
        CWnd* const main = AfxGetMainWnd();
        start = main ? main->m_hWnd : nullptr;
    }
    // The top-level window above `start` (through parents and owners), and the popup of
    // it that was active last: a second dialog is owned by the first, not by the frame.
    const HWND top = start ? ::GetAncestor(start, GA_ROOTOWNER) : nullptr;
    const HWND owner = top ? ::GetLastActivePopup(top) : nullptr;
    if (topLevel) {
        *topLevel = nullptr;
        if (top && top != owner && ::IsWindowEnabled(top)) {
            ::EnableWindow(top, FALSE);
            *topLevel = top;
        }
    }
    return owner;
}

CWnd* CWnd::GetSafeOwner(CWnd* parent, HWND* topLevel)
{
    return FromHandle(GetSafeOwner_(parent ? parent->m_hWnd : nullptr, topLevel));
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::PreTranslateInput(MSG* msg)
{
    const bool key = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
    const bool mouse = msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST;
    return (key || mouse) && ::IsDialogMessageW(m_hWnd, msg);
}

BOOL CWnd::WalkPreTranslateTree(MSG* msg)
{
    RelayToolTipMessage(*msg);
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        if (CWnd* const wnd = FromHandlePermanent(hwnd); wnd && wnd->PreTranslateMessage(msg))
            return TRUE;
        if (!(::GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD))
            break;   // the top-level window has had its turn
    }
    return FALSE;
}
