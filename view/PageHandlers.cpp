// Handlers of the page control and of the reload button.
// Empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"

void TAxKelvaro::TabsChanging(bool&) {}
void TAxKelvaro::TabsChange() {}
void TAxKelvaro::JvXPBtnActualizeClick() {}
