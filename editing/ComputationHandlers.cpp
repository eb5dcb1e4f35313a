// Handlers of the fields that prices, VAT, margins and due dates are computed from.
// The computations are empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"

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

void TAxKelvaro::cTPVOChange(ControlFace&) {}
void TAxKelvaro::cModeTVAChange(ControlFace&) {}
void TAxKelvaro::cVNMECChange(ControlFace&) {}
void TAxKelvaro::cVNDateDeclareLivreChange(ControlFace&) {}
void TAxKelvaro::cVNMontantAchatChange(ControlFace&) {}
void TAxKelvaro::cVNDateOrdreChange(ControlFace&) {}
void TAxKelvaro::cVNDestinationChange(ControlFace&) {}
void TAxKelvaro::cVNDateDisponibiliteChange(ControlFace&) {}
void TAxKelvaro::cVNDateLivraisonChange(ControlFace&) {}
void TAxKelvaro::cVNTypeFinancementChange(ControlFace&) {}
void TAxKelvaro::cVNTypeFinancementDelaiChange(ControlFace&) {}
void TAxKelvaro::cVNDateAchatChange(ControlFace&) {}
void TAxKelvaro::cVNDateEcheanceChange(ControlFace&) {}
void TAxKelvaro::cVNSituationAchatChange(ControlFace&) {}
void TAxKelvaro::UpdateTVAetMarges() {}
