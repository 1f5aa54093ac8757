// CThumbnailCtrl: creation, set-up, the scroll bar, tool tips and the routing of messages.
#include "skin/ui/controls/ThumbnailCtrl.h"

#include "framework/ToolTipCtrl.h"
#include "framework/WndDC.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/SkinWindowClass.h"
#include "skin/ui/controls/LayeredParent.h"
#include "skin/ui/controls/ThumbnailCtrlPrivate.h"

#include <algorithm>
#include <cwchar>

namespace Vexel {
namespace {

constexpr wchar_t kThumbnailClass[] = L"SysThumbnailView32";
constexpr wchar_t kDragFormat[] = L"DragItem";
constexpr int kTipWidth = 1024;

bool IsChildMouseMessage(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

} // namespace

IMPLEMENT_DYNAMIC(CThumbnailCtrl, CWnd)

BEGIN_MESSAGE_MAP(CThumbnailCtrl, CWnd)
    ON_WM_CREATE()
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, &CThumbnailCtrl::OnToolTipText)
END_MESSAGE_MAP()

CThumbnailCtrl::CThumbnailCtrl() : m_private(std::make_unique<ThumbnailCtrlPrivate>())
{
    m_private->font.CreateFont(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_STROKE_PRECIS,
                               CLIP_STROKE_PRECIS, DRAFT_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Tahoma");
}

CThumbnailCtrl::~CThumbnailCtrl()
{
    // The window goes first, while the item store and the records it points at still exist.
    if (m_hWnd)
        DestroyWindow();
}

BOOL CThumbnailCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    ThumbnailCtrlPrivate& p = *m_private;
    p.metrics.listMode = (style & kListStyle) == kListStyle;
    p.singleSelection = (style & kSingleSelection) != 0;
    if (!RegisterSkinWindowClass(kThumbnailClass))
        return FALSE;
    return CreateEx(0, kThumbnailClass, nullptr, style, rect, parent, id);
}

int CThumbnailCtrl::OnCreate(LPCREATESTRUCTW create)
{
    if (CWnd::OnCreate(create) == -1)
        return -1;
    ThumbnailCtrlPrivate& p = *m_private;
    if (!p.store.Create(WS_CHILD | LVS_REPORT, RECT{0, 0, 0, 0}, this, 0))
        return -1;
    p.store.InsertColumn(0, L"");
    RECT client{};
    GetClientRect(&client);
    const RECT strip{client.right - p.scrollBarWidth, 0, client.right, client.bottom};
    if (!p.scrollBar.Create(WS_CHILD | SBS_VERT | SBS_LEFTALIGN, strip, this, kScrollBarId))
        return -1;
    UpdateScrollBar();
    // Known from the start, so a drop is recognised whichever view began the drag.
    p.dragFormat = static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(kDragFormat));
    p.dropTarget.Register(this);   // without OLE on the thread the view just takes no drops
    EnableToolTips(TRUE);
    return 0;
}

// --- Set-up --------------------------------------------------------------------------

BOOL CThumbnailCtrl::SetThumbnailImages(HBITMAP normal, HBITMAP highlight, HBITMAP selected, HBITMAP disabled)
{
    if (!normal || !highlight || !selected)
        return FALSE;
    ThumbnailCtrlPrivate& p = *m_private;
    HandBitmap(p.normalBk, normal);
    HandBitmap(p.highlightBk, highlight);
    HandBitmap(p.selectedBk, selected);
    HandBitmap(p.disabledBk, disabled);
    if (!p.metrics.listMode) {
        SIZE size{};
        if (GetBitmapSize(normal, size) == 0)
            p.metrics.image = size;
        if (GetBitmapSize(highlight, size) == 0)
            p.hover = size;
    }
    return TRUE;
}

BOOL CThumbnailCtrl::SetItemSize(int width, int height)
{
    ThumbnailCtrlPrivate& p = *m_private;
    if (p.metrics.listMode || width < 1 || height < 1)
        return FALSE;
    p.metrics.item = SIZE{width, height};
    if (p.metrics.image.cx == -1 && p.metrics.image.cy == -1) {
        p.metrics.image = SIZE{width, std::max(height - 2, 0)};
        p.hover = p.metrics.image;
    }
    p.itemSizeSet = true;
    return TRUE;
}

void CThumbnailCtrl::SetItemPartRects(const RECT* imageNormal, const RECT* labelNormal, const RECT* imageHot,
                                      const RECT* labelHot)
{
    ThumbnailCtrlPrivate& p = *m_private;
    const RECT* const given[] = {imageNormal, labelNormal, imageHot, labelHot};
    for (int i = 0; i < 4; ++i) {
        if (given[i])
            p.parts[i] = *given[i];
    }
    p.partRectsSet = true;
}

