#include <gtest/gtest.h>

#include "skin/model/ButtonProperties.h"
#include "skin/model/ComCheck.h"
#include "skin/model/ResourceProperties.h"
#include "skin/model/SkinGlobals.h"
#include "skin/model/SkinWriter.h"
#include "skin/model/SkinXmlFormat.h"
#include "skin/model/UiWndProperties.h"
#include "skin/model/XmlDom.h"
#include "skin/model/XmlSerializer.h"

#include "tests/skin_model/XmlTestSupport.h"
#include "tests/support/TempDir.h"

#include <string>

using namespace Vexel;
using lumeo_test::CrLfLines;
using lumeo_test::ReadFileBytes;
using lumeo_test::TempDir;
using lumeo_test::WithoutMark;
using lumeo_test::WriteFileBytes;

namespace {

const char* const kHeaderLines[] = {
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>",
    "<!--DO NOT EDIT OR DELETE THIS VEXEL UI FILE!-->",
    "<!--Vexel skin library of the Lumeo softphone-->",
    "<!--Written by Lumeo when it converts an older skin-->",
    "<!--Vexel-->",
};

// The file head up to and including DPI.
std::string HeaderText(const char* dpiX, const char* dpiY)
{
    std::string text;
    for (const char* line : kHeaderLines)
        text += std::string(line) + "\r\n";
    text += "<VexelUI>\r\n"
            "\t<Configuration OpenProgram=\"LumeoSkinEditor.exe\"/>\r\n"
            "\t<Version Version=\"0700\" Build=\"4467\" ChangeList=\"4485\"/>\r\n";
    text += std::string("\t<DPI LogPixelsX=\"") + dpiX + "\" LogPixelsY=\"" + dpiY + "\"/>\r\n";
    return text;
}

// Styles with all 24 groups empty, and the root's end.
std::string EmptyStylesAndEnd()
{
    return CrLfLines({
        "\t<Styles>",
        "\t\t<PushButtons/>", "\t\t<CheckBoxes/>", "\t\t<RadioButtons/>", "\t\t<ComboBoxes/>",
        "\t\t<Statics/>", "\t\t<Edits/>", "\t\t<Sliders/>", "\t\t<Progresses/>", "\t\t<Spins/>",
        "\t\t<HotKeys/>", "\t\t<IPAdresses/>", "\t\t<SliderExes/>", "\t\t<ListControls/>",
        "\t\t<TreeControls/>", "\t\t<TreeLists/>", "\t\t<RichEdits/>", "\t\t<HtmlControls/>",
        "\t\t<DateTimes/>", "\t\t<WaveControls/>", "\t\t<Menus/>", "\t\t<Menubars/>", "\t\t<Headers/>",
        "\t\t<HorScrollbars/>", "\t\t<VerScrollbars/>",
        "\t</Styles>",
        "</VexelUI>",
    });
}

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class SkinWriterTest : public lumeo_test::XmlTest {
protected:
    // The bytes SaveSkinDocument leaves at the target.
    std::string Save(const SkinStore& skin, int dpiX = 96, int dpiY = 96)
    {
        ComPtr<IXMLDOMDocument> document = BuildSkinDocument(skin, dpiX, dpiY);
        EXPECT_EQ(0, SaveSkinDocument(document.Get(), target.c_str()));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((target + L"~").c_str()));
        return ReadFileBytes(target);
    }

    // A record's property elements as WriteProperties makes them, without indentation.
    std::string PropertiesText(const CTRLPROPERTIES& record)
    {
        ComPtr<IXMLDOMDocument> document = XmlDom::CreateDocument();
        ComPtr<IXMLDOMElement> element = XmlDom::CreateElement(document.Get(), L"R");
        XmlDom::AppendChild(document.Get(), element.Get());
        EXPECT_EQ(0, WriteProperties(record, document.Get(), element.Get()));
        return WithoutMark(SerializeXmlDocument(document.Get()));
    }

    TempDir dir;
    const std::wstring target = dir.File(L"the.xui");
    SkinStore store;
};

