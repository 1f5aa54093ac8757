#include "framework/ModulePath.h"

#include <vector>

CString ModuleFilePath(HMODULE module)
{
    // The longest path the system has is 32,767 characters.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return CString();
        if (length < path.size())
            return CString(path.data(), static_cast<int>(length));
        if (path.size() >= 32768)
            return CString();
        path.resize(path.size() * 2);
    }
}

CString ModuleFolder(HMODULE module)
{
    const CString path = ModuleFilePath(module);
    const int slash = path.ReverseFind(L'\\');
    return slash < 0 ? CString() : path.Left(slash + 1);
}
