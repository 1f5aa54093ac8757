#include "framework/ProgressCtrl.h"

#include "framework/ControlCreate.h"

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

BOOL CProgressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, style, rect, parent, id);
}

BOOL CProgressCtrl::CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return afxctl::CreateControl(*this, ICC_PROGRESS_CLASS, false, exStyle, PROGRESS_CLASSW, nullptr, style, rect,
                                 parent, id);
}
