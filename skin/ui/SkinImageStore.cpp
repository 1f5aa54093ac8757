#include "skin/ui/SkinImageStore.h"

#include "skin/ui/BitmapCopies.h"
#include "skin/ui/BitmapFileCache.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/DpiScaling.h"

#include <map>
#include <mutex>
#include <string>
#include <tuple>

namespace Vexel {

// The store's way into a hold: it keeps only weak references, which see an image go.
class SkinImageStoreAccess {
public:
    using Weak = std::weak_ptr<const SharedBitmap::Owner>;

    static Weak WeakOf(const SharedBitmap& image) { return image.m_owner; }
    static SharedBitmap Lock(const Weak& weak) { return SharedBitmap(weak.lock()); }
    static const void* Identity(const SharedBitmap& image) { return image.m_owner.get(); }
};

namespace {

using Access = SkinImageStoreAccess;

struct FileImageKey {
    std::wstring path;
    ULONGLONG size;
    DWORD writtenLow;
    DWORD writtenHigh;
    LONG dpi[4];   // design x, y and screen x, y; all -1 when unscaled
    int part;      // -1 for the whole image
    int count;

    auto Tied() const
    {
        return std::tie(path, size, writtenLow, writtenHigh, dpi[0], dpi[1], dpi[2], dpi[3], part, count);
    }
    bool operator<(const FileImageKey& other) const { return Tied() < other.Tied(); }
};

struct CropKey {
    const void* source;
    LONG left, top, right, bottom;

    auto Tied() const { return std::tie(source, left, top, right, bottom); }
    bool operator<(const CropKey& other) const { return Tied() < other.Tied(); }
};

struct CropEntry {
    Access::Weak source;   // tells a live source from a new one made at the same address
    Access::Weak image;
};

std::mutex g_storeLock;
std::map<FileImageKey, Access::Weak> g_fileImages;
std::map<CropKey, CropEntry> g_crops;
std::size_t g_sweepAt = 64;

// Drops entries whose image has gone, now and then, so the maps stay the size of what is held.
void SweepWhenLarge()
{
    if (g_fileImages.size() + g_crops.size() < g_sweepAt)
        return;
    for (auto it = g_fileImages.begin(); it != g_fileImages.end();)
        it = it->second.expired() ? g_fileImages.erase(it) : std::next(it);
    for (auto it = g_crops.begin(); it != g_crops.end();)
        it = it->second.image.expired() ? g_crops.erase(it) : std::next(it);
    g_sweepAt = 2 * (g_fileImages.size() + g_crops.size()) + 64;
}

// The key of a file image; false when the file is not there.
bool KeyOf(LPCWSTR path, bool scaleToDpi, int part, int count, FileImageKey& key)
{
    FileStamp stamp;
    if (!path || !*path || !ReadFileStamp(path, stamp))
        return false;
    DpiPair dpi = kUnscaledDpi;
    if (scaleToDpi) {
        const DpiPair current = CurrentDpi();   // asks the screen once
        if (IsImageScalingOn(current))
            dpi = current;
    }
    key = FileImageKey{KeptPathKey(path),
                       stamp.size,
                       stamp.written.dwLowDateTime,
                       stamp.written.dwHighDateTime,
                       {dpi.skin.cx, dpi.skin.cy, dpi.screen.cx, dpi.screen.cy},
                       part,
                       count};
    return true;
}

SharedBitmap Remember(const FileImageKey& key, SharedBitmap made)
{
    if (made) {
        SweepWhenLarge();
        g_fileImages[key] = Access::WeakOf(made);
    }
    return made;
}

SharedBitmap Held(const FileImageKey& key)
{
    const auto found = g_fileImages.find(key);
    return found == g_fileImages.end() ? SharedBitmap() : Access::Lock(found->second);
}

// With the lock held. The unscaled image first, the scaled one made from it.
SharedBitmap WholeImage(LPCWSTR path, const FileImageKey& key)
{
    if (SharedBitmap held = Held(key))
        return held;
    const bool scaled = key.dpi[0] != -1;
    if (!scaled)
        return Remember(key, SharedBitmap::Adopt(LoadBitmapFromFile(path)));
    FileImageKey unscaledKey = key;
    std::fill(std::begin(unscaledKey.dpi), std::end(unscaledKey.dpi), -1);
    const SharedBitmap unscaled = WholeImage(path, unscaledKey);
    if (!unscaled)
        return {};
    CBitmap made;
    ScaleBitmapToDpi(unscaled, &made);
    return Remember(key, SharedBitmap::Adopt(static_cast<HBITMAP>(made.Detach())));
}

} // namespace

SharedBitmap SharedFileImage(LPCWSTR path, bool scaleToDpi)
{
    FileImageKey key;
    if (!KeyOf(path, scaleToDpi, -1, 1, key))
        return {};
    const std::lock_guard<std::mutex> lock(g_storeLock);
    return WholeImage(path, key);
}

bool SharedFileImageParts(LPCWSTR path, bool scaleToDpi, int count, SharedBitmap* parts)
{
    if (count < 1 || !parts)
        return false;
    FileImageKey key;
    if (!KeyOf(path, scaleToDpi, -1, count, key))
        return false;
    const std::lock_guard<std::mutex> lock(g_storeLock);
    SharedBitmap whole;   // made only when a part is not held
    for (int part = 0; part < count; ++part) {
        FileImageKey partKey = key;
        partKey.part = part;
        parts[part] = Held(partKey);
        if (parts[part])
            continue;
        if (!whole) {
            FileImageKey wholeKey = key;
            wholeKey.count = 1;
            whole = WholeImage(path, wholeKey);
        }
        SIZE size;
        if (GetBitmapSize(whole, size) != 0)
            return false;
        const LONG left = part * size.cx / count;
        parts[part] = Remember(partKey, CroppedCopy(RECT{left, 0, left + size.cx / count, size.cy}, whole));
    }
    return true;
}

SharedBitmap SharedCrop(const SharedBitmap& source, const RECT& rect)
{
    if (!source || rect.right <= rect.left || rect.bottom <= rect.top)
        return {};
    const CropKey key{Access::Identity(source), rect.left, rect.top, rect.right, rect.bottom};
    const std::lock_guard<std::mutex> lock(g_storeLock);
    const auto found = g_crops.find(key);
    if (found != g_crops.end() && Access::Lock(found->second.source) == source) {
        if (SharedBitmap held = Access::Lock(found->second.image))
            return held;
    }
    SharedBitmap made = CroppedCopy(rect, source);
    if (made) {
        SweepWhenLarge();
        g_crops[key] = CropEntry{Access::WeakOf(source), Access::WeakOf(made)};
    }
    return made;
}

std::size_t LiveStoreImages()
{
    const std::lock_guard<std::mutex> lock(g_storeLock);
    std::size_t live = 0;
    for (const auto& entry : g_fileImages)
        live += entry.second.expired() ? 0 : 1;
    for (const auto& entry : g_crops)
        live += entry.second.image.expired() ? 0 : 1;
    return live;
}

} // namespace Vexel
