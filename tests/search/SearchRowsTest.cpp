// The reply of a search read into the cells of the result grid, from crafted replies and from the
// demo server answering the statements.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "search/SearchStatements.h"
#include "server/Endpoints.h"
#include "server/TXml.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/demo-server/DemoServerProcess.h"

namespace {

std::string element(const std::string& name, const std::string& value)
{
    return "<" + name + ">" + value + "</" + name + ">";
}

std::string vehicleRow(const std::string& typeVO, const std::string& statutVD,
                       const std::string& concession, const std::string& site)
{
    return element("TypeVO", typeVO) + element("VO_ID", "1001") + element("StatutVD", statutVD) +
           element("VO_NO", "1234") + element("VO_IMMAT", "AB-123-CD") +
           element("InfoMarque", "PEUGEOT") + element("InfoModele", "308") +
           element("VO_VERSION", "1.2 PureTech") + element("VO_BUYER", "dupont jean") +
           element("VO_ORDRE", "05/03/2025") + element("VO_Result", "AB-123-CD") +
           element("VO_SITE", site) + element("Concession", concession) +
           element("idOwner", "1000001");
}

std::string clientRow(const std::string& address2)
{
    return element("TypeVO", "-1") + element("VO_ID", "2001") + element("VO_NO", "2001") +
           element("CliMobile", "0612345678") + element("CliCP", "28000") +
           element("CliVille", "CHARTRES") + element("CliAdresse1", "2 rue &amp; place") +
           element("CliAdresse2", address2) + element("CliNom", "dupont") +
           element("CliPrenom", "Jean") + element("CliTelDom", "0237000000") +
           element("VO_SITE", "CHARTRES") + element("Concession", "C1") +
           element("idOwner", "1000001");
}

std::string reply(const std::string& rowCount, const std::string& eof,
                  const std::vector<std::string>& rows)
{
    std::string doc =
        "<document>\r\n<AXQueryS RowCount=\"" + rowCount + "\" EOF=\"" + eof + "\">\r\n";
    for (const std::string& row : rows)
        doc += element("AXQuery", row) + "\r\n";
    return doc + "</AXQueryS>\r\n</document>\r\n";
}

} // namespace

TEST(SearchRows, ReferenceOfEachVehicleKind)
{
    struct Case {
        std::string typeVO;
        std::string statutVD;
        int type;
        std::string reference;
    };
    const Case cases[] = {
        {"1", "", 1, "VO-Bx-1234"},  {"2", "", 2, "VN-Bx-1234"}, {"2", "D", 3, "VD-Bx-1234"},
        {"1", "D", 1, "VD-Bx-1234"}, {"9", "", 1, "VD-Bx-1234"}, {"", "", 1, "VD-Bx-1234"},
        {"1", "", 4, "Bx-1234"},     {"2", "D", 4, "Bx-1234"},
    };
    for (const Case& c : cases) {
        const SearchCells cells =
            searchRowCells(vehicleRow(c.typeVO, c.statutVD, "C1", "BORDEAUX"), c.type, "C1", "#");
        EXPECT_EQ(cells[2], c.reference) << c.typeVO << "/" << c.statutVD << " type " << c.type;
    }
    // A site without its letters gives only the number.
    EXPECT_EQ(searchRowCells(vehicleRow("1", "", "C1", ""), 1, "C1", "#")[2], "VO--1234");
    EXPECT_EQ(searchRowCells(vehicleRow("1", "", "C1", "\xC9vreux"), 1, "C1", "#")[2],
              "VO-\xC9x-1234");
}

