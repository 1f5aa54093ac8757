#pragma once
// The process's decoded skin images, each made once and shared (SharedBitmap.h) by every
// control and window that draws it: the main window alone draws some two hundred images
// cut from a few dozen files. An image is kept by what makes it: the file's full path
// (in any letter case) with its size and last write time, so a file written again makes a
// new image; the part of a strip (index and count); and the DPI pair it was scaled with.
// Cut-outs of a shared image are kept by the image and the rectangle.
//
// The store holds no image itself: an image lives while someone holds it, so a window that
// closes lets go of what only it drew, and a later window makes it again from the file's
// kept bytes (BitmapFileCache.h), which costs far less than keeping every image for good.
// Any thread; images are made under the store's lock.
#include "skin/ui/SharedBitmap.h"

#include <cstddef>

namespace Vexel {

// The whole image of the bitmap file at `path` (a full path); with `scaleToDpi`, scaled to
// the screen's DPI when image scaling is on (IsImageScalingOn). Empty when it does not load.
SharedBitmap SharedFileImage(LPCWSTR path, bool scaleToDpi);

// The `count` equal parts side by side of that image (part i starts at i * W / count and is
// W / count wide) into `parts[0..count)`, each shared per part. Parts stay empty when the
// file does not load; false then, or for a count below 1.
bool SharedFileImageParts(LPCWSTR path, bool scaleToDpi, int count, SharedBitmap* parts);

// The part of `source` under `rect`, as CropBitmap cuts it: one image for every caller that
// cuts the same rectangle out of the same image. Empty for an empty source or rectangle.
SharedBitmap SharedCrop(const SharedBitmap& source, const RECT& rect);

// How many images the store has made that someone still holds.
std::size_t LiveStoreImages();

} // namespace Vexel
