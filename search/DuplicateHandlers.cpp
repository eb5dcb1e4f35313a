// Handlers of the duplicate counters of the client page.
// Empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"

void TAxKelvaro::DblNomClick() {}
void TAxKelvaro::DblIdentClick() {}
void TAxKelvaro::DblMobileClick() {}
void TAxKelvaro::DblTelDomClick() {}
void TAxKelvaro::setDblChange(const QString&) {}
