// The skinned slider: the trackbar's range, position and notifications are its own; its
// background, channel and thumb come from the skin (ticks never), a thumb question from
// outside repaints it while its own paint leaves nothing pending, and its images are freed
// once.
#include "ControlTestSupport.h"
#include "ControlParent.h"
#include "GdiCount.h"
#include "Pixels.h"

#include "skin/ui/controls/SkinSliderCtrl.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr UINT kSliderId = 60;
constexpr int kSliderWidth = 200;
constexpr int kSliderHeight = 30;
constexpr COLORREF kFilled = RGB(0, 90, 0);
constexpr COLORREF kThumbColors[] = {RGB(10, 0, 0), RGB(20, 0, 0), RGB(30, 0, 0), RGB(40, 0, 0)};

// A thumb image of one colour with a magenta first column, which is left out.
HBITMAP ThumbImage(COLORREF color)
{
    return MakeBitmap(10, 20, [color](int x, int) { return x == 0 ? kMagenta : color; });
}

class SkinSliderTest : public ::testing::Test {
protected:
    void Make(DWORD style = 0, RECT rect = {10, 10, 10 + kSliderWidth, 10 + kSliderHeight})
    {
        ASSERT_TRUE(slider.Create(WS_VISIBLE | style, rect, &parent, kSliderId));
        slider.SetRange(0, 100);
        slider.SetBkImages(MakeBitmap(kSliderWidth, kSliderHeight, &Tag),
                           MakeBitmap(kSliderWidth, kSliderHeight, [](int, int) { return kFilled; }));
        slider.SetThumbImages(ThumbImage(kThumbColors[0]), ThumbImage(kThumbColors[1]), ThumbImage(kThumbColors[2]),
                              ThumbImage(kThumbColors[3]));
    }
    RECT Thumb()
    {
        RECT thumb{};
        slider.GetThumbRect(&thumb);
        return thumb;
    }
    POINT ThumbCentre()
    {
        const RECT thumb = Thumb();
        return POINT{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    }
    bool HasUpdate() const
    {
        RECT update;
        return ::GetUpdateRect(slider, &update, FALSE) != FALSE;
    }

    ControlParent parent{50, 50, 300, 200};
    CSkinSliderCtrl slider;
};

TEST_F(SkinSliderTest, RangeAndPositionAreTheTrackbars)
{
    Make();
    slider.SetPos(30);
    EXPECT_EQ(slider.GetRangeMin(), 0);
    EXPECT_EQ(slider.GetRangeMax(), 100);
    EXPECT_EQ(slider.GetPos(), 30);
    slider.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(slider.GetPos(), 31);
    ASSERT_FALSE(parent.scrolls.empty());
    EXPECT_EQ(parent.scrolls.back().message, static_cast<UINT>(WM_HSCROLL));
    EXPECT_EQ(parent.scrolls.back().from, slider.GetSafeHwnd());
}

TEST_F(SkinSliderTest, AThumbQuestionFromOutsideRepaintsButAPaintLeavesNothingPending)
{
    Make();
    slider.UpdateWindow();
    EXPECT_FALSE(HasUpdate()) << "the slider's own paint asks for the thumb without repainting";
    Thumb();
    EXPECT_TRUE(HasUpdate());
    slider.UpdateWindow();
    EXPECT_FALSE(HasUpdate());
}

TEST_F(SkinSliderTest, BackgroundChannelAndThumbComeFromTheSkinAndTicksNever)
{
    Make(TBS_AUTOTICKS);
    slider.SetTicFreq(10);
    slider.SetPos(50);
    const RECT thumb = Thumb();
    ASSERT_FALSE(::IsRectEmpty(&thumb));
    Canvas canvas(kSliderWidth, kSliderHeight);
    CopyClient(slider, canvas);
    EXPECT_EQ(CompareArea(canvas, 0, 0, kSliderWidth, kSliderHeight,
                          [&](int x, int y) {
                              const POINT p{x, y};
                              if (::PtInRect(&thumb, p) && x != thumb.left)
                                  return kThumbColors[0];
                              return Tag(x, y);
                          }),
              "");
}

TEST_F(SkinSliderTest, TheThumbShowsItsState)
{
    Make();
    slider.SetPos(50);
    const POINT centre = ThumbCentre();
    POINT onScreen = centre;
    slider.ClientToScreen(&onScreen);
    const struct {
        const char* name;
        bool hover, captured, disabled;
        COLORREF expected;
    } kCases[] = {
        {"normal", false, false, false, kThumbColors[0]},
        {"under the cursor", true, false, false, kThumbColors[1]},
        {"holding the mouse", false, true, false, kThumbColors[2]},
        {"disabled", true, true, true, kThumbColors[3]},
    };
    for (const auto& c : kCases) {
        ::SetCursorPos(c.hover ? onScreen.x : 0, c.hover ? onScreen.y : 0);
        if (c.captured)
            slider.SetCapture();
        slider.EnableWindow(!c.disabled);
        slider.Invalidate(TRUE);
        EXPECT_EQ(WindowPixel(slider, centre.x, centre.y), c.expected) << c.name;
        ::ReleaseCapture();
        slider.EnableWindow(TRUE);
    }
}

TEST_F(SkinSliderTest, AFilledChannelTakesTheSecondImageUpToTheThumb)
{
    Make();
    slider.SetPos(50);
    slider.SetFilledChannel(true);
    RECT channel{};
    slider.GetChannelRect(&channel);
    const RECT thumb = Thumb();
    const int y = (channel.top + channel.bottom) / 2;
    EXPECT_EQ(WindowPixel(slider, channel.left + 2, y), kFilled);
    EXPECT_EQ(WindowPixel(slider, thumb.right + 5, y), Tag(thumb.right + 5, y));
}

TEST_F(SkinSliderTest, TheBackgroundContinuesTheParentsStretchedImage)
{
    ASSERT_TRUE(slider.Create(WS_VISIBLE, RECT{10, 10, 10 + kSliderWidth, 10 + kSliderHeight}, &parent, kSliderId));
    slider.SetBkImages(MakeBitmap(100, 20, &Tag), nullptr);
    parent.resizePoint = POINT{15, 12};   // (5, 2) in the slider: column 5 fills the middle
    EXPECT_EQ(WindowPixel(slider, 4, 1), Tag(4, 1));
    EXPECT_EQ(WindowPixel(slider, 60, 1), Tag(5, 1));
    EXPECT_EQ(WindowPixel(slider, 199, 1), Tag(99, 1));
}

TEST_F(SkinSliderTest, ImagesAreFreedOnceWhateverTheOrder)
{
    Make();
    slider.UpdateWindow();
    slider.DestroyWindow();
    const int before = LiveGdiObjects();
    {
        CSkinSliderCtrl released;
        ASSERT_TRUE(released.Create(WS_VISIBLE, RECT{0, 0, kSliderWidth, kSliderHeight}, &parent, 1));
        released.SetBkImages(MakeBitmap(kSliderWidth, kSliderHeight, &Tag),
                             MakeBitmap(kSliderWidth, kSliderHeight, &Tag));
        released.SetThumbImages(ThumbImage(0), ThumbImage(0), ThumbImage(0), ThumbImage(0));
        released.UpdateWindow();   // makes its brush
        EXPECT_EQ(released.ReleaseImages(), 0);
        EXPECT_EQ(released.ReleaseImages(), 0);
    }
    {
        CSkinSliderCtrl late;
        ASSERT_TRUE(late.Create(0, RECT{0, 0, kSliderWidth, kSliderHeight}, &parent, 2));
        late.DestroyWindow();
        late.SetBkImages(MakeBitmap(kSliderWidth, kSliderHeight, &Tag), MakeBitmap(kSliderWidth, kSliderHeight, &Tag));
        late.SetThumbImages(ThumbImage(0), ThumbImage(0), ThumbImage(0), ThumbImage(0));
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

} // namespace
} // namespace skin_ui_test
