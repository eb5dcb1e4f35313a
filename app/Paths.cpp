#include "app/Paths.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}
} // namespace

std::string settingsFolder()
{
#ifdef _WIN32
    return joinPath(environment("APPDATA"), "Kelvaro");
#else
    std::string base = environment("XDG_CONFIG_HOME");
    if (base.empty())
        base = joinPath(environment("HOME"), ".config");
    return joinPath(base, "Kelvaro");
#endif
}

std::string SettingsFileName()
{
    return joinPath(settingsFolder(), "TAXKelvaro.ini");
}

std::string defaultTempFolder()
{
#ifdef _WIN32
    return environment("TEMP");
#else
    const std::string folder = environment("TMPDIR");
    return folder.empty() ? std::string("/tmp") : folder;
#endif
}

std::string joinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/' || folder.back() == '\\')
        return folder + name;
    return folder + "/" + name;
}

bool makeFolder(const std::string& folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    return fs::is_directory(folder, error);
}

bool makeSettingsFolder()
{
    const std::string folder = settingsFolder();
    if (!makeFolder(folder))
        return false;
    std::error_code error;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, error);
    return true;
}

bool fileExists(const std::string& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

std::optional<double> fileAgeSeconds(const std::string& path)
{
    std::error_code error;
    const auto written = fs::last_write_time(path, error);
    if (error)
        return std::nullopt;
    const auto age = fs::file_time_type::clock::now() - written;
    return std::chrono::duration<double>(age).count();
}
