#pragma once
// Path and file helpers of the skin file reader and writer.
#include "framework/String.h"

namespace Vexel {

// The loaded skin file's name without folder and extension; empty when none is set.
CString GetSkinFileTitle();

// The extension of the path's file name as the C library splits it ("C:\a\skin.xui" gives
// ".xui"); without `keepDot` a leading "." is dropped. Empty when there is none.
CString GetFileExtension(LPCWSTR path, BOOL keepDot);

// The path without its last component, always ending in a backslash (an empty folder
// becomes "\"). Returns nonzero when a component was removed.
BOOL GetFileFolder(LPCWSTR path, CString& folder);

// A skin path as the readers take it: one holding a ":" stands as it is; any other is
// taken from the program's folder.
CString ResolveSkinPath(LPCWSTR path);

// Makes sure the file at `path` can be written before it is saved: 0 when it can (a
// missing file is created empty); -1 when it cannot be created; -2 when it is read-only,
// after telling the user so in a message box.
int CheckFileWritable(LPCWSTR path);

} // namespace Vexel
