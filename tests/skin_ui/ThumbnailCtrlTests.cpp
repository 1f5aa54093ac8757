// The thumbnail view as its owner and a user see it: items laid out and drawn from their
// backgrounds, sizes of 0 refused, selection by click, Shift, Ctrl and rubber band, arrow
// keys, the scroll bar on overflow, tool-tip texts, the store's notifications passed on as
// the view's, and the reorder of the selected items by a drop, through a data object of
// the test's own.
#include "ControlParent.h"
#include "GdiCount.h"
#include "Pixels.h"
#include "ControlTestSupport.h"

#include "framework/ComObject.h"
#include "framework/GlobalMemory.h"
#include "framework/WinApp.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/OleDropTargetEx.h"
#include "skin/ui/controls/ScrollBarEx.h"
#include "skin/ui/controls/ThumbnailCtrl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr UINT kViewId = 70;
constexpr COLORREF kItemSelectedBk = RGB(200, 0, 0);
constexpr COLORREF kItemHighlightBk = RGB(0, 0, 200);
constexpr COLORREF kThumbnail = RGB(0, 160, 0);
const RECT kImagePart{10, 10, 70, 40};   // inside the 80 x 60 image area
const RECT kLabelPart{0, 45, 80, 60};

// Offers one block of global memory under one format.
class FakeDragData : public ComObject<IDataObject> {
public:
    FakeDragData(CLIPFORMAT format, const void* bytes, size_t size) : m_format(format)
    {
        m_block.Allocate(size, bytes);
    }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (QueryGetData(format) != S_OK || !medium)
            return DV_E_FORMATETC;
        CGlobalMemory copy;
        if (!copy.CopyFrom(m_block.Get()))
            return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy.Detach();
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override
    {
        return format && format->cfFormat == m_format && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

private:
    CLIPFORMAT m_format;
    CGlobalMemory m_block;
};

const CLIPFORMAT kDragFormat = static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(L"DragItem"));

// A parent that notes the view's notifications and answers LVN_BEGINDRAG as told.
class ThumbnailParent : public ControlParent {
public:
    ThumbnailParent() : ControlParent(40, 40, 500, 400) {}

    std::vector<int> codes;
    bool allFromTheView = true;
    LRESULT beginDragAnswer = 1;
    NMLISTVIEW beginDrag{};

    int Count(int code) const { return static_cast<int>(std::count(codes.begin(), codes.end(), code)); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY) {
            const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
            const int code = static_cast<int>(header.code);
            codes.push_back(code);
            allFromTheView = allFromTheView && header.idFrom == kViewId && wParam == kViewId && header.hwndFrom != nullptr;
            if (code == static_cast<int>(LVN_BEGINDRAG)) {
                beginDrag = *reinterpret_cast<const NMLISTVIEW*>(lParam);
                return beginDragAnswer;
            }
            return 0;
        }
        return ControlParent::WindowProc(message, wParam, lParam);
    }
};

class ThumbnailTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(AfxOleInit()); }

    // 100 x 100 cells with 80 x 60 image areas in a view 330 wide: 3 columns, margins of 5.
    void Make(DWORD style = 0, int height = 250)
    {
        ASSERT_TRUE(view.SetThumbnailImages(MakeBitmap(80, 60, &Tag), Solid(kItemHighlightBk, 90, 70),
                                            Solid(kItemSelectedBk, 80, 60), nullptr));
        ASSERT_TRUE(view.SetItemSize(100, 100));
        view.SetItemPartRects(&kImagePart, &kLabelPart, &kImagePart, &kLabelPart);
        ASSERT_TRUE(view.Create(WS_CHILD | WS_VISIBLE | style, {0, 0, 330, height}, &parent, kViewId));
    }
    void Add(int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(view.InsertItem(view.GetItemCount(), (L"item" + std::to_wstring(i)).c_str()), i);
    }
    POINT Centre(int index)
    {
        RECT image{};
        EXPECT_TRUE(view.GetItemRect(index, CThumbnailCtrl::kPartImage, &image)) << index;
        return POINT{(image.left + image.right) / 2, (image.top + image.bottom) / 2};
    }
    void Press(POINT at, WPARAM keys = 0) { view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(at.x, at.y)); }
    void Release(POINT at, WPARAM keys = 0) { view.SendMessage(WM_LBUTTONUP, keys, MAKELPARAM(at.x, at.y)); }
    void Click(int index, WPARAM keys = 0)
    {
        Press(Centre(index), keys);
        Release(Centre(index), keys);
    }
    std::vector<int> Selected() const
    {
        std::vector<int> selected;
        for (int position = view.GetFirstSelectedItemPosition(); position != 0;)
            selected.push_back(view.GetNextSelectedItem(position));
        return selected;
    }
    std::vector<std::wstring> Labels() const
    {
        std::vector<std::wstring> labels;
        for (int i = 0; i < view.GetItemCount(); ++i)
            labels.emplace_back(static_cast<LPCWSTR>(view.GetItemText(i)));
        return labels;
    }
    LRESULT Drop(UINT message, const ComPtr<FakeDragData>& data, POINT at)
    {
        COleDataObject object;
        object.Attach(data.Get(), FALSE);
        COleDropInfo info(&object, MK_LBUTTON, DROPEFFECT_COPY, 0, CPoint(at));
        return view.SendMessage(message, 0, reinterpret_cast<LPARAM>(&info));
    }
    static ComPtr<FakeDragData> DragText(LPCWSTR text, size_t bytes)
    {
        return FakeDragData::Make<FakeDragData>(kDragFormat, text, bytes);
    }

    ThumbnailParent parent;
    CThumbnailCtrl view;
};

