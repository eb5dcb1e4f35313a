// Handlers of the record buttons: new record, deletion, sweep.
// Empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"

void TAxKelvaro::JvXPBtnNewVOClick() {}
void TAxKelvaro::JvXPBtnSupprClick() {}
void TAxKelvaro::JvXPBtnSweepClick() {}
