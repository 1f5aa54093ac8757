#include "config/EditTab.h"

#include <cwctype>

namespace {

constexpr int kClassNameLength = 128;

bool IsEdit(HWND window)
{
    wchar_t name[kClassNameLength] = {};
    if (::GetClassNameW(window, name, kClassNameLength) == 0)
        return false;
    for (wchar_t& ch : name)
        ch = static_cast<wchar_t>(std::towupper(ch));
    return ::lstrcmpW(name, L"EDIT") == 0;
}

} // namespace

bool MoveFocusOnEditTab(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB)
        return false;
    const HWND focus = ::GetFocus();
    if (!focus || !IsEdit(focus))
        return false;
    const HWND next = ::GetWindow(focus, GW_HWNDNEXT);
    if (!next)
        return false;
    ::SetFocus(next);
    return true;
}
