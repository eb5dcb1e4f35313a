// Combos entered, left and typed into.
#include <QCompleter>
#include <QFrame>
#include <QGuiApplication>
#include <QStringListModel>
#include <QTest>
#include <QWindow>

#include "tests/editing/EditingWindow.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/TextEdit.h"

namespace {

class ComboFocus : public EditingWindow {
protected:
    ComboFocus()
    {
        usedVehicle("http://127.0.0.1:9/");
        buyer = bind(1, w().cAcheteur, "Acheteur", 2, "MARTIN", 111);
        w().cAcheteur->setItems({"DUPONT", "MARTIN"});
        w().cAcheteur->setText("MARTIN");
    }
    // Holds Ctrl down on the window while the action runs.
    void withCtrl(const std::function<void()>& action)
    {
        QWindow* handle = w().windowHandle();
        QTest::keyPress(handle, Qt::Key_Control, Qt::ControlModifier);
        ASSERT_TRUE(QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier));
        action();
        QTest::keyRelease(handle, Qt::Key_Control, Qt::NoModifier);
    }
    int buyer = 0;
};

} // namespace

TEST_F(ComboFocus, DeleteClearsATextComboOnly)
{
    QTest::keyClick(w().cAcheteur, Qt::Key_Delete);
    EXPECT_EQ(w().cAcheteur->text(), "");
    EXPECT_EQ(field(1, buyer).Value, "");
    const int doors = bind(1, w().cNbPortes, "NbPortes", 4, "2", 112);
    field(1, doors).ByIndex = true;
    w().cNbPortes->setItems({"3", "5"});
    w().cNbPortes->setCurrentIndex(1);
    int key = Qt::Key_Delete;
    w().CBoxKeyDown(*w().cNbPortes, key, {});
    EXPECT_EQ(key, Qt::Key_Delete);
    EXPECT_EQ(w().cNbPortes->text(), "5");
}

TEST_F(ComboFocus, AWideListWidensTheComboWhileItHasTheFocus)
{
    const int width = w().cAcheteur->width();
    w().cAcheteur->setListWidth(width + 100);
    w().cChassis->setFocus();
    w().cAcheteur->setFocus();
    EXPECT_EQ(w().cAcheteur->width(), width + 100);
    w().cChassis->setFocus();
    EXPECT_EQ(w().cAcheteur->width(), width);
}

TEST_F(ComboFocus, ASuperAdministratorMaintainsAListWithCtrlHeld)
{
    field(1, buyer).ListName = "LISTACHETEUR";
    w().cChassis->setFocus();
    w().cAcheteur->setFocus(); // without Ctrl
    EXPECT_FALSE(w().BlinkOn);
    w().cChassis->setFocus();
    w().FlagSuperAdmin = true;
    withCtrl([&] { w().cAcheteur->setFocus(); });
    EXPECT_TRUE(w().BlinkOn);
    EXPECT_EQ(w().ListEditCombo, static_cast<ControlFace*>(w().cAcheteur));
    EXPECT_FALSE(w().cAcheteur->isPickList());
    EXPECT_TRUE(w().Shape1->isVisible());
    EXPECT_EQ(w().Shape1->parentWidget(), w().cAcheteur->parentWidget());
    EXPECT_EQ(w().Shape1->geometry(), QRect(w().cAcheteur->x() - 3, w().cAcheteur->y(),
                                            w().cAcheteur->width() + 6, w().cAcheteur->height()));
    w().cChassis->setFocus();
    EXPECT_FALSE(w().BlinkOn);
    EXPECT_FALSE(w().Shape1->isVisible());
}

TEST_F(ComboFocus, CombosWithAListShareOneCompletionFilledWithTheirItems)
{
    w().cAcheteur->setFocus();
    QCompleter* shared = w().ComboCompletion;
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(w().cAcheteur->completer(), shared);
    auto* words = static_cast<QStringListModel*>(shared->model());
    EXPECT_EQ(words->stringList(), (QStringList{"DUPONT", "MARTIN"}));
    QTest::keyClick(w().cAcheteur, Qt::Key_Delete);
    QTest::keyClicks(w().cAcheteur, "du");
    EXPECT_EQ(w().cAcheteur->text().toUpper(), "DUPONT");

    bind(1, w().cInfoCouleur, "InfoCouleur", 2, "", 111);
    w().cInfoCouleur->setItems({"BLANC", "NOIR"});
    w().cInfoCouleur->setFocus();
    EXPECT_EQ(w().cInfoCouleur->completer(), shared);
    EXPECT_EQ(words->stringList(), (QStringList{"BLANC", "NOIR"}));
    EXPECT_EQ(w().CompletionFor, "cInfoCouleur");
}
