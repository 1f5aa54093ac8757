#pragma once
// Fixtures of the skinned-control tests: a skinned window that notes what its controls
// offer it and can take their drawing over, one-colour state images, the left mouse
// button as the controls read it, and what a control's window shows.
#include "UIWndTestSupport.h"

#include <vector>

namespace skin_ui_test {

// A w x h bitmap of one colour (the caller owns it).
HBITMAP Solid(COLORREF color, int w, int h);

// The left mouse button as GetKeyState sees it (posted and sent messages leave it alone).
void SetLeftButton(bool down);

// What the window shows at client (x, y), once it has painted what was pending.
COLORREF WindowPixel(HWND window, int x, int y);
// ... at (x, y) of the whole window, frame included, once it and its frame have painted.
COLORREF WholeWindowPixel(HWND window, int x, int y);
// What the client area shows, once painted, copied onto `canvas` at (0, 0).
void CopyClient(HWND window, Canvas& canvas);

// A client point as mouse messages carry it.
inline LPARAM At(int x, int y)
{
    return MAKELPARAM(x, y);
}

// A skinned window that notes what its controls offer it, may take their drawing over,
// and may hide its composed background so that only a control's own images show.
class ProbeWnd : public TestUIWnd {
public:
    using TestUIWnd::TestUIWnd;

    std::vector<COLORREF> textColors;   // the DC's text colour at each NM_VXL_DRAWTEXT
    std::vector<DRAWITEMSTRUCT> items;  // each WM_VXL_DRAWCHILDITEM
    LRESULT takeText = 0;               // the answers to those two
    LRESULT takeItem = 0;
    bool hideComposed = false;          // WM_VXL_GETBKDC answers 0

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Paints a control as its window composes it (WM_VXL_NOTIFYCHILD) onto a w x h canvas.
void PaintInto(CWnd& control, Canvas& canvas);

} // namespace skin_ui_test
