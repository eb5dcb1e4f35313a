// The record buttons against the demo server: a new record of the kind shown is inserted by its
// first save, the record shown is deleted after confirmation, cancelled orders are swept.
#include <QMessageBox>
#include <QTest>

#include "app/Cp1252.h"
#include "tests/editing/DemoEditing.h"
#include "ui/controls/AllKinds.h"
#include "ui/controls/PageControl.h"
#include "ui/grid/DataGrid.h"

namespace {
class RecordButtons : public DemoEditing {};
} // namespace

TEST_F(RecordButtons, ANewUsedVehicleIsInsertedByItsFirstSave)
{
    demo.open({{"idTVO", "1001"}});
    ASSERT_EQ(w().JvXPBtnNewVO->text(), "VO");
    QTest::mouseClick(w().JvXPBtnNewVO, Qt::LeftButton);
    EXPECT_TRUE(w().FlagNewEnreg);
    EXPECT_EQ(w().Tabs->currentIndex(), 0);
    EXPECT_EQ(w().cNVO->text(), "");          // no value of the record shown before
    EXPECT_EQ(w().cSite->text(), "CHARTRES"); // the user's default site
    EXPECT_TRUE(w().cChassis->isEnabled());

    w().cNVO->setText("24999");
    w().cInfoMarque->setText("PEUGEOT");
    w().cInfoModele->setText("308");
    ASSERT_TRUE(w().SaveChanges()) << w().LbDebugInfo0->text().toStdString();
    EXPECT_FALSE(w().FlagNewEnreg);
    const QString key = w().LbIdTVO->text();
    EXPECT_FALSE(key.isEmpty());
    EXPECT_NE(key, "1001");
    EXPECT_EQ(w().cNVO->text(), "24999"); // reloaded under its new key
    EXPECT_EQ(query("Select Site, InfoModele from tVehicles where NVO=24999", "Site"), "CHARTRES");
    EXPECT_EQ(query("Select idTVO from tVehicles where NVO=24999", "idTVO"), toCp1252(key));
}

TEST_F(RecordButtons, ANewClientStartsEmptyOnTheClientPage)
{
    demo.open({{"idClient", "2001"}});
    // Lines of the client shown, as the grids hold them.
    w().ngAction->setRowCount(2);
    w().ngVehicles->setRowCount(1);
    QTest::mouseClick(w().JvXPBtnNewVO, Qt::LeftButton);
    EXPECT_EQ(w().LbIDCustomer->text(), "-2");
    EXPECT_EQ(w().Tabs->currentIndex(), 6);
    EXPECT_EQ(w().ngAction->rowCount(), 0);
    EXPECT_EQ(w().ngVehicles->rowCount(), 0);
    EXPECT_EQ(w().aCliNom->text(), "");
    EXPECT_EQ(w().aSite->text(), "CHARTRES");
}

TEST_F(RecordButtons, AVehicleIsDeletedWithItsLinksAfterConfirmation)
{
    demo.open({{"idTVO", "1003"}});
    ASSERT_EQ(query("Select count(*) as n from tVehicles where idVO=5003", "n"), "1");
    const Answered no = answering(QMessageBox::No, [&] { w().JvXPBtnSupprClick(); });
    ASSERT_EQ(no.titles, QStringList{"Confirmation de Suppression"});
    EXPECT_EQ(no.texts[0], "Veuillez confirmer la suppression du VO n°" + w().xcInfoNVO->text());
    EXPECT_EQ(query("Select count(*) as n from tVehicles where idVO=5003", "n"), "1");

    const Answered yes = answering(QMessageBox::Yes, [&] { w().JvXPBtnSupprClick(); });
    EXPECT_EQ(yes.titles, (QStringList{"Confirmation de Suppression", "Fin de Suppression"}));
    EXPECT_EQ(yes.texts.value(1), "Suppression terminée");
    for (const char* table : {"tVehicles", "[tVO - Frevo]", "[tVO - Liens Images]"})
        EXPECT_EQ(
            query(std::string("Select count(*) as n from ") + table + " where idVO=5003", "n"), "0")
            << table;
    // A blank used vehicle takes its place.
    EXPECT_TRUE(w().FlagNewEnreg);
    EXPECT_EQ(w().cNVO->text(), "");
}

TEST_F(RecordButtons, AClientIsDeletedAfterConfirmation)
{
    demo.open({{"idClient", "2002"}});
    const QString name = w().aCliNom->text() + " " + w().aCliPrenom->text();
    const Answered yes = answering(QMessageBox::Yes, [&] { w().JvXPBtnSupprClick(); });
    ASSERT_FALSE(yes.texts.isEmpty());
    EXPECT_EQ(yes.texts[0], "Veuillez confirmer la suppression du client \"" + name + "\"");
    EXPECT_EQ(query("Select count(*) as n from tClients where idClient=2002", "n"), "0");
    EXPECT_EQ(w().LbIDCustomer->text(), "-2");
}

TEST_F(RecordButtons, CancelledOrdersWithoutBuyerAreSwept)
{
    const std::string cancelled = "Select count(*) as n from tVehicles where TypeVO=2 and "
                                  "Acheteur Is Null and DateAnnulation Is Not Null";
    demo.open({{"idTVO", "1001"}});
    // Not on a used vehicle: nothing is asked, nothing is sent.
    EXPECT_TRUE(answering(QMessageBox::Yes, [&] { w().JvXPBtnSweepClick(); }).titles.isEmpty());
    ASSERT_EQ(query(cancelled, "n"), "3");

    demo.open({{"idTVO", "1201"}});
    const Answered yes = answering(QMessageBox::Yes, [&] { w().JvXPBtnSweepClick(); });
    EXPECT_EQ(yes.texts,
              QStringList{"Veuillez confirmer la suppression des VN annulés sans CTM  "});
    EXPECT_TRUE(w().LbDebugInfo0->text().isEmpty()) << w().LbDebugInfo0->text().toStdString();
    EXPECT_EQ(query(cancelled, "n"), "0");
    EXPECT_EQ(query("Select count(*) as n from tVehicles where idVO=5201", "n"), "1");
}
