#include "server/TXml.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

void TXml::setDoc(std::string document)
{
    doc_ = std::make_shared<const std::string>(std::move(document));
}

void TXml::setRest(const Buffer& buffer, size_t begin, size_t end)
{
    restBuf_ = buffer;
    restBegin_ = begin;
    restEnd_ = end;
}

void TXml::setNode(const Buffer& buffer, size_t begin, size_t end)
{
    nodeBuf_ = buffer;
    nodeBegin_ = begin;
    nodeEnd_ = end;
}

void XmlFind(TXml& cursor, std::string_view name)
{
    cursor.setRest(nullptr, 0, 0);
    cursor.setNode(nullptr, 0, 0);
    cursor.Position = 0;
    const std::string_view doc = cursor.Doc();
    const std::string start = "<" + std::string(name);
    const size_t at = doc.find(start);
    if (at == std::string_view::npos)
        return;
    // The content starts at the next "<" after the one of the start tag.
    const size_t content = doc.find('<', at + 1);
    if (content == std::string_view::npos)
        return;
    const std::string end = "</" + std::string(name) + ">";
    const size_t close = doc.find(end, content);
    if (close == std::string_view::npos)
        return;
    cursor.setRest(cursor.doc_, content, close);
    cursor.setNode(cursor.doc_, content, close);
}

int XmlNext(TXml& cursor, std::string_view name)
{
    const std::string_view rest = cursor.Rest();
    const std::string startTag = "<" + std::string(name) + ">";
    const std::string endTag = "</" + std::string(name) + ">";
    const size_t p1 = rest.find(startTag);
    const size_t p2 = rest.find(endTag);
    if (p1 == std::string_view::npos || p2 == std::string_view::npos)
        return 0;
    const TXml::Buffer buffer = cursor.restBuf_;
    const size_t base = cursor.restBegin_;
    const size_t bodyStart = p1 + startTag.size();
    if (p2 >= bodyStart)
        cursor.setNode(buffer, base + bodyStart, base + p2);
    else
        cursor.setNode(buffer, base, base);
    cursor.setRest(buffer, base + p2 + endTag.size(), cursor.restEnd_);
    return int(p1) + 1;
}

void XmlValueIn(std::string_view node, std::string_view name, std::string& value)
{
    const std::string startTag = "<" + std::string(name) + ">";
    const size_t p1 = node.find(startTag);
    if (p1 == std::string_view::npos)
        return;
    const size_t p2 = node.find("</" + std::string(name) + ">");
    if (p2 == std::string_view::npos || p1 >= p2)
        return;
    const size_t bodyStart = p1 + startTag.size();
    value = p2 > bodyStart ? std::string(node.substr(bodyStart, p2 - bodyStart)) : std::string();
}

void XmlValue(const TXml& cursor, std::string_view name, std::string& value)
{
    XmlValueIn(cursor.Node(), name, value);
}

std::optional<std::string> XmlChild(const TXml& cursor, std::string_view name)
{
    const std::string_view node = cursor.Node();
    const std::string startTag = "<" + std::string(name) + ">";
    const size_t p1 = node.find(startTag);
    const size_t p2 = node.find("</" + std::string(name) + ">");
    if (p1 == std::string_view::npos || p2 == std::string_view::npos || p1 >= p2)
        return std::nullopt;
    std::string value;
    XmlValueIn(node, name, value);
    return value;
}

std::string XmlText(const TXml& cursor, std::string_view name)
{
    std::string value;
    XmlValue(cursor, name, value);
    return value;
}

void XmlAttr(const TXml& cursor, std::string_view name, std::string& value)
{
    const std::string_view doc = cursor.Doc();
    const std::string needle = std::string(name) + "=\"";
    const size_t at = doc.find(needle);
    if (at == std::string_view::npos)
        return;
    const std::string_view window = doc.substr(at + needle.size(), 20);
    const size_t quote = window.find('"');
    if (quote == std::string_view::npos)
        return;
    value = std::string(window.substr(0, quote));
}

std::string LoadTextFile(const std::string& fileName)
{
    std::error_code error;
    std::ifstream in(fileName, std::ios::binary);
    if (!std::filesystem::is_regular_file(fileName, error) || !in)
        throw std::runtime_error("Impossible de lire le fichier " + fileName);
    std::string raw;
    try {
        raw.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        throw std::runtime_error("Impossible de lire le fichier " + fileName);
    }
    // Lines end at CR LF, CR or LF; each comes back with CR LF.
    std::string text;
    text.reserve(raw.size() + raw.size() / 32 + 2);
    size_t i = 0;
    while (i < raw.size()) {
        const size_t end = raw.find_first_of("\r\n", i);
        if (end == std::string::npos) {
            text.append(raw, i, std::string::npos);
            text += "\r\n";
            break;
        }
        text.append(raw, i, end - i);
        text += "\r\n";
        i = end + 1;
        if (raw[end] == '\r' && i < raw.size() && raw[i] == '\n')
            ++i;
    }
    return text;
}

std::string PickToken(std::string_view text, int n)
{
    std::string kept;
    int counter = n;
    for (char c : text) {
        if (c == ';')
            --counter;
        else if (counter == 1)
            kept += c;
    }
    return kept;
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    if (from.empty())
        return std::string(text);
    result.reserve(text.size());
    size_t i = 0;
    for (size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, i)) {
        result.append(text.substr(i, at - i));
        result.append(to);
        i = at + from.size();
    }
    result.append(text.substr(i));
    return result;
}

std::string XmlUnescape(std::string_view text, bool withLineBreaks)
{
    // One pass from left to right: the text an entity decodes to is never read again, so a stored
    // "&lt;b&gt;" (sent as "&amp;lt;b&amp;gt;") comes back as it was stored.
    struct Entity {
        std::string_view name;
        std::string_view text;
    };
    static constexpr Entity entities[] = {
        {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&cr;", "\r\n"}};
    std::string result;
    result.reserve(text.size());
    size_t i = 0;
    for (size_t at = text.find('&'); at != std::string_view::npos; at = text.find('&', i)) {
        result.append(text.substr(i, at - i));
        i = at + 1;
        result += '&';
        for (const Entity& entity : entities) {
            if ((withLineBreaks || entity.name != "&cr;") &&
                text.substr(at).starts_with(entity.name)) {
                result.back() = entity.text[0];
                result.append(entity.text.substr(1));
                i = at + entity.name.size();
                break;
            }
        }
    }
    result.append(text.substr(i));
    return result;
}
