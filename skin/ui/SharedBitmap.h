#pragma once
// SharedBitmap: a counted hold on one decoded bitmap that several controls and windows draw.
// The bitmap is deleted when the last hold lets go. What it holds is read-only by contract:
// a holder draws from it (select it into a DC only for the length of one drawing) and never
// draws into it, scales it or hands it to anything that takes ownership; code that needs to
// change an image makes its own copy (BitmapCopies.h) or asks the store for a derived image.
//
// Copies share; moves hand the hold over. Any thread may copy or release a hold.
#include <windows.h>

#include <memory>

namespace Vexel {

class SharedBitmap {
public:
    SharedBitmap() = default;

    // A hold on `bitmap`, which it owns from here on (deleted with the last hold); null
    // gives an empty hold.
    static SharedBitmap Adopt(HBITMAP bitmap);

    HBITMAP GetSafeHandle() const { return m_owner ? m_owner->handle : nullptr; }
    operator HBITMAP() const { return GetSafeHandle(); }
    explicit operator bool() const { return GetSafeHandle() != nullptr; }

    // The bitmap's header into `out`; 0 (out untouched) for an empty hold or an unreadable bitmap.
    int GetBitmap(BITMAP* out) const;

    // Lets go of the hold (the bitmap goes when it was the last); a second call does nothing.
    void Release() { m_owner.reset(); }

    bool operator==(const SharedBitmap& other) const { return GetSafeHandle() == other.GetSafeHandle(); }
    bool operator!=(const SharedBitmap& other) const { return !(*this == other); }

private:
    friend class SkinImageStoreAccess;

    struct Owner {
        explicit Owner(HBITMAP bitmap) : handle(bitmap) {}
        ~Owner();
        Owner(const Owner&) = delete;
        Owner& operator=(const Owner&) = delete;
        const HBITMAP handle;
    };

    explicit SharedBitmap(std::shared_ptr<const Owner> owner) : m_owner(std::move(owner)) {}

    std::shared_ptr<const Owner> m_owner;
};

// Puts a new bitmap into `out`, which owns it from then on (null empties it).
inline void HandBitmap(SharedBitmap& out, HBITMAP made)
{
    out = SharedBitmap::Adopt(made);
}

} // namespace Vexel
