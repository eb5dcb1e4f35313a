// The duplicate count statements, and their counts by the demo server.
#include <gtest/gtest.h>

#include <string>

#include "search/DuplicateStatements.h"
#include "server/Endpoints.h"
#include "server/TXml.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/demo-server/DemoServerProcess.h"

namespace {

DuplicateValues client(std::string surname, std::string firstName = {}, std::string telDom = {},
                       std::string mobile = {})
{
    return {std::move(surname), std::move(firstName), std::move(telDom), std::move(mobile)};
}

} // namespace

TEST(DuplicateStatement, EachKindComparesItsColumns)
{
    struct Case {
        const char* kind;
        DuplicateValues values;
        std::string statement;
    };
    const Case cases[] = {
        {"Nom", client("DUPONT", "JEAN"),
         "select count(idClient) as cpt from tClients group by CliNom having (CliNom='DUPONT')"},
        {"Ident", client("DUPONT", "JEAN"),
         "select count(idClient) as cpt from tClients group by CliNom, CliPrenom having "
         "(CliNom='DUPONT') and (CliPreNom='JEAN')"},
        // Values are upper-cased, accents included.
        {"Ident", client("dupont", "j\xE9r\xF4me"),
         "select count(idClient) as cpt from tClients group by CliNom, CliPrenom having "
         "(CliNom='DUPONT') and (CliPreNom='J\xC9R\xD4ME')"},
        // A surname without first name still compares the first name.
        {"Ident", client("DUPONT"),
         "select count(idClient) as cpt from tClients group by CliNom, CliPrenom having "
         "(CliNom='DUPONT') and (CliPreNom='')"},
        {"TelDom", client("DUPONT", "", "0237214500", "0612345678"),
         "select count(idClient) as cpt from tClients group by CliTelDom having "
         "(CliTelDom='0237214500')"},
        {"Mobile", client("", "", "0237214500", "0612345678"),
         "select count(idClient) as cpt from tClients group by CliMobile having "
         "(CliMobile='0612345678')"},
        // Quotes are doubled; the characters that would end or alter the query value travel
        // as "%XX".
        {"Nom", client("O'NEIL"),
         "select count(idClient) as cpt from tClients group by CliNom having (CliNom='O''NEIL')"},
        {"Nom", client("A%B&C+D\tE"),
         "select count(idClient) as cpt from tClients group by CliNom having "
         "(CliNom='A%25B%26C%2BD%09E')"},
        // Nothing to compare: no statement.
        {"Nom", client("", "JEAN", "0237214500", "0612345678"), ""},
        {"Ident", client("", "JEAN"), ""},
        {"TelDom", client("DUPONT", "JEAN", "", "0612345678"), ""},
        {"Mobile", client("DUPONT", "JEAN", "0237214500", ""), ""},
        {"", client("DUPONT"), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(duplicateCountStatement(c.kind, c.values), c.statement)
            << c.kind << " " << c.values.surname;
}

TEST(DuplicateStatement, TheDemoServerCountsEachValue)
{
    DemoServerProcess server;
    ClientSession session;
    // The count of the rows whose column equals the value, by a plain statement.
    auto rowsWith = [&](const std::string& condition) {
        TXml reply = session.fetch(endpoint::querySearch(
            server.baseUrl(), "select count(*) as n from tClients where " + condition, 1));
        XmlFind(reply, "AXQuery");
        return XmlText(reply, "n");
    };
    struct Case {
        const char* kind;
        DuplicateValues values;
        std::string condition;
    };
    const Case cases[] = {
        {"Nom", client("martin"), "CliNom='MARTIN'"},
        {"Ident", client("DUPONT", "Jean"), "CliNom='DUPONT' and CliPrenom='JEAN'"},
        {"Nom", client("D'ALMEIDA"), "CliNom='D''ALMEIDA'"},
    };
    for (const Case& c : cases) {
        const std::string expected = rowsWith(c.condition);
        ASSERT_GE(std::stoi(expected), 2) << c.condition;
        const TXml reply = session.fetch(
            endpoint::queryCount(server.baseUrl(), duplicateCountStatement(c.kind, c.values)));
        EXPECT_EQ(session.lastWarning(), "") << c.condition;
        EXPECT_EQ(duplicateCount(reply), expected) << c.condition;
    }
    // A value no client has: no row, so no count.
    const TXml none = session.fetch(
        endpoint::queryCount(server.baseUrl(), duplicateCountStatement("Nom", client("O'NEIL"))));
    EXPECT_EQ(session.lastWarning(), "");
    EXPECT_EQ(duplicateCount(none), "");
}
