// The follow-up actions grid of a client: its lines from the client document, the editing of a
// line (each change rebuilds the line's statement, which SaveChanges sends), a new action with
// the remembered defaults, and the deletion of an action.
#include "ui/TAxKelvaro.h"

#include <cstdlib>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "editing/SaveRules.h"
#include "grids/ActionRules.h"
#include "grids/GridLines.h"
#include "grids/GridSaving.h"
#include "grids/VehicleRules.h"
#include "ui/controls/AllKinds.h"
#include "ui/grid/DataGrid.h"
#include "view/ListReaders.h"

namespace {

// The cells shown in light grey with blue text.
constexpr unsigned kPlainCellColor = 15790320;

ActionChoices actionChoices(TAxKelvaro& w)
{
    ActionChoices choices;
    for (int k = actcol::Id; k <= kActionColumns; ++k) {
        for (const QString& item : w.ngAction->column(k).items)
            choices.items[std::size_t(k)].push_back(toCp1252(item));
    }
    const TXml lists = w.ListsDoc;
    choices.staffName = [lists](std::string_view idCom) { return staffNameOf(lists, idCom); };
    return choices;
}

void showActionCell(TAxKelvaro& w, int column, int row, const std::string& value,
                    const ActionChoices& choices, bool right)
{
    w.ngAction->setCell(column, row, fromCp1252(actionShownText(column, value, choices)));
    w.ngAction->setCellColor(column, row, right ? color::White : color::InactiveBorder);
}

void setMarker(DataGrid& grid, int row, const char* marker, const char* hint)
{
    grid.setCell(actcol::Marker, row, QString::fromLatin1(marker));
    grid.setCellHint(actcol::Marker, row, QString::fromUtf8(hint));
}

std::array<bool, kActionColumns + 1> columnRights(TAxKelvaro& w, const TsLine& model)
{
    return lineColumnRights<kActionColumns + 1>(
        model, [&w](const std::string& rights) { return w.GetDataRights(rights); });
}

// The text of a cell becomes the value it stands for; the line's statement follows.
void recordActionText(TAxKelvaro& w, int column, int row, const QString& text, bool editing)
{
    TsLine* line = lineOfRow(w.ActionRows, row);
    if (w.FlagLoading || !line || column < actcol::Id || column > kActionColumns)
        return;
    TsDesc& cell = line->Cells[column];
    if (editing && (w.ActionEditBefore.column != column || w.ActionEditBefore.row != row))
        w.ActionEditBefore = {column, row, cell.Value};
    const std::string typed = toCp1252(text);
    std::string code;
    if (isSalespersonColumn(column))
        w.GetInfoComboBoxIdCom("InfoCom", typed, code);
    else if (isListColumn(column))
        w.GetInfoComboBoxIdCom(toCp1252(w.ngAction->column(column).name), typed, code);
    const std::string value = actionValueOfText(column, typed, code);
    if (value == cell.Value)
        return;
    cell.Value = value;
    w.TestActionUpdate(row + 1);
}

// A refused text is not taken: the cell's value goes back to what it was before the edit.
void withdrawRefusedText(TAxKelvaro& w, int column, int row)
{
    TsLine* line = lineOfRow(w.ActionRows, row);
    if (!line || w.ActionEditBefore.column != column || w.ActionEditBefore.row != row)
        return;
    line->Cells[column].Value = w.ActionEditBefore.value;
    w.TestActionUpdate(row + 1);
}

// The client's identifier in the record document; empty for a client not yet saved.
std::string recordClientId(const TXml& record)
{
    TXml root = record;
    XmlFind(root, "TVC");
    return XmlText(root, "idClient");
}

void restoreCursor()
{
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void deleteActionLine(TAxKelvaro& w, int row)
{
    // The hourglass says another grid operation is running.
    if (QApplication::overrideCursor())
        return;
    const std::size_t entry = std::size_t(row) + 1;
    // One line is sent per save: a line left with changes goes first.
    if (otherLinePending(w.ActionRows, entry) && !savedBeforeGridCommand(w))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (w.TestActionUpdate(-int(entry)) && savedBeforeGridCommand(w))
        w.JvXPBtnActualizeClick();
    restoreCursor();
}

} // namespace

bool savedBeforeGridCommand(TAxKelvaro& w)
{
    if (!w.JvXPBtnSave->isEnabled() && !w.anythingPending())
        return true;
    return w.SaveChanges() && !w.anythingPending();
}

std::string actionCellText(TAxKelvaro& w, int column, const std::string& value)
{
    return actionShownText(column, value, actionChoices(w));
}

void showActionValue(TAxKelvaro& w, int column, int row, const std::string& value)
{
    w.ngAction->setCell(column, row, fromCp1252(actionCellText(w, column, value)));
}

std::string TAxKelvaro::ngActionGetInfoCom(const std::string& idCom)
{
    return staffNameOf(ListsDoc, idCom).value_or(std::string());
}

void TAxKelvaro::LoadInfoAction()
{
    DataGrid& grid = *ngAction;
    for (int k : {actcol::Salesperson, actcol::Type, actcol::Subject, actcol::FollowUpSalesperson,
                  actcol::FollowUpSubject, actcol::Priority})
        LoadInfoNxComboBoxColumn(actionColumnList(k), grid, k);
    JvXPBtnNewAction->setVisible(true);
    // Actions are added to a saved client: one typed on a client not yet saved would be lost
    // with the reload that follows the client's insert.
    JvXPBtnNewAction->setEnabled(OstrelRight && positiveIdentifier(toCp1252(LbIDCustomer->text())));
    const TsLine model = actionTemplate(StructDoc);
    ActionRows.assign(1, model);
    FlagNewAction = false;
    ActionEditBefore = {};

    TXml actions = ClientDoc;
    XmlFind(actions, "TActS");
    WriteTrace("TActS : " + fromCp1252(actions.Rest()));
    FlagLoading = true;
    grid.beginUpdate();
    grid.clearRows();
    const ActionChoices choices = actionChoices(*this);
    const auto rights = columnRights(*this, model);
    while (int(ActionRows.size()) <= kActionMaxLines && XmlNext(actions, "TAct") > 0) {
        TsLine line = model;
        const int row = grid.addRow();
        for (int k = actcol::Id; k <= kActionColumns; ++k) {
            TsDesc& cell = line.Cells[k];
            if (!cell.FieldName.empty())
                cell.Value = loadedActionValue(XmlText(actions, cell.FieldName), cell.InfoType);
            cell.OrgValue = cell.Value;
            showActionCell(*this, k, row, cell.Value, choices, rights[std::size_t(k)]);
        }
        // Only the loyalty group removes an action that has a comment.
        if (line.Cells[actcol::Comment].OrgValue.empty() || OstrelRight)
            setMarker(grid, row, kActionDeleteMarker, kActionDeleteHint);
        else
            setMarker(grid, row, kActionNoAction, "");
        ActionRows.push_back(std::move(line));
    }
    grid.setEnabled(OstrelRight);
    grid.sortAgain();
    grid.endUpdate();
    FlagLoading = false;
}

bool TAxKelvaro::TestActionUpdate(int line)
{
    const std::size_t entry = std::size_t(std::abs(line));
    if (entry < 1 || entry >= ActionRows.size())
        return false;
    TsLine& target = ActionRows[entry];
    const std::string clientId = recordClientId(RecordDoc);
    if (!FlagLoading && !clientId.empty()) {
        FlagNewAction = ngAction->cell(actcol::Marker, int(entry) - 1) == kActionNewMarker;
        target.MissingCol = missingActionColumn(target);
        target.Statement = actionLineStatement(target, {clientId, FlagNewAction, line < 0});
    }
    LbDebugInfo1->setText(fromCp1252(target.Statement));
    // The other changes waiting to be sent keep the save button on too.
    JvXPBtnSave->setEnabled(anythingPending());
    JvXPBtnNewVO->setEnabled(!JvXPBtnSave->isEnabled());
    journalChanged();
    return !target.Statement.empty();
}

void TAxKelvaro::actionLineInserted(int entry, const std::string& key)
{
    TsLine& line = ActionRows[std::size_t(entry)];
    line.Cells[actcol::Id].OrgValue = line.Cells[actcol::Id].Value = key;
    ngAction->setCell(actcol::Id, entry - 1, fromCp1252(key));
    // Without its key the line cannot be changed or deleted until the client is reloaded.
    if (key.empty()) {
        WriteTrace("Action enregistrée sans identifiant dans la réponse du serveur");
        setMarker(*ngAction, entry - 1, kActionNoAction, "");
    } else {
        setMarker(*ngAction, entry - 1, kActionDeleteMarker, kActionDeleteHint);
    }
    FlagNewAction = false;
}

void TAxKelvaro::JvXPBtnNewActionClick()
{
    if (!commitFocusedControl() || !JvXPBtnNewAction->isEnabled())
        return;
    // One new action at a time: the one not yet recorded is shown again.
    if (const int shown = ngAction->findRow(actcol::Marker, QLatin1String(kActionNewMarker));
        shown >= 0) {
        ngAction->selectCell(actcol::Date, shown);
        ngAction->setFocus(Qt::OtherFocusReason);
        return;
    }
    // A line left with changes is saved first: the new action is then the line being entered.
    if (otherLinePending(ActionRows, 0) && !savedBeforeGridCommand(*this))
        return;
    FlagNewAction = true;
    DataGrid& grid = *ngAction;
    grid.beginUpdate();
    grid.insertRow(0);
    const TsLine model = ActionRows[0];
    ActionRows.insert(ActionRows.begin() + 1, model);
    setMarker(grid, 0, kActionNewMarker, kActionNewHint);

    const ActionChoices choices = actionChoices(*this);
    const auto rights = columnRights(*this, model);
    std::string clientSalesperson;
    if (!aidCom->text().isEmpty())
        GetInfoComboBoxIdCom("InfoCom", toCp1252(aidCom->text()), clientSalesperson);
    for (int k = actcol::Id; k <= kActionColumns; ++k) {
        std::optional<std::string> remembered;
        if (remembersActionDefault(k)) {
            const QString stored = GetTagRegistry(QString::fromStdString(actionDefaultKey(k)));
            if (!stored.isEmpty())
                remembered = toCp1252(stored);
        }
        TsDesc& cell = ActionRows[1].Cells[k];
        cell.Value =
            newActionValue(k, model.Cells[k], remembered, clientSalesperson, todayDay(), choices);
        cell.OrgValue.clear();
        showActionCell(*this, k, 0, cell.Value, choices, rights[std::size_t(k)]);
        // A value to choose shows so, not as the first entry of its list.
        if (cell.Value.empty())
            grid.setCell(k, 0, QString());
    }
    grid.endUpdate();
    grid.selectCell(actcol::Date, 0);
    grid.setFocus(Qt::OtherFocusReason);
}

void TAxKelvaro::ngActionEdit(int column, int row, const QString& text)
{
    recordActionText(*this, column, row, text, true);
}

void TAxKelvaro::ngActionChange(int column, int row)
{
    recordActionText(*this, column, row, ngAction->cell(column, row), false);
}

void TAxKelvaro::ngActionEditAccept(int column, int row, const QString& text, bool& accept)
{
    TsLine* line = lineOfRow(ActionRows, row);
    if (FlagLoading || !line || column < actcol::Id || column > kActionColumns)
        return;
    if (column == actcol::Date || column == actcol::FollowUpDate) {
        const DateRule rule = actionDateRule(column, toCp1252(ngAction->cell(actcol::Date, row)),
                                             LimitDateStartOstrel, LimitDateEnd, todayDay());
        const DateVerdict verdict = dateVerdict(rule, toCp1252(text), line->Cells[column].OrgValue);
        if (verdict != DateVerdict::Accepted) {
            accept = false;
            const QString message = dateMessage(rule, verdict);
            WriteTrace("Date refusée : " + message);
            QMessageBox::warning(this, rule.title, message);
        }
    } else if (isSalespersonColumn(column)) {
        // A salesperson is picked from the list: another name is refused without a word.
        accept = ngAction->column(column).items.contains(text);
    }
    if (!accept)
        withdrawRefusedText(*this, column, row);
}

void TAxKelvaro::ngActionAfterEdit(int, int)
{
    ActionEditBefore = {};
}

void TAxKelvaro::ngActionKeyPress(ControlFace&, QChar& key)
{
    if (key == QChar(13))
        key = QChar();
}

void TAxKelvaro::ngActionBeforeSelect(int, int row, bool& accept)
{
    if (FlagLoading)
        return;
    const ActionLineLeave leave =
        leaveActionLine(ActionRows, ngAction->rowCount(), row, FlagNewAction);
    if (leave.refused) {
        ngAction->selectCell(leave.column, leave.row);
        accept = false;
        return;
    }
    // The line left is saved; when that fails the selection stays on it.
    if (leave.pending)
        accept = savedBeforeGridCommand(*this);
}

void TAxKelvaro::ngActionCellClick(int column, int row)
{
    if (FlagLoading || column != actcol::Marker)
        return;
    const QString marker = ngAction->cell(actcol::Marker, row);
    if (marker == kActionDeleteMarker) {
        deleteActionLine(*this, row);
    } else if (marker == kActionNewMarker) {
        if (TestActionUpdate(row + 1) && savedBeforeGridCommand(*this))
            JvXPBtnActualizeClick();
    }
}

void TAxKelvaro::ngActionCellFormating(int column, int row, CellFormat& format)
{
    if (column == actcol::FollowUpDate) {
        switch (followUpDue(toCp1252(ngAction->cell(column, row)), todayDay())) {
        case FollowUpDue::Past:
            format.fontColor = color::Red;
            break;
        case FollowUpDue::Soon:
            format.fontColor = kFollowUpSoonColor;
            break;
        case FollowUpDue::Later:
            break;
        }
    }
    if (format.selected)
        return;
    if (column == actcol::Id) {
        format.fontColor = color::Red;
    } else if (column == actcol::Salesperson || column == actcol::Subject ||
               column == actcol::Comment || column == actcol::FollowUpSalesperson ||
               column == actcol::Priority) {
        format.color = kPlainCellColor;
        format.fontColor = color::Blue;
    }
}
