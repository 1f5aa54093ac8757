#include "framework/CommonControls.h"

#include <commctrl.h>

#include <atomic>

namespace {

std::atomic<DWORD> g_registered{0};   // ICC_* bits already registered

} // namespace

BOOL AfxInitCommonControls(DWORD classes)
{
    const DWORD missing = classes & ~g_registered.load();
    if (!missing)
        return TRUE;
    INITCOMMONCONTROLSEX init{sizeof init, missing};
    if (!::InitCommonControlsEx(&init))
        return FALSE;
    g_registered.fetch_or(missing);   // registering twice is harmless, so no lock is needed
    return TRUE;
}

BOOL AfxInitRichEdit2()
{
    // Never freed: rich edit windows may exist until the process ends.
    static const HMODULE library = ::LoadLibraryW(L"riched20.dll");
    return library != nullptr;
}
