// One factor for everything a window shows. A skin designed at 96 DPI, shown on screens of
// 96, 120 and 144 DPI: the window's background, its client area, resizing point and title
// band, its controls' rectangles and its fonts all scale alike, so the layout and the text
// keep to the images, while the skin's own records keep their design values; a control's own
// images stretch around its resizing point scaled with them. A legacy skin converted on such a
// screen is laid out the same way and written with its design values.
#include "ControlTestSupport.h"
#include "FakeSystem.h"
#include "UIWndTestSupport.h"

#include "skin/model/ButtonProperties.h"
#include "skin/model/EditProperties.h"
#include "skin/model/MiscControlProperties.h"
#include "skin/model/ResourceProperties.h"
#include "skin/model/SkinReader.h"
#include "skin/ui/RectCtrl.h"
#include "skin/ui/SkinFonts.h"
#include "skin/ui/SkinMessages.h"
#include "skin/ui/UIWndGeometry.h"
#include "skin/ui/UIWndScaling.h"
#include "skin/ui/controls/SkinButton.h"
#include "skin/ui/controls/SkinStatic.h"

#include "tests/support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <ole2.h>

#include <string>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kDpiWindowId = 3700;
constexpr int kScreenDpis[] = {96, 120, 144};

// Every design length below is a multiple of 4, so each scales exactly at 120 and 144 DPI.
struct Scale {
    int dpi;
    int operator()(int design) const { return design * dpi / 96; }
    RECT operator()(const RECT& r) const
    {
        return {(*this)(r.left), (*this)(r.top), (*this)(r.right), (*this)(r.bottom)};
    }
};

const ChildControlRecord* FindChild(const CUIWnd& wnd, LPCWSTR type)
{
    for (const ChildControlRecord& child : wnd.GetChildControls()) {
        if (std::wstring(child.type) == type)
            return &child;
    }
    return nullptr;
}

constexpr RECT kClientArea{8, 16, 152, 72};
constexpr POINT kResizingPoint{80, 40};
constexpr RECT kButton{8, 8, 64, 32};     // left of the resizing point
constexpr RECT kEdit{72, 44, 88, 60};     // across it: the left edge stays, the right follows
constexpr RECT kCombo{8, 48, 60, 68};
constexpr RECT kArea{92, 8, 152, 36};

class DpiConsistency : public ::testing::Test {
protected:
    void SetUp() override { skin.SetDesignDpi(96, 96); }

    UIWNDPROPERTIES& Window()
    {
        UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_DPI", kDpiWindowId);
        skin.SetImage(window, CtrlVar::BackgroundNormal, L"bk.bmp", 160, 80, &Grey);
        SetRect(window, UiWndVar::ClientArea, kClientArea);
        SetPoint(window, UiWndVar::ResizingPoint, kResizingPoint);
        SetNumber(window, UiWndVar::TitleBarHeight, 24);
        SetNumber(window, UiWndVar::XRepeatPixel, 4);
        skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_DPI", 3701, kButton);
        skin.AddControl<EDTPROPERTIES>(window, L"IDC_EDT_DPI", 3702, kEdit);
        skin.AddControl<CMBPROPERTIES>(window, L"IDC_CMB_DPI", 3703, kCombo);
        skin.AddControl<RECTPROPERTIES>(window, L"IDC_RECT_DPI", 3704, kArea);
        return window;
    }

    FakeSystem system;
    WindowSkin skin;
    TestControlKinds kinds;
};

