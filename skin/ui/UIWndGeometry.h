#pragma once
// The arithmetic of a skinned window's size: where a child goes when the window grows
// around its resizing point, which border strip a point lies on, how a border drag turns
// into a window rectangle, and what a splitter may do to a window. Pure functions of their
// arguments, so CUIWnd's message handling stays thin and the rules can be checked alone.
#include <windows.h>

namespace Vexel {

// HorLayoutMode / VerLayoutMode of a control record. Anything else behaves like kNear.
enum LayoutMode : int {
    kLayoutDefault = 0,        // edges beyond the resizing point follow the growth
    kLayoutNear = 1,           // Left / Top: unchanged
    kLayoutFar = 2,            // Right / Bottom: anchored to the far edge, size kept
    kLayoutCenter = 3,         // centred in the new size, size kept
    kLayoutFree = 4,           // unchanged; both axes Free: the child is not touched
    kLayoutFarEvenZoomOut = 5, // as kLayoutFar, but against the real client size
};

// What the layout of one window works from: its design (background) size and its
// resizing point.
struct DesignFrame {
    SIZE background;   // bkW, bkH
    POINT resizing;    // P
};

// A design rectangle laid out for a client of (cx, cy), each at least the background
// size, with (rawCx, rawCy) the real client size (read by kLayoutFarEvenZoomOut only).
// Comparisons with the resizing point are strict: an edge exactly on it stays.
RECT LayoutRect(const RECT& design, const DesignFrame& frame, int cx, int cy, int rawCx, int rawCy, int horMode,
                int verMode);

// A design rectangle mapped to the current client size by the resizing-point rule alone
// (kLayoutDefault on both axes, against the real client size).
RECT MapDesignRect(const RECT& design, const DesignFrame& frame, SIZE client);

// The sizes of the resize strips along a caption-less window's edges.
struct BorderMetrics {
    SIZE grip = {16, 16};   // bottom-right corner
    int corner = 4;         // the other corners
    int border = 4;         // the edge strips
};

struct BorderHit {
    int code;          // HTLEFT ... HTBOTTOMRIGHT, or HTCLIENT
    LPCWSTR cursor;    // IDC_SIZEWE ... or IDC_ARROW
};

// The strip of a client of `client` size that (x, y) lies on, tested in a fixed order
// (left/top edges inside, right/bottom outside); HTCLIENT with the arrow elsewhere.
BorderHit HitTestBorderAt(int x, int y, SIZE client, const BorderMetrics& metrics);

// The window rectangle (screen) a border drag gives: `start` is the window rectangle
// when the button went down, `delta` the cursor's move since. Shrinking edges stop at
// `minTrack` with the opposite edge fixed; HTCLIENT (or an unknown code) gives `start`.
RECT DragBorderRect(int hitCode, const RECT& start, POINT delta, SIZE minTrack);

// A proposed WINDOWPOS size held within [minTrack, maxSize]. The size is left alone when
// the move does not change it (SWP_NOSIZE).
void ClampWindowPos(WINDOWPOS& pos, SIZE minTrack, SIZE maxSize);

// The record a splitter hands its neighbours while it moves.
struct SplitterMoveRecord {
    RECT proposed = {0, 0, 0, 0};   // screen coordinates
    RECT second = {0, 0, 0, 0};     // screen coordinates
    int side = -1;                  // 0: the window lies left of the splitter, 2: right of it
};

// Whether a window (its rectangle and the proposed splitter rectangle in the same
// coordinates) keeps at least `minWidth` when the splitter goes there. When it would not,
// `proposed` is moved sideways so that the window keeps exactly `minWidth` and false is
// the answer. Sides other than 0 and 2 are always accepted.
bool FitSplitterProposal(const RECT& window, RECT& proposed, int side, int minWidth);

// The window rectangle once the splitter has settled at `second` (same coordinates):
// side 0 moves the right edge there, side 2 the left edge; other sides change nothing.
RECT SettleAgainstSplitter(const RECT& window, const RECT& second, int side);

} // namespace Vexel
