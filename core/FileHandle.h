#pragma once
// An owned kernel handle (a file, a file mapping), closed when it goes out of scope.
#include <windows.h>

#include <memory>

struct HandleCloser {
    void operator()(HANDLE handle) const
    {
        if (handle && handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(handle);
    }
};
// Null when nothing is open.
using FileHandle = std::unique_ptr<void, HandleCloser>;

// Owns what CreateFileW returned; its failure, INVALID_HANDLE_VALUE, becomes null.
inline FileHandle OwnCreatedFile(HANDLE handle)
{
    return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}
