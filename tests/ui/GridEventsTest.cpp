// The grid's events as its handlers expect them, in order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "tests/ui/QtPrinting.h"
#include "ui/PictureList.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/DatePicker.h"
#include "ui/grid/DataGrid.h"

namespace {
using namespace columnoption;

constexpr unsigned kEdit = Clickable | Input | Editable;

class GridEvents : public testing::Test {
protected:
    GridEvents()
    {
        window_.resize(500, 300);
        grid_ = new DataGrid(&window_);
        grid_->setGeometry(0, 0, 500, 300);
        grid_->setImageList(&images_);
        grid_->addColumn({.name = "Image",
                          .kind = ColumnKind::Image,
                          .options = Clickable,
                          .width = 22,
                          .defaultValue = "0"});
        grid_->addColumn({.name = "Texte", .kind = ColumnKind::Text, .options = kEdit});
        grid_->addColumn({.name = "Date", .kind = ColumnKind::Date, .options = kEdit});
        grid_->addColumn({.name = "Liste",
                          .kind = ColumnKind::ComboBox,
                          .options = kEdit,
                          .items = {"fixe", "interne", "externe"},
                          .pickList = true});
        grid_->addColumn(
            {.name = "Montant", .kind = ColumnKind::Number, .options = kEdit, .decimals = 2});
        grid_->addColumn({.name = "Id", .kind = ColumnKind::Text, .options = 0});
        grid_->addColumn({.name = "Memo", .kind = ColumnKind::Memo, .options = kEdit});
        for (int r = 0; r < 3; ++r) {
            grid_->addRow();
            grid_->setCell(1, r, QString("ligne %1").arg(r));
            grid_->setCell(5, r, QString::number(100 + r));
        }
        record();
        window_.show();
        window_.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window_));
        grid_->setFocus();
    }

    void record()
    {
        grid_->onEdit = [this](int c, int r, const QString& t) {
            log("edit", c, r, " " + t.toStdString());
        };
        grid_->onEditAccept = [this](int c, int r, const QString& t, bool& accept) {
            log("accept", c, r, " " + t.toStdString());
            accept = acceptEdits_;
        };
        grid_->onCellChange = [this](int c, int r) { log("change", c, r); };
        grid_->onAfterEdit = [this](int c, int r) { log("after", c, r); };
        grid_->onBeforeSelect = [this](int c, int r, bool& accept) {
            log("before", c, r);
            accept = acceptMoves_;
        };
        grid_->onSelectCell = [this](int c, int r) { log("select", c, r); };
        grid_->onCellClick = [this](int c, int r) { log("click", c, r); };
    }

    void log(const char* event, int c, int r, const std::string& more = {})
    {
        events_.push_back(std::string(event) + " " + std::to_string(c) + "," + std::to_string(r) +
                          more);
    }

    void click(int column, int row)
    {
        QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {},
                          grid_->cellRect(column, row).center());
    }

    QWidget window_;
    PictureList images_;
    DataGrid* grid_ = nullptr;
    std::vector<std::string> events_;
    bool acceptEdits_ = true;
    bool acceptMoves_ = true;
};

using Events = std::vector<std::string>;
} // namespace

TEST_F(GridEvents, EditingAndCommittingACellRaisesEditAcceptChangeAfterEdit)
{
    grid_->selectCell(1, 0);
    EXPECT_TRUE(events_.empty());
    QTest::keyClick(grid_, Qt::Key_Return);
    ASSERT_TRUE(grid_->isEditing());
    auto* editor = qobject_cast<QLineEdit*>(grid_->cellEditor());
    ASSERT_TRUE(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "ab");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(events_,
              (Events{"edit 1,0 a", "edit 1,0 ab", "accept 1,0 ab", "change 1,0", "after 1,0"}));
    EXPECT_EQ(grid_->cell(1, 0), "ab");
    EXPECT_FALSE(grid_->isEditing());
    // Enter does not move the selection.
    EXPECT_EQ(grid_->selectedRow(), 0);
}

TEST_F(GridEvents, ARefusedTextIsNotTaken)
{
    acceptEdits_ = false;
    grid_->selectCell(1, 1);
    QTest::keyClick(grid_, Qt::Key_Z);
    ASSERT_TRUE(grid_->isEditing());
    QTest::keyClick(grid_->cellEditor(), Qt::Key_Return);
    EXPECT_EQ(events_, (Events{"edit 1,1 z", "accept 1,1 z", "after 1,1"}));
    EXPECT_EQ(grid_->cell(1, 1), "ligne 1");
}

