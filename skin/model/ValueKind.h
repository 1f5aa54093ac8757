#pragma once
// How a property variable's VARIANT is to be read. The numbers are stored in
// skin files and records by value: never renumber.

namespace Vexel {

enum class ValueKind : unsigned short {
    None = 0,               // plain VT_BOOL, VT_I4 or VT_BSTR
    RecordSize = 1,         // VT_I4, variable 0 of every record; never written
    ID = 2,                 // VT_BSTR symbolic id
    TypeName = 3,           // VT_BSTR record type word, variable 1
    Rect = 4,               // VT_ARRAY of 4 VT_I4: left, top, right, bottom
    Point = 5,              // VT_ARRAY of 2 VT_I4: x, y (or cx, cy)
    Color = 6,              // VT_I4 COLORREF
    Font = 7,               // VT_ARRAY of 92 VT_UI1: a LOGFONTW
    ImagePath = 8,          // VT_BSTR, relative to the skin folder
    ColorRef = 9,           // VT_I4 set at run time by SetColor; never written

    // Enumerations (VT_INT payload); their words live in EnumWords.cpp.
    ImageResizeMode = 10,
    HorLayoutMode = 11,
    VerLayoutMode = 12,
    TextHorAlignMode = 13,
    TextVerAlignMode = 14,
    ForegroundHorAlignMode = 15,
    ForegroundVerAlignMode = 16,
    ButtonType = 17,
    CheckBoxType = 18,
    WindowType = 19,
    ComboStyle = 20,
    SpinAlignment = 21,
    SliderExtendedStyle = 22,
    ListStyle = 23,
    ListAlign = 24,
    ListSort = 25,
    BackgroundType = 26,
    ProgressMode = 27,
    ThumbPositionMode = 28,
    AlphaFormat = 29,
    MenuBorderStyle = 30,
    SplitterOrientation = 31,

    FontResourceID = 32,    // VT_BSTR id of a FONT resource
    ColorResourceID = 33,   // VT_BSTR id of a COLOR resource
    MenuStyleID = 53,       // VT_BSTR ids of style records
    HeaderStyleID = 55,
    HorScrollBarStyleID = 56,
    VerScrollBarStyleID = 57,
};

constexpr ValueKind FirstEnumKind = ValueKind::ImageResizeMode;
constexpr ValueKind LastEnumKind = ValueKind::SplitterOrientation;

constexpr bool IsEnumKind(ValueKind kind)
{
    return kind >= FirstEnumKind && kind <= LastEnumKind;
}

// Kinds whose value is a symbolic id text naming another record.
constexpr bool IsReferenceKind(ValueKind kind)
{
    return kind == ValueKind::ID || kind == ValueKind::FontResourceID ||
           kind == ValueKind::ColorResourceID || kind == ValueKind::MenuStyleID ||
           kind == ValueKind::HeaderStyleID || kind == ValueKind::HorScrollBarStyleID ||
           kind == ValueKind::VerScrollBarStyleID;
}

} // namespace Vexel
