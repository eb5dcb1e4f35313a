// Handlers of the fields' own checks: combo keys, date limits on exit, key filters and
// the changes that refresh the header or arm a duplicate count.
// Empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"

#include "ui/ControlFace.h"

void TAxKelvaro::CBoxKeyDown(ControlFace&, int&, KeyState) {}
void TAxKelvaro::cDateEntreeExit(ControlFace&) {}
void TAxKelvaro::cMECExit(ControlFace&) {}
void TAxKelvaro::cDateValidationGarantieExit(ControlFace&) {}
void TAxKelvaro::cDateOrdreExit(ControlFace&) {}
void TAxKelvaro::cDateDisponibiliteExit(ControlFace&) {}
void TAxKelvaro::cDateLivraisonExit(ControlFace&) {}
void TAxKelvaro::cDatePresFinancementExit(ControlFace&) {}
void TAxKelvaro::cDatePaiementExit(ControlFace&) {}
void TAxKelvaro::cVDMECExit(ControlFace&) {}
void TAxKelvaro::cVNMECExit(ControlFace&) {}
void TAxKelvaro::cVNDateOrdreExit(ControlFace&) {}
void TAxKelvaro::cVNDateLivrMaxiExit(ControlFace&) {}
void TAxKelvaro::cVNDateDisponibiliteExit(ControlFace&) {}
void TAxKelvaro::cVNDateLivraisonExit(ControlFace&) {}
void TAxKelvaro::cVNDatePresFinancementExit(ControlFace&) {}
void TAxKelvaro::cVNDatePaiementExit(ControlFace&) {}
void TAxKelvaro::cVNDateAnnulationExit(ControlFace&) {}
void TAxKelvaro::aCliDateNaissanceExit(ControlFace&) {}
void TAxKelvaro::vDateOrdreExit(ControlFace&) {}
void TAxKelvaro::vMECExit(ControlFace&) {}
void TAxKelvaro::vDateLastSAVExit(ControlFace&) {}
void TAxKelvaro::vDateNextSAVExit(ControlFace&) {}
void TAxKelvaro::vDateFinGarantieExit(ControlFace&) {}
void TAxKelvaro::vDateFinFinancementExit(ControlFace&) {}
void TAxKelvaro::cImmatriculationKeyPress(ControlFace&, QChar&) {}
void TAxKelvaro::cVDImmatriculationKeyPress(ControlFace&, QChar&) {}
void TAxKelvaro::cVNImmatriculationKeyPress(ControlFace&, QChar&) {}
void TAxKelvaro::vImmatriculationKeyPress(ControlFace&, QChar&) {}
void TAxKelvaro::aCliNomKeyPress(ControlFace&, QChar&) {}
void TAxKelvaro::aCliPrenomKeyPress(ControlFace&, QChar&) {}
void TAxKelvaro::aCliAdresse1KeyPress(ControlFace&, QChar&) {}
void TAxKelvaro::aCliAdresse2KeyPress(ControlFace&, QChar&) {}
void TAxKelvaro::aCliVilleKeyPress(ControlFace&, QChar&) {}
void TAxKelvaro::aCliMobileKeyPress(ControlFace&, QChar&) {}
void TAxKelvaro::aCliTelDomKeyPress(ControlFace&, QChar&) {}
void TAxKelvaro::aCliTelBurKeyPress(ControlFace&, QChar&) {}
void TAxKelvaro::vInfoVersionKeyPress(ControlFace&, QChar&) {}
void TAxKelvaro::vInfoTypeVersionKeyPress(ControlFace&, QChar&) {}
void TAxKelvaro::cDateEntreeChange(ControlFace&) {}
void TAxKelvaro::aCliCiviliteChange(ControlFace&) {}
void TAxKelvaro::aCliNomChange(ControlFace&) {}
void TAxKelvaro::aCliPrenomChange(ControlFace&) {}
void TAxKelvaro::aCliEmailChange(ControlFace&) {}
void TAxKelvaro::aCliMobileChange(ControlFace&) {}
void TAxKelvaro::aCliTelDomChange(ControlFace&) {}
void TAxKelvaro::aCliNomDblClick(ControlFace&) {}
void TAxKelvaro::aCliPrenomDblClick(ControlFace&) {}
void TAxKelvaro::aCliMobileDblClick(ControlFace&) {}
void TAxKelvaro::aCliTelDomDblClick(ControlFace&) {}
