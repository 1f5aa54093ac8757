#pragma once
// Where a single-line edit shows its line of text inside its box, read from the edit itself:
// the top of its first character (EM_POSFROMCHAR) and that top plus the height of the
// edit's font, in the coordinates of the whole window, frame and any non-client band
// included.
#include <windows.h>

namespace lumeo_test {

struct EditLine {
    int top = 0;         // 0: the box's top edge
    int bottom = 0;      // top + the font's height
    int boxHeight = 0;   // the window's height
    int SpaceAbove() const { return top; }
    int SpaceBelow() const { return boxHeight - bottom; }
};

// False for an edit with no text (it has no first character to place) or no window.
bool LineOfEdit(HWND edit, EditLine* line);

} // namespace lumeo_test
