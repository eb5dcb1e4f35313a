// What SaveChanges checks and sends, seen by a scripted loopback server.
#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QTabWidget>

#include "app/Paths.h"
#include "editing/SaveRules.h"
#include "editing/Statements.h"
#include "tests/editing/EditingWindow.h"
#include "tests/support/ScriptedServer.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/DatePicker.h"
#include "ui/controls/MemoEdit.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/PictureButton.h"
#include "ui/controls/TextEdit.h"
#include "ui/grid/DataGrid.h"

namespace {

class SaveChecks : public EditingWindow {
protected:
    SaveChecks()
    {
        server.script({{200, "<AXSQL></AXSQL>"}});
        usedVehicle(server.baseUrl());
        chassis = bind(1, w().cChassis, "Chassis", 2, "A");
        w().cChassis->setText("B");
    }
    size_t sent() { return server.requests().size(); }
    // A client record shown on a page.
    TAxKelvaro& clientOn(int page)
    {
        w().JvXPBtnNewVO->setText("CL");
        w().Tabs->setCurrentIndex(page);
        return w();
    }
    // A pick list holding one entry, chosen.
    static void choose(ComboBox* box, const QString& entry)
    {
        box->setItems({entry});
        box->setText(entry);
    }
    std::string target(size_t i) { return server.requests().at(i).target; }
    QString warning() { return w().LbDebugInfo0->text(); }
    void pendingCostLines(int count)
    {
        w().FrevoRows.assign(size_t(count) + 1, TsLine());
        for (int e = 1; e <= count; ++e) {
            w().FrevoRows[size_t(e)].Statement =
                "Update [tVO - Frevo] set Montant=" + std::to_string(e) + " where (idFrevo=1)";
            for (TsDesc& cell : w().FrevoRows[size_t(e)].Cells)
                cell.Value = "v";
            TsDesc& key = w().FrevoRows[size_t(e)].Cells[1];
            key.FieldName = "idFrevo";
            key.Value = key.OrgValue = "1";
        }
    }

    ScriptedServer server;
    int chassis = 0;
    // The record read again as loaded, with its cost line 1, then a line and the page taken.
    const ScriptedReply reread = {
        200, "<AXS><User><Name_>Test</Name_></User><tVO><idVO>5001</idVO><Chassis>A</Chassis></tVO>"
             "<FrevoS><Frevo><idFrevo>1</idFrevo></Frevo></FrevoS></AXS>"};
    const std::vector<ScriptedReply> withReread = {
        reread, {200, "<AXSQL></AXSQL>"}, {200, "<AXSQL></AXSQL>"}};
};

} // namespace

TEST_F(SaveChecks, AMissingRequiredValueFocusesItsControlAndSendsNothing)
{
    struct Case {
        const char* what;
        std::function<void(TAxKelvaro&)> spoil;
        ControlFace* (*focused)(TAxKelvaro&);
    };
    const Case cases[] = {
        {"stock number 0", [](TAxKelvaro& w) { w.cNVO->setText("0"); },
         [](TAxKelvaro& w) -> ControlFace* { return w.cNVO; }},
        {"no site", [](TAxKelvaro& w) { w.cSite->setText(""); },
         [](TAxKelvaro& w) -> ControlFace* { return w.cSite; }},
        {"no make", [](TAxKelvaro& w) { w.cInfoMarque->setText(""); },
         [](TAxKelvaro& w) -> ControlFace* { return w.cInfoMarque; }},
        {"ordered without destination", [](TAxKelvaro& w) { w.cDateOrdre->setText("02/06/2026"); },
         [](TAxKelvaro& w) -> ControlFace* { return w.cDestination; }},
        {"registered after its entry",
         [](TAxKelvaro& w) {
             w.cDateEntree->setText("01/03/2026");
             w.cMEC->setText("02/03/2026");
         },
         [](TAxKelvaro& w) -> ControlFace* { return w.cMEC; }},
    };
    for (const Case& c : cases) {
        for (bool newRecord : {false, true}) {
            w().Tabs->setFocus();
            TAxKelvaro& window = w();
            window.FlagNewEnreg = newRecord;
            c.spoil(window);
            // An existing record stops its caller; a new one lets it go on.
            EXPECT_EQ(window.SaveChanges(), newRecord) << c.what;
            EXPECT_TRUE(c.focused(window)->hasFocus()) << c.what;
            EXPECT_EQ(sent(), 0u) << c.what;
            EXPECT_NE(window.TabDesc[1].Statement, "") << c.what;
        }
        TAxKelvaro& window = w();
        window.cNVO->setText("1");
        window.cSite->setText("CHARTRES");
        window.cInfoMarque->setText("VOLKSWAGEN");
        window.cDateOrdre->setText("");
        window.cDateEntree->setText("");
        window.cMEC->setText("");
    }
}

