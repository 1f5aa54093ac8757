// The skinned tree as its parent and owner see it: items the parent draws itself, hover
// notifications and their veto, item heights, the own scroll bars' layout and a paint that
// leaves nothing to paint, and redraw back on after an expansion, refused or not.
#include "ControlParent.h"
#include "Pixels.h"
#include "UIWndTestSupport.h"

#include "skin/model/EditProperties.h"
#include "skin/model/TreeProperties.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/OwnScrollBarLayout.h"
#include "skin/ui/controls/OwnScrollBars.h"
#include "skin/ui/controls/ScrollBarEx.h"
#include "skin/ui/controls/SkinTreeCtrl.h"

#include <gtest/gtest.h>

#include <string>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr UINT kTreeId = 30;
constexpr COLORREF kHoverColor = RGB(10, 200, 30);
constexpr COLORREF kParentMark = RGB(9, 9, 9);

// A tree that counts its paints and redraw switches and can refuse expansions, as a
// derived tree may.
class TestTree : public CSkinTreeCtrl {
public:
    int paints = 0;
    int frameChanges = 0;        // WM_NCCALCSIZE: a new window region sends one
    std::vector<BOOL> redraws;   // WM_SETREDRAW values, in order
    bool refuseExpansion = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAINT)
            ++paints;
        if (message == WM_NCCALCSIZE)
            ++frameChanges;
        if (message == WM_SETREDRAW)
            redraws.push_back(static_cast<BOOL>(wParam));
        return CSkinTreeCtrl::WindowProc(message, wParam, lParam);
    }
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        const BOOL handled = CSkinTreeCtrl::OnChildNotify(message, wParam, lParam, result);
        if (refuseExpansion && message == WM_NOTIFY &&
            reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(TVN_ITEMEXPANDINGW)) {
            *result = TRUE;
            return TRUE;
        }
        return handled;
    }
};

class SkinTreeTest : public ::testing::Test {
protected:
    void Make(RECT rect = {10, 10, 210, 160}, DWORD style = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT)
    {
        ASSERT_TRUE(tree.Create(WS_VISIBLE | style, rect, &parent, kTreeId));
    }
    HTREEITEM Add(LPCWSTR text, HTREEITEM under = TVI_ROOT) { return tree.InsertItem(text, under); }
    void AddMany(int count, const std::wstring& text)
    {
        for (int i = 0; i < count; ++i)
            Add((text + std::to_wstring(i)).c_str());
    }
    RECT Row(HTREEITEM item)
    {
        RECT row{};
        tree.GetItemRect(item, &row, FALSE);
        return row;
    }
    LPARAM InRow(HTREEITEM item)
    {
        const RECT row = Row(item);
        return MAKELPARAM(row.left + 5, (row.top + row.bottom) / 2);
    }
    bool HasUpdate() const
    {
        RECT update;
        return ::GetUpdateRect(tree, &update, FALSE) != FALSE;
    }

    WindowSkin skin;
    ControlParent parent{50, 50, 400, 400};
    TestTree tree;
};

TEST_F(SkinTreeTest, AnItemTheParentDrawsGetsNothingFromTheTree)
{
    Make();
    const HTREEITEM group = Add(L"Group");
    Add(L"Contact", group);
    tree.SetItemData(group, 77);
    tree.Expand(group, TVE_EXPAND);
    tree.SelectItem(group);   // a selected item would get the selection fill
    const RECT row = Row(group);

    std::vector<DRAWITEMSTRUCT> offers;
    int backgroundOffers = 0;
    parent.drawItemBk = [&](const DRAWITEMSTRUCT&) { return ++backgroundOffers, LRESULT{0}; };
    parent.drawItem = [&](const DRAWITEMSTRUCT& draw) {
        offers.push_back(draw);
        const RECT mark{draw.rcItem.left + 2, draw.rcItem.top + 2, draw.rcItem.left + 5, draw.rcItem.top + 5};
        ::SetBkColor(draw.hDC, kParentMark);
        ::ExtTextOutW(draw.hDC, 0, 0, ETO_OPAQUE, &mark, nullptr, 0, nullptr);
        return LRESULT{1};
    };
    Canvas canvas(220, 170);
    EXPECT_EQ(tree.DrawItem(canvas.Cdc(), group), 0);
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].CtlType, VXL_ODT_TREE);
    EXPECT_EQ(offers[0].CtlID, kTreeId);
    EXPECT_EQ(offers[0].hwndItem, tree.GetSafeHwnd());
    EXPECT_EQ(offers[0].itemData, 77u);
    EXPECT_TRUE(::EqualRect(&offers[0].rcItem, &row));
    EXPECT_EQ(CSkinTreeCtrl::ItemOfDrawItem(offers[0]), group);
    EXPECT_EQ(backgroundOffers, 0);
    EXPECT_EQ(CompareArea(canvas, 0, 0, canvas.Width(), canvas.Height(),
                          [&](int x, int y) {
                              const bool inMark = x >= row.left + 2 && x < row.left + 5 && y >= row.top + 2 &&
                                                  y < row.top + 5;
                              return inMark ? kParentMark : Canvas::kFill;
                          }),
              "");

    // The same item without the parent: the tree draws its selected background.
    parent.drawItem = nullptr;
    EXPECT_EQ(tree.DrawItem(canvas.Cdc(), group), 0);
    EXPECT_EQ(backgroundOffers, 1);
    EXPECT_EQ(canvas.At(row.right - 1, row.top + 1), static_cast<COLORREF>(0x800000));
}

