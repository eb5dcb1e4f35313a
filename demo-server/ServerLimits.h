#pragma once

#include <chrono>
#include <cstddef>
#include <string>

// What one client may take of the server: the run time of a statement, the size of a reply, the
// time to send a request and the connections served at once. A client that passes a limit gets a
// French log item (statement, reply) or loses its connection (request); the others go on.
struct ServerLimits {
    std::chrono::milliseconds statementTime{2000};
    size_t replyBytes = 20 * 1024 * 1024;
    std::chrono::milliseconds requestTime{10000};
    int connections = 64;
};

// "2 s", "0.3 s": a duration as the log items write it.
std::string durationText(std::chrono::milliseconds duration);
// "20 Mo", "1.5 Mo", "2000 octets": a size as the log items write it.
std::string sizeText(size_t bytes);
