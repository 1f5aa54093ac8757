#pragma once
// How much of a skinned progress bar is filled: plain rules on the system control's range
// and position, without a window.
#include <windows.h>

namespace Vexel {

// A range fit to draw: an upper bound not above the lower one is taken as one step above
// it, and the position is kept inside [lower, upper].
struct ProgressSpan {
    int lower;
    int upper;
    int position;
};
ProgressSpan MakeProgressSpan(int lower, int upper, int position);

// The filled part of a bar `length` pixels long (MulDiv, so wide ranges do not overflow).
int ProgressFilledLength(const ProgressSpan& span, int length);

// The percentage shown on the bar, 0 to 100.
int ProgressPercent(const ProgressSpan& span);

} // namespace Vexel
