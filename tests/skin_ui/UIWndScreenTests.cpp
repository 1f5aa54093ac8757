// A skinned window of a small XML skin, read through the skin reader, shown on the
// display, and its pixels read back from the screen at a few known points.
#include "ScreenSkin.h"
#include "UIWndTestSupport.h"

#include "skin/ui/RectCtrl.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

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

// The skin: one window of the background above, stretched around (30, 20) and cut by
// the mask colour, with a placeholder.
const char kSkin[] =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<VexelUI>\r\n"
    "<Version Version=\"0700\" Build=\"4467\" ChangeList=\"4485\"/>\r\n"
    "<DPI LogPixelsX=\"96\" LogPixelsY=\"96\"/>\r\n"
    "<Windows>\r\n"
    "<Window>"
    "<ID Value=\"IDW_SCREEN\"/>"
    "<IsLayeredWindow Value=\"false\"/>"
    "<IsAppWindow Value=\"false\"/>"
    "<BackgroundNormal RelativePath=\"screen.bmp\"/>"
    "<IsUseMaskColor Value=\"true\"/>"
    "<IsResizing Value=\"true\"/>"
    "<ResizingPoint X=\"30\" Y=\"20\"/>"
    "<Controls>"
    "<RECT><ID Value=\"IDC_RECT_BODY\"/><Rect Location=\"10,12\" Size=\"40,20\"/></RECT>"
    "</Controls>"
    "</Window>\r\n"
    "</Windows>\r\n"
    "</VexelUI>\r\n";

const char kResourceH[] = "#define IDW_SCREEN 3600\r\n#define IDC_RECT_BODY 3601\r\n";

class UIWndScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(skin.AddImage(L"screen.bmp", 60, 40, &SkinBackground));
        ASSERT_EQ(skin.Open(kSkin, kResourceH), 0);
    }

    ScreenSkin skin;
    TestControlKinds kinds;
};

TEST_F(UIWndScreen, AShownSkinnedWindowShowsItsStretchedBackground)
{
    TestUIWnd wnd(3600);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    // Topmost, near the far corner of the display, where the other test programs that
    // share the display during a test run put no windows of theirs.
    RECT work;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    wnd.SetWindowPos(&CWnd::wndTopMost, work.right - 160 - 40, work.bottom - 100 - 40, 160, 100,
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
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
        ASSERT_EQ(::WindowFromPoint(screen), wnd.GetSafeHwnd()) << "covered at " << p.client.x << "," << p.client.y;
        EXPECT_EQ(ScreenPixel(screen), p.expected) << p.client.x << "," << p.client.y;
    }
    // The masked corner is not part of the window: the screen shows what lies behind it.
    POINT corner{1, 1};
    wnd.ClientToScreen(&corner);
    EXPECT_NE(ScreenPixel(corner), kMagenta);
    EXPECT_NE(::WindowFromPoint(corner), wnd.GetSafeHwnd());

    // The skin's placeholder came along and follows the layout.
    CRectCtrl* body = wnd.GetRectCtrl(3601);
    ASSERT_NE(body, nullptr);
    RECT rect;
    body->GetRect(rect);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 12);
    EXPECT_EQ(rect.right, 150);
    EXPECT_EQ(rect.bottom, 92);
}

} // namespace
} // namespace skin_ui_test
