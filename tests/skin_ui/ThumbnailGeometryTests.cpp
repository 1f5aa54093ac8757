// Where the thumbnail view puts its items: cells with even margins, hits only on image
// areas, drops between cells, the scroll units a grid needs, the items a band meets, and
// the places items take when the selected ones move.
#include "framework/Geometry.h"
#include "skin/ui/controls/ThumbnailGeometry.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace Vexel;

namespace skin_ui_test {
namespace {

// 100 x 100 cells with 80 x 60 image areas.
ThumbnailMetrics Cells()
{
    ThumbnailMetrics metrics;
    metrics.item = SIZE{100, 100};
    metrics.image = SIZE{80, 60};
    return metrics;
}

TEST(ThumbnailGeometry, CellsLieInAGridWithEvenMarginsAndScrollByUnits)
{
    const ThumbnailGrid grid = MakeThumbnailGrid(Cells(), SIZE{330, 250}, 0, 7);
    EXPECT_EQ(grid.cols, 3);
    EXPECT_EQ(grid.margin, 5);
    EXPECT_EQ(grid.rows, 2);   // (20 + 250) / 100
    const struct {
        int index;
        RECT cell;
        RECT image;
    } kItems[] = {
        {0, {5, 0, 105, 100}, {15, 20, 95, 80}},
        {2, {225, 0, 325, 100}, {235, 20, 315, 80}},
        {4, {115, 100, 215, 200}, {125, 120, 205, 180}},
    };
    for (const auto& item : kItems) {
        EXPECT_EQ(CRect(ThumbnailCell(grid, item.index)), CRect(item.cell)) << item.index;
        EXPECT_EQ(CRect(ThumbnailImageArea(grid, item.index)), CRect(item.image)) << item.index;
    }
    const ThumbnailGrid scrolled = MakeThumbnailGrid(Cells(), SIZE{330, 250}, 1, 7);
    EXPECT_EQ(CRect(ThumbnailCell(scrolled, 4)), CRect(115, 0, 215, 100));

    const ThumbnailScroll needs = ThumbnailScrollNeeds(grid);
    EXPECT_TRUE(needs.needed);   // 3 rows of 1 unit, 2 in view
    EXPECT_EQ(needs.page, 2);
    EXPECT_EQ(needs.maximum, 2);
    EXPECT_EQ(needs.LastPosition(), 1);
    EXPECT_FALSE(ThumbnailScrollNeeds(MakeThumbnailGrid(Cells(), SIZE{330, 250}, 0, 0)).needed) << "no items";

    ThumbnailMetrics list;
    list.listMode = true;
    const ThumbnailGrid rows = MakeThumbnailGrid(list, SIZE{200, 95}, 2, 10);
    EXPECT_EQ(rows.rows, 4);
    EXPECT_EQ(CRect(ThumbnailCell(rows, 3)), CRect(0, 20, 200, 40));
    EXPECT_EQ(ThumbnailHitTest(rows, POINT{150, 45}), 4);
    EXPECT_EQ(ThumbnailScrollNeeds(rows).page, 4);
}

TEST(ThumbnailGeometry, OnlyImageAreasAreHitAndDropsFallBetweenCells)
{
    const ThumbnailGrid grid = MakeThumbnailGrid(Cells(), SIZE{330, 250}, 0, 5);
    const struct {
        POINT point;
        int hit;
        int insert;
    } kPoints[] = {
        {{50, 50}, 0, 0},      // inside item 0's image area
        {{10, 10}, -1, 0},     // in item 0's cell, outside its image area
        {{100, 50}, -1, 1},    // the right half of cell 0 inserts before item 1
        {{300, 50}, 2, 3},     // right of the last column: before the next row
        {{160, 150}, 4, 4},
        {{280, 150}, -1, -1},  // past the last item
        {{50, 300}, -1, -1},   // below the view
    };
    for (const auto& c : kPoints) {
        EXPECT_EQ(ThumbnailHitTest(grid, c.point), c.hit) << c.point.x << "," << c.point.y;
        EXPECT_EQ(ThumbnailInsertIndex(grid, c.point), c.insert) << c.point.x << "," << c.point.y;
    }
    // The bar sits in the middle of the gap left of the item, or right of the last one.
    EXPECT_EQ(CRect(ThumbnailInsertionBar(grid, 1)), CRect(110, 20, 112, 80));
    EXPECT_EQ(CRect(ThumbnailInsertionBar(grid, -1)), CRect(220, 120, 222, 180));
    const RECT none = ThumbnailInsertionBar(MakeThumbnailGrid(Cells(), SIZE{330, 250}, 0, 0), -1);
    EXPECT_TRUE(::IsRectEmpty(&none)) << "no items, no bar";
}

TEST(ThumbnailGeometry, UnsetOrZeroSizesGiveAnEmptyGridThatHitsNothing)
{
    ThumbnailMetrics unset;   // no cell size given
    ThumbnailMetrics zero = Cells();
    zero.item = SIZE{0, 100};
    ThumbnailMetrics narrow = Cells();
    for (const auto& [name, metrics, view] :
         {std::tuple{"unset", unset, SIZE{330, 250}}, std::tuple{"zero width", zero, SIZE{330, 250}},
          std::tuple{"narrower than a cell", narrow, SIZE{60, 250}}}) {
        const ThumbnailGrid grid = MakeThumbnailGrid(metrics, view, 0, 3);
        EXPECT_TRUE(grid.Empty()) << name;
        EXPECT_EQ(ThumbnailHitTest(grid, POINT{20, 20}), -1) << name;
        EXPECT_EQ(ThumbnailInsertIndex(grid, POINT{20, 20}), -1) << name;
        EXPECT_TRUE(ThumbnailItemsInBand(grid, RECT{0, 0, 300, 200}).empty()) << name;
    }
}

TEST(ThumbnailGeometry, ABandMeetsTheImageAreasBetweenItsCorners)
{
    const ThumbnailGrid grid = MakeThumbnailGrid(Cells(), SIZE{330, 250}, 0, 6);
    EXPECT_EQ(ThumbnailItemsInBand(grid, RECT{0, 0, 120, 85}), (std::vector<int>{0}))
        << "item 1's image area starts at 125";
    EXPECT_EQ(ThumbnailItemsInBand(grid, RECT{90, 70, 240, 130}), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(ThumbnailItemsInBand(grid, RECT{130, 130, 500, 240}), (std::vector<int>{4, 5}));
}

TEST(ThumbnailGeometry, MovedItemsKeepTheirOrderAndSoDoTheOthers)
{
    // Each case: the new order of the items, as their old indexes.
    const struct {
        const char* name;
        int count;
        std::vector<int> selected;
        int target;
        std::vector<int> order;
    } kCases[] = {
        {"to the front", 7, {3, 4, 5}, 0, {3, 4, 5, 0, 1, 2, 6}},
        {"to the end", 7, {0, 2, 4}, -1, {1, 3, 5, 6, 0, 2, 4}},
        {"into the middle", 6, {0, 5}, 3, {1, 2, 0, 5, 3, 4}},
        {"onto a selected item", 5, {1, 2}, 2, {0, 1, 2, 3, 4}},
        {"a target past the end", 4, {1}, 9, {0, 2, 3, 1}},
    };
    for (const auto& c : kCases) {
        const std::vector<int> ranks = ThumbnailMoveRanks(c.count, c.selected, c.target);
        std::vector<int> order(static_cast<size_t>(c.count), -1);
        for (int i = 0; i < c.count; ++i)
            order.at(static_cast<size_t>(ranks[static_cast<size_t>(i)])) = i;
        EXPECT_EQ(order, c.order) << c.name;
    }
}

} // namespace
} // namespace skin_ui_test
