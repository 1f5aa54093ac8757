#pragma once
// The full path of a loaded module, however long the folder it lies in: the buffer grows until
// the whole path fits.
#include "framework/String.h"

#include <windows.h>

// Empty when the system cannot tell it.
CString ModuleFilePath(HMODULE module);

// The folder of that path with its trailing backslash; empty when there is none.
CString ModuleFolder(HMODULE module);
