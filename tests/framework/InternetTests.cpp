// The internet classes fetch a page from a server the test runs on the loopback address:
// the request carries the verb, object, agent and added headers; the reply gives its
// status and body. A refused connection and a connect time-out come back as failures
// with their text, the time-out within the time set, and nothing is thrown.
// Winsock's header must come before the system header that the framework headers bring.
#include "tests/support/LoopbackHttpServer.h"
#include "framework/Internet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr wchar_t kAgent[] = L"LumeoTest/1.0";

std::string Reply(const char* status, const std::string& body)
{
    return std::string("HTTP/1.1 ") + status + "\r\nContent-Type: text/html\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

std::string Narrow(const CString& text)
{
    std::string narrow;
    for (int i = 0; i < text.GetLength(); ++i)
        narrow += static_cast<char>(text[i] < 128 ? text[i] : '?');
    return narrow;
}

struct Fetched {
    BOOL sent = FALSE;
    CString status;
    CString statusText;
    std::string body;
    InternetFailure failure;
};

// One GET of "lumeo.htm" the way the update check asks for it.
Fetched Fetch(unsigned short port, DWORD connectTimeout = 5000, UINT readSize = 6143)
{
    Fetched result;
    CInternetSession session(kAgent, 1, PRE_CONFIG_INTERNET_ACCESS, nullptr, nullptr, 0);
    session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, connectTimeout);
    std::unique_ptr<CHttpConnection> connection = session.GetHttpConnection(L"127.0.0.1", port);
    std::unique_ptr<CHttpFile> file;
    if (connection)
        file = connection->OpenRequest(CHttpConnection::HTTP_VERB_GET, L"lumeo.htm", nullptr, 1, nullptr, nullptr,
                                       INTERNET_FLAG_RELOAD);
    if (file) {
        file->AddRequestHeaders(L"Accept-Language: en-US\r\nConnection: Keep-Alive\r\n");
        result.sent = file->SendRequest();
    }
    if (result.sent) {
        file->QueryInfo(HTTP_QUERY_STATUS_CODE, result.status);
        file->QueryInfo(HTTP_QUERY_STATUS_TEXT, result.statusText);
        std::string buffer(readSize, '\0');
        buffer.resize(file->Read(buffer.data(), readSize));
        result.body = buffer;
    }
    result.failure = session.GetLastFailure();
    return result;
}

class InternetTest : public testing::Test {
protected:
    nettest::WinsockScope winsock;
};

TEST_F(InternetTest, AGetBringsTheStatusAndTheBodyAndSendsTheAddedHeaders)
{
    struct Case {
        const char* status;
        std::string body;
        const wchar_t* code;
        const wchar_t* text;
    };
    const Case cases[] = {
        {"200 OK", "8.1, Build 01222014", L"200", L"OK"},
        {"404 Not Found", "<html>missing</html>", L"404", L"Not Found"},
        {"500 Internal Server Error", "broken", L"500", L"Internal Server Error"},
        {"200 OK", "", L"200", L"OK"},
    };
    for (const Case& c : cases) {
        nettest::LoopbackHttpServer server({Reply(c.status, c.body)});
        ASSERT_NE(0, server.Port());
        const Fetched fetched = Fetch(server.Port());
        ASSERT_TRUE(fetched.sent) << c.status << ": " << Narrow(fetched.failure.text);
        EXPECT_EQ(CString(c.code), fetched.status) << c.status;
        EXPECT_EQ(CString(c.text), fetched.statusText) << c.status;
        EXPECT_EQ(c.body, fetched.body) << c.status;

        const std::vector<std::string> requests = server.Requests();
        ASSERT_EQ(1u, requests.size()) << c.status;
        const std::string& head = requests[0];
        EXPECT_EQ(0u, head.find("GET /lumeo.htm HTTP/1.1\r\n")) << head;
        EXPECT_NE(std::string::npos, head.find("User-Agent: LumeoTest/1.0\r\n")) << head;
        EXPECT_NE(std::string::npos, head.find("Accept-Language: en-US\r\n")) << head;
    }
}

TEST_F(InternetTest, ReadGivesWhatWasAskedForUntilTheBodyEnds)
{
    const std::string body(10000, 'x');
    nettest::LoopbackHttpServer server({Reply("200 OK", body)});
    CInternetSession session(kAgent);
    auto connection = session.GetHttpConnection(L"127.0.0.1", server.Port());
    ASSERT_TRUE(connection);
    auto file = connection->OpenRequest(CHttpConnection::HTTP_VERB_GET, L"big.htm");
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->SendRequest());
    DWORD status = 0;
    ASSERT_TRUE(file->QueryInfoStatusCode(status));
    EXPECT_EQ(200u, status);
    std::vector<char> buffer(6143);
    EXPECT_EQ(6143u, file->Read(buffer.data(), 6143));
    EXPECT_EQ(10000u - 6143u, file->Read(buffer.data(), 6143));
    EXPECT_EQ(0u, file->Read(buffer.data(), 6143));
    EXPECT_EQ(0u, session.GetLastFailure().error);
}

