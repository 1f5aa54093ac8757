#include <gtest/gtest.h>

#include "skin/model/ButtonProperties.h"
#include "skin/model/ControlFactory.h"
#include "skin/model/EditProperties.h"
#include "skin/model/MenuProperties.h"
#include "skin/model/SkinReader.h"
#include "skin/model/SkinXmlFormat.h"

#include "tests/skin_model/SkinFileFixtures.h"

#include <objbase.h>

#include <cwchar>
#include <string>
#include <thread>

using namespace Vexel;
using skin_test::SkinText;

namespace {

class SkinReaderTest : public skin_test::SkinTest {};

// The three kinds of prompt the reader shows.
enum class Shown { Nothing, Conversion, Newer };

Shown WhatWasShown(const skin_test::ScriptedPrompts& prompts)
{
    if (prompts.Prompts().empty())
        return Shown::Nothing;
    EXPECT_EQ(1u, prompts.Prompts().size());
    const auto& prompt = prompts.Prompts().front();
    if (prompt.text.find(L"must be converted to the current project format") != std::wstring::npos) {
        EXPECT_EQ(static_cast<UINT>(MB_YESNO), prompt.type & 0xF);
        return Shown::Conversion;
    }
    EXPECT_EQ(L"The selected file is a Vexel skin file, but was created by a newer version of this application "
              L"and cannot be opened.",
              prompt.text);
    EXPECT_EQ(static_cast<UINT>(MB_OK), prompt.type & 0xF);
    return Shown::Newer;
}

const char kOneWindow[] = "<Windows><Window><ID Value=\"IDW_MAIN\"/><Controls/></Window></Windows>";

TEST_F(SkinReaderTest, VersionGate)
{
    struct Case {
        const char* name;
        const char* versionElement;     // null: none
        int answer;
        int expected;
        Shown shown;
        int major, minor, build;        // the store's version afterwards
    };
    const Case cases[] = {
        {"current", "<Version Version=\"0700\" Build=\"4467\"/>", IDNO, 0, Shown::Nothing, 7, 0, 4467},
        {"older build, Yes", "<Version Version=\"0700\" Build=\"4466\"/>", IDYES, 0, Shown::Conversion, 7, 0, 4467},
        {"older build, No", "<Version Version=\"0700\" Build=\"4466\"/>", IDNO, 212, Shown::Conversion, 7, 0, 4466},
        {"no build, Yes", "<Version Version=\"0700\"/>", IDYES, 0, Shown::Conversion, 7, 0, 4467},
        {"newer build", "<Version Version=\"0700\" Build=\"4468\"/>", IDYES, 204, Shown::Newer, 7, 0, 4468},
        {"newer minor", "<Version Version=\"0701\" Build=\"4467\"/>", IDYES, 204, Shown::Newer, 7, 1, 4467},
        {"newer major", "<Version Version=\"0800\" Build=\"4467\"/>", IDYES, 204, Shown::Newer, 8, 0, 4467},
        {"older major", "<Version Version=\"0600\" Build=\"4467\"/>", IDYES, 204, Shown::Nothing, 6, 0, 4467},
        {"no Version attribute", "<Version Build=\"4467\"/>", IDYES, 204, Shown::Nothing, 0, 0, 4467},
        {"no Version element", nullptr, IDYES, -1, Shown::Nothing, -1, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.SetAnswer(c.answer);
        skin_test::ScriptedPrompts shown(c.answer);
        ReleaseSkin();
        g_skinStore.versionMajor = g_skinStore.versionMinor = g_skinStore.versionBuild = -1;
        const std::string text = std::string("<?xml version=\"1.0\"?><VexelUI>") +
                                 (c.versionElement ? c.versionElement : "") + kOneWindow + "</VexelUI>";
        const std::wstring path = WriteSkin(text);
        EXPECT_EQ(c.expected, OpenSkin(path.c_str(), 1));
        EXPECT_EQ(c.shown, WhatWasShown(shown));
        EXPECT_EQ(c.major, g_skinStore.versionMajor);
        EXPECT_EQ(c.minor, g_skinStore.versionMinor);
        EXPECT_EQ(c.build, g_skinStore.versionBuild);
        EXPECT_EQ(c.expected == 0 ? 1u : 0u, g_skinStore.windows.size());
        EXPECT_EQ(path, std::wstring(GetUIFilePath()));
        if (c.shown == Shown::Conversion) {
            EXPECT_NE(std::wstring::npos, shown.Prompts().front().text.find(L"'" + path + L"'"));
        }
    }
}

TEST_F(SkinReaderTest, ConversionPromptText)
{
    g_skinStore.uiFilePath = L"C:\\skins\\old.xui";
    prompts.SetAnswer(IDNO);
    EXPECT_EQ(-1, ConfirmSkinConversion());
    prompts.SetAnswer(IDYES);
    EXPECT_EQ(0, ConfirmSkinConversion());
    ASSERT_EQ(2u, prompts.Prompts().size());
    EXPECT_EQ(L"The project\r\n\r\n'C:\\skins\\old.xui'\r\n\r\nmust be converted to the current project format. "
              L"After it has been converted,\r\nyou will not be able to edit this project in previous versions of "
              L"Korvath.\r\nConvert and open this project?",
              prompts.Prompts()[1].text);
}

TEST_F(SkinReaderTest, MissingAndUnparseableFiles)
{
    const std::wstring missing = folder.File(L"nothing.xui");
    EXPECT_EQ(200, OpenSkin(missing.c_str(), 1));
    EXPECT_TRUE(GetUIFilePath().IsEmpty());

    const std::wstring broken = WriteSkin("<VexelUI><Version Version=\"0700\"", L"broken.xui");
    EXPECT_EQ(211, OpenSkin(broken.c_str(), 1));
    EXPECT_EQ(broken, std::wstring(GetUIFilePath()));
    EXPECT_TRUE(skin_test::StoreHoldsNoRecord());
    EXPECT_TRUE(prompts.Prompts().empty());
}

TEST_F(SkinReaderTest, PathsAndResourceHeader)
{
    // A relative path is taken from the program's folder.
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring programFolder(module);
    programFolder.erase(programFolder.rfind(L'\\') + 1);
    const std::wstring sub = L"skin_reader_test_" + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW((programFolder + sub).c_str(), nullptr));
    const std::wstring file = programFolder + sub + L"\\a.xui";
    ASSERT_TRUE(lumeo_test::WriteFileBytes(file, SkinText(kOneWindow)));

    EXPECT_EQ(0, OpenSkin((sub + L"\\a.xui").c_str(), 1));
    EXPECT_EQ(file, std::wstring(GetUIFilePath()));
    EXPECT_EQ(programFolder + sub + L"\\Resource.h", std::wstring(GetResourceHeaderPath()));
    EXPECT_EQ(programFolder + sub + L"\\", std::wstring(GetSkinFolder()));
    DeleteFileW(file.c_str());
    RemoveDirectoryW((programFolder + sub).c_str());

    // An absolute path stands as it is; the Resource.h beside it is read.
    ReleaseSkin();
    const std::wstring absolute = WriteSkin(SkinText(kOneWindow));
    ASSERT_TRUE(lumeo_test::WriteFileBytes(folder.File(L"Resource.h"), "#define IDW_MAIN 1234\r\n"));
    EXPECT_EQ(0, OpenSkin(absolute.c_str(), 1));
    EXPECT_EQ(folder.File(L"Resource.h"), std::wstring(GetResourceHeaderPath()));
    EXPECT_EQ(1234, g_skinStore.GetIDByName(L"IDW_MAIN"));
}

TEST_F(SkinReaderTest, OpeningClearsTheMenuTrackingWords)
{
    MenuTrackInfo.owner = reinterpret_cast<HWND>(1);
    MenuTrackInfo.menu = reinterpret_cast<HMENU>(2);
    MenuTrackInfo.popup = reinterpret_cast<HWND>(3);
    EXPECT_EQ(0, OpenSkin(WriteSkin(SkinText(kOneWindow)).c_str(), 1));
    EXPECT_EQ(nullptr, MenuTrackInfo.owner);
    EXPECT_EQ(nullptr, MenuTrackInfo.menu);
    EXPECT_EQ(nullptr, MenuTrackInfo.popup);
}

TEST_F(SkinReaderTest, DpiWindowsResourcesAndStylesMayBeAbsent)
{
    // No DPI: DesignDpi keeps its value; no Resources or Styles: empty lists.
    const std::string noDpi = "<?xml version=\"1.0\"?><VexelUI><Version Version=\"0700\" Build=\"4467\"/>" +
                              std::string(kOneWindow) + "</VexelUI>";
    EXPECT_EQ(0, OpenSkin(WriteSkin(noDpi).c_str(), 1));
    EXPECT_EQ(-1, DesignDpi.LogPixelsX);
    EXPECT_EQ(-1, DesignDpi.LogPixelsY);
    EXPECT_EQ(1u, g_skinStore.windows.size());
    EXPECT_TRUE(g_skinStore.fonts.empty());

    // No Windows: 213, after DesignDpi was set.
    ReleaseSkin();
    const std::string noWindows = "<?xml version=\"1.0\"?><VexelUI><DPI LogPixelsX=\"120\" LogPixelsY=\"144\"/>"
                                  "<Version Version=\"0700\" Build=\"4467\"/></VexelUI>";
    EXPECT_EQ(213, OpenSkin(WriteSkin(noWindows).c_str(), 1));
    EXPECT_EQ(120, DesignDpi.LogPixelsX);
    EXPECT_EQ(144, DesignDpi.LogPixelsY);
}

TEST_F(SkinReaderTest, WindowsControlsAndUnknownElements)
{
    const std::string body =
        "<Configuration OpenProgram=\"x.exe\"/><Unknown><Window/></Unknown>"
        "<Windows>"
        "<Window><ID Value=\"IDW_A\"/><Mystery Value=\"1\"/><Controls>"
        "<PUSHBUTTON><ID Value=\"IDC_1\"/></PUSHBUTTON>"
        "<check><ID Value=\"IDC_2\"/></check>"
        "<Static><ID Value=\"IDC_3\"/></Static>"
        "<pushbutton><ID Value=\"IDC_4\"/></pushbutton>"
        "<GADGET><ID Value=\"IDC_5\"/></GADGET>"
        "<!--a comment among controls-->"
        "<edit><ID Value=\"IDC_6\"/><Unknown Value=\"x\"/></edit>"
        "</Controls></Window>"
        "<!--a comment among windows-->"
        "<Dialog><ID Value=\"IDW_B\"/></Dialog>"
        "</Windows>";
    ASSERT_EQ(0, OpenSkin(WriteSkin(SkinText(body)).c_str(), 1));
    ASSERT_EQ(3u, g_skinStore.windows.size());

    const UIWNDPROPERTIES& a = *g_skinStore.windows[0];
    EXPECT_TRUE(a.GetVar(CtrlVar::ID) == L"IDW_A");
    ASSERT_EQ(4u, a.Controls().size());
    const wchar_t* const types[] = {L"PUSHBUTTON", L"CHECK", L"STATIC", L"EDIT"};
    const wchar_t* const ids[] = {L"IDC_1", L"IDC_2", L"IDC_3", L"IDC_6"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(a.Controls()[i]->GetVar(CtrlVar::Type) == types[i]) << i;
        EXPECT_TRUE(a.Controls()[i]->GetVar(CtrlVar::ID) == ids[i]) << i;
    }
    EXPECT_NE(nullptr, dynamic_cast<const CHKPROPERTIES*>(a.Controls()[1]));

    // The comment gives a window at its defaults; any element name is a window.
    const UIWNDPROPERTIES& comment = *g_skinStore.windows[1];
    EXPECT_TRUE(comment.GetVar(CtrlVar::ID) == L"");
    EXPECT_TRUE(comment.Controls().empty());
    const UIWNDPROPERTIES fresh;
    for (int i = 0; i < fresh.GetVarCount(); ++i) {
        if (fresh.GetVar(i).Kind() != ValueKind::Rect && fresh.GetVar(i).Kind() != ValueKind::Point &&
            fresh.GetVar(i).Kind() != ValueKind::Font) {
            EXPECT_TRUE(VariantsEqual(fresh.GetVar(i).Value(), comment.GetVar(i).Value())) << i;
        }
    }
    EXPECT_TRUE(g_skinStore.windows[2]->GetVar(CtrlVar::ID) == L"IDW_B");
}

TEST_F(SkinReaderTest, ResourcesAndStyles)
{
    const std::string body =
        std::string(kOneWindow) +
        "<Resources><Fonts><FONT><ID Value=\"IDR_FONT_1\"/><Font Height=\"-15\" Width=\"0\" lfEscapement=\"0\" "
        "Orientation=\"0\" Weight=\"700\" Italic=\"0\" Underline=\"0\" StrikeOut=\"0\" CharSet=\"0\" "
        "OutPrecision=\"3\" ClipPrecision=\"2\" Quality=\"1\" PitchAndFamily=\"34\" FaceName=\"Arial\"/></FONT>"
        "<Anything><ID Value=\"IDR_FONT_2\"/></Anything></Fonts>"
        "<Colors><COLOR><ID Value=\"IDR_COLOR_1\"/><Color Value=\"#00112233\"/></COLOR></Colors></Resources>"
        "<Styles><Menus><STYLE_MENU><ID Value=\"IDR_MENU_DEFAULT\"/><MenuItemHeight Value=\"30\"/></STYLE_MENU>"
        "<!--a comment--></Menus>"
        "<PushButtons><STYLE_PUSHBUTTON><ID Value=\"IDS_BTN\"/></STYLE_PUSHBUTTON><PUSHBUTTON/></PushButtons>"
        "<Bogus><STYLE_X/></Bogus></Styles>";
    ASSERT_EQ(0, OpenSkin(WriteSkin(SkinText(body)).c_str(), 1));

    ASSERT_EQ(2u, g_skinStore.fonts.size());
    LOGFONTW font = {};
    g_skinStore.fonts[0]->GetVar(ResourceVar::Value).GetLogFont(font);
    EXPECT_EQ(-15, font.lfHeight);
    EXPECT_EQ(700, font.lfWeight);
    EXPECT_STREQ(L"Arial", font.lfFaceName);
    EXPECT_TRUE(g_skinStore.fonts[1]->GetVar(CtrlVar::ID) == L"IDR_FONT_2");
    ASSERT_EQ(1u, g_skinStore.colors.size());
    EXPECT_EQ(0x00112233, g_skinStore.colors[0]->GetVar(ResourceVar::Value).GetLong());

    const auto& menus = g_skinStore.styles[static_cast<int>(StyleKind::Menu)];
    ASSERT_EQ(2u, menus.size());   // the comment gives a record too, at its defaults
    EXPECT_NE(nullptr, dynamic_cast<const MENUPROPERTIES*>(menus[0].get()));
    EXPECT_TRUE(menus[0]->GetVar(CtrlVar::Type) == L"STYLE_MENU");
    EXPECT_TRUE(menus[0]->GetVar(CtrlVar::ID) == L"IDR_MENU_DEFAULT");
    EXPECT_EQ(30, menus[0]->GetVar(MenuVar::MenuItemHeight).GetLong());
    EXPECT_TRUE(menus[1]->GetVar(CtrlVar::Type) == L"#comment");
    EXPECT_EQ(menus[0].get(), g_skinStore.FindStyle(StyleKind::Menu, L"IDR_MENU_DEFAULT"));

    const auto& buttons = g_skinStore.styles[static_cast<int>(StyleKind::PushButton)];
    ASSERT_EQ(2u, buttons.size());
    EXPECT_TRUE(buttons[0]->GetVar(CtrlVar::Type) == L"STYLE_PUSHBUTTON");
    EXPECT_TRUE(buttons[1]->GetVar(CtrlVar::Type) == L"PUSHBUTTON");
    for (int kind = 0; kind < kStyleKindCount; ++kind) {
        if (kind != static_cast<int>(StyleKind::Menu) && kind != static_cast<int>(StyleKind::PushButton)) {
            EXPECT_TRUE(g_skinStore.styles[kind].empty()) << kind;
        }
    }
}

TEST_F(SkinReaderTest, LoadingAppendsToTheStore)
{
    const std::wstring path = WriteSkin(SkinText(kOneWindow));
    EXPECT_EQ(0, OpenSkin(path.c_str(), 1));
    EXPECT_EQ(0, LoadUIFile());
    EXPECT_EQ(2u, g_skinStore.windows.size());
}

TEST_F(SkinReaderTest, OleThatCannotBeInitialisedGives210)
{
    const std::wstring path = WriteSkin(SkinText(kOneWindow));
    int result = 0;
    std::thread worker([&] {
        // A thread already in the multithreaded apartment cannot take OLE.
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        result = OpenSkin(path.c_str(), 1);
        CoUninitialize();
    });
    worker.join();
    EXPECT_EQ(210, result);
    EXPECT_TRUE(skin_test::StoreHoldsNoRecord());
}

TEST_F(SkinReaderTest, SectionReadersRefuseNulls)
{
    UIWNDPROPERTIES window;
    std::vector<WindowRecordPtr> windows;
    std::vector<FontRecordPtr> fonts;
    std::vector<ColorRecordPtr> colors;
    const skin_test::ParsedXml xml = skin_test::ParseXml(L"<VexelUI/>");
    int a = 5, b = 6;
    CString text(L"x");
    EXPECT_EQ(-1, ReadVersion(xml.root.Get(), a, b));
    EXPECT_EQ(-1, ReadDpi(xml.root.Get(), a, b));
    EXPECT_EQ(-1, ReadConfiguration(xml.root.Get(), text));
    EXPECT_EQ(5, a);
    EXPECT_EQ(6, b);
    EXPECT_EQ(-1, ReadWindows(nullptr, &windows));
    EXPECT_EQ(-1, ReadWindows(xml.root.Get(), nullptr));
    EXPECT_EQ(-1, ReadWindow(nullptr, &window));
    EXPECT_EQ(-1, ReadWindow(xml.root.Get(), nullptr));
    EXPECT_EQ(-1, ReadControls(nullptr, &window));
    EXPECT_EQ(-1, ReadControl(nullptr, &window));
    EXPECT_EQ(-1, ReadControl(xml.root.Get(), nullptr));
    EXPECT_EQ(-1, ReadResources(nullptr, &fonts, &colors));
    EXPECT_EQ(-1, ReadResources(xml.root.Get(), nullptr, &colors));
    EXPECT_EQ(-1, ReadStyles(nullptr));
}

// --- The control factory -----------------------------------------------------------------

std::wstring Lower(LPCWSTR text)
{
    std::wstring lower(text);
    for (wchar_t& c : lower)
        c = static_cast<wchar_t>(towlower(c));
    return lower;
}

TEST(ControlFactoryTest, EveryControlNameMakesItsRecord)
{
    for (LPCWSTR name : SkinXml::kControlElements) {
        SCOPED_TRACE(testing::Message() << std::wstring(name));
        std::unique_ptr<CTRLPROPERTIES> record = CreateControlRecord(name);
        ASSERT_NE(nullptr, record);
        EXPECT_TRUE(record->GetVar(CtrlVar::Type) == name);
        std::unique_ptr<CTRLPROPERTIES> lower = CreateControlRecord(Lower(name).c_str());
        if (wcscmp(name, L"PUSHBUTTON") == 0) {
            EXPECT_EQ(nullptr, lower);
        } else {
            ASSERT_NE(nullptr, lower);
            EXPECT_TRUE(lower->GetVar(CtrlVar::Type) == name);
        }
    }
    EXPECT_EQ(nullptr, CreateControlRecord(L"WINDOW"));
    EXPECT_EQ(nullptr, CreateControlRecord(L"UIWND"));
    EXPECT_EQ(nullptr, CreateControlRecord(L"MENU"));
    EXPECT_EQ(nullptr, CreateControlRecord(L""));
    EXPECT_EQ(nullptr, CreateControlRecord(nullptr));
}

TEST(ControlFactoryTest, EveryStyleKindMakesItsRecord)
{
    const wchar_t* const types[kStyleKindCount] = {
        L"PUSHBUTTON", L"CHECK",    L"RADIO",    L"COMBOBOX",     L"STATIC",   L"EDIT",
        L"SLIDER",     L"PROGRESS", L"SPIN",     L"HOTKEY",       L"IPADDRESS", L"SLIDEREX",
        L"LISTCTRL",   L"TREECTRL", L"TREELIST", L"RICHEDIT",     L"HTMLCTRL", L"DATETIMECTRL",
        L"WAVECTRL",   L"MENU",     L"MENUBAR",  L"HEADERCTRL",   L"HORSCROLLBAR", L"VERSCROLLBAR",
    };
    for (int kind = 0; kind < kStyleKindCount; ++kind) {
        std::unique_ptr<CTRLPROPERTIES> record = CreateStyleRecord(static_cast<StyleKind>(kind));
        ASSERT_NE(nullptr, record) << kind;
        EXPECT_TRUE(record->GetVar(CtrlVar::Type) == types[kind]) << kind;
    }
    EXPECT_EQ(nullptr, CreateStyleRecord(static_cast<StyleKind>(24)));
    EXPECT_EQ(nullptr, CreateStyleRecord(static_cast<StyleKind>(-1)));
}

} // namespace
