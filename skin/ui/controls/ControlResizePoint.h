#pragma once
// The point a control's skin images are resized around.
#include <windows.h>

namespace Vexel {

// With `askParent`, the parent window's resizing point (WM_VXL_GETRESIZEPOINT, lParam the
// control) made relative to the control, so the control continues the window's stretched
// background; else `own`.
POINT AskedResizePoint(HWND control, bool askParent, POINT own);

} // namespace Vexel
