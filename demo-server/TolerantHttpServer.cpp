#include "demo-server/TolerantHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool waitFor(int sock, short events, int milliseconds)
{
    pollfd ready{sock, events, 0};
    int rc;
    do {
        rc = poll(&ready, 1, milliseconds);
    } while (rc < 0 && errno == EINTR);
    return rc > 0;
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
    RequestLineStream(int sock, int readTimeoutMs, int writeTimeoutMs)
        : sock_(sock)
        , readTimeoutMs_(readTimeoutMs)
        , writeTimeoutMs_(writeTimeoutMs)
    {}

    // The next bytes read start a request.
    void startRequest()
    {
        inRequestLine_ = true;
        marks_ = 0;
    }
    bool hasBuffered() const { return next_ < ready_.size(); }

    bool is_readable() const override
    {
        return hasBuffered() || waitFor(sock_, POLLIN, readTimeoutMs_);
    }
    bool is_writable() const override { return waitFor(sock_, POLLOUT, writeTimeoutMs_); }

    ssize_t read(char* ptr, size_t size) override
    {
        if (!hasBuffered()) {
            if (!waitFor(sock_, POLLIN, readTimeoutMs_))
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

    ssize_t write(const char* ptr, size_t size) override
    {
        if (!is_writable())
            return -1;
        ssize_t sent;
        do {
            sent = send(sock_, ptr, size, MSG_NOSIGNAL);
        } while (sent < 0 && errno == EINTR);
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
    int readTimeoutMs_;
    int writeTimeoutMs_;
    std::string ready_;
    size_t next_ = 0;
    bool inRequestLine_ = false;
    int marks_ = 0;
};

int milliseconds(time_t seconds, time_t microseconds)
{
    return int(seconds * 1000 + microseconds / 1000);
}

} // namespace

bool TolerantHttpServer::process_and_close_socket(socket_t sock)
{
    RequestLineStream stream(sock, milliseconds(read_timeout_sec_, read_timeout_usec_),
                             milliseconds(write_timeout_sec_, write_timeout_usec_));
    bool served = false;
    for (size_t left = keep_alive_max_count_; left > 0 && is_running(); --left) {
        // Wait for the next request of a kept-alive connection, watching for the server's stop.
        bool readable = stream.hasBuffered();
        for (time_t waited = 0; !readable && is_running() && waited < keep_alive_timeout_sec_ * 10;
             ++waited)
            readable = waitFor(sock, POLLIN, 100);
        if (!readable)
            break;
        stream.startRequest();
        bool connectionClosed = false;
        served = process_request(stream, left == 1, connectionClosed, [](httplib::Request&) {});
        if (!served || connectionClosed)
            break;
    }
    shutdown(sock, SHUT_RDWR);
    close(sock);
    return served;
}
