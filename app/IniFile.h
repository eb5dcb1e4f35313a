#pragma once

#include <optional>
#include <string>
#include <string_view>

// Plain INI file in UTF-8, shared with the launcher. Values are stored byte for byte: no quoting,
// no escaping, no trimming, no list splitting. Sections and keys are compared without regard to
// ASCII case, as Windows does. The file is opened and closed at each access; other sections, keys,
// comments and blank lines are kept as they are.

// Value of key in section, or nothing when the file, the section or the key is absent.
std::optional<std::string> iniRead(const std::string& path, std::string_view section,
                                   std::string_view key);

// Writes key=value into section, creating the file, the section or the key as needed. A value
// cannot hold a line break (it would become another line): such a value is refused. The file is
// replaced in one step so that a reader never sees half a file, and is left readable and writable
// by its owner only. Returns false on failure.
bool iniWrite(const std::string& path, std::string_view section, std::string_view key,
              std::string_view value);
