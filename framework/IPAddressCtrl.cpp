#include "framework/IPAddressCtrl.h"

#include "framework/ControlCreate.h"

IMPLEMENT_DYNAMIC(CIPAddressCtrl, CWnd)

BOOL CIPAddressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, style, rect, parent, id);
}

BOOL CIPAddressCtrl::CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return afxctl::CreateControl(*this, ICC_INTERNET_CLASSES, false, exStyle, WC_IPADDRESSW, nullptr, style, rect,
                                 parent, id);
}
