#include "skin/ui/controls/ControlResizePoint.h"

#include "skin/ui/SkinMessages.h"

namespace Vexel {

POINT AskedResizePoint(HWND control, bool askParent, POINT own)
{
    const HWND parent = ::GetParent(control);
    if (!askParent || !parent)
        return own;
    RECT inParent;
    ::GetWindowRect(control, &inParent);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&inParent), 2);
    const auto ask = [&](WPARAM which) {
        return static_cast<int>(::SendMessageW(parent, WM_VXL_GETRESIZEPOINT, which, reinterpret_cast<LPARAM>(control)));
    };
    return POINT{ask(kResizePointX) - inParent.left, ask(kResizePointY) - inParent.top};
}

} // namespace Vexel
