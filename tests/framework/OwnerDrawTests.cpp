// Owner drawing of controls: the WM_DRAWITEM and WM_MEASUREITEM a control sends its parent
// reach the control's own DrawItem and MeasureItem. (Menu items: MenuTests.cpp.)
#include "tests/framework/WindowTestSupport.h"

#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/HeaderCtrl.h"
#include "framework/ListCtrl.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

constexpr UINT kOwnerDrawnId = 50;
constexpr UINT kRowHeight = 31;

// What a DrawItem call was given.
struct Drawn {
    UINT type;
    UINT id;
    UINT item;
    HWND hwndItem;
    bool hasDc;
};

template <class Control>
class DrawingControl : public Control {
public:
    std::vector<Drawn> drawn;
    std::vector<UINT> measured;

    void DrawItem(LPDRAWITEMSTRUCT item) override
    {
        drawn.push_back({item->CtlType, item->CtlID, item->itemID, item->hwndItem, item->hDC != nullptr});
    }
    void MeasureItem(LPMEASUREITEMSTRUCT item)
    {
        measured.push_back(item->CtlType);
        item->itemHeight = kRowHeight;
    }
};

class OwnerDrawTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(parent.Make(L"owner draw", WS_OVERLAPPEDWINDOW | WS_VISIBLE)); }

    static void Repaint(CWnd& wnd)
    {
        wnd.Invalidate();
        wnd.UpdateWindow();
        wndtest::PumpPending();
    }

    wndtest::Frame parent;
};

TEST_F(OwnerDrawTest, AnOwnerDrawnButtonPaintsThroughItsObject)
{
    DrawingControl<CButton> button;
    ASSERT_TRUE(button.Create(L"drawn", WS_VISIBLE | BS_OWNERDRAW, CRect(5, 5, 80, 30), &parent, kOwnerDrawnId));
    button.drawn.clear();
    Repaint(button);
    ASSERT_FALSE(button.drawn.empty());
    const Drawn& d = button.drawn.back();
    EXPECT_EQ(d.type, static_cast<UINT>(ODT_BUTTON));
    EXPECT_EQ(d.id, kOwnerDrawnId);
    EXPECT_EQ(d.hwndItem, button.m_hWnd);
    EXPECT_TRUE(d.hasDc);
}

TEST_F(OwnerDrawTest, OwnerDrawnHeaderItemsPaintThroughTheHeaderObject)
{
    DrawingControl<CHeaderCtrl> header;
    ASSERT_TRUE(header.Create(WS_VISIBLE, CRect(0, 0, 200, 24), &parent, kOwnerDrawnId));
    HDITEMW item{};
    item.mask = HDI_FORMAT | HDI_WIDTH;
    item.fmt = HDF_OWNERDRAW;
    item.cxy = 60;
    ASSERT_EQ(header.InsertItem(0, &item), 0);
    ASSERT_EQ(header.InsertItem(1, &item), 1);
    header.drawn.clear();
    Repaint(header);
    std::set<UINT> items;
    for (const Drawn& d : header.drawn) {
        EXPECT_EQ(d.type, static_cast<UINT>(ODT_HEADER));
        EXPECT_EQ(d.hwndItem, header.m_hWnd);
        items.insert(d.item);
    }
    EXPECT_EQ(items, (std::set<UINT>{0, 1}));   // each item, perhaps more than once
}

TEST_F(OwnerDrawTest, AnOwnerDrawnListViewIsMeasuredAndDrawnByItsObject)
{
    DrawingControl<CListCtrl> list;
    ASSERT_TRUE(
        list.Create(WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 200, 150), &parent, kOwnerDrawnId));
    ASSERT_FALSE(list.measured.empty());
    EXPECT_EQ(list.measured.front(), static_cast<UINT>(ODT_LISTVIEW));
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 150);
    list.InsertItem(0, L"first");
    list.InsertItem(1, L"second");
    CRect row;
    ASSERT_TRUE(list.GetItemRect(0, &row, LVIR_BOUNDS));
    EXPECT_EQ(row.Height(), static_cast<int>(kRowHeight));   // the object's answer counts

    list.drawn.clear();
    Repaint(list);
    std::set<UINT> items;
    for (const Drawn& d : list.drawn) {
        EXPECT_EQ(d.type, static_cast<UINT>(ODT_LISTVIEW));
        EXPECT_EQ(d.id, kOwnerDrawnId);
        items.insert(d.item);
    }
    EXPECT_EQ(items, (std::set<UINT>{0, 1}));
}

TEST_F(OwnerDrawTest, AnOwnerDrawnComboIsMeasuredByItsObject)
{
    DrawingControl<CComboBox> combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                             CRect(0, 0, 150, 200), &parent, kOwnerDrawnId));
    ASSERT_FALSE(combo.measured.empty());
    EXPECT_EQ(combo.measured.front(), static_cast<UINT>(ODT_COMBOBOX));
    EXPECT_EQ(combo.GetItemHeight(0), static_cast<int>(kRowHeight));
}

} // namespace