TEST_F(ThumbnailTest, ItemsAreLaidOutInTheGridAndDrawnFromTheirBackgrounds)
{
    Make();
    Add(4);
    RECT rect{};
    ASSERT_TRUE(view.GetItemRect(3, CThumbnailCtrl::kPartCell, &rect));
    EXPECT_EQ(CRect(rect), CRect(5, 100, 105, 200));
    ASSERT_TRUE(view.GetItemRect(1, CThumbnailCtrl::kPartImage, &rect));
    EXPECT_EQ(CRect(rect), CRect(125, 20, 205, 80));
    rect = RECT{1, 2, 3, 4};
    EXPECT_TRUE(view.GetItemRect(1, 7, &rect));
    EXPECT_EQ(CRect(rect), CRect(1, 2, 3, 4)) << "another part leaves the rectangle";
    EXPECT_FALSE(view.GetItemRect(4, CThumbnailCtrl::kPartCell, &rect));
    EXPECT_FALSE(::IsWindowVisible(view.GetScrollBar().m_hWnd)) << "two rows fit";

    view.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    view.SetItemThumbnail(1, Solid(kThumbnail, 8, 8));
    view.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(Centre(2).x, Centre(2).y));
    ASSERT_EQ(view.GetHotItem(), 2);
    Canvas canvas(330, 250);
    view.DrawView(canvas.Cdc());
    EXPECT_EQ(canvas.At(15 + 3, 20 + 4), Tag(3, 4)) << "item 0: the normal background";
    EXPECT_EQ(canvas.At(125 + 2, 20 + 2), kItemSelectedBk) << "item 1: the selected background";
    EXPECT_EQ(canvas.At(125 + 40, 20 + 25), kThumbnail) << "item 1's thumbnail in its image rectangle";
    EXPECT_EQ(canvas.At(235 - 5 + 1, 20 - 5 + 1), kItemHighlightBk)
        << "item 2: the hover background, centred in the cell";
    EXPECT_EQ(canvas.At(2, 2), RGB(255, 255, 255)) << "the background colour between cells";

    // The parent may draw items itself.
    std::vector<UINT> offered;
    parent.drawItem = [&](const DRAWITEMSTRUCT& draw) {
        offered.push_back(draw.itemID);
        EXPECT_EQ(draw.CtlType, VXL_ODT_THUMBNAIL);
        return LRESULT{1};
    };
    Canvas own(330, 250);
    view.DrawView(own.Cdc());
    EXPECT_EQ(offered, (std::vector<UINT>{0, 1, 2, 3}));
    EXPECT_EQ(own.At(15 + 3, 20 + 4), RGB(255, 255, 255)) << "the parent drew nothing there";
}

