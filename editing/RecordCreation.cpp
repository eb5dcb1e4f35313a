#include "editing/RecordCreation.h"

#include "view/CaseText.h"

std::optional<size_t> proposedSite(const std::vector<std::string>& items,
                                   std::string_view defaultSite, std::string_view userSite)
{
    std::optional<size_t> chosen;
    if (!defaultSite.empty()) {
        const std::string wanted = upperCp1252(defaultSite);
        for (size_t i = 0; i < items.size(); ++i)
            if (upperCp1252(items[i]) == wanted)
                chosen = i;
        return chosen;
    }
    if (userSite == "#")
        return chosen;
    const std::string sites = upperCp1252(userSite);
    size_t best = 2327; // farther than any site list reaches
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].empty())
            continue;
        const size_t at = sites.find(upperCp1252(items[i]));
        if (at != std::string::npos && at + 1 < best) {
            best = at + 1;
            chosen = i;
        }
    }
    return chosen;
}

std::optional<std::string> deletionKey(std::string_view key)
{
    if (key.empty() || key.size() > 18)
        return std::nullopt;
    for (char c : key)
        if (c < '0' || c > '9')
            return std::nullopt;
    if (key.find_first_not_of('0') == std::string_view::npos)
        return std::nullopt;
    return std::string(key);
}

std::vector<std::string> vehicleDeletions(std::string_view idVO)
{
    const std::string key(idVO);
    return {"Delete * From [tVO - Liens Images] where idVO=" + key,
            "Delete * From [tVO - Frevo] where idVO=" + key,
            "Delete * From [tVehicles] where idVO=" + key};
}

std::string clientDeletion(std::string_view idClient)
{
    return "Delete * From [tClients] where idClient=" + std::string(idClient);
}
