// The journal of unsaved edits in the real window: an edit typed in a client that is then killed
// is offered back when the record is shown again; saved or abandoned edits leave no journal; a
// damaged journal is set aside with a warning.
#include <csignal>
#include <filesystem>
#include <iostream>

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTest>

#include "editing/EditJournal.h"
#include "tests/editing/DemoEditing.h"
#include "ui/controls/AllKinds.h"

namespace {

namespace fs = std::filesystem;

class EditJournalWindow : public DemoEditing {
protected:
    std::string folder() { return QFileInfo(w().SettingsPath).absolutePath().toStdString(); }
    // Leaves a journal of this user on this server, cut at "length"; its path.
    std::string leaveJournal(EditJournal journal, size_t length = std::string::npos)
    {
        journal.user = w().idUser.toStdString();
        journal.server = w().BaseHRef.toStdString();
        const std::string path = folder() + "/" + journalFileName(journal);
        writeFile(path, journalText(journal).substr(0, length));
        return path;
    }
    void open1003() { openShown({{"idTVO", "1003"}, {"idClient", ""}}); }
    // Shows the record and answers the box the journal opens.
    Answered openAnswering(int button, const char* id = "1003")
    {
        const Answered seen = answering(button, [&] {
            demo.open({{"idTVO", id}, {"idClient", ""}});
            w().show();
            w().activateWindow();
            WindowHarness::processEventsFor(100);
        });
        return seen;
    }
    void retype(ControlFace* control, const QString& text)
    {
        QWidget* target = control->widget();
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        typeKeys(target, text);
    }
    void clickAt(QWidget* control)
    {
        QTest::mouseClick(w().windowHandle(), Qt::LeftButton, {},
                          control->mapTo(&w(), control->rect().center()));
    }
};

// The child of the test below: types an edit, lets the timer write the journal, says where it is
// and waits to be killed.
class JournalChild : public EditJournalWindow {};

} // namespace

TEST_F(JournalChild, DISABLED_TypesThenWaitsToBeKilled)
{
    open1003();
    retype(w().cPrixVente, "27777.00");
    w().cCommentaires->setFocus(); // leaving the price records it
    w().Timer1Timer();
    std::cout << "JOURNAL\t" << folder() << "\t" << data.path() << std::endl;
    for (;;)
        WindowHarness::processEventsFor(100);
}

TEST_F(EditJournalWindow, AnEditOfAKilledClientIsOfferedBackAndSaved)
{
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({"--gtest_filter=JournalChild.DISABLED_TypesThenWaitsToBeKilled",
                        "--gtest_also_run_disabled_tests"});
    child.start();
    ASSERT_TRUE(child.waitForStarted());
    QByteArray said;
    for (int waited = 0; !said.contains("JOURNAL\t") || !said.endsWith('\n'); ++waited) {
        ASSERT_LT(waited, 120) << said.toStdString();
        child.waitForReadyRead(1000);
        said += child.readAllStandardOutput();
    }
    ::kill(pid_t(child.processId()), SIGKILL);
    child.waitForFinished();
    const QList<QByteArray> parts = said.mid(said.indexOf("JOURNAL\t")).trimmed().split('\t');
    ASSERT_EQ(parts.size(), 3);
    const fs::path left = journalFiles(parts[1].toStdString()).at(0);
    ASSERT_TRUE(fs::exists(left));
    EXPECT_EQ(fs::status(left).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    // The same user starts the program again on the same server (the child had its own).
    leaveJournal(parseJournal(readFile(left.string())).value());
    std::error_code ignored;
    fs::remove_all(fs::path(parts[1].toStdString()).parent_path(), ignored);
    fs::remove_all(parts[2].toStdString(), ignored);

    const Answered seen = openAnswering(QMessageBox::Yes);
    ASSERT_EQ(seen.titles, QStringList{"Modifications retrouvées"});
    EXPECT_TRUE(seen.texts[0].startsWith("Des modifications non enregistrées du "));
    EXPECT_TRUE(seen.texts[0].contains("Prix vente : 27777.00")) << seen.texts[0].toStdString();
    EXPECT_EQ(w().cPrixVente->text(), "27777.00");
    ASSERT_TRUE(w().JvXPBtnSave->isEnabled());
    clickAt(w().JvXPBtnSave);
    EXPECT_EQ(vehicleValue(demo.server().baseUrl(), "5003", "PrixVente"), "27777.00");
    EXPECT_TRUE(journalFiles(folder()).empty());
}

TEST_F(EditJournalWindow, AbandonedEditsLeaveNoJournalAndADamagedOneIsSetAside)
{
    open1003();
    retype(w().cPrixVente, "26666.00");
    w().cCommentaires->setFocus();
    w().Timer1Timer();
    ASSERT_EQ(journalFiles(folder()).size(), 1u);
    // The refresh button asks first; "Abandonner".
    answering(QMessageBox::Discard, [&] { clickAt(w().JvXPBtnActualize); });
    EXPECT_EQ(w().cPrixVente->text().toStdString(),
              vehicleValue(demo.server().baseUrl(), "5003", "PrixVente"));
    EXPECT_TRUE(journalFiles(folder()).empty());

    // A journal cut short by a power failure.
    const std::string path = leaveJournal({"VO", "1003", 0, 1, {{1, "PrixVente", "1.00"}}}, 60);
    const Answered seen = openAnswering(QMessageBox::Yes);
    EXPECT_TRUE(seen.titles.isEmpty());
    EXPECT_TRUE(w().LbDebugInfo0->text().startsWith(
        "Un journal de modifications endommagé a été mis de côté : "));
    EXPECT_TRUE(fs::exists(path + ".endommage"));
    EXPECT_FALSE(w().JvXPBtnSave->isEnabled());

    // A new record's journal is named by when the record was started, never "nouveau-0".
    w().JvXPBtnNewVOClick();
    ASSERT_TRUE(w().FlagNewEnreg);
    retype(w().cInfoMarque, "RENAULT");
    w().Timer1Timer();
    ASSERT_EQ(journalFiles(folder()).size(), 1u);
    EXPECT_EQ(journalFiles(folder()).at(0).find("nouveau-0"), std::string::npos);
}

TEST_F(EditJournalWindow, AFieldTheUserCannotTypeInIsNotRestoredButListed)
{
    // 1001 has photos named after its number: its number cannot be changed.
    leaveJournal({"VO", "1001", 0, 1, {{1, "PrixVente", "27777.00"}, {1, "NVO", "99999"}}});
    const Answered seen = openAnswering(QMessageBox::Yes, "1001");
    ASSERT_EQ(seen.titles.size(), 2);
    EXPECT_TRUE(seen.texts[1].contains("Non restauré (champ non modifiable) : N° VO"))
        << seen.texts[1].toStdString();
    EXPECT_NE(w().cNVO->text(), "99999");
    EXPECT_EQ(w().cPrixVente->text(), "27777.00");
}