TEST(SearchRows, PictureOfTheRowByConcessionAndSite)
{
    struct Case {
        std::string concession;
        std::string site;
        std::string userSite;
        std::string image;
    };
    const Case cases[] = {
        {"C2", "DREUX", "#", "2"},
        {"C2", "DREUX", "CHARTRES;DREUX", "2"},
        {"C1", "DREUX", "CHARTRES;DREUX", "4"},
        {"C1", "dreux", "Chartres;Dreux", "4"},
        {"C1", "EVREUX", "CHARTRES;DREUX", "3"},
        {"C1", "EVREUX", "#", "4"},
        {"C1", "", "CHARTRES;DREUX", "3"},
        {"c1", "DREUX", "#", "2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(searchRowCells(vehicleRow("1", "", c.concession, c.site), 1, "C1", c.userSite)[1],
                  c.image)
            << c.concession << " " << c.site << " " << c.userSite;
}

TEST(SearchRows, CellsOfVehicleAndClientRows)
{
    const SearchCells vehicle = searchRowCells(vehicleRow("1", "", "C1", "CHARTRES"), 1, "C1", "#");
    EXPECT_EQ(vehicle, (SearchCells{"1001", "4", "VO-Cs-1234", "05/03/2025", "AB-123-CD",
                                    "PEUGEOT 308", "DUPONT JEAN"}));

    const SearchCells client = searchRowCells(clientRow("bât. B"), 5, "C1", "CHARTRES");
    EXPECT_EQ(client, (SearchCells{"2001", "4", "Cs-2001", "0237000000", "0612345678",
                                   "28000 CHARTRES - 2 rue & place - bât. B", "DUPONT Jean"}));
    const SearchCells noSecondLine = searchRowCells(clientRow(""), 7, "C1", "CHARTRES");
    EXPECT_EQ(noSecondLine[5], "28000 CHARTRES - 2 rue & place");

    // A client's vehicle shows the vehicle columns, without kind prefix.
    const SearchCells owned = searchRowCells(vehicleRow("1", "", "C1", "DREUX"), 4, "C1", "#");
    EXPECT_EQ(owned, (SearchCells{"1001", "4", "Dx-1234", "05/03/2025", "AB-123-CD", "PEUGEOT 308",
                                  "DUPONT JEAN"}));
}

TEST(SearchRows, SummaryAndRowsOfAReply)
{
    struct Case {
        std::string rowCount;
        std::string eof;
        int type;
        std::string label;
        bool more;
    };
    const Case cases[] = {
        {"50", "0", 1, "50 premiers enregistrements", true},
        {"50", "0", 5, "50 premiers enregistrements", true},
        {"50", "0", 3, "50 premiers enregistrements", false},
        {"12", "1", 1, "12 enregistrements trouv\xE9s", false},
        {"0", "1", 7, "0 enregistrements trouv\xE9s", false},
    };
    for (const Case& c : cases) {
        const TXml doc(reply(c.rowCount, c.eof, {}));
        const SearchSummary summary = searchSummary(doc, c.type);
        EXPECT_EQ(summary.label, c.label);
        EXPECT_EQ(summary.more, c.more) << c.rowCount << " " << c.eof << " " << c.type;
        EXPECT_TRUE(searchRows(doc, c.type, "C1", "#").empty());
    }

    const TXml doc(reply("2", "1", {clientRow("A"), clientRow("B")}));
    const std::vector<SearchCells> rows = searchRows(doc, 5, "C1", "#");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][5], "28000 CHARTRES - 2 rue & place - A");
    EXPECT_EQ(rows[1][5], "28000 CHARTRES - 2 rue & place - B");
}

// The statements answered by the demo server (concession BRESMAN of its sample data).
class SearchOnDemoServer : public testing::Test {
protected:
    std::vector<SearchCells> run(SearchRequest r, int maxRows = 50)
    {
        r.concession = "BRESMAN";
        last = session.fetch(
            endpoint::querySearch(server.baseUrl(), BuildSearchStatement(r), maxRows));
        return searchRows(last, r.type, "BRESMAN", "CHARTRES;DREUX;EVREUX");
    }
    static SearchRequest typed(int type, const std::string& text)
    {
        SearchRequest r;
        r.type = type;
        r.text = doubleQuotes(cleanSearchText(text));
        return r;
    }

    DemoServerProcess server;
    ClientSession session;
    TXml last;
};

