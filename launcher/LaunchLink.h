#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "launcher/ServerAddress.h"

// A link of the dealerships' web application, "kelvaro:ouvrir?idTVO=4711&idTypeVO=1", opened by
// kelvaro-launch. It comes from a web page: only the keys below may be set, and only with values
// that the settings file and the client take as they are.

using LaunchSettings = std::vector<std::pair<std::string, std::string>>;

// The start parameters a link may set.
extern const char* const kLinkKeys[11];
// The keys whose value is the address of a server.
extern const char* const kLinkServerKeys[3];

// True for an argument that is such a link (the scheme in any case).
bool isLaunchLink(std::string_view argument);

// The settings of the link: its query items in order, percent-decoded ("+" is a blank), UTF-8. A
// key may come twice; the last value wins when they are written. Nothing, with a French message,
// when the link is not of that form, sets another key, or carries a value with a control
// character, over 1 000 bytes, not UTF-8 or with a character that Windows-1252 cannot hold, or a
// value its key may not hold: identifiers are whole numbers (negative for idTVO and idClient, a
// record being created) or empty, names letters, digits, blanks, "-" and "_".
std::optional<LaunchSettings> parseLaunchLink(std::string_view link, std::string& error);

// True when every server address of the settings is exactly one of the allowed addresses (scheme,
// host, port and path); otherwise false, with a French message naming the address.
bool linkServersAllowed(const LaunchSettings& settings, const std::vector<ServerAddress>& allowed,
                        std::string& error);

// The addresses links may set: the list "AllowedServers" of section "Deployment" of the settings
// file (an entry without a path is the server's root "/") or, when it is empty, the addresses
// already in section "Options". Nothing, with a French message, when the list is wrong.
std::optional<std::vector<ServerAddress>> allowedServers(const std::string& settingsPath,
                                                         std::string& error);

// The whole check of a link against the settings file: the settings to write, or nothing with a
// French message when the link is refused.
std::optional<LaunchSettings> acceptLaunchLink(std::string_view link,
                                               const std::string& settingsPath, std::string& error);
