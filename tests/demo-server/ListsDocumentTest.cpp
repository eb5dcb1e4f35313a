// The lists document of a dealership, read as the choice-list fillers read it.
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "server/Endpoints.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/demo-server/DemoServerProcess.h"

namespace {

class ListsDocument : public testing::Test {
protected:
    TXml lists(const std::string& concession)
    {
        TXml doc = session.fetch(endpoint::infoEquip(server.baseUrl(), concession));
        EXPECT_EQ(session.lastWarning(), "");
        return doc;
    }
    // The items of a list, each as its children's values.
    static std::vector<std::map<std::string, std::string>>
    read(const TXml& doc, const std::string& container, const std::string& item,
         std::initializer_list<const char*> children)
    {
        TXml cursor = doc;
        XmlFind(cursor, container);
        std::vector<std::map<std::string, std::string>> values;
        while (XmlNext(cursor, item) > 0) {
            auto& entry = values.emplace_back();
            for (const char* child : children)
                entry[child] = utf8(valueOf(cursor, child));
        }
        return values;
    }
    // The items of one key stand one after the other.
    static bool runsAreContiguous(const std::vector<std::map<std::string, std::string>>& values,
                                  const char* key)
    {
        std::set<std::string> closed;
        std::string current;
        for (const auto& entry : values) {
            std::string k = entry.at(key);
            for (char& c : k)
                c = char(std::toupper(static_cast<unsigned char>(c)));
            if (k == current)
                continue;
            if (closed.count(k))
                return false;
            closed.insert(current);
            current = k;
        }
        return true;
    }
    // The texts of a general list: the first run of its type (compared upper-cased).
    static std::vector<std::string> general(const TXml& doc, const std::string& type)
    {
        std::vector<std::string> texts;
        bool inRun = false;
        for (const auto& entry : read(doc, "ParsS", "Pars", {"type", "text"})) {
            std::string t = entry.at("type");
            for (char& c : t)
                c = char(std::toupper(static_cast<unsigned char>(c)));
            std::string wanted = type;
            for (char& c : wanted)
                c = char(std::toupper(static_cast<unsigned char>(c)));
            if (t == wanted) {
                inRun = true;
                texts.push_back(entry.at("text"));
            } else if (inRun) {
                break;
            }
        }
        return texts;
    }

