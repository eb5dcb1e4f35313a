// Handlers of the record buttons: save, new record, deletion, sweep.
// Empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"

void TAxKelvaro::JvXPBtnSaveClick() {}
void TAxKelvaro::JvXPBtnNewVOClick() {}
void TAxKelvaro::JvXPBtnSupprClick() {}
void TAxKelvaro::JvXPBtnSweepClick() {}
