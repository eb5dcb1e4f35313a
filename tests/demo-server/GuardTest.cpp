// What the demo server refuses whatever form a statement takes: changes that reach rows their
// WHERE does not name, other tables, the library's functions and pragmas, statements that run
// too long and replies too large. Each refusal comes back as a French log item and changes
// nothing; the server goes on answering.
#include <gtest/gtest.h>

#include "server/Endpoints.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/demo-server/DemoServerProcess.h"

namespace {

class Guard : public testing::Test {
protected:
    explicit Guard(const std::vector<std::string>& options = {})
        : server({}, 0, options)
    {}

    // The warning of a change sent to AxInsert or AxUpdate (empty when it succeeded).
    std::string change(const std::string& statement, bool insert = false)
    {
        const std::string sql = cp1252(statement);
        reply = session.fetch(insert ? endpoint::insert(server.baseUrl(), sql)
                                     : endpoint::update(server.baseUrl(), sql));
        return utf8(session.lastWarning());
    }
    std::string read(const std::string& statement)
    {
        reply = session.fetch(endpoint::querySearch(server.baseUrl(), cp1252(statement), 50));
        return utf8(session.lastWarning());
    }
    std::string firstValue(const std::string& statement, const char* column)
    {
        EXPECT_EQ(read(statement), "") << statement;
        TXml cursor = reply;
        XmlFind(cursor, "AXQuery");
        return utf8(valueOf(cursor, column));
    }

