// Handlers of the client vehicles grid and of its new-vehicle button.
// Empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"

void TAxKelvaro::ngVehiclesBeforeSelect(int, int, bool&) {}
void TAxKelvaro::ngVehiclesSelectCell(int, int) {}
void TAxKelvaro::ngVehiclesCellClick(int, int) {}
void TAxKelvaro::JvXPBtnNewVehicleClick() {}
