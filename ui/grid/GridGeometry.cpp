// Where rows, cards and cells lie in the grid's viewport.
#include "ui/grid/DataGrid.h"

#include <algorithm>

#include <QFontMetrics>
#include <QScrollBar>

namespace {
constexpr int kCardLineHeight = 16;
}

int DataGrid::columnWidthShown(int index) const
{
    const GridColumn& column = columns_[std::size_t(index)];
    return column.visible ? std::max(8, column.width) : 0;
}

std::vector<int> DataGrid::columnLefts() const
{
    // The column that fills the width takes what the others leave.
    int total = 0;
    int filler = -1;
    for (int i = 0; i < columnCount(); ++i) {
        total += columnWidthShown(i);
        if (filler < 0 && columns_[std::size_t(i)].visible &&
            columns_[std::size_t(i)].has(columnoption::FillsWidth))
            filler = i;
    }
    const int extra = std::max(0, viewport()->width() - total);
    std::vector<int> lefts(columns_.size() + 1);
    int x = 0;
    for (int i = 0; i < columnCount(); ++i) {
        lefts[std::size_t(i)] = x;
        x += columnWidthShown(i) + (i == filler ? extra : 0);
    }
    lefts.back() = x;
    return lefts;
}

int DataGrid::contentHeight() const
{
    if (style_.cards)
        return rowCount() * style_.cardHeight;
    return (style_.header ? style_.headerHeight : 0) + rowCount() * style_.rowHeight;
}

QRect DataGrid::cellRect(int column, int row) const
{
    if (column < 0 || column >= columnCount() || row < 0 || !columns_[std::size_t(column)].visible)
        return {};
    const int scroll = verticalScrollBar()->value();
    const GridColumn& c = columns_[std::size_t(column)];
    if (style_.cards) {
        const int top = row * style_.cardHeight - scroll;
        const int w = c.place.width() > 0 ? c.place.width() : c.width;
        const int h = c.place.height() > 0 ? c.place.height() : kCardLineHeight;
        return QRect(c.place.left(), top + c.place.top(), w, h);
    }
    const std::vector<int> lefts = columnLefts();
    const int top = (style_.header ? style_.headerHeight : 0) + row * style_.rowHeight - scroll;
    return QRect(lefts[std::size_t(column)], top,
                 lefts[std::size_t(column) + 1] - lefts[std::size_t(column)], style_.rowHeight);
}

QRect DataGrid::headerRect(int column) const
{
    if (style_.cards || !style_.header || column < 0 || column >= columnCount() ||
        !columns_[std::size_t(column)].visible)
        return {};
    const std::vector<int> lefts = columnLefts();
    return QRect(lefts[std::size_t(column)], 0,
                 lefts[std::size_t(column) + 1] - lefts[std::size_t(column)], style_.headerHeight);
}

int DataGrid::rowAt(int y) const
{
    const int scroll = verticalScrollBar()->value();
    int offset = y + scroll;
    int height = style_.cards ? style_.cardHeight : style_.rowHeight;
    if (!style_.cards && style_.header) {
        if (y < style_.headerHeight)
            return -1;
        offset -= style_.headerHeight;
    }
    if (offset < 0 || height <= 0)
        return -1;
    const int row = offset / height;
    return row < rowCount() ? row : -1;
}

DataGrid::CellPos DataGrid::cellAt(const QPoint& pos) const
{
    const int row = rowAt(pos.y());
    if (row < 0)
        return {};
    // Later columns are drawn over earlier ones in a card: look from the top down.
    for (int c = columnCount() - 1; c >= 0; --c)
        if (columns_[std::size_t(c)].visible && cellRect(c, row).contains(pos))
            return {c, row};
    if (style_.wholeRowSelect || style_.cards) {
        const int first = nextVisibleColumn(-1, 1);
        if (first >= 0)
            return {first, row};
    }
    return {};
}

int DataGrid::headerAt(const QPoint& pos) const
{
    if (style_.cards || !style_.header || pos.y() >= style_.headerHeight)
        return -1;
    for (int c = 0; c < columnCount(); ++c)
        if (headerRect(c).contains(pos))
            return c;
    return -1;
}

void DataGrid::updateScrollRange()
{
    const int step = style_.cards ? style_.cardHeight : style_.rowHeight;
    verticalScrollBar()->setSingleStep(std::max(1, step));
    verticalScrollBar()->setPageStep(std::max(1, viewport()->height()));
    verticalScrollBar()->setRange(0, std::max(0, contentHeight() - viewport()->height()));
}

void DataGrid::ensureVisible(int row)
{
    if (row < 0)
        return;
    const int step = style_.cards ? style_.cardHeight : style_.rowHeight;
    const int header = style_.cards || !style_.header ? 0 : style_.headerHeight;
    const int top = row * step;
    const int visible = viewport()->height() - header;
    QScrollBar* bar = verticalScrollBar();
    if (top < bar->value())
        bar->setValue(top);
    else if (top + step > bar->value() + visible)
        bar->setValue(top + step - visible);
}

void DataGrid::resizeEvent(QResizeEvent* event)
{
    Control<QAbstractScrollArea>::resizeEvent(event);
    updateScrollRange();
}

void DataGrid::scrollContentsBy(int, int)
{
    if (isEditing())
        endEditing(true);
    viewport()->update();
}
