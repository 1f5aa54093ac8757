#include "skin/ui/controls/SkinTreeCtrl.h"

#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/controls/LayeredParent.h"
#include "skin/ui/controls/SkinTreeCtrlPrivate.h"
#include "skin/ui/controls/TreeViewDrawing.h"

namespace Vexel {
namespace {

bool IsForwardedMouseMessage(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSEWHEEL) || message == WM_MOUSEHOVER;
}

} // namespace

IMPLEMENT_DYNAMIC(CSkinTreeCtrl, CTreeCtrl)

BEGIN_MESSAGE_MAP(CSkinTreeCtrl, CTreeCtrl)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_TIMER()
    ON_WM_SHOWWINDOW()
    ON_NOTIFY_REFLECT(TVN_ITEMEXPANDINGW, &CSkinTreeCtrl::OnItemExpanding)
    ON_NOTIFY_REFLECT(TVN_ITEMEXPANDEDW, &CSkinTreeCtrl::OnItemExpanded)
END_MESSAGE_MAP()

CSkinTreeCtrl::CSkinTreeCtrl() : m_private(std::make_unique<SkinTreeCtrlPrivate>())
{
}

CSkinTreeCtrl::~CSkinTreeCtrl() = default;

// --- Images, fonts, tag ------------------------------------------------------------

int CSkinTreeCtrl::SetBackgroundImages(HBITMAP normal, HBITMAP disabled)
{
    HandBitmap(m_private->backgroundNormal, normal);
    HandBitmap(m_private->backgroundDisabled, disabled);
    return 0;
}

int CSkinTreeCtrl::SetBackgroundImages(const SharedBitmap& normal, const SharedBitmap& disabled)
{
    m_private->backgroundNormal = normal;
    m_private->backgroundDisabled = disabled;
    return 0;
}

int CSkinTreeCtrl::SetRootItemBkImages(HBITMAP focus, HBITMAP nonFocus)
{
    HandBitmap(m_private->rootFocusImage, focus);
    HandBitmap(m_private->rootNonFocusImage, nonFocus);
    return 0;
}

int CSkinTreeCtrl::GetRootItemBkImages(HBITMAP* focus, HBITMAP* nonFocus) const
{
    if (focus)
        *focus = m_private->rootFocusImage;
    if (nonFocus)
        *nonFocus = m_private->rootNonFocusImage;
    return 0;
}

int CSkinTreeCtrl::SetSelectedItemBkImages(HBITMAP focus, HBITMAP nonFocus)
{
    HandBitmap(m_private->selectedImage, focus);
    HandBitmap(m_private->selectedNonFocusImage, nonFocus);
    return 0;
}

int CSkinTreeCtrl::SetHighlightItemBkImages(HBITMAP focus, HBITMAP nonFocus)
{
    HandBitmap(m_private->hoverImage, focus);
    HandBitmap(m_private->hoverNonFocusImage, nonFocus);
    return 0;
}

int CSkinTreeCtrl::SetTag(LPCWSTR tag)
{
    if (!tag)
        return -1;
    m_private->tag = tag;
    return 0;
}

const CString& CSkinTreeCtrl::GetTag() const
{
    return m_private->tag;
}

int CSkinTreeCtrl::SetFonts(CFont* normal, CFont* disabled)
{
    SkinTreeCtrlPrivate& p = *m_private;
    // The window lets go of the old font before it is deleted.
    if (::IsWindow(m_hWnd))
        SendMessage(WM_SETFONT, 0, FALSE);
    p.fontNormal.DeleteObject();
    p.fontDisabled.DeleteObject();
    if (normal)
        p.fontNormal.Attach(normal->Detach());
    if (disabled)
        p.fontDisabled.Attach(disabled->Detach());
    if (::IsWindow(m_hWnd)) {
        const CFont& font = IsWindowEnabled() ? p.fontNormal : p.fontDisabled;
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    }
    return 0;
}