TEST_F(SkinWriterTest, EmptyStoreGivesTheCompleteSkeleton)
{
    const std::string expected = "\xEF\xBB\xBF" + HeaderText("96", "96") +
                                 CrLfLines({"\t<Windows/>", "\t<Resources>", "\t\t<Fonts/>", "\t\t<Colors/>",
                                            "\t</Resources>"}) +
                                 EmptyStylesAndEnd();
    EXPECT_EQ(expected, Save(store));
}

// The first push button of the shipped skin, with ">>" as its caption.
CTRLPROPERTIES* MinimizeButton()
{
    auto button = std::make_unique<BTNPROPERTIES>();
    button->GetVar(CtrlVar::ID).SetString(L"IDC_BTN_MIN");
    button->GetVar(CtrlVar::Rect).SetRect(RECT{250, 4, 272, 23});
    button->GetVar(CtrlVar::HorLayoutMode).WordToEnum(L"Right");
    button->GetVar(CtrlVar::VerLayoutMode).WordToEnum(L"Top");
    button->GetVar(CtrlVar::ResizingPoint).SetPoint(POINT{0, 0});
    button->GetVar(CtrlVar::FontResN).SetString(L"IDR_FONT_1");
    for (int i : {CtrlVar::FontResH, CtrlVar::FontResS, CtrlVar::FontResD})
        button->GetVar(i).SetString(L"IDR_FONT_2");
    for (int i : {CtrlVar::ColorResN, CtrlVar::ColorResH, CtrlVar::ColorResS, CtrlVar::ColorResD})
        button->GetVar(i).SetString(L"IDR_COLOR_2");
    button->GetVar(BtnBaseVar::Caption).SetString(L">>");
    button->GetVar(BtnBaseVar::ToolTipEnable).SetBool(true);
    button->GetVar(BtnBaseVar::ToolTipText).SetString(L"Minimize");
    button->GetVar(BtnVar::ButtonType).WordToEnum(L"MinimizeBox");
    return button.release();
}

