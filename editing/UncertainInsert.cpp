// An insert sent whose answer was lost (the connection broke after the request left): the server
// may have created the row. It is not sent again as if nothing had happened: the user checks, sends
// it again, or keeps the edits pending.
#include "ui/TAxKelvaro.h"

#include "ui/ChoiceBox.h"

#include <QMessageBox>

#include "app/Cp1252.h"
#include "ui/controls/AllKinds.h"

bool TAxKelvaro::confirmUncertainInsert()
{
    const int answer =
        askChoice(this, QMessageBox::Warning, QStringLiteral("Enregistrement incertain"),
                  QStringLiteral("Le serveur n'a pas confirmé l'enregistrement : il a peut-être "
                                 "été créé. Vérifiez avant de l'enregistrer à nouveau."),
                  {{QMessageBox::Yes, "Vérifier"},
                   {QMessageBox::Retry, "Enregistrer à nouveau"},
                   {QMessageBox::Cancel, "Annuler"}});
    WriteTrace("Enregistrement incertain : réponse " + QString::number(answer));
    if (answer == QMessageBox::Retry) {
        Uncertain = UncertainInsert::None;
        return true;
    }
    if (answer == QMessageBox::Yes) {
        const UncertainInsert what = Uncertain;
        // After the save that asked has ended.
        queueWork([this, what] { verifyUncertainInsert(what); });
    }
    return false;
}

void TAxKelvaro::verifyUncertainInsert(UncertainInsert what)
{
    if (what != UncertainInsert::Record) {
        // A line, a fixed fee or a photo: the record as the server holds it, with its lines.
        JvXPBtnActualizeClick();
        return;
    }
    if (RecordKind == "_TCL") {
        openSearchOn(TSLbClient, TSClient, aCliNom->text(), true);
        return;
    }
    const ControlFace* number = RecordKind == "_TVD"   ? static_cast<ControlFace*>(cVDNVO)
                                : RecordKind == "_TVN" ? static_cast<ControlFace*>(cVNNVO)
                                                       : static_cast<ControlFace*>(cNVO);
    openSearchOn(TSLbNVO, TSNVO, number->text(), true);
}
