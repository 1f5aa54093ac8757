#pragma once
// Legacy skin files built in code for the import tests: the same text written as ANSI or
// as UTF-16LE, with fonts in the profile-structure form each encoding uses.
#include "skin/model/CtrlProperties.h"

#include <string>

#include <windows.h>

namespace legacy_test {

enum class Encoding { Ansi, Utf16 };

// The bytes of a file holding `text`: ANSI code page, or FF FE and UTF-16LE units.
std::string FileBytes(const std::wstring& text, Encoding encoding);

// A LOGFONT as profile-structure text: LOGFONTW in a UTF-16 file, LOGFONTA (face name in
// the ANSI code page) in an ANSI file.
std::wstring FontText(const LOGFONTW& font, Encoding encoding);

LOGFONTW MakeFont(LPCWSTR face, LONG height, LONG weight);

// A readable form of a variable's value (type and payload), for comparing records.
std::wstring ValueText(const Vexel::PropertyValue& value);

// Every variable of a record, one per line, with its index.
std::wstring RecordText(const Vexel::CTRLPROPERTIES& record);

} // namespace legacy_test
