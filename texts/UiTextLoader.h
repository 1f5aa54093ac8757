#pragma once
// LoadUiTexts: fills the text table from a plain (deciphered) language file, read and parsed once,
// in table order. Sections and keys the file has beyond the table's are never looked at.
// Beside the table in texts/; start-up (app/) calls it.
#include "texts/UiTextTable.h"

// false for an empty path, with no text touched. Otherwise every text of `texts` becomes its
// value in the file, or empty when the file lacks it; the result is true when at least one text
// was filled. A file that fills none (missing, unreadable, garbled, or no language file at all)
// gives false: a program without its texts cannot say anything to its user.
bool LoadUiTexts(const CString& path, UiTextTable& texts);

// The start-up form: fills g_uiTexts and, on success, points the core's two texts at it.
bool LoadUiTexts(const CString& path);
