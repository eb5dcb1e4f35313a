// The vehicles of a client in the real window against the demo server: chosen, changed, added
// and deleted by clicks and keys, each checked in the database.
#include <QLabel>
#include <QMessageBox>

#include "tests/grids/ClientGrids.h"
#include "ui/controls/AllKinds.h"

namespace {

class VehicleGrid : public ClientGrids {
protected:
    DataGrid* grid() { return w().ngVehicles; }
    void openVehicles(const char* user = "1000001", const char* sites = "CHARTRES;DREUX;EVREUX")
    {
        openClient(user, sites);
        clickTab(7);
        ASSERT_EQ(w().Tabs->currentIndex(), 7);
    }
    std::string vehicle(const std::string& where, const char* column)
    {
        return query(std::string("Select ") + column + " from TVehiclesOstrel where " + where,
                     column);
    }
    void typeInto(ControlFace* control, const QString& text)
    {
        QWidget* target = control->widget();
        if (auto* combo = qobject_cast<QComboBox*>(target))
            target = combo->lineEdit();
        clickAtPlaceOf(target);
        ASSERT_EQ(w().focusWidget(), control->widget()) << control->name().toStdString();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        typeKeys(QApplication::focusWidget(), text);
    }
};

} // namespace

TEST_F(VehicleGrid, ChosenChangedAddedAndDeletedAsAPersonDoes)
{
    openVehicles();
    ASSERT_EQ(grid()->rowCount(), 2);
    EXPECT_EQ(w().vImmatriculation->text(), "MZ289KN");
    clickCell(grid(), 3, 1);
    EXPECT_EQ(w().vImmatriculation->text(), "RF559TV");
    EXPECT_EQ(w().vInfoModele->text(), "BERLINGO");

    // A change of the vehicle shown is saved when another one is chosen.
    typeInto(w().vKMS, "91000");
    clickCell(grid(), 3, 0);
    EXPECT_EQ(vehicle("idTVO=70002", "KMS"), "91000");
    EXPECT_EQ(w().vImmatriculation->text(), "MZ289KN");

    // A new vehicle, saved with the button, is shown selected once the client is reloaded.
    clickAtPlaceOf(w().JvXPBtnNewVehicle);
    ASSERT_TRUE(w().FlagNewVehicle);
    ASSERT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(w().vImmatriculation->text(), "");
    typeInto(w().vInfoMarque, "RENAULT");
    typeInto(w().vInfoModele, "CLIO");
    typeInto(w().vImmatriculation, "AB123CD");
    clickAtPlaceOf(w().JvXPBtnSave);
    const std::string key = vehicle("Immatriculation='AB123CD' and idClient=2001", "idTVO");
    ASSERT_FALSE(key.empty());
    EXPECT_EQ(vehicle("idTVO=" + key, "InfoModele"), "CLIO");
    EXPECT_FALSE(w().FlagNewVehicle);
    EXPECT_EQ(w().LbIdTVO->text(), "");
    ASSERT_EQ(grid()->rowCount(), 3);
    const int row = rowOf(grid(), QString::fromStdString(key));
    EXPECT_EQ(grid()->selectedRow(), row);
    EXPECT_EQ(w().vImmatriculation->text(), "AB123CD");

    // Deleting asks first; "Non" sends nothing, "Oui" deletes.
    const size_t sent = updatesSent();
    Answered seen = answering(QMessageBox::No, [&] { clickCell(grid(), 0, row); });
    ASSERT_EQ(seen.titles.size(), 1);
    EXPECT_EQ(seen.titles[0], "Confirmation de Suppression");
    EXPECT_EQ(seen.texts[0], "Veuillez confirmer la suppression de \"AB123CD\" - \"" +
                                 grid()->cell(3, row) + "\"");
    EXPECT_EQ(updatesSent(), sent);
    seen = answering(QMessageBox::Yes, [&] { clickCell(grid(), 0, row); });
    ASSERT_EQ(updatesSent(), sent + 1);
    EXPECT_NE(updatesIn(demo.harness().traceLog())
                  .back()
                  .find("Delete%20*%20From%20tVehiclesOstrel%20where%20idTVo=" + key),
              std::string::npos);
    EXPECT_EQ(query("Select count(*) as n from TVehiclesOstrel where idClient=2001", "n"), "2");
    EXPECT_EQ(grid()->rowCount(), 2);
    EXPECT_EQ(w().Tabs->currentIndex(), 7);
}

TEST_F(VehicleGrid, OnlyTheLoyaltyGroupAddsToASavedClient)
{
    openVehicles("1000002", "CHARTRES"); // DURAND Paul: no OSTREL right
    EXPECT_FALSE(w().JvXPBtnNewVehicle->isEnabled());
    EXPECT_EQ(grid()->cell(0, 0), "2");
    // Choosing a vehicle stays possible.
    clickCell(grid(), 3, 1);
    EXPECT_EQ(w().vImmatriculation->text(), "RF559TV");

    for (const char* client : {"0", "-1", "-2"}) {
        w().LbIDCustomer->setText(client);
        w().JvXPBtnNewVehicle->setEnabled(true);
        clickAtPlaceOf(w().JvXPBtnNewVehicle);
        EXPECT_FALSE(w().FlagNewVehicle) << client;
        EXPECT_EQ(grid()->rowCount(), 2) << client;
    }
}
