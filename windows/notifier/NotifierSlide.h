#pragma once
// The taskbar notifier's slide, as pure rules on rectangles: which screen edge the taskbar
// sits on, where the pop-up starts (just outside the work area), one step in and one step
// out, and where it stands when fully shown. Positions are screen coordinates of the
// pop-up's top-left corner.
#include <windows.h>

// The edge the taskbar sits on; the values are the notifier's direction codes.
enum class TaskbarEdge { Top = 1, Left = 2, Right = 3, Bottom = 4 };

// From the work area and the screen size, in this order: a work area narrower than the
// screen starting at x 0 has the taskbar on the right, narrower elsewhere on the left; one
// lower than the screen not starting at y 0 has it at the top; anything else, the bottom.
TaskbarEdge FindTaskbarEdge(const RECT& workArea, SIZE screen);

struct SlidePlan {
    TaskbarEdge edge = TaskbarEdge::Bottom;
    POINT start{};          // hidden, just outside the work area
    UINT appearTick = 0;    // milliseconds between two steps in
    UINT hideTick = 0;      // ... and out
};

// The slide of a pop-up of `skin` size moving `step` pixels a tick: the number of steps is
// the skin's width (side taskbar) or height (top or bottom) divided by the step, at least
// one, so a skin smaller than a step, or none, still slides in one step and never divides
// by zero. A step below 1 counts as 1.
SlidePlan PlanSlide(TaskbarEdge edge, const RECT& workArea, SIZE skin, int step, UINT appearMs, UINT hideMs);

// One tick of the slide in: true, with `position` unchanged, once the pop-up has come the
// whole skin size out of `start`; otherwise `position` moves one step further in.
bool StepIn(TaskbarEdge edge, POINT start, SIZE skin, int step, POINT& position);
// One tick of the slide out: true, unchanged, once back at (or past) `start`; otherwise one
// step back.
bool StepOut(TaskbarEdge edge, POINT start, int step, POINT& position);

// The fully shown position on `edge`; the coordinate along the edge stays `current`'s.
POINT ShownPosition(TaskbarEdge edge, const RECT& workArea, SIZE skin, POINT current);
