// The table machinery on a made-up family of kinds: a base-only kind with its
// own rows, and a leaf that changes inherited variables the way the control
// kinds do.
#include "RecordTestSupport.h"


using namespace Vexel;
using namespace records;
using namespace record_test;

namespace {

class MIDPROPERTIES : public CTRLPROPERTIES {
public:
    MIDPROPERTIES() : MIDPROPERTIES(kLayout) {}
    static const RecordLayout kLayout;

protected:
    explicit MIDPROPERTIES(const RecordLayout& layout) : CTRLPROPERTIES(layout) {}
};

class LEAFPROPERTIES : public MIDPROPERTIES {
public:
    LEAFPROPERTIES() : MIDPROPERTIES(kLayout) {}
    bool IsCustomScrollBarEnabled() const override { return GetVar(45).GetBool(); }
    static const RecordLayout kLayout;
};

constexpr VarRow kMidRows[] = {
    Var(43, L"ToolTip", L"Enable", L"UseToolTip", Bool(false), L"ToolTip", L"Enable Tooltip").NoDefault(),
    Var(44, L"ToolTip", L"ToolTip", L"ToolTips", Text(), nullptr, L"ToolTip"),
};
constexpr RecordLayout kMid = Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(45), 45, nullptr, kMidRows);
static_assert(IsWellFormed(kMid), "mid table");

constexpr VarRow kLeafRows[] = {
    Var(45, L"EnableCustomScrollBar", nullptr, nullptr, Bool(false), L"Enable Custom Scroll Bar", L"Enable"),
    Var(46, L"ForegroundAlignMode", L"Horizontal", L"ForegroundHorAlignMode",
        Enum(ValueKind::ForegroundHorAlignMode, 1), nullptr, L"Horizontal Alignment").Flag1(),
    Var(47, L"ThumbNormal", L"RelativePath", nullptr, Image(), nullptr, L"Normal Thumb").Nested(),
    Var(48, nullptr, nullptr, nullptr, RunTimeColor(), nullptr, nullptr).NoDefault().Off(),
    Var(49, L"HeaderStyleID", nullptr, nullptr, Style(ValueKind::HeaderStyleID), nullptr, L"Header Style").Flag1(),
    Var(50, L"Grid", L"GridLineColor", nullptr, Color(0x408000), nullptr, L"Grid Line Color").Superseded(),
};
constexpr VarChange kLeafChanges[] = {
    DisableFont(false),
    Span(33, 35).Off(),
    At(6).Initial(Bool(true)),
    At(16).Element(L"MarkNormal").Display(L"Normal Mark"),
    At(13).Element(L"IsCombineBackgroundImages").Group(L"Background"),
    At(36).Group(L"Item Text Color"),
    At(20).Initial(Point(2, 2)).Range(0, 3840),
    At(3).NotSaved(),
};
constexpr RecordLayout kLeaf = Layout(&MIDPROPERTIES::kLayout, RecordSizeFor(51), 51, L"LEAF", kLeafRows, kLeafChanges);
static_assert(IsWellFormed(kLeaf), "leaf table");

const RecordLayout MIDPROPERTIES::kLayout = kMid;
const RecordLayout LEAFPROPERTIES::kLayout = kLeaf;

// Malformed tables are caught at compile time.
constexpr VarRow kGapRows[] = {
    Var(43, L"A", nullptr, nullptr, Bool(false), nullptr, L"A"),
    Var(45, L"B", nullptr, nullptr, Bool(false), nullptr, L"B"),
};
static_assert(!IsWellFormed(Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(45), 45, L"X", kGapRows)),
              "a gap in the numbering");
static_assert(!IsWellFormed(Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(46), 45, L"X", kMidRows)),
              "a size that does not fit the count");
constexpr VarChange kOwnChange[] = {At(44).Off()};
static_assert(!IsWellFormed(Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(45), 45, L"X", kMidRows, kOwnChange)),
              "a change to a variable of the kind itself");

