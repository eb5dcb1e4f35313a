#include "app/StartParameters.h"

#include <charconv>
#include <string>

const char* startParameterTraceWord(std::string_view key)
{
    static constexpr struct {
        const char* key;
        const char* word;
    } kWords[] = {{"HttpRoot", "httproot"},
                  {"BaseHRef", "basehref"},
                  {"idTVO", "idtvo"},
                  {"OCXName", "ocxname"},
                  {"OCXVersion", "ocxversion"},
                  {"URLImages", "urlimages"},
                  {"idUser", "iduser"},
                  {"UserConcession", "userconcession"},
                  {"UserSite", "usersite"},
                  {"WhereClause", "whereclause"},
                  {"OrderClause", "orderclause"},
                  {"idClient", "idClient"}};
    for (const auto& entry : kWords)
        if (key == entry.key)
            return entry.word;
    return "";
}

std::optional<int> zeroPrefixedNumber(std::string_view text)
{
    const std::string full = "0" + std::string(text);
    int value = 0;
    const auto [end, error] = std::from_chars(full.data(), full.data() + full.size(), value);
    if (error != std::errc() || end != full.data() + full.size())
        return std::nullopt;
    return value;
}
