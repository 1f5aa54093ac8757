#pragma once
// The popup-menu window class of the program: the system's "#32768" class registered again
// under the program's own module with SkinMenuWindowProc, so that the popups our threads
// open are ours to frame. While a CSkinMenu is tracked the procedure takes the 3-D frame
// off its popups (a flat or no border, by the menu's style), draws the flat outline and
// lets a menu bar switch menus; every other popup, and every other message, goes to the
// system's own procedure.
#include <windows.h>

namespace Vexel {

// Registers the class once per process, after the skin is open. 1 when it was registered;
// 0 when the system class cannot be read, registration fails, or it was done already.
int RegisterSkinMenuClass();

// A popup's styles once its 3-D frame is off: Flat takes the dialog frame away, None the
// border as well; Normal keeps both. `removed` is how much narrower and lower the window
// must be made for the same client area (zero where the system's popups have no frame).
struct PopupFrame {
    DWORD style;
    DWORD exStyle;
    SIZE removed;
};
PopupFrame FlattenPopupFrame(DWORD style, DWORD exStyle, int borderStyle);

// The registered class's window procedure.
LRESULT CALLBACK SkinMenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace Vexel
