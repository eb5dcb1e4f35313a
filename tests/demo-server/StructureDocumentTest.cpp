// The structure document against the designed pages: every designed field control is bound by
// name (prefix + field name) with a kind that fits it, and every path of the binding is used.
#include <map>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "server/Endpoints.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/demo-server/DemoServerProcess.h"

namespace {

using Item = std::map<std::string, std::string>;

// The designed field controls of each page, with their kind letters: N number, N2 amount, D date,
// T text, M memo, L drop-down list, C editable combo, LB list box, B button.
struct DesignedPage {
    int entry;
    const char* controls;
};

const DesignedPage kPages[] = {
    {1, "cNVO:N cOrigine:L cOrigineVendeur:L cDateEntree:D cInfoMarque:L cInfoModele:L "
        "cInfoVersion:M cCarrosserie:L cEnergie:L cBoiteVitesse:L cNbPortes:L cCV:N cNbPlaces:N "
        "cInfoCouleur:C cKMS:N cChassis:T cMEC:D cImmatriculation:T cSite:L cCommentaires:M "
        "cDestination:L czFeuilleMarge:B cFlagPrepaMecanique:L cFlagPrepaCarrosserie:L "
        "cFlagPrepaEsthetique:L cLieuStockage:L cPrixVente:N2 cPrixReprise:N2 cNomImage:T "
        "cTPVO:N2 cTypeGarantie:L cDureeGarantie:L cPrixGarantie:N2 cDateValidationGarantie:D "
        "cModeTVA:L ccTVA:T cMBrute:T cTotFrevo:T cMNette:T cDateOrdre:D cVendeur:L "
        "cMtComVendeur:N2 cCommentaireReprise:T cMontantReprise:N2 cIntermediaire:T "
        "cMtComIntermediaire:N2 cAcheteur:C cCP:T cDateDisponibilite:D cDateLivraison:D "
        "cFlagEligible:L cTypeFinancement:L cVFinancement:N2 cDatePresFinancement:D cFinanceur:L "
        "cComFinPrevue:N2 cDatePaiement:D cComFinRecue:N2"},
    {2, "cVDNVO:N cVDInfoMarque:L cVDInfoModele:L cVDInfoTypeVersion:L cVDInfoVersion:M "
        "cVDInfoOptions:LB cVDCarrosserie:L cVDEnergie:L cVDBoiteVitesse:L cVDNbPortes:L cVDCV:N "
        "cVDNbPlaces:N cVDInfoCouleur:C cVDInfoCouleurInt:C cVDKMS:N cVDChassis:T cVDMEC:D "
        "cVDImmatriculation:T cVDSite:L cVDCommentaires:M cVDStatutVD:C cVDFlagNonDiffuse:L "
        "cVDUtilisateur:M cVDPrixVente:N2 cVDPrixCatalogue:N2 cVDCodeRemise:T cVDNomImage:T"},
    {3, "cVNNVO:N cVNSite:L cVNInfoMarque:L cVNInfoModele:L cVNInfoTypeVersion:L "
        "cVNInfoOptions:LB cVNInfoVersion:M cVNCarrosserie:L cVNEnergie:L cVNBoiteVitesse:L "
        "cVNNbPortes:L cVNCV:N cVNNbPlaces:N cVNInfoCouleur:C cVNInfoCouleurInt:C cVNChassis:T "
        "cVNMEC:D cVNImmatriculation:T cVNCommentaires:M cVNStatutVN:C cVNDateUpdateCde:D "
        "cVNDateCdeVW:D cVNDateFabrication:D cVNDateDeclareLivre:D cVNDateFacture:D "
        "cVNDateDebutGarantie:D cVNCFMemo:M cVNStatutVD:C cVNUtilisateur:M cVNFlagNonDiffuse:L "
        "cVNPrixVente:N2 cVNPrixCatalogue:N2 cVNCodeRemise:T cVNDateOrdre:D cVNVendeur:L "
        "cVNAcheteur:C cVNDestination:L cVNCP:T cVNDateLivrMaxi:D cVNDateDisponibilite:D "
        "cVNDateLivraison:D cVNFlagEligible:L cVNTypeFinancement:L cVNTypeFinancementDelai:L "
        "cVNVFinancement:N2 cVNDatePresFinancement:D cVNFinanceur:L cVNComFinPrevue:N2 "
        "cVNDatePaiement:D cVNComFinRecue:N2 cVNReprNVO:N cVNReprMarque:L cVNReprModele:M "
        "cVNReprPrix:N2 cVNDateAnnulation:D"},
    {4, "cInfoEquiInterieur:LB cInfoEquiExterieur:LB cInfoEquiSecurite:LB cInfoComplement:LB"},
    {7, "aSite:L aidCom:L aCliCivilite:L aCliOrigine:L aCliNom:M aCliPrenom:M aCliAdresse1:M "
        "aCliAdresse2:M aCliCP:T aCliVille:T aCliPays:L aCliObservations:M aCliEmail:M "
        "aCliMobile:M aCliTelDom:M aCliTelBur:M aCliProfession:M aCliEmployeur:M "
        "aCliDateNaissance:D aCliSituationFamille:L aCliNbEnfants:N"},
    {8, "vTypeVO:L vDateOrdre:D vInfoMarque:L vInfoModele:L vInfoVersion:M vInfoTypeVersion:M "
        "vSite:C vMEC:D vImmatriculation:T vKMS:N vDateFinGarantie:D vTypeFinancement:L "
        "vMensualiteFinancement:N vAbbrFinancement:L vDateFinFinancement:D vLieuEntretien1:M "
        "vLieuEntretien2:M vDateLastSAV:D vKmLastSAV:N vDateNextSAV:D vKmNextSAV:N "
        "vSatisfVehicle:L vSatisfSAV:L"},
    {9, "cPACliDateProchainAchat:D cPAPATypeVO:LB cPAPASegment:LB cPAPACarrosserie:LB "
        "cPAPAEnergie:LB cPAPAChoix1:LB cPAPAChoix2:LB cPAPAMarque1:L cPAPAModele1:L "
        "cPAPAMarque2:L cPAPAModele2:L cPAPADateSpirit:D"},
};

// The accounting panel of page 3: fields numbered 1000 or more.
const char* kPanelCompta = "cVNDateAchat:D cVNMontantAchat:N2 cVNDateEcheance:D "
                           "cVNSituationAchat:L cVNDateEchTresorerie:D cVNDateEchReglement:D "
                           "cVNDateRecPaiement:D cVNDateRecFinancement:D cVNMontantAcompte:N2 "
                           "cVNSolde:N2";

std::map<std::string, std::string> controls(const char* list)
{
    std::map<std::string, std::string> named;
    std::istringstream in(list);
    std::string entry;
    while (in >> entry)
        named[entry.substr(0, entry.find(':'))] = entry.substr(entry.find(':') + 1);
    return named;
}

bool kindFits(const std::string& designed, int control)
{
    if (designed == "L" || designed == "C")
        return control == 111 || control == 112;
    if (designed == "LB")
        return control == 110;
    if (designed == "B")
        return control == 104;
    return control == 109 || control == 120;
}

int number(const Item& item, const char* name, int fallback = 0)
{
    const auto found = item.find(name);
    return found == item.end() || found->second.empty() ? fallback : std::stoi(found->second);
}

std::string text(const Item& item, const char* name)
{
    const auto found = item.find(name);
    return found == item.end() ? std::string() : found->second;
}

class StructureDocument : public testing::Test {
protected:
    void SetUp() override
    {
        TXml doc = session.fetch(endpoint::infoStruct(server.baseUrl(), "BRESMAN"));
        ASSERT_EQ(session.lastWarning(), "");
        // As the binding walks it: the items of the container, every child read by name.
        XmlFind(doc, "axStructS");
        while (XmlNext(doc, "axStruct") > 0) {
            Item& item = items.emplace_back();
            for (const char* child : {"descInfo", "idNum", "txtInfo", "vInfo", "tag", "defval",
                                      "width", "left", "top", "length", "tInfo", "tControl",
                                      "height", "color", "notNull", "enabled", "fieldInfo"}) {
                std::string value;
                XmlValue(doc, child, value);
                if (!value.empty())
                    item[child] = utf8(value);
            }
        }
        lists = session.fetch(endpoint::infoEquip(server.baseUrl(), "BRESMAN"));
    }

