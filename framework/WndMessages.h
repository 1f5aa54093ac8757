#pragma once
// Message-map entries for window messages. Each macro names the handler CWnd declares for
// it (a derived class declares its own with the same signature); the thunk unpacks the
// message parameters into that signature. Included by framework/Wnd.h.
#include "framework/Gdi.h"

namespace afxmap {

// Signed coordinates packed in lParam (points left of or above a monitor are negative).
inline CPoint PointOf(LPARAM lParam)
{
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

template <class T, auto Pmf>
bool EraseBkgnd(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(BOOL(CDC*), "WM_ERASEBKGND");
    BorrowedDC dc(reinterpret_cast<HDC>(c.wParam));
    c.result = (static_cast<T*>(t)->*Pmf)(&dc);
    return true;
}

template <class T, auto Pmf>
bool Scroll(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(void(UINT, UINT, CWnd*), "WM_HSCROLL/WM_VSCROLL");
    (static_cast<T*>(t)->*Pmf)(LOWORD(c.wParam), static_cast<short>(HIWORD(c.wParam)),
                               CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam)));
    return true;
}

// WM_CTLCOLORxxx: nCtlColor is CTLCOLOR_MSGBOX .. CTLCOLOR_STATIC, in message order.
template <class T, auto Pmf>
bool CtlColor(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(HBRUSH(CDC*, CWnd*, UINT), "WM_CTLCOLOR");
    BorrowedDC dc(reinterpret_cast<HDC>(c.wParam));
    c.result = reinterpret_cast<LRESULT>((static_cast<T*>(t)->*Pmf)(
        &dc, CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam)), c.message - WM_CTLCOLORMSGBOX));
    return true;
}

// The control's own colour handler: a null brush leaves the choice to the parent.
template <class T, auto Pmf>
bool CtlColorReflect(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(HBRUSH(CDC*, UINT), "reflected WM_CTLCOLOR");
    BorrowedDC dc(reinterpret_cast<HDC>(c.wParam));
    const HBRUSH brush = (static_cast<T*>(t)->*Pmf)(&dc, c.message - WM_CTLCOLORMSGBOX);
    c.result = reinterpret_cast<LRESULT>(brush);
    return brush != nullptr;
}

template <class T, auto Pmf>
bool ParentNotify(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(void(UINT, LPARAM), "WM_PARENTNOTIFY");
    (static_cast<T*>(t)->*Pmf)(LOWORD(c.wParam), c.lParam);
    return true;
}

// Mouse messages with key flags and a point (client coordinates; screen coordinates for
// the non-client and hover kinds as the system gives them).
template <class T, auto Pmf>
bool Mouse(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(void(UINT, CPoint), "mouse message");
    (static_cast<T*>(t)->*Pmf)(static_cast<UINT>(c.wParam), PointOf(c.lParam));
    return true;
}

template <class T, auto Pmf>
bool MouseWheel(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(BOOL(UINT, short, CPoint), "WM_MOUSEWHEEL");
    c.result = (static_cast<T*>(t)->*Pmf)(GET_KEYSTATE_WPARAM(c.wParam), GET_WHEEL_DELTA_WPARAM(c.wParam),
                                          PointOf(c.lParam));
    return true;
}

template <class T, auto Pmf>
bool SetCursor(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(BOOL(CWnd*, UINT, UINT), "WM_SETCURSOR");
    c.result = (static_cast<T*>(t)->*Pmf)(CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam)), LOWORD(c.lParam),
                                          HIWORD(c.lParam));
    return true;
}

// Keys: character or virtual key, repeat count, and the flag bits of lParam's high word.
template <class T, auto Pmf>
bool Key(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(void(UINT, UINT, UINT), "key message");
    (static_cast<T*>(t)->*Pmf)(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam));
    return true;
}

