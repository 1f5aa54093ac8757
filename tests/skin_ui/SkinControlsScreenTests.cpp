// A skinned window of a small XML skin with a push button, a check box, a radio button and
// a static, read through the skin reader and made by the registered control kinds, shown
// on the display: each control's own image is on the screen where the skin put it.
#include "ScreenSkin.h"
#include "UIWndTestSupport.h"

#include "skin/ui/factories/ControlKinds.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr COLORREF kWindowColor = RGB(90, 90, 90);
constexpr COLORREF kButtonColor = RGB(200, 30, 30);
constexpr COLORREF kCheckColor = RGB(30, 200, 30);
constexpr COLORREF kCheckedColor = RGB(30, 120, 30);
constexpr COLORREF kRadioColor = RGB(30, 30, 200);
constexpr COLORREF kStaticColor = RGB(220, 200, 40);

// Each control paints its own image (IsSpecifyImages), so it differs from the window's.
const char kControlsSkin[] =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<VexelUI>\r\n"
    "<Version Version=\"0700\" Build=\"4467\" ChangeList=\"4485\"/>\r\n"
    "<DPI LogPixelsX=\"96\" LogPixelsY=\"96\"/>\r\n"
    "<Windows>\r\n"
    "<Window>"
    "<ID Value=\"IDW_CONTROLS\"/>"
    "<IsLayeredWindow Value=\"false\"/>"
    "<IsAppWindow Value=\"false\"/>"
    "<BackgroundNormal RelativePath=\"window.bmp\"/>"
    "<Controls>"
    "<PUSHBUTTON><ID Value=\"IDC_BTN_OK\"/><Rect Location=\"10,10\" Size=\"40,20\"/>"
    "<IsSpecifyImages Value=\"true\"/><BackgroundNormal RelativePath=\"button.bmp\"/></PUSHBUTTON>"
    "<CHECK><ID Value=\"IDC_CHK_ON\"/><Rect Location=\"60,10\" Size=\"40,20\"/>"
    "<IsSpecifyImages Value=\"true\"/><BackgroundNormal RelativePath=\"check.bmp\"/>"
    "<BackgroundCheckedNormal RelativePath=\"checked.bmp\"/></CHECK>"
    "<RADIO><ID Value=\"IDC_RAD_ONE\"/><Rect Location=\"110,10\" Size=\"40,20\"/>"
    "<IsSpecifyImages Value=\"true\"/><BackgroundNormal RelativePath=\"radio.bmp\"/></RADIO>"
    "<STATIC><ID Value=\"IDC_TXT_NAME\"/><Rect Location=\"10,40\" Size=\"140,20\"/>"
    "<IsSpecifyImages Value=\"true\"/><BackgroundNormal RelativePath=\"static.bmp\"/></STATIC>"
    "</Controls>"
    "</Window>\r\n"
    "</Windows>\r\n"
    "</VexelUI>\r\n";

const char kControlsResourceH[] = "#define IDW_CONTROLS 3960\r\n#define IDC_BTN_OK 3961\r\n#define IDC_CHK_ON 3962\r\n"
                          "#define IDC_RAD_ONE 3963\r\n#define IDC_TXT_NAME 3964\r\n";

class SkinControlsScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterSkinControlKinds();
        const struct {
            LPCWSTR file;
            int w, h;
            COLORREF color;
        } kImages[] = {
            {L"window.bmp", 160, 70, kWindowColor},  {L"button.bmp", 40, 20, kButtonColor},
            {L"check.bmp", 40, 20, kCheckColor},     {L"checked.bmp", 40, 20, kCheckedColor},
            {L"radio.bmp", 40, 20, kRadioColor},     {L"static.bmp", 140, 20, kStaticColor},
        };
        for (const auto& image : kImages) {
            const COLORREF color = image.color;
            ASSERT_TRUE(skin.AddImage(image.file, image.w, image.h, [color](int, int) { return color; }));
        }
        ASSERT_EQ(skin.Open(kControlsSkin, kControlsResourceH), 0);
    }

    ScreenSkin skin;
};

TEST_F(SkinControlsScreen, AShownWindowShowsItsButtonsChecksRadiosAndStatics)
{
    TestUIWnd wnd(3960);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    ASSERT_EQ(wnd.GetChildControls().size(), 4u);
    ::CheckDlgButton(wnd, 3962, BST_CHECKED);
    // Topmost, near the far corner of the display, away from the other test programs'
    // windows.
    RECT work;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    wnd.SetWindowPos(&CWnd::wndTopMost, work.right - 160 - 260, work.bottom - 70 - 40, 0, 0,
                     SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();

    const struct {
        POINT client;
        COLORREF expected;
        const char* what;
    } kProbes[] = {
        {{12, 12}, kButtonColor, "push button"},   {{95, 25}, kCheckedColor, "checked check box"},
        {{130, 20}, kRadioColor, "radio button"},  {{20, 55}, kStaticColor, "static"},
        {{5, 5}, kWindowColor, "window"},          {{155, 35}, kWindowColor, "window between the controls"},
    };
    for (const auto& p : kProbes) {
        POINT screen = p.client;
        wnd.ClientToScreen(&screen);
        EXPECT_EQ(ScreenPixel(screen), p.expected) << p.what;
    }
}

} // namespace
} // namespace skin_ui_test