TEST_F(SkinWriterTest, WindowWithThePushButtonExample)
{
    auto window = WindowRecordPtr(new UIWNDPROPERTIES);
    window->GetVar(CtrlVar::ID).SetString(L"IDW_MAIN");
    window->Controls().push_back(MinimizeButton());
    store.windows.push_back(std::move(window));

    const std::string expected =
        "\xEF\xBB\xBF" + HeaderText("96", "96") +
        CrLfLines({
            "\t<Windows>",
            "\t\t<Window>",
            "\t\t\t<ID Value=\"IDW_MAIN\"/>",
            "\t\t\t<LayoutMode Horizontal=\"Default\" Vertical=\"Default\"/>",
            "\t\t\t<BackgroundNormal RelativePath=\"\"/>",
            "\t\t\t<BackgroundHighlight RelativePath=\"\"/>",
            "\t\t\t<BackgroundSelected RelativePath=\"\"/>",
            "\t\t\t<BackgroundDisabled RelativePath=\"\"/>",
            "\t\t\t<ImageResizeMode Value=\"9Grid\"/>",
            "\t\t\t<Alpha Value=\"255\"/>",
            "\t\t\t<AlphaFormat Value=\"AC_SRC_ALPHA\"/>",
            "\t\t\t<TitleBarHeight Value=\"0\"/>",
            "\t\t\t<Tag Value=\"\"/>",
            "\t\t\t<BackgroundHide RelativePath=\"\"/>",
            "\t\t\t<MaskColorResID Value=\"\"/>",
            "\t\t\t<ResizingPoint X=\"0\" Y=\"0\"/>",
            "\t\t\t<XRepeatPixel Value=\"1\"/>",
            "\t\t\t<YRepeatPixel Value=\"1\"/>",
            "\t\t\t<WindowType Value=\"Normal\"/>",
            "\t\t\t<ClientArea Size=\"0,0\" Location=\"0,0\"/>",
            "\t\t\t<Controls>",
            "\t\t\t\t<PUSHBUTTON>",
            "\t\t\t\t\t<ID Value=\"IDC_BTN_MIN\"/>",
            "\t\t\t\t\t<Rect Size=\"22,19\" Location=\"250,4\"/>",
            "\t\t\t\t\t<LayoutMode Horizontal=\"Right\" Vertical=\"Top\"/>",
            "\t\t\t\t\t<BkCombine RelativePath=\"\"/>",
            "\t\t\t\t\t<BackgroundNormal RelativePath=\"\"/>",
            "\t\t\t\t\t<BackgroundHighlight RelativePath=\"\"/>",
            "\t\t\t\t\t<BackgroundSelected RelativePath=\"\"/>",
            "\t\t\t\t\t<BackgroundDisabled RelativePath=\"\"/>",
            "\t\t\t\t\t<ImageResizeMode Value=\"9Grid\"/>",
            "\t\t\t\t\t<ResizingPoint X=\"0\" Y=\"0\"/>",
            "\t\t\t\t\t<FontResN Value=\"IDR_FONT_1\"/>",
            "\t\t\t\t\t<FontResH Value=\"IDR_FONT_2\"/>",
            "\t\t\t\t\t<FontResS Value=\"IDR_FONT_2\"/>",
            "\t\t\t\t\t<FontResD Value=\"IDR_FONT_2\"/>",
            "\t\t\t\t\t<ColorResN Value=\"IDR_COLOR_2\"/>",
            "\t\t\t\t\t<ColorResH Value=\"IDR_COLOR_2\"/>",
            "\t\t\t\t\t<ColorResS Value=\"IDR_COLOR_2\"/>",
            "\t\t\t\t\t<ColorResD Value=\"IDR_COLOR_2\"/>",
            "\t\t\t\t\t<Caption Value=\"&gt;&gt;\"/>",
            "\t\t\t\t\t<Tag Value=\"\"/>",
            "\t\t\t\t\t<MaskBitmap RelativePath=\"\"/>",
            "\t\t\t\t\t<ToolTip Enable=\"true\" ToolTip=\"Minimize\"/>",
            "\t\t\t\t\t<TextAlignment Horizontal=\"Default\" HorOffset=\"0\" Vertical=\"Default\" VerOffset=\"0\"/>",
            "\t\t\t\t\t<ForegroundAlignMode Horizontal=\"Left\" HorOffset=\"0\" Vertical=\"Center\" VerOffset=\"0\"/>",
            "\t\t\t\t\t<ForeGroundCombine Value=\"\"/>",
            "\t\t\t\t\t<ForegroundNormal Value=\"\"/>",
            "\t\t\t\t\t<ForegroundHighlight Value=\"\"/>",
            "\t\t\t\t\t<ForegroundSelected Value=\"\"/>",
            "\t\t\t\t\t<ForegroundDisabled Value=\"\"/>",
            "\t\t\t\t\t<ButtonType Value=\"MinimizeBox\"/>",
            "\t\t\t\t</PUSHBUTTON>",
            "\t\t\t</Controls>",
            "\t\t</Window>",
            "\t</Windows>",
            "\t<Resources>",
            "\t\t<Fonts/>",
            "\t\t<Colors/>",
            "\t</Resources>",
        }) +
        EmptyStylesAndEnd();
    EXPECT_EQ(expected, Save(store));
}

