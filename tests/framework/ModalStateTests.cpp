// The application's modal state: entering it disables the thread's modeless framework
// windows, leaving the outermost run enables exactly those again.
#include "tests/framework/WindowTestSupport.h"

#include "framework/WinApp.h"

#include <gtest/gtest.h>

namespace {

class ModalStateTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(main.Make(L"main"));
        app.m_pMainWnd = &main;
        ASSERT_TRUE(shown.Make(L"shown modeless", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
        ASSERT_TRUE(hidden.Make(L"hidden modeless", WS_OVERLAPPEDWINDOW));
        ASSERT_TRUE(alreadyOff.Make(L"already disabled", WS_OVERLAPPEDWINDOW | WS_DISABLED));
        ASSERT_TRUE(child.Create(nullptr, L"child", WS_VISIBLE, CRect(0, 0, 20, 20), &shown, 1));
        foreign = CreateWindowExW(0, L"STATIC", L"foreign", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(foreign);
    }
    void TearDown() override
    {
        DestroyWindow(foreign);
        app.m_pMainWnd = nullptr;
    }

    CWinApp app{L"modal state"};
    wndtest::Frame main, shown, hidden, alreadyOff;
    CWnd child;
    HWND foreign = nullptr;
};

TEST_F(ModalStateTest, ModelessWindowsAreOffForTheOutermostRunOnly)
{
    EXPECT_FALSE(app.InModalState());
    app.EnableModeless(FALSE);
    EXPECT_TRUE(app.InModalState());
    EXPECT_TRUE(main.IsWindowEnabled());      // the run's owner rule handles it
    EXPECT_FALSE(shown.IsWindowEnabled());
    EXPECT_FALSE(hidden.IsWindowEnabled());
    EXPECT_TRUE(child.IsWindowEnabled());     // children go with their window
    EXPECT_TRUE(IsWindowEnabled(foreign));    // not the framework's

    // A nested run changes nothing; a window made during the runs is left alone.
    app.EnableModeless(FALSE);
    wndtest::Frame later;
    ASSERT_TRUE(later.Make(L"later"));
    app.EnableModeless(TRUE);
    EXPECT_TRUE(app.InModalState());
    EXPECT_FALSE(shown.IsWindowEnabled());

    hidden.DestroyWindow();                   // gone before the end: skipped
    app.EnableModeless(TRUE);
    EXPECT_FALSE(app.InModalState());
    EXPECT_TRUE(shown.IsWindowEnabled());
    EXPECT_FALSE(alreadyOff.IsWindowEnabled());   // it was off before: stays off
    EXPECT_TRUE(later.IsWindowEnabled());

    app.EnableModeless(TRUE);                 // a leave without an entry
    EXPECT_FALSE(app.InModalState());
    EXPECT_TRUE(shown.IsWindowEnabled());
}

} // namespace
