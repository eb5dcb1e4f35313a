// The print and margin-sheet buttons, the test SMS, the reservation banner and the accounting
// panel, clicked where the user sees them in the real window against the demo server. Reports
// reach a recording xdg-open; the address it received is then fetched and its first page read.
#include <filesystem>

#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

#include "app/Cp1252.h"
#include "app/IniFile.h"
#include "demo-server/Sqlite.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/documents/ReportOpener.h"
#include "tests/editing/DemoEditing.h"
#include "ui/controls/AllKinds.h"

namespace fs = std::filesystem;

namespace {

class Documents : public DemoEditing {
protected:
    void open(const char* idTVO, const char* idTypeVO = "1", const char* idClient = "")
    {
        openShown({{"idTVO", idTVO}, {"idClient", idClient}, {"idTypeVO", idTypeVO}});
    }
    void clickTab(int index)
    {
        auto* bar = w().Tabs->findChild<QTabBar*>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    // A click where the user sees the control, Ctrl held or not.
    void clickAtPlaceOf(QWidget* control, bool ctrl = false)
    {
        QWindow* handle = w().windowHandle();
        const QPoint place = control->mapTo(&w(), control->rect().center());
        if (ctrl)
            QTest::keyPress(handle, Qt::Key_Control, Qt::ControlModifier);
        QTest::mouseClick(handle, Qt::LeftButton, ctrl ? Qt::ControlModifier : Qt::NoModifier,
                          place);
        if (ctrl)
            QTest::keyRelease(handle, Qt::Key_Control, Qt::NoModifier);
    }
    void deploy(const char* key, const std::string& value)
    {
        iniWrite(demo.harness().settingsPath(), "Deployment", key, value);
    }
    std::string base() { return demo.server().baseUrl(); }

    RecordingOpener opener;
};

TEST_F(Documents, ReportsOpenAtTheirAddressAsPdfSheetsOfTheRecord)
{
    const struct {
        const char* idTVO;
        const char* idClient;
        const char* idTypeVO;
        bool margin;
        bool ctrl;
        const char* query; // after the base address
        const char* number;
        const char* name;
    } cases[] = {
        {"1001", "", "1", false, false, "rptSelect=idVO=5001&rptName=VO%20-%20Fiche%20Commerciale",
         "24001", "VW GOLF"},
        {"1001", "", "1", false, true, "rptSelect=idVO=5001&rptName=VO%20-%20Fiche%20Commerciale",
         "24001", "VW GOLF"},
        {"1001", "", "1", true, false, "rptSelect=idVO=5001&rptName=VO%20-%20Feuille%20de%20Marge",
         "24001", "VW GOLF"},
        {"1101", "", "3", false, false, "rptSelect=idVO=5101&rptName=VD%20-%20Fiche%20Commerciale",
         "25001", "VW T-ROC"},
        {"1101", "", "3", false, true, "rptSelect=idVO=5101&rptName=VD%20-%20Fiche%20Commerciale2",
         "25001", "VW T-ROC"},
        {"", "2001", "1", false, false, "rptSelect=idClient=2001&rptName=Fiche%20Ostrel", "2001",
         "DUPONT Jean"},
    };
    ClientSession session;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query + std::string(c.ctrl ? " Ctrl" : ""));
        open(c.idTVO, c.idTypeVO, c.idClient);
        opener.forget();
        if (c.margin) {
            clickTab(0);
            clickAtPlaceOf(w().czFeuilleMarge);
        } else {
            clickAtPlaceOf(w().JvXPBtnPrint, c.ctrl);
        }
        const auto opened = opener.addresses(1);
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0], base() + "ReportPDF?" + c.query);
        EXPECT_FALSE(w().PanelWarning->isVisible());

        const HttpReply pdf = session.download(opened[0]);
        ASSERT_TRUE(pdf.ok) << pdf.error;
        const std::string text = firstPageText(pdf.body, data.path());
        EXPECT_NE(text.find(c.number), std::string::npos) << text;
        EXPECT_NE(text.find(c.name), std::string::npos) << text;
    }
}

TEST_F(Documents, PendingChangesAreSavedBeforeTheReportAndAFailedSaveOpensNone)
{
    open("1003");
    QTest::mouseClick(w().cPrixVente, Qt::LeftButton);
    QTest::keyClick(w().cPrixVente, Qt::Key_A, Qt::ControlModifier);
    typeKeys(w().cPrixVente, "14990.00");
    clickAtPlaceOf(w().JvXPBtnPrint);
    EXPECT_EQ(query("Select PrixVente from tVehicles where idVO=5003", "PrixVente"), "14990.00");
    EXPECT_EQ(opener.addresses(1).size(), 1u);

    opener.forget();
    QTest::mouseClick(w().cPrixVente, Qt::LeftButton);
    QTest::keyClick(w().cPrixVente, Qt::Key_A, Qt::ControlModifier);
    typeKeys(w().cPrixVente, "15990.00");
    w().IdHTTP1->closeConnection();
    demo.server().stop();
    clickAtPlaceOf(w().JvXPBtnPrint);
    EXPECT_TRUE(w().JvXPBtnSave->isEnabled());
    WindowHarness::processEventsFor(800);
    EXPECT_TRUE(opener.addresses(0).empty());
}

