// The typical edit from the first keystroke to the row in the server's database: the real window
// loads records of the real demo server, the user types, leaves fields and pages, and saves.
#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "tests/editing/EditingWindow.h"
#include "tests/view/DemoWindow.h"
#include "ui/controls/AllKinds.h"
#include "ui/controls/PageControl.h"
#include "view/CaseText.h"

namespace {

class TypicalEdit : public testing::Test {
protected:
    explicit TypicalEdit(const WindowHarness::Options& options = {})
        : demo(options, data.file("demo"))
    {}
    ~TypicalEdit() override { w().IdHTTP1->closeConnection(); }

    TAxKelvaro& w() { return demo.window(); }
    void open(const WindowHarness::Options& keys)
    {
        demo.open(keys);
        w().show();
        w().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    }
    // Replaces the text of an edit as the user does: select it all, then type.
    void retype(ControlFace* control, const QString& text)
    {
        control->setFocus();
        control->selectAll();
        typeKeys(control->widget(), text);
    }
    void clickSave() { QTest::mouseClick(w().JvXPBtnSave, Qt::LeftButton); }
    std::string vehicle(const char* column)
    {
        return vehicleValue(demo.server().baseUrl(), "5003", column);
    }
    std::vector<std::string> updatesSent() { return updatesIn(demo.harness().traceLog()); }

    TempFolder data;
    DemoWindow demo;
};

class OtherSiteUser : public TypicalEdit {
protected:
    OtherSiteUser()
        : TypicalEdit({{"idUser", "1000002"}, {"UserSite", "CHARTRES"}})
    {}
};

} // namespace

TEST_F(TypicalEdit, ThePriceAndACommentOfAUsedVehicleAreSaved)
{
    open({{"idTVO", "1003"}}); // no destination, so no fixed fee
    ASSERT_EQ(w().RecordKind, "_TVO");
    ASSERT_EQ(w().LbDebugInfo0->text(), "");
    ASSERT_FALSE(w().JvXPBtnSave->isEnabled());
    retype(w().cPrixVente, "34500.50");
    // Every character a query could misread.
    const QString comment = "Peinture d'origine & vernis 100% + \"mat\" <2 ans>";
    retype(w().cCommentaires, comment);
    EXPECT_TRUE(w().JvXPBtnSave->isEnabled());
    EXPECT_FALSE(w().JvXPBtnNewVO->isEnabled());
    clickSave();
    EXPECT_EQ(w().LbDebugInfo0->text(), "");
    EXPECT_EQ(vehicle("PrixVente"), "34500.50");
    EXPECT_EQ(vehicle("Commentaires"), comment.toStdString());
    EXPECT_FALSE(w().JvXPBtnSave->isEnabled());
    EXPECT_TRUE(w().JvXPBtnNewVO->isEnabled());
}

TEST_F(TypicalEdit, LeavingAPageSavesItsChangesFirst)
{
    open({{"idTVO", "1003"}});
    retype(w().cChassis, "VF1AB000012345678");
    static_cast<PageControl*>(w().Tabs)->selectPageByUser(3);
    EXPECT_EQ(w().Tabs->currentIndex(), 3);
    EXPECT_EQ(vehicle("Chassis"), "VF1AB000012345678");
    EXPECT_FALSE(w().JvXPBtnSave->isEnabled());
}

TEST_F(TypicalEdit, AMissingStockNumberFocusesItsFieldAndSendsNothing)
{
    open({{"idTVO", "1003"}});
    const std::string before = vehicle("PrixVente");
    retype(w().cPrixVente, "1.00");
    retype(w().cNVO, "0");
    w().cChassis->setFocus();
    clickSave();
    EXPECT_TRUE(w().cNVO->hasFocus());
    EXPECT_TRUE(updatesSent().empty());
    EXPECT_TRUE(w().JvXPBtnSave->isEnabled());
    EXPECT_EQ(vehicle("PrixVente"), before);
}

TEST_F(TypicalEdit, ANewClientIsInsertedAndReloadedUnderItsNewKey)
{
    // The user was on a vehicle when the launcher asked for a new client: the new client's page
    // takes the user's rights from the last record document.
    open({{"idTVO", "1003"}});
    open({{"idClient", "-1"}, {"idTVO", ""}});
    ASSERT_TRUE(w().FlagNewEnreg);
    ASSERT_EQ(w().Tabs->currentIndex(), 6);
    // The site, then the salesperson, picked from their lists with the keyboard.
    auto pick = [](ComboBox* box) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        ASSERT_FALSE(box->text().isEmpty()) << box->name().toStdString();
    };
    pick(w().aSite);
    // Choosing a site fills its salesperson list; that cascade comes with its own feature, so the
    // test fills the list as it will.
    w().RecordSite = upperCp1252(toCp1252(w().aSite->text()));
    w().LoadInfoNxComboBox("InfoCom", *w().aidCom);
    pick(w().aidCom);
    retype(w().aCliNom, "durand");
    retype(w().aCliPrenom, "paul");
    clickSave();
    EXPECT_EQ(w().LbDebugInfo0->text(), "");
    const std::string key = toCp1252(w().LbIDCustomer->text());
    ASSERT_GT(std::atoi(key.c_str()), 2000) << key;
    EXPECT_FALSE(w().FlagNewEnreg);
    EXPECT_EQ(w().aCliNom->text(), "DURAND"); // shown again from the reloaded record
    EXPECT_FALSE(w().JvXPBtnSave->isEnabled());
    EXPECT_EQ(databaseValue(demo.server().baseUrl(),
                            "Select CliPrenom from tClients where idClient=" + key, "CliPrenom"),
              "PAUL");
}

