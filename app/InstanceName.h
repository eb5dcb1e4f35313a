#pragma once

#include <string>

// Name of the local channel of the running client: "ProjKelvaro", the user id and a short hash of
// the settings folder, so that a client with its own settings folder (a test) never meets another.
std::string instanceChannelName(const std::string& settingsFolder);
