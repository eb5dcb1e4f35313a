#include <gtest/gtest.h>

#include "server/HttpFlow.h"
#include "tests/support/ScriptedServer.h"

TEST(HttpFlow, OnlyBlanksAndHashesAreEncoded)
{
    EXPECT_EQ(escapeUrl("a b#c%20d'e,f=g&h(i)\xe9"), "a%20b%23c%20d'e,f=g&h(i)\xe9");
    EXPECT_EQ(composeGetUrl("http://h/AxInfoCL?XMLC_OutputFormat=XML&UserID=7", ""),
              "http://h/AxInfoCL?XMLC_OutputFormat=XML&UserID=7&idClient=");
    EXPECT_EQ(composeGetUrl("http://h/x?d=#03/15/2007#", "12"),
              "http://h/x?d=%2303/15/2007%23&idClient=12");
}

TEST(HttpFlow, TimeoutMarkersLaterOnesWin)
{
    EXPECT_EQ(timeoutMarker("<r>ok</r>"), "");
    EXPECT_EQ(timeoutMarker("<r>wait_timeout</r>"), "WAIT_TIMEOUT");
    EXPECT_EQ(timeoutMarker("<r><![CDATA[TIMEOUT]]></r>"), "TIMEOUT");
    EXPECT_EQ(timeoutMarker("<r><![cdata[timeout]]></r>"), "TIMEOUT");
    EXPECT_EQ(timeoutMarker("<![CDATA[TIMEOUT]]><![CDATA[WAIT_TIMEOUT]]>"), "WAIT_TIMEOUT");
}

TEST(HttpFlow, IsoLatin9DeclarationBecomesLatin1)
{
    EXPECT_EQ(rewriteIsoLatin9("<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?><a>8859-15</a>"),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>8859-1</a>");
    EXPECT_EQ(rewriteIsoLatin9("iso-8859-1"), "iso-8859-1");
}

TEST(HttpFlow, LogItemsEachFollowedByADash)
{
    EXPECT_EQ(
        collectLogItems("<r><LogItems><LogItem>a</LogItem><LogItem>b</LogItem></LogItems></r>"),
        "a - b - ");
    EXPECT_EQ(collectLogItems("<r><LogItems></LogItems></r>"), "");
    EXPECT_EQ(collectLogItems("<r/>"), "");
}

TEST(HttpFlow, FifthGoodReplyIsASuccess)
{
    ScriptedServer server;
    server.script({{200, "<![CDATA[TIMEOUT]]>"},
                   {200, "<![CDATA[TIMEOUT]]>"},
                   {200, "<![CDATA[TIMEOUT]]>"},
                   {200, "<![CDATA[TIMEOUT]]>"},
                   {200, "<ok/>"}});
    RequestClient client(true);
    int pauses = 0;
    const RequestOutcome outcome = runGet(client, server.baseUrl() + "x?a=1", [&](int ms) {
        EXPECT_EQ(ms, 250);
        ++pauses;
    });
    EXPECT_EQ(outcome.attempts, 5);
    EXPECT_EQ(pauses, 4);
    EXPECT_EQ(outcome.warning, "");
    EXPECT_EQ(outcome.reply, "<ok/>");
}

TEST(HttpFlow, PostSendsTheFormInOrderWithoutRetry)
{
    ScriptedServer server;
    server.script({{200, "<![CDATA[TIMEOUT]]><OutParams><NewID>5</NewID></OutParams>"}});
    RequestClient client(true);
    const MultipartForm form = {
        FormPart::field("NFImage", "VO1_1"), FormPart::field("XMLC_OutputFormat", "XML"),
        FormPart::file("File", "VO1_1.jpg", std::string("\xff\xd8jpeg\0bytes", 12), "image/jpeg")};
    const RequestOutcome outcome = runPost(client, server.baseUrl() + "AxInsert", form);
    ASSERT_EQ(server.requests().size(), 1u);
    const SeenRequest seen = server.requests()[0];
    EXPECT_EQ(seen.method, "POST");
    EXPECT_NE(seen.header("Content-Type").find("multipart/form-data; boundary="),
              std::string::npos);
    ASSERT_EQ(seen.parts.size(), 3u);
    EXPECT_EQ(seen.parts[0].name, "NFImage");
    EXPECT_EQ(seen.parts[0].data, "VO1_1");
    EXPECT_EQ(seen.parts[1].name, "XMLC_OutputFormat");
    EXPECT_EQ(seen.parts[2].name, "File");
    EXPECT_EQ(seen.parts[2].fileName, "VO1_1.jpg");
    EXPECT_EQ(seen.parts[2].contentType, "image/jpeg");
    EXPECT_EQ(seen.parts[2].data, std::string("\xff\xd8jpeg\0bytes", 12));
    EXPECT_EQ(outcome.warning, "");
}
