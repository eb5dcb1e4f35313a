// The header of the window: number, title, identity and the three information boxes, the window
// caption, the hints that speak of vehicles or clients, and the guarantee fields.
#include "ui/TAxKelvaro.h"

#include <QApplication>
#include <QLabel>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "ui/ColorValues.h"
#include "ui/Pictures.h"
#include "ui/controls/AllKinds.h"
#include "view/CaseText.h"
#include "view/RecordRules.h"

namespace {
std::string cp(const ControlFace* control)
{
    return control ? toCp1252(control->text()) : std::string();
}
} // namespace

void TAxKelvaro::windowCaption()
{
    setWindowTitle("Kelvaro - " + fromCp1252(kindCaption(RecordKind)) + QStringLiteral(" N°") +
                   xcInfoNVO->text() + " - " + xcInfoTitre->text());
}

void TAxKelvaro::setInfoNVO()
{
    if (RecordKind == "_TVO")
        xcInfoNVO->setText(cNVO->text());
    else if (RecordKind == "_TVD")
        xcInfoNVO->setText(cVDNVO->text());
    else if (RecordKind == "_TVN")
        xcInfoNVO->setText(cVNNVO->text());
    windowCaption();
}

void TAxKelvaro::setInfoTitre()
{
    const ControlFace* make = nullptr;
    const ControlFace* version = nullptr;
    if (RecordKind == "_TVO") {
        make = cInfoMarque;
        version = cInfoVersion;
    } else if (RecordKind == "_TVD") {
        make = cVDInfoMarque;
        version = cVDInfoVersion;
    } else if (RecordKind == "_TVN") {
        make = cVNInfoMarque;
        version = cVNInfoVersion;
    }
    xcInfoTitre->setText(make ? fromCp1252(vehicleTitle(cp(make), cp(version))) : QString());
    windowCaption();
}

void TAxKelvaro::setInfoField1()
{
    if (RecordKind == "_TCL") {
        const QString email = aCliEmail->text().toLower();
        xcInfoField1->setText(email);
        xcInfoField1->setFontPointSize(emailFontSize(size_t(email.size())));
        QApplication::setApplicationName("Saisie des Fiches Ostrel");
        setWindowIcon(pictures::windowIcon("O"));
        return;
    }
    const ControlFace* colour = RecordKind == "_TVD"   ? static_cast<ControlFace*>(cVDInfoCouleur)
                                : RecordKind == "_TVN" ? static_cast<ControlFace*>(cVNInfoCouleur)
                                                       : static_cast<ControlFace*>(cInfoCouleur);
    xcInfoField1->setText(colour->text());
    xcInfoField1->setFontPointSize(12);
    QApplication::setApplicationName("Saisie des Fiches Kelvaro");
    setWindowIcon(pictures::windowIcon("K"));
}

void TAxKelvaro::setInfoField2()
{
    if (RecordKind == "_TVO")
        xcInfoField2->setText(cCV->text() + " cv - " + cKMS->text() + " kms");
    else if (RecordKind == "_TVD")
        xcInfoField2->setText(cVDCV->text() + " cv - " + cVDKMS->text() + " kms");
    else if (RecordKind == "_TCL")
        xcInfoField2->setText(fromCp1252(GroupPhoneDigits(cp(aCliMobile))));
}

void TAxKelvaro::setInfoField3()
{
    if (FlagLoading)
        return;
    if (RecordKind == "_TVO")
        xcInfoField3->setText(
            fromCp1252(usedVehicleDays(cp(cDateOrdre), cp(cDateEntree), ServerToday, todayDay())));
    else if (RecordKind == "_TVN")
        xcInfoField3->setText(fromCp1252(
            newVehicleDays(cp(cVNDateOrdre), cp(cVNDateFacture), cp(cVNMEC), todayDay())));
    else if (RecordKind == "_TCL")
        xcInfoField3->setText(fromCp1252(GroupPhoneDigits(cp(aCliTelDom))));
}

void TAxKelvaro::ShowIdentity()
{
    const QString identity =
        fromCp1252(identityText(cp(aCliCivilite), cp(aCliNom), cp(aCliPrenom)));
    xcIdentity->setText(identity);
    setWindowTitle("OstrelII - " + identity);
}

void TAxKelvaro::UpdateHints(bool isClient)
{
    for (ControlFace* button : std::initializer_list<ControlFace*>{
             JvXPBtnActualize, JvXPBtnNewVO, JvXPBtnPrint, JvXPBtnSuppr, JvXPNext, JvXPPrev})
        button->setHint(fromCp1252(swapHintWord(toCp1252(button->hint()), isClient)));
}

bool TAxKelvaro::GetDataRights(const std::string& groups)
{
    return hasGroupRight(RecordDoc, groups, FlagSiteRights);
}

void TAxKelvaro::updateGuaranteeFields()
{
    bool allowed = GetDataRights(";COMPTA;");
    if (!allowed && GetDataRights(";SVO;RVO;"))
        allowed = cDateValidationGarantie->text().isEmpty();
    for (ControlFace* field : std::initializer_list<ControlFace*>{
             cTypeGarantie, cDureeGarantie, cPrixGarantie, cMtComIntermediaire}) {
        field->setEnabled(allowed);
        field->setColor(allowed ? color::Window : color::ButtonFace);
    }
}
