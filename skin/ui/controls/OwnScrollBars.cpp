#include "skin/ui/controls/OwnScrollBars.h"

#include "skin/ui/controls/ScrollBarEx.h"

namespace Vexel {
namespace {

void PlaceBar(CScrollBarEx& bar, const RECT& rect)
{
    RECT now;
    bar.GetWindowRect(&now);
    ::MapWindowPoints(nullptr, ::GetParent(bar.GetSafeHwnd()), reinterpret_cast<POINT*>(&now), 2);
    if (!::EqualRect(&now, &rect))
        bar.MoveWindow(&rect, TRUE);
}

void ApplyRegion(HWND control, const OwnScrollBarLayout& layout, SIZE window, int barWidth, int barHeight,
                 AppliedRegion& applied)
{
    AppliedRegion wanted;
    wanted.set = true;
    wanted.vertical = layout.showVertical;
    wanted.horizontal = layout.showHorizontal;
    wanted.window = window;
    wanted.barWidth = barWidth;
    wanted.barHeight = barHeight;
    if (wanted == applied)
        return;
    CRgn region;
    if (!region.CreateRectRgn(0, 0, window.cx, window.cy))
        return;
    for (int i = 0; i < layout.cutCount; ++i) {
        CRgn cut;
        if (cut.CreateRectRgnIndirect(&layout.cuts[i]))
            region.CombineRgn(&region, &cut, RGN_DIFF);
    }
    if (!::SetWindowRgn(control, static_cast<HRGN>(region.GetSafeHandle()), TRUE))
        return;
    region.Detach();   // the window owns it now
    applied = wanted;
}

} // namespace

int CreateOwnBars(CWnd& control, CScrollBarEx& horizontal, CScrollBarEx& vertical)
{
    CWnd* const parent = control.GetParent();
    const RECT none{0, 0, 0, 0};
    if (!::IsWindow(horizontal.GetSafeHwnd()) && !horizontal.Create(WS_CHILD, none, parent, kOwnHorzBarId))
        return -1;
    if (!::IsWindow(vertical.GetSafeHwnd()) && !vertical.Create(WS_CHILD | SBS_VERT, none, parent, kOwnVertBarId))
        return -1;
    horizontal.m_pNotifyWnd = &control;
    vertical.m_pNotifyWnd = &control;
    return 0;
}

void SyncOwnBars(HWND control, CScrollBarEx& horizontal, CScrollBarEx& vertical)
{
    SCROLLINFO hInfo{sizeof(SCROLLINFO), SIF_ALL};
    SCROLLINFO vInfo{sizeof(SCROLLINFO), SIF_ALL};
    ::GetScrollInfo(control, SB_HORZ, &hInfo);
    ::GetScrollInfo(control, SB_VERT, &vInfo);
    horizontal.SetScrollInfo(hInfo);
    vertical.SetScrollInfo(vInfo);
}

void LayOutOwnBars(CWnd& control, CScrollBarEx& horizontal, CScrollBarEx& vertical, AppliedRegion& region)
{
    const HWND hwnd = control.GetSafeHwnd();
    if (!::IsWindow(hwnd))
        return;
    SCROLLINFO hInfo{sizeof(SCROLLINFO), SIF_ALL};
    SCROLLINFO vInfo{sizeof(SCROLLINFO), SIF_ALL};
    const bool needHorizontal = IsScrollBarNeeded(::GetScrollInfo(hwnd, SB_HORZ, &hInfo), hInfo);
    const bool needVertical = IsScrollBarNeeded(::GetScrollInfo(hwnd, SB_VERT, &vInfo), vInfo);

    RECT inParent;
    ::GetWindowRect(hwnd, &inParent);
    ::MapWindowPoints(nullptr, ::GetParent(hwnd), reinterpret_cast<POINT*>(&inParent), 2);
    const int barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = ::GetSystemMetrics(SM_CYHSCROLL);
    const OwnScrollBarLayout layout = LayOutOwnScrollBars(inParent, barWidth, barHeight, needVertical, needHorizontal);
    ApplyRegion(hwnd, layout, SIZE{inParent.right - inParent.left, inParent.bottom - inParent.top}, barWidth,
                barHeight, region);

    const bool controlVisible = (control.GetStyle() & WS_VISIBLE) != 0;
    const struct {
        CScrollBarEx& bar;
        bool show;
        const RECT& rect;
    } bars[] = {{vertical, layout.showVertical, layout.vertical}, {horizontal, layout.showHorizontal, layout.horizontal}};
    for (const auto& entry : bars) {
        if (!::IsWindow(entry.bar.GetSafeHwnd()))
            continue;
        if (!entry.show) {
            entry.bar.ShowWindow(SW_HIDE);
            continue;
        }
        PlaceBar(entry.bar, entry.rect);
        if (controlVisible)
            entry.bar.ShowWindow(SW_SHOW);
    }
    horizontal.SetScrollInfo(hInfo);
    vertical.SetScrollInfo(vInfo);
}

bool IsNonClientAreaCutAway(HWND control)
{
    RECT window;
    RECT client;
    if (!::GetWindowRect(control, &window) || !::GetClientRect(control, &client))
        return false;
    ::MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&client), 2);
    ::OffsetRect(&client, -window.left, -window.top);
    ::OffsetRect(&window, -window.left, -window.top);
    CRgn shown;
    CRgn nonClient;
    CRgn clientArea;
    if (!shown.CreateRectRgn(0, 0, 0, 0) || ::GetWindowRgn(control, shown) == ERROR ||
        !nonClient.CreateRectRgnIndirect(&window) || !clientArea.CreateRectRgnIndirect(&client) ||
        nonClient.CombineRgn(&nonClient, &clientArea, RGN_DIFF) == ERROR)
        return false;
    return nonClient.CombineRgn(&nonClient, &shown, RGN_AND) == NULLREGION;
}

void HideOwnBars(CScrollBarEx& horizontal, CScrollBarEx& vertical)
{
    for (CScrollBarEx* bar : {&horizontal, &vertical}) {
        if (::IsWindow(bar->GetSafeHwnd()))
            bar->ShowWindow(SW_HIDE);
    }
}

void EnableOwnBars(CScrollBarEx& horizontal, CScrollBarEx& vertical, BOOL enable)
{
    for (CScrollBarEx* bar : {&horizontal, &vertical}) {
        if (::IsWindow(bar->GetSafeHwnd()))
            bar->EnableWindow(enable);
    }
}

} // namespace Vexel
