// Fonts of a control's states from the skin's FONT resources.
#include "TestSkin.h"

#include "skin/model/ButtonProperties.h"
#include "skin/ui/SkinFonts.h"

#include <gtest/gtest.h>

#include <string>

using namespace skin_ui_test;
using namespace Vexel;

namespace {

struct FontFace {
    LONG height;
    std::wstring face;
};

FontFace FaceOf(const CFont& font)
{
    LOGFONTW logFont = {};
    if (font.GetLogFont(&logFont) <= 0)
        return {0, L"(no font)"};
    return {logFont.lfHeight, logFont.lfFaceName};
}

bool operator==(const FontFace& a, const FontFace& b)
{
    return a.height == b.height && a.face == b.face;
}

std::ostream& operator<<(std::ostream& out, const FontFace& f)
{
    return out << f.height << " " << std::string(f.face.begin(), f.face.end());
}

const FontFace kDefault = {-12, L"Tahoma"};
const FontFace kArial = {-20, L"Arial"};
const FontFace kCourier = {-16, L"Courier New"};

class SkinFontsTest : public testing::Test {
protected:
    SkinFontsTest()
    {
        skin.AddFont(L"IDR_FONT_1", -20, L"Arial");
        skin.AddFont(L"IDR_FONT_2", -16, L"Courier New");
    }

    TestSkin skin;
};

TEST(DefaultSkinFont, IsTahomaTwelve)
{
    const LOGFONTW& font = DefaultSkinFont();
    EXPECT_EQ(-12, font.lfHeight);
    EXPECT_EQ(400, font.lfWeight);
    EXPECT_EQ(3, font.lfOutPrecision);
    EXPECT_EQ(2, font.lfClipPrecision);
    EXPECT_EQ(1, font.lfQuality);
    EXPECT_EQ(0x22, font.lfPitchAndFamily);
    EXPECT_EQ(0, font.lfCharSet);
    EXPECT_STREQ(L"Tahoma", font.lfFaceName);
}

TEST_F(SkinFontsTest, NormalFontFromItsResourceOrTheDefault)
{
    CTRLPROPERTIES record;
    record.GetVar(CtrlVar::FontResN).SetString(L"IDR_FONT_1");
    CFont font;
    EXPECT_EQ(0, CreateFontFromProperty(&record, &font));
    EXPECT_EQ(kArial, FaceOf(font));

    record.GetVar(CtrlVar::FontResN).SetString(L"IDR_FONT_404");
    EXPECT_EQ(0, CreateFontFromProperty(&record, &font));
    EXPECT_EQ(kDefault, FaceOf(font));
    EXPECT_EQ(0, CreateFontFromProperty(&record, nullptr));
}

TEST_F(SkinFontsTest, PushButtonStatesFallBackToTheDefaultFont)
{
    BTNPROPERTIES button;
    button.GetVar(CtrlVar::FontResN).SetString(L"IDR_FONT_1");
    button.GetVar(CtrlVar::IsHSameNFont).SetBool(false);
    button.GetVar(CtrlVar::FontResH).SetString(L"IDR_FONT_404");   // unknown, not same as Normal
    button.GetVar(CtrlVar::IsSSameNFont).SetBool(true);
    button.GetVar(CtrlVar::IsDSameNFont).SetBool(false);
    button.GetVar(CtrlVar::FontResD).SetString(L"IDR_FONT_2");
    CFont normal, highlight, selected, disabled;

    ASSERT_EQ(0, CreateFourStateFonts(&button, &normal, &highlight, &selected, &disabled));
    EXPECT_EQ(kArial, FaceOf(normal));
    EXPECT_EQ(kDefault, FaceOf(highlight));
    EXPECT_EQ(kArial, FaceOf(selected));
    EXPECT_EQ(kCourier, FaceOf(disabled));

    CFont two;
    button.GetVar(CtrlVar::IsDSameNFont).SetBool(true);
    ASSERT_EQ(0, CreateTwoStateFonts(&button, nullptr, &two));
    EXPECT_EQ(kArial, FaceOf(two));
    EXPECT_EQ(-1, CreateFourStateFonts(nullptr, &normal, nullptr, nullptr, nullptr));
}

TEST_F(SkinFontsTest, SameAsNormalWithAnUnknownNormalGivesTheDefault)
{
    CTRLPROPERTIES record;
    record.GetVar(CtrlVar::FontResN).SetString(L"IDR_FONT_404");
    record.GetVar(CtrlVar::IsDSameNFont).SetBool(true);
    CFont normal, disabled;
    ASSERT_EQ(0, CreateTwoStateFonts(&record, &normal, &disabled));
    EXPECT_EQ(kDefault, FaceOf(normal));
    EXPECT_EQ(kDefault, FaceOf(disabled));
}

TEST_F(SkinFontsTest, CheckBoxStatesFallBackToTheirNormalFont)
{
    CHKPROPERTIES check;
    check.GetVar(CtrlVar::FontResN).SetString(L"IDR_FONT_1");
    const int switches[] = {CtrlVar::IsHSameNFont, CtrlVar::IsSSameNFont, ToggleBtnVar::IsCNSameNFont,
                            ToggleBtnVar::IsCSSameNFont, ToggleBtnVar::IsCDSameNFont};
    for (int s : switches)
        check.GetVar(s).SetBool(false);
    check.GetVar(CtrlVar::FontResH).SetString(L"IDR_FONT_404");          // unknown: Normal
    check.GetVar(CtrlVar::FontResS).SetString(L"IDR_FONT_2");            // own resource
    check.GetVar(CtrlVar::IsDSameNFont).SetBool(true);                   // same: Normal
    check.GetVar(ToggleBtnVar::FontResCN).SetString(L"IDR_FONT_2");
    check.GetVar(ToggleBtnVar::IsCHSameNFont).SetBool(true);
    check.GetVar(ToggleBtnVar::FontResCS).SetString(L"");                // empty id: Normal
    check.GetVar(ToggleBtnVar::FontResCD).SetString(L"IDR_FONT_9");
    CFont f[8];

    ASSERT_EQ(0, CreateEightStateFonts(&check, &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6], &f[7]));
    const FontFace expected[] = {kArial, kArial, kCourier, kArial, kCourier, kArial, kArial, kArial};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(expected[i], FaceOf(f[i])) << "state " << i;
}

