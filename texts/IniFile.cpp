#include "texts/IniFile.h"

#include <windows.h>

bool IniReader::SetPath(const CString& newPath)
{
    if (newPath.IsEmpty())
        return false;
    path = newPath;
    return true;
}

bool IniReader::Read(const CString& section, const CString& key, CString& out) const
{
    if (path.IsEmpty() || section.IsEmpty() || key.IsEmpty())
        return false;
    wchar_t buffer[kBufferLength] = {};
    if (GetPrivateProfileStringW(section, key, L"", buffer, kBufferLength, path) == 0)
        return false;
    // Up to the first zero: a deciphered file may end in zero padding, which the platform can
    // hand back as part of a last line that has no line end.
    out = buffer;
    return true;
}

IniFile::IniFile(const CString& filePath) : path(filePath)
{
    reader.SetPath(filePath);
}

void IniFile::ReadString(const CString& section, const CString& key, CString& out) const
{
    if (path.IsEmpty() || section.IsEmpty() || key.IsEmpty())
        return;
    CString value;
    reader.Read(section, key, value);
    out = value;
}
