#include "framework/SpinButtonCtrl.h"

#include "framework/ControlCreate.h"

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

BOOL CSpinButtonCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, style, rect, parent, id);
}

BOOL CSpinButtonCtrl::CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return afxctl::CreateControl(*this, ICC_UPDOWN_CLASS, false, exStyle, UPDOWN_CLASSW, nullptr, style, rect,
                                 parent, id);
}