TEST_F(SkinTreeTest, TheParentCanVetoAHoverChangeAndKeepTheOldItem)
{
    skin.AddColor(L"IDR_COLOR_HOVER", kHoverColor);
    Make();
    TREECTRLPROPERTIES record;
    SetSwitch(record, TreeVar::HighlightItemBkEnable, true);
    SetEnum(record, TreeVar::HighlightItemBkType, ValueKind::BackgroundType, 1);
    SetText(record, TreeVar::HighlightItemBkColorResID, L"IDR_COLOR_HOVER");
    ASSERT_EQ(tree.ApplyProperties(&record), 0);
    const HTREEITEM first = Add(L"First");
    const HTREEITEM second = Add(L"Second");

    tree.SendMessage(WM_MOUSEMOVE, 0, InRow(first));
    ASSERT_EQ(parent.hoverChanges.size(), 2u);
    EXPECT_EQ(static_cast<int>(parent.hoverChanges[0].hdr.code), TVN_VXL_HOVERCHANGING);
    EXPECT_EQ(static_cast<int>(parent.hoverChanges[1].hdr.code), TVN_VXL_HOVERCHANGED);
    EXPECT_EQ(parent.hoverChanges[1].itemOld.hItem, nullptr);
    EXPECT_EQ(parent.hoverChanges[1].itemNew.hItem, first);

    parent.hoverChanges.clear();
    parent.notifyAnswer = [](const NMHDR& header) { return LRESULT{static_cast<int>(header.code) == TVN_VXL_HOVERCHANGING}; };
    tree.ValidateRect(nullptr);
    tree.SendMessage(WM_MOUSEMOVE, 0, InRow(second));
    ASSERT_EQ(parent.hoverChanges.size(), 1u) << "no change follows a veto";
    EXPECT_TRUE(HasUpdate()) << "the tree repaints all the same";

    parent.hoverChanges.clear();
    parent.notifyAnswer = nullptr;
    tree.SendMessage(WM_MOUSEMOVE, 0, InRow(second));
    ASSERT_EQ(parent.hoverChanges.size(), 2u);
    EXPECT_EQ(parent.hoverChanges[0].itemOld.hItem, first) << "the vetoed change kept the old item";
    EXPECT_EQ(parent.hoverChanges[1].itemNew.hItem, second);

    Canvas canvas(220, 170);
    tree.DrawItemBackground(canvas.Cdc(), second);
    const RECT row = Row(second);
    EXPECT_EQ(canvas.At(row.right - 1, row.top + 1), kHoverColor);
    tree.DrawItemBackground(canvas.Cdc(), first);
    EXPECT_EQ(canvas.At(Row(first).right - 1, Row(first).top + 1), Canvas::kFill);

    tree.SendMessage(WM_MOUSELEAVE);
    parent.hoverChanges.clear();
    tree.SendMessage(WM_MOUSEMOVE, 0, InRow(second));
    ASSERT_FALSE(parent.hoverChanges.empty());
    EXPECT_EQ(parent.hoverChanges[0].itemOld.hItem, nullptr) << "leaving forgets the hovered item";
}

