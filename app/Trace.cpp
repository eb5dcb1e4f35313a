#include "app/Trace.h"

#include <cstdio>

#include "app/Paths.h"

std::string traceLine(std::time_t when, std::string_view message)
{
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%d/%m/%Y %H:%M:%S", &local);
    std::string line(stamp);
    line += " - ";
    line.append(message);
    return line;
}

void appendTrace(const std::string& logPath, std::string_view message)
{
    if (!fileExists(logPath)) {
        if (std::FILE* created = std::fopen(logPath.c_str(), "wb"))
            std::fclose(created);
        return;
    }
    std::FILE* log = std::fopen(logPath.c_str(), "ab");
    if (!log)
        return;
    const std::string line = traceLine(std::time(nullptr), message) + "\n";
    std::fwrite(line.data(), 1, line.size(), log);
    std::fclose(log);
}
