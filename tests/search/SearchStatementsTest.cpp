// The statements of the search types, as they travel in the query of AxQuery.
#include <gtest/gtest.h>

#include <string>

#include "search/SearchStatements.h"

namespace {

const std::string kClientColumns =
    "SELECT -1 AS TypeVO, idClient AS VO_ID, idClient AS VO_NO, CliMobile, [CliCP], [CliVille], "
    "[CliAdresse1], [CliAdresse2], [CliNom], [CliPrenom], CliTelDom, Site AS VO_SITE, "
    "Concession, idOwner FROM TClients Where ";

std::string vehicleColumns(const std::string& key)
{
    return "SELECT TypeVO, idTVO as VO_ID, StatutVD, NVO as VO_NO, Immatriculation AS VO_IMMAT, "
           "[InfoMarque], [InfoModele], InfoVersion AS VO_VERSION, Acheteur AS VO_BUYER, "
           "DateOrdre AS VO_ORDRE, " +
           key + " AS VO_Result, Site as VO_SITE, Concession, idOwner FROM TVehicles Where ";
}

SearchRequest request(int type, const std::string& typed)
{
    SearchRequest r;
    r.type = type;
    r.text = doubleQuotes(cleanSearchText(typed));
    r.concession = "C1";
    return r;
}

// The part of a statement between " Where " and " ORDER BY ".
std::string conditionOf(const std::string& statement)
{
    const size_t where = statement.find(" Where ");
    const size_t order = statement.find(" ORDER BY ");
    if (where == std::string::npos || order == std::string::npos)
        return "(no condition in " + statement + ")";
    return statement.substr(where + 7, order - where - 7);
}

std::string orderOf(const std::string& statement)
{
    const size_t order = statement.find(" ORDER BY ");
    return order == std::string::npos ? std::string() : statement.substr(order + 10);
}

} // namespace

TEST(SearchStatement, ClientNameSearchIsSentAsDocumented)
{
    EXPECT_EQ(BuildSearchStatement(request(5, "DUP")),
              kClientColumns +
                  "(Concession='C1') and ((CliNom like '%25DUP%25')) ORDER BY CliNom, CliPreNom, "
                  "idClient desc");
}

TEST(SearchStatement, EachTypeHasItsTableColumnsAndOrder)
{
    struct Case {
        int type;
        std::string prefix;
        std::string order;
    };
    const Case cases[] = {
        {1, vehicleColumns("Immatriculation"), "Immatriculation, DateOrdre desc"},
        {2, vehicleColumns("Acheteur"), "Acheteur, DateOrdre desc"},
        {3, vehicleColumns("NVO"), "NVO, DateOrdre desc"},
        {4,
         "SELECT TypeVO, idClient as VO_ID, NVO as VO_NO, Immatriculation AS VO_IMMAT, "
         "[InfoMarque], [InfoModele], InfoVersion AS VO_VERSION, Acheteur AS VO_BUYER, DateOrdre "
         "AS VO_ORDRE, Immatriculation AS VO_Result, Site as VO_SITE, Concession, idOwner FROM "
         "TVehiclesOstrel Where ",
         "Immatriculation, DateOrdre desc"},
        {5, kClientColumns, "CliNom, CliPreNom, idClient desc"},
        {6, kClientColumns, "CliMobile, idClient desc"},
        {7, kClientColumns, "CliTelDom, idClient desc"},
    };
    for (const Case& c : cases) {
        const std::string statement = BuildSearchStatement(request(c.type, "12"));
        EXPECT_EQ(statement.substr(0, c.prefix.size()), c.prefix) << "type " << c.type;
        EXPECT_EQ(orderOf(statement), c.order) << "type " << c.type;
    }
}

