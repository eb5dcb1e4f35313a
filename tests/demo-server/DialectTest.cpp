// The statement dialect of the client and its translation to SQLite, without a server.
#include <gtest/gtest.h>

#include "demo-server/Dialect.h"
#include "demo-server/QueryString.h"
#include "demo-server/SqlTokens.h"

namespace {

struct Translation {
    const char* client;
    const char* sqlite;
};

// Test names show the statement's beginning, not its bytes.
void PrintTo(const Translation& translation, std::ostream* out)
{
    *out << std::string_view(translation.client).substr(0, 40);
}

class Translates : public testing::TestWithParam<Translation> {};

TEST_P(Translates, ToSqlite)
{
    const Translation& t = GetParam();
    const StatementUse use = std::string_view(t.client).substr(0, 6) == "SELECT" ||
                                     std::string_view(t.client).substr(0, 6) == "select"
                                 ? StatementUse::Read
                                 : StatementUse::Change;
    const ClientStatement statement = parseClientStatement(t.client, use);
    EXPECT_EQ(renderStatement(statement, {{":NewID", 77}}), t.sqlite);
}

std::string caseName(const testing::TestParamInfo<Translation>& info)
{
    return "Form" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Translates,
    testing::Values(
        // Dates are month first in the client's statements.
        Translation{"Insert into tClients (CliNom,CliPrenom, idClient, DateCreation, idOwner, "
                    "Concession) Values ('DUPONT','JEAN', :NewID, #03/15/2007#,42, 'GARAGE')",
                    "Insert into tClients (CliNom,CliPrenom, idClient, DateCreation, idOwner, "
                    "Concession) Values ('DUPONT','JEAN', 77, '2007-03-15',42, 'GARAGE')"},
        Translation{"Update tVehicles set DateLivraison=#6/3/2009# where (idVO=123)",
                    "Update tVehicles set DateLivraison='2009-06-03' where (idVO=123)"},
        // Delete * From, and names with blanks in brackets.
        Translation{"Delete * From [tVO - Liens Images] where idVO=5521",
                    "Delete From \"tVO - Liens Images\" where idVO=5521"},
        Translation{"Delete * from [tVO - Frevo] where (idFrevo=7)",
                    "Delete from \"tVO - Frevo\" where (idFrevo=7)"},
        // isNull as a function, nested and negated; Is Null stays as it is.
        Translation{"Update tVehicles set KMS=1 where (isNull(idVO))",
                    "Update tVehicles set KMS=1 where (((idVO) IS NULL))"},
        Translation{"SELECT NVO FROM TVehicles Where (TypeVO=2) and (not isnull(StatutVD))",
                    "SELECT NVO FROM TVehicles Where (TypeVO=2) and (not ((StatutVD) IS NULL))"},
        Translation{"DELETE * FROM tVehicles WHERE (((TypeVO)=2) AND ((Acheteur) Is Null) AND "
                    "((DateAnnulation) Is Not Null));",
                    "DELETE FROM tVehicles WHERE (((TypeVO)=2) AND ((Acheteur) Is Null) AND "
                    "((DateAnnulation) Is Not Null))"},
        // Nothing inside a quoted text is touched.
        Translation{"Update tClients set CliObservations='Delete * From [x] #01/02/2003# "
                    "isNull(y) ; :NewID' where (idClient=1)",
                    "Update tClients set CliObservations='Delete * From [x] #01/02/2003# "
                    "isNull(y) ; :NewID' where (idClient=1)"},
        Translation{"Update tClients set CliNom='O''Neil' where (idClient=1)",
                    "Update tClients set CliNom='O''Neil' where (idClient=1)"},
        Translation{"select count(idClient) as cpt from tClients group by CliNom having "
                    "(CliNom like '%DUP%')",
                    "select count(idClient) as cpt from tClients group by CliNom having "
                    "(CliNom like '%DUP%')"},
        // Equalities of the grouped columns filter the rows before grouping; other conditions
        // of a HAVING stay where they are.
        Translation{"select count(idClient) as cpt from tClients group by CliNom having "
                    "(CliNom='O''NEIL')",
                    "select count(idClient) as cpt from tClients WHERE (CliNom='O''NEIL') group "
                    "by CliNom "},
        Translation{"select count(idClient) as cpt from tClients group by CliNom, CliPrenom "
                    "having (CliNom='DUPONT') and (CliPreNom='') order by cpt",
                    "select count(idClient) as cpt from tClients WHERE (CliNom='DUPONT') and "
                    "(CliPreNom='') group by CliNom, CliPrenom order by cpt"},
        Translation{"select count(idClient) as cpt from tClients group by CliNom having "
                    "(CliPrenom='JEAN')",
                    "select count(idClient) as cpt from tClients group by CliNom having "
                    "(CliPrenom='JEAN')"},
        Translation{"select count(*) as n from tClients group by CliNom having count(*)='2'",
                    "select count(*) as n from tClients group by CliNom having count(*)='2'"},
        Translation{"select count(*) as n from tClients where Site='DREUX' group by CliNom "
                    "having (CliNom='X')",
                    "select count(*) as n from tClients where Site='DREUX' group by CliNom "
                    "having (CliNom='X')"},
        Translation{"select count(*) as n from tClients group by CliNom having (CliNom='X') or "
                    "(CliNom='Y')",
                    "select count(*) as n from tClients group by CliNom having (CliNom='X') or "
                    "(CliNom='Y')"}),
    caseName);

struct Refusal {
    const char* statement;
    StatementUse use;
    const char* messagePart;
};

void PrintTo(const Refusal& refusal, std::ostream* out)
{
    *out << std::string_view(refusal.statement).substr(0, 40);
}

class Refuses : public testing::TestWithParam<Refusal> {};

TEST_P(Refuses, WithAFrenchMessage)
{
    const Refusal& r = GetParam();
    try {
        parseClientStatement(r.statement, r.use);
        FAIL() << "accepted: " << r.statement;
    } catch (const StatementRefused& refused) {
        EXPECT_NE(std::string(refused.what()).find(r.messagePart), std::string::npos)
            << refused.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Statements, Refuses,
    testing::Values(
        Refusal{"Update tVehicles set KMS=1", StatementUse::Change, "clause WHERE"},
        Refusal{"Delete * From tVehicles", StatementUse::Change, "clause WHERE"},
        // A WHERE inside a sub-query is not the statement's own.
        Refusal{"Update tVehicles set KMS=(select 1 from tClients where idClient=1)",
                StatementUse::Change, "clause WHERE"},
        Refusal{"Update tVehicles set KMS=1 where idVO=1; Delete from tClients where 1",
                StatementUse::Change, "une seule instruction"},
        Refusal{"SELECT 1; SELECT 2", StatementUse::Read, "une seule instruction"},
        Refusal{"Update tVehicles set KMS=1 where idVO=1", StatementUse::Read, "SELECT"},
        Refusal{"SELECT * FROM tVehicles", StatementUse::Change, "INSERT, UPDATE ou DELETE"},
        Refusal{"DROP TABLE tVehicles", StatementUse::Change, "n'est pas une instruction"},
        Refusal{"PRAGMA user_version = 1", StatementUse::Change, "n'est pas une instruction"},
        Refusal{"ATTACH 'x' AS y", StatementUse::Read, "n'est pas une instruction"},
        Refusal{"Update tClients set CliNom='DUPONT where idClient=1", StatementUse::Change,
                "apostrophes"},
        Refusal{"Delete * From [tVO - Frevo where idFrevo=1", StatementUse::Change, "crochets"},
        Refusal{"Update tVehicles set MEC=#13/45/2009# where idVO=1", StatementUse::Change,
                "n'est pas une date"},
        Refusal{"Update tVehicles set KMS=:Kms where idVO=1", StatementUse::Change,
                "paramètre :Kms"},
        Refusal{"Update tVehicles set KMS=:NewID where idVO=1", StatementUse::Change, "insertion"},
        Refusal{"Insert into tVehicles (KMS) Values (:NewID + 1)", StatementUse::Change,
                ":NewID doit être la valeur"},
        Refusal{"   ;  ", StatementUse::Change, "vide"},
        // A change reaches only the rows its WHERE names; an insertion adds one row of values.
        Refusal{"UPDATE OR REPLACE tClients SET CliNom='X' WHERE idClient=1", StatementUse::Change,
                "« UPDATE OR REPLACE » n'est pas permis"},
        Refusal{"Insert or replace into tVehicles (idVO, idtVO) select idVO, idtVO from tVehicles",
                StatementUse::Change, "« Insert OR replace » n'est pas permis"},
        Refusal{"Insert into tClients (idClient) select idClient from tClients where 1 on "
                "conflict(idClient) do update set CliNom='EFFACE'",
                StatementUse::Change, "ne contient pas de SELECT"},
        Refusal{"Insert into tActions (idAction) values (1) on conflict do nothing",
                StatementUse::Change, "« ON CONFLICT » n'est pas permis"},
        Refusal{"Update tActions set idClient=1 where idAction=1 returning idAction",
                StatementUse::Change, "« RETURNING » n'est pas permis"},
        Refusal{"Insert into tActions (idAction) values (1), (2)", StatementUse::Change,
                "pour une seule ligne"},
        Refusal{"Insert into main.tActions (idAction) values (1)", StatementUse::Change,
                "pour une seule ligne"},
        Refusal{"Insert into tActions (idAction) values (1) -- x\n values (2)",
                StatementUse::Change, "pour une seule ligne"},
        Refusal{"Insert into tActions values", StatementUse::Change, "pour une seule ligne"}),
    [](const testing::TestParamInfo<Refusal>& info) {
        return "Statement" + std::to_string(info.index);
    });

TEST(ClientStatement, PlaceholdersNameTheColumnsThatReceiveTheKeys)
{
    const ClientStatement statement = parseClientStatement(
        "Insert into tVehicles (InfoMarque,PrixVente, idTVO, TypeVO, idVO, idOwner, Concession) "
        "Values ('RENAULT',1200.50, :NewID, 1, :NewIDbis,42, 'GARAGE')",
        StatementUse::Change);
    EXPECT_EQ(statement.kind, StatementKind::Insert);
    EXPECT_EQ(statement.table, "tVehicles");
    EXPECT_EQ(statement.placeholderColumns.at(":NewID"), "idTVO");
    EXPECT_EQ(statement.placeholderColumns.at(":NewIDbis"), "idVO");
    EXPECT_EQ(renderStatement(statement, {{":NewID", 1500}, {":NewIDbis", 6000}}),
              "Insert into tVehicles (InfoMarque,PrixVente, idTVO, TypeVO, idVO, idOwner, "
              "Concession) Values ('RENAULT',1200.50, 1500, 1, 6000,42, 'GARAGE')");
}

TEST(ClientStatement, TheTableOfEachChangeIsKnown)
{
    const std::pair<const char*, const char*> cases[] = {
        {"INSERT INTO [tVO - Liens Images] (idImage, idVO) VALUES (:NewID, 1)",
         "tVO - Liens Images"},
        {"Update TVehicles set KMS=1 where idVO=1", "TVehicles"},
        {"Delete * From tVehiclesOstrel where idTVo=70001", "tVehiclesOstrel"},
    };
    for (const auto& [sql, table] : cases)
        EXPECT_EQ(parseClientStatement(sql, StatementUse::Change).table, table) << sql;
}

TEST(ClientDate, ReadsMonthFirstAndRefusesWhatIsNoDate)
{
    const std::pair<const char*, const char*> cases[] = {
        {"03/15/2007", "2007-03-15"},
        {"2/29/2024", "2024-02-29"},
        {"05/14/2008 10:22:31", "2008-05-14 10:22:31"},
        {"2007-03-15", "2007-03-15"},
        {"2/29/2023", ""},
        {"15/03/2007", ""},
        {"aa/bb/cccc", ""},
        {"03/15/2007 25:00", ""},
    };
    for (const auto& [body, iso] : cases)
        EXPECT_EQ(isoFromClientDate(body), iso) << body;
}

TEST(Tokens, QuotedTextsAreSingleTokens)
{
    const auto tokens = tokenize("a='x;[y]#z' and [b c]=#01/02/2003#");
    std::vector<TokenKind> kinds;
    for (const Token& token : tokens) {
        if (token.kind != TokenKind::Blank)
            kinds.push_back(token.kind);
    }
    const std::vector<TokenKind> expected = {
        TokenKind::Word,      TokenKind::Symbol, TokenKind::Text, TokenKind::Word,
        TokenKind::Bracketed, TokenKind::Symbol, TokenKind::Date};
    EXPECT_EQ(kinds, expected);
    EXPECT_EQ(tokens[2].text, "'x;[y]#z'");
}

TEST(Tokens, CommentsAreBlanks)
{
    const auto tokens = tokenize("x -- WHERE\n/* WHERE */y");
    ASSERT_EQ(tokens.size(), 6u);
    for (size_t i = 1; i < 5; ++i)
        EXPECT_EQ(tokens[i].kind, TokenKind::Blank) << tokens[i].text;
    EXPECT_EQ(tokens[5].text, "y");
    EXPECT_TRUE(isKeyword(tokenize("where")[0], "WHERE"));
}

TEST(Query, PairsSplitOnTheFirstEqualAndPlusStaysPlus)
{
    const QueryString query = QueryString::fromTarget(
        "/ReportPDF?rptSelect=idClient=12&rptName=Fiche%20Ostrel&SQL=a+b%3Dc%zz%4&empty=&flag");
    EXPECT_EQ(query.valueOr("rptSelect", "?"), "idClient=12");
    EXPECT_EQ(query.valueOr("rptName", "?"), "Fiche Ostrel");
    EXPECT_EQ(query.valueOr("SQL", "?"), "a+b=c%zz%4");
    EXPECT_EQ(query.valueOr("empty", "?"), "");
    EXPECT_EQ(query.valueOr("flag", "?"), "");
    EXPECT_FALSE(query.value("missing"));
    EXPECT_FALSE(QueryString::fromTarget("/AxInfoStruct").value("SQL"));
}

TEST(Query, DecodesEscapedBytesAndKeepsRawOnes)
{
    EXPECT_EQ(percentDecode("%27O%27%27Neil%27%0D%0A%E9"), "'O''Neil'\r\n\xE9");
    EXPECT_EQ(percentDecode("caf\xE9 100%"), "caf\xE9 100%");
    EXPECT_EQ(percentDecode("%2"), "%2");
}

} // namespace
