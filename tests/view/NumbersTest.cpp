#include <gtest/gtest.h>

#include "app/Numbers.h"
#include "view/CaseText.h"

TEST(Numbers, AmountTextRoundsOnTheDecimalDigits)
{
    struct Case {
        const char* text;
        std::optional<std::string> amount;
    } cases[] = {{"0", "0.00"},          {"12", "12.00"},
                 {"1234.5", "1234.50"},  {"1.005", "1.01"},
                 {"1.004", "1.00"},      {"-2.5", "-2.50"},
                 {"-0.001", "0.00"},     {"9.999", "10.00"},
                 {".5", "0.50"},         {"5.", "5.00"},
                 {"+3", "3.00"},         {"1e3", "1000.00"},
                 {"007.10", "7.10"},     {"abc", std::nullopt},
                 {"", std::nullopt},     {"1 234.5", std::nullopt},
                 {"12,5", std::nullopt}, {"1.2.3", std::nullopt},
                 {"-", std::nullopt},    {"1e", std::nullopt}};
    for (const Case& c : cases)
        EXPECT_EQ(amountText(c.text), c.amount) << c.text;
}

TEST(Numbers, ParseAndFormat)
{
    EXPECT_EQ(parseNumber("12.5"), 12.5);
    EXPECT_FALSE(parseNumber("12,5"));
    EXPECT_EQ(parseWholeNumber("-12"), -12);
    EXPECT_FALSE(parseWholeNumber("1.0"));
    EXPECT_FALSE(parseWholeNumber(""));
    EXPECT_EQ(formatAmount(2.0 / 3.0), "0.67");
    EXPECT_EQ(formatAmount(-0.001), "0.00");
    EXPECT_EQ(withoutBlanks(" 1 2 "), "12");
}

TEST(CaseText, AccentedLettersChangeCase)
{
    EXPECT_EQ(upperCp1252("\xe9vreux \xe0 l'\x9cuvre"), "\xc9VREUX \xc0 L'\x8cUVRE");
    EXPECT_EQ(lowerCp1252("\xc9VREUX"), "\xe9vreux");
    EXPECT_EQ(upperCp1252("\xf7\xdf"), "\xf7\xdf"); // division sign and sharp s have no capital
    EXPECT_EQ(replaceAllIgnoringCase("ajout Client, CLIENT", "client", "v\xe9hicule"),
              "ajout v\xe9hicule, v\xe9hicule");
    EXPECT_EQ(beforeColon("VW : Volkswagen"), "VW");
    EXPECT_EQ(beforeColon("VW:Volkswagen"), "VW:Volkswagen");
}
