#include "core/SameFileBytes.h"

#include "core/FileHandle.h"

#include <algorithm>
#include <cstring>

bool FileHoldsBytes(LPCWSTR path, const FileBytesPart* parts, size_t count)
{
    if (!path)
        return false;
    ULONGLONG total = 0;
    for (size_t i = 0; i < count; ++i)
        total += parts[i].size;
    const FileHandle file = OwnCreatedFile(::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        return false;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || static_cast<ULONGLONG>(size.QuadPart) != total)
        return false;

    char buffer[32768];
    for (size_t i = 0; i < count; ++i) {
        const char* expected = static_cast<const char*>(parts[i].data);
        DWORD left = parts[i].size;
        while (left > 0) {
            const DWORD wanted = std::min<DWORD>(left, sizeof buffer);
            DWORD read = 0;
            if (!::ReadFile(file.get(), buffer, wanted, &read, nullptr) || read != wanted ||
                std::memcmp(buffer, expected, wanted) != 0)
                return false;
            expected += wanted;
            left -= wanted;
        }
    }
    return true;
}

bool WriteFileUnlessSame(LPCWSTR path, const FileBytesPart* parts, size_t count)
{
    if (!path)
        return false;
    if (FileHoldsBytes(path, parts, count))
        return true;
    const FileHandle file = OwnCreatedFile(::CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    for (size_t i = 0; i < count; ++i) {
        DWORD written = 0;
        if (parts[i].size != 0 &&
            (!::WriteFile(file.get(), parts[i].data, parts[i].size, &written, nullptr) || written != parts[i].size))
            return false;
    }
    return true;
}
