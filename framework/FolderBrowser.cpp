#include "framework/FolderBrowser.h"

#include <atomic>
#include <memory>

namespace {

PIDLIST_ABSOLUTE SystemFolderBrowser(BROWSEINFOW* info)
{
    return ::SHBrowseForFolderW(info);
}

std::atomic<AfxFolderBrowserHandler> g_folderBrowserHandler{&SystemFolderBrowser};

struct ShellFree {
    void operator()(ITEMIDLIST_ABSOLUTE* items) const { ::CoTaskMemFree(items); }
};

} // namespace

AfxFolderBrowserHandler AfxSetFolderBrowserHandler(AfxFolderBrowserHandler handler)
{
    return g_folderBrowserHandler.exchange(handler ? handler : &SystemFolderBrowser);
}

BOOL AfxBrowseForFolder(HWND owner, LPCWSTR title, UINT flags, CString& path)
{
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.ulFlags = flags;
    const std::unique_ptr<ITEMIDLIST_ABSOLUTE, ShellFree> chosen(g_folderBrowserHandler.load()(&info));
    if (!chosen)
        return FALSE;
    wchar_t folder[MAX_PATH] = {};
    if (!::SHGetPathFromIDListW(chosen.get(), folder) || folder[0] == L'\0')
        return FALSE;
    path = folder;
    return TRUE;
}
