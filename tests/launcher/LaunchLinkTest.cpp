// Links of the web application: what they set, and every refusal.
#include <gtest/gtest.h>

#include <iterator>

#include "launcher/LaunchLink.h"
#include "launcher/LaunchOptions.h"

namespace {

struct Accepted {
    const char* link;
    LaunchSettings settings;
};

TEST(LaunchLink, ReadsTheStartParametersOfALink)
{
    const Accepted cases[] = {
        {"kelvaro:ouvrir?idTVO=4711&idTypeVO=1", {{"idTVO", "4711"}, {"idTypeVO", "1"}}},
        {"KELVARO:Ouvrir?idClient=2001", {{"idClient", "2001"}}},
        {"kelvaro://ouvrir/?idTVO=5", {{"idTVO", "5"}}},
        {"kelvaro://ouvrir?idTVO=6#haut", {{"idTVO", "6"}}},
        {"kelvaro:ouvrir", {}},
        // Percent-encoding, "+" for a blank, UTF-8 kept as it is for the settings file.
        {"kelvaro:ouvrir?UserSite=CHARTRES%3BDREUX&UserConcession=Garage+du%20Lac",
         {{"UserSite", "CHARTRES;DREUX"}, {"UserConcession", "Garage du Lac"}}},
        {"kelvaro:ouvrir?UserConcession=%C3%89vreux%20%2DCentre",
         {{"UserConcession", "\xC3\x89vreux -Centre"}}},
        {"kelvaro:ouvrir?id%54VO=7", {{"idTVO", "7"}}},
        // Repeated keys stay in order: the last one written wins, as with repeated --set.
        {"kelvaro:ouvrir?idTVO=1&idClient=&idTVO=2",
         {{"idTVO", "1"}, {"idClient", ""}, {"idTVO", "2"}}},
        // Empty values and items.
        {"kelvaro:ouvrir?idClient&&idTVO=&", {{"idClient", ""}, {"idTVO", ""}}},
        {"kelvaro:ouvrir?OCXVersion=1,0,0,0&OCXName=kelvaro&idUser=1000001",
         {{"OCXVersion", "1,0,0,0"}, {"OCXName", "kelvaro"}, {"idUser", "1000001"}}},
    };
    for (const Accepted& c : cases) {
        std::string error;
        const auto settings = parseLaunchLink(c.link, error);
        ASSERT_TRUE(settings) << c.link << " : " << error;
        EXPECT_EQ(*settings, c.settings) << c.link;
    }
}

struct Refused {
    std::string link;
    std::string message;
};

std::vector<Refused> refusedKeys()
{
    std::vector<Refused> cases;
    std::vector<std::string> keys = {"WhereClause",
                                     "OrderClause",
                                     "Trace",
                                     "TraceRepTemp",
                                     "PathImages",
                                     "svTypeVO",
                                     "svSite",
                                     "svText1",
                                     "svText2",
                                     "svOpt1",
                                     "svOpt2",
                                     "sAct2",
                                     "sAct10",
                                     "FirstApplicationHandle",
                                     "FirstFormHandle",
                                     "Application",
                                     "Version",
                                     "basehref",
                                     "IDTVO"};
    keys.insert(keys.end(), std::begin(kDeploymentKeys), std::end(kDeploymentKeys));
    for (const std::string& key : keys)
        cases.push_back({"kelvaro:ouvrir?idTVO=1&" + key + "=x",
                         "le paramètre « " + key + " » ne peut pas être modifié par un lien"});
    return cases;
}

TEST(LaunchLink, RefusesEveryKeyAWebPageMayNotSet)
{
    const std::vector<Refused> cases = refusedKeys();
    ASSERT_GE(cases.size(), 29u);
    for (const Refused& c : cases) {
        std::string error;
        EXPECT_FALSE(parseLaunchLink(c.link, error)) << c.link;
        EXPECT_EQ(error, c.message) << c.link;
    }
}

TEST(LaunchLink, RefusesValuesTheClientCannotTake)
{
    const std::string of = "la valeur du paramètre « UserSite »";
    const Refused cases[] = {
        {"kelvaro:ouvrir?UserSite=A%0AB", of + " contient un caractère de contrôle"},
        {"kelvaro:ouvrir?UserSite=A%0D", of + " contient un caractère de contrôle"},
        {"kelvaro:ouvrir?UserSite=%09", of + " contient un caractère de contrôle"},
        {"kelvaro:ouvrir?UserSite=%00", of + " contient un caractère de contrôle"},
        {"kelvaro:ouvrir?UserSite=%7F", of + " contient un caractère de contrôle"},
        {"kelvaro:ouvrir?UserSite=%C2%85", of + " contient un caractère de contrôle"},
        {"kelvaro:ouvrir?UserSite=" + std::string(1001, 'a'), of + " dépasse 1 000 octets"},
        {"kelvaro:ouvrir?UserSite=%C3", of + " n'est pas un texte UTF-8 valide"},
        {"kelvaro:ouvrir?UserSite=%FFabc", of + " n'est pas un texte UTF-8 valide"},
        {"kelvaro:ouvrir?UserSite=%C0%AF", of + " n'est pas un texte UTF-8 valide"},
        {"kelvaro:ouvrir?UserSite=%ED%A0%80", of + " n'est pas un texte UTF-8 valide"},
        {"kelvaro:ouvrir?UserSite=OK%E2%9C%93",
         of + " contient le caractère « \xE2\x9C\x93 » (U+2713), que le jeu de caractères "
              "Windows-1252 ne peut pas représenter"},
        {"kelvaro:ouvrir?UserSite=%F0%9F%9A%97",
         of + " contient le caractère « \xF0\x9F\x9A\x97 » (U+1F697), que le jeu de caractères "
              "Windows-1252 ne peut pas représenter"},
        {"kelvaro:ouvrir?UserSite=%EF%BB%BFA",
         of + " contient le caractère « \xEF\xBB\xBF » (U+FEFF), que le jeu de caractères "
              "Windows-1252 ne peut pas représenter"},
        {"kelvaro:ouvrir?UserSite=%G1", "séquence « %G1 » invalide dans le lien"},
        {"kelvaro:ouvrir?UserSite=A%4", "séquence « %4 » invalide dans le lien"},
        {"kelvaro:ouvrir?UserSite=%1G", "séquence « %1G » invalide dans le lien"},
        {"kelvaro:ouvrir?UserSite=%-1", "séquence « %-1 » invalide dans le lien"},
        {"kelvaro:ouvrir?=5", "le lien contient un paramètre sans nom"},
        {"kelvaro:ouvrir?id%0ATVO=5",
         "le paramètre « id?TVO » ne peut pas être modifié par un lien"},
        {"kelvaro:fermer?idTVO=1",
         "action « fermer » inconnue : le lien attendu est kelvaro:ouvrir?Clé=Valeur&…"},
        {"kelvaro:?idTVO=1",
         "action «  » inconnue : le lien attendu est kelvaro:ouvrir?Clé=Valeur&…"},
        {"https://serveur.example/?idTVO=1", "le lien doit commencer par « kelvaro:ouvrir »"},
    };
    for (const Refused& c : cases) {
        std::string error;
        EXPECT_FALSE(parseLaunchLink(c.link, error)) << c.link;
        EXPECT_EQ(error, c.message) << c.link;
    }
}

TEST(LaunchLink, ALinkIsAReloadThatComesAlone)
{
    std::string error;
    const auto link = parseLaunchOptions({"kelvaro:ouvrir?idTVO=1"}, error);
    ASSERT_TRUE(link) << error;
    EXPECT_TRUE(link->reload);
    EXPECT_EQ(link->link, "kelvaro:ouvrir?idTVO=1");
    EXPECT_TRUE(link->settings.empty());
    EXPECT_FALSE(link->open);

    EXPECT_TRUE(parseLaunchOptions({"--program", "/bin/kelvaro", "kelvaro:ouvrir"}, error));
    EXPECT_FALSE(parseLaunchOptions({"--set", "Trace=1", "kelvaro:ouvrir?idTVO=1"}, error));
    EXPECT_EQ(error, "un lien kelvaro: ne se combine ni avec --set ni avec --deploy");
    EXPECT_FALSE(parseLaunchOptions({"kelvaro:ouvrir", "kelvaro:ouvrir"}, error));

    const auto none = parseLaunchOptions({}, error);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->open);
    EXPECT_FALSE(none->reload);
}

} // namespace
