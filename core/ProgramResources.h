#pragma once
// The files Lumeo carries inside itself and writes beside itself at every start: the skin
// (the.xui, its Resource.h and the skin bitmaps) into Skins\Lumeo, the enciphered language
// files into Language\Lumeo; and the opening of that skin.
#include "framework/String.h"

#include <windows.h>

#include <array>

struct SkinBitmapFile {
    UINT id;             // bitmap resource
    const wchar_t* file; // name in the skin folder
};

// Every skin bitmap, in the order start-up writes them.
const std::array<SkinBitmapFile, 80>& SkinBitmapFiles();

// <program>\Skins\Lumeo\ and <program>\Language\Lumeo\ (trailing backslash).
CString SkinFolder();
CString LanguageFolder();

// Creates Skins, Skins\Lumeo, Skins\Lumeo\avatars, Language and Language\Lumeo, saves every
// skin bitmap, then writes Resource.h, the.xui and the six language files as they are
// stored; existing files are replaced, but one that already holds those very bytes is left
// untouched; when Skins\Lumeo.written shows that this program wrote the skin folder and no
// file of it changed since, the skin folder is left without a look (WrittenFiles.h). The
// language files are written whatever became of the skin files. Answers the
// path of the first skin file (Resource.h, then the.xui) that the program lacks or that
// cannot be written, so start-up can name it; empty when both are in place. A language file
// that cannot be written shows when the language is loaded.
CString WriteProgramResources();
// Writes the six LGFILE resources into `folder` (with a trailing backslash) as <code>.txt,
// stopping at the first that is missing, empty or cannot be written.
void WriteLanguageResources(const CString& folder);
// The size of the program's own enciphered language file of `code` ("SP_ENG" ...), found
// without reading it; 0 when the program carries none of that code.
DWORD LanguageResourceSize(const CString& code);
// Creates <program>\RecordFiles; always true.
bool CreateRecordFolder();

// Opens <program>\Skins\Lumeo\the.xui. On success `registerMenuClass` (when given) makes
// the skinned popup menus ready and the answer is true; on any failure the database is
// closed and the answer is false.
using SkinMenuClassRegistration = bool (*)();
bool LoadSkin(SkinMenuClassRegistration registerMenuClass);
