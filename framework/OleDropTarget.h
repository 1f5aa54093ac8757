#pragma once
// COleDropTarget: lets a window receive OLE drag and drop through virtual members. A
// window object holds one (usually as a member) and registers it on its window; OLE then
// calls it on the window's thread while a drag passes over, and the target turns each
// call into its overridables with the data wrapped in a COleDataObject and the cursor in
// client coordinates of the window:
//
//   a drag entering    OnDragScroll, then OnDragEnter unless the scroll answer holds
//                      DROPEFFECT_SCROLL
//   each move          OnDragScroll, then OnDragOver likewise
//   leaving            OnDragLeave
//   the drop           OnDragOver for the effect at the drop point, then OnDropEx with
//                      that effect and the source's allowed effects; when OnDropEx answers
//                      -1 (kDropExNotHandled, its default) OnDrop runs with the effect, or
//                      OnDragLeave when the effect is none
//
// Each answer is narrowed to the effects the source allows before it goes back to OLE:
// a move the source does not allow becomes a copy when copies are allowed (so a target
// that prefers moving still gets the drop of a copy-only source); other effects it does
// not allow are dropped; DROPEFFECT_SCROLL is kept.
//
// OLE must be started on the thread (AfxOleInit) before Register. The registration ends
// with Revoke, with the target's destruction, or when the window is destroyed.
#include "framework/CmdTarget.h"
#include "framework/ComPtr.h"
#include "framework/Geometry.h"
#include "framework/OleDataObject.h"

#include <windows.h>
#include <ole2.h>

class CWnd;

// What OnDropEx answers to leave the drop to OnDrop.
constexpr DROPEFFECT kDropExNotHandled = static_cast<DROPEFFECT>(-1);

class COleDropTarget : public CCmdTarget {
    DECLARE_DYNAMIC(COleDropTarget)
public:
    COleDropTarget();
    // Revokes a registration that is still in force.
    ~COleDropTarget() override;

    // Registers this target on `wnd`'s window. FALSE when there is no window, this target
    // is registered already, the window has a target, or OLE refuses (not started on this
    // thread).
    BOOL Register(CWnd* wnd);
    // Ends the registration; nothing when there is none.
    virtual void Revoke();

    // Overridables, in the order above; the defaults accept nothing.
    virtual DROPEFFECT OnDragEnter(CWnd* wnd, COleDataObject* dataObject, DWORD keyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* wnd, COleDataObject* dataObject, DWORD keyState, CPoint point);
    // TRUE when the data was dropped.
    virtual BOOL OnDrop(CWnd* wnd, COleDataObject* dataObject, DROPEFFECT dropEffect, CPoint point);
    // The effect carried out, or kDropExNotHandled (the default) to have OnDrop run.
    virtual DROPEFFECT OnDropEx(CWnd* wnd, COleDataObject* dataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    virtual void OnDragLeave(CWnd* wnd);
    // DROPEFFECT_SCROLL (with the effect to show) while the cursor is in a scrolling zone.
    virtual DROPEFFECT OnDragScroll(CWnd* wnd, DWORD keyState, CPoint point);

    // The OLE face of this target (no reference added), as registered with OLE.
    IDropTarget* GetDropTarget() const { return m_face.Get(); }
    // The registered window, or null.
    HWND GetWindow() const { return m_hWnd; }

private:
    friend class DropTargetFace;
    HWND m_hWnd = nullptr;
    ComPtr<IDropTarget> m_face;
    IDataObject* m_dragData = nullptr;   // the data of the drag in progress; a reference is held
};
