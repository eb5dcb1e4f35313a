// The duplicate counts of the real window against the demo server: armed by typing, run by the
// timer's ticks, shown in their boxes, and the boxes opening the search on the counted value.
#include <gtest/gtest.h>

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

#include "app/Cp1252.h"
#include "server/Endpoints.h"
#include "server/TXml.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/view/DemoWindow.h"
#include "ui/TAxKelvaro.h"
#include "ui/controls/AllKinds.h"
#include "ui/grid/DataGrid.h"

namespace {

class DuplicateCounts : public testing::Test {
protected:
    DuplicateCounts()
    {
        w().show();
        w().activateWindow();
        w().StartDone = 1;
    }

    TAxKelvaro& w() { return demo.window(); }

    // Where the user sees the control: whatever lies on top there takes the click.
    void clickAtPlaceOf(QWidget* control, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(w().windowHandle(), Qt::LeftButton, modifiers,
                          control->mapTo(&w(), control->rect().center()));
    }
    void doubleClickAtPlaceOf(QWidget* control)
    {
        QTest::mouseDClick(w().windowHandle(), Qt::LeftButton, {},
                           control->mapTo(&w(), control->rect().center()));
    }
    void ctrlClickAtPlaceOf(QWidget* control)
    {
        QTest::keyPress(w().windowHandle(), Qt::Key_Control, Qt::ControlModifier);
        ASSERT_TRUE(QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier));
        clickAtPlaceOf(control, Qt::ControlModifier);
        QTest::keyRelease(w().windowHandle(), Qt::Key_Control, Qt::NoModifier);
    }
    // Clicks into the field, replaces its text by typing, and leaves the key strokes counted.
    void retype(QWidget* field, const QString& text)
    {
        clickAtPlaceOf(field);
        ASSERT_TRUE(field->hasFocus());
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i) {
            w().Timer1Timer();
            WindowHarness::processEventsFor(20);
        }
    }
    // The count statements the window sent so far, as its trace log shows them (with the blanks
    // of the address written "%20").
    std::vector<std::string> countsSent()
    {
        const std::string log = demo.harness().traceLog();
        const std::string mark = "AxQuery?XMLC_OutputFormat=XML&SQL=";
        std::vector<std::string> sent;
        for (size_t at = log.find(mark); at != std::string::npos; at = log.find(mark, at + 1)) {
            const size_t from = at + mark.size();
            std::string statement = log.substr(from, log.find("&idClient=", from) - from);
            for (size_t blank; (blank = statement.find("%20")) != std::string::npos;)
                statement.replace(blank, 3, " ");
            if (statement.rfind("select count(idClient)", 0) == 0)
                sent.push_back(statement);
        }
        return sent;
    }
    // The number of clients that match a condition, asked of the database directly.
    QString clientsWhere(const std::string& condition)
    {
        ClientSession session;
        TXml reply = session.fetch(endpoint::querySearch(
            demo.server().baseUrl(), "select count(*) as n from tClients where " + condition, 1));
        XmlFind(reply, "AXQuery");
        return QString::fromStdString(XmlText(reply, "n"));
    }
    std::vector<QString> resultNames()
    {
        std::vector<QString> names;
        for (int r = 0; r < w().ngSearch->rowCount(); ++r)
            names.push_back(w().ngSearch->cell(6, r));
        return names;
    }

    DemoWindow demo;
};

} // namespace

TEST_F(DuplicateCounts, TypingANameCountsItFourTicksAfterTheLastKey)
{
    demo.open({{"idClient", "2001"}});
    ASSERT_EQ(w().RecordKind, "_TCL");
    for (TextEdit* box : {w().DblNom, w().DblIdent, w().DblMobile, w().DblTelDom})
        EXPECT_TRUE(box->isHidden()) << box->objectName().toStdString();

    // A box never shown is never filled, although every change arms its count.
    retype(w().aCliMobile, "0600000000");
    EXPECT_EQ(w().DblKind, "Mobile");
    ticks(5);
    EXPECT_TRUE(countsSent().empty());
    EXPECT_EQ(w().DblMobile->text(), "??");

    // A double click shows the box and arms its count; clearing the name sends nothing.
    doubleClickAtPlaceOf(w().aCliNom);
    EXPECT_FALSE(w().DblNom->isHidden());
    retype(w().aCliNom, "");
    ticks(5);
    EXPECT_TRUE(countsSent().empty());
    EXPECT_EQ(w().DblNom->text(), "??");

    // Each key re-arms the count: it runs on the fourth tick after the last one, once.
    QTest::keyClicks(w().aCliNom, "dup");
    ticks(2);
    QTest::keyClicks(w().aCliNom, "ont");
    ticks(3);
    EXPECT_TRUE(countsSent().empty());
    ticks(1);
    ASSERT_EQ(countsSent().size(), 1u);
    EXPECT_EQ(countsSent()[0], "select count(idClient) as cpt from tClients group by CliNom having "
                               "(CliNom='DUPONT')");
    const QString dupont = clientsWhere("CliNom='DUPONT'");
    EXPECT_EQ(w().DblNom->text(), dupont);
    ticks(5);
    EXPECT_EQ(countsSent().size(), 1u);

    // A first-name change arms its own count, whose box is hidden: DblNom is not recounted.
    retype(w().aCliPrenom, "jean");
    ticks(5);
    EXPECT_EQ(countsSent().size(), 1u);
    doubleClickAtPlaceOf(w().aCliPrenom);
    ticks(4);
    ASSERT_EQ(countsSent().size(), 2u);
    EXPECT_EQ(countsSent()[1],
              "select count(idClient) as cpt from tClients group by CliNom, CliPrenom having "
              "(CliNom='DUPONT') and (CliPreNom='JEAN')");
    EXPECT_EQ(w().DblIdent->text(), clientsWhere("CliNom='DUPONT' and CliPrenom='JEAN'"));
    EXPECT_EQ(w().DblNom->text(), dupont);

    // Clearing the name again sends nothing, and the box keeps its number.
    retype(w().aCliNom, "");
    ticks(5);
    EXPECT_EQ(countsSent().size(), 2u);
    EXPECT_EQ(w().DblNom->text(), dupont);
}

