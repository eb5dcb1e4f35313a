#include <gtest/gtest.h>

#include "app/DayDate.h"

TEST(DayDate, DayZeroIsTheEighteenNinetyNineEpoch)
{
    EXPECT_EQ(dayFromCivil(1899, 12, 30), 0);
    EXPECT_EQ(formatDate(0), "30/12/1899");
    // 01/01/2000 is day 36526 in the original date-time type.
    EXPECT_EQ(parseDate("01/01/2000"), 36526);
}

TEST(DayDate, ParsesAndFormatsRoundTrip)
{
    for (int day = 0; day < 80000; day += 37)
        ASSERT_EQ(parseDate(formatDate(day)), day) << formatDate(day);
}

TEST(DayDate, UnreadableTextsGiveZero)
{
    const char* unreadable[] = {
        "",         "__/__/____", "31/02/2007",  "29/02/2007", "15/13/2007",  "0/03/2007",
        "15/03/07", "15-03-2007", "15/03/2007 ", "aa/bb/cccc", "15/03/20071", "123/03/2007"};
    for (const char* text : unreadable)
        EXPECT_EQ(parseDate(text), 0) << text;
}

TEST(DayDate, AcceptsOneDigitDayAndMonthAndLeapDays)
{
    EXPECT_EQ(parseDate("5/3/2007"), parseDate("05/03/2007"));
    EXPECT_NE(parseDate("29/02/2008"), 0);
    EXPECT_NE(parseDate("29/02/2000"), 0);
    EXPECT_EQ(parseDate("29/02/1900"), 0);
}

TEST(DayDate, StatementDateIsMonthFirstBetweenHashes)
{
    EXPECT_EQ(statementDate(parseDate("15/03/2007")), "#03/15/2007#");
}

TEST(DayDate, WeekCodesCountSundayWeeksFromWeekZero)
{
    const struct {
        const char* date;
        const char* code;
    } cases[] = {
        {"23/06/2009", "2009s25"}, {"01/01/2009", "2009s00"}, {"04/01/2009", "2009s01"},
        {"03/01/2009", "2009s00"}, {"31/12/2008", "2008s52"}, {"01/01/2023", "2023s00"},
        {"08/01/2023", "2023s01"}, {"n/a", "1900s00"},        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(weekCode(c.date), c.code) << c.date;
}
