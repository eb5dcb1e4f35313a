// The journal of unsaved edits: what the user typed and has not saved yet is kept in a small file
// per record, so that a crash, a killed process or a power cut loses nothing; a journal left over
// is offered back when its record is shown.
#include "ui/TAxKelvaro.h"

#include <algorithm>
#include <cstdio>

#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>

#include "app/Cp1252.h"
#include "editing/EditConflicts.h"
#include "editing/EditJournal.h"
#include "editing/Statements.h"
#include "grids/ActionRules.h"
#include "grids/FrevoRules.h"
#include "grids/FrevoWindow.h"
#include "grids/GridSaving.h"
#include "ui/controls/AllKinds.h"
#include "ui/grid/DataGrid.h"

namespace {

// The pages that hold the costs grid and the actions grid.
constexpr int kCostsEntry = 5;
constexpr int kClientEntry = 7;
constexpr int kVehicleEntry = 8;

// Which line of a grid is being added: the one whose marker says so.
NewLineTest addedLine(const DataGrid& grid, const char* newMarker)
{
    return [&grid, newMarker](size_t position) {
        return grid.cell(0, int(position) - 1) == newMarker;
    };
}

QString whenWritten(long long seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds).toString("dd/MM/yyyy hh:mm");
}

std::string recordName(const EditJournal& journal)
{
    return journal.kind + " " + (journal.id.empty() ? std::string("nouvelle fiche") : journal.id);
}

// The other records with a journal listed in the box, and those with a button to show them.
constexpr size_t kOtherRecordsListed = 8;
constexpr size_t kShowButtons = 3;

// A value of the journal that is not put back, and why (UTF-8).
QString notRestored(const char* reason, const std::string& caption)
{
    return QStringLiteral("Non restauré (%1) : %2")
        .arg(QString::fromUtf8(reason), fromCp1252(caption));
}
constexpr const char* kNoRight = "droits insuffisants";
constexpr const char* kNotEditable = "champ non modifiable";

// The grid of lines of the record's kind: the actions of a client, the costs of a vehicle.
struct JournalGrid {
    bool client;
    DataGrid& grid;
    std::vector<TsLine>& rows;
    NewLineTest added;
    int entry;
};
JournalGrid journalGrid(TAxKelvaro& w)
{
    const bool client = w.JvXPBtnNewVO->text() == "CL";
    DataGrid& grid = client ? *w.ngAction : *w.ngFrevo;
    return {client, grid, client ? w.ActionRows : w.FrevoRows,
            addedLine(grid, client ? kActionNewMarker : kFrevoNewMarker),
            client ? kClientEntry : kCostsEntry};
}

// Why the user could not type in a cell of a line, as the grid decides it; nothing when they can.
const char* cellRefusal(TAxKelvaro& w, const JournalGrid& lines, size_t line, int column)
{
    const bool right = w.GetDataRights(lines.rows.front().Cells[column].Rights) &&
                       (!lines.client || w.OstrelRight);
    const bool open =
        lines.client
            ? lines.grid.isEnabled()
            : column <= kFrevoMaxColumns &&
                  frevoEditableColumns(lines.added(line), lines.rows[line].Locked, w.ComptaRight,
                                       frevoColumnRights(w))[size_t(column)];
    return !right ? kNoRight : !open ? kNotEditable : nullptr;
}

} // namespace

std::string TAxKelvaro::journalFolder() const
{
    return QFileInfo(SettingsPath).absolutePath().toStdString();
}

EditJournal TAxKelvaro::journalOfRecord() const
{
    EditJournal journal;
    journal.kind = toCp1252(JvXPBtnNewVO->text());
    if (!FlagNewEnreg)
        journal.id = toCp1252((journal.kind == "CL" ? LbIDCustomer : LbIdTVO)->text());
    journal.started = FlagNewEnreg ? NewRecordStarted : 0;
    journal.user = toCp1252(idUser);
    journal.server = toCp1252(BaseHRef);
    return journal;
}

std::vector<JournalField> TAxKelvaro::journalFields() const
{
    std::vector<JournalField> fields;
    for (int slot = 1; slot < kPageEntries; ++slot) {
        if (!TabDesc[slot].Described)
            continue;
        // The client's vehicles page shows one vehicle at a time: its edits name it.
        std::string vehicle;
        if (slot == kVehicleEntry) {
            vehicle = FlagNewVehicle ? kJournalNewLine : toCp1252(shownVehicleId());
            if (FlagNewEnreg || !TabDesc[slot].ContentsLoaded || vehicle.empty())
                continue;
        }
        const PageChanges changes = pageChanges(
            TabDesc[slot].Fields, [](const TsDesc& field) { return field.Control != nullptr; });
        for (const TsDesc* field : changes.changed) {
            if (!computedField(*field))
                fields.push_back({slot, field->FieldName, field->Value, vehicle});
        }
    }
    // Lines of a grid not loaded for this record are another record's.
    const bool client = JvXPBtnNewVO->text() == "CL";
    const int gridEntry = client ? kClientEntry : kCostsEntry;
    if (TabDesc[gridEntry].ContentsLoaded) {
        const std::vector<JournalField> cells = lineJournalFields(
            gridEntry, client ? ActionRows : FrevoRows,
            client ? addedLine(*ngAction, kActionNewMarker) : addedLine(*ngFrevo, kFrevoNewMarker));
        fields.insert(fields.end(), cells.begin(), cells.end());
    }
    return fields;
}

