#include "demo-server/QueryString.h"

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string percentDecode(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                decoded += char(high * 16 + low);
                i += 2;
                continue;
            }
        }
        decoded += text[i];
    }
    return decoded;
}

QueryString QueryString::fromTarget(std::string_view target)
{
    QueryString query;
    const size_t mark = target.find('?');
    if (mark == std::string_view::npos)
        return query;
    std::string_view rest = target.substr(mark + 1);
    while (!rest.empty()) {
        const size_t amp = rest.find('&');
        const std::string_view pair = rest.substr(0, amp);
        rest = amp == std::string_view::npos ? std::string_view() : rest.substr(amp + 1);
        if (pair.empty())
            continue;
        const size_t eq = pair.find('=');
        if (eq == std::string_view::npos)
            query.pairs_.emplace_back(percentDecode(pair), std::string());
        else
            query.pairs_.emplace_back(percentDecode(pair.substr(0, eq)),
                                      percentDecode(pair.substr(eq + 1)));
    }
    return query;
}

std::optional<std::string> QueryString::value(std::string_view key) const
{
    for (const auto& [name, value] : pairs_) {
        if (name == key)
            return value;
    }
    return std::nullopt;
}

std::string QueryString::valueOr(std::string_view key, std::string_view fallback) const
{
    return value(key).value_or(std::string(fallback));
}
