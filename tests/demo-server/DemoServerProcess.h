#pragma once

#include <csignal>
#include <memory>
#include <string>
#include <vector>

#include <sys/types.h>

#include "tests/support/TempFolder.h"

// The real demo server, started as a child process on a free loopback port (or on the port given,
// to start it again where it was). Without a data folder it gets a fresh one (removed afterwards),
// so every test starts from the sample data. Options are added to its command line (the limits).
class DemoServerProcess {
public:
    explicit DemoServerProcess(const std::string& dataFolder = {}, int port = 0,
                               const std::vector<std::string>& options = {});
    ~DemoServerProcess();
    DemoServerProcess(const DemoServerProcess&) = delete;
    DemoServerProcess& operator=(const DemoServerProcess&) = delete;

    int port() const { return port_; }
    // "http://127.0.0.1:N/": the BaseHRef of the client.
    std::string baseUrl() const;
    // The image address: baseUrl() + "voimages/".
    std::string imageUrl() const;
    const std::string& dataFolder() const { return data_; }

    // Stops the server with the signal (SIGTERM, or SIGINT as Ctrl+C does) and returns its exit
    // status; -1 when it was already stopped.
    int stop(int signal = SIGTERM);

private:
    std::unique_ptr<TempFolder> ownFolder_;
    std::string data_;
    pid_t pid_ = -1;
    int output_ = -1;
    int port_ = 0;
};

// The path of the server program of this build.
std::string demoServerProgram();
