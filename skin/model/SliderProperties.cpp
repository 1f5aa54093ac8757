#include "skin/model/SliderProperties.h"

namespace Vexel {

using namespace records;

namespace {

constexpr VarRow kSldRows[] = {
    Var(43, L"ExtendedStyle", nullptr, L"ExtendedStyle", Enum(ValueKind::SliderExtendedStyle, 0), L"General", L"Extended Style"),
    Var(44, L"IsVertical", nullptr, nullptr, Bool(false), nullptr, L"Vertical"),
    Var(45, L"ToolTip", L"Enable", L"UseToolTip", Bool(false), nullptr, L"Enable Tooltip")
        .Describe(L"Enable Tooltip."),
    Var(46, L"IsUseMark", nullptr, nullptr, Bool(true), nullptr, L"Use Mark"),
    Var(47, L"IsCombineThumbImages", nullptr, nullptr, Bool(false), L"Thumb Images", L"CombineThumbImage"),
    Var(48, L"ThumbCombine", L"RelativePath", nullptr, Image(), nullptr, L"Combine Thumb"),
    Var(49, L"ThumbN", L"RelativePath", nullptr, Image(), nullptr, L"Normal"),
    Var(50, L"ThumbH", L"RelativePath", nullptr, Image(), nullptr, L"Highlight"),
    Var(51, L"ThumbS", L"RelativePath", nullptr, Image(), nullptr, L"Selected"),
    Var(52, L"ThumbD", L"RelativePath", nullptr, Image(), nullptr, L"Disabled"),
    Var(53, L"EnableTipWindow", L"Enable", nullptr, Bool(false), L"Show Tip Window", L"Enable"),
    Var(54, L"EnableTipWindow", L"Offset", nullptr, Point(0, 0), nullptr, L"Tip Window Offset").Range(-3840, 3840),
};

// The background images become the slider's backgrounds and marks; the marks
// keep their legacy keys BkH and BkS.
constexpr VarChange kSldChanges[] = {
    DisableFont(false),
    DisableColor(false),
    At(SldVar::NormalBackground).Display(L"Normal Background"),
    At(SldVar::MarkNormal).Element(L"MarkNormal").Display(L"Normal Mark"),
    At(SldVar::MarkDisabled).Element(L"MarkDisabled").Display(L"Disabled Mark"),
    At(SldVar::DisabledBackground).Display(L"Disabled Background"),
};

// The same in both scroll bar styles. The thumb images and button sizes carry
// a nested false for the skin editor.
constexpr VarRow kScrollBarRows[] = {
    Var(43, L"IsCombineThumbImages", nullptr, nullptr, Bool(false), L"Thumb", L"CombineThumbImage"),
    Var(44, L"ThumbCombine", L"RelativePath", nullptr, Image(), nullptr, L"Combine Thumb"),
    Var(45, L"ThumbNormal", L"RelativePath", nullptr, Image(), nullptr, L"Normal Thumb").Nested(),
    Var(46, L"ThumbHighlight", L"RelativePath", nullptr, Image(), nullptr, L"Highlight Thumb").Nested(),
    Var(47, L"ThumbSelected", L"RelativePath", nullptr, Image(), nullptr, L"Selected Thumb").Nested(),
    Var(48, L"ThumbDisabled", L"RelativePath", nullptr, Image(), nullptr, L"Disabled Thumb").Nested(),
    Var(49, L"ThumbResizingPoint", nullptr, nullptr, Point(3, 3), nullptr, L"Resize Point").Range(0, 1920),
    Var(50, L"LeftUpButtonSize", nullptr, nullptr, Int(16), L"Scroll Bar Button", L"Left or Up Button Size")
        .Range(0, 1920).Nested()
        .Describe(L"Width of the left button if the scroll bar is horizontal, or Height of the up button "
                  L"if the scroll bar is vertical"),
    Var(51, L"RightDownButtonSize", nullptr, nullptr, Int(16), nullptr, L"Right or Down Button Size").Range(0, 1920)
        .Nested()
        .Describe(L"Width of the right button if the scroll bar is horizontal, or Height of the down "
                  L"button if the scroll bar is vertical"),
};

// A scroll bar style has no rectangle, layout, state switches, fonts or
// colours; the two directions differ only in their resize point.
constexpr VarChange kHorScrollBarChanges[] = {
    DisableFont(false),
    DisableColor(false),
    Span(CtrlVar::Rect, CtrlVar::IsTabStop).Off(),
    Span(CtrlVar::HorLayoutMode, CtrlVar::IsSpecifyImages).Off(),
    At(CtrlVar::IsCombineImages).Element(L"IsCombineBackgroundImages").Group(L"Background"),
    At(CtrlVar::ResizingPoint).Initial(Point(20, 10)),
};

constexpr VarChange kVerScrollBarChanges[] = {
    DisableFont(false),
    DisableColor(false),
    Span(CtrlVar::Rect, CtrlVar::IsTabStop).Off(),
    Span(CtrlVar::HorLayoutMode, CtrlVar::IsSpecifyImages).Off(),
    At(CtrlVar::IsCombineImages).Element(L"IsCombineBackgroundImages").Group(L"Background"),
    At(CtrlVar::ResizingPoint).Initial(Point(10, 20)),
};

// What remains of a rectangle for the file: ID, Rect, the clip flags and the
// layout modes. The splitter repeats these changes over its own.
constexpr VarChange kRectChanges[] = {
    DisableBackground(false),
    DisableFont(false),
    DisableColor(false),
    Span(CtrlVar::IsVisible, CtrlVar::IsTabStop).Off(),
    At(CtrlVar::ResizingPoint).Off(),
};

constexpr VarRow kSplitterRows[] = {
    Var(43, L"Orientation", nullptr, nullptr, Enum(ValueKind::SplitterOrientation, 0), L"General", L"Orientation")
        .Flag1(),
};

constexpr RecordLayout kSldLayout =
    Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(SldVar::Count), SldVar::Count, L"SLIDER", kSldRows, kSldChanges);
static_assert(IsWellFormed(kSldLayout), "slider table");

constexpr RecordLayout kSldExLayout =
    LayoutWithoutRows(&SLDPROPERTIES::kLayout, RecordSizeFor(SldVar::Count), SldVar::Count, L"SLIDEREX");
static_assert(IsWellFormed(kSldExLayout), "extended slider table");

constexpr RecordLayout kHorScrollBarLayout =
    Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(ScrollBarStyleVar::Count), ScrollBarStyleVar::Count,
           L"HORSCROLLBAR", kScrollBarRows, kHorScrollBarChanges);
