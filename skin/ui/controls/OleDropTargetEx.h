#pragma once
// COleDropTargetEx: a drop target whose window answers the drag through its own message
// handlers. Each callback is packed into a COleDropInfo and sent (wParam 0) to the
// registered window, whose answer goes back to OLE:
//
//   WM_DROPTARGET_DRAGENTER   COleDropInfo*   the effect of the drag entering
//   WM_DROPTARGET_DRAGOVER    COleDropInfo*   the effect at the current position
//   WM_DROPTARGET_DROP        COleDropInfo*   non-zero: dropped
//   WM_DROPTARGET_DROPEX      COleDropInfo*   the effect carried out, or -1 to have the
//                                             plain drop (WM_DROPTARGET_DROP) follow
//   WM_DROPTARGET_DRAGLEAVE   0               ignored
//   WM_DROPTARGET_DRAGSCROLL  0               the effect, with DROPEFFECT_SCROLL while the
//                                             window scrolls (it has no key state or point:
//                                             a receiver asks for the cursor itself)
//
// A window without handlers answers 0 through its default procedure: no effect, no drop.
// Registration and revocation are COleDropTarget's; OLE calls on the window's thread.
#include "framework/OleDropTarget.h"
#include "skin/ui/controls/OleDropInfo.h"

namespace Vexel {

class COleDropTargetEx : public COleDropTarget {
    DECLARE_DYNAMIC(COleDropTargetEx)
public:
    COleDropTargetEx() = default;
    ~COleDropTargetEx() override = default;

    DROPEFFECT OnDragEnter(CWnd* wnd, COleDataObject* dataObject, DWORD keyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* wnd, COleDataObject* dataObject, DWORD keyState, CPoint point) override;
    BOOL OnDrop(CWnd* wnd, COleDataObject* dataObject, DROPEFFECT dropEffect, CPoint point) override;
    DROPEFFECT OnDropEx(CWnd* wnd, COleDataObject* dataObject, DROPEFFECT dropDefault, DROPEFFECT dropList,
                        CPoint point) override;
    void OnDragLeave(CWnd* wnd) override;
    DROPEFFECT OnDragScroll(CWnd* wnd, DWORD keyState, CPoint point) override;
};

} // namespace Vexel
