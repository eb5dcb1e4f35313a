#include "demo-server/DemoHttpServer.h"

#include "demo-server/TolerantHttpServer.h"

namespace {

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

} // namespace

DemoHttpServer::DemoHttpServer(ServerContext context)
    : context_(context)
    , http_(std::make_unique<TolerantHttpServer>())
{
    http_->set_keep_alive_max_count(1000);
    http_->set_keep_alive_timeout(10);
    http_->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        send(answerGet(context_, pathOf(request), request.target), response);
    });
    http_->Post(".*", [this](const httplib::Request& request, httplib::Response& response) {
        send(answerPost(context_, pathOf(request), formFields(request)), response);
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
    if (port == 0)
        return http_->bind_to_any_port("127.0.0.1");
    return http_->bind_to_port("127.0.0.1", port) ? port : -1;
}

void DemoHttpServer::listen()
{
    http_->listen_after_bind();
}

void DemoHttpServer::stop()
{
    http_->stop();
}
