// A skinned menu applies a skin menu style, rebuilds a menu resource as owner-drawn items,
// measures every item kind and draws each look; its popups share the images it owns.
#include "GdiCount.h"
#include "MenuTestSupport.h"
#include "Pixels.h"
#include "SkinUiTestIds.h"
#include "UIWndTestSupport.h"

#include "skin/model/ButtonProperties.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/controls/SkinMenu.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr COLORREF kNormalText = RGB(200, 0, 0);
constexpr COLORREF kHighlightText = RGB(0, 0, 210);
constexpr COLORREF kDisabledText = RGB(0, 150, 0);
constexpr COLORREF kHighlightBk = RGB(40, 60, 120);
constexpr COLORREF kDisabledBk = RGB(220, 220, 220);
constexpr COLORREF kBandEnd = RGB(50, 100, 150);
constexpr COLORREF kLineColor = RGB(10, 20, 30);

// Colour variables keep their kind: the value goes in as the integer it is.
void SetColour(CTRLPROPERTIES& record, int variable, COLORREF color)
{
    record.GetVar(variable).SetInt(static_cast<int>(color));
}

COLORREF Plain(int, int)
{
    return RGB(70, 140, 210);
}

class SkinMenuTest : public ::testing::Test {
protected:
    // The shipped style's shape with colours a pixel can tell apart.
    MENUPROPERTIES& Style()
    {
        MENUPROPERTIES& style = AddMenuStyle(kMenuStyleId);
        SetColour(style, MenuVar::NormalTextColor, kNormalText);
        SetColour(style, MenuVar::HighlightTextColor, kHighlightText);
        SetColour(style, MenuVar::DisabledTextColor, kDisabledText);
        SetColour(style, MenuVar::NormalBkColor, kMenuNormalBk);
        SetColour(style, MenuVar::HighlightBkColor, kHighlightBk);
        SetColour(style, MenuVar::DisabledBkColor, kDisabledBk);
        SetColour(style, MenuVar::IconAreaStartColor, kMenuBandStart);
        SetColour(style, MenuVar::IconAreaEndColor, kBandEnd);
        SetColour(style, MenuVar::SeparatorLineColor, kLineColor);
        SetNumber(style, MenuVar::MenuItemHeight, 27);
        return style;
    }

    // The image-backed variant: the normal look and the separator draw bitmap files.
    MENUPROPERTIES& ImageStyle()
    {
        MENUPROPERTIES& style = Style();
        SetEnum(style, MenuVar::NormalBkType, ValueKind::BackgroundType, kMenuBackgroundImage);
        skin.SetImage(style, MenuVar::NormalImage, L"item.bmp", 30, 20, &Plain);
        SetEnum(style, MenuVar::SeparatorBkType, ValueKind::BackgroundType, kMenuBackgroundImage);
        skin.SetImage(style, MenuVar::SeparatorImage, L"separator.bmp", 30, 5, &Plain);
        return style;
    }

    WindowSkin skin;
};

// --- Style ------------------------------------------------------------------------------

TEST_F(SkinMenuTest, AFreshMenuHasTheDefaultStyle)
{
    const CSkinMenu menu;
    const MENUMEMBER& m = menu.GetMenuMember();
    EXPECT_EQ(m.borderStyle, kMenuBorderFlat);
    EXPECT_EQ(m.flatBorderColor, 0x666666u);
    EXPECT_EQ(m.itemHeight, 23);
    EXPECT_EQ(m.normal.textColor, 0x000000u);
    EXPECT_EQ(m.highlight.textColor, 0xFFFFFFu);
    EXPECT_EQ(m.disabled.textColor, 0xA6A6A6u);
    EXPECT_EQ(m.normal.backgroundColor, 0xF7F8F9u);
    EXPECT_EQ(m.highlight.backgroundColor, 0x6A240Au);
    EXPECT_EQ(m.disabled.backgroundColor, 0xF7F8F9u);
    EXPECT_EQ(m.normal.backgroundType, kMenuBackgroundColor);
    EXPECT_EQ(m.normal.resizePoint.x, 20);
    EXPECT_EQ(m.separatorLineColor, 0xA6A6A6u);
    EXPECT_EQ(m.separatorLineLeftMargin, 2);
    EXPECT_EQ(m.iconAreaWidth, 22);
    EXPECT_EQ(m.iconAreaStartColor, 0xF7F8F9u);
    EXPECT_EQ(m.iconAreaEndColor, 0xCCD4D7u);
    EXPECT_EQ(m.titleColors[0], 0xC00000u);
}

