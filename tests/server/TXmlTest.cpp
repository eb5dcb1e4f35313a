#include <gtest/gtest.h>

#include <random>

#include "server/TXml.h"
#include "tests/support/PlainXml.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace plainxml;

const std::vector<std::string> kNames = {"a", "ab", "b", "S", "aS", "LogItem", "LogItems", ""};

std::string randomDocument(std::mt19937& random)
{
    static const std::vector<std::string> pieces = {"<a>",
                                                    "</a>",
                                                    "<ab>",
                                                    "</ab>",
                                                    "<b>",
                                                    "</b>",
                                                    "<aS>",
                                                    "</aS>",
                                                    "<S>",
                                                    "</S>",
                                                    "<a x=\"1\">",
                                                    "<LogItems>",
                                                    "</LogItems>",
                                                    "<LogItem>",
                                                    "</LogItem>",
                                                    "text",
                                                    "&amp;lt;",
                                                    "EOF=\"0\"",
                                                    "RowCount=\"12\"",
                                                    "x=\"1234567890123456789\"",
                                                    "y=\"12345678901234567890\"",
                                                    "<",
                                                    ">",
                                                    "/",
                                                    "\r\n",
                                                    "é",
                                                    "\"",
                                                    "<>",
                                                    "</>"};
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
    EXPECT_EQ(XmlUnescape("a&amp;lt;b&amp;gt;", false), "a&lt;b&gt;");
    EXPECT_EQ(XmlUnescape("&amp;amp;&amp;cr;&&lt", true), "&amp;&cr;&&lt");
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
