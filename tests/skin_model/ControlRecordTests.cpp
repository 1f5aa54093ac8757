// Every concrete record kind of the skin model in one table: its size, type
// name, switched-off variables, custom scroll bar answer and a few spot values
// that tell the kinds apart; then checks every kind must pass.
#include "ControlRecordHelpers.h"

#include "skin/model/ButtonProperties.h"
#include "skin/model/EditProperties.h"
#include "skin/model/MenuProperties.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/model/ResourceProperties.h"
#include "skin/model/SliderProperties.h"
#include "skin/model/TreeProperties.h"
#include "skin/model/UiWndProperties.h"

#include <map>
#include <memory>
#include <utility>

namespace Vexel::test {
namespace {

struct Spot {
    int index;
    LPCWSTR element;     // null: none
    LPCWSTR attribute;   // null: "Value"
    LPCWSTR value;       // ValueText of a fresh record
};

struct KindCase {
    LPCWSTR typeName;
    std::unique_ptr<CTRLPROPERTIES> (*make)();
    int varCount;
    int recordSize;
    std::vector<int> switchedOff;
    bool customScrollBar;
    std::vector<Spot> spots;
};

// Failures name the kind rather than dumping the case's bytes.
void PrintTo(const KindCase& c, std::ostream* os)
{
    *os << testing::PrintToString(std::wstring(c.typeName));
}

template <class Record>
std::unique_ptr<CTRLPROPERTIES> Make()
{
    return std::make_unique<Record>();
}

// Switched off in every record: variable 0, the record size.
const std::vector<int> kNone = {0};

const KindCase kKinds[] = {
    {L"UIWND", Make<UIWNDPROPERTIES>, 66, 8480, Runs({{0, 0}, {3, 6}, {11, 14}, {20, 42}}), false,
     {{47, L"Alpha", nullptr, L"255"}, {49, L"AlphaFormat", nullptr, L"AC_SRC_ALPHA"}}},
    {L"FONT", Make<RESFONTPROPERTIES>, 44, 5640, Runs({{0, 0}, {3, 42}}), false,
     {{43, L"Font", nullptr, L"Tahoma -12"}}},
    {L"COLOR", Make<RESCOLORPROPERTIES>, 44, 5640, Runs({{0, 0}, {3, 42}}), false,
     {{43, L"Color", nullptr, L"0x000000"}}},

    // Buttons.
    {L"PUSHBUTTON", Make<BTNPROPERTIES>, 68, 8712, kNone, false,
     {{49, L"ToolTip", L"Enable", L"false"},
      {56, L"ForegroundAlignMode", L"Horizontal", L"Left"},
      {58, L"ForegroundAlignMode", L"Vertical", L"Center"},
      {61, L"ForeGroundCombine", nullptr, L""},
      {66, L"ButtonType", nullptr, L"Normal"},
      {67, L"IsDefPushButton", nullptr, L"false"}}},
    {L"CHECK", Make<CHKPROPERTIES>, 91, 11656, kNone, false,
     {{66, L"BackgroundCheckedNormal", L"RelativePath", L""},
      {74, L"IsCNSameNFont", nullptr, L"true"},
      {89, L"ColorResCD", nullptr, L""},
      {90, L"CheckBoxType", nullptr, L"Normal"}}},
    {L"RADIO", Make<RADPROPERTIES>, 91, 11656, kNone, false,
     {{66, L"BackgroundCheckedNormal", L"RelativePath", L""},
      {90, L"IsGroup", nullptr, L"false"}}},

    // Static text, edits, combo box, spin.
    {L"STATIC", Make<TXTPROPERTIES>, 63, 8072,
     Runs({{0, 0}, {16, 17}, {22, 23}, {26, 29}, {33, 34}, {37, 40}}), false,
     {{44, L"Nowrap", nullptr, L"true"},
      {56, L"ForegroundDisabled", nullptr, L""},
      {58, L"ToolTip", L"ToolTip", L""},
      {61, L"TextAlignment", L"Vertical", L"Center"}}},
    {L"EDIT", Make<EDTPROPERTIES>, 61, 7816, kNone, false,
     {{6, L"IsTabStop", nullptr, L"true"},
      {43, L"Border", nullptr, L"false"},
      {46, L"IsAutoHScroll", nullptr, L"true"},
      {60, L"TextAlignment", L"VerOffset", L"0"}}},
    {L"RICHEDIT", Make<RICHEDITPROPERTIES>, 61, 7816, kNone, false,
     {{6, L"IsTabStop", nullptr, L"true"},
      {58, L"TextAlignment", L"Horizontal", L"Default"}}},
    {L"COMBOBOX", Make<CMBPROPERTIES>, 56, 7176, Runs({{0, 0}, {33, 35}, {37, 42}}), false,
     {{6, L"IsTabStop", nullptr, L"true"},
      {43, L"ComboStyle", nullptr, L"DropDown"},
      {50, L"TextAlignment", L"HorOffset", L"3"},
      {52, L"DropListItemHeight", nullptr, L"24"},
      {53, L"DropListHeight", nullptr, L"80"},
      {54, L"ButtonWidth", nullptr, L"16"}}},
    {L"SPIN", Make<SPNPROPERTIES>, 51, 6536, Runs({{0, 0}, {21, 42}}), false,
     {{43, L"Alignment", nullptr, L"Unattached"},
      {49, L"IsArrowKeys", nullptr, L"true"},
      {50, L"IsHotTrack", nullptr, L"false"}}},

    // Sliders, scroll bar styles, rectangle, splitter.
    {L"SLIDER", Make<SLDPROPERTIES>, 55, 7048, Runs({{0, 0}, {21, 42}}), false,
     {{15, L"BackgroundNormal", L"RelativePath", L""},
      {16, L"MarkNormal", L"RelativePath", L""},
      {17, L"MarkDisabled", L"RelativePath", L""},
      {43, L"ExtendedStyle", nullptr, L"Normal"},
      {46, L"IsUseMark", nullptr, L"true"},
      {54, L"EnableTipWindow", L"Offset", L"(0, 0)"}}},
    {L"SLIDEREX", Make<SLDEXPROPERTIES>, 55, 7048, Runs({{0, 0}, {21, 42}}), false,
     {{16, L"MarkNormal", L"RelativePath", L""},
      {17, L"MarkDisabled", L"RelativePath", L""},
      {53, L"EnableTipWindow", L"Enable", L"false"}}},
    {L"HORSCROLLBAR", Make<HORSBPROPERTIES>, 52, 6664, Runs({{0, 0}, {3, 6}, {9, 12}, {21, 42}}), false,
     {{13, L"IsCombineBackgroundImages", nullptr, L"false"},
      {20, L"ResizingPoint", nullptr, L"(20, 10)"},
      {49, L"ThumbResizingPoint", nullptr, L"(3, 3)"},
      {50, L"LeftUpButtonSize", nullptr, L"16"}}},
    {L"VERSCROLLBAR", Make<VERSBPROPERTIES>, 52, 6664, Runs({{0, 0}, {3, 6}, {9, 12}, {21, 42}}), false,
     {{13, L"IsCombineBackgroundImages", nullptr, L"false"},
      {20, L"ResizingPoint", nullptr, L"(10, 20)"},
      {51, L"RightDownButtonSize", nullptr, L"16"}}},
    {L"RECT", Make<RECTPROPERTIES>, 43, 5512, Runs({{0, 0}, {4, 6}, {11, 42}}), false,
     {{3, L"Rect", nullptr, L"(-1, -1, -1, -1)"},
      {9, L"LayoutMode", L"Horizontal", L"Default"}}},
    {L"SPLITTER", Make<SPLITTERPROPERTIES>, 44, 5640, Runs({{0, 0}, {4, 6}, {11, 42}}), false,
     {{3, L"Rect", nullptr, L"(-1, -1, -1, -1)"},
      {43, L"Orientation", nullptr, L"WestEast"}}},

    // Trees, header, list control.
    {L"TREECTRL", Make<TREECTRLPROPERTIES>, 89, 11400, Runs({{0, 0}, {16, 17}}), false,
     {{36, L"ColorResN", nullptr, L""},
      {52, L"IsScroll", nullptr, L"true"},
      {56, L"IsInfoTip", nullptr, L"true"},
      {58, L"DefaultItemHeight", nullptr, L"true"},
      {59, L"ItemHeight", nullptr, L"24"},
      {62, L"ItemLine", L"Color", L"0x808080"},
      {66, L"SelectedItemBackground", L"Type", L"Color"},
      {67, L"SelectedItemBackground", L"Color", L"0x800000"},
      {74, L"HighlightItemBackground", L"Color", L"0xF1F1F1"},
      {86, L"EnableCustomScrollBar", nullptr, L"false"}}},
    {L"TREELIST", Make<TREELISTPROPERTIES>, 44, 5640, Runs({{0, 0}, {16, 17}}), false,
     {{43, L"IsVariableItemHeight", nullptr, L"false"}}},
    {L"HEADERCTRL", Make<HEADERPROPERTIES>, 45, 5768, Runs({{0, 0}, {3, 6}, {9, 12}}), false,
     {{13, L"IsCombineHeaderButtonImages", nullptr, L"false"},
      {15, L"HeaderButtonBkN", L"RelativePath", L""},
      {20, L"HeaderButtonResizePoint", nullptr, L"(2, 2)"},
      {25, L"HeaderFontResN", nullptr, L""},
      {42, L"HeaderColorResD", nullptr, L""},
      {43, L"HeaderBk", L"RelativePath", L""},
      {44, L"HeaderBkResizingPoint", nullptr, L"(2, 2)"}}},
    {L"LISTCTRL", Make<LSTCTRLPROPERTIES>, 119, 15240, Runs({{0, 0}, {16, 17}}), false,
     {{25, L"ItemFontResN", nullptr, L""},
      {31, L"ItemFontResND", nullptr, L""},
      {44, L"ListStyle", nullptr, L"Report"},
      {63, L"GridLine", L"Color", L"0xC8D0D4"},
      {65, L"NormalItemBk", L"Type", L"Color"},
      {74, L"SelectedItemBk", L"IsSelectedFitClient", L"false"},
      {95, L"ThumbnailBkPosN", nullptr, L"(10, 10, 110, 130)"},
      {103, L"ThumbnailLabelPosN", nullptr, L"(10, 110, 130, 130)"},
      {113, L"HeaderHeight", nullptr, L"24"},
      {116, L"EnableCustomScrollBar", nullptr, L"false"}}},

    // Progress, scroll bars, thumbnail, hot-key, IP address, HTML, date-time, wave.
    {L"PROGRESS", Make<PRGPROPERTIES>, 54, 6920,
     Runs({{0, 0}, {16, 17}, {22, 23}, {26, 29}, {33, 34}, {37, 40}}), false,
     {{44, L"ProgressMode", nullptr, L"Stretch"},
      {47, L"ThumbN", L"RelativePath", L""},
      {50, L"ThumbOriginalPosition", nullptr, L"(0, 0, 0, 0)"},
      {51, L"IsShowText", nullptr, L"true"},
      {52, L"TextAlignment", L"HorOffsetN", L"0"}}},
    {L"SCROLLBAR", Make<SBPROPERTIES>, 46, 5896, Runs({{0, 0}, {11, 42}}), false,
     {{43, L"IsVertical", nullptr, L"false"},
      {44, L"HorizontalScrollbarStyleID", nullptr, L""}}},
    {L"SCROLLBAREX", Make<SBEXPROPERTIES>, 46, 5896, Runs({{0, 0}, {11, 42}}), false,
     {{45, L"VerticalScrollbarStyleID", nullptr, L""}}},
    {L"THUMBNAIL", Make<THMPROPERTIES>, 70, 8968, Runs({{0, 0}, {16, 17}}), true,
     {{46, L"TotalWidth", nullptr, L"140"},
      {51, L"ThmRectBottomN", nullptr, L"83"},
      {57, L"LblRectTopN", nullptr, L"90"},
      {59, L"LblRectBottomN", nullptr, L"116"},
      {64, L"ItemBkN", L"RelativePath", L""},
      {68, L"EnableScrollBar", nullptr, L"true"},
      {69, L"VerticalScrollbarResID", nullptr, L""}}},
    {L"HOTKEY", Make<HOTPROPERTIES>, 43, 5512, kNone, false,
     {{4, L"IsVisible", nullptr, L"true"}}},
    {L"IPADDRESS", Make<IPAPROPERTIES>, 43, 5512, kNone, false,
     {{19, L"ImageResizeMode", nullptr, L"9Grid"}}},
    {L"HTMLCTRL", Make<HTMLCTRLPROPERTIES>, 47, 6024, Runs({{0, 0}, {11, 42}}), false,
     {{43, L"IsHideBorder", nullptr, L"false"},
      {46, L"StartPage", nullptr, L""}}},
    {L"DATETIMECTRL", Make<DATETIMECTRLPROPERTIES>, 43, 5512, Runs({{0, 0}, {11, 42}}), false,
     {{9, L"LayoutMode", L"Horizontal", L"Default"}}},
    {L"WAVECTRL", Make<WAVECTRLPROPERTIES>, 55, 7048, Runs({{0, 0}, {16, 17}, {21, 42}}), false,
     {{43, L"IsEnableDragMove", nullptr, L"true"},
      {45, L"Grid", L"Width", L"30"},
      {47, L"Grid", L"GridLineColor", L"0x408000"},
      {51, L"InfoArea", L"Width", L"60"},
      {52, L"InfoArea", L"Height", L"20"},
      {53, L"Background", L"Color", L"0x000000"}}},

    // Menu style and menu bar.
    {L"MENU", Make<MENUPROPERTIES>, 77, 9864, Runs({{0, 0}, {3, 42}, {48, 48}, {55, 55}, {62, 62}, {69, 69}}), false,
     {{2, L"ID", nullptr, L""},
      {43, L"NormalMenuItem", L"TextColor", L"0x000000"},
      {44, L"NormalMenuItem", L"Font", L"Tahoma -12"},
      {45, L"NormalMenuItem", L"BackgroundType", L"Color"},
      {46, L"NormalMenuItem", L"BackgroundColor", L"0xF7F8F9"},
      {48, nullptr, nullptr, L"0x000000"},
      {49, L"NormalMenuItem", L"ResizePoint", L"(22, 2)"},
      {50, L"HighlightMenuItem", L"TextColor", L"0xFFFFFF"},
      {53, L"HighlightMenuItem", L"BackgroundColor", L"0x6A240A"},
      {57, L"DisabledMenuItem", L"TextColor", L"0xA6A6A6"},
      {60, L"DisabledMenuItem", L"BackgroundColor", L"0xF7F8F9"},
      {65, L"Separator", L"LineColor", L"0xA6A6A6"},
      {66, L"Separator", L"LineLeftMargin", L"2"},
      {67, L"Separator", L"LineRightMargin", L"2"},
      {71, L"IconArea", L"Width", L"22"},
      {72, L"IconArea", L"StartColor", L"0xF7F8F9"},
      {73, L"IconArea", L"EndColor", L"0xCCD4D7"},
      {74, L"MenuBorder", L"Style", L"Flat"},
      {75, L"MenuBorder", L"FlatBorderColor", L"0x666666"},
      {76, L"MenuItemHeight", nullptr, L"23"}}},
    {L"MENUBAR", Make<MENUBARPROPERTIES>, 44, 5640, Runs({{0, 0}, {6, 6}, {11, 12}}), false,
     {{13, L"IsButtonCombineImages", nullptr, L"false"},
      {15, L"ButtonBkNormal", L"RelativePath", L""},
      {25, L"ButtonFontResN", nullptr, L""},
      {42, L"ButtonColorResD", nullptr, L""},
      {43, L"MenuStyle", nullptr, L""}}},
};

class RecordKind : public testing::TestWithParam<KindCase> {};

TEST_P(RecordKind, HasItsSizeCountAndTypeName)
{
    const KindCase& c = GetParam();
    const auto record = c.make();
    EXPECT_EQ(c.varCount, record->GetVarCount());
    const PropertyValue& size = record->GetVar(CtrlVar::RecordSize);
    EXPECT_EQ(ValueKind::RecordSize, size.Kind());
    EXPECT_EQ(c.recordSize, size.GetLong());
    const PropertyValue& type = record->GetVar(CtrlVar::Type);
    EXPECT_EQ(ValueKind::TypeName, type.Kind());
    EXPECT_TRUE(type == c.typeName) << type.GetString().GetString();
}

TEST_P(RecordKind, SwitchesOffExactlyItsSet)
{
    const KindCase& c = GetParam();
    EXPECT_EQ(c.switchedOff, SwitchedOff(*c.make()));
}

TEST_P(RecordKind, AnswersCustomScrollBar)
{
    const KindCase& c = GetParam();
    EXPECT_EQ(c.customScrollBar, c.make()->IsCustomScrollBarEnabled());
}

TEST_P(RecordKind, HoldsItsSpotValues)
{
    const KindCase& c = GetParam();
    const auto record = c.make();
    for (const Spot& spot : c.spots) {
        SCOPED_TRACE(testing::Message() << "variable " << spot.index);
        const PropertyValue& var = record->GetVar(spot.index);
        EXPECT_PRED2(SameText, spot.element, var.XmlElement()) << Show(var.XmlElement());
        EXPECT_PRED2(SameText, spot.attribute ? spot.attribute : L"Value", var.XmlAttribute());
        EXPECT_EQ(std::wstring(spot.value), ValueText(var));
    }
}

// A slip in a transcribed table shows as two variables that the reader and
// the writer would put into the same attribute of the same element.
TEST_P(RecordKind, GivesEveryFileAttributeToOneVariable)
{
    const KindCase& c = GetParam();
    const auto record = c.make();
    std::map<std::pair<std::wstring, std::wstring>, int> owner;
    for (int i = 0; i < record->GetVarCount(); ++i) {
        const PropertyValue& var = record->GetVar(i);
        if (!var.IsSaved() || !var.XmlElement())
            continue;
        for (const std::wstring& attribute : FileAttributes(var)) {
            const auto inserted = owner.emplace(std::make_pair(std::wstring(var.XmlElement()), attribute), i);
            EXPECT_TRUE(inserted.second) << "variables " << inserted.first->second << " and " << i << " share "
                                         << testing::PrintToString(std::wstring(var.XmlElement())) << " "
                                         << testing::PrintToString(attribute);
        }
    }
}

// The writer puts an element at the place of its first variable; variables
// that share an element follow one another.
TEST_P(RecordKind, KeepsVariablesOfOneElementTogether)
{
    const KindCase& c = GetParam();
    const auto record = c.make();
    std::map<std::wstring, int> lastIndex;
    int previous = -1;
    for (int i = 0; i < record->GetVarCount(); ++i) {
        const PropertyValue& var = record->GetVar(i);
        if (!var.IsSaved() || !var.XmlElement())
            continue;
        const std::wstring element = var.XmlElement();
        const auto seen = lastIndex.find(element);
        if (seen != lastIndex.end()) {
            EXPECT_EQ(previous, seen->second) << testing::PrintToString(element) << " at " << i;
        }
        lastIndex[element] = i;
        previous = i;
    }
}

std::string KindName(const testing::TestParamInfo<KindCase>& info)
{
    std::string name;
    for (LPCWSTR p = info.param.typeName; *p; ++p)
        name += static_cast<char>(*p);
    return name;
}

INSTANTIATE_TEST_SUITE_P(AllKinds, RecordKind, testing::ValuesIn(kKinds), KindName);

TEST(RecordKinds, AreEachInTheTableOnce)
{
    EXPECT_EQ(32u, std::size(kKinds));
    std::map<std::wstring, int> seen;
    for (const KindCase& c : kKinds)
        EXPECT_EQ(1, ++seen[c.typeName]) << testing::PrintToString(std::wstring(c.typeName));
}

} // namespace
} // namespace Vexel::test
