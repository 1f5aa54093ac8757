#pragma once
// The state behind a CSkinStatic, shared by the files that implement it. Not for use
// elsewhere.
#include "framework/ToolTipCtrl.h"
#include "skin/ui/BitmapSlots.h"
#include "skin/ui/PaintBuffer.h"
#include "skin/ui/WindowImages.h"
#include "skin/ui/controls/SkinStatic.h"

namespace Vexel {

// The static's two looks.
enum StaticLook : int { kStaticNormal = 0, kStaticDisabled = 1, kStaticLooks = 2 };

// Its bitmap slots: the two backgrounds, then the two foregrounds.
enum StaticSlot : int { kStaticBackgrounds = 0, kStaticForegrounds = 2, kStaticSlotCount = 4 };

struct SkinStaticPrivate {
    int textOffsetX[kStaticLooks] = {};
    int textOffsetY[kStaticLooks] = {};
    int textHorAlign[kStaticLooks] = {};   // 0 default, 1 left, 2 right, 3 centre
    int textVerAlign[kStaticLooks] = {};   // 0 default, 1 top, 2 bottom, 3 centre
    int singleLine = 0;
    int pathEllipsis = 0;
    int endEllipsis = 0;
    std::unique_ptr<CFont> fonts[kStaticLooks];
    COLORREF textColors[kStaticLooks] = {};
    CToolTipCtrl toolTip;
    BitmapSlots bitmaps{kStaticSlotCount};
    int foregroundOffsetX = 0;
    int foregroundOffsetY = 0;
    int foregroundHorMode = kAlignNear;
    int foregroundVerMode = kAlignCenter;
    COLORREF foregroundKey = RGB(255, 0, 255);
    int followParent = 1;                  // ask the window for the resize point on every paint
    POINT resizePoint{3, 3};
    PaintBuffer paintBuffer;
};

} // namespace Vexel
