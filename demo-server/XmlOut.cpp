#include "demo-server/XmlOut.h"

#include <cctype>

#include <QString>

#include "app/Cp1252.h"

namespace {

// False when the escaped text would take escaped past limit bytes: it stops there.
bool appendEscaped(std::string& escaped, std::string_view text, size_t limit)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (escaped.size() > limit)
            return false;
        const char c = text[i];
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '\r':
            escaped += "&cr;";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            break;
        case '\n':
            escaped += "&cr;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped.size() <= limit;
}

} // namespace

XmlOut::XmlOut()
{
    text_ = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n";
}

void XmlOut::open(std::string_view name, std::string_view attributes)
{
    text_ += '<';
    text_ += name;
    if (!attributes.empty()) {
        text_ += ' ';
        text_ += attributes;
    }
    text_ += '>';
}

void XmlOut::close(std::string_view name)
{
    text_ += "</";
    text_ += name;
    text_ += '>';
}

bool XmlOut::element(std::string_view name, std::string_view text, size_t limit)
{
    open(name);
    if (!appendEscaped(text_, text, limit))
        return false;
    close(name);
    return text_.size() <= limit;
}

std::string XmlOut::windows1252() const
{
    return toCp1252(QString::fromUtf8(text_.data(), qsizetype(text_.size())));
}

std::string escapeXmlText(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    appendEscaped(escaped, text, std::string::npos);
    return escaped;
}

std::string elementName(std::string_view name)
{
    std::string clean;
    for (char c : name)
        clean += std::isalnum(static_cast<unsigned char>(c)) || c == '_' ? c : '_';
    if (clean.empty() || std::isdigit(static_cast<unsigned char>(clean.front())))
        clean.insert(clean.begin(), '_');
    return clean;
}

std::string logItemsDocument(std::string_view message)
{
    XmlOut out;
    out.open("document");
    out.open("LogItems");
    out.element("LogItem", message);
    out.close("LogItems");
    out.close("document");
    return out.windows1252();
}
