#include "server/DocumentCheck.h"

#include <string>

#include "app/Numbers.h"
#include "server/TXml.h"

namespace {
bool isNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.' || c == ':';
}

// The name of the first element, after the prolog, comments and declarations.
std::string_view firstElement(std::string_view text)
{
    size_t at = 0;
    while ((at = text.find('<', at)) != std::string_view::npos) {
        if (at + 1 < text.size() && isNameChar(text[at + 1])) {
            size_t end = at + 1;
            while (end < text.size() && isNameChar(text[end]))
                ++end;
            return text.substr(at + 1, end - at - 1);
        }
        ++at;
    }
    return {};
}

bool holdsElement(std::string_view text, std::string_view name)
{
    const std::string open = "<" + std::string(name);
    for (size_t at = text.find(open); at != std::string_view::npos; at = text.find(open, at + 1)) {
        const size_t after = at + open.size();
        if (after < text.size() && !isNameChar(text[after]))
            return true;
    }
    return false;
}
} // namespace

bool readableDocument(std::string_view reply, std::string_view kindElement)
{
    const std::string_view root = firstElement(reply);
    if (root.empty() || !holdsElement(reply, kindElement))
        return false;
    size_t end = reply.find_last_not_of(" \t\r\n");
    if (end == std::string_view::npos)
        return false;
    const std::string close = "</" + std::string(root) + ">";
    return end + 1 >= close.size() && reply.substr(end + 1 - close.size(), close.size()) == close;
}

bool holdsRecordKey(std::string_view reply, RecordKey key)
{
    if (key == RecordKey::None)
        return true;
    const bool client = key == RecordKey::Client;
    TXml cursor{std::string(reply)};
    XmlFind(cursor, client ? "TVC" : "tVO");
    std::string value;
    XmlValue(cursor, client ? "idClient" : "idVO", value);
    return parseWholeNumber(value).value_or(0) > 0;
}

bool changedNoRow(std::string_view reply)
{
    std::string rows;
    XmlValueIn(reply, "RowsAffected", rows);
    return parseWholeNumber(rows) == 0;
}