TEST_F(SaveChecks, ANewVehicleNeedsItsModelAndVersionType)
{
    TAxKelvaro& window = w();
    window.JvXPBtnNewVO->setText("VN");
    window.Tabs->setCurrentIndex(2);
    window.cVNNVO->setText("7");
    choose(window.cVNSite, "DREUX");
    choose(window.cVNInfoMarque, "VW");
    EXPECT_FALSE(window.SaveChanges());
    EXPECT_TRUE(window.cVNInfoModele->hasFocus());
    choose(window.cVNInfoModele, "GOLF");
    EXPECT_FALSE(window.SaveChanges());
    EXPECT_TRUE(window.cVNInfoTypeVersion->hasFocus());
    EXPECT_EQ(sent(), 0u);
}

TEST_F(SaveChecks, AnUpdateWithoutAKeyIsNeverSentWhateverElseSucceeds)
{
    // A page whose first field has a control: it has no key field.
    w().TabDesc[1].Fields.clear();
    TsDesc stock;
    stock.FieldName = "NVO";
    stock.Control = w().cNVO;
    w().TabDesc[1].Fields.push_back(stock);
    bind(1, w().cChassis, "Chassis", 2, "A");
    w().cChassis->setText("C");
    ASSERT_TRUE(isUnkeyedUpdate(w().TabDesc[1].Statement)) << w().TabDesc[1].Statement;
    pendingCostLines(1);
    server.script(withReread);
    EXPECT_FALSE(w().SaveChanges());
    ASSERT_EQ(sent(), 2u);
    EXPECT_NE(target(1).find("[tVO%20-%20Frevo]"), std::string::npos);
    EXPECT_EQ(warning(), unkeyedPageWarning(w().Tabs->tabText(0)));
    EXPECT_TRUE(w().PanelWarning->isVisible());
    EXPECT_NE(w().TabDesc[1].Statement, "");
    EXPECT_TRUE(w().JvXPBtnSave->isEnabled());
}

TEST_F(SaveChecks, OneCostLineIsSentFirstAndCaughtUpWhenTaken)
{
    pendingCostLines(2);
    server.script(withReread);
    EXPECT_TRUE(w().SaveChanges());
    // The record read again once before the updates, the line, the page.
    ASSERT_EQ(sent(), 3u);
    EXPECT_NE(target(0).find("/AxInfoVO?"), std::string::npos);
    EXPECT_NE(target(1).find("/AxUpdate?XMLC_OutputFormat=XML&SQLExecute=Update%20[tVO%20-%20"
                             "Frevo]%20set%20Montant=1%20"),
              std::string::npos);
    EXPECT_NE(target(2).find("SQLExecute=Update%20tVehicles%20set%20Chassis='B'"),
              std::string::npos);
    EXPECT_TRUE(fileExists(harness.replyFile("XmlAXSQLFrevo.xml")));
    const TsLine& line = w().FrevoRows[1];
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(line.Cells[k].OrgValue, k == 1 ? "1" : k <= 8 ? "v" : "") << k;
    EXPECT_EQ(w().FrevoRows[2].Cells[2].OrgValue, "");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SaveChecks, TheCursorOfACallerIsKeptUnlessTheSaveFails)
{
    pendingCostLines(1);
    server.script(withReread);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    EXPECT_TRUE(w().SaveChanges());
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    server.script({{500, "panne"}});
    w().cChassis->setText("C");
    EXPECT_FALSE(w().SaveChanges());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SaveChecks, AnInsertWithoutItsKeyMakesTheWindowReadOnly)
{
    w().FlagNewEnreg = true;
    w().LbIdTVO->setText("-1");
    w().TestPageUpdate(1);
    ASSERT_EQ(w().TabDesc[1].Statement.rfind("Insert into tVehicles", 0), 0u);
    EXPECT_TRUE(w().SaveChanges());
    ASSERT_EQ(sent(), 1u); // no reload under an empty key
    EXPECT_NE(target(0).find("/AxInsert?"), std::string::npos);
    EXPECT_TRUE(w().FlagKeyLost);
    EXPECT_EQ(warning(), keyLostWarning());
    EXPECT_EQ(w().LbIdTVO->text(), "-1");
    EXPECT_FALSE(w().JvXPBtnSave->isEnabled());
    w().cChassis->setText("D");
    EXPECT_EQ(field(1, chassis).Value, "B");
    w().TabDesc[1].Statement = "Update tVehicles set Chassis='D' where (idVO=5001)";
    EXPECT_TRUE(w().SaveChanges());
    EXPECT_EQ(sent(), 1u);
}

