#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Cursor over one reply document. It is not an XML parser: elements are found by searching for
// "<name", "<name>" and "</name>" in the plain Windows-1252 text, first occurrence, case-sensitive,
// with no knowledge of nesting. The server's documents are written to fit it.
//
// The texts Rest and Node are always parts of an earlier Doc, so they are held as ranges over a
// shared, immutable buffer: stepping through a list never copies the remaining text. A copy of a
// cursor is an independent cursor over the same text.
class TXml {
public:
    TXml() = default;
    explicit TXml(std::string document) { setDoc(std::move(document)); }

    // Replaces the document. Rest and Node keep their texts until the next XmlFind.
    void setDoc(std::string document);
    void clear() { setDoc(std::string()); }

    std::string_view Doc() const { return view(doc_, 0, doc_ ? doc_->size() : 0); }
    std::string_view Rest() const { return view(restBuf_, restBegin_, restEnd_); }
    std::string_view Node() const { return view(nodeBuf_, nodeBegin_, nodeEnd_); }
    int Position = 0;

private:
    using Buffer = std::shared_ptr<const std::string>;
    static std::string_view view(const Buffer& buffer, size_t begin, size_t end)
    {
        return buffer ? std::string_view(*buffer).substr(begin, end - begin) : std::string_view();
    }
    void setRest(const Buffer& buffer, size_t begin, size_t end);
    void setNode(const Buffer& buffer, size_t begin, size_t end);

    Buffer doc_;
    Buffer restBuf_;
    size_t restBegin_ = 0, restEnd_ = 0;
    Buffer nodeBuf_;
    size_t nodeBegin_ = 0, nodeEnd_ = 0;

    friend void XmlFind(TXml& cursor, std::string_view name);
    friend int XmlNext(TXml& cursor, std::string_view name);
};

// Positions Rest and Node on the content of the first element whose start tag begins with
// "<" + name (a prefix match), from its first child tag up to its first end tag.
void XmlFind(TXml& cursor, std::string_view name);
// Steps to the next "<name>" ... "</name>" in Rest. Returns the 1-based position of the start tag
// within Rest, or 0 when there is none (Rest and Node then keep their values).
int XmlNext(TXml& cursor, std::string_view name);
// Body of the first "<name>" child in Node; the destination is left unchanged when absent.
void XmlValue(const TXml& cursor, std::string_view name, std::string& value);
// The same inside any element body.
void XmlValueIn(std::string_view node, std::string_view name, std::string& value);
// The body of the first "<name>" child in Node, or nothing when there is none.
std::optional<std::string> XmlChild(const TXml& cursor, std::string_view name);
// The body, or empty text when there is none.
std::string XmlText(const TXml& cursor, std::string_view name);
// Value of the first attribute name="..." anywhere in Doc, when it is at most 19 characters long;
// otherwise the destination is left unchanged.
void XmlAttr(const TXml& cursor, std::string_view name, std::string& value);

// The text of a file as lines, each ending with carriage return + line feed. Throws
// std::runtime_error when the file cannot be read.
std::string LoadTextFile(const std::string& fileName);
// Field n (1-based) of a ";"-separated text; empty when there is none.
std::string PickToken(std::string_view text, int n);
// Decodes "&amp;", "&lt;", "&gt;" and, with line breaks, "&cr;" as CR LF, each entity once: the
// decoded text is never decoded again ("&amp;lt;" gives "&lt;").
std::string XmlUnescape(std::string_view text, bool withLineBreaks);
// Replaces every occurrence of from by to.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to);
