#pragma once
// Where the thumbnail view puts its items: a grid of cells, or one column of rows in list
// mode, scrolled by whole units. Pure functions of the view's sizes, scroll position and
// item count, so hit tests, painting, scrolling and drops agree and can be checked without
// a window.
#include <windows.h>

#include <vector>

namespace Vexel {

// The sizes the view was given.
struct ThumbnailMetrics {
    bool listMode = false;
    SIZE item{-1, -1};    // a cell (thumbnail mode)
    SIZE image{-1, -1};   // the image area centred in a cell (thumbnail mode)
    int lineHeight = 20;  // a row (list mode)
    int unitsPerRow = 1;  // scroll units per row of cells
};

// The grid over a view of `view` pixels (the client area less the scroll-bar strip). List
// mode is a grid of one column whose cells and image areas are whole rows.
struct ThumbnailGrid {
    int cols = 0;
    int rows = 0;          // rows that fit, the partly shown one included
    SIZE item{0, 0};       // W x H
    SIZE image{0, 0};      // w x h
    int margin = 0;        // m: a cell is W + 2m apart from the next
    int unitsPerRow = 1;
    int unit = 1;          // u: pixels per scroll unit
    int position = 0;      // the scroll position, in units
    int count = 0;
    SIZE view{0, 0};
    bool listMode = false;

    // No cell fits (sizes unset or 0, or a view narrower than one cell).
    bool Empty() const { return cols <= 0 || rows < 1; }
    int Pitch() const { return item.cx + 2 * margin; }
};

ThumbnailGrid MakeThumbnailGrid(const ThumbnailMetrics& metrics, SIZE view, int position, int count);

// Item i's cell and its image area (client coordinates); empty rectangles for an empty grid.
RECT ThumbnailCell(const ThumbnailGrid& grid, int index);
RECT ThumbnailImageArea(const ThumbnailGrid& grid, int index);

// The item whose image area holds the point, or -1.
int ThumbnailHitTest(const ThumbnailGrid& grid, POINT point);
// Where a drop at the point inserts: before the item returned, or -1 for after the last.
int ThumbnailInsertIndex(const ThumbnailGrid& grid, POINT point);
// The 2-pixel bar that marks the insertion before item `index` (in the middle of the gap
// left of it), or after the last item for -1; empty when there are no items.
RECT ThumbnailInsertionBar(const ThumbnailGrid& grid, int index);

// The scroll bar the grid needs: the range is 0 .. maximum, `page` units show at once.
struct ThumbnailScroll {
    bool needed = false;
    int page = 0;
    int maximum = -1;
    // The largest position that still fills the view.
    int LastPosition() const { return maximum - page + 1 > 0 ? maximum - page + 1 : 0; }
};
ThumbnailScroll ThumbnailScrollNeeds(const ThumbnailGrid& grid);

// The first and last items whose image areas meet the view; -1 and -1 when none does.
void ThumbnailVisibleItems(const ThumbnailGrid& grid, int& first, int& last);

// The items a rubber band selects: those between its corners' items, in the columns
// between its corners' columns, whose image areas meet the band. Ascending.
std::vector<int> ThumbnailItemsInBand(const ThumbnailGrid& grid, RECT band);

// The new place of every item when the selected ones (ascending) move, in their order, to
// just before the item at `target` (-1: after the last item) and the others keep theirs:
// rank[i] is the position item i ends up at. A total order, so any sort gives the same result.
std::vector<int> ThumbnailMoveRanks(int count, const std::vector<int>& selected, int target);

} // namespace Vexel
