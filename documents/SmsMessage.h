#pragma once

#include <string>
#include <string_view>

#include "server/RequestClient.h"

// The test SMS sent through the deployment's gateway.

// A Latin-1 byte as UTF-8: itself below 128, else two bytes.
std::string Latin1CharToUtf8(unsigned char byte);
// A Latin-1 text as UTF-8; a text of 1024 bytes or more gives empty text (the gateway's limit).
std::string Latin1ToUtf8(std::string_view text);

// The gateway's form: the test recipient, then the message naming the site and the identity
// (Windows-1252 texts of the window).
MultipartForm smsForm(std::string_view recipient, std::string_view site, std::string_view identity);

// The warning a gateway reply leaves: empty when the reply holds the success phrase, else the
// whole reply.
std::string smsWarning(std::string_view reply);

inline constexpr const char* kSmsReplyFile = "XmlSMS.xml";
