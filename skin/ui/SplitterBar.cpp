#include "skin/ui/SplitterBar.h"

#include "framework/CallbackGuard.h"
#include "framework/WinApp.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/UIWndGeometry.h"
#include "skin/ui/WndProcRegistry.h"

namespace Vexel {

IMPLEMENT_DYNAMIC(CSplitterBar, CRectCtrl)

namespace {

int OppositeSide(int side)
{
    switch (side) {
    case CSplitterBar::kLeft: return CSplitterBar::kRight;
    case CSplitterBar::kRight: return CSplitterBar::kLeft;
    case CSplitterBar::kTop: return CSplitterBar::kBottom;
    case CSplitterBar::kBottom: return CSplitterBar::kTop;
    default: return side;
    }
}

WNDPROC CurrentProcedure(HWND window)
{
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC));
}

void SetProcedure(HWND window, WNDPROC procedure)
{
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

// The 50 % grey of the drag feedback: alternate pixels, so inverting it twice restores them.
bool MakeHalftoneBrush(CBrush& brush)
{
    static constexpr WORD kRows[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    CBitmap pattern;
    return pattern.CreateBitmap(8, 8, 1, 1, kRows) && brush.CreatePatternBrush(&pattern);
}

} // namespace

CSplitterBar::~CSplitterBar()
{
    ReleaseParent();
}

BOOL CSplitterBar::Create(LPCWSTR name, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    const HWND window = parent ? parent->GetSafeHwnd() : nullptr;
    if (!window || !::IsWindow(window) || !CRectCtrl::Create(name, style, rect, parent, id))
        return FALSE;
    WNDPROC previous = nullptr;
    if (!LookupOldWndProc(window, &SplitterParentWndProc, previous)) {
        // Registered before it is installed, so the procedure always finds its predecessor.
        if (RegisterOldWndProc(window, &SplitterParentWndProc, CurrentProcedure(window)) != 0) {
            CRectCtrl::Destroy();
            return FALSE;
        }
        SetProcedure(window, &SplitterParentWndProc);
    }
    ::SetPropW(window, kSplitterProperty, this);
    m_hookedParent = window;
    return TRUE;
}

BOOL CSplitterBar::Destroy()
{
    ReleaseParent();
    return CRectCtrl::Destroy();
}

void CSplitterBar::SetPane(CWnd* pane, int side)
{
    m_pane = pane;
    m_side = side;
}

void CSplitterBar::ReleaseParent()
{
    const HWND window = m_hookedParent;
    m_hookedParent = nullptr;
    if (!window || !::IsWindow(window) || ::GetPropW(window, kSplitterProperty) != this)
        return;   // gone, or another splitter of the same parent holds the hook now
    if (m_dragging)
        EndDrag();
    ::RemovePropW(window, kSplitterProperty);
    WNDPROC previous = nullptr;
    // Only while ours is the procedure on top can the previous one go back; otherwise ours
    // stays in the chain and, without the property, only forwards.
    if (LookupOldWndProc(window, &SplitterParentWndProc, previous) && CurrentProcedure(window) == &SplitterParentWndProc) {
        SetProcedure(window, previous);
        UnregisterOldWndProc(window, &SplitterParentWndProc);
    }
}

LRESULT CALLBACK CSplitterBar::SplitterParentWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous = nullptr;
    if (!LookupOldWndProc(window, &SplitterParentWndProc, previous) || !previous)
        return 0;
    auto* const splitter = static_cast<CSplitterBar*>(::GetPropW(window, kSplitterProperty));
    if (message == WM_NCDESTROY) {
        // The previous procedure is in hand: let go of the window, then the parent still
        // gets its WM_NCDESTROY (which may delete the splitter with the parent's children).
        if (splitter)
            splitter->m_hookedParent = nullptr;
        ::RemovePropW(window, kSplitterProperty);
        if (CurrentProcedure(window) == &SplitterParentWndProc)
            SetProcedure(window, previous);
        UnregisterOldWndProc(window, &SplitterParentWndProc);
        return ::CallWindowProcW(previous, window, message, wParam, lParam);
    }
    if (splitter) {
        try {
            splitter->OnParentMessage(message, lParam);
        } catch (...) {
            AfxReportCallbackException("splitter bar");
        }
    }
    return ::CallWindowProcW(previous, window, message, wParam, lParam);
}

void CSplitterBar::OnParentMessage(UINT message, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
        OnMouseMove(CPoint(lParam));
        break;
    case WM_LBUTTONDOWN:
        OnButtonDown(CPoint(lParam));
        break;
    case WM_LBUTTONUP:
        OnButtonUp(CPoint(lParam));
        break;
    case WM_CAPTURECHANGED:
        OnCaptureChanged();
        break;
    default:
        break;
    }
}

