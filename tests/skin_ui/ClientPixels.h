#pragma once
// Reading what a shown window shows, once it has painted what was pending.
#include <windows.h>

namespace skin_ui_test {

// The pixel at client (x, y) of `window`, after its pending paints (children included).
COLORREF ClientPixel(HWND window, int x, int y);
// The pixel at (x, y) of the whole window, frame included.
COLORREF WholeWindowPixel(HWND window, int x, int y);

} // namespace skin_ui_test

namespace skin_ui_test {

class Canvas;

// What the client area of `window` shows, once painted, copied onto `canvas` at (0, 0).
void CopyClient(HWND window, Canvas& canvas);

} // namespace skin_ui_test
