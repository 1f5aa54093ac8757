#pragma once
// A skinned window's own lengths on the screen. The window's background images are scaled
// from the skin's design DPI to the screen's as they load; its rectangles (client area),
// points (resizing point), title band and repeat strips are scaled here by the same factor,
// so the layout keeps to the images. Only the window's copy of its record is scaled: the
// skin's records keep their design values, and a skin written back holds what it was
// designed with.
#include "skin/model/UiWndProperties.h"
#include "skin/ui/DpiScaling.h"

namespace Vexel {

// Scales the window's own variables in `window`, a copy of the skin's record (its control
// records are the skin's: they are left alone). Nothing changes unless both design values
// are set. A value that cannot be written raises _com_error.
void ScaleWindowLengths(UIWNDPROPERTIES& window, const DpiPair& dpi);

} // namespace Vexel
