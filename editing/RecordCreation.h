#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Creating and deleting whole records: the site proposed for a new record and the statements
// that delete a record.

// The site item proposed for a new record: the last item equal to the default site (without
// regard to case) when there is a default site; otherwise, unless the user has every site ("#"),
// the item found earliest in the user's sites. Nothing when no item qualifies.
std::optional<size_t> proposedSite(const std::vector<std::string>& items,
                                   std::string_view defaultSite, std::string_view userSite);

// A record key as the deletions write it, bare: a positive whole number, nothing otherwise.
std::optional<std::string> deletionKey(std::string_view key);
// The photo links, the reconditioning costs, then the vehicle itself, in that order.
std::vector<std::string> vehicleDeletions(std::string_view idVO);
std::string clientDeletion(std::string_view idClient);
// Every cancelled new-vehicle order without buyer.
inline constexpr const char* kCancelledOrdersSweep =
    "DELETE * FROM tVehicles WHERE (((TypeVO)=2) AND ((Acheteur) Is Null) AND ((DateAnnulation) "
    "Is Not Null));";
