#include "skin/model/MiscControlProperties.h"

namespace Vexel {

using namespace records;

namespace {

constexpr VarRow kPrgRows[] = {
    Var(43, L"IsVertical", nullptr, nullptr, Bool(false), L"General", L"Vertical"),
    Var(44, L"ProgressMode", nullptr, nullptr, Enum(ValueKind::ProgressMode, 0), L"Progress Images", L"Progress Mode"),
    Var(45, L"IsCombineProgressImages", nullptr, nullptr, Bool(false), nullptr, L"CombineProgressImage"),
    Var(46, L"ProgressCombine", L"RelativePath", nullptr, Image(), nullptr, L"Combine Progress"),
    Var(47, L"ThumbN", L"RelativePath", nullptr, Image(), nullptr, L"Normal"),
    Var(48, L"ThumbD", L"RelativePath", nullptr, Image(), nullptr, L"Disabled"),
    Var(49, L"ThumbPositionMode", nullptr, nullptr, Enum(ValueKind::ThumbPositionMode, 0), nullptr, L"Thumb Position Mode"),
    Var(50, L"ThumbOriginalPosition", nullptr, nullptr, Rect(0, 0, 0, 0), nullptr, L"Original Specified Thumb Position")
        .Range(0, 3840),
    Var(51, L"IsShowText", nullptr, nullptr, Bool(true), L"Show Percent Text", L"Show"),
    Var(52, L"TextAlignment", L"HorOffsetN", L"HorAlig", Int(0), nullptr, L"Horizontal Offset").Range(-1920, 1920),
    Var(53, L"TextAlignment", L"VerOffsetN", L"VerAlig", Int(0), nullptr, L"Vertical Offset").Range(-1920, 1920),
};

// A progress bar keeps only normal and disabled images, fonts and colours.
constexpr VarChange kPrgChanges[] = {
    DisableBackground(true),
    DisableFont(true),
    DisableColor(true),
};

constexpr VarRow kSbRows[] = {
    Var(43, L"IsVertical", nullptr, nullptr, Bool(false), L"General", L"Vertical"),
    Var(44, L"HorizontalScrollbarStyleID", nullptr, nullptr, Style(ValueKind::HorScrollBarStyleID), nullptr, L"Horizontal Scrollbar")
        .Flag1(),
    Var(45, L"VerticalScrollbarStyleID", nullptr, nullptr, Style(ValueKind::VerScrollBarStyleID), nullptr, L"Vertical Scrollbar")
        .Flag1(),
};

// Every background, font and colour variable (11 to 42).
constexpr VarChange kNoImagesFontsOrColors[] = {
    DisableBackground(false),
    DisableFont(false),
    DisableColor(false),
};

constexpr VarRow kThmRows[] = {
    Var(43, L"IsListStyle", nullptr, nullptr, Bool(false), L"General", L"List Style"),
    Var(44, L"IsHoldCtrlKey", nullptr, nullptr, Bool(false), nullptr, L"Hold Ctrl Key"),
    Var(45, L"IsDragDrop", nullptr, nullptr, Bool(false), nullptr, L"Enable Drag&Drop"),
    Var(46, L"TotalWidth", nullptr, nullptr, Int(140), L"Item Settings", L"Total Width").Range(-1920, 1920),
    Var(47, L"TotalHeight", nullptr, nullptr, Int(140), nullptr, L"Total Height").Range(-1920, 1920),
    Var(48, L"ThmRectLeftN", nullptr, nullptr, Int(4), L"Normal Thumbnail Position", L"Left").Range(-1920, 1920),
    Var(49, L"ThmRectTopN", nullptr, nullptr, Int(4), nullptr, L"Top").Range(-1920, 1920),
    Var(50, L"ThmRectRightN", nullptr, nullptr, Int(96), nullptr, L"Right").Range(-1920, 1920),
    Var(51, L"ThmRectBottomN", nullptr, nullptr, Int(83), nullptr, L"Bottom").Range(-1920, 1920),
    Var(52, L"ThmRectLeftH", nullptr, nullptr, Int(4), L"Highlight Thumbnail Position", L"Left").Range(-1920, 1920),
    Var(53, L"ThmRectTopH", nullptr, nullptr, Int(4), nullptr, L"Top").Range(-1920, 1920),
    Var(54, L"ThmRectRightH", nullptr, nullptr, Int(96), nullptr, L"Right").Range(-1920, 1920),
    Var(55, L"ThmRectBottomH", nullptr, nullptr, Int(83), nullptr, L"Bottom").Range(-1920, 1920),
    Var(56, L"LblRectLeftN", nullptr, nullptr, Int(4), L"Normal Label Position", L"Left").Range(-1920, 1920),
    Var(57, L"LblRectTopN", nullptr, nullptr, Int(90), nullptr, L"Top").Range(-1920, 1920),
    Var(58, L"LblRectRightN", nullptr, nullptr, Int(96), nullptr, L"Right").Range(-1920, 1920),
    Var(59, L"LblRectBottomN", nullptr, nullptr, Int(116), nullptr, L"Bottom").Range(-1920, 1920),
    Var(60, L"LblRectLeftH", nullptr, nullptr, Int(4), L"Highlight Label Position", L"Left").Range(-1920, 1920),
    Var(61, L"LblRectTopH", nullptr, nullptr, Int(90), nullptr, L"Top").Range(-1920, 1920),
    Var(62, L"LblRectRightH", nullptr, nullptr, Int(96), nullptr, L"Right").Range(-1920, 1920),
    Var(63, L"LblRectBottomH", nullptr, nullptr, Int(116), nullptr, L"Bottom").Range(-1920, 1920),
    Var(64, L"ItemBkN", L"RelativePath", nullptr, Image(), L"Item background Images", L"Normal"),
    Var(65, L"ItemBkH", L"RelativePath", nullptr, Image(), nullptr, L"Highlight"),
    Var(66, L"ItemBkS", L"RelativePath", nullptr, Image(), nullptr, L"Selected"),
    Var(67, L"ItemBkD", L"RelativePath", nullptr, Image(), nullptr, L"Disabled"),
    Var(68, L"EnableScrollBar", nullptr, nullptr, Bool(true), L"Enable Scroll Bar", L"Enable"),
    Var(69, L"VerticalScrollbarResID", nullptr, nullptr, Style(ValueKind::VerScrollBarStyleID), nullptr, L"Vertical Scrollbar")
        .Flag1(),
};

constexpr VarChange kThmChanges[] = {
    Span(CtrlVar::BackgroundHighlight, CtrlVar::BackgroundSelected).Off(),
};

// The start page is empty: a view shows nothing until its window navigates.
constexpr VarRow kHtmlRows[] = {
    Var(43, L"IsHideBorder", nullptr, nullptr, Bool(false), L"General", L"Hide Border"),
    Var(44, L"IsHideScrollBar", nullptr, nullptr, Bool(false), nullptr, L"Hide ScrollBar"),
    Var(45, L"IsHideContextMenu", nullptr, nullptr, Bool(false), nullptr, L"Hide Context Menu"),
    Var(46, L"StartPage", nullptr, nullptr, Text(), nullptr, L"Start Page"),
};

// Also the date-time picker's. The resize point is part of the background
// group already; it is named once more as the HTML view has always done.
constexpr VarChange kHtmlChanges[] = {
    DisableBackground(false),
    DisableFont(false),
    DisableColor(false),
    At(CtrlVar::ResizingPoint).Off(),
};

constexpr VarRow kWaveRows[] = {
    Var(43, L"IsEnableDragMove", nullptr, nullptr, Bool(true), L"General", L"Enable Drag Move"),
    Var(44, L"Tag", nullptr, nullptr, Text(), nullptr, L"Tag"),
    Var(45, L"Grid", L"Width", nullptr, Int(30), L"Grid", L"Width").Range(1, 0x0FFFFFFF),
    Var(46, L"Grid", L"Height", nullptr, Int(30), nullptr, L"Height").Range(1, 0x0FFFFFFF),
    Var(47, L"Grid", L"GridLineColor", nullptr, Color(0x408000), nullptr, L"Grid Line Color").Superseded(),
    Var(48, L"Grid", L"GridLineColorResID", nullptr, ColorRes(), nullptr, L"Grid Line Color ID"),
    Var(49, L"Grid", L"GridUnitX", nullptr, Int(1), nullptr, L"Grid Unit X").Range(1, 0x0FFFFFFF),
    Var(50, L"Grid", L"GridUnitY", nullptr, Int(1), nullptr, L"Grid Unit Y").Range(1, 0x0FFFFFFF),
    Var(51, L"InfoArea", L"Width", nullptr, Int(60), L"Information Area", L"Width").Range(0, 0x0FFFFFFF),
    Var(52, L"InfoArea", L"Height", nullptr, Int(20), nullptr, L"Height").Range(0, 0x0FFFFFFF),
    Var(53, L"Background", L"Color", nullptr, Color(0), nullptr, L"Color").Superseded(),
    Var(54, L"Background", L"ColorResID", nullptr, ColorRes(), L"Background", L"Color ID"),
};

constexpr VarChange kWaveChanges[] = {
    DisableFont(false),
    DisableColor(false),
    Span(CtrlVar::BackgroundHighlight, CtrlVar::BackgroundSelected).Off(),
};

constexpr RecordLayout kPrgLayout = Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(PrgVar::Count), PrgVar::Count,
                                           L"PROGRESS", kPrgRows, kPrgChanges);
static_assert(IsWellFormed(kPrgLayout), "progress table");

constexpr RecordLayout kSbLayout = Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(SbVar::Count), SbVar::Count,
                                          L"SCROLLBAR", kSbRows, kNoImagesFontsOrColors);
