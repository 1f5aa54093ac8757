#pragma once
// Drawing a bitmap larger than it is around a resizing point ("9Grid"): the corners stay
// 1:1, column x and row y of the point repeat to fill the middle.
#include <windows.h>

namespace Vexel {

// The bitmap drawn into (x, y, w, h) by the resize point (px, py), clamped into the
// bitmap. The repeated row is 1 pixel high and the repeated column `columnWidth` wide.
// A destination no larger than the bitmap gets a 1:1 copy of its top-left part; one
// larger in a single direction gets three parts, in both directions nine.
// -1 for a null bitmap, else 0.
int DrawResizedBitmap(HDC hdc, int x, int y, int w, int h, HBITMAP bitmap, int columnWidth, int px, int py);

// The same with both repeat sizes given. The point must lie inside the destination in at
// least one direction, else (as for a destination no larger than the bitmap) the bitmap is
// copied 1:1; any stretch draws the nine-part layout. -1 for a null bitmap, else 0.
int DrawResizedBitmapEx(HDC hdc, int x, int y, int w, int h, HBITMAP bitmap, int repeatWidth, int repeatHeight,
                        int px, int py);

// DrawResizedBitmap into `rect` with column width 1.
int DrawResizedBitmapInRect(const RECT& rect, HDC hdc, int px, int py, HBITMAP bitmap);

} // namespace Vexel
