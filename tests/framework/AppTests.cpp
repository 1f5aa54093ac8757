// The application object's run, driven through the real program entry (AfxWinMain) on a
// thread of its own, so the run's WM_QUIT and windows stay out of the test thread.
#include "framework/Prompt.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"
#include "tests/framework/FrameworkTestIds.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr UINT WM_HELLO = WM_APP + 60;

enum class Plan { FailWithoutWindow, FailAfterMainWindow, RunUntilMainWindowGoes };

class TestApp;

class MainWnd : public CWnd {
public:
    explicit MainWnd(std::vector<std::string>& events) : m_events(events) {}

protected:
    void PostNcDestroy() override { m_events.push_back("main window gone"); }

private:
    std::vector<std::string>& m_events;
};

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
        CWinApp::ExitInstance();
        return 3;
    }

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
