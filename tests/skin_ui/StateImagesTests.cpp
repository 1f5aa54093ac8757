// Per-state images from separate files or from one combined strip.
#include "FakeSystem.h"
#include "Pixels.h"
#include "TestSkin.h"

#include "skin/model/ButtonProperties.h"
#include "skin/model/EditProperties.h"
#include "skin/model/SliderProperties.h"
#include "skin/ui/BitmapFiles.h"
#include "skin/ui/StateImages.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace skin_ui_test;
using namespace Vexel;

namespace {

// Column x of a strip is coloured by x, so a part tells where it was cut.
COLORREF ByColumn(int x, int)
{
    return RGB(x, 10, 20);
}

SIZE SizeOf(const CBitmap& bitmap)
{
    SIZE size = {-1, -1};
    GetBitmapSize(bitmap, size);
    return size;
}

// A colour per state file, so a slot tells which file it came from.
COLORREF StateColor(int state)
{
    return RGB(40 + 20 * state, 200 - 20 * state, 7);
}

class StateImagesTest : public testing::Test {
protected:
    void WriteStrip(LPCWSTR name, int w, int h) { ASSERT_TRUE(WriteBmp(skin.Path(name), w, h, ByColumn)); }
    void WriteSolid(LPCWSTR name, COLORREF color)
    {
        ASSERT_TRUE(WriteBmp(skin.Path(name), 3, 2, [=](int, int) { return color; }));
    }