TEST_F(SkinTreeTest, ItemHeightsAreWholeRowsAndNeverNone)
{
    Make();
    const HTREEITEM item = Add(L"Contact");
    Add(L"Next");
    const int row = tree.GetItemHeight();
    ASSERT_GT(row, 0);
    // The row rectangle of a one-row item, as the tree view measures it.
    ASSERT_EQ(tree.SetItemHeight(item, row), 0);
    const int single = Row(item).bottom - Row(item).top;
    const struct {
        int height;
        int rows;
    } kCases[] = {{3 * row, 3}, {3 * row + row / 2, 3}, {row / 2, 1}, {0, 1}, {-5, 1}};
    for (const auto& c : kCases) {
        EXPECT_EQ(tree.SetItemHeight(item, c.height), 0) << c.height;
        const RECT rect = Row(item);
        EXPECT_EQ(rect.bottom - rect.top, single + (c.rows - 1) * row) << c.height;

        // An item inserted at a height gets the rows SetItemHeight gives it.
        TVINSERTSTRUCTW insert{};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_FIRST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<LPWSTR>(L"Inserted");
        const HTREEITEM inserted = tree.InsertItemOfHeight(insert, c.height);
        ASSERT_NE(inserted, nullptr) << c.height;
        const RECT insertedRect = Row(inserted);
        EXPECT_EQ(insertedRect.bottom - insertedRect.top, single + (c.rows - 1) * row) << "inserted " << c.height;
        tree.DeleteItem(inserted);
    }

    TREECTRLPROPERTIES record;
    SetSwitch(record, TreeVar::DefaultItemHeight, false);
    SetNumber(record, TreeVar::ItemHeight, 30);
    ASSERT_EQ(tree.ApplyProperties(&record), 0);
    EXPECT_EQ(tree.GetItemHeight(), 30);
}

TEST_F(SkinTreeTest, RecordsOfOtherKindsAndUnknownStylesAreRefused)
{
    TREECTRLPROPERTIES record;
    EXPECT_EQ(tree.ApplyProperties(&record), -1);
    EXPECT_EQ(tree.ApplyStyle(L"IDS_TREE"), -1);
    Make();
    EXPECT_EQ(tree.ApplyProperties(nullptr), -2);
    EXPECT_EQ(tree.ApplyStyle(nullptr), -2);
    EXPECT_EQ(tree.ApplyStyle(L"IDS_TREE"), -2);
    EDTPROPERTIES edit;
    EXPECT_EQ(tree.ApplyProperties(&edit), -3);
}

TEST(OwnScrollBarLayout, BarsAndRegionCutsForEachOverflow)
{
    const RECT tree{10, 20, 210, 170};   // 200 x 150 in the parent
    const struct {
        const char* name;
        bool vertical, horizontal;
        RECT verticalBar, horizontalBar;
        int cuts;
        RECT cut0, cut1;
    } kCases[] = {
        {"vertical only", true, false, {193, 20, 210, 170}, {}, 1, {183, 0, 200, 150}, {}},
        {"horizontal only", false, true, {}, {10, 153, 210, 170}, 1, {0, 133, 200, 150}, {}},
        {"both", true, true, {193, 20, 210, 153}, {10, 153, 193, 170}, 2, {183, 0, 200, 133}, {0, 133, 183, 150}},
        {"neither", false, false, {}, {}, 0, {}, {}},
    };
    for (const auto& c : kCases) {
        const OwnScrollBarLayout layout = LayOutOwnScrollBars(tree, 17, 17, c.vertical, c.horizontal);
        EXPECT_EQ(layout.showVertical, c.vertical) << c.name;
        EXPECT_EQ(layout.showHorizontal, c.horizontal) << c.name;
        if (c.vertical) {
            EXPECT_TRUE(::EqualRect(&layout.vertical, &c.verticalBar)) << c.name;
        }
        if (c.horizontal) {
            EXPECT_TRUE(::EqualRect(&layout.horizontal, &c.horizontalBar)) << c.name;
        }
        ASSERT_EQ(layout.cutCount, c.cuts) << c.name;
        if (c.cuts > 0) {
            EXPECT_TRUE(::EqualRect(&layout.cuts[0], &c.cut0)) << c.name;
        }
        if (c.cuts > 1) {
            EXPECT_TRUE(::EqualRect(&layout.cuts[1], &c.cut1)) << c.name;
        }
    }
}