TEST_F(SkinFontsTest, CheckBoxWithAnUnknownNormalFallsBackToTheDefault)
{
    CHKPROPERTIES check;
    check.GetVar(CtrlVar::FontResN).SetString(L"IDR_FONT_404");
    check.GetVar(CtrlVar::IsHSameNFont).SetBool(false);
    check.GetVar(CtrlVar::FontResH).SetString(L"IDR_FONT_405");
    CFont highlight;
    ASSERT_EQ(0, CreateEightStateFonts(&check, nullptr, &highlight, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr));
    EXPECT_EQ(kDefault, FaceOf(highlight));
}

TEST_F(SkinFontsTest, FontFromIdResults)
{
    LOGFONTW fallback = DefaultSkinFont();
    fallback.lfHeight = -30;
    const FontFace kFallback = {-30, L"Tahoma"};
    CFont font;

    EXPECT_EQ(-1, CreateFontFromID(L"IDR_FONT_1", &fallback, nullptr, FALSE));
    EXPECT_EQ(-2, CreateFontFromID(L"IDR_FONT_1", nullptr, &font, FALSE));
    EXPECT_EQ(0, CreateFontFromID(L"IDR_FONT_1", &fallback, &font, FALSE));
    EXPECT_EQ(kArial, FaceOf(font));
    EXPECT_EQ(0, CreateFontFromID(L"IDR_FONT_1", &fallback, &font, TRUE));
    EXPECT_EQ(kFallback, FaceOf(font));
    EXPECT_EQ(0, CreateFontFromID(L"IDR_FONT_404", &fallback, &font, FALSE));
    EXPECT_EQ(kFallback, FaceOf(font));
    EXPECT_EQ(0, CreateFontFromID(nullptr, &fallback, &font, TRUE));
    EXPECT_EQ(kFallback, FaceOf(font));
    EXPECT_EQ(-3, CreateFontFromID(nullptr, &fallback, &font, FALSE));
    EXPECT_EQ(nullptr, font.GetSafeHandle());
}

TEST_F(SkinFontsTest, CopyFontResults)
{
    CFont source;
    LOGFONTW logFont = DefaultSkinFont();
    logFont.lfHeight = -17;
    logFont.lfItalic = 1;
    ASSERT_TRUE(source.CreateFontIndirect(&logFont));
    CFont target;

    EXPECT_EQ(0, CopyFont(&source, &target));
    ASSERT_NE(nullptr, target.GetSafeHandle());
    EXPECT_NE(source.GetSafeHandle(), target.GetSafeHandle());
    LOGFONTW copied = {};
    target.GetLogFont(&copied);
    EXPECT_EQ(-17, copied.lfHeight);
    EXPECT_EQ(1, copied.lfItalic);

    CFont empty;
    EXPECT_EQ(-1, CopyFont(nullptr, &target));
    EXPECT_EQ(-2, CopyFont(&source, nullptr));
    EXPECT_EQ(-3, CopyFont(&empty, &target));
}

} // namespace
