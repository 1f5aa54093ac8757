#pragma once
// The language file of the chosen language: deciphered from the enciphered copy that start-up
// wrote into Language\Lumeo, read into the UI text table, and both copies deleted again.
#include "framework/String.h"

#include <string>

// Reads the texts of a deciphered language file (an INI file); true when they were read.
using UiTextLoader = bool (*)(const CString& iniPath);

// The language code a stored choice names, spelled as the files are ("SP_ENG", "SP_FRE",
// "SP_ITA", "SP_RUS", "SP_SPA", "SP_POR"; letter case is ignored). Any other text, the empty
// one included, gives "SP_ENG": only these six codes ever reach a file name.
CString LanguageCodeForFiles(const std::string& storedCode);

// Deciphers Language\Lumeo\<code>.txt into <code>.INI, where the code is
// LanguageCodeForFiles of the options' Language, and hands the .INI to `loadTexts`. False when the plain
// file cannot be made, the enciphered one cannot be opened or read or is cut short (it ends inside a
// cipher block, or is shorter than the program's own copy), or the loader fails.
bool LoadLanguageFile(UiTextLoader loadTexts);
// Deletes the six .INI and six .txt files of the language folder; failures are ignored.
void DeleteLanguageFiles();
