#pragma once
// Where a control's own skinned scroll bars go: over the right and bottom edges of the
// control, as siblings in its parent, with the control's window region cut back so the
// native bars beneath do not show.
#include <windows.h>

namespace Vexel {

struct OwnScrollBarLayout {
    bool showVertical = false;
    bool showHorizontal = false;
    RECT vertical{};      // the bars, in the parent's client coordinates
    RECT horizontal{};
    RECT cuts[2]{};       // taken out of the control's window region (window coordinates)
    int cutCount = 0;
};

// The layout for a control at `inParent` (its window rectangle in the parent's client
// coordinates) with bars `barWidth` wide (vertical) and `barHeight` high (horizontal). With
// both bars the corner between them stays the control's.
OwnScrollBarLayout LayOutOwnScrollBars(const RECT& inParent, int barWidth, int barHeight, bool needVertical,
                                       bool needHorizontal);

// A direction needs a bar when its scroll info could be read and a page of it is less than
// the whole range.
bool IsScrollBarNeeded(BOOL infoRead, const SCROLLINFO& info);

} // namespace Vexel
