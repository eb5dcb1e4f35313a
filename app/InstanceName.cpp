#include "app/InstanceName.h"

#include <cstdint>
#include <cstdio>

#ifdef _WIN32
#include <cstdlib>
#else
#include <unistd.h>
#endif

std::string instanceChannelName(const std::string& settingsFolder)
{
    // FNV-1a: the same folder gives the same name in every program of the project.
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : settingsFolder) {
        hash ^= c;
        hash *= 16777619u;
    }
#ifdef _WIN32
    const char* user = std::getenv("USERNAME");
    const std::string userId = user ? user : "user";
#else
    const std::string userId = std::to_string(::getuid());
#endif
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", hash);
    return "ProjKelvaro-" + userId + "-" + suffix;
}
