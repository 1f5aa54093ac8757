#include "skin/model/ButtonProperties.h"

namespace Vexel {

using namespace records;

namespace {

// No button record changes an inherited variable.

constexpr VarRow kBtnBaseRows[] = {
    //  #  XML element  attribute  legacy key  kind / initial  group  display name
    Var(43, L"IsR2LReadOrder", nullptr, L"IsR2LReadOrder", Bool(false), L"General", L"Right to Left Reading Order")
        .Member(L"bR2LReadOrder")
        .Describe(L"For languages that support reading order alignment, specifies right-to-left reading "
                  L"order."),
    Var(44, L"IsMultiline", nullptr, L"IsMultiline", Bool(false), nullptr, L"Multiline").Member(L"bMultiline")
        .Describe(L"Wraps control text to multiple lines if text is too long for control width."),
    Var(45, L"IsEndEllipsis", nullptr, L"IsEndEllipsis", Bool(false), nullptr, L"End Ellipsis")
        .Describe(L"Specifies that the end of the string is truncated and ellipses are added at the end if "
                  L"it doesn't fit in the control's rectangle."),
    Var(46, L"Caption", nullptr, L"Caption", Text(), nullptr, L"Caption"),
    Var(47, L"Tag", nullptr, L"Tag", Text(), nullptr, L"Tag"),
    Var(48, L"MaskBitmap", L"RelativePath", L"MaskBmp", Image(), nullptr, L"Mask Bitmap"),
    Var(49, L"ToolTip", L"Enable", L"UseToolTip", Bool(false), L"ToolTip", L"Enable Tooltip").NoDefault()
        .Member(L"bUseToolTip").Describe(L"Enable Tooltip."),
    Var(50, L"ToolTip", L"ToolTip", L"ToolTips", Text(), nullptr, L"ToolTip"),
    Var(51, L"TextAlignment", L"Horizontal", L"HorAlignMode", Enum(ValueKind::TextHorAlignMode, 0), L"Text Alignment", L"Horizontal")
        .Flag1().NoDefault(),
    Var(52, L"TextAlignment", L"HorOffset", L"HorAlig", Int(0), nullptr, L"Horizontal Offset").Range(-1920, 1920),
    Var(53, L"TextAlignment", L"Vertical", L"VerAlignMode", Enum(ValueKind::TextVerAlignMode, 0), nullptr, L"Vertical")
        .Flag1().NoDefault(),
    Var(54, L"TextAlignment", L"VerOffset", L"VerAlig", Int(0), nullptr, L"Vertical Offset").Range(-1920, 1920),
    Var(55, L"IsSpecifyForegroundImages", nullptr, L"IsSpecifyForegroundImages", Bool(false), L"Foreground", L"Specify Images"),
    Var(56, L"ForegroundAlignMode", L"Horizontal", L"ForegroundHorAlignMode", Enum(ValueKind::ForegroundHorAlignMode, 1), nullptr, L"Horizontal Alignment")
        .Flag1(),
    Var(57, L"ForegroundAlignMode", L"HorOffset", L"ForegroundHorAlign", Int(0), nullptr, L"Horizontal Offset")
        .Range(-1920, 1920),
    Var(58, L"ForegroundAlignMode", L"Vertical", L"ForegroundVerAlignMode", Enum(ValueKind::ForegroundVerAlignMode, 0), nullptr, L"Vertical Alignment")
        .Flag1(),
    Var(59, L"ForegroundAlignMode", L"VerOffset", L"ForegroundVerAlign", Int(0), nullptr, L"Vertical Offset")
        .Range(-1920, 1920),
    Var(60, L"IsCombineForegroundImages", nullptr, L"IsCombineForegroundImages", Bool(false), nullptr, L"Combine Images"),
    Var(61, L"ForeGroundCombine", nullptr, nullptr, Image(), nullptr, L"CombineImage"),
    Var(62, L"ForegroundNormal", nullptr, nullptr, Image(), nullptr, L"Normal Image"),
    Var(63, L"ForegroundHighlight", nullptr, nullptr, Image(), nullptr, L"Highlight Image"),
    Var(64, L"ForegroundSelected", nullptr, nullptr, Image(), nullptr, L"Selected Image"),
    Var(65, L"ForegroundDisabled", nullptr, nullptr, Image(), nullptr, L"Disabled Image"),
};

constexpr VarRow kBtnRows[] = {
    Var(66, L"ButtonType", nullptr, L"ButtonType", Enum(ValueKind::ButtonType, 0), L"General", L"Button Type")
        .Flag1(),
    Var(67, L"IsDefPushButton", nullptr, L"IsDefPushButton", Bool(false), nullptr, L"Default Button"),
};

// The checked state of every inherited image, font and colour. The font and
// colour groups carry the same captions as the inherited ones (25, 36).
constexpr VarRow kToggleBtnRows[] = {
    Var(66, L"BackgroundCheckedNormal", L"RelativePath", L"BKCN", Image(), L"Background", L"Checked Normal Image"),
    Var(67, L"BackgroundCheckedHighlight", L"RelativePath", L"BKCH", Image(), nullptr, L"Checked Highlight Image"),
    Var(68, L"BackgroundCheckedSelected", L"RelativePath", L"BKCS", Image(), nullptr, L"Checked Selected Image"),
    Var(69, L"BackgroundCheckedDisabled", L"RelativePath", L"BKCD", Image(), nullptr, L"Checked Disabled Image"),
    Var(70, L"ForegroundCheckedNormal", L"RelativePath", nullptr, Image(), L"Foreground", L"Checked Normal Image"),
    Var(71, L"ForegroundCheckedHighlight", L"RelativePath", nullptr, Image(), nullptr, L"Checked Highlight Image"),
    Var(72, L"ForegroundCheckedSelected", L"RelativePath", nullptr, Image(), nullptr, L"Checked Selected Image"),
    Var(73, L"ForegroundCheckedDisabled", L"RelativePath", nullptr, Image(), nullptr, L"Checked Disabled Image"),
    Var(74, L"IsCNSameNFont", nullptr, nullptr, Bool(true), L"Font(Size)", L"Checked Normal Font Same as Normal")
        .NoDefault(),
    Var(75, L"FontResCN", nullptr, nullptr, FontRes(), nullptr, L"Checked Normal"),
    Var(76, L"IsCHSameNFont", nullptr, nullptr, Bool(true), nullptr, L"Checked Highlight Font Same as Normal")
        .NoDefault(),
    Var(77, L"FontResCH", nullptr, nullptr, FontRes(), nullptr, L"Checked Highlight"),
    Var(78, L"IsCSSameNFont", nullptr, nullptr, Bool(true), nullptr, L"Checked Selected Font Same as Normal")
        .NoDefault(),
    Var(79, L"FontResCS", nullptr, nullptr, FontRes(), nullptr, L"Checked Selected"),
    Var(80, L"IsCDSameNFont", nullptr, nullptr, Bool(true), nullptr, L"Checked Disabled Font Same as Normal")
        .NoDefault(),
    Var(81, L"FontResCD", nullptr, nullptr, FontRes(), nullptr, L"Checked Disabled"),
    Var(82, L"IsCNSameNColor", nullptr, nullptr, Bool(true), L"Text Color", L"Checked Normal Color Same as Normal")
        .NoDefault(),
    Var(83, L"ColorResCN", nullptr, nullptr, ColorRes(), nullptr, L"Checked Normal"),
    Var(84, L"IsCHSameNColor", nullptr, nullptr, Bool(true), nullptr, L"Checked Highlight Color Same as Normal")
        .NoDefault(),
    Var(85, L"ColorResCH", nullptr, nullptr, ColorRes(), nullptr, L"Checked Highlight"),
    Var(86, L"IsCSSameNColor", nullptr, nullptr, Bool(true), nullptr, L"Checked Selected Color Same as Normal")
        .NoDefault(),
    Var(87, L"ColorResCS", nullptr, nullptr, ColorRes(), nullptr, L"Checked Selected"),
    Var(88, L"IsCDSameNColor", nullptr, nullptr, Bool(true), nullptr, L"Checked Disabled Color Same as Normal")
        .NoDefault(),
    Var(89, L"ColorResCD", nullptr, nullptr, ColorRes(), nullptr, L"Checked Disabled"),
};

constexpr VarRow kChkRows[] = {
    Var(90, L"CheckBoxType", nullptr, L"CheckBoxType", Enum(ValueKind::CheckBoxType, 0), L"General", L"CheckBox Type")
        .Flag1(),
};

constexpr VarRow kRadRows[] = {
    Var(90, L"IsGroup", nullptr, L"IsGroup", Bool(false), L"General", L"Group"),
};

constexpr RecordLayout kBtnBaseLayout =
    Layout(&CTRLPROPERTIES::kLayout, RecordSizeFor(BtnBaseVar::Count), BtnBaseVar::Count, nullptr, kBtnBaseRows);
static_assert(IsWellFormed(kBtnBaseLayout), "button base table");

constexpr RecordLayout kBtnLayout =
    Layout(&BTNBASEPROPERTIES::kLayout, RecordSizeFor(BtnVar::Count), BtnVar::Count, L"PUSHBUTTON", kBtnRows);
static_assert(IsWellFormed(kBtnLayout), "push button table");

constexpr RecordLayout kToggleBtnLayout = Layout(&BTNBASEPROPERTIES::kLayout, RecordSizeFor(ToggleBtnVar::Count),
                                                 ToggleBtnVar::Count, nullptr, kToggleBtnRows);
static_assert(IsWellFormed(kToggleBtnLayout), "toggle button base table");

constexpr RecordLayout kChkLayout =
    Layout(&TOGGLEBTNPROPERTIES::kLayout, RecordSizeFor(ChkVar::Count), ChkVar::Count, L"CHECK", kChkRows);
static_assert(IsWellFormed(kChkLayout), "check box table");

constexpr RecordLayout kRadLayout =
    Layout(&TOGGLEBTNPROPERTIES::kLayout, RecordSizeFor(RadVar::Count), RadVar::Count, L"RADIO", kRadRows);
static_assert(IsWellFormed(kRadLayout), "radio button table");

} // namespace

const RecordLayout BTNBASEPROPERTIES::kLayout = kBtnBaseLayout;
const RecordLayout BTNPROPERTIES::kLayout = kBtnLayout;
const RecordLayout TOGGLEBTNPROPERTIES::kLayout = kToggleBtnLayout;
const RecordLayout CHKPROPERTIES::kLayout = kChkLayout;
const RecordLayout RADPROPERTIES::kLayout = kRadLayout;

BTNBASEPROPERTIES::BTNBASEPROPERTIES() : CTRLPROPERTIES(kLayout) {}
BTNBASEPROPERTIES::BTNBASEPROPERTIES(const RecordLayout& layout) : CTRLPROPERTIES(layout) {}
BTNBASEPROPERTIES::~BTNBASEPROPERTIES() = default;

BTNPROPERTIES::BTNPROPERTIES() : BTNBASEPROPERTIES(kLayout) {}
BTNPROPERTIES::~BTNPROPERTIES() = default;

TOGGLEBTNPROPERTIES::TOGGLEBTNPROPERTIES() : BTNBASEPROPERTIES(kLayout) {}
TOGGLEBTNPROPERTIES::TOGGLEBTNPROPERTIES(const RecordLayout& layout) : BTNBASEPROPERTIES(layout) {}
TOGGLEBTNPROPERTIES::~TOGGLEBTNPROPERTIES() = default;

CHKPROPERTIES::CHKPROPERTIES() : TOGGLEBTNPROPERTIES(kLayout) {}
CHKPROPERTIES::~CHKPROPERTIES() = default;

RADPROPERTIES::RADPROPERTIES() : TOGGLEBTNPROPERTIES(kLayout) {}
RADPROPERTIES::~RADPROPERTIES() = default;

} // namespace Vexel