TEST_F(DpiConsistency, AWindowsLengthsScaleWithItsBackground)
{
    const UIWNDPROPERTIES& design = Window();
    for (const int dpi : kScreenDpis) {
        SCOPED_TRACE("screen at " + std::to_string(dpi) + " DPI");
        system.screenDpi = SIZE{dpi, dpi};
        const Scale scale{dpi};
        TestUIWnd wnd(kDpiWindowId);
        ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));

        CRect window;
        wnd.GetWindowRect(&window);
        EXPECT_EQ(CSize(scale(160), scale(80)), window.Size());
        RECT area{};
        wnd.GetOrigRect(&area);
        EXPECT_EQ(Text(scale(kClientArea)), Text(area));
        EXPECT_EQ(scale(kResizingPoint.x), wnd.SendMessage(WM_VXL_GETRESIZEPOINT, kResizePointX));
        EXPECT_EQ(scale(kResizingPoint.y), wnd.SendMessage(WM_VXL_GETRESIZEPOINT, kResizePointY));
        EXPECT_EQ(scale(24), wnd.GetWindowProperties().GetVar(UiWndVar::TitleBarHeight).GetInt());
        EXPECT_EQ(scale(4), wnd.GetWindowProperties().GetVar(UiWndVar::XRepeatPixel).GetInt());

        // Windowed controls, and the kinds whose layout starts from the record.
        const ChildControlRecord* button = FindChild(wnd, L"PUSHBUTTON");
        const ChildControlRecord* combo = FindChild(wnd, L"COMBOBOX");
        const ChildControlRecord* placeholder = FindChild(wnd, L"RECT");
        ASSERT_TRUE(button && combo && placeholder);
        EXPECT_EQ(Text(scale(kButton)), Text(button->designRect));
        EXPECT_EQ(Text(scale(kButton)), Text(ChildRect(wnd, button->window->GetSafeHwnd())));
        EXPECT_EQ(Text(scale(kCombo)), Text(combo->designRect));
        EXPECT_EQ(Text(scale(kArea)), Text(placeholder->designRect));
        EXPECT_EQ(Text(scale(kArea)), Text(placeholder->placeholder->GetDesignRect()));

        // Growing the window: the edit box straddles the resizing point at every DPI.
        const ChildControlRecord* edit = FindChild(wnd, L"EDIT");
        ASSERT_TRUE(edit);
        wnd.SetWindowPos(nullptr, 0, 0, window.Width() + 30, window.Height(), SWP_NOMOVE | SWP_NOZORDER);
        RECT grown = scale(kEdit);
        grown.right += 30;
        EXPECT_EQ(Text(grown), Text(ChildRect(wnd, edit->window->GetSafeHwnd())));
        wnd.DestroyWindow();
    }

    // The skin's records were never touched: made again, or saved, they hold the design.
    EXPECT_EQ(Text(kClientArea), Text(design.GetVar(UiWndVar::ClientArea).GetRect()));
    EXPECT_EQ(kResizingPoint.x, design.GetVar(UiWndVar::ResizingPoint).GetPoint().x);
    EXPECT_EQ(24, design.GetVar(UiWndVar::TitleBarHeight).GetInt());
    EXPECT_EQ(4, design.GetVar(UiWndVar::XRepeatPixel).GetInt());
    EXPECT_EQ(Text(kButton), Text(design.Controls()[0]->GetVar(CtrlVar::Rect).GetRect()));
}

