#include <gtest/gtest.h>

#include <random>

#include "app/DayDate.h"
#include "editing/Statements.h"
#include "server/HttpFlow.h"

namespace {

// What the server makes of the query: "%XX" decoded, nothing else.
std::string decodePercent(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && isxdigit(text[i + 1]) &&
            isxdigit(text[i + 2])) {
            out += char(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

TsDesc field(const char* name, const char* org, const char* value, int type)
{
    TsDesc d;
    d.FieldName = name;
    d.OrgValue = org;
    d.Value = value;
    d.InfoType = type;
    return d;
}

// Fields whose Width is 0 stand for fields without a control in these tests.
bool hasControl(const TsDesc& d)
{
    return d.Width != 0;
}

PageStatementContext update(const char* table, int slot, const char* kind)
{
    PageStatementContext context;
    context.table = table;
    context.slot = slot;
    context.kindCaption = kind;
    return context;
}

TsDesc bound(TsDesc d)
{
    d.Width = 80;
    return d;
}

} // namespace

TEST(Statements, Literals)
{
    EXPECT_EQ(SqlText("  Dupont & Fils  "), "'Dupont %26 Fils'");
    EXPECT_EQ(SqlText("O'Neil"), "'O''Neil'");
    EXPECT_EQ(SqlText("a\r\nb"), "'a%0D%0Ab'");
    EXPECT_EQ(SqlText(""), "''");
    EXPECT_EQ(SqlText("\"<x>\""), "'%22%3Cx%3E%22'");
    EXPECT_EQ(SqlText("50%27 + 1"), "'50%2527 %2B 1'");
    EXPECT_EQ(SqlText("a\rb\nc"), "'a%0Db%0Ac'");
    EXPECT_EQ(SqlText("\t x \r\n"), "'x'");
    EXPECT_EQ(SqlText("\xe9t\xe9"), "'\xe9t\xe9'");
    EXPECT_EQ(SqlNumber(" 12,5 "), "12.5");
    EXPECT_EQ(SqlDate("15/03/2007"), "#03/15/2007#");
    EXPECT_EQ(SqlDate("32/13/2007"), "NULL");
    EXPECT_EQ(SqlDate(""), "NULL");
    EXPECT_EQ(SqlDate("__/__/____"), "NULL");
}

TEST(StatementsProperty, TextLiteralDecodesToOneQuotedStringOfTheTrimmedText)
{
    std::mt19937 random(42);
    const std::string alphabet = std::string("ab '\"&<>%+#=;,()[]\r\n\t\x01\x7f\xe9\xff-_", 29);
    for (int run = 0; run < 20000; ++run) {
        std::string text;
        for (int n = std::uniform_int_distribution<int>(0, 16)(random); n > 0; --n)
            text += alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)];
        // As it travels: inside the query of a GET, blanks and "#" escaped by the request.
        const std::string sent = escapeUrl(SqlText(text));
        ASSERT_EQ(sent.find_first_of("&+ #\r\n\t"), std::string::npos) << text;
        const std::string received = decodePercent(sent);
        size_t begin = 0, end = text.size();
        while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ')
            ++begin;
        while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ')
            --end;
        std::string quoted = "'";
        for (char c : text.substr(begin, end - begin))
            quoted += c == '\'' ? std::string("''") : std::string(1, c);
        quoted += "'";
        ASSERT_EQ(received, quoted) << text;
    }
}

TEST(Statements, ValueLiteralsAndKeyConditions)
{
    EXPECT_EQ(valueLiteral("", 2), "NULL");
    EXPECT_EQ(valueLiteral("", 5), "NULL");
    EXPECT_EQ(valueLiteral("15/03/2007", 1), "#03/15/2007#");
    EXPECT_EQ(valueLiteral("abc", 1), "NULL");
    EXPECT_EQ(valueLiteral("x", 2), "'x'");
    EXPECT_EQ(valueLiteral("12,5", 5), "12.5");
    EXPECT_EQ(valueLiteral("True", 3), "True");
    EXPECT_EQ(valueLiteral("42", 4), "42");
    EXPECT_EQ(keyCondition("idVO", "", 4), "isNull(idVO)");
    EXPECT_EQ(keyCondition("idVO", "123", 4), "idVO=123");
    EXPECT_EQ(keyCondition("Ref", "A'B", 2), "Ref='A''B'");
    EXPECT_EQ(keyCondition("D", "15/03/2007", 1), "D=#03/15/2007#");
    EXPECT_EQ(tableReference("tVO - Frevo"), "[tVO - Frevo]");
    EXPECT_EQ(tableReference("tVehicles"), "tVehicles");
}

TEST(Statements, UpdateOfAnExistingVehicle)
{
    const std::vector<TsDesc> fields = {field("idVO", "123", "123", 4),
                                        bound(field("PrixVente", "1000.00", "1200.50", 5)),
                                        bound(field("KMS", "1000", "1000", 4)),
                                        bound(field("Commentaires", "", "Peinture d'origine", 2))};
    const PageChanges changes = pageChanges(fields, hasControl);
    const PageStatementContext context = update("tVehicles", 1, "VO");
    EXPECT_EQ(pageStatement(changes, context),
              "Update tVehicles set PrixVente=1200.50,Commentaires='Peinture d''origine' where "
              "(idVO=123)");
}

