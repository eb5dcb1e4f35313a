// Handlers of the search panel, its result grid and the result paging buttons.
// Empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"

void TAxKelvaro::JvXPBtnSearchClick() {}
void TAxKelvaro::TSLbNVOClick() {}
void TAxKelvaro::TSLbImmatClick() {}
void TAxKelvaro::TSLbClientClick() {}
void TAxKelvaro::TSLbTelephoneClick() {}
void TAxKelvaro::TSLbMobileClick() {}
void TAxKelvaro::TSVClick() {}
void TAxKelvaro::LbSearchClick() {}
void TAxKelvaro::ncbSearchChange(ControlFace&) {}
void TAxKelvaro::ncbSiteChange(ControlFace&) {}
void TAxKelvaro::ncbTypeVOChange(ControlFace&) {}
void TAxKelvaro::JvXPBtnSearchPlusClick() {}
void TAxKelvaro::ngSearchCellClick(int, int) {}
void TAxKelvaro::ngSearchMouseMove(int, int) {}
void TAxKelvaro::ngSearchCellFormating(int, int, CellFormat&) {}
void TAxKelvaro::JvXPNextClick() {}
void TAxKelvaro::JvXPPrevClick() {}
