#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <sqlite3.h>

// The record documents. Shape, as the client's cursor needs it: the root element with the
// record's own fields ("tVO" or "TVC"), then the record's lists after the root's end tag (FrevoS,
// ImageS, ResaS for a vehicle; TActS, TVehS for a client), then the user's envelope: "User",
// "OptDates", "GNames". An identifier that is not a positive number or that names no record gets
// the envelope alone, which the client shows as a new record. The documents are Windows-1252.

std::string vehicleDocument(sqlite3* db, std::string_view idTVO, std::string_view userId);
std::string clientDocument(sqlite3* db, std::string_view idClient, std::string_view userId);

// A positive whole number, or nothing.
std::optional<long long> positiveId(std::string_view text);
