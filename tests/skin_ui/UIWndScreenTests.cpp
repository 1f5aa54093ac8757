// A skinned window of the test skin shown on the display, its pixels read back from the
// screen at a few known points.
#include "UIWndTestSupport.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kFrame = RGB(30, 60, 150);
constexpr COLORREF kBody = RGB(220, 200, 40);
constexpr COLORREF kBand = RGB(10, 140, 60);

// 60 x 40: a 2-pixel frame, a title band in rows 2..9, a body, and the top-left 4 x 4
// corner cut away by the mask colour.
COLORREF SkinBackground(int x, int y)
{
    if (x < 4 && y < 4)
        return kMagenta;
    if (x < 2 || y < 2 || x >= 58 || y >= 38)
        return kFrame;
    return y < 10 ? kBand : kBody;
}

COLORREF ScreenPixel(POINT at)
{
    const HDC screen = ::GetDC(nullptr);
    const COLORREF pixel = ::GetPixel(screen, at.x, at.y);
    ::ReleaseDC(nullptr, screen);
    return pixel;
}

TEST(UIWndScreen, AShownSkinnedWindowShowsItsStretchedBackground)
{
    WindowSkin skin;
    TestControlKinds kinds;
    UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_SCREEN", 3600);
    skin.SetImage(window, CtrlVar::BackgroundNormal, L"screen.bmp", 60, 40, &SkinBackground);
    SetSwitch(window, UiWndVar::IsResizing, true);
    SetSwitch(window, UiWndVar::IsUseMaskColor, true);
    SetPoint(window, UiWndVar::ResizingPoint, {30, 20});

    TestUIWnd wnd(3600);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    wnd.SetWindowPos(&CWnd::wndTopMost, 70, 50, 160, 100, SWP_SHOWWINDOW);
    wnd.Invalidate(FALSE);
    wnd.UpdateWindow();
    PumpPending();

    struct Probe {
        POINT client;
        COLORREF expected;
    };
    const Probe probes[] = {
        {{6, 1}, kFrame},      // the frame's top edge
        {{80, 5}, kBand},      // the title band, stretched across
        {{150, 5}, kBand},     // ... up to its right end
        {{80, 60}, kBody},     // the body, stretched both ways
        {{159, 99}, kFrame},   // the bottom-right corner, moved out by the growth
        {{0, 50}, kFrame},     // the left edge, stretched down
    };
    for (const Probe& p : probes) {
        POINT screen = p.client;
        wnd.ClientToScreen(&screen);
        EXPECT_EQ(ScreenPixel(screen), p.expected) << p.client.x << "," << p.client.y;
    }
    // The masked corner is not part of the window: the screen shows what lies behind it.
    POINT corner{1, 1};
    wnd.ClientToScreen(&corner);
    EXPECT_NE(ScreenPixel(corner), kMagenta);
    EXPECT_EQ(::WindowFromPoint(corner) == wnd.GetSafeHwnd(), false);
}

} // namespace
} // namespace skin_ui_test
