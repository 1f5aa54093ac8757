#include "config/UpdateCheck.h"

#include "config/ProductInfo.h"
#include "core/TavikUtility.h"
#include "framework/Internet.h"

#include <cwchar>
#include <vector>

namespace {

constexpr wchar_t kMakerUpdateServer[] = L"update.lumeo.example";
constexpr unsigned short kHttpPort = 80;
constexpr DWORD kHttpOk = 200;

constexpr wchar_t kUserAgent[] =
    L"Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; Trident/4.0; SLCC2; .NET CLR 2.0.50727; .NET CLR 3.5.30729; "
    L".NET CLR 3.0.30729; Media Center PC 6.0; InfoPath.2)";

CString RequestHeaders()
{
    CString headers =
        L"Accept: image/jpeg, application/x-ms-application, image/gif, application/xaml+xml, image/pjpeg, "
        L"application/x-ms-xbap, application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";
    headers += L"Referer: ";
    headers += kMakerSite;
    headers += L"\r\nAccept-Language: en-US\r\nConnection: Keep-Alive\r\n";
    return headers;
}

// A port text's number, or 0 when it is no port.
unsigned short PortNumber(const wchar_t* text)
{
    wchar_t* end = nullptr;
    const long value = std::wcstol(text, &end, 10);
    if (end == text || *end != L'\0' || value < 1 || value > 65535)
        return 0;
    return static_cast<unsigned short>(value);
}

} // namespace

UpdateServer ParseUpdateServer(const CString& text)
{
    UpdateServer server;
    server.host = kMakerUpdateServer;
    server.port = kHttpPort;
    if (text.IsEmpty())
        return server;

    const std::wstring& value = text.Str();
    size_t portAt = std::wstring::npos;
    if (value[0] == L'[') {
        const size_t close = value.find(L']');
        server.host = CString(value.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1).c_str());
        if (close != std::wstring::npos && close + 1 < value.size() && value[close + 1] == L':')
            portAt = close + 2;
    } else {
        const size_t colon = value.find(L':');
        // More than one colon is an IPv6 address without a port.
        if (colon != std::wstring::npos && value.find(L':', colon + 1) == std::wstring::npos) {
            server.host = CString(value.substr(0, colon).c_str());
            portAt = colon + 1;
        } else {
            server.host = text;
        }
    }
    if (portAt != std::wstring::npos) {
        const unsigned short port = PortNumber(value.c_str() + portAt);
        server.port = port != 0 ? port : kHttpPort;
    }
    if (server.host.IsEmpty())
        server.host = kMakerUpdateServer;
    return server;
}

UpdateServer GetUpdateServer()
{
    const DWORD length = ::GetEnvironmentVariableW(kUpdateServerVariable, nullptr, 0);
    if (length == 0)
        return ParseUpdateServer(CString());
    std::vector<wchar_t> value(length);
    if (::GetEnvironmentVariableW(kUpdateServerVariable, value.data(), length) != length - 1)
        return ParseUpdateServer(CString());
    return ParseUpdateServer(CString(value.data()));
}

bool FetchVersionPage(const UpdateServer& server, std::string& body)
{
    CInternetSession session(kUserAgent, 1, PRE_CONFIG_INTERNET_ACCESS, nullptr, nullptr, 0);
    session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, kUpdateTimeoutMs);
    // A server that takes the connection but never answers must not hold the worker (and so
    // the program's exit) for longer either.
    session.SetOption(INTERNET_OPTION_SEND_TIMEOUT, kUpdateTimeoutMs);
    session.SetOption(INTERNET_OPTION_RECEIVE_TIMEOUT, kUpdateTimeoutMs);

    // The connection and the request close themselves, the request first, when they go; a
    // failure's text stays with the session, which nobody asks for it.
    const std::unique_ptr<CHttpConnection> connection = session.GetHttpConnection(server.host, server.port);
    if (!connection)
        return false;
    const std::unique_ptr<CHttpFile> request = connection->OpenRequest(
        CHttpConnection::HTTP_VERB_GET, kVersionPage, nullptr, 1, nullptr, nullptr, INTERNET_FLAG_RELOAD);
    if (!request)
        return false;
    if (!request->AddRequestHeaders(RequestHeaders(), HTTP_ADDREQ_FLAG_ADD_IF_NEW) || !request->SendRequest())
        return false;
    DWORD status = 0;
    if (!request->QueryInfoStatusCode(status) || status != kHttpOk)
        return false;

    char page[kVersionPageLimit + 1] = {};
    const UINT read = request->Read(page, kVersionPageLimit);
    if (read == 0 || page[0] == '\0')
        return false;
    body.assign(page);
    return true;
}

std::string VersionOfPage(const std::string& body)
{
    const size_t last = body.find_last_not_of(" \t\r\n");
    return last == std::string::npos ? std::string() : body.substr(0, last + 1);
}

bool IsOtherBuild(const std::string& version)
{
    return TavikUtility::CompareNoCase(version, kBuildText) != 0;
}
