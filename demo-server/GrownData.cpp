#include "demo-server/GrownData.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace {

// Keys of the generated records, apart from those of the sample data and from those the client
// allocates after them.
constexpr long long kVehicleRecordBase = 1'000'000; // idTVO
constexpr long long kVehicleKeyBase = 5'000'000;    // idVO
constexpr long long kClientBase = 3'000'000;        // idClient
constexpr long long kOwnedBase = 7'000'000;         // TVehiclesOstrel.idTVO
constexpr long long kNumberBase = 100'000;          // NVO

// A small generator (splitmix64) seeded by the record's number and its table.
class Draw {
public:
    Draw(long long record, std::uint64_t table)
        : state_(std::uint64_t(record) * 0x9E3779B97F4A7C15ull ^ table)
    {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int bound) { return int(next() % std::uint64_t(bound)); }
    template <typename T, size_t N> const T& pick(const std::array<T, N>& items)
    {
        return items[size_t(below(int(N)))];
    }
    // Digits, as many as asked.
    std::string digits(int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += char('0' + below(10));
        return text;
    }
    // A date "yyyy-mm-dd" of the years given.
    std::string date(int firstYear, int lastYear)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d",
                      firstYear + below(lastYear - firstYear + 1), 1 + below(12), 1 + below(28));
        return text;
    }

private:
    std::uint64_t state_;
};

struct Site {
    const char* concession;
    const char* site;
    std::array<const char*, 2> makes;
    long long owner;
    std::array<int, 2> staff;
};

const std::array<Site, 5> kSites = {{
    {"BRESMAN", "CHARTRES", {"VW", "AUDI"}, 1000001, {101, 103}},
    {"BRESMAN", "DREUX", {"SKODA", "SEAT"}, 1000004, {104, 102}},
    {"BRESMAN", "EVREUX", {"VW", "SKODA"}, 1000006, {106, 105}},
    {"VALDELOIRE", "BLOIS", {"RENAULT", "DACIA"}, 2000001, {201, 202}},
    {"VALDELOIRE", "TOURS", {"RENAULT", "RENAULT"}, 2000002, {203, 202}},
}};

struct Model {
    const char* make;
    const char* model;
    const char* version;
    const char* body;
};

const std::array<Model, 16> kModels = {{
    {"VW", "GOLF", "GOLF 1.5 TSI 130 LIFE", "Berline"},
    {"VW", "POLO", "POLO 1.0 TSI 95 STYLE", "Citadine"},
    {"VW", "T-ROC", "T-ROC 2.0 TDI 150 R-LINE", "SUV"},
    {"VW", "TIGUAN", "TIGUAN 2.0 TDI 150 ELEGANCE", "SUV"},
    {"AUDI", "A3", "A3 SPORTBACK 35 TFSI S LINE", "Berline"},
    {"AUDI", "Q3", "Q3 35 TDI 150 DESIGN", "SUV"},
    {"SKODA", "OCTAVIA", "OCTAVIA COMBI 2.0 TDI 150 STYLE", "Break"},
    {"SKODA", "KODIAQ", "KODIAQ 1.5 TSI 150 SELECTION", "SUV"},
    {"SKODA", "FABIA", "FABIA 1.0 TSI 95 AMBITION", "Citadine"},
    {"SEAT", "IBIZA", "IBIZA 1.0 TSI 110 FR", "Citadine"},
    {"SEAT", "LEON", "LEON 1.5 ETSI 150 XCELLENCE", "Berline"},
    {"RENAULT", "CLIO", "CLIO TCE 90 EVOLUTION", "Citadine"},
    {"RENAULT", "MEGANE", "MEGANE E-TECH EV60 TECHNO", "Berline"},
    {"RENAULT", "CAPTUR", "CAPTUR E-TECH 145 TECHNO", "SUV"},
    {"DACIA", "SANDERO", "SANDERO TCE 90 EXPRESSION", "Citadine"},
    {"DACIA", "DUSTER", "DUSTER BLUE DCI 115 JOURNEY", "SUV"},
}};

