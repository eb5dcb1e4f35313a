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

// No single text or blob may pass this size, whatever builds it (a reply could not carry it
// anyway).
inline constexpr size_t kValueBytesLimit = 32 * 1024 * 1024;

// What the database library may hold at once for a statement that sends at most replyBytes: the
// reply's rows, a few values of the largest size being built, and its page cache. Past it the
// statement fails as out of memory, whatever it builds.
size_t statementMemoryLimit(size_t replyBytes);

// "2 s", "0.3 s": a duration as the log items write it.
std::string durationText(std::chrono::milliseconds duration);
// "20 Mo", "1.5 Mo", "2000 octets": a size as the log items write it.
std::string sizeText(size_t bytes);
