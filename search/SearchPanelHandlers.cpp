// Handlers of the search panel, its result grid and the result paging buttons.
#include "ui/TAxKelvaro.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>

#include "app/Cp1252.h"
#include "search/SearchStatements.h"
#include "ui/controls/AllKinds.h"
#include "ui/grid/DataGrid.h"

namespace {
constexpr unsigned kHighlighted = color::Blue;
constexpr unsigned kPlain = 0;

// Selects the item whose text is the stored one, if there is one.
void selectStored(ControlFace& box, const QString& stored)
{
    const int index = int(box.items().indexOf(stored));
    if (index >= 0)
        box.setItemIndex(index);
}
} // namespace

void TAxKelvaro::PlaceSelector(TextLabel* label, PictureButton* button, int left)
{
    const bool shown = left != 0;
    if (shown) {
        label->move(left, label->y());
        button->move(left, button->y());
    }
    label->setVisible(shown);
    button->setVisible(shown);
}

void TAxKelvaro::BtnActivate(TextLabel* label, PictureButton* button)
{
    if (ActiveSearchLabel)
        ActiveSearchLabel->setFontColor(kPlain);
    ActiveSearchLabel = label;
    label->setFontColor(kHighlighted);
    for (PictureButton* selector : {TSNVO, TSImmat, TSClient, TSTelephone, TSMobile})
        selector->setEnabled(selector == button);
    if (!Panel1->isHidden())
        ncbSearch->setFocus();
}

void TAxKelvaro::JvXPBtnSearchClick()
{
    if (!commitFocusedControl())
        return;
    if (ncbTypeVO->itemCount() == 0 || ncbInfoSearch->text() != fromCp1252(RecordKind)) {
        ncbInfoSearch->setText(fromCp1252(RecordKind));
        const QString storedType = GetTagRegistry("svTypeVO");
        LoadInfoNxComboBox("TVTypeVO", *ncbTypeVO);
        selectStored(*ncbTypeVO, storedType);
        const QString storedSite = GetTagRegistry("svSite");
        LoadInfoNxComboBox("Site", *ncbSite);
        selectStored(*ncbSite, storedSite);
        ncbLabel->setText(QString());
        JvXPBtnSearchPlus->hide();
        SearchCountdown = 10;
        const bool client = isClientKind(RecordKind);
        ncbSearch->setText(GetTagRegistry(client ? "svText2" : "svText1"));
        for (QWidget* filter :
             std::initializer_list<QWidget*>{ncbSite, ncbLbSite, ncbTypeVO, ncbLbTypeVO})
            filter->setVisible(!client);
        if (!client) {
            PlaceSelector(TSLbNVO, TSNVO, 10);
            PlaceSelector(TSLbImmat, TSImmat, 82);
            PlaceSelector(TSLbClient, TSClient, 154);
            PlaceSelector(TSLbTelephone, TSTelephone, 0);
            PlaceSelector(TSLbMobile, TSMobile, 0);
            const QString option = GetTagRegistry("svOpt1");
            if (option == "1")
                BtnActivate(TSLbImmat, TSImmat);
            else if (option == "2")
                BtnActivate(TSLbClient, TSClient);
            else if (option == "3")
                BtnActivate(TSLbNVO, TSNVO);
        } else {
            PlaceSelector(TSLbNVO, TSNVO, 0);
            PlaceSelector(TSLbImmat, TSImmat, 10);
            PlaceSelector(TSLbClient, TSClient, 82);
            PlaceSelector(TSLbMobile, TSMobile, 154);
            PlaceSelector(TSLbTelephone, TSTelephone, 226);
            const QString option = GetTagRegistry("svOpt2");
            if (option == "4")
                BtnActivate(TSLbImmat, TSImmat);
            else if (option == "5")
                BtnActivate(TSLbClient, TSClient);
            else if (option == "6")
                BtnActivate(TSLbMobile, TSMobile);
            else if (option == "7")
                BtnActivate(TSLbTelephone, TSTelephone);
        }
    }
    Panel1->move(Panel1->x(), qRound(2.0 * JvXPBtnSearch->height() / 3) + JvXPBtnSearch->y());
    Panel1->raise();
    Panel1->setVisible(Panel1->isHidden());
    if (ctrlHeld() && !Panel1->isHidden()) {
        if (!UseWhereClause)
            SearchCountdown = 2;
        ncbSearch->setText(QString());
        UseWhereClause = true;
    }
}

