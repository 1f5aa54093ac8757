// The tree list as its parent and a derived list see it: its window class, a column click
// read as a list view's with item -1, column texts inside and outside the header's columns,
// the hidden row of column texts made by a first text and going with its item, the own
// scroll bar shown only while the tree overflows (and waiting while the tree's redraw is
// held), rows a derived list draws, the mouse passed on, expansions that leave the tree
// redrawing, and the factory that makes it from a skin record.
#include "ControlParent.h"
#include "ControlTestSupport.h"
#include "GdiCount.h"
#include "Pixels.h"
#include "UIWndTestSupport.h"

#include "framework/WinApp.h"
#include "skin/model/TreeProperties.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/ScrollBarEx.h"
#include "skin/ui/controls/SkinHeaderCtrl.h"
#include "skin/ui/controls/TreeList.h"
#include "skin/ui/controls/TreeListCtrl.h"
#include "skin/ui/controls/TreeViewDrawing.h"
#include "skin/ui/factories/ControlKinds.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr UINT kTreeListId = 1111;
constexpr int kBarWidth = 21;

// A list as a derived class makes it: it may draw rows itself and refuse expansions, and
// notes the mouse messages its tree part passes on.
class DerivedTreeList : public CTreeListCtrl {
public:
    bool refusesExpansion = false;
    LRESULT drawsRows = 0;
    std::vector<DRAWITEMSTRUCT> rowOffers;
    std::vector<WPARAM> childMouse;

protected:
    void OnExpanding(NMHDR*, LRESULT* result) { *result = refusesExpansion ? TRUE : FALSE; }
    LRESULT OnDrawRow(WPARAM, LPARAM lParam)
    {
        rowOffers.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return drawsRows;
    }
    LRESULT OnChildMouse(WPARAM wParam, LPARAM)
    {
        childMouse.push_back(wParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedTreeList, CTreeListCtrl)
    ON_NOTIFY(TVN_ITEMEXPANDINGW, CTreeListCtrl::kTreeId, &DerivedTreeList::OnExpanding)
    ON_MESSAGE(WM_VXL_DRAWCHILDITEM, &DerivedTreeList::OnDrawRow)
    ON_MESSAGE(WM_VXL_CHILDMOUSE, &DerivedTreeList::OnChildMouse)
END_MESSAGE_MAP()

// A list that handles its header's clicks itself.
class ClickTakingList : public CTreeListCtrl {
protected:
    void OnHeaderClick(NMHDR*, LRESULT* result) { *result = 0; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ClickTakingList, CTreeListCtrl)
    ON_NOTIFY(HDN_ITEMCLICKW, CTreeListCtrl::kHeaderId, &ClickTakingList::OnHeaderClick)
END_MESSAGE_MAP()

class TreeListTest : public ::testing::Test {
protected:
    void Make(CTreeListCtrl& made, int headerHeight = 20, BOOL ownBar = TRUE,
              DWORD style = WS_VISIBLE | TVS_FULLROWSELECT)
    {
        ASSERT_TRUE(made.Create(style, RECT{10, 10, 210, 160}, &parent, kTreeListId, headerHeight, ownBar, kBarWidth));
    }
    void Columns(CTreeListCtrl& made, int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(made.InsertColumn(i, L"Col", LVCFMT_LEFT, 60, i), i);
    }
    void AddItems(CTreeListCtrl& made, int count)
    {
        for (int i = 0; i < count; ++i)
            made.InsertItem((L"Item " + std::to_wstring(i)).c_str());
    }
    RECT RowOf(CTreeList& tree, HTREEITEM item)
    {
        RECT row{};
        tree.GetItemRect(item, &row, FALSE);
        return row;
    }

    ControlParent parent{50, 50, 400, 400};
    DerivedTreeList list;
};

TEST_F(TreeListTest, ItsClassIsRegisteredOnceAndAClassAlreadyThereServes)
{
    Make(list);
    wchar_t name[64] = {};
    ::GetClassNameW(list, name, 64);
    EXPECT_STREQ(name, L"SysTreeListView32");
    WNDCLASSW registered{};
    ASSERT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), CTreeListCtrl::kClassName, &registered));
    EXPECT_EQ(registered.style, static_cast<UINT>(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(registered.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));

    // Once no window of it is left, a class of the same name registered elsewhere serves
    // the next tree list as it is.
    list.DestroyWindow();
    ASSERT_TRUE(::UnregisterClassW(CTreeListCtrl::kClassName, AfxGetInstanceHandle()));
    WNDCLASSW own = registered;
    own.style = CS_DBLCLKS;
    ASSERT_NE(::RegisterClassW(&own), 0);
    CTreeListCtrl second;
    Make(second);
    ASSERT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), CTreeListCtrl::kClassName, &registered));
    EXPECT_EQ(registered.style, static_cast<UINT>(CS_DBLCLKS));
}

