// CUIWnd on resize: the children follow their layout modes, the window keeps within its
// size limits, a caption-less window resizes from its borders, and splitters beside it
// may not squeeze it below its minimum width.
#include "skin/ui/RectCtrl.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/UIWndPrivate.h"

#include <algorithm>
#include <cwchar>

namespace Vexel {

using namespace record_read;

int CUIWnd::CalcLayoutRect(const RECT* design, const POINT* resizingPoint, RECT* out, int cx, int cy, int rawCx,
                           int rawCy, int horMode, int verMode)
{
    if (!design || !resizingPoint || !out)
        return 0;
    const DesignFrame frame{m_pPrivate->backgroundSize, *resizingPoint};
    *out = LayoutRect(*design, frame, cx, cy, rawCx, rawCy, horMode, verMode);
    return 0;
}

int CUIWnd::MapTaskWndRect(const RECT* design, RECT* out) const
{
    if (!design || !out)
        return -1;
    CRect client;
    GetClientRect(&client);
    const DesignFrame frame{m_pPrivate->backgroundSize, Point(m_pPrivate->record, UiWndVar::ResizingPoint)};
    *out = MapDesignRect(*design, frame, client.Size());
    return 0;
}

int CUIWnd::HitTestBorder(int x, int y)
{
    if (IsZoomed())
        return HTCLIENT;
    CRect client;
    GetClientRect(&client);
    const BorderHit hit = HitTestBorderAt(x, y, client.Size(), m_pPrivate->borders);
    ::SetCursor(::LoadCursorW(nullptr, hit.cursor));
    return hit.code;
}

void CUIWnd::LayoutChildren(int rawCx, int rawCy)
{
    UIWndPrivate& p = *m_pPrivate;
    const SIZE background = p.backgroundSize;
    const POINT point = Point(p.record, UiWndVar::ResizingPoint);
    const int cx = std::max<int>(rawCx, background.cx);
    const int cy = std::max<int>(rawCy, background.cy);

    const DesignFrame frame{background, point};
    p.clientArea = MapDesignRect(Rect(p.record, UiWndVar::ClientArea), frame, {rawCx, rawCy});

    for (ChildControlRecord& child : p.children) {
        if (!child.control || !child.properties)
            continue;
        const int hor = Enum(*child.properties, CtrlVar::HorLayoutMode, ValueKind::HorLayoutMode);
        const int ver = Enum(*child.properties, CtrlVar::VerLayoutMode, ValueKind::VerLayoutMode);
        if (hor == kLayoutFree && ver == kLayoutFree)
            continue;

        if (child.placeholder) {
            RECT out;
            CalcLayoutRect(&child.designRect, &point, &out, cx, cy, rawCx, rawCy, hor, ver);
            child.placeholder->MoveRect(out);
            continue;
        }
        if (!child.window || !child.window->GetSafeHwnd())
            continue;
        const HWND hwnd = child.window->GetSafeHwnd();

        const bool combo = IsType(child, L"COMBOBOX");
        const bool fixedSize = IsType(child, L"IPADDRESS") || IsType(child, L"SPIN");
        RECT design = child.designRect;
        CRect current;
        ::GetWindowRect(hwnd, &current);
        if (combo)   // the design rectangle includes the drop-down list
            design.bottom = design.top + current.Height();

        RECT out;
        CalcLayoutRect(&design, &point, &out, cx, cy, rawCx, rawCy, hor, ver);
        if (combo)
            out.bottom = out.top + current.Height();
        if (fixedSize) {
            out.right = out.left + (design.right - design.left);
            out.bottom = out.top + (design.bottom - design.top);
        }

        if (!SendMessage(WM_VXL_CANLAYOUTCHILD, 0, reinterpret_cast<LPARAM>(hwnd)))
            continue;

        if (combo) {
            // Hidden while it moves, so its drop-down does not flicker.
            const LRESULT selection = ::SendMessageW(hwnd, CB_GETEDITSEL, 0, 0);
            const bool visible = ::IsWindowVisible(hwnd) != FALSE;
            if (visible)
                ::ShowWindow(hwnd, SW_HIDE);
            ::MoveWindow(hwnd, out.left, out.top, out.right - out.left, out.bottom - out.top, FALSE);
            ::SendMessageW(hwnd, CB_SETEDITSEL, 0, selection);
            if (visible)
                ::ShowWindow(hwnd, SW_SHOWNA);
        } else {
            ::MoveWindow(hwnd, out.left, out.top, out.right - out.left, out.bottom - out.top, TRUE);
        }
    }

    if (p.regionOnResize && Switch(p.record, UiWndVar::IsResizing) && !p.layered &&
        Switch(p.record, UiWndVar::IsUseMaskColor))
        UpdateWindowRegion(cx, cy);

    for (HostedTaskWndMgr* manager : p.hostedTaskWndMgrs) {
        RECT design;
        CRect area;
        if (manager->GetTaskWndRect(design)) {
            MapTaskWndRect(&design, &area);
        } else {
            GetWindowRect(&area);
            ScreenToClient(&area);
        }
        manager->MoveTaskWindows(area);
    }
}

MINMAXINFO CUIWnd::QueryMinMaxInfo()
{
    MINMAXINFO info{};
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    info.ptMaxSize = {work.right - work.left, work.bottom - work.top};
    info.ptMinTrackSize = {m_pPrivate->backgroundSize.cx, m_pPrivate->backgroundSize.cy};
    // A derived window may change the limits.
    SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

void CUIWnd::LimitWindowPos(WINDOWPOS& pos)
{
    const MINMAXINFO info = QueryMinMaxInfo();
    ClampWindowPos(pos, {info.ptMinTrackSize.x, info.ptMinTrackSize.y}, {info.ptMaxSize.x, info.ptMaxSize.y});
}

bool CUIWnd::BorderResizing() const
{
    return m_pPrivate->borderResizeEnabled && Switch(m_pPrivate->record, UiWndVar::IsResizing);
}

void CUIWnd::OnBorderButtonDown(LPARAM lParam)
{
    UIWndPrivate& p = *m_pPrivate;
    CPoint point(lParam);
    p.dragHitCode = HitTestBorder(point.x, point.y);
    if (p.dragHitCode == HTCLIENT)
        return;
    SetCapture();
    ClientToScreen(&point);
    p.dragStartPoint = point;
    GetWindowRect(&p.dragStartRect);
}

void CUIWnd::OnBorderMouseMove(LPARAM lParam)
{
    UIWndPrivate& p = *m_pPrivate;
    CPoint point(lParam);
    if (p.dragHitCode == HTCLIENT) {
        HitTestBorder(point.x, point.y);   // the cursor only
        return;
    }
    const MINMAXINFO info = QueryMinMaxInfo();
    ClientToScreen(&point);
    const POINT delta{point.x - p.dragStartPoint.x, point.y - p.dragStartPoint.y};
    const CRect rect =
        DragBorderRect(p.dragHitCode, p.dragStartRect, delta, {info.ptMinTrackSize.x, info.ptMinTrackSize.y});
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), 0);
    UpdateWindow();
}