int CSkinTreeCtrl::ReleaseImages()
{
    SkinTreeCtrlPrivate& p = *m_private;
    if (::IsWindow(m_hWnd) && (p.fontNormal.GetSafeHandle() || p.fontDisabled.GetSafeHandle()))
        SendMessage(WM_SETFONT, 0, FALSE);
    p.fontNormal.DeleteObject();
    p.fontDisabled.DeleteObject();
    SharedBitmap* const held[] = {
        &p.backgroundNormal, &p.backgroundDisabled,    &p.collapseImage, &p.expandedImage,      &p.rootFocusImage,
        &p.rootNonFocusImage, &p.selectedImage,        &p.selectedNonFocusImage, &p.hoverImage, &p.hoverNonFocusImage,
    };
    for (SharedBitmap* image : held)
        image->Release();
    return 0;
}

int CSkinTreeCtrl::BuildBackgroundBitmap(CBitmap* slot, const CWnd* window, HBITMAP normal, HBITMAP disabled,
                                         int resizeX, int resizeY, int w, int h)
{
    if (!slot)
        return -1;
    slot->DeleteObject();
    const bool enabled = window && ::IsWindowEnabled(window->GetSafeHwnd());
    const HBITMAP image = enabled ? normal : disabled;
    if (image)
        CreateResizedBitmap(image, slot, resizeX, resizeY, w, h, 1, 1);
    return 0;
}

// --- Item heights ------------------------------------------------------------------

int CSkinTreeCtrl::RowsOfHeight(int height) const
{
    const int row = GetItemHeight();
    // A row count of 0 is no height the tree can show: an item is at least one row high.
    const int rows = (row > 0 && height > 0) ? height / row : 1;
    return rows > 0 ? rows : 1;
}

HTREEITEM CSkinTreeCtrl::InsertItemOfHeight(TVINSERTSTRUCTW& insert, int height)
{
    insert.itemex.mask |= TVIF_INTEGRAL;
    insert.itemex.iIntegral = RowsOfHeight(height);
    return InsertItem(&insert);
}

int CSkinTreeCtrl::SetItemHeight(HTREEITEM item, int height)
{
    TVITEMEXW change{};
    change.mask = TVIF_INTEGRAL | TVIF_HANDLE;
    change.hItem = item;
    change.iIntegral = RowsOfHeight(height);
    const BOOL set = static_cast<BOOL>(SendMessage(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change)));
    // Switching drawing on lays the rows out again with the new height. While the owner holds
    // drawing off, its own switching on does that once for every item it changed.
    if (!m_private->redrawHeld) {
        m_private->switchingRedraw = true;
        SetRedraw(TRUE);
        m_private->switchingRedraw = false;
    }
    return set ? 0 : -1;
}

// --- Messages ----------------------------------------------------------------------

LRESULT CSkinTreeCtrl::SendToParent(UINT message, WPARAM wParam, const void* data) const
{
    const HWND parent = ::GetParent(m_hWnd);
    if (!parent)
        return 0;
    return ::SendMessageW(parent, message, wParam, reinterpret_cast<LPARAM>(data));
}

LRESULT CSkinTreeCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsForwardedMouseMessage(message))
        SendToParent(WM_VXL_CHILDMOUSE, MAKEWPARAM(message, GetDlgCtrlID()), reinterpret_cast<const void*>(lParam));
    SkinTreeCtrlPrivate& p = *m_private;
    ++p.messageDepth;
    const LRESULT result = Dispatch(message, wParam, lParam);
    if (--p.messageDepth == 0 && p.expandsWithoutRedraw > 0) {
        p.expandsWithoutRedraw = 0;
        RestoreRedrawAfterExpand();
    }
    return result;
}

LRESULT CSkinTreeCtrl::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    SkinTreeCtrlPrivate& p = *m_private;
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        return OnScrollMessage(message, wParam, lParam);
    case WM_MOUSEWHEEL: {
        Invalidate(TRUE);
        const LRESULT result = CTreeCtrl::WindowProc(message, wParam, lParam);
        SyncOwnScrollBars();
        return result;
    }
    case WM_NCPAINT:
        if (!(GetStyle() & WS_BORDER)) {
            if (p.ownScrollBars && IsNonClientAreaCutAway(m_hWnd))
                return 0;
            break;
        }
        DefWindowProc(message, wParam, lParam);
        DrawFrameFromResizedBitmap(m_hWnd, p.backgroundNormal, p.useParentResizePoint, p.resizePoint.x,
                                   p.resizePoint.y);
        return 0;
    case WM_SIZE:
    case WM_MOVE: {
        const LRESULT result = CTreeCtrl::WindowProc(message, wParam, lParam);
        LayoutOwnScrollBars();
        return result;
    }
    case WM_SETREDRAW:
        if (!p.switchingRedraw)
            p.redrawHeld = wParam == FALSE;
        break;
    case WM_ENABLE:
        if (p.ownScrollBars)
            EnableOwnBars(p.hScroll, p.vScroll, static_cast<BOOL>(wParam));
        break;
    case WM_WINDOWPOSCHANGED:
        if (lParam)
            RepaintOverLayeredParent(m_hWnd, *reinterpret_cast<const WINDOWPOS*>(lParam));
        break;
    default:
        break;
    }
    return CTreeCtrl::WindowProc(message, wParam, lParam);
}

