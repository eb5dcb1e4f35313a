// The make, model, version and site combos: each records the edit, then the lists that depend on
// it are refilled and the free-text version follows the model and the version type. Members of
// SUPERADMINS also add and remove entries of the lists maintained on the server.
#include "ui/TAxKelvaro.h"

#include <QFile>
#include <QMessageBox>

#include "app/Cp1252.h"
#include "editing/BoundFields.h"
#include "editing/Cascades.h"
#include "server/Endpoints.h"
#include "ui/controls/AllKinds.h"
#include "ui/grid/DataGrid.h"
#include "view/CaseText.h"
#include "view/ListReaders.h"

void TAxKelvaro::UpdateCBox(ControlFace& combo, const QString& key, const char* list)
{
    // Loading fills each list from the record itself.
    if (FlagLoading || combo.tag() == 0 || !ListsIndex)
        return;
    const auto entries = dependentEntries(*ListsIndex, list, toCp1252(key));
    if (!entries)
        return; // a key without items leaves the combo as it was
    // Clearing the text records the dependent field as empty until an entry is picked.
    combo.setText(QString());
    QStringList items;
    for (const std::string& entry : *entries)
        items << fromCp1252(entry);
    combo.setItems(items);
}

void TAxKelvaro::UpdateVersion(ControlFace& memo, ControlFace& model, ControlFace* type)
{
    if (FlagLoading)
        return;
    if (model.tag() != 0 && !model.text().isEmpty()) {
        if (LastModel.empty()) {
            const TsDesc* field = boundField(TabDesc, model.tag());
            LastModel =
                field && !field->OrgValue.empty() ? field->OrgValue : toCp1252(model.text());
        }
        memo.setText(fromCp1252(
            mergedVersion(toCp1252(memo.text()), LastModel, toCp1252(model.text()), false)));
        LastModel = toCp1252(model.text());
    }
    if (type && type->tag() != 0 && !type->text().isEmpty()) {
        memo.setText(fromCp1252(
            mergedVersion(toCp1252(memo.text()), LastType, toCp1252(type->text()), true)));
        LastType = toCp1252(type->text());
    }
}

void TAxKelvaro::UpdateLBox(ControlFace& box, bool inSite)
{
    if (FlagLoading || !ListsIndex)
        return;
    TsDesc* field = boundField(TabDesc, box.tag());
    if (!field)
        return;
    const ListBoxFill fill = fillBoundListBox(*ListsIndex, inSite ? "PAChoix1" : "PAChoix2",
                                              field->Value, toCp1252(aSite->text()));
    showListBoxFill(box, *field, fill);
}

void TAxKelvaro::cInfoMarqueChange(ControlFace& sender)
{
    CBoxChange(sender);
    UpdateCBox(*cInfoModele, sender.text(), "Models");
    setInfoTitre();
}

void TAxKelvaro::cVDInfoMarqueChange(ControlFace& sender)
{
    CBoxChange(sender);
    UpdateCBox(*cVDInfoModele, sender.text(), "VNModels");
    setInfoTitre();
}

void TAxKelvaro::cVNInfoMarqueChange(ControlFace& sender)
{
    CBoxChange(sender);
    UpdateCBox(*cVNInfoModele, sender.text(), "VNModels");
    setInfoTitre();
}

void TAxKelvaro::cPAPAMarque1Change(ControlFace& sender)
{
    CBoxChange(sender);
    UpdateCBox(*cPAPAModele1, sender.text(), "Models");
}

void TAxKelvaro::cPAPAMarque2Change(ControlFace& sender)
{
    CBoxChange(sender);
    UpdateCBox(*cPAPAModele2, sender.text(), "Models");
}

void TAxKelvaro::vInfoMarqueChange(ControlFace& sender)
{
    CBoxChange(sender);
    UpdateCBox(*vInfoModele, sender.text(), "Models");
}

void TAxKelvaro::cInfoModeleChange(ControlFace& sender)
{
    CBoxChange(sender);
    UpdateVersion(*cInfoVersion, *cInfoModele, nullptr);
}

void TAxKelvaro::cVDInfoModeleChange(ControlFace& sender)
{
    CBoxChange(sender);
    UpdateCBox(*cVDInfoTypeVersion, sender.text(), "VNVersions");
    UpdateVersion(*cVDInfoVersion, *cVDInfoModele, cVDInfoTypeVersion);
}

