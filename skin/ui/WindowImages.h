#pragma once
// Skin images laid onto a control's window: a foreground image aligned in the client
// area, a background resized to the window, and the one-pixel frame of a bordered window
// painted from a background image.
#include "framework/Gdi.h"

namespace Vexel {

// Foreground alignment: horizontal 0 centre, 1 left, 2 right; vertical 0 centre, 1 top,
// 2 bottom. Any other mode puts the image at 0.
enum ForegroundAlign : int {
    kAlignCenter = 0,
    kAlignNear = 1,   // left or top
    kAlignFar = 2,    // right or bottom
};

// The window's rectangle in its parent's client coordinates.
CRect RectInParent(HWND window, HWND parent);

// The resize point to draw a control's images with: with `askParent`, the parent window's
// (WM_VXL_GETRESIZEPOINT) made relative to the control, which lies at `inParent` in the
// parent, so the control continues the window's stretched background; else its own
// (resizeX, resizeY).
POINT ControlResizePoint(HWND window, HWND parent, const RECT& inParent, BOOL askParent, int resizeX, int resizeY);

// The bitmap drawn 1:1 inside the window's client rectangle as the modes and offsets
// place it, pixels of the key colour left transparent. -1 for a null bitmap or DC, else 0
// (nothing is drawn when the bitmap's size cannot be read).
int DrawForegroundImage(HWND window, CDC* dc, int xOffset, int yOffset, HBITMAP bitmap, int horizontalMode,
                        int verticalMode, COLORREF key);

// A control's background: the bitmap resized (nine-grid) to the window's size and drawn
// at (0, 0) of `dc`. With `askParent` the resize point is the parent window's
// (WM_VXL_GETRESIZEPOINT), made relative to the control, so the control continues the
// window's stretched background; otherwise (resizeX, resizeY). A window with WS_BORDER
// gets the image less its outer pixel row and column, which the border covers.
// -1 no window, -2 null DC, -3 null bitmap, -4 no parent window, else 0.
int DrawResizedBackground(HWND window, CDC* dc, HBITMAP bitmap, BOOL askParent, int resizeX, int resizeY);

// The window's outer one-pixel frame, taken from the bitmap copied 1:1 at the window's
// top-left. -1 no window, -3 null bitmap, else 0.
int DrawFrameFromBitmap(HWND window, HBITMAP bitmap);

// The same from the bitmap resized to the window (resize point as for
// DrawResizedBackground). -1 no window, -3 null bitmap, -4 no parent window, else 0.
int DrawFrameFromResizedBitmap(HWND window, HBITMAP bitmap, BOOL askParent, int resizeX, int resizeY);

} // namespace Vexel
