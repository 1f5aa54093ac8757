// CSkinTreeCtrl: painting. Every paint composes the background and the visible items in
// one client-sized bitmap and copies it once, so the tree view's own painting never shows.
#include "skin/ui/controls/SkinTreeCtrl.h"

#include "framework/WndDC.h"
#include "skin/ui/BitmapDrawing.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/controls/SkinTreeCtrlPrivate.h"
#include "skin/ui/controls/TreeViewDrawing.h"

namespace Vexel {
namespace {

// A client-sized scratch bitmap compatible with `reference`, made again only when the size
// changes. False when it cannot be made.
bool EnsureScratch(CBitmap& bitmap, SIZE& made, CDC& reference, SIZE size)
{
    if (bitmap.GetSafeHandle() && made.cx == size.cx && made.cy == size.cy)
        return true;
    bitmap.DeleteObject();
    made = SIZE{0, 0};
    if (!bitmap.CreateCompatibleBitmap(&reference, size.cx, size.cy))
        return false;
    made = size;
    return true;
}

int DrawResized(CDC& dc, const RECT& rect, HBITMAP image, POINT resizePoint)
{
    return DrawResizedBitmap(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, image, 1,
                             resizePoint.x, resizePoint.y);
}

// The first image when there is one and the tree has the focus, else the second.
HBITMAP ByFocus(const SharedBitmap& focus, const SharedBitmap& nonFocus, bool focused)
{
    return focus && focused ? focus.GetSafeHandle() : nonFocus.GetSafeHandle();
}

} // namespace

void CSkinTreeCtrl::OnPaint()
{
    SkinTreeCtrlPrivate& p = *m_private;
    {
        CPaintDC paint(this);
        RECT client;
        GetClientRect(&client);
        const SIZE size{client.right, client.bottom};
        if (size.cx > 0 && size.cy > 0 && EnsureScratch(p.canvas, p.canvasSize, paint, size)) {
            BitmapDC memory(paint, p.canvas);
            p.nativeValid = false;
            DrawBackground(&memory);
            memory.SetTextColor(TreeTextColor(*this));
            const UINT count = GetVisibleCount();
            HTREEITEM item = GetFirstVisibleItem();
            // One more than fit: the last row may be partly visible.
            for (UINT drawn = 0; item && drawn <= count; ++drawn, item = GetNextVisibleItem(item))
                DrawItem(&memory, item);
            paint.BitBlt(0, 0, size.cx, size.cy, &memory, 0, 0, SRCCOPY);
            p.nativeValid = false;
        }
    }
    LayoutOwnScrollBars();
}

BOOL CSkinTreeCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;   // the paint covers the whole client area
}

int CSkinTreeCtrl::DrawBackground(CDC* dc)
{
    if (!dc)
        return 0;
    const SkinTreeCtrlPrivate& p = *m_private;
    if (p.backgroundNormal.GetSafeHandle()) {
        const HBITMAP image = IsWindowEnabled() ? p.backgroundNormal : p.backgroundDisabled;
        if (DrawResizedBackground(m_hWnd, dc, image, p.useParentResizePoint, p.resizePoint.x, p.resizePoint.y) == 0)
            return 0;
    }
    RECT client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, TreeBackColor(*this));
    return 0;
}

int CSkinTreeCtrl::DrawItem(CDC* dc, HTREEITEM item)
{
    RECT row;
    if (!dc || !item || !GetItemRect(item, &row, FALSE))
        return 0;
    const DRAWITEMSTRUCT draw = TreeRowOffer(*this, dc, item, row);
    if (SendToParent(WM_VXL_DRAWCHILDITEM, draw.CtlID, &draw))
        return 0;

    const SkinTreeCtrlPrivate& p = *m_private;
    const UINT state = GetItemState(item, TVIS_SELECTED | TVIS_EXPANDED);
    DrawItemBackground(dc, item);
    if (p.lineEnabled)
        DrawLines(dc, item);
    RECT text;
    GetItemRect(item, &text, TRUE);
    DrawLeftPart(*dc, item, row, text, state);

    COLORREF color;
    if (state & TVIS_SELECTED)
        color = p.selectedTextColor;
    else if (p.hoverEnabled && item == p.hoverItem)
        color = p.hoverTextColor;
    else if (IsWindowEnabled())
        color = TreeTextColor(*this);
    else
        color = p.disabledTextColor;
    dc->SetTextColor(color);
    const CFont& font = IsWindowEnabled() ? p.fontNormal : p.fontDisabled;
    const HGDIOBJ previousFont = font.GetSafeHandle() ? dc->SelectObject(font.GetSafeHandle()) : nullptr;
    dc->SetBkMode(TRANSPARENT);

    CString label = GetItemText(item);
    // The label being edited shows in its edit box, not under it.
    if (const HWND edit = GetEditWindow()) {
        RECT box;
        ::GetWindowRect(edit, &box);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&box), 2);
        const POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
        if (::PtInRect(&text, centre))
            label.Empty();
    }
    dc->DrawText(label, &text, DT_SINGLELINE | DT_VCENTER);
    if (previousFont)
        dc->SelectObject(previousFont);
    return 0;
}

