#include "tests/demo-server/ClientSession.h"

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
