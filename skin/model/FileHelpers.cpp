#include "skin/model/FileHelpers.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <vector>

namespace Vexel {

CString GetFileExtension(LPCWSTR path, BOOL keepDot)
{
    if (!path)
        return CString();
    // Every part fits in a buffer as long as the whole path, so no path is too long.
    std::vector<wchar_t> ext(wcslen(path) + 1);
    if (_wsplitpath_s(path, nullptr, 0, nullptr, 0, nullptr, 0, ext.data(), ext.size()) != 0)
        return CString();
    const wchar_t* text = ext.data();
    if (!keepDot && text[0] == L'.')
        ++text;
    return CString(text);
}

BOOL GetFileFolder(LPCWSTR path, CString& folder)
{
    const std::size_t length = path ? wcslen(path) : 0;
    std::vector<wchar_t> copy(std::max<std::size_t>(length + 1, MAX_PATH));
    if (length)
        wmemcpy(copy.data(), path, length);
    const BOOL removed = PathRemoveFileSpecW(copy.data());
    folder = copy.data();
    const int n = folder.GetLength();
    if (n == 0 || (folder[n - 1] != L'\\' && folder[n - 1] != L'/'))
        folder += L'\\';
    return removed;
}

} // namespace Vexel
