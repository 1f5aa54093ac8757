#pragma once
// New bitmaps made from others: copies, cut-outs, stretched and resized versions. Each
// is compatible with the screen and is handed to the caller through a CBitmap it holds;
// what that CBitmap held before is deleted.
#include "framework/Gdi.h"
#include "skin/ui/SharedBitmap.h"

namespace Vexel {

// A 1:1 copy of the source into `out`; -1 when `out` is null. A null source, or one whose
// size cannot be read, leaves `out` empty and gives 0.
int CopyBitmap(CBitmap* out, HBITMAP source);

// The part of the source under `rect` (copied from its left/top) into `out`, a bitmap of
// the rectangle's size. -1 for a null source or a null `out`, else 0.
int CropBitmap(const RECT& rect, HBITMAP source, CBitmap* out);
int CropBitmapXYWH(int left, int top, int width, int height, HBITMAP source, CBitmap* out);
// The same cut-out as a new image in a hold of its own; empty for a null source.
SharedBitmap CroppedCopy(const RECT& rect, HBITMAP source);

// Each non-null source cropped into its slot; a slot whose source is null is emptied.
// Null slots are skipped. 0.
int CropTwoBitmaps(const RECT& rect, HBITMAP a, HBITMAP b, CBitmap* outA, CBitmap* outB);

// The whole source stretched (COLORONCOLOR) into a new w x h bitmap. -1 for a null
// source or `out`, else 0.
int CreateStretchedBitmap(HBITMAP source, CBitmap* out, int w, int h);

// A new w x h bitmap holding the source drawn by DrawResizedBitmapEx at (0, 0) around
// (resizeX, resizeY). -1 for a null source or `out`, else 0.
int CreateResizedBitmap(HBITMAP source, CBitmap* out, int resizeX, int resizeY, int w, int h, int repeatWidth,
                        int repeatHeight);

} // namespace Vexel