    // The first item describing an entry for a kind, as the describe pass finds it.
    const Item* tab(const std::string& kind, int entry) const
    {
        for (const Item& item : items) {
            if (text(item, "descInfo") == kind && text(item, "idNum") == std::to_string(entry))
                return &item;
        }
        return nullptr;
    }
    std::vector<const Item*> fieldsOf(const std::string& dataKey) const
    {
        std::vector<const Item*> fields;
        for (const Item& item : items) {
            if (text(item, "descInfo") == dataKey)
                fields.push_back(&item);
        }
        return fields;
    }
    std::pair<std::string, std::string> keyAndPrefix(int entry) const
    {
        for (const char* kind : {"_TVO", "_TVD", "_TVN", "_TCL"}) {
            if (const Item* found = tab(kind, entry))
                return {text(*found, "vInfo"), text(*found, "defval")};
        }
        return {};
    }
    std::vector<const Item*> allFields() const
    {
        std::vector<const Item*> fields;
        for (const DesignedPage& page : kPages) {
            for (const Item* field : fieldsOf(keyAndPrefix(page.entry).first))
                fields.push_back(field);
        }
        return fields;
    }
    bool hasList(const std::string& container, const std::string& item) const
    {
        TXml cursor = lists;
        XmlFind(cursor, container);
        return XmlNext(cursor, item) > 0;
    }
    bool hasGeneralList(const std::string& type) const
    {
        TXml cursor = lists;
        XmlFind(cursor, "ParsS");
        std::string upper = type;
        for (char& c : upper)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        while (XmlNext(cursor, "Pars") > 0) {
            std::string itemType = valueOf(cursor, "type");
            for (char& c : itemType)
                c = char(std::toupper(static_cast<unsigned char>(c)));
            if (itemType == upper)
                return true;
        }
        return false;
    }

