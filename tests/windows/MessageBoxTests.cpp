// The skinned message box: its caption in the title label and as the window text, its message
// in the text label, OK ending the run with 1 and Escape or the system's close with 2, and
// its owner disabled for the run. Each run is driven from inside its own modal loop.
#include "tests/support/SkinnedWindowTestSupport.h"

#include "resources/Resource.h"
#include "windows/msgbox/MessageBox.h"

#include <gtest/gtest.h>

namespace windows_test {

using lumeo_test::ChildText;
using lumeo_test::PostKey;
using lumeo_test::PostedActions;
using lumeo_test::ShippedSkinTest;
using lumeo_test::WindowText;

namespace {

constexpr int kNotEnded = -99;

class MessageBoxTest : public ShippedSkinTest {
protected:
    // Runs `box` modally: `inspect` first, from inside the loop, then `end`; a box still up
    // after that is ended with kNotEnded so that no test waits for a person.
    int Run(CMessageBox& box, std::function<void(HWND)> inspect, std::function<void(HWND)> end)
    {
        actions.Post([&box, this, inspect, end] {
            const HWND window = box.GetSafeHwnd();
            if (inspect)
                inspect(window);
            end(window);
            actions.Post([&box] {
                if (box.GetSafeHwnd())
                    box.EndDialog(kNotEnded);
            });
        });
        const int result = box.DoModal();
        actions.Cancel();
        return result;
    }

    static void ClickOk(HWND box)
    {
        const HWND ok = ::GetDlgItem(box, IDC_BTN_OK);
        ASSERT_NE(nullptr, ok) << "the skin's OK button";
        ::SendMessageW(ok, BM_CLICK, 0, 0);
    }

    PostedActions actions;
};

TEST_F(MessageBoxTest, ShowsItsCaptionAndMessageAndOkEndsWithOne)
{
    CMessageBox box;
    box.m_caption = L"Lumeo Softphone";
    box.SetMessage(L"The export file could not be opened.");
    std::wstring title, text, windowText, button;
    const int result = Run(
        box,
        [&](HWND window) {
            title = ChildText(window, IDC_STA_TITLE);
            text = ChildText(window, IDC_STA_TEXT);
            windowText = WindowText(window);
            button = ChildText(window, IDC_BTN_OK);
        },
        &ClickOk);
    EXPECT_EQ(1, result);
    EXPECT_EQ(L"Lumeo Softphone", title);
    EXPECT_EQ(L"The export file could not be opened.", text);
    EXPECT_EQ(L"Lumeo Softphone", windowText);
    // Its button is no blank.
    EXPECT_EQ(L"MISC/38002", button);
    EXPECT_EQ(nullptr, box.GetSafeHwnd());
}

TEST_F(MessageBoxTest, AnEmptyMessageShowsAnEmptyLabelAndStillClosesWithOk)
{
    CMessageBox box;
    box.m_caption = L"Caption";
    bool labelThere = false;
    std::wstring text = L"unread";
    const int result = Run(
        box,
        [&](HWND window) {
            labelThere = ::GetDlgItem(window, IDC_STA_TEXT) != nullptr;
            text = ChildText(window, IDC_STA_TEXT);
        },
        &ClickOk);
    EXPECT_EQ(1, result);
    EXPECT_TRUE(labelThere);
    EXPECT_EQ(L"", text);
}

struct Ending {
    const char* name;
    void (*end)(HWND box);
    int result;
};

TEST_F(MessageBoxTest, EachWayOutGivesItsResult)
{
    const Ending kEndings[] = {
        {"OK button", [](HWND box) { ClickOk(box); }, IDOK},
        {"Escape", [](HWND box) { PostKey(::GetFocus() ? ::GetFocus() : box, VK_ESCAPE); }, IDCANCEL},
        {"system close", [](HWND box) { ::PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
        {"skin close box",
         [](HWND box) {
             const HWND close = ::GetDlgItem(box, IDC_BTN_1);
             ASSERT_NE(nullptr, close);
             ::SendMessageW(close, BM_CLICK, 0, 0);
         },
         IDC_BTN_1},
    };
    for (const Ending& ending : kEndings) {
        CMessageBox box;
        box.SetMessage(L"text");
        EXPECT_EQ(ending.result, Run(box, nullptr, ending.end)) << ending.name;
    }
}

// A plain top-level window for the box to sit over.
class OwnerWnd : public CWnd {
public:
    bool Make()
    {
        return CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, 300, 200, 300, 200, nullptr, nullptr) != FALSE;
    }
};

TEST_F(MessageBoxTest, RunsModallyOverItsOwner)
{
    OwnerWnd owner;
    ASSERT_TRUE(owner.Make());
    ::SetActiveWindow(owner);
    ASSERT_EQ(owner.GetSafeHwnd(), ::GetActiveWindow());

    CMessageBox box(&owner);
    BOOL ownerEnabled = TRUE;
    HWND boxOwner = nullptr;
    HWND active = nullptr;
    HWND boxWindow = nullptr;
    const int result = Run(
        box,
        [&](HWND window) {
            boxWindow = window;
            ownerEnabled = owner.IsWindowEnabled();
            boxOwner = ::GetWindow(window, GW_OWNER);
            active = ::GetActiveWindow();
        },
        &ClickOk);
    EXPECT_EQ(1, result);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_EQ(owner.GetSafeHwnd(), boxOwner);
    EXPECT_EQ(boxWindow, active);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(owner.GetSafeHwnd(), ::GetActiveWindow());
    owner.DestroyWindow();
}

TEST_F(MessageBoxTest, TheProgramsMessageCarriesTheSignInCaption)
{
    // ShowMessageBox makes its box itself: the action finds it as the active window.
    OwnerWnd owner;
    ASSERT_TRUE(owner.Make());
    std::wstring title, text;
    actions.Post([&] {
        const HWND window = ::GetActiveWindow();
        title = ChildText(window, IDC_STA_TITLE);
        text = ChildText(window, IDC_STA_TEXT);
        PostKey(window, VK_ESCAPE);
        actions.Post([window] {
            if (::IsWindow(window))   // Escape did not end it: the close box does, with its own id
                ::SendMessageW(::GetDlgItem(window, IDC_BTN_1), BM_CLICK, 0, 0);
        });
    });
    EXPECT_EQ(IDCANCEL, ShowMessageBox(g_uiTexts.chatWnd.t31000, &owner));
    actions.Cancel();
    EXPECT_EQ(L"DLG_LOGIN/20000", title);
    EXPECT_EQ(L"CHAT_WND/31000", text);
    owner.DestroyWindow();
}

} // namespace
} // namespace windows_test
