#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The server an address points at: scheme, host and port (the scheme's port when none is written).
struct ServerAddress {
    std::string scheme; // lower case
    std::string host;   // lower case
    int port = 0;       // 0: a scheme without a known port and none written

    bool operator==(const ServerAddress&) const = default;
    // "https://serveur.example:443"
    std::string text() const;
};

// The server of "scheme://host[:port]" followed by "/" and a path, or by nothing when pathOptional.
// Strict: no user name, no "\", no percent sign or other character outside letters, digits, "."
// and "-" in the host (or an IPv6 address in brackets). Nothing when the text is not such an
// address.
std::optional<ServerAddress> serverOf(std::string_view address, bool pathOptional);

// The entries of the list "AllowedServers" (separated by ";", "," or blanks); nothing, with a
// French message naming the first wrong entry, when one is not a server address.
std::optional<std::vector<ServerAddress>> parseServerList(std::string_view list,
                                                          std::string& error);
