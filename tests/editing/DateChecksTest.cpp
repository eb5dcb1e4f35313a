// Leaving a date field checks its date against its limits: every date-exit handler, its limits
// and the exact message.
#include <QDate>
#include <QTabWidget>
#include <QTest>

#include "app/DayDate.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/editing/EditingWindow.h"
#include "ui/controls/DatePicker.h"
#include "ui/controls/TextEdit.h"

namespace {

using Handler = void (TAxKelvaro::*)(ControlFace&);
enum class Limits { Past, Future, Period, AfterOrder, Adult };

struct Exit {
    const char* control;
    Handler handler;
    Limits limits;
};

const Exit kExits[] = {
    {"cMEC", &TAxKelvaro::cMECExit, Limits::Past},
    {"cVDMEC", &TAxKelvaro::cVDMECExit, Limits::Past},
    {"cVNMEC", &TAxKelvaro::cVNMECExit, Limits::Past},
    {"vMEC", &TAxKelvaro::vMECExit, Limits::Past},
    {"vDateOrdre", &TAxKelvaro::vDateOrdreExit, Limits::Past},
    {"vDateLastSAV", &TAxKelvaro::vDateLastSAVExit, Limits::Past},
    {"cDateDisponibilite", &TAxKelvaro::cDateDisponibiliteExit, Limits::Future},
    {"cVNDateDisponibilite", &TAxKelvaro::cVNDateDisponibiliteExit, Limits::Future},
    {"cVNDateLivrMaxi", &TAxKelvaro::cVNDateLivrMaxiExit, Limits::Future},
    {"vDateNextSAV", &TAxKelvaro::vDateNextSAVExit, Limits::Future},
    {"cDateEntree", &TAxKelvaro::cDateEntreeExit, Limits::Period},
    {"cDateOrdre", &TAxKelvaro::cDateOrdreExit, Limits::Period},
    {"cVNDateOrdre", &TAxKelvaro::cVNDateOrdreExit, Limits::Period},
    {"cDateValidationGarantie", &TAxKelvaro::cDateValidationGarantieExit, Limits::Period},
    {"cDateLivraison", &TAxKelvaro::cDateLivraisonExit, Limits::Period},
    {"cVNDateLivraison", &TAxKelvaro::cVNDateLivraisonExit, Limits::Period},
    {"cDatePresFinancement", &TAxKelvaro::cDatePresFinancementExit, Limits::Period},
    {"cDatePaiement", &TAxKelvaro::cDatePaiementExit, Limits::Period},
    {"cVNDatePresFinancement", &TAxKelvaro::cVNDatePresFinancementExit, Limits::Period},
    {"cVNDatePaiement", &TAxKelvaro::cVNDatePaiementExit, Limits::Period},
    {"cVNDateAnnulation", &TAxKelvaro::cVNDateAnnulationExit, Limits::Period},
    {"vDateFinGarantie", &TAxKelvaro::vDateFinGarantieExit, Limits::AfterOrder},
    {"vDateFinFinancement", &TAxKelvaro::vDateFinFinancementExit, Limits::AfterOrder},
    {"aCliDateNaissance", &TAxKelvaro::aCliDateNaissanceExit, Limits::Adult},
};

const QString kStart = "01/01/2026";
const QString kToday = "15/06/2026";
const QString kOrder = "01/03/2026";

class DateExits : public EditingWindow, public testing::WithParamInterface<Exit> {
protected:
    DateExits()
    {
        control = dynamic_cast<ControlFace*>(w().findChild<QWidget*>(GetParam().control));
        EXPECT_NE(control, nullptr);
        entry = entryOf(control);
        showPageOf(control);
        w().ServerToday = w().LimitDateEnd = parseDate(kToday.toStdString());
        w().LimitDateStart = parseDate(kStart.toStdString());
        w().vDateOrdre->setText(kOrder);
        addKey(entry, "idKey", "1");
        at = bind(entry, control, GetParam().control, 1, "10/06/2026");
        field(entry, at).Caption = cp1252("Date testée :");
    }
    static QString day(const QDate& date) { return date.toString("dd/MM/yyyy"); }
    static QDate date(const QString& text) { return QDate::fromString(text, "dd/MM/yyyy"); }
    // A date just out of the limits, and the message it gets.
    std::pair<QString, QString> outOfLimits() const
    {
        const QString start = "La valeur du champ \"Date testée \" ";
        const QDate adult = QDate::currentDate().addYears(-18);
        switch (GetParam().limits) {
        case Limits::Past:
            return {day(date(kToday).addDays(1)),
                    start + "doit être inférieure au \"" + kToday + "\""};
        case Limits::Future:
            return {day(date(kToday).addDays(-1)),
                    start + "doit être supérieure au \"" + kToday + "\""};
        case Limits::Period:
            return {day(date(kToday).addDays(1)), start + "doit être comprise entre le \"" +
                                                      kStart + "\" et le \"" + kToday + "\""};
        case Limits::AfterOrder:
            return {day(date(kOrder).addDays(-1)),
                    start + "doit être supérieure au \"" + kOrder + "\""};
        case Limits::Adult:
            return {day(adult.addDays(1)),
                    start + "doit être inférieure au \"" + day(adult) + "\""};
        }
        return {};
    }
    MessageBoxSeen leave(const QString& text)
    {
        control->setText(text);
        w().Tabs->setFocus();
        return closingMessageBoxes([this] { (w().*GetParam().handler)(*control); });
    }

