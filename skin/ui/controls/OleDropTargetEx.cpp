#include "skin/ui/controls/OleDropTargetEx.h"

#include "framework/Wnd.h"
#include "skin/ui/SkinMessages.h"

namespace Vexel {
namespace {

// The window's answer; a null window object (or one without a window) answers 0.
LRESULT SendToWindow(CWnd* wnd, UINT message, const COleDropInfo* info)
{
    const HWND window = wnd ? wnd->GetSafeHwnd() : nullptr;
    if (!window)
        return 0;
    return ::SendMessageW(window, message, 0, reinterpret_cast<LPARAM>(info));
}

DROPEFFECT EffectOf(LRESULT answer)
{
    return static_cast<DROPEFFECT>(answer);
}

} // namespace

IMPLEMENT_DYNAMIC(COleDropTargetEx, COleDropTarget)

DROPEFFECT COleDropTargetEx::OnDragEnter(CWnd* wnd, COleDataObject* dataObject, DWORD keyState, CPoint point)
{
    const COleDropInfo info(dataObject, keyState, 0, 0, point);
    return EffectOf(SendToWindow(wnd, WM_DROPTARGET_DRAGENTER, &info));
}

DROPEFFECT COleDropTargetEx::OnDragOver(CWnd* wnd, COleDataObject* dataObject, DWORD keyState, CPoint point)
{
    const COleDropInfo info(dataObject, keyState, 0, 0, point);
    return EffectOf(SendToWindow(wnd, WM_DROPTARGET_DRAGOVER, &info));
}

BOOL COleDropTargetEx::OnDrop(CWnd* wnd, COleDataObject* dataObject, DROPEFFECT dropEffect, CPoint point)
{
    const COleDropInfo info(dataObject, 0, dropEffect, 0, point);
    return SendToWindow(wnd, WM_DROPTARGET_DROP, &info) != 0;
}

DROPEFFECT COleDropTargetEx::OnDropEx(CWnd* wnd, COleDataObject* dataObject, DROPEFFECT dropDefault,
                                      DROPEFFECT dropList, CPoint point)
{
    const COleDropInfo info(dataObject, 0, dropDefault, dropList, point);
    return EffectOf(SendToWindow(wnd, WM_DROPTARGET_DROPEX, &info));
}

void COleDropTargetEx::OnDragLeave(CWnd* wnd)
{
    SendToWindow(wnd, WM_DROPTARGET_DRAGLEAVE, nullptr);
}

DROPEFFECT COleDropTargetEx::OnDragScroll(CWnd* wnd, DWORD, CPoint)
{
    return EffectOf(SendToWindow(wnd, WM_DROPTARGET_DRAGSCROLL, nullptr));
}

} // namespace Vexel
