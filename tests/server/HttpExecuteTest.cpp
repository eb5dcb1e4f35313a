// The window's requests against a scripted loopback server.
#include <gtest/gtest.h>

#include <httplib.h>

#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QTimer>

#include "server/HttpFlow.h"
#include "tests/support/ScriptedServer.h"
#include "tests/support/WindowHarness.h"
#include "ui/TAxKelvaro.h"

namespace {

class HttpExecuteTest : public testing::Test {
protected:
    TAxKelvaro& window() { return harness_.window(); }
    std::string reply(const char* name = "XmlVO.xml") const { return harness_.replyFile(name); }
    QString warning() { return window().LbDebugInfo0->text(); }

    // The server outlives the window, whose connection closes first.
    ScriptedServer server_;
    WindowHarness harness_;
};

} // namespace

TEST_F(HttpExecuteTest, RequestLineIsSentExactlyAsComposed)
{
    server_.script({{200, "<tVO/>"}});
    window().LbIDCustomer->setText("12");
    const std::string url = server_.baseUrl() +
                            "AxQuery?XMLC_OutputFormat=XML&SQL=Select * from t where "
                            "d=#03/15/2007# and n like '%\xe9t\xe9 50%27' and (a,b)=[c]";
    window().HttpExecute(url, reply());
    ASSERT_EQ(server_.requests().size(), 1u);
    const SeenRequest seen = server_.requests()[0];
    EXPECT_EQ(seen.target, "/AxQuery?XMLC_OutputFormat=XML&SQL=Select%20*%20from%20t%20where%20"
                           "d=%2303/15/2007%23%20and%20n%20like%20'%\xe9t\xe9%2050%27'%20and%20"
                           "(a,b)=[c]&idClient=12");
    EXPECT_EQ(seen.header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(seen.header("Accept"), "text/html, */*");
    EXPECT_EQ(warning(), "");
    EXPECT_TRUE(window().PanelWarning->isHidden());
    EXPECT_EQ(readFile(reply()), "<tVO/>");
}

TEST_F(HttpExecuteTest, EmptyClientIdentifierStillEndsTheUrl)
{
    server_.script({{200, "<r/>"}});
    window().LbIDCustomer->setText("");
    window().HttpExecute(server_.baseUrl() + "AxInfoCL?XMLC_OutputFormat=XML&UserID=7", reply());
    EXPECT_EQ(server_.requests().at(0).target,
              "/AxInfoCL?XMLC_OutputFormat=XML&UserID=7&idClient=");
}

TEST_F(HttpExecuteTest, TimeoutMarkerOnEveryAttemptGivesFiveRequestsAndTheFifthReply)
{
    server_.script({{200, "<r><![CDATA[TIMEOUT]]>1</r>"},
                    {200, "<r><![CDATA[TIMEOUT]]>2</r>"},
                    {200, "<r>WAIT_TIMEOUT 3</r>"},
                    {200, "<r><![CDATA[WAIT_TIMEOUT]]>4</r>"},
                    {200, "<r><![CDATA[TIMEOUT]]>5</r>"},
                    {200, "never asked"}});
    window().HttpExecute(server_.baseUrl() + "AxInfoVO?x=1", reply());
    const auto seen = server_.requests();
    ASSERT_EQ(seen.size(), 5u);
    for (size_t i = 1; i < seen.size(); ++i)
        EXPECT_GE(seen[i].at - seen[i - 1].at, std::chrono::milliseconds(240)) << i;
    EXPECT_EQ(warning(), "<r><![CDATA[TIMEOUT]]>5</r>");
    EXPECT_FALSE(window().PanelWarning->isHidden());
    EXPECT_EQ(readFile(reply()), "<r><![CDATA[TIMEOUT]]>5</r>");
}

TEST_F(HttpExecuteTest, TimeoutThenNormalReplyIsASuccess)
{
    server_.script({{200, "<r>a</r>"}, {200, "<![CDATA[WAIT_TIMEOUT]]>"}, {200, "<r>b</r>"}});
    window().HttpExecute(server_.baseUrl() + "a?x=1", reply());
    window().HttpExecute(server_.baseUrl() + "a?x=2", reply());
    EXPECT_EQ(server_.requests().size(), 3u);
    EXPECT_EQ(warning(), "");
    EXPECT_EQ(readFile(reply()), "<r>b</r>");
}

TEST_F(HttpExecuteTest, LogItemsAndLatin9RewriteThenACleanReplyHidesThePanel)
{
    server_.script({{200, "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?><r><LogItems>"
                          "<LogItem>a</LogItem><LogItem>b</LogItem></LogItems></r>"},
                    {200, "<r>ok</r>"}});
    window().HttpExecute(server_.baseUrl() + "AxUpdate?x=1", reply());
    EXPECT_EQ(warning(), "a - b - ");
    EXPECT_FALSE(window().PanelWarning->isHidden());
    EXPECT_NE(readFile(reply()).find("encoding=\"ISO-8859-1\"?>"), std::string::npos);
    window().HttpExecute(server_.baseUrl() + "AxUpdate?x=2", reply());
    EXPECT_EQ(warning(), "");
    EXPECT_TRUE(window().PanelWarning->isHidden());
}

TEST_F(HttpExecuteTest, FailuresLeaveTheReplyFileUntouched)
{
    writeFile(reply(), "previous");
    server_.script({{404, "<html>absent</html>"}});
    window().HttpExecute(server_.baseUrl() + "AxInfoVO?x=1", reply());
    EXPECT_EQ(warning(),
              "Exception : le serveur a répondu par l'erreur 404 (HTTP/1.1 404 Not Found)");
    EXPECT_FALSE(window().PanelWarning->isHidden());
    EXPECT_EQ(readFile(reply()), "previous");
    EXPECT_EQ(server_.requests().size(), 1u);

    const int port = unusedPort();
    window().HttpExecute("http://127.0.0.1:" + std::to_string(port) + "/AxInfoVO?x=1", reply());
    EXPECT_TRUE(warning().startsWith("Exception : connexion au serveur impossible ("))
        << warning().toStdString();
    EXPECT_TRUE(warning().contains("connect", Qt::CaseInsensitive)) << warning().toStdString();
    EXPECT_EQ(readFile(reply()), "previous");
    EXPECT_NE(harness_.traceLog().find("HttpExecute Exception : "), std::string::npos);
}

TEST_F(HttpExecuteTest, SilentServerFailsAfterFiveSeconds)
{
    writeFile(reply(), "previous");
    server_.script({{200, "<late/>", 7000}});
    QElapsedTimer clock;
    clock.start();
    window().HttpExecute(server_.baseUrl() + "slow?x=1", reply());
    EXPECT_GE(clock.elapsed(), 4900);
    EXPECT_TRUE(
        warning().startsWith("Exception : le serveur n'a pas répondu dans les 5 secondes ("))
        << warning().toStdString();
    EXPECT_EQ(readFile(reply()), "previous");
}

TEST_F(HttpExecuteTest, SteadyTransferLongerThanFiveSecondsSucceeds)
{
    // The time-out is a read time-out: a reply that keeps coming is waited for.
    httplib::Server trickle;
    trickle.Get("/trickle", [](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider(
            "text/xml", [](size_t offset, httplib::DataSink& sink) {
                // Four bytes every 700 ms, 7 s in all.
                if (offset >= 40) {
                    sink.done();
                    return true;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(700));
                sink.write("<a/>", 4);
                return true;
            });
    });
    const int port = trickle.bind_to_any_port("127.0.0.1");
    std::thread thread([&] { trickle.listen_after_bind(); });
    while (!trickle.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    window().HttpExecute("http://127.0.0.1:" + std::to_string(port) + "/trickle?x=1", reply());
    trickle.stop();
    thread.join();
    EXPECT_EQ(warning(), "");
    EXPECT_EQ(readFile(reply()).size(), 40u);
}

TEST_F(HttpExecuteTest, TricklingReplyEndsWithTheTimeoutWarning)
{
    // Two bytes a second never trip the read time-out; the limit on the whole transfer does (60 s,
    // here shortened).
    writeFile(reply(), "previous");
    server_.script({{200, std::string(100, 'x'), 0, false, 2}});
    window().IdHTTP1->setTransferLimits(1200, kFileTransferLimit);
    QElapsedTimer clock;
    clock.start();
    window().HttpExecute(server_.baseUrl() + "AxInfoVO?x=1", reply());
    EXPECT_LT(clock.elapsed(), 1200 + 1000);
    EXPECT_TRUE(warning().startsWith("Exception : le serveur n'a pas terminé sa réponse dans le "
                                     "temps imparti (Operation timed out after"))
        << warning().toStdString();
    EXPECT_FALSE(window().PanelWarning->isHidden());
    EXPECT_EQ(readFile(reply()), "previous");
}

TEST_F(HttpExecuteTest, IdleConnectionIsReopenedAfterThreeHundredSeconds)
{
    server_.script({{200, "<r/>"}});
    window().HttpExecute(server_.baseUrl() + "a?x=1", reply());
    window().IdleSeconds = 300;
    window().HttpExecute(server_.baseUrl() + "a?x=2", reply());
    EXPECT_EQ(window().IdleSeconds, 0);
    window().IdleSeconds = 301;
    window().HttpExecute(server_.baseUrl() + "a?x=3", reply());
    const auto seen = server_.requests();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].remotePort, seen[1].remotePort);
    EXPECT_NE(seen[1].remotePort, seen[2].remotePort);
}