    ControlFace* control = nullptr;
    int entry = 0;
    int at = 0;
};

} // namespace

TEST_P(DateExits, ADateOutOfItsLimitsIsRefusedAndTheLoadedDateComesBack)
{
    const auto [refused, message] = outOfLimits();
    const MessageBoxSeen seen = leave(refused);
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.title, "Contrôle de la date saisie");
    EXPECT_EQ(seen.text, message);
    EXPECT_EQ(control->text(), "10/06/2026");
    EXPECT_EQ(field(entry, at).Value, "10/06/2026");
    EXPECT_EQ(w().focusWidget(), control->widget());
}

TEST_P(DateExits, ADateWithinItsLimitsIsRecorded)
{
    const QString inside = GetParam().limits == Limits::Past || GetParam().limits == Limits::Adult
                               ? "02/03/2000"
                               : "15/06/2026";
    EXPECT_EQ(leave(inside).count, 0);
    EXPECT_EQ(field(entry, at).Value, inside.toStdString());
    EXPECT_NE(w().focusWidget(), control->widget());
}

TEST_P(DateExits, AnUnchangedDateIsAlwaysAccepted)
{
    const QString refused = outOfLimits().first;
    field(entry, at).OrgValue = refused.toStdString();
    EXPECT_EQ(leave(refused).count, 0);
    EXPECT_EQ(control->text(), refused);
}

INSTANTIATE_TEST_SUITE_P(EveryDateExit, DateExits, testing::ValuesIn(kExits),
                         [](const auto& info) { return std::string(info.param.control); });

TEST_F(EditingWindow, AClearedDateWithAMinimumKeepsTheFocusWithoutAMessage)
{
    showPageOf(w().cDateEntree);
    w().LimitDateStart = parseDate("01/01/2026");
    addKey(1, "idVO", "5001");
    bind(1, w().cDateEntree, "DateEntree", 1, "10/06/2026");
    w().cDateEntree->setText("");
    w().Tabs->setFocus();
    bool rejected = false;
    const MessageBoxSeen seen = closingMessageBoxes(
        [&] { rejected = w().TestDateChange(*w().cDateEntree, w().LimitDateStart, 0); });
    EXPECT_TRUE(rejected);
    EXPECT_EQ(seen.count, 0);
    EXPECT_TRUE(w().cDateEntree->hasFocus());
    EXPECT_EQ(field(1, 1).Value, "");
    EXPECT_NE(harness.traceLog().find("dans TestDateChange, nom du champ : cDateEntree"),
              std::string::npos);
}

TEST_F(EditingWindow, TheEndOfAClientVehicleWarrantyWaitsForItsFirstDates)
{
    showPageOf(w().vDateFinGarantie);
    addKey(8, "idTVO", "1");
    const int at = bind(8, w().vDateFinGarantie, "DateFinGarantie", 1, "");
    w().vDateOrdre->setText("");
    w().vMEC->setText("");
    w().vDateFinGarantie->setText("01/01/2001");
    field(8, at).Value = "";
    // Neither an order date nor a first registration: nothing at all, not even the recording.
    EXPECT_EQ(closingMessageBoxes([&] { w().vDateFinGarantieExit(*w().vDateFinGarantie); }).count,
              0);
    EXPECT_EQ(field(8, at).Value, "");
    // The first registration stands in for a missing order date.
    w().vMEC->setText("01/02/2001");
    EXPECT_EQ(closingMessageBoxes([&] { w().vDateFinGarantieExit(*w().vDateFinGarantie); }).text,
              "La valeur du champ \"DateFinGarantie \" doit être supérieure au \"01/02/2001\"");
}