TEST_F(ThumbnailTest, SizesOfZeroAndMissingBackgroundsAreRefused)
{
    const HBITMAP normal = MakeBitmap(8, 8, &Tag);
    EXPECT_FALSE(view.SetThumbnailImages(normal, nullptr, normal, nullptr)) << "no highlight background";
    ::DeleteObject(normal);
    const SIZE kSizes[] = {{0, 100}, {100, 0}, {0, 0}, {-5, 10}};
    for (const SIZE& size : kSizes)
        EXPECT_FALSE(view.SetItemSize(size.cx, size.cy)) << size.cx << " x " << size.cy;
    EXPECT_FALSE(view.SetLineHeight(0));
    // Without a cell size the grid is empty: nothing is hit, nothing scrolls into view.
    ASSERT_TRUE(view.Create(WS_CHILD | WS_VISIBLE, {0, 0, 330, 250}, &parent, kViewId));
    Add(3);
    EXPECT_EQ(view.HitTest(POINT{50, 50}), -1);
    EXPECT_FALSE(view.EnsureVisible(1));
    RECT rect{};
    EXPECT_FALSE(view.GetItemRect(0, CThumbnailCtrl::kPartCell, &rect));
    Canvas canvas(314, 250);
    view.DrawView(canvas.Cdc());

    CThumbnailCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | CThumbnailCtrl::kListStyle, {0, 0, 100, 100}, &parent, kViewId + 1));
    EXPECT_FALSE(list.SetItemSize(100, 100)) << "list mode has rows, not cells";
}

TEST_F(ThumbnailTest, ShiftSelectsFromTheAnchorAndPressingASelectedItemKeepsTheGroup)
{
    Make();
    Add(6);
    Click(2);
    EXPECT_EQ(Selected(), (std::vector<int>{2}));
    Click(4, MK_SHIFT);
    EXPECT_EQ(Selected(), (std::vector<int>{2, 3, 4}));
    Click(0, MK_SHIFT);
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2})) << "the anchor stays on item 2";
    EXPECT_EQ(view.GetFocusedItem(), 0);

    Press(Centre(1));
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2})) << "until the button is released";
    Release(Centre(1));
    EXPECT_EQ(Selected(), (std::vector<int>{1}));

    Click(3, MK_CONTROL);
    Click(5, MK_CONTROL);
    Click(1, MK_CONTROL);
    EXPECT_EQ(Selected(), (std::vector<int>{3, 5}));

    // A click in a cell but outside its image area hits nothing and clears everything.
    Press(POINT{10, 10});
    Release(POINT{10, 10});
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(view.GetFocusedItem(), -1);
}

TEST_F(ThumbnailTest, CtrlClickModeAndSingleSelectionChangeWhatAClickDoes)
{
    Make(CThumbnailCtrl::kSingleSelection);
    Add(4);
    Click(1);
    Click(3, MK_SHIFT);
    EXPECT_EQ(Selected(), (std::vector<int>{3}));

    CThumbnailCtrl multi;
    multi.SetItemSize(100, 100);
    ASSERT_TRUE(multi.Create(WS_CHILD | WS_VISIBLE, {0, 250, 330, 350}, &parent, kViewId + 1));
    multi.SetCtrlClickMode(true);
    for (int i = 0; i < 3; ++i)
        multi.InsertItem(i, L"item");
    for (int index : {0, 2}) {
        RECT image{};
        multi.GetItemRect(index, CThumbnailCtrl::kPartImage, &image);
        const LPARAM at = MAKELPARAM(image.left + 5, image.top + 5);
        multi.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        multi.SendMessage(WM_LBUTTONUP, 0, at);
    }
    EXPECT_EQ(multi.GetSelectedCount(), 2u) << "every click counts as one with Ctrl";
}

TEST_F(ThumbnailTest, ARubberBandSelectsTheItemsItMeetsAndFocusesTheFirst)
{
    Make();
    Add(6);
    Click(5);
    const POINT start{110, 5};   // a gap between cells
    Press(start);
    for (const POINT& at : {POINT{112, 8}, POINT{240, 130}})
        view.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(::GetCapture(), view.m_hWnd);
    Release(POINT{240, 130});
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 4, 5}));
    EXPECT_EQ(view.GetFocusedItem(), 1);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(ThumbnailTest, ArrowKeysMoveTheFocusWithinTheGridAfterTheParentHearsOfThem)
{
    Make();
    Add(5);
    const auto key = [&](UINT vk) {
        MSG msg{view.m_hWnd, WM_KEYDOWN, vk, 0, 0, {0, 0}};
        view.PreTranslateMessage(&msg);
    };
    Click(1);
    key(VK_UP);
    EXPECT_EQ(view.GetFocusedItem(), 1) << "nothing above the first row";
    key(VK_DOWN);
    EXPECT_EQ(view.GetFocusedItem(), 4);
    key(VK_RIGHT);
    key(VK_DOWN);
    EXPECT_EQ(view.GetFocusedItem(), 4) << "the last item stays the target";
    key(VK_LEFT);
    EXPECT_EQ(view.GetFocusedItem(), 3);
    EXPECT_EQ(Selected(), (std::vector<int>{3}));
    EXPECT_EQ(parent.Count(LVN_KEYDOWN), 5);
}

