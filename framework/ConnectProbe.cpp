#include "framework/ConnectProbe.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <string>

namespace {

class WinsockUse {
public:
    WinsockUse() : m_started(::WSAStartup(MAKEWORD(2, 2), &m_data) == 0) {}
    ~WinsockUse()
    {
        if (m_started)
            ::WSACleanup();
    }
    WinsockUse(const WinsockUse&) = delete;
    WinsockUse& operator=(const WinsockUse&) = delete;
    bool Started() const { return m_started; }

private:
    WSADATA m_data{};
    bool m_started;
};

class ProbeSocket {
public:
    explicit ProbeSocket(const ADDRINFOW& address)
        : m_socket(::socket(address.ai_family, address.ai_socktype, address.ai_protocol))
    {
    }
    ~ProbeSocket()
    {
        if (m_socket != INVALID_SOCKET)
            ::closesocket(m_socket);
    }
    ProbeSocket(const ProbeSocket&) = delete;
    ProbeSocket& operator=(const ProbeSocket&) = delete;
    SOCKET Get() const { return m_socket; }

private:
    SOCKET m_socket;
};

struct AddressList {
    ADDRINFOW* first = nullptr;
    ~AddressList()
    {
        if (first)
            ::FreeAddrInfoW(first);
    }
};

// One address: Reached, Refused or TimedOut within `remainingMs`.
ConnectProbeResult ProbeOne(const ADDRINFOW& address, DWORD remainingMs)
{
    const ProbeSocket probe(address);
    if (probe.Get() == INVALID_SOCKET)
        return ConnectProbeResult::Unknown;
    u_long nonBlocking = 1;
    if (::ioctlsocket(probe.Get(), FIONBIO, &nonBlocking) != 0)
        return ConnectProbeResult::Unknown;
    if (::connect(probe.Get(), address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0)
        return ConnectProbeResult::Reached;
    if (::WSAGetLastError() != WSAEWOULDBLOCK)
        return ConnectProbeResult::Refused;
    fd_set writable;
    fd_set failed;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    FD_SET(probe.Get(), &writable);
    FD_SET(probe.Get(), &failed);
    timeval limit{static_cast<long>(remainingMs / 1000), static_cast<long>(remainingMs % 1000) * 1000};
    const int ready = ::select(0, nullptr, &writable, &failed, &limit);
    if (ready == 0)
        return ConnectProbeResult::TimedOut;
    if (ready < 0 || FD_ISSET(probe.Get(), &failed))
        return ConnectProbeResult::Refused;
    int error = 0;
    int length = sizeof error;
    ::getsockopt(probe.Get(), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length);
    return error == 0 ? ConnectProbeResult::Reached : ConnectProbeResult::Refused;
}

} // namespace

ConnectProbeResult AfxProbeConnect(const wchar_t* host, unsigned short port, unsigned long timeoutMs)
{
    const WinsockUse winsock;
    if (!winsock.Started() || !host)
        return ConnectProbeResult::Unknown;
    ADDRINFOW hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    AddressList addresses;
    if (::GetAddrInfoW(host, std::to_wstring(port).c_str(), &hints, &addresses.first) != 0)
        return ConnectProbeResult::Unknown;
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    ConnectProbeResult result = ConnectProbeResult::Unknown;
    for (const ADDRINFOW* address = addresses.first; address; address = address->ai_next) {
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline)
            return ConnectProbeResult::TimedOut;
        result = ProbeOne(*address, static_cast<DWORD>(deadline - now));
        if (result == ConnectProbeResult::Reached || result == ConnectProbeResult::TimedOut)
            return result;
    }
    return result;
}