const std::array<const char*, 60> kSurnames = {
    "MARTIN",   "BERNARD", "THOMAS",    "PETIT",     "ROBERT",   "RICHARD", "DURAND",   "DUBOIS",
    "MOREAU",   "LAURENT", "SIMON",     "MICHEL",    "LEFEBVRE", "LEROY",   "ROUX",     "DAVID",
    "BERTRAND", "MOREL",   "FOURNIER",  "GIRARD",    "BONNET",   "DUPONT",  "LAMBERT",  "FONTAINE",
    "ROUSSEAU", "VINCENT", "MULLER",    "LEFEVRE",   "FAURE",    "ANDRE",   "MERCIER",  "BLANC",
    "GUERIN",   "BOYER",   "GARNIER",   "CHEVALIER", "FRANCOIS", "LEGRAND", "GAUTHIER", "GARCIA",
    "PERRIN",   "ROBIN",   "CLEMENT",   "MORIN",     "NICOLAS",  "HENRY",   "ROUSSEL",  "MATHIEU",
    "GAUTIER",  "MASSON",  "MARCHAND",  "DUVAL",     "DENIS",    "DUMONT",  "MARIE",    "LEMAIRE",
    "NOEL",     "MEYER",   "D'ALMEIDA", "O'NEIL"};

// The first names are UTF-8 (the database's encoding); the civility follows the first name.
const std::array<const char*, 40> kFirstNames = {
    "Jean",      "Pierre",  "Michel",  "André",    "Philippe", "Nicolas",  "Christophe", "Thomas",
    "Julien",    "Hugo",    "Lucas",   "Louis",    "Léo",      "Gabriel",  "Antoine",    "Mathieu",
    "Sébastien", "Laurent", "Éric",    "François", "Marie",    "Nathalie", "Isabelle",   "Sylvie",
    "Catherine", "Sophie",  "Céline",  "Camille",  "Julie",    "Chloé",    "Emma",       "Léa",
    "Manon",     "Inès",    "Aurélie", "Hélène",   "Claire",   "Anne",     "Sarah",      "Émilie"};
constexpr int kMaleFirstNames = 20;

const std::array<const char*, 12> kStreets = {"rue de la République",
                                              "avenue Jean Jaurès",
                                              "rue Victor Hugo",
                                              "boulevard Chasles",
                                              "rue du Général de Gaulle",
                                              "place du Marché",
                                              "rue des Écoles",
                                              "chemin des Vignes",
                                              "rue Pasteur",
                                              "avenue de la Gare",
                                              "rue Nationale",
                                              "allée des Tilleuls"};

struct Town {
    const char* postcode;
    const char* name;
};
// Towns around each site, in the order of kSites.
const std::array<std::array<Town, 3>, 5> kTowns = {{
    {{{"28000", "CHARTRES"}, {"28300", "MAINVILLIERS"}, {"28110", "LUCE"}}},
    {{{"28100", "DREUX"}, {"28500", "VERNOUILLET"}, {"28260", "ANET"}}},
    {{{"27000", "EVREUX"}, {"27200", "VERNON"}, {"27320", "NONANCOURT"}}},
    {{{"41000", "BLOIS"}, {"41350", "VINEUIL"}, {"41120", "CHAILLES"}}},
    {{{"37000", "TOURS"}, {"37300", "JOUE-LES-TOURS"}, {"37170", "CHAMBRAY-LES-TOURS"}}},
}};

const std::array<const char*, 8> kColours = {"BLANC PUR",       "NOIR INTENSE", "GRIS URANO",
                                             "BLEU ATLANTIQUE", "ROUGE FLASH",  "ARGENT REFLET",
                                             "GRIS PLATINE",    "BLANC NACRE"};
const std::array<const char*, 4> kEnergies = {"Diesel", "Essence", "Hybride", "Electrique"};

