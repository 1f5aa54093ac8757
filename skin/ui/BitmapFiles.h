#pragma once
// Loading skin bitmaps and icons, and the small questions asked of a loaded bitmap.
//
// A function that returns a new handle hands it to the caller, who owns it from then on
// (typically: `CBitmap image; image.Attach(LoadBitmapFromFile(path));`).
#include "framework/Gdi.h"

namespace Vexel {

// The bitmap file at `path` at its own size; null when it cannot be loaded. The file is read
// once per process (BitmapFileCache.h); each call makes a new bitmap.
HBITMAP LoadBitmapFromFile(LPCWSTR path);
// The icon file at `path` at its own size; null when it cannot be loaded.
HICON LoadIconFromFile(LPCWSTR path);
// Bitmap resource `id` of the resource module; null when there is none.
HBITMAP LoadBitmapResource(WORD id);

// 0 and the bitmap's size; -1 for a null bitmap; -2 when it cannot be read (`size` untouched).
int GetBitmapSize(HBITMAP bitmap, SIZE& size);

// Deletes a held handle, if any, and clears it.
void DeleteBitmapHandle(HBITMAP& bitmap);

// Puts `made` into `out`: it takes ownership, deleting what it held; a null `made`
// leaves it empty.
void HandBitmap(CBitmap& out, HBITMAP made);

} // namespace Vexel
