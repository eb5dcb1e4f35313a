// The four grids of the window as designed: columns, kinds, widths, options and card places.
#include <gtest/gtest.h>

#include "tests/support/WindowHarness.h"
#include "tests/ui/QtPrinting.h"
#include "ui/TAxKelvaro.h"
#include "ui/grid/DataGrid.h"

namespace {
using namespace columnoption;
using CK = ColumnKind;

struct ColumnCase {
    const char* name;
    CK kind;
    int width;
    unsigned options; // the options that must be set
    unsigned absent;  // the options that must not be set
    const char* defaultValue;
};

constexpr unsigned kEdit = Clickable | Input | Sortable | Editable | FullTextHint;

const ColumnCase kFrevo[] = {
    {"IconColumn", CK::Image, 22, Clickable | Input | Sortable | Fixed, Editable, "0"},
    {"idFrevo", CK::Text, 80, 0, Editable | Clickable, ""},
    {"DateFrevo", CK::Date, 116, kEdit, 0, "23/06/2009"},
    {"LibelleFrevo", CK::ComboBox, 80, kEdit, 0, ""},
    {"NComptable", CK::Text, 80, kEdit, 0, ""},
    {"NomFournisseur", CK::ComboBox, 194, FillsWidth | Clickable | Input | Sortable | Editable,
     FullTextHint, ""},
    {"NFacture", CK::Text, 80, kEdit, 0, ""},
    {"TypeFrevo", CK::ComboBox, 80, Clickable | Input | Editable | FullTextHint, Sortable, ""},
    {"MontantHT", CK::Number, 80, Clickable | Input | Sortable | Editable | SelectOnEdit, 0, "0"},
};

const ColumnCase kAction[] = {
    {"NxImage", CK::Image, 22, Clickable | Input | Sortable | Fixed, Editable, "0"},
    {"idAction", CK::Text, 64, 0, Editable, ""},
    {"DateAction", CK::Date, 96, kEdit, 0, "20/05/2010"},
    {"idCom", CK::ComboBox, 176, kEdit, 0, ""},
    {"TypeAction", CK::ComboBox, 176, kEdit | SelectOnEdit, 0, ""},
    {"SujetAction", CK::ComboBox, 176, Clickable | Input | Editable | SelectOnEdit | FullTextHint,
     Sortable, ""},
    {"CommentaireAction", CK::Memo, 70, FillsWidth | kEdit, 0, ""},
    {"DateRelance", CK::Date, 88, kEdit, 0, "20/05/2010"},
    {"idComRelance", CK::ComboBox, 168, kEdit, 0, ""},
    {"SujetRelance", CK::ComboBox, 168, Clickable | Input | Editable | SelectOnEdit, Sortable, ""},
    {"PrioriteRelance", CK::ComboBox, 168, kEdit, 0, ""},
};

const ColumnCase kVehicles[] = {
    {"cvNxImage", CK::Image, 20, Clickable, Editable, "0"},
    {"cvidVehicle", CK::Text, 8, Clickable, Editable, ""},
    {"cvInfoImmat", CK::Text, 90, Clickable, Editable, ""},
    {"cvInfoVehicle", CK::Text, 220, Clickable, Editable, ""},
    {"cvInfoVersion", CK::Text, 80, Clickable, Editable, ""},
};

const ColumnCase kSearch[] = {
    {"ngsIndex", CK::Number, 8, Clickable, Editable, "0"},
    {"ngsImage", CK::Image, 20, Clickable, Editable, "0"},
    {"ngsInfo1", CK::Text, 100, Clickable, Editable, ""},
    {"ngsInfo2", CK::Text, 80, Clickable, Editable, ""},
    {"ngsInfo3", CK::Text, 80, Clickable, Editable, ""},
    {"ngsInfo4", CK::Text, 150, Clickable, Editable, ""},
    {"ngsInfo5", CK::Text, 200, Clickable, Editable, ""},
};

template <std::size_t N> void expectColumns(const DataGrid& grid, const ColumnCase (&cases)[N])
{
    ASSERT_EQ(grid.columnCount(), int(N));
    for (int i = 0; i < int(N); ++i) {
        const GridColumn& c = grid.column(i);
        const ColumnCase& e = cases[i];
        EXPECT_EQ(c.name, e.name);
        EXPECT_EQ(c.kind, e.kind) << e.name;
        EXPECT_EQ(c.width, e.width) << e.name;
        EXPECT_EQ(c.options & e.options, e.options) << e.name;
        EXPECT_EQ(c.options & e.absent, 0u) << e.name;
        EXPECT_EQ(c.defaultValue, e.defaultValue) << e.name;
        EXPECT_EQ(grid.columnIndex(e.name), i);
    }
}

struct Place {
    const char* name;
    QRect place;
};
} // namespace

