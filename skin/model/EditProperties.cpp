#include "skin/model/EditProperties.h"

namespace Vexel {

using namespace records;

namespace {

constexpr VarRow kTxtRows[] = {
    Var(43, L"IsR2LReadOrder", nullptr, L"IsR2LReadOrder", Bool(false), L"General", L"Right to Left Reading Order")
        .Member(L"bR2LReadOrder")
        .Describe(L"For languages that support reading order alignment, specifies right-to-left reading "
                  L"order."),
    Var(44, L"Nowrap", nullptr, L"Nowrap", Bool(true), nullptr, L"Nowrap"),
    Var(45, L"IsPathEllipsis", nullptr, L"IsPathEllipsis", Bool(false), nullptr, L"Path Ellipsis"),
    Var(46, L"IsEndEllipsis", nullptr, nullptr, Bool(false), nullptr, L"End Ellipsis"),
    Var(47, L"Caption", nullptr, L"Caption", Text(), nullptr, L"Caption"),
    Var(48, L"IsSpecifyForegroundImages", nullptr, L"IsSpecifyForegroundImages", Bool(false), L"Foreground", L"Specify Images"),
    Var(49, L"ForegroundAlignMode", L"Horizontal", L"ForegroundHorAlignMode", Enum(ValueKind::ForegroundHorAlignMode, 1), nullptr, L"Horizontal Alignment")
        .Flag1(),
    Var(50, L"ForegroundAlignMode", L"HorOffset", L"ForegroundHorAlign", Int(0), nullptr, L"Horizontal Offset")
        .Range(-1920, 1920),
    Var(51, L"ForegroundAlignMode", L"Vertical", L"ForegroundVerAlignMode", Enum(ValueKind::ForegroundVerAlignMode, 0), nullptr, L"Vertical Alignment")
        .Flag1(),
    Var(52, L"ForegroundAlignMode", L"VerOffset", L"ForegroundVerAlign", Int(0), nullptr, L"Vertical Offset")
        .Range(-1920, 1920),
    Var(53, L"IsCombineForegroundImages", nullptr, L"IsCombineForegroundImages", Bool(false), nullptr, L"Combine Images"),
    Var(54, L"ForeGroundCombine", nullptr, nullptr, Image(), nullptr, L"CombineImage"),
    Var(55, L"ForegroundNormal", nullptr, nullptr, Image(), nullptr, L"Normal Image"),
    Var(56, L"ForegroundDisabled", nullptr, nullptr, Image(), nullptr, L"Disabled Image"),
    Var(57, L"ToolTip", L"Enable", L"UseToolTip", Bool(false), L"ToolTip", L"Enable Tooltip").NoDefault()
        .Member(L"bUseToolTip").Describe(L"Enable Tooltip."),
    Var(58, L"ToolTip", L"ToolTip", L"ToolTips", Text(), nullptr, L"ToolTip"),
    Var(59, L"TextAlignment", L"Horizontal", L"HorAlignMode", Enum(ValueKind::TextHorAlignMode, 0), L"Text Alignment", L"Horizontal")
        .Flag1(),
    Var(60, L"TextAlignment", L"HorOffset", L"HorAlig", Int(0), nullptr, L"Horizontal Offset").Range(-1920, 1920),
    Var(61, L"TextAlignment", L"Vertical", L"VerAlignMode", Enum(ValueKind::TextVerAlignMode, 3), nullptr, L"Vertical")
        .Flag1(),
    Var(62, L"TextAlignment", L"VerOffset", L"VerAlig", Int(0), nullptr, L"Vertical Offset").Range(-1920, 1920),
};

// A static text has no highlight or selected state: the set the three
// Disable operations switch off when given true.
constexpr VarChange kTxtChanges[] = {
    DisableBackground(true),
    DisableFont(true),
    DisableColor(true),
};

// One text serves as display name, XML element and (from 44 on) legacy key
// of the switches 43 to 55. The offsets cannot be negative.
constexpr VarRow kEdtRows[] = {
    Var(43, L"Border", nullptr, nullptr, Bool(false), L"General", L"Border"),
    Var(44, L"IsHScroll", nullptr, L"IsHScroll", Bool(false), nullptr, L"IsHScroll"),
    Var(45, L"IsVScroll", nullptr, L"IsVScroll", Bool(false), nullptr, L"IsVScroll"),
    Var(46, L"IsAutoHScroll", nullptr, L"IsAutoHScroll", Bool(true), nullptr, L"IsAutoHScroll"),
    Var(47, L"IsAutoVScroll", nullptr, L"IsAutoVScroll", Bool(false), nullptr, L"IsAutoVScroll"),
    Var(48, L"IsDisableNoScroll", nullptr, L"IsDisableNoScroll", Bool(false), nullptr, L"IsDisableNoScroll"),
    Var(49, L"IsLowerCase", nullptr, L"IsLowerCase", Bool(false), nullptr, L"IsLowerCase"),
    Var(50, L"IsUpperCase", nullptr, L"IsUpperCase", Bool(false), nullptr, L"IsUpperCase"),
    Var(51, L"IsNumber", nullptr, L"IsNumber", Bool(false), nullptr, L"IsNumber"),
    Var(52, L"IsPassword", nullptr, L"IsPassword", Bool(false), nullptr, L"IsPassword"),
    Var(53, L"IsReadOnly", nullptr, L"IsReadOnly", Bool(false), nullptr, L"IsReadOnly"),
    Var(54, L"IsMultiline", nullptr, L"IsMultiline", Bool(false), nullptr, L"IsMultiline"),
    Var(55, L"IsWantReturn", nullptr, L"IsWantReturn", Bool(false), nullptr, L"IsWantReturn"),
    Var(56, L"IsR2LReadOrder", nullptr, L"IsR2LReadOrder", Bool(false), nullptr, L"Right to Left Reading Order")
        .Member(L"bR2LReadOrder")
        .Describe(L"For languages that support reading order alignment, specifies right-to-left reading "
                  L"order."),
    Var(57, L"Tag", nullptr, L"Tag", Text(), nullptr, L"Tag"),
    Var(58, L"TextAlignment", L"Horizontal", L"HorAlignMode", Enum(ValueKind::TextHorAlignMode, 0), L"Text Alignment", L"Horizontal")
        .Flag1(),
    Var(59, L"TextAlignment", L"HorOffset", L"HorAlig", Int(0), nullptr, L"Text Horizontal Offset").Range(0, 1920),
    Var(60, L"TextAlignment", L"VerOffset", L"VerAlig", Int(0), nullptr, L"Text Vertical Offset").Range(0, 1920),
};

// An edit takes the focus by TAB from the start. The default follows the
// initial value, so an edit without tab stop is written and reads back so.
constexpr VarChange kEdtChanges[] = {
    At(CtrlVar::IsTabStop).Initial(Bool(true)),
};

constexpr VarRow kCmbRows[] = {
    Var(43, L"ComboStyle", nullptr, L"ComboStyle", Enum(ValueKind::ComboStyle, 2), L"General", L"Style"),
    Var(44, L"IsVScroll", nullptr, L"IsVScroll", Bool(true), nullptr, L"Vertical Scroll"),
    Var(45, L"IsAutoHScroll", nullptr, L"IsAutoHScroll", Bool(true), nullptr, L"Auto HScroll"),
    Var(46, L"IsDisableNoScroll", nullptr, L"IsDisableNoScroll", Bool(false), nullptr, L"Disable No Scroll"),
    Var(47, L"IsSort", nullptr, nullptr, Bool(false), nullptr, L"Sort"),
    Var(48, L"IsUpperCase", nullptr, L"IsUpperCase", Bool(false), nullptr, L"IsUpperCase"),
    Var(49, L"IsLowerCase", nullptr, L"IsLowerCase", Bool(false), nullptr, L"IsLowerCase"),
    Var(50, L"TextAlignment", L"HorOffset", L"HorAlig", Int(3), nullptr, L"Horizontal Offset").Range(-1920, 1920),
    Var(51, L"TextAlignment", L"VerOffset", L"VerAlig", Int(3), nullptr, L"Vertical Offset").Range(-1920, 1920),
    Var(52, L"DropListItemHeight", nullptr, nullptr, Int(24), nullptr, L"DropList Item Height").Range(1, 255),
    Var(53, L"DropListHeight", nullptr, L"DropListHeight", Int(80), nullptr, L"DropList Height").Range(0, 1920),
    Var(54, L"ButtonWidth", nullptr, L"BtnWidth", Int(16), nullptr, L"Button Width").Range(0, 1920),
    Var(55, L"Tag", nullptr, L"Tag", Text(), nullptr, L"Tag"),
};

// Only the normal text colour remains.
constexpr VarChange kCmbChanges[] = {
    At(CtrlVar::IsTabStop).Initial(Bool(true)),
    At(CtrlVar::ColorN).Display(L"Color"),
    At(CtrlVar::ColorResN).Display(L"Color"),
    Span(CtrlVar::ColorH, CtrlVar::ColorD).Off(),
    Span(CtrlVar::IsHSameNColor, CtrlVar::ColorResD).Off(),
};

constexpr VarRow kSpnRows[] = {
    Var(43, L"Alignment", nullptr, L"Alignment", Enum(ValueKind::SpinAlignment, 0), L"General", L"Alignment"),
    Var(44, L"IsVertical", nullptr, nullptr, Bool(false), nullptr, L"Vertical"),
    Var(45, L"IsAutoBuddy", nullptr, nullptr, Bool(false), nullptr, L"Auto Buddy"),
    Var(46, L"IsSetBuddyInt", nullptr, nullptr, Bool(false), nullptr, L"Set Buddy Int"),
    Var(47, L"IsNoThousands", nullptr, nullptr, Bool(false), nullptr, L"No Thousands"),
    Var(48, L"IsWrap", nullptr, nullptr, Bool(false), nullptr, L"Wrap"),
    Var(49, L"IsArrowKeys", nullptr, nullptr, Bool(true), nullptr, L"Arrow Keys"),
    Var(50, L"IsHotTrack", nullptr, nullptr, Bool(false), nullptr, L"Hot Track"),
};

constexpr VarChange kSpnChanges[] = {
    DisableFont(false),
    DisableColor(false),
};

constexpr RecordLayout kTxtLayout =
    Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(TxtVar::Count), TxtVar::Count, L"STATIC", kTxtRows, kTxtChanges);
static_assert(IsWellFormed(kTxtLayout), "static text table");

constexpr RecordLayout kEdtLayout =
    Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(EdtVar::Count), EdtVar::Count, L"EDIT", kEdtRows, kEdtChanges);
