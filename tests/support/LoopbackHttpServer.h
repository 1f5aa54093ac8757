#pragma once
// A small HTTP server on 127.0.0.1 for the tests of the internet classes and the update
// check. A thread of its own accepts connections one after another, reads each request's head
// and answers with the next scripted reply (the last one again when they run out), then closes
// the connection; a connection that sends nothing gets nothing. It stops (and is joined) when
// it goes.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace nettest {

// Starts Winsock for the life of the object.
class WinsockScope {
public:
    WinsockScope() { m_started = WSAStartup(MAKEWORD(2, 2), &m_data) == 0; }
    ~WinsockScope()
    {
        if (m_started)
            WSACleanup();
    }
    WinsockScope(const WinsockScope&) = delete;
    WinsockScope& operator=(const WinsockScope&) = delete;
    bool Started() const { return m_started; }

private:
    WSADATA m_data{};
    bool m_started = false;
};

class Socket {
public:
    Socket() = default;
    explicit Socket(SOCKET s) : m_socket(s) {}
    ~Socket() { Close(); }
    Socket(Socket&& other) noexcept : m_socket(other.m_socket) { other.m_socket = INVALID_SOCKET; }
    Socket& operator=(Socket&& other) noexcept
    {
        if (this != &other) {
            Close();
            m_socket = other.m_socket;
            other.m_socket = INVALID_SOCKET;
        }
        return *this;
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    SOCKET Get() const { return m_socket; }
    bool Valid() const { return m_socket != INVALID_SOCKET; }
    void Close()
    {
        if (m_socket != INVALID_SOCKET)
            closesocket(m_socket);
        m_socket = INVALID_SOCKET;
    }

    // A TCP socket bound to 127.0.0.1 on a port the system picks.
    static Socket BoundToLoopback()
    {
        Socket s(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (!s.Valid() || bind(s.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
            return Socket();
        return s;
    }
    unsigned short Port() const
    {
        sockaddr_in address{};
        int length = sizeof address;
        if (getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return 0;
        return ntohs(address.sin_port);
    }

private:
    SOCKET m_socket = INVALID_SOCKET;
};

class LoopbackHttpServer {
public:
    explicit LoopbackHttpServer(std::vector<std::string> replies) : m_replies(std::move(replies))
    {
        m_listener = Socket::BoundToLoopback();
        if (!m_listener.Valid() || listen(m_listener.Get(), 4) != 0)
            return;
        m_port = m_listener.Port();
        m_thread = std::thread([this] { Serve(); });
    }
    ~LoopbackHttpServer()
    {
        if (m_thread.joinable()) {
            // A last connection of our own wakes the accept; the server sees it is to stop.
            {
                const std::lock_guard<std::mutex> lock(m_lock);
                m_stopping = true;
            }
            Socket wake(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            address.sin_port = htons(m_port);
            connect(wake.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address);
            m_thread.join();
        }
    }
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    unsigned short Port() const { return m_port; }
    // The request heads received so far, in order.
    std::vector<std::string> Requests() const
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        return m_requests;
    }

private:
    void Serve()
    {
        for (size_t next = 0;;) {
            Socket client(accept(m_listener.Get(), nullptr, nullptr));
            {
                const std::lock_guard<std::mutex> lock(m_lock);
                if (m_stopping || !client.Valid())
                    return;
            }
            const std::string head = ReadHead(client);
            if (head.empty())
                continue;   // a connection that only tested the way (the connect time-out's)
            {
                const std::lock_guard<std::mutex> lock(m_lock);
                m_requests.push_back(head);
            }
            const std::string& reply = next < m_replies.size() ? m_replies[next++] : m_replies.back();
            send(client.Get(), reply.data(), static_cast<int>(reply.size()), 0);
            shutdown(client.Get(), SD_SEND);
        }
    }
    static std::string ReadHead(const Socket& client)
    {
        const DWORD limit = 10000;   // ms: a client that stalls does not hold the server
        setsockopt(client.Get(), SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&limit), sizeof limit);
        std::string head;
        char buffer[1024];
        while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
            const int got = recv(client.Get(), buffer, sizeof buffer, 0);
            if (got <= 0)
                break;
            head.append(buffer, static_cast<size_t>(got));
        }
        return head;
    }

    WinsockScope m_winsock;
    std::vector<std::string> m_replies;
    Socket m_listener;
    unsigned short m_port = 0;
    std::thread m_thread;
    mutable std::mutex m_lock;
    std::vector<std::string> m_requests;
    bool m_stopping = false;
};

} // namespace nettest
