// A French window that never traps the user: Qt's own texts in French, a warning that can be put
// aside, the buttons of the bottom strip always reachable, the keyboard shortcuts, and pending
// changes never dropped without a word.
#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include "tests/editing/DemoEditing.h"
#include "ui/controls/AllKinds.h"

namespace {

class UnsavedWork : public DemoEditing {
protected:
    void open(const char* idTVO) { openShown({{"idTVO", idTVO}, {"idClient", ""}}); }
    std::string price()
    {
        return query("Select PrixVente from tVehicles where idVO=5003", "PrixVente");
    }
    void typePrice(const QString& text)
    {
        QTest::mouseClick(w().cPrixVente, Qt::LeftButton);
        QTest::keyClick(w().cPrixVente, Qt::Key_A, Qt::ControlModifier);
        typeKeys(w().cPrixVente, text);
    }
    // A click where the user sees the control: whatever lies on top there takes it.
    void clickAtPlaceOf(QWidget* control)
    {
        // Through the window, as the platform delivers a click: to the widget on top there.
        QTest::mouseClick(w().windowHandle(), Qt::LeftButton, {},
                          control->mapTo(&w(), control->rect().center()));
    }
    QWidget* under(QWidget* control)
    {
        return w().childAt(control->mapTo(&w(), control->rect().center()));
    }
};

class OrdinaryUser : public UnsavedWork {
protected:
    OrdinaryUser()
    {
        // DURAND Paul: no administrator right.
        demo.open({{"idUser", "1000002"}, {"UserSite", "CHARTRES"}});
    }
};

enum class Command { Refresh, Reload, Close };

} // namespace

TEST_F(UnsavedWork, QtsOwnTextsAreFrench)
{
    open("1003");
    const Answered answered =
        answering(QMessageBox::No, [&] { QTest::mouseClick(w().JvXPBtnSuppr, Qt::LeftButton); });
    ASSERT_EQ(answered.titles.size(), 1);
    EXPECT_EQ(answered.titles[0], "Confirmation de Suppression");
    QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Oui");
    EXPECT_EQ(box.button(QMessageBox::No)->text(), "&Non");

    w().cDateEntree->showCalendar();
    auto* calendar = w().cDateEntree->calendarPopup()->findChild<QCalendarWidget*>();
    ASSERT_NE(calendar, nullptr);
    auto* month = calendar->findChild<QToolButton*>("qt_calendar_monthbutton");
    ASSERT_NE(month, nullptr);
    EXPECT_EQ(month->text(),
              QLocale(QLocale::French).standaloneMonthName(calendar->selectedDate().month()));
    // Numbers keep their point whatever the calendar says.
    EXPECT_EQ(QLocale().decimalPoint(), ".");
    w().cDateEntree->calendarPopup()->close();
}

TEST_F(UnsavedWork, TheWarningPanelStepsAsideForASecondSave)
{
    open("1003");
    typePrice("12345.00");
    const int port = demo.server().port();
    w().IdHTTP1->closeConnection();
    demo.server().stop();
    clickAtPlaceOf(w().JvXPBtnSave);
    ASSERT_TRUE(w().PanelWarning->isVisible());
    EXPECT_EQ(under(w().JvXPBtnSave), w().PanelWarning);
    clickAtPlaceOf(w().JvXPBtnSave); // on the panel: it steps aside
    EXPECT_FALSE(w().PanelWarning->isVisible());
    EXPECT_FALSE(w().LbDebugInfo0->text().isEmpty());

    DemoServerProcess again(data.file("demo"), port);
    clickAtPlaceOf(w().JvXPBtnSave);
    EXPECT_EQ(w().LbDebugInfo0->text(), "");
    EXPECT_EQ(price(), "12345.00");
    w().IdHTTP1->closeConnection();
}

