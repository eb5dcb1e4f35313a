// The server as a program: several clients at once, data kept across starts, every reply with
// status 200, its command line.
#include <atomic>
#include <set>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "server/Endpoints.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/demo-server/DemoServerProcess.h"

namespace {

TEST(ServerLife, SeveralClientsAtOnceGetDistinctKeys)
{
    DemoServerProcess server;
    constexpr int kClients = 4;
    constexpr int kInserts = 8;
    std::vector<std::vector<std::string>> keys(kClients);
    std::atomic<int> failures{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c) {
        clients.emplace_back([&, c] {
            ClientSession session;
            for (int i = 0; i < kInserts; ++i) {
                TXml reply = session.fetch(
                    endpoint::insert(server.baseUrl(), "Insert into tActions (CommentaireAction, "
                                                       "idClient, idAction ) Values ('client " +
                                                           std::to_string(c) + "', 2001, :NewID)"));
                if (!session.lastWarning().empty())
                    ++failures;
                XmlFind(reply, "OutParams");
                keys[c].push_back(valueOf(reply, "NewID"));
                session.fetch(endpoint::infoCL(server.baseUrl(), "1000001"), "2001");
            }
        });
    }
    for (std::thread& client : clients)
        client.join();
    EXPECT_EQ(failures, 0);
    std::set<std::string> distinct;
    for (const auto& ofClient : keys)
        distinct.insert(ofClient.begin(), ofClient.end());
    EXPECT_EQ(distinct.size(), size_t(kClients * kInserts));
    EXPECT_EQ(distinct.count(""), 0u);
}

TEST(ServerLife, LaterStartsKeepTheData)
{
    TempFolder folder;
    const std::string data = folder.file("data");
    {
        DemoServerProcess first(data);
        ClientSession session;
        session.fetch(
            endpoint::update(first.baseUrl(), "Update tVehicles set KMS=123456 where (idVO=5001)"));
        ASSERT_EQ(session.lastWarning(), "");
        EXPECT_EQ(first.stop() & 0x7f, 0) << "stopped by its signal handler, not killed";
    }
    DemoServerProcess second(data);
    ClientSession session;
    TXml doc = session.fetch(endpoint::infoVO(second.baseUrl(), "1001", "1000001"));
    XmlFind(doc, "tVO");
    EXPECT_EQ(valueOf(doc, "KMS"), "123456");
}

TEST(ServerLife, EveryReplyHasStatus200)
{
    DemoServerProcess server;
    const std::pair<std::string, const char*> cases[] = {
        {"GET /AxQuery?SQL=select 1 HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n", "400"},
        {"NONSENSE\r\n\r\n", "400"},
        {"GET /nowhere HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n", "Adresse inconnue"},
        {"POST /nowhere HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\nConnection: close\r\n\r\n",
         "Adresse inconnue"},
    };
    for (const auto& [request, part] : cases) {
        const std::string answer = rawExchange(server.port(), request);
        EXPECT_EQ(answer.substr(0, 15), "HTTP/1.1 200 OK") << request;
        EXPECT_NE(answer.find("<LogItem>"), std::string::npos) << request;
        EXPECT_NE(answer.find(part), std::string::npos) << request;
    }
    // A "?" inside a statement's text is taken as text, and the connection serves on.
    const std::string asked = rawExchange(
        server.port(), "GET /AxQuery?SQL=select%20'Pr%C3%AAt%20?'%20as%20x HTTP/1.1\r\nHost: "
                       "x\r\nConnection: close\r\n\r\n");
    EXPECT_NE(asked.find("<x>Pr"), std::string::npos) << asked;
    EXPECT_NE(asked.find(" ?</x>"), std::string::npos) << asked;
    ClientSession session;
    session.fetch(endpoint::infoStruct(server.baseUrl(), "BRESMAN"));
    EXPECT_EQ(session.lastWarning(), "");
}

int runServer(const std::vector<std::string>& arguments, std::string& output)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return -1;
    const std::string program = demoServerProgram();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        dup2(pipeFds[1], STDERR_FILENO);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    char buffer[1024];
    ssize_t got;
    while ((got = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, size_t(got));
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ServerLife, CommandLineIsCheckedInFrench)
{
    const std::pair<std::vector<std::string>, std::pair<int, const char*>> cases[] = {
        {{"--help"}, {0, "Usage : kelvaro-demo-server"}},
        {{"--port", "70000"}, {2, "port invalide"}},
        {{"--port"}, {2, "valeur manquante"}},
        {{"--verbose"}, {2, "option inconnue"}},
        {{"--statement-ms", "0"}, {2, "--statement-ms : valeur invalide « 0 »"}},
        {{"--connections", "beaucoup"}, {2, "--connections : valeur invalide"}},
        {{"--request-ms"}, {2, "valeur manquante"}},
    };
    for (const auto& [arguments, expected] : cases) {
        std::string output;
        EXPECT_EQ(runServer(arguments, output), expected.first) << arguments.front();
        EXPECT_NE(output.find(expected.second), std::string::npos) << output;
    }
}

} // namespace
