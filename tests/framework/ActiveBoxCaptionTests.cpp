// A box shown while ActiveBoxCaptionScope lives ends up told that it is active when it is the
// foreground window, even when it was told otherwise on its way onto the screen (as Wine tells
// a message box that it activates before its process holds the foreground); other windows, and
// boxes shown once the scope has ended, are left as the system left them.
#include "framework/ActiveBoxCaption.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <vector>

namespace {

// What each WM_NCACTIVATE told the window since it was made.
std::vector<WPARAM> g_told;

// Told "inactive" as it is activated, as Wine tells a box activated before it is shown.
void TellInactiveOnActivation(HWND window, UINT message, WPARAM wParam)
{
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE)
        ::SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
}

INT_PTR CALLBACK BoxProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_NCACTIVATE)
        g_told.push_back(wParam);
    TellInactiveOnActivation(window, message, wParam);
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCACTIVATE)
        g_told.push_back(wParam);
    TellInactiveOnActivation(window, message, wParam);
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// A captioned dialog box of the system's class, made hidden.
HWND MakeBox()
{
    struct alignas(4) Template {
        DLGTEMPLATE head;
        WORD menu, windowClass, title;
    } box{};
    box.head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    box.head.cx = 120;
    box.head.cy = 40;
    return ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), &box.head, nullptr, &BoxProc, 0);
}

HWND MakePlainWindow()
{
    static const ATOM registered = [] {
        WNDCLASSW plain{};
        plain.lpfnWndProc = &PlainProc;
        plain.hInstance = ::GetModuleHandleW(nullptr);
        plain.lpszClassName = L"ActiveBoxCaptionPlain";
        return ::RegisterClassW(&plain);
    }();
    EXPECT_NE(0, registered);
    return ::CreateWindowExW(0, L"ActiveBoxCaptionPlain", L"plain", WS_POPUP | WS_CAPTION | WS_SYSMENU, 10, 10, 200,
                             80, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

TEST(ActiveBoxCaption, AShownForegroundBoxIsToldItIsActiveWhileTheScopeLives)
{
    struct Case {
        const char* what;
        bool scope;
        HWND (*make)();
        WPARAM lastTold;
    };
    const Case cases[] = {
        {"a box in the scope", true, &MakeBox, TRUE},
        {"a box without it", false, &MakeBox, FALSE},
        {"another window in the scope", true, &MakePlainWindow, FALSE},
    };
    for (const Case& c : cases) {
        g_told.clear();
        const HWND window = c.make();
        ASSERT_NE(nullptr, window) << c.what;
        {
            std::optional<ActiveBoxCaptionScope> scope;
            if (c.scope)
                scope.emplace();
            ::ShowWindow(window, SW_SHOW);
        }
        ASSERT_EQ(window, ::GetForegroundWindow()) << c.what;
        ASSERT_FALSE(g_told.empty()) << c.what;
        EXPECT_EQ(c.lastTold, g_told.back()) << c.what;
        ::DestroyWindow(window);
    }
}

} // namespace
