#pragma once
// Reading and setting what a window's controls show, for controls the skin may lack: a null
// control reads as empty, 0 or unchecked, and setting it does nothing. Shared by the sign-in,
// advanced account, about and update windows.
#include "framework/Wnd.h"

#include <cwchar>
#include <initializer_list>

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

struct ControlTextItem {
    int id;
    LPCWSTR text;
};

// Sets the text of each child `id` of `window`; an id the skin lacks is skipped.
inline void SetControlTexts(CWnd& window, std::initializer_list<ControlTextItem> items)
{
    for (const ControlTextItem& item : items)
        window.SetDlgItemText(item.id, item.text);
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
