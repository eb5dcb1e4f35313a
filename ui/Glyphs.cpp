// Button glyphs, drawn on a 32 x 32 grid and scaled to the size asked for.
#include "ui/Pictures.h"

#include <cmath>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/PaintPaths.h"

namespace pictures {
namespace {

const QColor kInk(45, 45, 55);
const QColor kGreen(30, 150, 40);
const QColor kRed(200, 35, 35);
const QColor kBlue(35, 90, 190);
const QColor kPaper(252, 252, 248);

void plus(QPainter& p, QPointF centre, qreal half, const QColor& colour)
{
    p.setPen(QPen(colour, half * 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre - QPointF(half, 0), centre + QPointF(half, 0));
    p.drawLine(centre - QPointF(0, half), centre + QPointF(0, half));
}

void cross(QPainter& p, QPointF centre, qreal half, const QColor& colour)
{
    p.setPen(QPen(colour, half * 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
    p.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
}

void page(QPainter& p, const QRectF& box)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(box);
    p.setPen(QPen(QColor(150, 150, 160), 1));
    for (qreal y = box.top() + 5; y < box.bottom() - 3; y += 4)
        p.drawLine(QPointF(box.left() + 3, y), QPointF(box.right() - 3, y));
}

void photo(QPainter& p)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(200, 225, 250));
    p.drawRect(QRectF(3, 6, 26, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 150, 60));
    const QPainterPath hill = closedPath({{4, 25}, {13, 14}, {19, 20}, {23, 16}, {28, 25}});
    p.drawPath(hill);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPointF(23, 11), 2.5, 2.5);
}

void circularArrow(QPainter& p, const QColor& colour)
{
    p.setPen(QPen(colour, 3.5, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 6, 20, 20), 30 * 16, 280 * 16);
    const QPainterPath head = closedPath({{21, 3}, {29, 11}, {19, 13}});
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(head);
}

void magnifier(QPainter& p)
{
    p.setPen(QPen(QColor(110, 80, 40), 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
    p.setPen(QPen(kInk, 2.5));
    p.setBrush(QColor(190, 220, 250, 200));
    p.drawEllipse(QPointF(13, 13), 9, 9);
}

void draw(QPainter& p, Glyph which)
{
    switch (which) {
    case Glyph::Sweep:
        p.setPen(QPen(QColor(130, 80, 30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(27, 3), QPointF(14, 18));
        p.setPen(QPen(QColor(170, 130, 20), 1));
        p.setBrush(QColor(235, 195, 60));
        {
            const QPainterPath bristles = closedPath({{11, 15}, {19, 22}, {10, 30}, {2, 24}});
            p.drawPath(bristles);
        }
        break;
    case Glyph::DeleteRecord:
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(QColor(170, 175, 185));
        p.drawRect(QRectF(8, 9, 16, 20));
        p.drawRect(QRectF(5, 5, 22, 4));
        p.drawRect(QRectF(13, 2, 6, 3));
        p.setPen(QPen(kInk, 1.5));
        for (qreal x : {12.0, 16.0, 20.0})
            p.drawLine(QPointF(x, 12), QPointF(x, 26));
        cross(p, QPointF(24, 24), 5, kRed);
        break;
    case Glyph::Print:
        page(p, QRectF(9, 2, 14, 12));
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(QColor(150, 155, 165));
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(8, 20, 16, 10));
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawEllipse(QPointF(25, 16), 1.5, 1.5);
        break;
    case Glyph::Search:
        magnifier(p);
        break;
    case Glyph::SearchMore:
        magnifier(p);
        plus(p, QPointF(13, 13), 4, kGreen);
        break;
    case Glyph::NewRecord:
        page(p, QRectF(5, 2, 18, 24));
        plus(p, QPointF(23, 23), 6, kGreen);
        break;
    case Glyph::Save:
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(3, 3, 26, 26), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(8, 3, 16, 10));
        p.setBrush(QColor(80, 80, 90));
        p.drawRect(QRectF(19, 5, 3, 6));
        p.setBrush(QColor(225, 225, 230));
        p.drawRect(QRectF(7, 18, 18, 11));
        break;
    case Glyph::Reload:
        circularArrow(p, kGreen);
        break;
    case Glyph::Refresh:
        circularArrow(p, kBlue);
        break;
    case Glyph::Calendar:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4, 6, 24, 22));
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawRect(QRectF(4, 6, 24, 6));
        p.setBrush(kInk);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 4; ++col)
                p.drawRect(QRectF(7 + col * 5.5, 15 + row * 4.2, 3, 2.6));
        break;
    case Glyph::Folder:
        p.setPen(QPen(QColor(160, 120, 20), 1.2));
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(QRectF(3, 6, 11, 5));
        p.drawRoundedRect(QRectF(3, 9, 26, 18), 2, 2);
        break;
    case Glyph::Upload:
        photo(p);
        p.setPen(QPen(kGreen.darker(150), 1));
        p.setBrush(kGreen);
        {
            const QPainterPath up =
                closedPath({{16, 9}, {24, 18}, {19, 18}, {19, 30}, {13, 30}, {13, 18}, {8, 18}});
            p.drawPath(up);
        }
        break;
    case Glyph::Blur:
        photo(p);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(QColor(255, 255, 255, 70 + i * 30));
            p.drawRoundedRect(QRectF(9 + i, 13 + i, 14 - 2 * i, 8 - 2 * i), 2, 2);
        }
        break;
    case Glyph::DeletePhoto:
        photo(p);
        cross(p, QPointF(24, 24), 5, kRed);
        break;
    case Glyph::DefaultPhoto: {
        photo(p);
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const qreal r = i % 2 == 0 ? 8 : 3.5;
            const qreal a = (-90 + i * 36) * 3.14159265 / 180;
            const QPointF pt(23 + r * std::cos(a), 23 + r * std::sin(a));
            i == 0 ? star.moveTo(pt) : star.lineTo(pt);
        }
        star.closeSubpath();
        p.setPen(QPen(QColor(170, 120, 0), 1));
        p.setBrush(QColor(255, 205, 40));
        p.drawPath(star);
        break;
    }
    case Glyph::Add:
        plus(p, QPointF(16, 16), 10, kGreen);
        break;
    case Glyph::NewVehicle: {
        QPainterPath body;
        body.addRoundedRect(QRectF(2, 14, 24, 9), 3, 3);
        body.addRoundedRect(QRectF(7, 8, 13, 8), 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawPath(body.simplified());
        p.setBrush(kInk);
        p.drawEllipse(QPointF(8, 24), 3, 3);
        p.drawEllipse(QPointF(20, 24), 3, 3);
        plus(p, QPointF(25, 9), 5, kGreen);
        break;
    }
    case Glyph::Phone:
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(QColor(60, 60, 70));
        p.drawRoundedRect(QRectF(9, 2, 14, 28), 3, 3);
        p.setBrush(QColor(170, 220, 250));
        p.drawRect(QRectF(11, 5, 10, 14));
        p.setBrush(QColor(200, 200, 200));
        p.drawEllipse(QPointF(16, 25), 2, 2);
        break;
    case Glyph::Sheet:
        page(p, QRectF(6, 2, 20, 28));
        p.setPen(QPen(kGreen, 2));
        p.drawLine(QPointF(10, 24), QPointF(15, 18));
        p.drawLine(QPointF(15, 18), QPointF(18, 21));
        p.drawLine(QPointF(18, 21), QPointF(23, 13));
        break;
    case Glyph::Options:
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(kPaper);
        for (int i = 0; i < 3; ++i) {
            p.drawRect(QRectF(4, 5 + i * 9, 6, 6));
            p.drawLine(QPointF(13, 8 + i * 9), QPointF(28, 8 + i * 9));
        }
        p.setPen(QPen(kGreen, 2));
        p.drawLine(QPointF(5, 8), QPointF(7, 10));
        p.drawLine(QPointF(7, 10), QPointF(11, 4));
        break;
    case Glyph::Selector: {
        QRadialGradient led(QPointF(13, 12), 12);
        led.setColorAt(0, QColor(170, 255, 170));
        led.setColorAt(1, kGreen);
        p.setPen(QPen(kGreen.darker(170), 1.5));
        p.setBrush(led);
        p.drawEllipse(QPointF(16, 16), 11, 11);
        break;
    }
    }
}

} // namespace

QPixmap glyph(Glyph which, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    draw(p, which);
    return pixmap;
}

} // namespace pictures
