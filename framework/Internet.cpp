#include "framework/Internet.h"

#include "framework/ConnectProbe.h"

#include <iterator>
#include <vector>

namespace {

// The text of a WinINet failure: the server's own words for an extended error, else
// WinINet's message for the code (the system's for a system error).
CString FailureText(DWORD error)
{
    CString text;
    if (error == ERROR_INTERNET_EXTENDED_ERROR) {
        DWORD detail = 0;
        DWORD length = 0;
        ::InternetGetLastResponseInfoW(&detail, nullptr, &length);
        if (length > 0) {
            std::vector<wchar_t> words(length + 1);
            length = static_cast<DWORD>(words.size());
            if (::InternetGetLastResponseInfoW(&detail, words.data(), &length))
                text = CString(words.data(), static_cast<int>(length));
        }
    } else {
        wchar_t* message = nullptr;
        const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                            (error >= INTERNET_ERROR_BASE && error <= INTERNET_ERROR_LAST ? FORMAT_MESSAGE_FROM_HMODULE : 0);
        const DWORD length = ::FormatMessageW(flags, ::GetModuleHandleW(L"wininet.dll"), error, 0,
                                              reinterpret_cast<LPWSTR>(&message), 0, nullptr);
        if (length > 0)
            text = CString(message, static_cast<int>(length));
        if (message)
            ::LocalFree(message);
    }
    text.TrimRight();
    if (text.IsEmpty())
        text.Format(L"Internet error %lu", static_cast<unsigned long>(error));
    return text;
}

LPCWSTR VerbText(int verb)
{
    static const LPCWSTR kVerbs[] = {L"POST", L"GET", L"HEAD", L"PUT", L"LINK", L"DELETE", L"UNLINK"};
    return verb >= 0 && verb < static_cast<int>(std::size(kVerbs)) ? kVerbs[verb] : nullptr;
}

} // namespace

IMPLEMENT_DYNAMIC(CInternetSession, CObject)

CInternetSession::CInternetSession(LPCWSTR agent, DWORD_PTR context, DWORD accessType, LPCWSTR proxyName,
                                   LPCWSTR proxyBypass, DWORD flags)
    : m_handle(::InternetOpenW(agent, accessType, proxyName, proxyBypass, flags)), m_context(context)
{
    if (!m_handle)
        RecordFailure(::GetLastError());
}

CInternetSession::~CInternetSession() = default;

BOOL CInternetSession::SetOption(DWORD option, DWORD value)
{
    if (::InternetSetOptionW(m_handle.Get(), option, &value, sizeof value)) {
        if (option == INTERNET_OPTION_CONNECT_TIMEOUT)
            m_connectTimeout = value;
        else if (option == INTERNET_OPTION_SEND_TIMEOUT)
            m_sendTimeout = value;
        else if (option == INTERNET_OPTION_RECEIVE_TIMEOUT)
            m_receiveTimeout = value;
        return TRUE;
    }
    RecordFailure(::GetLastError());
    return FALSE;
}

BOOL CInternetSession::QueryOption(DWORD option, DWORD& value)
{
    DWORD size = sizeof value;
    if (::InternetQueryOptionW(m_handle.Get(), option, &value, &size))
        return TRUE;
    RecordFailure(::GetLastError());
    return FALSE;
}

