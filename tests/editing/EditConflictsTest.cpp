// Two users on one record: an update is sent only after the record has been read again, and a
// field the other user changed meanwhile is settled with this user before anything is overwritten.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include "server/Endpoints.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/editing/DemoEditing.h"
#include "ui/controls/AllKinds.h"

namespace {

class EditConflicts : public DemoEditing {
protected:
    void SetUp() override { openShown({{"idTVO", "1003"}, {"idClient", ""}}); }
    std::string vehicle(const char* column)
    {
        return vehicleValue(demo.server().baseUrl(), "5003", column);
    }
    // The other salesperson's save, straight to the server.
    void otherUserSets(const std::string& assignment)
    {
        ClientSession other;
        other.get(endpoint::update(demo.server().baseUrl(),
                                   "Update tVehicles set " + assignment + " where idVO=5003"));
        ASSERT_EQ(other.lastWarning(), "");
    }
    // A click in the field, everything selected, then the keys.
    void retype(ControlFace* control, const QString& text)
    {
        QWidget* target = control->widget();
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
        ASSERT_EQ(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        typeKeys(target, text);
    }
    Answered saveAnswering(int button)
    {
        QWidget* save = w().JvXPBtnSave;
        return answering(button, [&] {
            QTest::mouseClick(w().windowHandle(), Qt::LeftButton, {},
                              save->mapTo(&w(), save->rect().center()));
        });
    }
};

} // namespace

TEST_F(EditConflicts, EachAnswerOfTheBoxDoesWhatItSays)
{
    struct Case {
        int button;
        const char* price;   // in the database afterwards
        const char* comment; // in the database afterwards
        bool stillPending;
    };
    const Case cases[] = {
        {QMessageBox::Yes, "11111.00", "Vu par B", false},
        {QMessageBox::No, "22222.00", "Vu par B", false},
        {QMessageBox::Cancel, "22222.00", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        otherUserSets("Commentaires='', PrixVente=10000");
        openShown({{"idTVO", "1003"}, {"idClient", ""}});
        otherUserSets("PrixVente=22222");
        retype(w().cPrixVente, "11111.00");
        retype(w().cCommentaires, "Vu par B");
        const Answered seen = saveAnswering(c.button);
        ASSERT_EQ(seen.titles, QStringList{"Modifications concurrentes"});
        EXPECT_TRUE(seen.texts[0].contains(QString::fromStdString(
            "Prix vente : chargé « 10000.00 », sur le serveur « 22222.00 », saisi « 11111.00 »")))
            << seen.texts[0].toStdString();
        // The comment was empty when loaded and still is on the server: no conflict.
        EXPECT_FALSE(seen.texts[0].contains("Commentaires"));
        EXPECT_EQ(vehicle("PrixVente"), c.price);
        EXPECT_EQ(vehicle("Commentaires"), c.comment);
        EXPECT_EQ(w().JvXPBtnSave->isEnabled(), c.stillPending);
        if (c.button == QMessageBox::No) {
            EXPECT_EQ(w().cPrixVente->text(), "22222.00");
        }
    }
}

TEST_F(EditConflicts, WhatOnlyTheOtherUserChangedIsNeitherReportedNorOverwritten)
{
    otherUserSets("Chassis='VF1OTHER000000001'");
    retype(w().cPrixVente, "30500.00");
    const Answered seen = saveAnswering(QMessageBox::Cancel);
    EXPECT_TRUE(seen.titles.isEmpty());
    EXPECT_EQ(vehicle("PrixVente"), "30500.00");
    EXPECT_EQ(vehicle("Chassis"), "VF1OTHER000000001");
    EXPECT_FALSE(w().JvXPBtnSave->isEnabled());
}

TEST_F(EditConflicts, AComputedFieldNeverRaisesAConflict)
{
    // The other user's price changed the VAT the server holds; this user's price changes it too.
    otherUserSets("cTVA=999.99, MBrute=1.11");
    retype(w().cPrixVente, "31000.00");
    const Answered seen = saveAnswering(QMessageBox::Cancel);
    EXPECT_TRUE(seen.titles.isEmpty()) << seen.texts.join("|").toStdString();
    EXPECT_EQ(vehicle("PrixVente"), "31000.00");
}

TEST_F(EditConflicts, AFailedRereadStopsTheSaveAndKeepsTheEdits)
{
    retype(w().cPrixVente, "32000.00");
    const std::string before = vehicle("PrixVente");
    demo.server().stop();
    saveAnswering(QMessageBox::Cancel);
    EXPECT_NE(w().LbDebugInfo0->text(), "");
    EXPECT_TRUE(w().JvXPBtnSave->isEnabled());
    EXPECT_EQ(w().cPrixVente->text(), "32000.00");
}

TEST_F(EditConflicts, ACancelledConflictSendsNothingElseAndKeepsTheEdits)
{
    // A vehicle sold to private buyers at a site with a handling fee: a save adds the fee.
    openShown({{"idTVO", "1004"}, {"idClient", ""}});
    ClientSession other;
    other.get(endpoint::update(demo.server().baseUrl(),
                               "Update tVehicles set PrixVente=22222 where idVO=5004"));
    retype(w().cPrixVente, "11111.00");
    const Answered seen = saveAnswering(QMessageBox::Cancel);
    ASSERT_EQ(seen.titles, QStringList{"Modifications concurrentes"});
    EXPECT_EQ(query("Select count(*) as n from [tVO - Frevo] where idVO=5004 and "
                    "TypeFrevo='FIXE'",
                    "n"),
              "0");
    EXPECT_EQ(w().cPrixVente->text(), "11111.00");
    EXPECT_TRUE(w().JvXPBtnSave->isEnabled());
}
