#pragma once
// Shaping a window from a mask bitmap: every pixel of the mask colour is cut away.
#include <windows.h>

namespace Vexel {

// Sets the window's region to its window rectangle less the bitmap's mask-colour pixels
// (the bitmap laid at the window's top-left; where it is smaller the window stays
// opaque), then updates the parent when there is one. The bitmap stays the caller's and
// must not be selected into a DC. 0; -1 for a null bitmap.
int SetWindowRegionFromBitmap(HWND window, HBITMAP bitmap, COLORREF mask);

// The same from a bitmap file. -1 when the file does not load.
int SetWindowRegionFromFile(HWND window, LPCWSTR path, COLORREF mask);

} // namespace Vexel
