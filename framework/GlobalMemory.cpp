#include "framework/GlobalMemory.h"

#include <cstring>

bool CGlobalMemory::Allocate(SIZE_T bytes, const void* data)
{
    Free();
    CGlobalMemory block(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_SHARE, bytes ? bytes : 1));
    if (!block)
        return false;
    if (data && bytes) {
        const CGlobalLock lock(block.Get());
        if (!lock.Data())
            return false;
        std::memcpy(lock.Data(), data, bytes);
    }
    *this = std::move(block);
    return true;
}

bool CGlobalMemory::CopyFrom(HGLOBAL source)
{
    const CGlobalLock lock(source);
    if (!lock.Data()) {
        Free();
        return false;
    }
    return Allocate(lock.Size(), lock.Data());
}
