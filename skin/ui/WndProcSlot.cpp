#include "skin/ui/WndProcSlot.h"

namespace Vexel {
namespace {

WNDPROC SlotProc(HWND window)
{
    return reinterpret_cast<WNDPROC>(::GetPropW(window, kOldWndProcProperty));
}

} // namespace

bool InstallSlotProc(HWND window, WNDPROC procedure)
{
    if (!::IsWindow(window) ||
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC)) == procedure)
        return false;
    const LONG_PTR previous = ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    ::SetPropW(window, kOldWndProcProperty, reinterpret_cast<HANDLE>(previous));
    return true;
}

bool RestoreSlotProc(HWND window)
{
    const WNDPROC previous = SlotProc(window);
    if (!previous)
        return false;
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    ::RemovePropW(window, kOldWndProcProperty);
    return true;
}

LRESULT CallSlotProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC previous = SlotProc(window);
    return previous ? ::CallWindowProcW(previous, window, message, wParam, lParam) : 0;
}

} // namespace Vexel
