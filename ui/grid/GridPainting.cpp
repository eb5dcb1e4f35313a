// Drawing of the grid: header row, table rows and cards.
#include "ui/grid/DataGrid.h"

#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QScrollBar>

#include "ui/Colors.h"
#include "ui/PictureList.h"

namespace {
QColor shade(unsigned value, const QColor& fallback)
{
    return value == color::None ? fallback : toQColor(value);
}

// "#,##0.00"-like display: the decimals asked for, thousands grouped with a blank.
QString formatNumber(const QString& text, int decimals, bool group)
{
    if (text.isEmpty() || decimals < 0)
        return text;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        return text;
    QString shown = QString::number(value, 'f', decimals);
    if (!group)
        return shown;
    const qsizetype point = shown.indexOf('.');
    qsizetype end = point < 0 ? shown.size() : point;
    const qsizetype start = shown.startsWith('-') ? 1 : 0;
    for (qsizetype i = end - 3; i > start; i -= 3)
        shown.insert(i, QChar(' '));
    return shown;
}
} // namespace

QString DataGrid::shownText(int column, int row) const
{
    const GridColumn& c = columns_[std::size_t(column)];
    const QString text = cell(column, row);
    if (c.kind == ColumnKind::Number)
        return formatNumber(text, c.decimals, c.groupThousands);
    return text;
}

CellFormat DataGrid::formatOf(int column, int row) const
{
    const GridColumn& c = columns_[std::size_t(column)];
    CellFormat format;
    format.color = cellColor(column, row);
    if (format.color == color::None)
        format.color = c.color;
    format.fontColor = cellFontColor(column, row);
    if (format.fontColor == color::None)
        format.fontColor = c.fontColor;
    const bool rowSelected = row == selectedRow_;
    // A table that selects whole rows selects every cell of the row; cards select one cell.
    const bool wholeRow = style_.wholeRowSelect && !style_.cards;
    format.selected = rowSelected && (wholeRow || column == selectedColumn_);
    if (format.selected && !style_.cards) {
        const bool focused = hasFocus() || isEditing();
        if (focused || !style_.hideSelectionWithoutFocus) {
            const unsigned selection = focused || style_.inactiveSelectionColor == color::None
                                           ? style_.selectionColor
                                           : style_.inactiveSelectionColor;
            format.color = selection;
            if (style_.highlightTextColor != color::None)
                format.fontColor = style_.highlightTextColor;
        }
    }
    if (onCellFormatting)
        onCellFormatting(column, row, format);
    return format;
}

void DataGrid::paintCellContent(QPainter& painter, const QRect& box, int column, int row,
                                const CellFormat& format, bool bold)
{
    const GridColumn& c = columns_[std::size_t(column)];
    if (format.color != color::None)
        painter.fillRect(box, toQColor(format.color));
    if (c.kind == ColumnKind::Image) {
        bool ok = false;
        const int index = cell(column, row).toInt(&ok);
        const QPixmap picture = ok && images_ ? images_->picture(index) : QPixmap();
        if (!picture.isNull()) {
            QRect target(QPoint(0, 0), picture.size().boundedTo(box.size()));
            target.moveCenter(box.center());
            painter.drawPixmap(target, picture);
        }
        return;
    }
    QFont f = font();
    if (c.fontPixelSize > 0)
        f.setPixelSize(c.fontPixelSize);
    f.setBold(bold);
    painter.setFont(f);
    painter.setPen(shade(format.fontColor, palette().color(QPalette::Text)));
    const QRect inner = box.adjusted(3, 1, -3, -1);
    int flags = int(c.alignment);
    if (c.kind == ColumnKind::Memo || c.wordWrap)
        flags = int(c.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextWordWrap;
    else if (c.kind == ColumnKind::Number && c.decimals >= 0 &&
             !(c.alignment & (Qt::AlignHCenter | Qt::AlignLeft)))
        flags = int(Qt::AlignRight | Qt::AlignVCenter);
    QString text = shownText(column, row);
    if (!(flags & Qt::TextWordWrap))
        text = painter.fontMetrics().elidedText(text, Qt::ElideRight, inner.width());
    painter.drawText(inner, flags, text);
}

void DataGrid::paintHeader(QPainter& painter)
{
    const QColor line = toQColor(style_.gridLineColor).darker(130);
    for (int c = 0; c < columnCount(); ++c) {
        const QRect box = headerRect(c);
        if (box.isEmpty())
            continue;
        QLinearGradient face(box.topLeft(), box.bottomLeft());
        face.setColorAt(0, QColor(255, 255, 255));
        face.setColorAt(0.5, QColor(241, 243, 247));
        face.setColorAt(1, QColor(222, 226, 233));
        painter.fillRect(box, face);
        painter.setPen(line);
        painter.drawLine(box.topRight(), box.bottomRight());
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.setPen(palette().color(QPalette::WindowText));
        QRect caption = box.adjusted(4, 0, -4, 0);
        if (c == sortColumn_) {
            // The sorted column shows its direction.
            const int x = caption.right() - 7;
            const int y = caption.center().y();
            QPolygon arrow;
            if (sortAscending_)
                arrow << QPoint(x, y + 2) << QPoint(x + 6, y + 2) << QPoint(x + 3, y - 2);
            else
                arrow << QPoint(x, y - 2) << QPoint(x + 6, y - 2) << QPoint(x + 3, y + 2);
            painter.save();
            painter.setBrush(QColor(110, 120, 140));
            painter.setPen(Qt::NoPen);
            painter.drawPolygon(arrow);
            painter.restore();
            caption.setRight(x - 2);
        }
        painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(columns_[std::size_t(c)].caption,
                                                          Qt::ElideRight, caption.width()));
    }
}

