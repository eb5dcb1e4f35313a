#include <gtest/gtest.h>

#include "app/DayDate.h"
#include "editing/FieldRules.h"

TEST(FieldRules, ComboValues)
{
    EXPECT_EQ(comboValue(false, false, 0, 2, "VW : Volkswagen", "", false), "VW");
    EXPECT_EQ(comboValue(false, false, 0, 2, "Dupont", "", false), "Dupont");
    EXPECT_EQ(comboValue(true, false, 1, 4, "Y", "", false), "2");
    EXPECT_EQ(comboValue(true, true, 1, 4, "X", "", false), "1");
    EXPECT_EQ(comboValue(true, false, 0, 3, "Non", "", false), "False");
    EXPECT_EQ(comboValue(true, false, 1, 3, "Oui", "", false), "True");
    EXPECT_EQ(comboValue(true, false, 0, 4, "Martin", "11", true), "11");
}

TEST(FieldRules, ListBoxValues)
{
    const std::vector<std::string> texts = {"a", "b", "c"};
    const ListBoxValue some = listBoxValue({true, false, true}, texts, ";A;B;C");
    EXPECT_EQ(some.value, ";A;C;");
    EXPECT_EQ(some.texts, "a - c");
    EXPECT_EQ(listBoxValue({false, false, false}, texts, ";A;B;C").value, "");
    EXPECT_EQ(listBoxValue({false, true, false}, texts, ";A;;C").value, ";;");
}

TEST(FieldRules, DateLimitsAndMessages)
{
    const int min = parseDate("01/01/2026"), max = parseDate("09/12/2026");
    EXPECT_TRUE(dateRejected(max + 1, min, max));
    EXPECT_TRUE(dateRejected(min - 1, min, max));
    EXPECT_FALSE(dateRejected(max, min, max));
    EXPECT_FALSE(dateRejected(max + 100, min, 0));
    EXPECT_TRUE(dateRejected(0, min, 0)); // a cleared date below a minimum
    EXPECT_EQ(dateLimitMessage("Date d'entrée :", "DateEntree", min, max),
              QString::fromUtf8("La valeur du champ \"Date d'entrée \" doit être comprise entre le "
                                "\"01/01/2026\" et le \"09/12/2026\""));
    EXPECT_EQ(
        dateLimitMessage(":", "MEC", 0, max),
        QString::fromUtf8("La valeur du champ \"MEC\" doit être inférieure au \"09/12/2026\""));
    EXPECT_EQ(
        dateLimitMessage("Dispo", "D", max, 0),
        QString::fromUtf8("La valeur du champ \"Dispo\" doit être supérieure au \"09/12/2026\""));
    EXPECT_EQ(formatDate(adultBirthLimit(parseDate("09/12/2026"))), "09/12/2008");
    EXPECT_EQ(formatDate(adultBirthLimit(parseDate("29/02/2028"))), "28/02/2010");
}

TEST(FieldRules, LockWarnings)
{
    EXPECT_EQ(lockWarning(false, 0), QString::fromUtf8("Enregistrement verrouillé"));
    EXPECT_EQ(
        lockWarning(true, parseDate("01/03/2026")),
        QString::fromUtf8("Enregistrement verrouillé, Date Livraison antérieure au 01/03/2026"));
}

TEST(FieldRules, KeyFilters)
{
    auto type = [](QChar (*filter)(QChar), const QString& keys) {
        QString text;
        for (QChar key : keys)
            if (const QChar kept = filter(key); !kept.isNull())
                text += kept;
        return text;
    };
    EXPECT_EQ(type(plateKey, "ab-12 c"), "AB12C");
    EXPECT_EQ(type(plateKey, QString::fromUtf8("é1")), "1");
    EXPECT_EQ(type(phoneKey, "06 12"), "0612");
    EXPECT_EQ(type(phoneKey, "+33"), "33");
    EXPECT_EQ(type(capitalKey, QString::fromUtf8("dupont é-1")), QString::fromUtf8("DUPONT é-1"));
    EXPECT_EQ(phoneKey(QChar(8)), QChar(8));
    EXPECT_EQ(plateKey(QChar(8)), QChar(8));
}

TEST(FieldRules, DateBoundsOfEachRule)
{
    DateLimits limits;
    limits.serverToday = parseDate("15/06/2026");
    limits.periodStart = parseDate("01/01/2026");
    limits.periodEnd = parseDate("10/06/2026");
    limits.today = parseDate("29/02/2024");
    struct Case {
        DateRule rule;
        int minimum;
        int maximum;
    };
    for (const Case& c : {Case{DateRule::NotAfterServerToday, 0, limits.serverToday},
                          Case{DateRule::NotBeforeServerToday, limits.serverToday, 0},
                          Case{DateRule::WithinPeriod, limits.periodStart, limits.periodEnd},
                          Case{DateRule::AdultBirth, 0, parseDate("28/02/2006")}}) {
        const std::optional<DateBounds> bounds = dateBounds(c.rule, limits);
        ASSERT_TRUE(bounds);
        EXPECT_EQ(bounds->minimum, c.minimum);
        EXPECT_EQ(bounds->maximum, c.maximum);
    }
    // The end of a client vehicle's warranty: after its order, else after its first registration.
    EXPECT_FALSE(dateBounds(DateRule::AfterOrderOrCirculation, limits));
    limits.circulationDate = "01/02/2001";
    EXPECT_EQ(dateBounds(DateRule::AfterOrderOrCirculation, limits)->minimum,
              parseDate("01/02/2001"));
    limits.orderDate = "03/04/2001";
    EXPECT_EQ(dateBounds(DateRule::AfterOrderOrCirculation, limits)->minimum,
              parseDate("03/04/2001"));
    limits.orderDate = "bientôt";
    EXPECT_EQ(dateBounds(DateRule::AfterOrderOrCirculation, limits)->minimum,
              parseDate("01/02/2001"));
}

TEST(FieldRules, ListMaintenanceKeys)
{
    constexpr int remove = 'D', add = 'S';
    EXPECT_EQ(listMaintenanceMode(true, remove, true, remove, add), -1);
    EXPECT_EQ(listMaintenanceMode(true, add, false, remove, add), 0);
    EXPECT_EQ(listMaintenanceMode(true, add, true, remove, add), std::nullopt);
    EXPECT_EQ(listMaintenanceMode(true, remove, false, remove, add), std::nullopt);
    EXPECT_EQ(listMaintenanceMode(false, remove, true, remove, add), std::nullopt);
    EXPECT_EQ(listMaintenanceMode(true, 'X', true, remove, add), std::nullopt);
}