static_assert(IsWellFormed(kHorScrollBarLayout), "horizontal scroll bar table");

constexpr RecordLayout kVerScrollBarLayout =
    Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(ScrollBarStyleVar::Count), ScrollBarStyleVar::Count,
           L"VERSCROLLBAR", kScrollBarRows, kVerScrollBarChanges);
static_assert(IsWellFormed(kVerScrollBarLayout), "vertical scroll bar table");

constexpr RecordLayout kRectLayout =
    LayoutWithoutRows(&CTRLPROPERTIES::kLayout, RecordSizeFor(RectVar::Count), RectVar::Count, L"RECT", kRectChanges);
static_assert(IsWellFormed(kRectLayout), "rectangle table");

constexpr RecordLayout kSplitterLayout = Layout(&RECTPROPERTIES::kLayout, RecordSizeFor(SplitterVar::Count),
                                                SplitterVar::Count, L"SPLITTER", kSplitterRows, kRectChanges);
static_assert(IsWellFormed(kSplitterLayout), "splitter table");

} // namespace

const RecordLayout SLDPROPERTIES::kLayout = kSldLayout;
const RecordLayout SLDEXPROPERTIES::kLayout = kSldExLayout;
const RecordLayout HORSBPROPERTIES::kLayout = kHorScrollBarLayout;
const RecordLayout VERSBPROPERTIES::kLayout = kVerScrollBarLayout;
const RecordLayout RECTPROPERTIES::kLayout = kRectLayout;
const RecordLayout SPLITTERPROPERTIES::kLayout = kSplitterLayout;

SLDPROPERTIES::SLDPROPERTIES() : CTRLPROPERTIES(kLayout) {}
SLDPROPERTIES::SLDPROPERTIES(const RecordLayout& layout) : CTRLPROPERTIES(layout) {}
SLDPROPERTIES::~SLDPROPERTIES() = default;

SLDEXPROPERTIES::SLDEXPROPERTIES() : SLDPROPERTIES(kLayout) {}
SLDEXPROPERTIES::~SLDEXPROPERTIES() = default;

HORSBPROPERTIES::HORSBPROPERTIES() : CTRLPROPERTIES(kLayout) {}
HORSBPROPERTIES::~HORSBPROPERTIES() = default;

VERSBPROPERTIES::VERSBPROPERTIES() : CTRLPROPERTIES(kLayout) {}
VERSBPROPERTIES::~VERSBPROPERTIES() = default;

RECTPROPERTIES::RECTPROPERTIES() : CTRLPROPERTIES(kLayout) {}
RECTPROPERTIES::RECTPROPERTIES(const RecordLayout& layout) : CTRLPROPERTIES(layout) {}
RECTPROPERTIES::~RECTPROPERTIES() = default;

SPLITTERPROPERTIES::SPLITTERPROPERTIES() : RECTPROPERTIES(kLayout) {}
SPLITTERPROPERTIES::~SPLITTERPROPERTIES() = default;

} // namespace Vexel
