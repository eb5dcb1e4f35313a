#include "tests/demo-server/ClientSession.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QString>

#include "app/Cp1252.h"

RequestOutcome ClientSession::get(const std::string& url, const std::string& clientId)
{
    const RequestOutcome outcome =
        runGet(client_, composeGetUrl(url, clientId), [](int) { /* no pause needed */ });
    lastWarning_ = outcome.failed ? "Exception : " + outcome.error : outcome.warning;
    return outcome;
}

RequestOutcome ClientSession::post(const std::string& url, const MultipartForm& form)
{
    const RequestOutcome outcome = runPost(client_, escapeUrl(url), form);
    lastWarning_ = outcome.warning;
    return outcome;
}

HttpReply ClientSession::download(const std::string& url)
{
    return client_.get(url);
}

TXml ClientSession::read(const RequestOutcome& outcome)
{
    const std::string file = folder_.file("reply.xml");
    writeReplyFile(file, outcome.reply);
    return TXml(LoadTextFile(file));
}

TXml ClientSession::fetch(const std::string& url, const std::string& clientId)
{
    return read(get(url, clientId));
}

std::string cp1252(std::string_view utf8Text)
{
    return toCp1252(QString::fromUtf8(utf8Text.data(), qsizetype(utf8Text.size())));
}

std::string utf8(std::string_view cp1252Text)
{
    return fromCp1252(cp1252Text).toStdString();
}

std::string valueOf(const TXml& cursor, std::string_view name)
{
    std::string value;
    XmlValue(cursor, name, value);
    return value;
}

int connectLoopback(int port)
{
    const int sock = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(sock);
        return -1;
    }
    return sock;
}

std::string rawExchange(int port, const std::string& request)
{
    const int sock = connectLoopback(port);
    std::string answer;
    if (sock < 0)
        return answer;
    send(sock, request.data(), request.size(), MSG_NOSIGNAL);
    char buffer[4096];
    ssize_t got;
    while ((got = recv(sock, buffer, sizeof buffer, 0)) > 0)
        answer.append(buffer, size_t(got));
    close(sock);
    return answer;
}
