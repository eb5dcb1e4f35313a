// The site proposed for a new record and the statements that delete records.
#include <gtest/gtest.h>

#include "editing/RecordCreation.h"

TEST(RecordCreation, TheProposedSite)
{
    const struct {
        std::vector<std::string> items;
        const char *defaultSite, *userSite;
        std::optional<size_t> proposed;
    } cases[] = {
        {{"SUD", "NORD"}, "", "NORD;SUD", 1},     // NORD comes first in the user's sites
        {{"SUD", "NORD"}, "", "#", std::nullopt}, // every site: none is proposed
        {{"SUD", "NORD"}, "sud", "NORD;SUD", 0},  // the default site wins, without regard to case
        {{"Nord", "SUD", "NORD"}, "nord", "", 2}, // the last equal item
        {{"SUD", "NORD"}, "EST", "NORD;SUD", std::nullopt},
        {{"OUEST", "", "EST"}, "", "EST", 2}, // an empty item never counts
        {{"DREUX", "CHARTRES"}, "", "chartres;dreux", 1},
        {{}, "", "NORD", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(proposedSite(c.items, c.defaultSite, c.userSite), c.proposed)
            << c.defaultSite << " / " << c.userSite;
}

TEST(RecordCreation, DeletionStatementsAndKeys)
{
    EXPECT_EQ(vehicleDeletions("5001"),
              (std::vector<std::string>{"Delete * From [tVO - Liens Images] where idVO=5001",
                                        "Delete * From [tVO - Frevo] where idVO=5001",
                                        "Delete * From [tVehicles] where idVO=5001"}));
    EXPECT_EQ(clientDeletion("2001"), "Delete * From [tClients] where idClient=2001");
    EXPECT_EQ(deletionKey("5001"), "5001");
    for (const char* refused : {"", "0", "-1", "12 or 1=1", "5001;", "abc", "1.5"})
        EXPECT_FALSE(deletionKey(refused)) << refused;
}
