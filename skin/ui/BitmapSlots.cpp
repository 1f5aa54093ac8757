#include "skin/ui/BitmapSlots.h"

#include <algorithm>

namespace Vexel {

bool BitmapSlots::HoldsOwned(HBITMAP bitmap) const
{
    return std::find(m_owned.begin(), m_owned.end(), bitmap) != m_owned.end();
}

std::vector<HBITMAP> BitmapSlots::Vacate(int first, size_t count)
{
    std::vector<HBITMAP> owned;
    for (size_t slot = static_cast<size_t>(first); slot < static_cast<size_t>(first) + count; ++slot) {
        m_shared[slot].Release();
        if (m_owned[slot])
            owned.push_back(m_owned[slot]);
        m_owned[slot] = nullptr;
    }
    return owned;
}

void BitmapSlots::DeleteUnheld(const std::vector<HBITMAP>& old)
{
    for (auto it = old.begin(); it != old.end(); ++it) {
        const bool seenBefore = std::find(old.begin(), it, *it) != it;
        if (!seenBefore && !HoldsOwned(*it))
            ::DeleteObject(*it);
    }
}

void BitmapSlots::Replace(int first, std::initializer_list<HBITMAP> handles, bool deleteOld)
{
    const std::vector<HBITMAP> old = Vacate(first, handles.size());
    std::copy(handles.begin(), handles.end(), m_owned.begin() + first);
    if (deleteOld)
        DeleteUnheld(old);
}

void BitmapSlots::Share(int first, std::initializer_list<SharedBitmap> images)
{
    const std::vector<HBITMAP> old = Vacate(first, images.size());
    size_t slot = static_cast<size_t>(first);
    for (const SharedBitmap& image : images)
        m_shared[slot++] = image;
    DeleteUnheld(old);
}

void BitmapSlots::DeleteAll()
{
    DeleteUnheld(Vacate(0, m_owned.size()));
}

void BitmapSlots::ForgetAll()
{
    std::fill(m_owned.begin(), m_owned.end(), nullptr);
    for (SharedBitmap& image : m_shared)
        image.Release();
}

} // namespace Vexel