BOOL CThumbnailCtrl::SetLineHeight(int height)
{
    if (height < 1)
        return FALSE;
    m_private->metrics.lineHeight = height;
    return TRUE;
}

void CThumbnailCtrl::SetCtrlClickMode(bool on)
{
    m_private->ctrlClick = on;
}

void CThumbnailCtrl::SetDragMode(bool on)
{
    m_private->dragMode = on;
}

void CThumbnailCtrl::SetBackgroundImage(HBITMAP image)
{
    HandBitmap(m_private->backgroundImage, image);
    if (m_hWnd)
        Invalidate(FALSE);
}

int CThumbnailCtrl::ReleaseImages()
{
    m_private->backgroundImage.DeleteObject();
    return 0;
}

CScrollBarEx& CThumbnailCtrl::GetScrollBar()
{
    return m_private->scrollBar;
}

// --- Geometry and scrolling --------------------------------------------------------------

SIZE CThumbnailCtrl::ViewSize() const
{
    RECT client{};
    if (m_hWnd)
        ::GetClientRect(m_hWnd, &client);
    const ThumbnailCtrlPrivate& p = *m_private;
    int width = client.right;
    if (p.scrollBarNeeded && p.scrollBarAllowed)
        width = std::max(width - p.scrollBarWidth, 0);
    return SIZE{width, client.bottom};
}

ThumbnailGrid CThumbnailCtrl::Grid() const
{
    return MakeThumbnailGrid(m_private->metrics, ViewSize(), GetScrollPosition(), GetItemCount());
}

int CThumbnailCtrl::GetScrollPosition() const
{
    const CScrollBarEx& bar = m_private->scrollBar;
    return bar.GetSafeHwnd() ? bar.GetScrollInfo().nPos : 0;
}

