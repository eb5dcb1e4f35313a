// Handlers of the reconditioning costs grid.
// Empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"

void TAxKelvaro::ngFrevoEdit(int, int, const QString&) {}
void TAxKelvaro::ngFrevoEditAccept(int, int, const QString&, bool&) {}
void TAxKelvaro::ngFrevoAfterEdit(int, int) {}
void TAxKelvaro::ngFrevoChange(int, int) {}
void TAxKelvaro::ngFrevoBeforeSelect(int, int, bool&) {}
void TAxKelvaro::ngFrevoCellClick(int, int) {}
void TAxKelvaro::ngFrevoCellFormating(int, int, CellFormat&) {}
bool TAxKelvaro::TestFrevoUpdate(int)
{
    return false;
}
void TAxKelvaro::TestFraisFixes(std::string& statement)
{
    statement.clear();
}
