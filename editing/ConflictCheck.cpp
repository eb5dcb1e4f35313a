// Edit conflicts: the record is read again before an update leaves, so that a field another user
// changed since it was loaded is never overwritten without this user's say.
#include "ui/TAxKelvaro.h"

#include "ui/ChoiceBox.h"

#include <QMessageBox>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "editing/EditConflicts.h"
#include "editing/Statements.h"
#include "server/Endpoints.h"
#include "ui/controls/AllKinds.h"

namespace {
constexpr const char* kRereadFile = "XmlRelecture.xml";
} // namespace

bool TAxKelvaro::computedField(const TsDesc& field) const
{
    const ControlFace* const computed[] = {
        ccTVA, cMBrute, cMNette, cTotFrevo, cVNSolde, cVNDateEchTresorerie, cVNDateEchReglement};
    for (const ControlFace* control : computed)
        if (field.Control == control)
            return true;
    return false;
}

std::optional<TXml> TAxKelvaro::rereadRecord()
{
    const std::string base = toCp1252(BaseHRef);
    const QString client = LbIDCustomer->text();
    const bool isClient = !client.isEmpty() && client != "-1";
    const std::string url =
        isClient ? endpoint::infoCL(base, toCp1252(idUser))
                 : endpoint::infoVO(base, toCp1252(LbIdTVO->text()), toCp1252(idUser));
    const std::string path = replyPath(kRereadFile);
    if (!HttpExecute(url, path) ||
        !keepReadableDocument(path, "User", isClient ? "AxInfoCL" : "AxInfoVO"))
        return std::nullopt;
    if (!LbDebugInfo0->text().isEmpty())
        return std::nullopt;
    return TXml(LoadTextFile(path));
}

bool TAxKelvaro::checkEditConflicts(int slot)
{
    TsPage& page = TabDesc[slot];
    const PageChanges changes =
        pageChanges(page.Fields, [](const TsDesc& field) { return field.Control != nullptr; });
    if (changes.changed.empty())
        return true;
    const std::optional<TXml> document = rereadRecord();
    if (!document) {
        WriteTrace("Modifications concurrentes : relecture de la fiche impossible");
        return false;
    }
    const QString client = LbIDCustomer->text();
    const char* rootName = !client.isEmpty() && client != "-1" ? "TVC" : "tVO";
    const std::optional<TXml> values = rereadValues(*document, rootName, slot == 8, changes.keys);
    if (!values) {
        const QString warning =
            slot == 8 ? QStringLiteral("Ce véhicule du client a été supprimé par un autre "
                                       "utilisateur : rien n'a été envoyé.")
                      : QStringLiteral("Cette fiche a été supprimée par un autre utilisateur : "
                                       "rien n'a été envoyé.");
        WriteTrace("Modifications concurrentes : " + warning);
        setWarningText(warning);
        return false;
    }
    const std::vector<FieldConflict> conflicts =
        fieldConflicts(changes.changed, *values, todayDay(),
                       [this](const TsDesc& field) { return computedField(field); });
    if (conflicts.empty())
        return true;
    return settleEditConflicts(slot, conflicts);
}

bool TAxKelvaro::settleEditConflicts(int slot, const std::vector<FieldConflict>& conflicts)
{
    // Nothing is overwritten by a hasty Enter: the default is to send nothing.
    const int answer =
        askChoice(this, QMessageBox::Warning, QStringLiteral("Modifications concurrentes"),
                  QStringLiteral("Un autre utilisateur a modifié ces champs depuis le chargement "
                                 "de la fiche :\n\n") +
                      fromCp1252(conflictListing(conflicts)),
                  {{QMessageBox::Cancel, "Annuler"},
                   {QMessageBox::Yes, "Garder les miennes"},
                   {QMessageBox::No, "Prendre les leurs"}});
    WriteTrace("Modifications concurrentes : réponse " + QString::number(answer) + " pour " +
               QString::number(conflicts.size()) + " champ(s)");
    if (answer == QMessageBox::Yes)
        return true;
    if (answer != QMessageBox::No)
        return false;
    // Their values are shown as loaded values: those fields no longer count as changed.
    TsPage& page = TabDesc[slot];
    FlagLoading = true;
    for (const FieldConflict& conflict : conflicts) {
        for (size_t position = 0; position < page.Fields.size(); ++position) {
            TsDesc& field = page.Fields[position];
            if (&field != conflict.field)
                continue;
            field.OrgValue = conflict.server;
            field.Value = conflict.server;
            fillField(slot, int(position), field, false);
        }
    }
    FlagLoading = false;
    UpdateTVAetMarges();
    TestPageUpdate(slot);
    return true;
}
