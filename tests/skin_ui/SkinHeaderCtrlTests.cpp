// The skinned header as its parent and its tree list see it: the look of each item as the
// mouse and the left button move, what it paints in and beside its items, items its parent
// draws, its record and style, its place at the top of its parent, a dragged column kept
// inside a tree list's header only, and every image and font given back.
#include "ControlParent.h"
#include "ControlTestSupport.h"
#include "GdiCount.h"
#include "Pixels.h"
#include "UIWndTestSupport.h"

#include "skin/model/SkinGlobals.h"
#include "skin/model/TreeProperties.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/controls/HeaderItemLayout.h"
#include "skin/ui/controls/SkinHeaderCtrl.h"
#include "skin/ui/controls/TreeList.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr UINT kHeaderId = 7;
constexpr COLORREF kLooks[kStateCount] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(90, 90, 90)};
constexpr COLORREF kStrip = RGB(250, 200, 10);

HBITMAP ButtonImage(COLORREF color)
{
    return skin_ui_test::Solid(color, 8, 8);
}

class SkinHeaderTest : public ::testing::Test {
protected:
    void TearDown() override { SetLeftButton(false); }

    void Make(DWORD style = HDS_BUTTONS, RECT rect = {0, 0, 200, 20})
    {
        ASSERT_TRUE(header.Create(WS_VISIBLE | style, rect, &parent, kHeaderId));
    }
    void AddItems(std::initializer_list<int> widths)
    {
        for (const int width : widths) {
            HDITEMW item{};
            item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT;
            item.cxy = width;
            item.fmt = HDF_STRING;
            item.pszText = const_cast<LPWSTR>(L"Col");
            header.InsertItem(header.GetItemCount(), &item);
        }
    }
    void GiveLookImages()
    {
        header.SetButtonImages(ButtonImage(kLooks[0]), ButtonImage(kLooks[1]), ButtonImage(kLooks[2]),
                               ButtonImage(kLooks[3]));
    }
    RECT ItemRect(int index)
    {
        RECT rect{};
        header.GetItemRect(index, &rect);
        return rect;
    }
    // The colour DrawHeaderItem gives the item's bottom-left corner, away from its text.
    COLORREF LookOf(int index)
    {
        Canvas canvas(220, 30);
        header.DrawHeaderItem(canvas.Cdc(), index);
        const RECT rect = ItemRect(index);
        return canvas.At(rect.left + 2, rect.bottom - 2);
    }
    // The pixel the header shows at (x, y) after a paint.
    COLORREF Shown(int x, int y)
    {
        header.Invalidate(TRUE);
        return WindowPixel(header, x, y);
    }

    WindowSkin skin;
    ControlParent parent{40, 40, 300, 200};
    CSkinHeaderCtrl header;
};

TEST_F(SkinHeaderTest, EachItemTakesTheLookOfTheMouseAndTheLeftButton)
{
    Make();
    AddItems({50, 50, 50});
    GiveLookImages();
    const int middle = 10;
    const struct {
        const char* step;
        std::function<void()> act;
        VisualState looks[3];
    } kSteps[] = {
        {"untouched", [] {}, {kStateNormal, kStateNormal, kStateNormal}},
        {"the mouse over item 1", [&] { header.SendMessage(WM_MOUSEMOVE, 0, At(75, middle)); },
         {kStateNormal, kStateHighlight, kStateNormal}},
        {"item 1 pressed",
         [&] {
             SetLeftButton(true);
             header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(75, middle));
         },
         {kStateNormal, kStateSelected, kStateNormal}},
        {"held while the mouse is over item 2", [&] { header.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(125, middle)); },
         {kStateNormal, kStateHighlight, kStateNormal}},
        {"released over item 2",
         [&] {
             SetLeftButton(false);
             header.SendMessage(WM_LBUTTONUP, 0, At(125, middle));
         },
         {kStateNormal, kStateNormal, kStateHighlight}},
        {"the mouse left", [&] { header.SendMessage(WM_MOUSELEAVE); }, {kStateNormal, kStateNormal, kStateNormal}},
        {"pressed on a divider",
         [&] {
             SetLeftButton(true);
             header.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(50, middle));
             header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(50, middle));
         },
         {kStateNormal, kStateNormal, kStateNormal}},
        {"disabled",
         [&] {
             header.SendMessage(WM_LBUTTONUP, 0, At(50, middle));
             header.EnableWindow(FALSE);
         },
         {kStateDisabled, kStateDisabled, kStateDisabled}},
    };
    for (const auto& step : kSteps) {
        step.act();
        for (int item = 0; item < 3; ++item)
            EXPECT_EQ(LookOf(item), kLooks[step.looks[item]]) << step.step << ", item " << item;
    }
}

