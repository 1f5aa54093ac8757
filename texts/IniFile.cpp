#include "texts/IniFile.h"

#include <algorithm>

bool IniReader::SetPath(const CString& newPath)
{
    if (newPath.IsEmpty())
        return false;
    path = newPath;
    text = IniText::FromFile(path);
    return true;
}

bool IniReader::Read(const CString& section, const CString& key, CString& out) const
{
    if (path.IsEmpty() || section.IsEmpty() || key.IsEmpty())
        return false;
    const std::wstring* value = text.Find(section, key);
    if (!value || value->empty())
        return false;
    out = CString(value->c_str(), static_cast<int>(std::min<size_t>(value->size(), kMaxValueLength)));
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
