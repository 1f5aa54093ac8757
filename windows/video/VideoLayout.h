#pragma once
// The video window's geometry: the 450 : 390 shape it keeps whatever the user drags, and
// where the large render area goes for the chosen video format. Pure functions, so the
// window's handlers stay thin and the rules can be checked without a window.
#include <windows.h>

// The height that goes with `width` (integer arithmetic, truncated).
int VideoWindowHeightFor(int width);

// The large render area for a window whose own rectangle (in its client coordinates) is
// `window`, with `resolutionRow` the options' video resolution row (0..5): as tall as the
// window less its title band and button bar, as wide as the row's frame shape gives, centred
// and just below the title band. False, with `area` untouched, for any other row.
bool RemoteVideoArea(const RECT& window, int resolutionRow, RECT& area);
