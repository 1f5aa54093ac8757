#pragma once
// One fixed procedure in place of a window's own: the procedure it replaced is kept in the
// window's property "VXL_OLD_WNDPROC" itself (no allocation), where the new procedure finds
// it to forward what it does not consume.
#include <windows.h>

namespace Vexel {

constexpr wchar_t kOldWndProcProperty[] = L"VXL_OLD_WNDPROC";

// Puts `procedure` in place, keeping the one it replaces in the property. False, with
// nothing changed, when the window is gone or already runs `procedure`.
bool InstallSlotProc(HWND window, WNDPROC procedure);

// Puts back the procedure the property holds and removes the property; false when the
// window has no such property.
bool RestoreSlotProc(HWND window);

// The message handed to the procedure in the property; 0 when the window has none.
LRESULT CallSlotProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace Vexel
