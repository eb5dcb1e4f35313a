#include "demo-server/RequestHandlers.h"

#include <charconv>
#include <exception>

#include "demo-server/ClientStatements.h"
#include "demo-server/DescriptionDocuments.h"
#include "demo-server/Dialect.h"
#include "demo-server/FileEndpoints.h"
#include "demo-server/QueryString.h"
#include "demo-server/RecordDocuments.h"
#include "demo-server/ReportContent.h"
#include "demo-server/SqliteMessages.h"
#include "demo-server/StatementReplies.h"

namespace {

Reply xml(std::string document)
{
    return Reply{std::move(document), kXmlContentType, {}};
}

long long maxRowsOf(const QueryString& query)
{
    const std::string text = query.valueOr("MaxRows", "");
    long long rows = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rows);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || rows < 0)
        return -1;
    return rows;
}

Reply statementReply(ServerContext& context, const QueryString& query, bool read)
{
    const char* key = read ? "SQL" : "SQLExecute";
    const auto statement = query.value(key);
    if (!statement)
        return xml(logItemsDocument(std::string("Paramètre ") + key +
                                    " absent : aucune instruction "
                                    "à exécuter."));
    const std::string sql = utf8FromClient(*statement);
    if (read)
        return xml(runClientQuery(context.store, sql, maxRowsOf(query), context.limits.replyBytes)
                       .document());
    return xml(changeReplyDocument(runClientChange(context.store, sql)));
}

Reply indexPage()
{
    Reply reply;
    reply.contentType = "text/html; charset=utf-8";
    reply.body =
        "<!DOCTYPE html><html lang=\"fr\"><head><meta charset=\"utf-8\">"
        "<title>Serveur de démonstration Kelvaro</title></head><body>"
        "<h1>Serveur de démonstration Kelvaro</h1>"
        "<p>Ce serveur répond au client « Saisie des Fiches » : AxInfoVO, AxInfoCL, AxInfoEquip, "
        "AxInfoStruct, AxQuery, AxUpdate, AxInsert, ReportPDF, les photos sous /voimages/ et la "
        "passerelle SMS.</p></body></html>";
    return reply;
}

Reply dispatchGet(ServerContext& context, std::string_view path, std::string_view target)
{
    const QueryString query = QueryString::fromTarget(target);
    if (path == "/AxInfoVO") {
        auto session = context.store.session();
        return xml(vehicleDocument(session.db(), utf8FromClient(query.valueOr("idTVO", "")),
                                   utf8FromClient(query.valueOr("UserID", ""))));
    }
    if (path == "/AxInfoCL") {
        auto session = context.store.session();
        return xml(clientDocument(session.db(), utf8FromClient(query.valueOr("idClient", "")),
                                  utf8FromClient(query.valueOr("UserID", ""))));
    }
    if (path == "/AxInfoEquip") {
        // The query also carries a WHERE_CLAUSE: it is never executed, the dealership's rubrics
        // are chosen here.
        auto session = context.store.session();
        return xml(
            listsDocument(session.db(), utf8FromClient(query.valueOr("UserConcession", ""))));
    }
    if (path == "/AxInfoStruct") {
        auto session = context.store.session();
        return xml(structureDocument(session.db()));
    }
    if (path == "/AxQuery")
        return statementReply(context, query, true);
    if (path == "/AxUpdate" || path == "/AxInsert")
        return statementReply(context, query, false);
    if (path == "/ReportPDF")
        return reportReply(context, utf8FromClient(query.valueOr("rptName", "")),
                           utf8FromClient(query.valueOr("rptSelect", "")));
    if (path.substr(0, kImagePath.size()) == kImagePath)
        return photoReply(context, path.substr(kImagePath.size()));
    if (path == "/" || path == "/index.html")
        return indexPage();
    return xml(logItemsDocument("Adresse inconnue du serveur : « " + std::string(path) + " »."));
}

Reply dispatchPost(ServerContext& context, std::string_view path,
                   const std::vector<FormField>& fields)
{
    if (path == "/AxInsert")
        return uploadReply(context, fields);
    if (path == kSmsPath)
        return smsReply(context, fields);
    return xml(logItemsDocument("Adresse inconnue du serveur pour un envoi : « " +
                                std::string(path) + " »."));
}

// Every failure becomes a log item: a request never stops the server.
template <typename Work> Reply guarded(Work&& work)
{
    try {
        return work();
    } catch (const StatementRefused& refused) {
        return xml(logItemsDocument(refused.what()));
    } catch (const ReportUnavailable& unavailable) {
        return xml(logItemsDocument(unavailable.what()));
    } catch (const SqliteError& error) {
        return xml(logItemsDocument(frenchDatabaseMessage(error.what())));
    } catch (const std::exception& error) {
        return xml(logItemsDocument(std::string("Erreur interne du serveur : ") + error.what()));
    }
}

} // namespace

Reply answerGet(ServerContext& context, std::string_view path, std::string_view target)
{
    return guarded([&] { return dispatchGet(context, path, target); });
}

Reply answerPost(ServerContext& context, std::string_view path,
                 const std::vector<FormField>& fields)
{
    return guarded([&] { return dispatchPost(context, path, fields); });
}
