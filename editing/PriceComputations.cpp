// The computed controls of the vehicle pages: VAT and margins of a used vehicle, balance and due
// dates of a new vehicle. Each run starts again from the controls; writing a result records it
// like a typed value when the control is a bound field.
#include "ui/TAxKelvaro.h"

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "app/Numbers.h"
#include "editing/Computations.h"
#include "ui/controls/AllKinds.h"
#include "view/ListReaders.h"

namespace {
double amountIn(const ControlFace& control)
{
    return amountOf(toCp1252(control.text()));
}

int dateIn(const ControlFace& control)
{
    return parseDate(toCp1252(control.text()));
}

void showDate(ControlFace& control, int day)
{
    control.setText(day == 0 ? QString() : fromCp1252(formatDate(day)));
}
} // namespace

void TAxKelvaro::UpdateTVAetMarges()
{
    if (FlagLoading)
        return;
    UpdateSoldeVN();
    UpdateDateEcheanceTresorerie();
    // The margins are those of a used vehicle: the controls of its page keep the bindings of the
    // last used vehicle shown, which another kind of record must not touch.
    if (RecordKind != "_TVO")
        return;
    MarginInputs in;
    in.costTotal = amountOf(withoutBlanks(FrevoTotal));
    cTotFrevo->setText(fromCp1252(formatAmount(in.costTotal)));
    if (cModeTVA->itemCount() == 0)
        return;
    in.vatMode = cModeTVA->itemIndex() + 1;
    in.sellingPrice = amountIn(*cPrixVente);
    in.tradeInPrice = amountIn(*cPrixReprise);
    in.tpvo = amountIn(*cTPVO);
    in.warrantyPrice = amountIn(*cPrixGarantie);
    const Margins margins = computeMargins(in);
    ccTVA->setText(fromCp1252(margins.vat));
    cMBrute->setText(fromCp1252(margins.gross));
    cMNette->setText(fromCp1252(margins.net));
}

// Loading shows the stored balance; it is computed again once the record is complete.
void TAxKelvaro::UpdateSoldeVN()
{
    if (FlagLoading || RecordKind != "_TVN")
        return;
    const double balance = newVehicleBalance(amountIn(*cVNPrixVente), amountIn(*cVNVFinancement),
                                             amountIn(*cVNReprPrix), amountIn(*cVNMontantAcompte));
    cVNSolde->setText(fromCp1252(formatAmount(balance)));
}

void TAxKelvaro::UpdateDateEcheanceTresorerie()
{
    if (FlagLoading || RecordKind != "_TVN")
        return;
    PurchaseDates dates;
    dates.purchase = dateIn(*cVNDateAchat);
    dates.delivery = dateIn(*cVNDateLivraison);
    dates.availability = dateIn(*cVNDateDisponibilite);
    dates.declaredDelivered = dateIn(*cVNDateDeclareLivre);
    dates.due = dateIn(*cVNDateEcheance);
    showDate(*cVNDateEchTresorerie, treasuryDueDate(dates));

    // Without the list "TypeFinancementDelai" payment is due on delivery.
    std::vector<std::string> delays;
    if (ListsIndex) {
        if (auto entries = listEntries(*ListsIndex, "TypeFinancementDelai", RecordSite, false))
            delays = std::move(*entries);
    }
    showDate(*cVNDateEchReglement,
             paymentDueDate(dates, delays, toCp1252(cVNTypeFinancement->text()),
                            toCp1252(cVNDestination->text())));
}
