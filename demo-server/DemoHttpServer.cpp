#include "demo-server/DemoHttpServer.h"

#include <sys/socket.h>

#include "demo-server/TolerantHttpServer.h"

namespace {

// A request body may be at most this long: the photo upload carries two files of at most 4 MB.
constexpr size_t kRequestBytesLimit = 20 * 1024 * 1024;

void send(const Reply& reply, httplib::Response& response)
{
    response.status = 200;
    if (!reply.fileName.empty())
        response.set_header("Content-Disposition", "inline; filename=\"" + reply.fileName + "\"");
    response.set_content(reply.body, reply.contentType.c_str());
}

std::string pathOf(const httplib::Request& request)
{
    // The raw target: the library decodes "%XX" in its own path, the endpoints do it themselves.
    const std::string& target = request.target;
    return target.substr(0, target.find('?'));
}

std::vector<FormField> formFields(const httplib::Request& request)
{
    std::vector<FormField> fields;
    // The multimap keeps the parts of one name in the order they came ("File" twice).
    for (const auto& [name, part] : request.files)
        fields.push_back({name, part.content, part.filename});
    for (const auto& [name, value] : request.params)
        fields.push_back({name, value, {}});
    return fields;
}

// No reply passes the size limit: a larger one is replaced by a log item.
Reply bounded(Reply reply, size_t maxBytes)
{
    if (reply.body.size() <= maxBytes)
        return reply;
    return Reply{logItemsDocument("Réponse refusée : elle dépasserait la taille permise de " +
                                  sizeText(maxBytes) + " (" + sizeText(reply.body.size()) + ")."),
                 kXmlContentType,
                 {}};
}

} // namespace

DemoHttpServer::DemoHttpServer(ServerContext context)
    : context_(context)
    , http_(std::make_unique<TolerantHttpServer>(context.limits.requestTime))
{
    const size_t workers = size_t(context_.limits.connections);
    // The library's own pool, sized here; it owns the queue it is handed.
    http_->new_task_queue = [workers] { return new httplib::ThreadPool(workers); };
    // Remembers the listening socket, whose queue bind() widens.
    http_->set_socket_options([this](socket_t sock) {
        httplib::default_socket_options(sock);
        listeningSocket_ = sock;
    });
    http_->set_keep_alive_max_count(1000);
    http_->set_payload_max_length(kRequestBytesLimit);
    http_->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        send(bounded(answerGet(context_, pathOf(request), request.target),
                     context_.limits.replyBytes),
             response);
    });
    http_->Post(".*", [this](const httplib::Request& request, httplib::Response& response) {
        send(bounded(answerPost(context_, pathOf(request), formFields(request)),
                     context_.limits.replyBytes),
             response);
    });
    http_->set_exception_handler(
        [](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
            send(Reply{logItemsDocument("Erreur interne du serveur pendant la requête."),
                       kXmlContentType,
                       {}},
                 response);
        });
    const httplib::Server::HandlerWithResponse onError = [](const httplib::Request&,
                                                            httplib::Response& response) {
        const int status = response.status;
        send(Reply{logItemsDocument("Requête refusée par le serveur HTTP (statut " +
                                    std::to_string(status) + ")."),
                   kXmlContentType,
                   {}},
             response);
        return httplib::Server::HandlerResponse::Handled;
    };
    http_->set_error_handler(onError);
}

DemoHttpServer::~DemoHttpServer() = default;

int DemoHttpServer::bind(int port)
{
    const int bound = port == 0 ? http_->bind_to_any_port("127.0.0.1")
                                : (http_->bind_to_port("127.0.0.1", port) ? port : -1);
    // The library listens with a queue of 5 connections: past it, a burst of clients (or a busy
    // machine slow to accept them) would see their connections dropped and tried again a second
    // later. Listening again only widens the queue.
    if (bound > 0 && listeningSocket_ >= 0)
        ::listen(listeningSocket_, SOMAXCONN);
    return bound;
}

void DemoHttpServer::listen()
{
    http_->listen_after_bind();
}

void DemoHttpServer::stop()
{
    http_->shutDown();
}