std::unique_ptr<CHttpConnection> CInternetSession::GetHttpConnection(LPCWSTR server, INTERNET_PORT port,
                                                                     LPCWSTR user, LPCWSTR password)
{
    if (!m_handle) {
        RecordFailure(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    const HINTERNET handle =
        ::InternetConnectW(m_handle.Get(), server, port, user, password, INTERNET_SERVICE_HTTP, 0, m_context);
    if (!handle) {
        RecordFailure(::GetLastError());
        return nullptr;
    }
    return std::make_unique<CHttpConnection>(*this, handle, server, port);
}

bool CInternetSession::ConnectsDirectly()
{
    DWORD size = 0;
    ::InternetQueryOptionW(m_handle.Get(), INTERNET_OPTION_PROXY, nullptr, &size);
    if (size < sizeof(INTERNET_PROXY_INFO))
        return false;
    std::vector<BYTE> buffer(size);
    if (!::InternetQueryOptionW(m_handle.Get(), INTERNET_OPTION_PROXY, buffer.data(), &size))
        return false;
    return reinterpret_cast<const INTERNET_PROXY_INFO*>(buffer.data())->dwAccessType == INTERNET_OPEN_TYPE_DIRECT;
}

void CInternetSession::RecordFailure(DWORD error)
{
    m_failure.error = error;
    m_failure.text = FailureText(error);
}

IMPLEMENT_DYNAMIC(CHttpConnection, CObject)

CHttpConnection::CHttpConnection(CInternetSession& session, HINTERNET handle, LPCWSTR server, INTERNET_PORT port)
    : m_session(session), m_handle(handle), m_server(server), m_port(port)
{
}

CHttpConnection::~CHttpConnection() = default;

std::unique_ptr<CHttpFile> CHttpConnection::OpenRequest(int verb, LPCWSTR objectName, LPCWSTR referer,
                                                        DWORD_PTR context, LPCWSTR* acceptTypes, LPCWSTR version,
                                                        DWORD flags)
{
    const LPCWSTR text = VerbText(verb);
    if (!text) {
        m_session.RecordFailure(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return OpenRequest(text, objectName, referer, context, acceptTypes, version, flags);
}

std::unique_ptr<CHttpFile> CHttpConnection::OpenRequest(LPCWSTR verb, LPCWSTR objectName, LPCWSTR referer,
                                                        DWORD_PTR context, LPCWSTR* acceptTypes, LPCWSTR version,
                                                        DWORD flags)
{
    if (!m_handle) {
        m_session.RecordFailure(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    const HINTERNET handle =
        ::HttpOpenRequestW(m_handle.Get(), verb, objectName, version, referer, acceptTypes, flags, context);
    if (!handle) {
        m_session.RecordFailure(::GetLastError());
        return nullptr;
    }
    const struct {
        DWORD option;
        DWORD value;
    } timeouts[] = {{INTERNET_OPTION_SEND_TIMEOUT, m_session.m_sendTimeout},
                    {INTERNET_OPTION_RECEIVE_TIMEOUT, m_session.m_receiveTimeout}};
    for (auto timeout : timeouts) {
        if (timeout.value > 0)
            ::InternetSetOptionW(handle, timeout.option, &timeout.value, sizeof timeout.value);
    }
    INTERNET_PORT port = m_port;
    if (port == INTERNET_INVALID_PORT_NUMBER)
        port = (flags & INTERNET_FLAG_SECURE) ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT;
    return std::make_unique<CHttpFile>(m_session, handle, verb, objectName, m_server, port);
}

IMPLEMENT_DYNAMIC(CHttpFile, CObject)

CHttpFile::CHttpFile(CInternetSession& session, HINTERNET handle, LPCWSTR verb, LPCWSTR objectName,
                     LPCWSTR server, INTERNET_PORT port)
    : m_session(session), m_handle(handle), m_verb(verb), m_object(objectName), m_server(server), m_port(port)
{
}

CHttpFile::~CHttpFile() = default;

BOOL CHttpFile::AddRequestHeaders(LPCWSTR headers, DWORD flags, int length)
{
    const DWORD count = length < 0 ? static_cast<DWORD>(-1L) : static_cast<DWORD>(length);
    if (::HttpAddRequestHeadersW(m_handle.Get(), headers, count, flags))
        return TRUE;
    m_session.RecordFailure(::GetLastError());
    return FALSE;
}

BOOL CHttpFile::SendRequest(LPCWSTR headers, DWORD headersLength, const void* optional, DWORD optionalLength)
{
    if (headers && headersLength == 0)
        headersLength = static_cast<DWORD>(-1L);
    // A server that does not answer within the session's connect time-out fails here; a
    // refusal or an unknown name is left for WinINet to report in its own words.
    if (m_session.m_connectTimeout > 0 && m_handle && m_session.ConnectsDirectly() &&
        AfxProbeConnect(m_server, m_port, m_session.m_connectTimeout) == ConnectProbeResult::TimedOut) {
        m_session.RecordFailure(ERROR_INTERNET_TIMEOUT);
        return FALSE;
    }
    if (::HttpSendRequestW(m_handle.Get(), headers, headersLength, const_cast<void*>(optional), optionalLength))
        return TRUE;
    m_session.RecordFailure(::GetLastError());
    return FALSE;
}

BOOL CHttpFile::QueryInfo(DWORD level, CString& text)
{
    DWORD bytes = 64 * sizeof(wchar_t);
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1);
        bytes = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
        if (::HttpQueryInfoW(m_handle.Get(), level, buffer.data(), &bytes, nullptr)) {
            text = CString(buffer.data(), static_cast<int>(bytes / sizeof(wchar_t)));
            return TRUE;
        }
        const DWORD error = ::GetLastError();
        if (error != ERROR_INSUFFICIENT_BUFFER) {
            m_session.RecordFailure(error);
            return FALSE;
        }
    }
    m_session.RecordFailure(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& status)
{
    DWORD bytes = sizeof status;
    if (::HttpQueryInfoW(m_handle.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &bytes, nullptr))
        return TRUE;
    m_session.RecordFailure(::GetLastError());
    return FALSE;
}

UINT CHttpFile::Read(void* buffer, UINT count)
{
    // WinINet may hand the body over in pieces as it arrives; the caller is given all it
    // asked for unless the body ends first.
    BYTE* const bytes = static_cast<BYTE*>(buffer);
    UINT total = 0;
    while (total < count) {
        DWORD read = 0;
        if (!::InternetReadFile(m_handle.Get(), bytes + total, count - total, &read)) {
            m_session.RecordFailure(::GetLastError());
            return total;
        }
        if (read == 0)
            break;
        total += read;
    }
    return total;
}
