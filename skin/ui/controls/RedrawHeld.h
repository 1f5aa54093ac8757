#pragma once
// Default handling that would flicker a skinned control (the system control paints its own
// background as it scrolls or types) runs with drawing held back, and the whole control
// is repainted over its skin image afterwards.
#include "framework/Wnd.h"

namespace Vexel {

// Runs `handling` between WM_SETREDRAW FALSE and TRUE, then invalidates the window with
// erasing and updates it; answers what `handling` answered.
template <class Handling>
LRESULT RunWithRedrawHeld(CWnd& window, Handling handling)
{
    window.SetRedraw(FALSE);
    const LRESULT result = handling();
    window.SetRedraw(TRUE);
    window.Invalidate(TRUE);
    window.UpdateWindow();
    return result;
}

} // namespace Vexel
