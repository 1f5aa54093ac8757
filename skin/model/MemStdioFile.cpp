#include "skin/model/MemStdioFile.h"

#include "skin/model/TextHelpers.h"

#include <climits>
#include <cstring>
#include <vector>

namespace Vexel {

namespace {

constexpr UINT kResourceGrowBytes = 100;
constexpr UINT kFileGrowBytes = 1024;
const BYTE kTwoZeros[2] = {0, 0};

} // namespace

BOOL CMemStdioFile::LoadFromResource(LPCWSTR name, LPCWSTR type)
{
    HRSRC resource = FindResourceW(nullptr, name, type);
    if (!resource)
        return FALSE;
    const DWORD size = SizeofResource(nullptr, resource);
    HGLOBAL loaded = size ? LoadResource(nullptr, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return FALSE;
    // A block of the file's own, so that it is freed with the file.
    Attach(nullptr, 0, kResourceGrowBytes);
    if (!Write(bytes, size) || !Write(kTwoZeros, sizeof kTwoZeros)) {
        Close();
        return FALSE;
    }
    SeekToBegin();
    return TRUE;
}

BOOL CMemStdioFile::LoadFromFile(LPCWSTR path)
{
    Attach(nullptr, 0, kFileGrowBytes);
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary))
        return FALSE;
    const ULONGLONG length = file.GetLength();
    if (length > UINT_MAX / 2)
        return FALSE;
    std::vector<BYTE> bytes(static_cast<std::size_t>(length));
    const UINT size = static_cast<UINT>(length);
    if ((size && file.Read(bytes.data(), size) != size) || !Write(bytes.data(), size)) {
        Close();
        return FALSE;
    }
    SeekToBegin();
    return TRUE;
}

bool CMemStdioFile::IsUnicode() const
{
    const BYTE* data = GetData();
    return GetDataSize() >= 2 && data[0] == 0xFF && data[1] == 0xFE;
}

BOOL CMemStdioFile::ReadString(CString& line)
{
    if (IsUnicode()) {
        std::wstring wide;
        if (!ReadLineW(wide))
            return FALSE;
        line = CString(wide);
    } else {
        std::string narrow;
        if (!ReadLineA(narrow))
            return FALSE;
        line = CString(narrow.c_str(), static_cast<int>(narrow.size()));
    }
    return TRUE;
}

BOOL CMemStdioFile::ReadLineA(std::string& line)
{
    const ULONGLONG position = GetPosition();
    const SIZE_T size = GetDataSize();
    if (position >= size)
        return FALSE;
    const SIZE_T left = size - static_cast<SIZE_T>(position);
    AnsiLineToString(left, line, reinterpret_cast<const char*>(GetData()) + position);
    // Past the line and the byte that ended it: the carriage return, or a zero byte.
    const ULONGLONG next = position + line.size() + 1;
    Seek(static_cast<LONGLONG>(next < size ? next : size), begin);
    return TRUE;
}

BOOL CMemStdioFile::ReadLineW(std::wstring& line)
{
    const ULONGLONG position = GetPosition();
    const SIZE_T size = GetDataSize();
    if (position >= size || size - position < sizeof(wchar_t)) {
        Seek(0, end);
        return FALSE;
    }
    const SIZE_T units = (size - static_cast<SIZE_T>(position)) / sizeof(wchar_t);
    const BYTE* at = GetData() + position;
    if (reinterpret_cast<UINT_PTR>(at) % alignof(wchar_t) == 0) {
        WideLineToString(units, line, reinterpret_cast<const wchar_t*>(at));
    } else {
        // Only after a seek to an odd offset: read the units from an aligned copy.
        std::wstring copy(units, L'\0');
        std::memcpy(&copy[0], at, units * sizeof(wchar_t));
        WideLineToString(units, line, copy.data());
    }
    const ULONGLONG next = position + (line.size() + 1) * sizeof(wchar_t);
    Seek(static_cast<LONGLONG>(next < size ? next : size), begin);
    return TRUE;
}

} // namespace Vexel
