#include "core/ProgramFolder.h"

#include <windows.h>

#include <vector>

namespace {

CString ModuleFolder()
{
    // Grown until the whole path fits, up to the longest path the system has.
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return CString();
        if (n < path.size())
            break;
        if (path.size() >= 32768)
            return CString();
        path.resize(path.size() * 2);
    }
    CString folder(path.data());
    const int slash = folder.ReverseFind(L'\\');
    return slash < 0 ? CString() : folder.Left(slash + 1);
}

ProgramFolderSource g_source = &ModuleFolder;

} // namespace

CString GetProgramFolder()
{
    return g_source();
}

ProgramFolderSource SetProgramFolderSource(ProgramFolderSource source)
{
    const ProgramFolderSource previous = g_source;
    g_source = source ? source : &ModuleFolder;
    return previous;
}
