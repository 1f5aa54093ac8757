#pragma once
// Fixtures of the skinned-control tests: a framework window that hosts controls the way a
// skinned window does (it hands their messages back to them and answers the resizing-point
// question) and records what they tell it, reading what a window shows, and the left
// mouse button held down for GetKeyState.
#include "Pixels.h"

#include "framework/Wnd.h"

#include <string>
#include <vector>

namespace skin_ui_test {

// A visible popup at the screen's top-left that hosts controls as their parent.
class ControlHost : public CWnd {
public:
    struct Scroll {
        UINT message;   // WM_HSCROLL or WM_VSCROLL
        WPARAM wParam;
        HWND from;
    };

    ControlHost(int w, int h);
    ~ControlHost() override;

    // Answered to WM_VXL_GETRESIZEPOINT while set (not (-1, -1)).
    POINT resizePoint{-1, -1};
    std::vector<Scroll> scrolls;
    std::vector<UINT> notifications;   // WM_NOTIFY codes, in order
    CString tipReplacement;            // when not empty: the text WM_VXL_LISTTIPTEXT puts in
    std::vector<std::wstring> tipTexts;   // the texts WM_VXL_LISTTIPTEXT offered

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

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
