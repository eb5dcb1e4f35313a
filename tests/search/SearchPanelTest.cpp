// The search panel of the real window against the demo server: set-up by record kind, the
// count-down, the query and its grid, opening results and stepping through them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

#include "app/IniFile.h"
#include "search/SearchStatements.h"
#include "server/Endpoints.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/view/DemoWindow.h"
#include "ui/TAxKelvaro.h"
#include "ui/controls/AllKinds.h"
#include "ui/grid/DataGrid.h"

namespace {

class SearchPanel : public testing::Test {
protected:
    explicit SearchPanel(const WindowHarness::Options& options = {})
        : demo(options)
    {
        w().show();
        w().activateWindow();
        // Records are opened by the tests: the ticks they run do not start the first load.
        w().StartDone = 1;
    }

    TAxKelvaro& w() { return demo.window(); }

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // A button's click as the user gives it (two quick mouse clicks would be a double click).
    void click(PictureButton* button) { button->click(); }
    void clickRow(int row)
    {
        const QRect cell = w().ngSearch->cellRect(2, row);
        QTest::mouseClick(w().ngSearch->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }
    // Runs the timer until the armed search has run.
    void runCountdown()
    {
        for (int tick = 0; tick < 12 && w().SearchCountdown != 0; ++tick)
            w().Timer1Timer();
        WindowHarness::processEventsFor(50);
    }
    // Types the text in place of the searched one and lets the count-down run.
    void search(const QString& text)
    {
        if (!w().ncbSearch->text().isEmpty()) {
            w().ncbSearch->setText(QString());
            EXPECT_EQ(w().SearchCountdown, 4);
        }
        w().ncbSearch->setFocus();
        QTest::keyClicks(w().ncbSearch, text);
        if (!text.isEmpty()) {
            EXPECT_EQ(w().SearchCountdown, 4);
        }
        // The same empty text again: run it once more.
        if (w().SearchCountdown == 0)
            w().SearchCountdown = 1;
        runCountdown();
    }
    std::string setting(const char* key)
    {
        return iniRead(demo.harness().settingsPath(), "Options", key).value_or("(absent)");
    }
    int rowOf(const QString& id)
    {
        for (int r = 0; r < w().ngSearch->rowCount(); ++r)
            if (w().ngSearch->cell(0, r) == id)
                return r;
        return -1;
    }
    std::string databaseValue(const std::string& select, const char* column)
    {
        ClientSession session;
        TXml doc = session.fetch(endpoint::querySearch(demo.server().baseUrl(), select, 1));
        XmlFind(doc, "AXQueryS");
        XmlNext(doc, "AXQuery");
        return valueOf(doc, column);
    }

    DemoWindow demo;
};

class SearchPanelRemembered : public SearchPanel {
protected:
    SearchPanelRemembered()
        : SearchPanel({{"svOpt1", "1"},
                       {"svText1", "2"},
                       {"svTypeVO", "VN"},
                       {"svSite", "DREUX"},
                       {"svOpt2", "6"},
                       {"svText2", "06"}})
    {}
};

} // namespace

TEST_F(SearchPanel, FirstOpeningForAVehicleSearchesByVONumber)
{
    demo.open({{"idTVO", "1001"}});
    ASSERT_EQ(w().RecordKind, "_TVO");
    EXPECT_TRUE(w().Panel1->isHidden());
    click(w().JvXPBtnSearch);
    EXPECT_FALSE(w().Panel1->isHidden());
    EXPECT_EQ(w().Panel1->y(), w().JvXPBtnSearch->y() + 30);
    EXPECT_EQ(w().ncbInfoSearch->text(), "_TVO");
    EXPECT_TRUE(w().ncbTypeVO->items().contains("VN"));
    EXPECT_TRUE(w().ncbSite->items().contains("DREUX"));
    EXPECT_GT(w().SearchCountdown, 0);
    EXPECT_EQ(w().ncbLabel->text(), "");
    EXPECT_TRUE(w().JvXPBtnSearchPlus->isHidden());

    // Three selectors in their slots, no telephone ones; the filters are shown.
    EXPECT_EQ(w().TSLbNVO->x(), 10);
    EXPECT_EQ(w().TSNVO->x(), 10);
    EXPECT_EQ(w().TSLbImmat->x(), 82);
    EXPECT_EQ(w().TSLbClient->x(), 154);
    EXPECT_TRUE(w().TSLbTelephone->isHidden());
    EXPECT_TRUE(w().TSMobile->isHidden());
    EXPECT_FALSE(w().ncbSite->isHidden());
    EXPECT_FALSE(w().ncbLbTypeVO->isHidden());
    // Only the VO number is enabled, and no selector is highlighted.
    EXPECT_TRUE(w().TSNVO->isEnabled());
    EXPECT_FALSE(w().TSImmat->isEnabled());
    EXPECT_FALSE(w().TSClient->isEnabled());
    EXPECT_EQ(w().ActiveSearchLabel, nullptr);

    search("1");
    EXPECT_EQ(setting("svOpt1"), "3");
    EXPECT_EQ(setting("svText1"), "1");
    EXPECT_EQ(w().ngSearch->rowCount(), 50);
    EXPECT_EQ(w().ngSearch->column(2).caption.toStdString(), "N°VO");
    EXPECT_EQ(w().ngSearch->sortedColumn(), 2);
    EXPECT_EQ(w().SearchKeyColumn, 2);
    // More rows exist, but a VO number search offers none.
    EXPECT_EQ(w().ncbLabel->text(), "50 premiers enregistrements");
    EXPECT_TRUE(w().JvXPBtnSearchPlus->isHidden());

    // The button closes the panel and opens it again without a new set-up.
    click(w().JvXPBtnSearch);
    EXPECT_TRUE(w().Panel1->isHidden());
    click(w().JvXPBtnSearch);
    EXPECT_FALSE(w().Panel1->isHidden());
    EXPECT_EQ(w().SearchCountdown, 0);
    EXPECT_EQ(w().ngSearch->rowCount(), 50);
}

TEST_F(SearchPanel, RegistrationSearchFillsTheGridAndOpensTheRecord)
{
    demo.open({{"idTVO", "1001"}});
    const QString registration = w().cImmatriculation->text();
    ASSERT_GE(registration.size(), 4);
    click(w().JvXPBtnSearch);
    click(w().TSLbImmat);
    EXPECT_TRUE(w().TSImmat->isEnabled());
    EXPECT_FALSE(w().TSNVO->isEnabled());
    EXPECT_EQ(w().ActiveSearchLabel, w().TSLbImmat);
    EXPECT_EQ(w().TSLbImmat->fontColor(), 0xFF0000u);
    EXPECT_TRUE(w().ncbSearch->hasFocus());
    // Choosing a type arms nothing.
    w().SearchCountdown = 0;
    click(w().TSLbClient);
    EXPECT_EQ(w().TSLbImmat->fontColor(), 0u);
    EXPECT_EQ(w().SearchCountdown, 0);
    click(w().TSLbImmat);

    search(registration.left(5));
    EXPECT_EQ(w().LbDebugInfo0->text(), "");
    EXPECT_EQ(setting("svOpt1"), "1");
    EXPECT_EQ(setting("svText1"), registration.left(5).toStdString());
    const int row = rowOf("1001");
    ASSERT_GE(row, 0);
    EXPECT_EQ(w().ngSearch->cell(4, row), registration);
    EXPECT_TRUE(w().ngSearch->cell(2, row).startsWith("VO-"));
    EXPECT_EQ(w().ngSearch->cell(5, row), w().cInfoMarque->text() + " " + w().cInfoModele->text());
    EXPECT_EQ(w().ngSearch->column(4).caption, "Immat.");
    EXPECT_EQ(w().ngSearch->column(5).caption, QString::fromUtf8("Véhicule"));
    EXPECT_EQ(w().ngSearch->column(3).sortKind, SortKind::Date);
    EXPECT_TRUE(w().ncbLabel->text().endsWith(QString::fromUtf8(" enregistrements trouvés")));

    // The searched key is drawn in blue.
    EXPECT_EQ(w().SearchKeyColumn, 4);
    CellFormat key;
    w().ngSearchCellFormating(4, row, key);
    EXPECT_EQ(key.fontColor, 0xFF0000u);
    CellFormat other;
    w().ngSearchCellFormating(2, row, other);
    EXPECT_EQ(other.fontColor, color::None);

    // A vehicle of another number: every registration, in order.
    search("");
    ASSERT_EQ(w().ngSearch->rowCount(), 50);
    EXPECT_FALSE(w().JvXPBtnSearchPlus->isHidden());
    const QString id = w().ngSearch->cell(0, 1);
    clickRow(1);
    EXPECT_EQ(w().LbIdTVO->text(), id);
    EXPECT_TRUE(w().Panel1->isHidden());
    EXPECT_EQ(w().xcInfoNVO->text().isEmpty(), false);
    EXPECT_TRUE(w().JvXPNext->isEnabled());
    EXPECT_TRUE(w().JvXPPrev->isEnabled());
    EXPECT_EQ(w().LbDebugInfo0->text(), "");
}

TEST_F(SearchPanel, PagingStepsThroughTheResults)
{
    demo.open({{"idTVO", "1001"}});
    click(w().JvXPBtnSearch);
    click(w().TSLbImmat);
    search("");
    ASSERT_EQ(w().ngSearch->rowCount(), 50);

    // "plus" asks again with 50 more rows.
    click(w().JvXPBtnSearchPlus);
    EXPECT_EQ(w().SearchMaxRows, 100);
    EXPECT_EQ(w().ngSearch->rowCount(), 100);
    click(w().JvXPBtnSearchPlus);
    EXPECT_EQ(w().SearchMaxRows, 150);
    const int count = w().ngSearch->rowCount();
    EXPECT_GT(count, 100);
    EXPECT_LT(count, 150);
    EXPECT_TRUE(w().JvXPBtnSearchPlus->isHidden());
    EXPECT_EQ(w().ncbLabel->text(),
              QString::number(count) + QString::fromUtf8(" enregistrements trouvés"));

    clickRow(0);
    EXPECT_EQ(w().LbIdTVO->text(), w().ngSearch->cell(0, 0));
    EXPECT_TRUE(w().JvXPNext->isEnabled());
    EXPECT_FALSE(w().JvXPPrev->isEnabled());
    click(w().JvXPNext);
    EXPECT_EQ(w().ngSearch->selectedRow(), 1);
    EXPECT_EQ(w().LbIdTVO->text(), w().ngSearch->cell(0, 1));
    EXPECT_TRUE(w().JvXPPrev->isEnabled());
    click(w().JvXPPrev);
    EXPECT_EQ(w().LbIdTVO->text(), w().ngSearch->cell(0, 0));
    EXPECT_FALSE(w().JvXPPrev->isEnabled());

    // The last row: no next one.
    w().ngSearch->selectCell(2, count - 2);
    w().JvXPNextClick();
    EXPECT_EQ(w().LbIdTVO->text(), w().ngSearch->cell(0, count - 1));
    EXPECT_FALSE(w().JvXPNext->isEnabled());
    EXPECT_TRUE(w().JvXPPrev->isEnabled());
    // Stepping past the end does nothing.
    w().JvXPNextClick();
    EXPECT_EQ(w().LbIdTVO->text(), w().ngSearch->cell(0, count - 1));

    // The selection follows the pointer, and so do the paging buttons.
    click(w().JvXPBtnSearch);
    ASSERT_FALSE(w().Panel1->isHidden());
    w().ngSearch->selectCell(2, 0);
    QTest::mouseMove(w().ngSearch->viewport(), w().ngSearch->cellRect(3, 2).center());
    QApplication::processEvents();
    EXPECT_EQ(w().ngSearch->selectedRow(), 2);
    EXPECT_TRUE(w().ngSearch->hasFocus());
    EXPECT_TRUE(w().JvXPNext->isEnabled());
    EXPECT_TRUE(w().JvXPPrev->isEnabled());
}

TEST_F(SearchPanel, FiltersNarrowTheVehicleSearch)
{
    demo.open({{"idTVO", "1001"}});
    click(w().JvXPBtnSearch);
    click(w().TSLbImmat);
    search("");
    w().ncbTypeVO->setItemIndex(int(w().ncbTypeVO->items().indexOf("VD")));
    w().ncbSite->setText("DREUX");
    EXPECT_EQ(w().SearchCountdown, 2);
    runCountdown();
    ASSERT_GT(w().ngSearch->rowCount(), 0);
    for (int r = 0; r < w().ngSearch->rowCount(); ++r)
        EXPECT_TRUE(w().ngSearch->cell(2, r).startsWith("VD-Dx-")) << r;
    EXPECT_EQ(setting("svSite"), "DREUX");
    EXPECT_EQ(setting("svTypeVO"), "VD");

    // A site typed with a quote is one literal: no server error, no row.
    w().ncbSite->setText("DR'EUX') or ('1'='1");
    runCountdown();
    EXPECT_EQ(w().LbDebugInfo0->text(), "");
    EXPECT_EQ(w().ngSearch->rowCount(), 0);
    EXPECT_EQ(w().ncbLabel->text(), QString::fromUtf8("0 enregistrements trouvés"));
}

TEST_F(SearchPanel, ClientSearchesOpenClients)
{
    demo.open({{"idTVO", ""}, {"idClient", "2001"}});
    ASSERT_EQ(w().RecordKind, "_TCL");
    const QString home = w().aCliTelDom->text();
    ASSERT_FALSE(home.isEmpty());
    click(w().JvXPBtnSearch);
    EXPECT_EQ(w().ncbInfoSearch->text(), "_TCL");
    EXPECT_TRUE(w().TSLbNVO->isHidden());
    EXPECT_EQ(w().TSLbImmat->x(), 10);
    EXPECT_EQ(w().TSLbClient->x(), 82);
    EXPECT_EQ(w().TSLbMobile->x(), 154);
    EXPECT_EQ(w().TSLbTelephone->x(), 226);
    EXPECT_FALSE(w().TSLbTelephone->isHidden());
    EXPECT_TRUE(w().ncbSite->isHidden());
    EXPECT_TRUE(w().ncbLbTypeVO->isHidden());
    EXPECT_FALSE(w().TSImmat->isEnabled() || w().TSClient->isEnabled() ||
                 w().TSMobile->isEnabled() || w().TSTelephone->isEnabled());

    // No selector enabled among the visible ones: the home telephone.
    search(home);
    EXPECT_EQ(setting("svOpt2"), "7");
    EXPECT_EQ(setting("svText2"), home.toStdString());
    const int own = rowOf("2001");
    ASSERT_GE(own, 0);
    EXPECT_EQ(w().ngSearch->cell(3, own), home);
    EXPECT_EQ(w().ngSearch->cell(6, own), "DUPONT Jean");
    EXPECT_EQ(w().ngSearch->column(2).caption, QString::fromUtf8("Réf."));
    EXPECT_EQ(w().ngSearch->column(3).caption, QString::fromUtf8("Tél.Dom."));
    EXPECT_EQ(w().ngSearch->column(3).sortKind, SortKind::Text);
    EXPECT_EQ(w().SearchKeyColumn, 3);

    // Name search, then exact.
    click(w().TSLbClient);
    search("dupon");
    const int contains = w().ngSearch->rowCount();
    ASSERT_GE(contains, 2);
    EXPECT_EQ(setting("svOpt2"), "5");
    click(w().LbSearch);
    EXPECT_TRUE(w().ExactSearch);
    EXPECT_EQ(w().SearchCountdown, 1);
    runCountdown();
    EXPECT_EQ(w().LbSearch->text(), "recherche exacte :");
    EXPECT_EQ(w().ngSearch->rowCount(), 0);
    search("DUPONT");
    ASSERT_GT(w().ngSearch->rowCount(), 0);
    for (int r = 0; r < w().ngSearch->rowCount(); ++r)
        EXPECT_TRUE(w().ngSearch->cell(6, r).startsWith("DUPONT ")) << r;
    click(w().LbSearch);
    runCountdown();
    EXPECT_EQ(w().LbSearch->text(), QString::fromUtf8("à rechercher :"));

    // Opening another client.
    int other = -1;
    for (int r = 0; r < w().ngSearch->rowCount() && other < 0; ++r)
        if (w().ngSearch->cell(0, r) != "2001")
            other = r;
    ASSERT_GE(other, 0);
    const QString id = w().ngSearch->cell(0, other);
    clickRow(other);
    EXPECT_EQ(w().LbIDCustomer->text(), id);
    EXPECT_EQ(w().RecordKind, "_TCL");
    EXPECT_TRUE(w().aCliNom->text().startsWith("DUPONT"));
    EXPECT_FALSE(w().FlagNewEnreg);

    // A registration of a client's vehicle opens its owner.
    click(w().JvXPBtnSearch);
    click(w().TSLbImmat);
    search("");
    ASSERT_GT(w().ngSearch->rowCount(), 0);
    EXPECT_FALSE(w().ngSearch->cell(2, 0).startsWith("V"));
    const QString owner = w().ngSearch->cell(0, 0);
    clickRow(0);
    EXPECT_EQ(w().LbIDCustomer->text(), owner);
}

TEST_F(SearchPanel, AFailedQueryKeepsThePreviousResult)
{
    demo.open({{"idTVO", "1001"}});
    click(w().JvXPBtnSearch);
    click(w().TSLbImmat);
    search("");
    ASSERT_EQ(w().ngSearch->rowCount(), 50);
    const QString first = w().ngSearch->cell(0, 0);
    demo.server().stop();
    search("ZZ");
    EXPECT_TRUE(w().LbDebugInfo0->text().startsWith("Exception : "));
    EXPECT_EQ(w().ngSearch->rowCount(), 50);
    EXPECT_EQ(w().ngSearch->cell(0, 0), first);
    EXPECT_EQ(w().ncbLabel->text(), "50 premiers enregistrements");
    EXPECT_FALSE(w().JvXPBtnSearchPlus->isHidden());
}

TEST_F(SearchPanel, PendingEditsAreSavedBeforeAResultOpens)
{
    demo.open({{"idTVO", "1001"}});
    click(w().JvXPBtnSearch);
    click(w().TSLbImmat);
    search("");
    const int row = rowOf("1002") >= 0 ? rowOf("1002") : 1;
    const QString id = w().ngSearch->cell(0, row);
    click(w().JvXPBtnSearch);
    ASSERT_TRUE(w().Panel1->isHidden());

    w().cCommentaires->setText("Vu par la recherche");
    ASSERT_TRUE(w().JvXPBtnSave->isEnabled());
    click(w().JvXPBtnSearch);
    clickRow(row);
    EXPECT_EQ(w().LbIdTVO->text(), id);
    EXPECT_FALSE(w().JvXPBtnSave->isEnabled());
    EXPECT_EQ(databaseValue("SELECT Commentaires FROM tVehicles WHERE idTVO=1001", "Commentaires"),
              "Vu par la recherche");
}

TEST_F(SearchPanelRemembered, LastChoicesComeBack)
{
    demo.open({{"idTVO", "1001"}});
    click(w().JvXPBtnSearch);
    EXPECT_TRUE(w().TSImmat->isEnabled());
    EXPECT_FALSE(w().TSNVO->isEnabled());
    EXPECT_EQ(w().ActiveSearchLabel, w().TSLbImmat);
    EXPECT_EQ(w().ncbSearch->text(), "2");
    EXPECT_EQ(w().ncbTypeVO->text(), "VN");
    EXPECT_EQ(w().ncbSite->text(), "DREUX");
    runCountdown();
    EXPECT_EQ(w().LbDebugInfo0->text(), "");
    ASSERT_GT(w().ngSearch->rowCount(), 0);
    for (int r = 0; r < w().ngSearch->rowCount(); ++r) {
        EXPECT_TRUE(w().ngSearch->cell(2, r).startsWith("VN-Dx-")) << r;
        EXPECT_TRUE(w().ngSearch->cell(4, r).contains("2")) << r;
    }

    // Another kind of record sets the panel up again, with the client choices.
    demo.open({{"idTVO", ""}, {"idClient", "2001"}});
    click(w().JvXPBtnSearch);
    EXPECT_EQ(w().ncbInfoSearch->text(), "_TCL");
    EXPECT_TRUE(w().TSMobile->isEnabled());
    EXPECT_FALSE(w().TSImmat->isEnabled());
    EXPECT_EQ(w().ActiveSearchLabel, w().TSLbMobile);
    EXPECT_EQ(w().TSLbImmat->fontColor(), 0u);
    EXPECT_EQ(w().ncbSearch->text(), "06");
    runCountdown();
    EXPECT_EQ(setting("svOpt2"), "6");
    ASSERT_GT(w().ngSearch->rowCount(), 0);
    for (int r = 0; r < w().ngSearch->rowCount(); ++r)
        EXPECT_TRUE(w().ngSearch->cell(4, r).contains("06")) << r;
}

class SearchPanelStoredCondition : public SearchPanel {
protected:
    SearchPanelStoredCondition()
        : SearchPanel({{"WhereClause", "Where VO.Site='DREUX'"}})
    {}
};

TEST_F(SearchPanelStoredCondition, CtrlRunsTheStoredConditionUntilTheTextChanges)
{
    demo.open({{"idTVO", "1001"}});
    QTest::keyPress(&w(), Qt::Key_Control, Qt::ControlModifier);
    ASSERT_TRUE(QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier));
    click(w().JvXPBtnSearch);
    QTest::keyRelease(&w(), Qt::Key_Control, Qt::NoModifier);
    EXPECT_FALSE(w().Panel1->isHidden());
    EXPECT_TRUE(w().UseWhereClause);
    EXPECT_EQ(w().SearchCountdown, 2);
    EXPECT_EQ(w().ncbSearch->text(), "");
    runCountdown();
    EXPECT_EQ(w().LbDebugInfo0->text(), "");
    ASSERT_GT(w().ngSearch->rowCount(), 0);
    for (int r = 0; r < w().ngSearch->rowCount(); ++r)
        EXPECT_NE(w().ngSearch->cell(2, r).indexOf("-Dx-"), -1) << r;
    // More rows keep the stored condition; a typed text ends it.
    w().JvXPBtnSearchPlusClick();
    EXPECT_EQ(w().SearchMaxRows, 100);
    EXPECT_TRUE(w().UseWhereClause);
    ASSERT_GT(w().ngSearch->rowCount(), 0);
    for (int r = 0; r < w().ngSearch->rowCount(); ++r)
        EXPECT_NE(w().ngSearch->cell(2, r).indexOf("-Dx-"), -1) << r;
    search("1");
    EXPECT_FALSE(w().UseWhereClause);
}

TEST_F(SearchPanel, SelectorButtonsAndTheFirstNameFilter)
{
    demo.open({{"idTVO", ""}, {"idClient", "2001"}});
    click(w().JvXPBtnSearch);
    click(w().TSLbClient);
    w().LbSearch->setFocus();
    click(w().TSClient);
    EXPECT_TRUE(w().ncbSearch->hasFocus());

    // A name search narrowed once by the first name of the client shown.
    w().aCliPrenom->setText("Sylvie");
    search("MARTIN");
    const int all = w().ngSearch->rowCount();
    w().SearchWithFirstName = true;
    w().SearchCountdown = 1;
    runCountdown();
    EXPECT_FALSE(w().SearchWithFirstName);
    const int named = w().ngSearch->rowCount();
    ASSERT_GT(named, 0);
    EXPECT_LT(named, all);
    for (int r = 0; r < named; ++r)
        EXPECT_EQ(w().ngSearch->cell(6, r), "MARTIN Sylvie") << r;
    // The next query is not narrowed any more.
    w().SearchCountdown = 1;
    runCountdown();
    EXPECT_EQ(w().ngSearch->rowCount(), all);
}
