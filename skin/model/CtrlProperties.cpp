#include "skin/model/CtrlProperties.h"

#include "framework/Prompt.h"
#include "skin/model/ComCheck.h"
#include "skin/model/StandardFont.h"

#include <iterator>
#include <new>

namespace Vexel {

using namespace records;

namespace {

constexpr VarRow kCtrlRows[] = {
    //  #  XML element                attribute        legacy key                 kind / initial                       group          display name
    Var(0, nullptr, nullptr, nullptr, Size(5512), nullptr, nullptr).Off(),
    Var(1, nullptr, nullptr, L"Type=", TypeName(), L"General", L"Type")
        .Flag1().Member(L"strType").Describe(L"Display the type of the control."),
    Var(2, L"ID", nullptr, L"IDs", Id(), nullptr, L"ID")
        .Member(L"strID").Describe(L"Specifies the identifier of the control."),
    Var(3, L"Rect", nullptr, L"Rect", Rect(-1, -1, -1, -1), nullptr, nullptr)
        .Flag2Clear().Member(L"rect"),
    Var(4, L"IsVisible", nullptr, L"IsVisible", Bool(true), nullptr, L"Visible")
        .Member(L"bVisible").Describe(L"Specifies that the control is initially visible."),
    Var(5, L"IsDisabled", nullptr, L"IsDisabled", Bool(false), nullptr, L"Disabled")
        .Member(L"bDisabled").Describe(L"Specifies that the control will be initially disabled."),
    Var(6, L"IsTabStop", nullptr, L"IsTabStop", Bool(false), nullptr, L"Tabstop")
        .Describe(L"Specifies that the user can move to this control with the TAB key."),
    Var(7, L"IsClipChildren", nullptr, nullptr, Bool(true), nullptr, L"Clip Children"),
    Var(8, L"IsClipSiblings", nullptr, nullptr, Bool(true), nullptr, L"Clip Siblings"),
    Var(9, L"LayoutMode", L"Horizontal", L"HorLayoutMode", Enum(ValueKind::HorLayoutMode, 0), L"Layout Mode", L"Horizontal")
        .Flag1().Member(L"eHorLayoutMode").Describe(L"Specifies the horizontal layout mode for the control."),
    Var(10, L"LayoutMode", L"Vertical", L"VerLayoutMode", Enum(ValueKind::VerLayoutMode, 0), nullptr, L"Vertical")
        .Flag1().Member(L"eVerLayoutMode").Describe(L"Specifies the vertical layout mode for the control."),
    Var(11, L"IsCanBackgroundChange", nullptr, L"IsCanBackgroundChange", Bool(true), L"Background", L"Background state can change"),
    Var(12, L"IsSpecifyImages", nullptr, L"IsSpecifyImages", Bool(false), nullptr, L"Specify Images"),
    Var(13, L"IsCombineImages", nullptr, L"IsCombineImages", Bool(false), nullptr, L"Combine Images"),
    Var(14, L"BkCombine", L"RelativePath", L"BkCombine", Image(), nullptr, L"CombineImage"),
    Var(15, L"BackgroundNormal", L"RelativePath", L"BkN", Image(), nullptr, L"Normal Image"),
    Var(16, L"BackgroundHighlight", L"RelativePath", L"BkH", Image(), nullptr, L"Highlight Image"),
    Var(17, L"BackgroundSelected", L"RelativePath", L"BkS", Image(), nullptr, L"Selected Image"),
    Var(18, L"BackgroundDisabled", L"RelativePath", L"BkD", Image(), nullptr, L"Disabled Image"),
    Var(19, L"ImageResizeMode", nullptr, nullptr, Enum(ValueKind::ImageResizeMode, 1), nullptr, L"Image Resize Mode"),
    Var(20, L"ResizingPoint", nullptr, L"ResizingPoint", Point(3, 3), nullptr, L"Resize Point").Range(0, 1920),
    Var(21, L"FontN", nullptr, L"FontN", Font(), nullptr, L"Normal").Superseded(),
    Var(22, L"FontH", nullptr, L"FontH", Font(), nullptr, L"Highlight").Superseded(),
    Var(23, L"FontS", nullptr, L"FontS", Font(), nullptr, L"Selected").Superseded(),
    Var(24, L"FontD", nullptr, L"FontD", Font(), nullptr, L"Disabled").Superseded(),
    Var(25, L"FontResN", nullptr, nullptr, FontRes(), L"Font(Size)", L"Normal"),
    Var(26, L"IsHSameNFont", nullptr, L"IsHSameNFont", Bool(true), nullptr, L"Highlight Font Same as Normal"),
    Var(27, L"FontResH", nullptr, nullptr, FontRes(), nullptr, L"Highlight"),
    Var(28, L"IsSSameNFont", nullptr, L"IsSSameNFont", Bool(true), nullptr, L"Selected Font Same as Normal"),
    Var(29, L"FontResS", nullptr, nullptr, FontRes(), nullptr, L"Selected"),
    Var(30, L"IsDSameNFont", nullptr, L"IsDSameNFont", Bool(true), nullptr, L"Disabled Font Same as Normal"),
    Var(31, L"FontResD", nullptr, nullptr, FontRes(), nullptr, L"Disabled"),
    Var(32, L"ColorN", nullptr, L"ColorN", Color(0), nullptr, L"Normal").Superseded().NoDefault(),
    Var(33, L"ColorH", nullptr, L"ColorH", Color(0), nullptr, L"Highlight").Superseded().NoDefault(),
    Var(34, L"ColorS", nullptr, L"ColorS", Color(0), nullptr, L"Selected").Superseded().NoDefault(),
    Var(35, L"ColorD", nullptr, L"ColorD", Color(0), nullptr, L"Disabled").Superseded().NoDefault(),
    Var(36, L"ColorResN", nullptr, nullptr, ColorRes(), L"Text Color", L"Normal"),
    Var(37, L"IsHSameNColor", nullptr, L"IsHSameNColor", Bool(true), nullptr, L"Highlight Color Same as Normal"),
    Var(38, L"ColorResH", nullptr, nullptr, ColorRes(), nullptr, L"Highlight"),
    Var(39, L"IsSSameNColor", nullptr, L"IsSSameNColor", Bool(true), nullptr, L"Selected Color Same as Normal"),
    Var(40, L"ColorResS", nullptr, nullptr, ColorRes(), nullptr, L"Selected"),
    Var(41, L"IsDSameNColor", nullptr, L"IsDSameNColor", Bool(true), nullptr, L"Disabled Color Same as Normal"),
    Var(42, L"ColorResD", nullptr, nullptr, ColorRes(), nullptr, L"Disabled"),
};

// What the Disable operations switch off: everything of the group, or only
// its highlight and selected variables.
constexpr int kBackgroundAll[] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
constexpr int kBackgroundHighlightSelected[] = {16, 17};
constexpr int kFontAll[] = {21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31};
constexpr int kFontHighlightSelected[] = {22, 23, 26, 27, 28, 29};
constexpr int kColorAll[] = {32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42};
constexpr int kColorHighlightSelected[] = {33, 34, 37, 38, 39, 40};

void SetInitialValue(PropertyValue& var, const InitialValue& initial)
{
    using Form = InitialValue::Form;
    switch (initial.form) {
    case Form::Bool:
        var.SetBool(initial.v[0] != 0);
        break;
    case Form::Int: {
        VARIANT number;
        VariantInit(&number);
        number.vt = VT_I4;
        number.lVal = initial.v[0];
        var.SetValue(number);
        break;
    }
    case Form::Text:
        // An empty text is a null BSTR, as OLE Automation has it: records hold dozens
        // of empty texts and are built by the thousand, and this spares each its
        // allocation.
        var.SetString(initial.text && *initial.text ? initial.text : nullptr);
        break;
    case Form::Rect: {
        const RECT rect = {initial.v[0], initial.v[1], initial.v[2], initial.v[3]};
        var.SetRect(rect);
        break;
    }
    case Form::Point: {
        const POINT point = {initial.v[0], initial.v[1]};
        var.SetPoint(point);
        break;
    }
    case Form::Font:
        var.SetLogFont(GetStandardFont());
        break;
    case Form::Enum: {
        VARIANT number;
        VariantInit(&number);
        number.vt = VT_INT;
        number.intVal = initial.v[0];
        var.SetValue(number);
        break;
    }
    }
    var.SetKind(initial.kind);
}

constexpr RecordLayout kCtrlLayout =
    Layout(nullptr, RecordSizeFor(CtrlVar::Count), CtrlVar::Count, nullptr, kCtrlRows);
static_assert(IsWellFormed(kCtrlLayout), "base record table");

} // namespace

const RecordLayout CTRLPROPERTIES::kLayout = kCtrlLayout;

void ApplyInitialValue(PropertyValue& var, const InitialValue& initial, bool storeDefault)
{
    SetInitialValue(var, initial);
    if (storeDefault && initial.StoresDefault())
        var.CopyValueToDefault();
    else
        var.ClearDefaultValue();
    if (IsEnumKind(initial.kind) && var.Options().empty())
        var.AddEnumOptions();
}

void ApplyVarRow(PropertyValue& var, const VarRow& row)
{
    ApplyInitialValue(var, row.initial, (row.flags & kNoDefault) == 0);
    var.SetXmlElement(row.element);
    var.SetXmlAttribute(row.attribute);
    var.SetLegacyKey(row.legacyKey);
    if (row.group)
        var.StartGroup(row.group);
    var.SetDisplayName(row.displayName ? row.displayName : L"");
    var.SetDescription(row.description ? row.description : L"");
    var.SetMemberName(row.memberName);
    var.SetRange(row.rangeMin, row.rangeMax);
    if (row.flags & kSuperseded)
        var.SetSuperseded(true);
    if (row.flags & kEditorFlag1)
        var.SetEditorFlag1(true);
    if (row.flags & kSwitchedOff)
        var.SwitchOff();
    if (row.flags & kNotSaved)
        var.SetSaved(false);
    if (row.flags & kEditorFlag2Clear)
        var.SetEditorFlag2(false);
    if (row.flags & kNested) {
        var.SetNestedCopy(PropertyValue(false));
        var.SetEditorFlag3(true);
    }
}

CTRLPROPERTIES::CTRLPROPERTIES() : CTRLPROPERTIES(kLayout)
{
}

CTRLPROPERTIES::CTRLPROPERTIES(const RecordLayout& layout)
{
    int count = 0;
    for (const RecordLayout* level = &layout; level; level = level->base)
        count += level->rowCount;
    if (count != layout.variableCount)
        _com_issue_error(E_UNEXPECTED);   // a table that does not add up
    try {
        m_vars = std::make_unique<PropertyValue[]>(count);
        m_count = count;
        ApplyLayout(layout);
    } catch (const std::bad_alloc&) {
        // The model reports running out of memory as the COM error it is
        // elsewhere (a failed BSTR allocation).
        _com_issue_error(E_OUTOFMEMORY);
    }
    m_vars[CtrlVar::RecordSize].SetInt(layout.recordSize);
    m_vars[CtrlVar::Type].SetString(layout.typeName);   // null for base-only kinds: empty
}

CTRLPROPERTIES::~CTRLPROPERTIES() = default;

void CTRLPROPERTIES::ApplyLayout(const RecordLayout& layout)
{
    if (layout.base)
        ApplyLayout(*layout.base);
    for (int i = 0; i < layout.rowCount; ++i)
        ApplyVarRow(GetVar(layout.rows[i].index), layout.rows[i]);
    for (int i = 0; i < layout.changeCount; ++i)
        ApplyChange(layout.changes[i]);
}

void CTRLPROPERTIES::ApplyChange(const VarChange& change)
{
    switch (change.op) {
    case VarChange::Op::DisableBackground:
        DisableBackgroundProperties(change.highlightSelectedOnly);
        return;
    case VarChange::Op::DisableFont:
        DisableFontProperties(change.highlightSelectedOnly);
        return;
    case VarChange::Op::DisableColor:
        DisableColorProperties(change.highlightSelectedOnly);
        return;
    case VarChange::Op::Patch:
        break;
    }
    for (int index = change.first; index <= change.last; ++index) {
        PropertyValue& var = GetVar(index);
        if (change.what & VarChange::kSetInitial)
            ApplyInitialValue(var, change.initial, true);
        if (change.what & VarChange::kSetElement)
            var.SetXmlElement(change.element);
        if (change.what & VarChange::kSetDisplay)
            var.SetDisplayName(change.displayName);
        if (change.what & VarChange::kSetGroup)
            var.StartGroup(change.group);
        if (change.what & VarChange::kSetRange)
            var.SetRange(change.rangeMin, change.rangeMax);
        if (change.what & VarChange::kSetOff)
            var.SwitchOff();
        if (change.what & VarChange::kSetNotSaved)
            var.SetSaved(false);
    }
}

PropertyValue& CTRLPROPERTIES::GetVar(int index)
{
    if (index < 0 || index >= m_count)
        _com_issue_error(DISP_E_BADINDEX);
    return m_vars[index];
}

const PropertyValue& CTRLPROPERTIES::GetVar(int index) const
{
    if (index < 0 || index >= m_count)
        _com_issue_error(DISP_E_BADINDEX);
    return m_vars[index];
}

int CTRLPROPERTIES::GetVarCount() const
{
    const LONG size = m_vars[CtrlVar::RecordSize].GetLong();
    if (m_vars[CtrlVar::Type] == L"UIWND")
        return 66 < m_count ? 66 : m_count;
    const LONG payload = size - 8;
    int count = static_cast<int>(payload / 128);
    if (payload % 128 != 0)
        AfxMessageBox(L"lVarCount is invalid!", MB_OK);
    // A size changed after construction must not lead a walker past the end.
    if (count > m_count)
        count = m_count;
    return count < 0 ? 0 : count;
}

void CTRLPROPERTIES::SwitchOffAll(const int* indices, int count)
{
    for (int i = 0; i < count; ++i)
        GetVar(indices[i]).SwitchOff();
}

int CTRLPROPERTIES::DisableBackgroundProperties(bool highlightSelectedOnly)
{
    if (highlightSelectedOnly)
        SwitchOffAll(kBackgroundHighlightSelected, static_cast<int>(std::size(kBackgroundHighlightSelected)));
    else
        SwitchOffAll(kBackgroundAll, static_cast<int>(std::size(kBackgroundAll)));
    return 0;
}

int CTRLPROPERTIES::DisableFontProperties(bool highlightSelectedOnly)
{
    if (highlightSelectedOnly)
        SwitchOffAll(kFontHighlightSelected, static_cast<int>(std::size(kFontHighlightSelected)));
    else
        SwitchOffAll(kFontAll, static_cast<int>(std::size(kFontAll)));
    return 0;
}

int CTRLPROPERTIES::DisableColorProperties(bool highlightSelectedOnly)
{
    if (highlightSelectedOnly)
        SwitchOffAll(kColorHighlightSelected, static_cast<int>(std::size(kColorHighlightSelected)));
    else
        SwitchOffAll(kColorAll, static_cast<int>(std::size(kColorAll)));
    return 0;
}

namespace {

int SetupResourceVariable(PropertyValue* var, LPCWSTR element, LPCWSTR displayName, ValueKind kind)
{
    if (!var)
        return -1;
    if (!element)
        return -2;
    if (!displayName)
        return -3;
    var->SetString(L"");
    var->SetKind(kind);
    var->SetXmlElement(element);
    var->SetDisplayName(displayName);
    return 0;
}

} // namespace

int CTRLPROPERTIES::SetupFontResourceVariable(PropertyValue* var, LPCWSTR element, LPCWSTR displayName)
{
    return SetupResourceVariable(var, element, displayName, ValueKind::FontResourceID);
}

int CTRLPROPERTIES::SetupColorResourceVariable(PropertyValue* var, LPCWSTR element, LPCWSTR displayName)
{
    return SetupResourceVariable(var, element, displayName, ValueKind::ColorResourceID);
}

void CTRLPROPERTIES::CopyVariablesFrom(const CTRLPROPERTIES& source)
{
    if (&source == this)
        return;
    if (source.m_count != m_count)
        _com_issue_error(E_INVALIDARG);
    for (int i = 0; i < m_count; ++i)
        m_vars[i].CopyFrom(source.m_vars[i]);
}

} // namespace Vexel
