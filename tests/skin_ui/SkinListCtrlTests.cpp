// The skinned list view as its parent and a user see it: rows drawn over the skin
// background in the looks' colours (its own drawers, or the common control's rows with
// their white left out), selection and hover, grid lines, the own scroll bars only on
// overflow, a paint that leaves nothing to paint, the callers' item data, and tool-tip
// texts cut to their buffer.
#include "ControlTestSupport.h"
#include "ControlParent.h"
#include "Pixels.h"
#include "UIWndTestSupport.h"

#include "skin/model/TreeProperties.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/ScrollBarEx.h"
#include "skin/ui/controls/SkinHeaderCtrl.h"
#include "skin/ui/controls/SkinListCtrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr UINT kListId = 80;
constexpr int kListWidth = 240;
constexpr int kListHeight = 160;
constexpr COLORREF kSelected = RGB(0, 0, 150);
constexpr COLORREF kSelectedText = RGB(250, 250, 1);
constexpr COLORREF kHover = RGB(0, 150, 0);
constexpr COLORREF kGrid = RGB(150, 0, 0);
constexpr COLORREF kParentText = RGB(1, 77, 1);

// A parent that notes the text colours a list asks for and may answer the list's offers.
class ListParent : public ControlParent {
public:
    using ControlParent::ControlParent;

    std::vector<LISTTEXTCOLOR> textColors;
    bool takeHorizontalGrid = false;
    bool recolourText = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_VXL_LISTTEXTCOLOR: {
            auto& asked = *reinterpret_cast<LISTTEXTCOLOR*>(lParam);
            textColors.push_back(asked);
            if (!recolourText)
                return 0;
            asked.color = kParentText;
            return 1;
        }
        case WM_VXL_LISTGRIDPEN:
            return takeHorizontalGrid && HIWORD(wParam) == kGridHorizontal;
        default:
            return ControlParent::WindowProc(message, wParam, lParam);
        }
    }
};

// Sorts by item data, largest first, noting every value it is handed.
int CALLBACK CompareDescending(LPARAM a, LPARAM b, LPARAM seen)
{
    auto& values = *reinterpret_cast<std::vector<LPARAM>*>(seen);
    values.push_back(a);
    values.push_back(b);
    return static_cast<int>(b - a);
}

class SkinListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        skin.AddColor(L"IDR_COLOR_SELECTED", kSelected);
        skin.AddColor(L"IDR_COLOR_HOVER", kHover);
        skin.AddColor(L"IDR_COLOR_SELECTED_TEXT", kSelectedText);
        SetSwitch(record, CtrlVar::IsSSameNColor, false);
        SetText(record, CtrlVar::ColorResS, L"IDR_COLOR_SELECTED_TEXT");
        SetEnum(record, ListVar::SelectedItemBkType, ValueKind::BackgroundType, 1);
        SetText(record, ListVar::SelectedItemBkColorResID, L"IDR_COLOR_SELECTED");
        SetEnum(record, ListVar::HighlightItemBkType, ValueKind::BackgroundType, 1);
        SetText(record, ListVar::HighlightItemBkColorResID, L"IDR_COLOR_HOVER");
        SetNumber(record, ListVar::HighlightItemBkEffect, 1);
        SetNumber(record, ListVar::IsEnableOwnerDraw, 1);
    }
    void Make(DWORD style = LVS_REPORT | LVS_SHOWSELALWAYS, int items = 3)
    {
        ASSERT_TRUE(list.Create(WS_VISIBLE | style, RECT{10, 10, 10 + kListWidth, 10 + kListHeight}, &parent, kListId));
        ASSERT_EQ(list.ApplyProperties(&record), 0);
        list.SetBkImages(MakeBitmap(kListWidth, kListHeight, &Tag), nullptr);
        list.InsertColumn(0, L"Name", LVCFMT_LEFT, 80);
        list.InsertColumn(1, L"Number", LVCFMT_LEFT, 80);
        for (int i = 0; i < items; ++i) {
            list.InsertItem(i, (L"Item " + std::to_wstring(i)).c_str());
            list.SetItemText(i, 1, L"5");
        }
    }
    RECT Row(int item)
    {
        RECT row{};
        list.GetItemRect(item, &row, LVIR_BOUNDS);
        return row;
    }
    // A point of the row right of its two columns' text, where only its background shows.
    POINT Blank(int item)
    {
        const RECT row = Row(item);
        return POINT{150, (row.top + row.bottom) / 2};
    }
    COLORREF At(POINT point) { return WindowPixel(list, point.x, point.y); }
    bool HasUpdate() const
    {
        RECT update;
        return ::GetUpdateRect(list, &update, FALSE) != FALSE;
    }

    WindowSkin skin;
    LSTCTRLPROPERTIES record;
    ListParent parent{50, 50, 400, 300};
    CSkinListCtrl list;
};

