#include "skin/model/LegacyText.h"

namespace Vexel {

namespace {

constexpr wchar_t kTypePrefix[] = L"Type=";
constexpr int kTypePrefixLength = static_cast<int>(sizeof(kTypePrefix) / sizeof(kTypePrefix[0])) - 1;

} // namespace

bool IsLegacySectionHeader(const CString& line)
{
    return line.GetAt(0) == L'[';
}

CString LegacySectionName(const CString& header)
{
    CString name = header.Mid(1);
    name.TrimRight();
    name.TrimRight(L']');
    return name;
}

bool LegacyTypeWord(const CString& line, CString& typeWord)
{
    if (line.Left(kTypePrefixLength) != kTypePrefix)
        return false;
    typeWord = line.Mid(kTypePrefixLength);
    typeWord.TrimRight();
    return true;
}

bool SplitLegacyKeyLine(const CString& line, CString& key, CString& value)
{
    const int equals = line.Find(L'=');
    if (equals < 0)
        return false;
    key = line.Left(equals);
    key.TrimRight();
    const int second = line.Find(L'=', equals + 1);
    value = second < 0 ? line.Mid(equals + 1) : line.Mid(equals + 1, second - equals - 1);
    value.Trim();
    return true;
}

} // namespace Vexel
