#pragma once
// Questions about the running system and about windows that skinned windows ask.
#include <windows.h>

namespace Vexel {

// 1 on Windows XP with service pack 2 or later (and every later version), else 0.
int IsWindowsXPSP2OrLater();

// 1 when desktop composition is on, else 0 (also when the system has no composition).
int IsCompositionEnabled();

// 1 when the window's class is an edit box ("Edit", any letter case), else 0.
int IsEditWindow(HWND window);

// 1 when `window` is one of `parent`'s direct children, else 0.
int IsDirectChild(HWND parent, HWND window);

} // namespace Vexel
