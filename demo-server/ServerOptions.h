#pragma once

#include <optional>
#include <string>
#include <vector>

#include "demo-server/ServerLimits.h"

// Command line of kelvaro-demo-server.
struct ServerOptions {
    int port = 0;           // --port N; 0 picks a free port
    std::string dataFolder; // --data DIR; default $XDG_DATA_HOME/kelvaro-demo
    bool help = false;
    long long grow = 0;  // --grow N: generated vehicles and clients the database is brought to
    ServerLimits limits; // --statement-ms, --reply-bytes, --request-ms, --connections
};

// Reads the arguments (without the program name); nothing, with a French message, when they are
// wrong.
std::optional<ServerOptions> parseServerOptions(const std::vector<std::string>& arguments,
                                                std::string& error);

// $XDG_DATA_HOME/kelvaro-demo, or ~/.local/share/kelvaro-demo.
std::string defaultDataFolder();

extern const char* const kServerUsage;
