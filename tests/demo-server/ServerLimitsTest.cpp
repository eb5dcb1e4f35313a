// The server under clients that hold on: a statement that would run for minutes, requests that
// trickle in or never come, and the stop signals while that goes on.
#include <chrono>
#include <future>
#include <thread>

#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "server/Endpoints.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/demo-server/DemoServerProcess.h"

namespace {

using namespace std::chrono_literals;

const char* const kRunaway = "SELECT COUNT(*) AS n FROM tVehicles a, tVehicles b, tVehicles c, "
                             "tVehicles d, tVehicles e";

// Whether the server closed the connection within the time given (what it sent before is read
// and dropped).
bool closedByServer(int sock, std::chrono::milliseconds within)
{
    const auto until = std::chrono::steady_clock::now() + within;
    char buffer[4096];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        pollfd ready{sock, POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, int(left.count())) <= 0)
            return false;
        const ssize_t got = recv(sock, buffer, sizeof buffer, 0);
        if (got <= 0)
            return true;
    }
}

TEST(ServerLimits, StopSignalsEndALongStatementWithinASecond)
{
    for (const int signal : {SIGTERM, SIGINT}) {
        DemoServerProcess server({}, 0, {"--statement-ms", "600000"});
        // A client whose kept-alive connection waits for its next request.
        ClientSession idle;
        idle.fetch(endpoint::infoStruct(server.baseUrl(), "BRESMAN"));
        ASSERT_EQ(idle.lastWarning(), "");
        const std::string url = endpoint::queryCount(server.baseUrl(), kRunaway);
        auto running = std::async(std::launch::async, [&] {
            ClientSession session;
            session.get(url);
            return session.lastWarning();
        });
        // The statement has started and holds the database.
        EXPECT_EQ(running.wait_for(700ms), std::future_status::timeout);
        const auto start = std::chrono::steady_clock::now();
        const int status = server.stop(signal);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took, 1s) << "signal " << signal;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        // The statement ended with its log item, which still went out.
        EXPECT_NE(utf8(running.get()).find("Instruction interrompue : le serveur s'arrête."),
                  std::string::npos);
    }
}

TEST(ServerLimits, SlowClientsLeaveRoomForTheOthers)
{
    DemoServerProcess server;
    // Forty connections that send the start of a request and then nothing.
    std::vector<int> slow;
    for (int i = 0; i < 40; ++i) {
        const int sock = connectLoopback(server.port());
        ASSERT_GE(sock, 0);
        send(sock, "GET /AxInfoVO?idTVO=1001", 24, MSG_NOSIGNAL);
        slow.push_back(sock);
    }
    std::this_thread::sleep_for(200ms);
    // The client's read time-out is 5 s: a starved request would fail.
    ClientSession session;
    TXml doc = session.fetch(endpoint::infoVO(server.baseUrl(), "1001", "1000001"));
    EXPECT_EQ(session.lastWarning(), "");
    XmlFind(doc, "tVO");
    EXPECT_EQ(valueOf(doc, "idVO"), "5001");
    for (const int sock : slow)
        close(sock);
}

TEST(ServerLimits, ARequestMustArriveWithinTheRequestTime)
{
    DemoServerProcess server({}, 0, {"--request-ms", "500", "--connections", "2"});
    const int idle = connectLoopback(server.port());
    const int trickling = connectLoopback(server.port());
    ASSERT_GE(idle, 0);
    ASSERT_GE(trickling, 0);
    // Both workers are taken: a normal request waits for one, and is served once the request
    // time of the others has run out.
    auto normal = std::async(std::launch::async, [&] {
        ClientSession session;
        session.fetch(endpoint::infoStruct(server.baseUrl(), "BRESMAN"));
        return session.lastWarning();
    });
    const std::string header = "GET /AxInfoVO?idTVO=1001 HTTP/1.1\r\nHost: x\r\nX-Slow: ";
    for (const char c : header) {
        send(trickling, &c, 1, MSG_NOSIGNAL);
        std::this_thread::sleep_for(20ms);
    }
    EXPECT_TRUE(closedByServer(idle, 3s));
    EXPECT_TRUE(closedByServer(trickling, 3s));
    EXPECT_EQ(normal.get(), "");
    close(idle);
    close(trickling);
}

} // namespace
