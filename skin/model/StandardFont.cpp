#include "skin/model/StandardFont.h"

namespace Vexel {

const LOGFONTW& GetStandardFont()
{
    static const LOGFONTW font = {
        -12,                // lfHeight
        0,                  // lfWidth
        0,                  // lfEscapement
        0,                  // lfOrientation
        FW_NORMAL,          // lfWeight (400)
        FALSE,              // lfItalic
        FALSE,              // lfUnderline
        FALSE,              // lfStrikeOut
        ANSI_CHARSET,       // lfCharSet (0)
        OUT_STROKE_PRECIS,  // lfOutPrecision (3)
        CLIP_STROKE_PRECIS, // lfClipPrecision (2)
        DRAFT_QUALITY,      // lfQuality (1)
        VARIABLE_PITCH | FF_SWISS, // lfPitchAndFamily (0x22)
        L"Tahoma",
    };
    return font;
}

} // namespace Vexel