TEST_F(GridEvents, ACommandsCommitKeepsARefusedEditorOpen)
{
    grid_->selectCell(1, 1);
    QTest::keyClick(grid_, Qt::Key_Z);
    acceptEdits_ = false;
    EXPECT_FALSE(grid_->commitEditingForCommand());
    EXPECT_TRUE(grid_->isEditing());
    acceptEdits_ = true;
    EXPECT_TRUE(grid_->commitEditingForCommand());
    EXPECT_EQ(events_,
              (Events{"edit 1,1 z", "accept 1,1 z", "accept 1,1 z", "change 1,1", "after 1,1"}));
}

TEST_F(GridEvents, AClickWhoseCommitReloadedTheRowsGoesNoFurther)
{
    grid_->onCellChange = [this](int, int) {
        grid_->clearRows();
        grid_->setRowCount(3);
    };
    grid_->selectCell(1, 0);
    QTest::keyClick(grid_, Qt::Key_Y);
    click(0, 2);
    EXPECT_EQ(grid_->selectedRow(), -1);
    EXPECT_EQ(events_, (Events{"edit 1,0 y", "accept 1,0 y", "after 1,0"}));
}

TEST_F(GridEvents, EscapeClosesTheEditorWithoutAcceptOrChange)
{
    grid_->selectCell(1, 2);
    QTest::keyClick(grid_, Qt::Key_F2);
    QTest::keyClicks(grid_->cellEditor(), "x");
    QTest::keyClick(grid_->cellEditor(), Qt::Key_Escape);
    EXPECT_EQ(events_, (Events{"edit 1,2 ligne 2x", "after 1,2"}));
    EXPECT_EQ(grid_->cell(1, 2), "ligne 2");
}

TEST_F(GridEvents, AnUnchangedCommitRaisesNoChange)
{
    grid_->selectCell(1, 0);
    QTest::keyClick(grid_, Qt::Key_Return);
    QTest::keyClick(grid_->cellEditor(), Qt::Key_Return);
    EXPECT_EQ(events_, (Events{"accept 1,0 ligne 0", "after 1,0"}));
}

TEST_F(GridEvents, AClickMovesTheSelectionThroughBeforeSelectThenClicks)
{
    click(1, 2);
    EXPECT_EQ(events_, (Events{"before 1,2", "select 1,2", "click 1,2"}));
    EXPECT_EQ(grid_->selectedRow(), 2);
    EXPECT_FALSE(grid_->isEditing());
    // A second click on the selected cell opens its editor.
    events_.clear();
    click(1, 2);
    EXPECT_EQ(events_, (Events{"click 1,2"}));
    EXPECT_TRUE(grid_->isEditing());
}

TEST_F(GridEvents, BeforeSelectCanRefuseTheMove)
{
    grid_->selectCell(1, 0);
    acceptMoves_ = false;
    click(1, 2);
    QTest::keyClick(grid_, Qt::Key_Down);
    EXPECT_EQ(events_, (Events{"before 1,2", "before 1,1"}));
    EXPECT_EQ(grid_->selectedRow(), 0);
    EXPECT_EQ(grid_->selectedColumn(), 1);
}

TEST_F(GridEvents, MovingAwayCommitsTheEditFirst)
{
    grid_->selectCell(1, 0);
    QTest::keyClick(grid_, Qt::Key_Q);
    QTest::keyClick(grid_->cellEditor(), Qt::Key_Down);
    EXPECT_EQ(events_, (Events{"edit 1,0 q", "accept 1,0 q", "change 1,0", "after 1,0",
                               "before 1,1", "select 1,1"}));
    EXPECT_EQ(grid_->selectedRow(), 1);
}

