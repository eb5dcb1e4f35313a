#include "server/HttpFlow.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "server/MarkerSearch.h"
#include "server/TXml.h"

std::string escapeUrl(std::string_view url)
{
    std::string escaped;
    escaped.reserve(url.size() + 16);
    for (char c : url) {
        if (c == ' ')
            escaped += "%20";
        else if (c == '#')
            escaped += "%23";
        else
            escaped += c;
    }
    return escaped;
}

std::string composeGetUrl(std::string_view url, std::string_view clientId)
{
    std::string full(url);
    full += "&idClient=";
    full += clientId;
    return escapeUrl(full);
}

std::string timeoutMarker(std::string_view reply)
{
    std::string upper(reply);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    std::string marker;
    if (upper.find("WAIT_TIMEOUT") != std::string::npos)
        marker = "WAIT_TIMEOUT";
    if (upper.find("<![CDATA[TIMEOUT]]>") != std::string::npos)
        marker = "TIMEOUT";
    if (upper.find("<![CDATA[WAIT_TIMEOUT]]>") != std::string::npos)
        marker = "WAIT_TIMEOUT";
    return marker;
}

std::string timeoutMarkerOf(std::string_view url, std::string_view reply)
{
    return timeoutMarker(markerSearchText(reply, recordReplyOf(url)));
}

std::string rewriteIsoLatin9(std::string_view reply)
{
    static constexpr std::string_view kFrom = "8859-15";
    std::string result;
    result.reserve(reply.size());
    size_t i = 0;
    while (i < reply.size()) {
        // Digits and "-" have no case: an exact search is a case-free one.
        const size_t at = reply.find(kFrom, i);
        if (at == std::string_view::npos)
            break;
        result.append(reply.substr(i, at - i));
        result += "8859-1";
        i = at + kFrom.size();
    }
    result.append(reply.substr(i));
    return result;
}

std::string collectLogItems(std::string_view reply)
{
    TXml cursor{std::string(reply)};
    XmlFind(cursor, "LogItems");
    std::string items;
    while (XmlNext(cursor, "LogItem") > 0) {
        items.append(cursor.Node());
        items += " - ";
    }
    return items;
}

RequestOutcome runGet(RequestClient& client, const std::string& url, const PauseFunction& pause)
{
    RequestOutcome outcome;
    HttpReply reply;
    std::string marker;
    const RequestMode mode{isStatementUrl(url), false};
    do {
        if (outcome.attempts > 0 && pause)
            pause(kRetryPauseMs);
        ++outcome.attempts;
        reply = client.get(url, mode);
        outcome.newConnection = outcome.newConnection || reply.newConnection;
        if (!reply.ok) {
            outcome.failed = true;
            outcome.error = reply.error;
            outcome.warning = "Exception : " + reply.error;
            outcome.delivery = deliveryOf(reply.curlCode, reply.connected);
            outcome.curlCode = reply.curlCode;
            outcome.status = reply.status;
            return outcome;
        }
        marker = timeoutMarkerOf(url, reply.body);
    } while (!marker.empty() && outcome.attempts < kMaxAttempts);

    // Only a fifth reply that still says "time-out" is a failure: a good fifth reply is a success
    // like any other, so that a statement the server executed is not taken for a failed one.
    if (!marker.empty())
        outcome.warning = reply.body;
    outcome.reply = rewriteIsoLatin9(reply.body);
    outcome.warning += collectLogItems(outcome.reply);
    return outcome;
}

RequestOutcome runPost(RequestClient& client, const std::string& url, const MultipartForm& form)
{
    RequestOutcome outcome;
    outcome.attempts = 1;
    // The multipart insert is a statement with files.
    HttpReply reply = client.postMultipart(url, form, RequestMode{true, true});
    outcome.newConnection = reply.newConnection;
    if (!reply.ok) {
        outcome.error = reply.error;
        outcome.delivery = deliveryOf(reply.curlCode, reply.connected);
        outcome.curlCode = reply.curlCode;
        outcome.status = reply.status;
        reply.body = std::string(kPostFailureReply);
    }
    outcome.reply = rewriteIsoLatin9(reply.body);
    outcome.warning = collectLogItems(outcome.reply);
    return outcome;
}

bool writeReplyFile(const std::string& fileName, std::string_view reply)
{
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(reply.data(), std::streamsize(reply.size()));
    return bool(out);
}