    TestSkin skin;
};

TEST_F(StateImagesTest, AStripIsCutIntoEqualPartsAtIWOverN)
{
    const struct {
        int width;
        int starts[4];
    } cases[] = {
        {100, {0, 25, 50, 75}},
        {102, {0, 25, 51, 76}},
    };
    for (const auto& c : cases) {
        WriteStrip(L"strip.bmp", c.width, 6);
        CTRLPROPERTIES record;
        record.GetVar(CtrlVar::IsCombineImages).SetBool(true);
        record.GetVar(CtrlVar::BkCombine).SetString(L"strip.bmp");
        CBitmap states[4];

        ASSERT_EQ(0, LoadFourStateImages(&record, &states[0], &states[1], &states[2], &states[3]));
        for (int i = 0; i < 4; ++i) {
            const SIZE size = SizeOf(states[i]);
            EXPECT_EQ(25, size.cx) << c.width << " part " << i;
            EXPECT_EQ(6, size.cy) << c.width << " part " << i;
            EXPECT_EQ(ByColumn(c.starts[i], 0), BitmapPixel(states[i], 0, 0)) << c.width << " part " << i;
            EXPECT_EQ(ByColumn(c.starts[i] + 24, 0), BitmapPixel(states[i], 24, 5)) << c.width << " part " << i;
        }
    }
}

TEST_F(StateImagesTest, AMissingStripGivesEmptySlotsAndSuccess)
{
    CTRLPROPERTIES record;
    record.GetVar(CtrlVar::IsCombineImages).SetBool(true);
    record.GetVar(CtrlVar::BkCombine).SetString(L"absent.bmp");
    record.GetVar(CtrlVar::BackgroundNormal).SetString(L"normal.bmp");   // not used with a strip
    WriteSolid(L"normal.bmp", StateColor(0));
    CBitmap states[4];
    for (CBitmap& state : states)
        state.Attach(MakeBitmap(1, 1, Tag));   // held before: replaced by nothing

    EXPECT_EQ(0, LoadFourStateImages(&record, &states[0], &states[1], &states[2], &states[3]));
    for (const CBitmap& state : states)
        EXPECT_EQ(nullptr, state.GetSafeHandle());
}

TEST_F(StateImagesTest, SeparateFilesInStateOrderAndMissingOnesEmpty)
{
    CTRLPROPERTIES record;
    const int files[] = {CtrlVar::BackgroundNormal, CtrlVar::BackgroundHighlight, CtrlVar::BackgroundSelected,
                         CtrlVar::BackgroundDisabled};
    for (int i = 0; i < 4; ++i) {
        const std::wstring name = L"state" + std::to_wstring(i) + L".bmp";
        record.GetVar(files[i]).SetString(name.c_str());
        if (i != 2)
            WriteSolid(name.c_str(), StateColor(i));
    }
    CBitmap states[4];

    ASSERT_EQ(0, LoadFourStateImages(&record, &states[0], &states[1], nullptr, &states[3]));
    EXPECT_EQ(StateColor(0), BitmapPixel(states[0], 0, 0));
    EXPECT_EQ(StateColor(1), BitmapPixel(states[1], 0, 0));
    EXPECT_EQ(nullptr, states[2].GetSafeHandle());
    EXPECT_EQ(StateColor(3), BitmapPixel(states[3], 2, 1));

    CBitmap normal, disabled;
    ASSERT_EQ(0, LoadTwoStateImages(&record, &normal, &disabled));
    EXPECT_EQ(StateColor(0), BitmapPixel(normal, 0, 0));
    EXPECT_EQ(StateColor(3), BitmapPixel(disabled, 0, 0));
    EXPECT_EQ(-1, LoadFourStateImages(nullptr, &normal, nullptr, nullptr, nullptr));
}

TEST_F(StateImagesTest, AnEmptyPathLoadsNothing)
{
    CTRLPROPERTIES record;   // every image path empty: the skin folder itself
    CBitmap normal, disabled;
    ASSERT_EQ(0, LoadTwoStateImages(&record, &normal, &disabled));
    EXPECT_EQ(nullptr, normal.GetSafeHandle());
    EXPECT_EQ(nullptr, disabled.GetSafeHandle());
}

TEST_F(StateImagesTest, TheSpecifiedSwitchOffTouchesNoSlot)
{
    WriteSolid(L"a.bmp", StateColor(0));
    CHKPROPERTIES check;
    check.GetVar(CtrlVar::BackgroundNormal).SetString(L"a.bmp");
    check.GetVar(BtnBaseVar::ForegroundNormal).SetString(L"a.bmp");
    CBitmap held;
    held.Attach(MakeBitmap(1, 1, Tag));
    const HGDIOBJ before = held.GetSafeHandle();

    check.GetVar(CtrlVar::IsSpecifyImages).SetBool(false);
    EXPECT_EQ(-1, LoadEightStateImages(&check, &held, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
    check.GetVar(BtnBaseVar::IsSpecifyForegroundImages).SetBool(false);
    EXPECT_EQ(-1, LoadEightStateForegroundImages(&check, &held, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                 nullptr));
    EXPECT_EQ(before, held.GetSafeHandle());

    check.GetVar(CtrlVar::IsSpecifyImages).SetBool(true);
    EXPECT_EQ(0, LoadEightStateImages(&check, &held, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(StateColor(0), BitmapPixel(held, 0, 0));
}

TEST_F(StateImagesTest, EightStatesFromOneStrip)
{
    WriteStrip(L"check.bmp", 80, 4);
    RADPROPERTIES radio;
    radio.GetVar(CtrlVar::IsSpecifyImages).SetBool(true);
    radio.GetVar(CtrlVar::IsCombineImages).SetBool(true);
    radio.GetVar(CtrlVar::BkCombine).SetString(L"check.bmp");
    CBitmap s[8];

    ASSERT_EQ(0, LoadEightStateImages(&radio, &s[0], &s[1], &s[2], &s[3], &s[4], &s[5], &s[6], &s[7]));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(10, SizeOf(s[i]).cx) << i;
        EXPECT_EQ(ByColumn(10 * i, 0), BitmapPixel(s[i], 0, 0)) << i;
    }
}

// Each loader reads its own switches and files: the separate files get a colour per state.
TEST_F(StateImagesTest, EveryLoaderReadsItsOwnVariables)
{
    for (int i = 0; i < 8; ++i)
        WriteSolid((L"s" + std::to_wstring(i) + L".bmp").c_str(), StateColor(i));
    const auto name = [](int i) { return L"s" + std::to_wstring(i) + L".bmp"; };

    BTNPROPERTIES button;
    button.GetVar(BtnBaseVar::IsSpecifyForegroundImages).SetBool(true);
    const int buttonFiles[] = {BtnBaseVar::ForegroundNormal, BtnBaseVar::ForegroundHighlight,
                               BtnBaseVar::ForegroundSelected, BtnBaseVar::ForegroundDisabled};

    CHKPROPERTIES check;
    check.GetVar(BtnBaseVar::IsSpecifyForegroundImages).SetBool(true);
    const int checkFiles[] = {BtnBaseVar::ForegroundNormal, BtnBaseVar::ForegroundHighlight,
                              BtnBaseVar::ForegroundSelected, BtnBaseVar::ForegroundDisabled,
                              ToggleBtnVar::ForegroundCheckedNormal, ToggleBtnVar::ForegroundCheckedHighlight,
                              ToggleBtnVar::ForegroundCheckedSelected, ToggleBtnVar::ForegroundCheckedDisabled};
    const int checkBackFiles[] = {CtrlVar::BackgroundNormal, CtrlVar::BackgroundHighlight,
                                  CtrlVar::BackgroundSelected, CtrlVar::BackgroundDisabled,
                                  ToggleBtnVar::BackgroundCheckedNormal, ToggleBtnVar::BackgroundCheckedHighlight,
                                  ToggleBtnVar::BackgroundCheckedSelected, ToggleBtnVar::BackgroundCheckedDisabled};
    CHKPROPERTIES checkBack;
    checkBack.GetVar(CtrlVar::IsSpecifyImages).SetBool(true);

    TXTPROPERTIES text;
    text.GetVar(TxtVar::IsSpecifyForegroundImages).SetBool(true);
    const int textFiles[] = {TxtVar::ForegroundNormal, TxtVar::ForegroundDisabled};

    SLDEXPROPERTIES slider;
    const int sliderFiles[] = {SldVar::ThumbN, SldVar::ThumbH, SldVar::ThumbS, SldVar::ThumbD};

    VERSBPROPERTIES scrollBar;
    const int scrollFiles[] = {ScrollBarStyleVar::ThumbNormal, ScrollBarStyleVar::ThumbHighlight,
                               ScrollBarStyleVar::ThumbSelected, ScrollBarStyleVar::ThumbDisabled};

    const auto name_files = [&](CTRLPROPERTIES& record, const int* files, int count) {
        for (int i = 0; i < count; ++i)
            record.GetVar(files[i]).SetString(name(i).c_str());
    };
    name_files(button, buttonFiles, 4);
    name_files(check, checkFiles, 8);
    name_files(checkBack, checkBackFiles, 8);
    name_files(text, textFiles, 2);
    name_files(slider, sliderFiles, 4);
    name_files(scrollBar, scrollFiles, 4);

    CBitmap s[8];
    using Load = std::function<int()>;
    const struct {
        const char* name;
        Load load;
        int count;
    } loaders[] = {
        {"four-state foreground", [&] { return LoadFourStateForegroundImages(&button, &s[0], &s[1], &s[2], &s[3]); }, 4},
        {"eight-state foreground",
         [&] { return LoadEightStateForegroundImages(&check, &s[0], &s[1], &s[2], &s[3], &s[4], &s[5], &s[6], &s[7]); },
         8},
        {"eight-state background",
         [&] { return LoadEightStateImages(&checkBack, &s[0], &s[1], &s[2], &s[3], &s[4], &s[5], &s[6], &s[7]); }, 8},
        {"two-state foreground", [&] { return LoadTwoStateForegroundImages(&text, &s[0], &s[1]); }, 2},
        {"slider thumbs", [&] { return LoadThumbImages(&slider, &s[0], &s[1], &s[2], &s[3]); }, 4},
        {"scroll-bar thumbs", [&] { return LoadScrollBarStateImages(&scrollBar, &s[0], &s[1], &s[2], &s[3]); }, 4},
    };
    for (const auto& loader : loaders) {
        for (CBitmap& slot : s)
            slot.DeleteObject();
        ASSERT_EQ(0, loader.load()) << loader.name;
        for (int i = 0; i < loader.count; ++i)
            EXPECT_EQ(StateColor(i), BitmapPixel(s[i], 0, 0)) << loader.name << " state " << i;
    }
}

TEST_F(StateImagesTest, TheStripIsScaledBeforeItIsCut)
{
    FakeSystem system;
    system.screenDpi = SIZE{120, 120};
    skin.SetDesignDpi(96, 96);
    // Scaled to 112 x 10 and cut in parts of 28; cut first, the parts would be 22 wide
    // and scale to 27.
    WriteStrip(L"strip.bmp", 90, 8);
    CTRLPROPERTIES record;
    record.GetVar(CtrlVar::IsCombineImages).SetBool(true);
    record.GetVar(CtrlVar::BkCombine).SetString(L"strip.bmp");
    CBitmap states[4];

    ASSERT_EQ(0, LoadFourStateImages(&record, &states[0], &states[1], &states[2], &states[3]));
    for (const CBitmap& state : states) {
        EXPECT_EQ(28, SizeOf(state).cx);
        EXPECT_EQ(10, SizeOf(state).cy);
    }
}

TEST_F(StateImagesTest, SeparateFilesAreScaledAsTheyLoad)
{
    FakeSystem system;
    system.screenDpi = SIZE{144, 144};
    skin.SetDesignDpi(96, 96);
    ASSERT_TRUE(WriteBmp(skin.Path(L"n.bmp"), 4, 2, Tag));
    CTRLPROPERTIES record;
    record.GetVar(CtrlVar::BackgroundNormal).SetString(L"n.bmp");
    CBitmap normal;

    ASSERT_EQ(0, LoadTwoStateImages(&record, &normal, nullptr));
    EXPECT_EQ(6, SizeOf(normal).cx);
    EXPECT_EQ(3, SizeOf(normal).cy);
}

} // namespace