TEST_F(GridEvents, LeavingTheGridCommitsTheEditAndKeepsTheFocusWhereTheUserPutIt)
{
    auto* other = new QLineEdit(&window_);
    other->move(0, 280);
    other->show();
    grid_->selectCell(1, 0);
    QTest::keyClick(grid_, Qt::Key_K);
    ASSERT_TRUE(grid_->cellEditor()->hasFocus());
    other->setFocus();
    EXPECT_EQ(events_, (Events{"edit 1,0 k", "accept 1,0 k", "change 1,0", "after 1,0"}));
    EXPECT_FALSE(grid_->isEditing());
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(GridEvents, TabMovesToTheNextCellWhenTheGridTakesTheKeys)
{
    GridStyle style = grid_->style();
    style.wantKeys = true;
    grid_->setStyle(style);
    grid_->selectCell(1, 0);
    QTest::keyClick(grid_, Qt::Key_Tab);
    EXPECT_EQ(events_, (Events{"before 2,0", "select 2,0"}));
    EXPECT_TRUE(grid_->hasFocus());
}

TEST_F(GridEvents, TheKeyPressSlotSeesTheGridsKeysAndMayDiscardThem)
{
    std::string keys;
    grid_->onKeyPress = [&](ControlFace&, QChar& key) {
        keys += key.toLatin1();
        if (key == QChar(13))
            key = QChar(0);
    };
    grid_->selectCell(1, 0);
    QTest::keyClick(grid_, Qt::Key_Return);
    EXPECT_FALSE(grid_->isEditing());
    QTest::keyClick(grid_, Qt::Key_W);
    ASSERT_TRUE(grid_->isEditing());
    // In the editor too: Enter does not commit.
    QTest::keyClick(grid_->cellEditor(), Qt::Key_Return);
    EXPECT_TRUE(grid_->isEditing());
    EXPECT_EQ(keys, "\rw\r");
}

TEST_F(GridEvents, ColumnsWithoutEditorAndDisabledColumnsStayClosed)
{
    grid_->selectCell(5, 0);
    QTest::keyClick(grid_, Qt::Key_Return);
    EXPECT_FALSE(grid_->isEditing());
    grid_->setColumnEnabled(1, false);
    grid_->selectCell(1, 0);
    QTest::keyClick(grid_, Qt::Key_Return);
    EXPECT_FALSE(grid_->isEditing());
    grid_->setColumnEnabled(1, true);
    EXPECT_TRUE(grid_->startEditing(1, 0));
}

TEST_F(GridEvents, EachColumnKindHasItsEditor)
{
    ASSERT_TRUE(grid_->startEditing(2, 0));
    EXPECT_TRUE(dynamic_cast<DatePicker*>(grid_->cellEditor()));
    ASSERT_TRUE(grid_->startEditing(3, 0));
    auto* list = dynamic_cast<ComboBox*>(grid_->cellEditor());
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->isPickList());
    EXPECT_EQ(list->items(), QStringList({"fixe", "interne", "externe"}));
    ASSERT_TRUE(grid_->startEditing(6, 0));
    EXPECT_TRUE(qobject_cast<QPlainTextEdit*>(grid_->cellEditor()));
    ASSERT_TRUE(grid_->startEditing(4, 0));
    auto* number = qobject_cast<QLineEdit*>(grid_->cellEditor());
    ASSERT_TRUE(number);
    number->clear();
    QTest::keyClicks(number, "-1a2.5");
    EXPECT_EQ(number->text(), "-12.5");
}

TEST_F(GridEvents, PickingAnItemOfAListCommitsIt)
{
    ASSERT_TRUE(grid_->startEditing(3, 1));
    auto* list = dynamic_cast<ComboBox*>(grid_->cellEditor());
    list->setCurrentIndex(2);
    Q_EMIT list->activated(2);
    EXPECT_EQ(events_,
              (Events{"edit 3,1 externe", "accept 3,1 externe", "change 3,1", "after 3,1"}));
    EXPECT_EQ(grid_->cell(3, 1), "externe");
}

TEST_F(GridEvents, CellFormattingChoosesColoursWithTheSelectedState)
{
    grid_->selectCell(1, 1);
    std::vector<std::pair<int, bool>> seen;
    grid_->onCellFormatting = [&](int c, int r, CellFormat& format) {
        if (c == 1)
            seen.emplace_back(r, format.selected);
        if (!format.selected)
            format.fontColor = 255;
    };
    const QImage picture = grid_->grab().toImage();
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::make_pair(0, false));
    EXPECT_EQ(seen[1], std::make_pair(1, true));
    // The red text of the cells that are not selected is drawn.
    const QRect cell = grid_->cellRect(1, 0);
    bool red = false;
    for (int x = cell.left(); x <= cell.right() && !red; ++x)
        for (int y = cell.top(); y <= cell.bottom() && !red; ++y)
            red = picture.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_TRUE(red);
}