void CSkinTreeCtrl::DrawLeftPart(CDC& dc, HTREEITEM item, const RECT& row, const RECT& text, UINT state)
{
    const SkinTreeCtrlPrivate& p = *m_private;
    if (p.collapseImage.GetSafeHandle() && p.expandedImage.GetSafeHandle()) {
        if (ItemHasChildren(item)) {
            const RECT area{0, row.top, text.left, row.bottom};
            DrawBitmapCentered(area, dc, (state & TVIS_EXPANDED) ? p.expandedImage : p.collapseImage);
        }
        return;
    }
    // The tree view's own buttons, lines, check boxes and icons, from its own rendering.
    const int w = text.left;
    const int h = row.bottom - row.top;
    const HBITMAP native = NativeRendering(dc);
    if (w < 1 || h < 1 || !native)
        return;
    const COLORREF key = TreeBackColor(*this) & 0xFFFFFF;
    BitmapDC source(dc, native);
    if (!(GetStyle() & TVS_FULLROWSELECT)) {
        DrawTransparentBitmap(dc, 0, row.top, w, h, source, 0, row.top, w, h, key);
        return;
    }
    // A full-row selection bar would come along: leave its colour out first.
    CBitmap strip;
    if (!strip.CreateCompatibleBitmap(&dc, w, h))
        return;
    BitmapDC stripDc(dc, strip);
    stripDc.FillSolidRect(0, 0, w, h, key);
    DrawTransparentBitmap(stripDc, 0, 0, w, h, source, 0, row.top, w, h, ::GetSysColor(COLOR_HIGHLIGHT));
    DrawTransparentBitmap(dc, 0, row.top, w, h, stripDc, 0, 0, w, h, key);
}

HBITMAP CSkinTreeCtrl::NativeRendering(CDC& reference)
{
    SkinTreeCtrlPrivate& p = *m_private;
    if (p.nativeValid)
        return p.native;
    RECT client;
    GetClientRect(&client);
    const SIZE size{client.right, client.bottom};
    if (size.cx < 1 || size.cy < 1 || !EnsureScratch(p.native, p.nativeSize, reference, size))
        return nullptr;
    BitmapDC target(reference, p.native);
    target.FillSolidRect(&client, TreeBackColor(*this));
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(target.GetSafeHdc()), 0);
    p.nativeValid = true;
    return p.native;
}

int CSkinTreeCtrl::DrawItemBackground(CDC* dc, HTREEITEM item)
{
    RECT rect;
    if (!dc || !item || !GetItemRect(item, &rect, FALSE))
        return 0;
    const DRAWITEMSTRUCT draw = TreeRowOffer(*this, dc, item, rect);
    if (SendToParent(WM_VXL_DRAWCHILDITEMBK, draw.CtlID, &draw))
        return 0;

    const SkinTreeCtrlPrivate& p = *m_private;
    const bool rootLook = p.rootEffect && !GetParentItem(item);
    const bool focused = ::GetFocus() == m_hWnd;
    if (GetItemState(item, TVIS_SELECTED) & TVIS_SELECTED) {
        dc->SetTextColor(p.selectedTextColor);
        const HBITMAP image = rootLook ? ByFocus(p.rootFocusImage, p.rootNonFocusImage, focused)
                                       : ByFocus(p.selectedImage, p.selectedNonFocusImage, focused);
        if (image)
            DrawResized(*dc, rect, image, p.selectedResizePoint);
        else
            dc->FillSolidRect(&rect, p.selectedBkColor);
    } else if (p.hoverEnabled && item == p.hoverItem) {
        const HBITMAP image = ByFocus(p.hoverImage, p.hoverNonFocusImage, focused);
        if (image)
            DrawResized(*dc, rect, image, p.hoverResizePoint);
        else
            dc->FillSolidRect(&rect, p.hoverBkColor);
    } else {
        if (rootLook) {
            const HBITMAP image = focused ? p.rootFocusImage : p.rootNonFocusImage;
            if (image)
                DrawResized(*dc, rect, image, p.rootResizePoint);
        }
        dc->SetTextColor(0);
    }
    return 0;
}

int CSkinTreeCtrl::DrawLines(CDC* dc, HTREEITEM item)
{
    RECT rect;
    if (!dc || !item || !GetItemRect(item, &rect, FALSE))
        return 0;
    CPen pen(PS_SOLID, 1, m_private->lineColor);
    const HPEN previous = dc->SelectObject(&pen);
    dc->MoveTo(rect.left, rect.bottom - 1);
    dc->LineTo(rect.right, rect.bottom - 1);
    dc->SelectObject(previous);
    return 0;
}

} // namespace Vexel