void TAxKelvaro::cVNInfoModeleChange(ControlFace& sender)
{
    CBoxChange(sender);
    UpdateCBox(*cVNInfoTypeVersion, sender.text(), "VNVersions");
    UpdateVersion(*cVNInfoVersion, *cVNInfoModele, cVNInfoTypeVersion);
}

void TAxKelvaro::vInfoModeleChange(ControlFace& sender)
{
    CBoxChange(sender);
}

// The version type is free text as well as a list: the combo's whole text is recorded.
void TAxKelvaro::cVDInfoTypeVersionChange(ControlFace& sender)
{
    EditChange(sender);
    UpdateVersion(*cVDInfoVersion, *cVDInfoModele, cVDInfoTypeVersion);
    setInfoTitre();
}

void TAxKelvaro::cVNInfoTypeVersionChange(ControlFace& sender)
{
    EditChange(sender);
    UpdateVersion(*cVNInfoVersion, *cVNInfoModele, cVNInfoTypeVersion);
    setInfoTitre();
}

// The site chosen last is proposed for the next new record.
void TAxKelvaro::cSiteChange(ControlFace& sender)
{
    CBoxChange(sender);
    DefaultSite = sender.text();
}

// The client's site chooses the staff offered and splits the purchase-plan models between the
// brands sold there and the others.
void TAxKelvaro::aSiteChange(ControlFace& sender)
{
    CBoxChange(sender);
    RecordSite = upperCp1252(toCp1252(aSite->text()));
    if (FlagLoading)
        return;
    LoadInfoNxComboBoxColumn("InfoCom", *ngAction, 3);
    LoadInfoNxComboBoxColumn("InfoCom", *ngAction, 8);
    // The salesperson stays chosen when the new site's staff has him.
    const QString salesperson = aidCom->text();
    LoadInfoNxComboBox("InfoCom", *aidCom);
    aidCom->setText(salesperson);
    UpdateLBox(*cPAPAChoix1, true);
    UpdateLBox(*cPAPAChoix2, false);
}

void TAxKelvaro::ActionInfoRubrique(ControlFace& control, int mode)
{
    const TsDesc* field = boundField(TabDesc, control.tag());
    if (!field)
        return;
    const bool remove = mode == -1;
    MaintainedEntry entry;
    entry.listName = field->ListName;
    entry.listField = field->ListField;
    entry.text = toCp1252(control.text());
    entry.concession = toCp1252(UserConcession);
    const std::string list = upperCp1252(field->ListName);
    if (list == "LISTMODELS") {
        entry.make = toCp1252(cInfoMarque->text());
        entry.model = toCp1252(cInfoModele->text());
    } else if (list == "LISTVERSIONS") {
        const bool demonstration = upperCp1252(toCp1252(control.name())).starts_with("CVD");
        entry.make = toCp1252((demonstration ? cVDInfoMarque : cVNInfoMarque)->text());
        entry.model = toCp1252((demonstration ? cVDInfoModele : cVNInfoModele)->text());
        entry.version = toCp1252((demonstration ? cVDInfoTypeVersion : cVNInfoTypeVersion)->text());
    }
    const QString description = fromCp1252(maintenanceDescription(entry));
    const QString title = remove ? QStringLiteral("Confirmation de Suppression")
                                 : QStringLiteral("Confirmation d'Ajout ");
    const QString question =
        remove ? QStringLiteral("Veuillez confirmer la suppression de ") + description
               : QStringLiteral("Veuillez confirmer l'ajout de ") + description;
    if (QMessageBox::question(this, title, question, QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;
    const std::string statement = maintenanceStatement(entry, remove);
    WriteTrace(QStringLiteral("SQL : ") + fromCp1252(statement));
    if (statement.empty())
        return;
    LbDebugInfo2->setText(fromCp1252(statement));
    HttpExecute(endpoint::update(toCp1252(BaseHRef), statement),
                replyPath(remove ? replyfile::Delete : replyfile::Insert));
    if (!LbDebugInfo0->text().isEmpty())
        return; // the server's message is on the warning line
    // The lists are fetched again, without waiting for the cache to expire.
    if (QFile::remove(QString::fromStdString(replyPath(replyfile::Equip))))
        UpdateParams();
    if (!LbDebugInfo0->text().isEmpty())
        return;
    LbDebugInfo2->clear();
    if (remove)
        QMessageBox::warning(this, QStringLiteral("Fin de Suppression"),
                             QStringLiteral("Suppression terminée"));
    else
        QMessageBox::warning(this, QStringLiteral("Fin d'Ajout"), QStringLiteral("Ajout terminé"));
    UpdateView(true);
}