void CSkinTreeCtrl::OnMouseMove(UINT, CPoint point)
{
    SkinTreeCtrlPrivate& p = *m_private;
    if (p.hoverEnabled) {
        const HTREEITEM item = HitTest(point);
        if (item != p.hoverItem) {
            NMTREEVIEWW change{};
            change.hdr.hwndFrom = m_hWnd;
            change.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
            change.hdr.code = static_cast<UINT>(TVN_VXL_HOVERCHANGING);
            change.itemOld.hItem = p.hoverItem;
            change.itemNew.hItem = item;
            if (!SendToParent(WM_NOTIFY, change.hdr.idFrom, &change)) {
                p.hoverItem = item;
                change.hdr.code = static_cast<UINT>(TVN_VXL_HOVERCHANGED);
                SendToParent(WM_NOTIFY, change.hdr.idFrom, &change);
            }
            Invalidate(TRUE);
        }
    }
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, m_hWnd, p.hoverTime};
    ::TrackMouseEvent(&track);
    Default();
}

void CSkinTreeCtrl::OnMouseLeave()
{
    SkinTreeCtrlPrivate& p = *m_private;
    if (p.hoverEnabled) {
        p.hoverItem = nullptr;
        Invalidate(TRUE);
    }
    Default();
}

void CSkinTreeCtrl::OnLButtonDblClk(UINT, CPoint)
{
    NMHDR header{};
    header.hwndFrom = m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    header.code = static_cast<UINT>(NM_VXL_DBLCLKITEM);
    if (SendToParent(WM_NOTIFY, header.idFrom, &header))
        return;
    Default();
}

void CSkinTreeCtrl::OnTimer(UINT_PTR id)
{
    if (id == kLabelEditTimer)
        Invalidate(TRUE);
    Default();
}

void CSkinTreeCtrl::OnShowWindow(BOOL show, UINT)
{
    SkinTreeCtrlPrivate& p = *m_private;
    if (p.ownScrollBars) {
        if (show)
            LayoutOwnScrollBars();
        else
            HideOwnBars(p.hScroll, p.vScroll);
    }
    Default();
}

// Redraw is off while an item expands, so the tree does not flicker through the change.
void CSkinTreeCtrl::OnItemExpanding(NMHDR*, LRESULT* result)
{
    SkinTreeCtrlPrivate& p = *m_private;
    if (p.expandsWithoutRedraw > 0) {
        ++p.expandsWithoutRedraw;
    } else if (IsWindowVisible() && !p.redrawHeld) {
        p.switchingRedraw = true;
        SetRedraw(FALSE);
        p.switchingRedraw = false;
        p.expandsWithoutRedraw = 1;
    }
    *result = 0;
}

void CSkinTreeCtrl::OnItemExpanded(NMHDR*, LRESULT* result)
{
    SkinTreeCtrlPrivate& p = *m_private;
    if (p.expandsWithoutRedraw > 0 && --p.expandsWithoutRedraw == 0)
        RestoreRedrawAfterExpand();
    *result = 0;
}

void CSkinTreeCtrl::RestoreRedrawAfterExpand()
{
    if (!::IsWindow(m_hWnd))
        return;
    m_private->switchingRedraw = true;
    SetRedraw(TRUE);
    m_private->switchingRedraw = false;
    Invalidate(TRUE);
    LayoutOwnScrollBars();
    UpdateWindow();
}

HTREEITEM CSkinTreeCtrl::ItemOfDrawItem(const DRAWITEMSTRUCT& draw)
{
    return TreeRowItem(draw);
}

} // namespace Vexel
