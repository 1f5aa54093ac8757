#pragma once
// Filling property records from their elements in the skin file. Each variable names its
// own child element (the first child of the record's element with that name) and
// attribute; its value kind decides how the attribute's text becomes a value. Window and
// control records also turn the inline fonts and colours that older skin files hold into
// FONT and COLOR resources of the skin store, so that every loaded control names its
// fonts and colours by resource id.
//
// An attribute that must be a number and is not, a font element without all of its
// attributes and a failing DOM call raise a _com_error; the skin reader catches it.
#include "skin/model/CtrlProperties.h"
#include "skin/model/PropertyValue.h"

#include <windows.h>
#include <msxml2.h>

namespace Vexel {

// Results of ReadPropertyValue.
enum : int {
    kPropertyRead = 0,          // the variable's element was found (a value may or may not be read)
    kPropertyNoElement = 1,     // the record's element has no child of that name; value untouched
    kPropertyNoColor = 2,       // a colour variable's attribute is absent
};

// Reads one variable from the child of `element` it names.
int ReadPropertyValue(PropertyValue& var, IXMLDOMElement* element);

// Every saved variable of `record` (record size and type name excepted), superseded ones
// included. For style records and FONT and COLOR resources. 0; -1 for a null record or
// element.
int ReadProperties(CTRLPROPERTIES* record, IXMLDOMElement* element);

// The same for window and control records; an inline font or colour that was read also
// becomes (or finds) a resource of the skin store, whose id goes into the record's
// matching resource-id variable. 0; -1 for a null record or element.
int ReadControlProperties(CTRLPROPERTIES* record, IXMLDOMElement* element);

// The colour rule of the skin file: a leading "#" stands for "0x"; "0x" then means
// hexadecimal, anything else decimal; read as an unsigned 32-bit number (so "#FFFFFFFF"
// is the colour 0xFFFFFFFF), leading digits only, 0 when there are none.
COLORREF ParseColorText(LPCWSTR text);

// A rectangle attribute's pair ("10,20", "0x10,0x20"): the text before the first ","
// and the text after it, up to a second ",", each by the "0x" prefix rule; a missing
// piece reads 0.
void ParseNumberPair(LPCWSTR text, int& first, int& second);

} // namespace Vexel
