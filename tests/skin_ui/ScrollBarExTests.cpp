// The skinned scroll bar as its owner sees it: the notifications a press, a held arrow or
// page, and a thumb drag send; images taken over and released; records applied.
#include "ControlParent.h"
#include "ControlTestSupport.h"
#include "GdiCount.h"
#include "Pixels.h"
#include "UIWndTestSupport.h"

#include "skin/model/SliderProperties.h"
#include "skin/ui/controls/ScrollBarEx.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kParentX = 100;
constexpr int kParentY = 100;
constexpr RECT kVerticalRect{10, 10, 27, 140};     // 17 x 130
constexpr RECT kHorizontalRect{10, 10, 140, 27};   // 130 x 17

class ScrollBarExTest : public ::testing::Test {
protected:
    void Make(bool vertical)
    {
        ASSERT_TRUE(bar.Create(WS_VISIBLE | (vertical ? SBS_VERT : 0), vertical ? kVerticalRect : kHorizontalRect,
                               &parent, 7));
        SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL};
        info.nMin = 0;
        info.nMax = 99;
        info.nPage = 10;
        info.nPos = 50;
        bar.SetScrollInfo(info);
    }
    // An owner that moves its bar by what it is told, as the tree does.
    void FollowPages()
    {
        parent.onScroll = [this](const ControlParent::Scroll& scroll) {
            const int step = scroll.code == SB_PAGEDOWN ? 10 : scroll.code == SB_PAGEUP ? -10 : 0;
            if (step)
                bar.SetScrollPos(bar.GetScrollInfo().nPos + step);
        };
    }
    std::vector<WORD> Codes() const
    {
        std::vector<WORD> codes;
        for (const auto& scroll : parent.scrolls)
            codes.push_back(scroll.code);
        return codes;
    }
    bool HasTimer(UINT_PTR id)
    {
        // Killing answers whether it ran; start it again so the bar's state is unchanged.
        if (!::KillTimer(bar, id))
            return false;
        ::SetTimer(bar, id, 1000, nullptr);
        return true;
    }

    ControlParent parent{kParentX, kParentY, 200, 200};
    CScrollBarEx bar;
};

TEST_F(ScrollBarExTest, ThumbOfAPageOfTenAtFiftySitsAtSixtyFive)
{
    Make(true);
    const ScrollBarParts parts = bar.GetPartRects();
    EXPECT_EQ(parts.thumb.top, 65);
    EXPECT_EQ(parts.thumb.bottom, 75);
    EXPECT_EQ(parts.thumb.right - parts.thumb.left, 17);
}

TEST_F(ScrollBarExTest, AHeldArrowRepeatsAfterTheFirstDelayUntilReleased)
{
    Make(true);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_EQ(Codes(), std::vector<WORD>{SB_LINEUP});
    EXPECT_EQ(parent.scrolls[0].message, static_cast<UINT>(WM_VSCROLL));
    EXPECT_EQ(parent.scrolls[0].from, bar.GetSafeHwnd());
    EXPECT_EQ(parent.childMice, 1);
    EXPECT_TRUE(HasTimer(CScrollBarEx::kTimerLineUp));

    bar.SendMessage(WM_TIMER, CScrollBarEx::kTimerLineUp);   // the first delay is over
    EXPECT_EQ(Codes().size(), 1u);
    EXPECT_FALSE(HasTimer(CScrollBarEx::kTimerLineUp));
    EXPECT_TRUE(HasTimer(CScrollBarEx::kTimerRepeatLineUp));
    for (int tick = 0; tick < 3; ++tick)
        bar.SendMessage(WM_TIMER, CScrollBarEx::kTimerRepeatLineUp);
    EXPECT_EQ(Codes(), (std::vector<WORD>{SB_LINEUP, SB_LINEUP, SB_LINEUP, SB_LINEUP}));

    bar.SendMessage(WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_FALSE(HasTimer(CScrollBarEx::kTimerRepeatLineUp));
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Codes().size(), 4u) << "no end of scrolling after an arrow";
}

TEST_F(ScrollBarExTest, AHeldPageRepeatsUntilTheThumbReachesTheCursor)
{
    Make(true);
    SCROLLINFO start{sizeof(SCROLLINFO), SIF_POS};
    start.nPos = 0;   // thumb at 15..25
    bar.SetScrollInfo(start);
    FollowPages();
    POINT cursor{5, 100};
    bar.ClientToScreen(&cursor);
    ASSERT_TRUE(::SetCursorPos(cursor.x, cursor.y));

    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 100));
    bar.SendMessage(WM_TIMER, CScrollBarEx::kTimerPageDown);
    EXPECT_TRUE(HasTimer(CScrollBarEx::kTimerRepeatPageDown));
    for (int tick = 0; tick < 20; ++tick)
        bar.SendMessage(WM_TIMER, CScrollBarEx::kTimerRepeatPageDown);
    // Positions 0 to 70 each paged on; at 80 the thumb (95..105) covers the cursor.
    EXPECT_EQ(Codes(), std::vector<WORD>(8, SB_PAGEDOWN));
    EXPECT_EQ(bar.GetScrollInfo().nPos, 80);
    bar.SendMessage(WM_LBUTTONUP, 0, At(5, 100));
}

