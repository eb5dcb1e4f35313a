#include "tests/support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    // The base is read once: tests point TMPDIR into their own folders, which come and go.
    static const fs::path base = fs::temp_directory_path();
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = base / ("kelvaro-test-" + std::to_string(random()));
        std::error_code error;
        if (fs::create_directory(candidate, error)) {
            path_ = candidate.string();
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder()
{
    std::error_code error;
    fs::remove_all(path_, error);
}

void writeFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void isolateEnvironment(const TempFolder& folder)
{
    fs::create_directories(folder.file("config"));
    fs::create_directories(folder.file("tmp"));
    fs::create_directories(folder.file("runtime"));
    fs::permissions(folder.file("runtime"), fs::perms::owner_all);
    setenv("XDG_CONFIG_HOME", folder.file("config").c_str(), 1);
    setenv("TMPDIR", folder.file("tmp").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", folder.file("runtime").c_str(), 1);
    unsetenv("http_proxy");
    unsetenv("HTTP_PROXY");
}
