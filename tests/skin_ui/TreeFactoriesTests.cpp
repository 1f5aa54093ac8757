// The factories of the skinned tree and the stand-alone skinned scroll bar: each makes its
// control where the record says, applies the record or style, and the tree takes the parts
// of the window's backgrounds under it, which the window releases once as it goes.
#include "GdiCount.h"
#include "UIWndTestSupport.h"

#include "skin/model/MiscControlProperties.h"
#include "skin/model/SliderProperties.h"
#include "skin/model/TreeProperties.h"
#include "skin/ui/controls/ScrollBarEx.h"
#include "skin/ui/controls/SkinTreeCtrl.h"
#include "skin/ui/factories/ControlKinds.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kTreeWindowId = 3900;

class TreeFactoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSkinControlKinds();
        window = &skin.AddWindow(L"IDW_TREES", kTreeWindowId);
        skin.SetImage(*window, CtrlVar::BackgroundNormal, L"bk.bmp", 300, 200, &Tag);
    }

    WindowSkin skin;
    UIWNDPROPERTIES* window = nullptr;
};

TEST_F(TreeFactoryTest, TreeAndScrollBarAreMadeFromTheirRecords)
{
    TREECTRLPROPERTIES& tree = skin.AddControl<TREECTRLPROPERTIES>(*window, L"IDC_TREE", 3901, {10, 10, 110, 150});
    SetSwitch(tree, CtrlVar::IsVisible, true);
    SetSwitch(tree, TreeVar::IsHasButtons, true);
    SetSwitch(tree, TreeVar::IsScroll, false);

    auto style = std::make_unique<VERSBPROPERTIES>();
    style->GetVar(CtrlVar::ID).SetString(L"IDR_VER_SB_1");
    style->GetVar(ScrollBarStyleVar::LeftUpButtonSize).SetInt(20);
    ASSERT_GE(g_skinStore.AddStyle(StyleKind::VerScrollBar, style.get()), 0);
    style.release();
    SBEXPROPERTIES& bar = skin.AddControl<SBEXPROPERTIES>(*window, L"IDC_BAR", 3902, {120, 10, 137, 140});
    SetSwitch(bar, SbVar::IsVertical, true);
    SetText(bar, SbVar::VerticalScrollbarStyleID, L"IDR_VER_SB_1");

    TestUIWnd wnd(kTreeWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 0));
    const std::vector<ChildControlRecord>& children = wnd.GetChildControls();
    ASSERT_EQ(children.size(), 2u);

    auto* const made = dynamic_cast<CSkinTreeCtrl*>(children[0].window);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetDlgCtrlID(), 3901);
    EXPECT_EQ(CRect(ChildRect(wnd, *made)), CRect(10, 10, 110, 150));
    const DWORD treeStyle = made->GetStyle();
    EXPECT_TRUE(treeStyle & WS_VISIBLE);
    EXPECT_TRUE(treeStyle & TVS_HASBUTTONS);
    EXPECT_TRUE(treeStyle & TVS_NOSCROLL);

    auto* const scroll = dynamic_cast<CScrollBarEx*>(children[1].window);
    ASSERT_NE(scroll, nullptr);
    EXPECT_TRUE(scroll->IsVertical());
    EXPECT_EQ(scroll->GetDlgCtrlID(), 3902);
    EXPECT_EQ(scroll->GetPartRects().leftUp.bottom, 20) << "the style named for the vertical bar";
}

TEST_F(TreeFactoryTest, TheTreesBackgroundPartsAreReleasedOnceWithTheWindow)
{
    skin.AddControl<TREECTRLPROPERTIES>(*window, L"IDC_TREE", 3901, {10, 10, 110, 150});
    // The first run also makes what the system keeps for every tree view of the process.
    EXPECT_EQ(GdiObjectsLeftBy([&] {
        TestUIWnd wnd(kTreeWindowId);
        ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 0));
        auto* const tree = dynamic_cast<CSkinTreeCtrl*>(wnd.GetChildControls().at(0).window);
        ASSERT_NE(tree, nullptr);
        tree->InsertItem(L"Item");
        // The part under the tree is its background: its top-left pixel is the window's (10, 10).
        Canvas canvas(100, 140);
        tree->DrawBackground(canvas.Cdc());
        EXPECT_EQ(canvas.At(0, 0), Tag(10, 10));
        wnd.DestroyWindow();
    }), 0);
}

} // namespace
} // namespace skin_ui_test
