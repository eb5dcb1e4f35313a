// kelvaro-demo-server --grow: generated records added once, recorded, the same for a figure.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "server/Endpoints.h"
#include "server/TXml.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/demo-server/DemoServerProcess.h"
#include "tests/support/TempFolder.h"

namespace {

// One value of a query on the server's database.
std::string ask(const DemoServerProcess& server, const std::string& select)
{
    ClientSession session;
    TXml reply = session.fetch(endpoint::querySearch(server.baseUrl(), select, 1));
    EXPECT_EQ(session.lastWarning(), "") << select;
    XmlFind(reply, "AXQuery");
    return XmlText(reply, "v");
}

// Counts and a digest of the generated records.
struct Grown {
    std::string vehicles, clients, owned, digest;
    bool operator==(const Grown&) const = default;
};

Grown grownIn(const DemoServerProcess& server)
{
    return {ask(server, "select count(*) as v from tVehicles where idTVO>1000000"),
            ask(server, "select count(*) as v from tClients where idClient>3000000"),
            ask(server, "select count(*) as v from TVehiclesOstrel where idTVO>7000000"),
            ask(server, "select group_concat(idTVO || Immatriculation || Site || "
                        "coalesce(Acheteur, ''), ';') as v from tVehicles where idTVO>1000000") +
                ask(server, "select group_concat(CliNom || CliPrenom || CliMobile || CliTelDom "
                            "|| CliVille, ';') as v from tClients where idClient>3000000")};
}

} // namespace

TEST(Growth, AddsTheGeneratedRecordsOnceAndTheSameForAFigure)
{
    TempFolder folder;
    const std::string data = folder.file("data");
    Grown once;
    {
        DemoServerProcess server(data, 0, {"--grow", "120"});
        once = grownIn(server);
        EXPECT_EQ(once.vehicles, "120");
        EXPECT_EQ(once.clients, "120");
        EXPECT_EQ(once.owned, "60");
        // Both dealerships and all five sites; plates and telephone numbers of the French forms.
        EXPECT_EQ(ask(server, "select count(distinct Concession || Site) as v from tClients "
                              "where idClient>3000000"),
                  "5");
        EXPECT_EQ(ask(server, "select count(distinct Site) as v from tVehicles where "
                              "idTVO>1000000"),
                  "5");
        auto expectAll = [&](const std::string& select, const std::regex& form) {
            std::stringstream values(ask(server, select));
            int count = 0;
            for (std::string value; std::getline(values, value, ';'); ++count)
                EXPECT_TRUE(std::regex_match(value, form)) << value;
            EXPECT_EQ(count, 120) << select;
        };
        expectAll("select group_concat(Immatriculation, ';') as v from tVehicles where "
                  "idTVO>1000000",
                  std::regex("[A-HJ-NP-TV-Z]{2}[0-9]{3}[A-HJ-NP-TV-Z]{2}"));
        expectAll("select group_concat(CliMobile, ';') as v from tClients where idClient>3000000",
                  std::regex("0[67][0-9]{8}"));
        expectAll("select group_concat(CliTelDom, ';') as v from tClients where idClient>3000000",
                  std::regex("02[0-9]{8}"));
    }
    // The same figure again, or none: nothing is added.
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{"--grow", "120"}, std::vector<std::string>{}}) {
        DemoServerProcess again(data, 0, options);
        EXPECT_EQ(grownIn(again), once);
    }
    // The figure reached in two steps gives the same records as at once.
    TempFolder other;
    {
        DemoServerProcess step(other.file("data"), 0, {"--grow", "50"});
        EXPECT_EQ(grownIn(step).vehicles, "50");
    }
    DemoServerProcess stepped(other.file("data"), 0, {"--grow", "120"});
    EXPECT_EQ(grownIn(stepped), once);
}
