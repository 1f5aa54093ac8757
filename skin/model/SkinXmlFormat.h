#pragma once
// The skin file (".xui") format in one place: the bytes around the document, the element
// and attribute names, the order of the style groups, which variables of a record appear
// and how each value kind is encoded as attribute text. The writer builds its documents
// from these tables and the reader looks its elements up with the same names.
#include "framework/String.h"
#include "skin/model/PropertyValue.h"
#include "skin/model/ValueKind.h"

#include <windows.h>

namespace Vexel {

// The skin version this program reads and writes.
constexpr int CURRENT_SKIN_MAJOR = 7;
constexpr int CURRENT_SKIN_MINOR = 0;
constexpr int CURRENT_SKIN_BUILD = 4467;
constexpr int CURRENT_SKIN_CHANGELIST = 4485;

namespace SkinXml {

// --- Bytes and layout ---------------------------------------------------------------
// The file is UTF-8 behind this byte-order mark; every line ends in CR LF and each
// nesting level below the root is one TAB.
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr wchar_t kLineEnd[] = L"\r\n";
constexpr wchar_t kIndent = L'\t';

// The declaration, as a processing instruction (target and data) and as the line it
// makes in the file.
constexpr wchar_t kDeclarationTarget[] = L"xml";
constexpr wchar_t kDeclarationData[] = L"version=\"1.0\" encoding=\"utf-8\"";
constexpr wchar_t kDeclarationLine[] = L"<?xml version=\"1.0\" encoding=\"utf-8\"?>";

// The comments between the declaration and the root, in file order. Nothing reads them.
constexpr int kHeaderCommentCount = 4;
extern const LPCWSTR kHeaderComments[kHeaderCommentCount];

// --- Elements and attributes of the document ----------------------------------------
constexpr wchar_t kRoot[] = L"VexelUI";
constexpr wchar_t kConfiguration[] = L"Configuration";
constexpr wchar_t kOpenProgram[] = L"OpenProgram";            // attribute of Configuration
extern const LPCWSTR kOpenProgramValue;                        // written, never read back
constexpr wchar_t kVersion[] = L"Version";                    // element, and its attribute
constexpr wchar_t kBuild[] = L"Build";
constexpr wchar_t kChangeList[] = L"ChangeList";
constexpr wchar_t kDpi[] = L"DPI";
constexpr wchar_t kLogPixelsX[] = L"LogPixelsX";
constexpr wchar_t kLogPixelsY[] = L"LogPixelsY";
constexpr wchar_t kWindows[] = L"Windows";
constexpr wchar_t kWindow[] = L"Window";                      // not the record's "UIWND"
constexpr wchar_t kControls[] = L"Controls";
constexpr wchar_t kResources[] = L"Resources";
constexpr wchar_t kFonts[] = L"Fonts";
constexpr wchar_t kColors[] = L"Colors";
constexpr wchar_t kStyles[] = L"Styles";

// The style groups under Styles, indexed by style kind (0 PushButtons ... 23
// VerScrollbars); all of them are always written, in this order.
constexpr int kStyleGroupCount = 24;
extern const LPCWSTR kStyleGroups[kStyleGroupCount];
// The group of a style kind; null outside 0 to 23.
LPCWSTR StyleGroupElement(int styleKind);

// The element names of control records, in the order a reader tries them.
constexpr int kControlElementCount = 25;
extern const LPCWSTR kControlElements[kControlElementCount];

// --- Value encodings -----------------------------------------------------------------
// Attributes that fixed value kinds write whatever the variable's own attribute is.
constexpr wchar_t kRectSize[] = L"Size";            // "width,height"
constexpr wchar_t kRectLocation[] = L"Location";    // "left,top"
constexpr wchar_t kPointX[] = L"X";
constexpr wchar_t kPointY[] = L"Y";
constexpr int kFontAttributeCount = 14;
// LOGFONTW members in order: five signed 32-bit, eight bytes, then the face name.
extern const LPCWSTR kFontAttributes[kFontAttributeCount];
constexpr int kFontFaceNameAttribute = 13;
constexpr wchar_t kTrue[] = L"true";
constexpr wchar_t kFalse[] = L"false";

// How a variable of a value kind stands in the file.
enum class Encoding {
    Nothing,        // never in the file (record size, type name, run-time colour ...)
    Text,           // None, ID and the resource and style ids: the value as text
    Rect,           // Size and Location
    Point,          // X and Y
    Color,          // "#%08X" of the COLORREF
    Font,           // the fourteen LOGFONTW attributes
    ImagePath,      // the relative file name
    Enumeration,    // the kind's word for the number
};
Encoding EncodingOf(ValueKind kind);

// Whether a variable of a record produces output: saved, not superseded, of a kind the
// file holds, and, for the text kinds, not a flag that still equals its default.
bool IsWrittenVariable(const PropertyValue& var);

// Texts of the encodings.
CString FormatVersion(int major, int minor);        // "%02d%02d": 7, 0 gives "0700"
CString FormatRectSize(const RECT& rect);           // "22,19" for (250,4)-(272,23)
CString FormatRectLocation(const RECT& rect);       // "250,4"
CString FormatColor(COLORREF color);                // red 41 green 69 blue E1: "#00E16941"
// The text of a Text-encoded value: "true"/"false" for a flag, a text as it stands,
// anything else by the OLE Automation conversion (decimal for integers).
CString ValueText(const PropertyValue& var);
// The font a Font-encoded variable writes: zeros unless the value is a font, and a
// face name of at most 31 characters, always terminated.
LOGFONTW FontToWrite(const PropertyValue& var);

} // namespace SkinXml
} // namespace Vexel
