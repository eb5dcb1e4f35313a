#include "view/BlankRecord.h"

namespace {
bool endsName(char c)
{
    return c == '>' || c == '/' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

void appendElement(std::string& out, std::string_view name, std::string_view value)
{
    out.append("<").append(name).append(">").append(value).append("</").append(name).append(">");
}
} // namespace

std::string_view elementText(std::string_view document, std::string_view name)
{
    const std::string open = "<" + std::string(name);
    for (size_t at = document.find(open); at != std::string_view::npos;
         at = document.find(open, at + 1)) {
        const size_t after = at + open.size();
        if (after >= document.size() || !endsName(document[after]))
            continue;
        const size_t tagEnd = document.find('>', after);
        if (tagEnd == std::string_view::npos)
            return {};
        if (document[tagEnd - 1] == '/')
            return document.substr(at, tagEnd + 1 - at);
        const std::string close = "</" + std::string(name) + ">";
        const size_t end = document.find(close, tagEnd);
        if (end == std::string_view::npos)
            return {};
        return document.substr(at, end + close.size() - at);
    }
    return {};
}

std::string blankRecordDocument(std::string_view lastDocument, std::string_view kind,
                                std::string_view typeVO, std::string_view statutVD)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n<document>\r\n";
    if (kind == "_TCL") {
        out += "<TVC></TVC>";
    } else {
        out += "<tVO>";
        appendElement(out, "TypeVO", typeVO);
        if (kind == "_TVD")
            appendElement(out, "StatutVD", statutVD);
        out += "</tVO>";
    }
    out += "\r\n";
    for (const char* part : {"User", "OptDates", "GNames"}) {
        const std::string_view text = elementText(lastDocument, part);
        if (!text.empty())
            out.append(text).append("\r\n");
    }
    out += "</document>\r\n";
    return out;
}
