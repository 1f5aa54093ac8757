#pragma once
// Reading and setting what a window's controls show, for controls the skin may lack: a null
// control reads as empty, 0 or unchecked, and setting it does nothing. Shared by the sign-in
// and advanced account windows.
#include "framework/Wnd.h"

#include <cwchar>

inline CString ControlText(const CWnd* control)
{
    CString text;
    if (control)
        control->GetWindowText(text);
    return text;
}

inline void SetControlText(CWnd* control, LPCWSTR text)
{
    if (control)
        control->SetWindowText(text);
}

// The text's leading decimal number (blanks and a sign allowed); 0 for a text that is no
// number. Beyond the int range it is the nearest int limit.
inline int TextNumber(const CString& text)
{
    const long value = std::wcstol(text, nullptr, 10);
    return static_cast<int>(value);
}

inline bool IsControlChecked(const CWnd* box)
{
    return box && box->SendMessage(BM_GETCHECK) == BST_CHECKED;
}

inline void SetControlChecked(CWnd* box, bool checked)
{
    if (box)
        box->SendMessage(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}
