// The record documents, fetched with the client's request code and read with its cursor the way
// the record view reads them.
#include <gtest/gtest.h>

#include "server/Endpoints.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/demo-server/DemoServerProcess.h"

namespace {

class RecordDocuments : public testing::Test {
protected:
    TXml vehicle(const std::string& idTVO, const std::string& user = "1000001")
    {
        return session.fetch(endpoint::infoVO(server.baseUrl(), idTVO, user));
    }
    TXml client(const std::string& idClient, const std::string& user = "1000001")
    {
        return session.fetch(endpoint::infoCL(server.baseUrl(), user), idClient);
    }
    // The record's own field, read on the root element as the binding reads it.
    static std::string field(const TXml& doc, const char* root, const char* name)
    {
        TXml cursor = doc;
        XmlFind(cursor, root);
        return valueOf(cursor, name);
    }
    // Each field of the root (or of an envelope element) against its expected text.
    static void expectFields(const TXml& doc, const char* root,
                             std::initializer_list<std::pair<const char*, const char*>> fields)
    {
        for (const auto& [name, expected] : fields)
            EXPECT_EQ(utf8(field(doc, root, name)), expected) << root << "/" << name;
    }
    static std::vector<std::string> items(const TXml& doc, const char* container, const char* item,
                                          const char* child)
    {
        TXml cursor = doc;
        XmlFind(cursor, container);
        std::vector<std::string> values;
        while (XmlNext(cursor, item) > 0)
            values.push_back(valueOf(cursor, child));
        return values;
    }

