#pragma once
// Import of a legacy ".ui" skin: a line-based file of [sections] with key=value lines,
// ANSI or UTF-16LE. Every window section becomes a UIWNDPROPERTIES record in the staging
// window list, every control section a record of its kind attached to its window, and
// the fonts and colours the controls name become resources in the staging font and colour
// lists. The caller moves the staging lists into the skin store.
//
// The import is not re-entrant: it keeps its state in the process-wide importer state
// (SkinGlobals.h).
#include "framework/String.h"
#include "skin/model/CtrlProperties.h"
#include "skin/model/RecordOwners.h"

#include <memory>
#include <vector>

namespace Vexel {

// Import results.
enum : int {
    kLegacyImportOk = 0,
    kLegacyImportMissing = 200,     // no file at the path
    kLegacyImportUnreadable = -1,   // the file exists but cannot be opened or read
};

// Imports the legacy skin at `path`, absolute or relative to the program's folder (a
// path without ":"). A missing file empties the importer's path and changes no list.
int ImportLegacySkin(LPCWSTR path);

// Reads the file the importer's path names into the file copy and walks its sections.
// Every import starts with empty staging lists; the font, colour and header numbers count
// on across imports.
int ParseLegacySkin();

// Appends a control record to the first window whose id equals the section name's text
// before its first "_" (an empty text for a name without "_"), exactly. With no such
// window the record is freed and false returned.
bool AttachLegacyControl(std::vector<WindowRecordPtr>& windows, const CString& sectionName,
                         std::unique_ptr<CTRLPROPERTIES> record);

} // namespace Vexel
