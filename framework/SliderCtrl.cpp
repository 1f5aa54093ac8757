#include "framework/SliderCtrl.h"

#include "framework/ControlCreate.h"

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

BOOL CSliderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, style, rect, parent, id);
}

BOOL CSliderCtrl::CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return afxctl::CreateControl(*this, ICC_BAR_CLASSES, false, exStyle, TRACKBAR_CLASSW, nullptr, style, rect,
                                 parent, id);
}