// A registration of the current French system: two letters, three digits, two letters, without
// I, O and U.
std::string plate(Draw& draw)
{
    static constexpr char kLetters[] = "ABCDEFGHJKLMNPQRSTVWXYZ";
    auto letter = [&] { return kLetters[draw.below(int(sizeof kLetters - 1))]; };
    std::string text;
    text += letter();
    text += letter();
    text += draw.digits(3);
    text += letter();
    text += letter();
    return text;
}

std::string fullName(Draw& draw)
{
    return std::string(draw.pick(kSurnames)) + " " + draw.pick(kFirstNames);
}

void insertVehicle(Statement& insert, long long i)
{
    Draw draw(i, 1);
    const Site& site = kSites[size_t(draw.below(int(kSites.size())))];
    Model model = draw.pick(kModels);
    while (model.make != site.makes[0] && model.make != site.makes[1])
        model = draw.pick(kModels);
    // Half used, the rest new or demonstration vehicles.
    const int kind = draw.below(20);
    const int typeVO = kind < 10 ? 1 : 2;
    const bool demonstration = kind >= 10 && kind < 13;
    const bool sold = draw.below(3) != 0;
    // Entered in stock in a year, first registered before it when used, ordered that year or
    // the next.
    const int year = 2018 + draw.below(9);
    const std::string entered = draw.date(year, year);
    const std::string registered = typeVO == 1 ? draw.date(year - 8, year - 1) : entered;
    const long long kms = typeVO == 1     ? 5000 + 1000LL * draw.below(150)
                          : demonstration ? 1000 + 100LL * draw.below(140)
                                          : 10LL * draw.below(5);
    int at = 1;
    insert.reset();
    insert.bind(at++, kVehicleKeyBase + i);
    insert.bind(at++, kVehicleRecordBase + i);
    insert.bind(at++, typeVO);
    if (demonstration)
        insert.bind(at++, draw.below(2) ? "En démonstration" : "Disponible");
    else
        insert.bindNull(at++);
    insert.bind(at++, site.concession);
    insert.bind(at++, site.site);
    insert.bind(at++, site.owner);
    insert.bind(at++, kNumberBase + i);
    insert.bind(at++, entered);
    insert.bind(at++, model.make);
    insert.bind(at++, model.model);
    insert.bind(at++, model.version);
    insert.bind(at++, model.body);
    insert.bind(at++, draw.pick(kEnergies));
    insert.bind(at++, draw.pick(kColours));
    insert.bind(at++, kms);
    insert.bind(at++, registered);
    insert.bind(at++, plate(draw));
    insert.bind(at++, std::to_string(8000 + 100 * draw.below(500)) + ".00");
    if (sold) {
        insert.bind(at++, draw.date(year, year < 2026 ? year + 1 : year));
        insert.bind(at++, site.staff[size_t(draw.below(2))]);
        insert.bind(at++, fullName(draw));
    } else {
        insert.bindNull(at++);
        insert.bindNull(at++);
        insert.bindNull(at++);
    }
    insert.step();
}

void insertClient(Statement& insert, long long i)
{
    Draw draw(i, 2);
    const size_t siteIndex = size_t(draw.below(int(kSites.size())));
    const Site& site = kSites[siteIndex];
    const Town& town = kTowns[siteIndex][size_t(draw.below(3))];
    const char* surname = draw.pick(kSurnames);
    const int firstIndex = draw.below(int(kFirstNames.size()));
    // A household: about one client in eight shares the home number of the one before.
    Draw household(draw.below(8) == 0 ? i - 1 : i, 3);
    const std::string home = "02" + household.digits(8);
    int at = 1;
    insert.reset();
    insert.bind(at++, kClientBase + i);
    insert.bind(at++, draw.date(2010, 2026));
    insert.bind(at++, site.concession);
    insert.bind(at++, site.site);
    insert.bind(at++, site.owner);
    insert.bind(at++, site.staff[size_t(draw.below(2))]);
    insert.bind(at++, firstIndex < kMaleFirstNames ? "M." : "Mme");
    insert.bind(at++, surname);
    insert.bind(at++, kFirstNames[size_t(firstIndex)]);
    insert.bind(at++, std::to_string(1 + draw.below(150)) + " " + draw.pick(kStreets));
    insert.bind(at++, town.postcode);
    insert.bind(at++, town.name);
    insert.bind(at++, "F");
    insert.bind(at++, (draw.below(2) ? "06" : "07") + draw.digits(8));
    insert.bind(at++, home);
    insert.bind(at++, draw.date(1940, 2004));
    insert.step();
}