    DemoServerProcess server;
    ClientSession session;
    std::vector<Item> items;
    TXml lists;
};

TEST_F(StructureDocument, EachKindDescribesItsTabs)
{
    const std::map<std::string, std::set<int>> expected = {{"_TVO", {0, 1, 4, 5, 6}},
                                                           {"_TVD", {0, 2, 6}},
                                                           {"_TVN", {0, 3, 6}},
                                                           {"_TCL", {0, 7, 8, 9}}};
    for (const auto& [kind, entries] : expected) {
        for (int entry = 0; entry <= 9; ++entry)
            EXPECT_EQ(tab(kind, entry) != nullptr, entries.count(entry) == 1) << kind << entry;
        EXPECT_EQ(text(*tab(kind, 0), "tag"), kind == "_TCL" ? "tClients" : "tVehicles");
    }
    EXPECT_EQ(text(*tab("_TVO", 5), "tag"), "tVO - Frevo");
    EXPECT_FALSE(text(*tab("_TVO", 1), "txtInfo").empty());
}

TEST_F(StructureDocument, AnEntryOfSeveralKindsHasOneDataKeyAndDataKeysAreDistinct)
{
    for (int entry : {0, 6}) {
        std::set<std::string> keys;
        for (const char* kind : {"_TVO", "_TVD", "_TVN", "_TCL"}) {
            if (const Item* found = tab(kind, entry))
                keys.insert(text(*found, "vInfo"));
        }
        EXPECT_EQ(keys.size(), 1u) << entry;
    }
    // Entry 0 and the costs and photos pages have no field of their own.
    for (int entry : {0, 5, 6})
        EXPECT_TRUE(fieldsOf(keyAndPrefix(entry).first).empty()) << entry;
    std::set<std::string> keys;
    for (const Item& item : items) {
        const std::string kind = text(item, "descInfo");
        if (kind.front() == '_')
            keys.insert(text(item, "vInfo"));
    }
    for (const char* reserved : {"_TVO", "_TVD", "_TVN", "_TCL", "gFrev", "gAct"})
        EXPECT_EQ(keys.count(reserved), 0u) << reserved;
}

TEST_F(StructureDocument, EveryDesignedFieldControlIsBoundByName)
{
    const auto panel = controls(kPanelCompta);
    std::set<std::string> created;
    for (const DesignedPage& page : kPages) {
        const auto [dataKey, prefix] = keyAndPrefix(page.entry);
        const auto designed = controls(page.controls);
        const auto fields = fieldsOf(dataKey);
        ASSERT_FALSE(fields.empty()) << page.entry;
        std::set<std::string> bound;
        bool keys = true;
        size_t keyCount = 0;
        for (const Item* field : fields) {
            const std::string name =
                text(*field, "vInfo").substr(0, text(*field, "vInfo").find(';'));
            const std::string control = prefix + name;
            const bool onPanel = number(*field, "idNum") >= 1000;
            const auto& place = onPanel ? panel : designed;
            // A missing width is 20 twips: only a written 0 leaves a field without a control.
            const bool noWidth = text(*field, "width") == "0";
            if (keys && noWidth) {
                EXPECT_EQ(place.count(control), 0u) << control << " is a key field";
                ++keyCount;
                continue;
            }
            keys = false;
            EXPECT_FALSE(noWidth) << control;
            const auto found = place.find(control);
            if (found == place.end()) {
                created.insert(control);
                continue;
            }
            EXPECT_TRUE(kindFits(found->second, number(*field, "tControl"))) << control;
            bound.insert(control);
        }
        EXPECT_GE(keyCount, 1u) << page.entry;
        for (const auto& [control, kind] : designed)
            EXPECT_EQ(bound.count(control), 1u) << control << " (" << kind << ") is not described";
        if (page.entry == 3) {
            for (const auto& [control, kind] : panel)
                EXPECT_EQ(bound.count(control), 1u) << control << " is not on the panel";
        }
    }
    // One described field has no designed control: the binding creates it.
    EXPECT_EQ(created, (std::set<std::string>{"cNbCles"}));
}

TEST_F(StructureDocument, EveryPathOfTheBindingIsUsed)
{
    std::set<int> kinds, types, visibility;
    bool source = false;
    std::set<std::string> infos;
    for (const Item* field : allFields()) {
        kinds.insert(number(*field, "tControl"));
        types.insert(number(*field, "tInfo"));
        visibility.insert(number(*field, "enabled"));
        source = source || text(*field, "vInfo").find(';') != std::string::npos;
        infos.insert(text(*field, "fieldInfo"));
    }
    for (int kind : {104, 109, 110, 111, 112, 120})
        EXPECT_EQ(kinds.count(kind), 1u) << kind;
    for (int type : {1, 2, 3, 4, 5})
        EXPECT_EQ(types.count(type), 1u) << type;
    EXPECT_EQ(visibility.count(2), 1u);
    EXPECT_EQ(visibility.count(3), 1u);
    EXPECT_TRUE(source);
    for (const char* maintained : {"ListRubrics", "ListModels", "ListVersions", "idCom;idCom"})
        EXPECT_EQ(infos.count(maintained), 1u) << maintained;
    EXPECT_TRUE(hasGeneralList("BOOLEAN"));
}

// Every list a field names is in the lists document under the name the fillers look up.
TEST_F(StructureDocument, EveryChoiceListIsInTheListsDocument)
{
    static const std::set<std::string> kSpecialKeys = {"INFOMARQUE", "INFOMODELE",
                                                       "INFOTYPEVERSION", "IDCOM"};
    for (const Item* field : allFields()) {
        const int control = number(*field, "tControl");
        if (control != 110 && control != 111 && control != 112)
            continue;
        const std::string name = text(*field, "vInfo").substr(0, text(*field, "vInfo").find(';'));
        const std::string info =
            text(*field, "fieldInfo").empty() ? name : text(*field, "fieldInfo");
        const std::string listField =
            info.find(';') == std::string::npos ? name : info.substr(info.find(';') + 1);
        std::string key = listField;
        for (char& c : key)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        if (control == 110) {
            if (listField != "PAChoix1" && listField != "PAChoix2") {
                EXPECT_TRUE(hasList(listField + "S", listField)) << name << ": " << listField;
            }
            continue;
        }
        if (number(*field, "tInfo") == 3 && control != 112)
            key = "BOOLEAN";
        if (kSpecialKeys.count(key) == 0) {
            EXPECT_TRUE(hasGeneralList(key)) << name << ": " << key;
        }
    }
    for (const auto& [container, item] :
         std::vector<std::pair<std::string, std::string>>{{"InfoComS", "InfoCom"},
                                                          {"InfoSiteS", "InfoSite"},
                                                          {"MarksS", "Marks"},
                                                          {"ModelsS", "Models"},
                                                          {"VNMarksS", "VNMarks"},
                                                          {"VNModelsS", "VNModels"},
                                                          {"VNVersionsS", "VNVersions"}})
        EXPECT_TRUE(hasList(container, item)) << container;
}

TEST_F(StructureDocument, GridColumnsComeInTheirFixedOrder)
{
    const std::pair<const char*, std::vector<std::string>> grids[] = {
        {"gFrev",
         {"idFrevo", "DateFrevo", "LibelleFrevo", "NComptable", "NomFournisseur", "NFacture",
          "TypeFrevo", "MontantHT"}},
        {"gAct",
         {"idAction", "DateAction", "idCom", "TypeAction", "SujetAction", "CommentaireAction",
          "DateRelance", "idComRelance", "SujetRelance", "PrioriteRelance"}},
    };
    for (const auto& [grid, columns] : grids) {
        std::vector<std::string> names;
        for (const Item* column : fieldsOf(grid))
            names.push_back(text(*column, "vInfo"));
        EXPECT_EQ(names, columns) << grid;
    }
    const auto costs = fieldsOf("gFrev");
    EXPECT_EQ(number(*costs[1], "tInfo"), 1);
    EXPECT_EQ(number(*costs[7], "tInfo"), 5);
    // Pixels, not twips; the first column with a tag gives the right to add lines.
    EXPECT_LT(number(*costs[2], "width"), 400);
    EXPECT_EQ(text(*costs[0], "tag"), "");
    EXPECT_EQ(text(*costs[1], "tag"), "SVO");
    EXPECT_EQ(text(*fieldsOf("gAct")[1], "defval"), "now");
}

} // namespace
