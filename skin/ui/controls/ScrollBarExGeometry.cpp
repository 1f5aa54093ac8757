#include "skin/ui/controls/ScrollBarExGeometry.h"

#include <algorithm>

namespace Vexel {
namespace {

// A rectangle spanning the bar across, from `first` to `last` along it.
RECT Across(const ScrollBarShape& shape, int first, int last)
{
    const RECT& c = shape.client;
    if (shape.vertical)
        return RECT{c.left, c.top + first, c.right, c.top + last};
    return RECT{c.left + first, c.top, c.left + last, c.bottom};
}

int AlongOf(const ScrollBarShape& shape, POINT point)
{
    return shape.vertical ? point.y - shape.client.top : point.x - shape.client.left;
}

} // namespace

ScrollBarParts ComputeScrollBarParts(const ScrollBarShape& shape, const SCROLLINFO& info, int dragOffset)
{
    const int along = shape.Along();
    ScrollBarParts parts{};
    parts.leftUp = Across(shape, 0, shape.leftUpLength);
    parts.rightDown = Across(shape, along - shape.rightDownLength, along);

    const long long units = static_cast<long long>(info.nMax) + 1;
    if (units <= 0) {
        parts.thumb = Across(shape, 0, kMinThumbLength);
        return parts;
    }
    const int track = shape.Track();
    long long length = static_cast<long long>(info.nPage) * track / units;
    length = std::max<long long>(length, kMinThumbLength);
    if (length > track) {
        parts.thumb = Across(shape, 0, 0);
        return parts;
    }
    const long long start = static_cast<long long>(info.nPos) * track / units + shape.leftUpLength + dragOffset;
    // Kept between the arrows, so that what is drawn is also what is hit.
    const long long first = std::clamp<long long>(start, shape.leftUpLength, along - shape.rightDownLength - length);
    parts.thumb = Across(shape, static_cast<int>(first), static_cast<int>(first + length));
    return parts;
}

int SideOfThumb(const ScrollBarShape& shape, const ScrollBarParts& parts, POINT point)
{
    if (!parts.HasThumb())
        return 0;
    const int at = AlongOf(shape, point);
    const int first = shape.vertical ? parts.thumb.top - shape.client.top : parts.thumb.left - shape.client.left;
    const int last = shape.vertical ? parts.thumb.bottom - shape.client.top : parts.thumb.right - shape.client.left;
    if (at < first)
        return -1;
    return at >= last ? 1 : 0;
}

ScrollBarPart HitTestScrollBar(const ScrollBarShape& shape, const ScrollBarParts& parts, POINT point)
{
    if (!::PtInRect(&shape.client, point))
        return kScrollPartNone;
    if (::PtInRect(&parts.leftUp, point))
        return kScrollPartLeftUp;
    if (::PtInRect(&parts.rightDown, point))
        return kScrollPartRightDown;
    if (!parts.HasThumb())
        return kScrollPartNone;
    switch (SideOfThumb(shape, parts, point)) {
    case -1:
        return kScrollPartPageBefore;
    case 1:
        return kScrollPartPageAfter;
    default:
        return kScrollPartThumb;
    }
}

ScrollBarLook PartLook(bool enabled, bool active, bool buttonDown, bool pressed, bool hover)
{
    if (!enabled)
        return kScrollLookDisabled;
    if (!active)
        return kScrollLookNormal;
    if (buttonDown && pressed)
        return hover ? kScrollLookSelected : kScrollLookHighlight;
    return hover ? kScrollLookHighlight : kScrollLookNormal;
}

std::optional<int> ThumbTrackPosition(const SCROLLINFO& start, int track, int offset)
{
    const long long units = static_cast<long long>(start.nMax) + 1;
    if (track <= 0 || units <= 0)
        return std::nullopt;
    const long long moved = static_cast<long long>(offset) * units;
    long long position;
    if (moved > track)
        position = start.nPos + moved / track;
    else if (-moved > track)
        position = start.nPos - (-moved) / track;
    else
        return std::nullopt;
    const long long page = std::max<long long>(start.nPage, 1);
    const long long highest = static_cast<long long>(start.nMax) - page + 1;
    position = std::min(position, highest);
    position = std::max<long long>(position, start.nMin);
    return static_cast<int>(position);
}

} // namespace Vexel