TEST_F(ThumbnailTest, TheScrollBarShowsOnlyOnOverflowAndTheWheelScrollsOneUnit)
{
    Make(0, 150);   // one row and a half in view
    CScrollBarEx& bar = view.GetScrollBar();
    EXPECT_FALSE(::IsWindowVisible(bar.m_hWnd)) << "no items";
    Add(9);   // three rows
    ASSERT_TRUE(::IsWindowVisible(bar.m_hWnd));
    EXPECT_EQ(bar.GetScrollInfo().nMax, 2);
    EXPECT_EQ(bar.GetScrollInfo().nPage, 1u);
    const RECT strip = ChildRect(view, bar.m_hWnd);
    EXPECT_EQ(CRect(strip), CRect(314, 0, 330, 150));

    for (int turn = 0; turn < 2; ++turn)
        view.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA * 3)), 0);
    EXPECT_EQ(view.GetScrollPosition(), 2) << "one unit per message whatever the delta";
    view.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(view.GetScrollPosition(), 1);
    EXPECT_TRUE(view.EnsureVisible(0));
    EXPECT_EQ(view.GetScrollPosition(), 0);
    EXPECT_TRUE(view.EnsureVisible(8));
    EXPECT_EQ(view.GetScrollPosition(), 1) << "down by the rows between the last item in view and it";

    ASSERT_TRUE(view.DeleteAllItems());
    EXPECT_FALSE(::IsWindowVisible(bar.m_hWnd));
    EXPECT_EQ(view.GetScrollPosition(), 0) << "what is left is in view";
}

TEST_F(ThumbnailTest, DroppingTheSelectionMovesItBeforeTheItemAtTheDropPointInItsOrder)
{
    Make();
    Add(7);
    for (int index : {3, 4, 5})
        view.SetItemState(index, LVIS_SELECTED, LVIS_SELECTED);
    view.SetItemData(4, 44);
    const auto data = DragText(L"DragItem", sizeof L"DragItem");

    const POINT beforeFirst{8, 50};   // the gap left of item 0
    EXPECT_EQ(Drop(WM_DROPTARGET_DRAGOVER, data, beforeFirst), DROPEFFECT_COPY);
    EXPECT_EQ(Drop(WM_DROPTARGET_DROPEX, data, beforeFirst), -1) << "the plain drop follows";
    EXPECT_EQ(Drop(WM_DROPTARGET_DROP, data, beforeFirst), 1);
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"item3", L"item4", L"item5", L"item0", L"item1", L"item2",
                                                   L"item6"}));
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2})) << "the moved items stay selected";
    EXPECT_EQ(view.GetItemData(1), 44u) << "records move with their items";
    EXPECT_EQ(parent.Count(THMN_ITEMSMOVED), 1);

    const POINT pastTheLast{300, 280};
    EXPECT_EQ(Drop(WM_DROPTARGET_DROP, data, pastTheLast), 1);
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"item0", L"item1", L"item2", L"item6", L"item3", L"item4",
                                                   L"item5"}));
}

TEST_F(ThumbnailTest, DropsWithoutTheDragTextChangeNothing)
{
    Make();
    Add(3);
    view.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    const POINT at{8, 50};
    const auto otherFormat = FakeDragData::Make<FakeDragData>(CF_UNICODETEXT, L"DragItem", sizeof L"DragItem");
    EXPECT_EQ(Drop(WM_DROPTARGET_DRAGOVER, otherFormat, at), 0);
    EXPECT_EQ(Drop(WM_DROPTARGET_DROP, otherFormat, at), 0);
    // The right format, but another text, or a block too short to hold the whole text: the
    // drop is taken and moves nothing, and the block is read no further than it reaches.
    const wchar_t unterminated[] = {L'D', L'r', L'a', L'g', L'I', L't', L'e', L'm'};
    for (const auto& data : {DragText(L"Dragged", sizeof L"Dragged"), DragText(unterminated, sizeof unterminated),
                             DragText(L"Drag", 4)}) {
        EXPECT_EQ(Drop(WM_DROPTARGET_DROP, data, at), 1);
        EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"item0", L"item1", L"item2"}));
    }
    EXPECT_EQ(parent.Count(THMN_ITEMSMOVED), 0);
    EXPECT_EQ(view.SendMessage(WM_DROPTARGET_DRAGLEAVE), 0);
}

