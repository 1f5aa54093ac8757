// CSkinTreeCtrl: its own skinned scroll bars, siblings in its parent that stand over the
// native bars and drive the tree through its scroll messages.
#include "skin/ui/controls/SkinTreeCtrl.h"

#include "framework/SystemAnswers.h"
#include "skin/ui/controls/OwnScrollBars.h"
#include "skin/ui/controls/SkinTreeCtrlPrivate.h"

namespace Vexel {
namespace {

// From Windows 6.0 on the tree view reads a thumb position from its own scroll info.
bool TreeReadsThumbFromScrollInfo()
{
    OSVERSIONINFOW version{};
    return GetSystemAnswers().GetVersion(version) && version.dwMajorVersion >= 6;
}

} // namespace

int CSkinTreeCtrl::EnableOwnScrollBars(BOOL enable)
{
    SkinTreeCtrlPrivate& p = *m_private;
    p.ownScrollBars = enable;
    if (!enable)
        return 0;
    return CreateOwnBars(*this, p.hScroll, p.vScroll);
}

CScrollBarEx* CSkinTreeCtrl::GetHorzScrollBarEx()
{
    return m_private->ownScrollBars ? &m_private->hScroll : nullptr;
}

CScrollBarEx* CSkinTreeCtrl::GetVertScrollBarEx()
{
    return m_private->ownScrollBars ? &m_private->vScroll : nullptr;
}

int CSkinTreeCtrl::SyncOwnScrollBars()
{
    SkinTreeCtrlPrivate& p = *m_private;
    if (!p.ownScrollBars)
        return -1;
    SyncOwnBars(m_hWnd, p.hScroll, p.vScroll);
    return 0;
}

int CSkinTreeCtrl::LayoutOwnScrollBars()
{
    SkinTreeCtrlPrivate& p = *m_private;
    if (!p.ownScrollBars)
        return -1;
    LayOutOwnBars(*this, p.hScroll, p.vScroll, p.region);
    return 0;
}

LRESULT CSkinTreeCtrl::OnScrollMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    SkinTreeCtrlPrivate& p = *m_private;
    if (!p.ownScrollBars) {
        Invalidate(TRUE);
        return CTreeCtrl::WindowProc(message, wParam, lParam);
    }
    const bool readsScrollInfo = TreeReadsThumbFromScrollInfo();
    const WORD code = LOWORD(wParam);
    if (readsScrollInfo && (code == SB_THUMBTRACK || code == SB_THUMBPOSITION)) {
        const bool vertical = message == WM_VSCROLL;
        SCROLLINFO position{sizeof(SCROLLINFO), SIF_POS};
        position.nPos = HIWORD(wParam);
        if (vertical)
            SetRedraw(FALSE);
        ::SetScrollInfo(m_hWnd, vertical ? SB_VERT : SB_HORZ, &position, TRUE);
        if (vertical) {
            SetRedraw(TRUE);
            Invalidate(TRUE);
            UpdateWindow();
        }
    }
    if (!readsScrollInfo)
        Invalidate(TRUE);
    const LRESULT result = CTreeCtrl::WindowProc(message, wParam, lParam);
    SyncOwnScrollBars();
    if (readsScrollInfo)
        Invalidate(TRUE);
    return result;
}

} // namespace Vexel