TEST_F(SkinMenuTest, ApplyStyleTakesEveryValueOfTheSkinsMenuStyle)
{
    MENUPROPERTIES& style = Style();
    SetEnum(style, MenuVar::BorderStyle, ValueKind::MenuBorderStyle, kMenuBorderNone);
    SetColour(style, MenuVar::FlatBorderColor, RGB(1, 2, 3));
    SetNumber(style, MenuVar::SeparatorLineLeftMargin, 5);
    SetNumber(style, MenuVar::SeparatorLineRightMargin, 7);
    SetNumber(style, MenuVar::IconAreaWidth, 30);
    LOGFONTW font{};
    font.lfHeight = -15;
    font.lfWeight = 600;
    lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
    style.GetVar(MenuVar::HighlightFont).SetLogFont(font);

    CSkinMenu menu;
    EXPECT_EQ(menu.ApplyStyle(kMenuStyleId), 0);
    const MENUMEMBER& m = menu.GetMenuMember();
    EXPECT_EQ(m.borderStyle, kMenuBorderNone);
    EXPECT_EQ(m.flatBorderColor, RGB(1, 2, 3));
    EXPECT_EQ(m.itemHeight, 27);
    EXPECT_EQ(m.normal.textColor, kNormalText);
    EXPECT_EQ(m.highlight.textColor, kHighlightText);
    EXPECT_EQ(m.disabled.textColor, kDisabledText);
    EXPECT_EQ(m.normal.backgroundColor, kMenuNormalBk);
    EXPECT_EQ(m.highlight.backgroundColor, kHighlightBk);
    EXPECT_EQ(m.disabled.backgroundColor, kDisabledBk);
    EXPECT_EQ(m.highlight.font.lfHeight, -15);
    EXPECT_EQ(m.highlight.font.lfWeight, 600);
    EXPECT_EQ(m.separatorLineColor, kLineColor);
    EXPECT_EQ(m.separatorLineLeftMargin, 5);
    EXPECT_EQ(m.separatorLineRightMargin, 7);
    EXPECT_EQ(m.iconAreaWidth, 30);
    EXPECT_EQ(m.iconAreaStartColor, kMenuBandStart);
    EXPECT_EQ(m.iconAreaEndColor, kBandEnd);
}

TEST_F(SkinMenuTest, AValueOfTheWrongKindReadsAsMinusOne)
{
    MENUPROPERTIES& style = Style();
    SetText(style, MenuVar::MenuItemHeight, L"tall");
    SetText(style, MenuVar::IconAreaStartColor, L"grey");
    CSkinMenu menu;
    EXPECT_EQ(menu.ApplyStyle(kMenuStyleId), 0);
    EXPECT_EQ(menu.GetMenuMember().itemHeight, -1);
    EXPECT_EQ(menu.GetMenuMember().iconAreaStartColor, CLR_INVALID);
}

TEST_F(SkinMenuTest, StylesAreRefusedOnceLoadedAndForMissingOrForeignRecords)
{
    Style();
    BTNPROPERTIES button;
    CSkinMenu menu;
    EXPECT_EQ(menu.ApplyStyle(L"IDR_MENU_NONE"), -2);
    EXPECT_EQ(menu.ApplyProperties(nullptr), -2);
    EXPECT_EQ(menu.ApplyProperties(&button), -3);
    EXPECT_EQ(menu.GetMenuMember().itemHeight, 23);   // nothing applied

    ASSERT_TRUE(menu.LoadMenu(IDM_TEST_MENU));
    EXPECT_EQ(menu.ApplyStyle(kMenuStyleId), -1);
    EXPECT_EQ(menu.GetMenuMember().itemHeight, 23);
}

// --- Loading ----------------------------------------------------------------------------