TEST_F(SkinTreeTest, OwnScrollBarsStandOverTheOverflowingDirections)
{
    const struct {
        const char* name;
        int items;
        std::wstring text;
        bool vertical, horizontal;
    } kCases[] = {
        {"vertical only", 40, L"Item", true, false},
        {"horizontal only", 2, std::wstring(120, L'W'), false, true},
        {"both", 40, std::wstring(120, L'W'), true, true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        Make();
        ASSERT_EQ(tree.EnableOwnScrollBars(TRUE), 0);
        AddMany(c.items, c.text);
        tree.UpdateWindow();
        CScrollBarEx* const vertical = tree.GetVertScrollBarEx();
        CScrollBarEx* const horizontal = tree.GetHorzScrollBarEx();
        ASSERT_TRUE(vertical && horizontal);
        EXPECT_EQ(vertical->IsWindowVisible() != FALSE, c.vertical);
        EXPECT_EQ(horizontal->IsWindowVisible() != FALSE, c.horizontal);

        const RECT inParent = ChildRect(parent, tree);
        const OwnScrollBarLayout expected = LayOutOwnScrollBars(inParent, ::GetSystemMetrics(SM_CXVSCROLL),
                                                                ::GetSystemMetrics(SM_CYHSCROLL), c.vertical,
                                                                c.horizontal);
        if (c.vertical) {
            const RECT bar = ChildRect(parent, *vertical);
            EXPECT_TRUE(::EqualRect(&bar, &expected.vertical));
            EXPECT_EQ(vertical->GetScrollInfo().nMax + 1 > static_cast<int>(vertical->GetScrollInfo().nPage), true);
        }
        if (c.horizontal) {
            const RECT bar = ChildRect(parent, *horizontal);
            EXPECT_TRUE(::EqualRect(&bar, &expected.horizontal));
        }
        CRgn region;
        region.CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(tree.GetWindowRgn(region), ERROR);
        const LONG w = inParent.right - inParent.left;
        const LONG h = inParent.bottom - inParent.top;
        EXPECT_EQ(region.PtInRegion(w - 2, 2) == FALSE, c.vertical) << "under the vertical bar";
        EXPECT_EQ(region.PtInRegion(2, h - 2) == FALSE, c.horizontal) << "under the horizontal bar";
        EXPECT_TRUE(region.PtInRegion(2, 2));
        // The native bars are cut away, and with them all the frame the tree would paint,
        // but for the corner left between two bars.
        EXPECT_EQ(IsNonClientAreaCutAway(tree), !(c.vertical && c.horizontal));
        tree.DestroyWindow();
        tree.EnableOwnScrollBars(FALSE);
    }
    // Without own bars the native bar is all there is to see of the overflow.
    Make();
    AddMany(40, L"Item");
    tree.UpdateWindow();
    ASSERT_TRUE(tree.GetStyle() & WS_VSCROLL);
    EXPECT_FALSE(IsNonClientAreaCutAway(tree));
}

TEST_F(SkinTreeTest, APaintLeavesNothingToPaint)
{
    Make();
    ASSERT_EQ(tree.EnableOwnScrollBars(TRUE), 0);
    AddMany(40, std::wstring(120, L'W'));
    for (int settle = 0; settle < 3 && HasUpdate(); ++settle)
        tree.UpdateWindow();
    ASSERT_FALSE(HasUpdate()) << "the first paints settle the bars";

    tree.paints = 0;
    tree.frameChanges = 0;
    tree.Invalidate();
    tree.UpdateWindow();
    EXPECT_EQ(tree.paints, 1);
    // Setting the region again would repaint the whole tree (Windows invalidates it), whose
    // paint would set it again: the region stays as it is while nothing changed.
    EXPECT_EQ(tree.frameChanges, 0);
    EXPECT_FALSE(HasUpdate());
    MSG pending;
    EXPECT_FALSE(::PeekMessageW(&pending, tree, WM_PAINT, WM_PAINT, PM_NOREMOVE));
}

TEST_F(SkinTreeTest, RedrawComesBackAfterAnExpansionAcceptedOrRefused)
{
    Make();
    const HTREEITEM group = Add(L"Group");
    Add(L"Contact", group);
    const HTREEITEM other = Add(L"Other");
    Add(L"Contact", other);

    tree.Expand(group, TVE_EXPAND);
    EXPECT_EQ(tree.redraws, (std::vector<BOOL>{FALSE, TRUE}));
    EXPECT_TRUE(tree.IsWindowVisible());

    tree.redraws.clear();
    tree.refuseExpansion = true;
    EXPECT_FALSE(tree.Expand(other, TVE_EXPAND));
    EXPECT_EQ(tree.GetItemState(other, TVIS_EXPANDED) & TVIS_EXPANDED, 0u);
    EXPECT_EQ(tree.redraws, (std::vector<BOOL>{FALSE, TRUE}));
    EXPECT_TRUE(tree.IsWindowVisible());
}

} // namespace
} // namespace skin_ui_test