TEST_F(ThumbnailTest, ADragBeyondTenPixelsIsOfferedToTheParentFirst)
{
    Make();
    Add(3);
    view.SetDragMode(true);
    const POINT from = Centre(0);
    Press(from);
    view.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    view.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x + 10, from.y));
    EXPECT_EQ(parent.Count(LVN_BEGINDRAG), 0) << "10 pixels is not yet a drag";
    view.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x + 11, from.y));
    view.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x + 30, from.y));
    ASSERT_EQ(parent.Count(LVN_BEGINDRAG), 1) << "once per press";
    EXPECT_EQ(parent.beginDrag.iItem, 0);
    EXPECT_EQ(parent.beginDrag.ptAction.x, from.x + 11);
    Release(POINT{from.x + 30, from.y});
    EXPECT_EQ(Selected(), (std::vector<int>{0})) << "a drag's release is not a click";
    // The view registered its drop target when it was made.
    COleDropTargetEx second;
    EXPECT_FALSE(second.Register(&view));
}

TEST_F(ThumbnailTest, ToolTipsShowTheItemsTextCutTo79Characters)
{
    Make();
    Add(2);
    const std::wstring longText(100, L'x');
    ASSERT_TRUE(view.SetItemToolTip(1, longText.c_str()));
    EXPECT_EQ(std::wstring(view.GetItemToolTip(1)), longText);
    const HWND tip = ::CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, 0, 0, 0, 0, view.m_hWnd, nullptr,
                                       nullptr, nullptr);
    ASSERT_NE(tip, nullptr);
    const auto ask = [&](int index) {
        NMTTDISPINFOW info{};
        info.hdr = NMHDR{tip, static_cast<UINT_PTR>(index), static_cast<UINT>(TTN_NEEDTEXTW)};
        view.SendMessage(WM_NOTIFY, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
        return std::wstring(info.lpszText ? info.lpszText : L"");
    };
    EXPECT_EQ(ask(1), std::wstring(79, L'x'));
    EXPECT_EQ(ask(0), L"item0") << "the label without a tooltip";
    EXPECT_EQ(::SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 1024);

    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    EXPECT_EQ(view.OnToolHitTest(CPoint(Centre(1)), &tool), 1);
    EXPECT_EQ(CRect(tool.rect), CRect(115, 0, 215, 100)) << "the item's cell";
    EXPECT_EQ(view.OnToolHitTest(CPoint(10, 10), &tool), -1);
    ::DestroyWindow(tip);
}

TEST_F(ThumbnailTest, TheStoresNotificationsReachTheParentAsTheViewsAndRecordsGoWithTheirItems)
{
    EXPECT_EQ(GdiObjectsLeftBy([&] {
        {
            CThumbnailCtrl other;
            other.SetThumbnailImages(MakeBitmap(80, 60, &Tag), MakeBitmap(80, 60, &Tag), MakeBitmap(80, 60, &Tag),
                                     MakeBitmap(80, 60, &Tag));
            other.SetItemSize(100, 100);
            ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, {0, 0, 330, 250}, &parent, kViewId));
            other.SetBackgroundImage(MakeBitmap(330, 250, &Tag));
            for (int i = 0; i < 4; ++i) {
                other.InsertItem(i, L"item");
                other.SetItemThumbnail(i, MakeBitmap(8, 8, &Tag));
            }
            other.UpdateWindow();
            EXPECT_TRUE(other.DeleteItem(1));
            EXPECT_EQ(other.GetItemCount(), 3);
            EXPECT_EQ(other.ReleaseImages(), 0);
            EXPECT_EQ(other.ReleaseImages(), 0);
        }
        EXPECT_GE(parent.Count(LVN_INSERTITEM), 4);
        EXPECT_GE(parent.Count(LVN_DELETEITEM), 4) << "one item deleted, three with the view";
        EXPECT_TRUE(parent.allFromTheView);
    }), 0);
}

} // namespace
} // namespace skin_ui_test
