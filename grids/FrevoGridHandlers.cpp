// Handlers of the reconditioning costs grid: each edit rebuilds its line's statement, a line is
// saved when the user leaves it (an amount at once), a marker adds or deletes a line.
#include "ui/TAxKelvaro.h"

#include <QApplication>
#include <QMessageBox>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "grids/FrevoRules.h"
#include "grids/FrevoWindow.h"
#include "grids/GridLines.h"
#include "ui/controls/AllKinds.h"
#include "ui/grid/DataGrid.h"

namespace {

// Another operation holds the hourglass: the markers do nothing meanwhile.
bool busy()
{
    return QApplication::overrideCursor() != nullptr;
}

class Hourglass {
public:
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass()
    {
        // A reload may already have restored the normal cursor.
        if (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
};

QStringList toItems(const std::vector<std::string>& entries)
{
    QStringList items;
    for (const std::string& entry : entries)
        items << fromCp1252(entry);
    return items;
}

// The completion list of the label and supplier columns, attached once per opened editor.
void attachCompletion(TAxKelvaro& w, int column)
{
    const QString key = QStringLiteral("ngFrevo") + QString::number(column);
    if (!w.ngFrevo->isEditing() || w.CompletionKey == key || !w.ListsIndex)
        return;
    w.CompletionKey = key;
    const char* list = column == frevocol::Label ? "LibFrevo" : "Fournisseur";
    w.ngFrevo->setEditorCompletion(toItems(frevoCompletionItems(*w.ListsIndex, list)));
}

} // namespace

void enableFrevoColumns(TAxKelvaro& w, int row)
{
    const TsLine* line = lineOfRow(w.FrevoRows, row);
    if (!line)
        return;
    // Without the right to add lines there is no new line: the last line shown then opens only
    // its date, as the new line does.
    const bool newLine = w.ngFrevo->cell(frevocol::Marker, row) == kFrevoNewMarker ||
                         (!w.GetDataRights(w.FrevoAddRights) && row + 1 == w.ngFrevo->rowCount());
    const std::array<bool, 9> open =
        frevoEditableColumns(newLine, line->Locked, w.ComptaRight, frevoColumnRights(w));
    for (int k = frevocol::Date; k <= frevocol::Amount; ++k)
        w.ngFrevo->setColumnEnabled(k, open[std::size_t(k)]);
}

void TAxKelvaro::ngFrevoEdit(int column, int row, const QString& text)
{
    TsLine* line = lineOfRow(FrevoRows, row);
    if (FlagLoading || column == frevocol::Marker || !line)
        return;
    if (column == frevocol::Label || column == frevocol::Supplier)
        attachCompletion(*this, column);
    TsDesc& cell = line->Cells[column];
    cell.Value = typedFrevoValue(toCp1252(text), cell.InfoType);
    TestFrevoUpdate(row + 1);
}

void TAxKelvaro::ngFrevoEditAccept(int column, int row, const QString& text, bool& accept)
{
    TsLine* line = lineOfRow(FrevoRows, row);
    if (FlagLoading || column != frevocol::Date || !line)
        return;
    TsDesc& cell = line->Cells[frevocol::Date];
    const DateRule rule = frevoDateRule(LimitDateStartFrevo, LimitDateEnd, todayDay());
    const DateVerdict verdict = dateVerdict(rule, toCp1252(text), cell.OrgValue);
    accept = verdict == DateVerdict::Accepted;
    if (accept)
        return;
    // The refused date leaves the line: its statement goes back to the date the cell shows.
    cell.Value = toCp1252(ngFrevo->cell(frevocol::Date, row));
    TestFrevoUpdate(row + 1);
    WriteTrace("Date Frevo refusée : " + text);
    QMessageBox::warning(this, rule.title, dateMessage(rule, verdict));
}

void TAxKelvaro::ngFrevoAfterEdit(int, int)
{
    // The completion list goes with the editor, also when a load closed it.
    CompletionKey.clear();
}

void TAxKelvaro::ngFrevoChange(int column, int row)
{
    TsLine* line = lineOfRow(FrevoRows, row);
    if (FlagLoading || column == frevocol::Marker || !line)
        return;
    TsDesc& cell = line->Cells[column];
    const std::string shown = toCp1252(ngFrevo->cell(column, row));
    if (cell.Value == shown)
        return;
    cell.Value = typedFrevoValue(shown, cell.InfoType);
    if (TestFrevoUpdate(row + 1))
        SaveChanges();
}

void TAxKelvaro::ngFrevoBeforeSelect(int, int row, bool& accept)
{
    if (FlagLoading)
        return;
    // The line left is saved first, whichever cell of another line is chosen.
    if (otherLinePending(FrevoRows, std::size_t(row) + 1) && JvXPBtnSave->isEnabled()) {
        const int loads = FrevoLoads;
        SaveChanges();
        // Lines reloaded meanwhile are no longer those the user aimed at.
        accept = FrevoLoads == loads && !otherLinePending(FrevoRows, std::size_t(row) + 1);
    }
    if (accept)
        enableFrevoColumns(*this, row);
}

void TAxKelvaro::ngFrevoCellClick(int column, int row)
{
    TsLine* line = lineOfRow(FrevoRows, row);
    if (FlagLoading || !line)
        return;
    if (column != frevocol::Marker) {
        enableFrevoColumns(*this, row);
        return;
    }
    const QString marker = ngFrevo->cell(frevocol::Marker, row);
    if (busy() || (marker != kFrevoDeleteMarker && marker != kFrevoNewMarker))
        return;
    const int entry = row + 1;
    const int loads = FrevoLoads;
    Hourglass hourglass;
    if (marker == kFrevoNewMarker) {
        // Every filled cell of the new line goes into its insert.
        for (int k = 1; k <= 10; ++k)
            line->Cells[k].OrgValue.clear();
        TestFrevoUpdate(entry);
        SaveChanges();
        if (FrevoLoads == loads && FrevoRows[std::size_t(entry)].Statement.empty())
            JvXPBtnActualizeClick();
        return;
    }
    // No question: the amount leaves the totals at once, the line goes with the save.
    const std::string amount = line->Cells[frevocol::Amount].Value;
    line->Cells[frevocol::Amount].Value.assign(1, '0');
    TestFrevoUpdate(-entry);
    SaveChanges();
    if (FrevoLoads != loads)
        return; // the save reloaded the record: the lines are the server's
    if (FrevoRows[std::size_t(entry)].Statement.empty()) {
        JvXPBtnActualizeClick();
        return;
    }
    // The line is still on the server: its amount comes back into the line and the totals, and
    // nothing of the deletion stays pending. The warning line tells why.
    WriteTrace("Suppression du Frevo non enregistrée : la ligne " + QString::number(entry) +
               " est rétablie");
    FrevoRows[std::size_t(entry)].Cells[frevocol::Amount].Value = amount;
    TestFrevoUpdate(entry);
}

void TAxKelvaro::ngFrevoCellFormating(int column, int, CellFormat& format)
{
    if (FlagLoading || format.selected)
        return;
    format.fontColor = column == frevocol::Accounting ? color::Red : color::Blue;
}
