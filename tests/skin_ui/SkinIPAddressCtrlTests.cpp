// The skinned IP address box: the address and its fields are the system control's, one
// skin image lies under the box and its four skinned fields as one picture (the second
// image while disabled), a combined strip is cut in four, and every image is freed once.
#include "ControlParent.h"
#include "ControlTestSupport.h"
#include "GdiCount.h"
#include "Pixels.h"
#include "ScreenSkin.h"
#include "UIWndTestSupport.h"

#include "skin/model/MiscControlProperties.h"
#include "skin/ui/controls/SkinIPAddressCtrl.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr UINT kAddressBoxId = 90;
constexpr RECT kAddressBoxRect{10, 10, 170, 34};
constexpr int kAddressBoxWidth = 160;
constexpr int kAddressBoxHeight = 24;

COLORREF SecondTag(int x, int y)
{
    return RGB(x, y, 9);
}

class SkinIPAddressTest : public ::testing::Test {
protected:
    void Make()
    {
        ASSERT_TRUE(box.Create(WS_VISIBLE, kAddressBoxRect, &parent, kAddressBoxId));
        box.SetImages(MakeBitmap(kAddressBoxWidth, kAddressBoxHeight, &Tag),
                      MakeBitmap(kAddressBoxWidth, kAddressBoxHeight, &SecondTag),
                      MakeBitmap(kAddressBoxWidth, kAddressBoxHeight, &Tag),
                      MakeBitmap(kAddressBoxWidth, kAddressBoxHeight, &Tag));
    }
    // What the screen shows at client (x, y) of the box, once everything has painted.
    COLORREF BoxPixel(int x, int y)
    {
        ::RedrawWindow(box, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        POINT at{x, y};
        box.ClientToScreen(&at);
        return ScreenPixel(at);
    }
    // A client point of the box inside field `index`, clear of its text.
    POINT InField(int index)
    {
        RECT place;
        box.GetField(index)->GetWindowRect(&place);
        box.ScreenToClient(&place);
        return POINT{place.left + 1, place.top + 1};
    }

    WindowSkin skin;
    ControlParent parent{50, 50, 300, 100};
    CSkinIPAddressCtrl box;
};

TEST_F(SkinIPAddressTest, TheAddressIsTheSystemControls)
{
    Make();
    for (int i = 0; i < CSkinIPAddressCtrl::kFields; ++i)
        ASSERT_TRUE(::IsWindow(box.GetField(i)->GetSafeHwnd())) << i;
    box.SetAddress(192, 168, 1, 20);
    DWORD address = 0;
    EXPECT_EQ(box.GetAddress(address), 4);
    EXPECT_EQ(address, static_cast<DWORD>(MAKEIPADDRESS(192, 168, 1, 20)));
    CString first;
    box.GetField(0)->GetWindowText(first);
    EXPECT_EQ(first, L"192");
    EXPECT_FALSE(box.IsBlank());
}

// The client area shows the image from (2, 2) on, the box and its fields alike.
TEST_F(SkinIPAddressTest, TheBoxAndItsFieldsShowOnePicture)
{
    Make();
    EXPECT_EQ(BoxPixel(4, 4), Tag(6, 6)) << "the box itself";
    for (int i = 0; i < CSkinIPAddressCtrl::kFields; ++i) {
        const POINT in = InField(i);
        EXPECT_EQ(BoxPixel(in.x, in.y), Tag(in.x + 2, in.y + 2)) << "field " << i;
    }
    RECT first;
    box.GetField(0)->GetWindowRect(&first);
    box.ScreenToClient(&first);
    EXPECT_EQ(BoxPixel(first.right, 4), Tag(first.right + 2, 6)) << "between two fields, above the dot";

    box.EnableWindow(FALSE);
    ::RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    EXPECT_EQ(BoxPixel(4, 4), SecondTag(6, 6)) << "a disabled box shows its second image";
}

TEST_F(SkinIPAddressTest, ACombinedStripIsCutIntoFourQuarters)
{
    Make();
    IPAPROPERTIES record;
    SetSwitch(record, CtrlVar::IsSpecifyImages, true);
    SetSwitch(record, CtrlVar::IsCombineImages, true);
    skin.SetImage(record, CtrlVar::BkCombine, L"address.bmp", 42, kAddressBoxHeight, &Tag);
    ASSERT_EQ(box.ApplyProperties(&record), 0);
    EXPECT_EQ(BoxPixel(4, 4), Tag(6, 6));
    box.EnableWindow(FALSE);
    ::RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    EXPECT_EQ(BoxPixel(4, 4), Tag(16, 6)) << "the second quarter starts at 42 / 4";
}

// The system keeps something of some address boxes it makes (Wine: an object now and then):
// skinned boxes may keep no more than plain ones going the same way.
TEST_F(SkinIPAddressTest, ImagesAndTheFieldsPartsAreFreedOnce)
{
    Make();
    box.DestroyWindow();
    const auto kept = [&](auto give) {
        const int before = LiveGdiObjects();
        {
            CSkinIPAddressCtrl shown;
            EXPECT_TRUE(shown.Create(WS_VISIBLE, kAddressBoxRect, &parent, 1));
            give(shown, [&] { return MakeBitmap(kAddressBoxWidth, kAddressBoxHeight, &Tag); });
            shown.UpdateWindow();
            give(shown, [] { return nullptr; });
            shown.DestroyWindow();
        }
        {
            // Its window gone before it was given images.
            CSkinIPAddressCtrl late;
            EXPECT_TRUE(late.Create(0, kAddressBoxRect, &parent, 2));
            late.DestroyWindow();
            give(late, [&] { return MakeBitmap(4, 4, &Tag); });
        }
        return LiveGdiObjects() - before;
    };
    const auto none = [](CSkinIPAddressCtrl&, auto) {};
    const int plain = kept(none);
    const int skinned = kept([](CSkinIPAddressCtrl& control, auto image) {
        control.SetImages(image(), image(), image(), image());
        control.ReleaseImages();
        control.ReleaseImages();
        control.SetImages(image(), image(), image(), image());
    });
    const int plainAgain = kept(none);
    // Each box takes 16 parts for its fields and 4 images of its own: a leak shows.
    EXPECT_LE(skinned, std::max(plain, plainAgain));
}

} // namespace
} // namespace skin_ui_test
