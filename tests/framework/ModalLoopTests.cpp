// Modal runs: RunModalLoop / EndModalLoop with the modal flags, and the safe-owner rule.
#include "tests/framework/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr UINT_PTR kFinishTimer = 5;
constexpr UINT_PTR kModalBackstopTimer = 6;   // ends a loop that should not have run at all
constexpr int kBackstopResult = -2;

class OwnerWnd : public wndtest::Frame {
public:
    int enterIdle = 0;
    HWND finishOnIdle = nullptr;   // a modal window to finish once the owner hears it is idle

protected:
    LRESULT OnEnterIdle(WPARAM, LPARAM)
    {
        ++enterIdle;
        if (finishOnIdle)
            ::PostMessageW(finishOnIdle, WM_TIMER, kFinishTimer, 0);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(OwnerWnd, wndtest::Frame)
    ON_MESSAGE(WM_ENTERIDLE, &OwnerWnd::OnEnterIdle)
END_MESSAGE_MAP()

// A window whose timer runs `finish` once, inside its own modal loop.
class ModalWnd : public CWnd {
public:
    std::function<void(ModalWnd&)> finish;
    bool ownerEnabledDuring = true;
    bool visibleDuring = false;
    UINT flagsDuring = 0;
    BOOL continueDuring = FALSE;
    bool finishWhenShown = false;
    UINT flags() const { return m_nFlags; }

protected:
    void OnShowWindow(BOOL show, UINT status)
    {
        CWnd::OnShowWindow(show, status);
        if (show && finishWhenShown)
            PostMessageW(WM_TIMER, kFinishTimer, 0);
    }
    void OnTimer(UINT_PTR id)
    {
        if (id == kModalBackstopTimer) {
            KillTimer(id);
            EndModalLoop(kBackstopResult);
            return;
        }
        if (id != kFinishTimer)
            return;
        KillTimer(id);
        ownerEnabledDuring = ::IsWindowEnabled(::GetWindow(m_hWnd, GW_OWNER)) != FALSE;
        visibleDuring = IsWindowVisible() != FALSE;
        flagsDuring = m_nFlags;
        continueDuring = ContinueModal();
        finish(*this);   // may destroy this window, and the object with it
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ModalWnd, CWnd)
    ON_WM_TIMER()
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

enum class Finish { OnTimer, WhenShownOrIdle };

// What a dialog's modal run does with the framework's pieces: find the safe owner, disable
// it for the run, run the loop, enable the owner again. The modal window finishes on a 1 ms
// timer, or, for runs that test showing and idling, once it is shown or its owner hears the
// loop is idle: a timer that is already due would be taken for a message waiting in the
// queue, and the loop would never be idle before it ends.
int RunModal(ModalWnd& modal, OwnerWnd& owner, DWORD loopFlags, DWORD style = WS_POPUP,
             Finish finish = Finish::OnTimer)
{
    HWND topLevel = nullptr;
    const HWND ownerHwnd = CWnd::GetSafeOwner_(owner.m_hWnd, &topLevel);
    const bool disabledHere = ownerHwnd && ::IsWindowEnabled(ownerHwnd);
    if (disabledHere)
        ::EnableWindow(ownerHwnd, FALSE);
    int result = -1;
    const HWND self = modal.CreateEx(0, nullptr, L"modal", style, 20, 20, 100, 80, ownerHwnd, nullptr)
                          ? modal.m_hWnd
                          : nullptr;
    if (self) {
        if (finish == Finish::OnTimer) {
            modal.SetTimer(kFinishTimer, 1);
        } else {
            modal.finishWhenShown = true;
            owner.finishOnIdle = self;
            modal.SetTimer(kModalBackstopTimer, 5000);
        }
        result = modal.RunModalLoop(loopFlags);
        owner.finishOnIdle = nullptr;
    }
    if (disabledHere)
        ::EnableWindow(ownerHwnd, TRUE);
    if (topLevel)
        ::EnableWindow(topLevel, TRUE);
    if (::IsWindow(self))
        ::DestroyWindow(self);
    return result;
}

class ModalLoopTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(owner.Make(L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE)); }
    void TearDown() override { EXPECT_FALSE(wndtest::TakeQuit()); }
    OwnerWnd owner;
};

TEST_F(ModalLoopTest, ReturnsTheValueGivenToEndModalLoop)
{
    ModalWnd modal;
    modal.finish = [](ModalWnd& wnd) { wnd.EndModalLoop(42); };
    EXPECT_EQ(RunModal(modal, owner, 0), 42);
    EXPECT_FALSE(modal.ownerEnabledDuring);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(modal.flagsDuring & (WF_MODALLOOP | WF_CONTINUEMODAL), WF_MODALLOOP | WF_CONTINUEMODAL);
    EXPECT_TRUE(modal.continueDuring);
    EXPECT_EQ(modal.flags() & (WF_MODALLOOP | WF_CONTINUEMODAL), 0u);
}

TEST_F(ModalLoopTest, ShowsAHiddenWindowAndTellsTheOwnerWhenIdle)
{
    const struct {
        DWORD flags;
        bool visible;
        bool enterIdle;
    } cases[] = {
        {MLF_SHOWONIDLE, true, true},
        {MLF_SHOWONIDLE | MLF_NOIDLEMSG, true, false},
        {0, false, true},
    };
    for (const auto& c : cases) {
        owner.enterIdle = 0;
        ModalWnd modal;
        modal.finish = [](ModalWnd& wnd) { wnd.EndModalLoop(1); };
        EXPECT_EQ(RunModal(modal, owner, c.flags, WS_POPUP, Finish::WhenShownOrIdle), 1) << c.flags;
        EXPECT_EQ(modal.visibleDuring, c.visible) << c.flags;
        EXPECT_EQ(owner.enterIdle > 0, c.enterIdle) << c.flags;
    }
}

TEST_F(ModalLoopTest, DestroyingTheWindowEndsTheLoop)
{
    const struct {
        int endValue;   // 0: none given before the window goes
        int expected;
    } cases[] = {{0, -1}, {7, 7}};
    for (const auto& c : cases) {
        ModalWnd modal;
        const int endValue = c.endValue;
        modal.finish = [endValue](ModalWnd& wnd) {
            if (endValue)
                wnd.EndModalLoop(endValue);
            wnd.DestroyWindow();
        };
        EXPECT_EQ(RunModal(modal, owner, 0), c.expected);
        EXPECT_EQ(modal.flags() & (WF_MODALLOOP | WF_CONTINUEMODAL), 0u);
    }
}

// Freed objects stay poisoned until the test ends (see the self-deleting window tests).
std::vector<void*> g_freed;

class SelfDeletingModal : public ModalWnd {
public:
    static void* operator new(std::size_t size) { return ::operator new(size); }
    static void operator delete(void* object, std::size_t size)
    {
        std::memset(object, 0xDD, size);
        g_freed.push_back(object);
    }

protected:
    void PostNcDestroy() override { delete this; }
};

TEST_F(ModalLoopTest, AWindowThatDeletesItselfInItsLoopEndsTheLoopSafely)
{
    auto* const modal = new SelfDeletingModal;
    modal->finish = [](ModalWnd& wnd) { wnd.DestroyWindow(); };
    ASSERT_TRUE(modal->CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 50, 50, owner.m_hWnd, nullptr));
    modal->SetTimer(kFinishTimer, 1);
    EXPECT_EQ(modal->RunModalLoop(0), -1);
    EXPECT_EQ(g_freed.size(), 1u);
    for (void* object : g_freed)
        ::operator delete(object);
    g_freed.clear();
}

