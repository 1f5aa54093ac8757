// CSkinStatic: painting and the window procedure. WM_PAINT offers the drawing to the parent,
// else composes the static in a memory image and copies it to the screen in one go.
#include "skin/ui/controls/SkinStatic.h"

#include "framework/WndDC.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/TextPlacement.h"
#include "skin/ui/controls/SkinStaticPrivate.h"

namespace Vexel {

BEGIN_MESSAGE_MAP(CSkinStatic, CStatic)
    ON_WM_PAINT()
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

namespace {

// CtlType of the static's WM_VXL_DRAWCHILDITEM.
constexpr UINT kStaticItemType = 102;

} // namespace

int CSkinStatic::DrawStatic(CDC* dc)
{
    if (!dc)
        return -1;
    const SkinStaticPrivate& p = *m_pPrivate;
    const int look = IsWindowEnabled() ? kStaticNormal : kStaticDisabled;
    CRect client;
    GetClientRect(&client);
    const HWND parent = ::GetParent(m_hWnd);
    const CRect inParent = RectInParent(m_hWnd, parent);
    const POINT point = ControlResizePoint(m_hWnd, parent, inParent, p.followParent, p.resizePoint.x, p.resizePoint.y);

    BOOL parentDraws = FALSE;
    DrawParentBackground(this, dc, inParent, &parentDraws);
    // A parent that draws its children hands its own DC: the static lies at its place there.
    const CRect rect = parentDraws ? inParent : client;

    if (const HBITMAP background = p.bitmaps.Get(kStaticBackgrounds + look))
        DrawResizedBitmapEx(*dc, rect.left, rect.top, rect.Width(), rect.Height(), background, 1, 1, point.x,
                            point.y);
    if (const HBITMAP foreground = p.bitmaps.Get(kStaticForegrounds + look)) {
        const CPoint origin = dc->OffsetViewportOrg(rect.left, rect.top);
        DrawForegroundImage(m_hWnd, dc, p.foregroundOffsetX, p.foregroundOffsetY, foreground, p.foregroundHorMode,
                            p.foregroundVerMode, p.foregroundKey);
        dc->SetViewportOrg(origin.x, origin.y);
    }

    CString text;
    GetWindowText(text);
    dc->SetBkMode(TRANSPARENT);
    CFont* const font = p.fonts[look].get();
    const HGDIOBJ previousFont = font && font->GetSafeHandle() ? dc->SelectObject(font) : nullptr;
    dc->SetTextColor(p.textColors[look]);
    RECT textRect = rect;
    // A static starts its text at the top left unless told otherwise.
    UINT format = PlaceText(*dc, text, textRect, p.singleLine > 0 ? DT_SINGLELINE : DT_WORDBREAK,
                            p.textHorAlign[look], p.textVerAlign[look], p.textOffsetX[look], p.textOffsetY[look]);
    if (p.pathEllipsis)
        format |= DT_PATH_ELLIPSIS;
    if (p.endEllipsis)
        format |= DT_END_ELLIPSIS;
    dc->DrawText(text, &textRect, format);
    if (previousFont)
        dc->SelectObject(previousFont);
    return 0;
}

LRESULT CSkinStatic::TextExtent(WPARAM which)
{
    const SkinStaticPrivate& p = *m_pPrivate;
    const int look = IsWindowEnabled() ? kStaticNormal : kStaticDisabled;
    CString text;
    GetWindowText(text);
    CRect client;
    GetClientRect(&client);
    const RECT room =
        TextRoom(client, p.textHorAlign[look], p.textVerAlign[look], p.textOffsetX[look], p.textOffsetY[look]);
    CClientDC dc(this);
    CFont* const font = p.fonts[look].get();
    const SelectedObject selectedFont(dc, font ? font->GetSafeHandle() : nullptr);
    return TextExtentAnswer(dc, text, room, p.singleLine > 0 ? DT_SINGLELINE : DT_WORDBREAK, which);
}

void CSkinStatic::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    DRAWITEMSTRUCT item{};
    item.CtlType = kStaticItemType;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID());
    item.itemID = static_cast<UINT>(-1);
    item.hwndItem = m_hWnd;
    item.hDC = paint.GetSafeHdc();
    item.rcItem = client;
    item.itemData = static_cast<ULONG_PTR>(::GetWindowLongPtrW(m_hWnd, GWLP_USERDATA));
    if (::SendMessageW(::GetParent(m_hWnd), WM_VXL_DRAWCHILDITEM, item.CtlID, reinterpret_cast<LPARAM>(&item)))
        return;   // the parent drew it
    const HBITMAP buffer = m_pPrivate->paintBuffer.Get(paint, client.Size());
    if (!buffer)
        return;
    BitmapDC memory(paint, buffer);
    DrawStatic(&memory);
    paint.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
}

void CSkinStatic::OnWindowPosChanged(WINDOWPOS* position)
{
    if (HandleLayeredParentShowHide(m_hWnd, position))
        Invalidate(TRUE);
    CStatic::OnWindowPosChanged(position);
}

LRESULT CSkinStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETTEXT:
        if (IsWindowVisible()) {
            // One repaint of the new text, without the standard static's own in between.
            SetRedraw(FALSE);
            CStatic::WindowProc(message, wParam, lParam);
            SetRedraw(TRUE);
            Invalidate(TRUE);
            UpdateWindow();
            return 0;
        }
        break;
    case WM_CREATE:
        // No sunken edge: the skin draws every edge there is.
        ModifyStyle(SS_SUNKEN, 0);
        ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
        return CStatic::WindowProc(message, wParam, lParam) == -1 ? -1 : 0;
    case WM_ENABLE:
        Invalidate(TRUE);
        break;
    case WM_VXL_NOTIFYCHILD: {
        BorrowedDC dc(reinterpret_cast<HDC>(wParam));
        DrawStatic(&dc);
        break;
    }
    case WM_VXL_GETTEXTEXTENT:
        return TextExtent(wParam);
    default:
        break;
    }
    return CStatic::WindowProc(message, wParam, lParam);
}

} // namespace Vexel
