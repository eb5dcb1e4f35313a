#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Command line of kelvaro-launch.
struct LaunchOptions {
    std::vector<std::pair<std::string, std::string>> settings;   // --set Key=Value, in order
    std::vector<std::pair<std::string, std::string>> deployment; // --deploy Key=Value, in order
    bool reload = false;                                         // --reload
    std::string program;                                         // --program PATH
    std::string link;                                            // kelvaro:ouvrir?...
    bool help = false;
    // No argument at all: bring the running client to the front, or start it.
    bool open = false;
};

// The keys of section "Deployment" that --deploy may write.
extern const char* const kDeploymentKeys[10];

// Reads the arguments (without the program name); nothing, with a French message, when they are
// wrong.
std::optional<LaunchOptions> parseLaunchOptions(const std::vector<std::string>& arguments,
                                                std::string& error);
