#pragma once
// The table form of a property record. A record kind is declared, not coded:
// one row states one variable (index, XML element and attribute, legacy key,
// kind and initial value, editor group and display name, then the notes), and
// a few change rows restate what the kind does to the variables it inherits.
// CTRLPROPERTIES' constructor applies a layout chain from the base record
// down. How to declare a new record kind: skin/model/RECORDS.md.
#include "skin/model/ValueKind.h"

#include <cstddef>

#include <windows.h>

namespace Vexel {

// Initial value of a variable: the kind it gets and the VARIANT it starts with.
struct InitialValue {
    enum class Form : unsigned char {
        Bool,       // VT_BOOL
        Int,        // VT_I4
        Text,       // VT_BSTR (a null BSTR when the text is empty)
        Rect,       // VT_ARRAY of 4 VT_I4
        Point,      // VT_ARRAY of 2 VT_I4
        Font,       // VT_ARRAY of 92 VT_UI1 holding the standard font
        Enum,       // VT_INT
    };
    ValueKind kind;
    Form form;
    int v[4];
    LPCWSTR text;

    // Booleans, integers, enumerations and written colours also store their
    // initial value as the default (the writer leaves out flags at default);
    // texts, ids, images, rectangles, points and fonts never do.
    constexpr bool StoresDefault() const
    {
        switch (form) {
        case Form::Bool:
        case Form::Enum:
            return true;
        case Form::Int:
            return kind == ValueKind::None || kind == ValueKind::Color;
        default:
            return false;
        }
    }
};

// Flags of a row (the Notes column).
enum VarFlags : unsigned {
    kNoDefault = 1u << 0,    // "no default": defaultValue stays empty
    kSuperseded = 1u << 1,   // old inline font or colour: read, turned into a resource, never written
    kEditorFlag1 = 1u << 2,
    kSwitchedOff = 1u << 3,  // isSaved and editorFlag2 clear: neither read nor written
    kNotSaved = 1u << 4,     // isSaved clear only
    kEditorFlag2Clear = 1u << 5, // editorFlag2 clear only (still read and written)
    kNested = 1u << 6,       // editor data: a nested boolean false and editorFlag3
};

// One variable.
struct VarRow {
    int index;
    LPCWSTR element;        // null: none
    LPCWSTR attribute;      // null: "Value"
    LPCWSTR legacyKey;      // null: none
    InitialValue initial;
    LPCWSTR group;          // non-null starts an editor group here
    LPCWSTR displayName;
    LPCWSTR memberName = nullptr;
    LPCWSTR description = nullptr;
    int rangeMin = 0;
    int rangeMax = 0;
    unsigned flags = 0;

    constexpr VarRow Member(LPCWSTR name) const { VarRow r = *this; r.memberName = name; return r; }
    constexpr VarRow Describe(LPCWSTR text) const { VarRow r = *this; r.description = text; return r; }
    constexpr VarRow Range(int minimum, int maximum) const
    {
        VarRow r = *this;
        r.rangeMin = minimum;
        r.rangeMax = maximum;
        return r;
    }
    constexpr VarRow With(unsigned more) const { VarRow r = *this; r.flags |= more; return r; }
    constexpr VarRow NoDefault() const { return With(kNoDefault); }
    constexpr VarRow Superseded() const { return With(kSuperseded); }
    constexpr VarRow Flag1() const { return With(kEditorFlag1); }
    constexpr VarRow Off() const { return With(kSwitchedOff); }
    constexpr VarRow NotSaved() const { return With(kNotSaved); }
    constexpr VarRow Flag2Clear() const { return With(kEditorFlag2Clear); }
    constexpr VarRow Nested() const { return With(kNested); }
};

// What a record kind does to variables it inherits. One change row names one
// variable (At) or a run of them (Span), then says what changes; or it runs
// one of the base record's Disable operations.
struct VarChange {
    enum class Op : unsigned char { Patch, DisableBackground, DisableFont, DisableColor };
    enum : unsigned {
        kSetElement = 1u << 0,
        kSetDisplay = 1u << 1,
        kSetGroup = 1u << 2,
        kSetInitial = 1u << 3,
        kSetRange = 1u << 4,
        kSetOff = 1u << 5,
        kSetNotSaved = 1u << 6,
    };

