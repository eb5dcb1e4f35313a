#include "tests/support/ScriptedServer.h"

#include <httplib.h>

std::string SeenRequest::header(const std::string& name) const
{
    const auto it = headers.find(name);
    return it == headers.end() ? std::string() : it->second;
}

ScriptedServer::ScriptedServer()
    : server_(std::make_unique<httplib::Server>())
{
    server_->set_keep_alive_max_count(100000);
    server_->set_keep_alive_timeout(600);
    auto handle = [this](const httplib::Request& request, httplib::Response& response) {
        SeenRequest seen;
        seen.method = request.method;
        seen.target = request.target;
        seen.remotePort = request.remote_port;
        for (const auto& [name, value] : request.headers)
            seen.headers.emplace(name, value);
        seen.body = request.body;
        seen.at = std::chrono::steady_clock::now();
        const ScriptedReply reply = answer(seen);
        if (reply.delayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(reply.delayMs));
        response.status = reply.status;
        response.set_content(reply.body, "text/xml");
    };
    server_->Get(".*", handle);
    server_->Post(".*", handle);
    port_ = server_->bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    while (!server_->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

ScriptedServer::~ScriptedServer()
{
    stop();
}

void ScriptedServer::stop()
{
    server_->stop();
    if (thread_.joinable())
        thread_.join();
}

std::string ScriptedServer::baseUrl() const
{
    return "http://127.0.0.1:" + std::to_string(port_) + "/";
}

void ScriptedServer::script(std::vector<ScriptedReply> replies)
{
    std::lock_guard lock(mutex_);
    replies_ = std::move(replies);
    next_ = 0;
    handler_ = nullptr;
}

void ScriptedServer::setHandler(std::function<ScriptedReply(const SeenRequest&)> handler)
{
    std::lock_guard lock(mutex_);
    handler_ = std::move(handler);
}

std::vector<SeenRequest> ScriptedServer::requests() const
{
    std::lock_guard lock(mutex_);
    return seen_;
}

ScriptedReply ScriptedServer::answer(const SeenRequest& request)
{
    std::function<ScriptedReply(const SeenRequest&)> handler;
    ScriptedReply reply;
    {
        std::lock_guard lock(mutex_);
        seen_.push_back(request);
        handler = handler_;
        if (!handler && !replies_.empty()) {
            reply = replies_[std::min(next_, replies_.size() - 1)];
            ++next_;
        }
    }
    return handler ? handler(request) : reply;
}

int unusedPort()
{
    httplib::Server probe;
    const int port = probe.bind_to_any_port("127.0.0.1");
    return port; // closed when probe goes away
}