void TAxKelvaro::journalChanged()
{
    if (FlagLoading)
        return;
    if (journalFields().empty())
        dropJournal();
    else
        JournalDirty = true;
}

void TAxKelvaro::dropJournal()
{
    JournalDirty = false;
    if (JournalPath.empty())
        return;
    std::remove(JournalPath.c_str());
    JournalPath.clear();
}

void TAxKelvaro::flushJournal()
{
    if (!JournalDirty)
        return;
    JournalDirty = false;
    EditJournal journal = journalOfRecord();
    journal.fields = journalFields();
    const std::string name = journalFileName(journal);
    if (journal.fields.empty() || name.empty()) {
        dropJournal();
        return;
    }
    journal.written = QDateTime::currentSecsSinceEpoch();
    const std::string path = journalFolder() + "/" + name;
    if (!writeJournalFile(path, journalText(journal))) {
        WriteTrace("Journal des modifications : écriture impossible : " +
                   QString::fromStdString(path));
        return;
    }
    if (!JournalPath.empty() && JournalPath != path)
        std::remove(JournalPath.c_str());
    JournalPath = path;
}

std::vector<std::pair<std::string, EditJournal>> TAxKelvaro::leftJournals()
{
    std::vector<std::pair<std::string, EditJournal>> journals;
    const EditJournal owner = journalOfRecord();
    for (const std::string& path : journalFiles(journalFolder())) {
        if (path == JournalPath)
            continue;
        FoundJournal found = readJournal(path, owner.user, owner.server);
        if (found.found == JournalFound::Refused) {
            WriteTrace("Journal des modifications ignoré (" + QString::fromStdString(found.reason) +
                       ") : " + QString::fromStdString(path));
            continue;
        }
        if (found.found == JournalFound::Foreign)
            continue;
        if (found.found == JournalFound::Damaged) {
            const QString aside = QString::fromStdString(setJournalAside(path));
            const QString warning =
                QStringLiteral("Un journal de modifications endommagé a été mis de côté : ") +
                aside;
            WriteTrace(warning);
            setWarningText(warning);
            continue;
        }
        journals.emplace_back(path, std::move(found.journal));
    }
    return journals;
}

void TAxKelvaro::offerJournals()
{
    const EditJournal shown = journalOfRecord();
    std::vector<std::pair<std::string, EditJournal>> journals = leftJournals();
    auto mine = std::find_if(journals.begin(), journals.end(), [&](const auto& item) {
        const EditJournal& journal = item.second;
        const bool same = journal.kind == shown.kind && journal.id == shown.id;
        return same && (!shown.id.empty() || FlagNewEnreg) &&
               !JournalsLater.contains(QString::fromStdString(item.first));
    });
    const bool others = !JournalsOffered && journals.size() > size_t(mine != journals.end());
    JournalsOffered = true;
    if (mine == journals.end() && !others)
        return;

    QString text;
    if (mine != journals.end()) {
        text = "Des modifications non enregistrées du " + whenWritten(mine->second.written) +
               " ont été retrouvées :\n";
        QStringList values;
        for (const JournalField& field : mine->second.fields)
            values << fromCp1252(journalCaption(field)) + " : " + fromCp1252(field.value);
        text += listedLines(values);
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("Modifications retrouvées"), QString(),
                    QMessageBox::NoButton, this);
    std::vector<std::pair<QAbstractButton*, const EditJournal*>> showButtons;
    if (others) {
        text += QStringLiteral("%1Autres fiches avec des modifications non enregistrées :")
                    .arg(text.isEmpty() ? "" : "\n\n");
        QStringList records;
        for (const auto& [path, journal] : journals) {
            if (mine != journals.end() && &journal == &mine->second)
                continue;
            records << fromCp1252(recordName(journal)) + " (du " + whenWritten(journal.written) +
                           ")";
            if (!journal.id.empty() && showButtons.size() < kShowButtons &&
                size_t(records.size()) <= kOtherRecordsListed)
                showButtons.emplace_back(
                    box.addButton("Afficher " + fromCp1252(recordName(journal)),
                                  QMessageBox::ActionRole),
                    &journal);
        }
        text += listedLines(records, kOtherRecordsListed);
    }
    box.setText(text);
    if (mine != journals.end()) {
        box.addButton(QMessageBox::Yes)->setText(QStringLiteral("Restaurer"));
        box.addButton(QMessageBox::No)->setText(QStringLiteral("Abandonner"));
    }
    box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("Plus tard"));
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    WriteTrace("Modifications retrouvées : réponse " + QString::number(answer));
    for (const auto& [button, journal] : showButtons) {
        if (box.clickedButton() == button) {
            showJournalRecord(*journal);
            return;
        }
    }
    if (mine == journals.end())
        return;
    if (answer == QMessageBox::Yes)
        restoreJournal(mine->first, mine->second);
    else if (answer == QMessageBox::No)
        std::remove(mine->first.c_str());
    else
        JournalsLater << QString::fromStdString(mine->first);
}