TEST_F(TreeListTest, ItsPartsAreTheHeaderOnTopAndTheTreeBelowIt)
{
    Make(list, 20, FALSE);
    CTreeList& tree = *list.GetTreeList();
    CSkinHeaderCtrl& header = *list.GetHeaderCtrl();
    EXPECT_EQ(tree.GetDlgCtrlID(), 1);
    EXPECT_EQ(header.GetDlgCtrlID(), 0);
    EXPECT_EQ(list.GetVertScrollBarEx(), nullptr);
    EXPECT_EQ(list.UpdateScrollBar(), -1);
    EXPECT_EQ(CRect(ChildRect(list, header)), CRect(0, 0, 200, 20));
    EXPECT_EQ(CRect(ChildRect(list, tree)), CRect(0, 20, 200, 150));
    EXPECT_TRUE(tree.GetStyle() & TVS_NOHSCROLL);
    EXPECT_TRUE(tree.GetStyle() & TVS_FULLROWSELECT);
    EXPECT_EQ(header.GetOwnerTree(), &tree);
    EXPECT_EQ(tree.GetHeaderCtrl(), &header);
    CListCtrl& columns = tree.GetColumnList();
    EXPECT_EQ(columns.GetDlgCtrlID(), static_cast<int>(CTreeList::kColumnListId));
    EXPECT_EQ(columns.GetParent(), &tree);
    EXPECT_FALSE(columns.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(tree.GetBkColor(), RGB(255, 255, 255));

    // A tree list made hidden shows its tree when it is shown.
    CTreeListCtrl hidden;
    Make(hidden, 20, FALSE, TVS_FULLROWSELECT);
    hidden.ShowWindow(SW_SHOW);
    EXPECT_TRUE(hidden.GetTreeList()->IsWindowVisible());
}

TEST_F(TreeListTest, ClickingAColumnReportsItemMinusOneToTheParent)
{
    for (const bool taken : {false, true}) {
        std::unique_ptr<CTreeListCtrl> made;
        if (taken)
            made = std::make_unique<ClickTakingList>();
        else
            made = std::make_unique<CTreeListCtrl>();
        CTreeListCtrl& clicked = *made;
        Make(clicked);
        Columns(clicked, 2);
        parent.columnClicks.clear();
        CSkinHeaderCtrl& header = *clicked.GetHeaderCtrl();
        header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(90, 10));
        header.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(90, 10));
        if (taken) {
            EXPECT_TRUE(parent.columnClicks.empty()) << "a click the list takes stays with it";
            continue;
        }
        ASSERT_EQ(parent.columnClicks.size(), 1u);
        const NMLISTVIEW& click = parent.columnClicks[0];
        EXPECT_EQ(click.hdr.hwndFrom, clicked.GetSafeHwnd());
        EXPECT_EQ(click.hdr.idFrom, kTreeListId);
        EXPECT_EQ(click.iItem, -1);
        EXPECT_EQ(click.iSubItem, 1);
        EXPECT_EQ(click.uNewState | click.uOldState | click.uChanged, 0u);
        EXPECT_EQ(click.ptAction.x | click.ptAction.y, 0);
        EXPECT_EQ(click.lParam, 0);
    }
}

