// The tray with the real Lumeo.exe: the main window closed to the tray comes back with a double
// click on the tray icon, which opens no menu; a single click opens the tray menu once no
// double click can follow, and its first item brings the window back; a second start brings
// it back too. The program runs on through all of it. The icon's mouse messages reach the
// main window as the shell sends them.
#include "tests/e2e/SignInChecks.h"
#include "tests/e2e/driver/ProgramTree.h"

#include <gtest/gtest.h>

namespace {

using e2e::LumeoProcess;
using e2e::ProgramCopy;
using namespace e2e_test;

// The main window's tray callback message and icon id.
constexpr UINT kTrayMessage = 0x464;
constexpr WPARAM kTrayIcon = 128;

void TrayMouse(HWND main, std::initializer_list<UINT> messages)
{
    for (const UINT message : messages)
        ASSERT_TRUE(::PostMessageW(main, kTrayMessage, kTrayIcon, message));
}

// A popup menu of the program on the screen; null when none is.
HWND ShownMenu(const LumeoProcess& lumeo)
{
    for (const auto& [window, id] : lumeo.VisibleWindows()) {
        wchar_t name[16] = {};
        ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
        if (std::wstring(name) == L"#32768")
            return window;
    }
    return nullptr;
}

void CloseToTray(const LumeoProcess& lumeo, HWND main)
{
    ASSERT_TRUE(e2e::Close(main));
    ASSERT_TRUE(e2e::WaitUntil([&] { return !::IsWindowVisible(main); }));
    EXPECT_TRUE(lumeo.Running()) << "closing the window ended the program";
}

TEST(Story, TheTrayIconBringsTheClosedWindowBack)
{
    const ProgramCopy copy;
    ASSERT_TRUE(copy.Ready());
    const e2e::TypedAccount account;
    ASSERT_TRUE(e2e::StoreAccount(copy, account));
    const LumeoProcess lumeo(copy);
    const HWND main = lumeo.WaitForWindow(L"IDW_MAIN");
    ASSERT_NE(nullptr, main);
    ExpectSignedInWith(lumeo, account);

    // A double click: the window is back, and no menu waits under the pointer for the
    // second click to land on.
    CloseToTray(lumeo, main);
    TrayMouse(main, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
    ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
    EXPECT_EQ(nullptr, ShownMenu(lumeo)) << "a menu opened on the double click";
    EXPECT_TRUE(lumeo.Running());

    // A single click: the tray menu, whose first item is the way back.
    CloseToTray(lumeo, main);
    TrayMouse(main, {WM_LBUTTONDOWN, WM_LBUTTONUP});
    HWND menu = nullptr;
    ASSERT_TRUE(e2e::WaitUntil([&] { return (menu = ShownMenu(lumeo)) != nullptr; }));
    EXPECT_FALSE(::IsWindowVisible(main));
    ASSERT_TRUE(e2e::PressKey(menu, VK_DOWN));
    ASSERT_TRUE(e2e::PressKey(menu, VK_RETURN));
    ASSERT_TRUE(e2e::WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
    EXPECT_TRUE(e2e::WaitUntil([&] { return ShownMenu(lumeo) == nullptr; }));
    EXPECT_TRUE(lumeo.Running());

    // Started again while hidden: the running copy shows its window.
    CloseToTray(lumeo, main);
    {
        const LumeoProcess second(copy);
        EXPECT_TRUE(second.WaitForExit());
    }
    EXPECT_TRUE(e2e::WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
    EXPECT_TRUE(lumeo.Running());
    ExitThroughMenu(lumeo, main);
}

} // namespace
