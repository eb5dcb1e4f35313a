#include "app/FileVersion.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <string_view>

#include <QByteArray>
#include <QFile>

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

// The version after the first complete marker of the bytes: digits and points ended by the
// string's terminating zero.
std::string findVersion(std::string_view bytes)
{
    const std::string needle = markerNeedle();
    const std::boyer_moore_horspool_searcher searcher(needle.begin(), needle.end());
    auto at = bytes.begin();
    while ((at = std::search(at, bytes.end(), searcher)) != bytes.end()) {
        const auto first = at + ptrdiff_t(needle.size());
        const auto last = std::find_if_not(first, bytes.end(), isVersionChar);
        if (last != first && last != bytes.end() && *last == '\0')
            return std::string(first, last);
        ++at;
    }
    return {};
}

// The bytes of the file in one block: mapped when the system can, read whole otherwise.
std::string versionInFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 size = file.size();
    if (size > 0) {
        if (const uchar* mapped = file.map(0, size)) {
            std::string version =
                findVersion(std::string_view(reinterpret_cast<const char*>(mapped), size_t(size)));
            file.unmap(const_cast<uchar*>(mapped));
            return version;
        }
    }
    const QByteArray bytes = file.readAll();
    return findVersion(std::string_view(bytes.constData(), size_t(bytes.size())));
}

struct KnownVersion {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type written;
    std::string version;
};

std::mutex knownVersionsLock;
std::map<std::string, KnownVersion> knownVersions;
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
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return {};
    const auto written = std::filesystem::last_write_time(path, error);
    if (error)
        return {};
    {
        const std::lock_guard<std::mutex> guard(knownVersionsLock);
        const auto known = knownVersions.find(path);
        if (known != knownVersions.end() && known->second.size == size &&
            known->second.written == written)
            return known->second.version;
    }
    std::string version = versionInFile(path);
    const std::lock_guard<std::mutex> guard(knownVersionsLock);
    knownVersions[path] = KnownVersion{size, written, version};
    return version;
}
