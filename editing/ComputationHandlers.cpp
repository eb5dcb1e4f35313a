// Handlers of the fields that prices, VAT, margins and due dates are computed from: each records
// the edit, then the computations that depend on it run again.
#include "ui/TAxKelvaro.h"

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "ui/controls/DatePicker.h"

// A price is recorded, then the VAT and the margins follow it.
void TAxKelvaro::cPrixVenteChange(ControlFace& sender)
{
    EditChange(sender);
    UpdateTVAetMarges();
}

void TAxKelvaro::cPrixRepriseChange(ControlFace& sender)
{
    EditChange(sender);
    UpdateTVAetMarges();
}

void TAxKelvaro::cPrixGarantieChange(ControlFace& sender)
{
    EditChange(sender);
    UpdateTVAetMarges();
}

// Commissions, financing and catalogue amounts take part in the margins.
void TAxKelvaro::cTPVOChange(ControlFace& sender)
{
    EditChange(sender);
    UpdateTVAetMarges();
}

void TAxKelvaro::cModeTVAChange(ControlFace& sender)
{
    CBoxChange(sender);
    UpdateTVAetMarges();
}

// Amounts of a new vehicle's purchase: the balance follows them.
void TAxKelvaro::cVNMontantAchatChange(ControlFace& sender)
{
    EditChange(sender);
    UpdateSoldeVN();
}

void TAxKelvaro::cVNDateEch(ControlFace& sender)
{
    EditChange(sender);
    UpdateDateEcheanceTresorerie();
}

void TAxKelvaro::cVNDateEcheanceChange(ControlFace& sender)
{
    cVNDateEch(sender);
}

void TAxKelvaro::cVNDateDeclareLivreChange(ControlFace& sender)
{
    cVNDateEch(sender);
}

void TAxKelvaro::cVNDateDisponibiliteChange(ControlFace& sender)
{
    cVNDateEch(sender);
}

void TAxKelvaro::cVNDateLivraisonChange(ControlFace& sender)
{
    cVNDateEch(sender);
}

// The purchase date is also the invoice date unless the invoice date already says so.
void TAxKelvaro::cVNDateAchatChange(ControlFace& sender)
{
    cVNDateEch(sender);
    setInfoField3();
    // The loaded dates are shown as they are, even when they differ.
    const QString purchase = cVNDateAchat->text();
    if (!FlagLoading && cVNDateFacture->text() != purchase && parseDate(toCp1252(purchase)) != 0)
        cVNDateFacture->setText(purchase);
}

void TAxKelvaro::cVNSituationAchatChange(ControlFace& sender)
{
    CBoxChange(sender);
    UpdateDateEcheanceTresorerie();
}

void TAxKelvaro::cVNTypeFinancementChange(ControlFace& sender)
{
    CBoxChange(sender);
    UpdateDateEcheanceTresorerie();
}

void TAxKelvaro::cVNTypeFinancementDelaiChange(ControlFace& sender)
{
    CBoxChange(sender);
    UpdateDateEcheanceTresorerie();
}

void TAxKelvaro::cVNDestinationChange(ControlFace& sender)
{
    CBoxChange(sender);
    UpdateDateEcheanceTresorerie();
}

// The order and first-registration dates of a new vehicle also count its days in stock.
void TAxKelvaro::cVNDateOrdreChange(ControlFace& sender)
{
    EditChange(sender);
    setInfoField3();
}

void TAxKelvaro::cVNMECChange(ControlFace& sender)
{
    EditChange(sender);
    setInfoField3();
}
