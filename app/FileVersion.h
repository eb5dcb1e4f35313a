#pragma once

#include <string>

// The version compiled into this executable ("1.0.0.0"): the version of the running program.
const char* compiledFileVersion();
// The file version compiled into an executable file, or empty text when it has none. The file is
// mapped and searched once; the answer is kept for the life of the process and read again only
// when the file's size or modification time changes.
std::string GetFileVersion(const std::string& path);
