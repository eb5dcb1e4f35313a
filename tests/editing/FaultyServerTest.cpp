// A server that fails in the ways real ones do: a statement applied whose answer is lost, a reply
// that never ends, a document that is not one. Nothing is inserted twice without the user's word,
// the window can always be closed, and nothing unreadable is kept or shown.
#include <atomic>
#include <functional>

#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include "app/Paths.h"
#include "server/TXml.h"
#include "tests/editing/DemoEditing.h"
#include "tests/support/ScriptedServer.h"
#include "ui/controls/AllKinds.h"
#include "ui/grid/DataGrid.h"

namespace {

// A record that does not name its key: no statement could name it.
const std::string kWithoutKey = "(fiche sans idVO)";

// The demo server behind a loopback server of the test: every request is passed on, and its reply
// may be changed on the way back.
class FaultyServer : public DemoEditing {
protected:
    FaultyServer()
    {
        front.setHandler([this](const SeenRequest& request) {
            ScriptedReply reply;
            RequestClient client(false);
            const HttpReply answer = client.get(demo.server().baseUrl() + request.target.substr(1));
            reply.status = answer.ok ? 200 : int(answer.status ? answer.status : 502);
            reply.body = answer.body;
            if (alter)
                alter(request, reply);
            return reply;
        });
    }
    void open(const char* idTVO)
    {
        openShown({{"BaseHRef", front.baseUrl()}, {"idTVO", idTVO}, {"idClient", ""}});
    }
    void typeInto(ControlFace* control, const QString& text)
    {
        control->setFocus();
        control->selectAll();
        typeKeys(control->widget(), text);
    }
    size_t inserts()
    {
        size_t count = 0;
        for (const SeenRequest& r : front.requests())
            count += r.target.rfind("/AxInsert?", 0) == 0;
        return count;
    }
    std::string rows() { return query("Select count(*) AS n from tVehicles where NVO=24777", "n"); }

    ScriptedServer front;
    std::function<void(const SeenRequest&, ScriptedReply&)> alter;
};

} // namespace

TEST_F(FaultyServer, AnInsertWhoseAnswerWasLostIsSentAgainOnlyWhenTheUserSaysSo)
{
    open("1003");
    std::atomic<bool> lost{false};
    alter = [&](const SeenRequest& request, ScriptedReply& reply) {
        if (request.target.rfind("/AxInsert?", 0) == 0 && !lost.exchange(true))
            reply.resetConnection = true; // applied, then the connection breaks
    };
    QTest::mouseClick(w().JvXPBtnNewVO, Qt::LeftButton);
    typeInto(w().cNVO, "24777");
    typeInto(w().cInfoMarque, "RENAULT");
    QTest::mouseClick(w().JvXPBtnSave, Qt::LeftButton);
    EXPECT_EQ(rows(), "1");
    EXPECT_TRUE(w().LbDebugInfo0->text().startsWith("Exception : "));
    ASSERT_TRUE(w().FlagNewEnreg); // still pending on screen

    struct Step {
        QMessageBox::StandardButton answer;
        size_t inserts;
        const char* rows;
    };
    for (const Step step : {Step{QMessageBox::Cancel, 1, "1"}, Step{QMessageBox::Yes, 1, "1"},
                            Step{QMessageBox::Retry, 2, "2"}}) {
        const Answered seen =
            answering(step.answer, [&] { QTest::mouseClick(w().JvXPBtnSave, Qt::LeftButton); });
        ASSERT_EQ(seen.titles.size(), 1);
        EXPECT_EQ(seen.titles[0], "Enregistrement incertain");
        QTest::qWait(50); // the check asked for runs once the save has ended
        EXPECT_EQ(inserts(), step.inserts);
        EXPECT_EQ(rows(), step.rows);
        if (step.answer == QMessageBox::Yes) {
            EXPECT_TRUE(w().Panel1->isVisible()); // the search on the stock number
            EXPECT_EQ(w().ncbSearch->text(), "24777");
            EXPECT_GE(w().ngSearch->rowCount(), 1);
        }
    }
}