std::string TAxKelvaro::journalCaption(const JournalField& journalField) const
{
    if (journalField.entry < 0 || journalField.entry >= kPageEntries)
        return journalField.name;
    if (journalField.entry == kVehicleEntry && !journalField.line.empty()) {
        std::string caption = journalField.name;
        for (const TsDesc& field : TabDesc[kVehicleEntry].Fields) {
            if (field.FieldName == journalField.name)
                caption = fieldCaption(field);
        }
        return caption + (journalField.line == kJournalNewLine
                              ? std::string(" (nouveau v\xE9hicule)")
                              : " (v\xE9hicule n\xB0 " + journalField.line + ")");
    }
    if (!journalField.line.empty()) {
        const bool costs = journalField.entry == kCostsEntry;
        const std::vector<TsLine>& rows = costs ? FrevoRows : ActionRows;
        std::string caption = journalField.name;
        for (int column = 1; !rows.empty() && column <= 10; ++column) {
            if (rows.front().Cells[column].FieldName == journalField.name)
                caption = fieldCaption(rows.front().Cells[column]);
        }
        const bool newLine = journalField.line == kJournalNewLine;
        return caption + (costs ? (newLine ? " (nouvelle ligne de frais)"
                                           : " (ligne de frais n\xB0 " + journalField.line + ")")
                                : (newLine ? " (nouvelle action)"
                                           : " (action n\xB0 " + journalField.line + ")"));
    }
    for (const TsDesc& field : TabDesc[journalField.entry].Fields) {
        if (field.FieldName == journalField.name)
            return fieldCaption(field);
    }
    return journalField.name;
}

void TAxKelvaro::showJournalRecord(const EditJournal& journal)
{
    const bool client = journal.kind == "CL";
    LbIDCustomer->setText(client ? fromCp1252(journal.id) : QString());
    LbIdTVO->setText(client ? QString() : fromCp1252(journal.id));
    UpdateView(false);
}

std::vector<size_t> TAxKelvaro::restoreJournalLines(const EditJournal& journal)
{
    const JournalGrid lineGrid = journalGrid(*this);
    const auto& [client, grid, rows, added, gridEntry] = lineGrid;
    auto mine = [&](const JournalField& field) {
        return field.entry == gridEntry && !field.line.empty();
    };
    std::vector<size_t> lines;
    if (!TabDesc[gridEntry].Described ||
        std::none_of(journal.fields.begin(), journal.fields.end(), mine))
        return lines;
    // The grid's lines load when its page is first shown.
    Tabs->setCurrentIndex(gridEntry - 1);
    TabsChange();
    // A new action is started as the button starts it, with its defaults, then takes the values.
    const bool newAction = std::any_of(journal.fields.begin(), journal.fields.end(), [&](auto& f) {
        return mine(f) && f.line == kJournalNewLine;
    });
    if (client && newAction && !journalLinePosition(rows, added, kJournalNewLine))
        JvXPBtnNewActionClick();
    FlagLoading = true;
    for (const JournalField& restored : journal.fields) {
        const size_t line = mine(restored) ? journalLinePosition(rows, added, restored.line) : 0;
        if (line == 0) {
            if (mine(restored))
                WriteTrace("Modifications retrouvées : ligne absente : " +
                           fromCp1252(restored.line));
            continue;
        }
        for (int column = 1; column <= 10; ++column) {
            TsDesc& cell = rows[line].Cells[column];
            // A cell takes the value only as it would take it typed.
            if (cell.FieldName != restored.name || cellRefusal(*this, lineGrid, line, column))
                continue;
            cell.Value = restored.value;
            if (client)
                showActionValue(*this, column, int(line) - 1, restored.value);
            else
                grid.setCell(column, int(line) - 1, fromCp1252(restored.value));
        }
        if (std::find(lines.begin(), lines.end(), line) == lines.end())
            lines.push_back(line);
    }
    FlagLoading = false;
    return lines;
}

