#include "demo-server/TolerantHttpServer.h"

#include <algorithm>
#include <cerrno>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Longest single wait on a socket before looking at the server's stop again.
constexpr std::chrono::milliseconds kStopCheck{100};

// Waits until the socket is ready, the time is up or the server stops; once it stops, a socket
// that is ready at once still is (the reply of an interrupted statement goes out).
bool waitFor(int sock, short events, Clock::time_point until, const TolerantHttpServer& server)
{
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now());
        const bool last = left.count() <= 0 || server.stopping();
        pollfd ready{sock, events, 0};
        const int rc = poll(&ready, 1, last ? 0 : int(std::min(left, kStopCheck).count()));
        if (rc > 0)
            return true;
        if (last || (rc < 0 && errno != EINTR))
            return false;
    }
}

void addressOf(const sockaddr_storage& address, std::string& ip, int& port)
{
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
        inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
        port = ntohs(v4.sin_port);
    } else if (address.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
        inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
        port = ntohs(v6.sin6_port);
    }
    ip = text;
}

// The connection's socket, read through a buffer in which the request line is repaired.
class RequestLineStream : public httplib::Stream {
public:
    RequestLineStream(int sock, const TolerantHttpServer& server,
                      std::chrono::milliseconds readTimeout, std::chrono::milliseconds writeTimeout)
        : sock_(sock)
        , server_(server)
        , readTimeout_(readTimeout)
        , writeTimeout_(writeTimeout)
    {}

    // The next bytes read start a request, which must have arrived by the deadline.
    void startRequest(Clock::time_point deadline)
    {
        inRequestLine_ = true;
        marks_ = 0;
        deadline_ = deadline;
    }
    bool hasBuffered() const { return next_ < ready_.size(); }
    // Waits for the first byte of the next request.
    bool awaitRequest() const
    {
        return hasBuffered() || waitFor(sock_, POLLIN, deadline_, server_);
    }

    bool is_readable() const override
    {
        return hasBuffered() || waitFor(sock_, POLLIN, readUntil(), server_);
    }
    bool is_writable() const override
    {
        return waitFor(sock_, POLLOUT, Clock::now() + writeTimeout_, server_);
    }

    ssize_t read(char* ptr, size_t size) override
    {
        if (!hasBuffered()) {
            if (!waitFor(sock_, POLLIN, readUntil(), server_))
                return -1;
            char raw[4096];
            ssize_t got;
            do {
                got = recv(sock_, raw, sizeof raw, 0);
            } while (got < 0 && errno == EINTR);
            if (got <= 0)
                return got;
            ready_.clear();
            next_ = 0;
            for (ssize_t i = 0; i < got; ++i)
                take(raw[i]);
        }
        const size_t count = std::min(size, ready_.size() - next_);
        std::copy_n(ready_.data() + next_, count, ptr);
        next_ += count;
        return ssize_t(count);
    }

    // Never blocks: a client that stops reading cannot hold the server past its write time-out
    // or its stop. The library writes again what was not taken.
    ssize_t write(const char* ptr, size_t size) override
    {
        if (!is_writable())
            return -1;
        ssize_t sent;
        do {
            sent = send(sock_, ptr, size, MSG_NOSIGNAL | MSG_DONTWAIT);
        } while (sent < 0 && errno == EINTR);
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return 0;
        return sent;
    }

    void get_remote_ip_and_port(std::string& ip, int& port) const override
    {
        sockaddr_storage address{};
        socklen_t length = sizeof address;
        if (getpeername(sock_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            addressOf(address, ip, port);
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override
    {
        sockaddr_storage address{};
        socklen_t length = sizeof address;
        if (getsockname(sock_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            addressOf(address, ip, port);
    }
    socket_t socket() const override { return sock_; }

private:
    // A read waits at most the read time-out, and never past the request's deadline.
    Clock::time_point readUntil() const { return std::min(Clock::now() + readTimeout_, deadline_); }

    void take(char c)
    {
        if (inRequestLine_ && c == '?' && marks_++ > 0) {
            ready_ += "%3F";
            return;
        }
        if (c == '\n')
            inRequestLine_ = false;
        ready_ += c;
    }

    int sock_;
    const TolerantHttpServer& server_;
    std::chrono::milliseconds readTimeout_;
    std::chrono::milliseconds writeTimeout_;
    Clock::time_point deadline_ = Clock::time_point::max();
    std::string ready_;
    size_t next_ = 0;
    bool inRequestLine_ = false;
    int marks_ = 0;
};

std::chrono::milliseconds milliseconds(time_t seconds, time_t microseconds)
{
    return std::chrono::milliseconds(seconds * 1000 + microseconds / 1000);
}

} // namespace

void TolerantHttpServer::shutDown()
{
    stopping_ = true;
    stop();
}

bool TolerantHttpServer::process_and_close_socket(socket_t sock)
{
    // A reply is written in pieces (head, then body). Held back until the client acknowledges
    // the first piece, which it delays, every answer on a kept-alive connection would wait about
    // 40 ms: send each piece at once.
    const int noDelay = 1;
    setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
    RequestLineStream stream(sock, *this, milliseconds(read_timeout_sec_, read_timeout_usec_),
                             milliseconds(write_timeout_sec_, write_timeout_usec_));
    bool served = false;
    for (size_t left = keep_alive_max_count_; left > 0 && !stopping(); --left) {
        // The wait for the next request of a kept-alive connection counts in its time.
        stream.startRequest(Clock::now() + requestTime_);
        if (!stream.awaitRequest())
            break;
        bool connectionClosed = false;
        served = process_request(stream, left == 1, connectionClosed, [](httplib::Request&) {});
        if (!served || connectionClosed)
            break;
    }
    shutdown(sock, SHUT_RDWR);
    close(sock);
    return served;
}
