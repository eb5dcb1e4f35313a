// Leaving a field the way a person does (Tab, a click on a tab, on the save button, Ctrl+Tab)
// records what was typed and runs its exit checks before anything acts on the record; and every
// record shown starts clean of the one before.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "server/Endpoints.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/editing/DemoEditing.h"
#include "ui/Colors.h"
#include "ui/controls/AllKinds.h"
#include "ui/controls/PageControl.h"
#include "ui/grid/DataGrid.h"

namespace {

class LeavingFields : public DemoEditing {
protected:
    void open(const char* idTVO) { openShown({{"idTVO", idTVO}, {"idClient", ""}}); }
    std::string vehicle(const char* column, const char* idVO = "5003")
    {
        return query(std::string("Select ") + column + " from tVehicles where idVO=" + idVO,
                     column);
    }
    // A click in the field, everything selected, then the keys.
    void typeInto(ControlFace* control, const QString& text)
    {
        QWidget* target = control->widget();
        if (auto* combo = qobject_cast<QComboBox*>(target))
            target = combo->lineEdit();
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
        ASSERT_EQ(w().focusWidget(), control->widget()) << control->name().toStdString();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        typeKeys(QApplication::focusWidget(), text);
    }
    void clickTab(int index)
    {
        auto* bar = w().Tabs->findChild<QTabBar*>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    void clickSave() { QTest::mouseClick(w().JvXPBtnSave, Qt::LeftButton); }
    size_t updatesSent() { return updatesIn(demo.harness().traceLog()).size(); }
};

enum class Leave { TabKey, ClickTab, ClickSave, CtrlTab };

struct LeaveCase {
    const char* name;
    const char* control;
    QString typed;
    Leave leave;
    const char* column;
    // What the database holds afterwards; nullptr: what it held before.
    const char* stored;
    // The message box shown, nothing when none.
    QString box;
};

} // namespace

TEST_F(LeavingFields, WhatIsTypedReachesTheServerOnlyThroughTheFieldsChecks)
{
    open("1003");
    const int end = w().LimitDateEnd;
    ASSERT_NE(end, 0);
    const QString afterEnd = QString::fromStdString(formatDate(end + 1)).remove('/');
    const QString outOfPeriod = "doit être comprise entre le";
    const QString notADate =
        "La valeur du champ \"DateEntree\" n'est pas une date valide (jj/mm/aaaa).";
    const LeaveCase cases[] = {
        {"date after the period", "cDateEntree", afterEnd, Leave::ClickTab, "DateEntree", nullptr,
         outOfPeriod},
        {"impossible date", "cDateEntree", "31022026", Leave::TabKey, "DateEntree", nullptr,
         notADate},
        {"half-typed date", "cDateEntree", "12", Leave::ClickSave, "DateEntree", nullptr, notADate},
        {"month 13", "cDateEntree", "12132026", Leave::CtrlTab, "DateEntree", nullptr, notADate},
        {"colour in small letters",
         "cInfoCouleur",
         "gris platine",
         Leave::ClickTab,
         "InfoCouleur",
         "GRIS PLATINE",
         {}},
        {"yes/no by its first letter",
         "cFlagPrepaMecanique",
         "N",
         Leave::ClickSave,
         "FlagPrepaMecanique",
         "False",
         {}},
        {"price", "cPrixVente", "34500.50", Leave::ClickSave, "PrixVente", "34500.50", {}},
        {"chassis", "cChassis", "VF1XYZ", Leave::CtrlTab, "Chassis", "VF1XYZ", {}},
    };
    for (const LeaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        open("1003");
        auto* control = w().findChild<QWidget*>(c.control);
        auto* face = dynamic_cast<ControlFace*>(control);
        const QString loaded = face->text();
        const std::string before = vehicle(c.column);
        const size_t sentBefore = updatesSent();
        const Answered seen = answering(QMessageBox::Ok, [&] {
            typeInto(face, c.typed);
            switch (c.leave) {
            case Leave::TabKey:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                break;
            case Leave::ClickTab:
                clickTab(3);
                break;
            case Leave::ClickSave:
                clickSave();
                break;
            case Leave::CtrlTab:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
                break;
            }
        });
        if (c.box.isEmpty()) {
            const int next = static_cast<PageControl*>(w().Tabs)->neighbourPage(0, 1);
            EXPECT_EQ(w().Tabs->currentIndex(), c.leave == Leave::ClickTab  ? 3
                                                : c.leave == Leave::CtrlTab ? next
                                                                            : 0);
            EXPECT_TRUE(seen.texts.isEmpty()) << seen.texts.join('|').toStdString();
            EXPECT_EQ(vehicle(c.column), c.stored);
            EXPECT_FALSE(w().anythingPending()) << w().LbDebugInfo2->text().toStdString();
            if (c.leave == Leave::ClickSave) {
                EXPECT_EQ(w().focusWidget(), control); // back where the user was
            }
        } else {
            ASSERT_EQ(seen.titles.size(), 1);
            EXPECT_EQ(seen.titles[0], "Contrôle de la date saisie");
            EXPECT_TRUE(seen.texts[0].contains(c.box)) << seen.texts[0].toStdString();
            // Refused: nothing sent, the loaded date back, the user still in the field and on
            // the page.
            EXPECT_EQ(vehicle(c.column), before);
            EXPECT_EQ(updatesSent(), sentBefore);
            EXPECT_EQ(face->text(), loaded);
            EXPECT_EQ(w().focusWidget(), control);
            EXPECT_EQ(w().Tabs->currentIndex(), 0);
        }
    }
}

TEST_F(LeavingFields, TheVatFollowsTheModeAsSoonAsItIsTyped)
{
    open("1003");
    ASSERT_NE(w().ccTVA->text(), "0.00");
    typeInto(w().cModeTVA, "TVA récupérable");
    EXPECT_EQ(w().ccTVA->text(), "0.00");
    EXPECT_TRUE(w().JvXPBtnSave->isEnabled());
}

TEST_F(LeavingFields, LoadingARecordRunsNoExitCheck)
{
    open("1003");
    QTest::mouseClick(w().cDateDisponibilite, Qt::LeftButton);
    ASSERT_EQ(w().focusWidget(), w().cDateDisponibilite);
    // A locked record: its fields are greyed under the focus.
    const MessageBoxSeen seen = closingMessageBoxes([&] { open("1005"); });
    EXPECT_EQ(seen.count, 0) << seen.text.toStdString();
    EXPECT_FALSE(w().cDateDisponibilite->isEnabled());
}

TEST_F(LeavingFields, ANewVehicleKeepsNothingOfTheVehicleShown)
{
    open("1001"); // has a photo and reconditioning costs
    ASSERT_FALSE(w().cNVO->isEnabled());
    ASSERT_NE(w().cTotFrevo->text(), "0.00");
    QTest::mouseClick(w().JvXPBtnNewVO, Qt::LeftButton);
    ASSERT_TRUE(w().FlagNewEnreg);
    EXPECT_TRUE(w().cNVO->isEnabled());
    EXPECT_TRUE(w().cSite->isEnabled());
    EXPECT_EQ(w().cTotFrevo->text(), "0.00");
    EXPECT_EQ(w().cMNette->text(), "0.00");
    EXPECT_EQ(w().cChassis->text(), "");
    typeInto(w().cNVO, "24999");
    typeInto(w().cInfoMarque, "RENAULT");
    typeInto(w().cPrixVente, "9900.00");
    const MessageBoxSeen seen = closingMessageBoxes([&] { clickSave(); });
    EXPECT_EQ(seen.count, 0) << seen.text.toStdString();
    EXPECT_FALSE(w().FlagNewEnreg);
    EXPECT_EQ(query("Select PrixVente from tVehicles where NVO=24999", "PrixVente"), "9900.00");
    EXPECT_EQ(w().cNVO->text(), "24999"); // the new vehicle is shown under its key
}

TEST_F(LeavingFields, EveryRecordShownStartsFromItsOwnState)
{
    open("1003");
    const QColor editable = w().cChassis->palette().color(QPalette::Base);
    open("1005"); // locked: greyed
    ASSERT_EQ(w().cChassis->palette().color(QPalette::Base), toQColor(color::ButtonFace));
    open("1003");
    EXPECT_EQ(w().cChassis->palette().color(QPalette::Base), editable);

    // A vehicle of another dealership is shown without data, its cost total included.
    open("1001");
    ASSERT_NE(w().cTotFrevo->text(), "0.00");
    open("1043");
    EXPECT_EQ(w().cTotFrevo->text(), "0.00");

    // A record the key of which was lost is read-only until another record is shown.
    w().FlagKeyLost = true;
    QTest::mouseClick(w().JvXPBtnActualize, Qt::LeftButton);
    EXPECT_FALSE(w().FlagKeyLost);

    // From a used vehicle on its photos page to a new vehicle: a page the new one describes.
    clickTab(5);
    ASSERT_EQ(w().Tabs->currentIndex(), 5);
    open("1201");
    ASSERT_EQ(w().RecordKind, "_TVN");
    EXPECT_TRUE(w().TabDesc[w().Tabs->currentIndex() + 1].Described);
}

TEST_F(LeavingFields, AFailedRecordRequestKeepsTheRecordShown)
{
    open("1003");
    const QString price = w().cPrixVente->text();
    demo.server().stop();
    w().IdHTTP1->closeConnection();
    open("1001");
    EXPECT_TRUE(w().LbDebugInfo0->text().startsWith("Exception : "));
    EXPECT_EQ(w().LbIdTVO->text(), "1003");
    EXPECT_EQ(w().cPrixVente->text(), price);
    QTest::mouseClick(w().JvXPBtnActualize, Qt::LeftButton);
    EXPECT_EQ(w().LbIdTVO->text(), "1003");
    EXPECT_EQ(w().cPrixVente->text(), price);
    EXPECT_FALSE(w().FlagNewEnreg);
}

TEST_F(LeavingFields, ARequiredValueThatCannotTakeTheFocusIsNamed)
{
    // A vehicle with a photo keeps its number, so the number field is disabled.
    ClientSession session;
    session.fetch(endpoint::update(demo.server().baseUrl(),
                                   cp1252("Update tVehicles set NVO=0 where (idVO=5001)")));
    open("1001");
    ASSERT_FALSE(w().cNVO->isEnabled());
    const std::string price = vehicle("PrixVente", "5001");
    typeInto(w().cPrixVente, "1.00");
    const MessageBoxSeen seen = closingMessageBoxes([&] { clickSave(); });
    EXPECT_EQ(seen.text, "La saisie du champ \"N° VO\" est obligatoire.");
    EXPECT_EQ(vehicle("PrixVente", "5001"), price);
    EXPECT_TRUE(w().JvXPBtnSave->isEnabled());
}

TEST_F(LeavingFields, AListBoxLabelLeavesItsListClickable)
{
    open("1003");
    ListBox* list = w().findChild<ListBox*>("cInfoEquiInterieur");
    ASSERT_NE(list, nullptr);
    clickTab(w().Tabs->indexOf(list->parentWidget()));
    for (auto* label : list->parentWidget()->findChildren<TextLabel*>()) {
        if (label->tag() == list->tag()) {
            EXPECT_FALSE(label->geometry().intersects(list->geometry()));
        }
    }
    ASSERT_GT(list->count(), 0);
    const bool selected = list->isSelected(0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).topLeft() + QPoint(4, 4));
    EXPECT_NE(list->isSelected(0), selected);
}

TEST_F(LeavingFields, TheSearchGridNeverTakesTheFocusFromAFieldThatRefusedIt)
{
    open("1003");
    QTest::mouseClick(w().JvXPBtnSearch, Qt::LeftButton);
    ASSERT_TRUE(w().Panel1->isVisible());
    const QPoint over = w().ngSearch->viewport()->rect().center();
    const Answered seen = answering(QMessageBox::Ok, [&] {
        typeInto(w().cDateEntree, "31022026");
        for (int move = 0; move < 3; ++move)
            QTest::mouseMove(w().ngSearch->viewport(), over + QPoint(move, 0));
    });
    EXPECT_EQ(seen.texts.size(), 1); // refused once, not at every move
    EXPECT_EQ(w().focusWidget(), w().cDateEntree);
}
