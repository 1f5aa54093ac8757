#pragma once
// The skin's bitmap files, each read once per process and kept in memory: a window and its
// controls load the same few dozen files some two hundred times, and under Wine every open of a
// file costs more than making the bitmap does. A file is kept by its full path together with its
// size and last write time, so a file written again is read again. The bytes kept are never
// handed out: every load makes a new bitmap, which the caller owns and may draw on.
#include <windows.h>

#include <string>

namespace Vexel {

// A new bitmap of the file at `path`, the same as LoadImage(LR_LOADFROMFILE) makes (compatible
// with the screen, or monochrome for a black-and-white file); null when the file cannot be read
// or is no bitmap. Any thread.
HBITMAP MakeBitmapFromKeptFile(LPCWSTR path);

// What makes a file on disk the same file as before: its size and last write time.
struct FileStamp {
    ULONGLONG size = 0;
    FILETIME written{};

    bool operator==(const FileStamp& other) const
    {
        return size == other.size && written.dwLowDateTime == other.written.dwLowDateTime &&
               written.dwHighDateTime == other.written.dwHighDateTime;
    }
};

// The stamp of the file at `path`; false (stamp untouched) when it is missing or a folder.
bool ReadFileStamp(LPCWSTR path, FileStamp& stamp);

// The spelling under which a path is kept: one for every spelling that differs only in case.
std::wstring KeptPathKey(LPCWSTR path);

} // namespace Vexel
