#include "ui/grid/DataGrid.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include <QDate>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>

DataGrid::DataGrid(QWidget* parent)
    : Control<QAbstractScrollArea>(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setColor(color::Window);
}

DataGrid::~DataGrid() = default;

QString DataGrid::text() const
{
    return cell(selectedColumn_, selectedRow_);
}

void DataGrid::setText(const QString& text)
{
    setCell(selectedColumn_, selectedRow_, text);
}

void DataGrid::setStyle(const GridStyle& style)
{
    style_ = style;
    updateScrollRange();
    viewport()->update();
}

void DataGrid::setImageList(const PictureList* images)
{
    images_ = images;
    viewport()->update();
}

// ---- Columns ----

int DataGrid::addColumn(const GridColumn& column)
{
    columns_.push_back(column);
    for (auto& row : rows_)
        row.push_back(Cell{column.defaultValue});
    viewport()->update();
    return columnCount() - 1;
}

int DataGrid::columnIndex(const QString& name) const
{
    for (int i = 0; i < columnCount(); ++i)
        if (columns_[std::size_t(i)].name == name)
            return i;
    return -1;
}

void DataGrid::setColumnCaption(int index, const QString& caption)
{
    if (index >= 0 && index < columnCount()) {
        columns_[std::size_t(index)].caption = caption;
        viewport()->update();
    }
}

void DataGrid::setColumnWidth(int index, int width)
{
    if (index >= 0 && index < columnCount()) {
        columns_[std::size_t(index)].width = std::max(8, width);
        viewport()->update();
    }
}

void DataGrid::setColumnVisible(int index, bool visible)
{
    if (index >= 0 && index < columnCount()) {
        columns_[std::size_t(index)].visible = visible;
        viewport()->update();
    }
}

void DataGrid::setColumnEnabled(int index, bool enabled)
{
    if (index >= 0 && index < columnCount())
        columns_[std::size_t(index)].enabled = enabled;
}

void DataGrid::setColumnItems(int index, const QStringList& items)
{
    if (index >= 0 && index < columnCount())
        columns_[std::size_t(index)].items = items;
}

void DataGrid::setColumnSortKind(int index, SortKind kind)
{
    if (index >= 0 && index < columnCount())
        columns_[std::size_t(index)].sortKind = kind;
}

void DataGrid::setSortedColumn(int index, bool ascending)
{
    if (index < 0 || index >= columnCount())
        return;
    sortBy(index, ascending);
}

void DataGrid::sortAgain()
{
    if (sortColumn_ >= 0 && sortColumn_ < columnCount())
        sortBy(sortColumn_, sortAscending_);
}

int DataGrid::findRow(int column, const QString& text) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (cell(column, row) == text)
            return row;
    }
    return -1;
}

// ---- Rows and cells ----

bool DataGrid::validCell(int column, int row) const
{
    return column >= 0 && column < columnCount() && row >= 0 && row < rowCount();
}

std::vector<DataGrid::Cell> DataGrid::newRow() const
{
    std::vector<Cell> row;
    row.reserve(columns_.size());
    for (const GridColumn& column : columns_)
        row.push_back(Cell{column.defaultValue});
    return row;
}

void DataGrid::setRowCount(int count)
{
    count = std::max(0, count);
    if (count < rowCount() && isEditing() && editRow_ >= count)
        endEditing(false);
    while (rowCount() > count)
        rows_.pop_back();
    while (rowCount() < count)
        rows_.push_back(newRow());
    if (selectedRow_ >= count)
        selectedRow_ = count - 1;
    updateScrollRange();
    viewport()->update();
}

int DataGrid::addRow()
{
    rows_.push_back(newRow());
    updateScrollRange();
    viewport()->update();
    return rowCount() - 1;
}

void DataGrid::insertRow(int at)
{
    at = std::clamp(at, 0, rowCount());
    if (isEditing())
        endEditing(false);
    rows_.insert(rows_.begin() + at, newRow());
    if (selectedRow_ >= at)
        ++selectedRow_;
    updateScrollRange();
    viewport()->update();
}

void DataGrid::deleteRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    if (isEditing() && editRow_ == row)
        endEditing(false);
    rows_.erase(rows_.begin() + row);
    if (selectedRow_ > row || selectedRow_ >= rowCount())
        --selectedRow_;
    updateScrollRange();
    viewport()->update();
}

void DataGrid::clearRows()
{
    if (isEditing())
        endEditing(false);
    rows_.clear();
    ++rowsReplaced_;
    selectedRow_ = -1;
    updateScrollRange();
    viewport()->update();
}

template <class T> T DataGrid::cellField(int column, int row, T Cell::*field, T outside) const
{
    return validCell(column, row) ? rows_[std::size_t(row)][std::size_t(column)].*field : outside;
}

