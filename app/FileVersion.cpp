#include "app/FileVersion.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {
// Every executable linked with the core carries this text; GetFileVersion finds it in the file.
[[gnu::used]] const char kVersionMarker[] = "@(#)KelvaroFileVersion " KELVARO_FILE_VERSION;
constexpr size_t kMarkerPrefix = sizeof("@(#)KelvaroFileVersion ") - 1;

// The searched text is assembled at run time, so that the search code does not hold a copy of
// the whole marker that would be found in its place.
std::string markerNeedle()
{
    std::string needle = "@(#)Kelvaro";
    needle += "FileVersion ";
    return needle;
}

bool isVersionChar(char c)
{
    return (c >= '0' && c <= '9') || c == '.';
}
} // namespace

const char* compiledFileVersion()
{
    return kVersionMarker + kMarkerPrefix;
}

std::string GetFileVersion(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return {};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    std::string content;
    try {
        content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        return {};
    }
    const std::string needle = markerNeedle();
    size_t at = content.find(needle);
    while (at != std::string::npos) {
        size_t end = at + needle.size();
        while (end < content.size() && isVersionChar(content[end]))
            ++end;
        // The marker ends with the string's terminating zero.
        if (end > at + needle.size() && end < content.size() && content[end] == '\0')
            return content.substr(at + needle.size(), end - at - needle.size());
        at = content.find(needle, at + 1);
    }
    return {};
}
