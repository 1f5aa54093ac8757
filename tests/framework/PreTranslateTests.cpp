// PreTranslateMessage is offered from the window a message is for up to its top-level window.
#include "framework/WinThread.h"
#include "tests/framework/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_walk;

class Walker : public CWnd {
public:
    explicit Walker(std::string name, bool consume = false) : m_name(std::move(name)), m_consume(consume) {}
    bool consume() const { return m_consume; }
    void setConsume(bool consume) { m_consume = consume; }

    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN)
            g_walk.push_back(m_name);
        return m_consume;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_KEYDOWN)
            g_walk.push_back(m_name + " got the key");
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    std::string m_name;
    bool m_consume;
};

// Runs the queue through the framework's pump until nothing is left.
void PumpThroughFramework()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE))
        AfxPumpMessage(msg);
}

class PreTranslateTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                   nullptr));
        ASSERT_TRUE(frame.CreateEx(0, nullptr, L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200,
                                   owner.m_hWnd, nullptr));
        ASSERT_TRUE(container.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 200, 100), &frame, 1));
        ASSERT_TRUE(edit.Create(L"EDIT", L"", WS_VISIBLE, CRect(5, 5, 100, 25), &container, 2));
        frame.SetForegroundWindow();
        edit.SetFocus();
        PumpThroughFramework();
        g_walk.clear();
    }

    Walker owner{"owner"};
    Walker frame{"frame"};
    Walker container{"container"};
    Walker edit{"edit"};
};

TEST_F(PreTranslateTest, WalksFromTheFocusedChildUpToItsTopLevelWindow)
{
    ASSERT_EQ(CWnd::GetFocus(), &edit);
    CWnd::GetFocus()->PostMessage(WM_KEYDOWN, 'A', 1);
    PumpThroughFramework();
    // The owner of the top-level window is not part of the walk.
    EXPECT_EQ(g_walk, (std::vector<std::string>{"edit", "container", "frame", "edit got the key"}));
}

TEST_F(PreTranslateTest, AWindowThatTakesTheMessageEndsTheWalkAndItsDispatch)
{
    container.setConsume(true);
    edit.PostMessage(WM_KEYDOWN, 'A', 1);
    PumpThroughFramework();
    EXPECT_EQ(g_walk, (std::vector<std::string>{"edit", "container"}));
}

TEST_F(PreTranslateTest, AForeignChildStillLetsItsParentsSeeTheMessage)
{
    const HWND foreign = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 40, 50, 20,
                                         container.m_hWnd, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(foreign);
    PostMessageW(foreign, WM_KEYDOWN, 'B', 1);
    PumpThroughFramework();
    EXPECT_EQ(g_walk, (std::vector<std::string>{"container", "frame"}));
}

} // namespace
