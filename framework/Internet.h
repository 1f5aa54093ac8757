#pragma once
// HTTP over WinINet: a CInternetSession opens connections to a server (CHttpConnection),
// a connection opens requests (CHttpFile), and a request is sent and its reply read.
//
// No member throws. Each one answers a failure by its result (FALSE, null, 0) and the
// session records it, WinINet's error code with its text, for the caller to fetch
// (GetLastFailure) until the next failure replaces it. A connection and its requests
// hold their session's address, so they must go before it; each closes its own handle
// when it goes. A session is used by the thread that made it.
#include "framework/Object.h"
#include "framework/String.h"

#include <windows.h>
#include <wininet.h>

#include <memory>
#include <utility>

class CHttpConnection;
class CHttpFile;

// One failed internet call.
struct InternetFailure {
    DWORD error = 0;   // WinINet's code (ERROR_INTERNET_*), or a system error; 0: none yet
    CString text;      // the system's text for it; the server's words for an extended error
};

// Owns one WinINet handle.
class CInternetHandle {
public:
    CInternetHandle() = default;
    explicit CInternetHandle(HINTERNET handle) : m_handle(handle) {}
    ~CInternetHandle() { Close(); }
    CInternetHandle(const CInternetHandle&) = delete;
    CInternetHandle& operator=(const CInternetHandle&) = delete;

    HINTERNET Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void Close()
    {
        if (HINTERNET handle = std::exchange(m_handle, nullptr))
            ::InternetCloseHandle(handle);
    }

private:
    HINTERNET m_handle = nullptr;
};

class CInternetSession : public CObject {
    DECLARE_DYNAMIC(CInternetSession)
public:
    // Opens the session (InternetOpen); PRE_CONFIG_INTERNET_ACCESS takes the system's proxy
    // settings. A session that could not be opened records the
    // failure, and every later call on it fails the same way.
    explicit CInternetSession(LPCWSTR agent = nullptr, DWORD_PTR context = 1,
                              DWORD accessType = PRE_CONFIG_INTERNET_ACCESS, LPCWSTR proxyName = nullptr,
                              LPCWSTR proxyBypass = nullptr, DWORD flags = 0);
    ~CInternetSession() override;

    bool IsOpen() const { return static_cast<bool>(m_handle); }
    operator HINTERNET() const { return m_handle.Get(); }
    DWORD_PTR GetContext() const { return m_context; }

    // A numeric option of the session, such as INTERNET_OPTION_CONNECT_TIMEOUT (ms). Set
    // before the connections it is meant for are opened: they take it from the session.
    // The connect time-out is also held by the framework itself: without a proxy, a
    // request first tries to reach its server within that time and fails with
    // ERROR_INTERNET_TIMEOUT when it cannot (not every system's HTTP stack holds it). The
    // send and receive time-outs are handed to every request opened afterwards, as not every
    // system's HTTP stack passes them down from the session.
    BOOL SetOption(DWORD option, DWORD value);
    BOOL QueryOption(DWORD option, DWORD& value);

    // A connection to `server` (a name or an address) on `port` (0: the scheme's default).
    // Nothing is sent yet: an unreachable server shows when a request is sent. Null on
    // failure.
    std::unique_ptr<CHttpConnection> GetHttpConnection(LPCWSTR server, INTERNET_PORT port = 0,
                                                       LPCWSTR user = nullptr, LPCWSTR password = nullptr);
    // Closes the session handle (connections still open become unusable).
    void Close() { m_handle.Close(); }

    const InternetFailure& GetLastFailure() const { return m_failure; }

private:
    friend class CHttpConnection;
    friend class CHttpFile;
    // Records `error` (the calling thread's last error, read right after the call that
    // failed) with its text.
    void RecordFailure(DWORD error);

    // Whether requests go to their server directly (no proxy in the session's settings).
    bool ConnectsDirectly();