TEST_F(SkinListTest, RowsAreDrawnOverTheSkinInTheLooksColours)
{
    Make();
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    const RECT last = Row(2);
    EXPECT_EQ(At(Blank(0)), Tag(150, Blank(0).y)) << "an unselected row shows the background";
    EXPECT_EQ(At(Blank(1)), kSelected);
    EXPECT_EQ(At(POINT{200, Blank(1).y}), Tag(200, Blank(1).y)) << "past the columns without the fit flag";
    EXPECT_EQ(At(POINT{150, last.bottom + 5}), Tag(150, last.bottom + 5)) << "below the last row";

    // Each cell asked its parent for its colour: the selected look's on the selected row.
    bool askedSelected = false;
    for (const LISTTEXTCOLOR& asked : parent.textColors) {
        if (asked.item == 1)
            askedSelected = askedSelected || asked.color == kSelectedText;
    }
    EXPECT_TRUE(askedSelected);
}

TEST_F(SkinListTest, SelectedRowsReachTheRightEdgeWithTheFitFlag)
{
    SetNumber(record, ListVar::SelectedItemBkFitClient, 1);
    Make();
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(At(POINT{kListWidth - 3, Blank(0).y}), kSelected);
}

TEST_F(SkinListTest, TheRowUnderTheMouseIsHotUntilItLeavesButASelectedRowNever)
{
    Make();
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    // The mouse on the first column's label; the whole row turns.
    const POINT hover = Blank(1);
    list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, hover.y));
    EXPECT_EQ(list.GetHoverItem(), 1);
    EXPECT_EQ(At(hover), kHover);

    const POINT selected = Blank(2);
    list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, selected.y));
    EXPECT_EQ(list.GetHoverItem(), 2);
    EXPECT_EQ(At(selected), kSelected);
    EXPECT_EQ(At(hover), Tag(hover.x, hover.y));

    list.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(list.GetHoverItem(), -1);
}

TEST_F(SkinListTest, WithoutTheHighlightEffectNothingIsHot)
{
    SetNumber(record, ListVar::HighlightItemBkEffect, 0);
    Make();
    const POINT hover = Blank(1);
    list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, hover.y));
    EXPECT_EQ(list.GetHoverItem(), -1);
    EXPECT_EQ(At(hover), Tag(hover.x, hover.y));
}

TEST_F(SkinListTest, TheParentMayRecolourACellsText)
{
    Make();
    parent.recolourText = true;
    list.Invalidate();
    list.UpdateWindow();
    ASSERT_FALSE(parent.textColors.empty());
    // Some pixel of the first row's text is the parent's colour.
    const RECT row = Row(0);
    bool found = false;
    for (int x = row.left; x < 80 && !found; ++x) {
        for (int y = row.top; y < row.bottom && !found; ++y)
            found = WindowPixel(list, x, y) == kParentText;
    }
    EXPECT_TRUE(found);
}

