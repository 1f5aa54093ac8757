// Progress, scroll bar, thumbnail, hot-key, IP address, HTML, date-time and
// wave records.
#include "ControlRecordHelpers.h"

#include "skin/model/MiscControlProperties.h"

namespace Vexel::test {
namespace {

TEST(MiscControlRecords, ProgressUsesNoHighlightOrSelectedState)
{
    const PRGPROPERTIES progress;
    for (int i : {CtrlVar::BackgroundHighlight, CtrlVar::FontResH, CtrlVar::ColorResS})
        EXPECT_TRUE(progress.GetVar(i).IsSwitchedOff()) << i;
    for (int i : {CtrlVar::BackgroundNormal, CtrlVar::BackgroundDisabled, CtrlVar::FontResD, CtrlVar::ColorResN})
        EXPECT_TRUE(progress.GetVar(i).IsSaved()) << i;
    EXPECT_STREQ(L"HorAlig", progress.GetVar(PrgVar::TextHorOffsetN).LegacyKey());
    EXPECT_STREQ(L"VerAlig", progress.GetVar(PrgVar::TextVerOffsetN).LegacyKey());
    EXPECT_EQ(3840, progress.GetVar(PrgVar::ThumbOriginalPosition).RangeMax());
}

TEST(MiscControlRecords, ScrollBarUsesOnlyTheFirstBaseVariablesAndItsOwn)
{
    const SBPROPERTIES scrollBar;
    for (int i = CtrlVar::ID; i < SbVar::Count; ++i)
        EXPECT_EQ(i <= CtrlVar::VerLayoutMode || i >= SbVar::IsVertical, scrollBar.GetVar(i).IsSaved()) << i;
    EXPECT_EQ(ValueKind::HorScrollBarStyleID, scrollBar.GetVar(SbVar::HorizontalScrollbarStyleID).Kind());
    EXPECT_TRUE(scrollBar.GetVar(SbVar::VerticalScrollbarStyleID).EditorFlag1());

    const SBEXPROPERTIES extended;
    EXPECT_TRUE(SameVariable(scrollBar.GetVar(CtrlVar::RecordSize), extended.GetVar(CtrlVar::RecordSize)));
    EXPECT_TRUE(SameVariables(scrollBar, extended, CtrlVar::ID, SbVar::Count - 1));
}

TEST(MiscControlRecords, ThumbnailAnswersCustomScrollBarFromEnableScrollBar)
{
    THMPROPERTIES thumbnail;
    EXPECT_TRUE(thumbnail.IsCustomScrollBarEnabled());
    thumbnail.GetVar(ThmVar::EnableScrollBar).SetBool(false);
    EXPECT_FALSE(thumbnail.IsCustomScrollBarEnabled());
    EXPECT_EQ(ValueKind::VerScrollBarStyleID, thumbnail.GetVar(ThmVar::VerticalScrollbarResID).Kind());
}

TEST(MiscControlRecords, HtmlAndDateTimeLeaveTheSameBaseVariables)
{
    const HTMLCTRLPROPERTIES html;
    const DATETIMECTRLPROPERTIES dateTime;
    EXPECT_TRUE(SameVariables(html, dateTime, CtrlVar::ID, CtrlVar::Count - 1));
    const PropertyValue& startPage = html.GetVar(HtmlVar::StartPage);
    EXPECT_EQ(VT_BSTR, startPage.Type());
    EXPECT_EQ(L"", ValueText(startPage));
    EXPECT_EQ(VT_EMPTY, startPage.DefaultValue().vt);
}

TEST(MiscControlRecords, HotKeyAndIpAddressAreTheBaseRecord)
{
    const CTRLPROPERTIES base;
    EXPECT_TRUE(SameVariables(base, HOTPROPERTIES(), CtrlVar::ID, CtrlVar::Count - 1));
    EXPECT_TRUE(SameVariables(base, IPAPROPERTIES(), CtrlVar::ID, CtrlVar::Count - 1));
}

TEST(MiscControlRecords, WaveGroupsItsGridInfoAreaAndBackground)
{
    const WAVECTRLPROPERTIES wave;
    EXPECT_EQ(1, wave.GetVar(WaveVar::GridUnitX).RangeMin());
    EXPECT_EQ(0x0FFFFFFF, wave.GetVar(WaveVar::GridHeight).RangeMax());
    EXPECT_EQ(0, wave.GetVar(WaveVar::InfoAreaHeight).RangeMin());
    EXPECT_TRUE(wave.GetVar(WaveVar::GridLineColor).IsSuperseded());
    EXPECT_EQ(ValueKind::ColorResourceID, wave.GetVar(WaveVar::GridLineColorResID).Kind());
    EXPECT_STREQ(L"Information Area", wave.GetVar(WaveVar::InfoAreaWidth).Group());
    EXPECT_FALSE(wave.GetVar(WaveVar::BackgroundColor).IsGroupStart());
    EXPECT_STREQ(L"Background", wave.GetVar(WaveVar::BackgroundColorResID).Group());
}

} // namespace
} // namespace Vexel::test