TEST_F(SearchOnDemoServer, NameSearchesFindTheClients)
{
    const std::vector<SearchCells> contains = run(typed(5, "dup"));
    EXPECT_EQ(session.lastWarning(), "");
    ASSERT_GE(contains.size(), 2u);
    for (const SearchCells& row : contains)
        EXPECT_NE(row[6].find("DUP"), std::string::npos) << row[6];
    EXPECT_EQ(searchSummary(last, 5).label,
              std::to_string(contains.size()) + " enregistrements trouv\xE9s");

    SearchRequest exact = typed(5, "DUPONT");
    exact.exact = true;
    const std::vector<SearchCells> same = run(exact);
    ASSERT_FALSE(same.empty());
    for (const SearchCells& row : same)
        EXPECT_EQ(row[6].substr(0, 7), "DUPONT ") << row[6];
    exact.withFirstName = true;
    exact.firstName = "Jean";
    const std::vector<SearchCells> jean = run(exact);
    ASSERT_FALSE(jean.empty());
    for (const SearchCells& row : jean)
        EXPECT_EQ(row[6], "DUPONT Jean");
    // The first client of the sample data is among them, referred to by its site.
    bool found = false;
    for (const SearchCells& row : jean)
        found = found || (row[0] == "2001" && row[2] == "Cs-2001");
    EXPECT_TRUE(found);
}

TEST_F(SearchOnDemoServer, RowLimitAndFilters)
{
    const std::vector<SearchCells> all = run(typed(1, ""));
    EXPECT_EQ(session.lastWarning(), "");
    EXPECT_EQ(all.size(), 50u);
    EXPECT_EQ(searchSummary(last, 1).label, "50 premiers enregistrements");
    EXPECT_TRUE(searchSummary(last, 1).more);
    // Registrations come in order.
    for (size_t i = 1; i < all.size(); ++i)
        EXPECT_LE(all[i - 1][4], all[i][4]);
    EXPECT_GT(run(typed(1, ""), 100).size(), 50u);

    struct Case {
        int index;
        std::string prefix;
    };
    for (const Case& c : {Case{1, "VO-"}, Case{2, "VN-"}, Case{3, "VD-"}}) {
        SearchRequest r = typed(1, "");
        r.typeVOIndex = c.index;
        r.site = "DREUX";
        const std::vector<SearchCells> rows = run(r, 500);
        EXPECT_EQ(session.lastWarning(), "");
        ASSERT_FALSE(rows.empty()) << c.prefix;
        for (const SearchCells& row : rows) {
            EXPECT_EQ(row[2].substr(0, 6), c.prefix + "Dx-") << row[2];
            EXPECT_EQ(row[1], "4");
        }
    }

    // VO numbers from the typed one; a text that is not a number finds nothing.
    const std::vector<SearchCells> numbers = run(typed(3, "0"));
    EXPECT_EQ(numbers.size(), 50u);
    EXPECT_FALSE(searchSummary(last, 3).more);
    EXPECT_TRUE(run(typed(3, "1x")).empty());
    EXPECT_EQ(session.lastWarning(), "");
}

TEST_F(SearchOnDemoServer, TypedQuotesAndQueryCharactersStayInTheirLiteral)
{
    for (const char* text :
         {"O'NEIL", "A&SQL=select", "a+b", "50%", "\"<x>\"", "x') or ('1'='1", "where like"}) {
        SearchRequest r = typed(5, text);
        EXPECT_TRUE(run(r).empty()) << text;
        EXPECT_EQ(session.lastWarning(), "") << text;
        r.exact = true;
        EXPECT_TRUE(run(r).empty()) << text;
        EXPECT_EQ(session.lastWarning(), "") << text;
    }
    SearchRequest site = typed(1, "");
    site.site = "DR'EUX') or ('1'='1";
    EXPECT_TRUE(run(site).empty());
    EXPECT_EQ(session.lastWarning(), "");
    SearchRequest name = typed(5, "DUPONT");
    name.withFirstName = true;
    name.firstName = "x') or ('1'='1";
    EXPECT_TRUE(run(name).empty());
    EXPECT_EQ(session.lastWarning(), "");
}
