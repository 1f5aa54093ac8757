#pragma once
// What the legacy skin importer keeps between its steps: the file it reads, the records
// it has made so far and the numbers of the resource ids it made. One process-wide
// instance (SkinGlobals.h); the import is not re-entrant.
#include "framework/String.h"
#include "skin/model/MemStdioFile.h"
#include "skin/model/RecordOwners.h"
#include "skin/model/SliderProperties.h"
#include "skin/model/TreeProperties.h"

#include <vector>

namespace Vexel {

struct LegacyImportState {
    CString legacyFilePath;                     // the ".ui" file; emptied when it is missing
    CMemStdioFile legacyText;                   // its whole text while it is imported
    std::vector<WindowRecordPtr> stagedWindows; // windows in file order, controls attached
    std::vector<FontRecordPtr> stagedFonts;     // font resources the import made
    std::vector<ColorRecordPtr> stagedColors;   // colour resources the import made
    int designDpiX = -1;                        // LogPixelsX and LogPixelsY of the Settings
    int designDpiY = -1;                        // section; -1 when not given
    // The last number used in a made id ("IDR_FONT_<n>"); the XML reader counts on with
    // the same font and colour numbers.
    unsigned fontNumber = 0;
    unsigned colorNumber = 0;
    unsigned headerNumber = 0;
};

} // namespace Vexel
