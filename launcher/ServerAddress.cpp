#include "launcher/ServerAddress.h"

#include <algorithm>
#include <charconv>

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), lower);
    return out;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isHostChar(char c)
{
    return isLetter(c) || isDigit(c) || c == '.' || c == '-';
}

// The characters of a path that no server decodes or splits: no "?", "#", "&", "%" or blank.
bool isPathChar(char c)
{
    return isLetter(c) || isDigit(c) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~';
}

bool isIpv6Char(char c)
{
    return isDigit(c) || (lower(c) >= 'a' && lower(c) <= 'f') || c == ':' || c == '.';
}

int defaultPort(const std::string& scheme)
{
    if (scheme == "http")
        return 80;
    if (scheme == "https")
        return 443;
    if (scheme == "ftp")
        return 21;
    return 0;
}

// "host" or "[ipv6]"; empty when it is neither.
std::string_view hostPart(std::string_view authority, std::string_view& rest)
{
    size_t end = 0;
    if (!authority.empty() && authority.front() == '[') {
        const size_t close = authority.find(']');
        if (close == std::string_view::npos || close < 2 ||
            !std::all_of(authority.begin() + 1, authority.begin() + ptrdiff_t(close), isIpv6Char))
            return {};
        end = close + 1;
    } else {
        while (end < authority.size() && isHostChar(authority[end]))
            ++end;
        if (end == 0 || (!isLetter(authority.front()) && !isDigit(authority.front())))
            return {};
    }
    rest = authority.substr(end);
    return authority.substr(0, end);
}

} // namespace

std::string ServerAddress::text() const
{
    return scheme + "://" + host + (port ? ":" + std::to_string(port) : std::string()) + path;
}

std::optional<ServerAddress> serverOf(std::string_view address, bool pathOptional)
{
    const size_t colon = address.find("://");
    if (colon == std::string_view::npos || colon == 0 || !isLetter(address.front()))
        return std::nullopt;
    const std::string_view scheme = address.substr(0, colon);
    if (!std::all_of(scheme.begin(), scheme.end(), [](char c) {
            return isLetter(c) || isDigit(c) || c == '+' || c == '-' || c == '.';
        }))
        return std::nullopt;
    std::string_view authority = address.substr(colon + 3);
    const size_t slash = authority.find('/');
    const std::string_view after =
        slash == std::string_view::npos ? std::string_view() : authority.substr(slash);
    authority = authority.substr(0, slash);
    if (after.empty() ? !pathOptional
                      : after.back() != '/' || !std::all_of(after.begin(), after.end(), isPathChar))
        return std::nullopt;

    ServerAddress server;
    server.scheme = lowered(scheme);
    server.path = after.empty() ? "/" : std::string(after);
    std::string_view rest;
    const std::string_view host = hostPart(authority, rest);
    if (host.empty())
        return std::nullopt;
    server.host = lowered(host);
    server.port = defaultPort(server.scheme);
    if (!rest.empty()) {
        // ":" and the port, and nothing else: a user name, a "\" or a "?" never pass.
        const std::string_view digits = rest.substr(1);
        int port = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), port);
        if (rest.front() != ':' || digits.empty() || digits.size() > 5 || error != std::errc() ||
            end != digits.data() + digits.size() || port < 1 || port > 65535)
            return std::nullopt;
        server.port = port;
    }
    return server;
}

std::optional<std::vector<ServerAddress>> parseServerList(std::string_view list, std::string& error)
{
    std::vector<ServerAddress> servers;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find_first_of(";, \t", start);
        if (end == std::string_view::npos)
            end = list.size();
        const std::string_view entry = list.substr(start, end - start);
        if (!entry.empty()) {
            const auto server = serverOf(entry, true);
            if (!server) {
                error = "« " + std::string(entry) +
                        " » n'est pas une adresse de serveur (schéma://serveur[:port][/chemin/])";
                return std::nullopt;
            }
            servers.push_back(*server);
        }
        start = end + 1;
    }
    return servers;
}
