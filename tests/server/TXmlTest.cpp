#include <gtest/gtest.h>

#include <random>

#include "server/TXml.h"
#include "tests/support/TempFolder.h"

namespace {

// The cursor written plainly, with the copies of the original: 1-based Pos and Copy on texts, the
// remaining text copied at every step. The fast cursor must give the same answers on every text.
int Pos(const std::string& needle, const std::string& text)
{
    const size_t at = text.find(needle);
    return at == std::string::npos ? 0 : int(at) + 1;
}

std::string Copy(const std::string& text, int index, int count)
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

void plainFind(PlainXml& c, const std::string& name)
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

int plainNext(PlainXml& c, const std::string& name)
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

void plainValue(const PlainXml& c, const std::string& name, std::string& value)
{
    const std::string start = "<" + name + ">";
    const int p1 = Pos(start, c.Node);
    const int p2 = Pos("</" + name + ">", c.Node);
    if (p1 > 0 && p1 < p2)
        value = Copy(c.Node, p1 + int(start.size()), p2 - p1 - int(start.size()));
}

void plainAttr(const PlainXml& c, const std::string& name, std::string& value)
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

const std::vector<std::string> kNames = {"a", "ab", "b", "S", "aS", "LogItem", "LogItems", ""};

std::string randomDocument(std::mt19937& random)
{
    static const std::vector<std::string> pieces = {
        "<a>", "</a>", "<ab>", "</ab>", "<b>", "</b>", "<aS>", "</aS>", "<S>", "</S>",
        "<a x=\"1\">", "<LogItems>", "</LogItems>", "<LogItem>", "</LogItem>", "text", "&amp;lt;",
        "EOF=\"0\"", "RowCount=\"12\"", "x=\"1234567890123456789\"", "y=\"12345678901234567890\"",
        "<", ">", "/", "\r\n", "é", "\"", "<>", "</>"};
    std::uniform_int_distribution<size_t> length(0, 60), piece(0, pieces.size() - 1);
    std::string doc;
    for (size_t n = length(random); n > 0; --n)
        doc += pieces[piece(random)];
    return doc;
}

} // namespace

TEST(TXmlProperty, SameAnswersAsThePlainCursorOnGeneratedDocuments)
{
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> operation(0, 9);
    std::uniform_int_distribution<size_t> nameIndex(0, kNames.size() - 1);
    for (int run = 0; run < 3000; ++run) {
        const std::string doc = randomDocument(random);
        PlainXml plain;
        plain.Doc = doc;
        TXml fast(doc);
        std::string plainDest = "keep", fastDest = "keep";
        for (int step = 0; step < 40; ++step) {
            const std::string& name = kNames[nameIndex(random)];
            switch (operation(random)) {
            case 0:
            case 1:
                plainFind(plain, name);
                XmlFind(fast, name);
                break;
            case 2:
            case 3:
            case 4:
                ASSERT_EQ(XmlNext(fast, name), plainNext(plain, name)) << doc;
                break;
            case 5:
            case 6:
                plainValue(plain, name, plainDest);
                XmlValue(fast, name, fastDest);
                break;
            case 7:
                plainAttr(plain, name, plainDest);
                XmlAttr(fast, name, fastDest);
                break;
            case 8: {
                // A copy is an independent cursor.
                TXml copy = fast;
                XmlFind(copy, "a");
                XmlNext(copy, "a");
                break;
            }
            default: {
                // A new document leaves Rest and Node as they were until the next find.
                plain.Doc = randomDocument(random);
                fast.setDoc(plain.Doc);
                break;
            }
            }
            ASSERT_EQ(fast.Rest(), plain.Rest) << doc;
            ASSERT_EQ(fast.Node(), plain.Node) << doc;
            ASSERT_EQ(fast.Doc(), plain.Doc);
            ASSERT_EQ(fastDest, plainDest) << doc;
        }
    }
}

TEST(TXml, FindIsAPrefixMatchAndTakesTheContainerContent)
{
    const std::string doc = "<?xml?><axStructS><axStruct><v>1</v></axStruct><axStruct><v>2</v>"
                            "</axStruct></axStructS>";
    TXml c(doc);
    XmlFind(c, "axStructS");
    EXPECT_EQ(c.Rest(), "<axStruct><v>1</v></axStruct><axStruct><v>2</v></axStruct>");
    // "axStruct" also matches the container's start tag; the content then ends at the first
    // end tag of that name.
    XmlFind(c, "axStruct");
    EXPECT_EQ(c.Rest(), "<axStruct><v>1</v>");
    // Text and attributes between the start tag and the first child are dropped.
    TXml d("<User id=\"3\">text<Name_>Jean</Name_></User>");
    XmlFind(d, "User");
    EXPECT_EQ(d.Node(), "<Name_>Jean</Name_>");
}

