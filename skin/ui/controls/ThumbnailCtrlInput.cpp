// CThumbnailCtrl: mouse, keys, selection and scrolling.
#include "skin/ui/controls/ThumbnailCtrl.h"

#include "framework/WndDC.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/controls/ThumbnailCtrlPrivate.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

namespace Vexel {
namespace {

bool KeyDown(int key)
{
    return ::GetKeyState(key) < 0;
}

bool AnyArrowKeyDown()
{
    return KeyDown(VK_LEFT) || KeyDown(VK_RIGHT) || KeyDown(VK_UP) || KeyDown(VK_DOWN);
}

RECT BandBetween(POINT a, POINT b)
{
    return RECT{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

} // namespace

void CThumbnailCtrl::OnMouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    ThumbnailCtrlPrivate& p = *m_private;
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN:
        // A press starts afresh, whatever an earlier press left behind.
        p.tracking = false;
        p.banding = false;
        p.dragDetected = false;
        SetFocus();
        OnClick(static_cast<UINT>(wParam), point, true);
        break;
    case WM_MOUSEMOVE:
        if (!(wParam & MK_LBUTTON)) {
            const int hot = HitTest(point);
            if (hot != p.hot) {
                p.hot = hot;
                Invalidate(FALSE);
            }
            break;
        }
        if (!p.tracking) {
            p.tracking = true;
            p.trackingPoint = point;
            p.banding = HitTest(point) < 0;
        }
        if (!p.banding) {
            const bool moved = std::abs(point.x - p.trackingPoint.x) > kDragDistance ||
                             std::abs(point.y - p.trackingPoint.y) > kDragDistance;
            if (moved && !p.dragDetected) {
                p.dragDetected = true;
                if (p.dragMode) {
                    NMLISTVIEW begin{};
                    begin.iItem = HitTest(point);
                    begin.ptAction = point;
                    if (NotifyParent(begin.hdr, LVN_BEGINDRAG) == 0)
                        BeginDrag();
                }
            }
        } else if (!p.singleSelection) {
            SetCapture();
            const RECT band = BandBetween(p.trackingPoint, point);
            SelectItemsInRect(band);
            DrawBand(band);
        }
        break;
    case WM_LBUTTONUP:
        p.tracking = false;
        if (p.banding) {
            SetFocusedItem(GetFirstSelectedItemPosition() - 1);
            if (::GetCapture() == m_hWnd)
                ::ReleaseCapture();
            Invalidate(FALSE);
            p.banding = false;
        } else if (p.dragDetected) {
            p.dragDetected = false;
        } else {
            OnClick(static_cast<UINT>(wParam), point, false);
        }
        break;
    default:
        break;
    }
}

void CThumbnailCtrl::OnClick(UINT flags, POINT point, bool down)
{
    const ThumbnailCtrlPrivate& p = *m_private;
    if (p.ctrlClick)
        flags |= MK_CONTROL;
    const int index = HitTest(point);
    if (index < 0) {
        DeselectAll();
        SetFocusedItem(-1);
    } else if (p.singleSelection) {
        SelectOnly(index);
    } else {
        SelectByMouse((flags & MK_CONTROL) != 0, (flags & MK_SHIFT) != 0, index, down);
        SetFocusedItem(index);
    }
    Refresh();
}

void CThumbnailCtrl::SelectByMouse(bool ctrl, bool shift, int index, bool down)
{
    ThumbnailCtrlPrivate& p = *m_private;
    if (down) {
        if (shift) {
            if (p.anchor < 0)
                p.anchor = index;
            SelectRange(p.anchor, index);
        } else if (!ctrl && !IsSelected(index)) {
            // A press on a selected item keeps the selection, so the group can be dragged.
            SelectOnly(index);
            p.anchor = index;
        }
        return;
    }
    if (ctrl) {
        if (AnyArrowKeyDown())
            DeselectAll();
        p.store.SetItemState(index, IsSelected(index) ? 0 : LVIS_SELECTED, LVIS_SELECTED);
        p.anchor = index;
    } else if (!shift) {
        SelectOnly(index);
        p.anchor = index;
    }
}

void CThumbnailCtrl::OnArrowKey(UINT key)
{
    const ThumbnailGrid grid = Grid();
    if (grid.Empty())
        return;
    const int focused = GetFocusedItem();
    int target = focused;
    switch (key) {
    case VK_UP:
        target = focused - grid.cols;
        break;
    case VK_DOWN:
        target = focused + grid.cols;
        break;
    case VK_LEFT:
        if (grid.listMode)
            return;
        target = focused - 1;
        break;
    case VK_RIGHT:
        if (grid.listMode)
            return;
        target = focused + 1;
        break;
    default:
        return;
    }
    target = std::min(target, grid.count - 1);
    if (target < 0)
        return;
    EnsureVisible(target);
    SelectByMouse(KeyDown(VK_CONTROL), KeyDown(VK_SHIFT), target, true);
    SetFocusedItem(target);
    Refresh();
}

void CThumbnailCtrl::SelectItemsInRect(const RECT& band)
{
    DeselectAll();
    for (const int index : ThumbnailItemsInBand(Grid(), band))
        m_private->store.SetItemState(index, LVIS_SELECTED, LVIS_SELECTED);
}

void CThumbnailCtrl::DrawBand(const RECT& band)
{
    ThumbnailCtrlPrivate& p = *m_private;
    const SIZE view = ViewSize();
    CClientDC window(this);
    const HBITMAP image = p.frame.Get(window, view);
    if (!image)
        return;
    BitmapDC frame(window, image);
    frame.FillSolidRect(0, 0, view.cx, view.cy, RGB(0xFF, 0xFB, 0xF0));
    DrawView(&frame);

    // The band: the highlight colour at 99 of 255 over the items, outlined.
    CBitmap tint;
    if (tint.CreateCompatibleBitmap(&window, 1, 1)) {
        BitmapDC tintDc(window, tint);
        tintDc.SetPixel(0, 0, ::GetSysColor(COLOR_HIGHLIGHT));
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 99, 0};
        frame.AlphaBlend(band.left, band.top, band.right - band.left, band.bottom - band.top, &tintDc, 0, 0, 1, 1,
                         blend);
    }
    const HGDIOBJ previousBrush = frame.SelectStockObject(NULL_BRUSH);
    frame.Rectangle(&band);
    frame.SelectObject(previousBrush);
    window.BitBlt(0, 0, view.cx, view.cy, &frame, 0, 0, SRCCOPY);
}

void CThumbnailCtrl::OnScroll(UINT code, int thumbPosition)
{
    const CScrollBarEx& bar = m_private->scrollBar;
    if (!bar.GetSafeHwnd())
        return;
    const SCROLLINFO& info = bar.GetScrollInfo();
    const int page = static_cast<int>(info.nPage);
    int position = info.nPos;
    switch (code) {
    case SB_LINEUP:
        --position;
        break;
    case SB_LINEDOWN:
        ++position;
        break;
    case SB_PAGEUP:
        position -= page;
        break;
    case SB_PAGEDOWN:
        position += page;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        position = thumbPosition;
        break;
    case SB_TOP:
        position = info.nMin;
        break;
    case SB_BOTTOM:
        position = info.nMax - page + 1;
        break;
    default:
        break;
    }
    position = std::clamp(position, info.nMin, std::max(info.nMin, info.nMax - page + 1));
    if (position == info.nPos)
        return;
    SetScrollPosition(position);
    Refresh();
}

} // namespace Vexel
