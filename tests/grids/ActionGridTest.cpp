// The follow-up actions of a client in the real window against the demo server: added with the
// remembered values, changed and deleted by clicks and keys, each checked in the database.
#include <QLabel>
#include <QMessageBox>

#include "app/DayDate.h"
#include "grids/ActionRules.h"
#include "server/RequestClient.h"
#include "tests/grids/ClientGrids.h"
#include "tests/support/ScriptedServer.h"
#include "ui/controls/AllKinds.h"

namespace {

class ActionGrid : public ClientGrids {
protected:
    DataGrid* grid() { return w().ngAction; }
    std::string action(const char* column, const char* id)
    {
        return query(std::string("Select ") + column + " from tActions where idAction=" + id,
                     column);
    }
    std::string count(const std::string& where)
    {
        return query("Select count(*) as n from tActions where " + where, "n");
    }
    // Remembered values of a salesperson's last action; the comment is never remembered.
    void rememberLastAction()
    {
        remember("sAct2", formatDate(todayDay()));
        remember("sAct3", "101");
        remember("sAct4", "3");
        remember("sAct5", "2");
        remember("sAct7", formatDate(todayDay() + 3));
        remember("sAct9", "1");
        remember("sAct10", "9"); // past the end of its list: to be chosen again
    }
    int rowWithComment(const QString& comment)
    {
        for (int row = 0; row < grid()->rowCount(); ++row) {
            if (grid()->cell(6, row) == comment)
                return row;
        }
        return -1;
    }
};

} // namespace

TEST_F(ActionGrid, AddedChangedAndDeletedAsAPersonDoes)
{
    rememberLastAction();
    openClient();
    ASSERT_EQ(w().Tabs->currentIndex(), 6);
    ASSERT_TRUE(w().JvXPBtnNewAction->isVisible());

    const int loaded = grid()->rowCount();
    clickAtPlaceOf(w().JvXPBtnNewAction);
    clickAtPlaceOf(w().JvXPBtnNewAction); // one new action at a time
    ASSERT_EQ(grid()->rowCount(), loaded + 1);
    // The remembered values, the client's salesperson to follow it up; no priority any more.
    EXPECT_EQ(grid()->cell(4, 0), "Courrier");
    EXPECT_EQ(grid()->cell(5, 0), "Offre commerciale");
    EXPECT_EQ(grid()->cell(8, 0), "DUVAL Pierre");
    EXPECT_EQ(grid()->cell(10, 0), "");
    // Its follow-up, due in three days, is written in orange on its card.
    CellFormat format;
    w().ngActionCellFormating(7, 0, format);
    EXPECT_EQ(format.fontColor, kFollowUpSoonColor);
    typeInCell(grid(), 6, 0, "Essai prévu samedi");
    clickCell(grid(), 0, 0);
    // The missing priority is selected and nothing is sent.
    EXPECT_EQ(grid()->selectedColumn(), 10);
    EXPECT_EQ(count("CommentaireAction='Essai prévu samedi'"), "0");
    typeInCell(grid(), 10, 0, "H"); // "Haute"
    clickCell(grid(), 0, 0);
    EXPECT_EQ(count("CommentaireAction='Essai prévu samedi' and TypeAction=3 and idComRelance=101"),
              "1");
    EXPECT_FALSE(w().anythingPending());
    // Its values are remembered for the next one.
    EXPECT_EQ(w().GetTagRegistry("sAct10"), "3");

    const int row = rowOf(grid(), "30001");
    ASSERT_GE(row, 0);
    typeInCell(grid(), 6, row, "Rappel fait, devis envoyé");
    clickCell(grid(), 6, (row + 1) % grid()->rowCount());
    EXPECT_EQ(action("CommentaireAction", "30001"), "Rappel fait, devis envoyé");
    // A date still in its editor is taken by the save button.
    const QString followUp = formatDate(todayDay() + 20).c_str();
    typeInCell(grid(), 7, row, QString(followUp).remove('/'));
    ASSERT_TRUE(grid()->isEditing());
    clickAtPlaceOf(w().JvXPBtnSave);
    EXPECT_FALSE(grid()->isEditing());
    EXPECT_EQ(action("DateRelance", "30001"), followUp.toStdString());

    clickCell(grid(), 0, rowOf(grid(), "30002"));
    EXPECT_EQ(count("idAction=30002"), "0");
    EXPECT_EQ(rowOf(grid(), "30002"), -1);
}

