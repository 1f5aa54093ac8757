#pragma once
// The folder of the running program, with a trailing backslash: the root of every file the
// program writes beside itself (skin, language files, recordings). It is the system table's
// answer (framework/SystemAnswers.h), so tests point it elsewhere.
#include "framework/String.h"

CString GetProgramFolder();
