#pragma once
// Where the extended slider's thumb lies for a position, and which position a click or a
// drag makes: plain rules on plain numbers, without a window.
//
// A horizontal slider runs from the minimum at the left to the maximum at the right, a
// vertical one from the maximum at the top to the minimum at the bottom. The track is the
// client length less the thumb's; a slider whose track is empty (a thumb as long as the
// slider or longer) or whose range is empty keeps its thumb at the start, and the mouse
// changes nothing on it.
#include <windows.h>

namespace Vexel {

struct SliderLayout {
    SIZE client;      // the slider's client size
    SIZE thumb;       // the thumb image's size
    int minimum;
    int maximum;
    bool vertical;

    int Range() const { return maximum - minimum; }
    int Track() const { return vertical ? client.cy - thumb.cy : client.cx - thumb.cx; }
    // The mouse can move the thumb: there is a track and a range.
    bool Movable() const { return Track() > 0 && Range() != 0; }
};

// `position` kept within [minimum, maximum]: above the maximum gives the maximum, else
// below the minimum the minimum.
int ClampSliderPosition(const SliderLayout& layout, int position);

// The thumb's rectangle (client coordinates) at `position`, centred across the slider.
RECT SliderThumbRect(const SliderLayout& layout, int position);

// The position a left click at `point` outside the thumb makes: a jump by the click's
// distance from the thumb's centre, clamped. `position` itself when the click lies on the
// thumb, outside the channel, or the thumb cannot move.
int SliderClickPosition(const SliderLayout& layout, int position, POINT point);

// A drag from `start` (the client point of the press, made at `startPosition`) to
// `point`: the thumb at the start moved along the slider by the cursor's distance, kept
// inside the client area, is written to `thumb`; the answer is the position it stands
// for (the minimum or maximum when it reaches an end). `startPosition` when the thumb
// cannot move.
int SliderDragPosition(const SliderLayout& layout, int startPosition, POINT start, POINT point, RECT& thumb);

} // namespace Vexel