TEST_F(SaveChecks, TheClientPageNeedsItsSiteSalesmanNameAndANewActionItsDates)
{
    TAxKelvaro& window = clientOn(6);
    window.aCliNom->setText("");
    EXPECT_FALSE(window.SaveChanges());
    EXPECT_TRUE(window.aSite->hasFocus());
    choose(window.aSite, "DREUX");
    choose(window.aidCom, "MARTIN");
    EXPECT_FALSE(window.SaveChanges());
    EXPECT_TRUE(window.aCliNom->hasFocus());
    window.aCliNom->setText("DUPONT");
    window.FlagNewAction = true;
    window.ngAction->setRowCount(1);
    window.ngAction->setCell(2, 0, "01/06/2026");
    window.ngAction->setCell(7, 0, "");
    EXPECT_FALSE(window.SaveChanges());
    EXPECT_EQ(window.ngAction->selectedColumn(), 7);
    EXPECT_EQ(window.ngAction->selectedRow(), 0);
    EXPECT_EQ(sent(), 0u);
}

TEST_F(SaveChecks, AClientVehicleNeedsASavedClientAndItsMakeAndModel)
{
    TAxKelvaro& window = clientOn(7);
    window.ngVehicles->setRowCount(1);
    window.FlagNewVehicle = true;
    window.LbIDCustomer->setText("-1");
    EXPECT_TRUE(window.SaveChanges()); // the result is the new vehicle flag
    window.LbIDCustomer->setText("2001");
    window.FlagNewVehicle = false;
    EXPECT_FALSE(window.SaveChanges());
    EXPECT_TRUE(window.vInfoMarque->hasFocus());
    EXPECT_EQ(sent(), 0u);
}

TEST_F(SaveChecks, AnActionLineWithAMissingValueIsNotSentUnlessItIsDeleted)
{
    TAxKelvaro& window = clientOn(3);
    window.ngAction->setRowCount(2);
    window.ActionRows.assign(3, TsLine());
    TsLine& line = window.ActionRows[2];
    line.Statement = "Update tActions set Commentaire='x' where (idAction=3)";
    line.MissingCol = 4;
    EXPECT_FALSE(window.SaveChanges());
    EXPECT_EQ(window.ngAction->selectedColumn(), 4);
    EXPECT_EQ(window.ngAction->selectedRow(), 1);
    EXPECT_EQ(sent(), 0u);

    line.Statement = "delete * From tActions where idAction=3";
    line.Cells[1].FieldName = "idAction";
    line.Cells[1].Value = line.Cells[1].OrgValue = "3";
    line.Cells[2].Value = "01/06/2026";
    line.Cells[6].Value = "Rappeler";
    server.script({{200, "<AXS><User/><tVO><idVO>5001</idVO></tVO><TActS><TAct><idAction>3"
                         "</idAction></TAct></TActS></AXS>"},
                   {200, "<AXSQL></AXSQL>"}});
    EXPECT_TRUE(window.SaveChanges());
    ASSERT_EQ(sent(), 2u);
    EXPECT_NE(target(1).find("SQLExecute=delete%20*%20From%20tActions"), std::string::npos);
    EXPECT_EQ(window.GetTagRegistry("sAct2"), "01/06/2026");
    EXPECT_EQ(window.GetTagRegistry("sAct6"), "");
    EXPECT_EQ(line.Cells[6].OrgValue, "Rappeler");
}