void TAxKelvaro::openSearchOn(TextLabel* label, PictureButton* button, const QString& text,
                              bool exact)
{
    if (Panel1->isHidden())
        JvXPBtnSearchClick();
    if (Panel1->isHidden())
        return; // the field being edited refused to be left
    BtnActivate(label, button);
    ncbSearch->setText(text);
    ExactSearch = exact;
    UseWhereClause = false;
    SearchCountdown = 0;
    HttpGetSearchInfo(0);
}

void TAxKelvaro::TSLbNVOClick()
{
    BtnActivate(TSLbNVO, TSNVO);
}

void TAxKelvaro::TSLbImmatClick()
{
    BtnActivate(TSLbImmat, TSImmat);
}

void TAxKelvaro::TSLbClientClick()
{
    BtnActivate(TSLbClient, TSClient);
}

void TAxKelvaro::TSLbTelephoneClick()
{
    BtnActivate(TSLbTelephone, TSTelephone);
}

void TAxKelvaro::TSLbMobileClick()
{
    BtnActivate(TSLbMobile, TSMobile);
}

void TAxKelvaro::TSVClick()
{
    ncbSearch->setFocus();
}

void TAxKelvaro::LbSearchClick()
{
    ExactSearch = !ExactSearch;
    SearchCountdown = 1;
}

void TAxKelvaro::ncbSearchChange(ControlFace&)
{
    UseWhereClause = false;
    SearchCountdown = 4;
}

void TAxKelvaro::ncbSiteChange(ControlFace&)
{
    UseWhereClause = false;
    SearchCountdown = 2;
}

void TAxKelvaro::ncbTypeVOChange(ControlFace&)
{
    UseWhereClause = false;
    SearchCountdown = 2;
}

void TAxKelvaro::JvXPBtnSearchPlusClick()
{
    HttpGetSearchInfo(50);
}

void TAxKelvaro::enablePaging(int row)
{
    JvXPNext->setEnabled(row < ngSearch->rowCount() - 1);
    JvXPPrev->setEnabled(row > 0);
}

void TAxKelvaro::ngSearchCellClick(int, int row)
{
    if (row < 0 || row >= ngSearch->rowCount() || !commitFocusedControl())
        return;
    // Pending edits of the record shown are saved first, as when the page changes; a record that
    // cannot be saved stays on screen. A new record that was never saved is dropped.
    if (!FlagNewEnreg && !saveBeforeLeaving())
        return;
    const QString id = ngSearch->cell(0, row);
    if (isClientKind(RecordKind))
        LbIDCustomer->setText(id);
    else
        LbIdTVO->setText(id);
    FlagNewEnreg = false;
    JvXPBtnActualizeClick();
    enablePaging(row);
}

void TAxKelvaro::ngSearchMouseMove(int, int y)
{
    // The grid takes the focus as the pointer passes over it, but never from a field that has
    // just refused to be left.
    QWidget* focused = focusWidget();
    if (!ngSearch->hasFocus() && !(focused && focused == RefusedExit) && commitFocusedControl())
        ngSearch->setFocus();
    const int row = ngSearch->rowAt(y);
    if (row < 0 || row >= ngSearch->rowCount())
        return;
    ngSearch->selectCell(std::max(ngSearch->selectedColumn(), 2), row);
    enablePaging(row);
}

void TAxKelvaro::ngSearchCellFormating(int column, int, CellFormat& format)
{
    if (column == SearchKeyColumn)
        format.fontColor = kHighlighted;
}

namespace {
void stepTo(TAxKelvaro& w, int row)
{
    if (row < 0 || row >= w.ngSearch->rowCount())
        return;
    w.ngSearch->selectCell(std::max(w.ngSearch->selectedColumn(), 2), row);
    w.ngSearchCellClick(0, row);
}
} // namespace

void TAxKelvaro::JvXPNextClick()
{
    if (commitFocusedControl())
        stepTo(*this, ngSearch->selectedRow() + 1);
}

void TAxKelvaro::JvXPPrevClick()
{
    if (commitFocusedControl())
        stepTo(*this, ngSearch->selectedRow() - 1);
}
