#include "skin/model/FileHelpers.h"

#include "skin/model/SkinGlobals.h"

#include "framework/File.h"
#include "framework/ModulePath.h"
#include "framework/Prompt.h"

#include <shlwapi.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <vector>

namespace Vexel {

namespace {

// One part of a path as the C library splits it; every part fits in a buffer as long as
// the whole path, so no path is too long. Empty for a null path.
enum class PathPart { Title, Extension };

CString SplitPathPart(LPCWSTR path, PathPart part)
{
    if (!path)
        return CString();
    std::vector<wchar_t> text(wcslen(path) + 1);
    wchar_t* title = part == PathPart::Title ? text.data() : nullptr;
    wchar_t* ext = part == PathPart::Extension ? text.data() : nullptr;
    if (_wsplitpath_s(path, nullptr, 0, nullptr, 0, title, title ? text.size() : 0, ext, ext ? text.size() : 0) != 0)
        return CString();
    return CString(text.data());
}

} // namespace

CString GetSkinFileTitle()
{
    return SplitPathPart(g_skinStore.uiFilePath, PathPart::Title);
}

CString GetFileExtension(LPCWSTR path, BOOL keepDot)
{
    CString ext = SplitPathPart(path, PathPart::Extension);
    if (!keepDot && ext[0] == L'.')
        ext.Delete(0);
    return ext;
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

int CheckFileWritable(LPCWSTR path)
{
    if (!path || !*path)
        return -1;
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        CFile file;
        return file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary) ? 0 : -1;
    }
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        CString text;
        text.Format(L"The file \"%ls\" is readonly!", path);
        AfxMessageBox(text, MB_OK);
        return -2;
    }
    return 0;
}

CString ResolveSkinPath(LPCWSTR path)
{
    if (path && wcschr(path, L':'))
        return CString(path);
    return ModuleFolder(nullptr) + (path ? path : L"");
}

} // namespace Vexel
