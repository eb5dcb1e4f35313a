// Handlers of the photos page.
// Empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"

void TAxKelvaro::czCmdSelPathListImageClick() {}
void TAxKelvaro::czCmdRefreshListImageClick() {}
void TAxKelvaro::czCmdAssociateImageClick() {}
void TAxKelvaro::czCmdAssociateImageBlurClick() {}
void TAxKelvaro::czCmdDeleteImageVOClick() {}
void TAxKelvaro::czCmdDefaultImageVOClick() {}
void TAxKelvaro::cListImageSourceSelectItem(ListView&, int, bool) {}
void TAxKelvaro::cListImageVOSelectItem(ListView&, int, bool) {}
