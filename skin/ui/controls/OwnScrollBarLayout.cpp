#include "skin/ui/controls/OwnScrollBarLayout.h"

namespace Vexel {

OwnScrollBarLayout LayOutOwnScrollBars(const RECT& inParent, int barWidth, int barHeight, bool needVertical,
                                       bool needHorizontal)
{
    const RECT& r = inParent;
    const LONG w = r.right - r.left;
    const LONG h = r.bottom - r.top;
    OwnScrollBarLayout layout;
    layout.showVertical = needVertical;
    layout.showHorizontal = needHorizontal;
    const LONG verticalEnd = needHorizontal ? h - barHeight : h;
    const LONG horizontalEnd = needVertical ? w - barWidth : w;
    if (needVertical) {
        layout.vertical = RECT{r.right - barWidth, r.top, r.right, r.top + verticalEnd};
        layout.cuts[layout.cutCount++] = RECT{w - barWidth, 0, w, verticalEnd};
    }
    if (needHorizontal) {
        layout.horizontal = RECT{r.left, r.bottom - barHeight, r.left + horizontalEnd, r.bottom};
        layout.cuts[layout.cutCount++] = RECT{0, h - barHeight, horizontalEnd, h};
    }
    return layout;
}

bool IsScrollBarNeeded(BOOL infoRead, const SCROLLINFO& info)
{
    return infoRead && info.nPage != 0 && static_cast<long long>(info.nPage) < static_cast<long long>(info.nMax) + 1;
}

} // namespace Vexel
