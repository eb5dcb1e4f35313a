#include "demo-server/ReportPdf.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Points on an A4 page (the writer works at 72 dots per inch).
constexpr qreal kPageWidth = 595;
constexpr qreal kPageHeight = 842;
constexpr qreal kMargin = 40;
constexpr qreal kContentWidth = kPageWidth - 2 * kMargin;

QFont font(qreal size, bool bold = false)
{
    QFont f("DejaVu Sans");
    f.setPointSizeF(size);
    f.setBold(bold);
    return f;
}

// A top-to-bottom cursor over the pages of the sheet.
class Layout {
public:
    Layout(QPdfWriter& writer, QPainter& painter)
        : writer_(writer)
        , painter_(painter)
    {}

    qreal y() const { return y_; }
    void skip(qreal height) { y_ += height; }

    void ensure(qreal height)
    {
        if (y_ + height <= kPageHeight - kMargin)
            return;
        writer_.newPage();
        y_ = kMargin;
    }

    // A text across the given width, wrapped; returns the height used.
    qreal text(const QString& text, const QFont& f, qreal x, qreal width, qreal minHeight = 0)
    {
        painter_.setFont(f);
        const QRectF bounds =
            painter_.boundingRect(QRectF(x, y_, width, 10000), Qt::TextWordWrap, text);
        const qreal height = std::max(bounds.height(), minHeight);
        painter_.drawText(QRectF(x, y_, width, height), Qt::TextWordWrap, text);
        return height;
    }

    QPainter& painter() { return painter_; }

private:
    QPdfWriter& writer_;
    QPainter& painter_;
    qreal y_ = kMargin;
};

void drawHeader(Layout& layout, const ReportPage& page, const QImage& photo)
{
    QPainter& painter = layout.painter();
    painter.fillRect(QRectF(kMargin, layout.y(), kContentWidth, 46), QColor(20, 50, 110));
    painter.setPen(Qt::white);
    layout.skip(6);
    layout.skip(layout.text(page.dealership, font(13, true), kMargin + 10, kContentWidth - 20));
    layout.text(page.dealershipAddress, font(8), kMargin + 10, kContentWidth - 20);
    layout.skip(30);
    painter.setPen(Qt::black);

    const qreal photoWidth = photo.isNull() ? 0 : 200;
    const qreal top = layout.y();
    layout.skip(layout.text(page.title, font(17, true), kMargin, kContentWidth - photoWidth - 10));
    layout.skip(4);
    layout.skip(layout.text(page.subtitle, font(11), kMargin, kContentWidth - photoWidth - 10));
    if (!photo.isNull()) {
        const QRectF box(kPageWidth - kMargin - photoWidth, top, photoWidth, photoWidth * 3 / 4);
        painter.drawImage(box, photo);
        painter.drawRect(box);
        layout.skip(std::max<qreal>(0, box.bottom() - layout.y()));
    }
    layout.skip(14);
}

void drawSection(Layout& layout, const ReportSection& section)
{
    layout.ensure(40);
    layout.skip(layout.text(section.title, font(11, true), kMargin, kContentWidth));
    layout.painter().drawLine(QPointF(kMargin, layout.y()),
                              QPointF(kPageWidth - kMargin, layout.y()));
    layout.skip(4);
    for (const auto& [label, value] : section.fields) {
        layout.ensure(14);
        layout.text(label, font(9, true), kMargin, 150);
        layout.skip(layout.text(value, font(9), kMargin + 155, kContentWidth - 155, 13));
    }
    layout.skip(10);
}

void drawTable(Layout& layout, const ReportTable& table)
{
    if (table.header.isEmpty())
        return;
    layout.ensure(50);
    layout.skip(layout.text(table.title, font(11, true), kMargin, kContentWidth));
    layout.skip(4);
    const qreal columnWidth = kContentWidth / table.header.size();
    auto drawRow = [&](const QStringList& cells, bool header) {
        qreal height = 14;
        QPainter& painter = layout.painter();
        painter.setFont(font(8, header));
        for (int c = 0; c < cells.size(); ++c)
            height = std::max(height, painter.boundingRect(QRectF(0, 0, columnWidth - 4, 10000),
                                                           Qt::TextWordWrap, cells[c])
                                              .height() +
                                          4);
        layout.ensure(height);
        if (header)
            painter.fillRect(QRectF(kMargin, layout.y(), kContentWidth, height),
                             QColor(225, 230, 240));
        for (int c = 0; c < cells.size() && c < table.header.size(); ++c) {
            const QRectF cell(kMargin + c * columnWidth, layout.y(), columnWidth, height);
            painter.drawRect(cell);
            painter.drawText(cell.adjusted(2, 2, -2, -2), Qt::TextWordWrap, cells[c]);
        }
        layout.skip(height);
    };
    drawRow(table.header, true);
    for (const QStringList& row : table.rows)
        drawRow(row, false);
    if (table.rows.empty())
        drawRow(QStringList{"(aucune ligne)"}, false);
    layout.skip(12);
}

} // namespace

QByteArray renderReportPdf(const ReportPage& page, const QImage& photo)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(72);
        writer.setTitle(page.title);
        writer.setCreator("Serveur de démonstration Kelvaro");
        QPainter painter(&writer);
        Layout layout(writer, painter);
        drawHeader(layout, page, photo);
        for (const ReportSection& section : page.sections)
            drawSection(layout, section);
        for (const ReportTable& table : page.tables)
            drawTable(layout, table);
        if (!page.note.isEmpty()) {
            layout.ensure(30);
            layout.skip(layout.text("Observations", font(11, true), kMargin, kContentWidth));
            layout.skip(layout.text(page.note, font(9), kMargin, kContentWidth));
        }
    }
    return bytes;
}