RECT CSplitterBar::DraggedRect(POINT point) const
{
    CRect rect;
    GetRect(rect);
    GetParent()->ClientToScreen(&rect);
    rect.OffsetRect(point.x - m_pressPoint.x, 0);   // the bar moves only sideways
    return rect;
}

bool CSplitterBar::HasPaneWindow() const
{
    return m_pane && ::IsWindow(m_pane->GetSafeHwnd());
}

void CSplitterBar::OnMouseMove(POINT point)
{
    RECT current;
    GetRect(current);
    if (::PtInRect(&current, point))
        ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEWE));
    if (!m_dragging)
        return;

    SplitterMoveRecord move;
    move.proposed = DraggedRect(point);
    move.second = m_dragRect;
    if (HasPaneWindow()) {
        move.side = m_side >= kLeft && m_side <= kBottom ? m_side : -1;
        if (m_pane->SendMessage(WM_VXL_SPLITTERMOVING, 0, reinterpret_cast<LPARAM>(&move)) == 0) {
            move.side = OppositeSide(move.side);
            GetParent()->SendMessage(WM_VXL_SPLITTERMOVING, 0, reinterpret_cast<LPARAM>(&move));
        }
    } else {
        move.side = kRight;
        GetParent()->SendMessage(WM_VXL_SPLITTERMOVING, 0, reinterpret_cast<LPARAM>(&move));
    }
    DrawDragBar(move.proposed);   // where the neighbours let it go
}

void CSplitterBar::OnButtonDown(POINT point)
{
    RECT current;
    GetRect(current);
    if (!::PtInRect(&current, point))
        return;
    m_pressed = TRUE;
    GetParent()->SetCapture();
    m_pressPoint = point;
    ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEWE));
    m_dragging = TRUE;
    DrawDragBar(DraggedRect(point));   // drawn at once, so every later inversion pairs up
}

void CSplitterBar::OnButtonUp(POINT point)
{
    if (!m_pressed)
        return;
    const RECT settled = m_dragRect;   // the last place the neighbours accepted
    SplitterMoveRecord move;
    move.proposed = DraggedRect(point);
    move.second = settled;
    EndDrag();

    const bool pane = HasPaneWindow();
    if (pane) {
        move.side = m_side;
        m_pane->SendMessage(WM_VXL_SPLITTERMOVED, 0, reinterpret_cast<LPARAM>(&move));
    }
    // The parent hears the side it was asked with while the bar moved.
    move.side = pane ? OppositeSide(m_side) : kRight;
    GetParent()->SendMessage(WM_VXL_SPLITTERMOVED, 0, reinterpret_cast<LPARAM>(&move));

    if (!::IsRectEmpty(&settled)) {
        CRect rect(settled);
        GetParent()->ScreenToClient(&rect);
        MoveRect(rect);   // the bar stays where it was dropped
    }
    RedrawMainWindow();
}

void CSplitterBar::OnCaptureChanged()
{
    if (!m_dragging)
        return;
    EndDrag();
    RedrawMainWindow();
}

void CSplitterBar::EndDrag()
{
    // Cleared first: giving the capture back sends WM_CAPTURECHANGED, which must find no
    // drag left to cancel.
    m_pressed = FALSE;
    m_dragging = FALSE;
    const HWND parent = m_hookedParent;
    if (parent && ::GetCapture() == parent)
        ::ReleaseCapture();
    DrawDragBar(RECT{0, 0, 0, 0});
    m_pressPoint = POINT{0, 0};
}

void CSplitterBar::RedrawMainWindow()
{
    CWnd* target = AfxGetMainWnd();
    if (!target || !target->GetSafeHwnd())
        target = GetParent();   // a program without a main window: at least the bar's own window
    if (target && target->GetSafeHwnd())
        target->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CSplitterBar::DrawDragBar(const RECT& rect)
{
    if (!m_halftone.GetSafeHandle() && !MakeHalftoneBrush(m_halftone))
        return;
    WindowDCScope screen(nullptr);
    const HGDIOBJ old = ::SelectObject(screen, m_halftone.GetSafeHandle());
    const RECT* const rects[] = {&m_dragRect, &rect};
    for (const RECT* r : rects) {
        if (!::IsRectEmpty(r))
            ::PatBlt(screen, r->left, r->top, r->right - r->left, r->bottom - r->top, PATINVERT);
    }
    ::SelectObject(screen, old);
    m_dragRect = rect;
}

} // namespace Vexel
