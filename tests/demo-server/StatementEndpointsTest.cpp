// The statements the client composes, sent as the client sends them (AxQuery, AxUpdate, AxInsert
// through its own request code) and their effect read back from the record documents.
#include <gtest/gtest.h>

#include "server/Endpoints.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/demo-server/DemoServerProcess.h"

namespace {

class Statements : public testing::Test {
protected:
    // A change; the warning label's text (empty when it succeeded).
    std::string update(const std::string& statement)
    {
        reply = session.fetch(endpoint::update(server.baseUrl(), cp1252(statement)));
        return utf8(session.lastWarning());
    }
    std::string insert(const std::string& statement)
    {
        reply = session.fetch(endpoint::insert(server.baseUrl(), cp1252(statement)));
        return utf8(session.lastWarning());
    }
    // The key that replaced ":NewID", as the saving reads it.
    std::string newId() const
    {
        TXml cursor = reply;
        XmlFind(cursor, "OutParams");
        return valueOf(cursor, "NewID");
    }
    TXml query(const std::string& statement, int maxRows = -1)
    {
        const std::string sql = cp1252(statement);
        return session.fetch(maxRows < 0 ? endpoint::queryCount(server.baseUrl(), sql)
                                         : endpoint::querySearch(server.baseUrl(), sql, maxRows));
    }
    // The values of one column of every row of a query.
    std::vector<std::string> column(const std::string& statement, const char* name)
    {
        TXml cursor = query(statement);
        EXPECT_EQ(session.lastWarning(), "") << statement;
        XmlFind(cursor, "AXQueryS");
        std::vector<std::string> values;
        while (XmlNext(cursor, "AXQuery") > 0)
            values.push_back(utf8(valueOf(cursor, name)));
        return values;
    }
    std::string vehicleField(const std::string& idTVO, const char* name)
    {
        TXml doc = session.fetch(endpoint::infoVO(server.baseUrl(), idTVO, "1000001"));
        XmlFind(doc, "tVO");
        return utf8(valueOf(doc, name));
    }
    std::string clientField(const std::string& idClient, const char* name)
    {
        TXml doc = session.fetch(endpoint::infoCL(server.baseUrl(), "1000001"), idClient);
        XmlFind(doc, "TVC");
        return utf8(valueOf(doc, name));
    }
    int count(const std::string& table, const std::string& condition)
    {
        const auto values =
            column("SELECT COUNT(*) AS n FROM " + table + " WHERE " + condition, "n");
        return values.empty() ? -1 : std::stoi(values.front());
    }