TEST_F(FaultyServer, AReplyThatNeverEndsLetsTheWindowClose)
{
    open("1003");
    alter = [](const SeenRequest&, ScriptedReply& reply) { reply.delayMs = 7000; };
    // As the window manager asks when the title bar's cross is clicked.
    QTimer::singleShot(300, &w(),
                       [this] { QWindowSystemInterface::handleCloseEvent(w().windowHandle()); });
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(w().JvXPBtnActualize, Qt::LeftButton);
    EXPECT_LT(clock.elapsed(), 3000);
    QTest::qWait(50);
    EXPECT_FALSE(w().isVisible());
    EXPECT_EQ(w().LbIdTVO->text(), "1003");
}

TEST_F(FaultyServer, AStatementRunsToItsEndBeforeTheWindowCloses)
{
    open("1003");
    alter = [](const SeenRequest& request, ScriptedReply& reply) {
        if (request.target.rfind("/AxUpdate?", 0) == 0)
            reply.delayMs = 1500;
    };
    typeInto(w().cPrixVente, "15000.00");
    QTimer::singleShot(300, &w(), [this] { w().close(); });
    QTest::mouseClick(w().JvXPBtnSave, Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_FALSE(w().isVisible()); // saved, so nothing to ask
    EXPECT_EQ(query("Select PrixVente from tVehicles where idVO=5003", "PrixVente"), "15000.00");
}

TEST_F(FaultyServer, ARecordOrDocumentThatIsNotOneIsNeitherShownNorKept)
{
    open("1003");
    const QString chassis = w().cChassis->text();
    const std::string bad[] = {"<html><body>Erreur 500</body></html>", "",
                               "<document><tVO><Chassis>VF1", std::string("\x01\xff\xfe<\x02", 5),
                               kWithoutKey};
    for (const std::string& body : bad) {
        SCOPED_TRACE(body);
        alter = [&](const SeenRequest& request, ScriptedReply& reply) {
            if (request.target.find("AxInfo") == std::string::npos)
                return;
            if (body != kWithoutKey)
                reply.body = body;
            else if (const size_t from = reply.body.find("<idVO>"); from != std::string::npos)
                reply.body.erase(from, reply.body.find("</idVO>") + 7 - from);
        };
        open("1001");
        EXPECT_EQ(w().LbDebugInfo0->text(),
                  "Exception : réponse illisible du serveur pour AxInfoVO");
        EXPECT_EQ(w().LbIdTVO->text(), "1003");
        EXPECT_EQ(w().cChassis->text(), chassis);
        if (body == kWithoutKey)
            continue;

        // The structure: not cached, asked again at the next refresh.
        std::remove(demo.harness().replyFile("XmlStruct.xml").c_str());
        w().UpdateParams();
        EXPECT_FALSE(fileExists(demo.harness().replyFile("XmlStruct.xml")));
        EXPECT_TRUE(
            w().LbDebugInfo0->text().startsWith("Exception : réponse illisible du serveur"));
    }
    alter = nullptr;
    w().UpdateParams();
    EXPECT_TRUE(fileExists(demo.harness().replyFile("XmlStruct.xml")));
    open("1001");
    EXPECT_EQ(w().LbIdTVO->text(), "1001");
    EXPECT_EQ(w().LbDebugInfo0->text(), "");
}

TEST_F(FaultyServer, AnUpdateThatChangedNoRowIsAFailedSave)
{
    open("1003");
    alter = [](const SeenRequest& request, ScriptedReply& reply) {
        if (request.target.rfind("/AxUpdate?", 0) == 0)
            reply.body = replaceAll(reply.body, "<RowsAffected>1<", "<RowsAffected>0<");
    };
    typeInto(w().cPrixVente, "15000.00");
    QTest::mouseClick(w().JvXPBtnSave, Qt::LeftButton);
    EXPECT_EQ(w().LbDebugInfo0->text(), "Exception : aucune ligne modifiée sur le serveur (la "
                                        "fiche a peut-être été supprimée)");
    EXPECT_TRUE(w().JvXPBtnSave->isEnabled()); // the edit is still pending
    EXPECT_EQ(w().cPrixVente->text(), "15000.00");
}
