#pragma once
// The program skin's scroll-bar images, as the contacts and history pages dress their bars.

// The length of the arrow button at each end of the ScrollBar_*.bmp track images.
constexpr int kScrollArrowLength = 19;
