#pragma once
// A control's own skinned scroll bars: two CScrollBarEx siblings in the control's parent,
// laid over the control's right and bottom edges where the native bars would be, with the
// control's window region cut back under them. The control keeps the bars and what its
// region was last cut for; these functions do the work for any such control.
#include "framework/Wnd.h"
#include "skin/ui/controls/OwnScrollBarLayout.h"

namespace Vexel {

class CScrollBarEx;

// What a control's window region was last cut for; the region is set again only when this
// changes (setting it repaints the control, and the control lays its bars out on every
// paint, so an unconditional set would repaint for ever).
struct AppliedRegion {
    bool set = false;
    bool vertical = false;
    bool horizontal = false;
    SIZE window{0, 0};
    int barWidth = 0;
    int barHeight = 0;

    bool operator==(const AppliedRegion& o) const
    {
        return set == o.set && vertical == o.vertical && horizontal == o.horizontal && window.cx == o.window.cx &&
               window.cy == o.window.cy && barWidth == o.barWidth && barHeight == o.barHeight;
    }
};

// The ids of the bars in the parent.
enum : UINT {
    kOwnHorzBarId = 1,
    kOwnVertBarId = 2,
};

// Makes the bars that have no window yet, hidden, in the control's parent, and has them
// notify the control. -1 as soon as one cannot be made, else 0.
int CreateOwnBars(CWnd& control, CScrollBarEx& horizontal, CScrollBarEx& vertical);

// The control's scroll infos into the bars.
void SyncOwnBars(HWND control, CScrollBarEx& horizontal, CScrollBarEx& vertical);

// Places, shows or hides each bar for the control's overflow (a bar shows only while the
// control does), cuts the control's region back under them when that changes, and gives
// the bars the control's scroll infos.
void LayOutOwnBars(CWnd& control, CScrollBarEx& horizontal, CScrollBarEx& vertical, AppliedRegion& region);

// Whether none of the control's non-client area lies inside its window region: the native
// bars the own bars stand over are cut away, and painting them (themed; milliseconds at every
// show under Wine) would draw nothing that shows. False for a window without a region.
bool IsNonClientAreaCutAway(HWND control);

// Hides both bars, or enables or disables both, where they have windows.
void HideOwnBars(CScrollBarEx& horizontal, CScrollBarEx& vertical);
void EnableOwnBars(CScrollBarEx& horizontal, CScrollBarEx& vertical, BOOL enable);

} // namespace Vexel
