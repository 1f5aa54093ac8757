#pragma once
// Where a piece that replaces the window procedure of a window it does not own keeps the
// procedure it replaced: in a property of that window itself, so no global table is needed.
//
// - The list registry ("VXL_OLD_WNDPROC_LIST") maps each subclassing procedure to the
//   procedure installed before it, so several different procedures can stack on one
//   window and each finds its own predecessor (the splitter subclasses its parent so).
// - The single slot ("VXL_OLD_WNDPROC") holds one previous procedure, for a fixed
//   procedure that replaces another (the skinned popup menu window, the HTML view's
//   nested windows).
//
// Window procedures run on the window's own thread; the registries take no lock.
#include "skin/ui/WndProcSlot.h"   // the single slot's property, kOldWndProcProperty

#include <windows.h>

namespace Vexel {

constexpr wchar_t kOldWndProcListProperty[] = L"VXL_OLD_WNDPROC_LIST";

// --- List registry (the key is the caller's own subclassing procedure)

// Stores `previous` under `key` for `window`, making the window's map on first use.
// 0; -1 when the key is registered on this window already (the first registration stays),
// or when the map cannot be attached to the window.
int RegisterOldWndProc(HWND window, WNDPROC key, WNDPROC previous);
// 1 and the procedure stored under `key`; 0 (previous untouched) when there is none.
int LookupOldWndProc(HWND window, WNDPROC key, WNDPROC& previous);
// Removes `key`; the map and the property go with the last entry. 0; -1 when the window
// has no map or the key is absent (nothing changes).
int UnregisterOldWndProc(HWND window, WNDPROC key);

// --- Single slot

// Installs `procedure` on `window` and keeps the procedure it replaced in the window's
// single slot; answers that procedure (null when the window is not ours to change).
WNDPROC SubclassWithOldWndProc(HWND window, WNDPROC procedure);
// The message handed to the procedure in the window's single slot; 0 when the window has
// lost that property.
LRESULT CallOldWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace Vexel
