#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "demo-server/XmlOut.h"

struct QueryColumn {
    std::string name;
    std::string declaredType;
};

// The reply to a query, in Windows-1252: AXQueryS with the attributes RowCount (the rows sent) and
// EOF ("0" when the rows were cut at the limit, "1" otherwise), one AXQuery per row, one element
// per selected column. It is written value by value while the statement steps, so that its size
// is known at every moment.
class QueryReply {
public:
    explicit QueryReply(const std::vector<QueryColumn>& columns);

    void openRow();
    // False when the rows would pass limit bytes: the value is left unfinished.
    bool addValue(size_t column, const std::optional<std::string_view>& stored, size_t limit);
    void closeRow();
    void markCut() { cut_ = true; }

    // The bytes of the rows written so far.
    size_t size() const { return rows_.utf8().size(); }
    std::string document() const;

private:
    std::vector<std::string> elements_;
    std::vector<std::string> declaredTypes_;
    XmlOut rows_{XmlOut::Fragment{}};
    long long rowCount_ = 0;
    bool cut_ = false;
};
