// CSkinListCtrl: its window procedure. Item records travel with the items; the thumbnail
// view answers hit tests and item rectangles by its own cells; hover, scrolling and the
// own scroll bars repaint and lay out the list.
#include "skin/ui/controls/SkinListCtrl.h"

#include "skin/ui/SkinMessages.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/controls/LayeredParent.h"
#include "skin/ui/controls/SkinHeaderCtrl.h"
#include "skin/ui/controls/SkinListCtrlPrivate.h"

#include <algorithm>

namespace Vexel {
namespace {

bool IsMouseMessage(UINT message)
{
    return message >= WM_MOUSEFIRST && message <= WM_MOUSEWHEEL;
}

LPARAM CentreOf(const RECT& rect)
{
    return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

} // namespace

LRESULT CSkinListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsMouseMessage(message)) {
        if (m_private->thumbnailView && message != WM_MOUSEWHEEL)
            lParam = ThumbnailMousePoint(lParam);
        SendToParent(WM_VXL_CHILDMOUSE, MAKEWPARAM(message, GetDlgCtrlID()), lParam);
    }
    return Dispatch(message, wParam, lParam);
}

LRESULT CSkinListCtrl::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    ListCtrlPrivate& p = *m_private;
    bool handled = false;
    const LRESULT itemResult = OnItemMessage(message, wParam, lParam, &handled);
    if (handled)
        return itemResult;

    switch (message) {
    case WM_CREATE:
        if (CListCtrl::WindowProc(message, wParam, lParam) == -1)
            return -1;
        SetTextBkColor(0xFFFFFF);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_WINDOWPOSCHANGED:
        if (lParam)
            RepaintOverLayeredParent(m_hWnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
        break;
    case WM_VXL_LISTDRAWBK:
        return DrawBackground(reinterpret_cast<CDC*>(wParam));
    case WM_VXL_LISTDRAWGRID:
        return DrawGridLines(reinterpret_cast<CDC*>(wParam));
    case WM_VXL_LISTDRAWROW:
        return DrawItem(reinterpret_cast<CDC*>(wParam), static_cast<int>(lParam));
    case WM_VXL_LISTPAINTNATIVE:
        return DefWindowProc(WM_PAINT, wParam, 0);
    case WM_TIMER:
        if (wParam == kLabelEditTimer)
            Invalidate(TRUE);
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        return OnScrollMessage(message, wParam, lParam);
    case WM_MOUSEWHEEL: {
        Invalidate(FALSE);
        const LRESULT result = CListCtrl::WindowProc(message, wParam, lParam);
        SyncScrollBars();
        return result;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_NCPAINT:
        if (!(GetStyle() & WS_BORDER)) {
            if (p.customScrollBars && IsNonClientAreaCutAway(m_hWnd))
                return 0;
            break;
        }
        DefWindowProc(message, wParam, lParam);
        DrawFrameFromResizedBitmap(m_hWnd, p.bkNormal, FALSE, p.bkResizePoint.x, p.bkResizePoint.y);
        return 0;
    case WM_PAINT:
        PaintList();
        return 0;
    case WM_PARENTNOTIFY:
        OnChildCreated(wParam, lParam);
        break;
    case WM_NOTIFY:
        if (lParam && reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(HDN_ITEMCHANGEDW)) {
            LayoutScrollBars();
            Invalidate(TRUE);
        }
        break;
    case WM_MOUSEMOVE:
        OnMouseMoveHover(lParam);
        break;
    case WM_MOUSELEAVE:
        if (p.highlight.effect) {
            p.hotItem = -1;
            Invalidate(TRUE);
        }
        break;
    case WM_KILLFOCUS:
        Invalidate(TRUE);
        break;
    case WM_SIZE:
    case WM_MOVE:
        if (p.customScrollBars) {
            const LRESULT result = CListCtrl::WindowProc(message, wParam, lParam);
            LayoutScrollBars();
            return result;
        }
        break;
    case WM_SHOWWINDOW:
        if (p.customScrollBars) {
            if (wParam)
                LayoutScrollBars();
            else
                HideOwnBars(p.hScroll, p.vScroll);
        }
        break;
    case WM_ENABLE:
        if (p.customScrollBars)
            EnableOwnBars(p.hScroll, p.vScroll, static_cast<BOOL>(wParam));
        break;
    default:
        break;
    }
    return CListCtrl::WindowProc(message, wParam, lParam);
}

// The item messages whose data or rectangles the list answers for itself.
LRESULT CSkinListCtrl::OnItemMessage(UINT message, WPARAM wParam, LPARAM lParam, bool* handled)
{
    ListCtrlPrivate& p = *m_private;
    *handled = true;
    switch (message) {
    case LVM_INSERTITEMW: {
        const LRESULT index = CListCtrl::WindowProc(message, wParam, lParam);
        const auto* const item = reinterpret_cast<const LVITEMW*>(lParam);
        if (index < 0 || !item)
            return index;
        auto record = std::make_unique<ListItemRecord>();
        record->callerData = (item->mask & LVIF_PARAM) ? item->lParam : 0;
        LVITEMW store{};
        store.mask = LVIF_PARAM;
        store.iItem = static_cast<int>(index);
        store.lParam = reinterpret_cast<LPARAM>(record.get());
        ++p.rawDataGuard;
        if (SetItem(&store))
            record.release();   // the item holds it until it is deleted
        --p.rawDataGuard;
        return index;
    }
    case LVM_DELETEITEM: {
        ListItemRecord* const record = RecordOf(static_cast<int>(wParam));
        const LRESULT result = CListCtrl::WindowProc(message, wParam, lParam);
        if (result)
            FreeItemRecord(record);
        return result;
    }
    case LVM_DELETEALLITEMS:
        for (int i = GetItemCount() - 1; i >= 0; --i)
            FreeItemRecord(RecordOf(i));
        return CListCtrl::WindowProc(message, wParam, lParam);
    case LVM_GETITEMW: {
        auto* const item = reinterpret_cast<LVITEMW*>(lParam);
        if (p.rawDataGuard || !item || !(item->mask & LVIF_PARAM))
            break;
        const LRESULT result = CListCtrl::WindowProc(message, wParam, lParam);
        if (result) {
            const auto* const record = reinterpret_cast<const ListItemRecord*>(item->lParam);
            item->lParam = record ? record->callerData : 0;
        }
        return result;
    }
    case LVM_SETITEMW: {
        const auto* const item = reinterpret_cast<const LVITEMW*>(lParam);
        if (p.rawDataGuard || !item || !(item->mask & LVIF_PARAM))
            break;
        ListItemRecord* const record = RecordOf(item->iItem);
        if (!record)
            return FALSE;
        record->callerData = item->lParam;
        LVITEMW handOn = *item;
        handOn.lParam = reinterpret_cast<LPARAM>(record);
        return CListCtrl::WindowProc(message, wParam, reinterpret_cast<LPARAM>(&handOn));
    }
    case LVM_SORTITEMS: {
        p.sort = ListSortContext{this, reinterpret_cast<PFNLVCOMPARE>(lParam), static_cast<LPARAM>(wParam)};
        return CListCtrl::WindowProc(message, reinterpret_cast<WPARAM>(&p.sort),
                                     reinterpret_cast<LPARAM>(&CSkinListCtrl::CompareItemData));
    }
    case LVM_SUBITEMHITTEST:
        if (p.thumbnailView)
            return OnThumbnailHitTest(wParam, lParam);
        break;
    case LVM_GETITEMRECT:
        if (p.thumbnailView && !p.rectGuard)
            return 0;
        break;
    default:
        break;
    }
    *handled = false;
    return 0;
}

// Every record goes with its item, before the window does; the header's images go too.
void CSkinListCtrl::OnDestroy()
{
    m_private->header.ReleaseImages();
    for (int i = GetItemCount() - 1; i >= 0; --i)
        DeleteItem(i);
}

void CSkinListCtrl::OnMouseMoveHover(LPARAM lParam)
{
    ListCtrlPrivate& p = *m_private;
    if (p.highlight.effect) {
        const int item = HitTest(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        if (item != p.hotItem) {
            p.hotItem = item;
            Invalidate(TRUE);
        }
    }
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
    ::TrackMouseEvent(&track);
}

// The common control's header becomes the skinned header the moment it is made.
void CSkinListCtrl::OnChildCreated(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) != WM_CREATE || HIWORD(wParam) != 0 || m_private->header.GetSafeHwnd())
        return;
    const HWND child = reinterpret_cast<HWND>(lParam);
    wchar_t className[MAX_PATH + 1] = {};
    ::GetClassNameW(child, className, MAX_PATH);
    if (::lstrcmpW(className, WC_HEADERW) == 0)
        m_private->header.SubclassWindow(child);
}

