#include <gtest/gtest.h>

#include "skin/model/ButtonProperties.h"
#include "skin/model/EditProperties.h"
#include "skin/model/LegacySkinImport.h"
#include "skin/model/SkinGlobals.h"
#include "skin/model/SkinLifecycle.h"
#include "skin/model/UiWndProperties.h"
#include "tests/skin_model/LegacyImportFixtures.h"
#include "tests/support/TempDir.h"

#include <cstring>
#include <string>
#include <vector>

using namespace Vexel;
using namespace legacy_test;

namespace {

const LOGFONTW kFontA = MakeFont(L"Tahoma", -12, 400);
const LOGFONTW kFontB = MakeFont(L"Arial", -16, 700);

// One skin that shows the walk: sections skipped, a window whose section follows an empty
// one, controls attached by name, shared and new resources.
std::wstring SampleSkin(Encoding encoding)
{
    const std::wstring fontA = FontText(kFontA, encoding);
    const std::wstring fontB = FontText(kFontB, encoding);
    return L"[Settings]\r\n"
           L"LOGPIXELSX=120\r\n"
           L"\r\n"
           L"LogPixelsY = 144 \r\n"
           L"[settings]\r\n"                 // not the Settings section: no type line, skipped
           L"LogPixelsX=1\r\n"
           L"[Early_Btn]\r\n"                // before its window: dropped
           L"Type=PUSHBUTTON\r\n"
           L"IDs=IDC_EARLY\r\n"
           L"[Version]\r\n"                  // an empty section right before the window
           L"[Dlg]\r\n"
           L"Type=window\r\n"
           L"IDs=Dlg\r\n"
           L"BkN=dlg.bmp\r\n"
           L"IsUseMaskColor=1\r\n"
           L"IsResizing=True\r\n"
           L"ResizingPtX=7\r\n"
           L"TitleBarHeight=0x10\r\n"
           L"  [Dlg_OK]  \r\n"
           L"Type=PUSHBUTTON\r\n"
           L"IDs=IDC_OK\r\n"
           L"Rect=10,20,30\r\n"
           L"IsVisible=no\r\n"
           L"caption=a=b\r\n"
           L"FontN=" + fontA + L"\r\n"
           L"ColorN=0x0000FF\r\n"
           L"Unknown=1\r\n"
           L"[Dlg_Cancel]\r\n"
           L"Type=PUSHBUTTON\r\n"
           L"IDs=IDC_CANCEL\r\n"
           L"FontN=" + fontA + L"\r\n"
           L"FontH=" + fontB + L"\r\n"
           L"ColorN=255\r\n"
           L"[Dlg_Skip]\r\n"
           L"Type= STATIC\r\n"              // a blank before the word: no kind
           L"IDs=IDC_SKIPPED\r\n"
           L"[Dlg_Combo1]\r\nType=COMBOBOX\r\nIDs=IDC_CMB1\r\nComboStyle=0\r\n"
           L"[Dlg_Combo2]\r\nType=COMBOBOX\r\nIDs=IDC_CMB2\r\nComboStyle=2\r\n"
           L"[Dlg_Combo3]\r\nType=COMBOBOX\r\nIDs=IDC_CMB3\r\nComboStyle=3\r\n"
           L"[Dlg_Combo4]\r\nType=COMBOBOX\r\nIDs=IDC_CMB4\r\nComboStyle=DropDown\r\n"
           L"[Other]\r\n"
           L"Type=Window\r\n"
           L"IDs=\r\n"
           L"IsUseMaskColor=True\r\n"        // a number flag: "True" is false
           L"[Orphan]\r\n"                   // no "_": the window with the empty id
           L"Type=STATIC\r\n"
           L"IDs=IDC_ORPHAN\r\n"
           L"[Mask]\r\n"
           L"Type=Window\r\n"
           L"IDs=Mask\r\n"
           L"IsUseMaskColor=1\r\n"
           L"RValue=300\r\n"                 // low 8 bits: 44
           L"GValue=0x20\r\n"                // decimal: 0
           L"BValue=1\r\n"
           L"BValue=2";                      // the later line wins; no line end at the end
}

class LegacyImport : public testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset()
    {
        ReleaseSkin();
        g_legacyImport.stagedWindows.clear();
        g_legacyImport.stagedFonts.clear();
        g_legacyImport.stagedColors.clear();
        g_legacyImport.designDpiX = -1;
        g_legacyImport.designDpiY = -1;
    }

