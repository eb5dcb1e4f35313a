#pragma once

#include <string>

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Writes a whole file, bytes as given.
void writeFile(const std::string& path, const std::string& content);
// Reads a whole file; empty when it is absent.
std::string readFile(const std::string& path);

// Points the settings folder and the temporary folder of this process at a private place, so that a
// test meets no other client, test or demo. Restores nothing: each test program is its own process.
void isolateEnvironment(const TempFolder& folder);