TEST_F(ActionGrid, AMissingValueKeepsTheLineAndSendsNothing)
{
    openClient();
    const int row = rowOf(grid(), "30001");
    ASSERT_GE(row, 0);
    const size_t sent = updatesSent();
    typeInCell(grid(), 6, row, "");
    clickCell(grid(), 2, (row + 1) % grid()->rowCount());
    EXPECT_EQ(grid()->selectedRow(), row);
    EXPECT_EQ(grid()->selectedColumn(), 6);
    clickAtPlaceOf(w().JvXPBtnSave);
    EXPECT_EQ(updatesSent(), sent);
    EXPECT_TRUE(w().LbDebugInfo0->text().startsWith("Action incomplète : renseignez "));
    EXPECT_EQ(grid()->selectedColumn(), 6);
    EXPECT_EQ(w().focusWidget(), grid());
    EXPECT_EQ(action("CommentaireAction", "30001"), "Demande un devis d'entretien.");

    // A follow-up before the action is refused with its message, and the cell keeps its date.
    const QString followUp = grid()->cell(7, row);
    const Answered seen = answering(QMessageBox::Ok, [&] {
        typeInCell(grid(), 7, row, "20042026");
        clickCell(grid(), 2, row);
    });
    ASSERT_EQ(seen.titles.size(), 1);
    EXPECT_EQ(seen.titles[0], "Contrôle de la date Relance");
    EXPECT_EQ(seen.texts[0], "La valeur du champ \"DateRelance\" doit être supérieure au \"" +
                                 grid()->cell(2, row) + "\"");
    EXPECT_EQ(grid()->cell(7, row), followUp);
}

TEST_F(ActionGrid, OutsideTheLoyaltyGroupActionsAreOnlyShown)
{
    openClient("1000002", "CHARTRES"); // DURAND Paul: no OSTREL right
    ASSERT_EQ(grid()->rowCount(), 3);
    EXPECT_FALSE(grid()->isEnabled());
    EXPECT_FALSE(w().JvXPBtnNewAction->isEnabled());
    // Only the action without comment may be deleted.
    EXPECT_EQ(grid()->cell(0, rowOf(grid(), "30001")), "2");
    EXPECT_EQ(grid()->cell(0, rowOf(grid(), "30003")), "0");
    // A follow-up date already past is written in red.
    CellFormat format;
    w().ngActionCellFormating(7, rowOf(grid(), "30002"), format);
    EXPECT_EQ(format.fontColor, color::Red);
}

TEST_F(ActionGrid, AnInsertWhoseAnswerIsLostIsSentAgainOnlyWhenTheUserSaysSo)
{
    // Between the window and the server: the insert reaches the server, its answer is lost.
    ScriptedServer relay;
    const std::string server = demo.server().baseUrl();
    relay.setHandler([server](const SeenRequest& request) {
        RequestClient client(false);
        const HttpReply reply = client.get(server + request.target.substr(1));
        return ScriptedReply{.status = int(reply.status),
                             .body = reply.body,
                             .resetConnection = request.target.find("/AxInsert?") == 0};
    });
    rememberLastAction();
    remember("sAct10", "2");
    openClient("1000001", "CHARTRES;DREUX;EVREUX", relay.baseUrl());
    clickAtPlaceOf(w().JvXPBtnNewAction);
    typeInCell(grid(), 6, 0, "Sans réponse");
    clickCell(grid(), 0, 0);
    EXPECT_EQ(count("CommentaireAction='Sans réponse'"), "1");
    EXPECT_TRUE(w().LbDebugInfo0->text().startsWith("Exception : "));
    ASSERT_TRUE(w().anythingPending()); // the line stays as it was typed

    // Recording it again asks first; "Vérifier" shows the client as the server holds it.
    const Answered seen = answering(QMessageBox::Yes, [&] { clickCell(grid(), 0, 0); });
    ASSERT_EQ(seen.titles.size(), 1);
    EXPECT_EQ(seen.titles[0], "Enregistrement incertain");
    QTest::qWait(50); // the check asked for runs once the save has ended
    EXPECT_FALSE(w().anythingPending());
    const int row = rowWithComment("Sans réponse");
    ASSERT_GE(row, 0);
    EXPECT_NE(grid()->cell(1, row), "");
    int inserts = 0;
    for (const SeenRequest& request : relay.requests())
        inserts += request.target.find("/AxInsert?") == 0;
    EXPECT_EQ(inserts, 1);
    EXPECT_EQ(count("CommentaireAction='Sans réponse'"), "1");
}

TEST_F(ActionGrid, ASortedGridChangesTheActionShown)
{
    openClient();
    // The cards have no header to click: sorted as the program sorts them.
    ASSERT_EQ(grid()->cell(actcol::Id, 1), "30002");
    grid()->setSortedColumn(actcol::Comment, true); // the one without comment first
    const std::string second = grid()->cell(actcol::Id, 1).toStdString();
    ASSERT_EQ(second, "30001");
    typeInCell(grid(), actcol::Comment, 1, "Trié puis modifié");
    clickCell(grid(), actcol::Comment, 0);
    EXPECT_EQ(action("CommentaireAction", second.c_str()), "Trié puis modifié");
    EXPECT_EQ(count("CommentaireAction='Trié puis modifié'"), "1");
}

TEST_F(ActionGrid, ANewClientTakesActionsOnlyOnceSaved)
{
    demo.open({{"idTVO", ""}, {"idClient", "-1"}, {"idUser", "1000001"}});
    w().show();
    clickTab(6);
    ASSERT_TRUE(w().JvXPBtnNewAction->isVisible());
    EXPECT_FALSE(w().JvXPBtnNewAction->isEnabled());
}
