// CSkinButton: painting. WM_PAINT composes the button in a memory image (or lets the
// parent do it) and copies it to the screen in one go, inside the button's region.
#include "skin/ui/controls/SkinButton.h"

#include "framework/WndDC.h"
#include "skin/ui/DcScopes.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/NineGrid.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/TextPlacement.h"
#include "skin/ui/controls/SkinButtonPrivate.h"

namespace Vexel {

int CSkinButton::DrawButton(CDC* dc)
{
    if (!dc)
        return -1;
    const SkinButtonPrivate& p = *m_pPrivate;
    CString caption;
    GetWindowText(caption);
    CRect client;
    GetClientRect(&client);
    const bool checked = SendMessage(BM_GETCHECK) == BST_CHECKED;
    const bool buttonDown = ::GetKeyState(VK_LBUTTON) < 0;
    const UINT format = (GetStyle() & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;

    const HWND parent = ::GetParent(m_hWnd);
    const CRect inParent = RectInParent(m_hWnd, parent);
    BOOL parentDraws = FALSE;
    DrawParentBackground(this, dc, inParent, &parentDraws);
    // A parent that draws its children hands its own DC: the button lies at its place there.
    const RECT rect = parentDraws ? inParent : client;

    const VisualState state = ChooseVisualState(IsWindowEnabled() != FALSE, buttonDown, p.pressed, p.hover);
    // Around the window's resize point, so the images continue the window's stretched background.
    const POINT point = ControlResizePoint(m_hWnd, parent, inParent, p.followParent, p.resizePoint.x, p.resizePoint.y);
    DrawStateContent(*dc, checked, state, rect, point, caption, format);
    if (p.focusRect && ::GetFocus() == m_hWnd)
        dc->DrawFocusRect(&rect);
    return 0;
}

int CSkinButton::DrawStateContent(CDC& dc, bool checked, int state, const RECT& rect, POINT resizePoint,
                                  const CString& caption, UINT format)
{
    const SkinButtonPrivate& p = *m_pPrivate;
    const ButtonLook& look = p.looks[checked ? 1 : 0];
    const int backgrounds = checked ? kCheckedBackgroundSlots : kBackgroundSlots;
    const int foregrounds = checked ? kCheckedForegroundSlots : kForegroundSlots;

    if (const HBITMAP background = p.bitmaps.Get(backgrounds + state))
        DrawResizedBitmap(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, background, 1,
                          resizePoint.x, resizePoint.y);
    if (const HBITMAP foreground = p.bitmaps.Get(foregrounds + state)) {
        // Placed within the button, wherever the button lies in the DC.
        const CPoint origin = dc.OffsetViewportOrg(rect.left, rect.top);
        DrawForegroundImage(m_hWnd, &dc, look.foregroundHorOffset, look.foregroundVerOffset, foreground,
                            look.foregroundHorAlign, look.foregroundVerAlign, look.foregroundKey);
        dc.SetViewportOrg(origin.x, origin.y);
    }

    CFont* const font = look.fonts[state].get();
    const HGDIOBJ previousFont = font && font->GetSafeHandle() ? dc.SelectObject(font) : nullptr;
    dc.SetTextColor(look.textColors[state]);
    // A button centres its caption unless told otherwise.
    const int hor = look.textHorAligns[state] == kTextDefault ? kTextCenter : look.textHorAligns[state];
    const int ver = look.textVerAligns[state] == kTextDefault ? kTextCenter : look.textVerAligns[state];
    RECT textRect = rect;
    format = PlaceText(dc, caption, textRect, format, hor, ver, look.textHorOffsets[state],
                       look.textVerOffsets[state]);
    DrawButtonText(dc, caption, textRect, format);
    if (previousFont)
        dc.SelectObject(previousFont);
    return 0;
}

LRESULT CSkinButton::TextExtent(WPARAM which)
{
    const SkinButtonPrivate& p = *m_pPrivate;
    CString caption;
    GetWindowText(caption);
    CRect client;
    GetClientRect(&client);
    const bool checked = SendMessage(BM_GETCHECK) == BST_CHECKED;
    const ButtonLook& look = p.looks[checked ? 1 : 0];
    const int state = ChooseVisualState(IsWindowEnabled() != FALSE, false, p.pressed, p.hover);
    const int hor = look.textHorAligns[state] == kTextDefault ? kTextCenter : look.textHorAligns[state];
    const int ver = look.textVerAligns[state] == kTextDefault ? kTextCenter : look.textVerAligns[state];
    const RECT room = TextRoom(client, hor, ver, look.textHorOffsets[state], look.textVerOffsets[state]);
    CClientDC dc(this);
    CFont* const font = look.fonts[state].get();
    const SelectedObject selectedFont(dc, font ? font->GetSafeHandle() : nullptr);
    const UINT format = (GetStyle() & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    return TextExtentAnswer(dc, caption, room, format, which);
}

int CSkinButton::DrawButtonText(CDC& dc, const CString& caption, RECT& rect, UINT format)
{
    NMVXLDRAWTEXT info{};
    info.hdr.hwndFrom = m_hWnd;
    info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    info.hdr.code = static_cast<UINT>(NM_VXL_DRAWTEXT);
    info.hdc = dc.GetSafeHdc();
    info.rect = rect;
    info.format = format;
    if (::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info)))
        return 0;   // the parent drew the caption
    dc.SetBkMode(TRANSPARENT);
    if (m_pPrivate->endEllipsis)
        format |= DT_END_ELLIPSIS;
    dc.DrawText(caption, &rect, format);
    return 0;
}

void CSkinButton::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    const HBITMAP buffer = m_pPrivate->paintBuffer.Get(paint, client.Size());
    if (!buffer)
        return;
    BitmapDC memory(paint, buffer);

    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID());
    item.hwndItem = m_hWnd;
    item.hDC = memory;
    item.rcItem = client;
    if (!::SendMessageW(::GetParent(m_hWnd), WM_VXL_DRAWCHILDITEM, item.CtlID, reinterpret_cast<LPARAM>(&item)))
        DrawButton(&memory);

    CRgn region;
    const bool shaped = region.CreateRectRgn(0, 0, 0, 0) && GetWindowRgn(region) != ERROR;
    if (shaped)
        paint.SelectClipRgn(&region);
    paint.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
    if (shaped)
        paint.SelectClipRgn(nullptr);
}

} // namespace Vexel
