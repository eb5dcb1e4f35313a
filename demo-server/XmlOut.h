#pragma once

#include <string>
#include <string_view>

// Writer of the documents the client reads with its cursor: one element per value, no attributes
// on fields, texts escaped with "&amp;", "&lt;", "&gt;" and line breaks as "&cr;". The text is
// built in UTF-8 and sent as Windows-1252, the client's code page.
class XmlOut {
public:
    XmlOut();
    // A part of a document, without the XML declaration, for append().
    struct Fragment {};
    explicit XmlOut(Fragment) {}

    void open(std::string_view name, std::string_view attributes = {});
    void close(std::string_view name);
    // <name>text</name>, the text escaped. False when the document would pass limit bytes: the
    // writing stops there, the document unfinished.
    bool element(std::string_view name, std::string_view text, size_t limit = std::string::npos);
    // Ends the current line (documents stay readable in an editor; the cursor ignores it).
    void endLine() { text_ += "\r\n"; }
    void append(const XmlOut& part) { text_ += part.text_; }

    // The whole document in Windows-1252.
    std::string windows1252() const;
    const std::string& utf8() const { return text_; }

private:
    std::string text_;
};

// Escapes a text for an element's body: & < > and every line break (CR LF, CR or LF) as "&cr;".
std::string escapeXmlText(std::string_view text);

// An element name made of letters, digits and "_" only (a column such as "count(x)" becomes
// "count_x_").
std::string elementName(std::string_view name);

// The reply that carries error messages: a document holding LogItems / LogItem.
std::string logItemsDocument(std::string_view message);

inline constexpr const char* kXmlContentType = "text/xml; charset=windows-1252";