void CUIWnd::ResetBorderDrag(bool releaseCapture)
{
    UIWndPrivate& p = *m_pPrivate;
    p.dragHitCode = HTCLIENT;
    p.dragStartRect = RECT{0, 0, 0, 0};
    p.dragStartPoint = POINT{0, 0};
    if (releaseCapture)
        ::ReleaseCapture();
}

LRESULT CUIWnd::OnSplitterMoving(LPARAM lParam)
{
    auto* const move = reinterpret_cast<SplitterMoveRecord*>(lParam);
    if (!move)
        return 0;
    const MINMAXINFO info = QueryMinMaxInfo();
    const HWND parent = ::GetParent(m_hWnd);
    CRect window;
    GetWindowRect(&window);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&window), 2);
    RECT proposed = move->proposed;
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&proposed), 2);
    if (FitSplitterProposal(window, proposed, move->side, info.ptMinTrackSize.x))
        return 0;
    ::MapWindowPoints(parent, nullptr, reinterpret_cast<LPPOINT>(&proposed), 2);
    move->proposed = proposed;
    return -1;
}

LRESULT CUIWnd::OnSplitterMoved(LPARAM lParam)
{
    const auto* const move = reinterpret_cast<const SplitterMoveRecord*>(lParam);
    if (!move)
        return 0;
    const HWND parent = ::GetParent(m_hWnd);
    CRect window;
    GetWindowRect(&window);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&window), 2);
    RECT second = move->second;
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&second), 2);
    const CRect settled = SettleAgainstSplitter(window, second, move->side);
    MoveWindow(&settled, TRUE);
    return 0;
}

} // namespace Vexel
