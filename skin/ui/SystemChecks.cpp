#include "skin/ui/SystemChecks.h"

#include "framework/String.h"
#include "framework/SystemAnswers.h"

#include <cwchar>

namespace Vexel {
namespace {

// The service-pack number of a text such as "Service Pack 2"; 0 when it names none.
int ServicePackNumber(LPCWSTR text)
{
    CString rest(text);
    rest.Replace(L"Service Pack", L"");
    rest.TrimLeft();
    return static_cast<int>(std::wcstol(rest, nullptr, 10));
}

} // namespace

int IsWindowsXPSP2OrLater()
{
    OSVERSIONINFOW info = {};
    if (!GetSystemAnswers().GetVersion(info))
        return 0;
    if (info.dwMajorVersion != 5)
        return info.dwMajorVersion > 5 ? 1 : 0;
    if (info.dwMinorVersion != 1)
        return info.dwMinorVersion > 1 ? 1 : 0;
    info.szCSDVersion[ARRAYSIZE(info.szCSDVersion) - 1] = L'\0';
    return ServicePackNumber(info.szCSDVersion) >= 2 ? 1 : 0;
}

int IsCompositionEnabled()
{
    BOOL enabled = FALSE;
    const HRESULT result = GetSystemAnswers().QueryComposition(enabled);
    return result == S_OK && enabled ? 1 : 0;
}

int IsEditWindow(HWND window)
{
    wchar_t name[32] = {};
    if (!::GetClassNameW(window, name, ARRAYSIZE(name)))
        return 0;
    return ::CompareStringW(0x409, NORM_IGNORECASE, name, -1, L"Edit", -1) == CSTR_EQUAL ? 1 : 0;
}

int IsDirectChild(HWND parent, HWND window)
{
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (child == window)
            return 1;
    }
    return 0;
}

} // namespace Vexel
