// Menu style and menu bar records.
#include "ControlRecordHelpers.h"

#include "skin/model/MenuProperties.h"
#include "skin/model/StandardFont.h"

namespace Vexel::test {
namespace {

TEST(MenuRecords, StyleFontsAreTheStandardFontAndWritten)
{
    const MENUPROPERTIES menu;
    const LOGFONTW standard = GetStandardFont();
    for (int i : {MenuVar::NormalFont, MenuVar::HighlightFont, MenuVar::DisabledFont}) {
        LOGFONTW font = {};
        menu.GetVar(i).GetLogFont(font);
        EXPECT_EQ(0, std::memcmp(&standard, &font, sizeof font)) << i;
        EXPECT_FALSE(menu.GetVar(i).IsSuperseded());
        EXPECT_TRUE(menu.GetVar(i).IsSaved());
    }
}

TEST(MenuRecords, RunTimeColoursAreNeverReadOrWritten)
{
    const MENUPROPERTIES menu;
    for (int i : {MenuVar::NormalRunTime, MenuVar::HighlightRunTime, MenuVar::DisabledRunTime, MenuVar::SeparatorRunTime}) {
        const PropertyValue& var = menu.GetVar(i);
        EXPECT_EQ(ValueKind::ColorRef, var.Kind());
        EXPECT_TRUE(var.IsSwitchedOff());
        EXPECT_EQ(nullptr, var.XmlElement());
        EXPECT_STREQ(L"", var.DisplayName());
        EXPECT_EQ(VT_EMPTY, var.DefaultValue().vt);
    }
}

TEST(MenuRecords, StyleDefaultsFollowTheirInitialValues)
{
    const MENUPROPERTIES menu;
    // The disabled background starts as the normal one, default included.
    EXPECT_TRUE(SameVariant(menu.GetVar(MenuVar::NormalBkColor).Value(), menu.GetVar(MenuVar::DisabledBkColor).Value()));
    EXPECT_TRUE(SameVariant(menu.GetVar(MenuVar::DisabledBkColor).Value(),
                            menu.GetVar(MenuVar::DisabledBkColor).DefaultValue()));
    // Only the separator's background type has none.
    EXPECT_EQ(VT_EMPTY, menu.GetVar(MenuVar::SeparatorBkType).DefaultValue().vt);
    EXPECT_EQ(VT_INT, menu.GetVar(MenuVar::NormalBkType).DefaultValue().vt);
    EXPECT_EQ(0, menu.GetVar(MenuVar::SeparatorLineLeftMargin).RangeMin());
    EXPECT_EQ(3840, menu.GetVar(MenuVar::SeparatorLineRightMargin).RangeMax());
    EXPECT_EQ(ValueKind::MenuBorderStyle, menu.GetVar(MenuVar::BorderStyle).Kind());
}

TEST(MenuRecords, MenuBarGivesItsButtonsTheBaseImagesFontsAndColours)
{
    const CTRLPROPERTIES base;
    const MENUBARPROPERTIES bar;
    for (int i : {CtrlVar::IsCombineImages, CtrlVar::BackgroundDisabled, CtrlVar::FontResS, CtrlVar::ColorResH}) {
        EXPECT_STRNE(base.GetVar(i).XmlElement(), bar.GetVar(i).XmlElement()) << i;
        EXPECT_PRED2(SameText, base.GetVar(i).LegacyKey(), bar.GetVar(i).LegacyKey());
        EXPECT_STREQ(base.GetVar(i).DisplayName(), bar.GetVar(i).DisplayName());
    }
    EXPECT_STREQ(L"Menu bar Button Background", bar.GetVar(CtrlVar::IsCombineImages).Group());
    EXPECT_STREQ(L"Menu bar Button Font(Size)", bar.GetVar(CtrlVar::FontResN).Group());
    EXPECT_STREQ(L"Menu bar Button Text Color", bar.GetVar(CtrlVar::ColorResN).Group());
    // The same-as-normal switches and the resize point keep the base's elements.
    EXPECT_TRUE(SameVariable(base.GetVar(CtrlVar::IsHSameNFont), bar.GetVar(CtrlVar::IsHSameNFont)));
    EXPECT_TRUE(SameVariable(base.GetVar(CtrlVar::ResizingPoint), bar.GetVar(CtrlVar::ResizingPoint)));
    EXPECT_EQ(ValueKind::MenuStyleID, bar.GetVar(MenuBarVar::MenuStyle).Kind());
}

} // namespace
} // namespace Vexel::test
