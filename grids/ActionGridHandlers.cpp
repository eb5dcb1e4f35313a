// Handlers of the follow-up actions grid and of its new-action button.
// Empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"

void TAxKelvaro::ngActionEdit(int, int, const QString&) {}
void TAxKelvaro::ngActionEditAccept(int, int, const QString&, bool&) {}
void TAxKelvaro::ngActionAfterEdit(int, int) {}
void TAxKelvaro::ngActionChange(int, int) {}
void TAxKelvaro::ngActionBeforeSelect(int, int, bool&) {}
void TAxKelvaro::ngActionCellClick(int, int) {}
void TAxKelvaro::ngActionKeyPress(ControlFace&, QChar&) {}
void TAxKelvaro::ngActionCellFormating(int, int, CellFormat&) {}
void TAxKelvaro::JvXPBtnNewActionClick() {}
bool TAxKelvaro::TestActionUpdate(int)
{
    return false;
}
