// The costs page driven as a person does, against the demo server: lines added by their marker,
// amounts and suppliers typed, lines deleted, each checked in the database, the totals and the
// margins; a refused date stops the save; the handling fee is added once.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "editing/Computations.h"
#include "grids/FrevoRules.h"
#include "tests/editing/DemoEditing.h"
#include "ui/controls/AllKinds.h"
#include "ui/grid/DataGrid.h"

namespace {

class FrevoGrid : public DemoEditing {
protected:
    DataGrid& grid() { return *w().ngFrevo; }
    void open(const char* idTVO)
    {
        demo.open({{"idTVO", idTVO}, {"idClient", ""}});
        w().show();
        w().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    }
    void openCosts(const char* idTVO)
    {
        open(idTVO);
        clickTab(4);
    }
    void clickTab(int index)
    {
        auto* bar = w().Tabs->findChild<QTabBar*>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    void click(int column, int row)
    {
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {},
                          grid().cellRect(column, row).center());
    }
    // A click to select the cell, a second one to open its editor, then the keys.
    void typeIn(int column, int row, const QString& text)
    {
        if (grid().selectedColumn() != column || grid().selectedRow() != row)
            click(column, row);
        click(column, row);
        ASSERT_TRUE(grid().isEditing());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        typeKeys(QApplication::focusWidget(), text);
    }
    int rowOf(const char* idFrevo)
    {
        for (int r = 0; r < grid().rowCount(); ++r)
            if (grid().cell(1, r) == idFrevo)
                return r;
        return -1;
    }
    std::string line(const char* idFrevo, const char* column)
    {
        return query(std::string("Select ") + column +
                         " from [tVO - Frevo] where idFrevo=" + idFrevo,
                     column);
    }
    std::string count(const std::string& where)
    {
        return query("Select count(*) as n from [tVO - Frevo] where " + where, "n");
    }
    double net() { return amountOf(toCp1252(w().cMNette->text())); }
};

} // namespace

TEST_F(FrevoGrid, AddChangeAndDeleteLinesAsAPersonDoes)
{
    openCosts("1003");
    ASSERT_EQ(grid().rowCount(), 5); // four lines and the new one, dated today
    EXPECT_EQ(grid().cell(2, 4), QString::fromStdString(formatDate(todayDay())));
    EXPECT_EQ(w().cFrevoPrevision->text(), "970.50");
    EXPECT_EQ(w().cFrevoFixe->text(), "");
    EXPECT_EQ(w().cFrevoInterne->text(), "770.00");
    EXPECT_EQ(w().cFrevo->text(), "2271.40");
    EXPECT_EQ(w().cFrevoTotFDM->text(), "2271.40"); // not delivered: up to the end of this month
    EXPECT_EQ(w().cTotFrevo->text(), "2271.40");
    const double netBefore = net();

    // A new line by its marker: it exists on the server, a new line follows it.
    click(0, 4);
    ASSERT_EQ(count("idVO=5003"), "5");
    ASSERT_EQ(grid().rowCount(), 6);
    const std::string added = query("Select max(idFrevo) as id from [tVO - Frevo]", "id");
    const int row = rowOf(added.c_str());
    ASSERT_GE(row, 0);
    EXPECT_EQ(line(added.c_str(), "TypeFrevo"), "interne");
    EXPECT_EQ(grid().cell(0, row), "0");

    // Its amount, typed and left by a click on another line: saved at once.
    typeIn(8, row, "125.5");
    click(3, row == 0 ? 1 : 0);
    EXPECT_EQ(line(added.c_str(), "MontantHT"), "125.50");
    EXPECT_EQ(w().cFrevoInterne->text(), "895.50");
    EXPECT_EQ(w().cFrevo->text(), "2396.90");
    EXPECT_NEAR(net(), netBefore - 125.50, 0.001);

    // A supplier from the completion list, saved when the line is left.
    const int speedy = rowOf("9012");
    typeIn(5, speedy, "sécu");
    auto* editor = qobject_cast<QComboBox*>(grid().cellEditor());
    ASSERT_NE(editor, nullptr);
    QCompleter* completer = editor->lineEdit()->completer();
    ASSERT_NE(completer, nullptr);
    ASSERT_TRUE(completer->popup()->isVisible());
    EXPECT_EQ(completer->completionCount(), 1);
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    click(3, speedy == 0 ? 1 : 0);
    EXPECT_EQ(line("9012", "NomFournisseur"), "Sécuritest");
    EXPECT_EQ(grid().cell(5, speedy), "Sécuritest");

    // A line deleted by its marker, without question.
    click(0, rowOf("9010"));
    EXPECT_EQ(count("idFrevo=9010"), "0");
    EXPECT_EQ(rowOf("9010"), -1);
    EXPECT_EQ(w().cFrevoInterne->text(), "125.50");
    EXPECT_NEAR(net(), netBefore - 125.50 + 770.00, 0.001);
    EXPECT_FALSE(w().anythingPending());

    // An insert without known outcome: the record is reloaded before anything is sent again.
    const int loads = w().FrevoLoads;
    w().FrevoRows[1].Statement = "Insert into [tVO - Frevo] (MontantHT, idVO, idFrevo ) Values "
                                 "(1.00, 5003, :NewID)";
    w().frevoInsertOutcomeUnknown();
    EXPECT_GT(w().FrevoLoads, loads);
    EXPECT_FALSE(w().anythingPending());
    EXPECT_TRUE(w().LbDebugInfo0->text().startsWith("Réponse du serveur perdue"));
}

