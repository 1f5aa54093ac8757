#include "RecordTestSupport.h"

#include "skin/model/IdPrefix.h"
#include "skin/model/StandardFont.h"
#include "skin/model/TextHelpers.h"

#include <cstring>

using namespace Vexel;
using namespace record_test;

namespace {

TEST(CtrlProperties, BaseRecordHas43VariablesAndSize5512)
{
    ScriptedPrompts prompts;
    const CTRLPROPERTIES record;
    EXPECT_EQ(43, record.GetVarCount());
    const PropertyValue& size = record.GetVar(0);
    EXPECT_EQ(VT_I4, size.Type());
    EXPECT_EQ(5512, size.Value().lVal);
    EXPECT_EQ(ValueKind::RecordSize, size.Kind());
    EXPECT_TRUE(size.IsSwitchedOff());
    EXPECT_TRUE(record.GetVar(1) == L"");
    EXPECT_EQ(ValueKind::TypeName, record.GetVar(1).Kind());
    EXPECT_FALSE(record.IsCustomScrollBarEnabled());
    EXPECT_FALSE(record.IsFontResource());
    EXPECT_FALSE(record.IsColorResource());
    EXPECT_TRUE(prompts.Prompts().empty());
}

TEST(CtrlProperties, BaseVariablesCarryTheirNamesKindsAndDefaults)
{
    const CTRLPROPERTIES record;
    const VarExpectation expected[] = {
        {1, nullptr, nullptr, L"Type=", ValueKind::TypeName, L"Type", L"General", false},
        {2, L"ID", nullptr, L"IDs", ValueKind::ID, L"ID", nullptr, false},
        {3, L"Rect", nullptr, L"Rect", ValueKind::Rect, L"", nullptr, false},
        {4, L"IsVisible", nullptr, L"IsVisible", ValueKind::None, L"Visible", nullptr, true},
        {7, L"IsClipChildren", nullptr, nullptr, ValueKind::None, L"Clip Children", nullptr, true},
        {9, L"LayoutMode", L"Horizontal", L"HorLayoutMode", ValueKind::HorLayoutMode, L"Horizontal", L"Layout Mode", true},
        {10, L"LayoutMode", L"Vertical", L"VerLayoutMode", ValueKind::VerLayoutMode, L"Vertical", nullptr, true},
        {11, L"IsCanBackgroundChange", nullptr, L"IsCanBackgroundChange", ValueKind::None, L"Background state can change", L"Background", true},
        {14, L"BkCombine", L"RelativePath", L"BkCombine", ValueKind::ImagePath, L"CombineImage", nullptr, false},
        {16, L"BackgroundHighlight", L"RelativePath", L"BkH", ValueKind::ImagePath, L"Highlight Image", nullptr, false},
        {19, L"ImageResizeMode", nullptr, nullptr, ValueKind::ImageResizeMode, L"Image Resize Mode", nullptr, true},
        {20, L"ResizingPoint", nullptr, L"ResizingPoint", ValueKind::Point, L"Resize Point", nullptr, false},
        {21, L"FontN", nullptr, L"FontN", ValueKind::Font, L"Normal", nullptr, false},
        {25, L"FontResN", nullptr, nullptr, ValueKind::FontResourceID, L"Normal", L"Font(Size)", false},
        {26, L"IsHSameNFont", nullptr, L"IsHSameNFont", ValueKind::None, L"Highlight Font Same as Normal", nullptr, true},
        {32, L"ColorN", nullptr, L"ColorN", ValueKind::Color, L"Normal", nullptr, false},
        {36, L"ColorResN", nullptr, nullptr, ValueKind::ColorResourceID, L"Normal", L"Text Color", false},
        {41, L"IsDSameNColor", nullptr, L"IsDSameNColor", ValueKind::None, L"Disabled Color Same as Normal", nullptr, true},
        {42, L"ColorResD", nullptr, nullptr, ValueKind::ColorResourceID, L"Disabled", nullptr, false},
    };
    for (const auto& e : expected)
        ExpectVar(record, e);

    // Groups start exactly where the table puts them.
    std::set<int> groupStarts;
    for (int i = 0; i < 43; ++i) {
        if (record.GetVar(i).IsGroupStart())
            groupStarts.insert(i);
    }
    EXPECT_EQ((std::set<int>{1, 9, 11, 25, 36}), groupStarts);

    // Sample values.
    EXPECT_TRUE(record.GetVar(4).GetBool());
    EXPECT_FALSE(record.GetVar(5).GetBool());
    EXPECT_FALSE(record.GetVar(6).GetBool());
    EXPECT_EQ(L"Default", std::wstring(record.GetVar(9).EnumToWord()));
    EXPECT_EQ(L"9Grid", std::wstring(record.GetVar(19).EnumToWord()));
    const RECT rect = record.GetVar(3).GetRect();
    EXPECT_EQ(-1, rect.left);
    EXPECT_EQ(-1, rect.bottom);
    EXPECT_EQ(3, record.GetVar(20).GetPoint().x);
    EXPECT_EQ(3, record.GetVar(20).GetPoint().y);
    EXPECT_EQ(0, record.GetVar(20).RangeMin());
    EXPECT_EQ(1920, record.GetVar(20).RangeMax());
    EXPECT_EQ(0u, record.GetVar(32).GetColor());
    EXPECT_TRUE(record.GetVar(25) == L"");

    // Editor data of a few rows.
    EXPECT_EQ(L"strType", Str(record.GetVar(1).MemberName()));
    EXPECT_TRUE(record.GetVar(1).EditorFlag1());
    EXPECT_EQ(L"Display the type of the control.", Str(record.GetVar(1).Description()));
    EXPECT_EQ(L"bVisible", Str(record.GetVar(4).MemberName()));
    EXPECT_EQ(L"eVerLayoutMode", Str(record.GetVar(10).MemberName()));
    EXPECT_EQ(6u, record.GetVar(10).Options().size());
    EXPECT_EQ(4u, record.GetVar(19).Options().size());
    EXPECT_EQ(L"Specifies that the user can move to this control with the TAB key.",
              Str(record.GetVar(6).Description()));
}

TEST(CtrlProperties, EverythingButTheRecordSizeIsSavedAndTheWriterSkipsTypeAndSuperseded)
{
    const CTRLPROPERTIES record;
    for (int i = 1; i < 43; ++i)
        EXPECT_TRUE(record.GetVar(i).IsSaved()) << i;
    EXPECT_FALSE(record.GetVar(0).IsSaved());
    // The rectangle's editorFlag2 is clear but it is still written.
    EXPECT_FALSE(record.GetVar(3).EditorFlag2());
    EXPECT_EQ(Join({Range(2, 20), Range(25, 31), Range(36, 42)}), WrittenVariables(record));
    for (int i : {21, 22, 23, 24, 32, 33, 34, 35})
        EXPECT_TRUE(record.GetVar(i).IsSuperseded()) << i;
}

TEST(CtrlProperties, EmptyTextsReadAsEmptyEverywhere)
{
    // A fresh record's empty texts (type, id, images, resource ids) are texts like any
    // other set empty: the same text, comparison, copy and equality.
    const CTRLPROPERTIES record;
    PropertyValue empty;
    empty.SetString(L"");
    for (int i : {1, 2, 14, 15, 18, 25, 31, 36, 42}) {
        const PropertyValue& var = record.GetVar(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(VT_BSTR, var.Type());
        EXPECT_EQ(L"", Str(var.GetString()));
        EXPECT_EQ(L"", Str(VariantToString(var)));
        EXPECT_TRUE(var == L"");
        EXPECT_FALSE(var == L"x");
        EXPECT_TRUE(var.LogFontEquals(empty));
        EXPECT_TRUE(empty.LogFontEquals(var));
        PropertyValue copy;
        copy.CopyFrom(var);
        EXPECT_TRUE(copy == L"");
        EXPECT_EQ(L"", Str(copy.EnumToWord()));
    }
}

TEST(CtrlProperties, FontVariablesStartAsTheStandardFont)
{
    const LOGFONTW& font = GetStandardFont();
    EXPECT_EQ(std::wstring(L"Tahoma"), std::wstring(font.lfFaceName));
    EXPECT_EQ(-12, font.lfHeight);
    EXPECT_EQ(0, font.lfWidth);
    EXPECT_EQ(0, font.lfEscapement);
    EXPECT_EQ(0, font.lfOrientation);
    EXPECT_EQ(400, font.lfWeight);
    EXPECT_EQ(0, font.lfItalic);
    EXPECT_EQ(0, font.lfUnderline);
    EXPECT_EQ(0, font.lfStrikeOut);
    EXPECT_EQ(0, font.lfCharSet);
    EXPECT_EQ(3, font.lfOutPrecision);
    EXPECT_EQ(2, font.lfClipPrecision);
    EXPECT_EQ(1, font.lfQuality);
    EXPECT_EQ(0x22, font.lfPitchAndFamily);

    const CTRLPROPERTIES record;
    for (int i = 21; i <= 24; ++i) {
        LOGFONTW got = {};
        record.GetVar(i).GetLogFont(got);
        EXPECT_EQ(0, std::memcmp(&font, &got, sizeof got)) << i;
    }
}

TEST(CtrlProperties, DisableOperationsSwitchOffExactlyTheirVariables)
{
    using Op = int (CTRLPROPERTIES::*)(bool);
    const struct {
        Op op;
        bool highlightSelectedOnly;
        std::set<int> off;
    } cases[] = {
        {&CTRLPROPERTIES::DisableBackgroundProperties, false, Range(11, 20)},
        {&CTRLPROPERTIES::DisableBackgroundProperties, true, {16, 17}},
        {&CTRLPROPERTIES::DisableFontProperties, false, Range(21, 31)},
        {&CTRLPROPERTIES::DisableFontProperties, true, {22, 23, 26, 27, 28, 29}},
        {&CTRLPROPERTIES::DisableColorProperties, false, Range(32, 42)},
        {&CTRLPROPERTIES::DisableColorProperties, true, {33, 34, 37, 38, 39, 40}},
    };
    for (const auto& c : cases) {
        CTRLPROPERTIES record;
        EXPECT_EQ(0, (record.*c.op)(c.highlightSelectedOnly));
        std::set<int> expected = c.off;
        expected.insert(0);   // the record size is always off
        EXPECT_EQ(expected, SwitchedOff(record));
        for (int i : c.off) {
            EXPECT_FALSE(record.GetVar(i).IsSaved()) << i;
            EXPECT_FALSE(record.GetVar(i).EditorFlag2()) << i;
        }
    }
    // With true, the normal and disabled font variables stay as they were.
    CTRLPROPERTIES record;
    record.DisableFontProperties(true);
    for (int i : {21, 24, 25, 30, 31})
        EXPECT_TRUE(record.GetVar(i).IsSaved()) << i;
}

TEST(CtrlProperties, SetupResourceVariableChecksItsArgumentsThenDeclaresTheId)
{
    PropertyValue var(5);
    EXPECT_EQ(-1, CTRLPROPERTIES::SetupFontResourceVariable(nullptr, L"FontResCN", L"Checked Normal"));
    EXPECT_EQ(-2, CTRLPROPERTIES::SetupFontResourceVariable(&var, nullptr, L"Checked Normal"));
    EXPECT_EQ(-3, CTRLPROPERTIES::SetupColorResourceVariable(&var, L"ColorResCN", nullptr));
    EXPECT_EQ(VT_I4, var.Type());
    EXPECT_EQ(ValueKind::None, var.Kind());
    EXPECT_EQ(nullptr, var.XmlElement());

    EXPECT_EQ(0, CTRLPROPERTIES::SetupFontResourceVariable(&var, L"FontResCN", L"Checked Normal"));
    EXPECT_EQ(ValueKind::FontResourceID, var.Kind());
    EXPECT_TRUE(var == L"");
    EXPECT_EQ(L"FontResCN", Str(var.XmlElement()));
    EXPECT_EQ(L"Checked Normal", Str(var.DisplayName()));

    EXPECT_EQ(0, CTRLPROPERTIES::SetupColorResourceVariable(&var, L"ColorResCN", L"Checked Normal"));
    EXPECT_EQ(ValueKind::ColorResourceID, var.Kind());
}

TEST(CtrlProperties, GetVarCountReportsASizeThatDoesNotFitAndNeverCountsPastTheRecord)
{
    ScriptedPrompts prompts;
    CTRLPROPERTIES record;

    record.GetVar(0).SetInt(8 + 128 * 40 + 5);
    EXPECT_EQ(40, record.GetVarCount());
    ASSERT_EQ(1u, prompts.Prompts().size());
    EXPECT_EQ(L"lVarCount is invalid!", prompts.Prompts()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_OK), prompts.Prompts()[0].type);

    // A size claiming more variables than the record holds must not send a
    // walker past its end.
    record.GetVar(0).SetInt(8 + 128 * 100);
    EXPECT_EQ(43, record.GetVarCount());
    EXPECT_EQ(1u, prompts.Prompts().size());

    // Stored as text, the size is converted.
    record.GetVar(0).SetString(L"2568");
    EXPECT_EQ(20, record.GetVarCount());
    EXPECT_EQ(1u, prompts.Prompts().size());
}

TEST(CtrlProperties, VariablesOutsideTheRecordRaise)
{
    CTRLPROPERTIES record;
    ExpectComError(DISP_E_BADINDEX, [&] { record.GetVar(43); });
    ExpectComError(DISP_E_BADINDEX, [&] { record.GetVar(-1); });
}

TEST(DefaultIDPrefix, EveryTypeHasItsPrefixIgnoringCase)
{
    const struct {
        LPCWSTR type;
        LPCWSTR prefix;
    } cases[] = {
        {L"PUSHBUTTON", L"IDC_BTN_"}, {L"pushbutton", L"IDC_BTN_"}, {L"CHECK", L"IDC_CHK_"},
        {L"RADIO", L"IDC_RAD_"}, {L"STATIC", L"IDC_STA_"}, {L"EDIT", L"IDC_EDT_"},
        {L"COMBOBOX", L"IDC_CMB_"}, {L"SPIN", L"IDC_SPN_"}, {L"PROGRESS", L"IDC_PRG_"},
        {L"SLIDER", L"IDC_SLD_"}, {L"HOTKEY", L"IDC_HOT_"}, {L"IPADDRESS", L"IDC_IPA_"},
        {L"SLIDEREX", L"IDC_SLDEX_"}, {L"LISTCTRL", L"IDC_LSTCTRL_"}, {L"TREECTRL", L"IDC_TREECTRL_"},
        {L"SCROLLBAR", L"IDC_SBEX_"}, {L"SCROLLBAREX", L"IDC_SBEX_"}, {L"THUMBNAIL", L"IDC_THM_"},
        {L"TREELIST", L"IDC_TREELST_"}, {L"RICHEDIT", L"IDC_RCE_"}, {L"HTMLCTRL", L"IDC_HTMLCTRL_"},
        {L"DATETIMECTRL", L"IDC_DATETIME_"}, {L"WAVECTRL", L"IDC_WAVE_"}, {L"MENUBAR", L"IDC_MENUBAR_"},
        {L"RECT", L"IDC_RECT_"}, {L"SPLITTER", L"IDC_SPLITTER_"}, {L"MENU", L"IDR_MENU_"},
        {L"HEADERCTRL", L"IDR_HEADER_"}, {L"HORSCROLLBAR", L"IDR_HOR_SB_"},
        {L"VERSCROLLBAR", L"IDR_VER_SB_"}, {L"FONT", L"IDR_FONT_"}, {L"Color", L"IDR_COLOR_"},
        // No prefix: windows, styles, unknown and empty types.
        {L"WINDOW", L""}, {L"UIWND", L""}, {L"STYLE_MENU", L""}, {L"", L""}, {nullptr, L""},
        {L"PUSHBUTTONS", L""}, {L"PUSH", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::wstring(c.prefix), std::wstring(GetDefaultIDPrefix(c.type))) << Str(c.type);
}

} // namespace