TEST_F(DuplicateCounts, ABoxShownByADoubleClickStaysShownOnTheNextRecord)
{
    demo.open({{"idClient", "2001"}});
    doubleClickAtPlaceOf(w().aCliTelDom);
    ticks(4);
    EXPECT_EQ(w().DblTelDom->text(),
              clientsWhere("CliTelDom='" + toCp1252(w().aCliTelDom->text()) + "'"));
    demo.open({{"idClient", "2002"}});
    EXPECT_FALSE(w().DblTelDom->isHidden());
    EXPECT_TRUE(w().DblMobile->isHidden());
    EXPECT_TRUE(w().DblNom->isHidden());
}

TEST_F(DuplicateCounts, ANewClientWithAKnownNameShowsTheCountAndItsDuplicates)
{
    // The user was on a vehicle when the launcher asked for a new client.
    demo.open({{"idTVO", "1003"}});
    demo.open({{"idClient", "-1"}, {"idTVO", ""}});
    ASSERT_TRUE(w().FlagNewEnreg);
    for (TextEdit* box : {w().DblNom, w().DblIdent, w().DblMobile, w().DblTelDom})
        EXPECT_FALSE(box->isHidden()) << box->objectName().toStdString();

    retype(w().aCliNom, "martin");
    ticks(4);
    const QString martins = clientsWhere("CliNom='MARTIN'");
    EXPECT_EQ(w().DblNom->text(), martins);

    // A click on the box opens the search on the exact name.
    clickAtPlaceOf(w().DblNom);
    EXPECT_FALSE(w().Panel1->isHidden());
    EXPECT_EQ(w().LbSearch->text(), "recherche exacte :");
    EXPECT_EQ(w().ncbSearch->text(), "MARTIN");
    EXPECT_EQ(QString::number(w().ngSearch->rowCount()),
              clientsWhere("CliNom='MARTIN' and Concession='BRESMAN'"));
    for (const QString& name : resultNames())
        EXPECT_TRUE(name.startsWith("MARTIN ")) << name.toStdString();
    clickAtPlaceOf(w().JvXPBtnSearch);
    ASSERT_TRUE(w().Panel1->isHidden());

    // The name and first name box: both compared exactly.
    retype(w().aCliPrenom, "sylvie");
    ticks(4);
    const QString sylvies = clientsWhere("CliNom='MARTIN' and CliPrenom='SYLVIE'");
    EXPECT_EQ(w().DblIdent->text(), sylvies);
    clickAtPlaceOf(w().DblIdent);
    EXPECT_EQ(QString::number(w().ngSearch->rowCount()),
              clientsWhere("CliNom='MARTIN' and CliPrenom='SYLVIE' and Concession='BRESMAN'"));
    for (const QString& name : resultNames())
        EXPECT_EQ(name, "MARTIN Sylvie");
    clickAtPlaceOf(w().JvXPBtnSearch);

    // A part of the name counts nobody; with Ctrl the search looks for names containing it.
    retype(w().aCliNom, "marti");
    ticks(4);
    EXPECT_EQ(w().DblNom->text(), "");
    clickAtPlaceOf(w().DblNom);
    EXPECT_EQ(w().ngSearch->rowCount(), 0);
    clickAtPlaceOf(w().JvXPBtnSearch);
    ctrlClickAtPlaceOf(w().DblNom);
    EXPECT_EQ(w().LbSearch->text(), QString::fromUtf8("à rechercher :"));
    EXPECT_EQ(QString::number(w().ngSearch->rowCount()),
              clientsWhere("CliNom like '%25MARTI%25' and Concession='BRESMAN'"));
    for (const QString& name : resultNames())
        EXPECT_TRUE(name.contains("MARTI")) << name.toStdString();
}
