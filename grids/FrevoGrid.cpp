// The reconditioning costs of a used vehicle on the page Sheet05: the lines of the record
// document in the grid ngFrevo, their pending statements, the ten totals that feed the margins,
// and the fixed handling fee of a vehicle sold to private buyers.
#include "ui/TAxKelvaro.h"

#include <QLabel>
#include <QTime>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "app/Paths.h"
#include "editing/SaveRules.h"
#include "grids/FrevoRules.h"
#include "grids/FrevoWindow.h"
#include "grids/GridLines.h"
#include "server/Endpoints.h"
#include "ui/controls/AllKinds.h"
#include "ui/grid/DataGrid.h"

namespace {

constexpr int kCostsEntry = 5; // the entry of the page Sheet05

// Now as a day number with the fraction of the day gone.
double nowDateTime()
{
    return todayDay() + QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
}

bool mayChangeLines(TAxKelvaro& w)
{
    return w.GetDataRights(w.FrevoAddRights);
}

// Colours and marker of an ordinary line: grey where the user may not write, the delete marker
// where the line may go.
void showOrdinaryLine(TAxKelvaro& w, int row, const std::array<bool, 9>& rights)
{
    const TsLine& line = w.FrevoRows[std::size_t(row) + 1];
    for (int k = 1; k <= kFrevoMaxColumns; ++k) {
        const bool readOnly = frevoCellReadOnly(rights[std::size_t(k)], w.ComptaRight, line.Locked);
        w.ngFrevo->setCellColor(k, row, readOnly ? color::InactiveBorder : color::White);
    }
    const char* marker = frevoLineMarker(line.Cells[frevocol::Invoice].OrgValue, w.ComptaRight);
    w.ngFrevo->setCell(frevocol::Marker, row, QString::fromLatin1(marker));
    w.ngFrevo->setCellHint(frevocol::Marker, row,
                           std::string_view(marker) == kFrevoDeleteMarker
                               ? QString::fromUtf8(kFrevoDeleteHint)
                               : QString());
}

// The line a new cost starts from, dated today, of type "interne".
void appendNewLine(TAxKelvaro& w)
{
    TsLine line = w.FrevoRows.front();
    const int row = w.ngFrevo->addRow();
    const std::string today = formatDate(todayDay());
    line.Cells[frevocol::Date].Value = today;
    line.Cells[frevocol::Type].Value = "interne";
    w.ngFrevo->setCell(frevocol::Date, row, fromCp1252(today));
    w.ngFrevo->setCell(frevocol::Type, row, QStringLiteral("interne"));
    w.ngFrevo->setCell(frevocol::Marker, row, QString::fromLatin1(kFrevoNewMarker));
    w.ngFrevo->setCellHint(frevocol::Marker, row, QString::fromUtf8(kFrevoNewHint));
    w.FrevoRows.push_back(std::move(line));
}

// The column set-up from the structure, as long as the identifier column is shown (a width of 0
// hides it, and the set-up is not done again).
void describeColumns(TAxKelvaro& w)
{
    DataGrid& grid = *w.ngFrevo;
    if (!grid.column(frevocol::Id).visible)
        return;
    w.LoadInfoNxComboBoxColumn("TypeFrevo", grid, frevocol::Type);
    w.ComptaRight = w.GetDataRights(";COMPTA;");
    w.FrevoRows.assign(1, TsLine{});
    const std::vector<FrevoColumn> columns = frevoColumns(w.StructDoc);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int k = int(i) + 1;
        w.FrevoRows[0].Cells[k] = columns[i].cell;
        grid.setColumnCaption(k, fromCp1252(columns[i].caption));
        if (columns[i].width == 0)
            grid.setColumnVisible(k, false);
        else
            grid.setColumnWidth(k, columns[i].width);
    }
    w.FrevoAddRights = frevoAddRights(columns);
}

} // namespace

std::array<bool, 9> frevoColumnRights(TAxKelvaro& w)
{
    return lineColumnRights<kFrevoMaxColumns + 1>(
        w.FrevoRows.front(), [&w](const std::string& rights) { return w.GetDataRights(rights); });
}

void TAxKelvaro::LoadInfoFrevo()
{
    describeColumns(*this);
    FrevoRows.resize(1);
    TXml lines = RecordDoc;
    XmlFind(lines, "FrevoS");
    FlagLoading = true;
    ngFrevo->clearRows();
    const std::array<bool, 9> rights = frevoColumnRights(*this);
    const bool mayChange = mayChangeLines(*this);
    while (int(FrevoRows.size()) <= kFrevoMaxLines && XmlNext(lines, "Frevo") > 0) {
        TsLine line = FrevoRows.front();
        line.Locked = frevoLineLocked(XmlText(lines, "NComptable"), ComptaRight);
        const int row = ngFrevo->addRow();
        for (int k = 1; k <= kFrevoMaxColumns; ++k) {
            TsDesc& cell = line.Cells[k];
            if (cell.FieldName.empty())
                continue;
            cell.Value = loadedFrevoValue(XmlText(lines, cell.FieldName), cell.InfoType);
            cell.OrgValue = cell.Value;
            ngFrevo->setCell(k, row, fromCp1252(cell.Value));
        }
        FrevoRows.push_back(std::move(line));
        showOrdinaryLine(*this, row, rights);
    }
    if (mayChange)
        appendNewLine(*this);
    ngFrevo->sortAgain();
    FlagLoading = false;
    GetIdVO(false, FrevoRecordKey);
    ++FrevoLoads;
    UpdateCumulFrevo();
}

