#pragma once
// Resource.h beside the skin file: the table that gives every symbolic window and control
// id of the skin its number. It is read when a skin is opened and written anew, with
// fresh numbers, whenever the skin is saved.
#include "skin/model/ResourceIDList.h"

#include <string>

namespace Vexel {

class SkinStore;

// Empties the store's id table and fills it from the file at its resourceHPath, one pair
// per "#define" line in file order (duplicates kept). 0; -1 when the file cannot be
// opened, the table then staying empty.
int ReadResourceH(SkinStore& store);

// Numbers every id of the store's windows anew (BuildIDList), writes them to its
// resourceHPath through a temporary file and reads the file back. 0 when written; 1 when
// there is no id (nothing written); CheckFileWritable's -1 or -2 (read-only, after its
// message); -1 when the new file cannot be written or moved into place.
int WriteResourceH(SkinStore& store);

// Fills `list` with every id of the store's windows and their controls, numbered from
// 1000 in window-then-control order (see AddUniqueID). Returns 1.
int BuildIDList(const SkinStore& store, ResourceIDList& list);

// Offers `name` for numbering: appends (name, nextId) and advances nextId unless the name
// is null, empty, one of the system's standard dialog ids ("IDOK", "IDC_STATIC", ...) or
// already in the list (exact comparison). 1 when added, 0 when skipped.
int AddUniqueID(LPCWSTR name, int& nextId, ResourceIDList& list);

// Appends one "#define" line (ending CR LF) per pair to `lines`, in list order: the
// number starts in column 40, or one blank after a longer name. Names are written in the
// ANSI code page. Returns 1.
int FormatDefineLines(const ResourceIDList& list, std::string& lines);

} // namespace Vexel