TEST_F(ScrollBarExTest, ThumbDragTracksWithinTheRangeAndEndsOnce)
{
    for (const bool vertical : {true, false}) {
        SCOPED_TRACE(vertical ? "vertical" : "horizontal");
        Make(vertical);
        parent.scrolls.clear();
        const auto along = [vertical](int offset) { return vertical ? At(5, 70 + offset) : At(70 + offset, 5); };
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, along(0));
        EXPECT_TRUE(parent.scrolls.empty()) << "pressing the thumb says nothing";
        bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, along(20));
        bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, along(300));
        bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, along(-300));
        bar.SendMessage(WM_LBUTTONUP, 0, along(-300));
        bar.SendMessage(WM_CAPTURECHANGED, 0, 0);   // as when something else takes the mouse

        const UINT message = vertical ? WM_VSCROLL : WM_HSCROLL;
        const struct {
            WORD code;
            WORD position;
        } kExpected[] = {{SB_THUMBTRACK, 70}, {SB_THUMBTRACK, 90}, {SB_THUMBTRACK, 0}, {SB_ENDSCROLL, 0}};
        ASSERT_EQ(parent.scrolls.size(), std::size(kExpected));
        for (size_t i = 0; i < std::size(kExpected); ++i) {
            EXPECT_EQ(parent.scrolls[i].message, message) << i;
            EXPECT_EQ(parent.scrolls[i].code, kExpected[i].code) << i;
            if (kExpected[i].code == SB_THUMBTRACK) {
                EXPECT_EQ(parent.scrolls[i].position, kExpected[i].position) << i;
            }
        }
        EXPECT_EQ(bar.GetScrollInfo().nPos, 50) << "the owner, not the bar, moves the position";
        bar.DestroyWindow();
    }
}

TEST_F(ScrollBarExTest, LosingTheMouseInADragEndsIt)
{
    Make(true);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 70));
    ::ReleaseCapture();   // another window takes the mouse
    EXPECT_EQ(Codes(), std::vector<WORD>{SB_ENDSCROLL});
    bar.SendMessage(WM_LBUTTONUP, 0, At(5, 70));
    EXPECT_EQ(Codes().size(), 1u);
}

TEST_F(ScrollBarExTest, ScrollPositionOutsideTheRangeIsRefused)
{
    Make(true);
    EXPECT_FALSE(bar.SetScrollPos(100));
    EXPECT_FALSE(bar.SetScrollPos(-1));
    EXPECT_TRUE(bar.SetScrollPos(99));
    EXPECT_EQ(bar.GetScrollInfo().nPos, 99);
}

TEST_F(ScrollBarExTest, ImagesAreCutTakenOverAndReleasedWithTheBar)
{
    const int before = LiveGdiObjects();
    {
        CScrollBarEx local;
        ASSERT_TRUE(local.Create(SBS_VERT, kVerticalRect, &parent, 8));
        CBitmap source;
        source.Attach(MakeBitmap(17, 60, &Tag));
        EXPECT_EQ(local.SetImages(nullptr, nullptr, nullptr, nullptr, TRUE), -1);
        EXPECT_EQ(local.SetImages(source, nullptr, nullptr, nullptr, TRUE), -2);
        EXPECT_EQ(local.SetImages(source, source, source, source, TRUE), 0);

        EXPECT_EQ(local.SetThumbImages(nullptr, MakeBitmap(17, 20, &Tag), nullptr, nullptr, FALSE), -1);
        // (the caller kept the refused highlight image; the test lets it go)
        const HBITMAP thumb = MakeBitmap(17, 20, &Tag);
        EXPECT_EQ(local.SetThumbImages(thumb, nullptr, nullptr, nullptr, TRUE), -2);
        HBITMAP held = nullptr;
        local.GetThumbImages(&held, nullptr, nullptr, nullptr);
        EXPECT_EQ(held, thumb);
        EXPECT_EQ(local.SetThumbImages(MakeBitmap(17, 20, &Tag), MakeBitmap(17, 20, &Tag), MakeBitmap(17, 20, &Tag),
                                       MakeBitmap(17, 20, &Tag), TRUE),
                  0);
        local.UpdateWindow();
        local.DestroyWindow();
    }
    EXPECT_LE(LiveGdiObjects(), before + 1);   // only the refused image the test leaked
}

TEST_F(ScrollBarExTest, StylesOfTheOrientationApplyAndOthersAreRefused)
{
    WindowSkin skin;
    auto vertical = std::make_unique<VERSBPROPERTIES>();
    vertical->GetVar(CtrlVar::ID).SetString(L"IDS_VBAR");
    vertical->GetVar(CtrlVar::Type).SetString(L"STYLE_VERSCROLLBAR");
    vertical->GetVar(ScrollBarStyleVar::LeftUpButtonSize).SetInt(20);
    vertical->GetVar(ScrollBarStyleVar::RightDownButtonSize).SetInt(10);
    ASSERT_GE(g_skinStore.AddStyle(StyleKind::VerScrollBar, vertical.get()), 0);
    vertical.release();

    EXPECT_EQ(bar.ApplyStyle(L"IDS_VBAR"), -1) << "no window yet";
    Make(true);
    EXPECT_EQ(bar.ApplyStyle(L"IDS_NONE"), -2);
    EXPECT_EQ(bar.ApplyStyle(L"IDS_VBAR"), 0);
    const ScrollBarParts parts = bar.GetPartRects();
    EXPECT_EQ(parts.leftUp.bottom, 20);
    EXPECT_EQ(parts.rightDown.top, 120);
    HORSBPROPERTIES horizontal;
    EXPECT_EQ(bar.ApplyProperties(&horizontal), -3);
}

} // namespace
} // namespace skin_ui_test
