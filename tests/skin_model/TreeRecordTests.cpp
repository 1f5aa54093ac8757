// Tree control, tree list, header and list control records.
#include "ControlRecordHelpers.h"

#include "skin/model/TreeProperties.h"

namespace Vexel::test {
namespace {

TEST(TreeRecords, AnswerCustomScrollBarFromTheirSwitch)
{
    TREECTRLPROPERTIES tree;
    LSTCTRLPROPERTIES list;
    struct Case {
        CTRLPROPERTIES* record;
        int variable;
    };
    for (const Case& c : {Case{&tree, TreeVar::EnableCustomScrollBar}, Case{&list, ListVar::EnableCustomScrollBar}}) {
        EXPECT_FALSE(c.record->IsCustomScrollBarEnabled());
        c.record->GetVar(c.variable).SetBool(true);
        EXPECT_TRUE(c.record->IsCustomScrollBarEnabled());
        c.record->GetVar(c.variable).SetBool(false);
        EXPECT_FALSE(c.record->IsCustomScrollBarEnabled());
    }
}

TEST(TreeRecords, StoreDefaultsOnlyWhereTheTreeHasThem)
{
    const TREECTRLPROPERTIES tree;
    for (int i : {TreeVar::ItemLineEnable, TreeVar::ItemLineColor, TreeVar::HighlightItemBkEnable,
                  TreeVar::HighlightItemBkType, TreeVar::HighlightItemBkColor, TreeVar::RootItemBkEffect,
                  TreeVar::RootItemBkType})
        EXPECT_EQ(VT_EMPTY, tree.GetVar(i).DefaultValue().vt) << i;
    for (int i : {TreeVar::SelectedItemBkType, TreeVar::SelectedItemBkColor, TreeVar::IsScroll, TreeVar::ItemHeight})
        EXPECT_TRUE(SameVariant(tree.GetVar(i).Value(), tree.GetVar(i).DefaultValue())) << i;
    EXPECT_TRUE(tree.GetVar(TreeVar::ItemLineColor).IsSuperseded());
    EXPECT_TRUE(tree.GetVar(TreeVar::SelectedItemBkColor).IsSuperseded());
    EXPECT_STREQ(L"Item Text Color", tree.GetVar(CtrlVar::ColorResN).Group());
}

TEST(TreeRecords, ReadBackgroundTypesByWord)
{
    TREECTRLPROPERTIES tree;
    PropertyValue& type = tree.GetVar(TreeVar::SelectedItemBkType);
    ASSERT_EQ(2u, type.Options().size());
    EXPECT_STREQ(L"Color", type.Options()[0]);
    EXPECT_STREQ(L"Image", type.Options()[1]);
    EXPECT_EQ(0, type.WordToEnum(L"Image"));
    EXPECT_EQ(0, type.GetEnumValue(ValueKind::BackgroundType));
}

TEST(TreeRecords, GiveTheHeaderButtonTheBaseVariablesUnderNewElements)
{
    const CTRLPROPERTIES base;
    const HEADERPROPERTIES header;
    struct Renamed {
        int index;
        LPCWSTR element;
    };
    const Renamed renamed[] = {
        {CtrlVar::IsCombineImages, L"IsCombineHeaderButtonImages"}, {CtrlVar::BackgroundNormal, L"HeaderButtonBkN"},
        {CtrlVar::ResizingPoint, L"HeaderButtonResizePoint"},       {CtrlVar::IsHSameNFont, L"IsHeaderHSameNFont"},
        {CtrlVar::FontResD, L"HeaderFontResD"},                     {CtrlVar::IsDSameNColor, L"IsHeaderDSameNColor"},
    };
    for (const Renamed& r : renamed) {
        EXPECT_STREQ(r.element, header.GetVar(r.index).XmlElement());
        EXPECT_PRED2(SameText, base.GetVar(r.index).LegacyKey(), header.GetVar(r.index).LegacyKey());
    }
    EXPECT_EQ(3840, header.GetVar(CtrlVar::ResizingPoint).RangeMax());
    EXPECT_STREQ(L"Header Font(Size)", header.GetVar(CtrlVar::FontResN).Group());
    EXPECT_STREQ(L"Header Text Color", header.GetVar(CtrlVar::ColorResN).Group());
    // Left as the base has them.
    EXPECT_TRUE(SameVariable(base.GetVar(CtrlVar::ImageResizeMode), header.GetVar(CtrlVar::ImageResizeMode)));
    EXPECT_TRUE(SameVariables(base, header, CtrlVar::FontN, CtrlVar::FontD));
    EXPECT_TRUE(SameVariables(base, header, CtrlVar::ColorN, CtrlVar::ColorD));
}

TEST(TreeRecords, GiveListItemsNormalAndSelectedDisabledFontsAndColours)
{
    const LSTCTRLPROPERTIES list;
    EXPECT_STREQ(L"IsNDSameNFont", list.GetVar(CtrlVar::IsDSameNFont).XmlElement());
    EXPECT_STREQ(L"IsDSameNFont", list.GetVar(CtrlVar::IsDSameNFont).LegacyKey());
    EXPECT_STREQ(L"Normal Disabled", list.GetVar(CtrlVar::ColorResD).DisplayName());
    EXPECT_STREQ(L"IsHSameNFont", list.GetVar(CtrlVar::IsHSameNFont).XmlElement());
    EXPECT_STREQ(list.GetVar(CtrlVar::FontResN).Group(), list.GetVar(ListVar::IsSDSameNFont).Group());
    EXPECT_STREQ(list.GetVar(CtrlVar::ColorResN).Group(), list.GetVar(ListVar::IsSDSameNColor).Group());
    EXPECT_TRUE(list.GetVar(ListVar::IsSDSameNColor).IsGroupStart());
    EXPECT_EQ(ValueKind::FontResourceID, list.GetVar(ListVar::ItemFontResSD).Kind());
    EXPECT_EQ(ValueKind::Color, list.GetVar(ListVar::GridLineColor).Kind());
    EXPECT_FALSE(list.GetVar(ListVar::GridLineColor).IsSuperseded());
    for (int i = ListVar::NormalItemBkResizePoint; i <= ListVar::SelectedDisabledItemBkResizePoint; i += 5)
        EXPECT_EQ(3940, list.GetVar(i).RangeMax()) << i;
    EXPECT_EQ(ValueKind::HeaderStyleID, list.GetVar(ListVar::HeaderStyleID).Kind());
    EXPECT_EQ(ValueKind::VerScrollBarStyleID, list.GetVar(ListVar::VerticalScrollbarStyleID).Kind());
}

} // namespace
} // namespace Vexel::test
