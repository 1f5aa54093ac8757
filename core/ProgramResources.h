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
// untouched. Stops quietly at the first skin file or language file that is missing or
// cannot be written: a missing skin shows later, when it is opened.
void WriteProgramResources();
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
