#include "ui/layout/GridColumns.h"

#include <initializer_list>

#include "ui/grid/DataGrid.h"

namespace {
using namespace columnoption;
using CK = ColumnKind;

constexpr unsigned kGridLines = 11986918;
constexpr unsigned kEditing = Clickable | Input | Sortable | Editable | FullTextHint;
// Columns of the result grids: clickable and sortable, never edited.
constexpr unsigned kBrowsing = Clickable | Input | Sortable | FullTextHint;

void addColumns(DataGrid& grid, std::initializer_list<GridColumn> columns)
{
    for (const GridColumn& column : columns)
        grid.addColumn(column);
}

GridColumn image(const char* name, int width, unsigned options, QRect place = {})
{
    GridColumn c{.name = name, .kind = CK::Image, .options = options, .width = width};
    c.defaultValue = QStringLiteral("0");
    c.sortKind = SortKind::Numeric;
    c.alignment = Qt::AlignCenter;
    c.place = place;
    c.handCursor = true;
    return c;
}

GridColumn column(const char* name, CK kind, int width, unsigned options, QRect place = {})
{
    GridColumn c{.name = name, .kind = kind, .options = options, .width = width};
    c.place = place;
    if (kind == CK::Date)
        c.sortKind = SortKind::Date;
    return c;
}

// Combo box columns of the actions: a salesperson's name, or a text of a choice list.
GridColumn choice(const char* name, QRect place, bool pickList, unsigned options, int dropDown,
                  int listWidth)
{
    GridColumn c = column(name, CK::ComboBox, place.width(), options, place);
    c.pickList = pickList;
    c.dropDownCount = dropDown;
    c.listWidth = listWidth;
    c.autoComplete = true;
    return c;
}

QRect at(int left, int top, int width, int height = 15)
{
    return QRect(left, top, width, height);
}
} // namespace

void setUpFrevoGrid(DataGrid& grid, const PictureList* images)
{
    GridStyle style;
    style.rowHeight = 18;
    style.gridLineColor = kGridLines;
    style.hideSelectionWithoutFocus = true;
    style.wantKeys = true;
    grid.setStyle(style);
    grid.setImageList(images);
    QFont f = grid.font();
    f.setPixelSize(13);
    grid.setFont(f);

    GridColumn date = column("DateFrevo", CK::Date, 116, kEditing);
    date.defaultValue = QStringLiteral("23/06/2009");
    GridColumn label = column("LibelleFrevo", CK::ComboBox, 80, kEditing);
    label.maxLength = 50;
    GridColumn account = column("NComptable", CK::Text, 80, kEditing);
    account.maxLength = 10;
    GridColumn supplier = column("NomFournisseur", CK::ComboBox, 194,
                                 FillsWidth | Clickable | Input | Sortable | Editable);
    supplier.maxLength = 20;
    GridColumn invoice = column("NFacture", CK::Text, 80, kEditing);
    invoice.maxLength = 10;
    GridColumn type =
        column("TypeFrevo", CK::ComboBox, 80, Clickable | Input | Editable | FullTextHint);
    GridColumn amount =
        column("MontantHT", CK::Number, 80, Clickable | Input | Sortable | Editable | SelectOnEdit);
    amount.decimals = 2;
    amount.groupThousands = true;
    amount.sortKind = SortKind::Numeric;
    amount.defaultValue = QStringLiteral("0");
    amount.alignment = Qt::AlignRight | Qt::AlignVCenter;
    // The columns from the date on are written one size smaller than the grid.
    for (GridColumn* c : {&date, &label, &account, &supplier, &invoice, &type, &amount})
        c->fontPixelSize = 12;
    addColumns(grid, {image("IconColumn", 22, Clickable | Input | Sortable | Fixed),
                      column("idFrevo", CK::Text, 80, 0), date, label, account, supplier, invoice,
                      type, amount});
}