void CThumbnailCtrl::UpdateScrollBar()
{
    ThumbnailCtrlPrivate& p = *m_private;
    if (!p.scrollBar.GetSafeHwnd())
        return;
    const ThumbnailScroll needs = ThumbnailScrollNeeds(Grid());
    p.scrollBarNeeded = needs.needed;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = needs.maximum;
    info.nPage = static_cast<UINT>(std::max(needs.page, 0));
    // Kept where the view is still filled: a bar that goes away must leave the first row
    // in view, or the rows above could not be scrolled back to.
    info.nPos = std::clamp(GetScrollPosition(), 0, needs.LastPosition());
    p.scrollBar.SetScrollInfo(info);

    RECT client{};
    GetClientRect(&client);
    const bool shown = needs.needed && p.scrollBarAllowed;
    p.scrollBar.SetWindowPos(nullptr, client.right - p.scrollBarWidth, 0, p.scrollBarWidth, client.bottom,
                             SWP_NOZORDER | SWP_NOACTIVATE | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void CThumbnailCtrl::Refresh()
{
    UpdateScrollBar();
    if (m_hWnd)
        Invalidate(TRUE);
}

BOOL CThumbnailCtrl::GetItemRect(int index, int part, RECT* rect) const
{
    const ThumbnailGrid grid = Grid();
    if (!rect || index < 0 || index >= grid.count || grid.Empty())
        return FALSE;
    if (part == kPartCell)
        *rect = ThumbnailCell(grid, index);
    else if (part == kPartImage)
        *rect = ThumbnailImageArea(grid, index);
    return TRUE;
}

int CThumbnailCtrl::HitTest(POINT point) const
{
    return ThumbnailHitTest(Grid(), point);
}

int CThumbnailCtrl::GetInsertIndex(POINT point) const
{
    return ThumbnailInsertIndex(Grid(), point);
}

BOOL CThumbnailCtrl::EnsureVisible(int index)
{
    const ThumbnailGrid grid = Grid();
    if (index < 0 || index >= grid.count || grid.Empty())
        return FALSE;
    int first = -1;
    int last = -1;
    ThumbnailVisibleItems(grid, first, last);
    const ThumbnailScroll needs = ThumbnailScrollNeeds(grid);
    int position = grid.position;
    if (first < 0 || index < first)
        position = std::max(position - (std::max(first, 0) / grid.cols - index / grid.cols) * grid.unitsPerRow, 0);
    else if (index > last)
        position = std::min(position + (index / grid.cols - last / grid.cols) * grid.unitsPerRow, needs.LastPosition());
    SetScrollPosition(position);
    Invalidate(TRUE);
    return TRUE;
}

void CThumbnailCtrl::SetScrollPosition(int position)
{
    CScrollBarEx& bar = m_private->scrollBar;
    if (!bar.GetSafeHwnd() || position == bar.GetScrollInfo().nPos)
        return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    info.nPos = position;
    bar.SetScrollInfo(info);
}

// --- Messages ----------------------------------------------------------------------

LRESULT CThumbnailCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    ThumbnailCtrlPrivate& p = *m_private;
    switch (message) {
    case WM_NOTIFY: {
        NMHDR& header = *reinterpret_cast<NMHDR*>(lParam);
        LRESULT result = 0;
        if (p.store.GetSafeHwnd() && header.hwndFrom == p.store.GetSafeHwnd() && OnStoreNotify(header, result))
            return result;
        break;
    }
    case WM_VSCROLL:
        if (reinterpret_cast<HWND>(lParam) == p.scrollBar.GetSafeHwnd()) {
            OnScroll(LOWORD(wParam), HIWORD(wParam));
            return 0;
        }
        break;
    case WM_MOUSEWHEEL:
        OnScroll(GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        return 0;
    case WM_SIZE:
        UpdateScrollBar();
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        CPaintDC paint(this);
        const SIZE view = ViewSize();
        if (const HBITMAP image = p.frame.Get(paint, view)) {
            BitmapDC frame(paint, image);
            DrawView(&frame);
            paint.BitBlt(0, 0, view.cx, view.cy, &frame, 0, 0, SRCCOPY);
        }
        return 0;
    }
    case WM_DESTROY: {
        const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        p.dropTarget.Revoke();
        if (p.store.GetSafeHwnd())
            p.store.DeleteAllItems();   // each record goes with its item
        p.records.clear();
        return result;
    }
    case WM_WINDOWPOSCHANGED:
        RepaintOverLayeredParent(m_hWnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
        break;
    case WM_DROPTARGET_DRAGOVER:
        return OnDragOver(lParam);
    case WM_DROPTARGET_DRAGLEAVE:
        return OnDragLeave();
    case WM_DROPTARGET_DROPEX:
        return -1;
    case WM_DROPTARGET_DROP:
        return OnDrop(lParam);
    default:
        if (IsChildMouseMessage(message)) {
            if (const HWND parent = ::GetParent(m_hWnd))
                ::SendMessageW(parent, WM_VXL_CHILDMOUSE, MAKEWPARAM(message, GetDlgCtrlID()), lParam);
            OnMouse(message, wParam, lParam);
        }
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CThumbnailCtrl::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->hwnd == m_hWnd) {
        NMLVKEYDOWN key{};
        key.wVKey = static_cast<WORD>(msg->wParam);
        const LRESULT answer = NotifyParent(key.hdr, LVN_KEYDOWN);
        const bool arrow = key.wVKey == VK_LEFT || key.wVKey == VK_RIGHT || key.wVKey == VK_UP || key.wVKey == VK_DOWN;
        if (answer == 0 && GetItemCount() > 0 && arrow)
            OnArrowKey(key.wVKey);
    }
    return CWnd::PreTranslateMessage(msg);
}

// --- Tool tips -----------------------------------------------------------------------

INT_PTR CThumbnailCtrl::OnToolHitTest(CPoint point, TOOLINFOW* info) const
{
    const int index = HitTest(point);
    if (index < 0 || !info)
        return -1;
    info->hwnd = m_hWnd;
    info->uId = static_cast<UINT_PTR>(index);
    info->rect = ThumbnailCell(Grid(), index);
    info->lpszText = LPSTR_TEXTCALLBACKW;
    info->uFlags |= TTF_CENTERTIP;
    return index;
}

BOOL CThumbnailCtrl::OnToolTipText(UINT id, NMHDR* header, LRESULT* result)
{
    auto* const tip = reinterpret_cast<NMTTDISPINFOW*>(header);
    // Long texts wrap rather than run off the screen.
    if (::SendMessageW(header->hwndFrom, TTM_GETMAXTIPWIDTH, 0, 0) == -1)
        ::SendMessageW(header->hwndFrom, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
    const int index = static_cast<int>(id);
    CString text = GetItemToolTip(index);
    if (text.IsEmpty())
        text = GetItemText(index);
    const size_t room = std::size(tip->szText) - 1;
    const size_t length = std::min(static_cast<size_t>(text.GetLength()), room);
    std::wmemcpy(tip->szText, static_cast<LPCWSTR>(text), length);
    tip->szText[length] = L'\0';
    tip->lpszText = tip->szText;
    *result = 0;
    return TRUE;
}

} // namespace Vexel
