#pragma once
// The language file of the chosen language: deciphered from the enciphered copy that start-up
// wrote into Language\Lumeo, read into the UI text table, and both copies deleted again.
#include "framework/String.h"

// Reads the texts of a deciphered language file (an INI file); true when they were read.
using UiTextLoader = bool (*)(const CString& iniPath);

// Deciphers Language\Lumeo\<code>.txt into <code>.INI, where the code is the options'
// Language ("SP_ENG" when empty), and hands the .INI to `loadTexts`. False when the plain
// file cannot be made, the enciphered one cannot be opened or read, or the loader fails.
bool LoadLanguageFile(UiTextLoader loadTexts);
// Deletes the six .INI and six .txt files of the language folder; failures are ignored.
void DeleteLanguageFiles();
