#pragma once
// Fixtures of the skinned-control tests: reading what a window shows, bitmaps of one
// colour, and the left mouse button held down for GetKeyState. (The parent a test puts
// its controls into is ControlParent.h's.)
#include "Pixels.h"

#include <windows.h>

namespace skin_ui_test {

// What the window shows at client (x, y), once it has painted what was pending.
COLORREF WindowPixel(HWND window, int x, int y);

// A w x h bitmap of one colour (the caller owns it).
HBITMAP SolidBitmap(int w, int h, COLORREF color);

// The left mouse button reads as held (GetKeyState) while the object lives.
class LeftButtonHeld {
public:
    LeftButtonHeld();
    ~LeftButtonHeld();
    LeftButtonHeld(const LeftButtonHeld&) = delete;
    LeftButtonHeld& operator=(const LeftButtonHeld&) = delete;

private:
    BYTE m_saved[256];
};

// A client point as mouse messages carry it.
inline LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

} // namespace skin_ui_test