void DataGrid::paintTableRow(QPainter& painter, int row)
{
    const QColor line = toQColor(style_.gridLineColor);
    const bool lines = style_.gridLines && (!style_.gridLinesOnActiveRowsOnly || row < rowCount());
    for (int c = 0; c < columnCount(); ++c) {
        const QRect box = cellRect(c, row);
        if (box.isEmpty())
            continue;
        const CellFormat format = formatOf(c, row);
        paintCellContent(painter, box, c, row, format, false);
        if (lines) {
            painter.setPen(line);
            painter.drawLine(box.topRight(), box.bottomRight());
            painter.drawLine(box.bottomLeft(), box.bottomRight());
        }
        if (format.selected && c == selectedColumn_ && !style_.wholeRowSelect && hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box.adjusted(0, 0, -1, -1));
        }
    }
}

void DataGrid::paintCard(QPainter& painter, int row)
{
    const int scroll = verticalScrollBar()->value();
    const QRect card(0, row * style_.cardHeight - scroll, viewport()->width(), style_.cardHeight);
    const bool selected = row == selectedRow_;
    const bool shown = selected && (hasFocus() || isEditing() || !style_.hideSelectionWithoutFocus);
    const QColor back = shown ? toQColor(style_.selectionColor) : palette().color(QPalette::Base);
    painter.fillRect(card, back);
    // A raised frame around each card; the selected card is outlined in its own colour.
    const QColor line = toQColor(style_.gridLineColor);
    painter.setPen(line.lighter(115));
    painter.drawLine(card.topLeft(), card.topRight());
    painter.drawLine(card.topLeft(), card.bottomLeft());
    painter.setPen(line.darker(135));
    painter.drawLine(card.bottomLeft(), card.bottomRight());
    painter.drawLine(card.topRight(), card.bottomRight());
    if (shown) {
        painter.setPen(QPen(toQColor(style_.selectedCardColor), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(card.adjusted(1, 1, -1, -1));
    }
    for (int c = 0; c < columnCount(); ++c) {
        const QRect box = cellRect(c, row);
        if (box.isEmpty())
            continue;
        const CellFormat format = formatOf(c, row);
        // Cells of a card are opaque: a later cell covers the one it lies over.
        if (format.color == color::None)
            painter.fillRect(box, back);
        paintCellContent(painter, box, c, row, format, shown && style_.boldSelectedText);
        if (format.selected && hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box.adjusted(0, 0, -1, -1));
        }
    }
}

void DataGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    const int first = std::max(0, rowAt(style_.cards || !style_.header ? 0 : style_.headerHeight));
    for (int row = first; row < rowCount(); ++row) {
        const QRect probe = cellRect(nextVisibleColumn(-1, 1), row);
        if (!probe.isNull() && probe.top() > viewport()->height() && !style_.cards)
            break;
        if (style_.cards) {
            if (row * style_.cardHeight - verticalScrollBar()->value() > viewport()->height())
                break;
            paintCard(painter, row);
        } else {
            paintTableRow(painter, row);
        }
    }
    if (!style_.cards && style_.header)
        paintHeader(painter);
}
