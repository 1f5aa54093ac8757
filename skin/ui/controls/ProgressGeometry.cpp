#include "skin/ui/controls/ProgressGeometry.h"

namespace Vexel {

ProgressSpan MakeProgressSpan(int lower, int upper, int position)
{
    if (upper <= lower)
        upper = lower + 1;
    if (position < lower)
        position = lower;
    else if (position > upper)
        position = upper;
    return ProgressSpan{lower, upper, position};
}

int ProgressFilledLength(const ProgressSpan& span, int length)
{
    return ::MulDiv(span.position - span.lower, length, span.upper - span.lower);
}

int ProgressPercent(const ProgressSpan& span)
{
    const long long done = static_cast<long long>(span.position) - span.lower;
    const long long whole = static_cast<long long>(span.upper) - span.lower;
    return static_cast<int>(done * 100 / whole);
}

} // namespace Vexel