    DemoServerProcess server;
    ClientSession session;
};

TEST_F(ListsDocument, NamesItsDealershipFirst)
{
    for (const char* concession : {"BRESMAN", "VALDELOIRE"}) {
        TXml doc = lists(concession);
        XmlFind(doc, "document");
        EXPECT_EQ(valueOf(doc, "Concession"), concession);
    }
}

TEST_F(ListsDocument, GeneralListsStandInRunsAndHoldTheDealershipsRubrics)
{
    const TXml bresman = lists("BRESMAN");
    EXPECT_TRUE(runsAreContiguous(read(bresman, "ParsS", "Pars", {"type", "text"}), "type"));
    EXPECT_EQ(general(bresman, "Site"),
              (std::vector<std::string>{"..", "CHARTRES", "DREUX", "EVREUX"}));
    EXPECT_EQ(general(lists("VALDELOIRE"), "SITE"),
              (std::vector<std::string>{"..", "BLOIS", "TOURS"}));
    EXPECT_EQ(general(bresman, "BOOLEAN"), (std::vector<std::string>{"Non", "Oui"}));
    EXPECT_EQ(general(bresman, "ModeTVA").size(), 2u);
    EXPECT_EQ(general(bresman, "TypeFinancementDelai").front(), "30");
    EXPECT_EQ(general(bresman, "CliPays").front(), "F : France");
    for (const char* type : {"TypeAction", "SujetAction", "PrioriteRelance", "TypeFrevo",
                             "LibFrevo", "Fournisseur", "TVTypeVO", "InfoCouleur", "Satisfaction"})
        EXPECT_FALSE(general(bresman, type).empty()) << type;
}

TEST_F(ListsDocument, SiteNamesAreNotContainedInOneAnother)
{
    for (const char* concession : {"BRESMAN", "VALDELOIRE"}) {
        const auto sites = read(lists(concession), "InfoSiteS", "InfoSite", {"Site"});
        ASSERT_GE(sites.size(), 2u);
        for (const auto& a : sites) {
            for (const auto& b : sites) {
                if (&a != &b) {
                    EXPECT_EQ(a.at("Site").find(b.at("Site")), std::string::npos);
                }
            }
        }
    }
}

TEST_F(ListsDocument, StaffAndSitesBelongToTheDealership)
{
    const TXml doc = lists("BRESMAN");
    const auto staff = read(doc, "InfoComS", "InfoCom", {"idCom", "cNom", "Site"});
    ASSERT_GE(staff.size(), 6u);
    bool severalSites = false;
    for (const auto& person : staff) {
        EXPECT_EQ(person.at("Site").find("BLOIS"), std::string::npos) << person.at("cNom");
        severalSites = severalSites || person.at("Site").find(';') != std::string::npos;
    }
    EXPECT_TRUE(severalSites);
    const auto sites =
        read(doc, "InfoSiteS", "InfoSite", {"Site", "Marques", "MontantFraisDossier"});
    ASSERT_EQ(sites.size(), 3u);
    EXPECT_EQ(sites[0].at("Site"), "CHARTRES");
    EXPECT_EQ(sites[0].at("Marques"), "VW;AUDI");
    EXPECT_EQ(sites[0].at("MontantFraisDossier"), "150.00");
    EXPECT_EQ(sites[2].at("MontantFraisDossier"), ""); // a site without handling fee
}

TEST_F(ListsDocument, MakesModelsAndVersionsAreGroupedByTheirKey)
{
    const TXml doc = lists("BRESMAN");
    EXPECT_TRUE(runsAreContiguous(read(doc, "ModelsS", "Models", {"vMark", "vModel"}), "vMark"));
    EXPECT_TRUE(
        runsAreContiguous(read(doc, "VNModelsS", "VNModels", {"vnMark", "vnModel"}), "vnMark"));
    EXPECT_TRUE(runsAreContiguous(read(doc, "VNVersionsS", "VNVersions", {"vnModel", "vnVers"}),
                                  "vnModel"));
    std::set<std::string> makes;
    for (const auto& make : read(doc, "VNMarksS", "VNMarks", {"vnMark"}))
        makes.insert(make.at("vnMark"));
    EXPECT_EQ(makes, (std::set<std::string>{"AUDI", "CUPRA", "SEAT", "SKODA", "VW"}));
    std::set<std::string> usedMakes;
    for (const auto& make : read(doc, "MarksS", "Marks", {"vMark"}))
        usedMakes.insert(make.at("vMark"));
    EXPECT_TRUE(usedMakes.count("RENAULT") && usedMakes.count("VW"));
    // "&" in a list text travels escaped.
    bool escaped = false;
    for (const auto& version : read(doc, "VNVersionsS", "VNVersions", {"vnVers"}))
        escaped = escaped || version.at("vnVers") == "L&amp;K";
    EXPECT_TRUE(escaped);
}

TEST_F(ListsDocument, OptionListsCarryCodesAndTexts)
{
    const TXml doc = lists("BRESMAN");
    for (const char* list :
         {"InfoEquiInterieur", "InfoEquiExterieur", "InfoEquiSecurite", "InfoComplement",
          "InfoOptions", "PATypeVO", "PASegment", "PACarrosserie", "PAEnergie"}) {
        const auto options = read(doc, std::string(list) + "S", list, {"Abbr", "eText"});
        ASSERT_FALSE(options.empty()) << list;
        for (const auto& option : options) {
            EXPECT_FALSE(option.at("Abbr").empty()) << list;
            EXPECT_FALSE(option.at("eText").empty()) << list;
        }
    }
}

TEST_F(ListsDocument, TheWhereClauseOfTheRequestIsNeverExecuted)
{
    const std::string url = endpoint::infoEquip(server.baseUrl(), "BRESMAN") +
                            "&WHERE_CLAUSE=1; DELETE FROM ListRubrics WHERE 1";
    const auto before = read(lists("BRESMAN"), "ParsS", "Pars", {"type", "text"}).size();
    session.fetch(url);
    EXPECT_EQ(session.lastWarning(), "");
    EXPECT_EQ(read(lists("BRESMAN"), "ParsS", "Pars", {"type", "text"}).size(), before);
}

} // namespace
