// The splitter bar: it takes over its parent window's procedure to follow the mouse, asks
// the pane beside it and then the parent where it may go while it is dragged, tells them
// where it went, and lets go of the parent when either goes. A pane that is a skinned
// window keeps its minimum width by the layout rules.
#include "ControlTestSupport.h"
#include "TestWindow.h"
#include "UIWndTestSupport.h"

#include "skin/ui/SkinMessages.h"
#include "skin/ui/SplitterBar.h"
#include "skin/ui/UIWndGeometry.h"
#include "skin/ui/WndProcRegistry.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kPaneId = 3700;

// A plain window that holds a splitter and notes what the splitter tells it.
class HostWnd : public CWnd {
public:
    struct Told {
        UINT message;
        int side;
    };

    bool Make()
    {
        return CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr,
                        nullptr) != FALSE;
    }

    std::vector<Told> told;
    bool propertiesGoneAtNcDestroy = false;
    bool sawNcDestroy = false;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_VXL_SPLITTERMOVING || message == WM_VXL_SPLITTERMOVED)
            told.push_back({message, reinterpret_cast<const SplitterMoveRecord*>(lParam)->side});
        if (message == WM_NCDESTROY) {
            sawNcDestroy = true;
            propertiesGoneAtNcDestroy = !::GetPropW(m_hWnd, kSplitterProperty) &&
                                        !::GetPropW(m_hWnd, kOldWndProcListProperty);
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

RECT ScreenRect(HWND window, RECT rect)
{
    ::MapWindowPoints(window, nullptr, reinterpret_cast<LPPOINT>(&rect), 2);
    return rect;
}

class SplitterBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A pane 60 pixels wide by design, so it may not be narrower than that.
        UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_PANE", kPaneId);
        skin.SetImage(window, CtrlVar::BackgroundNormal, L"pane.bmp", 60, 100, &Tag);
        ASSERT_TRUE(host.Make());
        originalProcedure = ProcedureOf(host);
        ASSERT_TRUE(pane.Create(0, WS_CHILD | WS_VISIBLE, &host, 1, 0));
        pane.MoveWindow(0, 0, 100, 100);
        ASSERT_TRUE(bar.Create(nullptr, WS_CHILD, {100, 0, 104, 100}, &host, 77));
    }

    RECT BarRect() const
    {
        RECT rect;
        bar.GetRect(rect);
        return rect;
    }

    WindowSkin skin;
    TestControlKinds kinds;
    HostWnd host;
    TestUIWnd pane{kPaneId};
    CSplitterBar bar;
    WNDPROC originalProcedure = nullptr;
};

TEST_F(SplitterBarTest, ADragMovesThePaneWithinItsMinimumWidthAndTheBarStaysWhereItWasDropped)
{
    bar.SetPane(&pane, CSplitterBar::kLeft);
    host.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(102, 50));
    EXPECT_TRUE(bar.IsDragging());
    EXPECT_EQ(::GetCapture(), host.GetSafeHwnd());

    host.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(132, 50));   // 30 to the right: accepted
    EXPECT_EQ(CRect(bar.GetDragRect()), CRect(ScreenRect(host, {130, 0, 134, 100})));
    ASSERT_EQ(host.told.size(), 1u);   // the pane said yes, so the parent was asked too
    EXPECT_EQ(host.told[0].message, static_cast<UINT>(WM_VXL_SPLITTERMOVING));
    EXPECT_EQ(host.told[0].side, CSplitterBar::kRight);

    host.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(12, 90));   // would squeeze the pane to 10
    EXPECT_EQ(CRect(bar.GetDragRect()), CRect(ScreenRect(host, {60, 0, 64, 100})));   // held at its 60
    EXPECT_EQ(host.told.size(), 1u);   // the pane corrected it: the parent was not asked

    host.told.clear();
    host.SendMessage(WM_LBUTTONUP, 0, At(12, 90));
    EXPECT_FALSE(bar.IsDragging());
    EXPECT_NE(::GetCapture(), host.GetSafeHwnd());
    EXPECT_TRUE(::IsRectEmpty(&bar.GetDragRect()));
    EXPECT_EQ(CRect(ChildRect(host, pane)), CRect(0, 0, 60, 100));   // its right edge followed the bar
    EXPECT_EQ(CRect(BarRect()), CRect(60, 0, 64, 100));
    ASSERT_EQ(host.told.size(), 1u);
    EXPECT_EQ(host.told[0].message, static_cast<UINT>(WM_VXL_SPLITTERMOVED));
    EXPECT_EQ(host.told[0].side, CSplitterBar::kRight);
}

TEST_F(SplitterBarTest, WithoutAPaneOnlyTheParentIsAskedAsTheWindowRightOfTheBar)
{
    host.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(101, 10));
    host.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(141, 10));
    host.SendMessage(WM_LBUTTONUP, 0, At(141, 10));
    ASSERT_EQ(host.told.size(), 2u);
    for (const HostWnd::Told& told : host.told)
        EXPECT_EQ(told.side, CSplitterBar::kRight) << told.message;
    EXPECT_EQ(CRect(BarRect()), CRect(140, 0, 144, 100));
    EXPECT_EQ(CRect(ChildRect(host, pane)), CRect(0, 0, 100, 100));   // not a pane: untouched
}

TEST_F(SplitterBarTest, LosingTheCaptureCancelsTheDragAndLeavesTheBarWhereItWas)
{
    bar.SetPane(&pane, CSplitterBar::kLeft);
    host.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(102, 50));
    host.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(150, 50));
    host.told.clear();
    ::SetCapture(pane);   // someone else takes the mouse
    EXPECT_FALSE(bar.IsDragging());
    EXPECT_EQ(::GetCapture(), pane.GetSafeHwnd());   // not taken back from the new owner
    ::ReleaseCapture();
    host.SendMessage(WM_LBUTTONUP, 0, At(150, 50));
    EXPECT_TRUE(host.told.empty());   // nothing was moved
    EXPECT_EQ(CRect(BarRect()), CRect(100, 0, 104, 100));
    EXPECT_EQ(CRect(ChildRect(host, pane)), CRect(0, 0, 100, 100));
}

TEST_F(SplitterBarTest, APressOutsideTheBarStartsNoDrag)
{
    host.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(150, 50));
    EXPECT_FALSE(bar.IsDragging());
    host.SendMessage(WM_LBUTTONUP, 0, At(150, 50));
    EXPECT_TRUE(host.told.empty());
}

TEST_F(SplitterBarTest, DestroyingTheBarGivesTheParentItsProcedureBack)
{
    EXPECT_NE(ProcedureOf(host), originalProcedure);
    bar.Destroy();
    EXPECT_EQ(ProcedureOf(host), originalProcedure);
    EXPECT_EQ(::GetPropW(host, kSplitterProperty), nullptr);
    EXPECT_EQ(::GetPropW(host, kOldWndProcListProperty), nullptr);
    host.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(102, 50));
    EXPECT_FALSE(bar.IsDragging());
}

TEST_F(SplitterBarTest, TheParentsDestructionUnhooksFirstAndTheParentStillGetsItsLastMessage)
{
    host.DestroyWindow();
    EXPECT_TRUE(host.sawNcDestroy);
    EXPECT_TRUE(host.propertiesGoneAtNcDestroy);
    EXPECT_EQ(bar.Destroy(), TRUE);   // nothing left to let go of
}

} // namespace
} // namespace skin_ui_test
