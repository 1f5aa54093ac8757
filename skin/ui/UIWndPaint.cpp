// CUIWnd's look: the background images, the double-buffered paint whose bitmap the
// controls copy their backgrounds from, the mask-colour shape and the layered window.
#include "framework/WndDC.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/BitmapDrawing.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/DpiScaling.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/SkinImageStore.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/UIWndPrivate.h"

#include <algorithm>
#include <cwchar>

namespace Vexel {

using namespace record_read;

namespace {

constexpr COLORREF kDefaultMaskColor = RGB(0xFF, 0x00, 0xFF);

} // namespace

int CUIWnd::LoadBackgroundImages(HBITMAP* background, HBITMAP* normal, HBITMAP* highlight, HBITMAP* selected,
                                 HBITMAP* disabled, BOOL* deleteAfterUse)
{
    if (deleteAfterUse)
        *deleteAfterUse = TRUE;
    const UIWNDPROPERTIES& record = m_pPrivate->record;
    CBitmap images[5];   // background, normal, highlight, selected, disabled
    constexpr int kVars[5] = {UiWndVar::BackgroundHide, CtrlVar::BackgroundNormal, CtrlVar::BackgroundHighlight,
                              CtrlVar::BackgroundSelected, CtrlVar::BackgroundDisabled};
    HBITMAP* const outs[5] = {background, normal, highlight, selected, disabled};

    if (m_pPrivate->imagesFromFiles) {
        // Shared and only read: the background and the normal image are one image when the
        // window names no hidden background, and windows of one kind hold one set.
        const CString folder = g_skinStore.GetSkinFolder();
        SharedBitmap (&shared)[5] = m_pPrivate->loadedImages;
        const auto load = [&](int variable) { return SharedFileImage(folder + Text(record, variable), true); };
        shared[0] = load(UiWndVar::BackgroundHide);
        if (!shared[0])
            shared[0] = load(CtrlVar::BackgroundNormal);
        if (!shared[0])
            return 1;
        for (int i = 1; i < 5; ++i)
            shared[i] = load(kVars[i]);
        for (int i = 0; i < 5; ++i) {
            if (outs[i])
                *outs[i] = shared[i];
        }
        if (deleteAfterUse)
            *deleteAfterUse = FALSE;
        return 0;
    } else {
        const auto load = [&](int variable, CBitmap& out) {
            const int id = static_cast<int>(std::wcstol(Text(record, variable), nullptr, 10));
            HandBitmap(out, LoadBitmapResource(LOWORD(id)));
        };
        load(CtrlVar::BackgroundNormal, images[1]);
        if (!images[1].GetSafeHandle())
            return 2;
        load(UiWndVar::BackgroundHide, images[0]);
        if (!images[0].GetSafeHandle())
            load(CtrlVar::BackgroundNormal, images[0]);
        if (!images[0].GetSafeHandle())
            return 1;
        for (int i = 2; i < 5; ++i)
            load(kVars[i], images[i]);
    }

    for (int i = 0; i < 5; ++i) {
        if (outs[i])
            *outs[i] = static_cast<HBITMAP>(images[i].Detach());
    }
    return 0;   // an image nobody asked for goes with its CBitmap
}

void CUIWnd::ReleaseBackground()
{
    UIWndPrivate& p = *m_pPrivate;
    p.background.Release();
    p.shape.Clear();
    // Composed from the old background: a control asking now gets a fresh one.
    p.backgroundMemory.DeleteObject();
}

HBITMAP CUIWnd::ComposeBackground(HDC reference)
{
    UIWndPrivate& p = *m_pPrivate;
    if (!p.background.GetSafeHandle())
        return nullptr;
    CRect client;
    GetClientRect(&client);
    BorrowedDC target(reference);
    // Made again only when the client size changed: a paint of the same size draws over
    // the bitmap it has, and the handle the controls were given stays valid.
    BITMAP held{};
    if (!p.backgroundMemory.GetSafeHandle() || !p.backgroundMemory.GetBitmap(&held) ||
        held.bmWidth != client.Width() || held.bmHeight != client.Height()) {
        p.backgroundMemory.DeleteObject();
        if (!p.backgroundMemory.CreateCompatibleBitmap(&target, client.Width(), client.Height()))
            return nullptr;
    }
    BitmapDC memory(reference, p.backgroundMemory);
    if (!memory.GetSafeHdc())
        return nullptr;
    DrawBackground(&memory);
    return p.backgroundMemory;
}

void CUIWnd::OnPaint()
{
    CPaintDC dc(this);
    const HBITMAP composed = ComposeBackground(dc);
    if (!composed)
        return;   // no background: nothing is painted, and nothing was erased either
    CRect client;
    GetClientRect(&client);
    BitmapDC memory(dc, composed);
    dc.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
}

int CUIWnd::DrawBackground(CDC* dc)
{
    UIWndPrivate& p = *m_pPrivate;
    if (!p.background.GetSafeHandle() || !dc)
        return -1;
    CRect client;
    GetClientRect(&client);
    if (!Switch(p.record, UiWndVar::IsResizing)) {
        DrawBitmap(*dc, 0, 0, client.Width(), client.Height(), p.background, 0, 0, SRCCOPY);
        return 0;
    }
    // Stretched straight into the target, clipped to the client: no second client-sized
    // bitmap per paint.
    const POINT point = Point(p.record, UiWndVar::ResizingPoint);
    const int w = std::max<int>(client.Width(), p.backgroundSize.cx);
    const int h = std::max<int>(client.Height(), p.backgroundSize.cy);
    const bool clip = w > client.Width() || h > client.Height();   // a client below the design size
    const int saved = clip ? dc->SaveDC() : 0;
    if (clip)
        dc->IntersectClipRect(0, 0, client.Width(), client.Height());
    DrawResizedBitmapEx(*dc, 0, 0, w, h, p.background, Int(p.record, UiWndVar::XRepeatPixel, 1),
                        Int(p.record, UiWndVar::YRepeatPixel, 1), point.x, point.y);
    if (clip)
        dc->RestoreDC(saved);
    return 0;
}

int CUIWnd::NotifyChildren(WPARAM code)
{
    for (const ChildControlRecord& child : m_pPrivate->children) {
        if (child.window && child.window->GetSafeHwnd() && child.window->IsWindowVisible())
            child.window->SendMessage(WM_VXL_NOTIFYCHILD, code, 0);
    }
    return 0;
}

COLORREF CUIWnd::MaskColor() const
{
    COLORREF color = kDefaultMaskColor;
    g_skinStore.GetColorByID(Text(m_pPrivate->record, UiWndVar::MaskColorResID), &color);
    return color == CLR_INVALID ? kDefaultMaskColor : color;   // a colour resource holding no colour
}

void CUIWnd::ApplyWindowShape(int layered)
{
    UIWndPrivate& p = *m_pPrivate;
    if (layered) {
        ModifyStyleEx(0, WS_EX_LAYERED);
        if (Switch(p.record, UiWndVar::IsUpdateLayeredWindow)) {
            UpdateLayeredBackground(Int(p.record, UiWndVar::Alpha, 255));
        } else {
            DWORD flags = 0;
            if (Switch(p.record, UiWndVar::IsUseMaskColor))
                flags |= LWA_COLORKEY;
            if (Switch(p.record, UiWndVar::IsAlpha))
                flags |= LWA_ALPHA;
            ::SetLayeredWindowAttributes(m_hWnd, MaskColor(), ClampAlpha(Int(p.record, UiWndVar::Alpha, 255)), flags);
        }
        p.layered = 1;
        return;
    }
    ModifyStyleEx(WS_EX_LAYERED, 0);
    if (Switch(p.record, UiWndVar::IsUseMaskColor)) {
        if (p.shape.IsEmpty())
            BuildShapeRegions(MaskColor(), Point(p.record, UiWndVar::ResizingPoint));
        CRect window;
        GetWindowRect(&window);
        UpdateWindowRegion(window.Width(), window.Height());
    }
    p.layered = 0;
}

int CUIWnd::BuildShapeRegions(COLORREF mask, POINT resizingPoint)
{
    UIWndPrivate& p = *m_pPrivate;
    PixelRows pixels;
    WindowDCScope windowDC(m_hWnd, WindowDCScope::Area::Whole);
    if (!ReadPixelRows(p.background, windowDC, pixels))
        return -1;
    return BuildWindowShape(pixels, mask, resizingPoint, p.shape);
}

void CUIWnd::UpdateWindowRegion(int cx, int cy)
{
    UIWndPrivate& p = *m_pPrivate;
    const SIZE growth{cx - p.backgroundSize.cx, cy - p.backgroundSize.cy};
    CRgn region;
    if (!ComposeWindowShape(p.shape, Point(p.record, UiWndVar::ResizingPoint), growth, region))
        return;
    if (SetWindowRgn(static_cast<HRGN>(region.GetSafeHandle()), TRUE))
        region.Detach();   // the system owns it now
}

int CUIWnd::UpdateLayeredBackground(int alpha)
{
    UIWndPrivate& p = *m_pPrivate;
    if (!(GetExStyle() & WS_EX_LAYERED))
        return -1;
    const BLENDFUNCTION blend = LayeredBlend(alpha, Enum(p.record, UiWndVar::AlphaFormat, ValueKind::AlphaFormat));

    CRect window;
    GetWindowRect(&window);
    ScreenDC screen;
    CBitmap image;
    if (!image.CreateCompatibleBitmap(&screen, window.Width(), window.Height()))
        return -1;
    BOOL updated = FALSE;
    {
        BitmapDC memory(screen, image);
        if (!memory.GetSafeHdc())
            return -1;
        const POINT point = Point(p.record, UiWndVar::ResizingPoint);
        DrawResizedBitmap(memory, 0, 0, window.Width(), window.Height(), p.background, 1, point.x, point.y);
        POINT position = window.TopLeft();
        SIZE size = window.Size();
        POINT origin{0, 0};
        BLENDFUNCTION blendCopy = blend;
        updated = ::UpdateLayeredWindow(m_hWnd, screen, &position, &size, memory, &origin, 0, &blendCopy, ULW_ALPHA);
    }
    // From now on the controls ask the window to redraw them rather than invalidating
    // themselves: a layered window does not repaint what lies under them.
    p.parentDrawsChildBackground = 1;
    return updated ? 0 : -1;
}

} // namespace Vexel
