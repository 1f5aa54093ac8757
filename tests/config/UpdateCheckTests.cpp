// Proves the update check against a server the test runs on the loopback address: the worker,
// on its own thread, asks for "/lumeo.htm" with the agent and headers it should; it offers a
// build (posting its text, once per check) only for a 200 reply whose text, letter case and
// trailing blanks aside, differs from the running build; a 404, a 500, an empty page, a server
// that is not there and a server that never answers offer nothing and end within the
// time-out; a long page is cut at 6143 bytes; and the worker ends at WM_QUIT within a bounded
// wait, even in the middle of a check.
// Winsock's header must come before the system header that the framework headers bring.
#include "tests/support/LoopbackHttpServer.h"

#include "config/ProvisionThread.h"
#include "config/UpdateCheck.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace config_test {

// The update worker with a window of the test's as the receiver of its results; it signals
// the end of every check.
class ObservedWorker : public CProvisionThread {
    DECLARE_DYNCREATE(ObservedWorker)
public:
    ObservedWorker() { m_resultWindow = s_resultWindow; }
    static HANDLE CheckedEvent()
    {
        static const HANDLE event = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
        return event;
    }
    static inline HWND s_resultWindow = nullptr;

protected:
    void CheckForUpdate() override
    {
        CProvisionThread::CheckForUpdate();
        ::SetEvent(CheckedEvent());
    }
};

IMPLEMENT_DYNCREATE(ObservedWorker, CProvisionThread)

namespace {

constexpr DWORD kGenerousWaitMs = 20000;
// The main window's wait for the worker at exit.
constexpr DWORD kExitWaitMs = 6000;

std::string Reply(const char* status, const std::string& body)
{
    return std::string("HTTP/1.1 ") + status + "\r\nContent-Type: text/html\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

class UpdateCheck : public testing::Test {
protected:
    void SetUp() override
    {
        // A message-only window: the worker's results wait in its queue for the test to take.
        m_sink = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, m_sink);
        ObservedWorker::s_resultWindow = m_sink;
        ::ResetEvent(ObservedWorker::CheckedEvent());
        CWinThread* const thread = AfxBeginThread(RUNTIME_CLASS(ObservedWorker));
        ASSERT_NE(nullptr, thread);
        m_worker = thread;
        ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), thread->m_hThread, ::GetCurrentProcess(), &m_workerHandle,
                                      SYNCHRONIZE, FALSE, 0));
    }

    void TearDown() override
    {
        if (m_worker) {
            m_worker->PostThreadMessage(WM_QUIT, 0, 0);
            EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(m_workerHandle, kGenerousWaitMs));
        }
        if (m_workerHandle)
            ::CloseHandle(m_workerHandle);
        Posted();   // frees what is left
        ::DestroyWindow(m_sink);
        ::SetEnvironmentVariableW(kUpdateServerVariable, nullptr);
    }

    static void UseServer(unsigned short port)
    {
        const std::wstring address = L"127.0.0.1:" + std::to_wstring(port);
        ::SetEnvironmentVariableW(kUpdateServerVariable, address.c_str());
    }

    // Asks the worker for one check and waits for its end; the time it took, in ms.
    DWORD Check()
    {
        const DWORD start = ::GetTickCount();
        EXPECT_TRUE(m_worker->PostThreadMessage(WM_CHECK_UPDATE, 0, 0));
        EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(ObservedWorker::CheckedEvent(), kGenerousWaitMs));
        return ::GetTickCount() - start;
    }

    // The texts posted since the last call, taken over.
    std::vector<std::string> Posted()
    {
        std::vector<std::string> texts;
        MSG message;
        while (::PeekMessageW(&message, m_sink, WM_NEW_VERSION, WM_NEW_VERSION, PM_REMOVE)) {
            const std::unique_ptr<std::string> text = TakeNewVersionText(message.lParam);
            texts.push_back(text ? *text : "<no text>");
        }
        return texts;
    }

    HWND m_sink = nullptr;
    CWinThread* m_worker = nullptr;   // deletes itself when its thread ends
    HANDLE m_workerHandle = nullptr;
};

TEST_F(UpdateCheck, OffersOnlyAnotherBuildThatTheServerAnswersWithStatus200)
{
    const std::string longPage(10 * 1024, 'x');
    struct Case {
        const char* name;
        std::string reply;
        std::vector<std::string> offered;
    };
    const Case cases[] = {
        {"the same build", Reply("200 OK", "8.1, Build 01222014"), {}},
        {"the same build in other letters", Reply("200 OK", "8.1, build 01222014"), {}},
        {"the same build with a line end", Reply("200 OK", "8.1, Build 01222014\r\n"), {}},
        {"the same build with blanks and a line end", Reply("200 OK", "8.1, Build 01222014 \t\n"), {}},
        {"another build", Reply("200 OK", "8.2, Build 02012015"), {"8.2, Build 02012015"}},
        {"another build with a line end", Reply("200 OK", "8.2, Build 02012015\n"), {"8.2, Build 02012015"}},
        {"not found", Reply("404 Not Found", "<html>missing</html>"), {}},
        {"a server error", Reply("500 Internal Server Error", "<html>broken</html>"), {}},
        {"an empty page", Reply("200 OK", ""), {}},
        {"a page of blanks", Reply("200 OK", " \r\n"), {}},
        {"a page longer than the limit", Reply("200 OK", longPage), {longPage.substr(0, 6143)}},
    };
    for (const Case& c : cases) {
        nettest::LoopbackHttpServer server({c.reply});
        ASSERT_NE(0, server.Port()) << c.name;
        UseServer(server.Port());
        Check();
        EXPECT_EQ(c.offered, Posted()) << c.name;
        EXPECT_EQ(1u, server.Requests().size()) << c.name;
    }
}

