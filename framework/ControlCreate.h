#pragma once
// What every control class does to make its window: register the system classes it is
// made of, create it as a child, and have it send the wide (W) forms of its notifications.
#include "framework/CommonControls.h"
#include "framework/Wnd.h"

#include <commctrl.h>

namespace afxctl {

// `commonClasses`: the ICC_* bits the class needs (0 for the system's own classes such as
// BUTTON). `wideNotify`: the control has notifications in two forms and is told to send
// the wide ones whatever its parent answers to WM_NOTIFYFORMAT.
inline BOOL CreateControl(CWnd& control, DWORD commonClasses, bool wideNotify, DWORD exStyle, LPCWSTR className,
                          LPCWSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (commonClasses && !AfxInitCommonControls(commonClasses))
        return FALSE;
    if (!control.CreateEx(exStyle, className, text, style | WS_CHILD, rect, parent, id))
        return FALSE;
    if (wideNotify)
        control.SendMessage(CCM_SETUNICODEFORMAT, TRUE, 0);
    return TRUE;
}

// A reflected WM_DRAWITEM or WM_MEASUREITEM for a control with DrawItem (and MeasureItem):
// the control's own virtual answers it. False for every other message.
template <class Control>
bool ReflectDrawItem(Control& control, UINT message, LPARAM lParam, LRESULT* result)
{
    if (message != WM_DRAWITEM)
        return false;
    control.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (result)
        *result = TRUE;
    return true;
}

template <class Control>
bool ReflectOwnerDraw(Control& control, UINT message, LPARAM lParam, LRESULT* result)
{
    if (message == WM_MEASUREITEM) {
        control.MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        if (result)
            *result = TRUE;
        return true;
    }
    return ReflectDrawItem(control, message, lParam, result);
}

} // namespace afxctl