TEST(RecordLayout, ChainAppliesBaseThenEachLevelsRowsAndChanges)
{
    ScriptedPrompts prompts;
    const LEAFPROPERTIES leaf;
    EXPECT_EQ(51, leaf.GetVarCount());
    EXPECT_EQ(RecordSizeFor(51), leaf.GetVar(0).GetLong());
    EXPECT_TRUE(leaf.GetVar(1) == L"LEAF");
    EXPECT_TRUE(prompts.Prompts().empty());

    // The middle level's rows.
    ExpectVar(leaf, {43, L"ToolTip", L"Enable", L"UseToolTip", ValueKind::None, L"Enable Tooltip", L"ToolTip", false});
    ExpectVar(leaf, {44, L"ToolTip", L"ToolTip", L"ToolTips", ValueKind::None, L"ToolTip", nullptr, false});
    EXPECT_EQ(VT_BSTR, leaf.GetVar(44).Type());

    // The leaf's rows.
    ExpectVar(leaf, {46, L"ForegroundAlignMode", L"Horizontal", L"ForegroundHorAlignMode",
                     ValueKind::ForegroundHorAlignMode, L"Horizontal Alignment", nullptr, true});
    EXPECT_EQ(L"Left", std::wstring(leaf.GetVar(46).EnumToWord()));
    EXPECT_EQ(L"Left", std::wstring(leaf.GetVar(46).Options()[0]));
    EXPECT_EQ(L"Center", std::wstring(leaf.GetVar(46).Options()[2]));
    ASSERT_NE(nullptr, leaf.GetVar(47).NestedValue());
    EXPECT_EQ(VT_BOOL, leaf.GetVar(47).NestedValue()->Type());
    EXPECT_TRUE(leaf.GetVar(47).EditorFlag3());
    EXPECT_TRUE(leaf.GetVar(48).IsSwitchedOff());
    EXPECT_EQ(ValueKind::ColorRef, leaf.GetVar(48).Kind());
    EXPECT_EQ(ValueKind::HeaderStyleID, leaf.GetVar(49).Kind());
    EXPECT_TRUE(leaf.GetVar(49) == L"");
    ExpectVar(leaf, {50, L"Grid", L"GridLineColor", nullptr, ValueKind::Color, L"Grid Line Color", nullptr, true});
    EXPECT_TRUE(leaf.GetVar(50).IsSuperseded());

    // The changes to inherited variables.
    EXPECT_EQ(Join({{0, 3}, Range(21, 31), Range(33, 35), {48}}), SwitchedOff(leaf));
    EXPECT_TRUE(leaf.GetVar(6).GetBool());
    EXPECT_TRUE(leaf.GetVar(6).LogFontEquals(leaf.GetVar(6).DefaultValue()));
    EXPECT_EQ(L"MarkNormal", Str(leaf.GetVar(16).XmlElement()));
    EXPECT_EQ(L"BkH", Str(leaf.GetVar(16).LegacyKey()));   // legacy key stays
    EXPECT_EQ(L"Normal Mark", Str(leaf.GetVar(16).DisplayName()));
    EXPECT_EQ(L"Background", Str(leaf.GetVar(13).Group()));
    EXPECT_TRUE(leaf.GetVar(13).IsGroupStart());
    EXPECT_EQ(L"Item Text Color", Str(leaf.GetVar(36).Group()));
    EXPECT_EQ(2, leaf.GetVar(20).GetPoint().x);
    EXPECT_EQ(3840, leaf.GetVar(20).RangeMax());
    EXPECT_EQ(VT_EMPTY, leaf.GetVar(20).DefaultValue().vt);
    EXPECT_FALSE(leaf.GetVar(3).IsSaved());
    EXPECT_FALSE(leaf.GetVar(3).EditorFlag2());

    // The base-only kind alone.
    const MIDPROPERTIES mid;
    EXPECT_EQ(45, mid.GetVarCount());
    EXPECT_TRUE(mid.GetVar(1) == L"");
    EXPECT_TRUE(mid.GetVar(16).IsSaved());
}

TEST(RecordLayout, VirtualOverridesReadTheirVariables)
{
    LEAFPROPERTIES leaf;
    EXPECT_FALSE(leaf.IsCustomScrollBarEnabled());
    leaf.GetVar(45).SetBool(true);
    EXPECT_TRUE(leaf.IsCustomScrollBarEnabled());
}

} // namespace
