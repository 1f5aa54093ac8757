#pragma once
// What the section readers of one legacy skin import work with: the file copy they read
// lines from, its encoding and the importer's state (staging lists, id numbers, design
// DPI). The header and scroll-bar style records that list-control and SCROLLBAREX sections
// make are kept here and freed when the import ends: nothing in the converted skin refers
// to them.
#include "skin/model/LegacyImportState.h"
#include "skin/model/MemStdioFile.h"
#include "skin/model/SliderProperties.h"
#include "skin/model/TreeProperties.h"

#include <memory>
#include <vector>

namespace Vexel {

struct LegacyImportContext {
    LegacyImportContext(CMemStdioFile& text, bool wideText, LegacyImportState& state)
        : text(text), wideText(wideText), state(state)
    {
    }

    CMemStdioFile& text;            // the whole file, read line by line
    const bool wideText;            // UTF-16: fonts are written as LOGFONTW
    LegacyImportState& state;

    std::vector<std::unique_ptr<HEADERPROPERTIES>> headers;
    std::vector<std::unique_ptr<HORSBPROPERTIES>> horizontalScrollBars;
    std::vector<std::unique_ptr<VERSBPROPERTIES>> verticalScrollBars;
};

} // namespace Vexel
