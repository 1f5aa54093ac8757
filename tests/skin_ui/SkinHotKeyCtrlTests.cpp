// The skinned hot-key box: the system control keeps the key, and the skin paints the
// background on erase and over the whole window in place of the system frame, normal or
// disabled, resized around the box's own point or the parent window's.
#include "ControlTestSupport.h"
#include "ControlParent.h"
#include "GdiCount.h"
#include "Pixels.h"
#include "UIWndTestSupport.h"

#include "skin/model/MiscControlProperties.h"
#include "skin/ui/controls/SkinHotKeyCtrl.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr UINT kBoxId = 50;
constexpr RECT kBoxRect{10, 10, 110, 34};
constexpr COLORREF kDisabledMark = RGB(200, 0, 0);

class SkinHotKeyTest : public ::testing::Test {
protected:
    void Make()
    {
        ASSERT_TRUE(box.Create(WS_VISIBLE, kBoxRect, &parent, kBoxId));
        box.SetBackgroundImages(MakeBitmap(100, 24, &Tag), MakeBitmap(100, 24, [](int, int) { return kDisabledMark; }));
    }

    WindowSkin skin;
    ControlParent parent{50, 50, 200, 200};
    CSkinHotKeyCtrl box;
};

TEST_F(SkinHotKeyTest, TheKeyIsTheSystemControls)
{
    Make();
    box.SetHotKey('K', HOTKEYF_CONTROL | HOTKEYF_SHIFT);
    EXPECT_EQ(box.GetHotKey(), static_cast<DWORD>(MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_SHIFT)));
    WORD key = 0;
    WORD modifiers = 0;
    box.GetHotKey(key, modifiers);
    EXPECT_EQ(key, 'K');
    EXPECT_EQ(modifiers, HOTKEYF_CONTROL | HOTKEYF_SHIFT);
    // A key typed into the box becomes its hot key.
    box.SendMessage(WM_KEYDOWN, VK_F5, 0);
    EXPECT_EQ(LOBYTE(LOWORD(box.GetHotKey())), VK_F5);
}

TEST_F(SkinHotKeyTest, TheSkinIsTheBackgroundAndTheFrame)
{
    Make();
    CRect client;
    box.GetClientRect(&client);
    // Without a parent's point the image is laid 1:1 from its top-left corner.
    EXPECT_EQ(WindowPixel(box, client.right - 3, client.bottom - 3), Tag(client.right - 3, client.bottom - 3));
    EXPECT_EQ(WholeWindowPixel(box, 0, 0), Tag(0, 0));
    EXPECT_EQ(WholeWindowPixel(box, 99, 23), Tag(99, 23));

    box.EnableWindow(FALSE);
    ::RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    EXPECT_EQ(WindowPixel(box, client.right - 3, client.bottom - 3), kDisabledMark);
    EXPECT_EQ(WholeWindowPixel(box, 0, 0), kDisabledMark);
}

TEST_F(SkinHotKeyTest, TheResizingPointIsTheParentsUntilARecordGivesOne)
{
    Make();
    parent.resizePoint = POINT{50, 20};
    HOTPROPERTIES record;
    EXPECT_EQ(box.ApplyProperties(&record), 0);
    EXPECT_EQ(box.ResizePoint().x, 40);
    EXPECT_EQ(box.ResizePoint().y, 10);

    SetSwitch(record, CtrlVar::IsSpecifyImages, true);
    SetPoint(record, CtrlVar::ResizingPoint, POINT{4, 5});
    EXPECT_EQ(box.ApplyProperties(&record), 0);
    EXPECT_EQ(box.ResizePoint().x, 4);
    EXPECT_EQ(box.ResizePoint().y, 5);
}

TEST_F(SkinHotKeyTest, ACombinedStripIsCutIntoTwoHalves)
{
    Make();
    HOTPROPERTIES record;
    SetSwitch(record, CtrlVar::IsSpecifyImages, true);
    SetSwitch(record, CtrlVar::IsCombineImages, true);
    skin.SetImage(record, CtrlVar::BkCombine, L"hotkey.bmp", 41, 24, &Tag);
    ASSERT_EQ(box.ApplyProperties(&record), 0);
    // The halves are resized to the box: their first and last columns stay at its edges.
    EXPECT_EQ(WholeWindowPixel(box, 0, 0), Tag(0, 0));
    EXPECT_EQ(WholeWindowPixel(box, 99, 0), Tag(19, 0));
    box.EnableWindow(FALSE);
    ::RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    EXPECT_EQ(WholeWindowPixel(box, 0, 0), Tag(20, 0));
    EXPECT_EQ(WholeWindowPixel(box, 99, 0), Tag(39, 0)) << "the strip's last column belongs to neither half";
}

TEST_F(SkinHotKeyTest, ImagesAreFreedOnceWhateverTheOrder)
{
    Make();
    box.DestroyWindow();
    const int before = LiveGdiObjects();
    {
        CSkinHotKeyCtrl released;
        ASSERT_TRUE(released.Create(WS_VISIBLE, kBoxRect, &parent, 1));
        released.SetBackgroundImages(MakeBitmap(4, 4, &Tag), MakeBitmap(4, 4, &Tag));
        EXPECT_EQ(released.ReleaseImages(), 0);
        EXPECT_EQ(released.ReleaseImages(), 0);
    }
    {
        CSkinHotKeyCtrl late;
        ASSERT_TRUE(late.Create(0, kBoxRect, &parent, 2));
        late.DestroyWindow();
        late.SetBackgroundImages(MakeBitmap(4, 4, &Tag), MakeBitmap(4, 4, &Tag));
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

} // namespace
} // namespace skin_ui_test
