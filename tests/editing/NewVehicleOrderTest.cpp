// The order fields of a new vehicle stamp the order's update date, show the manufacturing week
// and keep the purchase and invoice dates in step; the option lists fold away.
#include <QTest>

#include "app/DayDate.h"
#include "tests/editing/EditingWindow.h"
#include "ui/controls/AllKinds.h"

namespace {
class NewVehicleOrder : public EditingWindow {
protected:
    NewVehicleOrder()
    {
        entry = entryOf(w().cVNDateCdeVW);
        addKey(entry, "idVO", "7");
        w().ServerToday = parseDate("15/06/2026");
        updated = bind(entry, w().cVNDateUpdateCde, "DateUpdateCde", 1, "01/02/2026");
    }
    int entry = 0;
    int updated = 0;
};
} // namespace

TEST_F(NewVehicleOrder, AFieldThatDiffersFromItsLoadedValueStampsTheOrderDate)
{
    const int order = bind(entry, w().cVNDateCdeVW, "DateCdeVW", 1, "10/03/2026");
    const int warranty = bind(entry, w().cVNDateDebutGarantie, "DateDebutGarantie", 1, "");
    // Written back to its loaded text: nothing to stamp.
    w().cVNDateCdeVW->setText("11/03/2026");
    w().cVNDateUpdateCde->setText("01/02/2026");
    w().cVNDateCdeVW->setText("10/03/2026");
    EXPECT_EQ(w().cVNDateUpdateCde->text(), "01/02/2026");
    EXPECT_EQ(field(entry, order).Value, "10/03/2026");

    w().cVNDateDebutGarantie->setText("20/06/2026");
    EXPECT_EQ(field(entry, warranty).Value, "20/06/2026");
    EXPECT_EQ(w().cVNDateUpdateCde->text(), "15/06/2026");
    EXPECT_EQ(field(entry, updated).Value, "15/06/2026");
    EXPECT_NE(w().TabDesc[entry].Statement.find("DateUpdateCde"), std::string::npos);
}

TEST_F(NewVehicleOrder, LoadingStampsNothing)
{
    bind(entry, w().cVNDateCdeVW, "DateCdeVW", 1, "");
    w().FlagLoading = true;
    w().cVNDateCdeVW->setText("10/03/2026");
    w().FlagLoading = false;
    EXPECT_EQ(w().cVNDateUpdateCde->text(), "01/02/2026");
}

TEST_F(NewVehicleOrder, TheStatusIsRecordedAsAChoice)
{
    const int status = bind(entry, w().cVNStatutVN, "StatutVN", 2, "", 111);
    w().cVNStatutVN->setItems({"COMMANDE", "LIVRE"});
    w().cVNStatutVN->setText("LIVRE");
    EXPECT_EQ(field(entry, status).Value, "LIVRE");
    EXPECT_EQ(w().cVNDateUpdateCde->text(), "15/06/2026");
}

TEST_F(NewVehicleOrder, TheManufacturingDateShowsItsWeek)
{
    bind(entry, w().cVNDateFabrication, "DateFabrication", 1, "");
    w().cVNDateFabrication->setText("23/06/2009");
    EXPECT_TRUE(w().LbDateFabrication->isVisibleTo(w().LbDateFabrication->parentWidget()));
    EXPECT_EQ(w().LbDateFabrication->text(), "2009s25");
}

TEST_F(NewVehicleOrder, TheInvoiceAndPurchaseDatesFollowEachOther)
{
    const int invoice = bind(entry, w().cVNDateFacture, "DateFacture", 1, "");
    const int purchase = bind(entry, w().cVNDateAchat, "DateAchat", 1, "");
    w().cVNDateFacture->setText("12/05/2026");
    EXPECT_EQ(w().cVNDateAchat->text(), "12/05/2026");
    EXPECT_EQ(field(entry, purchase).Value, "12/05/2026");
    EXPECT_EQ(field(entry, invoice).Value, "12/05/2026");
    // Emptying the invoice date leaves the purchase date alone.
    w().cVNDateFacture->setText("");
    EXPECT_EQ(w().cVNDateAchat->text(), "12/05/2026");
    // A purchase date entered first becomes the invoice date.
    w().cVNDateAchat->setText("13/05/2026");
    EXPECT_EQ(w().cVNDateFacture->text(), "13/05/2026");
    EXPECT_EQ(field(entry, invoice).Value, "13/05/2026");
}

TEST_F(NewVehicleOrder, LoadedInvoiceAndPurchaseDatesStayAsTheyAre)
{
    const int purchase = bind(entry, w().cVNDateAchat, "DateAchat", 1, "10/05/2026");
    const int invoice = bind(entry, w().cVNDateFacture, "DateFacture", 1, "12/05/2026");
    EXPECT_EQ(w().cVNDateAchat->text(), "10/05/2026");
    EXPECT_EQ(w().cVNDateFacture->text(), "12/05/2026");
    EXPECT_EQ(field(entry, purchase).Value, "10/05/2026");
    EXPECT_EQ(field(entry, invoice).Value, "12/05/2026");
    EXPECT_FALSE(w().TestPageUpdate(entry));
}

TEST_F(EditingWindow, TheOptionListsUnfoldOverThePageAndFoldAgain)
{
    struct Options {
        ListBox* list;
        PictureButton* button;
        ControlFace* elsewhere; // another field of the page
        void (TAxKelvaro::*click)();
    };
    for (const Options& o :
         {Options{w().cVDInfoOptions, w().czVDOptions, w().cVDNVO, &TAxKelvaro::czVDOptionsClick},
          Options{w().cVNInfoOptions, w().czVNOptions, w().cVNNVO,
                  &TAxKelvaro::czVNOptionsClick}}) {
        showPageOf(o.list);
        ASSERT_FALSE(o.list->isVisible());
        QTest::mouseClick(o.button, Qt::LeftButton);
        ASSERT_TRUE(o.list->isVisible());
        EXPECT_TRUE(o.list->hasFocus());
        EXPECT_EQ(o.list->size(), QSize(200, 480));
        EXPECT_FALSE(o.button->isVisible());
        // Leaving the list folds it and brings the button back.
        o.elsewhere->setFocus();
        EXPECT_FALSE(o.list->isVisible());
        EXPECT_TRUE(o.button->isVisible());
        // A second click folds an unfolded list.
        (w().*o.click)();
        ASSERT_TRUE(o.list->isVisible());
        (w().*o.click)();
        EXPECT_FALSE(o.list->isVisible());
        EXPECT_TRUE(o.button->isVisible());
    }
}
