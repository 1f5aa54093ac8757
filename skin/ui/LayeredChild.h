#pragma once
// A control under a layered parent. Such a parent does not repaint by itself what lies
// under a child that was shown or hidden, so the child sees to it.
#include <windows.h>

namespace Vexel {

// For the control's WM_WINDOWPOSCHANGED: when its parent has WS_EX_LAYERED and `pos` is
// the control's own, a show invalidates the control and a hide invalidates the parent's
// area under it. Nothing otherwise.
void RepaintUnderLayeredParent(HWND control, const WINDOWPOS* pos);

} // namespace Vexel
