// CTreeListCtrl: where its parts go, and the own scroll bar kept in step with the tree.
#include "skin/ui/controls/TreeListCtrl.h"

#include "skin/ui/controls/OwnScrollBarLayout.h"
#include "skin/ui/controls/TreeListCtrlPrivate.h"

#include <algorithm>

namespace Vexel {
namespace {

constexpr UINT kResizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

} // namespace

// The tree view shows its own bar while it overflows; the scroll info alone may still
// describe a range it no longer has once rows went (Wine keeps the last one).
bool CTreeListCtrl::IsVerticalRangeNeeded() const
{
    if (!(m_private->tree.GetStyle() & WS_VSCROLL))
        return false;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    const BOOL read = ::GetScrollInfo(m_private->tree.GetSafeHwnd(), SB_VERT, &info);
    return IsScrollBarNeeded(read, info);
}

// Only the part left of the own bar shows; the region is set again only when it changes,
// as each new region repaints the tree part.
void CTreeListCtrl::ClipTree(SIZE visible)
{
    TreeListCtrlPrivate& p = *m_private;
    if (visible.cx == p.clip.cx && visible.cy == p.clip.cy)
        return;
    if (visible.cx < 0) {
        p.tree.SetWindowRgn(nullptr, TRUE);
    } else {
        CRgn region;
        if (!region.CreateRectRgn(0, 0, visible.cx, visible.cy))
            return;
        if (!p.tree.SetWindowRgn(region, TRUE))
            return;
        region.Detach();   // the window owns it now
    }
    p.clip = visible;
}

void CTreeListCtrl::LayOutParts()
{
    TreeListCtrlPrivate& p = *m_private;
    if (!::IsWindow(p.tree.GetSafeHwnd()))
        return;
    RECT client;
    GetClientRect(&client);
    const int width = client.right;
    const int treeHeight = std::max(0, static_cast<int>(client.bottom) - p.headerHeight);
    if (::IsWindow(p.header.GetSafeHwnd()))
        p.header.SetWindowPos(nullptr, 0, 0, width, p.headerHeight, kResizeOnly);
    if (!p.ownScrollBar) {
        p.tree.SetWindowPos(nullptr, 0, 0, width, treeHeight, kResizeOnly);
        return;
    }
    const int nativeBar = ::GetSystemMetrics(SM_CXVSCROLL);
    const int barWidth = p.scrollBarWidth;
    if (IsVerticalRangeNeeded()) {
        p.tree.SetWindowPos(nullptr, 0, 0, width - barWidth + nativeBar, treeHeight, kResizeOnly);
        ClipTree(SIZE{width - barWidth, treeHeight});
        p.vScroll.SetWindowPos(nullptr, width - barWidth, p.headerHeight, barWidth, treeHeight,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        p.tree.SetWindowPos(nullptr, 0, 0, width + nativeBar, treeHeight, kResizeOnly);
        ClipTree(SIZE{-1, -1});
        p.vScroll.ShowWindow(SW_HIDE);
    }
}

int CTreeListCtrl::UpdateScrollBar()
{
    TreeListCtrlPrivate& p = *m_private;
    if (!p.ownScrollBar)
        return -1;
    if (!::IsWindow(p.vScroll.GetSafeHwnd()))
        return -2;
    p.vScroll.ShowWindow(IsVerticalRangeNeeded() ? SW_SHOW : SW_HIDE);
    LayOutParts();
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    if (!::GetScrollInfo(p.tree.GetSafeHwnd(), SB_VERT, &info))
        return -3;
    p.vScroll.SetScrollInfo(info);
    return 0;
}

} // namespace Vexel
