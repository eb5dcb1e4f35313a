#pragma once

#include <string>

// Reference for the XML cursor: the cursor written plainly, for tests and benchmarks.
namespace plainxml {

// The cursor written plainly, with the copies of the original: 1-based Pos and Copy on texts, the
// remaining text copied at every step. The fast cursor must give the same answers on every text.
inline int Pos(const std::string& needle, const std::string& text)
{
    const size_t at = text.find(needle);
    return at == std::string::npos ? 0 : int(at) + 1;
}

inline std::string Copy(const std::string& text, int index, int count)
{
    if (index < 1)
        index = 1;
    if (count <= 0 || index > int(text.size()))
        return {};
    return text.substr(size_t(index - 1), size_t(count));
}

constexpr int kMaxInt = 1 << 30;

struct PlainXml {
    std::string Doc, Rest, Node;
    int Position = 0;
};

inline void plainFind(PlainXml& c, const std::string& name)
{
    c.Rest = c.Node = "";
    c.Position = 0;
    const int i = Pos("<" + name, c.Doc);
    if (i == 0)
        return;
    std::string s = Copy(c.Doc, i + 1, kMaxInt);
    s = Copy(s, Pos("<", s), kMaxInt);
    const int k = Pos("</" + name + ">", s);
    if (k > 0)
        c.Rest = c.Node = Copy(s, 1, k - 1);
}

inline int plainNext(PlainXml& c, const std::string& name)
{
    const std::string start = "<" + name + ">", end = "</" + name + ">";
    const int p1 = Pos(start, c.Rest);
    const int p2 = Pos(end, c.Rest);
    if (p1 > 0 && p2 > 0) {
        c.Node = Copy(c.Rest, p1 + int(start.size()), p2 - p1 - int(start.size()));
        c.Rest = Copy(c.Rest, p2 + int(end.size()), kMaxInt);
    }
    return p2 > 0 ? p1 : 0;
}

inline void plainValue(const PlainXml& c, const std::string& name, std::string& value)
{
    const std::string start = "<" + name + ">";
    const int p1 = Pos(start, c.Node);
    const int p2 = Pos("</" + name + ">", c.Node);
    if (p1 > 0 && p1 < p2)
        value = Copy(c.Node, p1 + int(start.size()), p2 - p1 - int(start.size()));
}

inline void plainAttr(const PlainXml& c, const std::string& name, std::string& value)
{
    const std::string needle = name + "=\"";
    const int i = Pos(needle, c.Doc);
    if (i == 0)
        return;
    const std::string s = Copy(c.Doc, i + int(needle.size()), 20);
    const int j = Pos("\"", s);
    if (j > 0)
        value = Copy(s, 1, j - 1);
}

} // namespace plainxml
