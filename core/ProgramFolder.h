#pragma once
// The folder of the running program, with a trailing backslash: the root of every file the
// program writes beside itself (skin, language files, recordings). Tests point it elsewhere.
#include "framework/String.h"

CString GetProgramFolder();

// What answers GetProgramFolder; null puts the real one (the module's folder) back.
using ProgramFolderSource = CString (*)();
// Installs `source` and answers the one it replaces.
ProgramFolderSource SetProgramFolderSource(ProgramFolderSource source);
