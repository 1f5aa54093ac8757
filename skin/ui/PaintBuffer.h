#pragma once
// The memory image a control composes its WM_PAINT in, kept between paints and made again
// only when the control's size changes, so painting does not make a bitmap every time.
#include "framework/Gdi.h"

namespace Vexel {

class PaintBuffer {
public:
    // The image of `size`, compatible with `reference`; null for an empty size or when it
    // cannot be made. The buffer keeps owning it.
    HBITMAP Get(CDC& reference, SIZE size)
    {
        if (size.cx <= 0 || size.cy <= 0)
            return nullptr;
        if (!m_bitmap.GetSafeHandle() || m_size.cx != size.cx || m_size.cy != size.cy) {
            m_bitmap.DeleteObject();
            m_size = {0, 0};
            if (!m_bitmap.CreateCompatibleBitmap(&reference, size.cx, size.cy))
                return nullptr;
            m_size = size;
        }
        return static_cast<HBITMAP>(m_bitmap.GetSafeHandle());
    }

private:
    CBitmap m_bitmap;
    SIZE m_size{0, 0};
};

} // namespace Vexel
