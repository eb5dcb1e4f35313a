#include "demo-server/ServerLimits.h"

#include <cstdio>

namespace {

// A number with at most the decimals it needs ("2", "0.3", "1.25").
std::string shortNumber(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string number = text;
    while (number.back() == '0')
        number.pop_back();
    if (number.back() == '.')
        number.pop_back();
    return number;
}

} // namespace

size_t statementMemoryLimit(size_t replyBytes)
{
    // A change reads a value, builds the new one and writes its record: three at most, and a spare.
    return replyBytes + 4 * kValueBytesLimit + 32 * 1024 * 1024;
}

std::string durationText(std::chrono::milliseconds duration)
{
    return shortNumber(double(duration.count()) / 1000.0) + " s";
}

std::string sizeText(size_t bytes)
{
    constexpr size_t kMegabyte = 1024 * 1024;
    if (bytes < kMegabyte / 10)
        return std::to_string(bytes) + " octets";
    return shortNumber(double(bytes) / double(kMegabyte)) + " Mo";
}
