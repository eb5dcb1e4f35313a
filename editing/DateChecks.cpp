// Date checks when the user leaves a date field: a date out of its limits is refused with a
// message and the loaded date comes back.
#include "ui/TAxKelvaro.h"

#include <QMessageBox>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "editing/BoundFields.h"
#include "editing/FieldRules.h"
#include "ui/controls/DatePicker.h"

namespace {
void checkDate(TAxKelvaro& window, ControlFace& sender, DateRule rule)
{
    if (window.FlagLoading || window.refuseUnreadableDate(sender))
        return;
    DateLimits limits;
    limits.serverToday = window.ServerToday;
    limits.periodStart = window.LimitDateStart;
    limits.periodEnd = window.LimitDateEnd;
    limits.today = todayDay();
    if (rule == DateRule::AfterOrderOrCirculation) {
        limits.orderDate = toCp1252(window.vDateOrdre->text());
        limits.circulationDate = toCp1252(window.vMEC->text());
    }
    if (const std::optional<DateBounds> bounds = dateBounds(rule, limits))
        window.TestDateChange(sender, bounds->minimum, bounds->maximum);
}
} // namespace

bool TAxKelvaro::refuseUnreadableDate(ControlFace& sender)
{
    // Loading a record writes its values: no exit check runs then.
    if (FlagLoading)
        return false;
    const std::string text = toCp1252(sender.text());
    TsDesc* field = boundField(TabDesc, sender.tag());
    if (!field || field->InfoType != 1 || text == field->OrgValue || !unreadableDate(text))
        return false;
    WriteTrace("Date illisible dans " + sender.name() + " : " + sender.text());
    QMessageBox::warning(
        this, QString::fromUtf8(kDateCheckTitle),
        unreadableDateMessage(fromCp1252(field->Caption), fromCp1252(field->FieldName)));
    sender.setText(fromCp1252(field->OrgValue));
    EditChange(sender);
    noteExitRefused(sender);
    sender.setFocus();
    return true;
}

bool TAxKelvaro::TestDateChange(ControlFace& sender, int minimum, int maximum)
{
    if (FlagLoading)
        return false;
    const std::string text = toCp1252(sender.text());
    const int date = parseDate(text);
    bool rejected = dateRejected(date, minimum, maximum);
    WriteTrace("dans TestDateChange, nom du champ : " + sender.name());
    TsDesc* field = boundField(TabDesc, sender.tag());
    if (field && text == field->OrgValue)
        rejected = false; // an unchanged date is always accepted
    if (date != 0 && field && rejected) {
        QMessageBox::warning(this, QString::fromUtf8(kDateCheckTitle),
                             dateLimitMessage(fromCp1252(field->Caption),
                                              fromCp1252(field->FieldName), minimum, maximum));
        sender.setText(fromCp1252(field->OrgValue));
    }
    EditChange(sender);
    if (rejected) {
        noteExitRefused(sender);
        sender.setFocus();
    }
    return rejected;
}

void TAxKelvaro::cMECExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::NotAfterServerToday);
}

void TAxKelvaro::cVDMECExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::NotAfterServerToday);
}

void TAxKelvaro::cVNMECExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::NotAfterServerToday);
}

void TAxKelvaro::vMECExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::NotAfterServerToday);
}

void TAxKelvaro::vDateOrdreExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::NotAfterServerToday);
}

void TAxKelvaro::vDateLastSAVExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::NotAfterServerToday);
}

void TAxKelvaro::cDateDisponibiliteExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::NotBeforeServerToday);
}

void TAxKelvaro::cVNDateDisponibiliteExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::NotBeforeServerToday);
}

void TAxKelvaro::cVNDateLivrMaxiExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::NotBeforeServerToday);
}

void TAxKelvaro::vDateNextSAVExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::NotBeforeServerToday);
}

void TAxKelvaro::cDateEntreeExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::WithinPeriod);
}

void TAxKelvaro::cDateOrdreExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::WithinPeriod);
}

void TAxKelvaro::cVNDateOrdreExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::WithinPeriod);
}

void TAxKelvaro::cDateValidationGarantieExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::WithinPeriod);
}

void TAxKelvaro::cDateLivraisonExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::WithinPeriod);
}

void TAxKelvaro::cVNDateLivraisonExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::WithinPeriod);
}

void TAxKelvaro::cDatePresFinancementExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::WithinPeriod);
}

void TAxKelvaro::cDatePaiementExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::WithinPeriod);
}

void TAxKelvaro::cVNDatePresFinancementExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::WithinPeriod);
}

void TAxKelvaro::cVNDatePaiementExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::WithinPeriod);
}

void TAxKelvaro::cVNDateAnnulationExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::WithinPeriod);
}

void TAxKelvaro::vDateFinGarantieExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::AfterOrderOrCirculation);
}

void TAxKelvaro::vDateFinFinancementExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::AfterOrderOrCirculation);
}

void TAxKelvaro::aCliDateNaissanceExit(ControlFace& sender)
{
    checkDate(*this, sender, DateRule::AdultBirth);
}
