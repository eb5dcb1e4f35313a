// Each edit of a bound control becomes its descriptor's value; the page's pending statement and
// the save and new-record buttons follow.
#include <QLabel>
#include <QTest>

#include "app/Cp1252.h"
#include "tests/editing/EditingWindow.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/DatePicker.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/MemoEdit.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/PictureButton.h"
#include "ui/controls/TextEdit.h"
#include "ui/controls/TextLabel.h"

namespace {

class ChangeTracking : public EditingWindow {
protected:
    ChangeTracking() { usedVehicle("http://127.0.0.1:9/"); }
    bool saveEnabled() { return w().JvXPBtnSave->isEnabled(); }
    bool newEnabled() { return w().JvXPBtnNewVO->isEnabled(); }
};

} // namespace

TEST_F(ChangeTracking, AnEditChangedBackToItsLoadedTextLeavesThePageUnchanged)
{
    const int price = bind(1, w().cPrixVente, "PrixVente", 5, "1000.00");
    bind(1, w().cCommentaires, "Commentaires", 2, "");
    w().cPrixVente->setText("1200.50");
    w().cCommentaires->setText("Peinture d'origine");
    EXPECT_EQ(field(1, price).Value, "1200.50");
    const std::string expected = "Update tVehicles set PrixVente=1200.50,Commentaires='Peinture "
                                 "d''origine' where (idVO=5001)";
    EXPECT_EQ(w().TabDesc[1].Statement, expected);
    EXPECT_EQ(toCp1252(w().LbDebugInfo2->text()), expected);
    EXPECT_TRUE(saveEnabled());
    EXPECT_FALSE(newEnabled());

    w().cPrixVente->setText("1000.00");
    w().cCommentaires->setText("");
    EXPECT_EQ(w().TabDesc[1].Statement, "");
    EXPECT_FALSE(saveEnabled());
    EXPECT_TRUE(newEnabled());
}

TEST_F(ChangeTracking, ComputedReadOnlyAndBorrowedFieldsNeverEnableTheSaveButton)
{
    struct Case {
        const char* name;
        const char* rights;
        const char* source;
    };
    for (const Case& c : {Case{"TotFDM", "", ""}, Case{"Chassis", ";READONLY;", ""},
                          Case{"Chassis", "", "ChassisOrigine"}}) {
        w().TabDesc[1].Fields.resize(1);
        const int at = bind(1, w().cChassis, c.name, 2, "A");
        field(1, at).Rights = c.rights;
        field(1, at).SourceName = c.source;
        w().cChassis->setText("B");
        EXPECT_EQ(field(1, at).Value, "B") << c.name;
        EXPECT_FALSE(saveEnabled()) << c.name << c.rights << c.source;
    }
}

TEST_F(ChangeTracking, CombosRecordTheirCodePositionOrYesNo)
{
    const int origin = bind(1, w().cAcheteur, "Acheteur", 2, "", 111);
    const int count = bind(1, w().cNbPortes, "NbPortes", 4, "", 112);
    const int flag = bind(1, w().cFlagPrepaMecanique, "FlagPrepaMecanique", 3, "", 112);
    field(1, count).ByIndex = field(1, flag).ByIndex = true;
    w().cAcheteur->setItems({"DUP : Dupont", "MAR : Martin"});
    w().cNbPortes->setItems({"3", "5"});
    w().cFlagPrepaMecanique->setItems({"Non", "Oui"});

    w().cAcheteur->setText("MAR : Martin");
    EXPECT_EQ(field(1, origin).Value, "MAR");
    for (int index : {1, 0}) {
        w().cNbPortes->setCurrentIndex(index);
        EXPECT_EQ(field(1, count).Value, std::to_string(index + 1));
        w().cFlagPrepaMecanique->setCurrentIndex(index);
        EXPECT_EQ(field(1, flag).Value, index == 0 ? "False" : "True");
    }
    field(1, count).BlankFirst = true;
    w().cNbPortes->setCurrentIndex(1);
    EXPECT_EQ(field(1, count).Value, "1");
}

TEST_F(ChangeTracking, AStrictListKeepsTheFocusOnATextOutOfItsList)
{
    const int buyer = bind(1, w().cAcheteur, "Acheteur", 2, "DUP", 111);
    field(1, buyer).StrictList = true;
    w().cAcheteur->setItems({"DUP", "MAR"});
    w().cChassis->setFocus();
    w().cAcheteur->setText("XYZ");
    EXPECT_EQ(field(1, buyer).Value, "DUP");
    EXPECT_TRUE(w().cAcheteur->hasFocus());
    int slot = -1, position = -1;
    w().CBoxControl(*w().cAcheteur, slot, position);
    EXPECT_EQ(slot, 0);
    w().cAcheteur->setText("MAR");
    w().CBoxControl(*w().cAcheteur, slot, position);
    EXPECT_EQ(slot, 1);
    EXPECT_EQ(position, buyer);
    EXPECT_EQ(field(1, buyer).Value, "MAR");
}

TEST_F(ChangeTracking, AListBoxRecordsTheCodesOfItsSelectionAndShowsTheirTexts)
{
    w().Tabs->setCurrentIndex(2);
    w().JvXPBtnNewVO->setText("VN");
    w().TabDesc[3].Fields.clear();
    addKey(3, "idVO", "5201");
    const int options = bind(3, w().cVNInfoOptions, "InfoOptions", 2, "", 110);
    field(3, options).Codes = ";A;B;C";
    w().cVNInfoOptions->setItems({"Toit ouvrant", "GPS", "Attelage"});
    w().cVNInfoOptions->setSelected(0, true);
    w().cVNInfoOptions->setSelected(2, true);
    QTest::mouseClick(w().cVNInfoOptions->viewport(), Qt::LeftButton, {},
                      w().cVNInfoOptions->visualItemRect(w().cVNInfoOptions->item(1)).center());
    EXPECT_EQ(field(3, options).Value, ";A;B;C;");
    EXPECT_EQ(w().LbInfoOptions->text(), "Toit ouvrant - GPS - Attelage");
    for (int k = 0; k < 3; ++k)
        w().cVNInfoOptions->setSelected(k, false);
    w().LBoxChange(*w().cVNInfoOptions);
    EXPECT_EQ(field(3, options).Value, "");
    EXPECT_FALSE(saveEnabled());
}
