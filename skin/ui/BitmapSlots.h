#pragma once
// The bitmaps a control holds, one handle per numbered slot. A slot holds either a bitmap
// the control was given to own, or a hold on an image the store shares (SkinImageStore.h).
// One owned bitmap may fill several slots (the same picture for every state) and is still
// deleted exactly once; a shared image is only let go of.
#include "skin/ui/SharedBitmap.h"

#include <windows.h>

#include <initializer_list>
#include <vector>

namespace Vexel {

class BitmapSlots {
public:
    explicit BitmapSlots(int count)
        : m_owned(static_cast<size_t>(count), nullptr), m_shared(static_cast<size_t>(count))
    {
    }
    ~BitmapSlots() = default;   // deletes no owned bitmap: the holder says when (DeleteAll)
    BitmapSlots(const BitmapSlots&) = delete;
    BitmapSlots& operator=(const BitmapSlots&) = delete;

    HBITMAP Get(int slot) const
    {
        const size_t at = static_cast<size_t>(slot);
        return m_shared[at] ? m_shared[at].GetSafeHandle() : m_owned[at];
    }
    // Puts the handles into the slots from `first` on, taking them over (null empties a
    // slot). With `deleteOld`, each owned handle those slots held that no slot holds any
    // more is deleted, once; without, the caller has them back. Shared images those slots
    // held are let go of either way.
    void Replace(int first, std::initializer_list<HBITMAP> handles, bool deleteOld);
    // Puts shared images into the slots from `first` on (an empty one empties its slot);
    // owned handles they replace are deleted as by Replace with `deleteOld`.
    void Share(int first, std::initializer_list<SharedBitmap> images);
    // Deletes every owned handle, each once, lets go of every shared image and empties
    // every slot.
    void DeleteAll();
    // Empties every slot without deleting any owned handle (shared images are let go of).
    void ForgetAll();

private:
    bool HoldsOwned(HBITMAP bitmap) const;
    // The owned handles of slots [first, first + count), which are then emptied.
    std::vector<HBITMAP> Vacate(int first, size_t count);
    void DeleteUnheld(const std::vector<HBITMAP>& old);

    std::vector<HBITMAP> m_owned;         // the slot's own bitmap, or null
    std::vector<SharedBitmap> m_shared;   // the slot's shared image, or empty
};

} // namespace Vexel
