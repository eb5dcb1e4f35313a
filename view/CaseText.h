#pragma once

#include <string>
#include <string_view>

// Case changes of Windows-1252 texts, letters with accents included ("é" and "É").
std::string upperCp1252(std::string_view text);
std::string lowerCp1252(std::string_view text);
// Case-free search, as the client compares words of its hints and group names.
std::string replaceAllIgnoringCase(std::string_view text, std::string_view from,
                                   std::string_view to);
bool containsText(std::string_view text, std::string_view part);
// The text up to the first " : " (lists show "code : label"; the value is the code).
std::string_view beforeColon(std::string_view text);
// The text without the blanks and control characters at both ends.
std::string_view trimmed(std::string_view text);
