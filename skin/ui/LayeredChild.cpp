#include "skin/ui/LayeredChild.h"

#include "skin/ui/WindowImages.h"

namespace Vexel {

void RepaintUnderLayeredParent(HWND control, const WINDOWPOS* pos)
{
    const HWND parent = ::GetParent(control);
    if (!pos || pos->hwnd != control || !parent || !(::GetWindowLongW(parent, GWL_EXSTYLE) & WS_EX_LAYERED))
        return;
    if (pos->flags & SWP_SHOWWINDOW) {
        ::InvalidateRect(control, nullptr, TRUE);
    } else if (pos->flags & SWP_HIDEWINDOW) {
        const CRect under = WindowRectInParent(control);
        ::InvalidateRect(parent, &under, TRUE);
    }
}

} // namespace Vexel
