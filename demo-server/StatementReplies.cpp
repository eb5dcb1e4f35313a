#include "demo-server/StatementReplies.h"

#include "demo-server/Dialect.h"
#include "demo-server/XmlOut.h"

std::string changeReplyDocument(const ChangeResult& result)
{
    XmlOut out;
    out.open("document");
    out.endLine();
    out.open("Result");
    out.element("RowsAffected", std::to_string(result.rowsAffected));
    out.close("Result");
    out.endLine();
    if (!result.keys.empty()) {
        out.open("OutParams");
        if (const auto id = result.keys.find(std::string(kNewId)); id != result.keys.end())
            out.element("NewID", std::to_string(id->second));
        if (const auto bis = result.keys.find(std::string(kNewIdBis)); bis != result.keys.end())
            out.element("NewIDbis", std::to_string(bis->second));
        out.close("OutParams");
        out.endLine();
    }
    out.close("document");
    out.endLine();
    return out.windows1252();
}
