#include "skin/ui/BitmapSlots.h"

#include <algorithm>

namespace Vexel {

bool BitmapSlots::Holds(HBITMAP bitmap) const
{
    return std::find(m_slots.begin(), m_slots.end(), bitmap) != m_slots.end();
}

void BitmapSlots::Replace(int first, std::initializer_list<HBITMAP> handles, bool deleteOld)
{
    const auto begin = m_slots.begin() + first;
    const std::vector<HBITMAP> old(begin, begin + static_cast<std::ptrdiff_t>(handles.size()));
    std::copy(handles.begin(), handles.end(), begin);
    if (!deleteOld)
        return;
    for (auto it = old.begin(); it != old.end(); ++it) {
        const bool seenBefore = std::find(old.begin(), it, *it) != it;
        if (*it && !seenBefore && !Holds(*it))
            ::DeleteObject(*it);
    }
}

void BitmapSlots::DeleteAll()
{
    std::vector<HBITMAP> held = m_slots;
    std::sort(held.begin(), held.end());
    held.erase(std::unique(held.begin(), held.end()), held.end());
    for (const HBITMAP bitmap : held) {
        if (bitmap)
            ::DeleteObject(bitmap);
    }
    ForgetAll();
}

void BitmapSlots::ForgetAll()
{
    std::fill(m_slots.begin(), m_slots.end(), nullptr);
}

} // namespace Vexel
