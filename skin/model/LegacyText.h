#pragma once
// The pieces of a line of a legacy ".ui" skin: section headers, the type line that
// follows them and key=value lines. Every line is trimmed before it is looked at.
#include "framework/String.h"

namespace Vexel {

// A trimmed line that opens a section: its first character is "[".
bool IsLegacySectionHeader(const CString& line);

// The name of a section header: the text after "[", with trailing white space and then
// a trailing run of "]" removed ("[Dlg_OK]" gives "Dlg_OK").
CString LegacySectionName(const CString& header);

// A type line begins with exactly "Type=" (letter case counts); the type word is the
// rest with trailing white space removed, so "Type= X" gives " X". False for any other
// line.
bool LegacyTypeWord(const CString& line, CString& typeWord);

// Splits a key line at its first "=": the key is the text before it without trailing
// white space, the value the text up to a second "=" (or the line's end), trimmed. A
// value cannot hold "=": "Caption=a=b" gives "a". False for a line without "=".
bool SplitLegacyKeyLine(const CString& line, CString& key, CString& value);

} // namespace Vexel
