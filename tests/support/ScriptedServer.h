#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
}

// What the server answers to one request.
struct ScriptedReply {
    int status = 200;
    std::string body;
    int delayMs = 0; // wait before answering (a slow server)
    // The request is taken (recorded, as a server applies a statement), then the connection is
    // reset instead of answered: a kept-alive connection that dies after the request was sent.
    bool resetConnection = false;
    // When not 0, the body goes out at this many bytes a second (a reply that trickles).
    int bytesPerSecond = 0;
};

// One part of a multipart form, in the order of the form.
struct SeenPart {
    std::string name;
    std::string fileName;
    std::string contentType;
    std::string data;
};

// A request as the server saw it: the raw target is the request line's path and query, bytes as
// sent; the remote port tells connections apart.
struct SeenRequest {
    std::string method;
    std::string target;
    int remotePort = 0;
    std::multimap<std::string, std::string> headers;
    std::string body;
    std::vector<SeenPart> parts;
    std::chrono::steady_clock::time_point at;
    std::string header(const std::string& name) const;
};

// A loopback HTTP server in the test process that answers with scripted replies and records the
// requests it saw.
class ScriptedServer {
public:
    ScriptedServer();
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    int port() const { return port_; }
    // "http://127.0.0.1:port/"
    std::string baseUrl() const;
    // Replies in order; the last one repeats once the list is used up.
    void script(std::vector<ScriptedReply> replies);
    // Replies computed from the request (replaces the script).
    void setHandler(std::function<ScriptedReply(const SeenRequest&)> handler);
    std::vector<SeenRequest> requests() const;
    // Stops listening; the port stays taken by nobody (connections are refused).
    void stop();

private:
    ScriptedReply answer(const SeenRequest& request);

    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::vector<ScriptedReply> replies_;
    size_t next_ = 0;
    std::function<ScriptedReply(const SeenRequest&)> handler_;
    std::vector<SeenRequest> seen_;
    std::vector<SeenPart> pendingParts_; // handed from the POST reader to the recorder
};

// A port on which nothing listens.
int unusedPort();