void setUpActionGrid(DataGrid& grid, const PictureList* images)
{
    GridStyle style;
    style.cards = true;
    style.cardHeight = 66;
    style.rowHeight = 36;
    style.header = false;
    style.gridLineColor = kGridLines;
    style.selectedCardColor = color::HotLight;
    style.boldSelectedText = true;
    style.wantKeys = true;
    grid.setStyle(style);
    grid.setImageList(images);

    GridColumn id = column("idAction", CK::Text, 64, 0, at(208, 4, 64));
    id.color = color::White;
    id.fontColor = color::Window;
    GridColumn date = column("DateAction", CK::Date, 96, kEditing, at(25, 4, 96));
    date.defaultValue = QStringLiteral("20/05/2010");
    GridColumn comment =
        column("CommentaireAction", CK::Memo, 70, FillsWidth | kEditing, at(202, 4, 400, 59));
    comment.wordWrap = true;
    comment.alignment = Qt::AlignLeft | Qt::AlignTop;
    GridColumn followUp = column("DateRelance", CK::Date, 88, kEditing, at(604, 4, 88));
    followUp.defaultValue = QStringLiteral("20/05/2010");
    const unsigned subject = Clickable | Input | Editable | SelectOnEdit | FullTextHint;
    addColumns(grid, {image("NxImage", 22, Clickable | Input | Sortable | Fixed, at(4, 4, 16, 16)),
                      id, date, choice("idCom", at(24, 19, 176), false, kEditing, 16, 190),
                      choice("TypeAction", at(24, 34, 176), true, kEditing | SelectOnEdit, 10, 200),
                      choice("SujetAction", at(24, 49, 176), true, subject, 20, 0), comment,
                      followUp, choice("idComRelance", at(604, 19, 168), false, kEditing, 16, 190),
                      choice("SujetRelance", at(604, 34, 168), true, subject, 20, 0),
                      choice("PrioriteRelance", at(604, 49, 168), true, kEditing, 8, 0)});
}

void setUpVehicleGrid(DataGrid& grid, const PictureList* images)
{
    GridStyle style;
    style.cards = true;
    style.cardHeight = 60;
    style.header = false;
    style.ignoreKeyboard = true;
    style.selectedCardColor = color::HotLight;
    style.inactiveSelectionColor = color::GrayText;
    grid.setStyle(style);
    grid.setImageList(images);

    GridColumn immat = column("cvInfoImmat", CK::Text, 90, kBrowsing, at(32, 5, 90, 24));
    immat.alignment = Qt::AlignCenter;
    addColumns(grid, {image("cvNxImage", 20, kBrowsing, at(4, 5, 16, 16)),
                      column("cvidVehicle", CK::Text, 8, kBrowsing, at(120, 29, 8)), immat,
                      column("cvInfoVehicle", CK::Text, 220, kBrowsing, at(120, 5, 288, 24)),
                      column("cvInfoVersion", CK::Text, 80, kBrowsing, at(120, 30, 288, 24))});
}

void setUpSearchGrid(DataGrid& grid, const PictureList* images)
{
    GridStyle style;
    style.gridLinesOnActiveRowsOnly = true;
    style.wholeRowSelect = true;
    style.selectionColor = color::GradientActiveCaption;
    style.inactiveSelectionColor = color::Window;
    style.highlightTextColor = color::Purple;
    style.homeEndMoveColumns = true;
    grid.setStyle(style);
    grid.setImageList(images);

    GridColumn index = column("ngsIndex", CK::Number, 8, kBrowsing);
    index.visible = false;
    index.decimals = 0;
    index.defaultValue = QStringLiteral("0");
    auto info = [](const char* name, int width, const char* caption) {
        GridColumn c = column(name, CK::Text, width, kBrowsing);
        c.caption = QString::fromUtf8(caption);
        return c;
    };
    addColumns(grid, {index, image("ngsImage", 20, kBrowsing), info("ngsInfo1", 100, "N°VO"),
                      info("ngsInfo2", 80, "D.Ordre"), info("ngsInfo3", 80, "Immat."),
                      info("ngsInfo4", 150, "Véhicule"), info("ngsInfo5", 200, "Client")});
    grid.setSortedColumn(2);
}