TEST_F(TypicalEdit, ARecordDeliveredBeforeTheLockDateRefusesKeys)
{
    open({{"idTVO", "1005"}});
    // Every field of a locked record is greyed; the warning says why as soon as it is shown.
    EXPECT_TRUE(w().PanelWarning->isVisible());
    EXPECT_FALSE(w().cChassis->isEnabled());
    const QString chassis = w().cChassis->text();
    w().cChassis->setFocus();
    QTest::keyClicks(w().cChassis, "X");
    EXPECT_EQ(w().cChassis->text(), chassis);
    // The delivery lock takes the site rights away too, so the warning names no date.
    EXPECT_EQ(w().LbDebugInfo0->text(), "Enregistrement verrouillé");
    EXPECT_FALSE(w().JvXPBtnSave->isEnabled());
}

TEST_F(OtherSiteUser, AVehicleOfAnotherSiteRefusesKeys)
{
    open({{"idTVO", "1002"}}); // at DREUX
    const QString chassis = w().cChassis->text();
    w().cChassis->setFocus();
    QTest::keyClicks(w().cChassis, "X");
    EXPECT_EQ(w().cChassis->text(), chassis);
    EXPECT_EQ(w().LbDebugInfo0->text(), "Enregistrement verrouillé");
}

TEST_F(TypicalEdit, ADateOutOfItsLimitsShowsTheMessageAndTheLoadedDateComesBack)
{
    open({{"idTVO", "1003"}});
    const QString loaded = w().cDateEntree->text();
    ASSERT_NE(w().LimitDateEnd, 0);
    const QString after = QString::fromStdString(formatDate(w().LimitDateEnd + 1));
    w().cDateEntree->setFocus();
    w().cDateEntree->setText(after);
    const MessageBoxSeen seen = closingMessageBoxes([&] { w().cChassis->setFocus(); });
    const TsDesc* field = nullptr;
    for (const TsDesc& d : w().TabDesc[1].Fields)
        if (d.FieldName == "DateEntree")
            field = &d;
    ASSERT_NE(field, nullptr);
    QString name = fromCp1252(field->Caption).remove(':');
    if (name.isEmpty())
        name = "DateEntree";
    EXPECT_EQ(seen.title, "Contrôle de la date saisie");
    EXPECT_EQ(seen.text, "La valeur du champ \"" + name + "\" doit être comprise entre le \"" +
                             QString::fromStdString(formatDate(w().LimitDateStart)) +
                             "\" et le \"" + QString::fromStdString(formatDate(w().LimitDateEnd)) +
                             "\"");
    EXPECT_EQ(w().cDateEntree->text(), loaded);
    EXPECT_EQ(fromCp1252(field->Value), loaded);
    EXPECT_EQ(w().focusWidget(), w().cDateEntree);
}

TEST_F(TypicalEdit, NothingIsLostWhileTheServerIsDown)
{
    open({{"idTVO", "1003"}});
    retype(w().cPrixVente, "29999.00");
    const std::string pending = w().TabDesc[1].Statement;
    const int port = demo.server().port();
    w().IdHTTP1->closeConnection();
    demo.server().stop();
    clickSave();
    EXPECT_TRUE(w().LbDebugInfo0->text().startsWith("Exception : "));
    EXPECT_EQ(w().TabDesc[1].Statement, pending);
    EXPECT_EQ(w().cPrixVente->text(), "29999.00");
    EXPECT_TRUE(w().JvXPBtnSave->isEnabled());

    // Leaving the page saves first; a failed save keeps the user on it.
    static_cast<PageControl*>(w().Tabs)->selectPageByUser(3);
    EXPECT_EQ(w().Tabs->currentIndex(), 0);

    DemoServerProcess again(data.file("demo"), port);
    static_cast<PageControl*>(w().Tabs)->selectPageByUser(3);
    EXPECT_EQ(w().Tabs->currentIndex(), 3);
    EXPECT_EQ(w().LbDebugInfo0->text(), "");
    EXPECT_EQ(vehicle("PrixVente"), "29999.00");
    EXPECT_FALSE(w().JvXPBtnSave->isEnabled());
    // While the record could not be read again nothing was sent; then the same statement once.
    const std::vector<std::string> sent = updatesSent();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_NE(sent[0].find("PrixVente=29999"), std::string::npos) << sent[0];
    w().IdHTTP1->closeConnection();
}

// The sample records' stored amounts and dates agree with the computations: showing them leaves
// nothing to save.
TEST_F(TypicalEdit, ComputedFieldsOfTheSampleRecordsAreAlreadyUpToDate)
{
    for (const char* record : {"1001", "1201"}) {
        SCOPED_TRACE(record);
        open({{"idTVO", record}});
        EXPECT_FALSE(w().JvXPBtnSave->isEnabled());
        for (const TsPage& page : w().TabDesc)
            EXPECT_EQ(page.Statement, "");
    }
    EXPECT_EQ(w().cVNSolde->text(), "-2650.00");
}
