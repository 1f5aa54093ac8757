#pragma once
// CControlBase: the second base of the skinned controls built on a standard window class
// (button, edit, combo box, static, menu bar). It holds nothing; it gives each of them the
// same small protocol: apply a property record or a named style, release the control's
// images, and agree with the parent window on who paints the control's background.
//
// The control passes itself, as a window, to the protocol operations. They need a control
// window with a parent window.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "framework/ToolTipCtrl.h"
#include "skin/model/CtrlProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/SharedBitmap.h"

#include <algorithm>
#include <cstddef>

namespace Vexel {

class CControlBase {
public:
    virtual ~CControlBase() = default;

    // 0 applied; -1 no window; -2 null record (or, for ApplyStyle, an unknown style id);
    // -3 a record whose type is neither the control's word nor "STYLE_" and that word.
    // The base has no window to apply to: -1.
    virtual int ApplyProperties(CTRLPROPERTIES* record);
    virtual int ApplyStyle(LPCWSTR styleId);
    // Frees the images the control holds; -1 in the base.
    virtual int ReleaseImages();

    // Has the control's background painted again: by the parent when the parent paints
    // its children's backgrounds, else by invalidating the control. -1 without a window.
    virtual int RedrawControl(CWnd* control);
    // The parent's answer to WM_VXL_ISDRAWCHILDBK; 0 for a null control.
    virtual BOOL ParentDrawsChildren(CWnd* control);
    // Copies the parent's composed background under `rect` (control client coordinates,
    // also the source position in the parent's bitmap) to (0, 0) of `dc`. The parent's
    // answer to "do you draw the children?" goes to `parentDraws` when given; when it does,
    // nothing is drawn and the result is 0. -1 for a null control or DC, or when the parent
    // has no background bitmap.
    virtual int DrawParentBackground(CWnd* control, CDC* dc, const RECT& rect, BOOL* parentDraws = nullptr);

protected:
    CControlBase() = default;
    CControlBase(const CControlBase&) = default;
    CControlBase& operator=(const CControlBase&) = default;
};

// The result convention of ApplyProperties for a control of type word `type`: -1 when
// `control` has no window, -2 for a null record, -3 when the record's Type is neither
// "STYLE_" + `type` nor `type`, 0 when the record may be applied.
int CheckApplyRecord(const CWnd* control, const CTRLPROPERTIES* record, LPCWSTR type);
// The record half of that convention, for appliers without a window: -2 for a null
// record, -3 for a record of another type, 0 when it may be applied.
int CheckRecordType(const CTRLPROPERTIES* record, LPCWSTR type);

// Adds the whole of `control` as a tool with `text` to `tip`, which is made (owned by the
// control) on first use; a second call adds a second tool. The tip's answer; FALSE when
// it cannot be made.
BOOL AddControlTool(CToolTipCtrl& tip, CWnd& control, LPCWSTR text);

// Not null, and its handle still names a live window.
bool HasWindow(const CWnd* control);

// A layered parent repaints neither what a child uncovers nor what it shows: a control
// calls this with each WM_WINDOWPOSCHANGED. Hidden over a layered parent, the parent's
// area under it is invalidated here; shown over one, true tells the control to repaint
// itself. False in every other case.
bool HandleLayeredParentShowHide(HWND control, const WINDOWPOS* position);

// ApplyStyle as the skinned controls do it: -1 when `control` has no window, -2 for a null
// style id, else what `control`'s ApplyProperties answers for style `styleId` of `kind` in
// the skin store (-2 when the skin has no such style).
template <class Control>
int ApplyNamedStyle(Control& control, StyleKind kind, LPCWSTR styleId)
{
    if (!HasWindow(&control))
        return -1;
    if (!styleId)
        return -2;
    return control.ApplyProperties(g_skinStore.FindStyle(kind, styleId));
}

// Lets go of every one of a control's shared images (each goes with its last holder). 0.
template <std::size_t N>
int DeleteImages(SharedBitmap (&images)[N])
{
    for (SharedBitmap& image : images)
        image.Release();
    return 0;
}

// Hands each slot the bitmap given for it, which it then owns (adopted into a hold of its
// own). A null bitmap empties its slot, or, with `keepMissing`, leaves the image the slot had.
template <std::size_t N>
void HandImages(SharedBitmap (&images)[N], const HBITMAP (&given)[N], bool keepMissing)
{
    for (std::size_t state = 0; state < N; ++state) {
        if (!given[state]) {
            if (!keepMissing)
                images[state].Release();
            continue;
        }
        // One handle given for several states is adopted once: the later slots share its hold.
        const HBITMAP* const first = std::find(given, given + state, given[state]);
        images[state] = first != given + state ? images[first - given] : SharedBitmap::Adopt(given[state]);
    }
}

// Each slot takes a hold on the shared image given for it; an empty one empties its slot,
// or, with `keepMissing`, leaves the image the slot had.
template <std::size_t N>
void ShareImages(SharedBitmap (&images)[N], const SharedBitmap (&given)[N], bool keepMissing)
{
    for (std::size_t state = 0; state < N; ++state) {
        if (given[state] || !keepMissing)
            images[state] = given[state];
    }
}

} // namespace Vexel
