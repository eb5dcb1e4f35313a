#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The address of a server folder: scheme, host, port (the scheme's port when none is written) and
// the folder's path, to which the client appends the names of its requests.
struct ServerAddress {
    std::string scheme; // lower case
    std::string host;   // lower case
    int port = 0;       // 0: a scheme without a known port and none written
    std::string path;   // "/" or "/folder/.../", as written

    bool operator==(const ServerAddress&) const = default;
    // "https://serveur.example:443/kelvaro/"
    std::string text() const;
};

// The address "scheme://host[:port]/path/", or "scheme://host[:port]" when pathOptional (path
// "/"). Strict: no user name, no "\", no percent sign or other character outside letters, digits,
// "." and "-" in the host (or an IPv6 address in brackets); a path that ends with "/" and holds
// only letters, digits, "/", "-", ".", "_" and "~", so no query, fragment or encoded character.
// Nothing when the text is not such an address.
std::optional<ServerAddress> serverOf(std::string_view address, bool pathOptional);

// The entries of the list "AllowedServers" (separated by ";", "," or blanks); nothing, with a
// French message naming the first wrong entry, when one is not a server address.
std::optional<std::vector<ServerAddress>> parseServerList(std::string_view list,
                                                          std::string& error);
