#pragma once

#include <string>
#include <string_view>

class QString;

// Reply documents, statements and URLs are Windows-1252 bytes; widgets hold QString.
// These two functions are the only crossing between the two.
QString fromCp1252(std::string_view bytes);
std::string toCp1252(const QString& text);

// The text without the characters that Windows-1252 cannot hold (an emoji, a Chinese character):
// stored, they would become a substitute byte. Those characters are appended to `refused`.
QString saveableText(const QString& text, QString* refused = nullptr);
