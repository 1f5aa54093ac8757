#include "framework/Button.h"

#include "framework/ControlCreate.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)

BOOL CButton::Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return afxctl::CreateControl(*this, 0, false, 0, L"BUTTON", caption, style, rect, parent, id);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return afxctl::ReflectDrawItem(*this, message, lParam, result) ||
           CWnd::OnChildNotify(message, wParam, lParam, result);
}
