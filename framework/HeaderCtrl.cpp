#include "framework/HeaderCtrl.h"

#include "framework/ControlCreate.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

BOOL CHeaderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, style, rect, parent, id);
}

BOOL CHeaderCtrl::CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return afxctl::CreateControl(*this, ICC_LISTVIEW_CLASSES, true, exStyle, WC_HEADERW, nullptr, style, rect,
                                 parent, id);
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return afxctl::ReflectDrawItem(*this, message, lParam, result) ||
           CWnd::OnChildNotify(message, wParam, lParam, result);
}
