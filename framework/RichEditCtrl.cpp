#include "framework/RichEditCtrl.h"

#include "framework/ControlCreate.h"

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

BOOL CRichEditCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, style, rect, parent, id);
}

BOOL CRichEditCtrl::CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return AfxInitRichEdit2() &&
           afxctl::CreateControl(*this, 0, false, exStyle, RICHEDIT_CLASSW, nullptr, style, rect, parent, id);
}
