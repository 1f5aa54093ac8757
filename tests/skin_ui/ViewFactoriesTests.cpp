// The factories of the views: the thumbnail view, HTML view, date-time picker and wave graph
// are made from their records where the records say, set up as the records ask, take the
// parts of the window's background under them, and give back everything with the window.
#include "GdiCount.h"
#include "UIWndTestSupport.h"

#include "skin/model/MiscControlProperties.h"
#include "skin/model/SliderProperties.h"
#include "skin/ui/controls/HtmlCtrl.h"
#include "skin/ui/controls/ScrollBarEx.h"
#include "skin/ui/controls/SkinDateTimeCtrl.h"
#include "skin/ui/controls/ThumbnailCtrl.h"
#include "skin/ui/controls/WaveCtrl.h"
#include "skin/ui/factories/ControlKinds.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kViewWindowId = 4100;
constexpr COLORREF kItemBk = RGB(10, 120, 230);

class ViewFactoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSkinControlKinds();
        window = &skin.AddWindow(L"IDW_VIEWS", kViewWindowId);
        skin.SetImage(*window, CtrlVar::BackgroundNormal, L"bk.bmp", 600, 400, &Tag);
    }

    THMPROPERTIES& AddThumbnails(RECT rect = {10, 10, 340, 260})
    {
        THMPROPERTIES& record = skin.AddControl<THMPROPERTIES>(*window, L"IDC_THUMBS", 4101, rect);
        const int kBackgrounds[] = {ThmVar::ItemBkN, ThmVar::ItemBkH, ThmVar::ItemBkS, ThmVar::ItemBkD};
        const LPCWSTR kFiles[] = {L"n.bmp", L"h.bmp", L"s.bmp", L"d.bmp"};
        for (int i = 0; i < 4; ++i)
            skin.SetImage(record, kBackgrounds[i], kFiles[i], 80, 60, [](int, int) { return kItemBk; });
        SetNumber(record, ThmVar::TotalWidth, 100);
        SetNumber(record, ThmVar::TotalHeight, 100);
        const int kParts[] = {ThmVar::ThmRectLeftN, ThmVar::ThmRectLeftH, ThmVar::LblRectLeftN, ThmVar::LblRectLeftH};
        for (int part : kParts) {
            SetNumber(record, part, 0);
            SetNumber(record, part + 1, 0);
            SetNumber(record, part + 2, 80);
            SetNumber(record, part + 3, 40);
        }
        return record;
    }

    WindowSkin skin;
    UIWNDPROPERTIES* window = nullptr;
};

TEST_F(ViewFactoryTest, EachViewIsMadeWhereItsRecordSaysAsTheKindItNames)
{
    THMPROPERTIES& thumbs = AddThumbnails();
    SetSwitch(thumbs, CtrlVar::IsVisible, true);
    SetSwitch(thumbs, CtrlVar::IsDisabled, true);
    skin.AddControl<HTMLCTRLPROPERTIES>(*window, L"IDC_PAGE", 4102, {350, 10, 590, 150});
    skin.AddControl<DATETIMECTRLPROPERTIES>(*window, L"IDC_WHEN", 4103, {350, 160, 590, 184});
    skin.AddControl<WAVECTRLPROPERTIES>(*window, L"IDC_WAVE", 4104, {350, 200, 590, 390});

    TestUIWnd wnd(kViewWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 0));
    const std::vector<ChildControlRecord>& children = wnd.GetChildControls();
    ASSERT_EQ(children.size(), 4u);
    const struct {
        const CRuntimeClass* cls;
        int id;
        RECT rect;
    } kExpected[] = {
        {RUNTIME_CLASS(CThumbnailCtrl), 4101, {10, 10, 340, 260}},
        {RUNTIME_CLASS(CHtmlCtrl), 4102, {350, 10, 590, 150}},
        {RUNTIME_CLASS(CSkinDateTimeCtrl), 4103, {350, 160, 590, 184}},
        {RUNTIME_CLASS(CWaveCtrl), 4104, {350, 200, 590, 390}},
    };
    for (size_t i = 0; i < std::size(kExpected); ++i) {
        CWnd* const made = children[i].window;
        ASSERT_NE(made, nullptr) << i;
        EXPECT_TRUE(made->IsKindOf(kExpected[i].cls)) << i;
        EXPECT_EQ(made->GetDlgCtrlID(), kExpected[i].id) << i;
        EXPECT_EQ(CRect(ChildRect(wnd, *made)), CRect(kExpected[i].rect)) << i;
        EXPECT_TRUE(made->GetStyle() & WS_CHILD) << i;
    }
    EXPECT_EQ(children[0].window->GetStyle() & (WS_VISIBLE | WS_DISABLED), static_cast<DWORD>(WS_VISIBLE | WS_DISABLED));
    auto* const page = static_cast<CHtmlCtrl*>(children[1].window);
    EXPECT_TRUE(FAILED(page->GetBrowserResult())) << "no HTML engine here: an empty child";
}