TEST_F(UnsavedWork, CtrlSSavesAndCtrlFOpensTheSearchAsAPlainClick)
{
    open("1003");
    typePrice("23456.00");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(price(), "23456.00");
    EXPECT_FALSE(w().JvXPBtnSave->isEnabled());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(w().Panel1->isVisible());
    EXPECT_FALSE(w().UseWhereClause); // not the Ctrl variant
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(w().Panel1->isVisible());
}

TEST_F(UnsavedWork, ReplacingOrClosingTheRecordAsksFirst)
{
    struct Case {
        Command command;
        QMessageBox::StandardButton answer;
        bool saved;          // the price in the database afterwards
        const char* shownId; // the record on screen afterwards
        bool windowOpen;
    };
    const Case cases[] = {
        {Command::Refresh, QMessageBox::Save, true, "1003", true},
        {Command::Refresh, QMessageBox::Discard, false, "1003", true},
        {Command::Refresh, QMessageBox::Cancel, false, "1003", true},
        {Command::Reload, QMessageBox::Save, true, "1001", true},
        {Command::Reload, QMessageBox::Discard, false, "1001", true},
        {Command::Reload, QMessageBox::Cancel, false, "1003", true},
        {Command::Close, QMessageBox::Save, true, "1003", false},
        {Command::Close, QMessageBox::Discard, false, "1003", false},
        {Command::Close, QMessageBox::Cancel, false, "1003", true},
    };
    int typed = 700;
    for (const Case& c : cases) {
        const QString entered = QString::number(++typed) + ".00";
        SCOPED_TRACE(int(c.command) * 10 + int(c.answer == QMessageBox::Save) +
                     2 * int(c.answer == QMessageBox::Discard));
        open("1003");
        const std::string before = price();
        typePrice(entered);
        const Answered answered = answering(c.answer, [&] {
            switch (c.command) {
            case Command::Refresh:
                clickAtPlaceOf(w().JvXPBtnActualize);
                break;
            case Command::Reload:
                demo.open({{"idTVO", "1001"}});
                break;
            case Command::Close:
                w().close();
                break;
            }
        });
        ASSERT_EQ(answered.texts.size(), 1);
        EXPECT_EQ(answered.texts[0], "Des modifications n'ont pas été enregistrées.");
        EXPECT_EQ(price(), c.saved ? entered.toStdString() : before);
        EXPECT_EQ(w().LbIdTVO->text(), c.shownId);
        EXPECT_EQ(w().isVisible(), c.windowOpen);
        const bool kept = c.answer == QMessageBox::Cancel;
        if (c.command == Command::Refresh) {
            EXPECT_EQ(w().cPrixVente->text() == entered, kept || c.saved);
        }
        EXPECT_EQ(w().JvXPBtnSave->isEnabled(), kept);
        if (kept && c.command != Command::Close) {
            // Nothing was lost; the next refresh asks again, then shows what the launcher asked.
            answering(QMessageBox::Discard, [&] { clickAtPlaceOf(w().JvXPBtnActualize); });
            EXPECT_EQ(w().LbIdTVO->text(), c.command == Command::Reload ? "1001" : "1003");
        }
    }
}

TEST_F(UnsavedWork, TheNavigationButtonsTakeTheClickOfASuperAdministrator)
{
    open("1003");
    ASSERT_TRUE(w().FlagSuperAdmin);
    for (QWidget* button :
         {static_cast<QWidget*>(w().JvXPPrev), static_cast<QWidget*>(w().JvXPNext)})
        EXPECT_EQ(under(button), button);
}

TEST_F(OrdinaryUser, TheNavigationButtonsTakeTheClickAfterAWarning)
{
    open("1003");
    ASSERT_FALSE(w().FlagSuperAdmin);
    w().setWarningText(QString(200, 'x'));
    for (QWidget* button :
         {static_cast<QWidget*>(w().JvXPPrev), static_cast<QWidget*>(w().JvXPNext)})
        EXPECT_EQ(under(button), button);
    EXPECT_EQ(w().LbDebugInfo0->text(), QString(200, 'x'));
}
