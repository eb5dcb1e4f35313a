#include "app/Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

struct DecimalParts {
    bool negative = false;
    std::string whole;
    std::string fraction;
    bool exponent = false;
};

std::optional<DecimalParts> splitDecimal(std::string_view text)
{
    DecimalParts parts;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        parts.negative = text[i++] == '-';
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        parts.whole += text[i++];
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            parts.fraction += text[i++];
    }
    if (parts.whole.empty() && parts.fraction.empty())
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const size_t digits = j;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9')
            ++j;
        if (j == digits)
            return std::nullopt;
        parts.exponent = true;
        i = j;
    }
    if (i != text.size())
        return std::nullopt;
    return parts;
}

} // namespace

std::optional<double> parseNumber(std::string_view text)
{
    if (!splitDecimal(text))
        return std::nullopt;
    return std::strtod(std::string(text).c_str(), nullptr);
}

std::optional<long long> parseWholeNumber(std::string_view text)
{
    size_t start = !text.empty() && text[0] == '+' ? 1 : 0;
    long long value = 0;
    const auto [end, error] =
        std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || start == text.size())
        return std::nullopt;
    return value;
}

std::optional<std::string> amountText(std::string_view text)
{
    const auto parts = splitDecimal(text);
    if (!parts)
        return std::nullopt;
    if (parts->exponent)
        return formatAmount(*parseNumber(text));
    // Round on the decimal digits: whole + two fraction digits, half away from zero.
    std::string digits = parts->whole.empty() ? "0" : parts->whole;
    std::string fraction = parts->fraction;
    const bool roundUp = fraction.size() > 2 && fraction[2] >= '5';
    fraction.resize(2, '0');
    digits += fraction;
    if (roundUp) {
        int k = int(digits.size()) - 1;
        while (k >= 0 && digits[size_t(k)] == '9')
            digits[size_t(k--)] = '0';
        if (k < 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[size_t(k)];
    }
    const size_t firstNonZero = digits.find_first_not_of('0');
    std::string whole = digits.substr(0, digits.size() - 2);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    const bool zero = firstNonZero == std::string::npos;
    return std::string(parts->negative && !zero ? "-" : "") + whole + "." +
           digits.substr(digits.size() - 2);
}

std::string formatAmount(double value)
{
    const double rounded = std::round(value * 100.0) / 100.0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", rounded == 0.0 ? 0.0 : rounded);
    return buffer;
}

std::string withoutBlanks(std::string_view text)
{
    std::string result;
    for (char c : text)
        if (c != ' ')
            result += c;
    return result;
}
