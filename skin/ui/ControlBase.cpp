#include "skin/ui/ControlBase.h"

#include "skin/ui/DcScopes.h"
#include "skin/ui/SkinMessages.h"

namespace Vexel {
namespace {

LRESULT AskParent(CWnd* control, UINT message)
{
    return ::SendMessageW(::GetParent(control->GetSafeHwnd()), message, 0, 0);
}

} // namespace

bool HasWindow(const CWnd* control)
{
    return control && ::IsWindow(control->GetSafeHwnd());
}

int CControlBase::ApplyProperties(CTRLPROPERTIES*)
{
    return -1;
}

int CControlBase::ApplyStyle(LPCWSTR)
{
    return -1;
}

int CControlBase::ReleaseImages()
{
    return -1;
}

int CControlBase::RedrawControl(CWnd* control)
{
    if (!HasWindow(control))
        return -1;
    if (AskParent(control, WM_VXL_ISDRAWCHILDBK))
        AskParent(control, WM_VXL_REDRAWCHILDBK);
    else
        ::InvalidateRect(control->GetSafeHwnd(), nullptr, TRUE);
    return 0;
}

BOOL CControlBase::ParentDrawsChildren(CWnd* control)
{
    if (!control)
        return FALSE;
    return AskParent(control, WM_VXL_ISDRAWCHILDBK) != 0;
}

int CControlBase::DrawParentBackground(CWnd* control, CDC* dc, const RECT& rect, BOOL* parentDraws)
{
    if (!control || !dc)
        return -1;
    const BOOL draws = ParentDrawsChildren(control);
    if (parentDraws)
        *parentDraws = draws;
    if (draws)
        return 0;
    const auto background = reinterpret_cast<HBITMAP>(AskParent(control, WM_VXL_GETBKDC));
    if (!background)
        return -1;
    BitmapDC source(*dc, background);
    dc->BitBlt(0, 0, rect.right - rect.left, rect.bottom - rect.top, &source, rect.left, rect.top, SRCCOPY);
    return 0;
}

int CheckApplyRecord(const CWnd* control, const CTRLPROPERTIES* record, LPCWSTR type)
{
    if (!HasWindow(control))
        return -1;
    return CheckRecordType(record, type);
}

int CheckRecordType(const CTRLPROPERTIES* record, LPCWSTR type)
{
    if (!record)
        return -2;
    const PropertyValue& recordType = record->GetVar(CtrlVar::Type);
    const CString styled = CString(L"STYLE_") + type;
    if (recordType == static_cast<LPCWSTR>(styled) || recordType == type)
        return 0;
    return -3;
}

BOOL AddControlTool(CToolTipCtrl& tip, CWnd& control, LPCWSTR text)
{
    if (!tip.GetSafeHwnd() && !tip.Create(&control))
        return FALSE;
    return tip.AddTool(&control, text);
}

bool HandleLayeredParentShowHide(HWND control, const WINDOWPOS* position)
{
    const HWND parent = ::GetParent(control);
    if (!position || position->hwnd != control || !parent || !(::GetWindowLongW(parent, GWL_EXSTYLE) & WS_EX_LAYERED))
        return false;
    if (position->flags & SWP_SHOWWINDOW)
        return true;
    if (position->flags & SWP_HIDEWINDOW) {
        RECT rect;
        ::GetWindowRect(control, &rect);
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&rect), 2);
        ::InvalidateRect(parent, &rect, TRUE);
    }
    return false;
}

} // namespace Vexel