TEST_F(TreeListTest, AColumnOutsideTheHeadersHasAnEmptyText)
{
    Make(list);
    Columns(list, 3);
    CTreeList& tree = *list.GetTreeList();
    const HTREEITEM item = list.InsertItem(L"Item");
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(tree.SetColumnText(item, 1, L"one"));
    EXPECT_TRUE(tree.SetColumnText(item, 2, L"two"));
    EXPECT_FALSE(tree.SetColumnText(item, 3, L"three"));
    EXPECT_FALSE(tree.SetColumnText(item, -1, L"none"));
    const struct {
        int column;
        LPCWSTR text;
    } kColumns[] = {{0, L"Item"}, {1, L"one"}, {2, L"two"}, {3, L""}, {-1, L""}, {50, L""}};
    for (const auto& c : kColumns)
        EXPECT_STREQ(tree.GetColumnText(item, c.column), c.text) << "column " << c.column;

    // Column 0 is the item's own text.
    EXPECT_TRUE(tree.SetColumnText(item, 0, L"Renamed"));
    EXPECT_STREQ(tree.GetItemText(item), L"Renamed");
}

TEST_F(TreeListTest, TheHiddenRowGoesWithItsItemSoLaterItemsKeepTheirTexts)
{
    Make(list);
    Columns(list, 2);
    CTreeList& tree = *list.GetTreeList();
    CListCtrl& rows = tree.GetColumnList();
    const HTREEITEM a = list.InsertItem(L"A");
    const HTREEITEM b = tree.InsertItem(L"B");   // straight on the tree part, as a derived list does
    const HTREEITEM c = list.InsertItem(L"C");
    // A row is made by an item's first text in a column 1.., not by the item.
    EXPECT_EQ(rows.GetItemCount(), 0);
    EXPECT_EQ(tree.FindColumnRow(a), -1);
    EXPECT_STREQ(tree.GetColumnText(a, 1), L"");
    tree.SetColumnText(a, 1, L"a1");
    tree.SetColumnText(b, 1, L"b1");
    tree.SetColumnText(c, 1, L"c1");
    EXPECT_EQ(rows.GetItemCount(), 3);

    ASSERT_TRUE(tree.DeleteItem(b));
    EXPECT_EQ(rows.GetItemCount(), 2);
    EXPECT_EQ(tree.FindColumnRow(b), -1);
    EXPECT_STREQ(tree.GetColumnText(a, 1), L"a1");
    EXPECT_STREQ(tree.GetColumnText(c, 1), L"c1");
    const HTREEITEM d = list.InsertItem(L"D");
    EXPECT_STREQ(tree.GetColumnText(d, 1), L"");

    tree.DeleteAllItems();
    EXPECT_EQ(rows.GetItemCount(), 0);
}