    DemoServerProcess server;
    ClientSession session;
    TXml reply;
};

// A refused statement: a French log item holding the part, ending with " - ".
void expectRefusal(const std::string& warning, const char* part, const std::string& statement)
{
    EXPECT_NE(warning.find(part), std::string::npos) << statement << " -> " << warning;
    EXPECT_EQ(warning.substr(warning.size() < 3 ? 0 : warning.size() - 3), " - ") << warning;
}

TEST_F(Guard, ChangesReachOnlyTheRowsTheirWhereNames)
{
    const std::string vehicles = "SELECT COUNT(*) AS n FROM tVehicles WHERE InfoMarque IS NOT NULL";
    const std::string marques = firstValue(vehicles, "n");
    struct Case {
        const char* statement;
        const char* part;
    };
    const Case cases[] = {
        // The two forms that blanked the vehicles and renamed every client.
        {"Insert or replace into tVehicles (idVO, idtVO) select idVO, idtVO from tVehicles",
         "« Insert OR replace » n'est pas permis"},
        {"Insert into tClients (idClient) select idClient from tClients where 1 on "
         "conflict(idClient) do update set CliNom='EFFACE'",
         "ne contient pas de SELECT"},
        {"Insert into tClients (idClient, CliNom) values (2001, 'X') on conflict(idClient) do "
         "update set CliNom='EFFACE'",
         "« ON CONFLICT » n'est pas permis"},
        {"Insert or ignore into tActions (idAction, idClient) values (:NewID, 2001)",
         "« Insert OR ignore » n'est pas permis"},
        {"Insert into tActions (idAction, idClient) values (:NewID, 2001) returning *",
         "« RETURNING » n'est pas permis"},
        {"Insert into tActions (CommentaireAction, idClient, idAction) values ('a', 2001, :NewID), "
         "('b', 2001, 99999)",
         "pour une seule ligne"},
        {"Insert into tActions default values", "pour une seule ligne"},
        {"Insert into tActions (idAction, idClient) values ((select max(idClient) from tClients), "
         "2001)",
         "ne contient pas de SELECT"},
        {"Update or replace tVehicles set idTVO=1001 where idVO=5002",
         "« Update OR replace » n'est pas permis"},
        {"Delete * From tActions where idAction=1 returning *", "« RETURNING » n'est pas permis"},
    };
    for (const Case& c : cases) {
        for (const bool insert : {true, false})
            expectRefusal(change(c.statement, insert), c.part, c.statement);
    }
    EXPECT_EQ(firstValue(vehicles, "n"), marques);
    EXPECT_EQ(firstValue("SELECT COUNT(*) AS n FROM tClients WHERE CliNom='EFFACE'", "n"), "0");
    EXPECT_EQ(firstValue("SELECT COUNT(*) AS n FROM tVehicles WHERE idTVO=1002", "n"), "1");

    // The changes the client makes still reach every row their WHERE names.
    EXPECT_EQ(change("Delete * From [tVO - Frevo] where idVO=5001"), "");
    EXPECT_EQ(firstValue("SELECT COUNT(*) AS n FROM [tVO - Frevo] WHERE idVO=5001", "n"), "0");
}

TEST_F(Guard, OtherTablesTheLibraryAndItsFunctionsAreOutOfReach)
{
    struct Case {
        const char* statement;
        const char* part;
    };
    const Case reads[] = {
        {"SELECT zeroblob(400000000) AS z", "la fonction « zeroblob » n'est pas permise"},
        {"SELECT randomblob(16) AS r", "« randomblob » n'est pas permise"},
        {"SELECT load_extension('/tmp/x') AS x", "« load_extension » n'est pas permise"},
        {"SELECT fts3_tokenizer('simple') AS t", "« fts3_tokenizer » n'est pas permise"},
        {"SELECT sqlite_version() AS v", "« sqlite_version » n'est pas permise"},
        {"SELECT COUNT(*) AS n FROM tUsers", "la table « tUsers » n'est pas accessible"},
        {"SELECT name FROM pragma_table_info('tUsers')", "n'est pas accessible"},
        {"SELECT n FROM (WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c) SELECT "
         "n FROM c)",
         "Instruction refusée"},
    };
    for (const Case& c : reads)
        expectRefusal(read(c.statement), c.part, c.statement);
    const Case changes[] = {
        {"Update tVehicles set Commentaires=zeroblob(10) where idVO=5001", "« zeroblob »"},
        {"Update tVehicles set Commentaires=(select Name_ from tUsers) where idVO=5001",
         "« tUsers »"},
    };
    for (const Case& c : changes)
        expectRefusal(change(c.statement), c.part, c.statement);
    // What the searches need stays allowed.
    EXPECT_EQ(firstValue("SELECT upper(substr(CliNom, 1, 3)) AS d, count(*) AS n FROM tClients "
                         "WHERE (CliNom like '%25dup%25') AND (ifnull(CliPrenom, '') <> 'x') "
                         "GROUP BY upper(substr(CliNom, 1, 3))",
                         "d"),
              "DUP");
}

class TightGuard : public Guard {
protected:
    TightGuard()
        : Guard({"--statement-ms", "300", "--reply-bytes", "60000"})
    {}
};

TEST_F(TightGuard, ARunawayStatementIsStoppedAfterItsLimitAndTheServerAnswersOn)
{
    const std::string before = firstValue("SELECT KMS FROM tVehicles WHERE idVO=5001", "KMS");
    const char* runaways[] = {
        "SELECT COUNT(*) AS n FROM tVehicles a, tVehicles b, tVehicles c, tVehicles d, "
        "tVehicles e",
        "Update tVehicles set KMS=(select count(*) from tVehicles a, tVehicles b, tVehicles c, "
        "tVehicles d) where idVO=5001",
    };
    for (const char* runaway : runaways) {
        const bool isRead = std::string_view(runaway).substr(0, 6) == "SELECT";
        expectRefusal(isRead ? read(runaway) : change(runaway),
                      "Instruction interrompue : elle a dépassé la durée permise de 0.3 s",
                      runaway);
    }
    EXPECT_EQ(firstValue("SELECT KMS FROM tVehicles WHERE idVO=5001", "KMS"), before);
    TXml doc = session.fetch(endpoint::infoVO(server.baseUrl(), "1001", "1000001"));
    EXPECT_EQ(session.lastWarning(), "");
    XmlFind(doc, "tVO");
    EXPECT_EQ(valueOf(doc, "idVO"), "5001");
}

TEST_F(Guard, ALikeOfManyWildcardsEndsAtOnce)
{
    // Backtracking over every "%" would take years on this text; one comparison cannot be
    // interrupted, so it must end by itself.
    ASSERT_EQ(change("Update tClients set CliObservations='" + std::string(3000, 'a') +
                     "' where idClient=2001"),
              "");
    EXPECT_EQ(firstValue("SELECT COUNT(*) AS n FROM tClients WHERE CliObservations like "
                         "'%25a%25a%25a%25a%25a%25a%25a%25a%25a%25a%25a%25a%25b'",
                         "n"),
              "0");
    EXPECT_EQ(firstValue("SELECT COUNT(*) AS n FROM tClients WHERE CliObservations like "
                         "'aaaa%25a_a%25'",
                         "n"),
              "1");
}

// A text of 8^levels times c, built by the statement itself.
std::string grown(char c, int levels)
{
    const std::string one = std::string("'") + c + "'";
    std::string text = one;
    for (int i = 0; i < levels; ++i)
        text = "replace(" + text + ", " + one + ", '" + std::string(8, c) + "')";
    return text;
}

TEST_F(TightGuard, RepliesPastTheSizeLimitBecomeALogItem)
{
    std::string twentyColumns = "SELECT r AS c0";
    for (int c = 1; c < 20; ++c)
        twentyColumns += ", r AS c" + std::to_string(c);
    const char* const rowsTooLarge =
        "Réponse refusée : le résultat dépasse la taille permise de 60000 octets";
    const std::pair<std::string, const char*> cases[] = {
        // Without a row limit, as the duplicate count asks.
        {endpoint::queryCount(server.baseUrl(), "SELECT a.CliNom, b.CliNom AS Autre, a.CliVille "
                                                "FROM tClients a, tClients b"),
         rowsTooLarge},
        // 32 768 "<" weigh four times more once written "&lt;".
        {endpoint::queryCount(server.baseUrl(), "SELECT " + grown('<', 5) + " AS t"), rowsTooLarge},
        // Twenty times a text of 16 Mo, in a statement of a few hundred bytes.
        {endpoint::queryCount(server.baseUrl(),
                              twentyColumns + " FROM (SELECT " + grown('a', 8) + " AS r)"),
         rowsTooLarge},
        // Any reply: here a report, drawn whole and then refused.
        {server.baseUrl() + "ReportPDF?rptSelect=idVO=5001&rptName=VO - Feuille de Marge",
         "Réponse refusée : elle dépasserait la taille permise de 60000 octets"},
    };
    for (const auto& [request, part] : cases) {
        session.fetch(request);
        expectRefusal(utf8(session.lastWarning()), part, request);
    }
    session.fetch(endpoint::infoVO(server.baseUrl(), "1001", "1000001"));
    EXPECT_EQ(session.lastWarning(), "");
}

} // namespace
