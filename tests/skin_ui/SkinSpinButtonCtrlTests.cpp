// The skinned spin button: the system up-down control's range, position, buddy and
// notifications are untouched, and each arrow is painted from the image of its own state
// as the cursor hovers and the left button presses.
#include "ControlTestSupport.h"
#include "ControlParent.h"
#include "GdiCount.h"
#include "Pixels.h"

#include "framework/Edit.h"
#include "skin/ui/controls/SkinSpinButtonCtrl.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr UINT kSpinId = 40;
constexpr int kSpinWidth = 20;
constexpr int kSpinHeight = 40;

enum State { N, H, S, D };

// Each state's image names its state in red and the pixel's place in green and blue.
COLORREF SpinStateTag(int state, int x, int y)
{
    return RGB(40 * (state + 1), x, y);
}

HBITMAP SpinStateImage(int state)
{
    return MakeBitmap(kSpinWidth, kSpinHeight, [state](int x, int y) { return SpinStateTag(state, x, y); });
}

class SkinSpinTest : public ::testing::Test {
protected:
    void Make(DWORD style = 0)
    {
        ASSERT_TRUE(spin.Create(WS_VISIBLE | style, RECT{10, 10, 10 + kSpinWidth, 10 + kSpinHeight}, &parent, kSpinId));
        spin.SetBitmaps(SpinStateImage(N), SpinStateImage(H), SpinStateImage(S), SpinStateImage(D));
    }
    void Send(UINT message, int x, int y) { spin.SendMessage(message, 0, MAKELPARAM(x, y)); }

    ControlParent parent{50, 50, 200, 200};
    CSkinSpinButtonCtrl spin;
};

TEST_F(SkinSpinTest, RangePositionAndBuddyAreTheSystemControls)
{
    CEdit buddy;
    ASSERT_TRUE(buddy.Create(WS_VISIBLE | WS_BORDER, RECT{40, 10, 100, 30}, &parent, 41));
    Make(UDS_SETBUDDYINT);
    spin.SetRange32(-5, 5);
    int lower = 0;
    int upper = 0;
    spin.GetRange32(lower, upper);
    EXPECT_EQ(lower, -5);
    EXPECT_EQ(upper, 5);
    EXPECT_EQ(spin.SetBuddy(buddy), nullptr);
    EXPECT_EQ(spin.GetBuddy(), buddy.GetSafeHwnd());
    spin.SetPos32(3);
    EXPECT_EQ(spin.GetPos32(), 3);

    // A click on the upper arrow steps up, tells the parent and writes the buddy.
    Send(WM_LBUTTONDOWN, 5, 5);
    Send(WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(spin.GetPos32(), 4);
    CString text;
    buddy.GetWindowText(text);
    EXPECT_EQ(text, L"4");
    ASSERT_FALSE(parent.scrolls.empty());
    EXPECT_EQ(parent.scrolls.back().message, static_cast<UINT>(WM_VSCROLL));
    EXPECT_EQ(parent.scrolls.back().from, spin.GetSafeHwnd());
}

TEST_F(SkinSpinTest, EachArrowIsPaintedFromTheImageOfItsState)
{
    struct Move {
        UINT message;
        int x, y;
    };
    const struct {
        const char* name;
        bool horizontal;
        bool disabled;
        std::vector<Move> moves;
        State first, second;
    } kCases[] = {
        {"untouched", false, false, {}, N, N},
        {"over the upper arrow", false, false, {{WM_MOUSEMOVE, 5, 5}}, H, N},
        {"over the lower arrow", false, false, {{WM_MOUSEMOVE, 5, 30}}, N, H},
        {"upper arrow pressed", false, false, {{WM_MOUSEMOVE, 5, 5}, {WM_LBUTTONDOWN, 5, 5}}, S, N},
        {"pressed, then over the other arrow", false, false,
         {{WM_MOUSEMOVE, 5, 5}, {WM_LBUTTONDOWN, 5, 5}, {WM_MOUSEMOVE, 5, 30}}, N, H},
        {"pressed, then outside", false, false,
         {{WM_MOUSEMOVE, 5, 5}, {WM_LBUTTONDOWN, 5, 5}, {WM_MOUSEMOVE, 60, 60}}, N, N},
        {"disabled, over the upper arrow", false, true, {{WM_MOUSEMOVE, 5, 5}}, H, N},
        {"horizontal, over the right arrow", true, false, {{WM_MOUSEMOVE, 15, 5}}, N, H},
    };
    for (const auto& c : kCases) {
        if (spin.GetSafeHwnd())
            spin.DestroyWindow();
        Make(c.horizontal ? UDS_HORZ : 0);
        spin.EnableWindow(!c.disabled);
        for (const Move& move : c.moves)
            Send(move.message, move.x, move.y);
        // A point inside each half, and the image pixel it must show.
        const POINT first = c.horizontal ? POINT{3, 20} : POINT{12, 3};
        const POINT second = c.horizontal ? POINT{13, 20} : POINT{12, 23};
        EXPECT_EQ(WindowPixel(spin, first.x, first.y), SpinStateTag(c.first, first.x, first.y)) << c.name;
        EXPECT_EQ(WindowPixel(spin, second.x, second.y), SpinStateTag(c.second, second.x, second.y)) << c.name;
        Send(WM_LBUTTONUP, 0, 0);
    }
}

TEST_F(SkinSpinTest, LeavingTheControlShowsBothArrowsNormal)
{
    Make();
    Send(WM_MOUSEMOVE, 5, 30);
    EXPECT_EQ(spin.GetHoverPart(), CSkinSpinButtonCtrl::kSecondArrow);
    spin.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(spin.GetHoverPart(), CSkinSpinButtonCtrl::kNoPart);
    EXPECT_EQ(WindowPixel(spin, 12, 23), SpinStateTag(N, 12, 23));
}

TEST_F(SkinSpinTest, ImagesAreFreedOnceWhateverTheOrder)
{
    // Made once first: the system keeps things of its own for the first up-down control.
    Make();
    spin.DestroyWindow();
    const int before = LiveGdiObjects();
    {
        CSkinSpinButtonCtrl released;
        ASSERT_TRUE(released.Create(WS_VISIBLE, RECT{0, 0, kSpinWidth, kSpinHeight}, &parent, 1));
        released.SetBitmaps(SpinStateImage(N), SpinStateImage(H), SpinStateImage(S), SpinStateImage(D));
        EXPECT_EQ(released.ReleaseImages(), 0);
        EXPECT_EQ(released.ReleaseImages(), 0);
        released.DestroyWindow();
    }
    {
        // Its window gone before it was given images: the object still frees them.
        CSkinSpinButtonCtrl late;
        ASSERT_TRUE(late.Create(0, RECT{0, 0, kSpinWidth, kSpinHeight}, &parent, 2));
        late.DestroyWindow();
        late.SetBitmaps(SpinStateImage(N), SpinStateImage(H), SpinStateImage(S), SpinStateImage(D));
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

} // namespace
} // namespace skin_ui_test
