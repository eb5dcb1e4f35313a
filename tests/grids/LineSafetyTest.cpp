// Grid lines of two users and of a program that stopped: a line another user changed or deleted
// meanwhile is settled before anything is sent, and a line's edit left in a journal comes back.
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>

#include "editing/EditJournal.h"
#include "server/Endpoints.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/grids/ClientGrids.h"
#include "ui/controls/AllKinds.h"

namespace {

class LineSafety : public ClientGrids {
protected:
    DataGrid* costs() { return w().ngFrevo; }
    void openCosts()
    {
        demo.open({{"idTVO", "1003"}, {"idClient", ""}});
        w().show();
        w().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
        clickTab(4);
    }
    // The other salesperson's statement, straight to the server.
    void otherUserSends(const std::string& statement)
    {
        ClientSession other;
        other.get(endpoint::update(demo.server().baseUrl(), statement));
        ASSERT_EQ(other.lastWarning(), "");
    }
    std::string costLine(const char* column)
    {
        return query(std::string("Select ") + column + " from [tVO - Frevo] where idFrevo=9012",
                     column);
    }
    std::string folder() { return QFileInfo(w().SettingsPath).absolutePath().toStdString(); }
    // The timer writes the journal of what was typed and the program stops there: the journal
    // stays where the next start finds it, and the record is shown again, answering "Restaurer".
    Answered stopAndShowAgain(const WindowHarness::Options& keys)
    {
        w().Timer1Timer();
        const std::vector<std::string> files = journalFiles(folder());
        const std::optional<std::string> left =
            files.size() == 1 ? readJournalFile(files.front()) : std::nullopt;
        if (!left) {
            ADD_FAILURE() << "no journal written";
            return {};
        }
        answering(QMessageBox::Discard, [&] { clickAtPlaceOf(w().JvXPBtnActualize); });
        EXPECT_TRUE(journalFiles(folder()).empty());
        EXPECT_TRUE(writeJournalFile(files.front(), *left));
        return answering(QMessageBox::Yes, [&] {
            demo.open(keys);
            WindowHarness::processEventsFor(100);
        });
    }
};

} // namespace

TEST_F(LineSafety, ACostLineChangedMeanwhileIsSettledByTheUser)
{
    struct Case {
        int button;
        const char* label; // in the database afterwards
        bool stillPending;
    };
    const Case cases[] = {
        {QMessageBox::Yes, "Pare-brise", false},
        {QMessageBox::No, "Vidange", false},
        {QMessageBox::Cancel, "Vidange", true}, // last: the edit stays pending
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        otherUserSends("Update [tVO - Frevo] set LibelleFrevo='Distribution', "
                       "NomFournisseur='Speedy' where idFrevo=9012");
        openCosts();
        otherUserSends("Update [tVO - Frevo] set LibelleFrevo='Vidange', NomFournisseur='Norauto' "
                       "where idFrevo=9012");
        const int row = rowOf(costs(), "9012");
        ASSERT_GE(row, 0);
        typeInCell(costs(), 3, row, "Pare-brise");
        const Answered seen = answering(c.button, [&] { clickCell(costs(), 3, row == 0 ? 1 : 0); });
        ASSERT_EQ(seen.titles, QStringList{"Modifications concurrentes"});
        EXPECT_TRUE(seen.texts[0].contains(
            "chargé « Distribution », sur le serveur « Vidange », saisi « Pare-brise »"))
            << seen.texts[0].toStdString();
        // The supplier only the other user changed is neither reported nor overwritten.
        EXPECT_FALSE(seen.texts[0].contains("Norauto"));
        EXPECT_EQ(costLine("NomFournisseur"), "Norauto");
        EXPECT_EQ(costLine("LibelleFrevo"), c.label);
        EXPECT_EQ(w().anythingPending(), c.stillPending);
        if (c.button == QMessageBox::No) {
            EXPECT_EQ(costs()->cell(3, row), "Vidange");
        }
    }
}

