#include <gtest/gtest.h>

#include <regex>

#include "app/Trace.h"
#include "tests/support/TempFolder.h"

TEST(Trace, LineFormat)
{
    std::tm when{};
    when.tm_year = 2007 - 1900;
    when.tm_mon = 2;
    when.tm_mday = 15;
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_sec = 7;
    when.tm_isdst = -1;
    EXPECT_EQ(traceLine(std::mktime(&when), "on TimerOK : "),
              "15/03/2007 09:05:07 - on TimerOK : ");
}

TEST(Trace, FirstMessageCreatesTheLogAndIsDropped)
{
    TempFolder folder;
    const std::string log = folder.file("TAXKelvaro.log");
    appendTrace(log, "first");
    EXPECT_EQ(readFile(log), "");
    appendTrace(log, "second");
    appendTrace(log, "third");
    const std::string text = readFile(log);
    const std::regex lines(R"(\d\d/\d\d/\d{4} \d\d:\d\d:\d\d - second\n)"
                           R"(\d\d/\d\d/\d{4} \d\d:\d\d:\d\d - third\n)");
    EXPECT_TRUE(std::regex_match(text, lines)) << text;
}
