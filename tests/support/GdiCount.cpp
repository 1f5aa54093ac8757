#include "tests/support/GdiCount.h"

#include <windows.h>

namespace lumeo_test {

int LiveGdiObjects()
{
    if (const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS))
        return static_cast<int>(counted);
    int live = 0;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index) {
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(index)))
            ++live;
    }
    return live;
}

int GdiObjectsLeftBy(const std::function<void()>& work)
{
    work();
    const int before = LiveGdiObjects();
    work();
    return LiveGdiObjects() - before;
}

} // namespace lumeo_test
