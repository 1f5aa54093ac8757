#include "framework/HotKeyCtrl.h"

#include "framework/ControlCreate.h"

IMPLEMENT_DYNAMIC(CHotKeyCtrl, CWnd)

BOOL CHotKeyCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, style, rect, parent, id);
}

BOOL CHotKeyCtrl::CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return afxctl::CreateControl(*this, ICC_HOTKEY_CLASS, false, exStyle, HOTKEY_CLASSW, nullptr, style, rect,
                                 parent, id);
}