TEST_F(DpiConsistency, ASkinWithoutADesignDpiScalesNothing)
{
    skin.SetDesignDpi(-1, -1);
    Window();
    system.screenDpi = SIZE{144, 144};
    TestUIWnd wnd(kDpiWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    CRect window;
    wnd.GetWindowRect(&window);
    EXPECT_EQ(CSize(160, 80), window.Size());
    const ChildControlRecord* button = FindChild(wnd, L"PUSHBUTTON");
    ASSERT_TRUE(button);
    EXPECT_EQ(Text(kButton), Text(button->designRect));
    EXPECT_EQ(kResizingPoint.x, wnd.SendMessage(WM_VXL_GETRESIZEPOINT, kResizePointX));
}

TEST(UIWndScaling, BandsOfNoLengthStayAndStripsKeepAPixel)
{
    const DpiPair half = {{96, 96}, {48, 48}};
    const struct {
        int title, repeat;
        int scaledTitle, scaledRepeat;
    } kCases[] = {
        {-1, 1, -1, 1},   // the whole client is the title band; a strip never shrinks to nothing
        {0, 3, 0, 1},
        {24, 8, 12, 4},
    };
    for (const auto& c : kCases) {
        UIWNDPROPERTIES window;
        SetNumber(window, UiWndVar::TitleBarHeight, c.title);
        SetNumber(window, UiWndVar::XRepeatPixel, c.repeat);
        SetNumber(window, UiWndVar::YRepeatPixel, c.repeat);
        SetRect(window, UiWndVar::ClientArea, {8, 16, 152, 72});
        ScaleWindowLengths(window, half);
        EXPECT_EQ(c.scaledTitle, window.GetVar(UiWndVar::TitleBarHeight).GetInt()) << c.title;
        EXPECT_EQ(c.scaledRepeat, window.GetVar(UiWndVar::XRepeatPixel).GetInt()) << c.repeat;
        EXPECT_EQ(c.scaledRepeat, window.GetVar(UiWndVar::YRepeatPixel).GetInt()) << c.repeat;
        EXPECT_EQ("(4,8,76,36)", Text(window.GetVar(UiWndVar::ClientArea).GetRect()));
    }
    UIWNDPROPERTIES worded;   // a value that holds no number is left as it is
    SetText(worded, UiWndVar::TitleBarHeight, L"tall");
    ScaleWindowLengths(worded, half);
    EXPECT_STREQ(L"tall", worded.GetVar(UiWndVar::TitleBarHeight).GetString());
}

LONG Height(const CFont& font)
{
    LOGFONTW logFont{};
    font.GetLogFont(&logFont);
    return logFont.lfHeight;
}

TEST_F(DpiConsistency, FontsScaleByTheFactorOfTheImages)
{
    skin.AddFont(L"IDR_FONT_1", -12, L"Arial");
    BTNPROPERTIES button;
    SetText(button, CtrlVar::FontResN, L"IDR_FONT_1");
    SetText(button, CtrlVar::FontResD, L"IDR_FONT_404");   // unknown: the standard font
    CHKPROPERTIES check;
    SetText(check, CtrlVar::FontResN, L"IDR_FONT_1");
    SetSwitch(check, ToggleBtnVar::IsCNSameNFont, true);
    SetText(check, ToggleBtnVar::FontResCH, L"IDR_FONT_404");   // unknown: the Normal font
    SetSwitch(check, ToggleBtnVar::IsCHSameNFont, false);
    const LOGFONTW screenFallback = [] {
        LOGFONTW font = DefaultSkinFont();
        font.lfHeight = -40;
        return font;
    }();

    for (const int dpi : kScreenDpis) {
        SCOPED_TRACE("screen at " + std::to_string(dpi) + " DPI");
        system.screenDpi = SIZE{dpi, dpi};
        const LONG expected = -Scale{dpi}(12);
        CFont normal, disabled;
        CreateTwoStateFonts(&button, &normal, &disabled);
        EXPECT_EQ(expected, Height(normal));
        EXPECT_EQ(expected, Height(disabled));

        // The Normal font is the fallback of the checked states, and is not scaled twice.
        CFont n, h, s, d, cn, ch, cs, cd;
        CreateEightStateFonts(&check, &n, &h, &s, &d, &cn, &ch, &cs, &cd);
        EXPECT_EQ(expected, Height(n));
        EXPECT_EQ(expected, Height(cn));
        EXPECT_EQ(expected, Height(ch));

        // A fallback handed in is a font for the screen already; a resource is scaled.
        CFont byId, fallback;
        CreateFontFromID(L"IDR_FONT_1", &screenFallback, &byId, FALSE);
        CreateFontFromID(L"IDR_FONT_404", &screenFallback, &fallback, FALSE);
        EXPECT_EQ(expected, Height(byId));
        EXPECT_EQ(-40, Height(fallback));
    }
    LOGFONTW stored{};
    ASSERT_TRUE(FindSkinFont(L"IDR_FONT_1", stored));
    EXPECT_EQ(-12, stored.lfHeight) << "the skin keeps the design height";
}

// An 8 x 4 image of two columns A, the column B the skin repeats (resizing point x 2) and
// columns C, on a screen of 192 DPI: loaded at 16 x 8, shown in a control of 32 x 8 (16 x 4 as
// designed). Stretched around the point scaled with the image, the four columns of A stay
// whole and B fills the middle.
TEST_F(DpiConsistency, ControlsStretchTheirOwnImagesAroundTheirResizingPointScaledWithThem)
{
    constexpr COLORREF kA = RGB(200, 0, 0);
    constexpr COLORREF kB = RGB(0, 200, 0);
    constexpr COLORREF kC = RGB(0, 0, 200);
    const ColorRule strip = [](int x, int) { return x < 2 ? kA : x == 2 ? kB : kC; };
    const ColorRule stretched = [](int x, int) { return x < 4 ? kA : x < 22 ? kB : kC; };
    constexpr RECT kShown{0, 0, 32, 8};
    system.screenDpi = SIZE{192, 192};
    UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_POINTS", 3710);
    skin.SetImage(window, CtrlVar::BackgroundNormal, L"points.bmp", 80, 40, &Grey);
    ProbeWnd parent{3710};
    ASSERT_TRUE(parent.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 0));

    TXTPROPERTIES labelRecord;
    SetText(labelRecord, CtrlVar::Type, L"STATIC");
    BTNPROPERTIES buttonRecord;
    SetText(buttonRecord, CtrlVar::Type, L"PUSHBUTTON");
    CTRLPROPERTIES* const records[] = {&labelRecord, &buttonRecord};
    for (CTRLPROPERTIES* record : records) {
        SetSwitch(*record, CtrlVar::IsCanBackgroundChange, true);
        SetSwitch(*record, CtrlVar::IsSpecifyImages, true);
        skin.SetImage(*record, CtrlVar::BackgroundNormal, L"strip.bmp", 8, 4, strip);
        SetPoint(*record, CtrlVar::ResizingPoint, POINT{2, 1});
    }

    CSkinStatic label;
    ASSERT_TRUE(label.Create(L"", WS_VISIBLE | SS_NOTIFY, kShown, &parent, 3711));
    ASSERT_EQ(0, label.ApplyProperties(&labelRecord));
    Canvas labelCanvas(32, 8);
    PaintInto(label, labelCanvas);
    EXPECT_EQ("", CompareArea(labelCanvas, 0, 0, 32, 8, stretched)) << "static";

    CSkinButton button;
    ASSERT_TRUE(button.Create(L"", WS_VISIBLE | BS_PUSHBUTTON, kShown, &parent, 3712));
    ASSERT_EQ(0, button.ApplyPushButtonProperties(&buttonRecord));
    Canvas buttonCanvas(32, 8);
    PaintInto(button, buttonCanvas);
    EXPECT_EQ("", CompareArea(buttonCanvas, 0, 0, 32, 8, stretched)) << "push button";
}