// In the thumbnail view a point on an item's label stands for the label's centre, and one
// inside the item's cell but off its native bounds for the bounds' centre, so the common
// control selects and activates the item the user sees.
LPARAM CSkinListCtrl::ThumbnailMousePoint(LPARAM lParam) const
{
    LVHITTESTINFO hit{};
    hit.pt = POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ::SendMessageW(m_hWnd, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (hit.iItem < 0)
        return lParam;
    RECT label;
    if (GetThumbnailLabelRect(hit.iItem, &label) == 0 && ::PtInRect(&label, hit.pt)) {
        RECT nativeLabel{};
        RawItemRect(hit.iItem, LVIR_LABEL, &nativeLabel);
        return CentreOf(nativeLabel);
    }
    RECT bounds{};
    if (RawItemRect(hit.iItem, LVIR_BOUNDS, &bounds) && !::PtInRect(&bounds, hit.pt))
        return CentreOf(bounds);
    return lParam;
}

LRESULT CSkinListCtrl::OnThumbnailHitTest(WPARAM wParam, LPARAM lParam)
{
    auto* const hit = reinterpret_cast<LVHITTESTINFO*>(lParam);
    const LRESULT native = CListCtrl::WindowProc(LVM_SUBITEMHITTEST, wParam, lParam);
    if (!hit || (hit->flags & (LVHT_ABOVE | LVHT_BELOW | LVHT_TORIGHT | LVHT_TOLEFT)))
        return native;
    const int first = GetTopIndex();
    const int end = std::min(first + GetCountPerPage() + 1, GetItemCount());
    for (int i = first; i < end; ++i) {
        RECT cell;
        if (GetThumbnailCellRect(i, &cell) != 0)
            continue;
        RECT area = m_private->thumbBk[kThumbN];
        ::OffsetRect(&area, cell.left, cell.top);
        if (::PtInRect(&area, hit->pt)) {
            hit->flags = LVHT_ONITEM;
            hit->iItem = i;
            hit->iSubItem = -1;
            return i;
        }
    }
    hit->flags = LVHT_NOWHERE;
    hit->iItem = -1;
    hit->iSubItem = -1;
    return -1;
}

// --- Scrolling ----------------------------------------------------------------------

LRESULT CSkinListCtrl::OnScrollMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    Invalidate(FALSE);
    if (!m_private->customScrollBars)
        return CListCtrl::WindowProc(message, wParam, lParam);
    const WORD code = LOWORD(wParam);
    if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION)
        PixelScroll(message, HIWORD(wParam));
    const LRESULT result = CListCtrl::WindowProc(message, wParam, lParam);
    SyncScrollBars();
    return result;
}