TEST_F(SkinMenuTest, LoadMenuRebuildsTheResourceAsOwnerDrawnItems)
{
    Style();
    CSkinMenu menu;
    ASSERT_EQ(menu.ApplyStyle(kMenuStyleId), 0);
    ASSERT_TRUE(menu.LoadMenu(IDM_TEST_MENU));
    EXPECT_FALSE(menu.LoadMenu(IDM_TEST_MENU));   // one menu per object

    const HMENU mainHandle = ::GetSubMenu(menu, 0);
    auto* const main = dynamic_cast<CSkinMenu*>(CMenu::FromHandlePermanent(mainHandle));
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->GetMenuMember().itemHeight, 27);   // the popup has the loaded style
    ASSERT_EQ(::GetMenuItemCount(mainHandle), 6);

    struct Row {
        int position;
        UINT id;
        UINT state;   // MF_ bits the system reports, of those in `mask`
        UINT mask;
        LPCWSTR text;
        bool separator;
    };
    const UINT all = MF_OWNERDRAW | MF_GRAYED | MF_CHECKED | MF_SEPARATOR;
    const Row rows[] = {
        {0, ID_TEST_OPEN, MF_OWNERDRAW, all, L"&Open\tCtrl+O", false},
        {1, ID_TEST_GRAYED, MF_OWNERDRAW | MF_GRAYED, all, L"Grayed", false},
        {2, ID_TEST_CHECKED, MF_OWNERDRAW, all, L"Checked", false},   // the check is not carried
        // The system reports a separator as grayed of its own accord.
        {3, 0, MF_OWNERDRAW | MF_SEPARATOR, all & ~MF_GRAYED, L"", true},
        {5, ID_TEST_EXIT, MF_OWNERDRAW, all, L"Exit", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.position);
        EXPECT_EQ(::GetMenuItemID(mainHandle, row.position), row.id);
        EXPECT_EQ(::GetMenuState(mainHandle, row.position, MF_BYPOSITION) & row.mask, row.state);
        const auto* record = reinterpret_cast<const CSkinMenuItem*>(ItemData(mainHandle, row.position));
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->signature, kSkinMenuItemSignature);
        EXPECT_EQ(record->separator, row.separator);
        EXPECT_EQ(std::wstring(record->text), row.text);
        EXPECT_EQ(record->extent, 16);
    }

    const HMENU moreHandle = ::GetSubMenu(mainHandle, 4);
    auto* const more = dynamic_cast<CSkinMenu*>(CMenu::FromHandlePermanent(moreHandle));
    ASSERT_NE(more, nullptr);
    const auto* popupItem = reinterpret_cast<const CSkinMenuItem*>(ItemData(mainHandle, 4));
    EXPECT_EQ(popupItem->id, 5u);   // its 1-based position
    EXPECT_EQ(popupItem->subMenu, more);
    EXPECT_EQ(std::wstring(popupItem->text), L"More");
    EXPECT_EQ(::GetMenuItemID(moreHandle, 0), static_cast<UINT>(ID_TEST_INNER));
    EXPECT_EQ(CMenu::FindPopupMenuFromID(menu, ID_TEST_INNER), more);
}

TEST_F(SkinMenuTest, AMissingResourceLoadsNothing)
{
    CSkinMenu menu;
    EXPECT_FALSE(menu.LoadMenu(999));
    EXPECT_EQ(menu.GetSafeHmenu(), nullptr);
}