TEST_F(GridEvents, RowsAndCellsSetByTheProgramRaiseNoEvent)
{
    const int row = grid_->addRow();
    EXPECT_EQ(row, 3);
    EXPECT_EQ(grid_->cell(0, row), "0");
    grid_->setCell(1, row, "nouvelle");
    grid_->insertRow(0);
    EXPECT_EQ(grid_->cell(1, 4), "nouvelle");
    grid_->deleteRow(0);
    EXPECT_EQ(grid_->rowCount(), 4);
    grid_->selectCell(1, 3);
    grid_->setCellColor(1, 3, 0xFFFFFF);
    grid_->setCellHint(0, 3, "pour supprimer ce Frevo");
    EXPECT_EQ(grid_->cellColor(1, 3), 0xFFFFFFu);
    EXPECT_EQ(grid_->cellHint(0, 3), "pour supprimer ce Frevo");
    EXPECT_TRUE(events_.empty());
    grid_->clearRows();
    EXPECT_EQ(grid_->rowCount(), 0);
    EXPECT_EQ(grid_->selectedRow(), -1);
}

TEST_F(GridEvents, AHeaderClickSortsTheSortableColumnAndReportsTheOrder)
{
    grid_->setColumnSortKind(5, SortKind::Numeric);
    grid_->setCell(5, 0, "30");
    grid_->setCell(5, 1, "4");
    grid_->setCell(5, 2, "100");
    GridColumn sortable{.name = "Tri", .kind = ColumnKind::Text, .options = Sortable};
    const int column = grid_->addColumn(sortable);
    for (int r = 0; r < 3; ++r)
        grid_->setCell(column, r, grid_->cell(5, r));
    grid_->setColumnSortKind(column, SortKind::Numeric);
    std::vector<int> order;
    grid_->onRowsSorted = [&](const std::vector<int>& o) { order = o; };
    grid_->selectCell(1, 2);
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, grid_->headerRect(column).center());
    EXPECT_EQ(order, (std::vector<int>{1, 0, 2}));
    EXPECT_EQ(grid_->cell(column, 0), "4");
    EXPECT_EQ(grid_->selectedRow(), 2);
    // A second click reverses the order; columns that are not sortable do not sort.
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, grid_->headerRect(column).center());
    EXPECT_EQ(grid_->cell(column, 0), "100");
    order.clear();
    QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, grid_->headerRect(5).center());
    EXPECT_TRUE(order.empty());
}

TEST(GridCards, CellsLieAtTheirPlacesInEachCard)
{
    QWidget window;
    auto* grid = new DataGrid(&window);
    grid->setGeometry(0, 0, 800, 265);
    GridStyle style;
    style.cards = true;
    style.cardHeight = 66;
    style.header = false;
    grid->setStyle(style);
    grid->addColumn({.name = "NxImage",
                     .kind = ColumnKind::Image,
                     .options = Clickable,
                     .width = 22,
                     .place = QRect(4, 4, 16, 16)});
    grid->addColumn({.name = "idCom",
                     .kind = ColumnKind::ComboBox,
                     .options = Clickable,
                     .width = 176,
                     .place = QRect(24, 19, 176, 15)});
    grid->addColumn({.name = "Commentaire",
                     .kind = ColumnKind::Memo,
                     .options = Clickable,
                     .width = 70,
                     .place = QRect(202, 4, 400, 59)});
    grid->setRowCount(3);
    window.show();
    EXPECT_EQ(grid->cellRect(1, 0), QRect(24, 19, 176, 15));
    EXPECT_EQ(grid->cellRect(1, 2), QRect(24, 19 + 2 * 66, 176, 15));
    EXPECT_EQ(grid->cellRect(2, 1), QRect(202, 70, 400, 59));
    std::vector<std::pair<int, int>> clicks;
    grid->onCellClick = [&](int c, int r) { clicks.emplace_back(c, r); };
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(30, 66 + 25));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(300, 2 * 66 + 30));
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{1, 1}, {2, 2}}));
    EXPECT_EQ(grid->rowAt(66 * 2 + 1), 2);
}