    DemoServerProcess server;
    ClientSession session;
    TXml reply;
};

TEST_F(Statements, SearchRepliesCountTheirRowsAndSayWhenTheyWereCut)
{
    const std::string clients =
        "SELECT -1 AS TypeVO, idClient AS VO_ID, idClient AS VO_NO, CliMobile, [CliCP], "
        "[CliVille], [CliAdresse1], [CliAdresse2], [CliNom], [CliPrenom], CliTelDom, Site AS "
        "VO_SITE, Concession, idOwner FROM TClients Where (Concession='BRESMAN') and ((CliNom "
        "like '%25DUP%25')) ORDER BY CliNom, CliPreNom, idClient desc";
    const int found = count("TClients", "Concession='BRESMAN' AND CliNom LIKE '%25DUP%25'");
    ASSERT_GE(found, 3);
    const std::string all = std::to_string(found);
    // Exactly as many rows as the limit is not a cut reply.
    for (const auto& [maxRows, rows, eof] : std::vector<std::tuple<int, std::string, std::string>>{
             {50, all, "1"}, {found, all, "1"}, {found - 1, std::to_string(found - 1), "0"}}) {
        TXml doc = query(clients, maxRows);
        EXPECT_EQ(session.lastWarning(), "");
        std::string rowCount, end;
        XmlAttr(doc, "RowCount", rowCount);
        XmlAttr(doc, "EOF", end);
        EXPECT_EQ(rowCount, rows) << maxRows;
        EXPECT_EQ(end, eof) << maxRows;
        XmlFind(doc, "AXQueryS");
        ASSERT_GT(XmlNext(doc, "AXQuery"), 0);
        EXPECT_EQ(valueOf(doc, "CliNom").substr(0, 3), "DUP");
        EXPECT_EQ(valueOf(doc, "TypeVO"), "-1");
        EXPECT_EQ(valueOf(doc, "Concession"), "BRESMAN");
        EXPECT_FALSE(valueOf(doc, "VO_SITE").empty());
    }
    TXml none = query("SELECT idClient AS VO_ID FROM TClients Where (Concession='BRESMAN') and "
                      "((false))",
                      50);
    std::string rowCount, end;
    XmlAttr(none, "RowCount", rowCount);
    XmlAttr(none, "EOF", end);
    EXPECT_EQ(rowCount, "0");
    EXPECT_EQ(end, "1");
}

TEST_F(Statements, VehicleSearchesOfEveryType)
{
    const std::string columns =
        "TypeVO, idTVO as VO_ID, StatutVD, NVO as VO_NO, Immatriculation AS VO_IMMAT, "
        "[InfoMarque], [InfoModele], InfoVersion AS VO_VERSION, Acheteur AS VO_BUYER, DateOrdre "
        "AS VO_ORDRE, ";
    const std::string from = " AS VO_Result, Site as VO_SITE, Concession, idOwner FROM TVehicles "
                             "Where (Concession='BRESMAN') and (";
    // Registration, buyer and stock number, with the site and vehicle-type filters.
    EXPECT_EQ(column("SELECT " + columns + "Immatriculation" + from +
                         "(Immatriculation like '%25FG528%25')) ORDER BY Immatriculation, "
                         "DateOrdre desc",
                     "VO_ID"),
              (std::vector<std::string>{"1001"}));
    EXPECT_EQ(column("SELECT " + columns + "Acheteur" + from +
                         "(SITE='CHARTRES') and (TypeVO=1) and (Acheteur like '%25DUPONT "
                         "Jean%25')) ORDER BY Acheteur, DateOrdre desc",
                     "VO_ORDRE")
                  .front(),
              "20/11/2026");
    const auto demo = column("SELECT " + columns + "NVO" + from +
                                 "(TypeVO=2) and (not isnull(StatutVD)) and (NVO>=25001)) ORDER BY "
                                 "NVO, DateOrdre desc",
                             "StatutVD");
    EXPECT_GE(demo.size(), 40u);
    EXPECT_FALSE(demo.front().empty());
    const auto fresh = column("SELECT " + columns + "NVO" + from +
                                  "(TypeVO=2) and (isnull(StatutVD)) and (NVO>=26001)) ORDER BY "
                                  "NVO, DateOrdre desc",
                              "VO_NO");
    EXPECT_GE(fresh.size(), 40u);
    EXPECT_EQ(fresh.front(), "26001");
    // Vehicles of the clients.
    EXPECT_FALSE(column("SELECT TypeVO, idClient as VO_ID, NVO as VO_NO, Immatriculation AS "
                        "VO_IMMAT, [InfoMarque], [InfoModele], InfoVersion AS VO_VERSION, Acheteur "
                        "AS VO_BUYER, DateOrdre AS VO_ORDRE, Immatriculation AS VO_Result, Site "
                        "as VO_SITE, Concession, idOwner FROM TVehiclesOstrel Where "
                        "(Concession='BRESMAN') and ((Immatriculation like '%25%25')) ORDER BY "
                        "Immatriculation, DateOrdre desc",
                        "VO_BUYER")
                     .empty());
}

TEST_F(Statements, ExactSearchesAndDuplicateCounts)
{
    EXPECT_EQ(column("SELECT idClient AS VO_ID FROM TClients Where (Concession='BRESMAN') and "
                     "((CliNom = 'DUPONT') and (CliPreNom = 'JEAN')) ORDER BY CliNom",
                     "VO_ID")
                  .size(),
              3u);
    // Several clients share a surname, a surname and a first name, a mobile or home number:
    // each count statement counts them all.
    const std::pair<std::string, std::string> counts[] = {
        {"group by CliNom having (CliNom='MARTIN')", "CliNom='MARTIN'"},
        {"group by CliNom, CliPrenom having (CliNom='DUPONT') and (CliPreNom='JEAN')",
         "CliNom='DUPONT' AND CliPrenom='Jean'"},
        {"group by CliMobile having (CliMobile='" +
             column("SELECT CliMobile FROM tClients WHERE "
                    "idClient=2017",
                    "CliMobile")
                 .front() +
             "')",
         "idClient IN (2002, 2017)"},
    };
    for (const auto& [grouping, same] : counts) {
        const int expected = count("tClients", same);
        EXPECT_GE(expected, 2) << same;
        EXPECT_EQ(column("select count(idClient) as cpt from tClients " + grouping, "cpt"),
                  (std::vector<std::string>{std::to_string(expected)}))
            << grouping;
    }
    // No client with that value: no row, so the count box reads nothing.
    TXml none = query("select count(idClient) as cpt from tClients group by CliTelDom having "
                      "(CliTelDom='0000000000')");
    XmlFind(none, "AXQuery");
    std::string cpt = "unchanged";
    XmlValue(none, "cpt", cpt);
    EXPECT_EQ(cpt, "unchanged");
}

TEST_F(Statements, PageUpdateChangesTheRecord)
{
    EXPECT_EQ(update("Update tVehicles set PrixVente=1200.50,Commentaires='Peinture d''origine' "
                     "where (idVO=5001)"),
              "");
    EXPECT_EQ(vehicleField("1001", "PrixVente"), "1200.50");
    EXPECT_EQ(vehicleField("1001", "Commentaires"), "Peinture d'origine");
    EXPECT_EQ(update("Update tVehicles set DateLivraison=#12/24/2026#,FlagEligible=True,"
                     "Acheteur=NULL where (idVO=5001)"),
              "");
    EXPECT_EQ(vehicleField("1001", "DateLivraison"), "24/12/2026");
    EXPECT_EQ(vehicleField("1001", "FlagEligible"), "True");
    EXPECT_EQ(vehicleField("1001", "Acheteur"), "");
    // A key condition on an empty key: isNull(name), which matches no record.
    EXPECT_EQ(update("Update tVehicles set KMS=1 where (isNull(idVO))"), "");
    TXml result = reply;
    XmlFind(result, "Result");
    EXPECT_EQ(valueOf(result, "RowsAffected"), "0");
}

TEST_F(Statements, InsertsReturnTheirKeys)
{
    EXPECT_EQ(insert("Insert into tVehicles (InfoMarque,PrixVente, idTVO, TypeVO, idVO, idOwner, "
                     "Concession) Values ('RENAULT',1200.50, :NewID, 1, :NewIDbis,42, 'GARAGE')"),
              "");
    const std::string vehicle = newId();
    EXPECT_EQ(vehicle, "1246");
    EXPECT_EQ(vehicleField(vehicle, "InfoMarque"), "RENAULT");
    EXPECT_EQ(vehicleField(vehicle, "idVO"), "5246");
    EXPECT_EQ(vehicleField(vehicle, "Concession"), "GARAGE");

    EXPECT_EQ(insert("Insert into tClients (CliNom,CliPrenom, idClient, DateCreation, idOwner, "
                     "Concession) Values ('DUPONT','JEAN', :NewID, #03/15/2007#,42, 'GARAGE')"),
              "");
    const std::string client = newId();
    EXPECT_EQ(clientField(client, "CliNom"), "DUPONT");
    EXPECT_EQ(clientField(client, "DateCreation"), "15/03/2007");

    // A vehicle of a client: its own key and number.
    EXPECT_EQ(insert("Insert into TVehiclesOstrel (InfoMarque,InfoModele, idClient, idTVO, NVO, "
                     "idOwner, Concession) Values ('VW','GOLF',2001, :NewID, :NewIDbis,1000001, "
                     "'BRESMAN')"),
              "");
    TXml keys = reply;
    XmlFind(keys, "OutParams");
    EXPECT_FALSE(valueOf(keys, "NewIDbis").empty());
    EXPECT_EQ(count("TVehiclesOstrel", "idTVO=" + newId() + " AND idClient=2001"), 1);
}

TEST_F(Statements, CostLinesAndFixedFee)
{
    EXPECT_EQ(update("Update [tVO - Frevo] set MontantHT=150.00 where (idFrevo=9001)"), "");
    EXPECT_EQ(column("SELECT MontantHT FROM [tVO - Frevo] WHERE idFrevo=9001", "MontantHT"),
              (std::vector<std::string>{"150.00"}));
    EXPECT_EQ(insert("Insert into [tVO - Frevo] (DateFrevo,TypeFrevo, idVO, idFrevo ) Values "
                     "(#06/23/2009#,'interne', 5001, :NewID)"),
              "");
    const std::string line = newId();
    EXPECT_EQ(column("SELECT DateFrevo FROM [tVO - Frevo] WHERE idFrevo=" + line, "DateFrevo"),
              (std::vector<std::string>{"23/06/2009"}));
    EXPECT_EQ(update("Delete * from [tVO - Frevo] where (idFrevo=" + line + ")"), "");
    EXPECT_EQ(count("[tVO - Frevo]", "idFrevo=" + line), 0);
    const int fees = count("[tVO - Frevo]", "idVO=5002 AND TypeFrevo='FIXE'");
    EXPECT_EQ(insert("Insert into [tVO - Frevo] (DateFrevo, TypeFrevo, MontantHT, idVO, idFrevo ) "
                     "Values (#12/09/2026#,'fixe', 180.00, 5002, :NewID) "),
              "");
    EXPECT_EQ(count("[tVO - Frevo]", "idVO=5002 AND TypeFrevo='FIXE'"), fees + 1);
}

TEST_F(Statements, FollowUpActionsAndClientVehicles)
{
    EXPECT_EQ(insert("Insert into tActions (DateAction,idCom,TypeAction,SujetAction,"
                     "CommentaireAction,DateRelance,idComRelance,SujetRelance,PrioriteRelance, "
                     "idClient, idAction ) Values (#12/01/2026#,101,3,2,'Rappeler après l''essai',"
                     "#12/15/2026#,101,2,1, 2001, :NewID)"),
              "");
    const std::string action = newId();
    EXPECT_EQ(update("Update tActions set TypeAction=4 where (idAction=" + action + ")"), "");
    EXPECT_EQ(column("SELECT TypeAction, CommentaireAction FROM tActions WHERE idAction=" + action,
                     "CommentaireAction"),
              (std::vector<std::string>{"Rappeler après l'essai"}));
    EXPECT_EQ(update("Delete * from tActions where (idAction=" + action + ")"), "");
    EXPECT_EQ(count("tActions", "idAction=" + action), 0);

    EXPECT_EQ(update("Update TVehiclesOstrel set KMS=61000 where (idtVO=70001)"), "");
    EXPECT_EQ(update("Delete * From tVehiclesOstrel where idTVo=70001"), "");
    EXPECT_EQ(count("TVehiclesOstrel", "idTVO=70001"), 0);
}

TEST_F(Statements, ListMaintenanceChangesTheListsDocument)
{
    auto listed = [&](const char* container, const char* item, const char* child,
                      const std::string& value) {
        TXml doc = session.fetch(endpoint::infoEquip(server.baseUrl(), "BRESMAN"));
        XmlFind(doc, container);
        while (XmlNext(doc, item) > 0) {
            if (utf8(valueOf(doc, child)) == value)
                return true;
        }
        return false;
    };
    struct Maintenance {
        const char* add;
        const char* remove;
        const char* container;
        const char* item;
        const char* child;
        const char* value;
    };
    const Maintenance cases[] = {
        {"Insert into ListRubrics (RubricType, RubricIndex, RubricItem, RubricText) Values "
         "('CliProfession', 0, '..' ,'INTERMITTENT')",
         "Delete * From ListRubrics where RubricType='CliProfession' and RubricText='INTERMITTENT'",
         "ParsS", "Pars", "text", "INTERMITTENT"},
        {"Insert into ListModels (VMarque, VModele) Values ('PEUGEOT', '408')",
         "Delete * From ListModels where VMarque='PEUGEOT' and VModele='408'", "ModelsS", "Models",
         "vModel", "408"},
        {"Insert into ListVersions (VMarque, VModele, VVersion, VConcession) Values ('VW', "
         "'GOLF', 'BLACK EDITION', 'BRESMAN')",
         "Delete * From ListVersions where VMarque='VW' and VModele='GOLF' and VVersion='BLACK "
         "EDITION' and VConcession='BRESMAN'",
         "VNVersionsS", "VNVersions", "vnVers", "BLACK EDITION"},
    };
    for (const Maintenance& c : cases) {
        EXPECT_EQ(update(c.add), "") << c.add;
        EXPECT_TRUE(listed(c.container, c.item, c.child, c.value)) << c.value;
        EXPECT_EQ(update(c.remove), "") << c.remove;
        EXPECT_FALSE(listed(c.container, c.item, c.child, c.value)) << c.value;
    }
}

TEST_F(Statements, RecordDeletionsAndTheSweep)
{
    for (const char* statement : {"Delete * From [tVO - Liens Images] where idVO=5002",
                                  "Delete * From [tVO - Frevo] where idVO=5002",
                                  "Delete * From [tVehicles] where idVO=5002"})
        EXPECT_EQ(update(statement), "") << statement;
    EXPECT_EQ(vehicleField("1002", "idVO"), "");
    EXPECT_EQ(count("[tVO - Frevo]", "idVO=5002"), 0);
    EXPECT_EQ(update("Delete * From [tClients] where idClient=2005"), "");
    EXPECT_EQ(clientField("2005", "idClient"), "");

    // The sweep, with its final ";": cancelled orders without buyer only.
    EXPECT_EQ(update("DELETE * FROM tVehicles WHERE (((TypeVO)=2) AND ((Acheteur) Is Null) AND "
                     "((DateAnnulation) Is Not Null));"),
              "");
    TXml result = reply;
    XmlFind(result, "Result");
    EXPECT_EQ(valueOf(result, "RowsAffected"), "3");
    EXPECT_EQ(count("tVehicles", "TypeVO=2 AND DateAnnulation IS NOT NULL"), 1);
}

TEST_F(Statements, PhotoNamesAndLinks)
{
    // The default photo of the vehicle, as the photo page sets and clears it.
    const std::pair<const char*, const char*> defaults[] = {
        {"Update tVehicles set NomImage='B0005001-02' where idVO=5001", "B0005001-02"},
        {"Update tVehicles set NomImage=NULL where idVO=5001", ""},
    };
    for (const auto& [statement, shown] : defaults) {
        EXPECT_EQ(update(statement), "") << statement;
        EXPECT_EQ(vehicleField("1001", "NomImage"), shown) << statement;
    }
    EXPECT_EQ(update("Delete * From [tVO - Liens Images] where idVO=5001 and "
                     "NomImage='B0005001-03'"),
              "");
    EXPECT_EQ(count("[tVO - Liens Images]", "idVO=5001"), 2);
    EXPECT_EQ(insert("INSERT INTO [tVO - Liens Images] (idImage, idVO, NumImage, NomImage, "
                     "DateImage) VALUES (:NewID, 5001, 4, 'B0005001-04', '2026-12-09 10:22:31')"),
              "");
    EXPECT_EQ(
        column("SELECT DateImage FROM [tVO - Liens Images] WHERE idImage=" + newId(), "DateImage"),
        (std::vector<std::string>{"2026-12-09 10:22:31"}));
}

TEST_F(Statements, SavedTextsComeBackUnchanged)
{
    // What the client's text literal makes of the text: & < > " escaped in the URL, quotes
    // doubled, line breaks as %0D%0A, "+", "%" and accented letters as they are.
    const std::string typed =
        "Remise 10 % + reprise \"Argus\" & <frais>\r\nÉlodie à Évreux, ça va ?";
    const std::string literal = "'Remise 10 % + reprise %22Argus%22 %26 %3Cfrais%3E%0D%0AÉlodie à "
                                "Évreux, ça va ?'";
    EXPECT_EQ(update("Update tClients set CliObservations=" + literal + " where (idClient=2001)"),
              "");
    TXml doc = session.fetch(endpoint::infoCL(server.baseUrl(), "1000001"), "2001");
    XmlFind(doc, "TVC");
    EXPECT_EQ(utf8(XmlUnescape(valueOf(doc, "CliObservations"), true)), typed);
}

TEST_F(Statements, RefusedStatementsChangeNothing)
{
    const std::string before = vehicleField("1001", "KMS");
    struct Case {
        std::string statement;
        const char* messagePart;
    };
    const Case cases[] = {
        {"Update tUsers set Name_='PIRATE' where idUser=1000001", "tUsers"},
        {"Update tVehicles set Acheteur=(select Name_ from tUsers where idUser=1000001) where "
         "idVO=5001",
         "tUsers"},
        {"Update tVehicles set KMS=1 where idVO=5001; Delete * From tClients where idClient=2001",
         "une seule instruction"},
        {"Update tVehicles set KMS=1", "clause WHERE"},
        {"Delete * From tVehicles", "clause WHERE"},
    };
    for (const Case& c : cases) {
        const std::string warning = update(c.statement);
        EXPECT_NE(warning.find(c.messagePart), std::string::npos)
            << c.statement << " -> " << warning;
        EXPECT_NE(warning.find(" - "), std::string::npos) << "a log item: " << warning;
    }
    EXPECT_EQ(vehicleField("1001", "KMS"), before);
    EXPECT_EQ(clientField("2001", "idClient"), "2001");
    TXml doc = session.fetch(endpoint::infoVO(server.baseUrl(), "1001", "1000001"));
    XmlFind(doc, "User");
    EXPECT_EQ(valueOf(doc, "Name_"), "MARTIN Sophie");
    EXPECT_EQ(count("tVehicles", "1=1"), 134);

    for (const char* read : {"SELECT * FROM tUsers", "SELECT name FROM sqlite_master",
                             "SELECT * FROM tVehicles; SELECT 1"}) {
        query(read, 10);
        EXPECT_NE(session.lastWarning(), "") << read;
    }
    // A final ";" is accepted.
    EXPECT_EQ(update("Update tVehicles set KMS=15000 where idVO=5001;"), "");
    EXPECT_EQ(vehicleField("1001", "KMS"), "15000");
}

TEST_F(Statements, DatabaseErrorsArriveAsFrenchLogItems)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Update tVehicles set Kilometrage=1 where idVO=5001", "colonne inconnue « Kilometrage »"},
        {"Update tVehicles set KMS= where idVO=5001", "erreur de syntaxe"},
        {"Update tVehicles set KMS=1 where ", "instruction incomplète"},
        {"Insert into tVehicles (idTVO, idVO) Values (1001, :NewID)", "valeur déjà enregistrée"},
    };
    for (const auto& [statement, part] : cases) {
        const std::string warning = update(statement);
        EXPECT_NE(warning.find("Erreur de la base de données"), std::string::npos) << warning;
        EXPECT_NE(warning.find(part), std::string::npos) << warning;
    }
    reply = session.fetch(server.baseUrl() + "AxUpdate?XMLC_OutputFormat=XML");
    EXPECT_NE(utf8(session.lastWarning()).find("SQLExecute absent"), std::string::npos);
}