TEST_F(SkinMenuTest, PopupsShareTheImagesTheLoadedMenuOwns)
{
    MENUPROPERTIES& style = ImageStyle();
    ::DeleteObject(MakeBitmap(2, 2, Tag));   // the screen DC's one-time objects
    {
        CSkinMenu warm;   // loads the files once into the style record
        ASSERT_EQ(warm.ApplyStyle(kMenuStyleId), 0);
    }
    const HBITMAP cached = static_cast<HBITMAP>(LongToHandle(style.GetVar(MenuVar::NormalRunTime).GetInt()));
    ASSERT_EQ(::GetObjectType(cached), static_cast<DWORD>(OBJ_BITMAP));
    const int before = LiveGdiObjects();
    {
        // Later menus of the style use what the record keeps, even with the file gone.
        ASSERT_TRUE(::DeleteFileW(skin.Path(L"item.bmp").c_str()));
        CSkinMenu menu;
        ASSERT_EQ(menu.ApplyStyle(kMenuStyleId), 0);
        const HBITMAP own = menu.GetMenuMember().normal.image;
        ASSERT_NE(own, nullptr);
        EXPECT_NE(own, cached);   // a copy of its own
        SIZE size{};
        EXPECT_EQ(GetBitmapSize(own, size), 0);
        EXPECT_EQ(size.cx, 30);
        ASSERT_TRUE(menu.LoadMenu(IDM_TEST_MENU));
        auto* const main = static_cast<CSkinMenu*>(CMenu::FromHandlePermanent(::GetSubMenu(menu, 0)));
        auto* const more = static_cast<CSkinMenu*>(CMenu::FromHandlePermanent(::GetSubMenu(*main, 4)));
        EXPECT_EQ(main->GetMenuMember().normal.image, own);
        EXPECT_EQ(more->GetMenuMember().separatorImage, menu.GetMenuMember().separatorImage);

        main->ReleaseImages();   // a popup lets go without deleting
        EXPECT_EQ(main->GetMenuMember().normal.image, nullptr);
        EXPECT_EQ(::GetObjectType(own), static_cast<DWORD>(OBJ_BITMAP));
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(SkinMenuTest, AStyledMenuThatNeverLoadedStillReleasesItsImages)
{
    ImageStyle();
    ::DeleteObject(MakeBitmap(2, 2, Tag));
    {
        CSkinMenu warm;
        ASSERT_EQ(warm.ApplyStyle(kMenuStyleId), 0);
    }
    const int before = LiveGdiObjects();
    {
        CSkinMenu menu;
        ASSERT_EQ(menu.ApplyStyle(kMenuStyleId), 0);
        EXPECT_EQ(LiveGdiObjects(), before + 2);
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

// --- Measuring --------------------------------------------------------------------------

// A menu built item by item, as LoadMenu builds it.
class BuiltMenu : public CSkinMenu {
public:
    BuiltMenu()
    {
        EXPECT_EQ(ApplyStyle(kMenuStyleId), 0);
        EXPECT_TRUE(CreatePopupMenu());
    }

    // What DrawItemString was handed, with the font then selected.
    struct Drawn {
        std::wstring text;
        COLORREF color;
        LONG weight;
        RECT rect;
    };
    std::vector<Drawn> strings;

    int DrawItemString(CDC* dc, RECT rect, const CString& text, COLORREF color) override
    {
        LOGFONTW font{};
        ::GetObjectW(::GetCurrentObject(*dc, OBJ_FONT), sizeof(font), &font);
        strings.push_back({std::wstring(text), color, font.lfWeight, rect});
        return CSkinMenu::DrawItemString(dc, rect, text, color);
    }
};

MEASUREITEMSTRUCT Measure(CSkinMenu& menu, ULONG_PTR data, UINT type = ODT_MENU)
{
    MEASUREITEMSTRUCT item{};
    item.CtlType = type;
    item.itemData = data;
    item.itemWidth = 777;
    item.itemHeight = 777;
    menu.MeasureItem(&item);
    return item;
}

TEST_F(SkinMenuTest, EveryItemKindMeasuresAsTheStyleSays)
{
    Style();
    BuiltMenu menu;
    ASSERT_TRUE(menu.AppendTextItem(FALSE, 1, L""));
    ASSERT_TRUE(menu.AppendTextItem(FALSE, 2, L"Some longer text"));
    ASSERT_TRUE(menu.AppendSeparatorItem());
    ASSERT_TRUE(menu.AppendTextItem(FALSE, 3, L"Title"));
    reinterpret_cast<CSkinMenuItem*>(ItemData(menu, 3))->title = true;

    const int check = ::GetSystemMetrics(SM_CXMENUCHECK);
    const int emptyText = 2 * 16 + 18 + 1 - check;
    struct Row {
        int position;
        bool exact;   // else: wider than the empty text item
        int width;
        UINT height;
    };
    const Row rows[] = {
        {0, true, emptyText, 27},
        {1, false, emptyText, 27},
        {2, true, 1 - check, static_cast<UINT>(::GetSystemMetrics(SM_CYMENUCHECK) / 2)},
        {3, true, 16 + 1 - check, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.position);
        const MEASUREITEMSTRUCT item = Measure(menu, ItemData(menu, row.position));
        if (row.exact) {
            EXPECT_EQ(static_cast<int>(item.itemWidth), row.width);
        } else {
            EXPECT_GT(static_cast<int>(item.itemWidth), row.width);
        }
        EXPECT_EQ(item.itemHeight, row.height);
    }
}

TEST_F(SkinMenuTest, AnImageSeparatorMeasuresAsItsImageIsHigh)
{
    ImageStyle();
    BuiltMenu menu;
    ASSERT_TRUE(menu.AppendSeparatorItem());
    EXPECT_EQ(Measure(menu, ItemData(menu, 0)).itemHeight, 5u);
}

TEST_F(SkinMenuTest, ItemsThatAreNotItsOwnAreLeftAlone)
{
    Style();
    BuiltMenu menu;
    BuiltMenu other;
    ASSERT_TRUE(menu.AppendTextItem(FALSE, 1, L"mine"));
    ASSERT_TRUE(other.AppendTextItem(FALSE, 1, L"theirs"));
    const ULONG_PTR foreign[] = {0xBEEF, ItemData(other, 0), 0};
    for (const ULONG_PTR data : foreign) {
        const MEASUREITEMSTRUCT item = Measure(menu, data);
        EXPECT_EQ(item.itemHeight, 777u);
        EXPECT_EQ(item.itemWidth, 777u);
    }
    EXPECT_EQ(Measure(menu, ItemData(menu, 0), ODT_BUTTON).itemHeight, 777u);

    Canvas canvas(60, 20);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.hDC = canvas.Dc();
    draw.rcItem = {0, 0, 60, 20};
    draw.itemData = 0xBEEF;
    menu.DrawItem(&draw);
    EXPECT_EQ(canvas.At(30, 10), Canvas::kFill);
}

// --- Drawing ----------------------------------------------------------------------------

constexpr int kItemW = 200;
constexpr int kItemH = 27;

DRAWITEMSTRUCT DrawStruct(HDC dc, ULONG_PTR data, UINT state)
{
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.hDC = dc;
    item.rcItem = {0, 0, kItemW - 3, kItemH};   // drawing widens it by 3
    item.itemData = data;
    item.itemState = state;
    return item;
}

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// How many pixels of (left, top) - (right, bottom) differ from `background`.
int Ink(const Canvas& canvas, int left, int top, int right, int bottom, COLORREF background)
{
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x)
            count += canvas.At(x, y) != background;
    }
    return count;
}

TEST_F(SkinMenuTest, EachLookPaintsItsBackgroundAndTheIconAreaBand)
{
    Style();
    BuiltMenu menu;
    ASSERT_TRUE(menu.AppendTextItem(FALSE, 1, L"Item"));
    struct Row {
        const char* name;
        UINT state;
        COLORREF background;
        bool band;   // the icon area shows the gradient
    };
    const Row rows[] = {
        {"normal", 0, kMenuNormalBk, true},
        {"selected", ODS_SELECTED, kHighlightBk, false},
        {"grayed", ODS_GRAYED, kDisabledBk, true},
        {"grayed and selected", ODS_GRAYED | ODS_SELECTED, kDisabledBk, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(kItemW, kItemH);
        DRAWITEMSTRUCT item = DrawStruct(canvas.Dc(), ItemData(menu, 0), row.state);
        menu.DrawItem(&item);
        EXPECT_EQ(canvas.At(120, 1), row.background);
        EXPECT_EQ(canvas.At(kItemW - 1, 1), row.background);   // the widened right edge
        if (row.band) {
            // Start colour at the left edge, running to the end colour at the band's right.
            EXPECT_EQ(canvas.At(0, 13), kMenuBandStart);
            EXPECT_TRUE(Near(canvas.At(21, 13), kBandEnd, 12));
            EXPECT_FALSE(Near(canvas.At(10, 13), kMenuBandStart, 12));
            EXPECT_EQ(canvas.At(22, 1), row.background);
        } else {
            EXPECT_EQ(canvas.At(0, 13), row.background);
            EXPECT_EQ(canvas.At(21, 13), row.background);
        }
    }
}

TEST_F(SkinMenuTest, TheTextTakesItsLooksColourAndTheDefaultItemIsBold)
{
    Style();
    BuiltMenu menu;
    ASSERT_TRUE(menu.AppendTextItem(FALSE, 1, L"Item"));
    struct Row {
        const char* name;
        UINT state;
        COLORREF color;
        LONG weight;
    };
    const Row rows[] = {
        {"normal", 0, kNormalText, FW_NORMAL},
        {"selected", ODS_SELECTED, kHighlightText, FW_NORMAL},
        {"grayed", ODS_GRAYED, kDisabledText, FW_NORMAL},
        {"default", ODS_DEFAULT, kNormalText, FW_BOLD},
        {"default and selected", ODS_DEFAULT | ODS_SELECTED, kHighlightText, FW_BOLD},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        menu.strings.clear();
        Canvas canvas(kItemW, kItemH);
        DRAWITEMSTRUCT item = DrawStruct(canvas.Dc(), ItemData(menu, 0), row.state);
        menu.DrawItem(&item);
        ASSERT_EQ(menu.strings.size(), 1u);
        EXPECT_EQ(menu.strings[0].text, L"Item");
        EXPECT_EQ(menu.strings[0].color, row.color);
        // The style's fonts are all zero: the default weight, bold for the default item.
        EXPECT_EQ(menu.strings[0].weight == FW_BOLD, row.weight == FW_BOLD);
        // The text starts after the icon area and ends short of the reserved extent.
        EXPECT_EQ(menu.strings[0].rect.left, 22 + 3);
        EXPECT_EQ(menu.strings[0].rect.right, kItemW - 16 + 10);
        EXPECT_GT(Ink(canvas, 25, 0, 80, kItemH, canvas.At(120, 1)), 0);
    }
}

TEST_F(SkinMenuTest, TheAcceleratorAfterATabIsRightAligned)
{
    Style();
    BuiltMenu menu;
    ASSERT_TRUE(menu.AppendTextItem(FALSE, 1, L"Open\tCtrl+O"));
    ASSERT_TRUE(menu.AppendTextItem(FALSE, 2, L"Open Ctrl+O"));
    const int textRight = kItemW - 16 + 10;
    struct Row {
        int position;
        bool rightInk;
    };
    for (const Row row : {Row{0, true}, Row{1, false}}) {
        SCOPED_TRACE(row.position);
        Canvas canvas(kItemW, kItemH);
        DRAWITEMSTRUCT item = DrawStruct(canvas.Dc(), ItemData(menu, row.position), 0);
        menu.DrawItem(&item);
        EXPECT_GT(Ink(canvas, 25, 0, 60, kItemH, kMenuNormalBk), 0);             // the text before it
        EXPECT_EQ(Ink(canvas, 120, 0, textRight - 60, kItemH, kMenuNormalBk), 0);   // a gap
        EXPECT_EQ(Ink(canvas, textRight - 30, 0, textRight, kItemH, kMenuNormalBk) > 0, row.rightInk);
    }
}

TEST_F(SkinMenuTest, ACheckedItemGetsAFramedLighterIconAreaWithAMark)
{
    Style();
    BuiltMenu menu;
    ASSERT_TRUE(menu.AppendTextItem(FALSE, 1, L""));
    Canvas canvas(kItemW, kItemH);
    DRAWITEMSTRUCT item = DrawStruct(canvas.Dc(), ItemData(menu, 0), ODS_CHECKED);
    menu.DrawItem(&item);
    const COLORREF lighter = RGB(242, 242, 202);
    EXPECT_EQ(canvas.At(1, 1), lighter);                        // inside the sunken edge
    EXPECT_NE(canvas.At(0, 0), lighter);                        // the edge itself
    EXPECT_GT(Ink(canvas, 2, 2, 20, kItemH - 2, lighter), 0);   // the mark
    EXPECT_EQ(canvas.At(120, 1), kMenuNormalBk);

    Canvas plain(kItemW, kItemH);
    DRAWITEMSTRUCT unchecked = DrawStruct(plain.Dc(), ItemData(menu, 0), 0);
    menu.DrawItem(&unchecked);
    EXPECT_EQ(plain.At(0, 1), kMenuBandStart);
}

TEST_F(SkinMenuTest, ASeparatorIsALineAfterTheIconArea)
{
    Style();
    BuiltMenu menu;
    ASSERT_TRUE(menu.AppendSeparatorItem());
    const int h = 7;
    Canvas canvas(kItemW, h);
    DRAWITEMSTRUCT item = DrawStruct(canvas.Dc(), ItemData(menu, 0), 0);
    item.rcItem.bottom = h;
    menu.DrawItem(&item);
    const int y = h / 2;
    EXPECT_EQ(canvas.At(0, y), kMenuBandStart);
    EXPECT_EQ(canvas.At(22 + 1, y), kMenuNormalBk);        // the left margin
    EXPECT_EQ(canvas.At(22 + 2, y), kLineColor);
    EXPECT_EQ(canvas.At(kItemW - 3, y), kLineColor);
    EXPECT_EQ(canvas.At(kItemW - 2, y), kMenuNormalBk);    // the right margin
    EXPECT_EQ(canvas.At(100, y - 1), kMenuNormalBk);
    EXPECT_EQ(canvas.At(100, y + 1), kMenuNormalBk);
}

TEST_F(SkinMenuTest, AnImageLookIsDrawnFromItsBitmap)
{
    ImageStyle();
    BuiltMenu menu;
    ASSERT_TRUE(menu.AppendTextItem(FALSE, 1, L""));
    ASSERT_TRUE(menu.AppendSeparatorItem());
    Canvas canvas(kItemW, kItemH);
    DRAWITEMSTRUCT item = DrawStruct(canvas.Dc(), ItemData(menu, 0), 0);
    menu.DrawItem(&item);
    EXPECT_EQ(canvas.At(0, 0), Plain(0, 0));
    EXPECT_EQ(canvas.At(kItemW - 1, kItemH - 1), Plain(0, 0));

    Canvas line(kItemW, 5);
    DRAWITEMSTRUCT separator = DrawStruct(line.Dc(), ItemData(menu, 1), 0);
    separator.rcItem.bottom = 5;
    menu.DrawItem(&separator);
    EXPECT_EQ(line.At(100, 2), Plain(0, 0));
}

TEST_F(SkinMenuTest, DrawingMakesNothingItKeepsNotAndLeavesTheDcAsItWas)
{
    Style();
    BuiltMenu menu;
    ASSERT_TRUE(menu.AppendTextItem(FALSE, 1, L"Item"));
    ASSERT_TRUE(menu.AppendSeparatorItem());
    Canvas canvas(kItemW, kItemH);
    const auto draw = [&](int position, UINT state) {
        DRAWITEMSTRUCT item = DrawStruct(canvas.Dc(), ItemData(menu, position), state);
        menu.DrawItem(&item);
    };
    const UINT states[] = {0, ODS_SELECTED, ODS_GRAYED, ODS_CHECKED, ODS_DEFAULT};
    for (const UINT state : states)   // fonts, band and pen are made once and kept
        draw(0, state);
    draw(1, 0);
    const HGDIOBJ font = ::GetCurrentObject(canvas.Dc(), OBJ_FONT);
    const HGDIOBJ pen = ::GetCurrentObject(canvas.Dc(), OBJ_PEN);
    const COLORREF text = ::GetTextColor(canvas.Dc());
    const COLORREF back = ::GetBkColor(canvas.Dc());
    const int mode = ::GetBkMode(canvas.Dc());
    const int before = LiveGdiObjects();
    for (const UINT state : states)
        draw(0, state);
    draw(1, 0);
    EXPECT_EQ(LiveGdiObjects(), before);
    EXPECT_EQ(::GetCurrentObject(canvas.Dc(), OBJ_FONT), font);
    EXPECT_EQ(::GetCurrentObject(canvas.Dc(), OBJ_PEN), pen);
    EXPECT_EQ(::GetTextColor(canvas.Dc()), text);
    EXPECT_EQ(::GetBkColor(canvas.Dc()), back);
    EXPECT_EQ(::GetBkMode(canvas.Dc()), mode);
}

} // namespace
} // namespace skin_ui_test
