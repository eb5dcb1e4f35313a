// Date checks when the user leaves a date field: a text that is not a date, or a date out of its
// limits, is refused with a message and the loaded date comes back.
#include "ui/TAxKelvaro.h"

#include <QMessageBox>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "editing/BoundFields.h"
#include "editing/FieldRules.h"
#include "ui/controls/DatePicker.h"

namespace {
void checkDate(TAxKelvaro& window, ControlFace& sender, DateLimitKind kind)
{
    if (window.FlagLoading || window.refuseUnreadableDate(sender))
        return;
    DateLimits limits;
    limits.serverToday = window.ServerToday;
    limits.periodStart = window.LimitDateStart;
    limits.periodEnd = window.LimitDateEnd;
    limits.today = todayDay();
    if (kind == DateLimitKind::AfterOrderOrCirculation) {
        limits.orderDate = toCp1252(window.vDateOrdre->text());
        limits.circulationDate = toCp1252(window.vMEC->text());
    }
    if (const std::optional<DateBounds> bounds = dateBounds(kind, limits))
        window.TestDateChange(sender, bounds->minimum, bounds->maximum);
}

DateRule ruleOf(const TsDesc& field, int minimum = 0, int maximum = 0)
{
    return fieldDateRule(fromCp1252(field.Caption), fromCp1252(field.FieldName), minimum, maximum);
}

// Tells why the date is refused and puts the loaded one back.
void refuse(TAxKelvaro& window, ControlFace& sender, const TsDesc& field, const DateRule& rule,
            DateVerdict verdict)
{
    QMessageBox::warning(&window, rule.title, dateMessage(rule, verdict));
    sender.setText(fromCp1252(field.OrgValue));
}
} // namespace

bool TAxKelvaro::refuseUnreadableDate(ControlFace& sender)
{
    // Loading a record writes its values: no exit check runs then.
    if (FlagLoading)
        return false;
    TsDesc* field = boundField(TabDesc, sender.tag());
    if (!field || field->InfoType != 1)
        return false;
    const DateRule rule = ruleOf(*field);
    if (dateVerdict(rule, toCp1252(sender.text()), field->OrgValue) != DateVerdict::Unreadable)
        return false;
    WriteTrace("Date illisible dans " + sender.name() + " : " + sender.text());
    refuse(*this, sender, *field, rule, DateVerdict::Unreadable);
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
    WriteTrace("dans TestDateChange, nom du champ : " + sender.name());
    TsDesc* field = boundField(TabDesc, sender.tag());
    const DateRule rule =
        field ? ruleOf(*field, minimum, maximum) : fieldDateRule({}, {}, minimum, maximum);
    const DateVerdict verdict = dateVerdict(rule, text, field ? field->OrgValue : std::string());
    // A cleared date below a minimum keeps the focus without a message.
    if (verdict != DateVerdict::Accepted && field && !text.empty())
        refuse(*this, sender, *field, rule, verdict);
    EditChange(sender);
    const bool rejected = verdict != DateVerdict::Accepted;
    if (rejected) {
        noteExitRefused(sender);
        sender.setFocus();
    }
    return rejected;
}

void TAxKelvaro::cMECExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::NotAfterServerToday);
}

void TAxKelvaro::cVDMECExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::NotAfterServerToday);
}

void TAxKelvaro::cVNMECExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::NotAfterServerToday);
}

void TAxKelvaro::vMECExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::NotAfterServerToday);
}

void TAxKelvaro::vDateOrdreExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::NotAfterServerToday);
}

void TAxKelvaro::vDateLastSAVExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::NotAfterServerToday);
}

void TAxKelvaro::cDateDisponibiliteExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::NotBeforeServerToday);
}

void TAxKelvaro::cVNDateDisponibiliteExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::NotBeforeServerToday);
}

void TAxKelvaro::cVNDateLivrMaxiExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::NotBeforeServerToday);
}

void TAxKelvaro::vDateNextSAVExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::NotBeforeServerToday);
}

void TAxKelvaro::cDateEntreeExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::WithinPeriod);
}

void TAxKelvaro::cDateOrdreExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::WithinPeriod);
}

void TAxKelvaro::cVNDateOrdreExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::WithinPeriod);
}

void TAxKelvaro::cDateValidationGarantieExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::WithinPeriod);
}

void TAxKelvaro::cDateLivraisonExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::WithinPeriod);
}

void TAxKelvaro::cVNDateLivraisonExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::WithinPeriod);
}

void TAxKelvaro::cDatePresFinancementExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::WithinPeriod);
}

void TAxKelvaro::cDatePaiementExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::WithinPeriod);
}

void TAxKelvaro::cVNDatePresFinancementExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::WithinPeriod);
}

void TAxKelvaro::cVNDatePaiementExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::WithinPeriod);
}

void TAxKelvaro::cVNDateAnnulationExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::WithinPeriod);
}

void TAxKelvaro::vDateFinGarantieExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::AfterOrderOrCirculation);
}

void TAxKelvaro::vDateFinFinancementExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::AfterOrderOrCirculation);
}

void TAxKelvaro::aCliDateNaissanceExit(ControlFace& sender)
{
    checkDate(*this, sender, DateLimitKind::AdultBirth);
}