TEST_F(SkinHeaderTest, TheStripBesideTheItemsShowsTheNormalItemImage)
{
    Make();
    const struct {
        const char* name;
        bool strip, normal, items;
        COLORREF inItem, beside;   // 0: not the header's own images
    } kCases[] = {
        {"items: the normal item image right of the last", true, true, true, kLooks[kStateNormal],
         kLooks[kStateNormal]},
        {"no items over the strip image", true, true, false, kStrip, kStrip},
        {"no items and no strip image", false, true, false, kLooks[kStateNormal], kLooks[kStateNormal]},
        {"items without their images", true, false, true, kStrip, kStrip},
        {"neither image: the native header", false, false, true, 0, 0},
    };
    for (const auto& c : kCases) {
        while (header.GetItemCount() > 0)
            header.DeleteItem(0);
        HEADERPROPERTIES record;
        if (c.strip)
            skin.SetImage(record, HeaderVar::HeaderBk, L"strip.bmp", 8, 8, [](int, int) { return kStrip; });
        if (c.normal)
            skin.SetImage(record, CtrlVar::BackgroundNormal, L"normal.bmp", 8, 8,
                          [](int, int) { return kLooks[kStateNormal]; });
        ASSERT_EQ(header.ApplyProperties(&record), 0) << c.name;
        if (c.items)
            AddItems({50, 60});
        const COLORREF inItem = Shown(2, 18);
        const COLORREF beside = Shown(150, 10);
        if (c.inItem) {
            EXPECT_EQ(inItem, c.inItem) << c.name;
            EXPECT_EQ(beside, c.beside) << c.name;
        } else {
            for (const COLORREF own : {kStrip, kLooks[kStateNormal]}) {
                EXPECT_NE(inItem, own) << c.name;
                EXPECT_NE(beside, own) << c.name;
            }
        }
    }
}

TEST_F(SkinHeaderTest, AnItemTheParentDrawsGetsNothingFromTheHeader)
{
    Make();
    AddItems({50, 60});
    GiveLookImages();
    std::vector<DRAWITEMSTRUCT> offers;
    LRESULT drawn = 1;
    parent.drawItem = [&](const DRAWITEMSTRUCT& item) { return offers.push_back(item), drawn; };
    Canvas canvas(220, 30);
    EXPECT_EQ(header.DrawHeaderItem(canvas.Cdc(), 1), 0);
    ASSERT_EQ(offers.size(), 1u);
    const DRAWITEMSTRUCT& offer = offers[0];
    EXPECT_EQ(offer.CtlType, static_cast<UINT>(ODT_HEADER));
    EXPECT_EQ(offer.CtlID, kHeaderId);
    EXPECT_EQ(offer.itemID, 1u);
    EXPECT_EQ(offer.hwndItem, header.GetSafeHwnd());
    EXPECT_EQ(offer.hDC, canvas.Dc());
    EXPECT_EQ(offer.itemData, 0u);
    const RECT item = ItemRect(1);
    EXPECT_TRUE(::EqualRect(&offer.rcItem, &item));
    EXPECT_EQ(canvas.At(item.left + 2, item.bottom - 2), Canvas::kFill);

    drawn = 0;
    EXPECT_EQ(LookOf(1), kLooks[kStateNormal]);
}

