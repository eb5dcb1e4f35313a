#pragma once

#include <atomic>
#include <chrono>

#include <httplib.h>

// A cpp-httplib server that accepts the request targets the client sends, bounds the time a client
// takes to send a request and stops at once when asked.
//
// The library refuses a target holding a second "?", which the client leaves as it is inside the
// texts of its statements ("... ça va ?"). Here each request line is read through a stream that
// escapes every "?" after the first one as "%3F"; the rest of the conversation (keep-alive
// included) is the library's.
//
// Each request, from the moment the server waits for it, must arrive whole within the request
// time, or the connection is closed: a client that trickles its request or keeps a connection idle
// holds a worker for that long at most. Every wait on the socket looks at the server's stop every
// tenth of a second.
class TolerantHttpServer : public httplib::Server {
public:
    explicit TolerantHttpServer(std::chrono::milliseconds requestTime)
        : requestTime_(requestTime)
    {}

    // Stops listening and tells every connection to end. The library's own stop only closes the
    // listening socket: its running flag falls when the workers have ended, not before.
    void shutDown();
    bool stopping() const { return stopping_; }

private:
    bool process_and_close_socket(socket_t sock) override;

    std::chrono::milliseconds requestTime_;
    std::atomic<bool> stopping_{false};
};
