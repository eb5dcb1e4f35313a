// Handlers of the options lists and of the new-vehicle date fields.
// Empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"

void TAxKelvaro::czVDOptionsClick() {}
void TAxKelvaro::czVNOptionsClick() {}
void TAxKelvaro::cVDInfoOptionsEnter(ControlFace&) {}
void TAxKelvaro::cVDInfoOptionsExit(ControlFace&) {}
void TAxKelvaro::cVNInfoOptionsEnter(ControlFace&) {}
void TAxKelvaro::cVNInfoOptionsExit(ControlFace&) {}
void TAxKelvaro::cDestinationChange(ControlFace&) {}
void TAxKelvaro::cVNStatutVNChange(ControlFace&) {}
void TAxKelvaro::cVNDateCdeVWChange(ControlFace&) {}
void TAxKelvaro::cVNDateFabricationChange(ControlFace&) {}
void TAxKelvaro::cVNDateFactureChange(ControlFace&) {}
void TAxKelvaro::cVNDateDebutGarantieChange(ControlFace&) {}