// The statements the client composes, written exactly as it writes them (with their sample keys,
// which may name no row): each is accepted and runs without a log item.
TEST_F(Statements, TheClientsStatementFormsRunAsWritten)
{
    const char* changes[] = {
        "Update tVehicles set PrixVente=1200.50,Commentaires='Peinture d''origine' where "
        "(idVO=123)",
        "Delete * From ListRubrics where RubricType='CliProfession' and RubricText='CHOMEUR'",
        "Insert into ListRubrics (RubricType, RubricIndex, RubricItem, RubricText) Values "
        "('CliProfession', 0, '..' ,'CHOMEUR')",
        "Delete * From ListModels where VMarque='RENAULT' and VModele='CLIO'",
        "Insert into ListModels (VMarque, VModele) Values ('RENAULT', 'CLIO')",
        "Delete * From ListVersions where VMarque='VW' and VModele='GOLF' and VVersion='LIFE' and "
        "VConcession='BRESMAN'",
        "Insert into ListVersions (VMarque, VModele, VVersion, VConcession) Values ('VW', 'GOLF', "
        "'LIFE', 'BRESMAN')",
        "Delete * From [tVO - Liens Images] where idVO=1234",
        "Delete * From [tVO - Frevo] where idVO=1234",
        "Delete * From [tVehicles] where idVO=1234",
        "Delete * From [tClients] where idClient=1234",
        "DELETE * FROM tVehicles WHERE (((TypeVO)=2) AND ((Acheteur) Is Null) AND "
        "((DateAnnulation) Is Not Null));",
        "Update [tVO - Frevo] set MontantHT=150.00 where (idFrevo=7)",
        "Delete * from [tVO - Frevo] where (idFrevo=7)",
        "Update tActions set CommentaireAction='Rappel' where (idAction=7)",
        "Delete * from tActions where (idAction=7)",
        "Delete * From tVehiclesOstrel where idTVo=70002",
        "Update tVehicles set NomImage='B0001234-03' where idVO=1234",
        "Update tVehicles set NomImage=NULL where idVO=1234",
        "Delete * From [tVO - Liens Images] where idVO=1234 and NomImage='B0001234-03'",
    };
    for (const char* statement : changes)
        EXPECT_EQ(update(statement), "") << statement;

    const char* inserts[] = {
        "Insert into tVehicles (InfoMarque,PrixVente, idTVO, TypeVO, idVO, idOwner, Concession) "
        "Values ('RENAULT',1200.50, :NewID, 1, :NewIDbis,42, 'GARAGE')",
        "Insert into tClients (CliNom,CliPrenom, idClient, DateCreation, idOwner, Concession) "
        "Values ('DUPONT','JEAN', :NewID, #03/15/2007#,42, 'GARAGE')",
        "Insert into [tVO - Frevo] (DateFrevo,TypeFrevo, idVO, idFrevo ) Values "
        "(#06/23/2009#,'interne', 5521, :NewID)",
        "Insert into [tVO - Frevo] (DateFrevo, TypeFrevo, MontantHT, idVO, idFrevo ) Values "
        "(#06/23/2009#,'fixe', 150.00, 5521, :NewID) ",
        "Insert into tActions (DateAction,CommentaireAction, idClient, idAction ) Values "
        "(#05/20/2010#,'Premier contact', 2001, :NewID)",
        "Insert into TVehiclesOstrel (InfoMarque,InfoModele, idClient, idTVO, NVO, idOwner, "
        "Concession) Values ('RENAULT','CLIO',2001, :NewID, :NewIDbis,42, 'GARAGE')",
        "INSERT INTO [tVO - Liens Images] (idImage, idVO, NumImage, NomImage, DateImage) VALUES "
        "(:NewID, 1234, 3, 'B0001234-03', '2008-05-14 10:22:31')",
    };
    for (const char* statement : inserts) {
        EXPECT_EQ(insert(statement), "") << statement;
        EXPECT_FALSE(newId().empty()) << statement;
    }

    const char* reads[] = {
        "SELECT -1 AS TypeVO, idClient AS VO_ID, idClient AS VO_NO, CliMobile, [CliCP], "
        "[CliVille], [CliAdresse1], [CliAdresse2], [CliNom], [CliPrenom], CliTelDom, Site AS "
        "VO_SITE, Concession, idOwner FROM TClients Where (Concession='C1') and ((CliNom like "
        "'%25DUP%25')) ORDER BY CliNom, CliPreNom, idClient desc",
        "select count(idClient) as cpt from tClients group by CliNom having (CliNom='DUPONT')",
        "select count(idClient) as cpt from tClients group by CliNom, CliPrenom having "
        "(CliNom='DUPONT') and (CliPreNom='JEAN')",
    };
    for (const char* statement : reads) {
        query(statement, 50);
        EXPECT_EQ(session.lastWarning(), "") << statement;
    }
}

