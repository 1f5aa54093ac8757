#include "skin/ui/controls/LayeredParent.h"

#include "skin/ui/WindowImages.h"

namespace Vexel {

void RepaintOverLayeredParent(HWND control, const WINDOWPOS& pos)
{
    const HWND parent = ::GetParent(control);
    if (parent && (::GetWindowLongW(parent, GWL_EXSTYLE) & WS_EX_LAYERED))
        RepaintOverParent(control, pos);
}

void RepaintOverParent(HWND control, const WINDOWPOS& pos)
{
    const HWND parent = ::GetParent(control);
    if (pos.hwnd != control || !parent)
        return;
    if (pos.flags & SWP_SHOWWINDOW) {
        ::InvalidateRect(control, nullptr, TRUE);
    } else if (pos.flags & SWP_HIDEWINDOW) {
        const CRect area = RectInParent(control, parent);
        ::InvalidateRect(parent, &area, TRUE);
    }
}

} // namespace Vexel
