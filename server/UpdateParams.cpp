// Refresh of the lists and structure documents through the 12-hour cache.
#include "ui/TAxKelvaro.h"

#include <cstdio>
#include <exception>

#include "app/Cp1252.h"
#include "app/Paths.h"
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
        CachedGet(endpoint::infoEquip(base, concession), lists);
        CachedGet(endpoint::infoStruct(base, concession), replyPath(replyfile::Struct));
    } catch (const std::exception& error) {
        WriteTrace(QStringLiteral("UpdateParams : ") + QString::fromUtf8(error.what()));
    }
}