    std::wstring WriteSkin(const std::wstring& name, const std::string& bytes)
    {
        const std::wstring path = dir_.File(name);
        EXPECT_TRUE(lumeo_test::WriteFileBytes(path, bytes));
        return path;
    }

    int Import(const std::wstring& text, Encoding encoding, const std::wstring& name = L"skin.ui")
    {
        return ImportLegacySkin(WriteSkin(name, FileBytes(text, encoding)).c_str());
    }

    static const UIWNDPROPERTIES* Window(std::size_t i) { return g_legacyImport.stagedWindows.at(i).get(); }

    static std::vector<CString> ControlIds(const UIWNDPROPERTIES& window)
    {
        std::vector<CString> ids;
        for (const CTRLPROPERTIES* control : window.Controls())
            ids.push_back(control->GetVar(CtrlVar::ID).GetString());
        return ids;
    }

    static CString ResourceId(unsigned number, LPCWSTR prefix)
    {
        CString id;
        id.Format(L"%ls%u", prefix, number);
        return id;
    }

    lumeo_test::TempDir dir_;
};

TEST_F(LegacyImport, WalksSectionsAndAttachesControlsToTheirWindows)
{
    ASSERT_EQ(0, Import(SampleSkin(Encoding::Ansi), Encoding::Ansi));

    EXPECT_EQ(120, g_legacyImport.designDpiX);
    EXPECT_EQ(144, g_legacyImport.designDpiY);

    ASSERT_EQ(3u, g_legacyImport.stagedWindows.size());
    EXPECT_EQ(CString(L"Dlg"), Window(0)->GetVar(CtrlVar::ID).GetString());
    EXPECT_EQ(CString(L""), Window(1)->GetVar(CtrlVar::ID).GetString());
    EXPECT_EQ(CString(L"Mask"), Window(2)->GetVar(CtrlVar::ID).GetString());

    const std::vector<CString> dialog = {L"IDC_OK", L"IDC_CANCEL", L"IDC_CMB1", L"IDC_CMB2", L"IDC_CMB3", L"IDC_CMB4"};
    EXPECT_EQ(dialog, ControlIds(*Window(0)));
    EXPECT_EQ(std::vector<CString>{L"IDC_ORPHAN"}, ControlIds(*Window(1)));
    EXPECT_TRUE(Window(2)->Controls().empty());
    EXPECT_EQ(CString(L"STATIC"), Window(1)->Controls()[0]->GetVar(CtrlVar::Type).GetString());
}