TEST_F(LineSafety, ALineDeletedMeanwhileIsReportedAndNothingIsSentForIt)
{
    openCosts();
    otherUserSends("Delete from [tVO - Frevo] where idFrevo=9012");
    const int row = rowOf(costs(), "9012");
    typeInCell(costs(), 3, row, "Pare-brise");
    clickCell(costs(), 3, row == 0 ? 1 : 0);
    EXPECT_EQ(w().LbDebugInfo0->text(), "La ligne de frais n° 9012 a été supprimée par un autre "
                                        "utilisateur : rien n'a été envoyé pour elle.");
    EXPECT_EQ(query("Select count(*) as n from [tVO - Frevo] where idFrevo=9012", "n"), "0");
    EXPECT_TRUE(w().anythingPending());
    // Its delete marker takes it away: nothing is left to send, the lines are the server's.
    clickCell(costs(), 0, row);
    EXPECT_FALSE(w().anythingPending());
    EXPECT_EQ(rowOf(costs(), "9012"), -1);
}

TEST_F(LineSafety, AnActionChangedMeanwhileIsListedWithTheTextsShown)
{
    openClient();
    const int row = rowOf(w().ngAction, "30001");
    ASSERT_GE(row, 0);
    otherUserSends("Update tActions set CommentaireAction='Rappel par C', TypeAction=4 where "
                   "idAction=30001");
    typeInCell(w().ngAction, 6, row, "Rappel fait");
    const Answered seen = answering(QMessageBox::Yes, [&] {
        clickCell(w().ngAction, 6, (row + 1) % w().ngAction->rowCount());
    });
    ASSERT_EQ(seen.titles, QStringList{"Modifications concurrentes"});
    EXPECT_TRUE(seen.texts[0].startsWith("Un autre utilisateur a modifié l'action n° 30001 "));
    EXPECT_TRUE(seen.texts[0].contains(
        "Commentaire : chargé « Demande un devis d'entretien. », sur le serveur « Rappel par C », "
        "saisi « Rappel fait »"))
        << seen.texts[0].toStdString();
    EXPECT_EQ(
        query("Select CommentaireAction from tActions where idAction=30001", "CommentaireAction"),
        "Rappel fait");
    EXPECT_EQ(query("Select TypeAction from tActions where idAction=30001", "TypeAction"), "4");
}

TEST_F(LineSafety, ACostLineEditLeftInAJournalIsOfferedBackAndSaved)
{
    openCosts();
    typeInCell(costs(), 3, rowOf(costs(), "9012"), "Pare-brise");
    const Answered seen = stopAndShowAgain({{"idTVO", "1003"}, {"idClient", ""}});
    ASSERT_EQ(seen.titles, QStringList{"Modifications retrouvées"});
    EXPECT_TRUE(seen.texts[0].contains("(ligne de frais n° 9012) : Pare-brise"))
        << seen.texts[0].toStdString();
    EXPECT_EQ(costs()->cell(3, rowOf(costs(), "9012")), "Pare-brise");
    clickAtPlaceOf(w().JvXPBtnSave);
    EXPECT_EQ(costLine("LibelleFrevo"), "Pare-brise");
    EXPECT_TRUE(journalFiles(folder()).empty());
}

TEST_F(LineSafety, AClientVehicleEditLeftInAJournalComesBackOnItsVehicle)
{
    openClient();
    clickTab(7);
    clickCell(w().ngVehicles, 3, rowOf(w().ngVehicles, "70002"));
    QWidget* kms = w().vKMS->widget();
    clickAtPlaceOf(kms);
    QTest::keyClick(kms, Qt::Key_A, Qt::ControlModifier);
    typeKeys(kms, "91000");
    clickAtPlaceOf(w().vImmatriculation->widget());
    // Shown again from its first vehicle: the edit goes back on the vehicle it was typed for.
    const Answered seen = stopAndShowAgain({{"idTVO", ""}, {"idClient", "2001"}});
    ASSERT_EQ(seen.titles, QStringList{"Modifications retrouvées"});
    EXPECT_TRUE(seen.texts[0].contains("(véhicule n° 70002) : 91000"))
        << seen.texts[0].toStdString();
    EXPECT_EQ(w().vImmatriculation->text(), "RF559TV");
    EXPECT_EQ(w().vKMS->text(), "91000");
    clickAtPlaceOf(w().JvXPBtnSave);
    EXPECT_EQ(query("Select KMS from TVehiclesOstrel where idTVO=70002", "KMS"), "91000");
    EXPECT_TRUE(journalFiles(folder()).empty());
}
