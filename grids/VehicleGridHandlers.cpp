// The vehicles a client owns: the grid chooses which one the "v" fields of the page show (they
// are saved as a page), starts a new one and deletes one after the user confirms.
#include "ui/TAxKelvaro.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

#include "app/Cp1252.h"
#include "grids/GridSaving.h"
#include "grids/VehicleRules.h"
#include "server/Endpoints.h"
#include "ui/controls/AllKinds.h"
#include "ui/grid/DataGrid.h"

namespace {

namespace col {
inline constexpr int Marker = 0;
inline constexpr int Id = 1;
inline constexpr int Registration = 2;
inline constexpr int Vehicle = 3;
} // namespace col

// The row whose vehicle the fields show: a new vehicle occupies row 0.
int shownRow(const TAxKelvaro& w)
{
    return w.VehicleIndex < 0 ? 0 : w.VehicleIndex;
}

// The fields show the vehicle of that row, and the grid selects it.
void showVehicleRow(TAxKelvaro& w, int row)
{
    if (row != w.VehicleIndex) {
        w.VehicleIndex = row;
        w.UpdateTabDesc(false, false);
    }
    w.ngVehicles->selectCell(col::Registration, row);
}

int rowOfVehicle(const DataGrid& grid, const QString& id)
{
    for (int row = 0; row < grid.rowCount(); ++row) {
        if (grid.cell(col::Id, row) == id)
            return row;
    }
    return -1;
}

} // namespace

void TAxKelvaro::LoadInfoVehicle()
{
    JvXPBtnNewVehicle->setVisible(true);
    // Vehicles are added to a saved client, by the loyalty group.
    JvXPBtnNewVehicle->setEnabled(OstrelRight &&
                                  positiveIdentifier(toCp1252(LbIDCustomer->text())));
    TXml vehicles = ClientDoc;
    XmlFind(vehicles, "TVehS");
    WriteTrace("TVehS : " + fromCp1252(vehicles.Rest()));
    FlagLoading = true;
    DataGrid& grid = *ngVehicles;
    grid.beginUpdate();
    grid.clearRows();
    if (!FlagNewEnreg) {
        for (const ClientVehicleRow& vehicle : clientVehicleRows(ClientDoc)) {
            const int row = grid.addRow();
            grid.setCell(col::Id, row, fromCp1252(vehicle.id));
            grid.setCell(col::Registration, row, fromCp1252(vehicle.registration));
            grid.setCell(col::Vehicle, row, fromCp1252(vehicle.description));
            grid.setCell(
                col::Marker, row,
                QString::fromLatin1(OstrelRight ? kVehicleDeleteMarker : kVehicleNoAction));
            grid.setCellHint(col::Marker, row,
                             OstrelRight ? QString::fromUtf8(kVehicleDeleteHint) : QString());
        }
    }
    grid.endUpdate();
    grid.selectCell(col::Registration, 0);
    FlagLoading = false;
}

void TAxKelvaro::ngVehiclesBeforeSelect(int, int row, bool& accept)
{
    if (FlagLoading || row == shownRow(*this))
        return;
    // A vehicle without make and model cannot be left.
    for (ControlFace* required :
         {static_cast<ControlFace*>(vInfoMarque), static_cast<ControlFace*>(vInfoModele)}) {
        if (required->text().isEmpty()) {
            showMissingValue(*required);
            accept = false;
            return;
        }
    }
    // The vehicle shown is saved before another one takes its fields; when that fails the
    // selection stays where the fields are.
    const QString wanted = ngVehicles->cell(col::Id, row);
    const bool newVehicle = FlagNewVehicle;
    if (!savedBeforeGridCommand(*this)) {
        accept = false;
    } else if (newVehicle) {
        // Saving the new vehicle reloaded the grid: the vehicle asked for is found by its key.
        accept = false;
        if (const int moved = rowOfVehicle(*ngVehicles, wanted); moved >= 0)
            showVehicleRow(*this, moved);
    }
}

void TAxKelvaro::ngVehiclesSelectCell(int, int row)
{
    if (FlagLoading || row == shownRow(*this))
        return;
    showVehicleRow(*this, row);
}

void TAxKelvaro::ngVehiclesCellClick(int column, int row)
{
    DataGrid& grid = *ngVehicles;
    if (FlagLoading || column != col::Marker ||
        grid.cell(col::Marker, row) != QLatin1String(kVehicleDeleteMarker))
        return;
    if (!savedBeforeGridCommand(*this))
        return;
    const QString question =
        vehicleDeletionQuestion(grid.cell(col::Registration, row), grid.cell(col::Vehicle, row));
    if (QMessageBox::question(this, QString::fromUtf8(kDeletionTitle), question,
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    const std::string statement = vehicleDeletion(toCp1252(grid.cell(col::Id, row)));
    LbDebugInfo2->setText(fromCp1252(statement));
    HttpExecute(endpoint::update(toCp1252(BaseHRef), statement), replyPath(replyfile::Delete));
    if (!LbDebugInfo0->text().isEmpty())
        return;
    LbDebugInfo2->clear();
    // The client is reloaded on this page, its first vehicle shown.
    JvXPBtnActualizeClick();
}

void TAxKelvaro::JvXPBtnNewVehicleClick()
{
    if (!commitFocusedControl() || !JvXPBtnNewVehicle->isEnabled() ||
        !positiveIdentifier(toCp1252(LbIDCustomer->text())))
        return;
    // The vehicle shown is saved before the fields start a new one.
    if (!savedBeforeGridCommand(*this))
        return;
    FlagNewVehicle = true;
    DataGrid& grid = *ngVehicles;
    grid.beginUpdate();
    grid.insertRow(0);
    for (int c = 0; c < grid.columnCount(); ++c)
        grid.setCell(c, 0, QString());
    grid.endUpdate();
    VehicleIndex = -1;
    UpdateTabDesc(false, true);
    grid.selectCell(col::Registration, 0);
}

void TAxKelvaro::showNewClientVehicle(const std::string& key)
{
    VehicleIndex = 0;
    JvXPBtnActualizeClick();
    if (const int row = rowOfVehicle(*ngVehicles, fromCp1252(key)); row >= 0)
        showVehicleRow(*this, row);
}

QString TAxKelvaro::shownVehicleId() const
{
    const int row = shownRow(*this);
    return FlagNewVehicle || row >= ngVehicles->rowCount() ? QString()
                                                           : ngVehicles->cell(col::Id, row);
}

bool TAxKelvaro::showClientVehicle(const QString& id)
{
    if (id.isEmpty()) {
        if (!FlagNewVehicle)
            JvXPBtnNewVehicleClick();
        return FlagNewVehicle;
    }
    const int row = rowOfVehicle(*ngVehicles, id);
    if (row < 0)
        return false;
    showVehicleRow(*this, row);
    return true;
}