TEST_F(LegacyImport, ValueFormsOfWindowAndButtonKeys)
{
    const unsigned fonts = g_legacyImport.fontNumber;
    const unsigned colors = g_legacyImport.colorNumber;
    ASSERT_EQ(0, Import(SampleSkin(Encoding::Ansi), Encoding::Ansi));

    const UIWNDPROPERTIES& dlg = *Window(0);
    EXPECT_EQ(CString(L"dlg.bmp"), dlg.GetVar(CtrlVar::BackgroundNormal).GetString());
    EXPECT_FALSE(dlg.GetVar(UiWndVar::IsResizing).GetBool());         // "True" as a number is 0
    EXPECT_EQ(7, dlg.GetVar(UiWndVar::ResizingPoint).GetPoint().x);
    EXPECT_EQ(0, dlg.GetVar(UiWndVar::ResizingPoint).GetPoint().y);
    EXPECT_EQ(16, dlg.GetVar(UiWndVar::TitleBarHeight).GetLong());

    const CTRLPROPERTIES& ok = *dlg.Controls()[0];
    const RECT rect = ok.GetVar(CtrlVar::Rect).GetRect();
    EXPECT_EQ(10, rect.left);
    EXPECT_EQ(20, rect.top);
    EXPECT_EQ(30, rect.right);
    EXPECT_EQ(0, rect.bottom);
    EXPECT_TRUE(ok.GetVar(CtrlVar::IsVisible).GetBool());              // only False and 0 are false
    EXPECT_EQ(CString(L"a"), ok.GetVar(BtnBaseVar::Caption).GetString());

    // Fonts: the same value shares a resource, another value makes the next one.
    const CTRLPROPERTIES& cancel = *dlg.Controls()[1];
    EXPECT_EQ(ResourceId(fonts + 1, L"IDR_FONT_"), ok.GetVar(CtrlVar::FontResN).GetString());
    EXPECT_EQ(ResourceId(fonts + 1, L"IDR_FONT_"), cancel.GetVar(CtrlVar::FontResN).GetString());
    EXPECT_EQ(ResourceId(fonts + 2, L"IDR_FONT_"), cancel.GetVar(CtrlVar::FontResH).GetString());
    ASSERT_EQ(2u, g_legacyImport.stagedFonts.size());
    LOGFONTW held{};
    g_legacyImport.stagedFonts[0]->GetVar(ResourceVar::Value).GetLogFont(held);
    EXPECT_EQ(0, memcmp(&kFontA, &held, sizeof(held)));
    g_legacyImport.stagedFonts[1]->GetVar(ResourceVar::Value).GetLogFont(held);
    EXPECT_EQ(0, memcmp(&kFontB, &held, sizeof(held)));
    EXPECT_EQ(fonts + 2, g_legacyImport.fontNumber);

    // Colours: the window's magenta mask first, then red shared by both buttons, then the
    // third window's mask.
    ASSERT_EQ(3u, g_legacyImport.stagedColors.size());
    EXPECT_EQ(ResourceId(colors + 1, L"IDR_COLOR_"), dlg.GetVar(UiWndVar::MaskColorResID).GetString());
    EXPECT_EQ(0xFF00FF, g_legacyImport.stagedColors[0]->GetVar(ResourceVar::Value).GetColor());
    EXPECT_EQ(ResourceId(colors + 2, L"IDR_COLOR_"), ok.GetVar(CtrlVar::ColorResN).GetString());
    EXPECT_EQ(ResourceId(colors + 2, L"IDR_COLOR_"), cancel.GetVar(CtrlVar::ColorResN).GetString());
    EXPECT_EQ(0x0000FF, g_legacyImport.stagedColors[1]->GetVar(ResourceVar::Value).GetColor());
    EXPECT_EQ(ResourceId(colors + 3, L"IDR_COLOR_"), Window(2)->GetVar(UiWndVar::MaskColorResID).GetString());
    EXPECT_EQ(static_cast<COLORREF>(RGB(44, 0, 2)), g_legacyImport.stagedColors[2]->GetVar(ResourceVar::Value).GetColor());

    // "True" is no number: the second window has no mask colour.
    EXPECT_FALSE(Window(1)->GetVar(UiWndVar::IsUseMaskColor).GetBool());
    EXPECT_EQ(CString(L""), Window(1)->GetVar(UiWndVar::MaskColorResID).GetString());
}

TEST_F(LegacyImport, ComboStyleTakesOnlyTheDigitsZeroToTwo)
{
    ASSERT_EQ(0, Import(SampleSkin(Encoding::Ansi), Encoding::Ansi));
    const auto& controls = Window(0)->Controls();
    const struct {
        std::size_t control;
        int style;
    } cases[] = {{2, 1}, {3, 3}, {4, 2}, {5, 2}};    // "0", "2"; "3" and "DropDown" keep DropDown
    for (const auto& c : cases) {
        const PropertyValue& style = controls.at(c.control)->GetVar(CmbVar::ComboStyle);
        EXPECT_EQ(VT_INT, style.Type()) << c.control;
        EXPECT_EQ(ValueKind::ComboStyle, style.Kind()) << c.control;
        EXPECT_EQ(c.style, style.GetEnumValue(ValueKind::ComboStyle)) << c.control;
    }
}

TEST_F(LegacyImport, AnsiAndUtf16FilesGiveEqualRecords)
{
    std::vector<std::wstring> records[2];
    const Encoding encodings[2] = {Encoding::Ansi, Encoding::Utf16};
    for (int run = 0; run < 2; ++run) {
        Reset();
        g_legacyImport.fontNumber = 0;
        g_legacyImport.colorNumber = 0;
        ASSERT_EQ(0, Import(SampleSkin(encodings[run]), encodings[run]));
        EXPECT_EQ(120, g_legacyImport.designDpiX);
        for (const WindowRecordPtr& window : g_legacyImport.stagedWindows) {
            records[run].push_back(RecordText(*window));
            for (const CTRLPROPERTIES* control : window->Controls())
                records[run].push_back(RecordText(*control));
        }
        for (const FontRecordPtr& font : g_legacyImport.stagedFonts)
            records[run].push_back(RecordText(*font));
        for (const ColorRecordPtr& color : g_legacyImport.stagedColors)
            records[run].push_back(RecordText(*color));
    }
    ASSERT_EQ(15u, records[0].size());
    ASSERT_EQ(records[0].size(), records[1].size());
    for (std::size_t i = 0; i < records[0].size(); ++i)
        EXPECT_EQ(records[0][i], records[1][i]) << "record " << i;
}