TEST_F(FrevoGrid, AFailedDeletionKeepsTheLineAndItsAmount)
{
    openCosts("1003");
    const double netBefore = net();
    w().IdHTTP1->closeConnection();
    demo.server().stop();
    click(0, rowOf("9010"));
    EXPECT_TRUE(w().LbDebugInfo0->text().startsWith("Exception : "));
    ASSERT_NE(rowOf("9010"), -1);
    EXPECT_EQ(w().FrevoRows[std::size_t(rowOf("9010")) + 1].Cells[8].Value, "770.00");
    EXPECT_EQ(w().cFrevoInterne->text(), "770.00");
    EXPECT_NEAR(net(), netBefore, 0.001);
    EXPECT_FALSE(w().anythingPending());
    EXPECT_FALSE(w().JvXPBtnSave->isEnabled());
}

TEST_F(FrevoGrid, ARefusedDateKeepsItsEditorOpenAndSendsNothing)
{
    openCosts("1003");
    const int row = rowOf("9011");
    const QString tooLate = QString::fromStdString(formatDate(w().LimitDateEnd + 1)).remove('/');
    const QString expected = "La valeur du champ \"DateFrevo\" doit être comprise entre le \"" +
                             QString::fromStdString(formatDate(w().LimitDateStartFrevo)) +
                             "\" et le \"" + QString::fromStdString(formatDate(w().LimitDateEnd)) +
                             "\"";
    const size_t updates = updatesIn(demo.harness().traceLog()).size();
    typeIn(2, row, tooLate);
    for (auto leave :
         {std::function<void()>([&] { QTest::mouseClick(w().JvXPBtnSave, Qt::LeftButton); }),
          std::function<void()>([&] { clickTab(0); })}) {
        const Answered seen = answering(QMessageBox::Ok, leave);
        ASSERT_EQ(seen.titles.size(), 1);
        EXPECT_EQ(seen.titles[0], "Contrôle de la date Frevo");
        EXPECT_EQ(seen.texts[0], expected);
        EXPECT_TRUE(grid().isEditing());
        EXPECT_EQ(w().Tabs->currentIndex(), 4);
        EXPECT_EQ(w().FrevoRows[std::size_t(row) + 1].Statement, "");
    }
    EXPECT_EQ(updatesIn(demo.harness().traceLog()).size(), updates);
}

TEST_F(FrevoGrid, TheHandlingFeeIsAddedOnceWhereTheSiteHasOne)
{
    struct Case {
        const char* record;
        const char* idVO;
        const char* fees; // fixed lines after two saves
    } cases[] = {
        {"1004", "5004", "1"}, // CHARTRES, private buyers, no fee line
        {"1001", "5001", "1"}, // a fee line loaded
        {"1006", "5006", "0"}, // EVREUX has no fee
        {"1007", "5007", "0"}, // sold for export
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        open(c.record);
        for (const char* price : {"10000.00", "10100.00"}) {
            w().cPrixVente->setFocus();
            w().cPrixVente->setText(price);
            QTest::mouseClick(w().JvXPBtnSave, Qt::LeftButton);
            ASSERT_EQ(w().LbDebugInfo0->text(), "");
        }
        EXPECT_EQ(count(std::string("idVO=") + c.idVO + " and TypeFrevo='FIXE'"), c.fees);
    }
    EXPECT_EQ(
        line(query("Select max(idFrevo) as id from [tVO - Frevo]", "id").c_str(), "MontantHT"),
        "150.00");
}

TEST_F(FrevoGrid, ASortedGridChangesAndDeletesTheLinesClicked)
{
    openCosts("1003");
    const QPoint labelHeader = grid().headerRect(frevocol::Label).center();
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, labelHeader);
    // By label: the new line, Distribution, Freins, Nettoyage, Pneumatiques.
    ASSERT_EQ(grid().cell(frevocol::Id, 1), "9012");
    typeIn(frevocol::Label, 1, "Courroie");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    click(frevocol::Date, 3);
    EXPECT_EQ(line("9012", "LibelleFrevo"), "Courroie");
    EXPECT_EQ(line("9010", "LibelleFrevo"), "Nettoyage");

    // Sorted the other way, the first line shown is deleted by its marker.
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, labelHeader);
    ASSERT_EQ(grid().cell(frevocol::Id, 0), "9009");
    click(frevocol::Marker, 0);
    EXPECT_EQ(count("idFrevo=9009"), "0");
    EXPECT_EQ(count("idVO=5003"), "3");

    // Loaded again, the lines come in the order chosen, each with its own values.
    QTest::mouseClick(w().JvXPBtnActualize, Qt::LeftButton);
    ASSERT_EQ(grid().cell(frevocol::Id, 0), "9010");
    for (int row = 0; row + 1 < grid().rowCount(); ++row)
        EXPECT_EQ(fromCp1252(w().FrevoRows[std::size_t(row) + 1].Cells[frevocol::Id].Value),
                  grid().cell(frevocol::Id, row));
}
