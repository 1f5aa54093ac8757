// CSkinButton: the window procedure. The standard button keeps its behaviour (clicks,
// checks, focus, notifications); everything it would paint is held off and painted again
// by the skin, and the mouse moves the hover and pressed states the skin draws.
#include "skin/ui/controls/SkinButton.h"

#include "skin/ui/DcScopes.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/SkinButtonPrivate.h"

#include <commctrl.h>

#include <cwchar>

namespace Vexel {

BEGIN_MESSAGE_MAP(CSkinButton, CButton)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSELEAVE()
    ON_WM_WINDOWPOSCHANGED()
END_MESSAGE_MAP()

namespace {

constexpr UINT kFirstMouseMessage = WM_MOUSEMOVE;   // 0x200
constexpr UINT kLastMouseMessage = WM_MOUSEWHEEL;   // 0x20A

// The type word the button reports: its button style decides.
LPCWSTR TypeWordOf(DWORD style)
{
    if ((style & 3) == 3)
        return L"CHECK";
    if ((style & 9) < 9)
        return L"PUSHBUTTON";
    return L"RADIO";
}

} // namespace

LRESULT CSkinButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    SkinButtonPrivate& p = *m_pPrivate;
    if (message >= kFirstMouseMessage && message <= kLastMouseMessage) {
        // The parent sees every mouse message first and may keep it from the button.
        const WPARAM what = MAKEWPARAM(message, GetDlgCtrlID());
        if (::SendMessageW(::GetParent(m_hWnd), WM_VXL_CHILDMOUSE, what, lParam))
            return 0;
    }
    switch (message) {
    case WM_VXL_SETOWNOBJECTS:
        p.ownsObjects = static_cast<int>(wParam);
        break;
    case WM_VXL_GETOWNOBJECTS:
        return p.ownsObjects;
    case WM_KILLFOCUS:
        p.pressed = 0;
        return HandleWithoutFlicker(message, wParam, lParam);
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_SETFOCUS:
        return HandleWithoutFlicker(message, wParam, lParam);
    case WM_UPDATEUISTATE:
    case WM_MOUSEACTIVATE:
    case WM_GETDLGCODE:
        RedrawControl(this);
        break;
    case WM_VXL_NOTIFYCHILD: {
        BorrowedDC dc(reinterpret_cast<HDC>(wParam));
        DrawButton(&dc);
        break;
    }
    case WM_VXL_GETCONTROLTYPE:
        if (lParam)
            std::wcscpy(reinterpret_cast<LPWSTR>(lParam), TypeWordOf(GetStyle()));
        break;
    case WM_VXL_GETTEXTEXTENT:
        return TextExtent(wParam);
    default:
        break;
    }
    return CButton::WindowProc(message, wParam, lParam);
}

LRESULT CSkinButton::HandleWithoutFlicker(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindowVisible())
        return CButton::WindowProc(message, wParam, lParam);
    SetRedraw(FALSE);
    const LRESULT result = CButton::WindowProc(message, wParam, lParam);
    SetRedraw(TRUE);
    RedrawControl(this);
    UpdateWindow();
    return result;
}

void CSkinButton::TrackLeave()
{
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = m_hWnd;
    track.dwHoverTime = HOVER_DEFAULT;
    ::TrackMouseEvent(&track);
}

void CSkinButton::OnLButtonDown(UINT flags, CPoint point)
{
    m_pPrivate->pressed = 1;
    UpdateWindow();
    TrackLeave();
    RedrawControl(this);
    CButton::OnLButtonDown(flags, point);
}

void CSkinButton::OnLButtonUp(UINT flags, CPoint point)
{
    m_pPrivate->pressed = 0;
    CButton::OnLButtonUp(flags, point);
}

void CSkinButton::OnMouseMove(UINT flags, CPoint point)
{
    SkinButtonPrivate& p = *m_pPrivate;
    if (p.pressed) {
        // Held down: the look follows the cursor out of the button and back in.
        CRect client;
        GetClientRect(&client);
        const int inside = client.PtInRect(point) ? 1 : 0;
        if (inside != p.hover) {
            p.hover = inside;
            RedrawControl(this);
            UpdateWindow();
        }
    } else {
        if (!p.hover) {
            p.hover = 1;
            RedrawControl(this);
            UpdateWindow();
        }
        TrackLeave();
    }
    CButton::OnMouseMove(flags, point);
}

void CSkinButton::OnMouseLeave()
{
    m_pPrivate->hover = 0;
    RedrawControl(this);
    CButton::OnMouseLeave();
}

void CSkinButton::OnWindowPosChanged(WINDOWPOS* position)
{
    if (HandleLayeredParentShowHide(m_hWnd, position))
        RedrawControl(this);
    CButton::OnWindowPosChanged(position);
}

} // namespace Vexel
