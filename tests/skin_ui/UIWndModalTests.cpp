// A skinned window run as a dialog: DoModal and EndDialog, the owner disabled for the
// run, one WM_INITDIALOG, and the dialog keys.
#include "UIWndTestSupport.h"

#include "skin/model/EditProperties.h"

#include <gtest/gtest.h>

using namespace Vexel;

namespace skin_ui_test {
namespace {

constexpr int kModalWindowId = 3200;
constexpr int kModalEditId = 1201;

// A plain top-level window to own the dialogs.
class ModalOwnerWnd : public CWnd {
public:
    bool Make()
    {
        return CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, 400, 300, 200, 100, nullptr, nullptr) != FALSE;
    }
};

class UIWndModal : public ::testing::Test {
protected:
    void SetUp() override
    {
        UIWNDPROPERTIES& window = skin.AddWindow(L"IDW_DIALOG", kModalWindowId);
        skin.SetImage(window, CtrlVar::BackgroundNormal, L"bk.bmp", 220, 140, &Grey);
        ASSERT_TRUE(owner.Make());
    }

    // Posts a key press to `target` (the dialog's loop hands it to PreTranslateMessage).
    static void PostKey(HWND target, WPARAM key)
    {
        ::PostMessageW(target, WM_KEYDOWN, key, 1);
        ::PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    }

    WindowSkin skin;
    TestControlKinds kinds;
    ModalOwnerWnd owner;
};

TEST_F(UIWndModal, ReturnsTheEndDialogValueWithItsOwnerDisabledMeanwhile)
{
    // The owner is the window the user is in when the dialog starts.
    ::SetActiveWindow(owner);
    ASSERT_EQ(::GetActiveWindow(), owner.GetSafeHwnd());

    TestUIWnd dialog(kModalWindowId, &owner);
    BOOL ownerEnabledDuringRun = TRUE;
    HWND activeDuringRun = nullptr;
    HWND dialogWindow = nullptr;
    RECT dialogRect{};
    dialog.initDialogAction = [&](TestUIWnd& self) {
        self.GetWindowRect(&dialogRect);
        // Looked at from inside the running loop, once the dialog is up.
        self.PostAction([&](TestUIWnd& running) {
            ownerEnabledDuringRun = owner.IsWindowEnabled();
            activeDuringRun = ::GetActiveWindow();
            dialogWindow = running.GetSafeHwnd();
            running.EndDialog(42);
        });
    };
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_FALSE(ownerEnabledDuringRun);
    EXPECT_EQ(activeDuringRun, dialogWindow);
    // Afterwards the owner takes input again and is the active window once more.
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(::GetActiveWindow(), owner.GetSafeHwnd());
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);   // destroyed when the run ends
    EXPECT_EQ(CRect(dialogRect).Size(), CSize(220, 140));   // the background's size, not 390 x 390
    EXPECT_EQ(dialog.initDialogs, 1);
}

TEST_F(UIWndModal, SendsExactlyOneInitDialogEvenWhenItMovesTheWindow)
{
    TestUIWnd dialog(kModalWindowId, &owner);
    dialog.initDialogAction = [](TestUIWnd& self) {
        self.SetWindowPos(nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        self.SetWindowPos(nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        self.PostEndDialog(IDOK);
    };
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.initDialogs, 1);

    // A second run of the same object is a dialog of its own with its own WM_INITDIALOG.
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.initDialogs, 2);
}