TEST(TXml, ListReading)
{
    TXml c("<r><InfoComS><InfoCom>a</InfoCom><InfoCom>b</InfoCom></InfoComS></r>");
    XmlFind(c, "InfoComS");
    EXPECT_EQ(c.Rest(), "<InfoCom>a</InfoCom><InfoCom>b</InfoCom>");
    EXPECT_EQ(c.Node(), c.Rest());
    EXPECT_EQ(XmlNext(c, "InfoCom"), 1);
    EXPECT_EQ(c.Node(), "a");
    EXPECT_EQ(XmlNext(c, "InfoCom"), 1);
    EXPECT_EQ(c.Node(), "b");
    // Past the last item: 0, and Node stays on the last item.
    EXPECT_EQ(XmlNext(c, "InfoCom"), 0);
    EXPECT_EQ(c.Node(), "b");
}

TEST(TXml, NextReturnsThePositionWithinRest)
{
    TXml c("<L><x>skip</x><i>1</i><i>2</i></L>");
    XmlFind(c, "L");
    EXPECT_EQ(XmlNext(c, "i"), 12);
    EXPECT_EQ(XmlNext(c, "i"), 1);
}

TEST(TXml, PlainTextBodyGivesEmptyFind)
{
    TXml c("<x>12</x>");
    XmlFind(c, "x");
    EXPECT_EQ(c.Rest(), "");
    EXPECT_EQ(c.Node(), "");
}

TEST(TXml, AbsentElementLeavesEverythingEmptyAndDestinationsUnchanged)
{
    TXml c("<a><b>1</b></a>");
    XmlFind(c, "zz");
    EXPECT_EQ(c.Rest(), "");
    EXPECT_EQ(XmlNext(c, "b"), 0);
    std::string value = "before";
    XmlValue(c, "b", value);
    EXPECT_EQ(value, "before");
}

TEST(TXml, ValueCases)
{
    struct Case {
        const char* node;
        const char* name;
        const char* expected;
    } cases[] = {
        {"<v></v>", "v", ""},
        {"<w>1</w>", "v", "keep"},
        {"<v a=1>x</v>", "v", "keep"},
        {"<SiteS><Site>Q</Site></SiteS><Site>P</Site>", "Site", "Q"},
        {"<SiteS>..</SiteS><Site>P</Site>", "Site", "P"},
        {"</v><v>late", "v", "keep"},
    };
    for (const Case& k : cases) {
        TXml c(std::string("<r><n>") + k.node + "</n></r>");
        XmlFind(c, "r");
        XmlNext(c, "n");
        std::string value = "keep";
        XmlValue(c, k.name, value);
        EXPECT_EQ(value, k.expected) << k.node;
    }
}

TEST(TXml, AttributeOfAtMostNineteenCharacters)
{
    TXml c("<AXQueryS RowCount=\"12\" EOF=\"0\" Long=\"12345678901234567890\" "
           "Max=\"1234567890123456789\">");
    std::string value = "keep";
    XmlAttr(c, "EOF", value);
    EXPECT_EQ(value, "0");
    XmlAttr(c, "Count", value); // matches the end of RowCount
    EXPECT_EQ(value, "12");
    value = "keep";
    XmlAttr(c, "Long", value);
    EXPECT_EQ(value, "keep");
    XmlAttr(c, "Max", value);
    EXPECT_EQ(value, "1234567890123456789");
    value = "keep";
    XmlAttr(c, "Absent", value);
    EXPECT_EQ(value, "keep");
}

TEST(TXml, PickToken)
{
    EXPECT_EQ(PickToken("host;8080", 2), "8080");
    EXPECT_EQ(PickToken("host", 2), "");
    EXPECT_EQ(PickToken("host", 1), "host");
    EXPECT_EQ(PickToken("a;;c", 2), "");
    EXPECT_EQ(PickToken("a;;c", 3), "c");
    EXPECT_EQ(PickToken("a;b", 0), "");
    EXPECT_EQ(PickToken("a;b", 3), "");
}

TEST(TXml, Unescape)
{
    EXPECT_EQ(XmlUnescape("a&amp;lt;b", false), "a<b");
    EXPECT_EQ(XmlUnescape("Dupont &amp; Fils&gt;", false), "Dupont & Fils>");
    EXPECT_EQ(XmlUnescape("l1&cr;l2", true), "l1\r\nl2");
    EXPECT_EQ(XmlUnescape("l1&cr;l2", false), "l1&cr;l2");
}

TEST(TXml, LoadTextFileEndsEveryLineWithCrLf)
{
    TempFolder folder;
    struct Case {
        std::string raw, loaded;
    } cases[] = {{"", ""},
                 {"a", "a\r\n"},
                 {"a\r\nb\r\n", "a\r\nb\r\n"},
                 {"a\nb", "a\r\nb\r\n"},
                 {"a\rb\n\n", "a\r\nb\r\n\r\n"},
                 {"\xe9t\xe9", "\xe9t\xe9\r\n"}};
    for (const Case& c : cases) {
        writeFile(folder.file("f.xml"), c.raw);
        EXPECT_EQ(LoadTextFile(folder.file("f.xml")), c.loaded);
    }
    EXPECT_THROW(LoadTextFile(folder.file("absent.xml")), std::runtime_error);
    EXPECT_THROW(LoadTextFile(folder.path()), std::runtime_error);
}
