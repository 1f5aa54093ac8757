#pragma once
// Reading window and control records the way skinned windows and their controls do. None
// of these raises: a value of the wrong kind reads as its absent result, so a skin that
// holds a surprise never throws out of a window procedure or a factory.
#include "skin/model/CtrlProperties.h"

namespace Vexel {
namespace record_read {

// A switch: a non-zero VT_BOOL, or another value that converts to VARIANT_TRUE.
bool Switch(const CTRLPROPERTIES& record, int index);
// An integer, or `fallback` when the value holds none.
int Int(const CTRLPROPERTIES& record, int index, int fallback = 0);
// An enumeration value of `kind`, or -1.
int Enum(const CTRLPROPERTIES& record, int index, ValueKind kind);
// A point, or (-1, -1).
POINT Point(const CTRLPROPERTIES& record, int index);
// A rectangle, or (-1, -1, -1, -1).
RECT Rect(const CTRLPROPERTIES& record, int index);
// A text, empty when the value holds none.
CString Text(const CTRLPROPERTIES& record, int index);
// A colour, or 0xFFFFFFFF when the value holds none.
COLORREF Color(const CTRLPROPERTIES& record, int index);
// The font of a font value; `font` is left as it is when the value holds none.
void Font(const CTRLPROPERTIES& record, int index, LOGFONTW& font);

} // namespace record_read
} // namespace Vexel
