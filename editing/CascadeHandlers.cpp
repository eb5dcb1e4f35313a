// Handlers of the make, model, version and site combos. Each records the edit first, so that
// nothing chosen is lost; refilling the dependent lists comes with the cascades themselves.
#include "ui/TAxKelvaro.h"

#include "app/Cp1252.h"
#include "ui/ControlFace.h"
#include "ui/controls/ComboBox.h"
#include "view/CaseText.h"

void TAxKelvaro::cInfoMarqueChange(ControlFace& sender)
{
    CBoxChange(sender);
    setInfoTitre();
}

void TAxKelvaro::cVDInfoMarqueChange(ControlFace& sender)
{
    CBoxChange(sender);
    setInfoTitre();
}

void TAxKelvaro::cVNInfoMarqueChange(ControlFace& sender)
{
    CBoxChange(sender);
    setInfoTitre();
}

void TAxKelvaro::cInfoModeleChange(ControlFace& sender)
{
    CBoxChange(sender);
}

void TAxKelvaro::cVDInfoModeleChange(ControlFace& sender)
{
    CBoxChange(sender);
}

void TAxKelvaro::cVNInfoModeleChange(ControlFace& sender)
{
    CBoxChange(sender);
}

// The version type is free text as well as a list: the combo's whole text is recorded.
void TAxKelvaro::cVDInfoTypeVersionChange(ControlFace& sender)
{
    EditChange(sender);
    setInfoTitre();
}

void TAxKelvaro::cVNInfoTypeVersionChange(ControlFace& sender)
{
    EditChange(sender);
    setInfoTitre();
}

// The site chosen last is proposed for the next new record.
void TAxKelvaro::cSiteChange(ControlFace& sender)
{
    CBoxChange(sender);
    DefaultSite = sender.text();
}

// The client's site filters the staff lists.
void TAxKelvaro::aSiteChange(ControlFace& sender)
{
    CBoxChange(sender);
    RecordSite = upperCp1252(toCp1252(aSite->text()));
}

void TAxKelvaro::vInfoMarqueChange(ControlFace& sender)
{
    CBoxChange(sender);
}

void TAxKelvaro::vInfoModeleChange(ControlFace& sender)
{
    CBoxChange(sender);
}

void TAxKelvaro::cPAPAMarque1Change(ControlFace& sender)
{
    CBoxChange(sender);
}

void TAxKelvaro::cPAPAMarque2Change(ControlFace& sender)
{
    CBoxChange(sender);
}

void TAxKelvaro::ActionInfoRubrique(ControlFace&, int) {}