TEST_F(TreeListTest, TheOwnBarShowsOnlyWhileTheTreeOverflows)
{
    const int native = ::GetSystemMetrics(SM_CXVSCROLL);
    for (const int headerHeight : {20, 0}) {
        DerivedTreeList barred;
        Make(barred, headerHeight);
        CTreeList& tree = *barred.GetTreeList();
        CScrollBarEx* const bar = barred.GetVertScrollBarEx();
        ASSERT_NE(bar, nullptr);
        const int treeHeight = 150 - headerHeight;
        const struct {
            const char* step;
            int items;   // the tree holds this many after the step
            bool overflows;
        } kSteps[] = {{"a few rows", 3, false}, {"more rows than fit", 30, true}, {"back to a few", 3, false}};
        for (const auto& step : kSteps) {
            const int now = static_cast<int>(tree.GetCount());
            if (step.items > now)
                AddItems(barred, step.items - now);
            while (static_cast<int>(tree.GetCount()) > step.items)
                tree.DeleteItem(tree.GetRootItem());
            const std::string name = std::string(step.step) + ", header " + std::to_string(headerHeight);
            EXPECT_EQ(bar->IsWindowVisible() != FALSE, step.overflows) << name;
            const CRect treeRect = ChildRect(barred, tree);
            CRgn region;
            region.CreateRectRgn(0, 0, 0, 0);
            const int regionType = tree.GetWindowRgn(region);
            if (step.overflows) {
                EXPECT_EQ(CRect(ChildRect(barred, *bar)), CRect(200 - kBarWidth, headerHeight, 200, 150)) << name;
                EXPECT_EQ(treeRect, CRect(0, headerHeight, 200 - kBarWidth + native, 150)) << name;
                CRect box;
                region.GetRgnBox(&box);
                EXPECT_EQ(box, CRect(0, 0, 200 - kBarWidth, treeHeight)) << name;
                SCROLLINFO info{sizeof(info), SIF_ALL};
                ASSERT_TRUE(tree.GetScrollInfo(SB_VERT, &info)) << name;
                EXPECT_EQ(bar->GetScrollInfo().nMax, info.nMax) << name;
                EXPECT_EQ(bar->GetScrollInfo().nPage, info.nPage) << name;
            } else {
                EXPECT_EQ(treeRect, CRect(0, headerHeight, 200 + native, 150)) << name;
                EXPECT_EQ(regionType, ERROR) << name << ": no region";
            }
        }
    }
}

TEST_F(TreeListTest, RowsAddedWithTheRedrawHeldReachTheBarWhenItIsUpdated)
{
    Make(list);
    CTreeList& tree = *list.GetTreeList();
    CScrollBarEx& bar = *list.GetVertScrollBarEx();
    tree.SendMessage(WM_SETREDRAW, FALSE);
    AddItems(list, 30);
    EXPECT_FALSE(bar.IsWindowVisible()) << "the bar waits while the redraw is held";
    tree.SendMessage(WM_SETREDRAW, TRUE);
    EXPECT_EQ(list.UpdateScrollBar(), 0);
    EXPECT_TRUE(bar.IsWindowVisible());
    SCROLLINFO info{sizeof(info), SIF_ALL};
    ASSERT_TRUE(tree.GetScrollInfo(SB_VERT, &info));
    EXPECT_EQ(bar.GetScrollInfo().nMax, info.nMax);
}

TEST_F(TreeListTest, TheOwnBarScrollsTheTree)
{
    Make(list);
    AddItems(list, 30);
    CTreeList& tree = *list.GetTreeList();
    CScrollBarEx& bar = *list.GetVertScrollBarEx();
    const HTREEITEM second = tree.GetNextSiblingItem(tree.GetRootItem());
    list.SendMessage(WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar.GetSafeHwnd()));
    EXPECT_EQ(tree.GetFirstVisibleItem(), second);
    EXPECT_EQ(bar.GetScrollInfo().nPos, 1);
}