template <class T> void DataGrid::setCellField(int column, int row, T Cell::*field, const T& value)
{
    if (!validCell(column, row))
        return;
    rows_[std::size_t(row)][std::size_t(column)].*field = value;
    viewport()->update(cellRect(column, row));
}

QString DataGrid::cell(int column, int row) const
{
    return cellField(column, row, &Cell::text, QString());
}

void DataGrid::setCell(int column, int row, const QString& text)
{
    setCellField(column, row, &Cell::text, text);
}

unsigned DataGrid::cellColor(int column, int row) const
{
    return cellField(column, row, &Cell::color, color::None);
}

void DataGrid::setCellColor(int column, int row, unsigned value)
{
    setCellField(column, row, &Cell::color, value);
}

unsigned DataGrid::cellFontColor(int column, int row) const
{
    return cellField(column, row, &Cell::fontColor, color::None);
}

void DataGrid::setCellFontColor(int column, int row, unsigned value)
{
    setCellField(column, row, &Cell::fontColor, value);
}

QString DataGrid::cellHint(int column, int row) const
{
    return cellField(column, row, &Cell::hint, QString());
}

void DataGrid::setCellHint(int column, int row, const QString& hint)
{
    setCellField(column, row, &Cell::hint, hint);
}

// ---- Selection ----

void DataGrid::selectCell(int column, int row)
{
    selectedColumn_ = column >= 0 && column < columnCount() ? column : -1;
    selectedRow_ = row >= 0 && row < rowCount() ? row : -1;
    ensureVisible(selectedRow_);
    viewport()->update();
}

bool DataGrid::selectCellByUser(int column, int row)
{
    if (!validCell(column, row))
        return false;
    if (column == selectedColumn_ && row == selectedRow_)
        return true;
    if (isEditing())
        endEditing(true);
    bool accept = true;
    if (onBeforeSelect)
        onBeforeSelect(column, row, accept);
    if (!accept || !validCell(column, row))
        return false;
    selectedColumn_ = column;
    selectedRow_ = row;
    ensureVisible(row);
    viewport()->update();
    if (onSelectCell)
        onSelectCell(column, row);
    return true;
}

void DataGrid::beginUpdate()
{
    if (updateDepth_++ == 0)
        viewport()->setUpdatesEnabled(false);
}

void DataGrid::endUpdate()
{
    if (updateDepth_ > 0 && --updateDepth_ == 0) {
        viewport()->setUpdatesEnabled(true);
        viewport()->update();
    }
}

// ---- Sorting ----

namespace {
int compareCells(const QString& a, const QString& b, SortKind kind)
{
    switch (kind) {
    case SortKind::Numeric: {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    case SortKind::Date: {
        const QDate x = QDate::fromString(a, QStringLiteral("dd/MM/yyyy"));
        const QDate y = QDate::fromString(b, QStringLiteral("dd/MM/yyyy"));
        return x < y ? -1 : (y < x ? 1 : 0);
    }
    case SortKind::Text:
        break;
    }
    return a.compare(b);
}
} // namespace

void DataGrid::sortBy(int column, bool ascending)
{
    if (isEditing())
        endEditing(true);
    sortColumn_ = column;
    sortAscending_ = ascending;
    std::vector<int> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    const SortKind kind = columns_[std::size_t(column)].sortKind;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = compareCells(cell(column, a), cell(column, b), kind);
        return ascending ? c < 0 : c > 0;
    });
    std::vector<std::vector<Cell>> sorted;
    sorted.reserve(rows_.size());
    int selected = -1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(rows_[std::size_t(order[i])]));
        if (order[i] == selectedRow_)
            selected = int(i);
    }
    rows_ = std::move(sorted);
    selectedRow_ = selected;
    viewport()->update();
    if (onRowsSorted && !order.empty())
        onRowsSorted(order);
}

// ---- Keyboard ----

bool DataGrid::focusNextPrevChild(bool next)
{
    // Tab belongs to the grid when it takes the keys itself.
    if (style_.wantKeys)
        return false;
    return Control<QAbstractScrollArea>::focusNextPrevChild(next);
}

void DataGrid::focusInEvent(QFocusEvent* event)
{
    Control<QAbstractScrollArea>::focusInEvent(event);
    viewport()->update();
}

void DataGrid::focusOutEvent(QFocusEvent* event)
{
    Control<QAbstractScrollArea>::focusOutEvent(event);
    viewport()->update();
}

int DataGrid::nextVisibleColumn(int from, int step) const
{
    for (int c = from + step; c >= 0 && c < columnCount(); c += step)
        if (columns_[std::size_t(c)].visible)
            return c;
    return -1;
}

