#include "demo-server/ValueFormat.h"

#include <charconv>
#include <system_error>

#include "app/Numbers.h"

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string documentDate(std::string_view stored)
{
    const bool iso = stored.size() >= 10 && isDigit(stored[0]) && isDigit(stored[1]) &&
                     isDigit(stored[2]) && isDigit(stored[3]) && stored[4] == '-' &&
                     isDigit(stored[5]) && isDigit(stored[6]) && stored[7] == '-' &&
                     isDigit(stored[8]) && isDigit(stored[9]);
    if (!iso)
        return std::string(stored);
    std::string text;
    text += stored.substr(8, 2);
    text += '/';
    text += stored.substr(5, 2);
    text += '/';
    text += stored.substr(0, 4);
    return text;
}

std::optional<double> readAmount(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string documentAmount(std::string_view stored)
{
    const auto value = readAmount(stored);
    return value ? formatAmount(*value) : std::string(stored);
}

std::string documentValue(std::string_view declaredType,
                          const std::optional<std::string_view>& stored)
{
    if (!stored)
        return {};
    if (declaredType == "DATE")
        return documentDate(*stored);
    if (declaredType == "MONEY")
        return documentAmount(*stored);
    if (declaredType == "BOOLEAN") {
        // Stored as a number (the original database wrote -1 for true); "True"/"False" as sent.
        if (const auto number = readAmount(*stored))
            return *number == 0 ? "False" : "True";
    }
    return std::string(*stored);
}
