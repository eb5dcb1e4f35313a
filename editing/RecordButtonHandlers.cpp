// The record buttons: a new record of the kind shown, the deletion of the record shown, and the
// sweep of cancelled new-vehicle orders.
#include "ui/TAxKelvaro.h"

#include <QDateTime>
#include <QMessageBox>

#include <algorithm>

#include "app/Cp1252.h"
#include "app/Paths.h"
#include "editing/BoundFields.h"
#include "editing/RecordCreation.h"
#include "server/Endpoints.h"
#include "server/HttpFlow.h"
#include "ui/controls/AllKinds.h"
#include "ui/grid/DataGrid.h"
#include "view/BlankRecord.h"
#include "view/CaseText.h"

namespace {
bool confirmed(QWidget* parent, const QString& question)
{
    return QMessageBox::question(parent, QStringLiteral("Confirmation de Suppression"), question,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

// A key of the record document; with the warning, says so when it is missing.
std::string recordKey(TAxKelvaro& window, const char* element, const char* name, bool warn,
                      const QString& missing)
{
    TXml cursor = window.RecordDoc;
    XmlFind(cursor, element);
    std::string key;
    XmlValue(cursor, name, key);
    if (key.empty() && warn)
        QMessageBox::warning(&window, QStringLiteral("Action Annulée"), missing);
    return key;
}
} // namespace

void TAxKelvaro::GetIdVO(bool warn, std::string& key)
{
    key =
        recordKey(*this, "tVO", "idVO", warn,
                  QStringLiteral("L'identifiant du véhicule demandé n'a pas pu être restitué... "));
}

void TAxKelvaro::GetIdClient(bool warn, std::string& key)
{
    key = recordKey(*this, "TVC", "idClient", warn,
                    QStringLiteral("L'identifiant du client demandé n'a pas pu être restitué... "));
}

void TAxKelvaro::startBlankRecord()
{
    // The new record is read from a document of its own: nothing of the record shown survives
    // but the user's dealership, sites, groups and date limits.
    const bool client = RecordKind == "_TCL";
    const std::string file = replyPath(client ? replyfile::CL : replyfile::VO);
    const std::string last = fileExists(file) ? LoadTextFile(file) : std::string();
    TXml lastRecord(last);
    XmlFind(lastRecord, "tVO");
    const std::string typeVO =
        !RecordTypeVO.empty() ? RecordTypeVO : (RecordKind == "_TVO" ? "1" : "2");
    if (!writeReplyFile(
            file, blankRecordDocument(last, RecordKind, typeVO, XmlText(lastRecord, "StatutVD"))))
        WriteTrace("Nouvelle fiche : écriture impossible de " + QString::fromStdString(file));
    for (DataGrid* grid : {ngFrevo, ngAction, ngVehicles})
        grid->clearRows();
    FrevoRows.resize(std::min<size_t>(FrevoRows.size(), 1));
    ActionRows.resize(std::min<size_t>(ActionRows.size(), 1));
    FlagNewFrevo = false;
    FlagNewAction = false;
    FlagNewVehicle = false;
}

void TAxKelvaro::JvXPBtnNewVOClick()
{
    if (!commitFocusedControl() || !saveBeforeLeaving())
        return; // the record shown keeps its pending changes
    FlagNewEnreg = true;
    // Each new record has a journal of its own, named by when it was started.
    NewRecordStarted = QDateTime::currentSecsSinceEpoch();
    const std::string kind = toCp1252(JvXPBtnNewVO->text());
    startBlankRecord();
    if (kind == "CL") {
        LbIDCustomer->setText(QStringLiteral("-2"));
        Tabs->setCurrentIndex(6);
    } else {
        Tabs->setCurrentIndex(kind == "VD" ? 1 : kind == "VN" ? 2 : 0);
    }
    FrevoTotal.clear();
    UpdateTabDesc(false, true);

    ControlFace* site = kind == "CL"   ? static_cast<ControlFace*>(aSite)
                        : kind == "VD" ? static_cast<ControlFace*>(cVDSite)
                        : kind == "VN" ? static_cast<ControlFace*>(cVNSite)
                                       : static_cast<ControlFace*>(cSite);
    TsDesc* field = boundField(TabDesc, site->tag());
    std::vector<std::string> items;
    for (const QString& item : site->items())
        items.push_back(toCp1252(item));
    const auto proposed = proposedSite(items, toCp1252(DefaultSite), toCp1252(UserSite));
    if (!proposed || !field)
        return;
    site->setItemIndex(int(*proposed));
    field->Value = upperCp1252(items[*proposed]);
    // The proposed site is part of the row the first save inserts.
    TestPageUpdate(entryOfTag(site->tag()));
}

void TAxKelvaro::JvXPBtnSupprClick()
{
    if (!commitFocusedControl())
        return;
    const std::string kind = toCp1252(JvXPBtnNewVO->text());
    const bool client = kind == "CL";
    const QString question =
        client ? QStringLiteral("Veuillez confirmer la suppression du client \"") +
                     aCliNom->text() + " " + aCliPrenom->text() + "\""
               : QStringLiteral("Veuillez confirmer la suppression du ") + fromCp1252(kind) +
                     QStringLiteral(" n°") + xcInfoNVO->text();
    std::string key;
    if (client)
        GetIdClient(true, key);
    else
        GetIdVO(true, key);
    if (key.empty())
        return;
    // The key is written bare into the statements: anything but a record number is refused.
    const auto bare = deletionKey(key);
    if (!bare) {
        QMessageBox::warning(this, QStringLiteral("Action Annulée"),
                             QStringLiteral("L'identifiant « ") + fromCp1252(key) +
                                 QStringLiteral(" » n'est pas un numéro d'enregistrement : rien "
                                                "n'a été supprimé."));
        return;
    }
    if (!confirmed(this, question))
        return;
    const std::vector<std::string> statements =
        client ? std::vector<std::string>{clientDeletion(*bare)} : vehicleDeletions(*bare);
    for (const std::string& statement : statements) {
        LbDebugInfo2->setText(fromCp1252(statement));
        HttpExecute(endpoint::update(toCp1252(BaseHRef), statement), replyPath(replyfile::Delete));
        if (!LbDebugInfo0->text().isEmpty())
            return; // the server's message is on the warning line; nothing more is sent
    }
    LbDebugInfo2->clear();
    QMessageBox::warning(this, QStringLiteral("Fin de Suppression"),
                         QStringLiteral("Suppression terminée"));
    // The deleted record has nothing left to save: a blank record of the same kind replaces it.
    for (TsPage& page : TabDesc)
        page.Statement.clear();
    JvXPBtnSave->setEnabled(false);
    JvXPBtnNewVOClick();
}

void TAxKelvaro::JvXPBtnSweepClick()
{
    if (toCp1252(JvXPBtnNewVO->text()) != "VN" || !commitFocusedControl())
        return;
    if (!confirmed(this,
                   QStringLiteral("Veuillez confirmer la suppression des VN annulés sans CTM  ")))
        return;
    LbDebugInfo2->setText(QString::fromLatin1(kCancelledOrdersSweep));
    HttpExecute(endpoint::update(toCp1252(BaseHRef), kCancelledOrdersSweep),
                replyPath(replyfile::Delete));
}
