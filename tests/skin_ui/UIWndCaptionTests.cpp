// A skinned window without a system caption: the skin's own close, minimise and maximise
// buttons, dragging by the title band, and popup-menu items without a handler.
#include "UIWndTestSupport.h"

#include "skin/model/ButtonProperties.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kCaptionWindowId = 3100;
constexpr int kCloseId = 1101;
constexpr int kMinimizeId = 1102;
constexpr int kMaximizeId = 1103;

class UIWndCaption : public ::testing::Test {
protected:
    UIWNDPROPERTIES& Window(bool withMaximizeBox = true)
    {
        UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_CAPTION", kCaptionWindowId);
        skin.SetImage(window, CtrlVar::BackgroundNormal, L"bk.bmp", 200, 120, &Grey);
        BTNPROPERTIES& close = skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_CLOSE", kCloseId, {170, 2, 190, 18});
        SetEnum(close, BtnVar::ButtonType, ValueKind::ButtonType, 2);
        BTNPROPERTIES& minimize =
            skin.AddControl<BTNPROPERTIES>(window, L"IDC_BTN_MIN", kMinimizeId, {130, 2, 150, 18});
        SetEnum(minimize, BtnVar::ButtonType, ValueKind::ButtonType, 1);
        if (withMaximizeBox) {
            CHKPROPERTIES& maximize =
                skin.AddControl<CHKPROPERTIES>(window, L"IDC_CHK_MAX", kMaximizeId, {150, 2, 170, 18});
            SetEnum(maximize, ChkVar::CheckBoxType, ValueKind::CheckBoxType, 1);
        }
        return window;
    }

    static void Click(CWnd& wnd, int id)
    {
        wnd.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(wnd, id)));
    }

    WindowSkin skin;
    TestControlKinds kinds;
};

// A window that deletes itself once its window is gone, as non-modal windows do.
class OwnedByItself : public TestUIWnd {
public:
    OwnedByItself(bool* deleted) : TestUIWnd(kCaptionWindowId), m_deleted(deleted) {}
    ~OwnedByItself() override { *m_deleted = true; }

protected:
    void PostNcDestroy() override { delete this; }

private:
    bool* m_deleted;
};

