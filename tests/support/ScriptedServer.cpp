#include "tests/support/ScriptedServer.h"

#include <httplib.h>

#include <filesystem>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int portOf(const sockaddr_storage& address)
{
    return address.ss_family == AF_INET
               ? ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port)
               : -1;
}

// The descriptor of this process's connection between the two loopback ports; -1 when none.
int connectionSocket(int localPort, int remotePort)
{
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        const int fd = std::atoi(entry.path().filename().c_str());
        sockaddr_storage local{}, remote{};
        socklen_t localLength = sizeof local, remoteLength = sizeof remote;
        if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localLength) == 0 &&
            getpeername(fd, reinterpret_cast<sockaddr*>(&remote), &remoteLength) == 0 &&
            portOf(local) == localPort && portOf(remote) == remotePort)
            return fd;
    }
    return -1;
}

// Resets a connection at once (RST, no FIN first): the socket is closed with a zero linger under
// the library's feet, and its descriptor now names an unconnected socket that the library's
// writes fail on and that it closes in its time.
void resetConnection(int localPort, int remotePort)
{
    const int fd = connectionSocket(localPort, remotePort);
    if (fd < 0)
        return;
    const linger abort{1, 0};
    setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    const int blank = ::socket(AF_INET, SOCK_STREAM, 0);
    dup2(blank, fd);
    ::close(blank);
}

} // namespace

std::string SeenRequest::header(const std::string& name) const
{
    const auto it = headers.find(name);
    return it == headers.end() ? std::string() : it->second;
}

ScriptedServer::ScriptedServer()
    : server_(std::make_unique<httplib::Server>())
{
    server_->set_keep_alive_max_count(100000);
    // Short, so that stopping does not wait long for an idle client connection.
    server_->set_keep_alive_timeout(2);
    auto handle = [this](const httplib::Request& request, httplib::Response& response) {
        SeenRequest seen;
        seen.method = request.method;
        seen.target = request.target;
        seen.remotePort = request.remote_port;
        for (const auto& [name, value] : request.headers)
            seen.headers.emplace(name, value);
        seen.body = request.body;
        {
            std::lock_guard lock(mutex_);
            seen.parts = std::move(pendingParts_);
            pendingParts_.clear();
        }
        seen.at = std::chrono::steady_clock::now();
        const ScriptedReply reply = answer(seen);
        if (reply.delayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(reply.delayMs));
        response.status = reply.status;
        if (reply.resetConnection) {
            resetConnection(port_, request.remote_port);
            return;
        }
        if (reply.bytesPerSecond <= 0) {
            response.set_content(reply.body, "text/xml");
            return;
        }
        // One byte at a time, at the rate asked, until the client gives up.
        const auto pause = std::chrono::microseconds(1000000 / reply.bytesPerSecond);
        response.set_content_provider(
            reply.body.size(), "text/xml",
            [body = reply.body, pause](size_t offset, size_t, httplib::DataSink& sink) {
                std::this_thread::sleep_for(pause);
                return sink.is_writable() && sink.write(body.data() + offset, 1);
            });
    };
    server_->Get(".*", handle);
    // Multipart parts are kept in the order they were sent; other bodies as they came.
    server_->Post(".*", [this, handle](const httplib::Request& request, httplib::Response& response,
                                       const httplib::ContentReader& reader) {
        std::vector<SeenPart> parts;
        std::string body;
        if (request.is_multipart_form_data()) {
            reader(
                [&](const httplib::MultipartFormData& header) {
                    parts.push_back({header.name, header.filename, header.content_type, {}});
                    return true;
                },
                [&](const char* data, size_t length) {
                    parts.back().data.append(data, length);
                    return true;
                });
        } else {
            reader([&](const char* data, size_t length) {
                body.append(data, length);
                return true;
            });
        }
        httplib::Request copy = request;
        copy.body = body;
        {
            std::lock_guard lock(mutex_);
            pendingParts_ = std::move(parts);
        }
        handle(copy, response);
    });
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
    // Bound, never listened on, then closed: connections to it are refused.
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(probe);
    return ntohs(address.sin_port);
}
