// A locked record takes no edit: keys are discarded, nothing is recorded and the warning line
// says why.
#include <QFrame>
#include <QLabel>
#include <QTest>

#include "app/DayDate.h"
#include "tests/editing/EditingWindow.h"
#include "ui/controls/PictureButton.h"
#include "ui/controls/TextEdit.h"

namespace {

class RecordLock : public EditingWindow {
protected:
    RecordLock()
    {
        usedVehicle("http://127.0.0.1:9/");
        chassis = bind(1, w().cChassis, "Chassis", 2, "VF1");
    }
    QString warning() { return w().LbDebugInfo0->text(); }
    int chassis = 0;
};

} // namespace

TEST_F(RecordLock, AVehicleOfAnotherSiteDiscardsKeysAndRecordsNothing)
{
    w().FlagEditable = false;
    w().FlagSiteRights = false;
    QTest::keyClicks(w().cChassis, "AB");
    EXPECT_EQ(w().cChassis->text(), "VF1");
    EXPECT_EQ(field(1, chassis).Value, "VF1");
    EXPECT_EQ(warning(), "Enregistrement verrouillé");
    EXPECT_TRUE(w().PanelWarning->isVisible());
    // A change that reaches the control anyway is not recorded.
    w().cChassis->setText("VF2");
    EXPECT_EQ(field(1, chassis).Value, "VF1");
    EXPECT_EQ(w().TabDesc[1].Statement, "");
}

TEST_F(RecordLock, AVehicleDeliveredBeforeTheLockDateNamesTheDate)
{
    w().FlagEditable = false;
    w().LockDate = parseDate("30/06/2025");
    EXPECT_FALSE(w().GoTestVerrou());
    EXPECT_EQ(warning(), "Enregistrement verrouillé, Date Livraison antérieure au 30/06/2025");
    int key = Qt::Key_A;
    w().GoOnKeyDown(*w().cChassis, key, {});
    EXPECT_EQ(key, 0);
}