TEST_F(SkinWriterTest, FontAndColorResources)
{
    auto font = std::make_unique<RESFONTPROPERTIES>();
    font->GetVar(CtrlVar::ID).SetString(L"IDR_FONT_1");
    LOGFONTW logFont = {};
    logFont.lfHeight = -13;
    logFont.lfWeight = 700;
    logFont.lfItalic = 1;
    logFont.lfQuality = 255;
    logFont.lfPitchAndFamily = 0x22;
    wcscpy(logFont.lfFaceName, L"Tahoma");
    font->GetVar(ResourceVar::Value).SetLogFont(logFont);
    auto color = std::make_unique<RESCOLORPROPERTIES>();
    color->GetVar(CtrlVar::ID).SetString(L"IDR_COLOR_1");
    color->GetVar(ResourceVar::Value).SetInt(static_cast<int>(RGB(0x41, 0x69, 0xE1)));
    store.fonts.push_back(std::move(font));
    store.colors.push_back(std::move(color));
    auto empty = std::make_unique<RESFONTPROPERTIES>();   // left at its defaults: the standard font
    store.fonts.push_back(std::move(empty));

    const std::string expected =
        "\xEF\xBB\xBF" + HeaderText("96", "96") +
        CrLfLines({
            "\t<Windows/>",
            "\t<Resources>",
            "\t\t<Fonts>",
            "\t\t\t<FONT>",
            "\t\t\t\t<ID Value=\"IDR_FONT_1\"/>",
            "\t\t\t\t<Font Height=\"-13\" Width=\"0\" lfEscapement=\"0\" Orientation=\"0\" Weight=\"700\" "
            "Italic=\"1\" Underline=\"0\" StrikeOut=\"0\" CharSet=\"0\" OutPrecision=\"0\" ClipPrecision=\"0\" "
            "Quality=\"255\" PitchAndFamily=\"34\" FaceName=\"Tahoma\"/>",
            "\t\t\t</FONT>",
            "\t\t\t<FONT>",
            "\t\t\t\t<ID Value=\"\"/>",
            "\t\t\t\t<Font Height=\"-12\" Width=\"0\" lfEscapement=\"0\" Orientation=\"0\" Weight=\"400\" "
            "Italic=\"0\" Underline=\"0\" StrikeOut=\"0\" CharSet=\"0\" OutPrecision=\"3\" ClipPrecision=\"2\" "
            "Quality=\"1\" PitchAndFamily=\"34\" FaceName=\"Tahoma\"/>",
            "\t\t\t</FONT>",
            "\t\t</Fonts>",
            "\t\t<Colors>",
            "\t\t\t<COLOR>",
            "\t\t\t\t<ID Value=\"IDR_COLOR_1\"/>",
            "\t\t\t\t<Color Value=\"#00E16941\"/>",
            "\t\t\t</COLOR>",
            "\t\t</Colors>",
            "\t</Resources>",
        }) +
        EmptyStylesAndEnd();
    EXPECT_EQ(expected, Save(store));
}

TEST_F(SkinWriterTest, EmptyFaceNameAndNonFontValue)
{
    RESFONTPROPERTIES font;
    LOGFONTW logFont = {};
    logFont.lfHeight = -13;
    font.GetVar(ResourceVar::Value).SetLogFont(logFont);
    EXPECT_NE(std::string::npos,
              PropertiesText(font).find("<Font Height=\"-13\" Width=\"0\" lfEscapement=\"0\" Orientation=\"0\" "
                                        "Weight=\"0\" Italic=\"0\" Underline=\"0\" StrikeOut=\"0\" CharSet=\"0\" "
                                        "OutPrecision=\"0\" ClipPrecision=\"0\" Quality=\"0\" PitchAndFamily=\"0\" "
                                        "FaceName=\"\"/>"));

    font.GetVar(ResourceVar::Value).SetInt(5);        // no longer a font: written as zeros
    EXPECT_NE(std::string::npos, PropertiesText(font).find("<Font Height=\"0\" Width=\"0\""));
}

TEST_F(SkinWriterTest, SharedElementsFlagsAndEnumerationsOfAWindow)
{
    UIWNDPROPERTIES window;
    window.GetVar(CtrlVar::ID).SetString(L"IDW_MAIN");
    window.GetVar(CtrlVar::HorLayoutMode).WordToEnum(L"Right");
    window.GetVar(CtrlVar::VerLayoutMode).WordToEnum(L"Top");
    window.GetVar(UiWndVar::IsNoActivate).SetBool(true);      // default false
    window.GetVar(UiWndVar::IsAppWindow).SetBool(false);      // default true
    VARIANT noWord;
    noWord.vt = VT_INT;
    noWord.intVal = 0;                                        // a number without a word
    window.GetVar(CtrlVar::ImageResizeMode).SetValue(noWord);
    window.GetVar(UiWndVar::MaskColor).SetInt(0x123456);      // superseded: never written
    window.GetVar(UiWndVar::Tag).SetString(L"a\"b<c>");
    const std::string text = PropertiesText(window);

    EXPECT_NE(std::string::npos, text.find("<ID Value=\"IDW_MAIN\"/><LayoutMode Horizontal=\"Right\" Vertical=\"Top\"/>"));
    EXPECT_NE(std::string::npos, text.find("<ImageResizeMode Value=\"\"/>"));
    EXPECT_NE(std::string::npos, text.find("<IsNoActivate Value=\"true\"/><IsAppWindow Value=\"false\"/><Alpha Value=\"255\"/>"));
    EXPECT_NE(std::string::npos, text.find("<Tag Value=\"a&quot;b&lt;c&gt;\"/>"));
    for (const char* absent : {"IsLayeredWindow", "IsTopmost", "IsClipChildren", "MaskColor ", "MaskColor=",
                               "<Rect", "FontN", "ColorN", "UIWND"})
        EXPECT_EQ(std::string::npos, text.find(absent)) << absent;
}