TEST_F(SkinHeaderTest, ARecordOrStyleGivesImagesAndTextColours)
{
    CSkinHeaderCtrl unmade;
    HEADERPROPERTIES header0;
    TREELISTPROPERTIES other;
    EXPECT_EQ(unmade.ApplyProperties(&header0), -1);
    EXPECT_EQ(unmade.ApplyStyle(L"IDS_HEADER_1"), -1);
    Make();
    EXPECT_EQ(header.ApplyProperties(nullptr), -2);
    EXPECT_EQ(header.ApplyProperties(&other), -3);
    EXPECT_EQ(header.ApplyStyle(nullptr), -2);
    EXPECT_EQ(header.ApplyStyle(L"IDS_NO_SUCH_STYLE"), -2);

    // A style: a strip of the four looks side by side, and a colour per look.
    const COLORREF kText[kStateCount] = {RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4)};
    const LPCWSTR kColorIds[] = {L"IDR_COLOR_1", L"IDR_COLOR_2", L"IDR_COLOR_3", L"IDR_COLOR_4"};
    const int kColorVars[] = {CtrlVar::ColorResN, CtrlVar::ColorResH, CtrlVar::ColorResS, CtrlVar::ColorResD};
    auto style = std::make_unique<HEADERPROPERTIES>();
    SetText(*style, CtrlVar::Type, L"STYLE_HEADERCTRL");
    SetText(*style, CtrlVar::ID, L"IDS_HEADER_1");
    SetSwitch(*style, CtrlVar::IsCombineImages, true);
    skin.SetImage(*style, CtrlVar::BkCombine, L"looks.bmp", 32, 8, [&](int x, int) { return kLooks[x / 8]; });
    for (int look = 0; look < kStateCount; ++look) {
        skin.AddColor(kColorIds[look], kText[look]);
        SetText(*style, kColorVars[look], kColorIds[look]);
    }
    SetSwitch(*style, CtrlVar::IsHSameNColor, false);
    SetSwitch(*style, CtrlVar::IsSSameNColor, false);
    SetSwitch(*style, CtrlVar::IsDSameNColor, false);
    ASSERT_GE(g_skinStore.AddStyle(StyleKind::Header, style.get()), 0);
    style.release();
    ASSERT_EQ(header.ApplyStyle(L"IDS_HEADER_1"), 0);

    AddItems({50, 50});
    header.SendMessage(WM_MOUSEMOVE, 0, At(75, 10));
    for (const auto& c : {std::pair<int, VisualState>{0, kStateNormal}, std::pair<int, VisualState>{1, kStateHighlight}}) {
        Canvas canvas(220, 30);
        header.DrawHeaderItem(canvas.Cdc(), c.first);
        const RECT rect = ItemRect(c.first);
        EXPECT_EQ(canvas.At(rect.left + 2, rect.bottom - 2), kLooks[c.second]) << "item " << c.first;
        EXPECT_EQ(::GetTextColor(canvas.Dc()), kText[c.second]) << "item " << c.first;
    }
}

TEST_F(SkinHeaderTest, ItKeepsToTheTopOfItsParentAtItsHeight)
{
    Make(HDS_BUTTONS, RECT{10, 30, 150, 40});
    EXPECT_EQ(header.GetHeight(), CSkinHeaderCtrl::kDefaultHeight);
    EXPECT_EQ(header.SetHeight(24), 0);
    RECT placed = ChildRect(parent, header);
    EXPECT_EQ(placed.top, 0);
    EXPECT_EQ(placed.bottom, 24);
    EXPECT_EQ(placed.right - placed.left, 140);

    header.MoveWindow(5, 50, 100, 3);
    placed = ChildRect(parent, header);
    const RECT expected{5, 0, 105, 24};
    EXPECT_TRUE(::EqualRect(&placed, &expected));
}

