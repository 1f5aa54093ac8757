#pragma once
// LoadUiTexts: fills the text table from a plain (deciphered) language file, one platform read
// per text, in table order. Sections and keys the file has beyond the table's are never read.
// Beside the table in texts/; start-up (app/) calls it.
#include "texts/UiTextTable.h"

// false for an empty path, with no text touched. Otherwise every text of `texts` becomes its
// value in the file, or empty when the file lacks it (a missing or unreadable file empties them
// all), and the result is true.
bool LoadUiTexts(const CString& path, UiTextTable& texts);

// The start-up form: fills g_uiTexts and, on success, points the core's two texts at it.
bool LoadUiTexts(const CString& path);