bool TAxKelvaro::TestFrevoUpdate(int line)
{
    const bool deletion = line < 0;
    const std::size_t n = std::size_t(deletion ? -line : line);
    std::string id;
    GetIdVO(false, id);
    std::string statement;
    const std::string& table = TabDesc[kCostsEntry].TableName;
    if (!FlagLoading && !id.empty() && !table.empty() && n >= 1 && n < FrevoRows.size()) {
        FlagNewFrevo = ngFrevo->cell(frevocol::Marker, int(n) - 1) == kFrevoNewMarker;
        statement = frevoLineStatement(FrevoRows[n], {table, id, FlagNewFrevo, deletion});
        FrevoRows[n].Statement = statement;
    }
    UpdateCumulFrevo();
    LbDebugInfo1->setText(fromCp1252(statement));
    // A statement still pending elsewhere in the record (a refused page) keeps the button.
    JvXPBtnSave->setEnabled(!statement.empty() || anythingPending());
    JvXPBtnNewVO->setEnabled(!JvXPBtnSave->isEnabled());
    journalChanged();
    return !statement.empty();
}

void TAxKelvaro::UpdateCumulFrevo()
{
    const std::span<const TsLine> lines = FrevoRows.empty()
                                              ? std::span<const TsLine>()
                                              : std::span<const TsLine>(FrevoRows).subspan(1);
    const FrevoTotals totals = frevoTotals(lines, toCp1252(cDateLivraison->text()), nowDateTime());
    auto show = [](ControlFace* control, double total) {
        control->setText(fromCp1252(frevoTotalText(total)));
    };
    show(cFrevoPrevision, totals.all[frevosum::Forecast]);
    show(cFrevoFixe, totals.all[frevosum::Fixed]);
    show(cFrevoInterne, totals.all[frevosum::Internal]);
    show(cFrevoExterne, totals.all[frevosum::External]);
    show(cFrevo, totals.all[frevosum::All]);
    FrevoTotal = toCp1252(cFrevo->text());
    UpdateTVAetMarges();
    show(cFrevoPrevFDM, totals.untilMonthEnd[frevosum::Forecast]);
    show(cFrevoFixeFDM, totals.untilMonthEnd[frevosum::Fixed]);
    show(cFrevoIntFDM, totals.untilMonthEnd[frevosum::Internal]);
    show(cFrevoExtFDM, totals.untilMonthEnd[frevosum::External]);
    show(cFrevoTotFDM, totals.untilMonthEnd[frevosum::All]);
}

void TAxKelvaro::TestFraisFixes(std::string& statement)
{
    statement.clear();
    std::string id;
    GetIdVO(false, id);
    if (id.empty())
        return;
    // The loaded lines, and the lines saved from the grid since (a "fixe" line typed by the user).
    bool fixed = hasFixedFeeLine(RecordDoc);
    for (std::size_t n = 1; !fixed && FrevoRecordKey == id && n < FrevoRows.size(); ++n)
        fixed = frevoCostType(FrevoRows[n].Cells[frevocol::Type].OrgValue) == frevosum::Fixed;
    const double fee = ListsIndex ? siteHandlingFee(*ListsIndex, toCp1252(cSite->text())) : 0.0;
    statement = fixedFeeStatement(id, toCp1252(cDestination->text()), fixed, fee, todayDay());
}

void TAxKelvaro::frevoLineSent(int entry, bool insert, bool succeeded)
{
    const int loads = FrevoLoads;
    if (succeeded) {
        TsLine& line = FrevoRows[std::size_t(entry)];
        for (int k = 1; k <= 8; ++k)
            line.Cells[k].OrgValue = line.Cells[k].Value;
        if (insert) {
            // The new line now exists: it takes its key from the reply and becomes an ordinary
            // line, so that its next change is an update; a new line follows it.
            const std::string reply = replyPath(replyfile::SqlFrevo);
            const auto key = fileExists(reply) ? insertedKey(LoadTextFile(reply)) : std::nullopt;
            if (!key) {
                WriteTrace("Frais de remise en état : identifiant de la ligne créée absent de la "
                           "réponse, la fiche est rechargée");
                JvXPBtnActualizeClick();
            } else {
                line.Cells[frevocol::Id].Value = *key;
                line.Cells[frevocol::Id].OrgValue = *key;
                line.Locked = frevoLineLocked(line.Cells[frevocol::Accounting].Value, ComptaRight);
                ngFrevo->setCell(frevocol::Id, entry - 1, fromCp1252(*key));
                showOrdinaryLine(*this, entry - 1, frevoColumnRights(*this));
                if (mayChangeLines(*this) &&
                    ngFrevo->findRow(frevocol::Marker, kFrevoNewMarker) < 0)
                    appendNewLine(*this);
            }
        }
    }
    if (FrevoLoads == loads)
        TestFrevoUpdate(entry);
}

void TAxKelvaro::frevoInsertOutcomeUnknown()
{
    WriteTrace("Frais de remise en état : insertion envoyée sans réponse, la fiche est rechargée "
               "avant tout nouvel envoi");
    for (TsLine& line : FrevoRows)
        line.Statement.clear();
    JvXPBtnActualizeClick();
    setWarningText(QStringLiteral("Réponse du serveur perdue : la fiche a été rechargée, "
                                  "vérifiez les frais de remise en état."));
}