TEST_F(InternetTest, ARefusedConnectionIsAFailureWithItsText)
{
    unsigned short port = 0;
    {
        const nettest::Socket unused = nettest::Socket::BoundToLoopback();   // bound, never listening
        port = unused.Port();
    }
    ASSERT_NE(0, port);
    const Fetched fetched = Fetch(port);
    EXPECT_FALSE(fetched.sent);
    EXPECT_EQ(static_cast<DWORD>(ERROR_INTERNET_CANNOT_CONNECT), fetched.failure.error);
    EXPECT_FALSE(fetched.failure.text.IsEmpty());
}

TEST_F(InternetTest, AConnectTimeOutIsHonoured)
{
    // A listener that never accepts, its queue filled: the next connection hangs in its
    // handshake until the client gives up.
    nettest::Socket listener = nettest::Socket::BoundToLoopback();
    ASSERT_TRUE(listener.Valid());
    ASSERT_EQ(0, listen(listener.Get(), 1));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(listener.Port());
    std::vector<nettest::Socket> fillers;
    for (int i = 0; i < 8; ++i) {
        nettest::Socket filler(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
        u_long nonBlocking = 1;
        ioctlsocket(filler.Get(), FIONBIO, &nonBlocking);
        connect(filler.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address);
        fillers.push_back(std::move(filler));
    }

    CInternetSession session(kAgent);
    ASSERT_TRUE(session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, 500));
    DWORD timeout = 0;
    ASSERT_TRUE(session.QueryOption(INTERNET_OPTION_CONNECT_TIMEOUT, timeout));
    EXPECT_EQ(500u, timeout);

    const ULONGLONG start = GetTickCount64();
    const Fetched fetched = Fetch(listener.Port(), 500);
    const ULONGLONG elapsed = GetTickCount64() - start;
    EXPECT_FALSE(fetched.sent);
    EXPECT_TRUE(fetched.failure.error == ERROR_INTERNET_TIMEOUT ||
                fetched.failure.error == ERROR_INTERNET_CANNOT_CONNECT)
        << fetched.failure.error;
    EXPECT_FALSE(fetched.failure.text.IsEmpty());
    // It waited for the time set, and not for the minute or more the system would try.
    EXPECT_GE(elapsed, 400u);
    EXPECT_LT(elapsed, 10000u);
}

TEST_F(InternetTest, TheSessionsReceiveTimeOutHoldsForAServerThatNeverAnswers)
{
    // Takes the connection (the system completes it) but never reads or answers.
    nettest::Socket silent = nettest::Socket::BoundToLoopback();
    ASSERT_TRUE(silent.Valid());
    ASSERT_EQ(0, listen(silent.Get(), 4));

    CInternetSession session(kAgent);
    ASSERT_TRUE(session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, 500));
    auto connection = session.GetHttpConnection(L"127.0.0.1", silent.Port());
    ASSERT_TRUE(connection);
    auto file = connection->OpenRequest(CHttpConnection::HTTP_VERB_GET, L"lumeo.htm");
    ASSERT_TRUE(file);
    const ULONGLONG start = GetTickCount64();
    EXPECT_FALSE(file->SendRequest());
    const ULONGLONG elapsed = GetTickCount64() - start;
    EXPECT_NE(0u, session.GetLastFailure().error);
    EXPECT_GE(elapsed, 400u);
    EXPECT_LT(elapsed, 10000u);
}

TEST_F(InternetTest, CallsOnAFailedOrClosedHandleFailWithoutThrowing)
{
    CInternetSession session(kAgent);
    session.Close();
    EXPECT_FALSE(session.IsOpen());
    EXPECT_EQ(nullptr, session.GetHttpConnection(L"127.0.0.1", 80));
    EXPECT_NE(0u, session.GetLastFailure().error);

    CInternetSession open(kAgent);
    auto connection = open.GetHttpConnection(L"127.0.0.1", 80);
    ASSERT_TRUE(connection);
    EXPECT_EQ(nullptr, connection->OpenRequest(99, L"x.htm")) << "no such verb";
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), open.GetLastFailure().error);
}

} // namespace
