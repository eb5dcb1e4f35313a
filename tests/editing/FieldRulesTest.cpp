#include <gtest/gtest.h>

#include "app/DayDate.h"
#include "editing/FieldRules.h"
#include "grids/ActionRules.h"
#include "grids/FrevoRules.h"

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

// Every date typed, on a page, a cost line or an action, is judged by one rule.
TEST(DateRule, VerdictsAndMessages)
{
    const int min = parseDate("01/01/2026"), max = parseDate("09/12/2026"), today = max;
    const DateRule page = fieldDateRule("Date d'entrée :", "DateEntree", min, max);
    const DateRule dispo = fieldDateRule("Dispo", "D", min, 0),
                   mec = fieldDateRule(":", "M", 0, max);
    const DateRule cost = frevoDateRule(parseDate("01/01/2024"), today, today);
    const DateRule late = frevoDateRule(min, today - 1, today), open = frevoDateRule(min, 0, today);
    const DateRule action = actionDateRule(actcol::Date, "", 0, parseDate("31/05/2026"), today);
    const DateRule followUp = actionDateRule(actcol::FollowUpDate, "15/05/2026", min, max, today);
    const DateVerdict ok = DateVerdict::Accepted, bad = DateVerdict::Unreadable,
                      out = DateVerdict::OutOfLimits;
    const auto between = [](const char* name, const char* a, const char* b) {
        return QString("\"%1\" doit être comprise entre le \"%2\" et le \"%3\"").arg(name, a, b);
    };
    const struct {
        DateRule rule;
        const char *typed, *loaded;
        DateVerdict verdict;
        QString message; // after "La valeur du champ "
    } cases[] = {
        {page, "10/12/2026", "", out, between("Date d'entrée ", "01/01/2026", "09/12/2026")},
        {page, "31/12/2025", "", out, between("Date d'entrée ", "01/01/2026", "09/12/2026")},
        {page, "09/12/2026", "", ok, ""},
        {dispo, "18/03/2027", "", ok, ""},
        {dispo, "", "10/06/2026", out, "\"Dispo\" doit être supérieure au \"01/01/2026\""},
        {mec, "10/12/2026", "", out, "\"M\" doit être inférieure au \"09/12/2026\""},
        {cost, "01/06/2025", "02/10/2026", ok, ""},
        {cost, "31/12/2023", "02/10/2026", out, between("DateFrevo", "01/01/2024", "09/12/2026")},
        {cost, "10/12/2026", "", out, between("DateFrevo", "01/01/2024", "09/12/2026")},
        {cost, "15/03/2020", "15/03/2020", ok, ""},
        {cost, "31/0_/____", "", bad, "\"DateFrevo\" n'est pas une date valide (jj/mm/aaaa)."},
        {cost, "", "02/10/2026", ok, ""}, // reads as today
        {late, "", "", ok, ""},           // today, as loaded
        {late, "", "inconnue", ok, ""},   // not a date: today too
        {late, "", "02/10/2026", out, between("DateFrevo", "01/01/2026", "08/12/2026")},
        {open, "31/12/2025", "", out, between("DateFrevo", "01/01/2026", "30/12/1899")},
        {followUp, "10/05/2026", "", out, "\"DateRelance\" doit être supérieure au \"15/05/2026\""},
        {followUp, "10/05/2026", "10/05/2026", ok, ""},
        {action, "02/06/2026", "", out, between("DateAction", "30/12/1899", "31/05/2026")},
        {action, "12/0_/____", "", bad, "\"DateAction\" n'est pas une date valide (jj/mm/aaaa)."},
        {action, "bientôt", "bientôt", ok, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " / " + c.loaded);
        const DateVerdict verdict = dateVerdict(c.rule, c.typed, c.loaded);
        EXPECT_EQ(verdict, c.verdict);
        EXPECT_EQ(dateMessage(c.rule, verdict),
                  c.message.isEmpty() ? QString() : "La valeur du champ " + c.message);
    }
    EXPECT_EQ(followUp.title, "Contrôle de la date Relance");
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
        DateLimitKind kind;
        int minimum;
        int maximum;
    };
    for (const Case& c : {Case{DateLimitKind::NotAfterServerToday, 0, limits.serverToday},
                          Case{DateLimitKind::NotBeforeServerToday, limits.serverToday, 0},
                          Case{DateLimitKind::WithinPeriod, limits.periodStart, limits.periodEnd},
                          Case{DateLimitKind::AdultBirth, 0, parseDate("28/02/2006")}}) {
        const std::optional<DateBounds> bounds = dateBounds(c.kind, limits);
        ASSERT_TRUE(bounds);
        EXPECT_EQ(bounds->minimum, c.minimum);
        EXPECT_EQ(bounds->maximum, c.maximum);
    }
    // The end of a client vehicle's warranty: after its order, else after its first registration.
    EXPECT_FALSE(dateBounds(DateLimitKind::AfterOrderOrCirculation, limits));
    limits.circulationDate = "01/02/2001";
    EXPECT_EQ(dateBounds(DateLimitKind::AfterOrderOrCirculation, limits)->minimum,
              parseDate("01/02/2001"));
    limits.orderDate = "03/04/2001";
    EXPECT_EQ(dateBounds(DateLimitKind::AfterOrderOrCirculation, limits)->minimum,
              parseDate("03/04/2001"));
    limits.orderDate = "bientôt";
    EXPECT_EQ(dateBounds(DateLimitKind::AfterOrderOrCirculation, limits)->minimum,
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
