#pragma once

#include <string>

// The version compiled into this executable ("1.0.0.0").
const char* compiledFileVersion();
// The file version compiled into an executable file, or empty text when it has none.
std::string GetFileVersion(const std::string& path);
