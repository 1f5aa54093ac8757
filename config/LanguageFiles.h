#pragma once
// The language files the program carries: six enciphered resources, written into the language
// folder as "<code>.txt" at start-up, one of which is deciphered into "<code>.INI" and read into
// the text table, after which all twelve files are deleted again.
#include "config/UiTextTable.h"
#include "framework/String.h"

#include <string>

struct LanguageFile {
    const wchar_t* code;  // the file name without extension, as stored in Options.Language
    int resourceId;       // of type kLanguageResourceType
};

// In resource order: English, French, Italian, Russian, Spanish, Portuguese.
extern const LanguageFile kLanguageFiles[6];
constexpr const wchar_t* kLanguageResourceType = L"LGFILE";
constexpr const wchar_t* kDefaultLanguageCode = L"SP_ENG";

// The code a stored language choice names, spelled as in kLanguageFiles (letter case is
// ignored). Any other text, the empty one included, gives English: only these six codes ever
// reach a file name.
CString LanguageCodeForFiles(const std::string& storedCode);

// Deciphers the enciphered file into a new plain file (replaced when it exists) with the
// program's fixed key, 8 bytes at a time; a last block shorter than 8 bytes gives nothing.
// false when the plain file cannot be created or written, or the enciphered one is missing,
// unreadable, empty or absurdly large.
bool DecipherLanguageFile(const CString& encipheredPath, const CString& plainPath);

// Deciphers "<folder><code>.txt" into "<folder><code>.INI" and loads `texts` from it; the code
// is LanguageCodeForFiles(storedCode) and folder ends with a backslash. false when the
// deciphering fails; else LoadUiTexts's result.
bool LoadLanguageFile(const CString& folder, const std::string& storedCode, UiTextTable& texts);
// The start-up form: fills g_uiTexts (and binds the core's texts to it).
bool LoadLanguageFile(const CString& folder, const std::string& storedCode);

// Deletes the six ".INI" and then the six ".txt" files from the folder (ending with a
// backslash); files that are missing or cannot be deleted are passed over.
void DeleteLanguageFiles(const CString& folder);
