#pragma once

#include <string_view>

// A reply is a readable document of its kind when its first element is closed at its end (not an
// empty, truncated or random reply) and the element that tells its kind stands in it (not an
// error page of the web server): "User" for a record, "ParsS" for the lists, "axStructS" for the
// structure.
bool readableDocument(std::string_view reply, std::string_view kindElement);
