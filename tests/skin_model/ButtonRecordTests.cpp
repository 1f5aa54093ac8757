// The button records: what they share, where push button and toggle buttons
// part, and the switches that start true without a default.
#include "ControlRecordHelpers.h"

#include "skin/model/ButtonProperties.h"

namespace Vexel::test {
namespace {

TEST(ButtonRecords, LeaveEveryInheritedVariableAsTheBaseHasIt)
{
    const CTRLPROPERTIES base;
    const BTNPROPERTIES push;
    const CHKPROPERTIES check;
    const RADPROPERTIES radio;
    for (const CTRLPROPERTIES* record : {static_cast<const CTRLPROPERTIES*>(&push), static_cast<const CTRLPROPERTIES*>(&check),
                                         static_cast<const CTRLPROPERTIES*>(&radio)})
        EXPECT_TRUE(SameVariables(base, *record, CtrlVar::ID, CtrlVar::Count - 1));
}

TEST(ButtonRecords, ShareTheButtonBaseAndTheToggleBase)
{
    const BTNPROPERTIES push;
    const CHKPROPERTIES check;
    const RADPROPERTIES radio;
    EXPECT_TRUE(SameVariables(push, check, CtrlVar::Count, BtnBaseVar::Count - 1));
    EXPECT_TRUE(SameVariables(check, radio, CtrlVar::Count, ToggleBtnVar::Count - 1));
    EXPECT_FALSE(SameVariable(push.GetVar(66), check.GetVar(66)));
}

TEST(ButtonRecords, StartTheCheckedSwitchesTrueWithoutDefault)
{
    const CHKPROPERTIES check;
    for (int i = ToggleBtnVar::IsCNSameNFont; i <= ToggleBtnVar::ColorResCD; i += 2) {
        SCOPED_TRACE(i);
        EXPECT_EQ(L"true", ValueText(check.GetVar(i)));
        EXPECT_EQ(VT_EMPTY, check.GetVar(i).DefaultValue().vt);
        EXPECT_EQ(i < ToggleBtnVar::IsCNSameNColor ? ValueKind::FontResourceID : ValueKind::ColorResourceID,
                  check.GetVar(i + 1).Kind());
    }
    // Unlike the inherited switches, whose default is their initial value.
    EXPECT_TRUE(SameVariant(check.GetVar(CtrlVar::IsHSameNFont).Value(),
                            check.GetVar(CtrlVar::IsHSameNFont).DefaultValue()));
    EXPECT_STREQ(check.GetVar(CtrlVar::FontResN).Group(), check.GetVar(ToggleBtnVar::IsCNSameNFont).Group());
    EXPECT_STREQ(check.GetVar(CtrlVar::ColorResN).Group(), check.GetVar(ToggleBtnVar::IsCNSameNColor).Group());
}

TEST(ButtonRecords, WriteTheToolTipSwitchAlwaysAndOfferForegroundSidesFirst)
{
    const BTNPROPERTIES push;
    const PropertyValue& toolTip = push.GetVar(BtnBaseVar::ToolTipEnable);
    EXPECT_EQ(VT_BOOL, toolTip.Type());
    EXPECT_EQ(VT_EMPTY, toolTip.DefaultValue().vt);
    EXPECT_STREQ(L"UseToolTip", toolTip.LegacyKey());
    EXPECT_STREQ(L"ToolTips", push.GetVar(BtnBaseVar::ToolTipText).LegacyKey());

    const PropertyValue& horizontal = push.GetVar(BtnBaseVar::ForegroundHorAlign);
    ASSERT_EQ(3u, horizontal.Options().size());
    EXPECT_STREQ(L"Left", horizontal.Options()[0]);
    EXPECT_STREQ(L"Right", horizontal.Options()[1]);
    EXPECT_STREQ(L"Center", horizontal.Options()[2]);
    EXPECT_EQ(1, horizontal.GetEnumValue(ValueKind::ForegroundHorAlignMode));
    EXPECT_EQ(0, push.GetVar(BtnBaseVar::ForegroundVerAlign).GetEnumValue(ValueKind::ForegroundVerAlignMode));
}

TEST(ButtonRecords, KeepForegroundImagesInTheValueAttribute)
{
    const BTNPROPERTIES push;
    for (int i = BtnBaseVar::ForegroundCombine; i <= BtnBaseVar::ForegroundDisabled; ++i) {
        EXPECT_EQ(ValueKind::ImagePath, push.GetVar(i).Kind());
        EXPECT_STREQ(L"Value", push.GetVar(i).XmlAttribute());
        EXPECT_EQ(nullptr, push.GetVar(i).LegacyKey());
    }
    const CHKPROPERTIES check;
    EXPECT_STREQ(L"RelativePath", check.GetVar(ToggleBtnVar::ForegroundCheckedNormal).XmlAttribute());
    EXPECT_STREQ(L"BKCN", check.GetVar(ToggleBtnVar::BackgroundCheckedNormal).LegacyKey());
}

} // namespace
} // namespace Vexel::test
