#include "server/MarkerSearch.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "server/Endpoints.h"

namespace {

struct Range {
    size_t begin;
    size_t end;
};

bool startsName(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

// The content of every element "<name>" ... "</name>" (also "<name attributes>") in order.
std::vector<Range> contentsOf(std::string_view text, std::string_view name)
{
    std::vector<Range> contents;
    const std::string open = "<" + std::string(name);
    const std::string close = "</" + std::string(name) + ">";
    size_t from = 0;
    for (;;) {
        const size_t at = text.find(open, from);
        if (at == std::string_view::npos)
            return contents;
        const size_t after = at + open.size();
        const char next = after < text.size() ? text[after] : '\0';
        if (next != '>' && next != ' ' && next != '\t' && next != '\r' && next != '\n') {
            from = after; // a longer name ("<tVOx")
            continue;
        }
        const size_t tagEnd = text.find('>', after);
        if (tagEnd == std::string_view::npos)
            return contents;
        const size_t end = text.find(close, tagEnd + 1);
        if (end == std::string_view::npos)
            return contents;
        contents.push_back({tagEnd + 1, end});
        from = end + close.size();
    }
}

// The values of the data elements among the children of one element's content: the text between
// "<x>" and the first "</x>" that holds no element tag.
void collectValues(std::string_view text, Range content, std::vector<Range>& values)
{
    size_t i = content.begin;
    while (i < content.end) {
        const size_t lt = text.find('<', i);
        if (lt == std::string_view::npos || lt + 1 >= content.end)
            return;
        if (!startsName(text[lt + 1])) {
            i = lt + 1;
            continue;
        }
        const size_t gt = text.find('>', lt);
        if (gt == std::string_view::npos || gt >= content.end)
            return;
        size_t nameEnd = lt + 1;
        while (nameEnd < gt && !std::isspace(static_cast<unsigned char>(text[nameEnd])) &&
               text[nameEnd] != '/')
            ++nameEnd;
        if (text[gt - 1] == '/') { // "<x/>": no value
            i = gt + 1;
            continue;
        }
        const std::string close = "</" + std::string(text.substr(lt + 1, nameEnd - lt - 1)) + ">";
        const size_t end = text.find(close, gt + 1);
        if (end == std::string_view::npos || end > content.end)
            return;
        // A child holding elements is no data element: its own children are not values.
        bool holdsElements = false;
        for (size_t k = text.find('<', gt + 1); k < end; k = text.find('<', k + 1)) {
            if (k + 1 < end && (startsName(text[k + 1]) || text[k + 1] == '/')) {
                holdsElements = true;
                break;
            }
        }
        if (!holdsElements)
            values.push_back({gt + 1, end});
        i = end + close.size();
    }
}

} // namespace

RecordReply recordReplyOf(std::string_view url)
{
    const std::string_view name = endpoint::nameOf(url);
    if (name == "AxInfoVO")
        return RecordReply::Vehicle;
    if (name == "AxInfoCL")
        return RecordReply::Client;
    return RecordReply::None;
}

std::string markerSearchText(std::string_view reply, RecordReply record)
{
    if (record == RecordReply::None)
        return std::string(reply);
    const std::vector<Range> roots =
        contentsOf(reply, record == RecordReply::Vehicle ? "tVO" : "TVC");
    if (roots.empty())
        return std::string(reply);
    std::vector<Range> values;
    collectValues(reply, roots.front(), values);
    if (record == RecordReply::Client) {
        for (const Range& vehicle : contentsOf(reply, "TVeh"))
            collectValues(reply, vehicle, values);
    }
    // The values in document order, each dropped from the text.
    std::vector<Range> ordered = values;
    std::sort(ordered.begin(), ordered.end(),
              [](const Range& a, const Range& b) { return a.begin < b.begin; });
    std::string searched;
    searched.reserve(reply.size());
    size_t from = 0;
    for (const Range& value : ordered) {
        if (value.begin < from)
            continue;
        searched.append(reply.substr(from, value.begin - from));
        from = value.end;
    }
    searched.append(reply.substr(from));
    return searched;
}