TEST_F(HttpExecuteTest, CookiesAreSentBackAlsoOnANewConnection)
{
    server_.setHandler([](const SeenRequest&) { return ScriptedReply{200, "<r/>"}; });
    httplib::Server cookies;
    std::vector<std::string> seen;
    std::mutex mutex;
    cookies.Get(".*", [&](const httplib::Request& request, httplib::Response& response) {
        std::lock_guard lock(mutex);
        seen.push_back(request.get_header_value("Cookie"));
        response.set_header("Set-Cookie", "ASPSESSION=abc; Path=/");
        response.set_content("<r/>", "text/xml");
    });
    const int port = cookies.bind_to_any_port("127.0.0.1");
    std::thread thread([&] { cookies.listen_after_bind(); });
    while (!cookies.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const std::string base = "http://127.0.0.1:" + std::to_string(port) + "/";
    window().HttpExecute(base + "a?x=1", reply());
    window().HttpExecute(base + "a?x=2", reply());
    window().IdleSeconds = 400;
    window().HttpExecute(base + "a?x=3", reply());
    cookies.stop();
    thread.join();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], "");
    EXPECT_EQ(seen[1], "ASPSESSION=abc");
    EXPECT_EQ(seen[2], "ASPSESSION=abc");
}

TEST_F(HttpExecuteTest, CountDownEndingDuringARequestFiresAfterItOnce)
{
    server_.script({{200, "<r/>", 1500}});
    TAxKelvaro& w = window();
    bool reachedZeroInRequest = false;
    int runs = 0;
    bool ranInsideRequest = false;
    // While the request waits, the timer keeps ticking: the count-down reaches 0 and its work is
    // queued; a work queued meanwhile by another event waits the same way.
    QTimer::singleShot(100, &w, [&] { w.DupCountdown = 2; });
    QTimer::singleShot(200, &w, [&] {
        w.queueWork([&] {
            ++runs;
            ranInsideRequest = w.requestRunning();
        });
    });
    QTimer::singleShot(1200, &w,
                       [&] { reachedZeroInRequest = w.requestRunning() && w.DupCountdown == 0; });
    w.HttpExecute(server_.baseUrl() + "slow?x=1", reply());
    EXPECT_TRUE(reachedZeroInRequest);
    EXPECT_EQ(runs, 0);
    WindowHarness::processEventsFor(300);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(ranInsideRequest);
    WindowHarness::processEventsFor(300);
    EXPECT_EQ(runs, 1);
}

