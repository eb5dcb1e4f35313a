#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The query of a request as the client composes it: pairs split on "&", each pair on its first "="
// (so "rptSelect=idClient=12" keeps "idClient=12"), then "%XX" decoded. A "+" stays a "+": the
// client never encodes blanks that way.
class QueryString {
public:
    // From the raw request target ("/AxQuery?SQL=...").
    static QueryString fromTarget(std::string_view target);

    // The first value of a key (exact name), nothing when absent.
    std::optional<std::string> value(std::string_view key) const;
    std::string valueOr(std::string_view key, std::string_view fallback) const;

    const std::vector<std::pair<std::string, std::string>>& pairs() const { return pairs_; }

private:
    std::vector<std::pair<std::string, std::string>> pairs_;
};

// Decodes every "%" followed by two hexadecimal digits; any other "%" is kept as it is.
std::string percentDecode(std::string_view text);