TEST_F(SkinListTest, NativeRowsShowTheSkinWhereTheirTextBackgroundIs)
{
    SetNumber(record, ListVar::IsEnableOwnerDraw, 0);
    Make();
    const POINT blank = Blank(0);
    EXPECT_EQ(At(blank), Tag(blank.x, blank.y));
    const RECT last = Row(2);
    EXPECT_EQ(At(POINT{20, last.bottom + 10}), Tag(20, last.bottom + 10));
}

TEST_F(SkinListTest, GridLinesLieAboveEachRowAndTheParentMayTakeTheHorizontalOnes)
{
    SetSwitch(record, ListVar::GridLineShow, true);
    record.GetVar(ListVar::GridLineColor).SetInt(static_cast<int>(kGrid));
    Make();
    const RECT second = Row(1);   // the line above the first row lies under the header
    const RECT last = Row(2);
    EXPECT_EQ(WindowPixel(list, 150, second.top - 1), kGrid) << "above a row";
    EXPECT_EQ(WindowPixel(list, 150, last.bottom + 3), Tag(150, last.bottom + 3)) << "none below the last";
    EXPECT_EQ(WindowPixel(list, 80, last.bottom + 20), kGrid) << "a column's right edge, to the bottom";

    parent.takeHorizontalGrid = true;
    list.Invalidate();
    EXPECT_EQ(WindowPixel(list, 150, second.top - 1), Tag(150, second.top - 1));
    EXPECT_EQ(WindowPixel(list, 80, last.bottom + 20), kGrid) << "the vertical ones stay the list's";
}

TEST_F(SkinListTest, OwnScrollBarsShowOnlyOnOverflowAndAPaintLeavesNothingPending)
{
    SetSwitch(record, ListVar::EnableCustomScrollBar, true);
    Make();
    list.UpdateWindow();
    EXPECT_FALSE(HasUpdate());
    ASSERT_NE(list.GetVertScrollBarEx(), nullptr);
    EXPECT_FALSE(list.GetVertScrollBarEx()->IsWindowVisible());
    EXPECT_FALSE(list.GetHorzScrollBarEx()->IsWindowVisible());

    for (int i = 3; i < 40; ++i)
        list.InsertItem(i, L"More");
    list.Invalidate();
    list.UpdateWindow();
    list.UpdateWindow();
    EXPECT_FALSE(HasUpdate()) << "the region is set again only when it changes";
    CScrollBarEx& vertical = *list.GetVertScrollBarEx();
    EXPECT_TRUE(vertical.IsWindowVisible());
    EXPECT_FALSE(list.GetHorzScrollBarEx()->IsWindowVisible());
    const RECT bar = ChildRect(parent, vertical);
    const int barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(CRect(bar), CRect(10 + kListWidth - barWidth, 10, 10 + kListWidth, 10 + kListHeight));
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(list, region), ERROR);
    EXPECT_TRUE(::PtInRegion(region, 5, 5));
    EXPECT_FALSE(::PtInRegion(region, kListWidth - 2, 5)) << "the native bar is cut away under the own one";
    ::DeleteObject(region);

    // A drag of the own thumb scrolls the list.
    list.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 10), reinterpret_cast<LPARAM>(vertical.GetSafeHwnd()));
    EXPECT_GT(list.GetTopIndex(), 0);
    EXPECT_EQ(vertical.GetScrollInfo().nPos, list.GetScrollPos(SB_VERT));
}