template <class T, auto Pmf>
bool DrawItem(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(void(int, LPDRAWITEMSTRUCT), "WM_DRAWITEM");
    (static_cast<T*>(t)->*Pmf)(static_cast<int>(c.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(c.lParam));
    c.result = TRUE;
    return true;
}

template <class T, auto Pmf>
bool MeasureItem(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(void(int, LPMEASUREITEMSTRUCT), "WM_MEASUREITEM");
    (static_cast<T*>(t)->*Pmf)(static_cast<int>(c.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(c.lParam));
    c.result = TRUE;
    return true;
}

// WM_ENTERMENULOOP / WM_EXITMENULOOP: TRUE for a popup of TrackPopupMenu.
template <class T, auto Pmf>
bool MenuLoop(CCmdTarget* t, AFX_MSGCALL& c)
{
    LUMEO_CHECK_HANDLER(void(BOOL), "WM_ENTERMENULOOP/WM_EXITMENULOOP");
    (static_cast<T*>(t)->*Pmf)(static_cast<BOOL>(c.wParam));
    return true;
}

} // namespace afxmap

#define LUMEO_WM(message, thunk, memberFxn) LUMEO_ENTRY(message, 0, 0, 0, (&afxmap::thunk<ThisClass, memberFxn>))

#define ON_WM_CREATE() LUMEO_WM(WM_CREATE, Create, &ThisClass::OnCreate)
#define ON_WM_DESTROY() LUMEO_WM(WM_DESTROY, Void, &ThisClass::OnDestroy)
#define ON_WM_CLOSE() LUMEO_WM(WM_CLOSE, Void, &ThisClass::OnClose)
#define ON_WM_SIZE() LUMEO_WM(WM_SIZE, Size, &ThisClass::OnSize)
#define ON_WM_TIMER() LUMEO_WM(WM_TIMER, Timer, &ThisClass::OnTimer)
#define ON_WM_PAINT() LUMEO_WM(WM_PAINT, Void, &ThisClass::OnPaint)
#define ON_WM_ERASEBKGND() LUMEO_WM(WM_ERASEBKGND, EraseBkgnd, &ThisClass::OnEraseBkgnd)
#define ON_WM_HSCROLL() LUMEO_WM(WM_HSCROLL, Scroll, &ThisClass::OnHScroll)
#define ON_WM_VSCROLL() LUMEO_WM(WM_VSCROLL, Scroll, &ThisClass::OnVScroll)
#define ON_WM_SHOWWINDOW() LUMEO_WM(WM_SHOWWINDOW, ShowWindow, &ThisClass::OnShowWindow)
#define ON_WM_WINDOWPOSCHANGING() LUMEO_WM(WM_WINDOWPOSCHANGING, WindowPos, &ThisClass::OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() LUMEO_WM(WM_WINDOWPOSCHANGED, WindowPos, &ThisClass::OnWindowPosChanged)
#define ON_WM_GETMINMAXINFO() LUMEO_WM(WM_GETMINMAXINFO, MinMaxInfo, &ThisClass::OnGetMinMaxInfo)
#define ON_WM_INITMENUPOPUP() LUMEO_WM(WM_INITMENUPOPUP, InitMenuPopup, &ThisClass::OnInitMenuPopup)
#define ON_WM_CTLCOLOR() LUMEO_WM(AFX_WM_CTLCOLOR, CtlColor, &ThisClass::OnCtlColor)
#define ON_WM_CTLCOLOR_REFLECT() LUMEO_WM(WM_REFLECT_BASE + AFX_WM_CTLCOLOR, CtlColorReflect, &ThisClass::CtlColor)
#define ON_WM_DRAWITEM() LUMEO_WM(WM_DRAWITEM, DrawItem, &ThisClass::OnDrawItem)
#define ON_WM_MEASUREITEM() LUMEO_WM(WM_MEASUREITEM, MeasureItem, &ThisClass::OnMeasureItem)
#define ON_WM_ENTERMENULOOP() LUMEO_WM(WM_ENTERMENULOOP, MenuLoop, &ThisClass::OnEnterMenuLoop)
#define ON_WM_EXITMENULOOP() LUMEO_WM(WM_EXITMENULOOP, MenuLoop, &ThisClass::OnExitMenuLoop)
#define ON_WM_PARENTNOTIFY() LUMEO_WM(WM_PARENTNOTIFY, ParentNotify, &ThisClass::OnParentNotify)

#define ON_WM_MOUSEMOVE() LUMEO_WM(WM_MOUSEMOVE, Mouse, &ThisClass::OnMouseMove)
#define ON_WM_LBUTTONDOWN() LUMEO_WM(WM_LBUTTONDOWN, Mouse, &ThisClass::OnLButtonDown)
#define ON_WM_LBUTTONUP() LUMEO_WM(WM_LBUTTONUP, Mouse, &ThisClass::OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() LUMEO_WM(WM_LBUTTONDBLCLK, Mouse, &ThisClass::OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() LUMEO_WM(WM_RBUTTONDOWN, Mouse, &ThisClass::OnRButtonDown)
#define ON_WM_RBUTTONUP() LUMEO_WM(WM_RBUTTONUP, Mouse, &ThisClass::OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() LUMEO_WM(WM_RBUTTONDBLCLK, Mouse, &ThisClass::OnRButtonDblClk)
#define ON_WM_MOUSEWHEEL() LUMEO_WM(WM_MOUSEWHEEL, MouseWheel, &ThisClass::OnMouseWheel)
#define ON_WM_MOUSEHOVER() LUMEO_WM(WM_MOUSEHOVER, Mouse, &ThisClass::OnMouseHover)
#define ON_WM_MOUSELEAVE() LUMEO_WM(WM_MOUSELEAVE, Void, &ThisClass::OnMouseLeave)
#define ON_WM_SETCURSOR() LUMEO_WM(WM_SETCURSOR, SetCursor, &ThisClass::OnSetCursor)
#define ON_WM_NCLBUTTONDOWN() LUMEO_WM(WM_NCLBUTTONDOWN, Mouse, &ThisClass::OnNcLButtonDown)
#define ON_WM_NCLBUTTONDBLCLK() LUMEO_WM(WM_NCLBUTTONDBLCLK, Mouse, &ThisClass::OnNcLButtonDblClk)

#define ON_WM_KEYDOWN() LUMEO_WM(WM_KEYDOWN, Key, &ThisClass::OnKeyDown)
#define ON_WM_KEYUP() LUMEO_WM(WM_KEYUP, Key, &ThisClass::OnKeyUp)
#define ON_WM_CHAR() LUMEO_WM(WM_CHAR, Key, &ThisClass::OnChar)
#define ON_WM_SYSKEYDOWN() LUMEO_WM(WM_SYSKEYDOWN, Key, &ThisClass::OnSysKeyDown)