// Every other client owns a vehicle bought at the client's site.
void insertOwnedVehicle(Statement& insert, long long i)
{
    Draw client(i, 2);
    const Site& site = kSites[size_t(client.below(int(kSites.size())))];
    Draw draw(i, 4);
    Model model = draw.pick(kModels);
    while (model.make != site.makes[0] && model.make != site.makes[1])
        model = draw.pick(kModels);
    int at = 1;
    insert.reset();
    insert.bind(at++, kOwnedBase + i);
    insert.bind(at++, kNumberBase + i);
    insert.bind(at++, kClientBase + i);
    insert.bind(at++, site.owner);
    insert.bind(at++, site.concession);
    insert.bind(at++, 1 + draw.below(2));
    insert.bind(at++, draw.date(2015, 2026));
    insert.bind(at++, model.make);
    insert.bind(at++, model.model);
    insert.bind(at++, model.version);
    insert.bind(at++, site.site);
    insert.bind(at++, plate(draw));
    insert.step();
}

} // namespace

long long grownFigure(sqlite3* db)
{
    return queryInteger(db, "SELECT COALESCE(MAX(Figure), 0) FROM tDemoGrowth");
}

std::string growDemoData(sqlite3* db, long long figure)
{
    const long long recorded = grownFigure(db);
    if (figure <= recorded)
        return "la base compte déjà " + std::to_string(recorded) +
               " véhicules et clients générés : rien n'est ajouté";
    execScript(db, "BEGIN");
    try {
        // A record the client created in the range of a later figure keeps its key.
        Statement vehicle(
            db, "INSERT OR IGNORE INTO tVehicles (idVO, idTVO, TypeVO, StatutVD, Concession, Site, "
                "idOwner, NVO, DateEntree, InfoMarque, InfoModele, InfoVersion, Carrosserie, "
                "Energie, InfoCouleur, KMS, MEC, Immatriculation, PrixVente, DateOrdre, Vendeur, "
                "Acheteur) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                "?)");
        Statement client(db, "INSERT OR IGNORE INTO tClients (idClient, DateCreation, Concession, "
                             "Site, idOwner, idCom, CliCivilite, CliNom, CliPrenom, CliAdresse1, "
                             "CliCP, CliVille, CliPays, CliMobile, CliTelDom, CliDateNaissance) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        Statement owned(db, "INSERT OR IGNORE INTO TVehiclesOstrel (idTVO, NVO, idClient, "
                            "idOwner, Concession, TypeVO, DateOrdre, InfoMarque, InfoModele, "
                            "InfoVersion, Site, Immatriculation) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (long long i = recorded + 1; i <= figure; ++i) {
            insertVehicle(vehicle, i);
            insertClient(client, i);
            if (i % 2 == 0)
                insertOwnedVehicle(owned, i);
        }
        execScript(db, "DELETE FROM tDemoGrowth");
        execScript(db, "INSERT INTO tDemoGrowth (Figure) VALUES (" + std::to_string(figure) + ")");
        execScript(db, "COMMIT");
    } catch (...) {
        execScript(db, "ROLLBACK");
        throw;
    }
    execScript(db, "ANALYZE");
    return "base agrandie à " + std::to_string(figure) + " véhicules et " + std::to_string(figure) +
           " clients générés (" + std::to_string(figure - recorded) + " de chaque ajoutés)";
}