TEST(DesignedGrids, ColumnsAreThoseOfTheDesign)
{
    WindowHarness harness;
    TAxKelvaro& w = harness.window();
    expectColumns(*w.ngFrevo, kFrevo);
    expectColumns(*w.ngAction, kAction);
    expectColumns(*w.ngVehicles, kVehicles);
    expectColumns(*w.ngSearch, kSearch);
    EXPECT_EQ(w.ngFrevo->column(3).maxLength, 50);
    EXPECT_EQ(w.ngFrevo->column(4).maxLength, 10);
    EXPECT_EQ(w.ngFrevo->column(5).maxLength, 20);
    EXPECT_EQ(w.ngFrevo->column(8).decimals, 2);
    EXPECT_TRUE(w.ngFrevo->column(0).handCursor);
    EXPECT_EQ(w.ngAction->column(3).dropDownCount, 16);
    EXPECT_EQ(w.ngAction->column(3).listWidth, 190);
    EXPECT_EQ(w.ngAction->column(4).dropDownCount, 10);
    EXPECT_EQ(w.ngAction->column(4).listWidth, 200);
    EXPECT_EQ(w.ngAction->column(5).dropDownCount, 20);
    EXPECT_TRUE(w.ngAction->column(4).pickList);
    EXPECT_FALSE(w.ngAction->column(3).pickList);
    EXPECT_TRUE(w.ngAction->column(6).wordWrap);
    EXPECT_EQ(w.ngAction->column(1).color, color::White);
    EXPECT_FALSE(w.ngSearch->column(0).visible);
}

TEST(DesignedGrids, LooksAreThoseOfTheDesign)
{
    WindowHarness harness;
    TAxKelvaro& w = harness.window();
    const GridStyle& frevo = w.ngFrevo->style();
    EXPECT_FALSE(frevo.cards);
    EXPECT_TRUE(frevo.header);
    EXPECT_EQ(frevo.rowHeight, 18);
    EXPECT_EQ(frevo.gridLineColor, 11986918u);
    EXPECT_EQ(frevo.selectionColor, color::SkyBlue);
    EXPECT_TRUE(frevo.hideSelectionWithoutFocus);
    EXPECT_FALSE(frevo.enterMovesSelection);
    EXPECT_TRUE(frevo.wantKeys);
    EXPECT_EQ(w.ngFrevo->font().pixelSize(), 13);
    EXPECT_EQ(w.ngFrevo->column(2).fontPixelSize, 12);

    const GridStyle& action = w.ngAction->style();
    EXPECT_TRUE(action.cards);
    EXPECT_EQ(action.cardHeight, 66);
    EXPECT_EQ(action.selectedCardColor, color::HotLight);
    EXPECT_TRUE(action.boldSelectedText);
    EXPECT_TRUE(action.wantKeys);

    const GridStyle& vehicles = w.ngVehicles->style();
    EXPECT_TRUE(vehicles.cards);
    EXPECT_EQ(vehicles.cardHeight, 60);
    EXPECT_TRUE(vehicles.ignoreKeyboard);

    const GridStyle& search = w.ngSearch->style();
    EXPECT_TRUE(search.header);
    EXPECT_TRUE(search.wholeRowSelect);
    EXPECT_TRUE(search.gridLinesOnActiveRowsOnly);
    EXPECT_EQ(search.selectionColor, color::GradientActiveCaption);
    EXPECT_EQ(search.inactiveSelectionColor, color::Window);
    EXPECT_EQ(search.highlightTextColor, color::Purple);
    EXPECT_TRUE(search.homeEndMoveColumns);
    EXPECT_EQ(w.ngSearch->sortedColumn(), 2);
    const char* captions[] = {"N°VO", "D.Ordre", "Immat.", "Véhicule", "Client"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w.ngSearch->column(i + 2).caption, QString::fromUtf8(captions[i]));
}

TEST(DesignedGrids, CardCellsLieAtTheirPlaces)
{
    WindowHarness harness;
    TAxKelvaro& w = harness.window();
    w.ngAction->setRowCount(2);
    w.ngVehicles->setRowCount(2);
    const Place actions[] = {
        {"NxImage", QRect(4, 4, 16, 16)},          {"DateAction", QRect(25, 4, 96, 15)},
        {"idCom", QRect(24, 19, 176, 15)},         {"TypeAction", QRect(24, 34, 176, 15)},
        {"SujetAction", QRect(24, 49, 176, 15)},   {"CommentaireAction", QRect(202, 4, 400, 59)},
        {"DateRelance", QRect(604, 4, 88, 15)},    {"idComRelance", QRect(604, 19, 168, 15)},
        {"SujetRelance", QRect(604, 34, 168, 15)}, {"PrioriteRelance", QRect(604, 49, 168, 15)},
        {"idAction", QRect(208, 4, 64, 15)},
    };
    for (const Place& p : actions)
        EXPECT_EQ(w.ngAction->cellRect(w.ngAction->columnIndex(p.name), 1),
                  p.place.translated(0, 66))
            << p.name;
    const Place vehicles[] = {
        {"cvNxImage", QRect(4, 5, 16, 16)},
        {"cvInfoImmat", QRect(32, 5, 90, 24)},
        {"cvInfoVehicle", QRect(120, 5, 288, 24)},
        {"cvInfoVersion", QRect(120, 30, 288, 24)},
    };
    for (const Place& p : vehicles)
        EXPECT_EQ(w.ngVehicles->cellRect(w.ngVehicles->columnIndex(p.name), 1),
                  p.place.translated(0, 60))
            << p.name;
}
