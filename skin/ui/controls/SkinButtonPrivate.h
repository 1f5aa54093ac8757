#pragma once
// The state behind a CSkinButton, shared by the files that implement it (setters and
// ownership, applying records, painting, the window procedure). Not for use elsewhere.
#include "framework/ToolTipCtrl.h"
#include "skin/ui/BitmapSlots.h"
#include "skin/ui/PaintBuffer.h"
#include "skin/ui/VisualState.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/controls/SkinButton.h"

namespace Vexel {

// The button's bitmap slots: four groups of one slot per state.
enum ButtonImageGroup : int {
    kBackgroundSlots = 0,
    kCheckedBackgroundSlots = kStateCount,
    kForegroundSlots = 2 * kStateCount,
    kCheckedForegroundSlots = 3 * kStateCount,
    kButtonSlotCount = 4 * kStateCount,
};

// One complete look of the button: the unchecked one or the checked one.
struct ButtonLook {
    std::unique_ptr<CFont> fonts[kStateCount];
    COLORREF textColors[kStateCount] = {};
    int textHorOffsets[kStateCount] = {};
    int textVerOffsets[kStateCount] = {};
    int textHorAligns[kStateCount] = {};
    int textVerAligns[kStateCount] = {};
    int foregroundHorOffset = 0;
    int foregroundVerOffset = 0;
    int foregroundHorAlign = kAlignNear;
    int foregroundVerAlign = kAlignCenter;
    COLORREF foregroundKey = RGB(255, 0, 255);
};

struct SkinButtonPrivate {
    int ownsObjects = 1;
    ButtonLook looks[2];            // unchecked, checked
    BitmapSlots bitmaps{kButtonSlotCount};   // every bitmap the button holds
    int followParent = 1;           // stretch around the window's resize point, not the own one
    POINT resizePoint{3, 3};
    int endEllipsis = 0;
    int focusRect = 0;
    int hover = 0;                  // the cursor is over the button
    int pressed = 0;                // the left button went down on it and has not come up
    CToolTipCtrl toolTip;
    CString tag;
    PaintBuffer paintBuffer;

    ButtonLook& Look(bool checked) { return looks[checked ? 1 : 0]; }
};

} // namespace Vexel
