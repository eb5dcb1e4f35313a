#include <gtest/gtest.h>

#include "app/DayDate.h"
#include "view/RecordRules.h"

TEST(RecordRules, Kinds)
{
    struct Case {
        bool client;
        std::optional<std::string> typeVO;
        const char* statutVD;
        int idTypeVO;
        const char* kind;
    } cases[] = {{false, "1", "", 0, "_TVO"},          {false, "2", "x", 3, "_TVD"},
                 {false, "2", "x", 1, "_TVN"},         {false, "2", "", 3, "_TVN"},
                 {false, std::nullopt, "", 1, "_TVO"}, {false, std::nullopt, "x", 3, "_TVD"},
                 {false, std::nullopt, "", 0, "_TVN"}, {true, "1", "", 1, "_TCL"}};
    for (const Case& c : cases)
        EXPECT_EQ(recordKind(c.client, c.typeVO, c.statutVD, c.idTypeVO), c.kind) << c.kind;
    EXPECT_EQ(kindCaption("_TVO"), "VO");
    EXPECT_EQ(kindCaption("_TCL"), "CL");
}

TEST(RecordRules, SiteRightsAndLock)
{
    EXPECT_TRUE(siteRights("#", "", "", "7"));
    EXPECT_TRUE(siteRights("evreux;vernon", "VERNON", "", "7"));
    EXPECT_FALSE(siteRights("EVREUX", "VERNON", "", "7"));
    EXPECT_FALSE(siteRights("EVREUX", "", "", "7"));
    EXPECT_TRUE(siteRights("EVREUX", "", "7", "7"));
    const int lock = parseDate("01/01/2026");
    EXPECT_TRUE(lockedByDelivery("31/12/2025", lock));
    EXPECT_FALSE(lockedByDelivery("01/01/2026", lock));
    EXPECT_FALSE(lockedByDelivery("", lock));
    EXPECT_FALSE(lockedByDelivery("31/12/2025", 0));
}

TEST(RecordRules, GroupRights)
{
    const TXml record("<tVO><Site>A</Site></tVO><GNames><GName>user_compta</GName>"
                      "<GName>SVO</GName></GNames>");
    EXPECT_TRUE(hasGroupRight(record, ";COMPTA;", true));
    EXPECT_TRUE(hasGroupRight(record, ";SVO;RVO;", true));
    EXPECT_FALSE(hasGroupRight(record, ";SUPERADMINS;", true));
    EXPECT_FALSE(hasGroupRight(record, ";COMPTA;", false));
    EXPECT_FALSE(hasGroupRight(record, ";COMPTABLE;", true));
}

TEST(RecordRules, OptionDates)
{
    const TXml good("<OptDates><Opt_LimiteDateDeb>01/01/2026</Opt_LimiteDateDeb>"
                    "<Opt_LimiteDateDebFrevo>01/06/2026</Opt_LimiteDateDebFrevo>"
                    "<Opt_LimiteDateVerrouVNVO>01/03/2026</Opt_LimiteDateVerrouVNVO>"
                    "<Now>09/12/2026</Now></OptDates>");
    const OptionDates d = readOptionDates(good);
    EXPECT_EQ(d.start, parseDate("01/01/2026"));
    EXPECT_EQ(d.startFrevo, parseDate("01/06/2026"));
    EXPECT_EQ(d.startOstrel, 0);
    EXPECT_EQ(d.lock, parseDate("01/03/2026"));
    EXPECT_EQ(d.today, parseDate("09/12/2026"));
    const TXml late("<OptDates><Opt_LimiteDateDeb>10/12/2026</Opt_LimiteDateDeb>"
                    "<Opt_LimiteDateVerrouVNVO>01/03/2026</Opt_LimiteDateVerrouVNVO>"
                    "<Now>09/12/2026</Now></OptDates>");
    const OptionDates l = readOptionDates(late);
    EXPECT_EQ(l.start, 0);
    EXPECT_EQ(l.lock, 0);
    EXPECT_EQ(l.today, parseDate("09/12/2026"));
    EXPECT_FALSE(l.valid);
    EXPECT_TRUE(d.valid);
    // Without the server's today, any limit is after it.
    EXPECT_FALSE(readOptionDates(TXml("<OptDates><Opt_LimiteDateDeb>01/01/2026</Opt_LimiteDateDeb>"
                                      "</OptDates>"))
                     .valid);
}

TEST(RecordRules, HeaderTexts)
{
    EXPECT_EQ(identityText("M.", "dupont", "jEAN"), "M. DUPONT Jean");
    EXPECT_EQ(identityText("", "dupont", "jean"), "DUPONT Jean");
    EXPECT_EQ(vehicleTitle("renault", "Clio 1.5 dCi"), "RENAULT - Clio 1.5 dCi");
    EXPECT_EQ(emailFontSize(13), 12);
    EXPECT_EQ(emailFontSize(19), 10);
    EXPECT_EQ(emailFontSize(25), 9);
    EXPECT_EQ(emailFontSize(31), 8);
    EXPECT_EQ(emailFontSize(32), 7);
}

TEST(RecordRules, PhoneGroups)
{
    EXPECT_EQ(GroupPhoneDigits("0612345678"), "06.12.34.56.78");
    EXPECT_EQ(GroupPhoneDigits("612345678"), "612.34.56.78");
    EXPECT_EQ(GroupPhoneDigits("06 12 34 56 78"), "06 12 34 56 78");
    EXPECT_EQ(GroupPhoneDigits("+33612345678"), "+33612345678");
    EXPECT_EQ(GroupPhoneDigits("6"), "");
    EXPECT_EQ(GroupPhoneDigits(""), "");
    EXPECT_EQ(GroupPhoneDigits("12"), "12");
}

TEST(RecordRules, DayCounts)
{
    const int today = parseDate("09/12/2026");
    EXPECT_EQ(usedVehicleDays("11/01/2026", "01/01/2026", today, today), "10 jours");
    EXPECT_EQ(usedVehicleDays("01/01/2026", "11/01/2026", today, today), "10 jours");
    EXPECT_EQ(usedVehicleDays("", "29/11/2026", parseDate("09/12/2026"), today), "10 jours");
    EXPECT_EQ(usedVehicleDays("", "", today, today), "0 jours");
    EXPECT_EQ(usedVehicleDays("??", "29/11/2026", today, today), "10 jours");
    EXPECT_EQ(newVehicleDays("01/01/2026", "31/01/2026", "", today), "30 jours");
    EXPECT_EQ(newVehicleDays("01/01/2026", "", "11/01/2026", today), "10 jours");
    EXPECT_EQ(newVehicleDays("01/01/2026", "", "", today), "");
}

TEST(RecordRules, HintWords)
{
    EXPECT_EQ(swapHintWord("rechargement des informations du v\xe9hicule", true),
              "rechargement des informations du client");
    EXPECT_EQ(swapHintWord("rechargement des informations du client", false),
              "rechargement des informations du v\xe9hicule");
    EXPECT_EQ(swapHintWord("enregistrement suivant", true), "enregistrement suivant");
    // Only an exact-case occurrence triggers the change, which then ignores case.
    EXPECT_EQ(swapHintWord("Client du client", false), "v\xe9hicule du v\xe9hicule");
    EXPECT_EQ(swapHintWord("Client", false), "Client");
}
