// Text colours of a control's states from the skin's COLOR resources, and style bits.
#include "TestSkin.h"

#include "skin/model/ButtonProperties.h"
#include "skin/ui/SkinColors.h"
#include "skin/ui/WindowStyle.h"

#include <gtest/gtest.h>

using namespace skin_ui_test;
using namespace Vexel;

namespace {

constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);
constexpr COLORREF kFallback = RGB(1, 2, 3);
constexpr COLORREF kUntouched = RGB(9, 9, 9);

class SkinColorsTest : public testing::Test {
protected:
    SkinColorsTest()
    {
        skin.AddColor(L"IDR_COLOR_1", kRed);
        skin.AddColor(L"IDR_COLOR_2", kBlue);
        skin.AddTextColor(L"IDR_COLOR_TEXT");
    }

    TestSkin skin;
};

TEST_F(SkinColorsTest, ColourFromIdResults)
{
    const struct {
        const char* name;
        LPCWSTR id;
        BOOL same;
        int result;
        COLORREF color;
    } cases[] = {
        {"known id", L"IDR_COLOR_1", FALSE, 0, kRed},
        {"same as normal", L"IDR_COLOR_1", TRUE, 0, kFallback},
        {"same as normal without id", nullptr, TRUE, 0, kFallback},
        {"unknown id", L"IDR_COLOR_404", FALSE, 0, kFallback},
        {"ids are case-sensitive", L"idr_color_1", FALSE, 0, kFallback},
        {"a resource without an integer colour", L"IDR_COLOR_TEXT", FALSE, 0, 0xFFFFFFFF},
        {"null id", nullptr, FALSE, -2, kUntouched},
    };
    for (const auto& c : cases) {
        COLORREF color = kUntouched;
        EXPECT_EQ(c.result, GetColorFromID(c.id, kFallback, &color, c.same)) << c.name;
        EXPECT_EQ(c.color, color) << c.name;
    }
    EXPECT_EQ(-1, GetColorFromID(L"IDR_COLOR_1", kFallback, nullptr, FALSE));
}

TEST_F(SkinColorsTest, FourStatesFallBackToBlack)
{
    CTRLPROPERTIES record;
    record.GetVar(CtrlVar::ColorResN).SetString(L"IDR_COLOR_1");
    record.GetVar(CtrlVar::IsHSameNColor).SetBool(true);
    record.GetVar(CtrlVar::IsSSameNColor).SetBool(false);
    record.GetVar(CtrlVar::IsDSameNColor).SetBool(false);
    record.GetVar(CtrlVar::ColorResS).SetString(L"IDR_COLOR_404");
    record.GetVar(CtrlVar::ColorResD).SetString(L"IDR_COLOR_2");
    COLORREF normal = kUntouched, highlight = kUntouched, selected = kUntouched, disabled = kUntouched;

    ASSERT_EQ(0, GetFourStateColors(&record, &normal, &highlight, &selected, &disabled));
    EXPECT_EQ(kRed, normal);
    EXPECT_EQ(kRed, highlight);
    EXPECT_EQ(RGB(0, 0, 0), selected);
    EXPECT_EQ(kBlue, disabled);

    record.GetVar(CtrlVar::ColorResN).SetString(L"IDR_COLOR_404");
    ASSERT_EQ(0, GetFourStateColors(&record, &normal, &highlight, nullptr, nullptr));
    EXPECT_EQ(RGB(0, 0, 0), normal);
    EXPECT_EQ(RGB(0, 0, 0), highlight);
    EXPECT_EQ(-1, GetFourStateColors(&record, nullptr, &highlight, nullptr, nullptr));
    EXPECT_EQ(-1, GetFourStateColors(nullptr, &normal, nullptr, nullptr, nullptr));
}

TEST_F(SkinColorsTest, EightStatesFallBackToTheNormalColour)
{
    RADPROPERTIES radio;
    radio.GetVar(CtrlVar::ColorResN).SetString(L"IDR_COLOR_1");
    const int switches[] = {CtrlVar::IsHSameNColor, CtrlVar::IsSSameNColor, ToggleBtnVar::IsCNSameNColor,
                            ToggleBtnVar::IsCSSameNColor, ToggleBtnVar::IsCDSameNColor};
    for (int s : switches)
        radio.GetVar(s).SetBool(false);
    radio.GetVar(CtrlVar::ColorResH).SetString(L"IDR_COLOR_404");
    radio.GetVar(CtrlVar::ColorResS).SetString(L"IDR_COLOR_2");
    radio.GetVar(CtrlVar::IsDSameNColor).SetBool(true);
    radio.GetVar(ToggleBtnVar::ColorResCN).SetString(L"IDR_COLOR_2");
    radio.GetVar(ToggleBtnVar::IsCHSameNColor).SetBool(true);
    radio.GetVar(ToggleBtnVar::ColorResCS).SetString(L"IDR_COLOR_TEXT");
    radio.GetVar(ToggleBtnVar::ColorResCD).SetString(L"IDR_COLOR_404");
    COLORREF c[8];
    std::fill(std::begin(c), std::end(c), kUntouched);

    ASSERT_EQ(0, GetEightStateColors(&radio, &c[0], &c[1], &c[2], &c[3], &c[4], &c[5], &c[6], &c[7]));
    const COLORREF expected[] = {kRed, kRed, kBlue, kRed, kBlue, kRed, 0xFFFFFFFF, kRed};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(expected[i], c[i]) << "state " << i;

    COLORREF highlight = kUntouched;
    ASSERT_EQ(0, GetEightStateColors(&radio, nullptr, &highlight, nullptr, nullptr, nullptr, nullptr, nullptr,
                                     nullptr));
    EXPECT_EQ(kRed, highlight);
}

TEST(StyleFromProperties, EachSwitchGivesItsBit)
{
    const struct {
        int variable;
        DWORD bit;
    } switches[] = {
        {CtrlVar::IsVisible, WS_VISIBLE},
        {CtrlVar::IsDisabled, WS_DISABLED},
        {CtrlVar::IsTabStop, WS_TABSTOP},
        {CtrlVar::IsClipChildren, WS_CLIPCHILDREN},
        {CtrlVar::IsClipSiblings, WS_CLIPSIBLINGS},
    };
    DWORD all = 0;
    for (const auto& s : switches) {
        CTRLPROPERTIES record;
        for (const auto& other : switches)
            record.GetVar(other.variable).SetBool(false);
        record.GetVar(s.variable).SetBool(true);
        EXPECT_EQ(s.bit, StyleFromProperties(record)) << s.variable;
        all |= s.bit;
    }
    BTNPROPERTIES button;
    for (const auto& s : switches)
        button.GetVar(s.variable).SetBool(true);
    EXPECT_EQ(all, StyleFromProperties(button));
    for (const auto& s : switches)
        button.GetVar(s.variable).SetBool(false);
    EXPECT_EQ(0u, StyleFromProperties(button));
}

} // namespace