    DemoServerProcess server;
    ClientSession session;
};

TEST_F(RecordDocuments, UsedVehicleHasItsFieldsKeysAndLists)
{
    const TXml doc = vehicle("1001");
    EXPECT_EQ(session.lastWarning(), "");
    // Frevo: the total of the cost lines, which the margins start from.
    expectFields(doc, "tVO",
                 {{"idtVO", "1001"},
                  {"idVO", "5001"},
                  {"TypeVO", "1"},
                  {"Concession", "BRESMAN"},
                  {"Site", "CHARTRES"},
                  {"PrixVente", "18900.00"},
                  {"MEC", "10/09/2019"},
                  {"FlagPrepaCarrosserie", "True"},
                  {"NomImage", "B0005001-01"},
                  {"Frevo", "1490.50"}});
    // Line breaks and "&", "<" travel escaped.
    EXPECT_EQ(XmlUnescape(field(doc, "tVO", "Commentaires"), true),
              cp1252("Peinture d'origine, carnet à jour.\r\nLivraison prévue avec révision & "
                     "contrôle technique <2 ans."));

    const auto costs = items(doc, "FrevoS", "Frevo", "TypeFrevo");
    EXPECT_EQ(costs.size(), 4u);
    EXPECT_NE(std::find(costs.begin(), costs.end(), "fixe"), costs.end());
    EXPECT_EQ(items(doc, "FrevoS", "Frevo", "NComptable")[1], "61570042");
    EXPECT_EQ(items(doc, "ImageS", "Image", "NomImage"),
              (std::vector<std::string>{"B0005001-01", "B0005001-02", "B0005001-03"}));
    EXPECT_EQ(items(doc, "ImageS", "Image", "NumImage").back(), "3");
    EXPECT_TRUE(items(doc, "ResaS", "Resa", "DResaMax").empty());
}

TEST_F(RecordDocuments, EnvelopeNamesTheUserDatesAndGroups)
{
    const TXml doc = vehicle("1001");
    expectFields(doc, "User",
                 {{"UserConcession", "BRESMAN"},
                  {"UserSite", "CHARTRES;DREUX;EVREUX"},
                  {"Name_", "MARTIN Sophie"},
                  {"US1", "CHARTRES"}});
    expectFields(doc, "OptDates",
                 {{"Opt_LimiteDateDeb", "01/01/2024"},
                  {"Opt_LimiteDateDebFrevo", "01/01/2024"},
                  {"Opt_LimiteDateDebOstrel", "01/01/2023"},
                  {"Opt_LimiteDateVerrouVNVO", "30/06/2025"}});
    EXPECT_EQ(field(doc, "OptDates", "Now").size(), 10u);
    const auto groups = items(doc, "GNames", "GName", "none");
    TXml cursor = doc;
    XmlFind(cursor, "GNames");
    std::vector<std::string> names;
    while (XmlNext(cursor, "GName") > 0)
        names.emplace_back(cursor.Node());
    EXPECT_EQ(names, (std::vector<std::string>{"SUPERADMINS", "USER_COMPTA", "OSTREL", "SVO", "RVO",
                                               "SVN", "VENDEUR"}));
    EXPECT_EQ(groups.size(), names.size());

    const TXml few = vehicle("1001", "1000005");
    EXPECT_EQ(field(few, "User", "UserSite"), "EVREUX");
    TXml fewGroups = few;
    XmlFind(fewGroups, "GNames");
    ASSERT_GT(XmlNext(fewGroups, "GName"), 0);
    EXPECT_EQ(fewGroups.Node(), "STAGIAIRE");
    EXPECT_EQ(XmlNext(fewGroups, "GName"), 0);
}

TEST_F(RecordDocuments, ListsComeAfterTheRootAndTheEnvelopeLast)
{
    const std::string text(vehicle("1201").Doc());
    const size_t rootEnd = text.find("</tVO>");
    ASSERT_NE(rootEnd, std::string::npos);
    const char* after[] = {"<FrevoS>", "<ImageS>", "<ResaS>", "<User>", "<OptDates>", "<GNames>"};
    size_t previous = rootEnd;
    for (const char* tag : after) {
        const size_t at = text.find(tag);
        EXPECT_GT(at, previous) << tag;
        previous = at;
    }
    // The cursor takes the first element whose name starts with the one it looks for: each of
    // them must be the element itself.
    for (const std::string looked :
         {"tVO", "FrevoS", "ImageS", "ResaS", "User", "OptDates", "GNames"})
        EXPECT_EQ(text.find("<" + looked), text.find("<" + looked + ">")) << looked;
    EXPECT_EQ(text.find("<LogItems"), std::string::npos);
}

TEST_F(RecordDocuments, NewVehicleCarriesItsReservationAndAccountingFields)
{
    const TXml doc = vehicle("1201");
    expectFields(doc, "tVO",
                 {{"TypeVO", "2"},
                  {"StatutVD", ""},
                  {"DateLivraison", "15/12/2026"},
                  {"MontantAcompte", "2000.00"},
                  {"DateEchTresorerie", "20/12/2026"}});
    EXPECT_FALSE(field(doc, "tVO", "DateEchReglement").empty());
    TXml resa = doc;
    XmlFind(resa, "ResaS");
    ASSERT_GT(XmlNext(resa, "Resa"), 0);
    EXPECT_FALSE(valueOf(resa, "DResaMax").empty());
    EXPECT_FALSE(valueOf(resa, "Vendeur").empty());
}

TEST_F(RecordDocuments, DemonstrationVehicleHasAStatus)
{
    const TXml doc = vehicle("1101");
    expectFields(doc, "tVO", {{"TypeVO", "2"}, {"StatutVD", "En démonstration"}});
}

TEST_F(RecordDocuments, NoRecordGivesTheEnvelopeAloneWithoutLogItems)
{
    for (const char* id : {"", "0", "-1", "-2", "abc", "12x", "999999"}) {
        const TXml doc = vehicle(id);
        EXPECT_EQ(session.lastWarning(), "") << id;
        const std::string text(doc.Doc());
        EXPECT_EQ(text.find("<tVO"), std::string::npos) << id;
        EXPECT_EQ(field(doc, "User", "UserConcession"), "BRESMAN") << id;
        EXPECT_FALSE(field(doc, "OptDates", "Now").empty()) << id;
    }
    const TXml doc = client("-1");
    EXPECT_EQ(std::string(doc.Doc()).find("<TVC"), std::string::npos);
    EXPECT_EQ(session.lastWarning(), "");
}

TEST_F(RecordDocuments, ClientHasActionsAndVehicles)
{
    const TXml doc = client("2001");
    EXPECT_EQ(session.lastWarning(), "");
    expectFields(doc, "TVC",
                 {{"idClient", "2001"}, {"CliNom", "DUPONT"}, {"Concession", "BRESMAN"}});
    EXPECT_FALSE(field(doc, "TVC", "Site").empty());
    EXPECT_FALSE(field(doc, "TVC", "idCom").empty());
    EXPECT_FALSE(field(doc, "TVC", "PAChoix1").empty());

    const auto actions = items(doc, "TActS", "TAct", "idAction");
    EXPECT_EQ(actions.size(), 3u);
    const auto comments = items(doc, "TActS", "TAct", "CommentaireAction");
    EXPECT_NE(std::find(comments.begin(), comments.end(), ""), comments.end());
    for (const char* column : {"DateAction", "idCom", "TypeAction", "SujetAction", "DateRelance",
                               "idComRelance", "SujetRelance", "PrioriteRelance"})
        EXPECT_FALSE(items(doc, "TActS", "TAct", column).front().empty()) << column;

    const auto vehicles = items(doc, "TVehS", "TVeh", "idtVO");
    EXPECT_EQ(vehicles.size(), 2u);
    for (const char* column :
         {"Immatriculation", "InfoMarque", "InfoModele", "InfoVersion", "MEC", "KMS", "TypeVO"})
        EXPECT_FALSE(items(doc, "TVehS", "TVeh", column).front().empty()) << column;
}

TEST_F(RecordDocuments, LockedAndOtherDealershipRecordsAreThereAsStored)
{
    // A vehicle delivered before the lock date of its dealership.
    const TXml locked = vehicle("1005");
    expectFields(locked, "tVO", {{"DateLivraison", "12/03/2025"}, {"Site", "CHARTRES"}});
    // A record of the other dealership: the client compares its Concession with the user's.
    const TXml other = vehicle("1043");
    EXPECT_EQ(field(other, "tVO", "Concession"), "VALDELOIRE");
    EXPECT_EQ(field(other, "User", "UserConcession"), "BRESMAN");
    EXPECT_EQ(field(client("2101"), "TVC", "Concession"), "VALDELOIRE");
}

} // namespace
