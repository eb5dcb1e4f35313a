// Edit conflicts: the record is read again before an update leaves, so that a field another user
// changed since it was loaded is never overwritten without this user's say.
#include "ui/TAxKelvaro.h"

#include "ui/ChoiceBox.h"

#include <QMessageBox>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "app/Numbers.h"
#include "editing/EditConflicts.h"
#include "editing/SaveRules.h"
#include "editing/Statements.h"
#include "grids/ActionRules.h"
#include "grids/FrevoRules.h"
#include "grids/GridSaving.h"
#include "server/Endpoints.h"
#include "ui/controls/AllKinds.h"
#include "ui/grid/DataGrid.h"

namespace {

constexpr const char* kRereadFile = "XmlRelecture.xml";

// Where a grid's lines are in the record document, and what the user calls them.
struct LineGridForm {
    const char* list;
    const char* line;
    CellReader read;
    const char* name; // "la ligne de frais n° 12", with the line's key
};

LineGridForm lineGridForm(LineGrid grid)
{
    if (grid == LineGrid::Costs)
        return {"FrevoS", "Frevo", loadedFrevoValue, "la ligne de frais n\xB0 "};
    return {"TActS", "TAct", loadedActionValue, "l'action n\xB0 "};
}

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
    const QString identifier = isClient ? client : LbIdTVO->text();
    const RecordKey key = parseWholeNumber(toCp1252(identifier)).value_or(0) <= 0 ? RecordKey::None
                          : isClient ? RecordKey::Client
                                     : RecordKey::Vehicle;
    if (!HttpExecute(url, path) ||
        !keepReadableDocument(path, "User", isClient ? "AxInfoCL" : "AxInfoVO", key))
        return std::nullopt;
    if (!LbDebugInfo0->text().isEmpty())
        return std::nullopt;
    return TXml(LoadTextFile(path));
}

bool TAxKelvaro::checkEditConflicts(int slot, const std::function<const TXml*()>& reread)
{
    TsPage& page = TabDesc[slot];
    const PageChanges changes =
        pageChanges(page.Fields, [](const TsDesc& field) { return field.Control != nullptr; });
    if (changes.changed.empty())
        return true;
    const TXml* document = reread();
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

int TAxKelvaro::askEditConflicts(const QString& what, const std::vector<FieldConflict>& conflicts)
{
    // Nothing is overwritten by a hasty Enter: the default is to send nothing.
    const int answer = askChoice(
        this, QMessageBox::Warning, QStringLiteral("Modifications concurrentes"),
        "Un autre utilisateur a modifié " + what + " depuis le chargement de la fiche :\n\n" +
            fromCp1252(conflictListing(conflicts)),
        {{QMessageBox::Cancel, "Annuler"},
         {QMessageBox::Yes, "Garder les miennes"},
         {QMessageBox::No, "Prendre les leurs"}});
    WriteTrace("Modifications concurrentes : réponse " + QString::number(answer) + " pour " +
               QString::number(conflicts.size()) + " champ(s)");
    return answer;
}

bool TAxKelvaro::settleEditConflicts(int slot, const std::vector<FieldConflict>& conflicts)
{
    const int answer = askEditConflicts(QStringLiteral("ces champs"), conflicts);
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

LineCheck TAxKelvaro::checkLineConflicts(LineGrid grid, int entry,
                                         const std::function<const TXml*()>& reread)
{
    const LineGridForm form = lineGridForm(grid);
    std::vector<TsLine>& rows = grid == LineGrid::Costs ? FrevoRows : ActionRows;
    TsLine& line = rows[std::size_t(entry)];
    const TXml* document = reread();
    if (!document) {
        WriteTrace("Modifications concurrentes : relecture de la fiche impossible");
        return LineCheck::Refused;
    }
    const TsDesc& key = line.Cells[1];
    const QString name = fromCp1252(form.name + key.OrgValue);
    const std::optional<TXml> server = rereadLine(*document, form.list, form.line, key, form.read);
    if (!server) {
        if (isDeletion(line.Statement)) {
            WriteTrace("Modifications concurrentes : " + name + " était déjà supprimée");
            return LineCheck::Gone;
        }
        const QString warning = name.left(1).toUpper() + name.mid(1) +
                                QStringLiteral(" a été supprimée par un autre utilisateur : rien "
                                               "n'a été envoyé pour elle.");
        WriteTrace("Modifications concurrentes : " + warning);
        setWarningText(warning);
        return LineCheck::Refused;
    }
    if (isDeletion(line.Statement))
        return LineCheck::Send;
    const std::vector<FieldConflict> conflicts = lineConflicts(line, *server, form.read);
    if (conflicts.empty())
        return LineCheck::Send;
    // The box shows the texts the cells show, not the codes behind them.
    std::vector<FieldConflict> listed = conflicts;
    for (FieldConflict& conflict : listed) {
        const int column = int(conflict.field - line.Cells);
        if (grid == LineGrid::Actions) {
            for (std::string* value : {&conflict.loaded, &conflict.server, &conflict.typed})
                *value = actionCellText(*this, column, *value);
        }
    }
    const int answer = askEditConflicts(name, listed);
    if (answer == QMessageBox::Yes)
        return LineCheck::Send;
    if (answer != QMessageBox::No)
        return LineCheck::Refused;
    // Their values become the loaded ones; what is left of mine is sent.
    for (const FieldConflict& conflict : conflicts) {
        const int column = int(conflict.field - line.Cells);
        TsDesc& cell = line.Cells[column];
        cell.OrgValue = conflict.server;
        cell.Value = conflict.server;
        if (grid == LineGrid::Costs)
            ngFrevo->setCell(column, entry - 1, fromCp1252(conflict.server));
        else
            showActionValue(*this, column, entry - 1, conflict.server);
    }
    if (grid == LineGrid::Costs)
        TestFrevoUpdate(entry);
    else
        TestActionUpdate(entry);
    return LineCheck::Send;
}