TEST_F(TreeListTest, ADerivedListDrawsRowsItselfOrTheTreeDrawsTheSelection)
{
    Make(list);
    Columns(list, 2);
    CTreeList& tree = *list.GetTreeList();
    const HTREEITEM first = list.InsertItem(L"First");
    const HTREEITEM second = list.InsertItem(L"Second");
    tree.SetItemData(second, 42);
    const COLORREF selected = RGB(255, 255, 227);
    tree.SetSelectedBkColor(selected);
    tree.SelectItem(second);
    const RECT row = RowOf(tree, second);

    list.drawsRows = 1;
    Canvas canvas(260, 160);
    EXPECT_EQ(tree.DrawItem(canvas.Cdc(), second), 1);
    ASSERT_EQ(list.rowOffers.size(), 1u);
    const DRAWITEMSTRUCT& offer = list.rowOffers[0];
    EXPECT_EQ(offer.CtlType, VXL_ODT_TREE);
    EXPECT_EQ(offer.CtlID, CTreeListCtrl::kTreeId);
    EXPECT_EQ(offer.hwndItem, tree.GetSafeHwnd());
    EXPECT_EQ(offer.hDC, canvas.Dc());
    EXPECT_TRUE(::EqualRect(&offer.rcItem, &row));
    EXPECT_EQ(offer.itemData, 42u);
    EXPECT_EQ(TreeRowItem(offer), second);
    EXPECT_EQ(canvas.At(row.right - 2, row.top + 1), Canvas::kFill);

    list.drawsRows = 0;
    EXPECT_EQ(tree.DrawItem(canvas.Cdc(), second), 0);
    EXPECT_EQ(canvas.At(row.right - 2, row.top + 1), selected);
    const RECT other = RowOf(tree, first);
    EXPECT_EQ(tree.DrawItem(canvas.Cdc(), first), 0);
    EXPECT_EQ(canvas.At(other.right - 2, other.top + 1), Canvas::kFill);
}

TEST_F(TreeListTest, TheTreePartsMouseReachesTheParentAndThenTheList)
{
    Make(list);
    list.InsertItem(L"Item");
    list.GetTreeList()->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    const WPARAM expected = MAKEWPARAM(WM_MOUSEMOVE, CTreeListCtrl::kTreeId);
    ASSERT_EQ(parent.childMouse.size(), 1u);
    EXPECT_EQ(parent.childMouse[0], expected);
    ASSERT_EQ(list.childMouse.size(), 1u);
    EXPECT_EQ(list.childMouse[0], expected);
}

// Records the WM_SETREDRAW values one window receives while it lives.
class RedrawRecorder {
public:
    explicit RedrawRecorder(HWND window)
    {
        s_window = window;
        s_values.clear();
        m_hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, ::GetCurrentThreadId());
    }
    ~RedrawRecorder()
    {
        ::UnhookWindowsHookEx(m_hook);
        s_window = nullptr;
    }
    static const std::vector<WPARAM>& Values() { return s_values; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && message->hwnd == s_window && message->message == WM_SETREDRAW)
            s_values.push_back(message->wParam);
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK m_hook;
    static HWND s_window;
    static std::vector<WPARAM> s_values;
};
HWND RedrawRecorder::s_window = nullptr;
std::vector<WPARAM> RedrawRecorder::s_values;

TEST_F(TreeListTest, AnExpansionLeavesTheTreeRedrawingWhetherOrNotItIsRefused)
{
    for (const bool refused : {false, true}) {
        DerivedTreeList expanded;
        expanded.refusesExpansion = refused;
        Make(expanded);
        CTreeList& tree = *expanded.GetTreeList();
        const HTREEITEM group = expanded.InsertItem(L"Group");
        expanded.InsertItem(L"Member", group);
        tree.SelectItem(group);
        {
            RedrawRecorder recorder(tree);
            tree.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);   // the user expands: notifications follow
            if (!recorder.Values().empty()) {
                EXPECT_EQ(recorder.Values().back(), static_cast<WPARAM>(TRUE)) << "refused " << refused;
            }
            if (!refused) {
                EXPECT_FALSE(recorder.Values().empty()) << "redraw is held while the tree expands";
            }
        }
        EXPECT_EQ(tree.SendMessage(CTreeList::kGetRedrawState), TRUE) << "refused " << refused;
        EXPECT_EQ((tree.GetItemState(group, TVIS_EXPANDED) & TVIS_EXPANDED) != 0, !refused) << "refused " << refused;

        // Expanding by program holds redraw in the tree part itself.
        RedrawRecorder recorder(tree);
        tree.Expand(group, TVE_COLLAPSE);
        EXPECT_EQ(recorder.Values(), (std::vector<WPARAM>{FALSE, TRUE})) << "refused " << refused;
    }
}