static_assert(IsWellFormed(kSbLayout), "scroll bar table");

constexpr RecordLayout kSbExLayout =
    LayoutWithoutRows(&SBPROPERTIES::kLayout, RecordSizeFor(SbVar::Count), SbVar::Count, L"SCROLLBAREX");
static_assert(IsWellFormed(kSbExLayout), "extended scroll bar table");

constexpr RecordLayout kThmLayout = Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(ThmVar::Count), ThmVar::Count,
                                           L"THUMBNAIL", kThmRows, kThmChanges);
static_assert(IsWellFormed(kThmLayout), "thumbnail table");

constexpr RecordLayout kHotLayout =
    LayoutWithoutRows(&CTRLPROPERTIES::kLayout, RecordSizeFor(PlainCtrlVar::Count), PlainCtrlVar::Count, L"HOTKEY");
static_assert(IsWellFormed(kHotLayout), "hot-key table");

constexpr RecordLayout kIpaLayout = LayoutWithoutRows(&CTRLPROPERTIES::kLayout, RecordSizeFor(PlainCtrlVar::Count),
                                                      PlainCtrlVar::Count, L"IPADDRESS");
static_assert(IsWellFormed(kIpaLayout), "IP address table");

constexpr RecordLayout kHtmlLayout = Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(HtmlVar::Count), HtmlVar::Count,
                                            L"HTMLCTRL", kHtmlRows, kHtmlChanges);
