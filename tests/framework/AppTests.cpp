// The application object's run, driven through the real program entry (AfxWinMain) on a
// thread of its own, so the run's WM_QUIT and windows stay out of the test thread.
#include "framework/Prompt.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "tests/framework/FrameworkTestIds.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr UINT WM_HELLO = WM_APP + 60;
constexpr UINT WM_START_DIALOGS = WM_APP + 61;
constexpr UINT_PTR kTickTimer = 1;
constexpr UINT_PTR kBackstopTimer = 2;   // ends the run should the quit have been lost

enum class Plan { FailWithoutWindow, FailAfterMainWindow, RunUntilMainWindowGoes, QuitInsideNestedDialogs };

// A popup that runs `onTick` once from its own modal loop.
class TickingPopup : public CWnd {
public:
    int RunModal(HWND owner, std::function<void()> onTick)
    {
        m_onTick = std::move(onTick);
        if (!CreateEx(0, nullptr, L"popup", WS_POPUP, 0, 0, 50, 50, owner, nullptr))
            return -100;
        SetTimer(kTickTimer, 1);
        const int result = RunModalLoop(0);
        DestroyWindow();
        return result;
    }

protected:
    void OnTimer(UINT_PTR id)
    {
        KillTimer(id);
        m_onTick();
    }
    DECLARE_MESSAGE_MAP()

private:
    std::function<void()> m_onTick;
};

