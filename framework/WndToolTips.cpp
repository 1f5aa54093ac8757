// CWnd: tool tips. Each thread that enables them has one tool tip. The message pump shows
// it the mouse messages for windows with tool tips on: before each one the window names
// the tool under the mouse (OnToolHitTest), and when that tool differs from the one the
// tip holds, the tip's tool is exchanged for it. The tip then shows and hides itself.
#include "framework/Wnd.h"

#include "framework/ThreadSlot.h"
#include "framework/ToolTipCtrl.h"

#include <memory>

namespace {

struct ToolTipThreadState {
    std::unique_ptr<CToolTipCtrl> tip;
    HWND lastOwner = nullptr;   // the window whose tool the tip holds, or null
    INT_PTR lastHit = -1;       // that tool's hit-test answer
    TOOLINFOW lastTool{};       // that tool as added (without its text)
};

const AfxThreadLocal<ToolTipThreadState>& ToolTipStates()
{
    static const AfxThreadLocal<ToolTipThreadState> states;
    return states;
}

bool IsRelayedMouseMessage(UINT message)
{
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return true;
    default:
        return false;
    }
}

void DropLastTool(ToolTipThreadState& s)
{
    if (s.lastOwner && s.tip && s.tip->m_hWnd)
        s.tip->SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&s.lastTool));
    s.lastOwner = nullptr;
    s.lastHit = -1;
}

// The thread's tip, made (again) when it has no window: it is owned by the top-level
// window of the window that asks, and goes when that window goes.
CToolTipCtrl* EnsureTip(ToolTipThreadState& s, CWnd* asking)
{
    if (!s.tip)
        s.tip = std::make_unique<CToolTipCtrl>();
    if (!s.tip->m_hWnd) {
        s.lastOwner = nullptr;
        s.lastHit = -1;
        if (!s.tip->Create(asking->GetTopLevelParent()))
            return nullptr;
    }
    return s.tip.get();
}

} // namespace

BOOL CWnd::EnableToolTips(BOOL enable)
{
    if (!enable) {
        m_nFlags &= ~WF_TOOLTIPS;
        if (ToolTipThreadState* const s = ToolTipStates().IfAny(); s && s->lastOwner == m_hWnd)
            DropLastTool(*s);
        return TRUE;
    }
    if (!m_hWnd || !EnsureTip(ToolTipStates().Get(), this))
        return FALSE;
    m_nFlags |= WF_TOOLTIPS;
    return TRUE;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFOW* info) const
{
    const HWND child = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE);
    if (!child || child == m_hWnd)
        return -1;
    info->hwnd = m_hWnd;
    info->uId = reinterpret_cast<UINT_PTR>(child);
    info->uFlags |= TTF_IDISHWND;
    info->lpszText = LPSTR_TEXTCALLBACKW;
    return ::GetDlgCtrlID(child);
}

void CWnd::RelayToolTipMessage(const MSG& msg)
{
    if (!IsRelayedMouseMessage(msg.message))
        return;
    ToolTipThreadState* const s = ToolTipStates().IfAny();
    if (!s)
        return;   // no window of this thread ever had tool tips
    // The window with tool tips on that the message's window belongs to: itself or its
    // nearest parent.
    CWnd* owner = nullptr;
    for (HWND hwnd = msg.hwnd; hwnd && !owner; hwnd = ::GetParent(hwnd)) {
        CWnd* const wnd = FromHandlePermanent(hwnd);
        if (wnd && (wnd->m_nFlags & WF_TOOLTIPS))
            owner = wnd;
        else if (!(::GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    if (!owner) {
        DropLastTool(*s);
        return;
    }
    // The tip goes with the window it was made for; another window with tips needs it too.
    CToolTipCtrl* const tip = EnsureTip(*s, owner);
    if (!tip)
        return;

    CPoint point = afxmap::PointOf(msg.lParam);
    ::MapWindowPoints(msg.hwnd, owner->m_hWnd, &point, 1);
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    const INT_PTR hit = owner->OnToolHitTest(point, &tool);
    if (hit == -1) {
        DropLastTool(*s);
    } else {
        if (!tool.hwnd)
            tool.hwnd = owner->m_hWnd;
        if (owner->m_hWnd != s->lastOwner || hit != s->lastHit) {
            DropLastTool(*s);
            if (tip->SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) {
                s->lastOwner = owner->m_hWnd;
                s->lastHit = hit;
                s->lastTool = tool;
                s->lastTool.lpszText = nullptr;   // the tip copied it
            }
        }
    }

    // A tool of a rectangle is matched against messages for its own window, in its
    // coordinates; a whole-window tool against messages for that window as they are.
    MSG relayed = msg;
    if (hit != -1 && !(tool.uFlags & TTF_IDISHWND) && tool.hwnd != msg.hwnd) {
        CPoint toolPoint = point;
        ::MapWindowPoints(owner->m_hWnd, tool.hwnd, &toolPoint, 1);
        relayed.hwnd = tool.hwnd;
        relayed.lParam = MAKELPARAM(toolPoint.x, toolPoint.y);
    }
    tip->RelayEvent(&relayed);
}

void AfxTermThreadToolTips()
{
    ToolTipStates().Free();   // destroys the tip's window while the window maps still exist
}