static_assert(IsWellFormed(kHtmlLayout), "HTML view table");

constexpr RecordLayout kDateTimeLayout = LayoutWithoutRows(
    &CTRLPROPERTIES::kLayout, RecordSizeFor(PlainCtrlVar::Count), PlainCtrlVar::Count, L"DATETIMECTRL", kHtmlChanges);
static_assert(IsWellFormed(kDateTimeLayout), "date-time table");

constexpr RecordLayout kWaveLayout = Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(WaveVar::Count), WaveVar::Count,
                                            L"WAVECTRL", kWaveRows, kWaveChanges);
static_assert(IsWellFormed(kWaveLayout), "wave display table");

} // namespace

const RecordLayout PRGPROPERTIES::kLayout = kPrgLayout;
const RecordLayout SBPROPERTIES::kLayout = kSbLayout;
const RecordLayout SBEXPROPERTIES::kLayout = kSbExLayout;
const RecordLayout THMPROPERTIES::kLayout = kThmLayout;
const RecordLayout HOTPROPERTIES::kLayout = kHotLayout;
const RecordLayout IPAPROPERTIES::kLayout = kIpaLayout;
const RecordLayout HTMLCTRLPROPERTIES::kLayout = kHtmlLayout;
const RecordLayout DATETIMECTRLPROPERTIES::kLayout = kDateTimeLayout;
const RecordLayout WAVECTRLPROPERTIES::kLayout = kWaveLayout;

PRGPROPERTIES::PRGPROPERTIES() : CTRLPROPERTIES(kLayout) {}
PRGPROPERTIES::~PRGPROPERTIES() = default;

SBPROPERTIES::SBPROPERTIES() : CTRLPROPERTIES(kLayout) {}
SBPROPERTIES::SBPROPERTIES(const RecordLayout& layout) : CTRLPROPERTIES(layout) {}
SBPROPERTIES::~SBPROPERTIES() = default;

SBEXPROPERTIES::SBEXPROPERTIES() : SBPROPERTIES(kLayout) {}

THMPROPERTIES::THMPROPERTIES() : CTRLPROPERTIES(kLayout) {}
THMPROPERTIES::~THMPROPERTIES() = default;

bool THMPROPERTIES::IsCustomScrollBarEnabled() const
{
    return GetVar(ThmVar::EnableScrollBar).GetBool();
}

HOTPROPERTIES::HOTPROPERTIES() : CTRLPROPERTIES(kLayout) {}
HOTPROPERTIES::~HOTPROPERTIES() = default;

IPAPROPERTIES::IPAPROPERTIES() : CTRLPROPERTIES(kLayout) {}
IPAPROPERTIES::~IPAPROPERTIES() = default;

HTMLCTRLPROPERTIES::HTMLCTRLPROPERTIES() : CTRLPROPERTIES(kLayout) {}
HTMLCTRLPROPERTIES::~HTMLCTRLPROPERTIES() = default;

DATETIMECTRLPROPERTIES::DATETIMECTRLPROPERTIES() : CTRLPROPERTIES(kLayout) {}
DATETIMECTRLPROPERTIES::~DATETIMECTRLPROPERTIES() = default;

WAVECTRLPROPERTIES::WAVECTRLPROPERTIES() : CTRLPROPERTIES(kLayout) {}
WAVECTRLPROPERTIES::~WAVECTRLPROPERTIES() = default;

} // namespace Vexel