TEST_F(SkinWriterTest, OneVariableAtATimeReusesItsElementAndMovesItToTheEnd)
{
    BTNPROPERTIES button;
    button.GetVar(BtnBaseVar::ToolTipEnable).SetBool(true);
    button.GetVar(BtnBaseVar::ToolTipText).SetString(L"Close");
    button.GetVar(BtnBaseVar::Caption).SetString(L"x");
    button.GetVar(CtrlVar::IsVisible).SetBool(button.GetVar(CtrlVar::IsVisible).DefaultValue().boolVal != 0);

    ComPtr<IXMLDOMDocument> document = XmlDom::CreateDocument();
    ComPtr<IXMLDOMElement> element = XmlDom::CreateElement(document.Get(), L"R");
    XmlDom::AppendChild(document.Get(), element.Get());
    for (int var : {static_cast<int>(BtnBaseVar::ToolTipEnable), static_cast<int>(BtnBaseVar::Caption),
                    static_cast<int>(BtnBaseVar::ToolTipText), static_cast<int>(CtrlVar::IsVisible)})
        EXPECT_EQ(0, WritePropertyValue(document.Get(), element.Get(), button.GetVar(var)));
    // The flag at its default writes nothing.
    EXPECT_EQ("<R><Caption Value=\"x\"/><ToolTip Enable=\"true\" ToolTip=\"Close\"/></R>\r\n",
              WithoutMark(SerializeXmlDocument(document.Get())));
}

TEST_F(SkinWriterTest, IndentationOfAHandBuiltTree)
{
    ComPtr<IXMLDOMDocument> document = XmlDom::CreateDocument();
    auto element = [&](IXMLDOMNode* parent, LPCWSTR name) {
        ComPtr<IXMLDOMElement> e = XmlDom::CreateElement(document.Get(), name);
        XmlDom::AppendChild(parent, e.Get());
        return e;
    };
    ComPtr<IXMLDOMElement> root = element(document.Get(), L"Root");
    ComPtr<IXMLDOMElement> a = element(root.Get(), L"A");
    ComPtr<IXMLDOMElement> b = element(a.Get(), L"B");
    element(b.Get(), L"C");
    element(a.Get(), L"D");
    element(root.Get(), L"E");
    IndentTree(document.Get(), root.Get(), 1);
    EXPECT_EQ(CrLfLines({"<Root>", "\t<A>", "\t\t<B>", "\t\t\t<C/>", "\t\t</B>", "\t\t<D/>", "\t</A>", "\t<E/>",
                         "</Root>"}),
              WithoutMark(SerializeXmlDocument(document.Get())));
}

TEST_F(SkinWriterTest, FindChildElementComparesNamesExactlyAndTakesTheFirst)
{
    ComPtr<IXMLDOMDocument> document = XmlDom::CreateDocument();
    ComPtr<IXMLDOMElement> root = XmlDom::CreateElement(document.Get(), L"R");
    XmlDom::AppendChild(document.Get(), root.Get());
    ComPtr<IXMLDOMElement> first = XmlDom::CreateElement(document.Get(), L"ToolTip");
    ComPtr<IXMLDOMElement> second = XmlDom::CreateElement(document.Get(), L"ToolTip");
    XmlDom::AppendChild(root.Get(), first.Get());
    XmlDom::AppendChild(root.Get(), second.Get());
    XmlDom::SetAttribute(first.Get(), L"N", L"1");

    ComPtr<IXMLDOMElement> found = XmlDom::AsElement(FindChildElement(root.Get(), L"ToolTip").Get());
    ASSERT_TRUE(found);
    _variant_t n;
    CheckHr(found->getAttribute(_bstr_t(L"N"), &n));
    EXPECT_EQ(std::wstring(L"1"), std::wstring(static_cast<_bstr_t>(n)));
    EXPECT_FALSE(FindChildElement(root.Get(), L"tooltip"));
    EXPECT_FALSE(FindChildElement(root.Get(), L""));
}

