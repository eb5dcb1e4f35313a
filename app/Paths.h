#pragma once

#include <optional>
#include <string>

// Folder of the settings file: $XDG_CONFIG_HOME/Kelvaro (default ~/.config/Kelvaro); APPDATA on
// Windows.
std::string settingsFolder();
// The settings file shared with the launcher.
std::string SettingsFileName();
// Folder of the trace log and reply files when "TraceRepTemp" is empty: $TMPDIR, else /tmp.
std::string defaultTempFolder();
// Joins a folder and a file name with "/".
std::string joinPath(const std::string& folder, const std::string& name);
// Creates a folder and its parents; true when it exists afterwards.
bool makeFolder(const std::string& folder);
// Creates the settings folder, readable by its owner only (the file holds the FTP password), and
// takes back any wider rights it already has; true when it exists afterwards.
bool makeSettingsFolder();
bool fileExists(const std::string& path);
// Seconds since the file was last modified, or nothing when it is absent.
std::optional<double> fileAgeSeconds(const std::string& path);
