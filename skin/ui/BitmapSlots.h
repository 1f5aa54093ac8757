#pragma once
// The bitmaps a control holds, one handle per numbered slot. One bitmap may fill several
// slots (the same picture for every state) and is still deleted exactly once.
#include <windows.h>

#include <initializer_list>
#include <vector>

namespace Vexel {

class BitmapSlots {
public:
    explicit BitmapSlots(int count) : m_slots(static_cast<size_t>(count), nullptr) {}
    ~BitmapSlots() = default;   // deletes nothing: the holder says when (DeleteAll)
    BitmapSlots(const BitmapSlots&) = delete;
    BitmapSlots& operator=(const BitmapSlots&) = delete;

    HBITMAP Get(int slot) const { return m_slots[static_cast<size_t>(slot)]; }
    // Puts the handles into the slots from `first` on, taking them over (null empties a
    // slot). With `deleteOld`, each handle those slots held that no slot holds any more is
    // deleted, once; without, the caller has them back.
    void Replace(int first, std::initializer_list<HBITMAP> handles, bool deleteOld);
    // Deletes every handle held, each once, and empties every slot.
    void DeleteAll();
    // Empties every slot without deleting anything.
    void ForgetAll();

private:
    bool Holds(HBITMAP bitmap) const;

    std::vector<HBITMAP> m_slots;
};

} // namespace Vexel
