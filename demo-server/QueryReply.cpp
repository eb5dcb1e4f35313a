#include "demo-server/QueryReply.h"

#include "demo-server/ValueFormat.h"

QueryReply::QueryReply(const std::vector<QueryColumn>& columns)
{
    for (const QueryColumn& column : columns) {
        elements_.push_back(elementName(column.name));
        declaredTypes_.push_back(column.declaredType);
    }
}

void QueryReply::openRow()
{
    rows_.open("AXQuery");
}

bool QueryReply::addValue(size_t column, const std::optional<std::string_view>& stored,
                          size_t limit)
{
    return column >= elements_.size() ||
           rows_.element(elements_[column], documentValue(declaredTypes_[column], stored), limit);
}

void QueryReply::closeRow()
{
    rows_.close("AXQuery");
    rows_.endLine();
    ++rowCount_;
}

std::string QueryReply::document() const
{
    XmlOut out;
    out.open("document");
    out.endLine();
    out.open("AXQueryS",
             "RowCount=\"" + std::to_string(rowCount_) + "\" EOF=\"" + (cut_ ? "0" : "1") + "\"");
    out.endLine();
    out.append(rows_);
    out.close("AXQueryS");
    out.endLine();
    out.close("document");
    out.endLine();
    return out.windows1252();
}