TEST(SearchStatement, KeyConditionOfEachTypeAndText)
{
    struct Case {
        int type;
        std::string typed;
        std::string condition;
    };
    const Case cases[] = {
        {1, "AB-123", "(Concession='C1') and ((Immatriculation like '%25AB-123%25'))"},
        {2, "MARTIN", "(Concession='C1') and ((Acheteur like '%25MARTIN%25'))"},
        {4, "CD", "(Concession='C1') and ((Immatriculation like '%25CD%25'))"},
        {6, "0612", "(Concession='C1') and ((CliMobile like '%250612%25'))"},
        {7, "0237", "(Concession='C1') and ((CliTelDom like '%250237%25'))"},
        // The VO number: numbers at least the typed one, nothing for any other text.
        {3, "1234", "(Concession='C1') and ((NVO>=1234))"},
        {3, "12a", "(Concession='C1') and ((false))"},
        {3, "", "(Concession='C1') and ((false))"},
        {3, " 12", "(Concession='C1') and ((false))"},
        // An empty text lists everything for types 1, 2 and 4, nothing for 5, 6 and 7.
        {1, "", "(Concession='C1') and ((Immatriculation like '%25%25'))"},
        {2, "", "(Concession='C1') and ((Acheteur like '%25%25'))"},
        {4, "", "(Concession='C1') and ((Immatriculation like '%25%25'))"},
        {5, "", "(Concession='C1') and ((false))"},
        {6, "", "(Concession='C1') and ((false))"},
        {7, "", "(Concession='C1') and ((false))"},
        // Line breaks and tabs of the typed text are dropped; quotes doubled; "%" sent as "%25".
        {5, "DU\r\nP\t", "(Concession='C1') and ((CliNom like '%25DUP%25'))"},
        {5, "O'NEIL", "(Concession='C1') and ((CliNom like '%25O''NEIL%25'))"},
        {1, "50%", "(Concession='C1') and ((Immatriculation like '%2550%25%25'))"},
        // Characters that would end or alter the query value travel as "%XX".
        {5, "A&SQL=x", "(Concession='C1') and ((CliNom like '%25A%26SQL=x%25'))"},
        {5, "A+B\"<>", "(Concession='C1') and ((CliNom like '%25A%2BB\"<>%25'))"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(conditionOf(BuildSearchStatement(request(c.type, c.typed))), c.condition)
            << "type " << c.type << " text " << c.typed;
}

TEST(SearchStatement, ExactSearchComparesWholeValues)
{
    SearchRequest r = request(5, "DUPONT");
    r.exact = true;
    EXPECT_EQ(conditionOf(BuildSearchStatement(r)), "(Concession='C1') and ((CliNom = 'DUPONT'))");
    r.withFirstName = true;
    r.firstName = "JEAN";
    EXPECT_EQ(conditionOf(BuildSearchStatement(r)),
              "(Concession='C1') and ((CliNom = 'DUPONT') and (CliPreNom = 'JEAN'))");
    r.exact = false;
    EXPECT_EQ(conditionOf(BuildSearchStatement(r)),
              "(Concession='C1') and ((CliNom like '%25DUPONT%25') and (CliPreNom like "
              "'%25JEAN%25'))");
    // The first name is a literal like the searched text.
    r.firstName = "J'EAN";
    EXPECT_NE(conditionOf(BuildSearchStatement(r)).find("(CliPreNom like '%25J''EAN%25')"),
              std::string::npos);
    // The first name only narrows a name search.
    SearchRequest mobile = request(6, "06");
    mobile.withFirstName = true;
    mobile.firstName = "JEAN";
    EXPECT_EQ(conditionOf(BuildSearchStatement(mobile)),
              "(Concession='C1') and ((CliMobile like '%2506%25'))");

    // The searched text itself is kept as typed: "like", "%" and "where " in it are not
    // operators.
    SearchRequest words = request(1, "like where 5%");
    words.exact = true;
    EXPECT_EQ(conditionOf(BuildSearchStatement(words)),
              "(Concession='C1') and ((Immatriculation = 'like where 5%25'))");
    words.exact = false;
    EXPECT_EQ(conditionOf(BuildSearchStatement(words)),
              "(Concession='C1') and ((Immatriculation like '%25like where 5%25%25'))");
}

TEST(SearchStatement, SiteAndVehicleTypeFiltersOfTheVehicleSearches)
{
    struct Case {
        int type;
        std::string site;
        int typeIndex;
        std::string condition;
    };
    const std::string key = "(Immatriculation like '%25AB%25')";
    const Case cases[] = {
        {1, "X", 1, "(Concession='C1') and ((TypeVO=1) and (SITE='X') and " + key + ")"},
        {1, "", 1, "(Concession='C1') and ((TypeVO=1) and " + key + ")"},
        {1, "X", -1, "(Concession='C1') and ((SITE='X') and " + key + ")"},
        {1, "X", 0, "(Concession='C1') and ((SITE='X') and " + key + ")"},
        {1, "", 2, "(Concession='C1') and ((TypeVO=2) and (isnull(StatutVD)) and " + key + ")"},
        {1, "", 3, "(Concession='C1') and ((TypeVO=2) and (not isnull(StatutVD)) and " + key + ")"},
        {1, "", 7, "(Concession='C1') and ((TypeVO=2) and (not isnull(StatutVD)) and " + key + ")"},
        {2, "DREUX", 0, "(Concession='C1') and ((SITE='DREUX') and (Acheteur like '%25AB%25'))"},
        {3, "DREUX", 1, "(Concession='C1') and ((TypeVO=1) and (SITE='DREUX') and (NVO>=12))"},
        // A site typed with a quote stays one literal.
        {1, "D'X') or ('1'='1", 0,
         "(Concession='C1') and ((SITE='D''X'') or (''1''=''1') and " + key + ")"},
        // Client searches have no such filters.
        {4, "X", 1, "(Concession='C1') and (" + key + ")"},
        {5, "X", 3, "(Concession='C1') and ((CliNom like '%25AB%25'))"},
    };
    for (const Case& c : cases) {
        SearchRequest r = request(c.type, c.type == 3 ? "12" : "AB");
        r.site = c.site;
        r.typeVOIndex = c.typeIndex;
        EXPECT_EQ(conditionOf(BuildSearchStatement(r)), c.condition)
            << "type " << c.type << " site " << c.site << " index " << c.typeIndex;
    }
}

TEST(SearchStatement, StoredConditionReplacesTheTypedOne)
{
    struct Case {
        std::string where;
        std::string condition;
    };
    const Case cases[] = {
        {"Where VO.Site='DREUX'", "(Concession='C1') and ( Site='DREUX')"},
        {"WHERE vo.NVO>10 and vO.Site like 'D%'",
         "(Concession='C1') and ( NVO>10 and Site like 'D%25')"},
        {"(TypeVO=1)", "(Concession='C1') and ( (TypeVO=1))"},
    };
    for (const Case& c : cases) {
        SearchRequest r = request(1, "AB");
        r.site = "X";
        r.typeVOIndex = 1;
        r.useWhereClause = true;
        r.whereClause = c.where;
        EXPECT_EQ(conditionOf(BuildSearchStatement(r)), c.condition) << c.where;
    }
}

TEST(SearchStatement, ConcessionIsALiteral)
{
    SearchRequest r = request(7, "02");
    r.concession = "A'B";
    EXPECT_EQ(conditionOf(BuildSearchStatement(r)),
              "(Concession='A''B') and ((CliTelDom like '%2502%25'))");
}

TEST(SearchText, HelpersAndSearchTypes)
{
    struct Digits {
        const char* text;
        bool digits;
    };
    for (const Digits& d :
         {Digits{"0", true}, Digits{"0123456789", true}, Digits{"", false}, Digits{"12 ", false},
          Digits{"-1", false}, Digits{"1.5", false}, Digits{"\xB2", false}})
        EXPECT_EQ(IsAllDigits(d.text), d.digits) << d.text;
    EXPECT_EQ(PrefixIfAny(" - ", "rue"), " - rue");
    EXPECT_EQ(PrefixIfAny(" - ", ""), "");
    EXPECT_EQ(cleanSearchText("a\r\nb\tc d"), "abc d");
    EXPECT_EQ(doubleQuotes("l'a'"), "l''a''");

    EXPECT_FALSE(isClientKind("_TVO"));
    EXPECT_FALSE(isClientKind("_TVD"));
    EXPECT_FALSE(isClientKind("_TVN"));
    EXPECT_FALSE(isClientKind(""));
    EXPECT_TRUE(isClientKind("_TCL"));

    // The VO number wins, then the registration, else the buyer.
    EXPECT_EQ(vehicleSearchType(true, true), 3);
    EXPECT_EQ(vehicleSearchType(false, true), 1);
    EXPECT_EQ(vehicleSearchType(false, false), 2);
    EXPECT_EQ(clientSearchType(true, true, true), 4);
    EXPECT_EQ(clientSearchType(false, true, true), 5);
    EXPECT_EQ(clientSearchType(false, false, true), 6);
    // No enabled selector: the home telephone.
    EXPECT_EQ(clientSearchType(false, false, false), 7);
}

TEST(SearchGrid, KeyColumnCaptionsAndDateColumn)
{
    const int keyColumns[] = {4, 6, 2, 4, 6, 4, 3};
    for (int type = 1; type <= 7; ++type) {
        EXPECT_EQ(searchKeyColumn(type), keyColumns[type - 1]) << type;
        EXPECT_EQ(searchColumn3Dates(type), type <= 4) << type;
        const auto captions = searchCaptions(type);
        if (type <= 4)
            EXPECT_EQ(captions, (std::array<std::string, 5>{"N\xB0VO", "D.Ordre", "Immat.",
                                                            "V\xE9hicule", "Client"}));
        else
            EXPECT_EQ(captions,
                      (std::array<std::string, 5>{"R\xE9"
                                                  "f.",
                                                  "T\xE9l.Dom.", "Mobile", "Adresse", "Client"}));
    }
}
