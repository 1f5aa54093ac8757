#include "skin/model/Utf8File.h"

#include "framework/File.h"

#include <cstring>
#include <string>

namespace Vexel {

namespace {

const char kUtf8Mark[] = "\xEF\xBB\xBF";

bool ReadWholeFile(LPCWSTR path, std::string& bytes)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return false;
    const ULONGLONG size = file.GetLength();
    if (size > 0x7FFFFFFF)
        return false;
    bytes.resize(static_cast<std::size_t>(size));
    return bytes.empty() || file.Read(&bytes[0], static_cast<UINT>(bytes.size())) == bytes.size();
}

bool WriteWholeFile(LPCWSTR path, const std::string& first, const std::string& rest)
{
    CFile file;
    return file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive)
           && file.Write(first.data(), static_cast<UINT>(first.size()))
           && file.Write(rest.data(), static_cast<UINT>(rest.size()));
}

} // namespace

int FinishUtf8File(LPCWSTR destination, LPCWSTR temporary, FinishedFileCheck check)
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
    if (check && !check(temporary))
        return -3;
    if (!MoveFileExW(temporary, destination, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
        return -2;
    return 0;
}

} // namespace Vexel
