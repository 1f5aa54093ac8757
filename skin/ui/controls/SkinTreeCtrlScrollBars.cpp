// CSkinTreeCtrl: its own skinned scroll bars, siblings in its parent that stand over the
// native bars and drive the tree through its scroll messages.
#include "skin/ui/controls/SkinTreeCtrl.h"

#include "skin/ui/SystemAnswers.h"
#include "skin/ui/controls/OwnScrollBarLayout.h"
#include "skin/ui/controls/SkinTreeCtrlPrivate.h"

namespace Vexel {
namespace {

enum : UINT {
    kHorzBarId = 1,
    kVertBarId = 2,
};

// From Windows 6.0 on the tree view reads a thumb position from its own scroll info.
bool TreeReadsThumbFromScrollInfo()
{
    OSVERSIONINFOW version{};
    return GetSystemAnswers().GetVersion(version) && version.dwMajorVersion >= 6;
}

void PlaceBar(CScrollBarEx& bar, const RECT& rect)
{
    RECT now;
    bar.GetWindowRect(&now);
    ::MapWindowPoints(nullptr, ::GetParent(bar.GetSafeHwnd()), reinterpret_cast<POINT*>(&now), 2);
    if (!::EqualRect(&now, &rect))
        bar.MoveWindow(&rect, TRUE);
}

} // namespace

int CSkinTreeCtrl::EnableOwnScrollBars(BOOL enable)
{
    SkinTreeCtrlPrivate& p = *m_private;
    p.ownScrollBars = enable;
    if (!enable)
        return 0;
    CWnd* const parent = GetParent();
    const RECT none{0, 0, 0, 0};
    if (!::IsWindow(p.hScroll.GetSafeHwnd()) && !p.hScroll.Create(WS_CHILD, none, parent, kHorzBarId))
        return -1;
    if (!::IsWindow(p.vScroll.GetSafeHwnd()) && !p.vScroll.Create(WS_CHILD | SBS_VERT, none, parent, kVertBarId))
        return -1;
    p.hScroll.m_pNotifyWnd = this;
    p.vScroll.m_pNotifyWnd = this;
    return 0;
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
    SCROLLINFO horizontal{sizeof(SCROLLINFO), SIF_ALL};
    SCROLLINFO vertical{sizeof(SCROLLINFO), SIF_ALL};
    ::GetScrollInfo(m_hWnd, SB_HORZ, &horizontal);
    ::GetScrollInfo(m_hWnd, SB_VERT, &vertical);
    p.hScroll.SetScrollInfo(horizontal);
    p.vScroll.SetScrollInfo(vertical);
    return 0;
}

int CSkinTreeCtrl::LayoutOwnScrollBars()
{
    SkinTreeCtrlPrivate& p = *m_private;
    if (!p.ownScrollBars)
        return -1;
    if (!::IsWindow(m_hWnd))
        return 0;
    SCROLLINFO horizontal{sizeof(SCROLLINFO), SIF_ALL};
    SCROLLINFO vertical{sizeof(SCROLLINFO), SIF_ALL};
    const bool needHorizontal = IsScrollBarNeeded(::GetScrollInfo(m_hWnd, SB_HORZ, &horizontal), horizontal);
    const bool needVertical = IsScrollBarNeeded(::GetScrollInfo(m_hWnd, SB_VERT, &vertical), vertical);

    RECT inParent;
    GetWindowRect(&inParent);
    ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&inParent), 2);
    const int barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = ::GetSystemMetrics(SM_CYHSCROLL);
    const OwnScrollBarLayout layout = LayOutOwnScrollBars(inParent, barWidth, barHeight, needVertical, needHorizontal);
    ApplyRegion(layout, SIZE{inParent.right - inParent.left, inParent.bottom - inParent.top});

    const bool treeVisible = (GetStyle() & WS_VISIBLE) != 0;
    const struct {
        CScrollBarEx& bar;
        bool show;
        const RECT& rect;
    } bars[] = {{p.vScroll, layout.showVertical, layout.vertical}, {p.hScroll, layout.showHorizontal, layout.horizontal}};
    for (const auto& entry : bars) {
        if (!::IsWindow(entry.bar.GetSafeHwnd()))
            continue;
        if (!entry.show) {
            entry.bar.ShowWindow(SW_HIDE);
            continue;
        }
        PlaceBar(entry.bar, entry.rect);
        if (treeVisible)
            entry.bar.ShowWindow(SW_SHOW);
    }
    p.hScroll.SetScrollInfo(horizontal);
    p.vScroll.SetScrollInfo(vertical);
    return 0;
}

bool CSkinTreeCtrl::ApplyRegion(const OwnScrollBarLayout& layout, SIZE window)
{
    SkinTreeCtrlPrivate& p = *m_private;
    AppliedRegion wanted;
    wanted.set = true;
    wanted.vertical = layout.showVertical;
    wanted.horizontal = layout.showHorizontal;
    wanted.window = window;
    wanted.barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    wanted.barHeight = ::GetSystemMetrics(SM_CYHSCROLL);
    // Setting a region repaints the tree, whose paint lays the bars out again: only a
    // change may set it, or the tree would repaint for ever.
    if (wanted == p.region)
        return false;
    CRgn region;
    if (!region.CreateRectRgn(0, 0, window.cx, window.cy))
        return false;
    for (int i = 0; i < layout.cutCount; ++i) {
        CRgn cut;
        if (cut.CreateRectRgnIndirect(&layout.cuts[i]))
            region.CombineRgn(&region, &cut, RGN_DIFF);
    }
    if (!SetWindowRgn(static_cast<HRGN>(region.GetSafeHandle()), TRUE))
        return false;
    region.Detach();   // the window owns it now
    p.region = wanted;
    return true;
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