TEST_F(ViewFactoryTest, TheThumbnailViewIsSetUpFromItsRecordAndPaintsOverTheWindowsBackground)
{
    THMPROPERTIES& record = AddThumbnails();
    SetSwitch(record, CtrlVar::IsSpecifyImages, true);   // its part is cut all the same
    SetSwitch(record, ThmVar::IsHoldCtrlKey, true);
    auto style = std::make_unique<VERSBPROPERTIES>();
    SetText(*style, CtrlVar::ID, L"IDR_VER_SB_THUMBS");
    SetNumber(*style, ScrollBarStyleVar::LeftUpButtonSize, 20);
    ASSERT_GE(g_skinStore.AddStyle(StyleKind::VerScrollBar, style.get()), 0);
    style.release();
    SetText(record, ThmVar::VerticalScrollbarResID, L"IDR_VER_SB_THUMBS");

    TestUIWnd wnd(kViewWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 0));
    auto* const view = dynamic_cast<CThumbnailCtrl*>(wnd.GetChildControls().at(0).window);
    ASSERT_NE(view, nullptr);
    for (int i = 0; i < 12; ++i)
        view->InsertItem(i, L"item");
    RECT image{};
    ASSERT_TRUE(view->GetItemRect(0, CThumbnailCtrl::kPartImage, &image));
    EXPECT_EQ(image.right - image.left, 80) << "the normal item background's size";
    EXPECT_EQ(image.bottom - image.top, 60);
    EXPECT_EQ(view->GetScrollBar().GetPartRects().leftUp.bottom, 20) << "the style the record names";

    Canvas canvas(314, 250);
    view->DrawView(canvas.Cdc());
    EXPECT_EQ(canvas.At(image.left + 3, image.top + 3), kItemBk) << "the item background file";
    EXPECT_EQ(canvas.At(1, 1), Tag(11, 11)) << "the window's background under the view";

    // Ctrl-click mode: two plain clicks select two items.
    for (int index : {0, 1}) {
        RECT area{};
        view->GetItemRect(index, CThumbnailCtrl::kPartImage, &area);
        view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(area.left + 5, area.top + 5));
        view->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(area.left + 5, area.top + 5));
    }
    EXPECT_EQ(view->GetSelectedCount(), 2u);
}

TEST_F(ViewFactoryTest, ZeroItemSizesOrListStyleLeaveTheViewMadeButWithoutCells)
{
    THMPROPERTIES& zero = AddThumbnails();
    SetNumber(zero, ThmVar::TotalWidth, 0);
    THMPROPERTIES& list = skin.AddControl<THMPROPERTIES>(*window, L"IDC_ROWS", 4105, {350, 10, 550, 110});
    SetSwitch(list, ThmVar::IsListStyle, true);
    SetNumber(list, ThmVar::TotalHeight, 25);

    TestUIWnd wnd(kViewWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 0));
    auto* const cells = dynamic_cast<CThumbnailCtrl*>(wnd.GetChildControls().at(0).window);
    auto* const rows = dynamic_cast<CThumbnailCtrl*>(wnd.GetChildControls().at(1).window);
    ASSERT_NE(cells, nullptr);
    ASSERT_NE(rows, nullptr);
    cells->InsertItem(0, L"item");
    EXPECT_EQ(cells->HitTest(POINT{50, 50}), -1) << "a cell width of 0 was refused";
    for (int i = 0; i < 3; ++i)
        rows->InsertItem(i, L"row");
    RECT row{};
    ASSERT_TRUE(rows->GetItemRect(2, CThumbnailCtrl::kPartCell, &row));
    EXPECT_EQ(CRect(row), CRect(0, 50, 200, 75)) << "rows of the record's height";
}

TEST_F(ViewFactoryTest, TheWaveGraphTakesItsRecordAndTheNormalPartAndEverythingGoesWithTheWindow)
{
    WAVECTRLPROPERTIES& record = skin.AddControl<WAVECTRLPROPERTIES>(*window, L"IDC_WAVE", 4104, {100, 50, 300, 250});
    SetNumber(record, WaveVar::InfoAreaWidth, 40);
    AddThumbnails({350, 10, 580, 300});
    skin.AddControl<HTMLCTRLPROPERTIES>(*window, L"IDC_PAGE", 4102, {10, 300, 90, 390});

    EXPECT_EQ(GdiObjectsLeftBy([&] {
        TestUIWnd wnd(kViewWindowId);
        ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 0));
        auto* const wave = dynamic_cast<CWaveCtrl*>(wnd.GetChildControls().at(0).window);
        ASSERT_NE(wave, nullptr);
        EXPECT_EQ(wave->GetScale().infoWidth, 40);
        Canvas canvas(200, 200);
        wave->DrawView(canvas.Cdc());
        EXPECT_EQ(canvas.At(20, 100), Tag(120, 150)) << "the window's background in the information area";
        wnd.UpdateWindow();
        wnd.DestroyWindow();
    }), 0);
}

} // namespace
} // namespace skin_ui_test
