#pragma once
// The arithmetic of the skinned scroll bar, apart from its window: where its arrows and
// thumb lie for a scroll info, which part a point hits, which look a part has, and which
// position a thumb drag asks for. A horizontal bar is the vertical one along x.
#include <optional>

#include <windows.h>

namespace Vexel {

// The parts of a bar, as its mouse handling names them.
enum ScrollBarPart : int {
    kScrollPartNone = -1,
    kScrollPartLeftUp = 0,     // the left or up arrow
    kScrollPartRightDown = 1,  // the right or down arrow
    kScrollPartThumb = 2,
    kScrollPartPageBefore = 3, // the track before the thumb
    kScrollPartPageAfter = 4,  // the track after the thumb
};

// The looks of a part, in the order of its images.
enum ScrollBarLook : int {
    kScrollLookNormal = 0,
    kScrollLookHighlight = 1,
    kScrollLookSelected = 2,
    kScrollLookDisabled = 3,
    kScrollLookCount = 4,
};

// The shortest thumb drawn.
constexpr int kMinThumbLength = 8;

// A bar's client rectangle, orientation and arrow lengths (already scaled to the screen).
struct ScrollBarShape {
    RECT client;
    bool vertical;
    int leftUpLength;
    int rightDownLength;

    int Along() const { return vertical ? client.bottom - client.top : client.right - client.left; }
    // The pixels between the arrows; 0 or less when the arrows fill the bar.
    int Track() const { return Along() - leftUpLength - rightDownLength; }
};

struct ScrollBarParts {
    RECT leftUp;
    RECT rightDown;
    RECT thumb;   // empty when the bar shows no thumb
    bool HasThumb() const { return thumb.right > thumb.left && thumb.bottom > thumb.top; }
};

// The arrows at both ends and the thumb for `info`: its length is nPage of the track per
// nMax + 1 units, at least kMinThumbLength, and none when that is longer than the track;
// it starts nPos units into the track, moved by `dragOffset` pixels while it is dragged,
// and is kept between the arrows (moved, not shrunk). With nMax -1 (no range) the thumb is
// kMinThumbLength long at the start of the bar.
ScrollBarParts ComputeScrollBarParts(const ScrollBarShape& shape, const SCROLLINFO& info, int dragOffset);

// The part under `point`: an arrow, the thumb, or the track before or after the thumb (the
// track is no part while the bar shows no thumb); kScrollPartNone elsewhere.
ScrollBarPart HitTestScrollBar(const ScrollBarShape& shape, const ScrollBarParts& parts, POINT point);

// Which way `point` lies from the thumb along the bar: -1 before it, 1 after it, 0 on it
// (or when there is no thumb).
int SideOfThumb(const ScrollBarShape& shape, const ScrollBarParts& parts, POINT point);

// The look of a part: disabled with the window; normal while the bar is inactive (no
// thumb); while the left button is down on it, selected with the mouse over it and
// highlight off it; else highlight under the mouse and normal otherwise.
ScrollBarLook PartLook(bool enabled, bool active, bool buttonDown, bool pressed, bool hover);

// The position a thumb dragged `offset` pixels from where it was pressed asks for, or
// nothing while the move is less than one unit. `start` is the scroll info when the thumb
// was pressed, `track` the track length. The answer stays within nMin .. nMax - nPage + 1
// (a page of 0 counts as 1); no answer for a track of 0 or less or without a range.
std::optional<int> ThumbTrackPosition(const SCROLLINFO& start, int track, int offset);

} // namespace Vexel
