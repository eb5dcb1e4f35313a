// Field changes that refresh the window's header or arm a duplicate count once recorded.
#include "ui/TAxKelvaro.h"

#include "ui/controls/TextEdit.h"

void TAxKelvaro::cNVOChange(ControlFace& sender)
{
    WriteTrace("dans cNVOChange " + sender.text());
    EditChange(sender);
    setInfoNVO();
}

void TAxKelvaro::cInfoCouleurChange(ControlFace& sender)
{
    CBoxChange(sender);
    setInfoField1();
}

void TAxKelvaro::cCVKMSChange(ControlFace& sender)
{
    EditChange(sender);
    setInfoField2();
}

void TAxKelvaro::cInfoVesionChange(ControlFace& sender)
{
    EditChange(sender);
    setInfoTitre();
}

void TAxKelvaro::cVNInfoVersionChange(ControlFace& sender)
{
    EditChange(sender);
    setInfoTitre();
}

void TAxKelvaro::cDateEntreeChange(ControlFace& sender)
{
    EditChange(sender);
    setInfoField3();
}

void TAxKelvaro::aCliCiviliteChange(ControlFace& sender)
{
    CBoxChange(sender);
    ShowIdentity();
}

void TAxKelvaro::aCliNomChange(ControlFace& sender)
{
    EditChange(sender);
    ShowIdentity();
    setDblChange("Nom");
}

void TAxKelvaro::aCliPrenomChange(ControlFace& sender)
{
    EditChange(sender);
    ShowIdentity();
    setDblChange("Ident");
}

void TAxKelvaro::aCliEmailChange(ControlFace& sender)
{
    EditChange(sender);
    setInfoField1();
}

void TAxKelvaro::aCliMobileChange(ControlFace& sender)
{
    EditChange(sender);
    setInfoField2();
    setDblChange("Mobile");
}

void TAxKelvaro::aCliTelDomChange(ControlFace& sender)
{
    EditChange(sender);
    setInfoField3();
    setDblChange("TelDom");
}

void TAxKelvaro::aCliNomDblClick(ControlFace&)
{
    revealDblBox(DblNom);
    setDblChange("Nom");
}

void TAxKelvaro::aCliPrenomDblClick(ControlFace&)
{
    revealDblBox(DblIdent);
    setDblChange("Ident");
}

void TAxKelvaro::aCliMobileDblClick(ControlFace&)
{
    revealDblBox(DblMobile);
    setDblChange("Mobile");
}

void TAxKelvaro::aCliTelDomDblClick(ControlFace&)
{
    revealDblBox(DblTelDom);
    setDblChange("TelDom");
}