TEST_F(TreeListTest, ARecordOrStyleGivesTheTreeItsBackground)
{
    WindowSkin skin;
    CTreeListCtrl unmade;
    TREELISTPROPERTIES record;
    TREECTRLPROPERTIES other;
    EXPECT_EQ(unmade.ApplyProperties(&record), -1);
    EXPECT_EQ(unmade.ApplyStyle(L"IDS_TREELIST_1"), -1);
    Make(list, 20, FALSE);
    EXPECT_EQ(list.ApplyProperties(nullptr), -2);
    EXPECT_EQ(list.ApplyProperties(&other), -3);
    EXPECT_EQ(list.ApplyStyle(nullptr), -2);
    EXPECT_EQ(list.ApplyStyle(L"IDS_NO_SUCH_STYLE"), -2);

    const COLORREF kBackground = RGB(30, 160, 90);
    SetSwitch(record, CtrlVar::IsSpecifyImages, true);
    skin.SetImage(record, CtrlVar::BackgroundNormal, L"tree.bmp", 8, 8, [&](int, int) { return kBackground; });
    ASSERT_EQ(list.ApplyProperties(&record), 0);
    CTreeList& tree = *list.GetTreeList();
    tree.Invalidate(TRUE);
    EXPECT_EQ(WindowPixel(tree, 100, 100), kBackground);
}

class TreeListFactoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSkinControlKinds();
        window = &skin.AddWindow(L"IDW_TREELISTS", kWindowId);
        skin.SetImage(*window, CtrlVar::BackgroundNormal, L"bk.bmp", 300, 200, &Tag);
    }

    static constexpr int kWindowId = 3950;
    WindowSkin skin;
    UIWNDPROPERTIES* window = nullptr;
};

TEST_F(TreeListFactoryTest, ATreeListRecordMakesOneWithTheWindowsBackgroundUnderItsTree)
{
    for (const bool ownBar : {false, true}) {
        TREELISTPROPERTIES& record = skin.AddControl<TREELISTPROPERTIES>(
            *window, ownBar ? L"IDC_TREELIST_2" : L"IDC_TREELIST_1", ownBar ? 3952 : 3951, {20, 30, 220, 180});
        SetSwitch(record, CtrlVar::IsVisible, true);
        SetSwitch(record, TreeListVar::IsVariableItemHeight, ownBar);
    }
    // The first window may leave the system's own caches behind; a second one leaves nothing.
    int left[2] = {};
    for (int& count : left) {
        TestUIWnd wnd(kWindowId);
        ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));
        const std::vector<ChildControlRecord>& children = wnd.GetChildControls();
        ASSERT_EQ(children.size(), 2u);
        for (size_t i = 0; i < children.size(); ++i) {
            auto* const made = dynamic_cast<CTreeListCtrl*>(children[i].window);
            ASSERT_NE(made, nullptr) << i;
            EXPECT_EQ(made->GetDlgCtrlID(), static_cast<int>(3951 + i));
            EXPECT_EQ(CRect(ChildRect(wnd, *made)), CRect(20, 30, 220, 180)) << i;
            EXPECT_EQ(made->GetHeaderHeight(), 24) << i;
            EXPECT_EQ(made->GetHeaderCtrl()->GetHeight(), 24) << i;
            EXPECT_EQ(made->GetVertScrollBarEx() != nullptr, i == 1) << i;
        }

        // The tree part continues the window's background where it lies.
        CTreeList& tree = *static_cast<CTreeListCtrl*>(children[0].window)->GetTreeList();
        tree.Invalidate(TRUE);
        EXPECT_EQ(WindowPixel(tree, 7, 5), Tag(20 + 7, 30 + 24 + 5));
        wnd.DestroyWindow();
        count = LiveGdiObjects();
    }
    EXPECT_EQ(left[1], left[0]);
}

} // namespace
} // namespace skin_ui_test