TEST(Statements, InsertOfANewUsedVehicle)
{
    const std::vector<TsDesc> fields = {field("idVO", "", "", 4),
                                        bound(field("InfoMarque", "", "RENAULT", 2)),
                                        bound(field("PrixVente", "", "1200.50", 5))};
    PageStatementContext context{"tVehicles", 1, true, "VO", "1", 0, "", "42", "GARAGE"};
    EXPECT_EQ(pageStatement(pageChanges(fields, hasControl), context),
              "Insert into tVehicles (InfoMarque,PrixVente, idTVO, TypeVO, idVO, idOwner, "
              "Concession) Values ('RENAULT',1200.50, :NewID, 1, :NewIDbis,42, 'GARAGE')");
    // Without TypeVO in the document, the requested type, or 1.
    context.typeVO.clear();
    context.idTypeVO = 3;
    EXPECT_NE(pageStatement(pageChanges(fields, hasControl), context).find(":NewID, 3, :NewIDbis"),
              std::string::npos);
    context.idTypeVO = 0;
    EXPECT_NE(pageStatement(pageChanges(fields, hasControl), context).find(":NewID, 1, :NewIDbis"),
              std::string::npos);
}

TEST(Statements, InsertOfANewClientAndOfAClientVehicle)
{
    const std::vector<TsDesc> client = {field("idClient", "", "", 4),
                                        bound(field("CliNom", "", "DUPONT", 2)),
                                        bound(field("CliPrenom", "", "JEAN", 2))};
    PageStatementContext context{"tClients", 7,    true, "CL",     "",
                                 0,          "-1", "42", "GARAGE", parseDate("15/03/2007")};
    EXPECT_EQ(
        pageStatement(pageChanges(client, hasControl), context),
        "Insert into tClients (CliNom,CliPrenom, idClient, DateCreation, idOwner, Concession) "
        "Values ('DUPONT','JEAN', :NewID, #03/15/2007#,42, 'GARAGE')");
    const std::vector<TsDesc> vehicle = {field("idTVO", "", "", 4),
                                         bound(field("InfoMarque", "", "PEUGEOT", 2))};
    PageStatementContext v{"TVehiclesOstrel", 8, true, "CL", "", 0, "55", "42", "GARAGE"};
    EXPECT_EQ(pageStatement(pageChanges(vehicle, hasControl), v),
              "Insert into TVehiclesOstrel (InfoMarque, idClient, idTVO, NVO, idOwner, Concession) "
              "Values ('PEUGEOT',55, :NewID, :NewIDbis,42, 'GARAGE')");
}

TEST(Statements, WhatCountsAsAChange)
{
    TsDesc fdm = bound(field("FrevoTotFDM", "1", "2", 5));
    TsDesc emptiedCost = bound(field("FrevoFixe", "0.00", "", 5));
    TsDesc changedCost = bound(field("FrevoFixe", "12.00", "", 5));
    TsDesc readOnly = bound(field("Prix", "1", "2", 5));
    readOnly.Rights = ";readonly;";
    TsDesc borrowed = bound(field("Prix", "1", "2", 5));
    borrowed.SourceName = "PrixTTC";
    TsDesc unchanged = bound(field("Nom", "a", "a", 2));
    TsDesc emptied = bound(field("Nom", "a", "", 2));
    // A field without control after the first bound one is not a key.
    const std::vector<TsDesc> fields = {field("k1", "1", "1", 4),
                                        field("k2", "", "", 2),
                                        fdm,
                                        emptiedCost,
                                        changedCost,
                                        readOnly,
                                        borrowed,
                                        unchanged,
                                        field("late", "1", "2", 4),
                                        emptied};
    const PageChanges changes = pageChanges(fields, hasControl);
    ASSERT_EQ(changes.keys.size(), 2u);
    ASSERT_EQ(changes.changed.size(), 2u);
    EXPECT_EQ(changes.changed[0], &fields[4]);
    EXPECT_EQ(changes.changed[1], &fields[9]);
    EXPECT_EQ(pageStatement(changes, update("tVehicles", 1, "VO")),
              "Update tVehicles set FrevoFixe=NULL,Nom=NULL where (k1=1) and (isNull(k2))");
    EXPECT_EQ(pageStatement(pageChanges({field("k", "1", "1", 4), unchanged}, hasControl),
                            update("tVehicles", 1, "VO")),
              "");
}

TEST(Statements, UnkeyedUpdateIsRecognised)
{
    const std::vector<TsDesc> fields = {bound(field("Nom", "a", "b", 2))};
    const std::string statement =
        pageStatement(pageChanges(fields, hasControl), update("tClients", 7, "CL"));
    EXPECT_EQ(statement, "Update tClients set Nom='b' where ");
    EXPECT_TRUE(isUnkeyedUpdate(statement));
    EXPECT_FALSE(isUnkeyedUpdate("Update tClients set Nom='b' where (idClient=1)"));
    EXPECT_FALSE(isUnkeyedUpdate("Insert into t (a) Values (' where ')"));
}