BEGIN_MESSAGE_MAP(TickingPopup, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

class TestApp;

class MainWnd : public CWnd {
public:
    explicit MainWnd(std::vector<std::string>& events) : m_events(events) {}

protected:
    void PostNcDestroy() override { m_events.push_back("main window gone"); }

    // Two dialogs, one inside the other; the inner one meets a WM_QUIT.
    LRESULT OnStartDialogs(WPARAM, LPARAM)
    {
        TickingPopup outer;
        const int outerResult = outer.RunModal(m_hWnd, [this, &outer] {
            TickingPopup inner;
            const int innerResult = inner.RunModal(outer.m_hWnd, [] { PostQuitMessage(7); });
            m_events.push_back("inner dialog " + std::to_string(innerResult));
        });
        m_events.push_back("outer dialog " + std::to_string(outerResult));
        return 0;
    }
    void OnTimer(UINT_PTR id)
    {
        if (id != kBackstopTimer)
            return;
        m_events.push_back("backstop");
        DestroyWindow();
    }
    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::string>& m_events;
};

BEGIN_MESSAGE_MAP(MainWnd, CWnd)
    ON_MESSAGE(WM_START_DIALOGS, &MainWnd::OnStartDialogs)
    ON_WM_TIMER()
END_MESSAGE_MAP()

class TestApp : public CWinApp {
public:
    explicit TestApp(Plan plan, LPCWSTR name = nullptr) : CWinApp(name), m_plan(plan) {}

    std::vector<std::string> events;
    std::unique_ptr<MainWnd> main;
    CString titleDuringInit;
    bool sawItself = false;
    bool oleStarted = false;

    BOOL InitInstance() override
    {
        events.push_back("init");
        SetRegistryKey(L"Local AppWizard-Generated Applications");
        titleDuringInit = AfxGetAppTitle();
        oleStarted = AfxOleInit() && AfxOleInit();
        if (m_plan != Plan::FailWithoutWindow) {
            main = std::make_unique<MainWnd>(events);
            m_pMainWnd = main.get();
            if (!main->CreateEx(0, nullptr, L"main", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr))
                return FALSE;
        }
        sawItself = AfxGetApp() == this && AfxGetThread() == this && AfxGetMainWnd() == m_pMainWnd &&
                    AfxGetInstanceHandle() == GetModuleHandleW(nullptr);
        if (m_plan == Plan::QuitInsideNestedDialogs) {
            main->SetTimer(kBackstopTimer, 10000);
            main->PostMessage(WM_START_DIALOGS);
            return TRUE;
        }
        if (m_plan != Plan::RunUntilMainWindowGoes)
            return FALSE;
        ::PostThreadMessageW(GetCurrentThreadId(), WM_HELLO, 1, 2);
        main->PostMessage(WM_CLOSE);   // the default close destroys the main window
        return TRUE;
    }
    int Run() override
    {
        events.push_back("run");
        return CWinApp::Run();
    }
    int ExitInstance() override
    {
        events.push_back(m_pMainWnd ? "exit with a main window" : "exit");
        exitCode = CWinApp::ExitInstance();
        if (main)
            main->DestroyWindow();   // on the thread that owns it
        return 3;
    }
    int exitCode = -1;

protected:
    void OnHello(WPARAM wParam, LPARAM lParam)
    {
        events.push_back("hello " + std::to_string(wParam) + " " + std::to_string(lParam));
    }
    DECLARE_MESSAGE_MAP()

private:
    Plan m_plan;
};

BEGIN_MESSAGE_MAP(TestApp, CWinApp)
    ON_THREAD_MESSAGE(WM_HELLO, &TestApp::OnHello)
END_MESSAGE_MAP()

int RunProgram()
{
    int code = -100;
    std::thread program([&code] { code = AfxWinMain(GetModuleHandleW(nullptr), nullptr, nullptr, SW_HIDE); });
    program.join();
    return code;
}

class AppTest : public testing::Test {
protected:
    void TearDown() override { AfxSetAppTitle(nullptr); }
};

TEST_F(AppTest, InitInstanceFalseDestroysTheMainWindowThenExits)
{
    TestApp app(Plan::FailAfterMainWindow);
    EXPECT_EQ(RunProgram(), 3);
    EXPECT_EQ(app.events, (std::vector<std::string>{"init", "main window gone", "exit"}));
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST_F(AppTest, InitInstanceFalseWithoutAMainWindowExits)
{
    TestApp app(Plan::FailWithoutWindow);
    EXPECT_EQ(RunProgram(), 3);
    EXPECT_EQ(app.events, (std::vector<std::string>{"init", "exit"}));
}

TEST_F(AppTest, TheRunEndsWhenTheMainWindowIsDestroyed)
{
    TestApp app(Plan::RunUntilMainWindowGoes);
    EXPECT_EQ(RunProgram(), 3);
    EXPECT_EQ(app.events, (std::vector<std::string>{"init", "run", "hello 1 2", "main window gone", "exit"}));
    EXPECT_TRUE(app.sawItself);
    EXPECT_TRUE(app.oleStarted);
}

TEST_F(AppTest, AQuitMetInsideNestedDialogsEndsTheRun)
{
    TestApp app(Plan::QuitInsideNestedDialogs);
    EXPECT_EQ(RunProgram(), 3);
    EXPECT_EQ(app.events, (std::vector<std::string>{"init", "run", "inner dialog -1", "outer dialog -1",
                                                    "exit with a main window", "main window gone"}));
    EXPECT_EQ(app.exitCode, 7);   // the code the quit carried, seen by the run outside
}

TEST_F(AppTest, TheTitleComesFromTheStringTableUnlessNamed)
{
    CString tableTitle;
    ASSERT_TRUE(tableTitle.LoadString(GetModuleHandleW(nullptr), IDS_TEST_APP_TITLE));
    const struct {
        LPCWSTR name;
        CString expected;
    } cases[] = {{nullptr, tableTitle}, {L"Named", L"Named"}};
    for (const auto& c : cases) {
        TestApp app(Plan::FailWithoutWindow, c.name);
        RunProgram();
        EXPECT_EQ(CString(app.m_pszAppName), c.expected);
        EXPECT_EQ(app.titleDuringInit, c.expected);
        EXPECT_EQ(CString(app.m_pszRegistryKey), L"Local AppWizard-Generated Applications");
        EXPECT_EQ(CString(app.m_pszProfileName), c.expected);
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
}

} // namespace
