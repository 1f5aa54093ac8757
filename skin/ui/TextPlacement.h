#pragma once
// Where a control draws its caption inside its rectangle: the DrawText format bits and the
// rectangle, from the control's alignment codes and offsets (the skin's TextAlignment).
#include "framework/Gdi.h"

namespace Vexel {

// Alignment codes as the skin stores them: horizontal 1 left, 2 right, 3 centre; vertical
// 1 top, 2 bottom, 3 centre. A control maps its "Default" (0) to the code it means by it.
enum TextAlign : int {
    kTextDefault = 0,
    kTextNear = 1,     // left or top
    kTextFar = 2,      // right or bottom
    kTextCenter = 3,
};

// Moves the edges of `rect` by the offsets and adds to `format` what the alignments ask
// for: the far edge moves in by the offset of a far-aligned axis, the near edge in by the
// offset of any other. A caption of several lines (no DT_SINGLELINE in `format`) is
// measured on `dc` with `format` to centre or bottom-align it by its height, since
// DT_VCENTER and DT_BOTTOM act on single lines only. Any other code counts as near. The
// format to draw with is answered.
UINT PlaceText(CDC& dc, const CString& text, RECT& rect, UINT format, int horAlign, int verAlign, int horOffset,
               int verOffset);

// The room PlaceText leaves a text in `rect`: its edges moved by the offsets alone.
RECT TextRoom(RECT rect, int horAlign, int verAlign, int horOffset, int verOffset);

// The answer to WM_VXL_GETTEXTEXTENT for a text drawn with `format` (its ellipses left out:
// they hide what does not fit) in `room`, measured on `dc` with the control's font selected.
LRESULT TextExtentAnswer(CDC& dc, const CString& text, const RECT& room, UINT format, WPARAM which);

} // namespace Vexel
