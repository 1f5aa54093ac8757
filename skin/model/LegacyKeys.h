#pragma once
// The keys of legacy skin sections as tables: one row a key, with the form of its value
// and the variable it fills. Shared tables serve several kinds (common keys of every
// control, text keys of the button family, checked images of check boxes and radio
// buttons); each kind adds its own. A key line is offered to a kind's tables in order;
// the first table that knows the key takes the line, and every row of that table with
// the key is applied (a progress bar's "Thumb" fills two images).
#include "framework/String.h"
#include "skin/model/LegacyImportContext.h"

#include <cstddef>
#include <initializer_list>

namespace Vexel {

// How a value text becomes a property value.
enum class LegacyForm : unsigned char {
    Text,           // the text as it is (image file names too)
    Flag,           // StringToBool: only "False" and "0" (any case) are false
    NumberFlag,     // decimal, non-zero is true ("True" is false)
    Integer,        // StringToInt: "0x" for hexadecimal
    Decimal,        // decimal only
    Enumeration,    // a word of the variable's enumeration kind
    Rectangle,      // "l,t,r,b"
    Font,           // profile-structure LOGFONT: the id of a font resource
    Colour,         // an Integer COLORREF: the id of a colour resource
    ComboStyle,     // "0", "1" or "2" exactly: the combo styles 1, 2, 3
    PointX,         // decimal: x of a point
    PointY,         // decimal: y of a point
    Dropped,        // known to the kind, read and dropped
};

// One key. The variable is given by index (the base record's variables keep theirs in
// every kind) or found by XML element, and attribute where the element has several.
struct LegacyKeyRow {
    LPCWSTR key;
    LegacyForm form;
    int index;              // -1: found by element
    LPCWSTR element;
    LPCWSTR attribute;      // null: whichever attribute the element has
};

constexpr LegacyKeyRow LegacyKey(LPCWSTR key, LegacyForm form, int index)
{
    return {key, form, index, nullptr, nullptr};
}

constexpr LegacyKeyRow LegacyKey(LPCWSTR key, LegacyForm form, LPCWSTR element, LPCWSTR attribute = nullptr)
{
    return {key, form, -1, element, attribute};
}

struct LegacyKeyTable {
    const LegacyKeyRow* rows;
    std::size_t count;

    const LegacyKeyRow* begin() const { return rows; }
    const LegacyKeyRow* end() const { return rows + count; }
};

template <std::size_t N>
constexpr LegacyKeyTable MakeLegacyKeyTable(const LegacyKeyRow (&rows)[N])
{
    return {rows, N};
}

// Shared tables.
extern const LegacyKeyTable kLegacyCommonKeys;          // every control kind
extern const LegacyKeyTable kLegacyTextKeys;            // push buttons, check boxes, radio buttons
extern const LegacyKeyTable kLegacyCheckedImageKeys;    // check boxes, radio buttons

// Each kind's own keys.
extern const LegacyKeyTable kLegacyPushButtonKeys;
extern const LegacyKeyTable kLegacyCheckBoxKeys;
extern const LegacyKeyTable kLegacyRadioButtonKeys;
extern const LegacyKeyTable kLegacyStaticKeys;
extern const LegacyKeyTable kLegacyEditKeys;
extern const LegacyKeyTable kLegacyComboBoxKeys;
extern const LegacyKeyTable kLegacySpinKeys;
extern const LegacyKeyTable kLegacyProgressKeys;
extern const LegacyKeyTable kLegacySliderKeys;
extern const LegacyKeyTable kLegacyListCtrlKeys;
extern const LegacyKeyTable kLegacyTreeCtrlKeys;
extern const LegacyKeyTable kLegacyScrollBarKeys;
extern const LegacyKeyTable kLegacyThumbnailKeys;
extern const LegacyKeyTable kLegacyTreeListKeys;
extern const LegacyKeyTable kLegacyHtmlCtrlKeys;
extern const LegacyKeyTable kLegacyWindowKeys;          // all but the mask colour's parts

// Keys of list-control and SCROLLBAREX sections that fill the section's style record
// (a HEADERPROPERTIES, a HORSBPROPERTIES or VERSBPROPERTIES) instead of the control.
extern const LegacyKeyTable kLegacyListHeaderKeys;
extern const LegacyKeyTable kLegacyScrollBarThumbKeys;

// The variable a row fills in `record`; null when the record has none.
PropertyValue* FindLegacyKeyTarget(CTRLPROPERTIES& record, const LegacyKeyRow& row);

// The first variable with that XML element (and attribute, when one is given); null.
PropertyValue* FindVariableByElement(CTRLPROPERTIES& record, LPCWSTR element, LPCWSTR attribute = nullptr);

// Applies every row of `table` whose key equals `key` ignoring case. True when the table
// knows the key.
bool ApplyLegacyKeys(LegacyImportContext& context, CTRLPROPERTIES& record, const LegacyKeyTable& table,
                     const CString& key, const CString& value);

// Offers the key to the tables in order; true when one of them took it.
bool ApplyLegacyKeys(LegacyImportContext& context, CTRLPROPERTIES& record,
                     std::initializer_list<const LegacyKeyTable*> tables, const CString& key, const CString& value);

// Stores a value text in a variable in the given form.
void ApplyLegacyValue(LegacyImportContext& context, PropertyValue& property, LegacyForm form, const CString& value);

} // namespace Vexel
