// The rules of the reconditioning costs: statements of a line, the ten totals, the values kept,
// who may change what, the date check and the fixed handling fee.
#include <gtest/gtest.h>

#include "app/DayDate.h"
#include "grids/FrevoRules.h"
#include "grids/GridLines.h"

namespace {

// A line of five columns: identifier, date, label, type and amount, each loaded and as edited.
using Cell = std::pair<const char*, const char*>;
TsLine line(Cell id, Cell date, Cell label, Cell type, Cell amount)
{
    TsLine l;
    auto set = [&](int k, const char* name, int infoType, Cell c) {
        l.Cells[k].FieldName = name;
        l.Cells[k].InfoType = infoType;
        std::tie(l.Cells[k].OrgValue, l.Cells[k].Value) = c;
    };
    set(frevocol::Id, "idFrevo", 4, id);
    set(frevocol::Date, "DateFrevo", 1, date);
    set(frevocol::Label, "LibelleFrevo", 2, label);
    set(frevocol::Type, "TypeFrevo", 2, type);
    set(frevocol::Amount, "MontantHT", 5, amount);
    return l;
}

Cell same(const char* value)
{
    return {value, value};
}

} // namespace

TEST(FrevoRules, TheStatementOfALineByWhatChanged)
{
    const std::string typed150 = typedFrevoValue("150", 5);
    const struct {
        TsLine line;
        bool newLine, deletion;
        const char* expected;
    } cases[] = {
        {line(same("7"), same("02/10/2026"), same("Freins"), same("interne"),
              {"80.00", typed150.c_str()}),
         false, false, "Update [tVO - Frevo] set MontantHT=150.00 where (idFrevo=7)"},
        {line(same(""), {"", "23/06/2009"}, same(""), {"", "interne"}, same("")), true, false,
         "Insert into [tVO - Frevo] (DateFrevo,TypeFrevo, idVO, idFrevo ) Values "
         "(#06/23/2009#,'interne', 5521, :NewID)"},
        {line(same("7"), same("02/10/2026"), same("Freins"), same("interne"), {"80.00", "0"}),
         false, true, "Delete * from [tVO - Frevo] where (idFrevo=7)"},
        {line(same("7"), {"02/10/2026", ""}, {"", "Pneus d'hiver"}, same("fixe"), same("1.00")),
         false, false,
         "Update [tVO - Frevo] set DateFrevo=NULL,LibelleFrevo='Pneus d''hiver' where (idFrevo=7)"},
        {line(same("7"), same(""), same("x"), same("fixe"), same("1.00")), false, false, ""},
        // Every cell changed: nothing to key an update on.
        {line({"7", "8"}, {"", "01/01/2026"}, {"", "a"}, {"", "b"}, {"", "1.00"}), false, false,
         ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frevoLineStatement(c.line, {"tVO - Frevo", "5521", c.newLine, c.deletion}),
                  c.expected);
}

TEST(FrevoRules, TotalsByTypeAndUpToTheEndOfTheDeliveryMonth)
{
    const auto costs = [](std::initializer_list<std::array<const char*, 3>> list) {
        std::vector<TsLine> lines;
        for (const auto& [date, type, amount] : list)
            lines.push_back(line(same("1"), same(date), same(""), same(type), same(amount)));
        return lines;
    };
    const double now = dayFromCivil(2009, 6, 10) + 0.5;
    // Forecast, fixed, internal, external and all; over every line, then up to the month's end.
    using Shown = std::array<const char*, 5>;
    const struct {
        std::vector<TsLine> lines;
        const char* delivery;
        Shown all, untilMonthEnd;
    } cases[] = {
        {costs({{"31/03/2009", "Interne", "100.00"},
                {"01/04/2009", "eXterne", "50.00"},
                {"15/03/2009", "FIXE", "150.00"},
                {"01/03/2009", "", "8.00"},
                {"01/03/2009", "autre", "abc"},
                {"xx", "prévision", "2.00"}}),
         "15/03/2009",
         {"10.00", "150.00", "100.00", "50.00", "310.00"},
         {"8.00", "150.00", "100.00", "", "258.00"}},
        // No delivery date: up to the first day of next month at the time of now.
        {costs({{"30/06/2009", "externe", "5.50"},
                {"01/07/2009", "externe", "1.25"},
                {"02/07/2009", "externe", "2.00"},
                {"01/03/2009", "fixe", "-2.00"},
                {"02/03/2009", "fixe", "2.00"}}),
         "",
         {"", "", "", "8.75", "8.75"},
         {"", "", "", "6.75", "6.75"}},
    };
    for (const auto& c : cases) {
        const FrevoTotals totals = frevoTotals(c.lines, c.delivery, now);
        for (std::size_t t = 0; t < frevosum::Count; ++t) {
            EXPECT_EQ(frevoTotalText(totals.all[t]), c.all[t]) << t;
            EXPECT_EQ(frevoTotalText(totals.untilMonthEnd[t]), c.untilMonthEnd[t]) << t;
        }
    }
}

TEST(FrevoRules, ValuesLoadedAndTyped)
{
    const struct {
        const char* text;
        int infoType;
        const char* loaded;
        const char* typed;
    } cases[] = {
        {"12.5", 5, "12.50", "12.50"},
        {"12,5", 5, "0.00", "0.00"},
        {"1 234.50", 5, "1234.50", "0.00"},
        {"12 345", 4, "12345", "12 345"},
        {"Carrosserie &amp; Co", 2, "Carrosserie & Co", "Carrosserie &amp; Co"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(loadedFrevoValue(c.text, c.infoType), c.loaded) << c.text;
        EXPECT_EQ(typedFrevoValue(c.text, c.infoType), c.typed) << c.text;
    }
}

TEST(FrevoRules, LockedLinesAndRights)
{
    // A line with an accounting number is closed to all but accountants: grey, and an invoice
    // keeps its delete marker from them; nobody deletes without the right to add.
    EXPECT_TRUE(frevoLineLocked("61570042", false));
    EXPECT_FALSE(frevoLineLocked("61570042", true));
    EXPECT_TRUE(frevoCellReadOnly(true, false, true));
    EXPECT_TRUE(frevoCellReadOnly(false, true, false));
    EXPECT_STREQ(frevoLineMarker("", false), kFrevoDeleteMarker);
    EXPECT_STREQ(frevoLineMarker("FA20417", false), kFrevoNoAction);
    EXPECT_STREQ(frevoLineMarker("FA20417", true), kFrevoDeleteMarker);

    std::array<bool, 9> all;
    all.fill(true);
    std::array<bool, 9> noLabel = all;
    noLabel[frevocol::Label] = false;
    const struct {
        bool newLine, locked, compta;
        std::array<bool, 9> rights;
        const char* open; // columns 2 to 8
    } cases[] = {
        {true, false, true, all, "1000000"},      // the new line: its date only
        {false, false, false, all, "1101111"},    // the accounting number for accountants only
        {false, false, true, all, "1111111"},     // an accountant
        {false, true, false, all, "0000000"},     // closed by accounting
        {false, false, true, noLabel, "1011111"}, // a column without right
    };
    for (const auto& c : cases) {
        const auto open = frevoEditableColumns(c.newLine, c.locked, c.compta, c.rights);
        std::string shown;
        for (int k = frevocol::Date; k <= frevocol::Amount; ++k)
            shown += open[std::size_t(k)] ? '1' : '0';
        EXPECT_EQ(shown, c.open);
    }

    // The rights of a column are its tag; a column without tag gives nobody the right to add.
    const auto gFrev = [](const char* name, const char* tag, const char* width) {
        return std::string("<axStruct><descInfo>gFrev</descInfo><vInfo>") + name + "</vInfo><tag>" +
               tag + "</tag><tInfo>1</tInfo><width>" + width + "</width></axStruct>";
    };
    std::string items = gFrev("idFrevo", "", "45") + gFrev("DateFrevo", "svo", "x");
    EXPECT_EQ(frevoAddRights(frevoColumns(TXml("<axStructS>" + items + "</axStructS>"))), ";SVO;");
    for (int i = 0; i < 7; ++i)
        items += gFrev("Autre", "SVO", "0");
    const auto columns = frevoColumns(TXml("<axStructS>" + items + "</axStructS>"));
    ASSERT_EQ(columns.size(), 8u);
    EXPECT_EQ(columns[0].cell.Rights, "");
    EXPECT_EQ(columns[1].width, 20); // unreadable
    EXPECT_EQ(columns[2].width, 0);  // hidden
    EXPECT_EQ(frevoAddRights({columns[0]}), "");
}

TEST(FrevoRules, TheFixedFeeOnceForPrivateBuyersAtASiteWithAFee)
{
    const auto record = [](const char* type) {
        return TXml(std::string("<tVO><TypeFrevo>fixe</TypeFrevo></tVO><FrevoS><Frevo><TypeFrevo>"
                                "interne</TypeFrevo></Frevo><Frevo><TypeFrevo>") +
                    type + "</TypeFrevo></Frevo></FrevoS>");
    };
    EXPECT_TRUE(hasFixedFeeLine(record("Fixe")));
    EXPECT_FALSE(hasFixedFeeLine(record("externe"))); // the root's element is not a line
    IndexedLists lists(TXml("<InfoSiteS><InfoSite><Site>CHARTRES</Site><MontantFraisDossier>150.00"
                            "</MontantFraisDossier></InfoSite><InfoSite><Site>EVREUX</Site>"
                            "</InfoSite></InfoSiteS>"));
    EXPECT_EQ(siteHandlingFee(lists, "chartres"), 150.0);
    EXPECT_EQ(siteHandlingFee(lists, "EVREUX"), 0.0);

    const std::string fee = "Insert into [tVO - Frevo] (DateFrevo, TypeFrevo, MontantHT, idVO, "
                            "idFrevo ) Values (#06/23/2009#,'fixe', 150.00, 5004, :NewID) ";
    const struct {
        const char* id;
        const char* destination;
        bool fixed;
        double fee;
        std::string expected;
    } cases[] = {
        {"5004", "particuliers", false, 150, fee},
        {"5004", "PARTICULIERS", true, 150, ""}, // a fixed line already
        {"5004", "MARCHANDS", false, 150, ""},   // another destination
        {"5004", "PARTICULIERS", false, 0, ""},  // a site without fee
        {"", "PARTICULIERS", false, 150, ""},    // not saved yet
    };
    for (const auto& c : cases)
        EXPECT_EQ(fixedFeeStatement(c.id, c.destination, c.fixed, c.fee, dayFromCivil(2009, 6, 23)),
                  c.expected);
}

TEST(GridLines, LinesFollowTheSortedRowsOrStayAsTheyWere)
{
    struct Case {
        std::vector<int> order;
        const char* keys; // the lines' keys after the sort, model line first
        bool followed;
    };
    const Case cases[] = {
        {{2, 0, 1}, "-,9003,9001,9002", true},  {{0, 1, 2}, "-,9001,9002,9003", true},
        {{1, 0}, "-,9001,9002,9003", false},    // rows without lines
        {{0, 0, 1}, "-,9001,9002,9003", false}, // not an order
        {{0, 1, 3}, "-,9001,9002,9003", false},
    };
    for (const Case& c : cases) {
        std::vector<TsLine> lines(4);
        for (int n = 1; n <= 3; ++n)
            lines[std::size_t(n)].Cells[frevocol::Id].Value = std::to_string(9000 + n);
        EXPECT_EQ(followSortedRows(lines, c.order), c.followed);
        std::string keys = "-";
        for (std::size_t n = 1; n < lines.size(); ++n)
            keys += "," + lines[n].Cells[frevocol::Id].Value;
        EXPECT_EQ(keys, c.keys);
    }
    EXPECT_EQ(rowAfterSort({2, 0, 1}, 0), 1);
    EXPECT_EQ(rowAfterSort({2, 0, 1}, 5), -1);
}
