// Threads started by run-time class: thread message maps, an early post, WM_QUIT.
#include "framework/WinThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace {

constexpr UINT WM_WORK = WM_APP + 40;
constexpr UINT WM_OTHER = WM_APP + 41;

// What the worker thread saw, read by the test after the thread has ended.
struct Journal {
    std::vector<std::string> events;
    DWORD threadId = 0;
    bool sawItselfAsCurrent = false;
};
Journal g_journal;
HANDLE g_workDone = nullptr;
HANDLE g_initGate = nullptr;   // InitInstance waits for it, so the test can take a handle first
bool g_initResult = true;

class Worker : public CWinThread {
    DECLARE_DYNCREATE(Worker)
public:
    ~Worker() override { g_journal.events.push_back("deleted"); }

    BOOL InitInstance() override
    {
        g_journal.threadId = GetCurrentThreadId();
        g_journal.sawItselfAsCurrent = AfxGetThread() == this;
        g_journal.events.push_back("init");
        WaitForSingleObject(g_initGate, 10000);
        return g_initResult;
    }
    int ExitInstance() override
    {
        g_journal.events.push_back("exit");
        return CWinThread::ExitInstance() + 100;
    }

protected:
    void OnWork(WPARAM wParam, LPARAM lParam)
    {
        g_journal.events.push_back("work " + std::to_string(wParam) + " " + std::to_string(lParam));
        SetEvent(g_workDone);
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(Worker, CWinThread)

BEGIN_MESSAGE_MAP(Worker, CWinThread)
    ON_THREAD_MESSAGE(WM_WORK, &Worker::OnWork)
END_MESSAGE_MAP()

class ThreadTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_journal = Journal{};
        g_initResult = true;
        g_workDone = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        g_initGate = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    void TearDown() override
    {
        CloseHandle(g_workDone);
        CloseHandle(g_initGate);
    }

    // Keeps a handle of its own: the thread object closes its handle when it deletes itself.
    static HANDLE KeepHandle(const CWinThread* thread)
    {
        HANDLE copy = nullptr;
        DuplicateHandle(GetCurrentProcess(), thread->m_hThread, GetCurrentProcess(), &copy, SYNCHRONIZE |
                        THREAD_QUERY_INFORMATION, FALSE, 0);
        return copy;
    }
};

TEST_F(ThreadTest, ReceivesAThreadMessagePostedRightAfterItsStartAndEndsOnQuit)
{
    CWinThread* const thread = AfxBeginThread(RUNTIME_CLASS(Worker));
    ASSERT_NE(thread, nullptr);
    // Straight away: the queue exists, so nothing is lost.
    const DWORD id = thread->m_nThreadID;
    ASSERT_TRUE(thread->PostThreadMessage(WM_WORK, 7, 8));
    const HANDLE handle = KeepHandle(thread);
    ASSERT_TRUE(handle);
    SetEvent(g_initGate);
    ASSERT_EQ(WaitForSingleObject(g_workDone, 10000), WAIT_OBJECT_0);

    ASSERT_TRUE(PostThreadMessageW(id, WM_OTHER, 0, 0));   // not in the map: ignored
    ASSERT_TRUE(PostThreadMessageW(id, WM_QUIT, 5, 0));
    ASSERT_EQ(WaitForSingleObject(handle, 10000), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    GetExitCodeThread(handle, &exitCode);
    CloseHandle(handle);

    EXPECT_EQ(exitCode, 105u);   // ExitInstance's value, from the WM_QUIT code
    EXPECT_EQ(g_journal.threadId, id);
    EXPECT_TRUE(g_journal.sawItselfAsCurrent);
    EXPECT_EQ(g_journal.events, (std::vector<std::string>{"init", "work 7 8", "exit", "deleted"}));
}

TEST_F(ThreadTest, InitInstanceFalseEndsTheThreadAfterExitInstance)
{
    g_initResult = false;
    CWinThread* const thread = AfxBeginThread(RUNTIME_CLASS(Worker));
    ASSERT_NE(thread, nullptr);
    const HANDLE handle = KeepHandle(thread);   // before the gate opens: the object still exists
    ASSERT_TRUE(handle);
    SetEvent(g_initGate);
    ASSERT_EQ(WaitForSingleObject(handle, 10000), WAIT_OBJECT_0);
    DWORD exitCode = 0;
    GetExitCodeThread(handle, &exitCode);
    CloseHandle(handle);
    EXPECT_EQ(exitCode, 100u);
    EXPECT_EQ(g_journal.events, (std::vector<std::string>{"init", "exit", "deleted"}));
}

class NotAThread : public CObject {
    DECLARE_DYNCREATE(NotAThread)
};
IMPLEMENT_DYNCREATE(NotAThread, CObject)

TEST_F(ThreadTest, OnlyThreadClassesStart)
{
    EXPECT_EQ(AfxBeginThread(RUNTIME_CLASS(NotAThread)), nullptr);
    EXPECT_EQ(AfxBeginThread(nullptr), nullptr);
    EXPECT_EQ(AfxGetThread(), nullptr);   // this test thread is no framework thread
}

} // namespace
