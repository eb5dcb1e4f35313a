#include <gtest/gtest.h>

#include "app/DayDate.h"
#include "editing/SaveRules.h"

namespace {
std::vector<std::string> controls(std::string_view kind)
{
    std::vector<std::string> names;
    for (const RequiredValue& required : vehicleRequiredValues(kind))
        names.push_back(std::string(required.control) + (required.stockNumber ? "#" : ""));
    return names;
}
} // namespace

TEST(SaveRules, RequiredValuesOfEachVehicleKind)
{
    using Names = std::vector<std::string>;
    EXPECT_EQ(controls("VO"), (Names{"cNVO#", "cSite", "cInfoMarque"}));
    EXPECT_EQ(controls("VD"), (Names{"cVDNVO#", "cVDSite", "cVDInfoMarque"}));
    EXPECT_EQ(controls("VN"), (Names{"cVNNVO#", "cVNSite", "cVNInfoMarque", "cVNInfoModele",
                                     "cVNInfoTypeVersion"}));
    EXPECT_TRUE(controls("CL").empty());
    for (const char* missing : {"", "0", "abc", "00", "1.5", " "})
        EXPECT_TRUE(stockNumberMissing(missing)) << missing;
    for (const char* present : {"1", "12345", "-3"})
        EXPECT_FALSE(stockNumberMissing(present)) << present;
}

TEST(SaveRules, FirstRegistrationAfterEntry)
{
    const int today = parseDate("15/06/2026");
    EXPECT_TRUE(circulationAfterEntry("02/03/2026", "01/03/2026", today));
    EXPECT_FALSE(circulationAfterEntry("01/03/2026", "01/03/2026", today));
    EXPECT_FALSE(circulationAfterEntry("01/01/2020", "01/03/2026", today));
    // An unreadable date stands for today.
    EXPECT_TRUE(circulationAfterEntry("x", "01/03/2026", today));
    EXPECT_FALSE(circulationAfterEntry("x", "16/06/2026", today));
    EXPECT_TRUE(circulationAfterEntry("16/06/2026", "y", today));
}

TEST(SaveRules, ActionLinesAndClients)
{
    EXPECT_TRUE(isDeletion("Delete * From tActions where idAction=1"));
    EXPECT_TRUE(isDeletion("DELETE"));
    EXPECT_FALSE(isDeletion("Update tActions set a=1"));
    EXPECT_FALSE(isDeletion("Del"));
    for (int column = 0; column <= 11; ++column)
        EXPECT_EQ(remembersActionDefault(column), column >= 2 && column <= 10 && column != 6);
    EXPECT_EQ(actionDefaultKey(7), "sAct7");
    EXPECT_EQ(newActionRequiredColumns(), (std::vector<int>{2, 7, 6}));
    EXPECT_TRUE(isClientBeingCreated("-1"));
    EXPECT_TRUE(isClientBeingCreated("-2"));
    EXPECT_FALSE(isClientBeingCreated("2001"));
    EXPECT_FALSE(isClientBeingCreated(""));
}

TEST(SaveRules, KeyOfANewRow)
{
    EXPECT_EQ(insertedKey("<AXSQL><OutParams><NewID>2063</NewID><NewIDbis>7</NewIDbis>"
                          "</OutParams></AXSQL>"),
              "2063");
    EXPECT_EQ(insertedKey("<AXSQL><Done>1</Done></AXSQL>"), std::nullopt);
    EXPECT_EQ(insertedKey("<AXSQL><OutParams><NewID></NewID></OutParams></AXSQL>"), std::nullopt);
    // A "NewID" outside "OutParams" is not the key.
    EXPECT_EQ(insertedKey("<AXSQL><NewID>9</NewID></AXSQL>"), std::nullopt);
    EXPECT_EQ(insertedKey(""), std::nullopt);
}

TEST(SaveRules, WarningsNameWhatWasNotSaved)
{
    EXPECT_EQ(unkeyedPageWarning("Client et suivi"),
              "Modifications de la page \"Client et suivi\" non enregistrées : sa description n'a "
              "aucun champ clé, elles changeraient toutes les fiches");
    EXPECT_TRUE(keyLostWarning().startsWith("Fiche créée"));
}