TEST_F(UpdateCheck, AsksForTheVersionPageWithTheAgentAndHeaders)
{
    nettest::LoopbackHttpServer server({Reply("200 OK", "8.1, Build 01222014")});
    UseServer(server.Port());
    Check();
    const std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(1u, requests.size());
    const std::string& head = requests[0];
    EXPECT_EQ(0u, head.find("GET /lumeo.htm HTTP/1.1\r\n")) << head;
    const char* const lines[] = {
        "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; Trident/4.0; SLCC2;",
        "Accept: image/jpeg, application/x-ms-application, image/gif,",
        "Referer: http://www.lumeo.example/\r\n",
        "Accept-Language: en-US\r\n",
    };
    for (const char* line : lines)
        EXPECT_NE(std::string::npos, head.find(line)) << line << "\n" << head;
}

TEST_F(UpdateCheck, EveryCheckOffersWhatItFinds)
{
    // The worker keeps nothing between checks: whether to show an offer again is the main
    // window's decision.
    nettest::LoopbackHttpServer server({Reply("200 OK", "8.2, Build 02012015")});
    UseServer(server.Port());
    Check();
    Check();
    EXPECT_EQ((std::vector<std::string>{"8.2, Build 02012015", "8.2, Build 02012015"}), Posted());
}

TEST_F(UpdateCheck, NoServerListeningEndsWithinTheConnectTimeOutAndOffersNothing)
{
    unsigned short port = 0;
    {
        // A port that was free a moment ago: nothing listens there now.
        nettest::WinsockScope winsock;
        const nettest::Socket probe = nettest::Socket::BoundToLoopback();
        port = probe.Port();
    }
    ASSERT_NE(0, port);
    UseServer(port);
    EXPECT_LE(Check(), kUpdateTimeoutMs + 1000);
    EXPECT_TRUE(Posted().empty());
}

TEST_F(UpdateCheck, TheWorkerEndsAtExitWithinTheBoundedWaitEvenDuringACheck)
{
    // A server that takes the connection and then never answers.
    nettest::WinsockScope winsock;
    nettest::Socket silent = nettest::Socket::BoundToLoopback();
    ASSERT_EQ(0, listen(silent.Get(), 4));
    UseServer(silent.Port());
    ASSERT_TRUE(m_worker->PostThreadMessage(WM_CHECK_UPDATE, 0, 0));
    ASSERT_TRUE(m_worker->PostThreadMessage(WM_QUIT, 0, 0));
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(m_workerHandle, kExitWaitMs));
    EXPECT_TRUE(Posted().empty());
    m_worker = nullptr;
}

TEST_F(UpdateCheck, AnIdleWorkerEndsAtOnce)
{
    ASSERT_TRUE(m_worker->PostThreadMessage(WM_QUIT, 0, 0));
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(m_workerHandle, 1000));
    m_worker = nullptr;
}

TEST(UpdateServerAddress, TheEnvironmentValueNamesTheHostAndPort)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* host;
        unsigned short port;
    };
    const Case cases[] = {
        {L"", L"update.lumeo.example", 80},
        {L"127.0.0.1:8080", L"127.0.0.1", 8080},
        {L"updates.test", L"updates.test", 80},
        {L"updates.test:0", L"updates.test", 80},
        {L"updates.test:65536", L"updates.test", 80},
        {L"updates.test:8o", L"updates.test", 80},
        {L"[::1]:8081", L"::1", 8081},
        {L"::1", L"::1", 80},
        {L":8080", L"update.lumeo.example", 8080},
    };
    for (const Case& c : cases) {
        const UpdateServer server = ParseUpdateServer(c.text);
        EXPECT_EQ(std::wstring(c.host), server.host.Str()) << c.text;
        EXPECT_EQ(c.port, server.port) << c.text;
    }
    ::SetEnvironmentVariableW(kUpdateServerVariable, L"example.test:81");
    EXPECT_EQ(L"example.test", GetUpdateServer().host.Str());
    EXPECT_EQ(81, GetUpdateServer().port);
    ::SetEnvironmentVariableW(kUpdateServerVariable, nullptr);
    EXPECT_EQ(L"update.lumeo.example", GetUpdateServer().host.Str());
}

} // namespace
} // namespace config_test