static_assert(IsWellFormed(kEdtLayout), "edit table");

constexpr RecordLayout kRichEditLayout =
    LayoutWithoutRows(&EDTPROPERTIES::kLayout, RecordSizeFor(EdtVar::Count), EdtVar::Count, L"RICHEDIT");
static_assert(IsWellFormed(kRichEditLayout), "rich edit table");

constexpr RecordLayout kCmbLayout = Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(CmbVar::Count), CmbVar::Count,
                                           L"COMBOBOX", kCmbRows, kCmbChanges);
static_assert(IsWellFormed(kCmbLayout), "combo box table");

constexpr RecordLayout kSpnLayout =
    Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(SpnVar::Count), SpnVar::Count, L"SPIN", kSpnRows, kSpnChanges);
static_assert(IsWellFormed(kSpnLayout), "spin table");

} // namespace

const RecordLayout TXTPROPERTIES::kLayout = kTxtLayout;
const RecordLayout EDTPROPERTIES::kLayout = kEdtLayout;
const RecordLayout RICHEDITPROPERTIES::kLayout = kRichEditLayout;
const RecordLayout CMBPROPERTIES::kLayout = kCmbLayout;
const RecordLayout SPNPROPERTIES::kLayout = kSpnLayout;

TXTPROPERTIES::TXTPROPERTIES() : CTRLPROPERTIES(kLayout) {}
TXTPROPERTIES::~TXTPROPERTIES() = default;

EDTPROPERTIES::EDTPROPERTIES() : CTRLPROPERTIES(kLayout) {}
EDTPROPERTIES::EDTPROPERTIES(const RecordLayout& layout) : CTRLPROPERTIES(layout) {}
EDTPROPERTIES::~EDTPROPERTIES() = default;

RICHEDITPROPERTIES::RICHEDITPROPERTIES() : EDTPROPERTIES(kLayout) {}
RICHEDITPROPERTIES::~RICHEDITPROPERTIES() = default;

CMBPROPERTIES::CMBPROPERTIES() : CTRLPROPERTIES(kLayout) {}
CMBPROPERTIES::~CMBPROPERTIES() = default;

SPNPROPERTIES::SPNPROPERTIES() : CTRLPROPERTIES(kLayout) {}
SPNPROPERTIES::~SPNPROPERTIES() = default;

} // namespace Vexel
