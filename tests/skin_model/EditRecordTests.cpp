// Static text, edit, rich edit, combo box and spin records: the inherited
// variables they change and the details their controls rely on.
#include "ControlRecordHelpers.h"

#include "skin/model/EditProperties.h"

namespace Vexel::test {
namespace {

TEST(EditRecords, StartTabStopTrueWithTheSameDefault)
{
    const CTRLPROPERTIES base;
    const EDTPROPERTIES edit;
    const CMBPROPERTIES combo;
    EXPECT_EQ(L"false", ValueText(base.GetVar(CtrlVar::IsTabStop)));
    for (const CTRLPROPERTIES* record : {static_cast<const CTRLPROPERTIES*>(&edit), static_cast<const CTRLPROPERTIES*>(&combo)}) {
        const PropertyValue& tabStop = record->GetVar(CtrlVar::IsTabStop);
        EXPECT_EQ(L"true", ValueText(tabStop));
        // A false tab stop then differs from the default and reaches the file.
        EXPECT_TRUE(tabStop.LogFontEquals(tabStop.DefaultValue()));
    }
}

TEST(EditRecords, RichEditIsTheEditUnderAnotherName)
{
    const EDTPROPERTIES edit;
    const RICHEDITPROPERTIES rich;
    EXPECT_TRUE(SameVariable(edit.GetVar(CtrlVar::RecordSize), rich.GetVar(CtrlVar::RecordSize)));
    EXPECT_TRUE(SameVariables(edit, rich, CtrlVar::ID, EdtVar::Count - 1));
    EXPECT_FALSE(SameVariable(edit.GetVar(CtrlVar::Type), rich.GetVar(CtrlVar::Type)));
}

TEST(EditRecords, StaticKeepsNormalAndDisabledStates)
{
    const TXTPROPERTIES text;
    EXPECT_TRUE(text.GetVar(CtrlVar::BackgroundHighlight).IsSwitchedOff());
    EXPECT_TRUE(text.GetVar(CtrlVar::FontResH).IsSwitchedOff());
    EXPECT_TRUE(text.GetVar(CtrlVar::BackgroundNormal).IsSaved());
    EXPECT_TRUE(text.GetVar(CtrlVar::BackgroundNormal).EditorFlag2());
    EXPECT_TRUE(text.GetVar(CtrlVar::FontResN).IsSaved());
    EXPECT_TRUE(text.GetVar(CtrlVar::FontResD).IsSaved());
    EXPECT_EQ(nullptr, text.GetVar(TxtVar::IsEndEllipsis).LegacyKey());
    EXPECT_EQ(3, text.GetVar(TxtVar::TextVerAlign).GetEnumValue(ValueKind::TextVerAlignMode));
}

TEST(EditRecords, ComboKeepsOnlyTheNormalTextColour)
{
    const CMBPROPERTIES combo;
    EXPECT_STREQ(L"Color", combo.GetVar(CtrlVar::ColorN).DisplayName());
    EXPECT_STREQ(L"Color", combo.GetVar(CtrlVar::ColorResN).DisplayName());
    EXPECT_TRUE(combo.GetVar(CtrlVar::ColorResN).IsSaved());
    EXPECT_TRUE(combo.GetVar(CtrlVar::ColorN).IsSuperseded());
    EXPECT_STREQ(L"Highlight", combo.GetVar(CtrlVar::ColorResH).DisplayName());
}

TEST(EditRecords, NameTheirSwitchesAndRangesAsTheFileKnowsThem)
{
    const EDTPROPERTIES edit;
    // Element and display name are one text; the legacy key too from 44 on.
    for (int i = EdtVar::Border; i <= EdtVar::IsWantReturn; ++i) {
        const PropertyValue& var = edit.GetVar(i);
        EXPECT_STREQ(var.XmlElement(), var.DisplayName());
        EXPECT_PRED2(SameText, i == EdtVar::Border ? nullptr : var.XmlElement(), var.LegacyKey());
    }
    EXPECT_EQ(0, edit.GetVar(EdtVar::TextHorOffset).RangeMin());
    EXPECT_EQ(1920, edit.GetVar(EdtVar::TextVerOffset).RangeMax());

    const CMBPROPERTIES combo;
    EXPECT_EQ(1, combo.GetVar(CmbVar::DropListItemHeight).RangeMin());
    EXPECT_EQ(255, combo.GetVar(CmbVar::DropListItemHeight).RangeMax());
    EXPECT_STREQ(L"BtnWidth", combo.GetVar(CmbVar::ButtonWidth).LegacyKey());
    EXPECT_STREQ(L"IsUpperCase", combo.GetVar(CmbVar::IsUpperCase).XmlElement());
    EXPECT_STREQ(L"IsUpperCase", edit.GetVar(EdtVar::IsUpperCase).XmlElement());
}

} // namespace
} // namespace Vexel::test
