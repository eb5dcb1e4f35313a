#include "demo-server/StatementReplies.h"

#include "demo-server/Dialect.h"
#include "demo-server/ValueFormat.h"
#include "demo-server/XmlOut.h"

std::string queryReplyDocument(const QueryResult& result)
{
    XmlOut out;
    out.open("document");
    out.endLine();
    out.open("AXQueryS", "RowCount=\"" + std::to_string(result.rows.size()) + "\" EOF=\"" +
                             (result.cut ? "0" : "1") + "\"");
    out.endLine();
    for (const auto& row : result.rows) {
        out.open("AXQuery");
        for (size_t c = 0; c < row.size() && c < result.columns.size(); ++c)
            out.element(elementName(result.columns[c].name),
                        documentValue(result.columns[c].declaredType, row[c]));
        out.close("AXQuery");
        out.endLine();
    }
    out.close("AXQueryS");
    out.endLine();
    out.close("document");
    out.endLine();
    return out.windows1252();
}

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