TEST_F(ModalLoopTest, QuitEndsTheLoopAndStaysForTheLoopOutside)
{
    ModalWnd modal;
    modal.finish = [](ModalWnd&) { PostQuitMessage(3); };
    EXPECT_EQ(RunModal(modal, owner, 0), -1);
    int code = 0;
    EXPECT_TRUE(wndtest::TakeQuit(&code));
    EXPECT_EQ(code, 3);
}

TEST_F(ModalLoopTest, ASecondLoopOnTheSameWindowIsRefused)
{
    ModalWnd modal;
    int nested = 0;
    modal.finish = [&nested](ModalWnd& wnd) {
        wnd.SetTimer(kModalBackstopTimer, 1);
        nested = wnd.RunModalLoop(0);
        wnd.EndModalLoop(9);
    };
    EXPECT_EQ(RunModal(modal, owner, 0), 9);
    EXPECT_EQ(nested, -1);
}

TEST_F(ModalLoopTest, ALoopWithoutAWindowPumpsNothing)
{
    constexpr UINT kMarker = WM_APP + 50;
    ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), kMarker, 0, 0));
    ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), WM_QUIT, 0, 0));   // ends it if it runs
    CWnd none;
    EXPECT_EQ(none.RunModalLoop(0), -1);
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, kMarker, kMarker, PM_REMOVE));
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(ModalLoopTest, TheSafeOwnerIsTheTopLevelWindowOrItsActivePopup)
{
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 20, 20), &owner, 1));

    HWND topLevel = reinterpret_cast<HWND>(1);
    EXPECT_EQ(CWnd::GetSafeOwner_(child.m_hWnd, &topLevel), owner.m_hWnd);
    EXPECT_EQ(topLevel, nullptr);   // the owner itself: left for the caller to disable
    EXPECT_TRUE(owner.IsWindowEnabled());

    // A popup of the top-level window is up (a first dialog): it owns the next one, and the
    // top-level window is disabled for the caller to enable again.
    wndtest::Frame dialog;
    ASSERT_TRUE(dialog.Make(L"dialog", WS_POPUP | WS_VISIBLE | WS_CAPTION, owner.m_hWnd));
    dialog.SetForegroundWindow();
    ::SetActiveWindow(dialog.m_hWnd);
    EXPECT_EQ(CWnd::GetSafeOwner_(child.m_hWnd, &topLevel), dialog.m_hWnd);
    EXPECT_EQ(topLevel, owner.m_hWnd);
    EXPECT_FALSE(owner.IsWindowEnabled());
    owner.EnableWindow(TRUE);

    // No parent and no main window on this thread: no owner.
    EXPECT_EQ(CWnd::GetSafeOwner_(nullptr, &topLevel), nullptr);
    EXPECT_EQ(topLevel, nullptr);
}

} // namespace