TEST_F(UIWndModal, ADialogOpensOverItsOwnerOrInTheMiddleOfTheScreenUnlessItPlacedItself)
{
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    struct Case {
        const char* row;
        CWnd* owner;
        bool placesItself;
        POINT expected;
    };
    const Case cases[] = {
        // The owner spans (400,300)-(600,400); the dialog is 220 x 140.
        {"over its owner", &owner, false, {390, 280}},
        {"without an owner", nullptr, false,
         {(work.left + work.right) / 2 - 110, (work.top + work.bottom) / 2 - 70}},
        {"placed by itself", &owner, true, {50, 60}},
    };
    for (const Case& c : cases) {
        TestUIWnd dialog(kModalWindowId, c.owner);
        RECT shown{};
        dialog.initDialogAction = [&](TestUIWnd& self) {
            if (c.placesItself)
                self.SetWindowPos(nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            self.PostAction([&](TestUIWnd& running) {
                running.GetWindowRect(&shown);
                running.EndDialog(IDOK);
            });
        };
        EXPECT_EQ(dialog.DoModal(), IDOK) << c.row;
        EXPECT_EQ(c.expected.x, shown.left) << c.row;
        EXPECT_EQ(c.expected.y, shown.top) << c.row;
    }
}

TEST_F(UIWndModal, ADialogEndedByItsInitDialogDoesNotRun)
{
    TestUIWnd dialog(kModalWindowId, &owner);
    dialog.initDialogAction = [](TestUIWnd& self) {
        self.EndDialog(9);
        self.PostEndDialog(77);   // would end a loop that had started anyway
    };
    EXPECT_EQ(dialog.DoModal(), 9);
    EXPECT_TRUE(owner.IsWindowEnabled());
    PumpPending();
}

TEST_F(UIWndModal, ANonModalWindowGetsNoInitDialog)
{
    TestUIWnd wnd(kModalWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    wnd.SetWindowPos(nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(wnd.SendMessage(WM_INITDIALOG), 0);
    EXPECT_EQ(wnd.initDialogs, 0);
}

TEST_F(UIWndModal, FailedCreationReturnsMinusOneAndGivesTheOwnerBack)
{
    TestUIWnd dialog(4242, &owner);   // no such window in the skin
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(dialog.GetLastCreateError(), 1);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(UIWndModal, EscapeCancels)
{
    TestUIWnd dialog(kModalWindowId, &owner);
    dialog.initDialogAction = [](TestUIWnd& self) { PostKey(self, VK_ESCAPE); };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.commands, (std::vector<int>{IDCANCEL}));
}

TEST_F(UIWndModal, EnterSendsTheDefaultButtonsCommand)
{
    // The base maps no handler to it: the dialog goes on until something ends it.
    struct Case {
        int defaultId;   // 0: as the window starts
        int expected;
    };
    const Case cases[] = {{0, IDOK}, {1005, 1005}};
    for (const Case& c : cases) {
        TestUIWnd dialog(kModalWindowId, &owner);
        dialog.initDialogAction = [&](TestUIWnd& self) {
            if (c.defaultId)
                self.SendMessage(DM_SETDEFID, static_cast<WPARAM>(c.defaultId));
            PostKey(self, VK_RETURN);
            self.PostEndDialog(77);
        };
        EXPECT_EQ(dialog.DoModal(), 77);
        EXPECT_EQ(dialog.commands, (std::vector<int>{c.expected})) << c.defaultId;
    }
}

TEST_F(UIWndModal, SystemCloseEndsTheDialogAsCancel)
{
    TestUIWnd dialog(kModalWindowId, &owner);
    dialog.initDialogAction = [](TestUIWnd& self) { self.PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0); };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(UIWndModal, EscapeInAMultiLineEditStillCancelsUnlessCancelIsDisabled)
{
    UIWNDPROPERTIES& window = *g_skinStore.FindWindowProperties(L"IDW_DIALOG");
    skin.AddControl<EDTPROPERTIES>(window, L"IDC_EDT_TEXT", kModalEditId, {10, 10, 200, 100});

    // Once the dialog is up its edit is made multi-line and focused, a Cancel button is
    // added as asked, and Escape is offered to the dialog as its loop would.
    struct Case {
        const char* what;
        bool cancelButton;
        bool cancelEnabled;
        bool ruleActs;   // the window sends itself IDCANCEL (without a control) and takes the key
    };
    const Case cases[] = {
        {"no Cancel button", false, false, true},
        {"an enabled Cancel button", true, true, true},
        // The rule does not act; what the platform's dialog keys make of the key is theirs.
        {"a disabled Cancel button", true, false, false},
    };
    for (const Case& c : cases) {
        TestUIWnd dialog(kModalWindowId, &owner);
        BOOL taken = FALSE;
        std::vector<int> sentByRule;
        dialog.initDialogAction = [&](TestUIWnd& dialogSelf) { dialogSelf.PostAction([&](TestUIWnd& self) {
            const HWND edit = ::GetDlgItem(self, kModalEditId);
            ::SetWindowLongW(edit, GWL_STYLE, ::GetWindowLongW(edit, GWL_STYLE) | ES_MULTILINE);
            if (c.cancelButton) {
                const HWND cancel = ::CreateWindowExW(0, L"BUTTON", L"Cancel", WS_CHILD | WS_VISIBLE, 10, 110, 60,
                                                      20, self, reinterpret_cast<HMENU>(IDCANCEL), nullptr, nullptr);
                ::EnableWindow(cancel, c.cancelEnabled);
            }
            ::SetFocus(edit);
            self.menuCommands.clear();
            MSG msg{};
            msg.hwnd = edit;
            msg.message = WM_KEYDOWN;
            msg.wParam = VK_ESCAPE;
            msg.lParam = 1;
            taken = self.PreTranslateMessage(&msg);
            sentByRule = self.menuCommands;
            self.PostEndDialog(77);
        }); };
        const int result = dialog.DoModal();
        if (c.ruleActs) {
            EXPECT_EQ(result, IDCANCEL) << c.what;
            EXPECT_TRUE(taken) << c.what;
            EXPECT_EQ(sentByRule, (std::vector<int>{IDCANCEL})) << c.what;
        } else {
            EXPECT_TRUE(sentByRule.empty()) << c.what;
        }
    }
}

TEST_F(UIWndModal, EscapeInANonModalWindowIsPassedOn)
{
    TestUIWnd wnd(kModalWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP | WS_VISIBLE, nullptr, 1, 1));
    MSG msg{};
    msg.hwnd = wnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_ESCAPE;
    EXPECT_FALSE(wnd.PreTranslateMessage(&msg));
    EXPECT_TRUE(wnd.GetSafeHwnd() != nullptr && wnd.IsWindowVisible());

    // Messages outside the keyboard and mouse ranges go to the base as they are.
    msg.message = WM_TIMER;
    EXPECT_FALSE(wnd.PreTranslateMessage(&msg));
}

TEST_F(UIWndModal, EndDialogOutsideTheLoopLeavesTheLoopAlone)
{
    TestUIWnd wnd(kModalWindowId);
    ASSERT_TRUE(wnd.Create(0, WS_POPUP, nullptr, 1, 1));
    wnd.EndDialog(5);   // no modal run: nothing to end, and the window stays
    EXPECT_TRUE(::IsWindow(wnd));
}

} // namespace
} // namespace skin_ui_test
