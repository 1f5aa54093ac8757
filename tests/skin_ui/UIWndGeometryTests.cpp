// The size arithmetic of skinned windows: child layout around the resizing point, border
// strips, border drags, size limits and the splitter answers.
#include "UIWndTestSupport.h"

#include "skin/ui/UIWndGeometry.h"

#include <gtest/gtest.h>

#include <string>

using namespace Vexel;
using skin_ui_test::Text;

namespace {

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A 200 x 100 design with its resizing point at (100, 50).
constexpr DesignFrame kFrame{{200, 100}, {100, 50}};

struct LayoutCase {
    const char* what;
    RECT design;
    int cx, cy, rawCx, rawCy;
    int hor, ver;
    RECT expected;
};

const LayoutCase kLayoutCases[] = {
    // Default: only what lies beyond the point follows the growth of 40 x 20.
    {"default, wholly before the point", {10, 10, 60, 30}, 240, 120, 240, 120, 0, 0, {10, 10, 60, 30}},
    {"default, straddling the point stretches", {80, 40, 120, 60}, 240, 120, 240, 120, 0, 0, {80, 40, 160, 80}},
    {"default, wholly beyond the point moves", {150, 70, 190, 90}, 240, 120, 240, 120, 0, 0, {190, 90, 230, 110}},
    {"default, left edge on the point stays", {100, 50, 150, 80}, 240, 120, 240, 120, 0, 0, {100, 50, 190, 100}},
    {"default, right edge on the point stays", {60, 20, 100, 50}, 240, 120, 240, 120, 0, 0, {60, 20, 100, 50}},
    // Left/Top and Free never move.
    {"near", {150, 70, 190, 90}, 240, 120, 240, 120, 1, 1, {150, 70, 190, 90}},
    {"free on one axis, near on the other", {150, 70, 190, 90}, 240, 120, 240, 120, 4, 1, {150, 70, 190, 90}},
    {"unknown and absent modes behave as near", {150, 70, 190, 90}, 240, 120, 240, 120, -1, 9, {150, 70, 190, 90}},
    // Right/Bottom: anchored to the far edge with the size kept, even before the point.
    {"far", {10, 10, 60, 30}, 240, 120, 240, 120, 2, 2, {50, 30, 100, 50}},
    // Centre: (left - right + size) / 2, truncated toward zero.
    {"centre", {10, 10, 60, 31}, 241, 120, 241, 120, 3, 3, {95, 49, 145, 70}},
    {"centre of a child wider than the window goes negative", {0, 0, 250, 10}, 200, 100, 200, 100, 3, 1,
     {-25, 0, 225, 10}},
    {"centre of an odd negative half truncates toward zero", {0, 0, 251, 10}, 200, 100, 200, 100, 3, 1,
     {-25, 0, 226, 10}},
    // A window smaller than its background lays out at the background size (the caller
    // raises cx, cy), except the even-zoom-out modes, which follow the real size.
    {"far below the design size", {150, 70, 190, 90}, 200, 100, 150, 80, 2, 2, {150, 70, 190, 90}},
    {"far even zoom out below the design size", {150, 70, 190, 90}, 200, 100, 150, 80, 5, 5,
     {100, 50, 140, 70}},
    {"far even zoom out above the design size", {150, 70, 190, 90}, 240, 120, 240, 120, 5, 5,
     {190, 90, 230, 110}},
    {"mixed axes: far horizontally, default vertically", {10, 60, 40, 90}, 260, 130, 260, 130, 2, 0,
     {70, 90, 100, 120}},
};

TEST(UIWndLayoutRect, FollowsTheModeTable)
{
    for (const LayoutCase& c : kLayoutCases) {
        const RECT out = LayoutRect(c.design, kFrame, c.cx, c.cy, c.rawCx, c.rawCy, c.hor, c.ver);
        EXPECT_TRUE(Same(out, c.expected)) << c.what << ": got " << Text(out) << ", expected " << Text(c.expected);
    }
}

TEST(UIWndLayoutRect, MapDesignRectUsesTheRealClientSize)
{
    // Smaller than the design: edges beyond the point move back by the shrinkage.
    EXPECT_TRUE(Same(MapDesignRect({120, 60, 180, 90}, kFrame, {150, 80}), RECT{70, 40, 130, 70}));
    EXPECT_TRUE(Same(MapDesignRect({20, 10, 180, 90}, kFrame, {300, 150}), RECT{20, 10, 280, 140}));
    EXPECT_TRUE(Same(MapDesignRect({20, 10, 90, 40}, kFrame, {300, 150}), RECT{20, 10, 90, 40}));
}

struct HitCase {
    int x, y;
    int code;
    LPCWSTR cursor;
};

TEST(UIWndBorderHit, AnswersEveryStripInOrder)
{
    // 100 x 80 client, corners 4, borders 4, grip 16 x 16.
    const SIZE client{100, 80};
    const BorderMetrics m;
    const HitCase cases[] = {
        {0, 0, HTTOPLEFT, IDC_SIZENWSE},
        {3, 3, HTTOPLEFT, IDC_SIZENWSE},
        {4, 0, HTCLIENT, IDC_ARROW},          // the pixel between corner and edge strip
        {5, 0, HTTOP, IDC_SIZENS},
        {94, 3, HTTOP, IDC_SIZENS},
        {95, 0, HTCLIENT, IDC_ARROW},
        {96, 0, HTTOPRIGHT, IDC_SIZENESW},
        {99, 3, HTTOPRIGHT, IDC_SIZENESW},
        {99, 5, HTRIGHT, IDC_SIZEWE},
        {96, 62, HTRIGHT, IDC_SIZEWE},
        {96, 63, HTCLIENT, IDC_ARROW},
        {84, 64, HTBOTTOMRIGHT, IDC_SIZENWSE},
        {99, 79, HTBOTTOMRIGHT, IDC_SIZENWSE},
        {5, 79, HTBOTTOM, IDC_SIZENS},
        {82, 76, HTBOTTOM, IDC_SIZENS},
        {83, 76, HTCLIENT, IDC_ARROW},
        {0, 76, HTBOTTOMLEFT, IDC_SIZENESW},
        {3, 79, HTBOTTOMLEFT, IDC_SIZENESW},
        {0, 5, HTLEFT, IDC_SIZEWE},
        {3, 74, HTLEFT, IDC_SIZEWE},
        {50, 40, HTCLIENT, IDC_ARROW},
        {100, 40, HTCLIENT, IDC_ARROW},       // right and bottom edges lie outside
        {-1, 40, HTCLIENT, IDC_ARROW},
    };
    for (const HitCase& c : cases) {
        const BorderHit hit = HitTestBorderAt(c.x, c.y, client, m);
        EXPECT_EQ(hit.code, c.code) << "at " << c.x << "," << c.y;
        EXPECT_EQ(hit.cursor, c.cursor) << "at " << c.x << "," << c.y;
    }
}

TEST(UIWndBorderHit, MetricsChangeTheStrips)
{
    BorderMetrics m;
    m.grip = {8, 8};
    m.corner = 10;
    m.border = 2;
    EXPECT_EQ(HitTestBorderAt(9, 9, {200, 100}, m).code, HTTOPLEFT);
    EXPECT_EQ(HitTestBorderAt(20, 2, {200, 100}, m).code, HTCLIENT);   // the top strip is 2 high
    EXPECT_EQ(HitTestBorderAt(192, 92, {200, 100}, m).code, HTBOTTOMRIGHT);
    EXPECT_EQ(HitTestBorderAt(191, 91, {200, 100}, m).code, HTCLIENT);
}

struct DragCase {
    int code;
    POINT delta;
    RECT expected;
};

TEST(UIWndBorderDrag, MovesTheDraggedEdgesAndStopsAtTheMinimum)
{
    // Start (100, 100)-(300, 250): 200 x 150; minimum 120 x 90.
    const RECT start{100, 100, 300, 250};
    const SIZE minTrack{120, 90};
    const DragCase cases[] = {
        {HTCLIENT, {30, 30}, {100, 100, 300, 250}},
        {HTLEFT, {-20, 7}, {80, 100, 300, 250}},
        {HTLEFT, {150, 0}, {180, 100, 300, 250}},   // stops at 120 wide, right edge fixed
        {HTRIGHT, {25, 9}, {100, 100, 325, 250}},
        {HTTOP, {3, -10}, {100, 90, 300, 250}},
        {HTTOP, {0, 100}, {100, 160, 300, 250}},    // stops at 90 high, bottom edge fixed
        {HTTOPLEFT, {100, 100}, {180, 160, 300, 250}},
        {HTTOPRIGHT, {10, -5}, {100, 95, 310, 250}},
        {HTBOTTOM, {4, 30}, {100, 100, 300, 280}},
        {HTBOTTOMLEFT, {-10, 10}, {90, 100, 300, 260}},
        {HTBOTTOMRIGHT, {-10, -10}, {100, 100, 290, 240}},
    };
    for (const DragCase& c : cases) {
        const RECT out = DragBorderRect(c.code, start, c.delta, minTrack);
        EXPECT_TRUE(Same(out, c.expected)) << "code " << c.code << ": got " << Text(out) << ", expected " << Text(c.expected);
    }
}

TEST(UIWndSizeLimits, RaiseToTheBackgroundAndLowerToTheWorkArea)
{
    struct Case {
        int cx, cy;
        UINT flags;
        int expectedCx, expectedCy;
    };
    const Case cases[] = {
        {50, 40, 0, 200, 100},
        {400, 300, 0, 400, 300},
        {5000, 50, 0, 1280, 100},
        {50, 5000, 0, 200, 1024},
        {50, 40, SWP_NOSIZE, 50, 40},
    };
    for (const Case& c : cases) {
        WINDOWPOS pos{};
        pos.cx = c.cx;
        pos.cy = c.cy;
        pos.flags = c.flags;
        ClampWindowPos(pos, {200, 100}, {1280, 1024});
        EXPECT_EQ(pos.cx, c.expectedCx) << c.cx << "x" << c.cy;
        EXPECT_EQ(pos.cy, c.expectedCy) << c.cx << "x" << c.cy;
    }
}

TEST(UIWndSplitter, ProposalKeepsTheMinimumWidth)
{
    const RECT window{100, 0, 300, 200};
    struct Case {
        int side;
        RECT proposed;
        bool accepted;
        RECT expected;
    };
    const Case cases[] = {
        // Window left of the splitter: its right edge follows the splitter's left edge.
        {0, {260, 0, 266, 200}, true, {260, 0, 266, 200}},
        {0, {220, 0, 226, 200}, true, {220, 0, 226, 200}},   // exactly the minimum
        {0, {150, 0, 156, 200}, false, {220, 0, 226, 200}},
        // Window right of it: its left edge follows the splitter's left edge.
        {2, {150, 0, 156, 200}, true, {150, 0, 156, 200}},
        {2, {250, 0, 256, 200}, false, {180, 0, 186, 200}},
        {-1, {299, 0, 305, 200}, true, {299, 0, 305, 200}},
    };
    for (const Case& c : cases) {
        RECT proposed = c.proposed;
        EXPECT_EQ(FitSplitterProposal(window, proposed, c.side, 120), c.accepted) << "side " << c.side;
        EXPECT_TRUE(Same(proposed, c.expected)) << "side " << c.side << ": got " << Text(proposed);
    }
}

TEST(UIWndSplitter, SettledSplitterMovesTheFacingEdge)
{
    const RECT window{100, 0, 300, 200};
    const RECT second{250, 0, 256, 200};
    EXPECT_TRUE(Same(SettleAgainstSplitter(window, second, 0), RECT{100, 0, 250, 200}));
    EXPECT_TRUE(Same(SettleAgainstSplitter(window, second, 2), RECT{250, 0, 300, 200}));
    EXPECT_TRUE(Same(SettleAgainstSplitter(window, second, 1), window));
}

} // namespace
