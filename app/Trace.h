#pragma once

#include <ctime>
#include <string>
#include <string_view>

// One line of the trace log: "dd/mm/yyyy hh:mm:ss - message".
std::string traceLine(std::time_t when, std::string_view message);
// Appends the line to the log. When the log does not exist, the message is dropped and the file is
// created empty: removing the log restarts it at the next message. The file is opened and closed at
// every call. Errors are not reported.
void appendTrace(const std::string& logPath, std::string_view message);
