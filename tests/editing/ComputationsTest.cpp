// VAT, margins, balance and due dates, with the dealerships' own examples.
#include <gtest/gtest.h>

#include "app/DayDate.h"
#include "editing/Computations.h"

namespace {
int day(const char* text)
{
    return parseDate(text);
}
} // namespace

TEST(Computations, MarginsOfAUsedVehicle)
{
    const struct {
        int vatMode;
        double costTotal;
        const char* vat;
        const char* gross;
        const char* net;
    } cases[] = {
        {1, 1000, "491.64", "3008.36", "1708.36"},
        {2, 1000, "0.00", "2926.42", "1626.42"},
        // No position chosen in the VAT list counts as the margin scheme.
        {0, 1000, "491.64", "3008.36", "1708.36"},
        {1, 0, "491.64", "3008.36", "2708.36"},
    };
    for (const auto& c : cases) {
        MarginInputs in{12000.00, 9000.00, 500.00, 300.00, c.costTotal, c.vatMode};
        const Margins m = computeMargins(in);
        EXPECT_EQ(m.vat, c.vat) << c.vatMode;
        EXPECT_EQ(m.gross, c.gross) << c.vatMode;
        EXPECT_EQ(m.net, c.net) << c.vatMode;
    }
    // A sale below the trade-in price gives negative VAT and margins, not a crash or a blank.
    const Margins loss = computeMargins({9000, 12000, 0, 0, 0, 1});
    EXPECT_EQ(loss.vat, "-491.64");
    EXPECT_EQ(loss.gross, "-2508.36");
}

TEST(Computations, AmountsAndBalance)
{
    EXPECT_EQ(amountOf("1000"), 1000);
    EXPECT_EQ(amountOf("abc"), 0);
    EXPECT_EQ(amountOf(""), 0);
    EXPECT_EQ(amountOf("12,5"), 0); // the point is the only decimal separator
    EXPECT_EQ(newVehicleBalance(20000, 12000, 3000, 1000), 4000);
}

TEST(Computations, TreasuryDueDate)
{
    const struct {
        const char *purchase, *delivery, *availability, *declared, *due, *expected;
    } cases[] = {
        {"01/03/2007", "15/03/2007", "", "", "31/03/2007", "20/03/2007"},
        {"01/03/2007", "15/03/2007", "", "", "18/03/2007", "18/03/2007"},
        {"01/03/2007", "15/03/2007", "", "", "20/03/2007", "20/03/2007"},
        {"01/03/2007", "15/03/2007", "", "12/03/2007", "", "17/03/2007"},
        {"01/03/2007", "10/03/2007", "", "12/03/2007", "", "15/03/2007"},
        {"", "", "10/03/2007", "", "", "10/03/2007"},
        {"", "", "", "", "31/03/2007", "31/03/2007"},
        {"01/03/2007", "", "", "12/03/2007", "31/03/2007", "17/03/2007"},
        {"01/03/2007", "", "", "", "", ""},
        {"", "", "", "", "", ""},
    };
    for (const auto& c : cases) {
        const PurchaseDates dates{day(c.purchase), day(c.delivery), day(c.availability),
                                  day(c.declared), day(c.due)};
        const int due = treasuryDueDate(dates);
        EXPECT_EQ(due == 0 ? std::string() : formatDate(due), c.expected)
            << c.purchase << " " << c.delivery << " " << c.declared << " " << c.due;
    }
}

TEST(Computations, PaymentDelays)
{
    const std::vector<std::string> delays = {"15", "Credit : 45", "LOA : x", "LLD : 60"};
    EXPECT_EQ(financingDelay(delays, "CREDIT"), 45);
    EXPECT_EQ(financingDelay(delays, "credit"), 45);
    EXPECT_EQ(financingDelay(delays, "LOA"), 10);      // unreadable number
    EXPECT_EQ(financingDelay(delays, "COMPTANT"), 15); // the first entry is the default
    EXPECT_EQ(financingDelay({"Sans délai"}, "COMPTANT"), 30);
    EXPECT_EQ(financingDelay(delays, ""), 0);
    EXPECT_EQ(financingDelay({}, "CREDIT"), 0);

    const int march15 = day("15/03/2007");
    EXPECT_EQ(formatDate(march15 + financingDelay(delays, "CREDIT")), "29/04/2007");
    const struct {
        const char* delivery;
        int days;
        const char* due;
    } groups[] = {{"15/03/2007", 46, "30/04/2007"},
                  {"01/03/2007", 30, "31/03/2007"},
                  {"31/01/2007", 59, "31/03/2007"},
                  {"01/02/2008", 59, "31/03/2008"}};
    for (const auto& g : groups) {
        const int days = daysToMonthEndFrom(day(g.delivery));
        EXPECT_EQ(days, g.days) << g.delivery;
        EXPECT_EQ(formatDate(day(g.delivery) + days), g.due) << g.delivery;
    }
}

TEST(Computations, PaymentDueDate)
{
    const std::vector<std::string> delays = {"15", "CREDIT : 45"};
    PurchaseDates dates;
    EXPECT_EQ(paymentDueDate(dates, delays, "CREDIT", ""), 0); // no delivery, no availability
    dates.availability = day("10/03/2007");
    EXPECT_EQ(formatDate(paymentDueDate(dates, delays, "", "")), "10/03/2007");
    dates.delivery = day("15/03/2007");
    EXPECT_EQ(formatDate(paymentDueDate(dates, delays, "CREDIT", "PARTICULIERS")), "29/04/2007");
    EXPECT_EQ(formatDate(paymentDueDate(dates, delays, "COMPTANT", "")), "30/03/2007");
    EXPECT_EQ(formatDate(paymentDueDate(dates, {}, "CREDIT", "")), "15/03/2007");
    // The group's own sales are due at a month end, whatever the financing.
    EXPECT_EQ(formatDate(paymentDueDate(dates, delays, "CREDIT", "groupe")), "30/04/2007");
}
