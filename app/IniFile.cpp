#include "app/IniFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace {

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = char(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

std::optional<std::vector<std::string>> readLines(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream all;
    all << in.rdbuf();
    const std::string text = all.str();
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

// Name of the section a line opens, if it is a section header.
std::optional<std::string_view> sectionOf(std::string_view line)
{
    line = trimBlanks(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimBlanks(line.substr(1, close - 1));
}

// Key of a key=value line; the value starts right after the first "=".
std::optional<std::string_view> keyOf(std::string_view line, size_t& valueStart)
{
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = trimBlanks(line.substr(0, eq));
    if (key.empty() || key.front() == ';' || key.front() == '#')
        return std::nullopt;
    valueStart = eq + 1;
    return key;
}

} // namespace

std::optional<std::string> iniRead(const std::string& path, std::string_view section,
                                   std::string_view key)
{
    const auto lines = readLines(path);
    if (!lines)
        return std::nullopt;
    bool inSection = false;
    for (const std::string& line : *lines) {
        if (const auto name = sectionOf(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        size_t valueStart = 0;
        if (inSection) {
            if (const auto k = keyOf(line, valueStart); k && sameName(*k, key))
                return line.substr(valueStart);
        }
    }
    return std::nullopt;
}

bool iniWrite(const std::string& path, std::string_view section, std::string_view key,
              std::string_view value)
{
    if (value.find_first_of("\r\n") != std::string_view::npos || key.empty() ||
        key.find_first_of("=\r\n[") != std::string_view::npos)
        return false;
    std::vector<std::string> lines = readLines(path).value_or(std::vector<std::string>{});
    const std::string entry = std::string(key) + "=" + std::string(value);

    bool inSection = false;
    bool written = false;
    std::optional<size_t> sectionEnd; // index after the last line of the wanted section
    for (size_t i = 0; i < lines.size() && !written; ++i) {
        if (const auto name = sectionOf(lines[i])) {
            inSection = sameName(*name, section);
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        size_t valueStart = 0;
        if (const auto k = keyOf(lines[i], valueStart); k && sameName(*k, key)) {
            lines[i] = entry;
            written = true;
        } else if (!trimBlanks(lines[i]).empty()) {
            sectionEnd = i + 1;
        }
    }
    if (!written) {
        if (sectionEnd) {
            lines.insert(lines.begin() + std::ptrdiff_t(*sectionEnd), entry);
        } else {
            if (!lines.empty() && !trimBlanks(lines.back()).empty())
                lines.emplace_back();
            lines.push_back("[" + std::string(section) + "]");
            lines.push_back(entry);
        }
    }

    // Write beside the file, then rename over it: the launcher and the client may meet here. The
    // file may hold passwords: readable by its owner only, whatever the old file allowed.
    const std::string temporary = path + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        std::error_code error;
        std::filesystem::permissions(
            temporary, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
            std::filesystem::perm_options::replace, error);
        if (!out || error) {
            std::remove(temporary.c_str());
            return false;
        }
        for (const std::string& line : lines)
            out << line << '\n';
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
