#pragma once
// The shell's folder chooser. The chooser itself is asked of the system table
// (framework/SystemAnswers.h, BrowseForFolder): SHBrowseForFolderW, unless a test's table
// answers; it sees the BROWSEINFOW as the shell would and answers as the shell does, with an
// item list from the shell's allocator for the chosen folder, or null for Cancel.
#include "framework/String.h"

#include <windows.h>
#include <shlobj.h>

// Asks for a folder under the desktop, with `owner`, `title` and BIF_* `flags`. TRUE with
// the folder's file-system path in `path`; FALSE, leaving `path` as it was, on Cancel or
// for a folder that has no such path (a virtual folder). The shell's item list for the
// choice is freed here. COM must be started on the thread (AfxOleInit).
BOOL AfxBrowseForFolder(HWND owner, LPCWSTR title, UINT flags, CString& path);
