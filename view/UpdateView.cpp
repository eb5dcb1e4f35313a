// Record loading and view refresh.
#include "ui/TAxKelvaro.h"

void TAxKelvaro::UpdateView(bool /*reloadDescriptions*/)
{
    // The record documents and the tabs come with the record view; until then the window only
    // leaves the splash.
    hideSplash();
}