// The header is the skinned one, at the top at the record's height; a column dragged past
// the list's right edge keeps its width (only a tree list's header stops it there), the
// header keeps its place, and the own horizontal bar comes.
TEST_F(SkinListTest, TheHeaderKeepsItsPlaceWhileAColumnIsDraggedPastTheEdge)
{
    SetNumber(record, ListVar::HeaderHeight, 30);
    SetSwitch(record, ListVar::EnableCustomScrollBar, true);
    Make();
    CSkinHeaderCtrl& header = list.GetSkinHeader();
    ASSERT_EQ(header.GetSafeHwnd(), list.GetHeaderWindow());
    EXPECT_EQ(header.GetHeight(), 30);
    const auto place = [&] { return CRect(ChildRect(list, header)); };
    EXPECT_EQ(place().top, 0);
    EXPECT_EQ(place().Height(), 30);
    list.UpdateWindow();
    EXPECT_FALSE(list.GetHorzScrollBarEx()->IsWindowVisible());

    RECT column{};
    header.GetItemRect(0, &column);
    const int y = (column.top + column.bottom) / 2;
    header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(column.right, y));
    header.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(column.right + 300, y));
    header.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(column.right + 300, y));
    EXPECT_EQ(list.GetColumnWidth(0), column.right - column.left + 300);
    EXPECT_EQ(place().top, 0);
    EXPECT_EQ(place().Height(), 30);
    list.UpdateWindow();
    EXPECT_TRUE(list.GetHorzScrollBarEx()->IsWindowVisible());
    EXPECT_FALSE(HasUpdate());
}

TEST_F(SkinListTest, AThumbDragOverAnEmptyListScrollsNothing)
{
    SetSwitch(record, ListVar::EnableCustomScrollBar, true);
    Make(LVS_REPORT, 0);
    list.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 5), 0);
    list.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5), 0);
    EXPECT_EQ(list.GetTopIndex(), 0);
}

TEST_F(SkinListTest, CallersSeeAndSortByTheirOwnItemData)
{
    Make(LVS_REPORT, 0);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.pszText = const_cast<LPWSTR>(L"seven");
    item.lParam = 7;
    ASSERT_EQ(list.InsertItem(&item), 0);
    ASSERT_EQ(list.InsertItem(1, L"plain"), 1);
    EXPECT_EQ(list.GetItemData(0), 7u);
    EXPECT_EQ(list.GetItemData(1), 0u);
    EXPECT_TRUE(list.SetItemData(1, 9));
    EXPECT_EQ(list.GetItemData(1), 9u);

    std::vector<LPARAM> seen;
    list.SortItems(&CompareDescending, reinterpret_cast<DWORD_PTR>(&seen));
    ASSERT_FALSE(seen.empty());
    for (const LPARAM data : seen)
        EXPECT_TRUE(data == 7 || data == 9) << data;
    EXPECT_EQ(list.GetItemData(0), 9u);
    EXPECT_EQ(list.GetItemText(0, 0), L"plain");
}

TEST_F(SkinListTest, ATipTextIsCutToItsBufferAndMayBeReworded)
{
    Make(LVS_REPORT, 0);
    const std::wstring longText(100, L'x');
    list.InsertItem(0, longText.c_str());
    NMTTDISPINFOW tip{};
    tip.hdr.code = static_cast<UINT>(TTN_NEEDTEXTW);
    tip.hdr.idFrom = MAKELONG(1, 0);   // item 0, sub-item 0
    list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    EXPECT_EQ(std::wstring(tip.lpszText), std::wstring(CSkinListCtrl::kMaxTipText, L'x'));

    parent.tipReplacement = L"Reworded";
    NMTTDISPINFOA narrow{};
    narrow.hdr.code = static_cast<UINT>(TTN_NEEDTEXTA);
    narrow.hdr.idFrom = MAKELONG(1, 0);
    list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&narrow));
    EXPECT_STREQ(narrow.lpszText, "Reworded");

    TOOLINFOW tool{};
    const RECT row = Row(0);
    EXPECT_EQ(list.OnToolHitTest(CPoint(5, (row.top + row.bottom) / 2), &tool), MAKELONG(1, 0));
    EXPECT_EQ(tool.hwnd, list.GetSafeHwnd());
    EXPECT_EQ(list.OnToolHitTest(CPoint(5, row.bottom + 40), &tool), -1);
}

} // namespace
} // namespace skin_ui_test
