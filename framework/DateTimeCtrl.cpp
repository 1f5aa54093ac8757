#include "framework/DateTimeCtrl.h"

#include "framework/ControlCreate.h"

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

BOOL CDateTimeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, style, rect, parent, id);
}

BOOL CDateTimeCtrl::CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return afxctl::CreateControl(*this, ICC_DATE_CLASSES, true, exStyle, DATETIMEPICK_CLASSW, nullptr, style, rect,
                                 parent, id);
}
