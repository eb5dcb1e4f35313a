#pragma once

#include <memory>

#include "demo-server/RequestHandlers.h"

class TolerantHttpServer;

// The server's HTTP side: cpp-httplib on 127.0.0.1 only, every reply with status 200 (a request
// the library itself cannot read, or a handler that fails, gets a log item).
class DemoHttpServer {
public:
    explicit DemoHttpServer(ServerContext context);
    ~DemoHttpServer();
    DemoHttpServer(const DemoHttpServer&) = delete;
    DemoHttpServer& operator=(const DemoHttpServer&) = delete;

    // Binds the port (0: a free one); the port bound, or -1.
    int bind(int port);
    // Serves until stop().
    void listen();
    void stop();

private:
    ServerContext context_;
    std::unique_ptr<TolerantHttpServer> http_;
    int listeningSocket_ = -1;
};
