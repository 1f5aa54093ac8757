#pragma once
// The state of a CSkinTreeCtrl, shared by the files that implement it.
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "skin/ui/SharedBitmap.h"
#include "skin/ui/controls/OwnScrollBars.h"
#include "skin/ui/controls/ScrollBarEx.h"

#include <windows.h>
#include <commctrl.h>

namespace Vexel {

struct SkinTreeCtrlPrivate {
    // Expansions under way that switched redraw off. Counted, so that a nested expansion
    // does not take the tree's own switched-off state for "was hidden"; and put back when
    // the outermost message ends, so that an expansion that was refused (no "expanded"
    // follows) cannot leave the tree without redraw.
    int expandsWithoutRedraw = 0;
    int messageDepth = 0;
    // The owner switched redraw off (WM_SETREDRAW FALSE): expansions then leave drawing to the
    // owner's switching it on again. The tree's own switching does not count.
    bool redrawHeld = false;
    bool switchingRedraw = false;

    SharedBitmap backgroundNormal;     // held
    SharedBitmap backgroundDisabled;   // held
    BOOL useParentResizePoint = TRUE;  // the background continues the parent's
    POINT resizePoint{3, 3};
    CString tag;
    CFont fontNormal;                  // owned
    CFont fontDisabled;                // owned

    BOOL ownScrollBars = FALSE;
    CScrollBarEx hScroll;
    CScrollBarEx vScroll;
    AppliedRegion region;

    BOOL lineEnabled = FALSE;
    COLORREF lineColor = RGB(0x80, 0x80, 0x80);
    SharedBitmap collapseImage;        // held
    SharedBitmap expandedImage;        // held

    BOOL rootEffect = FALSE;
    POINT rootResizePoint{3, 3};
    SharedBitmap rootFocusImage;       // held
    SharedBitmap rootNonFocusImage;    // held

    COLORREF selectedBkColor = 0x800000;
    COLORREF selectedTextColor = 0xFFFFFF;
    SharedBitmap selectedImage;        // held
    SharedBitmap selectedNonFocusImage; // held
    POINT selectedResizePoint{2, 2};

    BOOL hoverEnabled = FALSE;
    HTREEITEM hoverItem = nullptr;
    COLORREF hoverBkColor = 0xF1F1F1;
    COLORREF hoverTextColor = 0xFFFFFF;
    SharedBitmap hoverImage;           // held
    SharedBitmap hoverNonFocusImage;   // held
    POINT hoverResizePoint{2, 2};

    COLORREF disabledTextColor = RGB(0x80, 0x80, 0x80);
    DWORD hoverTime = HOVER_DEFAULT;

    // Paint scratch, kept at the client size: the composed paint, and the tree's own
    // rendering (made at most once per paint) from which the native buttons and lines come.
    CBitmap canvas;
    SIZE canvasSize{0, 0};
    CBitmap native;
    SIZE nativeSize{0, 0};
    bool nativeValid = false;
};

} // namespace Vexel