TEST_F(LegacyImport, ByteOrderMarkIsNoPartOfTheFirstLine)
{
    const std::wstring skin = L"[Dlg]\r\nType=Window\r\nIDs=Dlg\r\n[Dlg_A]\r\nType=STATIC\r\nIDs=A";
    for (const std::string& bytes : {FileBytes(skin, Encoding::Utf16), "\xEF\xBB\xBF" + FileBytes(skin, Encoding::Ansi)}) {
        Reset();
        ASSERT_EQ(0, ImportLegacySkin(WriteSkin(L"mark.ui", bytes).c_str()));
        ASSERT_EQ(1u, g_legacyImport.stagedWindows.size());
        EXPECT_EQ(1u, Window(0)->Controls().size());
    }
}

TEST_F(LegacyImport, FontsThatDoNotDecodeShareAZeroFilledFontResource)
{
    std::wstring good = FontText(kFontA, Encoding::Utf16);
    std::wstring badChecksum = good;
    badChecksum.back() = badChecksum.back() == L'0' ? L'1' : L'0';
    const std::wstring skin = L"[W]\r\nType=Window\r\nIDs=W\r\n"
                              L"[W_1]\r\nType=STATIC\r\nFontN=" + good + L"\r\n"
                              L"[W_2]\r\nType=STATIC\r\nFontN=" + badChecksum + L"\r\n"
                              L"[W_3]\r\nType=STATIC\r\nFontN=" + good.substr(2) + L"\r\n"
                              L"[W_4]\r\nType=STATIC\r\nFontN=" + FontText(kFontA, Encoding::Ansi) + L"\r\n";
    const unsigned fonts = g_legacyImport.fontNumber;
    ASSERT_EQ(0, Import(skin, Encoding::Utf16));

    const auto& controls = Window(0)->Controls();
    ASSERT_EQ(4u, controls.size());
    EXPECT_EQ(ResourceId(fonts + 1, L"IDR_FONT_"), controls[0]->GetVar(CtrlVar::FontResN).GetString());
    for (std::size_t i = 1; i < 4; ++i)
        EXPECT_EQ(ResourceId(fonts + 2, L"IDR_FONT_"), controls[i]->GetVar(CtrlVar::FontResN).GetString()) << i;

    ASSERT_EQ(2u, g_legacyImport.stagedFonts.size());
    LOGFONTW held;
    memset(&held, 0xCC, sizeof(held));
    g_legacyImport.stagedFonts[1]->GetVar(ResourceVar::Value).GetLogFont(held);
    const LOGFONTW zero{};
    EXPECT_EQ(0, memcmp(&zero, &held, sizeof(held)));
}

TEST_F(LegacyImport, TwoImportsInOneProcessEachHandOverOnlyTheirOwnRecords)
{
    const std::wstring first = L"[A]\r\nType=Window\r\nIDs=A\r\nIsUseMaskColor=1\r\n"
                               L"[A_1]\r\nType=EDIT\r\nIDs=E\r\nColorN=0x10\r\n";
    const std::wstring second = L"[B]\r\nType=Window\r\nIDs=B\r\nIsUseMaskColor=1\r\n"
                                L"[B_1]\r\nType=STATIC\r\nIDs=S\r\nColorN=0x10\r\n";
    const unsigned colors = g_legacyImport.colorNumber;

    ASSERT_EQ(0, Import(first, Encoding::Ansi, L"first.ui"));
    AdoptStagedWindows();
    AdoptStagedFonts();
    AdoptStagedColors();
    ASSERT_EQ(1u, g_skinStore.windows.size());
    ASSERT_EQ(2u, g_skinStore.colors.size());

    ASSERT_EQ(0, Import(second, Encoding::Ansi, L"second.ui"));
    ASSERT_EQ(1u, g_legacyImport.stagedWindows.size());
    EXPECT_EQ(CString(L"B"), Window(0)->GetVar(CtrlVar::ID).GetString());
    ASSERT_EQ(2u, g_legacyImport.stagedColors.size());
    // The second skin's colours are its own, numbered on after the first's.
    EXPECT_EQ(ResourceId(colors + 3, L"IDR_COLOR_"), Window(0)->GetVar(UiWndVar::MaskColorResID).GetString());
    EXPECT_EQ(ResourceId(colors + 4, L"IDR_COLOR_"),
              Window(0)->Controls().at(0)->GetVar(CtrlVar::ColorResN).GetString());
    // The first import's records are still the store's.
    EXPECT_EQ(CString(L"A"), g_skinStore.windows[0]->GetVar(CtrlVar::ID).GetString());
    EXPECT_EQ(1u, g_skinStore.windows[0]->Controls().size());
}

