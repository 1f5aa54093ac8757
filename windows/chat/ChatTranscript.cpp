#include "windows/chat/ChatTranscript.h"

namespace {

constexpr wchar_t kLineBreak[] = L"\r\n";

} // namespace

CString ChatTitle(const CString& displayName, const CString& sipUri)
{
    if (!displayName.IsEmpty())
        return displayName;
    const int at = sipUri.Find(L'@');
    if (at < 0)
        return CString();
    CString user = sipUri.Left(at);
    const int scheme = user.Find(L"sip:");
    if (scheme >= 0)
        user = user.Mid(scheme + 4);
    return user;
}

CString OwnHeader(const CString& displayName, const CString& userName, const CString& server, const CString& says)
{
    CString header = displayName.IsEmpty() ? userName : displayName;
    header += L"<";
    header += userName;
    header += L"@";
    header += server;
    header += L"> ";
    header += says;
    header += kLineBreak;
    return header;
}

CString PeerHeader(const CString& peerName, const CString& from, const CString& says)
{
    const int at = peerName.Find(L'@');
    CString header = at >= 0 ? peerName.Left(at) : peerName;
    header += L"<";
    header += from;
    header += L"> ";
    header += says;
    header += kLineBreak;
    return header;
}

void AppendToTranscript(CString& transcript, const CString& header, const CString& text)
{
    if (!transcript.IsEmpty()) {
        transcript += kLineBreak;
        if (!header.IsEmpty())
            transcript += kLineBreak;
    }
    transcript += header;
    transcript += L"  ";
    transcript += text;
}

std::string ExtractMessageText(const std::string& body)
{
    const size_t close = body.rfind("</span>");
    if (close == std::string::npos)
        return body;
    const std::string before = body.substr(0, close);
    const size_t tag = before.rfind('>');
    return tag == std::string::npos ? before : before.substr(tag + 1);
}
