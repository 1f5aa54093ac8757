#include "skin/ui/controls/SliderExGeometry.h"

namespace Vexel {
namespace {

// a * b / c, truncated toward zero, without overflowing on wide ranges.
int Scale(int a, int b, int c)
{
    return static_cast<int>(static_cast<long long>(a) * b / c);
}

// How far along the track the thumb's leading edge (left, or top) lies.
int ThumbOffset(const SliderLayout& layout, int position)
{
    if (!layout.Movable())
        return 0;
    const int fromStart = layout.vertical ? layout.maximum - position : position - layout.minimum;
    return Scale(fromStart, layout.Track(), layout.Range());
}

} // namespace

int ClampSliderPosition(const SliderLayout& layout, int position)
{
    if (position > layout.maximum)
        return layout.maximum;
    if (position < layout.minimum)
        return layout.minimum;
    return position;
}

RECT SliderThumbRect(const SliderLayout& layout, int position)
{
    const int along = ThumbOffset(layout, position);
    if (layout.vertical) {
        const int left = (layout.client.cx - layout.thumb.cx) / 2;
        return RECT{left, along, left + layout.thumb.cx, along + layout.thumb.cy};
    }
    const int top = (layout.client.cy - layout.thumb.cy) / 2;
    return RECT{along, top, along + layout.thumb.cx, top + layout.thumb.cy};
}

int SliderClickPosition(const SliderLayout& layout, int position, POINT point)
{
    if (!layout.Movable())
        return position;
    const RECT thumb = SliderThumbRect(layout, position);
    if (layout.vertical) {
        const bool below = point.y > thumb.bottom && point.y < layout.client.cy;
        const bool above = point.y < thumb.top && point.y > 0;
        if (!below && !above)
            return position;
        const int centre = thumb.top + layout.thumb.cy / 2;
        return ClampSliderPosition(layout, position - Scale(point.y - centre, layout.Range(), layout.Track()));
    }
    const bool right = point.x > thumb.right && point.x < layout.client.cx;
    const bool left = point.x < thumb.left && point.x > 0;
    if (!right && !left)
        return position;
    const int centre = thumb.left + layout.thumb.cx / 2;
    return ClampSliderPosition(layout, position + Scale(point.x - centre, layout.Range(), layout.Track()));
}

int SliderDragPosition(const SliderLayout& layout, int startPosition, POINT start, POINT point, RECT& thumb)
{
    const RECT from = SliderThumbRect(layout, startPosition);
    thumb = from;
    if (!layout.Movable())
        return startPosition;
    if (layout.vertical) {
        int top = from.top + (point.y - start.y);
        top = top < 0 ? 0 : top;
        top = top + layout.thumb.cy > layout.client.cy ? layout.client.cy - layout.thumb.cy : top;
        thumb.top = top;
        thumb.bottom = top + layout.thumb.cy;
        if (thumb.bottom == layout.client.cy)
            return layout.minimum;
        if (thumb.top == 0)
            return layout.maximum;
        return ClampSliderPosition(layout, startPosition - Scale(thumb.top - from.top, layout.Range(), layout.Track()));
    }
    int left = from.left + (point.x - start.x);
    left = left < 0 ? 0 : left;
    left = left + layout.thumb.cx > layout.client.cx ? layout.client.cx - layout.thumb.cx : left;
    thumb.left = left;
    thumb.right = left + layout.thumb.cx;
    if (thumb.left == 0)
        return layout.minimum;
    if (thumb.right == layout.client.cx)
        return layout.maximum;
    return ClampSliderPosition(layout, startPosition + Scale(thumb.left - from.left, layout.Range(), layout.Track()));
}

} // namespace Vexel