TEST_F(Documents, WithoutAnOpenerTheWarningLineSaysSo)
{
    open("1001");
    opener.removeFromPath();
    clickAtPlaceOf(w().JvXPBtnPrint);
    const QString warning = "Aucun navigateur n'est configuré pour ouvrir le document.";
    EXPECT_EQ(w().LbDebugInfo0->text(), warning);
    EXPECT_TRUE(w().PanelWarning->isVisible());
    EXPECT_NE(demo.harness().traceLog().find(warning.toStdString()), std::string::npos);
    EXPECT_FALSE(w().JvXPBtnSave->isEnabled());
}

TEST_F(Documents, TheTestSmsReachesTheGatewayInUtf8)
{
    deploy("SmsGateway", "127.0.0.1:" + std::to_string(demo.server().port()));
    deploy("SmsRecipient", "+33612345678");
    deploy("DebugUserId", "1000001");
    open("", "1", "2001");
    clickTab(6);
    ASSERT_TRUE(w().JvXPBtnSMS->isVisible());
    clickAtPlaceOf(w().JvXPBtnSMS);
    EXPECT_EQ(w().LbDebugInfo0->text(), "");
    EXPECT_FALSE(w().PanelWarning->isVisible());

    SqliteHandle db = openDatabase((fs::path(data.file("demo")) / "kelvaro-demo.sqlite").string());
    Statement sent(db.get(), "SELECT destinataire, texte FROM tSmsMessages ORDER BY rowid DESC");
    ASSERT_TRUE(sent.step());
    EXPECT_EQ(sent.text(0).value_or(""), "+33612345678");
    EXPECT_EQ(sent.text(1).value_or(""),
              "de Bresman " + utf8(toCp1252(w().aSite->text())) +
                  ",\r\n\r\npour un test d'envoi \xC3\xA0 M. DUPONT Jean");

    // A gateway that cannot be reached: the transfer error stays on the warning line.
    deploy("SmsGateway", "127.0.0.1:1");
    clickAtPlaceOf(w().JvXPBtnSMS);
    EXPECT_EQ(w().LbDebugInfo0->text(), " - Erreur de transfert sur le serveur ");
    EXPECT_TRUE(w().PanelWarning->isVisible());
}

TEST_F(Documents, TheReservationBannerFollowsTheRecord)
{
    const struct {
        const char* idTVO;
        const char* first; // empty: the banner is hidden
        const char* fourth;
    } cases[] = {
        {"1201", "Réservation jusqu'au 31/12/2026 inclus.",
         "Livraison le 15/12, plaques commandées"},
        {"1203", "", ""}, // no reservation
        {"1217", "Réservation jusqu'au 31/12/2026 inclus.", "Reprise à expertiser"},
        {"1243", "", ""},                                        // another dealership: no data
        {"1202", "Réservation jusqu'au 30/12/2026 inclus.", ""}, // empty comment
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.idTVO);
        open(c.idTVO);
        clickTab(2);
        const bool reserved = *c.first != '\0';
        for (QWidget* label : {w().LbResa1, w().LbResa2, w().LbResa3, w().LbResa4})
            EXPECT_EQ(label->isHidden(), !reserved);
        if (reserved) {
            EXPECT_EQ(w().LbResa1->text(), QString::fromUtf8(c.first));
            EXPECT_EQ(w().LbResa4->text(), QString::fromUtf8(c.fourth));
        }
    }
    EXPECT_EQ(w().LbResa2->text(), "Vendeur : MOREAU Anne");
    EXPECT_EQ(w().LbResa3->text(), "Acheteur : ROBERT Isabelle");
}

TEST_F(Documents, TheAccountingPanelFoldsAndUnfolds)
{
    open("1201");
    clickTab(2);
    ASSERT_TRUE(w().PanelCompta->isVisible());
    const QRect unfolded = w().PanelCompta->geometry();
    clickAtPlaceOf(w().LbPanelCompta);
    EXPECT_EQ(w().PanelCompta->geometry(),
              QRect(unfolded.x(), unfolded.y() + 191, unfolded.width(), 25));
    EXPECT_TRUE(w().LbPanelCompta->isVisible());
    clickAtPlaceOf(w().LbPanelCompta);
    EXPECT_EQ(w().PanelCompta->geometry(), unfolded);
}

} // namespace
