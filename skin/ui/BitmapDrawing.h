#pragma once
// Drawing skin bitmaps into device contexts: 1:1, centred, stretched, tiled and with a
// key colour left transparent. The destination DC comes first; (x, y, w, h) is the
// destination rectangle. Nothing here keeps state; every scratch DC, bitmap and brush is
// released before return.
#include <windows.h>

namespace Vexel {

// BitBlt of (w, h) from (srcX, srcY) of the bitmap with `rop`. -1 for a null bitmap, else 0.
int DrawBitmap(HDC hdc, int x, int y, int w, int h, HBITMAP bitmap, int srcX, int srcY, DWORD rop);

// DrawBitmap into (left, top, right, bottom) from (0, srcY), SRCCOPY: a band of a strip.
int DrawBitmapInRect(HDC hdc, int left, int top, int right, int bottom, HBITMAP bitmap, int srcY);

// The whole bitmap 1:1, centred in `rect` (a larger bitmap starts left of / above it).
// -1 null bitmap, -2 size unreadable, else the DrawBitmap result.
int DrawBitmapCentered(const RECT& rect, HDC hdc, HBITMAP bitmap);

// The whole bitmap stretched into `rect`, SRCCOPY. -1 null bitmap, else 0 (nothing is
// drawn when its size cannot be read).
int StretchBitmapToRect(HBITMAP bitmap, HDC hdc, const RECT& rect);

// TransparentBlt of (srcX, 0, srcW, srcH) of the bitmap into (x, y, w, h), white left out.
// -1 for a null bitmap, else 0.
int DrawBitmapKeyWhite(HDC hdc, int x, int y, int w, int h, HBITMAP bitmap, int srcX, int srcW, int srcH);

// The source area drawn into (x, y, w, h), stretched when the sizes differ, every pixel of
// the key colour left transparent (by a monochrome mask, so it works on any device).
// Does nothing when w, h, srcW or srcH is below 1. Afterwards hdc has a white background
// colour and a black text colour.
void DrawTransparentBitmap(HDC hdc, int x, int y, int w, int h, HDC source, int srcX, int srcY, int srcW, int srcH,
                           COLORREF key);

// Fills (x, y, w, h) by repeating the source rectangle, with one pattern-brush fill whose
// pattern starts at (x, y). 0 for a null DC, a negative source origin, an empty source or
// a failed scratch bitmap; 1 when drawn, and 1 without drawing for an empty destination.
int TileBlt(HDC hdc, int x, int y, int w, int h, HDC source, int srcX, int srcY, int srcW, int srcH);

} // namespace Vexel
