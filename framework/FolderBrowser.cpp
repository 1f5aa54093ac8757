#include "framework/FolderBrowser.h"

#include "framework/SystemAnswers.h"

#include <memory>

namespace {

struct ShellFree {
    void operator()(ITEMIDLIST_ABSOLUTE* items) const { ::CoTaskMemFree(items); }
};

} // namespace

PIDLIST_ABSOLUTE SystemAnswers::BrowseForFolder(BROWSEINFOW* info) const
{
    return ::SHBrowseForFolderW(info);
}

BOOL AfxBrowseForFolder(HWND owner, LPCWSTR title, UINT flags, CString& path)
{
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = flags;
    const std::unique_ptr<ITEMIDLIST_ABSOLUTE, ShellFree> chosen(GetSystemAnswers().BrowseForFolder(&info));
    if (!chosen)
        return FALSE;
    wchar_t folder[MAX_PATH] = {};
    if (!::SHGetPathFromIDListW(chosen.get(), folder) || folder[0] == L'\0')
        return FALSE;
    path = folder;
    return TRUE;
}