    Op op;
    int first;
    int last;
    bool highlightSelectedOnly = false;   // the Disable operations' argument
    unsigned what = 0;
    LPCWSTR element = nullptr;
    LPCWSTR displayName = nullptr;
    LPCWSTR group = nullptr;
    InitialValue initial = {};
    int rangeMin = 0;
    int rangeMax = 0;

    constexpr VarChange Element(LPCWSTR name) const { VarChange c = *this; c.what |= kSetElement; c.element = name; return c; }
    constexpr VarChange Display(LPCWSTR name) const { VarChange c = *this; c.what |= kSetDisplay; c.displayName = name; return c; }
    // Starts an editor group at this variable (or renames the one it starts).
    constexpr VarChange Group(LPCWSTR text) const { VarChange c = *this; c.what |= kSetGroup; c.group = text; return c; }
    // New initial value; its default follows the same rule as a row's.
    constexpr VarChange Initial(InitialValue value) const { VarChange c = *this; c.what |= kSetInitial; c.initial = value; return c; }
    constexpr VarChange Range(int minimum, int maximum) const
    {
        VarChange c = *this;
        c.what |= kSetRange;
        c.rangeMin = minimum;
        c.rangeMax = maximum;
        return c;
    }
    constexpr VarChange Off() const { VarChange c = *this; c.what |= kSetOff; return c; }
    constexpr VarChange NotSaved() const { VarChange c = *this; c.what |= kSetNotSaved; return c; }
};

// A record kind: its base kind's layout, its own rows and its changes.
struct RecordLayout {
    const RecordLayout* base;   // null only for CTRLPROPERTIES
    int recordSize;             // the value of variable 0
    int variableCount;          // all variables, inherited ones included
    LPCWSTR typeName;           // variable 1; null for base-only kinds
    const VarRow* rows;         // own variables, in index order
    int rowCount;
    const VarChange* changes;   // applied in order, after the own rows
    int changeCount;
};

// The record size value of a kind with `count` variables: 8 + 128 x count.
constexpr int RecordSizeFor(int count) { return 8 + 128 * count; }

namespace records {

// --- Initial values ----------------------------------------------------------
constexpr InitialValue Bool(bool b) { return {ValueKind::None, InitialValue::Form::Bool, {b ? 1 : 0, 0, 0, 0}, nullptr}; }
constexpr InitialValue Int(int n) { return {ValueKind::None, InitialValue::Form::Int, {n, 0, 0, 0}, nullptr}; }
constexpr InitialValue Text(LPCWSTR text = L"") { return {ValueKind::None, InitialValue::Form::Text, {}, text}; }
constexpr InitialValue Size(int recordSize) { return {ValueKind::RecordSize, InitialValue::Form::Int, {recordSize, 0, 0, 0}, nullptr}; }
constexpr InitialValue TypeName() { return {ValueKind::TypeName, InitialValue::Form::Text, {}, L""}; }
constexpr InitialValue Id() { return {ValueKind::ID, InitialValue::Form::Text, {}, L""}; }
constexpr InitialValue Rect(int l, int t, int r, int b) { return {ValueKind::Rect, InitialValue::Form::Rect, {l, t, r, b}, nullptr}; }
constexpr InitialValue Point(int x, int y) { return {ValueKind::Point, InitialValue::Form::Point, {x, y, 0, 0}, nullptr}; }
constexpr InitialValue Color(COLORREF c) { return {ValueKind::Color, InitialValue::Form::Int, {static_cast<int>(c), 0, 0, 0}, nullptr}; }
constexpr InitialValue Font() { return {ValueKind::Font, InitialValue::Form::Font, {}, nullptr}; }
constexpr InitialValue Image() { return {ValueKind::ImagePath, InitialValue::Form::Text, {}, L""}; }
constexpr InitialValue RunTimeColor() { return {ValueKind::ColorRef, InitialValue::Form::Int, {}, nullptr}; }
constexpr InitialValue Enum(ValueKind kind, int n) { return {kind, InitialValue::Form::Enum, {n, 0, 0, 0}, nullptr}; }
constexpr InitialValue FontRes() { return {ValueKind::FontResourceID, InitialValue::Form::Text, {}, L""}; }
constexpr InitialValue ColorRes() { return {ValueKind::ColorResourceID, InitialValue::Form::Text, {}, L""}; }
// A style id: kind MenuStyleID, HeaderStyleID, HorScrollBarStyleID or VerScrollBarStyleID.
constexpr InitialValue Style(ValueKind kind) { return {kind, InitialValue::Form::Text, {}, L""}; }

// --- Rows ----------------------------------------------------------------------
// Columns as the record tables have them: index, XML element, attribute (null
// for "Value"), legacy key (null for none), kind and initial value, group
// (null unless a group starts here), display name. Notes follow as modifiers.
constexpr VarRow Var(int index, LPCWSTR element, LPCWSTR attribute, LPCWSTR legacyKey,
                     InitialValue initial, LPCWSTR group, LPCWSTR displayName)
{
    return VarRow{index, element, attribute, legacyKey, initial, group, displayName};
}

// --- Changes to inherited variables -------------------------------------------
constexpr VarChange At(int index) { return VarChange{VarChange::Op::Patch, index, index}; }
constexpr VarChange Span(int first, int last) { return VarChange{VarChange::Op::Patch, first, last}; }
constexpr VarChange DisableBackground(bool highlightSelectedOnly)
{
    return VarChange{VarChange::Op::DisableBackground, 0, -1, highlightSelectedOnly};
}
constexpr VarChange DisableFont(bool highlightSelectedOnly)
{
    return VarChange{VarChange::Op::DisableFont, 0, -1, highlightSelectedOnly};
}
constexpr VarChange DisableColor(bool highlightSelectedOnly)
{
    return VarChange{VarChange::Op::DisableColor, 0, -1, highlightSelectedOnly};
}

// --- Layouts ---------------------------------------------------------------------
template <size_t R, size_t C>
constexpr RecordLayout Layout(const RecordLayout* base, int recordSize, int variableCount,
                              LPCWSTR typeName, const VarRow (&rows)[R], const VarChange (&changes)[C])
{
    return {base, recordSize, variableCount, typeName, rows, static_cast<int>(R), changes, static_cast<int>(C)};
}

template <size_t R>
constexpr RecordLayout Layout(const RecordLayout* base, int recordSize, int variableCount,
                              LPCWSTR typeName, const VarRow (&rows)[R])
{
    return {base, recordSize, variableCount, typeName, rows, static_cast<int>(R), nullptr, 0};
}

// A kind that adds no variable of its own.
template <size_t C>
constexpr RecordLayout LayoutWithoutRows(const RecordLayout* base, int recordSize, int variableCount,
                                         LPCWSTR typeName, const VarChange (&changes)[C])
{
    return {base, recordSize, variableCount, typeName, nullptr, 0, changes, static_cast<int>(C)};
}

constexpr RecordLayout LayoutWithoutRows(const RecordLayout* base, int recordSize, int variableCount,
                                         LPCWSTR typeName)
{
    return {base, recordSize, variableCount, typeName, nullptr, 0, nullptr, 0};
}

// --- Compile-time check of a transcribed table ----------------------------------
// static_assert(records::IsWellFormed(kMyLayout)) in the kind's .cpp: the own
// rows are numbered on from the inherited count (variableCount - rowCount)
// without gaps, every change names inherited variables, and the record size
// is 8 + 128 x count unless the kind states another (pass it as expectedSize).
// The constructor checks at run time that the base chain adds up.
constexpr bool IsWellFormed(const RecordLayout& layout, int expectedSize = 0)
{
    const int inherited = layout.variableCount - layout.rowCount;
    if (inherited < 0 || (layout.base == nullptr) != (inherited == 0))
        return false;
    if (layout.recordSize != (expectedSize ? expectedSize : RecordSizeFor(layout.variableCount)))
        return false;
    for (int i = 0; i < layout.rowCount; ++i) {
        if (layout.rows[i].index != inherited + i)
            return false;
    }
    for (int i = 0; i < layout.changeCount; ++i) {
        const VarChange& c = layout.changes[i];
        if (c.op == VarChange::Op::Patch && (c.first < 0 || c.last < c.first || c.last >= inherited))
            return false;
    }
    return true;
}

} // namespace records
} // namespace Vexel
