// Handlers of the reports, the margin sheet, the test SMS and the accounting panel.
// Empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"

void TAxKelvaro::JvXPBtnPrintClick() {}
void TAxKelvaro::czFeuilleMargeClick() {}
void TAxKelvaro::JvXPBtnSMSClick() {}
void TAxKelvaro::LbPanelComptaClick() {}