// A store with a window, resources and a style, so that every level of the tree occurs.
void FillStore(SkinStore& skin)
{
    auto window = WindowRecordPtr(new UIWNDPROPERTIES);
    window->GetVar(CtrlVar::ID).SetString(L"IDW_MAIN");
    auto control = new UIWNDPROPERTIES;   // any record serves as a control here
    window->Controls().push_back(control);
    skin.windows.push_back(std::move(window));
    skin.fonts.push_back(std::make_unique<RESFONTPROPERTIES>());
    skin.colors.push_back(std::make_unique<RESCOLORPROPERTIES>());
    auto style = std::make_unique<RESCOLORPROPERTIES>();
    style->GetVar(CtrlVar::Type).SetString(L"STYLE_COLOR");
    skin.styles[19].push_back(std::move(style));
}

TEST_F(SkinWriterTest, SavingTwiceGivesIdenticalBytesWithOneMarkCrLfAndTabs)
{
    FillStore(store);
    const std::string first = Save(store);
    const std::string second = Save(store);
    EXPECT_EQ(first, second);

    EXPECT_EQ(0u, first.find("\xEF\xBB\xBF"));
    EXPECT_EQ(1u, Count(first, "\xEF\xBB\xBF"));
    ASSERT_GE(first.size(), 2u);
    EXPECT_EQ("\r\n", first.substr(first.size() - 2));
    for (std::size_t i = 0; i < first.size(); ++i) {
        if (first[i] == '\r') {
            EXPECT_EQ('\n', first[i + 1]) << "CR without LF at " << i;
        }
        if (first[i] == '\n') {
            EXPECT_EQ('\r', first[i - 1]) << "LF without CR at " << i;
        }
    }
    // Every line starts with TABs only, then its tag; the nesting shows in their number.
    std::size_t lineStart = 3;
    int lines = 0;
    while (lineStart < first.size()) {
        const std::size_t end = first.find("\r\n", lineStart);
        const std::string line = first.substr(lineStart, end - lineStart);
        const std::size_t tag = line.find('<');
        EXPECT_EQ(std::string(tag, '\t'), line.substr(0, tag)) << line;
        lineStart = end + 2;
        ++lines;
    }
    EXPECT_GT(lines, 40);
    EXPECT_NE(std::string::npos, first.find("\r\n\t\t\t<Controls>\r\n\t\t\t\t<UIWND>\r\n\t\t\t\t\t<ID Value=\"\"/>"));
    EXPECT_NE(std::string::npos, first.find("\r\n\t\t<Menus>\r\n\t\t\t<STYLE_COLOR>\r\n\t\t\t\t<ID Value=\"\"/>"));
    EXPECT_NE(std::string::npos, first.find("\r\n\t\t<Menubars/>\r\n"));
}

TEST_F(SkinWriterTest, AWindowWithoutControlsStillHasControls)
{
    auto window = WindowRecordPtr(new UIWNDPROPERTIES);
    store.windows.push_back(std::move(window));
    const std::string text = Save(store);
    EXPECT_NE(std::string::npos, text.find("\t\t<Window>\r\n\t\t\t<ID Value=\"\"/>\r\n"));
    EXPECT_NE(std::string::npos, text.find("\t\t\t<Controls/>\r\n\t\t</Window>\r\n\t</Windows>\r\n"));
}

TEST_F(SkinWriterTest, AFailedSaveLeavesTheOldFileAndNoTemporaryFile)
{
    ComPtr<IXMLDOMDocument> document = BuildSkinDocument(store, 96, 96);
    const std::wstring temporary = target + L"~";

    // The temporary name is taken by a folder: nothing can be written.
    ASSERT_TRUE(WriteFileBytes(target, "old skin"));
    ASSERT_TRUE(CreateDirectoryW(temporary.c_str(), nullptr));
    EXPECT_EQ(-1, SaveSkinDocument(document.Get(), target.c_str()));
    EXPECT_EQ("old skin", ReadFileBytes(target));
    ASSERT_TRUE(RemoveDirectoryW(temporary.c_str()));

    // The target is read-only: the written file cannot be moved over it.
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(-2, SaveSkinDocument(document.Get(), target.c_str()));
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("old skin", ReadFileBytes(target));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(temporary.c_str()));
}