// --- A legacy skin converted on a 144 DPI screen -----------------------------------

std::string Utf16File(const std::wstring& text)
{
    std::string bytes = "\xFF\xFE";
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    return bytes;
}

TEST_F(DpiConsistency, AConvertedLegacySkinIsLaidOutAtTheScreenDpiAndWrittenAsDesigned)
{
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    system.screenDpi = SIZE{144, 144};
    const std::wstring legacy = skin.Path(L"old.ui");
    ASSERT_TRUE(lumeo_test::WriteFileBytes(
        legacy, Utf16File(L"[Settings]\r\nLogPixelsX=96\r\nLogPixelsY=96\r\n"
                          L"[Old]\r\nType=Window\r\nIDs=Old\r\nBkN=old.bmp\r\nTitleBarHeight=24\r\n"
                          L"ResizingPtX=80\r\nResizingPtY=40\r\n"
                          L"[Old_Edit]\r\nType=EDIT\r\nIDs=IDC_EDT_OLD\r\nRect=8,8,64,32\r\n")));
    ASSERT_TRUE(WriteBmp(skin.Path(L"old.bmp"), 160, 80, &Grey));
    {
        lumeo_test::ScriptedPrompts prompts(IDYES);
        ASSERT_EQ(0, OpenSkin(legacy.c_str(), 1));
        EXPECT_EQ(1u, prompts.Prompts().size());
    }
    const Scale scale{144};
    {
        TestUIWnd wnd(g_skinStore.GetIDByName(L"Old"));   // numbered as the converted skin was saved
        ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
        CRect window;
        wnd.GetWindowRect(&window);
        EXPECT_EQ(CSize(scale(160), scale(80)), window.Size());
        const ChildControlRecord* edit = FindChild(wnd, L"EDIT");
        ASSERT_TRUE(edit);
        EXPECT_EQ(Text(scale(RECT{8, 8, 64, 32})), Text(ChildRect(wnd, edit->window->GetSafeHwnd())));
        EXPECT_EQ(scale(80), wnd.SendMessage(WM_VXL_GETRESIZEPOINT, kResizePointX));
        EXPECT_EQ(scale(24), wnd.GetWindowProperties().GetVar(UiWndVar::TitleBarHeight).GetInt());
    }

    const std::string xui = lumeo_test::ReadFileBytes(skin.Path(L"old.xui"));
    EXPECT_NE(std::string::npos, xui.find("<DPI LogPixelsX=\"96\" LogPixelsY=\"96\"/>"));
    EXPECT_NE(std::string::npos, xui.find("<Rect Size=\"56,24\" Location=\"8,8\"/>"));
    EXPECT_NE(std::string::npos, xui.find("<ResizingPoint X=\"80\" Y=\"40\"/>"));
    EXPECT_NE(std::string::npos, xui.find("<TitleBarHeight Value=\"24\"/>"));
    ::OleUninitialize();
}

} // namespace
} // namespace skin_ui_test
