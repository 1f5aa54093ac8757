#pragma once
// A layered window does not repaint by itself what its children cover or uncover: a
// control shown over one repaints itself, and one hidden has the parent's area under it
// repainted.
#include <windows.h>

namespace Vexel {

// For WM_WINDOWPOSCHANGED of `control`: when `pos` is its own and its parent is layered,
// invalidates the control when it was shown and the parent's area under it when it was
// hidden (with erasing). Nothing otherwise.
void RepaintOverLayeredParent(HWND control, const WINDOWPOS& pos);

// The same whether or not the parent is layered, for a child whose parent paints nothing
// where it lies.
void RepaintOverParent(HWND control, const WINDOWPOS& pos);

} // namespace Vexel
