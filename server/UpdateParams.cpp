// Refresh of the lists and structure documents through the 12-hour cache.
#include "ui/TAxKelvaro.h"

#include <cstdio>
#include <exception>

#include "app/Cp1252.h"
#include "app/Paths.h"
#include "server/DocumentCheck.h"
#include "server/Endpoints.h"
#include "server/TXml.h"

void TAxKelvaro::UpdateParams()
{
    if (BaseHRef.isEmpty())
        return;
    try {
        const std::string base = toCp1252(BaseHRef);
        const std::string concession = toCp1252(UserConcession);
        const std::string lists = replyPath(replyfile::Equip);
        if (fileExists(lists)) {
            // The lists of another dealership are never reused.
            TXml cursor(LoadTextFile(lists));
            XmlFind(cursor, "document");
            std::string listsConcession;
            XmlValue(cursor, "Concession", listsConcession);
            if (listsConcession != concession)
                std::remove(lists.c_str());
        }
        // A document that is not one of its kind (an error page, a cut reply) is never cached.
        if (CachedGet(endpoint::infoEquip(base, concession), lists))
            keepReadableDocument(lists, "ParsS", "AxInfoEquip");
        const std::string structure = replyPath(replyfile::Struct);
        if (CachedGet(endpoint::infoStruct(base, concession), structure))
            keepReadableDocument(structure, "axStructS", "AxInfoStruct");
    } catch (const std::exception& error) {
        WriteTrace(QStringLiteral("UpdateParams : ") + QString::fromUtf8(error.what()));
    }
}

bool TAxKelvaro::keepReadableDocument(const std::string& fileName, const char* kindElement,
                                      const char* endpointName, RecordKey key)
{
    if (fileExists(fileName)) {
        const std::string reply = LoadTextFile(fileName);
        if (readableDocument(reply, kindElement) && holdsRecordKey(reply, key))
            return true;
    }
    std::remove(fileName.c_str());
    const QString warning =
        QStringLiteral("Exception : réponse illisible du serveur pour ") + endpointName;
    WriteTrace(warning + " (" + QString::fromStdString(fileName) + ")");
    setWarningText(warning);
    return false;
}
