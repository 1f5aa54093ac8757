#pragma once
// Contact icons kept for the life of the process: a book shows a handful of avatar files, and
// under Wine loading one costs milliseconds (the file's open, read and the icon's making), so
// each sign-in after the first, and every contact edit, finds them made. A file is kept by
// its path together with its size and last write time, so an avatar written again is loaded
// again.
#include "windows/contacts/ContactItemData.h"

#include <string>

// The icon of the file at `path` (ANSI) at the file's own size, shared with every other holder
// of the same file; null when it cannot be loaded (nothing is kept then).
OwnedIcon KeptContactIcon(const std::string& path);
