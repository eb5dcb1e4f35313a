// Handlers of the make, model, version and site cascades.
// Empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"

void TAxKelvaro::cInfoMarqueChange(ControlFace&) {}
void TAxKelvaro::cInfoModeleChange(ControlFace&) {}
void TAxKelvaro::cSiteChange(ControlFace&) {}
void TAxKelvaro::cVDInfoMarqueChange(ControlFace&) {}
void TAxKelvaro::cVDInfoModeleChange(ControlFace&) {}
void TAxKelvaro::cVDInfoTypeVersionChange(ControlFace&) {}
void TAxKelvaro::cVNInfoMarqueChange(ControlFace&) {}
void TAxKelvaro::cVNInfoModeleChange(ControlFace&) {}
void TAxKelvaro::cVNInfoTypeVersionChange(ControlFace&) {}
void TAxKelvaro::aSiteChange(ControlFace&) {}
void TAxKelvaro::vInfoMarqueChange(ControlFace&) {}
void TAxKelvaro::vInfoModeleChange(ControlFace&) {}
void TAxKelvaro::cPAPAMarque1Change(ControlFace&) {}
void TAxKelvaro::cPAPAMarque2Change(ControlFace&) {}
void TAxKelvaro::ActionInfoRubrique(ControlFace&, int) {}
