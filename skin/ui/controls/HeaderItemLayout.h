#pragma once
// Where a skinned header item's text and bitmap go, and which look the item has. Pure
// rules, so they can be tested without a window; CSkinHeaderCtrl::DrawHeaderItem draws
// what they answer.
#include "skin/ui/VisualState.h"

#include <windows.h>

namespace Vexel {

// The look of header item `item`: the shared rule of VisualState.h, where the mouse over
// the item counts only while no other item is pressed, and an item stays pressed only
// while the left button is down. `pressed` and `hover` are item indexes, -1 for none.
VisualState ChooseHeaderLook(bool enabled, bool leftButtonDown, int pressed, int hover, int item);

struct HeaderItemLayout {
    bool drawText = false;
    RECT text{};               // where DrawText draws
    UINT format = 0;           // DrawText flags, DT_END_ELLIPSIS included
    bool drawBitmap = false;
    int bitmapX = 0;           // the bitmap goes at (bitmapX, 0) ...
    int bitmapWidth = 0;       // ... this many of its columns, its full height
};

// The layout of an item whose rectangle is `item` and whose HDITEM format is `format`.
// `textWidth`: the width of its text as DrawText measures it, -1 when it has no text.
// `bitmapWidth`: the width of its bitmap, -1 when it has none.
//
// The text starts 4 pixels into the item, aligned as the format says (HDF_CENTER,
// HDF_RIGHT, else HDF_RTLREADING), and ends 4 pixels before the item's right edge, or
// 8 pixels plus the bitmap before it; a text too wide for that loses its alignment and
// ends in an ellipsis. With a bitmap the text takes only its own width, and the bitmap
// follows it 4 pixels on; without text the bitmap sits 4 pixels before the right edge
// (never left of 4 pixels into the item). The bitmap is cut at the item's right edge.
HeaderItemLayout LayOutHeaderItem(const RECT& item, int format, int textWidth, int bitmapWidth);

} // namespace Vexel