TEST_F(HttpExecuteTest, PostFailureWritesTheTransferErrorAndWarnsWithoutRetry)
{
    const int port = unusedPort();
    EXPECT_FALSE(window().HttpPost("http://127.0.0.1:" + std::to_string(port) + "/Ax Insert",
                                   reply("XmlAXInsert.xml"), {FormPart::field("NFImage", "x")}));
    EXPECT_EQ(readFile(reply("XmlAXInsert.xml")), " - Erreur de transfert sur le serveur ");
    EXPECT_TRUE(warning().startsWith("Exception : "));
    EXPECT_NE(harness_.traceLog().find("HttpPost : http://127.0.0.1:" + std::to_string(port) +
                                       "/Ax%20Insert -> "),
              std::string::npos);
}

TEST_F(HttpExecuteTest, PostReplyWithLogItemsWarns)
{
    server_.script({{200, "<r><LogItems><LogItem>refus</LogItem></LogItems></r>"}});
    window().LbIDCustomer->setText("12");
    window().HttpPost(server_.baseUrl() + "AxInsert", reply("XmlAXInsert.xml"),
                      {FormPart::field("a", "b")});
    EXPECT_EQ(server_.requests().at(0).target, "/AxInsert");
    EXPECT_EQ(warning(), "refus - ");
}
