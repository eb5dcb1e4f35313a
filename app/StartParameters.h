#pragma once

#include <optional>
#include <string_view>

// The twelve start parameters, in the order they are read from section "Options".
inline constexpr const char* kStartParameterKeys[] = {
    "HttpRoot", "BaseHRef",       "idTVO",    "OCXName",     "OCXVersion",  "URLImages",
    "idUser",   "UserConcession", "UserSite", "WhereClause", "OrderClause", "idClient"};
inline constexpr int kStartParameterCount = 12;

// Word of the trace line written by each setter ("httproot", ..., "idClient").
const char* startParameterTraceWord(std::string_view key);

// "0" + text read as a whole number: digits only (an empty text gives 0); nothing when the text is
// not such a number.
std::optional<int> zeroPrefixedNumber(std::string_view text);
