#include "windows/notifier/NotifierSlide.h"

#include <algorithm>

namespace {

bool SideEdge(TaskbarEdge edge)
{
    return edge == TaskbarEdge::Left || edge == TaskbarEdge::Right;
}

} // namespace

TaskbarEdge FindTaskbarEdge(const RECT& workArea, SIZE screen)
{
    const bool narrower = workArea.right - workArea.left < screen.cx;
    const bool lower = workArea.bottom - workArea.top < screen.cy;
    if (narrower)
        return workArea.left == 0 ? TaskbarEdge::Right : TaskbarEdge::Left;
    if (lower && workArea.top != 0)
        return TaskbarEdge::Top;
    return TaskbarEdge::Bottom;
}

SlidePlan PlanSlide(TaskbarEdge edge, const RECT& workArea, SIZE skin, int step, UINT appearMs, UINT hideMs)
{
    step = std::max(step, 1);
    const int distance = SideEdge(edge) ? skin.cx : skin.cy;
    const UINT steps = static_cast<UINT>(std::max(distance / step, 1));

    SlidePlan plan;
    plan.edge = edge;
    plan.appearTick = appearMs / steps;
    plan.hideTick = hideMs / steps;
    switch (edge) {
    case TaskbarEdge::Right:
        plan.start = {workArea.right, workArea.bottom - skin.cy};
        break;
    case TaskbarEdge::Left:
        plan.start = {workArea.left - skin.cx, workArea.bottom - skin.cy};
        break;
    case TaskbarEdge::Top:
        plan.start = {workArea.right - skin.cx, workArea.top - skin.cy};
        break;
    case TaskbarEdge::Bottom:
        plan.start = {workArea.right - skin.cx, workArea.bottom};
        break;
    }
    return plan;
}

bool StepIn(TaskbarEdge edge, POINT start, SIZE skin, int step, POINT& position)
{
    switch (edge) {
    case TaskbarEdge::Top:
        if (position.y - start.y >= skin.cy)
            return true;
        position.y += step;
        return false;
    case TaskbarEdge::Left:
        if (position.x - start.x >= skin.cx)
            return true;
        position.x += step;
        return false;
    case TaskbarEdge::Right:
        if (position.x <= start.x - skin.cx)
            return true;
        position.x -= step;
        return false;
    case TaskbarEdge::Bottom:
        break;
    }
    if (position.y <= start.y - skin.cy)
        return true;
    position.y -= step;
    return false;
}

bool StepOut(TaskbarEdge edge, POINT start, int step, POINT& position)
{
    switch (edge) {
    case TaskbarEdge::Top:
        if (position.y <= start.y)
            return true;
        position.y -= step;
        return false;
    case TaskbarEdge::Left:
        if (position.x <= start.x)
            return true;
        position.x -= step;
        return false;
    case TaskbarEdge::Right:
        if (position.x >= start.x)
            return true;
        position.x += step;
        return false;
    case TaskbarEdge::Bottom:
        break;
    }
    if (position.y >= start.y)
        return true;
    position.y += step;
    return false;
}

POINT ShownPosition(TaskbarEdge edge, const RECT& workArea, SIZE skin, POINT current)
{
    switch (edge) {
    case TaskbarEdge::Right:
        current.x = workArea.right - skin.cx;
        break;
    case TaskbarEdge::Left:
        current.x = workArea.left;
        break;
    case TaskbarEdge::Top:
        current.y = workArea.top;
        break;
    case TaskbarEdge::Bottom:
        current.y = workArea.bottom - skin.cy;
        break;
    }
    return current;
}