TEST(SkinHeaderInAList, AListWithoutAColumnHeaderKeepsItsHeightAsItIs)
{
    ControlParent parent(40, 40, 300, 200);
    for (const bool noHeader : {false, true}) {
        CListCtrl list;
        ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | (noHeader ? LVS_NOCOLUMNHEADER : 0), RECT{0, 0, 200, 100},
                                &parent, 3));
        CSkinHeaderCtrl header;
        ASSERT_TRUE(header.Create(WS_VISIBLE, RECT{0, 0, 200, 20}, &list, 4));
        header.SetHeight(24);
        header.MoveWindow(5, 50, 100, 3);
        RECT placed = ChildRect(list, header);
        EXPECT_EQ(placed.top, 0) << noHeader;
        EXPECT_EQ(placed.bottom, noHeader ? 3 : 24) << noHeader;
    }
}

TEST_F(SkinHeaderTest, ADraggedColumnStopsAtTheRightEdgeOnlyInATreeListsHeader)
{
    const struct {
        const char* name;
        bool ownerTree, treeWindow;
        DWORD drag;
        int width;
    } kCases[] = {
        {"a tree list's header, full drag", true, true, HDS_FULLDRAG, 120},
        {"a tree list's header, outline drag", true, true, 0, 120},
        {"no owner tree", false, false, HDS_FULLDRAG, 180},
        {"an owner tree without a window", true, false, HDS_FULLDRAG, 180},
    };
    for (const auto& c : kCases) {
        CSkinHeaderCtrl dragged;
        ASSERT_TRUE(dragged.Create(WS_VISIBLE | HDS_BUTTONS | HDS_DRAGDROP | c.drag, RECT{0, 0, 200, 20}, &parent, 8));
        CTreeList tree;
        if (c.treeWindow) {
            ASSERT_TRUE(tree.Create(WS_VISIBLE, RECT{0, 20, 200, 100}, &parent, 1));
        }
        if (c.ownerTree)
            dragged.SetOwnerTree(&tree);
        for (int i = 0; i < 2; ++i) {
            HDITEMW item{};
            item.mask = HDI_WIDTH;
            item.cxy = 80;
            dragged.InsertItem(i, &item);
        }
        dragged.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(160, 5));
        dragged.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(260, 5));
        dragged.SendMessage(WM_LBUTTONUP, 0, At(260, 5));
        HDITEMW item{};
        item.mask = HDI_WIDTH;
        dragged.GetItem(1, &item);
        EXPECT_EQ(item.cxy, c.width) << c.name;
    }
}

TEST_F(SkinHeaderTest, EveryImageAndFontGoesWithTheObjectOrWhenReleased)
{
    const int before = LiveGdiObjects();
    {
        CSkinHeaderCtrl held;
        ASSERT_TRUE(held.Create(WS_VISIBLE, RECT{0, 0, 200, 20}, &parent, 9));
        HEADERPROPERTIES record;
        skin.SetImage(record, HeaderVar::HeaderBk, L"strip.bmp", 8, 8, [](int, int) { return kStrip; });
        skin.SetImage(record, CtrlVar::BackgroundNormal, L"normal.bmp", 8, 8, [](int, int) { return kStrip; });
        ASSERT_EQ(held.ApplyProperties(&record), 0);
        held.SetButtonImages(ButtonImage(kLooks[0]), ButtonImage(kLooks[1]), ButtonImage(kLooks[2]),
                             ButtonImage(kLooks[3]));
        held.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        held.DestroyWindow();
    }
    EXPECT_EQ(LiveGdiObjects(), before);

    Make();
    const int made = LiveGdiObjects();
    GiveLookImages();
    EXPECT_EQ(header.ReleaseImages(), 0);
    EXPECT_EQ(header.ReleaseImages(), 0);
    EXPECT_EQ(LiveGdiObjects(), made);
}

} // namespace
} // namespace skin_ui_test
