#include "skin/ui/SharedBitmap.h"

namespace Vexel {

SharedBitmap::Owner::~Owner()
{
    if (handle)
        ::DeleteObject(handle);
}

SharedBitmap SharedBitmap::Adopt(HBITMAP bitmap)
{
    if (!bitmap)
        return {};
    return SharedBitmap(std::make_shared<const Owner>(bitmap));
}

int SharedBitmap::GetBitmap(BITMAP* out) const
{
    const HBITMAP bitmap = GetSafeHandle();
    if (!bitmap || !out)
        return 0;
    BITMAP header{};
    if (::GetObjectW(bitmap, sizeof header, &header) != sizeof header)
        return 0;
    *out = header;
    return sizeof header;
}

} // namespace Vexel