// A dragged thumb of an own bar gives a position in the list's scroll units; the list
// scrolls by the pixels that stands for. A range of nothing (maximum + 1 of 0 or less)
// scrolls nothing.
void CSkinListCtrl::PixelScroll(UINT message, int position)
{
    SCROLLINFO horizontal{sizeof(SCROLLINFO), SIF_ALL};
    SCROLLINFO vertical{sizeof(SCROLLINFO), SIF_ALL};
    ::GetScrollInfo(m_hWnd, SB_HORZ, &horizontal);
    ::GetScrollInfo(m_hWnd, SB_VERT, &vertical);
    CRect client;
    GetClientRect(&client);
    const auto content = [](const SCROLLINFO& info, long long extent) {
        return info.nPage == 0 ? extent : (static_cast<long long>(info.nMax) + 1) * extent / info.nPage;
    };
    const auto amount = [](int from, int to, const SCROLLINFO& info, long long whole) -> int {
        const long long range = static_cast<long long>(info.nMax) + 1;
        if (range <= 0)
            return 0;
        return static_cast<int>((static_cast<long long>(to) - from) * whole / range);
    };
    SIZE scroll{0, 0};
    if (message == WM_VSCROLL)
        scroll.cy = amount(vertical.nPos, position, vertical, content(vertical, client.Height()));
    else
        scroll.cx = amount(horizontal.nPos, position, horizontal, content(horizontal, client.Width()));
    Scroll(scroll);
}

} // namespace Vexel
