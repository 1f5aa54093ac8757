#pragma once
// What a CSkinHeaderCtrl holds; shared by its files, seen by nothing else.
#include "framework/Gdi.h"
#include "skin/ui/PaintBuffer.h"
#include "skin/ui/SharedBitmap.h"
#include "skin/ui/controls/HeaderItemLayout.h"
#include "skin/ui/controls/SkinHeaderCtrl.h"

namespace Vexel {

struct SkinHeaderCtrlPrivate {
    CTreeList* ownerTree = nullptr;                 // not owned; enables the width clamp
    SharedBitmap headerBk;                          // held: the whole strip
    POINT headerBkResizePoint{2, 2};
    SharedBitmap buttonImages[kStateCount];    // held: item images by look
    POINT buttonResizePoint{2, 2};
    COLORREF textColors[kStateCount] = {};
    CFont fonts[kStateCount];                  // owned copies; empty: the DC's font
    int height = CSkinHeaderCtrl::kDefaultHeight;
    int pressedItem = -1;                           // under the left button since it went down
    int hoverItem = -1;                             // under the mouse
    int clampedItem = -1;                           // a tracked column kept inside the header ...
    int clampedWidth = 0;                           // ... at most this wide, until the button is up
    PaintBuffer canvas;
};

} // namespace Vexel
