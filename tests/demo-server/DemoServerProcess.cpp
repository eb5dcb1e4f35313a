#include "tests/demo-server/DemoServerProcess.h"

#include <cerrno>
#include <csignal>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Reads the first line of the server's standard output ("port N"), waiting at most 3 minutes
// (growing a database to a dealership group's size comes first).
std::string firstLine(int fd)
{
    std::string line;
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 180000) <= 0)
            throw std::runtime_error("le serveur de démonstration ne donne pas son port");
        char c = 0;
        const ssize_t got = read(fd, &c, 1);
        if (got <= 0)
            throw std::runtime_error("le serveur de démonstration s'est arrêté au démarrage");
        if (c == '\n')
            return line;
        line += c;
    }
}

} // namespace

std::string demoServerProgram()
{
    return DEMO_SERVER_PROGRAM;
}

DemoServerProcess::DemoServerProcess(const std::string& dataFolder, int port,
                                     const std::vector<std::string>& options)
{
    if (dataFolder.empty()) {
        ownFolder_ = std::make_unique<TempFolder>();
        data_ = ownFolder_->file("data");
    } else {
        data_ = dataFolder;
    }
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe");
    const std::string program = demoServerProgram();
    const std::string portText = std::to_string(port);
    std::vector<const char*> argv = {program.c_str(), "--port", portText.c_str(), "--data",
                                     data_.c_str()};
    for (const std::string& option : options)
        argv.push_back(option.c_str());
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        // The server ends with the test, even when the test dies.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        dup2(pipeFds[1], STDOUT_FILENO);
        execv(program.c_str(), const_cast<char* const*>(argv.data()));
        _exit(127);
    }
    close(pipeFds[1]);
    output_ = pipeFds[0];
    if (pid_ < 0)
        throw std::runtime_error("fork");
    const std::string line = firstLine(output_);
    if (line.rfind("port ", 0) != 0)
        throw std::runtime_error("réponse inattendue du serveur : " + line);
    port_ = std::stoi(line.substr(5));
}

DemoServerProcess::~DemoServerProcess()
{
    stop();
}

int DemoServerProcess::stop(int signal)
{
    if (pid_ <= 0)
        return -1;
    kill(pid_, signal);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    if (output_ >= 0)
        close(output_);
    output_ = -1;
    return status;
}

std::string DemoServerProcess::baseUrl() const
{
    return "http://127.0.0.1:" + std::to_string(port_) + "/";
}

std::string DemoServerProcess::imageUrl() const
{
    return baseUrl() + "voimages/";
}