TEST_F(LegacyImport, MissingUnreadableAndRelativePaths)
{
    g_legacyImport.stagedWindows.emplace_back(new UIWNDPROPERTIES);

    EXPECT_EQ(200, ImportLegacySkin(dir_.File(L"none.ui").c_str()));
    EXPECT_TRUE(g_legacyImport.legacyFilePath.IsEmpty());
    EXPECT_EQ(1u, g_legacyImport.stagedWindows.size());        // no list changes

    EXPECT_EQ(-1, ImportLegacySkin(dir_.Path().c_str()));       // a folder cannot be read
    EXPECT_EQ(1u, g_legacyImport.stagedWindows.size());

    // A path without ":" is relative to the program's folder.
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring beside(module);
    beside.resize(beside.rfind(L'\\') + 1);
    beside += L"legacy-relative.ui";
    ASSERT_TRUE(lumeo_test::WriteFileBytes(beside, FileBytes(L"[R]\r\nType=Window\r\nIDs=R", Encoding::Ansi)));
    const int result = ImportLegacySkin(L"legacy-relative.ui");
    const CString path = g_legacyImport.legacyFilePath;
    DeleteFileW(beside.c_str());
    EXPECT_EQ(0, result);
    EXPECT_EQ(CString(beside.c_str()), path);
    ASSERT_EQ(1u, g_legacyImport.stagedWindows.size());
    EXPECT_EQ(CString(L"R"), Window(0)->GetVar(CtrlVar::ID).GetString());
}

} // namespace

namespace {

// Files cut short or holding no section of a kind: the import reads what they hold and
// never fails on content.
TEST_F(LegacyImport, TruncatedAndHeaderOnlyFilesGiveWhatTheyHold)
{
    const std::string utf16 =
        FileBytes(L"[Dlg]\r\nType=Window\r\nIDs=Dlg\r\n[Dlg_A]\r\nType=STATIC\r\nIDs=A\r\n[Dlg_B]\r\nType=STATIC\r\n",
                  Encoding::Utf16);
    const std::size_t cutInsideTheLastType = utf16.size() - 9;   // odd: half a character stays
    const struct {
        const char* name;
        std::string bytes;
        std::size_t windows;
        std::size_t controls;
    } cases[] = {
        {"UTF-16 cut inside a character", utf16.substr(0, cutInsideTheLastType), 1, 1},
        {"UTF-16 cut after its mark and one byte", utf16.substr(0, 3), 0, 0},
        {"only the UTF-16 mark", "\xFF\xFE", 0, 0},
        {"one byte", "\xFF", 0, 0},
        {"empty", "", 0, 0},
        {"headers only", FileBytes(L"[Settings]\r\n[Dlg]\r\n[Dlg_A]\r\n[]\r\n[", Encoding::Ansi), 0, 0},
        {"headers only, UTF-16", FileBytes(L"[Dlg]\r\n[Dlg_A]\r\n[Other]", Encoding::Utf16), 0, 0},
        {"type lines without keys", FileBytes(L"[Dlg]\r\nType=Window\r\n[Dlg_A]\r\nType=STATIC", Encoding::Ansi), 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        ASSERT_EQ(0, ImportLegacySkin(WriteSkin(L"cut.ui", c.bytes).c_str()));
        ASSERT_EQ(c.windows, g_legacyImport.stagedWindows.size());
        if (c.windows) {
            EXPECT_EQ(c.controls, Window(0)->Controls().size());
        }
        EXPECT_EQ(-1, g_legacyImport.designDpiX);
    }
}

} // namespace
