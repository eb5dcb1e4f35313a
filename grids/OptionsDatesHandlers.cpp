// Handlers of the options lists and of the new-vehicle order and date fields.
#include "ui/TAxKelvaro.h"

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "editing/BoundFields.h"
#include "ui/controls/AllKinds.h"

namespace {
// The button unfolds its folded list over the page and gives it the focus.
void toggleOptions(ControlFace& list)
{
    list.setVisible(!list.isVisible());
    if (list.isVisible())
        list.setFocus();
}

// An unfolded list covers the page below its corner; its button hides meanwhile.
void unfoldOptions(ControlFace& list, ControlFace& button)
{
    list.widget()->resize(200, 480);
    list.widget()->raise();
    button.setVisible(false);
}

void foldOptions(ControlFace& list, ControlFace& button)
{
    list.setVisible(false);
    button.setVisible(true);
}
} // namespace

void TAxKelvaro::czVDOptionsClick()
{
    toggleOptions(*cVDInfoOptions);
}

void TAxKelvaro::czVNOptionsClick()
{
    toggleOptions(*cVNInfoOptions);
}

void TAxKelvaro::cVDInfoOptionsEnter(ControlFace&)
{
    unfoldOptions(*cVDInfoOptions, *czVDOptions);
}

void TAxKelvaro::cVDInfoOptionsExit(ControlFace&)
{
    foldOptions(*cVDInfoOptions, *czVDOptions);
}

void TAxKelvaro::cVNInfoOptionsEnter(ControlFace&)
{
    unfoldOptions(*cVNInfoOptions, *czVNOptions);
}

void TAxKelvaro::cVNInfoOptionsExit(ControlFace&)
{
    foldOptions(*cVNInfoOptions, *czVNOptions);
}

void TAxKelvaro::cVNControlChange(ControlFace& sender)
{
    TsDesc* field = boundField(TabDesc, sender.tag());
    if (!field)
        return;
    if (field->CtrlKind == 109)
        EditChange(sender);
    else
        CBoxChange(sender);
    // Any field of the order that now differs from its loaded value stamps the order's update
    // date. Loading writes the loaded values themselves and stamps nothing.
    if (FlagLoading || field->OrgValue == field->Value)
        return;
    const int today = ServerToday != 0 ? ServerToday : todayDay();
    cVNDateUpdateCde->setText(fromCp1252(formatDate(today)));
}

void TAxKelvaro::cDestinationChange(ControlFace& sender)
{
    EditChange(sender);
}

void TAxKelvaro::cVNStatutVNChange(ControlFace& sender)
{
    cVNControlChange(sender);
    setInfoField3();
}

void TAxKelvaro::cVNDateCdeVWChange(ControlFace& sender)
{
    cVNControlChange(sender);
}

void TAxKelvaro::cVNDateDebutGarantieChange(ControlFace& sender)
{
    cVNControlChange(sender);
}

void TAxKelvaro::cVNDateFabricationChange(ControlFace& sender)
{
    cVNControlChange(sender);
    LbDateFabrication->setText(fromCp1252(weekCode(toCp1252(cVNDateFabrication->text()))));
    LbDateFabrication->setVisible(true);
}

// The invoice date is also the purchase date unless the purchase date already says so.
void TAxKelvaro::cVNDateFactureChange(ControlFace& sender)
{
    cVNControlChange(sender);
    setInfoField3();
    UpdateDateEcheanceTresorerie();
    // The loaded dates are shown as they are, even when they differ.
    const QString invoice = cVNDateFacture->text();
    if (!FlagLoading && invoice != cVNDateAchat->text() && parseDate(toCp1252(invoice)) != 0)
        cVNDateAchat->setText(invoice);
}