std::string TAxKelvaro::restoreJournalVehicle(const EditJournal& journal)
{
    const auto edited = std::find_if(journal.fields.begin(), journal.fields.end(), [](auto& f) {
        return f.entry == kVehicleEntry && !f.line.empty();
    });
    if (edited == journal.fields.end() || JvXPBtnNewVO->text() != "CL" ||
        !TabDesc[kVehicleEntry].Described)
        return {};
    // The vehicles load when their page is first shown.
    Tabs->setCurrentIndex(kVehicleEntry - 1);
    TabsChange();
    const bool added = edited->line == kJournalNewLine;
    if (!showClientVehicle(added ? QString() : fromCp1252(edited->line))) {
        WriteTrace("Modifications retrouvées : véhicule absent : " + fromCp1252(edited->line));
        return {};
    }
    return edited->line;
}

void TAxKelvaro::restoreJournal(const std::string& path, const EditJournal& journal)
{
    // The values go into the controls as the record's edits: the save button lights, and the
    // usual checks and the conflict check run when they are saved.
    const std::vector<size_t> lines = restoreJournalLines(journal);
    // The cells left as they were: their line is gone, or the user could not type in them.
    QStringList refused;
    const JournalGrid lineGrid = journalGrid(*this);
    for (const JournalField& restored : journal.fields) {
        if (restored.entry != lineGrid.entry || restored.line.empty())
            continue;
        const size_t line = journalLinePosition(lineGrid.rows, lineGrid.added, restored.line);
        if (line == 0)
            refused << notRestored("ligne introuvable", journalCaption(restored));
        for (int column = 1; line != 0 && column <= 10; ++column) {
            const TsDesc& cell = lineGrid.rows[line].Cells[column];
            const char* reason = cellRefusal(*this, lineGrid, line, column);
            if (reason && cell.FieldName == restored.name && cell.Value != restored.value)
                refused << notRestored(reason, journalCaption(restored));
        }
    }
    std::vector<int> entries;
    if (!lines.empty())
        entries.push_back(Tabs->currentIndex() + 1);
    const std::string vehicle = restoreJournalVehicle(journal);
    FlagLoading = true;
    for (const JournalField& restored : journal.fields) {
        const bool vehicleField = restored.entry == kVehicleEntry && !restored.line.empty();
        if (vehicleField && restored.line != vehicle)
            refused << notRestored("véhicule introuvable", journalCaption(restored));
        const bool page = restored.line.empty() || (vehicleField && restored.line == vehicle);
        if (!page || restored.entry < 1 || restored.entry >= kPageEntries)
            continue;
        std::vector<TsDesc>& fields = TabDesc[restored.entry].Fields;
        for (size_t position = 0; position < fields.size(); ++position) {
            TsDesc& field = fields[position];
            if (field.FieldName != restored.name || !field.Control || field.Value == restored.value)
                continue;
            // What the user could not type is not put back either.
            const bool right = fieldRights(restored.entry, field);
            if (!right || !field.Control->isEnabled() || field.Control->isReadOnly() ||
                field.Width == 0) {
                refused << notRestored(right ? kNotEditable : kNoRight, journalCaption(restored));
                continue;
            }
            field.Value = restored.value;
            fillField(restored.entry, int(position), field, false);
            if (std::find(entries.begin(), entries.end(), restored.entry) == entries.end())
                entries.push_back(restored.entry);
        }
    }
    FlagLoading = false;
    WriteTrace("Modifications retrouvées : restaurées depuis " + QString::fromStdString(path));
    if (!refused.isEmpty()) {
        WriteTrace(refused.join(" ; "));
        QMessageBox::information(
            this, QStringLiteral("Modifications restaurées"),
            QStringLiteral("Certaines modifications retrouvées n'ont pas été restaurées :\n") +
                listedLines(refused));
    }
    if (entries.empty()) {
        std::remove(path.c_str());
        return;
    }
    UpdateTVAetMarges();
    Tabs->setCurrentIndex(entries.front() - 1);
    TabsChange();
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
        TestPageUpdate(*entry);
    // Last, so that the save button counts the pages' statements too.
    const bool client = JvXPBtnNewVO->text() == "CL";
    for (size_t line : lines) {
        if (client)
            TestActionUpdate(int(line));
        else
            TestFrevoUpdate(int(line));
    }
    // From now on this window keeps the journal of these edits.
    if (!JournalPath.empty() && JournalPath != path)
        std::remove(JournalPath.c_str());
    JournalPath = path;
    JournalDirty = true;
}