TEST_F(UIWndCaption, CloseBoxOfANonModalWindowClosesIt)
{
    Window();
    bool deleted = false;
    auto* wnd = new OwnedByItself(&deleted);
    ASSERT_TRUE(wnd->Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    const HWND hwnd = wnd->GetSafeHwnd();
    // The click's own handling runs while the window goes and the object with it.
    Click(*wnd, kCloseId);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_TRUE(deleted);
}

TEST_F(UIWndCaption, CloseBoxOfAModalWindowEndsTheDialogWithItsId)
{
    Window();
    TestUIWnd wnd(kCaptionWindowId);
    wnd.initDialogAction = [](TestUIWnd& self) {
        self.PostMessage(WM_COMMAND, MAKEWPARAM(kCloseId, BN_CLICKED),
                         reinterpret_cast<LPARAM>(::GetDlgItem(self, kCloseId)));
    };
    EXPECT_EQ(wnd.DoModal(), kCloseId);

    // The modal flag went with the run: used again as a plain window, the close box
    // closes the window instead of ending a dialog.
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    Click(wnd, kCloseId);
    EXPECT_EQ(wnd.GetSafeHwnd(), nullptr);
}

TEST_F(UIWndCaption, MinimizeBoxMinimizes)
{
    Window();
    TestUIWnd wnd(kCaptionWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    Click(wnd, kMinimizeId);
    EXPECT_TRUE(wnd.IsIconic());
}

TEST_F(UIWndCaption, MaximizeBoxTogglesAndFollowsTheWindowState)
{
    Window();
    TestUIWnd wnd(kCaptionWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    const HWND box = ::GetDlgItem(wnd, kMaximizeId);

    Click(wnd, kMaximizeId);
    EXPECT_TRUE(wnd.IsZoomed());
    EXPECT_EQ(::SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);

    Click(wnd, kMaximizeId);
    EXPECT_FALSE(wnd.IsZoomed());
    EXPECT_EQ(::SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // The box follows however the window is maximised.
    wnd.SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_EQ(::SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    wnd.SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(::SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(UIWndCaption, TitleBandDragsTheWindow)
{
    struct Case {
        int titleBarHeight;
        POINT click;
        bool drags;
    };
    const Case cases[] = {
        {20, {60, 10}, true},
        {20, {60, 25}, false},   // below the band
        {20, {60, 2}, false},    // on the top border strip
        {-1, {60, 100}, true},   // the whole client area is the band
        {-1, {0, 60}, false},    // ... but not the left border strip
        {0, {60, 10}, false},    // no title band at all
    };
    for (const Case& c : cases) {
        WindowSkin local;
        UIWNDPROPERTIES& window = local.AddWindow(L"IDW_DRAG", 3101);
        local.SetImage(window, CtrlVar::BackgroundNormal, L"bk.bmp", 200, 120, &Grey);
        SetNumber(window, UiWndVar::TitleBarHeight, c.titleBarHeight);
        TestUIWnd wnd(3101);
        ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
        wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.click.x, c.click.y));
        wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(c.click.x, c.click.y));
        EXPECT_EQ(wnd.captionDrags, c.drags ? 1 : 0) << "height " << c.titleBarHeight << " at " << c.click.x << ","
                                                     << c.click.y;
    }
}

TEST_F(UIWndCaption, AMaximizedWindowIsNotDragged)
{
    UIWNDPROPERTIES& window = Window();
    SetNumber(window, UiWndVar::TitleBarHeight, -1);
    TestUIWnd wnd(kCaptionWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    wnd.SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 60));
    EXPECT_EQ(wnd.captionDrags, 0);
}

TEST_F(UIWndCaption, DoubleClickOnTheBandMaximizesOnlyWithAMaximizeBox)
{
    for (const bool withBox : {false, true}) {
        WindowSkin local;
        TestControlKinds localKinds;
        UIWNDPROPERTIES& window = local.AddWindow(L"IDW_CAPTION", kCaptionWindowId);
        local.SetImage(window, CtrlVar::BackgroundNormal, L"bk.bmp", 200, 120, &Grey);
        SetNumber(window, UiWndVar::TitleBarHeight, 20);
        if (withBox) {
            CHKPROPERTIES& maximize =
                local.AddControl<CHKPROPERTIES>(window, L"IDC_CHK_MAX", kMaximizeId, {150, 2, 170, 18});
            SetEnum(maximize, ChkVar::CheckBoxType, ValueKind::CheckBoxType, 1);
        }
        TestUIWnd wnd(kCaptionWindowId);
        ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
        wnd.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 10));
        EXPECT_EQ(wnd.IsZoomed() != FALSE, withBox);
        if (!withBox)
            continue;
        EXPECT_EQ(::SendMessageW(::GetDlgItem(wnd, kMaximizeId), BM_GETCHECK, 0, 0), BST_CHECKED);
        wnd.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 10));
        EXPECT_FALSE(wnd.IsZoomed());
        // Below the band nothing happens.
        wnd.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(60, 60));
        EXPECT_FALSE(wnd.IsZoomed());
    }
}

TEST_F(UIWndCaption, MenuItemsWithoutAHandlerAreDisabled)
{
    Window();
    TestUIWnd wnd(kCaptionWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));

    const HMENU popup = ::CreatePopupMenu();
    const HMENU sub = ::CreatePopupMenu();
    ::AppendMenuW(sub, MF_STRING, 40002, L"inner");
    ::AppendMenuW(popup, MF_STRING, 40001, L"handled");
    ::AppendMenuW(popup, MF_STRING, 40002, L"not handled");
    ::AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"submenu");
    ::AppendMenuW(popup, MF_STRING | MF_GRAYED, 40001, L"handled, greyed");
    ::AppendMenuW(popup, MF_STRING, SC_MINIMIZE, L"system command");
    const auto grayed = [&](int index) { return (::GetMenuState(popup, index, MF_BYPOSITION) & MF_GRAYED) != 0; };

    // A system menu is left alone.
    wnd.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(0, TRUE));
    EXPECT_FALSE(grayed(1));

    wnd.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(0, FALSE));
    EXPECT_FALSE(grayed(0));
    EXPECT_TRUE(grayed(1));
    EXPECT_FALSE(grayed(3));   // opens a submenu: never disabled for want of a handler
    EXPECT_FALSE(grayed(4));   // a handler exists: enabled
    EXPECT_FALSE(grayed(5));   // system command ids are not ours to judge
    ::DestroyMenu(popup);
}

} // namespace
} // namespace skin_ui_test
