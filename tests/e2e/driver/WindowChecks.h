#pragma once
// What a user must never meet in a window of the running program, checked from the test's
// side of the process boundary. Each check answers one line per fault, empty when the window
// passes:
//   - a top-level window without a title (its taskbar button and Alt+Tab entry are blank);
//   - a push button without text, unless it is one that shows a picture instead;
//   - a text that needs more room than its control gives it, measured by the control itself
//     with its own font and the way it draws (WM_VXL_GETTEXTEXTENT: one line, or wrapped to
//     its width); a button's caption also keeps a margin from the button's edges;
//   - a large solid-black area in the window's picture that its skin background lacks.
#include "tests/support/PngWriter.h"

#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace e2e {

// What a button's caption keeps free at its left and right edge.
constexpr int kCaptionMargin = 4;
// A black square at least this wide is a large black area.
constexpr int kBlackSide = 10;

std::vector<std::wstring> UntitledWindowFaults(HWND window);
// `pictureButtons`: ids of push buttons that show a picture and no text.
std::vector<std::wstring> BlankButtonFaults(HWND window, const std::set<int>& pictureButtons);
std::vector<std::wstring> ClippedTextFaults(HWND window);
// `background`: the window's skin background image; an empty one has no black in it.
std::vector<std::wstring> BlackAreaFaults(const lumeo_test::RgbImage& picture,
                                          const lumeo_test::RgbImage& background);

// The top-left corner of the first solid-black square of kBlackSide in `image`, and the
// number of such squares; {-1, -1} and 0 when there is none.
struct BlackArea {
    POINT corner{-1, -1};
    int squares = 0;
};
BlackArea FindBlackArea(const lumeo_test::RgbImage& image);

// The background image the skin file `skinFile` gives window `skinId` (read from the bitmap
// beside the skin file); empty when it cannot be read.
lumeo_test::RgbImage SkinBackground(const std::wstring& skinFile, const std::wstring& skinId);

} // namespace e2e
