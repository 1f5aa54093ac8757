#include "skin/model/Utf8File.h"

#include <cstring>
#include <string>

namespace Vexel {

namespace {

const char kUtf8Mark[] = "\xEF\xBB\xBF";

struct FileHandle {
    HANDLE h;
    explicit FileHandle(HANDLE handle) : h(handle) {}
    ~FileHandle()
    {
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return h != INVALID_HANDLE_VALUE; }
};

bool ReadWholeFile(LPCWSTR path, std::string& bytes)
{
    FileHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.Valid())
        return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.h, &size) || size.QuadPart > 0x7FFFFFFF)
        return false;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD got = 0;
    return bytes.empty() || (ReadFile(file.h, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr) && got == bytes.size());
}

bool WriteWholeFile(LPCWSTR path, const std::string& first, const std::string& rest)
{
    FileHandle file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!file.Valid())
        return false;
    for (const std::string* part : {&first, &rest}) {
        DWORD written = 0;
        if (!part->empty() && (!WriteFile(file.h, part->data(), static_cast<DWORD>(part->size()), &written, nullptr)
                               || written != part->size()))
            return false;
    }
    return true;
}

} // namespace

int FinishUtf8File(LPCWSTR destination, LPCWSTR temporary)
{
    // Windows refuses to replace a read-only file, Wine does not: refuse it on both.
    const DWORD attributes = GetFileAttributesW(destination);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return -2;
    std::string bytes;
    if (!ReadWholeFile(temporary, bytes))
        return -1;
    // Without a mark the temporary file is completed first, so that the destination is
    // replaced in one step and never left half written.
    if ((bytes.size() < 3 || memcmp(bytes.data(), kUtf8Mark, 3) != 0) && !WriteWholeFile(temporary, kUtf8Mark, bytes))
        return -2;
    if (!MoveFileExW(temporary, destination, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
        return -2;
    return 0;
}

} // namespace Vexel
