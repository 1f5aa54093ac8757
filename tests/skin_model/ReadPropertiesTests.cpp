#include <gtest/gtest.h>

#include "skin/model/ButtonProperties.h"
#include "skin/model/MenuProperties.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/model/ReadProperties.h"
#include "skin/model/ResourceProperties.h"
#include "skin/model/TreeProperties.h"
#include "skin/model/UiWndProperties.h"

#include "tests/skin_model/SkinFileFixtures.h"

#include <cwchar>
#include <functional>
#include <memory>
#include <string>

using namespace Vexel;
using skin_test::ParseXml;

namespace {

class ReadPropertiesTest : public skin_test::SkinTest {
protected:
    // Reads `var` from a record element holding `children`.
    int Read(PropertyValue& var, const std::wstring& children)
    {
        const skin_test::ParsedXml xml = ParseXml((L"<R>" + children + L"</R>").c_str());
        return ReadPropertyValue(var, xml.root.Get());
    }

    int ReadRecord(CTRLPROPERTIES& record, const std::wstring& element, bool control = true)
    {
        const skin_test::ParsedXml xml = ParseXml(element.c_str());
        return control ? ReadControlProperties(&record, xml.root.Get()) : ReadProperties(&record, xml.root.Get());
    }
};

std::wstring FontElement(const wchar_t* name, int height, const wchar_t* face)
{
    return std::wstring(L"<") + name + L" Height=\"" + std::to_wstring(height) +
           L"\" Width=\"0\" lfEscapement=\"0\" Orientation=\"0\" Weight=\"400\" Italic=\"0\" Underline=\"0\" "
           L"StrikeOut=\"0\" CharSet=\"0\" OutPrecision=\"3\" ClipPrecision=\"2\" Quality=\"1\" "
           L"PitchAndFamily=\"34\" FaceName=\"" + face + L"\"/>";
}

TEST_F(ReadPropertiesTest, FlagTexts)
{
    struct Case {
        const wchar_t* text;
        bool expected;
    };
    const Case cases[] = {
        {L"FALSE", false}, {L"false", false}, {L"0", false}, {L"", true},
        {L"1", true},      {L"true", true},   {L"no", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << std::wstring(c.text) << "\"");
        BTNPROPERTIES button;
        PropertyValue& visible = button.GetVar(CtrlVar::IsVisible);
        visible.SetBool(!c.expected);
        EXPECT_EQ(kPropertyRead, Read(visible, std::wstring(L"<IsVisible Value=\"") + c.text + L"\"/>"));
        EXPECT_EQ(VT_BOOL, visible.Type());
        EXPECT_EQ(c.expected, visible.GetBool());
    }
}

TEST_F(ReadPropertiesTest, ResultsForMissingElementAndAttribute)
{
    BTNPROPERTIES button;
    PropertyValue& visible = button.GetVar(CtrlVar::IsVisible);
    EXPECT_EQ(kPropertyNoElement, Read(visible, L"<isvisible Value=\"0\"/>"));   // names are exact
    EXPECT_TRUE(visible.GetBool());
    EXPECT_EQ(kPropertyRead, Read(visible, L"<IsVisible Other=\"0\"/>"));
    EXPECT_TRUE(visible.GetBool());

    PropertyValue& color = button.GetVar(CtrlVar::ColorN);
    color.SetInt(77);
    EXPECT_EQ(kPropertyNoColor, Read(color, L"<ColorN Other=\"1\"/>"));
    EXPECT_EQ(77, color.GetLong());
    EXPECT_EQ(kPropertyNoElement, Read(color, L"<ColorH Value=\"1\"/>"));
}

TEST_F(ReadPropertiesTest, RectanglesFromLocationAndSize)
{
    struct Case {
        const wchar_t* attributes;
        RECT expected;
    };
    const Case cases[] = {
        {L"Location=\"10,20\" Size=\"30,40\"", {10, 20, 40, 60}},
        {L"Location=\"10,20\" Size=\"30\"", {10, 20, 40, 20}},
        {L"Location=\"10,20\" Size=\"0x10,0x20\"", {10, 20, 26, 52}},
        {L"Location=\"-5,7,99\" Size=\"3,4,5\"", {-5, 7, -2, 11}},
        {L"Location=\"abc,2\" Size=\"1,x\"", {0, 2, 1, 2}},
        {L"Size=\"5,6\" Location=\" 1, 2\"", {1, 2, 6, 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::wstring(c.attributes));
        BTNPROPERTIES button;
        PropertyValue& rect = button.GetVar(CtrlVar::Rect);
        EXPECT_EQ(kPropertyRead, Read(rect, std::wstring(L"<Rect ") + c.attributes + L"/>"));
        const RECT r = rect.GetRect();
        EXPECT_EQ(c.expected.left, r.left);
        EXPECT_EQ(c.expected.top, r.top);
        EXPECT_EQ(c.expected.right, r.right);
        EXPECT_EQ(c.expected.bottom, r.bottom);
    }
}

TEST_F(ReadPropertiesTest, PointsTakeEachCoordinateThatIsThere)
{
    BTNPROPERTIES button;
    PropertyValue& point = button.GetVar(CtrlVar::ResizingPoint);   // (3, 3)
    EXPECT_EQ(kPropertyRead, Read(point, L"<ResizingPoint X=\"9\"/>"));
    EXPECT_EQ(9, point.GetPoint().x);
    EXPECT_EQ(3, point.GetPoint().y);
    EXPECT_EQ(kPropertyRead, Read(point, L"<ResizingPoint Y=\"-4\" X=\"12\"/>"));
    EXPECT_EQ(12, point.GetPoint().x);
    EXPECT_EQ(-4, point.GetPoint().y);
}

TEST_F(ReadPropertiesTest, ColoursInBothNotations)
{
    struct Case {
        const wchar_t* text;
        DWORD expected;
    };
    const Case cases[] = {
        {L"#00FF00FF", 0x00FF00FFu}, {L"255", 255u},           {L"0x10", 16u},
        {L"#00e16941", 0x00E16941u}, {L"#FFFFFFFF", 0xFFFFFFFFu}, {L"#FF000000", 0xFF000000u},
        {L"#", 0u},                  {L"", 0u},                {L"blue", 0u},
        {L"-1", 0xFFFFFFFFu},        {L"#1FFFFFFFF", 0xFFFFFFFFu},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << std::wstring(c.text) << "\"");
        RESCOLORPROPERTIES resource;
        PropertyValue& color = resource.GetVar(ResourceVar::Value);
        EXPECT_EQ(kPropertyRead, Read(color, std::wstring(L"<Color Value=\"") + c.text + L"\"/>"));
        EXPECT_EQ(ValueKind::Color, color.Kind());
        EXPECT_EQ(VT_I4, color.Type());
        EXPECT_EQ(c.expected, static_cast<DWORD>(color.GetLong()));
    }
}

TEST_F(ReadPropertiesTest, ColourResourceTakesTheFirstOfTwoElements)
{
    RESCOLORPROPERTIES resource;
    EXPECT_EQ(0, ReadRecord(resource, L"<COLOR><ID Value=\"IDR_COLOR_9\"/><Color Value=\"#00000011\"/>"
                                      L"<Color Value=\"#00000022\"/></COLOR>", false));
    EXPECT_EQ(0x11, resource.GetVar(ResourceVar::Value).GetLong());
    EXPECT_TRUE(resource.GetVar(CtrlVar::ID) == L"IDR_COLOR_9");
}

TEST_F(ReadPropertiesTest, EnumerationWordsInAnyCase)
{
    BTNPROPERTIES button;
    PropertyValue& resize = button.GetVar(CtrlVar::ImageResizeMode);     // 9Grid = 1
    EXPECT_EQ(kPropertyRead, Read(resize, L"<ImageResizeMode Value=\"stretch\"/>"));
    EXPECT_EQ(2, resize.GetInt());
    EXPECT_EQ(kPropertyRead, Read(resize, L"<ImageResizeMode Value=\"Sideways\"/>"));
    EXPECT_EQ(2, resize.GetInt());
    EXPECT_EQ(VT_INT, resize.Type());

    PropertyValue& vertical = button.GetVar(CtrlVar::VerLayoutMode);
    EXPECT_EQ(kPropertyRead, Read(vertical, L"<LayoutMode Horizontal=\"Right\" Vertical=\"bottom even zoom out\"/>"));
    EXPECT_EQ(5, vertical.GetInt());
}

TEST_F(ReadPropertiesTest, PlainValuesKeepTheirType)
{
    UIWNDPROPERTIES window;
    PropertyValue& alpha = window.GetVar(UiWndVar::Alpha);               // VT_I4 255
    EXPECT_EQ(kPropertyRead, Read(alpha, L"<Alpha Value=\" 17\"/>"));
    EXPECT_EQ(VT_I4, alpha.Type());
    EXPECT_EQ(17, alpha.GetLong());

    PropertyValue& tag = window.GetVar(UiWndVar::Tag);                    // text
    EXPECT_EQ(kPropertyRead, Read(tag, L"<Tag Value=\"&gt;&gt; 5\"/>"));
    EXPECT_EQ(VT_BSTR, tag.Type());
    EXPECT_STREQ(L">> 5", tag.GetString());

    PropertyValue& image = window.GetVar(CtrlVar::BackgroundNormal);
    EXPECT_EQ(kPropertyRead, Read(image, L"<BackgroundNormal RelativePath=\"img\\main.bmp\"/>"));
    EXPECT_EQ(ValueKind::ImagePath, image.Kind());
    EXPECT_STREQ(L"img\\main.bmp", image.GetString());
}

TEST_F(ReadPropertiesTest, FontsTakeAllFourteenAttributesAndCutLongFaceNames)
{
    RESFONTPROPERTIES resource;
    PropertyValue& font = resource.GetVar(ResourceVar::Value);
    const std::wstring longFace(40, L'F');
    EXPECT_EQ(kPropertyRead,
              Read(font, L"<Font Height=\"-13\" Width=\"2\" lfEscapement=\"3\" Orientation=\"4\" Weight=\"700\" "
                         L"Italic=\"1\" Underline=\"1\" StrikeOut=\"1\" CharSet=\"204\" OutPrecision=\"5\" "
                         L"ClipPrecision=\"6\" Quality=\"7\" PitchAndFamily=\"255\" FaceName=\"" + longFace + L"\"/>"));
    LOGFONTW read;
    memset(&read, 0xCC, sizeof read);
    font.GetLogFont(read);
    EXPECT_EQ(-13, read.lfHeight);
    EXPECT_EQ(2, read.lfWidth);
    EXPECT_EQ(3, read.lfEscapement);
    EXPECT_EQ(4, read.lfOrientation);
    EXPECT_EQ(700, read.lfWeight);
    EXPECT_EQ(1, read.lfItalic);
    EXPECT_EQ(1, read.lfUnderline);
    EXPECT_EQ(1, read.lfStrikeOut);
    EXPECT_EQ(204, read.lfCharSet);
    EXPECT_EQ(5, read.lfOutPrecision);
    EXPECT_EQ(6, read.lfClipPrecision);
    EXPECT_EQ(7, read.lfQuality);
    EXPECT_EQ(255, read.lfPitchAndFamily);
    EXPECT_EQ(std::wstring(31, L'F'), std::wstring(read.lfFaceName));

    // A short name leaves the rest of the face name zero.
    EXPECT_EQ(kPropertyRead, Read(font, FontElement(L"Font", -12, L"Ab")));
    font.GetLogFont(read);
    for (int i = 2; i < LF_FACESIZE; ++i)
        EXPECT_EQ(L'\0', read.lfFaceName[i]) << i;
}

TEST_F(ReadPropertiesTest, FontAttributesThatAreMissingOrNoNumberRaise)
{
    const wchar_t* const elements[] = {
        L"<Font Height=\"-13\"/>",
        L"<Font Height=\"-13\" Width=\"0\" lfEscapement=\"0\" Orientation=\"0\" Weight=\"400\" Italic=\"0\" "
        L"Underline=\"0\" StrikeOut=\"0\" CharSet=\"0\" OutPrecision=\"3\" ClipPrecision=\"2\" Quality=\"1\" "
        L"PitchAndFamily=\"34\"/>",
        L"<Font Height=\"-13\" Width=\"0\" lfEscapement=\"0\" Orientation=\"0\" Weight=\"400\" Italic=\"300\" "
        L"Underline=\"0\" StrikeOut=\"0\" CharSet=\"0\" OutPrecision=\"3\" ClipPrecision=\"2\" Quality=\"1\" "
        L"PitchAndFamily=\"34\" FaceName=\"A\"/>",
        L"<Font Height=\"tall\" Width=\"0\" lfEscapement=\"0\" Orientation=\"0\" Weight=\"400\" Italic=\"0\" "
        L"Underline=\"0\" StrikeOut=\"0\" CharSet=\"0\" OutPrecision=\"3\" ClipPrecision=\"2\" Quality=\"1\" "
        L"PitchAndFamily=\"34\" FaceName=\"A\"/>",
    };
    for (const wchar_t* element : elements) {
        SCOPED_TRACE(testing::Message() << std::wstring(element));
        RESFONTPROPERTIES resource;
        EXPECT_THROW(Read(resource.GetVar(ResourceVar::Value), element), _com_error);
    }
}

TEST_F(ReadPropertiesTest, NullRecordOrElement)
{
    BTNPROPERTIES button;
    const skin_test::ParsedXml xml = ParseXml(L"<R/>");
    EXPECT_EQ(-1, ReadProperties(nullptr, xml.root.Get()));
    EXPECT_EQ(-1, ReadProperties(&button, nullptr));
    EXPECT_EQ(-1, ReadControlProperties(nullptr, xml.root.Get()));
    EXPECT_EQ(-1, ReadControlProperties(&button, nullptr));
    EXPECT_EQ(0, ReadControlProperties(&button, xml.root.Get()));
}

// --- Inline fonts and colours ------------------------------------------------------------

CString Id(const wchar_t* prefix, unsigned number)
{
    CString id;
    id.Format(L"%ls%u", prefix, number);
    return id;
}

TEST_F(ReadPropertiesTest, InlineFontsBecomeResourcesNumberedAndReused)
{
    const unsigned before = g_legacyImport.fontNumber;
    BTNPROPERTIES first, second;
    EXPECT_EQ(0, ReadRecord(first, L"<PUSHBUTTON>" + FontElement(L"FontN", -20, L"Arial") +
                                       FontElement(L"FontD", -20, L"Arial") + L"</PUSHBUTTON>"));
    EXPECT_EQ(0, ReadRecord(second, L"<PUSHBUTTON>" + FontElement(L"FontH", -30, L"Arial") +
                                        FontElement(L"FontS", -20, L"Arial") + L"</PUSHBUTTON>"));

    ASSERT_EQ(2u, g_skinStore.fonts.size());
    EXPECT_EQ(before + 2, g_legacyImport.fontNumber);
    const CString firstId = Id(L"IDR_FONT_", before + 1), secondId = Id(L"IDR_FONT_", before + 2);
    EXPECT_TRUE(g_skinStore.fonts[0]->GetVar(CtrlVar::ID) == firstId);
    EXPECT_TRUE(g_skinStore.fonts[1]->GetVar(CtrlVar::ID) == secondId);
    LOGFONTW made = {};
    g_skinStore.fonts[1]->GetVar(ResourceVar::Value).GetLogFont(made);
    EXPECT_EQ(-30, made.lfHeight);

    EXPECT_TRUE(first.GetVar(CtrlVar::FontResN) == firstId);
    EXPECT_TRUE(first.GetVar(CtrlVar::FontResD) == firstId);
    EXPECT_TRUE(first.GetVar(CtrlVar::FontResH) == L"");
    EXPECT_TRUE(second.GetVar(CtrlVar::FontResH) == secondId);
    EXPECT_TRUE(second.GetVar(CtrlVar::FontResS) == firstId);
    // The inline value stays where it was read.
    first.GetVar(CtrlVar::FontN).GetLogFont(made);
    EXPECT_EQ(-20, made.lfHeight);
}

TEST_F(ReadPropertiesTest, InlineColoursBecomeResourcesNumberedAndReused)
{
    const unsigned before = g_legacyImport.colorNumber;
    BTNPROPERTIES button;
    EXPECT_EQ(0, ReadRecord(button, L"<PUSHBUTTON><ColorN Value=\"#000000FF\"/><ColorH Value=\"255\"/>"
                                    L"<ColorS/><ColorD Value=\"#00FF0000\"/></PUSHBUTTON>"));
    ASSERT_EQ(2u, g_skinStore.colors.size());
    EXPECT_EQ(before + 2, g_legacyImport.colorNumber);
    const CString red = Id(L"IDR_COLOR_", before + 1), blue = Id(L"IDR_COLOR_", before + 2);
    EXPECT_EQ(0xFF, g_skinStore.colors[0]->GetVar(ResourceVar::Value).GetLong());
    EXPECT_TRUE(button.GetVar(CtrlVar::ColorResN) == red);
    EXPECT_TRUE(button.GetVar(CtrlVar::ColorResH) == red);
    EXPECT_TRUE(button.GetVar(CtrlVar::ColorResS) == L"");   // no attribute: no resource
    EXPECT_TRUE(button.GetVar(CtrlVar::ColorResD) == blue);
}

TEST_F(ReadPropertiesTest, KindColoursGoToTheirOwnIdVariables)
{
    struct Case {
        const char* kind;
        std::function<std::unique_ptr<CTRLPROPERTIES>()> make;
        const wchar_t* element;
        int idVar;
    };
    const Case cases[] = {
        {"window mask", [] { return std::make_unique<UIWNDPROPERTIES>(); },
         L"<Window><MaskColor Value=\"#00010101\"/></Window>", UiWndVar::MaskColorResID},
        {"tree item line", [] { return std::make_unique<TREECTRLPROPERTIES>(); },
         L"<TREECTRL><ItemLine Color=\"#00020202\"/></TREECTRL>", TreeVar::ItemLineColorResID},
        {"tree selected", [] { return std::make_unique<TREECTRLPROPERTIES>(); },
         L"<TREECTRL><SelectedItemBackground Color=\"#00030303\"/></TREECTRL>", TreeVar::SelectedItemBkColorResID},
        {"tree highlight", [] { return std::make_unique<TREECTRLPROPERTIES>(); },
         L"<TREECTRL><HighlightItemBackground Color=\"#00040404\"/></TREECTRL>", TreeVar::HighlightItemBkColorResID},
        {"wave grid", [] { return std::make_unique<WAVECTRLPROPERTIES>(); },
         L"<WAVECTRL><Grid GridLineColor=\"#00050505\"/></WAVECTRL>", WaveVar::GridLineColorResID},
        {"wave background", [] { return std::make_unique<WAVECTRLPROPERTIES>(); },
         L"<WAVECTRL><Background Color=\"#00060606\"/></WAVECTRL>", WaveVar::BackgroundColorResID},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const unsigned before = g_legacyImport.colorNumber;
        std::unique_ptr<CTRLPROPERTIES> record = c.make();
        EXPECT_EQ(0, ReadRecord(*record, c.element));
        EXPECT_TRUE(record->GetVar(c.idVar) == Id(L"IDR_COLOR_", before + 1));
        // No other id variable took it.
        for (int i = 0; i < record->GetVarCount(); ++i) {
            const PropertyValue& var = record->GetVar(i);
            if (i != c.idVar && var.Kind() == ValueKind::ColorResourceID) {
                EXPECT_TRUE(var != Id(L"IDR_COLOR_", before + 1)) << i;
            }
        }
        ReleaseSkin();
    }
}

TEST_F(ReadPropertiesTest, StyleRecordsKeepInlineFontsWithoutResources)
{
    BTNPROPERTIES style;
    const unsigned before = g_legacyImport.fontNumber;
    EXPECT_EQ(0, ReadRecord(style, L"<STYLE_PUSHBUTTON>" + FontElement(L"FontN", -40, L"Verdana") +
                                       L"<ColorN Value=\"12\"/></STYLE_PUSHBUTTON>", false));
    EXPECT_TRUE(g_skinStore.fonts.empty());
    EXPECT_TRUE(g_skinStore.colors.empty());
    EXPECT_EQ(before, g_legacyImport.fontNumber);
    LOGFONTW font = {};
    style.GetVar(CtrlVar::FontN).GetLogFont(font);
    EXPECT_EQ(-40, font.lfHeight);
    EXPECT_TRUE(style.GetVar(CtrlVar::FontN).IsSuperseded());
    EXPECT_EQ(12, style.GetVar(CtrlVar::ColorN).GetLong());
    EXPECT_TRUE(style.GetVar(CtrlVar::FontResN) == L"");
}

TEST_F(ReadPropertiesTest, SwitchedOffVariablesAreNotRead)
{
    UIWNDPROPERTIES window;   // a window's Rect is neither read nor written
    EXPECT_EQ(0, ReadRecord(window, L"<Window><Rect Location=\"1,2\" Size=\"3,4\"/><ID Value=\"IDW_A\"/></Window>"));
    EXPECT_EQ(-1, window.GetVar(CtrlVar::Rect).GetRect().left);
    EXPECT_TRUE(window.GetVar(CtrlVar::ID) == L"IDW_A");
}

TEST(ColorTextTest, NullAndPairs)
{
    EXPECT_EQ(0u, ParseColorText(nullptr));
    int a = 7, b = 7;
    ParseNumberPair(L"", a, b);
    EXPECT_EQ(0, a);
    EXPECT_EQ(0, b);
    ParseNumberPair(L"99999999999,-99999999999", a, b);
    EXPECT_EQ(2147483647, a);
    EXPECT_EQ(-2147483647 - 1, b);
}

} // namespace
