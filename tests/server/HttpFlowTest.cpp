#include <chrono>

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

namespace {

// The requests the server saw whose target starts with that path.
size_t requestsTo(const ScriptedServer& server, const std::string& path)
{
    size_t count = 0;
    for (const SeenRequest& seen : server.requests())
        count += seen.target.rfind(path, 0) == 0 ? 1 : 0;
    return count;
}

} // namespace

TEST(HttpFlow, StatementsAreNeverSentTwiceWhenTheConnectionDies)
{
    // The server applies each statement, then its connection dies instead of answering. A kept-
    // alive connection would make libcurl send the statement again on a new one.
    ScriptedServer server;
    server.setHandler([](const SeenRequest& seen) {
        const bool statement =
            seen.target.rfind("/AxUpdate", 0) == 0 || seen.target.rfind("/AxInsert", 0) == 0;
        return statement ? ScriptedReply{200, "", 0, true} : ScriptedReply{200, "<r/>"};
    });
    RequestClient client(true);
    const auto noPause = [](int) {};
    const struct {
        const char* path;
        bool post;
    } statements[] = {{"/AxUpdate", false}, {"/AxInsert", false}, {"/AxInsert", true}};
    for (const auto& statement : statements) {
        ASSERT_FALSE(runGet(client, server.baseUrl() + "AxInfoVO?x=1", noPause).failed);
        const size_t before = requestsTo(server, statement.path);
        const RequestOutcome outcome =
            statement.post
                ? runPost(client, server.baseUrl() + "AxInsert", {FormPart::field("a", "b")})
                : runGet(client, server.baseUrl() + (statement.path + 1) + "?SQLExecute=Update%20x",
                         noPause);
        EXPECT_EQ(requestsTo(server, statement.path), before + 1) << statement.path;
        EXPECT_EQ(outcome.delivery, Delivery::Unknown) << statement.path << " " << outcome.error;
        EXPECT_FALSE(outcome.error.empty());
    }
}

TEST(HttpFlow, DocumentsKeepTheConnectionStatementsTakeTheirOwn)
{
    ScriptedServer server;
    server.script({{200, "<r/>"}});
    RequestClient client(true);
    const auto noPause = [](int) {};
    for (const char* path : {"AxInfoVO?x=1", "AxInfoCL?x=2", "AxUpdate?x=3", "AxInfoVO?x=4",
                             "AxInsert?x=5", "AxQuery?x=6"})
        ASSERT_FALSE(runGet(client, server.baseUrl() + path, noPause).failed) << path;
    const auto seen = server.requests();
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen[1].remotePort, seen[0].remotePort);
    EXPECT_NE(seen[2].remotePort, seen[1].remotePort);
    EXPECT_NE(seen[4].remotePort, seen[3].remotePort);
    // After a statement the documents go on one connection again.
    EXPECT_EQ(seen[5].remotePort, seen[4].remotePort);
}

TEST(HttpFlow, ADocumentWhoseConnectionDiedIsFetchedAgain)
{
    ScriptedServer server;
    server.script({{200, "<r>1</r>"}, {200, "", 0, true}, {200, "<r>3</r>"}});
    RequestClient client(true);
    const auto noPause = [](int) {};
    ASSERT_FALSE(runGet(client, server.baseUrl() + "AxInfoVO?x=1", noPause).failed);
    const RequestOutcome again = runGet(client, server.baseUrl() + "AxInfoVO?x=2", noPause);
    EXPECT_FALSE(again.failed) << again.error;
    EXPECT_EQ(again.reply, "<r>3</r>");
    EXPECT_EQ(server.requests().size(), 3u);
}

TEST(HttpFlow, RefusedConnectionIsNotSent)
{
    RequestClient client(true);
    const std::string base = "http://127.0.0.1:" + std::to_string(unusedPort()) + "/";
    const RequestOutcome get = runGet(client, base + "AxUpdate?SQLExecute=x", [](int) {});
    EXPECT_TRUE(get.failed);
    EXPECT_EQ(get.delivery, Delivery::NotSent);
    const RequestOutcome post = runPost(client, base + "AxInsert", {FormPart::field("a", "b")});
    EXPECT_EQ(post.delivery, Delivery::NotSent);
    EXPECT_EQ(post.reply, kPostFailureReply);
}

TEST(HttpFlow, TrickleEndsWithTheTimeoutWithinTheWholeTransferLimit)
{
    // Two bytes a second: the read time-out never trips, the whole-transfer limit does.
    ScriptedServer server;
    server.script({{200, std::string(200, 'x'), 0, false, 2}});
    RequestClient client(true);
    client.setTransferLimits(1500, {1500, 1000});
    const auto start = std::chrono::steady_clock::now();
    const RequestOutcome document = runGet(client, server.baseUrl() + "AxInfoVO?x=1", [](int) {});
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(document.failed);
    EXPECT_NE(document.warning.find("Exception : Operation timed out after"), std::string::npos)
        << document.warning;
    EXPECT_EQ(document.delivery, Delivery::Unknown);
    EXPECT_LT(took, std::chrono::milliseconds(1500 + 1000));

    // A file: the limit grows with its size (here 200 bytes: one more second).
    const RequestOutcome file =
        runPost(client, server.baseUrl() + "AxInsert", {FormPart::field("a", "b")});
    EXPECT_NE(file.error.find("Operation timed out after"), std::string::npos) << file.error;
    EXPECT_EQ(file.delivery, Delivery::Unknown);
    EXPECT_EQ(file.reply, kPostFailureReply);
}