// Texts compare as in the original database: without regard to case, accented letters included.
TEST_F(Statements, TextsCompareWithoutRegardToCase)
{
    ASSERT_EQ(update("Update tClients set CliNom='LEFÈVRE', CliPrenom='Hélène' where "
                     "(idClient=2003)"),
              "");
    const char* searches[] = {
        "SELECT idClient FROM TClients WHERE (CliNom like '%25lefèvre%25')",
        "SELECT idClient FROM TClients WHERE (CliNom = 'Lefèvre') and (CliPrenom = 'HÉLÈNE')",
        "SELECT idClient FROM TClients WHERE (CliNom like 'LEF_VRE')",
        "SELECT idClient FROM TClients WHERE (CliPrenom like 'h%25')",
    };
    for (const char* search : searches) {
        const auto found = column(search, "idClient");
        EXPECT_NE(std::find(found.begin(), found.end(), "2003"), found.end()) << search;
    }
    // Plain ASCII texts, compared without converting them, answer the same.
    const char* plain[] = {
        "SELECT idClient FROM TClients WHERE (CliNom like '%25upon%25')",
        "SELECT idClient FROM TClients WHERE (CliNom = 'dupont') and (CliPrenom = 'JEAN')",
        "SELECT idClient FROM TClients WHERE (CliNom like 'd_p!%25nt' escape '!') or (CliNom "
        "like 'D_PONT')",
    };
    for (const char* search : plain) {
        const auto found = column(search, "idClient");
        EXPECT_NE(std::find(found.begin(), found.end(), "2001"), found.end()) << search;
    }
    EXPECT_TRUE(
        column("SELECT idClient FROM TClients WHERE (CliNom like 'DUPONTS')", "idClient").empty());
    EXPECT_TRUE(
        column("SELECT idClient FROM TClients WHERE (CliNom like 'LEFEVRE')", "idClient").empty());
    EXPECT_EQ(column("select count(idClient) as cpt from tClients group by CliNom having "
                     "(CliNom='lefèvre')",
                     "cpt")
                  .size(),
              1u);
}

} // namespace
