#include "skin/model/LegacyKeys.h"

#include "skin/model/AsciiCase.h"
#include "skin/model/LegacyResources.h"
#include "skin/model/LegacyValues.h"
#include "skin/model/TextHelpers.h"
#include "skin/model/UiWndProperties.h"

#include <cwchar>

namespace Vexel {

namespace {

using F = LegacyForm;

constexpr LegacyKeyRow kCommonKeyRows[] = {
    LegacyKey(L"IDs", F::Text, CtrlVar::ID),
    LegacyKey(L"Rect", F::Rectangle, CtrlVar::Rect),
    LegacyKey(L"IsVisible", F::Flag, CtrlVar::IsVisible),
    LegacyKey(L"IsDisabled", F::Flag, CtrlVar::IsDisabled),
    LegacyKey(L"IsTabStop", F::Flag, CtrlVar::IsTabStop),
    LegacyKey(L"HorLayoutMode", F::Enumeration, CtrlVar::HorLayoutMode),
    LegacyKey(L"VerLayoutMode", F::Enumeration, CtrlVar::VerLayoutMode),
    LegacyKey(L"IsCanBackgroundChange", F::Flag, CtrlVar::IsCanBackgroundChange),
    LegacyKey(L"IsSpecifyImages", F::Flag, CtrlVar::IsSpecifyImages),
    LegacyKey(L"IsCombineImages", F::Flag, CtrlVar::IsCombineImages),
    LegacyKey(L"BkCombine", F::Text, CtrlVar::BkCombine),
    // By index: in a slider 16 and 17 are the normal and disabled marks.
    LegacyKey(L"BkN", F::Text, CtrlVar::BackgroundNormal),
    LegacyKey(L"BkH", F::Text, CtrlVar::BackgroundHighlight),
    LegacyKey(L"BkS", F::Text, CtrlVar::BackgroundSelected),
    LegacyKey(L"BkD", F::Text, CtrlVar::BackgroundDisabled),
    LegacyKey(L"FontN", F::Font, CtrlVar::FontResN),
    LegacyKey(L"IsHSameNFont", F::Flag, CtrlVar::IsHSameNFont),
    LegacyKey(L"FontH", F::Font, CtrlVar::FontResH),
    LegacyKey(L"IsSSameNFont", F::Flag, CtrlVar::IsSSameNFont),
    LegacyKey(L"FontS", F::Font, CtrlVar::FontResS),
    LegacyKey(L"IsDSameNFont", F::Flag, CtrlVar::IsDSameNFont),
    LegacyKey(L"FontD", F::Font, CtrlVar::FontResD),
    LegacyKey(L"ColorN", F::Colour, CtrlVar::ColorResN),
    LegacyKey(L"IsHSameNColor", F::Flag, CtrlVar::IsHSameNColor),
    LegacyKey(L"ColorH", F::Colour, CtrlVar::ColorResH),
    LegacyKey(L"IsSSameNColor", F::Flag, CtrlVar::IsSSameNColor),
    LegacyKey(L"ColorS", F::Colour, CtrlVar::ColorResS),
    LegacyKey(L"IsDSameNColor", F::Flag, CtrlVar::IsDSameNColor),
    LegacyKey(L"ColorD", F::Colour, CtrlVar::ColorResD),
};

constexpr LegacyKeyRow kTextKeyRows[] = {
    LegacyKey(L"Caption", F::Text, L"Caption"),
    LegacyKey(L"IsR2LReadOrder", F::Flag, L"IsR2LReadOrder"),
    LegacyKey(L"IsMultiline", F::Flag, L"IsMultiline"),
    LegacyKey(L"IsEndEllipsis", F::Flag, L"IsEndEllipsis"),
    LegacyKey(L"UseToolTip", F::Flag, L"ToolTip", L"Enable"),
    LegacyKey(L"ToolTips", F::Text, L"ToolTip", L"ToolTip"),
    LegacyKey(L"Tag", F::Text, L"Tag"),
    LegacyKey(L"MaskBmp", F::Text, L"MaskBitmap"),
    LegacyKey(L"HorAlignMode", F::Enumeration, L"TextAlignment", L"Horizontal"),
    LegacyKey(L"HorAlig", F::Decimal, L"TextAlignment", L"HorOffset"),
    LegacyKey(L"VerAlignMode", F::Enumeration, L"TextAlignment", L"Vertical"),
    LegacyKey(L"VerAlig", F::Decimal, L"TextAlignment", L"VerOffset"),
    LegacyKey(L"IsSpecifyForegroundImages", F::Flag, L"IsSpecifyForegroundImages"),
    LegacyKey(L"IsCombineForegroundImages", F::Flag, L"IsCombineForegroundImages"),
    LegacyKey(L"FkCombine", F::Text, L"ForeGroundCombine"),
    LegacyKey(L"FkN", F::Text, L"ForegroundNormal"),
    LegacyKey(L"FkH", F::Text, L"ForegroundHighlight"),
    LegacyKey(L"FkS", F::Text, L"ForegroundSelected"),
    LegacyKey(L"FkD", F::Text, L"ForegroundDisabled"),
    LegacyKey(L"ForegroundHorAlignMode", F::Enumeration, L"ForegroundAlignMode", L"Horizontal"),
    LegacyKey(L"ForegroundHorAlign", F::Decimal, L"ForegroundAlignMode", L"HorOffset"),
    LegacyKey(L"ForegroundVerAlignMode", F::Enumeration, L"ForegroundAlignMode", L"Vertical"),
    LegacyKey(L"ForegroundVerAlign", F::Decimal, L"ForegroundAlignMode", L"VerOffset"),
};

constexpr LegacyKeyRow kCheckedImageKeyRows[] = {
    LegacyKey(L"BKCN", F::Text, L"BackgroundCheckedNormal"),
    LegacyKey(L"BKCH", F::Text, L"BackgroundCheckedHighlight"),
    LegacyKey(L"BKCS", F::Text, L"BackgroundCheckedSelected"),
    LegacyKey(L"BKCD", F::Text, L"BackgroundCheckedDisabled"),
    LegacyKey(L"FkCN", F::Text, L"ForegroundCheckedNormal"),
    LegacyKey(L"FkCH", F::Text, L"ForegroundCheckedHighlight"),
    LegacyKey(L"FkCS", F::Text, L"ForegroundCheckedSelected"),
    LegacyKey(L"FkCD", F::Text, L"ForegroundCheckedDisabled"),
};

constexpr LegacyKeyRow kPushButtonKeyRows[] = {
    LegacyKey(L"ButtonType", F::Enumeration, L"ButtonType"),
    LegacyKey(L"IsDefPushButton", F::Flag, L"IsDefPushButton"),
};

constexpr LegacyKeyRow kCheckBoxKeyRows[] = {
    LegacyKey(L"CheckBoxType", F::Enumeration, L"CheckBoxType"),
};

constexpr LegacyKeyRow kRadioButtonKeyRows[] = {
    LegacyKey(L"IsGroup", F::Flag, L"IsGroup"),
};

constexpr LegacyKeyRow kStaticKeyRows[] = {
    LegacyKey(L"Caption", F::Text, L"Caption"),
    LegacyKey(L"Nowrap", F::Flag, L"Nowrap"),
    LegacyKey(L"IsPathEllipsis", F::Flag, L"IsPathEllipsis"),
    LegacyKey(L"UseToolTip", F::Flag, L"ToolTip", L"Enable"),
    LegacyKey(L"ToolTips", F::Text, L"ToolTip", L"ToolTip"),
    LegacyKey(L"IsR2LReadOrder", F::Flag, L"IsR2LReadOrder"),
    LegacyKey(L"HorAlignMode", F::Enumeration, L"TextAlignment", L"Horizontal"),
    LegacyKey(L"HorAlig", F::Decimal, L"TextAlignment", L"HorOffset"),
    LegacyKey(L"VerAlignMode", F::Enumeration, L"TextAlignment", L"Vertical"),
    LegacyKey(L"VerAlig", F::Decimal, L"TextAlignment", L"VerOffset"),
};

constexpr LegacyKeyRow kEditKeyRows[] = {
    LegacyKey(L"IsHScroll", F::Flag, L"IsHScroll"),
    LegacyKey(L"IsVScroll", F::Flag, L"IsVScroll"),
    LegacyKey(L"IsWantReturn", F::Flag, L"IsWantReturn"),
    LegacyKey(L"IsAutoHScroll", F::Flag, L"IsAutoHScroll"),
    LegacyKey(L"IsAutoVScroll", F::Flag, L"IsAutoVScroll"),
    LegacyKey(L"IsLowerCase", F::Flag, L"IsLowerCase"),
    LegacyKey(L"IsNumber", F::Flag, L"IsNumber"),
    LegacyKey(L"IsPassword", F::Flag, L"IsPassword"),
    LegacyKey(L"IsReadOnly", F::Flag, L"IsReadOnly"),
    LegacyKey(L"IsUpperCase", F::Flag, L"IsUpperCase"),
    LegacyKey(L"IsMultiline", F::Flag, L"IsMultiline"),
    LegacyKey(L"IsR2LReadOrder", F::Flag, L"IsR2LReadOrder"),
    LegacyKey(L"HorAlig", F::Decimal, L"TextAlignment", L"HorOffset"),
    LegacyKey(L"VerAlig", F::Decimal, L"TextAlignment", L"VerOffset"),
    // Edit sections spell the mode without the "n"; "HorAlignMode" is unknown here.
    LegacyKey(L"HorAligMode", F::Enumeration, L"TextAlignment", L"Horizontal"),
    LegacyKey(L"Tag", F::Text, L"Tag"),
};

constexpr LegacyKeyRow kComboBoxKeyRows[] = {
    LegacyKey(L"ComboStyle", F::ComboStyle, L"ComboStyle"),
    LegacyKey(L"IsVScroll", F::Flag, L"IsVScroll"),
    LegacyKey(L"IsAutoHScroll", F::Flag, L"IsAutoHScroll"),
    LegacyKey(L"IsDisableNoScroll", F::Flag, L"IsDisableNoScroll"),
    LegacyKey(L"IsSort", F::Flag, L"IsSort"),
    LegacyKey(L"IsUpperCase", F::Flag, L"IsUpperCase"),
    LegacyKey(L"IsLowerCase", F::Flag, L"IsLowerCase"),
    LegacyKey(L"DropListHeight", F::Integer, L"DropListHeight"),
    LegacyKey(L"BtnWidth", F::Integer, L"ButtonWidth"),
    LegacyKey(L"HorAlig", F::Decimal, L"TextAlignment", L"HorOffset"),
    LegacyKey(L"VerAlig", F::Decimal, L"TextAlignment", L"VerOffset"),
    LegacyKey(L"Tag", F::Text, L"Tag"),
};

constexpr LegacyKeyRow kSpinKeyRows[] = {
    LegacyKey(L"IsVertical", F::Flag, L"IsVertical"),
    LegacyKey(L"Alignment", F::Enumeration, L"Alignment"),
    LegacyKey(L"IsAutoBuddy", F::Flag, L"IsAutoBuddy"),
    LegacyKey(L"IsSetBuddyInt", F::Flag, L"IsSetBuddyInt"),
    LegacyKey(L"IsNoThousands", F::Flag, L"IsNoThousands"),
    LegacyKey(L"IsWrap", F::Flag, L"IsWrap"),
    LegacyKey(L"IsArrowKeys", F::Flag, L"IsArrowKeys"),
    LegacyKey(L"IsHotTrack", F::Flag, L"IsHotTrack"),
};

constexpr LegacyKeyRow kProgressKeyRows[] = {
    LegacyKey(L"IsVertical", F::Flag, L"IsVertical"),
    LegacyKey(L"IsShowText", F::Flag, L"IsShowText"),
    LegacyKey(L"Thumb", F::Text, L"ThumbN"),
    LegacyKey(L"Thumb", F::Text, L"ThumbD"),
    LegacyKey(L"HorAlig", F::Decimal, L"TextAlignment", L"HorOffsetN"),
    LegacyKey(L"VerAlig", F::Decimal, L"TextAlignment", L"VerOffsetN"),
};

constexpr LegacyKeyRow kSliderKeyRows[] = {
    LegacyKey(L"IsVertical", F::Flag, L"IsVertical"),
    LegacyKey(L"IsUseMark", F::Flag, L"IsUseMark"),
    LegacyKey(L"ThumbN", F::Text, L"ThumbN"),
    LegacyKey(L"ThumbH", F::Text, L"ThumbH"),
    LegacyKey(L"ThumbS", F::Text, L"ThumbS"),
    LegacyKey(L"ThumbD", F::Text, L"ThumbD"),
    LegacyKey(L"MarkBkN", F::Text, L"MarkNormal"),
    LegacyKey(L"MarkBkD", F::Text, L"MarkDisabled"),
};

constexpr LegacyKeyRow kListCtrlKeyRows[] = {
    LegacyKey(L"ListStyle", F::Enumeration, L"ListStyle"),
    LegacyKey(L"ListAlign", F::Enumeration, L"ListAlign"),
    LegacyKey(L"ListSort", F::Enumeration, L"ListSort"),
    LegacyKey(L"IsAutoArrange", F::Flag, L"IsAutoArrange"),
    LegacyKey(L"IsEditLabels", F::Flag, L"IsEditLabels"),
    LegacyKey(L"IsNoHeader", F::Flag, L"IsNoHeader"),
    LegacyKey(L"IsNoLabelWrap", F::Flag, L"IsNoLabelWrap"),
    LegacyKey(L"IsNoScroll", F::Flag, L"IsNoScroll"),
    LegacyKey(L"IsNoSortHeader", F::Flag, L"IsNoSortHeader"),
    LegacyKey(L"IsShowSelAlways", F::Flag, L"IsShowSelAlways"),
    LegacyKey(L"IsSingleSel", F::Flag, L"IsSingleSel"),
    LegacyKey(L"Tag", F::Text, L"Tag"),
};

constexpr LegacyKeyRow kListHeaderKeyRows[] = {
    LegacyKey(L"HeaderBkN", F::Text, CtrlVar::BackgroundNormal),
    LegacyKey(L"HeaderBkH", F::Text, CtrlVar::BackgroundHighlight),
    LegacyKey(L"HeaderBkS", F::Text, CtrlVar::BackgroundSelected),
    LegacyKey(L"HeaderBkD", F::Text, CtrlVar::BackgroundDisabled),
};

constexpr LegacyKeyRow kTreeCtrlKeyRows[] = {
    LegacyKey(L"IsCheckBoxed", F::Flag, L"IsCheckBoxes"),
    LegacyKey(L"IsDisDragDrop", F::Flag, L"IsDisDragDrop"),
    LegacyKey(L"IsEditLabels", F::Flag, L"IsEditLabels"),
    LegacyKey(L"IsFullRowSel", F::Flag, L"IsFullRowSel"),
    LegacyKey(L"IsHasButtons", F::Flag, L"IsHasButtons"),
    LegacyKey(L"IsHasLines", F::Flag, L"IsHasLines"),
    LegacyKey(L"IsInfoTip", F::Flag, L"IsInfoTip"),
    LegacyKey(L"IsLineAtRoot", F::Flag, L"IsLineAtRoot"),
    LegacyKey(L"IsNonEvenHeight", F::Flag, L"IsNonEvenHeight"),
    LegacyKey(L"IsScroll", F::Flag, L"IsScroll"),
    LegacyKey(L"IsShowSelAlways", F::Flag, L"IsShowSelAlways"),
    LegacyKey(L"IsSingleExpand", F::Flag, L"IsSingleExpand"),
    LegacyKey(L"IsTooltips", F::Flag, L"IsTooltips"),
    LegacyKey(L"IsTrackSel", F::Flag, L"IsTrackSel"),
};

constexpr LegacyKeyRow kScrollBarKeyRows[] = {
    LegacyKey(L"IsVertical", F::Flag, L"IsVertical"),
    LegacyKey(L"LTUPx", F::Dropped, -1),
    LegacyKey(L"LTUPy", F::Dropped, -1),
    LegacyKey(L"RTDNx", F::Dropped, -1),
    LegacyKey(L"RTDNy", F::Dropped, -1),
};

constexpr LegacyKeyRow kScrollBarThumbKeyRows[] = {
    LegacyKey(L"ThumbN", F::Text, L"ThumbNormal"),
    LegacyKey(L"ThumbH", F::Text, L"ThumbHighlight"),
    LegacyKey(L"ThumbS", F::Text, L"ThumbSelected"),
    LegacyKey(L"ThumbD", F::Text, L"ThumbDisabled"),
};

constexpr LegacyKeyRow kThumbnailKeyRows[] = {
    LegacyKey(L"IsListStyle", F::Flag, L"IsListStyle"),
    LegacyKey(L"ThmBkN", F::Text, L"ItemBkN"),
    LegacyKey(L"ThmBkH", F::Text, L"ItemBkH"),
    LegacyKey(L"ThmBkS", F::Text, L"ItemBkS"),
    LegacyKey(L"ThmBkD", F::Text, L"ItemBkD"),
    LegacyKey(L"TotalWidth", F::Integer, L"TotalWidth"),
    LegacyKey(L"TotalHeight", F::Integer, L"TotalHeight"),
    LegacyKey(L"ThmRectLeftN", F::Integer, L"ThmRectLeftN"),
    LegacyKey(L"ThmRectTopN", F::Integer, L"ThmRectTopN"),
    LegacyKey(L"ThmRectRightN", F::Integer, L"ThmRectRightN"),
    LegacyKey(L"ThmRectBottomN", F::Integer, L"ThmRectBottomN"),
    LegacyKey(L"ThmRectLeftH", F::Integer, L"ThmRectLeftH"),
    LegacyKey(L"ThmRectTopH", F::Integer, L"ThmRectTopH"),
    LegacyKey(L"ThmRectRightH", F::Integer, L"ThmRectRightH"),
    LegacyKey(L"ThmRectBottomH", F::Integer, L"ThmRectBottomH"),
    LegacyKey(L"LblRectLeftN", F::Integer, L"LblRectLeftN"),
    LegacyKey(L"LblRectTopN", F::Integer, L"LblRectTopN"),
    LegacyKey(L"LblRectRightN", F::Integer, L"LblRectRightN"),
    LegacyKey(L"LblRectBottomN", F::Integer, L"LblRectBottomN"),
    LegacyKey(L"LblRectLeftH", F::Integer, L"LblRectLeftH"),
    LegacyKey(L"LblRectTopH", F::Integer, L"LblRectTopH"),
    LegacyKey(L"LblRectRightH", F::Integer, L"LblRectRightH"),
    LegacyKey(L"LblRectBottomH", F::Integer, L"LblRectBottomH"),
};

constexpr LegacyKeyRow kTreeListKeyRows[] = {
    LegacyKey(L"IsVariableItemHeight", F::Flag, L"IsVariableItemHeight"),
};

constexpr LegacyKeyRow kHtmlCtrlKeyRows[] = {
    LegacyKey(L"IsHideBorder", F::Flag, L"IsHideBorder"),
    LegacyKey(L"IsHideScrollBar", F::Flag, L"IsHideScrollBar"),
    LegacyKey(L"IsHideContextMenu", F::Flag, L"IsHideContextMenu"),
};

// By index: the window record has two ResizingPoint variables, the base's (switched
// off) and its own.
constexpr LegacyKeyRow kWindowKeyRows[] = {
    LegacyKey(L"IDs", F::Text, CtrlVar::ID),
    LegacyKey(L"BkN", F::Text, CtrlVar::BackgroundNormal),
    LegacyKey(L"BkH", F::Text, CtrlVar::BackgroundHighlight),
    LegacyKey(L"BkS", F::Text, CtrlVar::BackgroundSelected),
    LegacyKey(L"BkD", F::Text, CtrlVar::BackgroundDisabled),
    LegacyKey(L"BkNo", F::Text, UiWndVar::BackgroundHide),
    LegacyKey(L"IsUseMaskColor", F::NumberFlag, UiWndVar::IsUseMaskColor),
    LegacyKey(L"IsResizing", F::NumberFlag, UiWndVar::IsResizing),
    LegacyKey(L"ResizingPtX", F::PointX, UiWndVar::ResizingPoint),
    LegacyKey(L"ResizingPtY", F::PointY, UiWndVar::ResizingPoint),
    LegacyKey(L"TitleBarHeight", F::Integer, UiWndVar::TitleBarHeight),
};

// The combo styles "Simple", "DropDown" and "DropDown List" are 1, 2 and 3; the legacy
// file writes them 0, 1 and 2.
void ApplyComboStyle(PropertyValue& property, const CString& value)
{
    static constexpr LPCWSTR kDigits[] = {L"0", L"1", L"2"};
    for (int i = 0; i < 3; ++i) {
        if (value == kDigits[i]) {
            VARIANT style;
            VariantInit(&style);
            style.vt = VT_INT;
            style.intVal = i + 1;
            property.SetValue(style);
            property.SetKind(ValueKind::ComboStyle);
            return;
        }
    }
}

// A missing name matches nothing, not even another missing one.
bool BothNamedTheSame(LPCWSTR a, LPCWSTR b)
{
    return a && b && wcscmp(a, b) == 0;
}

} // namespace

const LegacyKeyTable kLegacyCommonKeys = MakeLegacyKeyTable(kCommonKeyRows);
const LegacyKeyTable kLegacyTextKeys = MakeLegacyKeyTable(kTextKeyRows);
const LegacyKeyTable kLegacyCheckedImageKeys = MakeLegacyKeyTable(kCheckedImageKeyRows);
const LegacyKeyTable kLegacyPushButtonKeys = MakeLegacyKeyTable(kPushButtonKeyRows);
const LegacyKeyTable kLegacyCheckBoxKeys = MakeLegacyKeyTable(kCheckBoxKeyRows);
const LegacyKeyTable kLegacyRadioButtonKeys = MakeLegacyKeyTable(kRadioButtonKeyRows);
const LegacyKeyTable kLegacyStaticKeys = MakeLegacyKeyTable(kStaticKeyRows);
const LegacyKeyTable kLegacyEditKeys = MakeLegacyKeyTable(kEditKeyRows);
const LegacyKeyTable kLegacyComboBoxKeys = MakeLegacyKeyTable(kComboBoxKeyRows);
const LegacyKeyTable kLegacySpinKeys = MakeLegacyKeyTable(kSpinKeyRows);
const LegacyKeyTable kLegacyProgressKeys = MakeLegacyKeyTable(kProgressKeyRows);
const LegacyKeyTable kLegacySliderKeys = MakeLegacyKeyTable(kSliderKeyRows);
const LegacyKeyTable kLegacyListCtrlKeys = MakeLegacyKeyTable(kListCtrlKeyRows);
const LegacyKeyTable kLegacyTreeCtrlKeys = MakeLegacyKeyTable(kTreeCtrlKeyRows);
const LegacyKeyTable kLegacyScrollBarKeys = MakeLegacyKeyTable(kScrollBarKeyRows);
const LegacyKeyTable kLegacyThumbnailKeys = MakeLegacyKeyTable(kThumbnailKeyRows);
const LegacyKeyTable kLegacyTreeListKeys = MakeLegacyKeyTable(kTreeListKeyRows);
const LegacyKeyTable kLegacyHtmlCtrlKeys = MakeLegacyKeyTable(kHtmlCtrlKeyRows);
const LegacyKeyTable kLegacyWindowKeys = MakeLegacyKeyTable(kWindowKeyRows);
const LegacyKeyTable kLegacyListHeaderKeys = MakeLegacyKeyTable(kListHeaderKeyRows);
const LegacyKeyTable kLegacyScrollBarThumbKeys = MakeLegacyKeyTable(kScrollBarThumbKeyRows);

PropertyValue* FindVariableByElement(CTRLPROPERTIES& record, LPCWSTR element, LPCWSTR attribute)
{
    const int count = record.GetVarCount();
    for (int i = 0; i < count; ++i) {
        PropertyValue& variable = record.GetVar(i);
        if (BothNamedTheSame(variable.XmlElement(), element) &&
            (!attribute || BothNamedTheSame(variable.XmlAttribute(), attribute)))
            return &variable;
    }
    return nullptr;
}

PropertyValue* FindLegacyKeyTarget(CTRLPROPERTIES& record, const LegacyKeyRow& row)
{
    if (row.element)
        return FindVariableByElement(record, row.element, row.attribute);
    if (row.index >= 0 && row.index < record.GetVarCount())
        return &record.GetVar(row.index);
    return nullptr;
}

void ApplyLegacyValue(LegacyImportContext& context, PropertyValue& property, LegacyForm form, const CString& value)
{
    switch (form) {
    case F::Text:
        property.SetString(value);
        break;
    case F::Flag:
        property.SetBool(StringToBool(value) != FALSE);
        break;
    case F::NumberFlag:
        property.SetBool(DecimalToInt(value) != 0);
        break;
    case F::Integer:
        property.SetInt(StringToInt(value));
        break;
    case F::Decimal:
        property.SetInt(DecimalToInt(value));
        break;
    case F::Enumeration:
        property.WordToEnum(value);
        break;
    case F::Rectangle:
        property.SetRect(ParseRectText(value));
        break;
    case F::Font:
        SetLegacyFontProperty(context, property, value);
        break;
    case F::Colour:
        SetLegacyColorProperty(context, property, value);
        break;
    case F::ComboStyle:
        ApplyComboStyle(property, value);
        break;
    case F::PointX:
        property.SetPointX(DecimalToInt(value));
        break;
    case F::PointY:
        property.SetPointY(DecimalToInt(value));
        break;
    case F::Dropped:
        break;
    }
}

bool ApplyLegacyKeys(LegacyImportContext& context, CTRLPROPERTIES& record, const LegacyKeyTable& table,
                     const CString& key, const CString& value)
{
    bool known = false;
    for (const LegacyKeyRow& row : table) {
        if (!EqualsIgnoringAsciiCase(row.key, key))
            continue;
        known = true;
        if (PropertyValue* target = FindLegacyKeyTarget(record, row))
            ApplyLegacyValue(context, *target, row.form, value);
    }
    return known;
}

bool ApplyLegacyKeys(LegacyImportContext& context, CTRLPROPERTIES& record,
                     std::initializer_list<const LegacyKeyTable*> tables, const CString& key, const CString& value)
{
    for (const LegacyKeyTable* table : tables) {
        if (ApplyLegacyKeys(context, record, *table, key, value))
            return true;
    }
    return false;
}

} // namespace Vexel
