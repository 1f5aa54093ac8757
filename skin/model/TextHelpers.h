#pragma once
// Small text conversions of the skin library: property texts to numbers and switches,
// and the line splitting the memory text file reads with.
#include "framework/String.h"
#include "skin/model/PropertyValue.h"

#include <cstddef>
#include <string>

namespace Vexel {

// Hexadecimal when the text starts with exactly "0x" (lower-case x), decimal otherwise,
// both by wcstol: leading blanks and a sign are accepted, parsing stops at the first
// character that is no digit, no digits give 0. A null text gives 0.
int StringToInt(LPCWSTR text);

// FALSE for "False" and "0" in any letter case; TRUE for every other text, the empty
// one included (a null text counts as empty).
BOOL StringToBool(LPCWSTR text);

// The value as text (converted when it is no text); empty for a null value. A value that
// has no text form raises like PropertyValue::GetString.
CString VariantToString(const PropertyValue& value);

// The line at the start of `buffer`: the bytes before the first carriage return among
// the first `count` bytes (all `count` when there is none), cut at a zero byte. The
// bytes are kept as they are; the caller widens them. 0 for a null buffer, else 1.
int AnsiLineToString(std::size_t count, std::string& line, const char* buffer);

// The same over 16-bit units: the line ends at the first unit 13 or after `count` units,
// and at a zero unit.
int WideLineToString(std::size_t count, std::wstring& line, const wchar_t* buffer);

} // namespace Vexel