bool DataGrid::moveBy(int columnStep, int rowStep)
{
    if (rowCount() == 0)
        return false;
    int column = selectedColumn_ >= 0 ? selectedColumn_ : nextVisibleColumn(-1, 1);
    int row = selectedRow_ >= 0 ? selectedRow_ : 0;
    if (columnStep != 0) {
        const int next = nextVisibleColumn(column, columnStep);
        if (next < 0)
            return false;
        column = next;
    }
    row = std::clamp(row + rowStep, 0, rowCount() - 1);
    return selectCellByUser(column, row);
}

void DataGrid::handleKey(QKeyEvent* event)
{
    if (style_.ignoreKeyboard) {
        event->ignore();
        return;
    }
    const int pageRows = std::max(
        1, viewport()->height() / std::max(1, style_.cards ? style_.cardHeight : style_.rowHeight));
    switch (event->key()) {
    case Qt::Key_Up:
        moveBy(0, -1);
        break;
    case Qt::Key_Down:
        moveBy(0, 1);
        break;
    case Qt::Key_PageUp:
        moveBy(0, -pageRows);
        break;
    case Qt::Key_PageDown:
        moveBy(0, pageRows);
        break;
    case Qt::Key_Left:
        moveBy(-1, 0);
        break;
    case Qt::Key_Right:
        moveBy(1, 0);
        break;
    case Qt::Key_Home:
        if (style_.homeEndMoveColumns)
            selectCellByUser(nextVisibleColumn(-1, 1), std::max(selectedRow_, 0));
        else
            moveBy(0, -rowCount());
        break;
    case Qt::Key_End:
        if (style_.homeEndMoveColumns)
            selectCellByUser(nextVisibleColumn(columnCount(), -1), std::max(selectedRow_, 0));
        else
            moveBy(0, rowCount());
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!style_.wantKeys) {
            event->ignore();
            return;
        }
        moveBy(event->key() == Qt::Key_Tab ? 1 : -1, 0);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!startEditing(selectedColumn_, selectedRow_) && style_.enterMovesSelection)
            moveBy(0, 1);
        break;
    case Qt::Key_F2:
        startEditing(selectedColumn_, selectedRow_);
        break;
    default: {
        const QString typed = event->text();
        if (!typed.isEmpty() && typed.front().isPrint() &&
            startEditing(selectedColumn_, selectedRow_)) {
            setEditorText(typed);
            break;
        }
        event->ignore();
        return;
    }
    }
    event->accept();
}

// ---- Mouse ----

void DataGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        Control<QAbstractScrollArea>::mousePressEvent(event);
        return;
    }
    const bool voided = std::exchange(clickVoided_, false);
    const int replaced = rowsReplaced_;
    setFocus();
    // The field being left refused to let the focus go (its exit check): the click does nothing.
    if (!hasFocus() && isActiveWindow())
        return;
    const QPoint pos = event->position().toPoint();
    const int header = headerAt(pos);
    if (header >= 0) {
        if (columns_[std::size_t(header)].has(columnoption::Sortable))
            sortBy(header, header == sortColumn_ ? !sortAscending_ : true);
        return;
    }
    if (isEditing())
        endEditing(true);
    // Committing the edit reloaded the rows: the point clicked no longer shows what was aimed at.
    if (voided || replaced != rowsReplaced_)
        return;
    const CellPos hit = cellAt(pos);
    if (!hit.valid())
        return;
    const bool wasSelected = hit.column == selectedColumn_ && hit.row == selectedRow_;
    if (!selectCellByUser(hit.column, hit.row))
        return;
    if (columns_[std::size_t(hit.column)].has(columnoption::Clickable) && onCellClick) {
        const int rowsBefore = rowCount();
        onCellClick(hit.column, hit.row);
        // The handler may have reloaded the grid.
        if (rowCount() != rowsBefore)
            return;
    }
    if (wasSelected)
        startEditing(hit.column, hit.row);
}

void DataGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const CellPos hit = cellAt(event->position().toPoint());
    if (hit.valid() && hit.column == selectedColumn_ && hit.row == selectedRow_ && !isEditing())
        startEditing(hit.column, hit.row);
    if (onDblClick && event->button() == Qt::LeftButton)
        onDblClick(*this);
}

void DataGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const CellPos hit = cellAt(pos);
    const bool hand = hit.valid() && columns_[std::size_t(hit.column)].handCursor;
    viewport()->setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (onMouseMove)
        onMouseMove(pos.x(), pos.y());
}

bool DataGrid::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const CellPos hit = cellAt(help->pos());
        QString tip;
        if (hit.valid()) {
            tip = cellHint(hit.column, hit.row);
            const GridColumn& column = columns_[std::size_t(hit.column)];
            const QString shown = shownText(hit.column, hit.row);
            if (tip.isEmpty() && column.has(columnoption::FullTextHint) &&
                fontMetrics().horizontalAdvance(shown) > cellRect(hit.column, hit.row).width() - 4)
                tip = shown;
        }
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport(), cellRect(hit.column, hit.row));
        return true;
    }
    return Control<QAbstractScrollArea>::viewportEvent(event);
}
