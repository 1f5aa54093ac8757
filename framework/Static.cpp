#include "framework/Static.h"

#include "framework/ControlCreate.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::Create(LPCWSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return afxctl::CreateControl(*this, 0, false, 0, L"STATIC", text, style, rect, parent, id);
}

void CStatic::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return afxctl::ReflectDrawItem(*this, message, lParam, result) ||
           CWnd::OnChildNotify(message, wParam, lParam, result);
}
