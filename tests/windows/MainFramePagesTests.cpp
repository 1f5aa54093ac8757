// Proves that the main window shows its first screen first: made, it holds only the contacts
// page; the call and history pages, the video window and the tool tips follow once it has
// painted (its timer), and before that every path that reaches one of them finds it made: the
// sign-in tick, an engine event, a page's tab, a history row, the video window's handle.
#include "resources/ProgramIds.h"
#include "resources/Resource.h"
#include "tests/windows/MainFrameTestSupport.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>

namespace windows_test {
namespace {

constexpr int kContactsPageId = 1013;
constexpr int kCallPageId = 1015;
constexpr int kHistoryPageId = 1051;
// An event type that goes to the call page alone, which does nothing with it.
constexpr int kIgnoredByTheCallPage = 10;

// The video window's timer that stops the preview after a hide.
constexpr UINT_PTR kVideoHideTimer = 31;

BOOL CALLBACK FindVideoWindow(HWND window, LPARAM found)
{
    wchar_t text[16] = {};
    ::GetWindowTextW(window, text, 16);
    if (std::wstring(text) == L"Video") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

class MainWindowPages : public MainFrameTest {
protected:
    // Made as start-up makes it, with the timer that makes the rest stopped, so the test says
    // what reaches them first.
    void CreateWithoutTheRest()
    {
        frame.reset();
        CreateFrame();
        frame->KillTimer(kUnseenWindowsTimer);
    }
    bool Made(int id) const { return ::GetDlgItem(frame->GetSafeHwnd(), id) != nullptr; }
    static HWND VideoWindow()
    {
        HWND found = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), &FindVideoWindow, reinterpret_cast<LPARAM>(&found));
        return found;
    }
    static bool VideoWindowMade() { return VideoWindow() != nullptr; }
};

TEST_F(MainWindowPages, OnlyTheContactsPageIsMadeWithTheWindowAndTheTimerMakesTheRest)
{
    CreateWithoutTheRest();
    EXPECT_TRUE(Made(kContactsPageId));
    EXPECT_FALSE(Made(kCallPageId));
    EXPECT_FALSE(Made(kHistoryPageId));
    EXPECT_FALSE(VideoWindowMade());

    frame->SendMessage(WM_TIMER, kUnseenWindowsTimer, 0);
    EXPECT_TRUE(Made(kCallPageId));
    EXPECT_TRUE(Made(kHistoryPageId));
    EXPECT_TRUE(VideoWindowMade());
    // Made later, the pages lie where the window's layout puts them and stay hidden.
    RECT area{};
    RECT history{};
    ::GetWindowRect(::GetDlgItem(frame->GetSafeHwnd(), IDC_STA_TASKWND), &area);
    ::GetWindowRect(::GetDlgItem(frame->GetSafeHwnd(), kHistoryPageId), &history);
    EXPECT_EQ(area.left, history.left);
    EXPECT_EQ(area.top, history.top);
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(frame->GetSafeHwnd(), kCallPageId)));
    EXPECT_EQ(L"CALL_WND/30027", CallPageText(IDC_CHK_LINE1));
}

TEST_F(MainWindowPages, WhatReachesAPageBeforeTheTimerFindsItMade)
{
    struct Reach {
        const char* name;
        std::function<void()> act;
        int page;   // the page it reaches; 0 for the video window
    };
    const Reach reaches[] = {
        {"the sign-in tick", [this] {
             UseAccount();
             frame->SendMessage(WM_TIMER, kSignInTimer, 0);
         }, kCallPageId},
        {"an engine event for the call page", [this] {
             frame->SendMessage(WM_ENGINE_EVENT, reinterpret_cast<WPARAM>(NewEvent(kIgnoredByTheCallPage)), 0);
         }, kCallPageId},
        {"the call page's tab", [this] { frame->Command(IDC_RAD_CALLPHONES); }, kCallPageId},
        {"the history page's tab", [this] { frame->Command(IDC_RAD_HISTORY); }, kHistoryPageId},
        {"a history row", [this] { frame->AddHistoryRecord("text", "200", 1); }, kHistoryPageId},
        {"the video window's handle", [this] { frame->GetRemoteVideoHwnd(); }, 0},
    };
    for (const Reach& reach : reaches) {
        CreateWithoutTheRest();
        ASSERT_FALSE(reach.page ? Made(reach.page) : VideoWindowMade()) << reach.name;
        reach.act();
        EXPECT_TRUE(reach.page ? Made(reach.page) : VideoWindowMade()) << reach.name;
        frame.reset();
    }
    // The event made the page first and was then handed to it.
    EXPECT_EQ(1, std::count(pages.calls.begin(), pages.calls.end(), kIgnoredByTheCallPage));
}

TEST_F(MainWindowPages, AVideoWindowMadeByTheSignInTickHasStoppedItsPreviewBeforeTheEngineStarts)
{
    CreateWithoutTheRest();
    UseAccount();
    frame->SendMessage(WM_TIMER, kSignInTimer, 0);
    ASSERT_TRUE(VideoWindowMade());
    EXPECT_FALSE(::KillTimer(VideoWindow(), kVideoHideTimer)) << "its stop would come after the sign-in";
    EXPECT_TRUE(JournalOf("Tavik_viewLocalVideo").empty());
    EXPECT_EQ(1u, JournalOf("Tavik_initialize").size());
}

} // namespace
} // namespace windows_test
