// Handlers of the fields that prices, VAT, margins and due dates are computed from.
// Empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"

void TAxKelvaro::cPrixVenteChange(ControlFace&) {}
void TAxKelvaro::cPrixRepriseChange(ControlFace&) {}
void TAxKelvaro::cTPVOChange(ControlFace&) {}
void TAxKelvaro::cPrixGarantieChange(ControlFace&) {}
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