    CInternetHandle m_handle;
    DWORD_PTR m_context;
    DWORD m_connectTimeout = 0;   // ms; 0: the system's own
    DWORD m_sendTimeout = 0;      // ms; 0: the system's own
    DWORD m_receiveTimeout = 0;   // ms; 0: the system's own
    InternetFailure m_failure;
};

class CHttpConnection : public CObject {
    DECLARE_DYNAMIC(CHttpConnection)
public:
    enum { HTTP_VERB_POST, HTTP_VERB_GET, HTTP_VERB_HEAD, HTTP_VERB_PUT, HTTP_VERB_LINK, HTTP_VERB_DELETE,
           HTTP_VERB_UNLINK };

    CHttpConnection(CInternetSession& session, HINTERNET handle, LPCWSTR server, INTERNET_PORT port);
    ~CHttpConnection() override;

    // A request for `objectName` with one of the verbs above (or the verb's text). The
    // request is only prepared here; SendRequest sends it. Null on failure.
    std::unique_ptr<CHttpFile> OpenRequest(int verb, LPCWSTR objectName, LPCWSTR referer = nullptr,
                                           DWORD_PTR context = 1, LPCWSTR* acceptTypes = nullptr,
                                           LPCWSTR version = nullptr, DWORD flags = INTERNET_FLAG_EXISTING_CONNECT);
    std::unique_ptr<CHttpFile> OpenRequest(LPCWSTR verb, LPCWSTR objectName, LPCWSTR referer = nullptr,
                                           DWORD_PTR context = 1, LPCWSTR* acceptTypes = nullptr,
                                           LPCWSTR version = nullptr, DWORD flags = INTERNET_FLAG_EXISTING_CONNECT);
    void Close() { m_handle.Close(); }

    operator HINTERNET() const { return m_handle.Get(); }
    const CString& GetServerName() const { return m_server; }
    INTERNET_PORT GetPort() const { return m_port; }
    CInternetSession& GetSession() const { return m_session; }

private:
    CInternetSession& m_session;
    CInternetHandle m_handle;
    CString m_server;
    INTERNET_PORT m_port;
};

class CHttpFile : public CObject {
    DECLARE_DYNAMIC(CHttpFile)
public:
    CHttpFile(CInternetSession& session, HINTERNET handle, LPCWSTR verb, LPCWSTR objectName, LPCWSTR server,
              INTERNET_PORT port);
    ~CHttpFile() override;

    // Adds header lines (each ended by CR LF) to the request; `length` -1: up to the
    // terminating zero. `flags` are HTTP_ADDREQ_FLAG_* (only new headers by default).
    BOOL AddRequestHeaders(LPCWSTR headers, DWORD flags = HTTP_ADDREQ_FLAG_ADD_IF_NEW, int length = -1);
    // Connects, sends the request with any further headers and body, and reads the reply's
    // head. A refused or timed-out connection fails here (see SetOption for the time-out).
    BOOL SendRequest(LPCWSTR headers = nullptr, DWORD headersLength = 0, const void* optional = nullptr,
                     DWORD optionalLength = 0);
    // A field of the reply (HTTP_QUERY_*) as text, e.g. HTTP_QUERY_STATUS_CODE gives "200".
    BOOL QueryInfo(DWORD level, CString& text);
    BOOL QueryInfoStatusCode(DWORD& status);
    // Reads the reply's body into `buffer`: `count` bytes, fewer where the body ends or a
    // read fails (the session then has the failure); 0 once the body is all read.
    UINT Read(void* buffer, UINT count);
    void Close() { m_handle.Close(); }

    operator HINTERNET() const { return m_handle.Get(); }
    const CString& GetVerb() const { return m_verb; }
    const CString& GetObjectName() const { return m_object; }

private:
    CInternetSession& m_session;
    CInternetHandle m_handle;
    CString m_verb;
    CString m_object;
    CString m_server;
    INTERNET_PORT m_port;
};
