#include "skin/ui/controls/ThumbnailGeometry.h"

#include <algorithm>

namespace Vexel {

ThumbnailGrid MakeThumbnailGrid(const ThumbnailMetrics& metrics, SIZE view, int position, int count)
{
    ThumbnailGrid grid;
    grid.view = view;
    grid.position = position;
    grid.count = count;
    grid.listMode = metrics.listMode;
    if (metrics.listMode) {
        const int line = std::max(metrics.lineHeight, 1);
        grid.item = SIZE{view.cx, line};
        grid.image = grid.item;
        grid.cols = view.cx > 0 ? 1 : 0;
        grid.rows = static_cast<int>(view.cy / line);
        grid.unit = line;
        return grid;
    }
    // Sizes never set (or of 0) leave the grid empty rather than dividing by them.
    if (metrics.item.cx < 1 || metrics.item.cy < 1 || metrics.image.cx < 0 || metrics.image.cy < 0)
        return grid;
    grid.item = metrics.item;
    grid.image = metrics.image;
    grid.cols = static_cast<int>(view.cx / metrics.item.cx);
    grid.rows = static_cast<int>(((metrics.item.cy - metrics.image.cy) / 2 + view.cy) / metrics.item.cy);
    if (grid.cols > 0 && view.cx > grid.cols * metrics.item.cx)
        grid.margin = static_cast<int>((view.cx - grid.cols * metrics.item.cx) / (2 * grid.cols));
    grid.unitsPerRow = std::max(metrics.unitsPerRow, 1);
    grid.unit = std::max(static_cast<int>(metrics.item.cy / grid.unitsPerRow), 1);
    return grid;
}

RECT ThumbnailCell(const ThumbnailGrid& grid, int index)
{
    if (grid.Empty() || index < 0)
        return RECT{};
    const int row = index / grid.cols;
    const int col = index % grid.cols;
    const int left = col * grid.Pitch() + grid.margin;
    const int top = row * grid.item.cy - grid.unit * grid.position;
    return RECT{left, top, left + grid.item.cx, top + grid.item.cy};
}

RECT ThumbnailImageArea(const ThumbnailGrid& grid, int index)
{
    const RECT cell = ThumbnailCell(grid, index);
    if (IsRectEmpty(&cell))
        return cell;
    const int left = cell.left + (grid.item.cx - grid.image.cx) / 2;
    const int top = cell.top + (grid.item.cy - grid.image.cy) / 2;
    return RECT{left, top, left + grid.image.cx, top + grid.image.cy};
}

namespace {

int RowAt(const ThumbnailGrid& grid, int y)
{
    return (y / grid.unit + grid.position) / grid.unitsPerRow;
}

} // namespace

int ThumbnailHitTest(const ThumbnailGrid& grid, POINT point)
{
    if (grid.Empty() || point.x < 0 || point.y < 0 || point.x >= grid.view.cx || point.y >= grid.view.cy)
        return -1;
    const int col = point.x / grid.Pitch();
    if (col >= grid.cols)
        return -1;
    const int index = RowAt(grid, point.y) * grid.cols + col;
    if (index >= grid.count)
        return -1;
    const RECT image = ThumbnailImageArea(grid, index);
    return PtInRect(&image, point) ? index : -1;
}

int ThumbnailInsertIndex(const ThumbnailGrid& grid, POINT point)
{
    if (grid.listMode)
        return ThumbnailHitTest(grid, point);
    if (grid.Empty())
        return -1;
    const int col = (point.x + grid.Pitch() / 2) / grid.Pitch();
    const int index = RowAt(grid, point.y) * grid.cols + col;
    return index >= 0 && index < grid.count ? index : -1;
}

RECT ThumbnailInsertionBar(const ThumbnailGrid& grid, int index)
{
    if (grid.Empty() || grid.count < 1)
        return RECT{};
    const bool afterLast = index < 0 || index >= grid.count;
    const RECT image = ThumbnailImageArea(grid, afterLast ? grid.count - 1 : index);
    const int gap = (grid.item.cx - grid.image.cx) / 2 + grid.margin;
    const int x = afterLast ? image.right + gap : image.left - gap;
    return RECT{x, image.top, x + 2, image.bottom};
}

ThumbnailScroll ThumbnailScrollNeeds(const ThumbnailGrid& grid)
{
    ThumbnailScroll scroll;
    if (grid.cols <= 0)
        return scroll;
    const int pageUnits = grid.view.cy * grid.unitsPerRow / grid.item.cy;
    const int total = grid.count > 0 ? ((grid.count - 1) / grid.cols + 1) * grid.unitsPerRow : 0;
    scroll.needed = total > pageUnits;
    scroll.page = scroll.needed ? pageUnits : total;
    scroll.maximum = total - 1;
    return scroll;
}

void ThumbnailVisibleItems(const ThumbnailGrid& grid, int& first, int& last)
{
    first = -1;
    last = -1;
    if (grid.Empty())
        return;
    const RECT view{0, 0, grid.view.cx, grid.view.cy};
    for (int i = 0; i < grid.count; ++i) {
        const RECT image = ThumbnailImageArea(grid, i);
        RECT meet;
        if (IntersectRect(&meet, &image, &view)) {
            if (first < 0)
                first = i;
            last = i;
        } else if (first >= 0 && image.top >= view.bottom) {
            break;   // the rest lie below
        }
    }
}

std::vector<int> ThumbnailItemsInBand(const ThumbnailGrid& grid, RECT band)
{
    std::vector<int> items;
    if (grid.Empty())
        return items;
    band.right = std::min<LONG>(band.right, grid.cols * grid.Pitch() - 1);
    band.left = std::max<LONG>(band.left, 0);
    band.top = std::max<LONG>(band.top, 0);
    if (band.right < band.left || band.bottom < band.top)
        return items;
    const int firstCol = band.left / grid.Pitch();
    const int lastCol = band.right / grid.Pitch();
    const int first = RowAt(grid, band.top) * grid.cols + firstCol;
    const int last = std::min(RowAt(grid, band.bottom) * grid.cols + lastCol, grid.count - 1);
    for (int i = first; i <= last; ++i) {
        const int col = i % grid.cols;
        if (col < firstCol || col > lastCol)
            continue;
        const RECT image = ThumbnailImageArea(grid, i);
        RECT meet;
        const RECT inclusive{band.left, band.top, band.right + 1, band.bottom + 1};
        if (IntersectRect(&meet, &image, &inclusive))
            items.push_back(i);
    }
    return items;
}

std::vector<int> ThumbnailMoveRanks(int count, const std::vector<int>& selected, int target)
{
    std::vector<bool> isSelected(static_cast<size_t>(std::max(count, 0)), false);
    for (const int index : selected) {
        if (index >= 0 && index < count)
            isSelected[static_cast<size_t>(index)] = true;
    }
    std::vector<int> rank(isSelected.size(), 0);
    int next = 0;
    const auto before = [&](int i) { return target < 0 || target >= count || i < target; };
    for (int i = 0; i < count; ++i) {
        if (!isSelected[static_cast<size_t>(i)] && before(i))
            rank[static_cast<size_t>(i)] = next++;
    }
    for (int i = 0; i < count; ++i) {
        if (isSelected[static_cast<size_t>(i)])
            rank[static_cast<size_t>(i)] = next++;
    }
    for (int i = 0; i < count; ++i) {
        if (!isSelected[static_cast<size_t>(i)] && !before(i))
            rank[static_cast<size_t>(i)] = next++;
    }
    return rank;
}

} // namespace Vexel
