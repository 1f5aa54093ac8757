#include <gtest/gtest.h>

#include "skin/model/ResourceProperties.h"
#include "skin/model/SkinReader.h"
#include "skin/model/UiWndProperties.h"

#include "tests/skin_model/SkinFileFixtures.h"

#include <string>

using namespace Vexel;
using skin_test::SkinText;

namespace {

class MalformedSkinTest : public skin_test::SkinTest {};

const char kGoodWindow[] =
    "<Windows><Window><ID Value=\"IDW_A\"/><Controls><PUSHBUTTON><ID Value=\"IDC_A\"/>"
    "<FontN Height=\"-20\" Width=\"0\" lfEscapement=\"0\" Orientation=\"0\" Weight=\"400\" Italic=\"0\" "
    "Underline=\"0\" StrikeOut=\"0\" CharSet=\"0\" OutPrecision=\"3\" ClipPrecision=\"2\" Quality=\"1\" "
    "PitchAndFamily=\"34\" FaceName=\"A\"/><ColorN Value=\"#00000012\"/></PUSHBUTTON></Controls></Window>";

// A good window (which makes a font and a colour resource) and then `rest` of Windows.
std::string AfterAGoodWindow(const std::string& rest)
{
    return SkinText(kGoodWindow + rest + "</Windows>");
}

std::string Truncated()
{
    const std::string whole = AfterAGoodWindow("<Window><ID Value=\"IDW_B\"/></Window>");
    return whole.substr(0, whole.size() / 2);
}

// `depth` elements, each inside the one before, within a window.
std::string DeeplyNested(int depth)
{
    std::string open, close;
    for (int i = 0; i < depth; ++i) {
        open += "<a>";
        close += "</a>";
    }
    return AfterAGoodWindow("<Window>" + open + close + "</Window>");
}

// The good window's text with its caption in the ANSI code page rather than UTF-8.
std::string WithLatin1Byte()
{
    return AfterAGoodWindow("<Window><Tag Value=\"caf\xE9\"/></Window>");
}

// The file as UTF-16LE behind its byte-order mark (the parser follows the mark), cut
// after an odd number of bytes in its middle.
std::string Utf16CutInsideACharacter(const std::string& utf8)
{
    std::string bytes = "\xFF\xFE";
    for (const char c : utf8.substr(3)) {
        bytes += c;
        bytes += '\0';
    }
    return bytes.substr(0, (bytes.size() / 2) | 1);
}

TEST_F(MalformedSkinTest, BrokenFilesGiveACodeAndAnEmptyStore)
{
    struct Case {
        const char* name;
        std::string text;
        int expected;
    };
    const Case cases[] = {
        {"empty file", "", 211},
        {"truncated", Truncated(), 211},
        {"binary bytes", std::string("\x00\x01\xFF\xFE<\x80\x81", 8), 211},
        {"text, no markup", "VexelUI 0700 4467", 211},
        {"two roots", SkinText("<Windows/>") + "<VexelUI/>", 211},
        {"root only", "<VexelUI/>", -1},
        {"no windows", SkinText(""), 213},
        {"version is a word", SkinText("<Windows/>", "seven"), 211},
        {"build is a word", SkinText("<Windows/>", "0700", "latest"), 211},
        {"huge version", SkinText("<Windows/>", "99999999999"), 211},
        {"huge build", SkinText("<Windows/>", "0700", "4467000000000"), 211},
        {"DPI with one attribute",
         "<VexelUI><Version Version=\"0700\" Build=\"4467\"/><DPI LogPixelsX=\"96\"/><Windows/></VexelUI>", 211},
        {"DPI no number",
         "<VexelUI><Version Version=\"0700\" Build=\"4467\"/><DPI LogPixelsX=\"96\" LogPixelsY=\"high\"/>"
         "<Windows/></VexelUI>", 211},
        {"integer that is text", AfterAGoodWindow("<Window><Alpha Value=\"opaque\"/></Window>"), 211},
        {"huge integer", AfterAGoodWindow("<Window><Alpha Value=\"99999999999\"/></Window>"), 211},
        {"point that is text", AfterAGoodWindow("<Window><ResizingPoint X=\"left\" Y=\"2\"/></Window>"), 211},
        {"font lacking attributes",
         AfterAGoodWindow("<Window><Controls><STATIC><FontN Height=\"-12\" FaceName=\"A\"/></STATIC></Controls></Window>"),
         211},
        {"font byte too big",
         AfterAGoodWindow("<Window><Controls><STATIC><FontN Height=\"-12\" Width=\"0\" lfEscapement=\"0\" "
                          "Orientation=\"0\" Weight=\"400\" Italic=\"256\" Underline=\"0\" StrikeOut=\"0\" "
                          "CharSet=\"0\" OutPrecision=\"3\" ClipPrecision=\"2\" Quality=\"1\" PitchAndFamily=\"34\" "
                          "FaceName=\"A\"/></STATIC></Controls></Window>"),
         211},
        {"font resource lacking its face",
         SkinText(std::string(kGoodWindow) + "</Windows><Resources><Fonts><FONT><Font Height=\"1\" Width=\"0\" "
                  "lfEscapement=\"0\" Orientation=\"0\" Weight=\"400\" Italic=\"0\" Underline=\"0\" StrikeOut=\"0\" "
                  "CharSet=\"0\" OutPrecision=\"3\" ClipPrecision=\"2\" Quality=\"1\" PitchAndFamily=\"34\"/></FONT>"
                  "</Fonts></Resources>"),
         211},
        {"deeply nested elements", DeeplyNested(100000), 211},
        {"huge number text", AfterAGoodWindow("<Window><Alpha Value=\"" + std::string(1 << 20, '7') + "\"/></Window>"),
         211},
        {"huge font number text",
         AfterAGoodWindow("<Window><Controls><STATIC><FontN Height=\"" + std::string(1 << 20, '1') +
                          "\" Width=\"0\" lfEscapement=\"0\" Orientation=\"0\" Weight=\"400\" Italic=\"0\" "
                          "Underline=\"0\" StrikeOut=\"0\" CharSet=\"0\" OutPrecision=\"3\" ClipPrecision=\"2\" "
                          "Quality=\"1\" PitchAndFamily=\"34\" FaceName=\"A\"/></STATIC></Controls></Window>"),
         211},
        {"byte that is no UTF-8", WithLatin1Byte(), 211},
        {"UTF-16 cut inside a character", Utf16CutInsideACharacter(AfterAGoodWindow("")), 211},
        {"style with a bad number",
         SkinText(std::string(kGoodWindow) + "</Windows><Styles><Menus><STYLE_MENU><MenuItemHeight Value=\"tall\"/>"
                  "</STYLE_MENU></Menus></Styles>"),
         211},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReleaseSkin();
        const std::wstring path = WriteSkin(c.text);
        EXPECT_EQ(c.expected, OpenSkin(path.c_str(), 1));
        EXPECT_TRUE(skin_test::StoreHoldsNoRecord());
        EXPECT_EQ(path, std::wstring(GetUIFilePath()));
    }
    EXPECT_TRUE(prompts.Prompts().empty());
}

// Texts of any length are taken; a face name is cut to what a LOGFONT holds.
TEST_F(MalformedSkinTest, HugeTextsAreTakenOrCut)
{
    const std::string huge(1 << 20, 'F');
    const std::string body =
        "<Windows><Window><Tag Value=\"" + huge + "\"/></Window></Windows><Resources><Fonts><FONT>"
        "<Font Height=\"1\" Width=\"0\" lfEscapement=\"0\" Orientation=\"0\" Weight=\"400\" Italic=\"0\" "
        "Underline=\"0\" StrikeOut=\"0\" CharSet=\"0\" OutPrecision=\"3\" ClipPrecision=\"2\" Quality=\"1\" "
        "PitchAndFamily=\"34\" FaceName=\"" + huge + "\"/></FONT></Fonts></Resources>";
    ASSERT_EQ(0, OpenSkin(WriteSkin(SkinText(body)).c_str(), 1));
    EXPECT_EQ(1 << 20, g_skinStore.windows.at(0)->GetVar(UiWndVar::Tag).GetString().GetLength());
    LOGFONTW font;
    g_skinStore.fonts.at(0)->GetVar(ResourceVar::Value).GetLogFont(font);
    EXPECT_EQ(std::wstring(LF_FACESIZE - 1, L'F'), font.lfFaceName);
}

// Numbers the reader takes by the "0x" prefix rule never fail: they clamp or read 0.
TEST_F(MalformedSkinTest, PrefixRuleNumbersNeverFail)
{
    const std::string body =
        "<Windows><Window><Controls><PUSHBUTTON><Rect Location=\"99999999999,-99999999999\" Size=\"5,0x\"/>"
        "<ColorN Value=\"#123456789ABC\"/></PUSHBUTTON></Controls></Window></Windows>";
    ASSERT_EQ(0, OpenSkin(WriteSkin(SkinText(body)).c_str(), 1));
    const CTRLPROPERTIES& button = *g_skinStore.windows[0]->Controls()[0];
    const RECT rect = button.GetVar(CtrlVar::Rect).GetRect();
    EXPECT_EQ(2147483647, rect.left);
    EXPECT_EQ(-2147483647 - 1, rect.top);
    EXPECT_EQ(-2147483647 + 3, rect.right);     // the width wraps around as 32-bit numbers do
    EXPECT_EQ(-2147483647 - 1, rect.bottom);
    EXPECT_EQ(0xFFFFFFFFu, static_cast<DWORD>(button.GetVar(CtrlVar::ColorN).GetLong()));
}

} // namespace