// The check sees the file as it would replace the target, mark and all, before anything is
// replaced; a refusal keeps the old file and leaves no temporary one.
std::string g_checkedBytes;
bool RefuseAfterLooking(LPCWSTR temporary)
{
    g_checkedBytes = ReadFileBytes(temporary);
    return false;
}

bool AcceptAfterLooking(LPCWSTR temporary)
{
    g_checkedBytes = ReadFileBytes(temporary);
    return true;
}

TEST_F(SkinWriterTest, AWrittenFileReplacesTheOldOneOnlyWhenItReadsBack)
{
    ComPtr<IXMLDOMDocument> document = BuildSkinDocument(store, 96, 96);
    ASSERT_TRUE(WriteFileBytes(target, "old skin"));

    EXPECT_EQ(-3, SaveSkinDocument(document.Get(), target.c_str(), &RefuseAfterLooking));
    EXPECT_EQ("\xEF\xBB\xBF<?xml", g_checkedBytes.substr(0, 8));
    EXPECT_EQ("old skin", ReadFileBytes(target));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((target + L"~").c_str()));

    EXPECT_EQ(0, SaveSkinDocument(document.Get(), target.c_str(), &AcceptAfterLooking));
    EXPECT_EQ(g_checkedBytes, ReadFileBytes(target));
}

// SaveUIFile works on the process-wide skin; each case puts the globals back.
class SaveUIFileTest : public SkinWriterTest {
protected:
    void SetUp() override
    {
        SkinWriterTest::SetUp();
        g_skinStore.uiFilePath = target.c_str();
    }
    void TearDown() override
    {
        g_skinStore.windows.clear();
        g_skinStore.ClearIDTable();
        g_skinStore.resourceHPath.Empty();
        g_skinStore.uiFilePath.Empty();
        ConvertingSkin = 0;
        DesignDpi = DesignDpiPair();
        SkinWriterTest::TearDown();
    }
};

TEST_F(SaveUIFileTest, WritesTheScreenDpiOrWhileConvertingTheImportedOne)
{
    const struct {
        int converting;
        int importedX, importedY;
        const char* writtenX;
        const char* writtenY;
    } cases[] = {
        {1, 120, 144, "120", "144"},
        {1, -1, -1, "-1", "-1"},      // the legacy skin brought none
        {0, 120, 144, "96", "96"},    // the screen's, whatever DesignDpi held
    };
    for (const auto& c : cases) {
        ConvertingSkin = c.converting;
        DesignDpi.LogPixelsX = c.importedX;
        DesignDpi.LogPixelsY = c.importedY;
        EXPECT_EQ(0, SaveUIFile());
        const std::string text = ReadFileBytes(target);
        EXPECT_NE(std::string::npos, text.find(std::string("<DPI LogPixelsX=\"") + c.writtenX + "\" LogPixelsY=\"" +
                                               c.writtenY + "\"/>"))
            << c.writtenX;
        EXPECT_EQ(atoi(c.writtenX), DesignDpi.LogPixelsX);
        EXPECT_EQ(atoi(c.writtenY), DesignDpi.LogPixelsY);
    }
}

TEST_F(SaveUIFileTest, WritesResourceHOnlyWhenTheSkinFileWasWritten)
{
    auto window = WindowRecordPtr(new UIWNDPROPERTIES);
    window->GetVar(CtrlVar::ID).SetString(L"IDW_MAIN");
    g_skinStore.windows.push_back(std::move(window));
    const std::wstring resourceH = dir.File(L"Resource.h");
    g_skinStore.resourceHPath = resourceH.c_str();

    ASSERT_TRUE(WriteFileBytes(target, "old skin"));
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(-2, SaveUIFile());
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("old skin", ReadFileBytes(target));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(resourceH.c_str()));

    EXPECT_EQ(0, SaveUIFile());
    EXPECT_NE(std::string::npos, ReadFileBytes(target).find("<ID Value=\"IDW_MAIN\"/>"));
    EXPECT_NE(std::string::npos, ReadFileBytes(resourceH).find("#define IDW_MAIN"));
    EXPECT_EQ(1000, g_skinStore.GetIDByName(L"IDW_MAIN"));
}

} // namespace
