#pragma once
// Whether a file on disk already holds exactly some bytes, so that start-up need not write
// it again: the size is compared first, then the content; and the writing when it does not.
#include <windows.h>

#include <cstddef>

// One run of the bytes a file would hold; a file is the runs one after another.
struct FileBytesPart {
    const void* data;
    DWORD size;
};

// True when `path` exists and holds exactly the parts in order; false when it is missing,
// cannot be read, or differs in size or in any byte.
bool FileHoldsBytes(LPCWSTR path, const FileBytesPart* parts, size_t count);

// Creates or truncates `path` and writes the parts in order, unless it already holds exactly
// them. False when the file cannot be created or written whole.
bool WriteFileUnlessSame(LPCWSTR path, const FileBytesPart* parts, size_t count);
