#include "view/CaseText.h"

namespace {

unsigned char upperByte(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 32;
    switch (c) {
    case 0x9A:
        return 0x8A; // š
    case 0x9C:
        return 0x8C; // œ
    case 0x9E:
        return 0x8E; // ž
    case 0xFF:
        return 0x9F; // ÿ
    default:
        return c;
    }
}

unsigned char lowerByte(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 32;
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

} // namespace

std::string upperCp1252(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = char(upperByte(static_cast<unsigned char>(c)));
    return result;
}

std::string lowerCp1252(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = char(lowerByte(static_cast<unsigned char>(c)));
    return result;
}

std::string replaceAllIgnoringCase(std::string_view text, std::string_view from,
                                   std::string_view to)
{
    if (from.empty())
        return std::string(text);
    const std::string upperText = upperCp1252(text);
    const std::string upperFrom = upperCp1252(from);
    std::string result;
    size_t i = 0;
    for (size_t at = upperText.find(upperFrom); at != std::string::npos;
         at = upperText.find(upperFrom, i)) {
        result.append(text.substr(i, at - i));
        result.append(to);
        i = at + from.size();
    }
    result.append(text.substr(i));
    return result;
}

bool containsText(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

std::string_view beforeColon(std::string_view text)
{
    const size_t at = text.find(" : ");
    return at == std::string_view::npos ? text : text.substr(0, at);
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}
